// Opening the database file, and the statements other than the airports cursor.
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QtTest>

#include "TempDb.h"
#include "airportdb/Statements.h"

using tx::DbError;
using tx::Recordset;
using tx::ServiceTable;

namespace {

QString names(Recordset rs) {
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out << rs.field("Name").toString();
    return out.join(',');
}

// Runs raw SQL on a file with a connection of its own.
void rawSql(const QString& path, const char* sql) {
    sqlite3* h = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &h), SQLITE_OK);
    char* err = nullptr;
    const int rc = sqlite3_exec(h, sql, nullptr, nullptr, &err);
    const QString why = err ? QString::fromUtf8(err) : QString();
    sqlite3_free(err);
    sqlite3_close(h);
    QVERIFY2(rc == SQLITE_OK, qPrintable(why));
}

}  // namespace

class StatementsTest : public QObject {
    Q_OBJECT

private slots:
    void openRefuses_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing file") << "missing" << "does not exist";
        QTest::newRow("a folder") << "folder" << "is not a file";
        QTest::newRow("a text file") << "text" << "is not an airport database";
        QTest::newRow("another SQLite file") << "foreign" << "table tblAirports is missing";
        QTest::newRow("a table missing") << "noLimos" << "table tblLimos is missing";
        QTest::newRow("a column missing") << "noFreq" << "table tblFBOs has no column Freq";
        QTest::newRow("City compared with case") << "binaryCity" << "column City of tblAirports";
        QTest::newRow("read-only file") << "readOnly" << "read-only";
    }
    void openRefuses() {
        QFETCH(QString, kind);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("data.mdb");
        auto fullDb = [&] {
            tx::Db d;
            d.create(path);
        };
        if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("data.mdb"));
        if (kind == "text") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Ident\tCity\nKORD\tChicago\n");
        }
        if (kind == "foreign") rawSql(path, "CREATE TABLE notes (body TEXT)");
        if (kind == "noLimos" || kind == "noFreq" || kind == "binaryCity" || kind == "readOnly") fullDb();
        if (kind == "noLimos") rawSql(path, "DROP TABLE tblLimos");
        if (kind == "noFreq") rawSql(path, "ALTER TABLE tblFBOs DROP COLUMN Freq");
        if (kind == "binaryCity")
            rawSql(path, "DROP TABLE tblAirports; CREATE TABLE tblAirports (ID INTEGER PRIMARY KEY, "
                         "Ident TEXT COLLATE NOCASE, City TEXT, State TEXT COLLATE NOCASE, Lat TEXT "
                         "COLLATE NOCASE, Long TEXT COLLATE NOCASE, Std REAL, Day REAL, ZoneCode "
                         "TEXT COLLATE NOCASE, Comments TEXT COLLATE NOCASE)");
        if (kind == "readOnly") {
            if (geteuid() == 0) QSKIP("the superuser writes read-only files");
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        }
        const QByteArray before = QFile::exists(path) && !QFileInfo(path).isDir()
                                      ? [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }()
                                      : QByteArray();

        tx::Db db;
        try {
            db.open(path);
            QFAIL("the file was opened");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            QVERIFY2(e.message().contains(fault), qPrintable(e.message()));
        }
        QVERIFY(!db.isOpen());
        if (kind == "missing") QVERIFY(!QFile::exists(path));  // never created
        if (!before.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }

    void createRefusesExistingFile() {
        TempDb t;
        t.airport("KORD", "Chicago");
        t.db.close();
        tx::Db again;
        QVERIFY_THROWS_EXCEPTION(DbError, again.create(t.path));
        again.open(t.path);
        QCOMPARE(tx::OpenAirportsWithIdent(again, "KORD").recordCount(), 1);
    }

    void identCheckAndServiceRows() {
        TempDb t;
        const qint64 ord = t.airport("KORD", "Chicago");
        const qint64 alb = t.airport("KALB", "Albany");
        t.service("tblFBOs", ord, "Signature", true);
        t.service("tblFBOs", alb, "Million Air", true);
        const qint64 atlantic = t.service("tblFBOs", ord, "Atlantic", false);
        t.service("tblFBOs", ord, "Acme", false);

        QCOMPARE(tx::OpenAirportsWithIdent(t.db, "KORD").recordCount(), 1);  // S2
        QCOMPARE(tx::OpenAirportsWithIdent(t.db, "KXYZ").recordCount(), 0);
        QCOMPARE(tx::OpenAirportsWithIdent(t.db, "K'RD").recordCount(), 0);

        QCOMPARE(names(tx::OpenServices(t.db, ServiceTable::FBOs, ord)), QString("Signature,Atlantic,Acme"));
        Recordset none = tx::OpenServices(t.db, ServiceTable::Limos, ord);  // S3, no rows
        QCOMPARE(none.recordCount(), 0);
        QVERIFY(none.bof() && none.eof());

        Recordset row = tx::OpenServiceRow(t.db, ServiceTable::FBOs, atlantic);  // S4
        row.moveFirst();
        QCOMPARE(row.field("Default"), QVariant(false));
        row.edit();
        row.setField("Name", "Atlantic Aviation");
        row.update();
        QCOMPARE(names(tx::OpenServices(t.db, ServiceTable::FBOs, ord)),
                 QString("Signature,Atlantic Aviation,Acme"));

        Recordset add = tx::OpenServiceTable(t.db, ServiceTable::Catering);  // S7
        add.addNew();
        add.setField("AirportID", alb);
        add.setField("Name", "O'Brien's Kitchen");
        add.setField("Default", false);
        add.update();
        QCOMPARE(names(tx::OpenServices(t.db, ServiceTable::Catering, alb)), QString("O'Brien's Kitchen"));
    }

    // Rows per airport: A has a1 (default), a2, a3; B has b1 (default), b2.
    void makeDefault_data() {
        QTest::addColumn<QString>("airport");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("clearFirst");  // no row of A marked before
        QTest::addColumn<QString>("defaults");
        QTest::addColumn<bool>("refused");
        QTest::newRow("another row") << "A" << "a2" << false << "a2,b1" << false;
        QTest::newRow("the default again") << "A" << "a1" << false << "a1,b1" << false;
        QTest::newRow("none marked before") << "A" << "a3" << true << "a3,b1" << false;
        QTest::newRow("other airport's own") << "B" << "b2" << false << "a1,b2" << false;
        QTest::newRow("row of another airport") << "A" << "b2" << false << "a1,b1" << true;
        QTest::newRow("row that does not exist") << "A" << "zz" << false << "a1,b1" << true;
    }
    void makeDefault() {
        QFETCH(QString, airport);
        QFETCH(QString, row);
        QFETCH(bool, clearFirst);
        QFETCH(QString, defaults);
        QFETCH(bool, refused);
        for (ServiceTable table : tx::kServiceTables) {
            TempDb t;
            const QString name = tx::TableName(table);
            QHash<QString, qint64> ids = {{"A", t.airport("KAAA", "A")}, {"B", t.airport("KBBB", "B")},
                                          {"zz", 999}};
            for (const QString r : {"a1", "a2", "a3", "b1", "b2"})
                ids[r] = t.service(name, ids[r.left(1).toUpper()], r, r.endsWith('1') && !(clearFirst && r == "a1"));
            bool threw = false;
            try {
                tx::MakeDefault(t.db, table, ids[airport], ids[row]);
            } catch (const DbError&) {
                threw = true;
            }
            QCOMPARE(threw, refused);
            QCOMPARE(t.scalar(QString("SELECT group_concat(Name, ',') FROM (SELECT Name FROM %1 WHERE "
                                      "\"Default\" = 1 ORDER BY Name)").arg(name)).toString(),
                     defaults);
            QVERIFY(!threw || sqlite3_get_autocommit(t.db.handle()));  // no transaction left open
        }
    }

    void deleteServicesOfOneAirport() {
        TempDb t;
        const qint64 a = t.airport("KAAA", "A");
        const qint64 b = t.airport("KBBB", "B");
        for (ServiceTable table : tx::kServiceTables) {
            const QString name = tx::TableName(table);
            t.service(name, a, "one", true);
            t.service(name, b, "two", true);
            t.service(name, a, "three", false);
        }
        tx::DeleteServicesOf(t.db, a);
        for (ServiceTable table : tx::kServiceTables) {
            const QString name = tx::TableName(table);
            QCOMPARE(t.scalar(QString("SELECT count(*) FROM %1 WHERE AirportID = ?1").arg(name), {a}).toInt(), 0);
            QCOMPARE(t.scalar(QString("SELECT count(*) FROM %1 WHERE AirportID = ?1").arg(name), {b}).toInt(), 1);
        }
        QCOMPARE(tx::OpenAirportsWithIdent(t.db, "KAAA").recordCount(), 1);  // the airport row is the cursor's
    }

    // A restore closes the database, replaces the file and opens it again.
    void reopenReadsReplacedFile() {
        TempDb live, backup;
        live.airport("KORD", "Chicago");
        backup.airport("EGLL", "London");
        backup.db.close();
        tx::AirportDatabase adb;
        adb.db.open(live.path);
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
        live.db.close();
        adb.db.close();
        QVERIFY(QFile::remove(live.path));
        QVERIFY(QFile::copy(backup.path, live.path));
        adb.db.open(live.path);
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
        QVERIFY(adb.AirportsRs->findFirst(tx::IdentIs("EGLL")));
        QVERIFY(!adb.AirportsRs->findFirst(tx::IdentIs("KORD")));
    }
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "test_statements.moc"
