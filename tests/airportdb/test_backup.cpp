// Backing the airport database up into a folder and restoring it from one.
#include <sqlite3.h>

#include <QtTest>

#include "airportdb/Backup.h"
#include "airportdb/Schema.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;

namespace {

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

// Runs the statements on the file as another program would: the engine's message, or "".
QString sqlOn(const QString& path, const QString& sql) {
    sqlite3* h = nullptr;
    sqlite3_open(path.toUtf8().constData(), &h);
    const int rc = sqlite3_exec(h, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    const QString error = rc == SQLITE_OK ? QString() : QString(sqlite3_errmsg(h));
    sqlite3_close(h);
    return error;
}

QString layoutSql(int layout) {
    return tx::schema::LayoutStatements(layout).join(";\n");
}

// The live database: data.mdb in a temporary program folder (or a link there to linkTo), of an
// earlier layout when one is given, opened with its cursor.
struct Live {
    TempDb t;
    tx::AirportDatabase adb;
    explicit Live(const QString& linkTo = {}, int layout = 0) {
        t.db.close();
        if (layout) QVERIFY(QFile::remove(t.path) && sqlOn(t.path, layoutSql(layout)).isEmpty());
        if (!linkTo.isEmpty())
            QVERIFY(QFile::rename(t.path, linkTo) && QFile::link(linkTo, t.path));
        adb.db.open(t.path);
        addAirport(adb.db, "KAAA");
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    }
    QString idents() { return Column(*adb.AirportsRs, "Ident"); }
    // Restores folder/data.mdb at noon 15 Jan 2027, answering yes; returns where the replaced
    // file is kept.
    QString restore(const QString& folder) {
        tx::RestoreCopy copy = tx::PrepareRestore(adb.db, folder);
        return tx::CompleteRestore(adb, copy, {{2027, 1, 15}, {12, 0}});
    }
};

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
    // backup folder (where it first leads nowhere); the files it leads to are replaced. Reading the
    // backup leaves nothing beside it, in whatever journal mode it is.
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
        if (linked) QVERIFY(QFile::link(live.t.dir.filePath("copy.db"), disk.filePath("data.mdb")));
        QCOMPARE(tx::BackupDatabase(live.adb.db, disk.path()), disk.filePath("data.mdb"));
        addAirport(live.adb.db, "KBBB");
        tx::BackupDatabase(live.adb.db, disk.path());
        QVERIFY(QFileInfo(disk.filePath("data.mdb")).isSymLink() == linked);
        QCOMPARE(QFile::permissions(disk.filePath("data.mdb")), QFile::permissions(live.t.path));
        // As another program may leave it; the restored file keeps the usual journal.
        if (wal) QVERIFY(sqlOn(disk.filePath("data.mdb"), "PRAGMA journal_mode = WAL").isEmpty());
        for (int k = 0; k < 6; ++k) {  // the live rows kept, the backed-up ones read
            addAirport(live.adb.db, QString("KX%1").arg(k));
            const QString kept = live.restore(disk.path());
            QCOMPARE(live.idents() + ' ' + identsOf(kept),
                     QString("KAAA,KBBB KAAA,KBBB,KX%1").arg(k));
        }
        QVERIFY(QFileInfo(live.t.path).isSymLink() == linked &&
                Scalar(live.adb.db, "PRAGMA journal_mode") == "delete");
        const QFileInfo target(linked ? sharedDb : live.t.path);
        QString left = target.fileName();
        for (int k = 1; k < 6; ++k)
            left += QString(" %1.2027-01-15-12000%2.bak").arg(target.fileName()).arg(k);
        QCOMPARE((filesIn(target.path()) + filesIn(disk.path())).join(' '), left + " data.mdb");
        const QString backup = QFileInfo(disk.filePath("data.mdb")).canonicalFilePath();
        QVERIFY(!QFile::exists(backup + "-wal") && !QFile::exists(backup + "-shm"));
    }

    // A file of an earlier layout (1: before the airports' CityKey, 2: before their IATA code,
    // name and kind) is restored like a new one, as a backup made before the columns came and as
    // one made of such a file brought up to date when opened.
    void earlierLayoutRestores_data() {
        addColumns<int, bool>("layout", "upToDate");
        for (int layout : {1, 2})
            for (bool upToDate : {false, true})
                QTest::addRow("%d, %s", layout, upToDate ? "brought up to date" : "as made")
                    << layout << upToDate;
    }
    void earlierLayoutRestores() {
        auto [layout, upToDate] = fetch<int, bool>("layout", "upToDate");
        QTemporaryDir disk;
        QVERIFY(!layoutSql(layout).contains("IATA"));  // truly an earlier layout
        Live live({}, layout);
        if (upToDate) tx::BackupDatabase(live.adb.db, disk.path());
        if (!upToDate) QVERIFY(sqlOn(disk.filePath("data.mdb"), layoutSql(layout)).isEmpty());
        addAirport(live.adb.db, "KBBB");
        live.restore(disk.path());
        QCOMPARE(live.idents(), QString(upToDate ? "KAAA" : ""));
    }

    void countsText() {
        QCOMPARE(tx::CountsText({5006, {16, 1, 0, 9, 1}}),
                 u"5,006 airports, 16 FBOs, 1 crew hotel, 0 pax hotels, 9 limos and 1 caterer"_s);
    }

    // A refused copy leaves the live database open, unchanged and without a .bak.
    void restoreRefuses_data() {
        // make: SQL run on a backup, ":half" or ":damaged" a backup, ":raw " and bytes, "" no file.
        addColumns<QString, QString>("make", "fault");
        const auto row = addRow<const char*, const char*>;
        row("no data.mdb", "", "there is no copy");
        row("not SQLite", ":raw Ident\tCity\n", "not a database");
        row("truncated", ":half", "malformed");
        row("a damaged page", ":damaged", "damaged");
        row("foreign SQLite", "DROP TABLE tblAirports", "table tblAirports is missing");
        // Nothing but the program's own tables and indexes, defined as the program defines them.
        row("a trigger",
            "CREATE TRIGGER wipe AFTER INSERT ON tblAirports BEGIN DELETE FROM tblFBOs; END",
            "trigger wipe");
        row("a rule dropped",
            "PRAGMA writable_schema = 1; UPDATE sqlite_master SET sql = replace(sql, "
            "'NOT NULL DEFAULT 0', '') WHERE name = 'tblLimos'",
            "table tblLimos");
        // Every row as the airport window would store it; the first bad one is named.
        row("Std a word", "UPDATE tblAirports SET Std = 'seven'", "airport KAAA (ID 1): Std");
        row("identifier in lower case", "UPDATE tblAirports SET Ident = 'kaaa'", "\"kaaa\"");
        row("identifier empty", "UPDATE tblAirports SET Ident = ' '", "airport (ID 1): Identifier");
        row("identifier twice",
            "INSERT INTO tblAirports (Ident, Lat, Long, Std, Day) SELECT Ident, Lat, Long, "
            "Std, Day FROM tblAirports",
            "airport KAAA (ID 2): Ident");
        row("city of 26", "UPDATE tblAirports SET City = printf('%.26c', 'x')", "(ID 1): City");
        row("ZoneCode bytes", "UPDATE tblAirports SET ZoneCode = x'4d5354'", "(ID 1): ZoneCode");
        row("an FBO of no airport", "UPDATE tblFBOs SET AirportID = 99",
            "FBO \"Jet Center\" (ID 1): AirportID 99");
        row("a nameless hotel", "INSERT INTO tblCrewHotels (AirportID, Name) VALUES (1, ' ')",
            "crew hotel (ID 1)");
        row("Default 2", "PRAGMA ignore_check_constraints = 1; UPDATE tblFBOs SET \"Default\" = 2",
            "FBO \"Jet Center\" (ID 1): Default");
    }
    void restoreRefuses() {
        auto [make, fault] = fetch<QString, QString>("make", "fault");
        Live live;
        QTemporaryDir disk;
        const QString copy = disk.filePath("data.mdb");
        QFile f(copy);
        if (!make.isEmpty()) tx::BackupDatabase(live.adb.db, disk.path());
        if (make.startsWith(":raw ")) WriteFile(copy, make.mid(5).toUtf8());
        if (make == ":half") QVERIFY(f.resize(f.size() / 2));
        // The last page's type byte made invalid: only the integrity check reads it.
        if (make == ":damaged")
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 4096) && f.putChar(0) &&
                    f.flush());
        if (!make.isEmpty() && !make.startsWith(':')) QVERIFY(sqlOn(copy, make).isEmpty());
        const QByteArray before = ReadFile(live.t.path);
        VerifyHolds(Thrown<tx::DbError>([&] { live.restore(disk.path()); }), {copy, fault});
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
        const QString folder = where == "live" ? live.t.dir.path() : disk.filePath(where);
        if (where == "file") WriteFile(folder, "x");
        if (where == "read-only")
            QVERIFY(QDir(disk.path()).mkdir(where) &&
                    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (where == "read-only" && QFile(folder + "/probe").open(QIODevice::WriteOnly))
            QSKIP("permissions do not bind this user");
        const QStringList before = filesIn(folder);
        QVERIFY_THROWS_EXCEPTION(tx::DbError, tx::BackupDatabase(live.adb.db, folder));
        QVERIFY(filesIn(folder) == before && live.idents() == "KAAA");
    }

    // At start: the copies in progress of a cut-short backup or restore are removed, and a
    // missing live file (or the missing file its link leads to) gets its newest kept copy back.
    // Each file here holds its own name; "~" stands for the name of the live file.
    void recoverAtStart_data() {
        addColumns<bool, QString, QString, QString>("linked", "files", "putBack", "left");
        const auto row = addRow<bool, const char*, const char*, const char*>;
        row("cut between the renames", false,
            "~.2027-01-14-090000.bak ~.2027-01-15-120000.bak ~.Ab12Cd.part ~.Ab12Cd.part-journal",
            "~.2027-01-15-120000.bak", "~ ~.2027-01-14-090000.bak");
        row("an earlier version's copy", false, "~.bak", "~.bak", "~");
        row("nothing missing", false, "~ ~.2027-01-15-120000.bak ~.x1Y2z3.part ~.mine.bak old.part",
            "", "~ ~.2027-01-15-120000.bak ~.mine.bak old.part");
        row("nothing kept", false, "~.mine.bak", "", "~.mine.bak");
        row("linked", true, "~.2027-01-15-120000.bak ~.Ab12Cd.part", "~.2027-01-15-120000.bak",
            "~");
    }
    void recoverAtStart() {
        auto [linked, files, putBack, left] =
            fetch<bool, QString, QString, QString>("linked", "files", "putBack", "left");
        QTemporaryDir program, shared;
        const QString dir = linked ? shared.path() : program.path();
        const QString name = linked ? "airports.db" : "data.mdb", target = dir + '/' + name;
        for (QString* s : {&files, &putBack, &left}) s->replace('~', name);
        if (linked) QVERIFY(QFile::link(target, program.filePath("data.mdb")));
        for (const QString& f : files.split(' ')) WriteFile(QDir(dir).filePath(f), f.toUtf8());
        const QString said = tx::RecoverDatabaseFile(program.filePath("data.mdb"));
        if (!putBack.isEmpty()) VerifyHolds(said, {QDir(dir).filePath(putBack), "put back"});
        // The file put back (as its contents say), then the files left.
        QCOMPARE(QString(said.isEmpty() ? "" : ReadFile(target)) + " | " + filesIn(dir).join(' '),
                 putBack + " | " + left);
    }

    // Another program restores a backup under this one: the next write fails, the message says
    // what happened, and the file is opened again so that the next write lands in it.
    void replacedWhileOpen() {
        Live live;
        QTemporaryDir disk;
        const QString copy = tx::BackupDatabase(live.adb.db, disk.path());
        QVERIFY(
            sqlOn(copy, "INSERT INTO tblAirports (Ident, City) VALUES ('KZZZ', 'Zed')").isEmpty());
        // As a restore does: the live file renamed away, the new one renamed into its place.
        QVERIFY(QFile::rename(live.t.path, copy + ".old") && QFile::rename(copy, live.t.path));
        QString message;
        try {
            addAirport(live.adb.db, "KEEE");
        } catch (const tx::DbError& e) {
            message = tx::DbErrorMessage(live.adb, e);
        }
        VerifyHolds(message, {"Another program replaced", live.t.path, "now uses the new file"});
        addAirport(live.adb.db, "KEEE");  // the cursor reads the new file, the write lands in it
        QCOMPARE(live.idents() + ' ' + identsOf(live.t.path), QString("KAAA,KZZZ KAAA,KEEE,KZZZ"));
        QCOMPARE(tx::DbErrorMessage(live.adb, tx::DbError("other fault")), QString("other fault"));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
