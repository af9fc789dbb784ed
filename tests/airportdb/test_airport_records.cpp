// The rules an airport's fields and a service row pass before they are stored, the duplicate
// test of an identifier, opening the database file, and making a service row its airport's
// default.
#include <QtTest>

#include "airportdb/AirportRecords.h"
#include "airportdb/ServiceRecords.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;
using tx::AirportField;
using tx::AirportFields;
using tx::DbError;
using tx::ServiceTable;

Q_DECLARE_METATYPE(std::optional<AirportField>)
Q_DECLARE_METATYPE(tx::ServiceTable)

class TestAirportRecords : public QObject {
    Q_OBJECT

  private slots:
    // One field changed from a storable airport, stored as a new airport (in lower case: as a
    // revised one); the field refused, if any, whose message must hold the box's label and
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
        TempDb t;
        if (!adding) t.airport("KORD", "Chicago");
        const QString all = "SELECT count(*) || group_concat(Ident || City) FROM tblAirports";
        const QString before = Scalar(t.db, all);
        tx::Recordset rs = tx::OpenAirports(t.db);
        const std::optional<tx::AirportFault> fault = tx::StoreAirport(rs, f, adding);
        QCOMPARE(fault ? std::optional(fault->field) : std::nullopt, refused);
        if (fault) VerifyHolds(fault->message, words);
        QCOMPARE(Scalar(t.db, all) == before, bool(fault));
        // The zone table is searched by the code as stored; the IATA code and the kind likewise.
        if (!fault)
            QCOMPARE(Scalar(t.db,
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
        TempDb t;
        const qint64 ord = t.airport("KORD", "Chicago");
        const qint64 row = revise ? t.service(tx::TableName(table), ord, "Sky Meals", true) : 0;
        const std::optional<QString> refusal =
            revise ? tx::ReviseServiceRow(t.db, table, row, name, "555-0100")
                   : tx::AddServiceRow(t.db, table, ord, name, "555-0100", "122.8");
        QCOMPARE(Scalar(t.db, "SELECT ifnull(group_concat(Name), '') FROM " + tx::TableName(table)),
                 stored);
        QCOMPARE(bool(refusal), stored.isEmpty() || stored != tx::RTrim(name));
        if (refusal) VerifyHolds(*refusal, {"Name"});
    }

    void identTaken() {
        TempDb t;
        const qint64 ord = t.airport("KORD", "Chicago");
        t.airport("KALB", "Albany");
        // Not the airport itself, being revised.
        QVERIFY(tx::IdentTaken(t.db, " kord ") && !tx::IdentTaken(t.db, "KORD", ord) &&
                tx::IdentTaken(t.db, "KALB", ord) && !tx::IdentTaken(t.db, "KOR"));
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

QTEST_MAIN(TestAirportRecords)
#include "test_airport_records.moc"
