// Column rules of the leg lines; whole lines of real legs are in test_real_legs.
#include <QtTest>

#include "calc/LegTexts.h"
#include "calc/SunTimes.h"
#include "core/Text.h"

using namespace tx;

class TestLegTexts : public QObject {
    Q_OBJECT

    PlanState s;

  private slots:
    // A computed leg as the leg computation and the lookups leave it.
    void init() {
        s = PlanState();
        s.CurLeg = 3;
        Leg& l = s.cur();
        l.DateText = "15Mar";
        l.DepID = "KSFO";
        l.DepCity = "SAN FRANCISCO  ";
        l.DepState = "CA";
        l.DestID = "KLAX";
        l.DestCity = "LOS ANGELES";
        l.DestState = "CA";
        l.LocalDepText = "1200";
        l.LocalArrText = "0030";
        l.GMTDepText = "2000";
        l.GMTArrText = "0830";
        l.DepDayMark = l.DepDayChangeText = "   ";
        l.DayMark = "+D ";
        l.DayChangeText = " NEXT DAY !";
        l.FltTimeText = "12+30";
        l.TimeChangeText = "-3";
        l.DistText = "     85";
        l.WindText = "   -22";
        l.BurnText = "   1650";
        l.ReserveText = "   1500";
        l.TotalReqText = "StopReq";
        l.DepZoneOffset = l.DestZoneOffset = -7;
        l.DepSunrise = l.DestSunrise = "0717";
        l.DepSunset = l.DestSunset = "1917";
        l.DepFBONamePhone = "SIG  650-555-0106";
        l.DestFBONamePhone = "ATL  310-555-0107";
    }

    // "SAN FRANCISCO  (KSFO)" is 21 characters, cut to 20; the times stand under the
    // header's ETD and ETA whatever the names.
    void planLine_data() {
        QTest::addColumn<int>("legNo");
        QTest::addColumn<QString>("depCity");
        QTest::addColumn<QString>("line");
        QTest::newRow("long name") << 3 << "SAN FRANCISCO  "
                                   << " 3  15Mar SAN FRANCISCO  (KSFO 1200   LOS ANGELES(KLAX)    "
                                      "0030+D  12+30     85   1650";
        QTest::newRow("exactly 20, leg 12") << 12 << "ABCDEFGHIJKLMN"
                                            << "12  15Mar ABCDEFGHIJKLMN(KSFO) 1200   LOS ANGELES"
                                               "(KLAX)    0030+D  12+30     85   1650";
        QTest::newRow("empty") << 20 << ""
                               << "20  15Mar (KSFO)               1200   LOS ANGELES(KLAX)    "
                                  "0030+D  12+30     85   1650";
    }
    void planLine() {
        QFETCH(int, legNo);
        QFETCH(QString, depCity);
        QFETCH(QString, line);
        s.cur().DepCity = depCity;
        s.leg(legNo) = s.cur();
        s.CurLeg = static_cast<std::int16_t>(legNo);
        TXLegg(s);
        QCOMPARE(s.cur().PlanLine, line);
        const QString header = "Leg Date  Departure            ETD    Destination          ETA";
        QCOMPARE(Mid(line, header.indexOf("ETD") + 1, 4), QString("1200"));
        QCOMPARE(Mid(line, header.indexOf("ETA") + 1, 4), QString("0030"));
    }

    // The ID, zone and wind columns of the first pilot line, from its 15th character.
    void pilotColumns_data() {
        QTest::addColumn<QString>("depID");
        QTest::addColumn<double>("depOffset");
        QTest::addColumn<QString>("windText");
        QTest::addColumn<QString>("piece");
        QTest::newRow("ten hours west") << "PHNL" << -10.0 << "    15"
                                        << "PHNL  -10      15";
        QTest::newRow("half-hour zone") << "VIDP" << 5.5 << "     0"
                                        << "VIDP  5.5       0";
        QTest::newRow("zero offset") << "EGLL" << 0.0 << "   -40"
                                     << "EGLL    0     -40";
        QTest::newRow("three-letter ID") << "DEN" << -6.0 << "     5"
                                         << "DEN    -6       5";
        // As the column rules make them: a one-letter ID takes 3 characters, a wind of -100
        // shows its last three.
        QTest::newRow("one-letter ID") << "K" << -6.0 << "     5"
                                       << "K     -6       5";
        QTest::newRow("wind of -100") << "KDEN" << -6.0 << "  -100"
                                      << "KDEN   -6     100";
    }
    void pilotColumns() {
        QFETCH(QString, depID);
        QFETCH(double, depOffset);
        QFETCH(QString, windText);
        QFETCH(QString, piece);
        s.cur().DepID = depID;
        s.cur().DepZoneOffset = depOffset;
        s.cur().WindText = windText;
        Pilot(s);
        QCOMPARE(Mid(s.cur().PilotLine1, 15, piece.size()), piece);
    }

    // No sunrise or sunset: the lines keep their length and columns.
    void polarSunKeepsColumns() {
        s.cur().DepSunrise = s.cur().DepSunset = s.cur().DestSunset = NoSunTime;
        Pilot(s);
        QCOMPARE(s.cur().PilotLine1, QString(" 3    15Mar   KSFO   -7     -22    KLAX   -7      "
                                             "1650      1500     ----/----"));
        QCOMPARE(s.cur().PilotLine2, QString("        85    2000 1200    12+30   0830 0030+D    "
                                             "       StopReq     0717/----"));
    }

    void destinationServices_data() {
        QTest::addColumn<QString>("recalc");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("flagAfter");
        QTest::newRow("leg entry takes the looked-up ones") << ""
                                                            << "NEW"
                                                            << "";
        QTest::newRow("flag compared exactly") << "yes"
                                               << "NEW"
                                               << "yes";
        QTest::newRow("aircraft change keeps the leg's") << "Yes"
                                                         << "OLD"
                                                         << "";
    }
    void destinationServices() {
        QFETCH(QString, recalc);
        QFETCH(QString, kept);
        QFETCH(QString, flagAfter);
        Leg& l = s.cur();
        l.DestFBO = l.DestCrewHotel = l.DestPaxHotel = l.DestLimo = l.DestCatering = "OLD";
        s.CurFBO = s.CurCrewHotel = s.CurPaxHotel = s.CurLimo = s.CurCatering = "NEW";
        s.RecalcFlag = recalc;
        Pilot(s);
        QCOMPARE(
            (QStringList{l.DestFBO, l.DestCrewHotel, l.DestPaxHotel, l.DestLimo, l.DestCatering}),
            QStringList(5, kept));
        QCOMPARE(s.RecalcFlag, flagAfter);
        QCOMPARE(l.DestCityStateF, QString("LOS ANGELES, CA"));
    }

    void summaryLines() {
        Pilot(s);
        Summary(s);
        const Leg& l = s.cur();
        QCOMPARE((QStringList{l.SumLine1, l.SumLine2, l.SumLine3, l.SumLine4, l.SumLine5,
                              l.SumLine6, l.SumLine7}),
                 (QStringList{"                         Leg  3",
                              "15Mar    Depart: SAN FRANCISCO  , CA(KSFO) at: 12:00 noon   ",
                              "            FBO: SIG  650-555-0106",
                              "         Arrive: LOS ANGELES, CA(KLAX) at: 0:30am NEXT DAY !",
                              "            FBO: ATL  310-555-0107",
                              "         Flight Time = 12+30 : Time Change = -3",
                              "         Distance ... 85 n.mi."}));
    }

    void totals_data() {
        QTest::addColumn<QStringList>("flightTimes");
        QTest::addColumn<QStringList>("distances");
        QTest::addColumn<double>("totalDist");
        QTest::addColumn<QString>("totalTime");
        QTest::newRow("empty plan") << QStringList{} << QStringList{} << 0.0 << " 0+00";
        QTest::newRow("minutes carry") << QStringList{"02+45", "01+30"}
                                       << QStringList{"    293", "     85"} << 378.0 << " 4+15";
        QTest::newRow("two-digit hours") << QStringList{"12+30", "00+45"}
                                         << QStringList{"   3423", "   5026"} << 8449.0 << " 13+15";
        QTest::newRow("to a whole hour") << QStringList{"00+59", "00+59", "00+02"}
                                         << QStringList{"1", "2", "3"} << 6.0 << " 2+00";
        QTest::newRow("one-digit hours, uncomputed leg")
            << QStringList{"2+45", "", "01+05"} << QStringList{"10", "", "20"} << 30.0 << " 3+50";
    }
    void totals() {
        QFETCH(QStringList, flightTimes);
        QFETCH(QStringList, distances);
        QFETCH(double, totalDist);
        QFETCH(QString, totalTime);
        s.NumLegs = static_cast<std::int16_t>(flightTimes.size());
        for (int i = 0; i <= flightTimes.size(); ++i) {  // the leg past NumLegs is not counted
            s.leg(i + 1).FltTimeText = i < flightTimes.size() ? flightTimes[i] : "09+00";
            s.leg(i + 1).DistText = i < flightTimes.size() ? distances[i] : "999";
        }
        PlanTotals(s);
        QCOMPARE(s.TotalDist, totalDist);
        QCOMPARE(s.TotalTimeText, totalTime);
    }
};

QTEST_APPLESS_MAIN(TestLegTexts)
#include "test_leg_texts.moc"
