// The airports cursor (order, moves, end conditions, record count, find first, writing); the
// rules an airport's fields and a service row pass before they are stored, the duplicate test of
// an identifier, opening the database file, and making a service row its airport's default.
#include <QtTest>

#include "airportdb/AirportRecords.h"
#include "airportdb/ServiceRecords.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::AirportField;
using tx::AirportFields;
using tx::DbError;
using tx::Recordset;
using tx::ServiceTable;

Q_DECLARE_METATYPE(std::optional<AirportField>)
Q_DECLARE_METATYPE(tx::ServiceTable)

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

    // One field changed from a storable airport, stored as a new airport (in lower case: over
    // the first airport); the field refused, if any, whose message must hold the box's label and
    // either what was typed and the expected form or the box's limit. A refused airport leaves
    // nothing stored.
    void storeFields_data() {
        addColumns<QString, QString, std::optional<AirportField>>("field", "typed", "refused");
        const auto row = addRow<const char*, QString, std::optional<AirportField>>;
        const std::optional<AirportField> ok, lat = AirportField::Lat, lon = AirportField::Long,
                                              std_ = AirportField::Std;
        row("south pole", "Lat", "S90-00.0", ok);
        row("past the pole", "Lat", "N90-00.1", lat);
        row("60 minutes", "Lat", "N39-60.0", lat);
        row("no separator", "Lat", "N3951.7", lat);
        row("blank separator", "Lat", "N39 51.7", lat);
        row("lower-case s", "Lat", "s33-56.8", lat);
        row("east 180", "Long", "E180-00.0", ok);
        row("past 180", "Long", "W180-00.1", lon);
        row("latitude letter", "Long", "N104-40.4", lon);
        row("decimal comma", "Long", "W104-40,4", lon);
        row("std -12", "Std", "-12", ok);
        row("std 5.5 with blanks", "Std", " 5.5 ", ok);
        row("std 14", "Std", "14", ok);
        row("std -12.5", "Std", "-12.5", std_);
        row("std 15", "Std", "15", std_);
        row("std words", "Std", "-7 EST", std_);
        row("day words", "Day", "six", AirportField::Day);
        row("ident blanks", "Ident", "   ", AirportField::Ident);
        row("ident of 4 with blanks", "Ident", " kden ", ok);
        row("ident of 8", "ident", "KDENKDEN", AirportField::Ident);
        row("city of 25", "City", QString(25, u'c'), ok);
        row("city of 26", "city", QString(26, u'c'), AirportField::City);
        row("state of 21", "State", QString(21, u's'), AirportField::State);
        row("zone code of 4", "ZoneCode", "MSTX", AirportField::ZoneCode);
        row("zone code pasted in lower case", "zoneCode", "mst", ok);
        row("comment of 400", "Comments", QString(400, u'x'), ok);
        row("comment of 401", "comments", QString(401, u'x'), AirportField::Comments);
        row("IATA code in lower case", "IATA", " den ", ok);
        row("IATA code of 4", "iATA", "KDEN", AirportField::IATA);
        row("IATA code with a blank", "IATA", "D N", AirportField::IATA);
        row("name of 50", "Name", QString(50, u'n'), ok);
        row("name of 51", "name", QString(51, u'n'), AirportField::Name);
        row("kind in capitals", "Kind", "Large", ok);
        row("kind unknown", "kind", "huge", AirportField::Kind);
    }
    void storeFields() {
        auto [field, typed, refused] =
            fetch<QString, QString, std::optional<AirportField>>("field", "typed", "refused");
        AirportFields f{"KDEN", "Denver", "CO", "N39-51.7", "W104-40.4", "-7",
                        "-6",   "NAM",    "",   "",         "",          ""};
        const QHash<QString, std::pair<QString*, QStringList>> box{
            {"Lat", {&f.Lat, {"Latitude \"" + typed, "N39-51.7"}}},
            {"Long", {&f.Long, {"Longitude \"" + typed, "W104-40.4"}}},
            {"Std", {&f.Std, {"Time Zone(STD) \"" + typed, "-12", "14"}}},
            {"Day", {&f.Day, {"Time Zone(DAY) \"" + typed}}},
            {"Ident", {&f.Ident, {"Identifier", "4"}}},
            {"City", {&f.City, {"City", "25"}}},
            {"State", {&f.State, {"State/Country", "20"}}},
            {"ZoneCode", {&f.ZoneCode, {"Zone Code", "3"}}},
            {"Comments", {&f.Comments, {"A/P Comments", "400"}}},
            {"IATA", {&f.IATA, {"IATA Code", typed.size() > 3 ? "3" : "three letters"}}},
            {"Name", {&f.Name, {"Airport Name", "50"}}},
            {"Kind", {&f.Kind, {"Kind \"" + typed, "large, medium, small or other"}}}};
        const bool adding = field[0].isUpper();
        const auto& [text, words] = box[field[0].toUpper() + field.mid(1)];
        *text = typed;
        const QString all = "SELECT count(*) || group_concat(Ident || City) FROM tblAirports";
        const QString before = Scalar(t->db, all);
        tx::Recordset rs = tx::OpenAirports(t->db);
        const std::optional<tx::AirportFault> fault = tx::StoreAirport(rs, f, adding);
        QCOMPARE(fault ? std::optional(fault->field) : std::nullopt, refused);
        if (fault) VerifyHolds(fault->message, words);
        QCOMPARE(Scalar(t->db, all) == before, bool(fault));
        // The zone table is searched by the code as stored; the IATA code and the kind likewise.
        if (!fault)
            QCOMPARE(Scalar(t->db,
                            "SELECT ZoneCode || '|' || coalesce(IATA, '') || '|' || "
                            "coalesce(Name, '') || '|' || coalesce(Kind, '') FROM "
                            "tblAirports WHERE Ident = 'KDEN'"),
                     f.ZoneCode.toUpper() + '|' + f.IATA.trimmed().toUpper() + '|' + f.Name + '|' +
                         f.Kind.toLower());
    }

    // A service row added or revised: the name it keeps, or a refusal that names the box and
    // leaves the table as it was.
    void storeService_data() {
        addColumns<tx::ServiceTable, bool, QString, QString>("table", "revise", "name", "stored");
        addRow("FBO added", tx::ServiceTable::FBOs, false, "Jet Center ", "Jet Center");
        addRow("limo of blanks", tx::ServiceTable::Limos, false, "   ", "");
        addRow("catering revised empty", tx::ServiceTable::Catering, true, "", "Sky Meals");
    }
    void storeService() {
        auto [table, revise, name, stored] =
            fetch<tx::ServiceTable, bool, QString, QString>("table", "revise", "name", "stored");
        const qint64 ord = id["KORD"];
        const qint64 row = revise ? t->service(tx::TableName(table), ord, "Sky Meals", true) : 0;
        const std::optional<QString> refusal =
            revise ? tx::ReviseServiceRow(t->db, table, row, name, "555-0100")
                   : tx::AddServiceRow(t->db, table, ord, name, "555-0100", "122.8");
        QCOMPARE(
            Scalar(t->db, "SELECT ifnull(group_concat(Name), '') FROM " + tx::TableName(table)),
            stored);
        QCOMPARE(bool(refusal), stored.isEmpty() || stored != tx::RTrim(name));
        if (refusal) VerifyHolds(*refusal, {"Name"});
    }

    void identTaken() {
        const qint64 ord = id["KORD"];
        // Not the airport itself, being revised.
        QVERIFY(tx::IdentTaken(t->db, " kord ") && !tx::IdentTaken(t->db, "KORD", ord) &&
                tx::IdentTaken(t->db, "KALB", ord) && !tx::IdentTaken(t->db, "KOR"));
    }

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

    // In every service table: airport A (KORD) has a1 (the default), a2, a3; B (KABI) b1 (the
    // default), b2.
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
        QHash<QString, qint64> ids = {{"A", id["KORD"]}, {"B", id["KABI"]}};
        for (ServiceTable table : tx::kServiceTables) {
            const QString name = tx::TableName(table);
            for (const QString r : {"a1", "a2", "a3", "b1", "b2"})
                ids[r] = t->service(name, ids[r.left(1).toUpper()], r, r.endsWith('1'));
            const QString thrown =
                Thrown<DbError>([&] { tx::MakeDefault(t->db, table, ids[airport], ids[row]); });
            QCOMPARE(thrown == "<nothing thrown>", !refused);
            QTEST(Scalar(t->db,
                         u"SELECT group_concat(Name) FROM (SELECT Name FROM %1 WHERE "
                         u"\"Default\" ORDER BY Name)"_s.arg(name)),
                  "defaults");
            QVERIFY(sqlite3_get_autocommit(t->db.handle()));  // no transaction left open
        }
    }
};

QTEST_GUILESS_MAIN(CursorTest)
#include "test_cursor.moc"
