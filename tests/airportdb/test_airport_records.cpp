// The rules an airport's fields pass before they are stored, and the duplicate test of an
// identifier.
#include <QtTest>

#include "airportdb/AirportRecords.h"
#include "support/TempDb.h"

using tx::AirportField;
using tx::AirportFields;

Q_DECLARE_METATYPE(std::optional<AirportField>)

class TestAirportRecords : public QObject {
    Q_OBJECT

  private slots:
    // One field changed from a storable airport; the field refused, if any, whose message must
    // hold the box's label, what was typed and the expected form.
    void checkFields_data() {
        addColumns<QString, QString, std::optional<AirportField>>("field", "typed", "refused");
        const auto row = addRow<const char*, const char*, std::optional<AirportField>>;
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
    }
    void checkFields() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(std::optional<AirportField>, refused);
        AirportFields f{"KDEN", "Denver", "CO", "N39-51.7", "W104-40.4", "-7", "-6", "NAM", ""};
        const QHash<QString, std::pair<QString*, QStringList>> box{
            {"Lat", {&f.Lat, {"Latitude \"" + typed, "N39-51.7"}}},
            {"Long", {&f.Long, {"Longitude \"" + typed, "W104-40.4"}}},
            {"Std", {&f.Std, {"Time Zone(STD) \"" + typed, "-12", "14"}}},
            {"Day", {&f.Day, {"Time Zone(DAY) \"" + typed}}},
            {"Ident", {&f.Ident, {"Identifier"}}}};
        *box[field].first = typed;
        const std::optional<tx::AirportFault> fault = tx::CheckAirportFields(f);
        QCOMPARE(fault ? std::optional(fault->field) : std::nullopt, refused);
        if (fault) VerifyHolds(fault->message, box[field].second);
    }

    void identTaken() {
        TempDb t;
        const qint64 ord = t.airport("KORD", "Chicago");
        t.airport("KALB", "Albany");
        QVERIFY(tx::IdentTaken(t.db, " kord "));
        QVERIFY(!tx::IdentTaken(t.db, "KORD", ord));  // the airport itself, being revised
        QVERIFY(tx::IdentTaken(t.db, "KALB", ord));
        QVERIFY(!tx::IdentTaken(t.db, "KOR"));
    }
};

QTEST_MAIN(TestAirportRecords)
#include "test_airport_records.moc"
