// Opening the database file, and making a service row its airport's default.
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
        addColumns<QByteArray, QString>("make", "fault");
        const auto row = addRow<QByteArray, const char*>;
        row("missing file", QByteArray(), "does not exist");
        row("a text file", "Ident\tCity\n", "(file is not a database)");
        row("another SQLite file", "CREATE TABLE notes (body)", "table tblAirports is missing");
        row("a column missing", "ALTER TABLE tblFBOs DROP Freq",
            "table tblFBOs has no column Freq");
        row("City compared with case",
            "ALTER TABLE tblAirports RENAME City TO Town; ALTER TABLE tblAirports ADD City",
            "column City of tblAirports");
    }
    void openRefuses() {
        auto [make, fault] = fetch<QByteArray, QString>("make", "fault");
        QTemporaryDir dir;
        const QString path = dir.filePath("data.mdb");
        const bool sql = make.startsWith("CREATE") || make.startsWith("ALTER");
        if (make.startsWith("ALTER")) tx::Db().create(path);
        sqlite3* h = nullptr;
        if (sql && sqlite3_open(qPrintable(path), &h) == SQLITE_OK)
            QCOMPARE(sqlite3_exec(h, make.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(h);
        if (!sql && !make.isEmpty()) WriteFile(path, make);
        VerifyHolds(Thrown<DbError>([&] { tx::Db().open(path); }), {path, fault});
        QCOMPARE(QFile::exists(path), !make.isEmpty());  // a missing file is never created
    }

    // In every service table: airport A has a1 (the default), a2, a3; B has b1 (the default), b2.
    void makeDefault_data() {
        addColumns<QString, QString, bool, QString>("airport", "row", "refused", "defaults");
        const auto row = addRow<const char*, const char*, bool, const char*>;  // defaults after
        row("another row", "A", "a2", false, "a2,b1");
        row("the default again", "A", "a1", false, "a1,b1");
        row("other airport's own", "B", "b2", false, "a1,b2");
        row("row of another airport", "A", "b2", true, "a1,b1");
        row("row that does not exist", "A", "none", true, "a1,b1");
    }
    void makeDefault() {
        auto [airport, row, refused] = fetch<QString, QString, bool>("airport", "row", "refused");
        TempDb t;
        QHash<QString, qint64> ids = {{"A", t.airport("KAAA", "A")}, {"B", t.airport("KBBB", "B")}};
        for (ServiceTable table : tx::kServiceTables) {
            const QString name = tx::TableName(table);
            for (const QString r : {"a1", "a2", "a3", "b1", "b2"})
                ids[r] = t.service(name, ids[r.left(1).toUpper()], r, r.endsWith('1'));
            const QString thrown =
                Thrown<DbError>([&] { tx::MakeDefault(t.db, table, ids[airport], ids[row]); });
            QCOMPARE(thrown == "<nothing thrown>", !refused);
            QTEST(Scalar(t.db,
                         u"SELECT group_concat(Name) FROM (SELECT Name FROM %1 WHERE "
                         u"\"Default\" ORDER BY Name)"_s.arg(name)),
                  "defaults");
            QVERIFY(sqlite3_get_autocommit(t.db.handle()));  // no transaction left open
        }
    }
};

QTEST_GUILESS_MAIN(StatementsTest)
#include "test_statements.moc"
