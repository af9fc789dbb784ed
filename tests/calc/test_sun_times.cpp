// Sun times worked through by hand (official zenith, 90 deg 50 min) for each place and date;
// where a published table exists it agrees within a couple of minutes.
#include <QDate>
#include <QtTest>

#include "calc/SunTimes.h"
#include "core/Text.h"

using namespace tx;

class TestSunTimes : public QObject {
    Q_OBJECT

    PlanState s;

    QStringList sunAt(const QString& date, const QString& lat, const QString& lon, double offset,
                      QDate today = QDate(2025, 1, 10)) {
        s.SunLeg = 7;
        s.leg(7).LegDate = date;
        s.LatText = lat;
        s.LonText = lon;
        s.SunZoneOffset = offset;
        s.Today = today;
        SunTimes(s);
        return {s.SunriseText, s.SunsetText};
    }

  private slots:
    void places_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<double>("offset");
        QTest::addColumn<QString>("times");
        QTest::newRow("Denver (07:09 / 19:07)") << "3.15"
                                                << "N3951.7"
                                                << "W10440.4" << -6.0 << "0710/1905";
        QTest::newRow("Sydney (05:59 / 20:10)") << "1.15"
                                                << "S3356.8"
                                                << "E15110.6" << 11.0 << "0559/2009";
        QTest::newRow("Quito, equinox") << "3.21"
                                        << "S0007.8"
                                        << "W07829.3" << -5.0 << "0617/1824";
        // +14 at 157 deg W: computed 54.6 h and 42.7 h, more than a day out.
        QTest::newRow("Kiritimati, +14") << "1.15"
                                         << "N0151.9"
                                         << "W15721.0" << 14.0 << "0638/1839";
        // +13.75 in summer at 176.6 deg W: 54.1 h and 45.2 h.
        QTest::newRow("Chatham, +13.75") << "1.15"
                                         << "S4348.6"
                                         << "W17633.4" << 13.75 << "0608/2112";
        QTest::newRow("polar night") << "12.15"
                                     << "N7814.8"
                                     << "E01527.9" << 1.0 << "----/----";
        QTest::newRow("midnight sun") << "6.15"
                                      << "N7814.8"
                                      << "E01527.9" << 2.0 << "----/----";
        QTest::newRow("Svalbard, March") << "3.15"
                                         << "N7814.8"
                                         << "E01527.9" << 1.0 << "0634/1743";
        // The last sunrise before the polar night has no sunset on its date.
        QTest::newRow("Tromso, 27 Nov") << "11.27"
                                        << "N6940.9"
                                        << "E01854.8" << 1.0 << "1109/----";
        QTest::newRow("empty date: month 0") << ""
                                             << "N3951.7"
                                             << "W10440.4" << -6.0 << "0801/1734";
        // Degrees 39 and 104; the last four characters "N39" and "W104" read 0 minutes.
        QTest::newRow("short coordinates") << "3.15"
                                           << "N39"
                                           << "W104" << -6.0 << "0707/1902";
        QTest::newRow("letters only") << "3.15"
                                      << "N"
                                      << "W" << 0.0 << "0605/1812";
    }
    void places() {
        QFETCH(QString, date);
        QFETCH(QString, lat);
        QFETCH(QString, lon);
        QFETCH(double, offset);
        QFETCH(QString, times);
        QCOMPARE(sunAt(date, lat, lon, offset).join('/'), times);
    }

    // This year, or the next when the leg date lies earlier in the year than today. 2028 is
    // a leap year: 15 Mar 2028 is day 75 like 16 Mar 2027.
    void yearOfTheLegDate() {
        const QString lat = "N3951.7", lon = "W10440.4";
        const QStringList laterIn2027 = sunAt("3.15", lat, lon, -6, QDate(2027, 1, 1));
        QCOMPARE(sunAt("3.15", lat, lon, -6, QDate(2027, 3, 15)), laterIn2027);
        const QStringList nextYear = sunAt("3.15", lat, lon, -6, QDate(2027, 6, 1));
        QCOMPARE(nextYear, sunAt("3.16", lat, lon, -6, QDate(2027, 1, 1)));
        QCOMPARE(nextYear, (QStringList{"0708", "1906"}));
        QVERIFY(nextYear != laterIn2027);
        // "3.1", a date written back from a number, is 10 Mar: today, so this year.
        QCOMPARE(sunAt("3.1", lat, lon, -6, QDate(2027, 3, 10)),
                 sunAt("3.10", lat, lon, -6, QDate(2027, 1, 1)));
    }

    // Whatever the offset, a time of day: four digits, hours to 24, minutes to 59, and the
    // same text a day's offset apart.
    void alwaysATimeOfDay() {
        for (double offset = -14; offset <= 14; offset += 0.25) {
            for (const char* date : {"1.15", "4.15", "7.15", "10.15"}) {
                const QStringList t = sunAt(date, "S1349.7", "W17159.9", offset);
                for (const QString& x : t) {
                    QVERIFY2(x.size() == 4 && IsNumber(x) && Val(Left(x, 2)) <= 24 &&
                                 Val(Right(x, 2)) <= 59,
                             qPrintable(x));
                }
                QCOMPARE(sunAt(date, "S1349.7", "W17159.9", offset - 24), t);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSunTimes)
#include "test_sun_times.moc"
