// The airports cursor: order, moves, end conditions, record count, find first, writing.
#include <QtTest>

#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::DbError;
using tx::Recordset;

namespace {

// Inserted in this ID order; the cursor steps through them by City without regard to case,
// equal cities by ID.
const QStringList kAirports = {"KORD Chicago", "KABI Abilene",      "KSFO san francisco",
                               "EGLL London",  "KMDW Chicago",      "KALB albany",
                               "LFPG Paris",   "KCOE Coeur d'Alene"};
const QString kCityOrder = "KABI,KALB,KORD,KMDW,KCOE,EGLL,LFPG,KSFO";

QString here(const Recordset& rs) {
    if (rs.bof() && rs.eof()) return u"none"_s;
    if (rs.bof() || rs.eof()) return rs.bof() ? u"BOF"_s : u"EOF"_s;
    return rs.field("Ident").toString();
}

QString find(Recordset& rs, const tx::Criterion& c) {
    return rs.findFirst(c) ? here(rs) : u"-"_s;
}

// Moves by letters (F first, L last, N next, P previous) and tells where the cursor then stands.
QString play(Recordset& rs, const QString& moves) {
    for (QChar m : moves)
        m == u'F'   ? rs.moveFirst()
        : m == u'L' ? rs.moveLast()
        : m == u'N' ? rs.moveNext()
                    : rs.movePrevious();
    return here(rs);
}

// addNew (or edit), the fields, update.
qint64 write(Recordset& rs, bool add, std::initializer_list<std::pair<const char*, QVariant>> f) {
    add ? rs.addNew() : rs.edit();
    for (const auto& [name, value] : f) rs.setField(name, value);
    return rs.update();
}

}  // namespace

class CursorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDb> t;
    QHash<QString, qint64> id;

  private slots:
    void init() {
        t = std::make_unique<TempDb>();
        for (const QString& a : kAirports) id[a.left(4)] = t->airport(a.left(4), a.mid(5));
    }

    void moves_data() {
        addColumns<QString, QString, QString, int>("ident", "moves", "where", "count");
        const auto row = addRow<const char*, const char*, const char*, int>;  // "": all airports
        row("just opened", "", "", "KABI", 1);
        row("two next", "", "NN", "KORD", 3);
        row("back to first keeps the count", "", "NNF", "KABI", 3);
        row("stays before the first", "", "PP", "BOF", 1);
        row("from BOF next is the first", "", "PN", "KABI", 1);
        row("last", "", "L", "KSFO", 8);
        row("stays past the last", "", "LNN", "EOF", 8);
        row("from EOF previous is the last", "", "LNP", "KSFO", 8);
        row("no rows", "NONE", "FLNP", "none", 0);
    }
    void moves() {
        auto [ident, moves] = fetch<QString, QString>("ident", "moves");
        Recordset rs =
            ident.isEmpty() ? tx::OpenAirports(t->db) : tx::OpenAirportsWithIdent(t->db, ident);
        QTEST(play(rs, moves), "where");
        QTEST(rs.recordCount(), "count");
        if (rs.bof() || rs.eof()) QVERIFY_THROWS_EXCEPTION(DbError, rs.field("Ident"));
    }

    void findFirst_data() {
        addColumns<tx::Criterion, QString>("criterion", "found");  // "-": none, stays on EGLL
        QTest::newRow("ident lower case") << tx::IdentIs("kmdw") << "KMDW";
        QTest::newRow("ident unknown, with quote") << tx::IdentIs("O'HA") << "-";
        QTest::newRow("city prefix, first of equals") << tx::CityFrom("chi") << "KORD";
        QTest::newRow("city just after a lower-case row") << tx::CityFrom("albanz") << "KORD";
        QTest::newRow("city with quote") << tx::CityFrom("coeur d'") << "KCOE";
        QTest::newRow("city last, lower case") << tx::CityFrom("S") << "KSFO";
        QTest::newRow("city after all") << tx::CityFrom("zzz") << "-";
        QTest::newRow("id") << tx::IdIs(7) << "LFPG";  // the seventh inserted
    }
    void findFirst() {
        auto [criterion, found] = fetch<tx::Criterion, QString>("criterion", "found");
        Recordset rs = tx::OpenAirports(t->db);
        QVERIFY(rs.findFirst(tx::IdentIs("EGLL")));
        QCOMPARE(find(rs, criterion), found);
        QCOMPARE(here(rs), found == u"-" ? u"EGLL"_s : found);
    }

    // A revised City keeps its place in the stepping order until requery, but find first judges
    // rows by their current City, whoever revised them; values read are never stale.
    void revisedCityKeepsPlace() {
        Recordset rs = tx::OpenAirports(t->db);
        QVERIFY(rs.findFirst(tx::IdentIs("KORD")));
        write(rs, false, {{"City", "Aaron"}});
        QCOMPARE(find(rs, tx::CityFrom("b")), u"KMDW"_s);    // KORD matched at open, no longer
        QCOMPARE(find(rs, tx::CityFrom("aar")), u"KABI"_s);  // KABI's values are read
        t->db.execute(
            "UPDATE tblAirports SET City = 'Zulu', CityKey = 'zulu' WHERE Ident = 'KABI'");
        QCOMPARE(find(rs, tx::CityFrom("b")), u"KABI"_s);  // KABI did not match at open, now does
        QCOMPARE(rs.field("City").toString(), u"Zulu"_s);  // not the value read before
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, t->db.transaction([&] {
            t->db.execute("UPDATE tblAirports SET City = 'Gotham' WHERE Ident = 'KABI'");
            QCOMPARE(rs.field("City").toString(), u"Gotham"_s);
            throw std::runtime_error("abandoned");
        }));
        QCOMPARE(rs.field("City").toString(), u"Zulu"_s);  // nor a rolled-back one
        QCOMPARE(Column(rs, "Ident"), kCityOrder);
        rs.requery();
        QCOMPARE(here(rs), u"KORD"_s);  // Aaron sorts first now
    }

    // Cities with accents stand where their plain letters put them and are found by them; a
    // city written through the cursor takes its key along.
    void accentedCities() {
        TempDb d;
        for (const char* c : {"Zyryanka", "\u00c5lesund", "\u00d8rland", "Albany", "Amsterdam"})
            d.airport("X", QString::fromUtf8(c));
        Recordset rs = tx::OpenAirports(d.db);
        QCOMPARE(Column(rs, "City"),
                 QString::fromUtf8("Albany,\u00c5lesund,Amsterdam,\u00d8rland,Zyryanka"));
        for (const char* typed : {"ALESUND", "\u00e5les"}) {
            QVERIFY(rs.findFirst(tx::CityFrom(QString::fromUtf8(typed))));
            QCOMPARE(rs.field("City").toString(), QString::fromUtf8("\u00c5lesund"));
        }
        write(rs, false, {{"City", QString::fromUtf8("\u00c9vora")}});
        QCOMPARE(Scalar(d.db, "SELECT CityKey FROM tblAirports WHERE City LIKE '%vora'"),
                 u"evora"_s);
        QVERIFY_THROWS_EXCEPTION(DbError, write(rs, false, {{"CityKey", "x"}}));
    }

    // A file made before the keys, or one whose keys another tool left stale, is brought up to
    // date when it is opened; a file held by another program is named as such.
    void olderFilesAndOtherPrograms() {
        QTemporaryDir dir;
        const QString path = dir.filePath("old.mdb");
        {
            TempDb d;
            d.airport("KZZZ", "Zurich");
            d.airport("EKAE", QString::fromUtf8("\u00c6r\u00f8"));
            d.db.execute("UPDATE tblAirports SET CityKey = NULL WHERE Ident = 'KZZZ'");
            for (const char* sql : {"DROP TRIGGER trgAirportWordsGo", "DROP TABLE tblAirportWords",
                                    "DROP INDEX idxAirportsIATA", "DROP INDEX idxAirportsCityKey",
                                    "DROP INDEX idxAirportsCityOrder"})
                d.db.execute(sql);
            for (const char* column : {"CityKey", "IATA", "Name", "Kind", "WordKey"})
                d.db.execute(QString("ALTER TABLE tblAirports DROP COLUMN %1").arg(column));
            d.db.close();
            QVERIFY(QFile::copy(d.path, path));
        }
        tx::Db db;
        db.open(path);
        QCOMPARE(Scalar(db,
                        "SELECT group_concat(CityKey || WordKey || quote(Kind) || (SELECT "
                        "group_concat(Word) FROM tblAirportWords WHERE AirportID = a.ID), ',') "
                        "FROM (SELECT * FROM tblAirports ORDER BY ID) a"),
                 u"zurich zurichNULLzurich,aero aeroNULLaero"_s);
        db.execute("UPDATE tblAirports SET CityKey = 'stale' WHERE Ident = 'KZZZ'");
        db.close();
        db.open(path);
        QCOMPARE(Scalar(db, "SELECT CityKey FROM tblAirports WHERE Ident = 'KZZZ'"), u"zurich"_s);
        db.close();

        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(Thrown<DbError>([&] { db.open(path); }),
                 path + ": the airport database is in use by another program");
        sqlite3_close(other);
    }

    void addNew() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.moveNext();
        const qint64 newId = write(rs, true, {{"Ident", "KBOS"}, {"City", "Zzyzx"}});
        const QString added = u"SELECT Ident || City FROM tblAirports WHERE ID = %1"_s.arg(newId);
        QCOMPARE(Scalar(t->db, added), u"KBOSZzyzx"_s);
        // The current row stays; two rows visited, one added.
        QCOMPARE(here(rs) + QString::number(rs.recordCount()), u"KALB3"_s);
        QCOMPARE(find(rs, tx::CityFrom("zz")), u"KBOS"_s);
        // Joined the end of the order.
        QCOMPARE(play(rs, "L") + QString::number(rs.recordCount()), u"KBOS9"_s);
        rs.moveNext();
        write(rs, true, {{"Ident", "KAAA"}, {"City", "Aachen"}});
        QVERIFY(rs.eof());  // added past the end: the cursor stays there
        rs.requery();
        QVERIFY(Column(rs, "Ident").startsWith("KAAA,KABI,"));  // sorted into place
    }

    void writingRules() {
        Recordset rs = tx::OpenAirports(t->db);
        rs.edit();
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setField("Std", "five"));
        rs.setField("City", "Changed");
        QVERIFY_THROWS_EXCEPTION(DbError, rs.moveNext());  // the edit is pending
        rs.cancelUpdate();
        QCOMPARE(rs.field("City").toString(), u"Abilene"_s);

        // AirportID is required; the values are kept for another try.
        Recordset fbo = tx::OpenServiceTable(t->db, tx::ServiceTable::FBOs);
        QVERIFY_THROWS_EXCEPTION(DbError, write(fbo, true, {{"Name", "Nowhere"}}));
        fbo.setField("AirportID", id["KORD"]);
        fbo.update();
        QCOMPARE(Scalar(t->db, "SELECT Name || AirportID FROM tblFBOs"),
                 "Nowhere" + QString::number(id["KORD"]));
    }

    void remove() {
        Recordset rs = tx::OpenAirports(t->db);
        QCOMPARE(play(rs, "NN"), u"KORD"_s);
        rs.remove();
        QVERIFY(!rs.bof() && !rs.eof() && rs.recordCount() == 2);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field("Ident"));
        // The deleted row is skipped both ways.
        QCOMPARE(play(rs, "P") + play(rs, "N") + play(rs, "P"), u"KALBKMDWKALB"_s);
        QCOMPARE(find(rs, tx::IdentIs("KORD")), u"-"_s);
        QCOMPARE(find(rs, tx::CityFrom("chi")), u"KMDW"_s);
        rs.requery();
        QCOMPARE(Column(rs, "Ident"), u"KABI,KALB,KMDW,KCOE,EGLL,LFPG,KSFO"_s);

        Recordset one = tx::OpenAirportsWithIdent(t->db, "KMDW");
        one.remove();
        QCOMPARE(here(one) + QString::number(one.recordCount()), u"none0"_s);
    }

    void typedValues() {
        Recordset rs = tx::OpenAirports(t->db);                                          // on KABI
        write(rs, false, {{"Std", "-3.3"}, {"City", "'; DROP TABLE tblAirports; --"}});  // as typed
        // Std holds the single-precision number nearest to -3.3, not -3.3 itself.
        QCOMPARE(Scalar(t->db,
                        "SELECT Std <> -3.3 AND abs(Std + 3.3) < 1e-6 FROM tblAirports "
                        "WHERE City = '''; DROP TABLE tblAirports; --'"),
                 u"1"_s);
        QCOMPARE(find(rs, tx::CityFrom("'; drop")), u"KABI"_s);
        // Names without regard to case.
        QVERIFY(rs.field("std").typeId() == QMetaType::Float && rs.field("Std").toFloat() == -3.3f);
        QVERIFY(!rs.field("State").isValid());
    }
};

QTEST_GUILESS_MAIN(CursorTest)
#include "test_cursor.moc"
