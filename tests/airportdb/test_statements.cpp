// Opening the database file, and the statements other than the airports cursor.
#include <QtTest>

#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::DbError;
using tx::ServiceTable;

class StatementsTest : public QObject {
    Q_OBJECT

  private slots:
    // A file made with the text: CREATE on a new SQLite file, ALTER on an airport database,
    // anything else written as it is, nothing at all when empty.
    void openRefuses_data() {
        QTest::addColumn<QByteArray>("make");
        QTest::addColumn<QString>("fault");
        QTest::newRow("missing file") << QByteArray() << "does not exist";
        QTest::newRow("a text file") << "Ident\tCity\n"_ba
                                     << "(file is not a database)";
        QTest::newRow("another SQLite file") << "CREATE TABLE notes (body)"_ba
                                             << "table tblAirports is missing";
        QTest::newRow("a column missing") << "ALTER TABLE tblFBOs DROP Freq"_ba
                                          << "table tblFBOs has no column Freq";
        QTest::newRow("City compared with case")
            << "ALTER TABLE tblAirports RENAME City TO Town; ALTER TABLE tblAirports ADD City"_ba
            << "column City of tblAirports";
    }
    void openRefuses() {
        QFETCH(QByteArray, make);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("data.mdb");
        const bool sql = make.startsWith("CREATE") || make.startsWith("ALTER");
        if (make.startsWith("ALTER")) tx::Db().create(path);
        sqlite3* h = nullptr;
        if (sql && sqlite3_open(qPrintable(path), &h) == SQLITE_OK)
            QCOMPARE(sqlite3_exec(h, make.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(h);
        if (!sql && !make.isEmpty()) WriteFile(path, make);
        tx::Db db;
        try {
            db.open(path);
            QFAIL("the file was opened");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains(path) && e.message().contains(fault),
                     qPrintable(e.message()));
        }
        QCOMPARE(QFile::exists(path), !make.isEmpty());  // a missing file is never created
    }

    void serviceRows() {
        TempDb t;
        const qint64 ord = t.airport("KORD", "Chicago"), alb = t.airport("KALB", "Albany");
        t.service("tblFBOs", ord, "Signature", true);
        t.service("tblFBOs", alb, "Million Air", true);
        const qint64 atlantic = t.service("tblFBOs", ord, "Atlantic", false);
        t.service("tblFBOs", ord, "Acme", false);
        QCOMPARE(Column(tx::OpenServices(t.db, ServiceTable::FBOs, ord), "Name"),
                 u"Signature,Atlantic,Acme"_s);
        tx::Recordset row = tx::OpenServiceRow(t.db, ServiceTable::FBOs, atlantic);
        QCOMPARE(row.field("Name").toString(), u"Atlantic"_s);
        QCOMPARE(row.field("Default"), QVariant(false));
    }

    // In every service table: airport A has a1 (the default), a2, a3; B has b1 (the default), b2.
    void makeDefault_data() {
        QTest::addColumn<QString>("airport");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("defaults");  // afterwards
        QTest::newRow("another row") << "A"
                                     << "a2" << false << "a2,b1";
        QTest::newRow("the default again") << "A"
                                           << "a1" << false << "a1,b1";
        QTest::newRow("other airport's own") << "B"
                                             << "b2" << false << "a1,b2";
        QTest::newRow("row of another airport") << "A"
                                                << "b2" << true << "a1,b1";
        QTest::newRow("row that does not exist") << "A"
                                                 << "none" << true << "a1,b1";
    }
    void makeDefault() {
        QFETCH(QString, airport);
        QFETCH(QString, row);
        QFETCH(bool, refused);
        TempDb t;
        QHash<QString, qint64> ids = {{"A", t.airport("KAAA", "A")}, {"B", t.airport("KBBB", "B")}};
        for (ServiceTable table : tx::kServiceTables) {
            const QString name = tx::TableName(table);
            for (const QString r : {"a1", "a2", "a3", "b1", "b2"})
                ids[r] = t.service(name, ids[r.left(1).toUpper()], r, r.endsWith('1'));
            auto make = [&] { tx::MakeDefault(t.db, table, ids[airport], ids[row]); };
            if (refused) QVERIFY_THROWS_EXCEPTION(DbError, make());
            if (!refused) make();
            QTEST(Scalar(t.db,
                         u"SELECT group_concat(Name) FROM (SELECT Name FROM %1 WHERE "
                         u"\"Default\" ORDER BY Name)"_s.arg(name)),
                  "defaults");
            QVERIFY(sqlite3_get_autocommit(t.db.handle()));  // no transaction left open
        }
    }

    void deleteServicesOfOneAirport() {
        TempDb t;
        const qint64 a = t.airport("KAAA", "A"), b = t.airport("KBBB", "B");
        for (ServiceTable table : tx::kServiceTables)
            for (qint64 owner : {a, b, a}) t.service(tx::TableName(table), owner, "x", owner == a);
        tx::DeleteServicesOf(t.db, a);
        for (ServiceTable table : tx::kServiceTables)
            QCOMPARE(Scalar(t.db, "SELECT group_concat(AirportID) FROM " + tx::TableName(table)),
                     QString::number(b));
        QCOMPARE(Scalar(t.db, "SELECT count(*) FROM tblAirports"), u"2"_s);  // airports stay
    }
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "test_statements.moc"
