// Three real legs computed end to end in the order the leg entry runs the routines, against
// figures worked out by hand from the airports' published coordinates (one degree of arc is
// 60 n.mi.) and a sample jet: speed 200 kt in row 0 rising 30 kt a row to 450 kt from row 9;
// fuel flow 2000 an hour in row 0 falling 50 a row to 1500 from row 10; reserve 1500; taxi
// 12 min (0.2 h); today 10 Jan 2025. Then the column rules of the leg lines, on the first of
// them.
#include <QtTest>

#include "calc/LegComputation.h"
#include "calc/LegEnds.h"
#include "calc/LegTexts.h"
#include "calc/SunTimes.h"
#include "calc/TimeZones.h"
#include "core/Text.h"
#include "planning/StoredWinds.h"
#include "support/CalcTest.h"

using namespace tx;
using namespace Qt::StringLiterals;

namespace {

// city, state, standard, daylight, zone code (CYYT's with a trailing blank, as a database
// field may hold it), FBO, latitude, longitude
const QHash<QString, QStringList> Airports{
    {"KDEN", {"DENVER", "CO", "-7", "-6", "US", "SIG  303-555-0101", "N3951.7", "W10440.4"}},
    {"KORD", {"CHICAGO", "IL", "-6", "-5", "US", "ATL  773-555-0102", "N4158.7", "W08754.5"}},
    {"EGLL", {"LONDON", "UK", "0", "1", "EU", "HAR  44-20-555-0103", "N5128.6", "W00027.6"}},
    {"KBOS", {"BOSTON", "MA", "-5", "-4", "US", "SIG  617-555-0104", "N4221.8", "W07100.4"}},
    {"CYYT", {"ST. JOHN'S", "NL", "-3.5", "-2.5", "NF ", "PAL  709-555", "N4737.2", "W05245.1"}},
};

}  // namespace

class TestRealLegs : public QObject {
    Q_OBJECT

    PlanState s;

    void lookUp(const QString& id, bool dep) {
        using F = QString Leg::*;
        static const F fields[2][7] = {
            {&Leg::DepID, &Leg::DepCity, &Leg::DepState, &Leg::DepStd, &Leg::DepDay,
             &Leg::DepZoneCode, &Leg::DepFBONamePhone},
            {&Leg::DestID, &Leg::DestCity, &Leg::DestState, &Leg::DestStd, &Leg::DestDay,
             &Leg::DestZoneCode, &Leg::DestFBONamePhone}};
        const QStringList a = QStringList{id} + Airports.value(id);
        for (int i = 0; i < 7; ++i) s.cur().*fields[dep ? 0 : 1][i] = a[i];
        (dep ? DepartureEnd : DestinationEnd)(s, a[7], a[8]);
    }

    // "leg T|L date time from to": airports, proposed wind accepted, reserve, lines.
    void enterLeg(const QString& entry) {
        const QStringList e = entry.split(' ');
        s.CurLeg = static_cast<std::int16_t>(e[0].toInt());
        Leg& leg = s.cur();
        leg.TorL = e[1], leg.LegDate = e[2];
        (e[1] == u"L" ? leg.ArrTimeEntry : leg.DepTimeEntry) = e[3];
        DateFill(s);
        lookUp(e[4], true);
        lookUp(e[5], false);
        ChooseWindTable(s);
        const double wind = ScaledWind(s);
        s.Winds[s.CourseSector] = wind;
        leg.WindText = RightAlign(Str(wind), 6);
        const SpeedTimeBurn flight = TXComps(s);
        QVERIFY(flight.flies);
        setReserveTexts(s, 1500, flight.fuelBurn);
        TXComps2(s, flight.flightHours);
        StoreLegLines(s);
    }

  private slots:
    void init() {
        s = PlanState();
        s.ACRows = 40;
        for (int k = 0; k <= 40; ++k) {
            s.ACSpeed[k] = std::min(200 + 30 * k, 450);
            s.ACFuelFlow[k] = std::max(2000 - 50 * k, 1500);
        }
        s.ACMaxFuel = 14000;
        s.TZRows = 3, s.TZCode = {"", "US", "EU", "NF"};  // the daylight periods of 2025
        s.TZDSTStart = {0, 3.09, 3.30, 3.09};
        s.TZDSTEnd = {0, 11.02, 10.26, 11.02};
        s.TaxiDefault = "12", s.Today = QDate(2025, 1, 10);
    }

    // Tagged by the entry; LegDate after, PlanLine, PilotLine1, PilotLine2, SumLine2, SumLine4,
    // SumLine6.
    void leg_data() {
        QTest::addColumn<QStringList>("texts");

        // Denver to Chicago, takeoff 08:30 on 15 March (both ends on daylight time).
        // Central angle 12.822 deg -> 769.3 n.mi., row 8; course 75.07 deg -> sector 8; high
        // latitudes (mean 40): +14 kt. Row 8: 454 kt -> 1.69 h, air 7.4 -> row 7: 424 kt ->
        // 1.8137 -> 1.81 h (01+49); burn 1.81 x 1650 = 2986.5 -> 2986; total 4486.
        // Arrival 8.5 + 6 + 1.81 - 5 + 0.2 = 11.51 -> 11:31; GMT 14:30 / 16:31.
        // Sun (day 74): Denver 07:10 / 19:05 at -6, Chicago 07:03 / 18:58 at -5
        // (published 07:09 / 19:07 and 07:04 / 19:00).
        QTest::newRow("1 T 3.15 0830 KDEN KORD") << QStringList{
            "3.15",
            " 1  15Mar DENVER(KDEN)         0830   "
            "CHICAGO(KORD)        1131    01+49    769   2986",
            " 1    15Mar   KDEN   -6      14    KORD   -5      2986      1500     0710/1905",
            "       769    1430 0830    01+49   1631 1131                4486     0703/1858",
            "15Mar    Depart: DENVER, CO(KDEN) at: 8:30am   ",
            "         Arrive: CHICAGO, IL(KORD) at: 11:31am   ",
            "         Flight Time = 01+49 : Time Change = +1"};

        // Chicago to London, landing 07:00 on 1 February: departs the evening before, the date
        // rolling back across the month end. Central angle 57.051 deg -> 3423 n.mi., row 34;
        // course 47.86 deg -> sector 5, +7 kt; 457 kt -> 7.4901 -> 7.49 h (07+29); burn
        // 7.49 x 1500 = 11235; total 12735. Departure 7 - 6 - 7.49 - 0 - 0.2 = -6.69 -> 17.31
        // the day before: 17:19 on 31 Jan (standard time still); GMT 23:19 / 07:00.
        // Sun on 1 Feb: Chicago 07:04 / 17:06, London 07:40 / 16:51.
        QTest::newRow("2 L 2.01 0700 KORD EGLL") << QStringList{
            "1.31",
            " 2  01Feb CHICAGO(KORD)        1719-D "
            "LONDON(EGLL)         0700    07+29   3423  11235",
            " 2    01Feb   KORD   -6       7    EGLL    0     11235      1500     0704/1706",
            "      3423    2319 1719-D  07+29   0700 0700               12735     0740/1651",
            "01Feb    Depart: CHICAGO, IL(KORD) at: 5:19pm PREVIOUS DAY !",
            "         Arrive: LONDON, UK(EGLL) at: 7:00am   ",
            "         Flight Time = 07+29 : Time Change = +6"};

        // Boston to St. John's (half-hour zone), takeoff 23:00 on 8 March: arrives on the 9th,
        // the first day of daylight time there, after 02:00, so a second pass takes -2.5 for
        // -3.5. Central angle 13.897 deg -> 834 n.mi., row 8; course 61.53 deg -> sector 6,
        // +11 kt; 451 kt -> 1.84 h (01+50); burn 1.84 x 1600 = 2944. Arrival 23 + 5 + 1.84
        // - 2.5 + 0.2 = 27.54 -> 03:32 next day; GMT 04:00 / 06:02. Sun on the 8th with the
        // offsets of the 8th: Boston 06:08 / 17:42, St. John's 06:28 / 17:55.
        QTest::newRow("3 T 3.08 2300 KBOS CYYT") << QStringList{
            "3.09",
            " 3  08Mar BOSTON(KBOS)         2300   "
            "ST. JOHN'S(CYYT)     0332+D  01+50    834   2944",
            " 3    08Mar   KBOS   -5      11    CYYT -2.5      2944      1500     0608/1742",
            "       834    0400 2300    01+50   0602 0332+D              4444     0628/1755",
            "08Mar    Depart: BOSTON, MA(KBOS) at: 11:00pm   ",
            "         Arrive: ST. JOHN'S, NL(CYYT) at: 3:32am NEXT DAY !",
            "         Flight Time = 01+50 : Time Change = +2.5"};
    }
    void leg() {
        QFETCH(QStringList, texts);
        enterLeg(QTest::currentDataTag());
        const Leg& l = s.cur();
        QCOMPARE((QStringList{l.LegDate, l.PlanLine, l.PilotLine1, l.PilotLine2, l.SumLine2,
                              l.SumLine4, l.SumLine6}),
                 texts);
    }

    // A two-digit leg, a name cut to 20 characters, a three-letter ID, a zone of -10 and polar
    // sun times keep every column: the times still stand under the planning page header's ETD
    // (column 32) and ETA (column 60).
    void lineColumns() {
        enterLeg(u"1 T 3.15 0830 KDEN KORD"_s);
        s.leg(12) = s.cur();
        s.CurLeg = 12;
        Leg& l = s.cur();
        l.DepCity = "COLORADO SPRINGS", l.DepID = "DEN", l.DepZoneOffset = -10;
        l.DepSunrise = l.DepSunset = l.DestSunset = NoSunTime;
        StoreLegLines(s);
        const QStringList want{
            "12  15Mar COLORADO SPRINGS(DEN 0830   "
            "CHICAGO(KORD)        1131    01+49    769   2986",
            "12    15Mar   DEN   -10      14    KORD   -5      2986      1500     ----/----",
            "       769    1430 0830    01+49   1631 1131                4486     0703/----"};
        QCOMPARE((QStringList{l.PlanLine, l.PilotLine1, l.PilotLine2}), want);
    }
};

QTEST_APPLESS_MAIN(TestRealLegs)
#include "test_real_legs.moc"
