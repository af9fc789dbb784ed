// Speeds, times and burns worked out by hand. Taxi "15" is 0.25 h, "12" 0.2 h, "10" 0.1666 h.
#include <QDate>
#include <QtTest>

#include "calc/LegComputation.h"
#include "core/Text.h"

using namespace tx;

class TestLegComputation : public QObject {
    Q_OBJECT

    PlanState s;

    // Rows 0..5: 250, 300, 350, 400, 420, 440 kt; fuel flows 900 .. 1400.
    void smallTable() {
        const double speeds[] = {250, 300, 350, 400, 420, 440};
        for (int k = 0; k <= 5; ++k) {
            s.ACSpeed[k] = speeds[k];
            s.ACFuelFlow[k] = 900 + 100 * k;
        }
        s.ACRows = 5;
    }

    // A leg whose times are the only input; the zones keep their offsets all year.
    void timesLeg(const QString& torl, const QString& date, const QString& time, double depOff,
                  double destOff, double flightHours, const QString& taxi) {
        Leg& leg = s.cur();
        leg.TorL = torl;
        leg.LegDate = date;
        (torl == u"L" ? leg.ArrTimeEntry : leg.DepTimeEntry) = time;
        leg.DepZoneOffset = depOff;
        leg.DestZoneOffset = destOff;
        leg.DepStd = leg.DepDay = NumText(depOff);
        leg.DestStd = leg.DestDay = NumText(destOff);
        s.FlightHours = flightHours;
        s.TaxiDefault = taxi;
    }

    // A "US" zone with daylight time from 3.09 to 11.02, standard -5, daylight -4.
    void usZone() {
        s.TZRows = 1;
        s.TZCode[1] = "US";
        s.TZDSTStart[1] = 3.09;
        s.TZDSTEnd[1] = 11.02;
        Leg& leg = s.cur();
        leg.DepZoneCode = leg.DestZoneCode = "US";
        leg.DepStd = leg.DestStd = "-5";
        leg.DepDay = leg.DestDay = "-4";
    }

  private slots:
    void init() {
        s = PlanState();
        s.CurLeg = 2;
    }

    void speedTimeBurn_data() {
        QTest::addColumn<double>("distNM");
        QTest::addColumn<int>("distIndex");
        QTest::addColumn<double>("wind");
        QTest::addColumn<double>("groundSpeed");
        QTest::addColumn<double>("flightHours");
        QTest::addColumn<QString>("burnText");
        // Row 2: 330 kt -> 1.21 h, air 4.235 -> row 4: 400 kt -> 1.0 h; 1.0 x 1300.
        QTest::newRow("row by air distance") << 400.0 << 2 << -20.0 << 400.0 << 1.0 << "   1300";
        // Row 0: 260 kt -> 0.32 h, air 0.8 -> row 1: 310 kt -> 0.2741 -> 0.27 h; x 1000.
        QTest::newRow("short leg") << 85.0 << 0 << 10.0 << 310.0 << 0.27 << "    270";
        // Wind 10.9 counts 10; row 25 is row 5: 450 kt -> 5.5555 -> 5.55 h; x 1400 = 7770.
        QTest::newRow("row within ACRows") << 2500.0 << 25 << 10.9 << 450.0 << 5.55 << "   7770";
        // -10.5 counts -11: 409 kt -> 1.0758 -> 1.07 h, air 4.49 -> row 4; x 1300 = 1391.
        QTest::newRow("negative wind floor") << 440.0 << 4 << -10.5 << 409.0 << 1.07 << "   1391";
        QTest::newRow("same point") << 0.0 << 0 << 0.0 << 250.0 << 0.0 << "      0";
    }
    void speedTimeBurn() {
        QFETCH(double, distNM);
        QFETCH(int, distIndex);
        QFETCH(double, wind);
        QFETCH(double, groundSpeed);
        QFETCH(double, flightHours);
        QFETCH(QString, burnText);
        smallTable();
        s.DistNM = distNM;
        s.DistIndex = distIndex;
        s.CourseSector = 27;
        s.Winds[27] = wind;
        QVERIFY(TXComps(s));
        QCOMPARE(s.DistIndex, std::min(distIndex, 5));
        QCOMPARE(s.GroundSpeed, groundSpeed);
        QCOMPARE(s.FlightHours, flightHours);
        QCOMPARE(s.cur().BurnText, burnText);
    }

    // Zero or negative ground speed: reported, nothing left looking computed.
    void impossibleLeg_data() {
        QTest::addColumn<double>("wind");
        QTest::addColumn<int>("distIndex");
        QTest::addColumn<double>("distNM");
        QTest::addColumn<int>("rows");
        QTest::newRow("wind cancels the speed") << -250.0 << 0 << 40.0 << 5;
        QTest::newRow("headwind above it") << -450.0 << 3 << 300.0 << 5;
        // Row 0 flies 4 n.mi. at 10 kt in 0.4 h; air distance 1.0 leads to row 1 (100 kt).
        QTest::newRow("refined row too slow") << -240.0 << 0 << 4.0 << 5;
        QTest::newRow("table never loaded") << 0.0 << 3 << 300.0 << 0;
    }
    void impossibleLeg() {
        QFETCH(double, wind);
        QFETCH(int, distIndex);
        QFETCH(double, distNM);
        QFETCH(int, rows);
        if (rows > 0) {
            smallTable();
            s.ACSpeed[1] = 100;
        }
        s.DistNM = distNM;
        s.DistIndex = distIndex;
        s.FlightHours = 3;
        s.FuelBurn = 999;
        s.cur().BurnText = "    999";
        QVERIFY(!computeSpeedTimeBurn(s, wind));
        QVERIFY(s.GroundSpeed <= 0);
        QCOMPARE(s.FlightHours, 0.0);
        QCOMPARE(s.FuelBurn, 0.0);
        QCOMPARE(s.cur().BurnText, QString());
    }

    // Burn 1300 (the first leg above) and a reserve: the total against the usable fuel.
    void reserveAndTotal_data() {
        QTest::addColumn<double>("maxFuel");
        QTest::addColumn<double>("reserve");
        QTest::addColumn<QString>("reserveText");
        QTest::addColumn<QString>("totalText");
        QTest::newRow("below") << 5000.0 << 1500.0 << "   1500"
                               << "   2800";
        QTest::newRow("equal to the usable fuel") << 2800.0 << 1500.0 << "   1500"
                                                  << "   2800";
        QTest::newRow("one unit more") << 2799.0 << 1500.0 << "   1500"
                                       << "StopReq";
        QTest::newRow("fractional reserve") << 5000.0 << 750.5 << "  750.5"
                                            << " 2050.5";
    }
    void reserveAndTotal() {
        QFETCH(double, maxFuel);
        QFETCH(double, reserve);
        QFETCH(QString, reserveText);
        QFETCH(QString, totalText);
        smallTable();
        s.ACMaxFuel = maxFuel;
        s.DistNM = 400;
        s.DistIndex = 2;
        QVERIFY(computeSpeedTimeBurn(s, -20));
        setReserveTexts(s, reserve);
        QCOMPARE(s.cur().ReserveText, reserveText);
        QCOMPARE(s.cur().TotalReqText, totalText);
    }

    void times_data() {
        QTest::addColumn<QString>("torl");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<double>("depOff");
        QTest::addColumn<double>("destOff");
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("taxi");
        // local dep, its mark, local arr, its mark, GMT out, GMT in, flight, change, date
        QTest::addColumn<QStringList>("want");
        // 23.5 + 5 + 1.5 - 5 + 0.25 = 25.25 -> next day 01:15; 3.31 -> 4.01.
        QTest::newRow("2330 arrives next day")
            << "T"
            << "3.31"
            << "2330" << -5.0 << -5.0 << 1.5 << "15"
            << QStringList{"2330", "   ", "0115", "+D ", "0430", "0615", "01+30", "+0", "4.01"};
        QTest::newRow("16.99 h is 1700")
            << "T"
            << "6.15"
            << "1500" << 0.0 << 0.0 << 1.99 << "0"
            << QStringList{"1500", "   ", "1700", "   ", "1500", "1700", "01+59", "+0", "6.15"};
        QTest::newRow("16.98 h is 1659")
            << "T"
            << "6.15"
            << "1500" << 0.0 << 0.0 << 1.98 << "0"
            << QStringList{"1500", "   ", "1659", "   ", "1500", "1659", "01+59", "+0", "6.15"};
        QTest::newRow("westward, -3")
            << "T"
            << "6.15"
            << "0900" << -5.0 << -8.0 << 5.25 << "15"
            << QStringList{"0900", "   ", "1130", "   ", "1400", "1930", "05+15", "-3", "6.15"};
        // 9.5 + 8.4 + 5.5 + 0.1666 = 23.5666 -> 23:34; the entry's leading blank dropped.
        QTest::newRow("half-hour zone")
            << "T"
            << "6.15"
            << " 0930" << 0.0 << 5.5 << 8.4 << "10"
            << QStringList{"0930", "   ", "2334", "   ", "0930", "1804", "08+24", "+5.5", "6.15"};
        // 1 - 9 + 1 - 10 = -17 -> the day before, 07:00: 3.01 -> 2.28.
        QTest::newRow("arrives the day before")
            << "T"
            << "3.01"
            << "0100" << 9.0 << -10.0 << 1.0 << "0"
            << QStringList{"0100", "   ", "0700", "-D ", "1600", "1700", "01+00", "-19", "2.28"};
        // 23 + 2 + 26 - 2 = 49 -> two days later 01:00: 12.31 -> 1.02; GMT in 51 -> 03:00.
        QTest::newRow("two days hence")
            << "T"
            << "12.31"
            << "2300" << -2.0 << -2.0 << 26.0 << "0"
            << QStringList{"2300", "   ", "0100", "+2D", "0100", "0300", "26+00", "+0", "1.02"};
        // 7 + 0 - 1.25 - 1 - 0.2 = 4.55 -> 04:33.
        QTest::newRow("landing time")
            << "L"
            << "5.10"
            << "0700" << 0.0 << 1.0 << 1.25 << "12"
            << QStringList{"0433", "   ", "0700", "   ", "0433", "0600", "01+15", "+1", "5.10"};
        // 23 + 10 - 1 + 10 = 42 -> 18:00 "next day"; only earlier days move the date.
        QTest::newRow("landing, departure next day")
            << "L"
            << "5.10"
            << "2300" << 10.0 << -10.0 << 1.0 << "0"
            << QStringList{"1800", "+D ", "2300", "   ", "0800", "0900", "01+00", "-20", "5.10"};
        // 1 - 26 = -25 -> two days before, 23:00: 3.01 -> 2.27.
        QTest::newRow("landing, two days prior")
            << "L"
            << "3.01"
            << "0100" << 0.0 << 0.0 << 26.0 << "0"
            << QStringList{"2300", "-2D", "0100", "   ", "2300", "0100", "26+00", "+0", "2.27"};
        QTest::newRow("no time: 00:00")
            << "T"
            << "6.15"
            << "" << 0.0 << 0.0 << 0.5 << "0"
            << QStringList{"", "   ", "0030", "   ", "0000", "0030", "00+30", "+0", "6.15"};
        QTest::newRow("same point")
            << "T"
            << "6.15"
            << "1000" << -6.0 << -6.0 << 0.0 << "12"
            << QStringList{"1000", "   ", "1012", "   ", "1600", "1612", "00+00", "+0", "6.15"};
    }
    void times() {
        QFETCH(QString, torl);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(double, depOff);
        QFETCH(double, destOff);
        QFETCH(double, hours);
        QFETCH(QString, taxi);
        QFETCH(QStringList, want);
        timesLeg(torl, date, time, depOff, destOff, hours, taxi);
        s.cur().DayChangeText = s.cur().DepDayChangeText = "left over";
        TXComps2(s);
        const Leg& l = s.cur();
        QCOMPARE((QStringList{l.LocalDepText, l.DepDayMark, l.LocalArrText, l.DayMark, l.GMTDepText,
                              l.GMTArrText, l.FltTimeText, l.TimeChangeText, l.LegDate}),
                 want);
        const QHash<QString, QString> longText{{"   ", "   "},
                                               {"+D ", " NEXT DAY !"},
                                               {"+2D", " 2 DAYS HENCE !"},
                                               {"-D ", " PREVIOUS DAY !"},
                                               {"-2D", " 2 DAYS PRIOR !"}};
        QCOMPARE(l.DayChangeText, longText[want[3]]);
        QCOMPARE(l.DepDayChangeText, longText[want[1]]);
        QCOMPARE(s.DateRollSign, QString());
    }

    // Takeoff 23:00 on 3.08 at -5 into the day daylight time starts at the destination: its
    // status of the new date is looked at for arrivals from 02:00 on only.
    void arrivalDaylight_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<double>("destOffset");
        QTest::addColumn<QString>("change");
        QTest::newRow("01:30: standard kept") << 2.5 << "0130" << -5.0 << "+0";
        QTest::newRow("02:00: daylight read") << 3.0 << "0300" << -4.0 << "+1";
    }
    void arrivalDaylight() {
        QFETCH(double, hours);
        QFETCH(QString, arrival);
        QFETCH(double, destOffset);
        QFETCH(QString, change);
        timesLeg("T", "3.08", "2300", -5, -5, hours, "0");
        usZone();
        TXComps2(s);
        QCOMPARE(s.cur().LocalArrText, arrival);
        QCOMPARE(s.cur().DayMark, QString("+D "));
        QCOMPARE(s.cur().LegDate, QString("3.09"));
        QCOMPARE(s.cur().DestZoneOffset, std::optional(destOffset));
        QCOMPARE(s.cur().TimeChangeText, change);
    }

    // Landing 01:00 on 11.03 (standard time) after 2 h: departs 11.02, still daylight time
    // there (-4). The second pass gives 00:00 with no day change of its own; the leg keeps
    // the first pass's date and mark.
    void departureDaylightSecondPass() {
        timesLeg("L", "11.03", "0100", -5, -5, 2.0, "0");
        usZone();
        TXComps2(s);
        const Leg& l = s.cur();
        QCOMPARE(
            (QStringList{l.LegDate, l.LocalDepText, l.DepDayMark, l.GMTDepText, l.TimeChangeText}),
            (QStringList{"11.02", "0000", "-D ", "0400", "-1"}));
    }

    // Every first and second day of a month moved back, and every last and second-last day
    // moved forward, by one and by two days; expected from the calendar of a common year.
    void dateMoves_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("moved");
        const auto text = [](const QDate& d) {  // m.dd, a written-back number: no trailing 0
            return d.day() % 10 == 0
                       ? QString("%1.%2").arg(d.month()).arg(d.day() / 10)
                       : QString("%1.%2").arg(d.month()).arg(d.day(), 2, 10, QChar('0'));
        };
        for (int m = 1; m <= 12; ++m) {
            const QDate first(2025, m, 1), last = first.addMonths(1).addDays(-1);
            for (const QDate& d : {first, first.addDays(1)}) {
                for (int days : {-1, -2}) {
                    const QString from = QString("%1.%2").arg(m).arg(d.day(), 2, 10, QChar('0'));
                    QTest::addRow("%s %d", qPrintable(from), days)
                        << from << days << text(d.addDays(days));
                }
            }
            for (const QDate& d : {last, last.addDays(-1)}) {
                for (int days : {1, 2}) {
                    QTest::addRow("%d.%d +%d", m, d.day(), days)
                        << QString("%1.%2").arg(m).arg(d.day()) << days << text(d.addDays(days));
                }
            }
        }
    }
    void dateMoves() {
        QFETCH(QString, date);
        QFETCH(int, days);
        QFETCH(QString, moved);
        // Landing 01:00 after 2 h (26 h) departs one (two) days earlier; takeoff 23:00 with
        // 2 h (26 h) arrives one (two) days later.
        const double hours = (days == 1 || days == -1) ? 2.0 : 26.0;
        timesLeg(days < 0 ? "L" : "T", date, days < 0 ? "0100" : "2300", 0, 0, hours, "0");
        TXComps2(s);
        QCOMPARE(s.cur().LegDate, moved);
    }
};

QTEST_APPLESS_MAIN(TestLegComputation)
#include "test_leg_computation.moc"
