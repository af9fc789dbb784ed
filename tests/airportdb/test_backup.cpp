// Backing the airport database up into a folder and restoring it from one.
#include <sqlite3.h>

#include <QtTest>

#include "airportdb/Backup.h"
#include "airportdb/Schema.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::AirportDatabase;
using tx::DbError;

namespace {

const QDateTime kNoon(QDate(2027, 1, 15), QTime(12, 0));

// An airport as the airport window stores it, with one FBO.
void addAirport(tx::Db& db, const QString& ident) {
    db.execute(
        "INSERT INTO tblAirports (Ident, City, State, Lat, Long, Std, Day, ZoneCode) "
        "VALUES (?1, 'Albany', 'NY', 'N42-44.9', 'W073-48.2', -5, -4, 'US')",
        {ident});
    db.execute(
        "INSERT INTO tblFBOs (AirportID, Name, Freq) VALUES "
        "(last_insert_rowid(), 'Jet Center', '122.950')");
}

// The live database: data.mdb in a temporary program folder (or a link there to linkTo),
// opened with its cursor.
struct Live {
    TempDb t;
    AirportDatabase adb;
    explicit Live(const QString& linkTo = {}) {
        t.db.close();
        if (!linkTo.isEmpty())
            QVERIFY(QFile::rename(t.path, linkTo) && QFile::link(linkTo, t.path));
        adb.db.open(t.path);
        addAirport(adb.db, "KAAA");
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    }
    QString idents() { return Column(*adb.AirportsRs, "Ident"); }
    // Restores folder/data.mdb, answering yes; returns where the replaced file is kept.
    QString restore(const QString& folder, const QDateTime& when = kNoon) {
        tx::RestoreCopy copy = tx::PrepareRestore(adb.db, folder);
        return tx::CompleteRestore(adb, copy, when);
    }
};

// Runs the statements on the file as another program would: the engine's message, or "".
QString sqlOn(const QString& path, const QByteArray& sql) {
    sqlite3* h = nullptr;
    sqlite3_open(path.toUtf8().constData(), &h);
    const int rc = sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr);
    const QString error = rc == SQLITE_OK ? QString() : QString(sqlite3_errmsg(h));
    sqlite3_close(h);
    return error;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QString identsOf(const QString& path) {
    tx::Db db;
    db.open(path);
    return Column(tx::OpenAirports(db), "Ident");
}

}  // namespace

class TestBackup : public QObject {
    Q_OBJECT
  private slots:
    // Backup, a change, a second backup that replaces the first, then a restore after each of
    // six changes: the cursor reads the backed-up rows, and the five newest replaced files are
    // kept, dated, beside the live one. A data.mdb that is a link stays one, here and in the
    // backup folder (where it first leads nowhere); the files it leads to are replaced.
    void backupThenRestore_data() {
        addColumns<bool, bool>("linked", "wal");
        addRow("files", false, false);
        addRow("links, the backup in WAL mode", true, true);
    }
    void backupThenRestore() {
        auto [linked, wal] = fetch<bool, bool>("linked", "wal");
        QTemporaryDir disk, shared;
        const QString sharedDb = shared.filePath("airports.db");
        Live live(linked ? sharedDb : QString());
        if (linked)
            QVERIFY(QDir(disk.path()).mkdir("media") &&
                    QFile::link(disk.filePath("media/copy.db"), disk.filePath("data.mdb")));
        QCOMPARE(tx::BackupDatabase(live.adb.db, disk.path()), disk.filePath("data.mdb"));
        addAirport(live.adb.db, "KBBB");
        tx::BackupDatabase(live.adb.db, disk.path());
        QVERIFY(QFileInfo(disk.filePath("data.mdb")).isSymLink() == linked &&
                filesIn(disk.path()) == QStringList{"data.mdb"});
        QCOMPARE(QFile::permissions(disk.filePath("data.mdb")), QFile::permissions(live.t.path));
        QCOMPARE(tx::CountsText(tx::PrepareRestore(live.adb.db, disk.path()).counts),
                 QString("2 airports, 2 FBOs, 0 crew hotels, 0 pax hotels, 0 limos and 0 "
                         "caterers"));

        if (wal) {  // as another program may leave it; the restored file keeps the usual journal
            tx::Db copy;
            copy.open(disk.filePath("data.mdb"));
            QCOMPARE(Scalar(copy, "PRAGMA journal_mode = WAL"), QString("wal"));
        }
        const QString target = linked ? sharedDb : live.t.path;
        QStringList kept;
        for (int k = 0; k < 6; ++k) {
            addAirport(live.adb.db, QString("KX%1").arg(k));
            kept << live.restore(disk.path());
            QCOMPARE(live.idents(), QString("KAAA,KBBB"));
            QCOMPARE(identsOf(kept.last()), QString("KAAA,KBBB,KX%1").arg(k));
        }
        QVERIFY(live.adb.AirportsRs->findFirst(tx::IdentIs("kbbb")));
        QCOMPARE(kept.first(), target + ".2027-01-15-120000.bak");
        QVERIFY(QFileInfo(live.t.path).isSymLink() == linked &&
                Scalar(live.adb.db, "PRAGMA journal_mode") == "delete");
        QStringList left{QFileInfo(target).fileName()};
        for (const QString& k : kept.mid(1)) left << QFileInfo(k).fileName();
        QCOMPARE(filesIn(QFileInfo(target).path()) + filesIn(disk.path()),
                 left + QStringList{"data.mdb"});
    }

    // A file of an earlier layout (1: before the airports' CityKey, 2: before their IATA code,
    // name and kind) is restored like a new one, as a backup made before the columns came and as
    // one made of such a file brought up to date when opened.
    void earlierLayoutRestores_data() {
        addColumns<int, bool>("layout", "upToDate");
        addRow("first, as made", 1, false);
        addRow("first, brought up to date", 1, true);
        addRow("second, as made", 2, false);
        addRow("second, brought up to date", 2, true);
    }
    void earlierLayoutRestores() {
        auto [layout, upToDate] = fetch<int, bool>("layout", "upToDate");
        QTemporaryDir disk;
        Live live;
        live.adb.db.close();
        QVERIFY(QFile::remove(live.t.path));
        const QString sql = tx::schema::LayoutStatements(layout).join(";\n");
        QVERIFY(!sql.contains("IATA"));
        QCOMPARE(sqlOn(live.t.path, sql.toUtf8()), QString());
        if (!upToDate) QVERIFY(QFile::copy(live.t.path, disk.filePath("data.mdb")));
        live.adb.db.open(live.t.path);
        addAirport(live.adb.db, "KAAA");
        live.adb.AirportsRs.emplace(tx::OpenAirports(live.adb.db));
        if (upToDate) tx::BackupDatabase(live.adb.db, disk.path());
        addAirport(live.adb.db, "KBBB");
        live.restore(disk.path());
        QCOMPARE(live.idents(), QString(upToDate ? "KAAA" : ""));
    }

    void countsText() {
        QCOMPARE(tx::CountsText({5006, {16, 1, 0, 9, 1}}),
                 QString("5,006 airports, 16 FBOs, 1 crew hotel, 0 pax hotels, 9 limos and 1 "
                         "caterer"));
    }

    // A refused copy leaves the live database open, unchanged and without a .bak.
    void restoreRefuses_data() {
        addColumns<QByteArray, QString>("make", "fault");
        const auto row = addRow<QByteArray, const char*>;
        row("no data.mdb", QByteArray(), "there is no copy");
        row("not SQLite", "Ident\tCity\n", "not a database");
        row("truncated", "half", "malformed");
        row("a damaged page", "damaged", "damaged");
        row("foreign SQLite", "sql:DROP TABLE tblAirports", "table tblAirports is missing");
        // Nothing but the program's own tables and indexes, defined as the program defines them.
        row("a trigger",
            "sql:CREATE TRIGGER wipe AFTER INSERT ON tblAirports BEGIN DELETE FROM tblFBOs; END",
            "trigger wipe");
        row("a rule dropped",
            "sql:DROP TABLE tblLimos; CREATE TABLE tblLimos (\"ID\" INTEGER PRIMARY KEY "
            "AUTOINCREMENT, \"AirportID\" INTEGER NOT NULL, \"Name\" TEXT COLLATE NOCASE, "
            "\"PhoneNumber\" TEXT COLLATE NOCASE, \"Default\" INTEGER); CREATE INDEX "
            "idxLimosAirportID ON tblLimos (AirportID)",
            "table tblLimos");
        // Every row as the airport window would store it; the first bad one is named.
        row("Std a word", "sql:UPDATE tblAirports SET Std = 'seven'", "airport KAAA (ID 1): Std");
        row("identifier in lower case", "sql:UPDATE tblAirports SET Ident = 'kaaa'", "\"kaaa\"");
        row("identifier empty", "sql:UPDATE tblAirports SET Ident = ' '",
            "airport (ID 1): Identifier");
        row("identifier twice",
            "sql:INSERT INTO tblAirports (Ident, Lat, Long, Std, Day) SELECT Ident, Lat, Long, "
            "Std, Day FROM tblAirports",
            "airport KAAA (ID 2): Ident");
        row("city of 26", "sql:UPDATE tblAirports SET City = printf('%.26c', 'x')", "(ID 1): City");
        row("zone code in bytes", "sql:UPDATE tblAirports SET ZoneCode = x'4d5354'",
            "(ID 1): ZoneCode");
        row("an FBO of no airport", "sql:UPDATE tblFBOs SET AirportID = 99",
            "FBO \"Jet Center\" (ID 1): AirportID 99");
        row("a nameless hotel", "sql:INSERT INTO tblCrewHotels (AirportID, Name) VALUES (1, ' ')",
            "crew hotel (ID 1)");
        row("Default 2",
            "sql:PRAGMA ignore_check_constraints = 1; UPDATE tblFBOs SET \"Default\" = 2",
            "FBO \"Jet Center\" (ID 1): Default");
    }
    void restoreRefuses() {
        auto [make, fault] = fetch<QByteArray, QString>("make", "fault");
        Live live;
        QTemporaryDir disk;
        const QString copy = disk.filePath("data.mdb");
        QFile f(copy);
        if (make == "half" || make == "damaged" || make.startsWith("sql:"))
            tx::BackupDatabase(live.adb.db, disk.path());
        else if (!make.isEmpty())
            WriteFile(copy, make);
        if (make == "half") QVERIFY(f.resize(f.size() / 2));
        // The last page's type byte made invalid: only the integrity check reads it.
        if (make == "damaged")
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 4096) && f.putChar(0) &&
                    f.flush());
        if (make.startsWith("sql:")) QCOMPARE(sqlOn(copy, make.mid(4)), QString());
        const QByteArray before = ReadFile(live.t.path);
        VerifyHolds(Thrown<DbError>([&] { live.restore(disk.path()); }), {copy, fault});
        QVERIFY(ReadFile(live.t.path) == before && live.adb.db.path() == live.t.path);
        addAirport(live.adb.db, "KEEE");  // still open for writing, cursor and all
        QCOMPARE(live.idents() + filesIn(live.t.dir.path()).join(' '), QString("KAAAdata.mdb"));
    }

    // A backup that cannot be written (no such folder, a file of that name, a read-only folder,
    // the live folder itself) leaves no file in the folder and the live file as it was.
    void backupRefuses_data() {
        QTest::addColumn<QString>("where");
        for (const char* where : {"missing", "file", "read-only", "live"})
            QTest::newRow(where) << QString(where);
    }
    void backupRefuses() {
        QFETCH(QString, where);
        Live live;
        QTemporaryDir disk;
        QString folder = disk.filePath(where);
        if (where == "file") WriteFile(folder, "x");
        if (where == "read-only") {
            QVERIFY(QDir(disk.path()).mkdir(where));
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            QFile probe(folder + "/probe");
            if (probe.open(QIODevice::WriteOnly)) QSKIP("permissions do not bind this user");
        }
        if (where == "live") folder = live.t.dir.path();
        const QStringList before = filesIn(folder);
        QVERIFY_THROWS_EXCEPTION(DbError, tx::BackupDatabase(live.adb.db, folder));
        QVERIFY(filesIn(folder) == before && live.idents() == "KAAA");
    }

    // At start: the copies in progress of a cut-short backup or restore are removed, and a
    // missing live file (or the missing file its link leads to) gets its newest kept copy back.
    // Each file here holds its own name.
    void recoverAtStart_data() {
        addColumns<bool, QString, QString, QString>("linked", "files", "putBack", "left");
        const auto row = addRow<bool, const char*, const char*, const char*>;
        row("cut between the renames", false,
            "data.mdb.2027-01-14-090000.bak data.mdb.2027-01-15-120000.bak data.mdb.Ab12Cd.part "
            "data.mdb.Ab12Cd.part-journal",
            "data.mdb.2027-01-15-120000.bak", "data.mdb data.mdb.2027-01-14-090000.bak");
        row("an earlier version's copy", false, "data.mdb.bak", "data.mdb.bak", "data.mdb");
        row("nothing missing", false,
            "data.mdb data.mdb.2027-01-15-120000.bak data.mdb.x1Y2z3.part data.mdb.mine.bak "
            "old.part",
            "", "data.mdb data.mdb.2027-01-15-120000.bak data.mdb.mine.bak old.part");
        row("nothing kept", false, "data.mdb.mine.bak", "", "data.mdb.mine.bak");
        row("linked", true, "airports.db.2027-01-15-120000.bak airports.db.Ab12Cd.part",
            "airports.db.2027-01-15-120000.bak", "airports.db");
    }
    void recoverAtStart() {
        auto [linked, files, putBack, left] =
            fetch<bool, QString, QString, QString>("linked", "files", "putBack", "left");
        QTemporaryDir program, shared;
        const QString dir = linked ? shared.path() : program.path();
        const QString target = QDir(dir).filePath(linked ? "airports.db" : "data.mdb");
        if (linked) QVERIFY(QFile::link(target, program.filePath("data.mdb")));
        for (const QString& f : files.split(' ')) WriteFile(QDir(dir).filePath(f), f.toUtf8());
        const QString said = tx::RecoverDatabaseFile(program.filePath("data.mdb"));
        QCOMPARE(said.isEmpty(), putBack.isEmpty());
        if (!putBack.isEmpty()) VerifyHolds(said, {QDir(dir).filePath(putBack), "put back"});
        if (!putBack.isEmpty()) QCOMPARE(ReadFile(target), putBack.toUtf8());
        QCOMPARE(filesIn(dir), left.split(' '));
        QCOMPARE(QFileInfo(program.filePath("data.mdb")).isSymLink(), linked);
    }

    // Another program restores a backup under this one: the next write fails, the message says
    // what happened, and the file is opened again so that the next write lands in it.
    void replacedWhileOpen() {
        Live live;
        QTemporaryDir disk;
        tx::BackupDatabase(live.adb.db, disk.path());
        {
            tx::Db backup;
            backup.open(disk.filePath("data.mdb"));
            addAirport(backup, "KZZZ");
        }
        AirportDatabase other;
        other.db.open(live.t.path);
        tx::RestoreCopy copy = tx::PrepareRestore(other.db, disk.path());
        tx::CompleteRestore(other, copy, kNoon);

        const QString message = Thrown<DbError>([&] {
            try {
                addAirport(live.adb.db, "KEEE");
            } catch (const DbError& e) {
                throw DbError(tx::DbErrorMessage(live.adb, e));
            }
        });
        VerifyHolds(message, {"Another program replaced", live.t.path, "now uses the new file"});
        QCOMPARE(live.idents(), QString("KAAA,KZZZ"));
        addAirport(live.adb.db, "KEEE");
        QCOMPARE(identsOf(live.t.path), QString("KAAA,KZZZ,KEEE"));
        QCOMPARE(tx::DbErrorMessage(live.adb, DbError("other fault")), QString("other fault"));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
