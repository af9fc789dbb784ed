// The airports cursor: order, moves, end conditions, record count, find first, writing.
#include <QtTest>

#include "TempDb.h"
#include "airportdb/Statements.h"

using tx::DbError;
using tx::Recordset;

namespace {

// Inserted in this ID order; the cursor must step through them by City without regard to
// case, airports of equal City by ID.
const QList<QPair<QString, QString>> kAirports = {
    {"KORD", "Chicago"}, {"KABI", "Abilene"}, {"KSFO", "san francisco"}, {"EGLL", "London"},
    {"KMDW", "Chicago"}, {"KALB", "albany"},  {"LFPG", "Paris"},         {"KCOE", "Coeur d'Alene"},
};
const QStringList kCityOrder = {"KABI", "KALB", "KORD", "KMDW", "KCOE", "EGLL", "LFPG", "KSFO"};

QString here(const Recordset& rs) {
    if (rs.bof()) return "BOF";
    if (rs.eof()) return "EOF";
    return rs.field("Ident").toString();
}

QStringList stepAll(Recordset& rs) {
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out << rs.field("Ident").toString();
    return out;
}

}  // namespace

class CursorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> t;
    QHash<QString, qint64> id;

private slots:
    void init() {
        t = std::make_unique<TempDb>();
        id.clear();
        for (const auto& [ident, city] : kAirports) id[ident] = t->airport(ident, city);
    }

    void cityOrderBothWays() {
        Recordset rs = tx::OpenAirports(t->db);
        QCOMPARE(stepAll(rs), kCityOrder);
        QStringList back;
        for (rs.moveLast(); !rs.bof(); rs.movePrevious()) back << here(rs);
        std::reverse(back.begin(), back.end());
        QCOMPARE(back, kCityOrder);
    }

    void moves_data() {
        QTest::addColumn<QString>("moves");  // F first, L last, N next, P previous
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("count");
        QTest::newRow("just opened") << "" << "KABI" << 1;
        QTest::newRow("two next") << "NN" << "KORD" << 3;
        QTest::newRow("back to first keeps the count") << "NNF" << "KABI" << 3;
        QTest::newRow("before the first") << "P" << "BOF" << 1;
        QTest::newRow("stays before the first") << "PP" << "BOF" << 1;
        QTest::newRow("from BOF next is the first") << "PN" << "KABI" << 1;
        QTest::newRow("last") << "L" << "KSFO" << 8;
        QTest::newRow("last then first") << "LF" << "KABI" << 8;
        QTest::newRow("past the last") << "LN" << "EOF" << 8;
        QTest::newRow("stays past the last") << "LNN" << "EOF" << 8;
        QTest::newRow("from EOF previous is the last") << "LNP" << "KSFO" << 8;
        QTest::newRow("walking off the end") << "NNNNNNNN" << "EOF" << 8;
    }
    void moves() {
        QFETCH(QString, moves);
        Recordset rs = tx::OpenAirports(t->db);
        for (QChar m : moves) {
            if (m == u'F') rs.moveFirst();
            if (m == u'L') rs.moveLast();
            if (m == u'N') rs.moveNext();
            if (m == u'P') rs.movePrevious();
        }
        QTEST(here(rs), "where");
        QTEST(rs.recordCount(), "count");
        if (rs.bof() || rs.eof()) QVERIFY_THROWS_EXCEPTION(DbError, rs.field("Ident"));
    }

    void emptyResult() {
        Recordset rs = tx::OpenAirportsWithIdent(t->db, "NONE");
        QVERIFY(rs.bof() && rs.eof());
        QCOMPARE(rs.recordCount(), 0);
        rs.moveFirst();
        rs.moveLast();
        rs.moveNext();
        QVERIFY(rs.bof() && rs.eof());
        QVERIFY(!rs.findFirst(tx::IdentIs("KORD")));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field("City"));
    }

    void findFirst_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("found");  // empty: no match, the cursor stays on EGLL
        using K = tx::Criterion::Kind;
        QTest::newRow("ident") << int(K::IdentEquals) << QVariant("KMDW") << "KMDW";
        QTest::newRow("ident lower case") << int(K::IdentEquals) << QVariant("kmdw") << "KMDW";
        QTest::newRow("ident unknown") << int(K::IdentEquals) << QVariant("XXXX") << "";
        QTest::newRow("ident with quote") << int(K::IdentEquals) << QVariant("O'HA") << "";
        QTest::newRow("city prefix, first of equals") << int(K::CityAtOrAfter) << QVariant("chi") << "KORD";
        QTest::newRow("city upper case") << int(K::CityAtOrAfter) << QVariant("CHI") << "KORD";
        QTest::newRow("city exact") << int(K::CityAtOrAfter) << QVariant("Chicago") << "KORD";
        QTest::newRow("city between") << int(K::CityAtOrAfter) << QVariant("chicagp") << "KCOE";
        QTest::newRow("city lower-case row") << int(K::CityAtOrAfter) << QVariant("ALBANY") << "KALB";
        QTest::newRow("city just after lower-case row") << int(K::CityAtOrAfter) << QVariant("albanz") << "KORD";
        QTest::newRow("city empty text") << int(K::CityAtOrAfter) << QVariant("") << "KABI";
        QTest::newRow("city with quote") << int(K::CityAtOrAfter) << QVariant("coeur d'") << "KCOE";
        QTest::newRow("city last") << int(K::CityAtOrAfter) << QVariant("s") << "KSFO";
        QTest::newRow("city after all") << int(K::CityAtOrAfter) << QVariant("zzz") << "";
        QTest::newRow("id") << int(K::IdEquals) << QVariant(7) << "LFPG";
        QTest::newRow("id unknown") << int(K::IdEquals) << QVariant(99) << "";
    }
    void findFirst() {
        QFETCH(int, kind);
        QFETCH(QVariant, value);
        QFETCH(QString, found);
        Recordset rs = tx::OpenAirports(t->db);
        QVERIFY(rs.findFirst(tx::IdentIs("EGLL")));
        const bool hit = rs.findFirst({tx::Criterion::Kind(kind), value});
        QCOMPARE(hit, !found.isEmpty());
        QCOMPARE(here(rs), found.isEmpty() ? QString("EGLL") : found);
    }

    // A revised City keeps its place in the stepping order, but find first judges rows by
    // their current City, whoever revised them.
    void revisedCityKeepsPlace_data() {
        QTest::addColumn<bool>("throughCursor");
        QTest::newRow("revised through the cursor") << true;
        QTest::newRow("revised by a statement") << false;
    }
    void revisedCityKeepsPlace() {
        QFETCH(bool, throughCursor);
        Recordset rs = tx::OpenAirports(t->db);
        auto revise = [&](const QString& ident, const QString& city) {
            if (throughCursor) {
                QVERIFY(rs.findFirst(tx::IdentIs(ident)));
                rs.edit();
                rs.setField("City", city);
                QCOMPARE(rs.update(), id[ident]);
            } else {
                t->db.execute("UPDATE tblAirports SET City = ?1 WHERE Ident = ?2", {city, ident});
            }
        };
        revise("KORD", "Aaron");  // was third; its snapshot City "chicago" would match "b"
        revise("KABI", "Zulu");   // was first; its snapshot City "abilene" would not match "m"
        QCOMPARE(stepAll(rs), kCityOrder);

        QVERIFY(rs.findFirst(tx::CityFrom("b")));  // first in order: KABI, now Zulu
        QCOMPARE(here(rs), QString("KABI"));
        revise("KABI", "Abilene");
        QVERIFY(rs.findFirst(tx::CityFrom("b")));  // KORD (Aaron) no longer matches
        QCOMPARE(here(rs), QString("KMDW"));
        QVERIFY(rs.findFirst(tx::CityFrom("aar")));
        QCOMPARE(here(rs), QString("KABI"));

        rs.requery();
        QCOMPARE(here(rs), QString("KORD"));  // Aaron now sorts first
        QVERIFY(rs.findFirst(tx::CityFrom("b")));
        QCOMPARE(here(rs), QString("KMDW"));
    }

    // Values a cursor has read are dropped as soon as anything on the connection changes the
    // row, and when a transaction that changed it is rolled back.
    void fieldsStayCurrent_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("city");
        QTest::newRow("a statement") << "statement" << "Gotham";
        QTest::newRow("another cursor") << "cursor" << "Gotham";
        QTest::newRow("a rolled-back transaction") << "rollback" << "Chicago";
    }
    void fieldsStayCurrent() {
        QFETCH(QString, how);
        Recordset one = tx::OpenAirportsWithIdent(t->db, "KORD");  // rows read at open
        Recordset all = tx::OpenAirports(t->db);                   // rows read when shown
        QVERIFY(all.findFirst(tx::IdentIs("KORD")));
        QCOMPARE(all.field("City").toString(), QString("Chicago"));
        auto gotham = [&] {
            t->db.execute("UPDATE tblAirports SET City = 'Gotham' WHERE ID = ?1", {id["KORD"]});
        };
        if (how == "statement") gotham();
        if (how == "cursor") {
            Recordset other = tx::OpenAirportsWithIdent(t->db, "KORD");
            other.edit();
            other.setField("City", "Gotham");
            other.update();
        }
        if (how == "rollback") {
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, t->db.transaction([&] {
                gotham();
                QCOMPARE(one.field("City").toString(), QString("Gotham"));  // read inside
                QCOMPARE(all.field("City").toString(), QString("Gotham"));
                throw std::runtime_error("abandoned");
            }));
        }
        QTEST(one.field("City").toString(), "city");
        QTEST(all.field("City").toString(), "city");
    }

    void addNew() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.moveNext();
        rs.addNew();
        rs.setField("Ident", "KBOS");
        rs.setField("City", "Zzyzx");
        rs.setField("Std", -5.0);
        QCOMPARE(rs.field("City").toString(), QString("Zzyzx"));  // the pending value
        QVERIFY(!rs.field("State").isValid());                     // unset on the new row
        const qint64 newId = rs.update();
        QVERIFY(newId > id["KCOE"]);
        QCOMPARE(here(rs), QString("KALB"));  // the current row stays
        QCOMPARE(rs.recordCount(), 3);        // two visited, one added

        QVERIFY(rs.findFirst(tx::CityFrom("zz")));  // only the added row matches
        QCOMPARE(here(rs), QString("KBOS"));
        QVERIFY(rs.findFirst(tx::CityFrom("chi")));
        QCOMPARE(here(rs), QString("KORD"));
        QVERIFY(rs.findFirst(tx::IdIs(newId)));
        QVERIFY(!rs.field("State").isValid());  // fields not written stay empty
        rs.moveLast();
        QCOMPARE(here(rs), QString("KBOS"));  // joined the end of the order
        QCOMPARE(rs.recordCount(), 9);
        rs.moveNext();
        QVERIFY(rs.eof());

        // Added past the end: the cursor stays past the end.
        rs.addNew();
        rs.setField("Ident", "KAAA");
        rs.setField("City", "Aachen");
        rs.update();
        QVERIFY(rs.eof());
        rs.requery();
        QCOMPARE(here(rs), QString("KAAA"));  // the requery sorts it into place
        QCOMPARE(stepAll(rs).size(), 10);
    }

    void writingRules() {
        Recordset rs = tx::OpenAirports(t->db);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("City", "X"));  // no addNew or edit
        QVERIFY_THROWS_EXCEPTION(DbError, rs.update());
        rs.edit();
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("ID", 5));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("Nowhere", 5));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("Std", "five"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("Day", ""));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.moveNext());  // the edit is pending
        QVERIFY_THROWS_EXCEPTION(DbError, rs.requery());
        rs.setField("City", "Changed");
        rs.cancelUpdate();
        QVERIFY(!rs.editPending());
        QCOMPARE(rs.field("City").toString(), QString("Abilene"));
        QCOMPARE(t->scalar("SELECT count(*) FROM tblAirports WHERE City = 'Changed'").toInt(), 0);
    }

    void failedUpdateKeepsPendingRow() {
        Recordset rs = tx::OpenServiceTable(t->db, tx::ServiceTable::FBOs);
        rs.addNew();
        rs.setField("Name", "No airport given");  // AirportID is required
        QVERIFY_THROWS_EXCEPTION(DbError, rs.update());
        QVERIFY(rs.editPending());
        QCOMPARE(rs.field("Name").toString(), QString("No airport given"));
        rs.setField("AirportID", id["KORD"]);
        rs.setField("Default", false);
        rs.update();
        QCOMPARE(t->scalar("SELECT Name FROM tblFBOs WHERE AirportID = ?1", {id["KORD"]}).toString(),
                 QString("No airport given"));
    }

    void remove() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.moveNext();
        rs.moveNext();  // KORD, count 3
        rs.remove();
        QVERIFY(!rs.bof() && !rs.eof());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field("Ident"));
        QCOMPARE(rs.recordCount(), 2);
        rs.moveNext();
        QCOMPARE(here(rs), QString("KMDW"));
        rs.movePrevious();
        QCOMPARE(here(rs), QString("KALB"));  // the deleted row is skipped both ways
        rs.moveNext();
        QCOMPARE(here(rs), QString("KMDW"));
        rs.movePrevious();
        QVERIFY(!rs.findFirst(tx::IdentIs("KORD")));
        QCOMPARE(here(rs), QString("KALB"));
        QVERIFY(rs.findFirst(tx::CityFrom("chi")));
        QCOMPARE(here(rs), QString("KMDW"));

        rs.moveLast();
        rs.remove();  // the last row: next goes past the end
        rs.moveNext();
        QVERIFY(rs.eof());
        rs.movePrevious();
        QCOMPARE(here(rs), QString("LFPG"));
        QCOMPARE(rs.recordCount(), 6);

        rs.moveFirst();
        rs.remove();  // the first row: first is now the one after it
        rs.moveFirst();
        QCOMPARE(here(rs), QString("KALB"));

        rs.requery();
        QCOMPARE(here(rs), QString("KALB"));
        QCOMPARE(rs.recordCount(), 1);
        QCOMPARE(stepAll(rs), QStringList({"KALB", "KMDW", "KCOE", "EGLL", "LFPG"}));
    }

    void removingEveryRow() {
        Recordset rs = tx::OpenAirportsWithIdent(t->db, "KORD");
        rs.remove();
        QVERIFY(rs.bof() && rs.eof());
        QCOMPARE(rs.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.edit());
    }

    void fieldTypes() {
        t->db.execute("UPDATE tblAirports SET Std = ?1, Comments = ?2 WHERE Ident = 'KABI'",
                      {double(float(-3.3)), " "});
        Recordset rs = tx::OpenAirports(t->db);
        QCOMPARE(rs.field("ID"), QVariant(id["KABI"]));
        QCOMPARE(rs.field("std").typeId(), int(QMetaType::Float));  // names without regard to case
        QCOMPARE(rs.field("Std").toFloat(), -3.3f);
        QVERIFY(!rs.field("Day").isValid());
        QCOMPARE(rs.field("Comments").toString(), QString(" "));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field("Nowhere"));
    }

    void singlePrecisionStored() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.edit();
        rs.setField("Std", "-3.3");  // a text box's number
        rs.setField("Day", 5.75);
        rs.update();
        QCOMPARE(t->scalar("SELECT Std FROM tblAirports WHERE ID = ?1", {id["KABI"]}).toDouble(),
                 double(-3.3f));
        QCOMPARE(t->scalar("SELECT Day FROM tblAirports WHERE ID = ?1", {id["KABI"]}).toDouble(), 5.75);
    }

    void quoteIsOrdinary() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.addNew();
        rs.setField("Ident", "X'1");
        rs.setField("City", "'; DROP TABLE tblAirports; --");
        rs.update();
        rs.requery();
        QVERIFY(rs.findFirst(tx::CityFrom("'; drop")));
        QCOMPARE(here(rs), QString("X'1"));
        QVERIFY(rs.findFirst(tx::IdentIs("x'1")));
        QCOMPARE(tx::OpenAirportsWithIdent(t->db, "X'1").recordCount(), 1);
        QCOMPARE(stepAll(rs).size(), 9);
    }

    void movedAndDetached() {
        tx::AirportDatabase adb;
        adb.db.open(t->path);
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
        Recordset moved = std::move(*adb.AirportsRs);
        QVERIFY_THROWS_EXCEPTION(DbError, adb.AirportsRs->moveNext());
        moved.moveNext();
        QCOMPARE(here(moved), QString("KALB"));
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));  // replaces the previous cursor
        QCOMPARE(here(*adb.AirportsRs), QString("KABI"));

        adb.db.close();  // a restore closes the database under the open cursors
        QVERIFY_THROWS_EXCEPTION(DbError, moved.moveNext());
        QVERIFY_THROWS_EXCEPTION(DbError, adb.AirportsRs->field("City"));
        adb.db.open(t->path);
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
        QCOMPARE(here(*adb.AirportsRs), QString("KABI"));
    }
};

QTEST_GUILESS_MAIN(CursorTest)
#include "test_cursor.moc"
