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
    // One field changed from a storable airport; the field refused, if any, and the words its
    // message must hold (the box's label, what was typed, the expected form).
    void checkFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<AirportField>>("refused");
        QTest::addColumn<QStringList>("message");
        const std::optional<AirportField> none, lat = AirportField::Lat, long_ = AirportField::Long,
                                                std_ = AirportField::Std, day = AirportField::Day,
                                                ident = AirportField::Ident;
        const QStringList latForm{"Latitude", "N39-51.7"}, longForm{"Longitude", "W104-40.4"};
        const QStringList stdForm{"Time Zone(STD)", "-12", "14"};
        QTest::newRow("south pole") << "Lat"
                                    << "S90-00.0" << none << QStringList();
        QTest::newRow("past the pole") << "Lat"
                                       << "N90-00.1" << lat << latForm;
        QTest::newRow("60 minutes") << "Lat"
                                    << "N39-60.0" << lat << latForm;
        QTest::newRow("no separator") << "Lat"
                                      << "N3951.7" << lat << latForm + QStringList{"N3951.7"};
        QTest::newRow("blank separator") << "Lat"
                                         << "N39 51.7" << lat << latForm;
        QTest::newRow("lower-case s") << "Lat"
                                      << "s33-56.8" << lat << latForm;
        QTest::newRow("two decimals") << "Lat"
                                      << "N39-51.70" << lat << latForm;
        QTest::newRow("east 180") << "Long"
                                  << "E180-00.0" << none << QStringList();
        QTest::newRow("past 180") << "Long"
                                  << "W180-00.1" << long_ << longForm;
        QTest::newRow("two-digit degrees") << "Long"
                                           << "W74-03.6" << long_ << longForm;
        QTest::newRow("latitude letter") << "Long"
                                         << "N104-40.4" << long_ << longForm;
        QTest::newRow("decimal comma") << "Long"
                                       << "W104-40,4" << long_ << longForm;
        QTest::newRow("std -12") << "Std"
                                 << "-12" << none << QStringList();
        QTest::newRow("std 5.5 with blanks") << "Std"
                                             << " 5.5 " << none << QStringList();
        QTest::newRow("std 14") << "Std"
                                << "14" << none << QStringList();
        QTest::newRow("std -12.5") << "Std"
                                   << "-12.5" << std_ << stdForm;
        QTest::newRow("std 15") << "Std"
                                << "15" << std_ << stdForm;
        QTest::newRow("std empty") << "Std"
                                   << "" << std_ << stdForm;
        QTest::newRow("std words") << "Std"
                                   << "-7 EST" << std_ << stdForm + QStringList{"-7 EST"};
        QTest::newRow("day words") << "Day"
                                   << "six" << day << QStringList{"Time Zone(DAY)"};
        QTest::newRow("ident blanks") << "Ident"
                                      << "   " << ident << QStringList{"Identifier"};
    }
    void checkFields() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(std::optional<AirportField>, refused);
        QFETCH(QStringList, message);
        AirportFields f{"KDEN", "Denver", "CO", "N39-51.7", "W104-40.4", "-7", "-6", "NAM", ""};
        QString* box = field == "Lat"    ? &f.Lat
                       : field == "Long" ? &f.Long
                       : field == "Std"  ? &f.Std
                       : field == "Day"  ? &f.Day
                                         : &f.Ident;
        *box = typed;
        const std::optional<tx::AirportFault> fault = tx::CheckAirportFields(f);
        QCOMPARE(fault ? std::optional(fault->field) : std::nullopt, refused);
        for (const QString& word : message)
            QVERIFY2(fault->message.contains(word), qPrintable(fault->message));
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
