// Backing the airport database up into a folder and restoring it from one.
#include <QtTest>

#include "airportdb/Backup.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::AirportDatabase;
using tx::DbError;

namespace {

// The live database: data.mdb in a temporary program folder, opened with its cursor.
struct Live {
    TempDb t;
    AirportDatabase adb;
    Live() {
        t.airport("KAAA", "Albany");
        t.db.close();
        adb.db.open(t.path);
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    }
    void add(const QString& ident, const QString& city) {
        adb.db.execute("INSERT INTO tblAirports (Ident, City) VALUES (?1, ?2)", {ident, city});
    }
    QString idents() { return Column(*adb.AirportsRs, "Ident"); }
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
    // Backup, a change, a second backup that replaces the first, another change, then restore:
    // the cursor reads the backed-up rows and the replaced file is kept as data.mdb.bak.
    void backupThenRestore() {
        Live live;
        QTemporaryDir disk;
        tx::BackupDatabase(live.adb.db, disk.path());
        live.add("KBBB", "Boston");
        tx::BackupDatabase(live.adb.db, disk.path());
        QCOMPARE(filesIn(disk.path()), QStringList{"data.mdb"});
        QCOMPARE(QFile::permissions(disk.filePath("data.mdb")), QFile::permissions(live.t.path));
        live.add("KCCC", "Chicago");

        tx::RestoreDatabase(live.adb, disk.path());
        QVERIFY(live.adb.db.isOpen() && live.adb.AirportsRs);
        QCOMPARE(live.idents(), QString("KAAA,KBBB"));
        QVERIFY(live.adb.AirportsRs->findFirst(tx::IdentIs("kbbb")));
        QCOMPARE(filesIn(live.t.dir.path()), QStringList({"data.mdb", "data.mdb.bak"}));
        QCOMPARE(identsOf(live.t.path + ".bak"), QString("KAAA,KBBB,KCCC"));
        // A second restore keeps the file it replaces, not the one before that.
        live.add("KDDD", "Denver");
        tx::RestoreDatabase(live.adb, disk.path());
        QCOMPARE(identsOf(live.t.path + ".bak"), QString("KAAA,KBBB,KDDD"));
    }

    // A refused copy leaves the live database open, unchanged and without a .bak.
    void restoreRefuses_data() {
        addColumns<QByteArray, QString>("make", "fault");
        const auto row = addRow<QByteArray, const char*>;
        row("no data.mdb", QByteArray(), "there is no copy");
        row("not SQLite", "Ident\tCity\n", "not a database");
        row("truncated", "half", "malformed");
        row("a damaged page", "damaged", "damaged");
        row("foreign SQLite", "foreign", "table tblAirports is missing");
    }
    void restoreRefuses() {
        QFETCH(QByteArray, make);
        QFETCH(QString, fault);
        Live live;
        QTemporaryDir disk;
        const QString copy = disk.filePath("data.mdb");
        if (make == "half" || make == "damaged") {
            tx::BackupDatabase(live.adb.db, disk.path());
            QFile f(copy);
            if (make == "half") {
                QVERIFY(f.resize(f.size() / 2));
            } else {  // the last page's type byte made invalid: only the integrity check reads it
                QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 4096) && f.putChar(0));
            }
        } else if (make == "foreign") {
            sqlite3* h = nullptr;
            QCOMPARE(sqlite3_open(qPrintable(copy), &h), SQLITE_OK);
            sqlite3_exec(h, "CREATE TABLE notes (body); INSERT INTO notes VALUES ('x')", nullptr,
                         nullptr, nullptr);
            sqlite3_close(h);
        } else if (!make.isEmpty()) {
            WriteFile(copy, make);
        }
        VerifyHolds(Thrown<DbError>([&] { tx::RestoreDatabase(live.adb, disk.path()); }),
                    {copy, fault});
        QCOMPARE(live.adb.db.path(), live.t.path);
        live.add("KEEE", "Erie");  // still open for writing, cursor and all
        QCOMPARE(live.idents(), QString("KAAA"));
        QCOMPARE(filesIn(live.t.dir.path()), QStringList{"data.mdb"});
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
        QCOMPARE(filesIn(folder), before);
        QCOMPARE(live.idents(), QString("KAAA"));
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
