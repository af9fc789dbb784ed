// The flight computations routine by routine, against figures worked out by hand: distances
// and courses on the navigation sphere (pi = 3.1415926, one degree of arc 60 n.mi.), daylight
// periods, date and time texts, speed, time and burn, times and day changes, sun times (official
// zenith, 90 deg 50 min; within a couple of minutes of published tables).
//
// Then three real legs computed end to end in the order the leg entry runs the routines, against
// figures worked out by hand from the airports' published coordinates and a sample jet: speed
// 200 kt in row 0 rising 30 kt a row to 450 kt from row 9; fuel flow 2000 an hour in row 0
// falling 50 a row to 1500 from row 10; reserve 1500; taxi 12 min (0.2 h); today 10 Jan 2025;
// and the column rules of the leg lines, on the first of them.
#include <QtTest>

#include "calc/GreatCircle.h"
#include "calc/LegComputation.h"
#include "calc/LegEnds.h"
#include "calc/LegTexts.h"
#include "calc/SunTimes.h"
#include "calc/TimeZones.h"
#include "core/StartupFiles.h"
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

class TestComputations : public QObject {
    Q_OBJECT

    PlanState s;

    // "T|L date time depZone destZone flightHours taxi", a zone as "standard/daylight" or as
    // one offset kept all year; the leg starts on standard time. Default daylight period.
    // Returns the flight hours.
    double timesLeg(const QString& entry) {
        const QStringList e = entry.split(' ');
        const QStringList dep = e[3].split('/'), dest = e[4].split('/');
        Leg& l = s.cur();
        l.TorL = e[0], l.LegDate = e[1];
        (e[0] == u"L" ? l.ArrTimeEntry : l.DepTimeEntry) = e[2];
        l.DepStd = dep[0], l.DepDay = dep.last(), l.DestStd = dest[0], l.DestDay = dest.last();
        l.DepZoneOffset = Val(dep[0]), l.DestZoneOffset = Val(dest[0]);
        s.TaxiDefault = e[6];
        l.DayChangeText = l.DayMark = l.DepDayChangeText = l.DepDayMark = "left over";
        return Val(e[5]);
    }

    // "code date offset, ...": a departure in each zone on each date, its offset in force put
    // in; standard and daylight -5/-4 unless EUR 1/2, AUS 10/11 or NZL 12/13.
    QString offsets(const QString& checks) {
        static const QHash<QString, QStringList> zones{
            {"EUR", {"1", "2"}}, {"AUS", {"10", "11"}}, {"NZL", {"12", "13"}}};
        QStringList got;
        for (const QString& check : checks.split(", ")) {
            const QStringList c = check.split(' ');
            Leg& leg = s.cur();
            leg.DepZoneCode = c[0], leg.LegDate = c[1];
            const QStringList zone = zones.value(c[0], {"-5", "-4"});
            leg.DepStd = zone[0], leg.DepDay = zone[1];
            TXDep(s);
            DepTZ(s);
            got << c[0] + ' ' + c[1] + ' ' + NumText(leg.DepZoneOffset.value_or(99));
        }
        return got.join(", ");
    }

    // "date lat lon" at an offset: "sunrise/sunset".
    QString sunAt(const QString& where, double offset, QDate today) {
        const QStringList w = where.split(' ');
        const SunriseSunset sun = SunTimes(w[0], w[1], w[2], offset, today);
        return sun.sunrise + u'/' + sun.sunset;
    }

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

    // The sample jet of the real legs, and the daylight periods of 2025.
    void realPlan() {
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

  private slots:
    // Aircraft rows 0..5: 250, 300, 350, 400, 420, 440 kt; fuel flows 900 .. 1400.
    void init() {
        s = PlanState();
        s.CurLeg = 2, s.ACRows = 5;
        for (int k = 0; k <= 5; ++k)
            s.ACSpeed[k] = std::min(250 + 50 * k, 340 + 20 * k), s.ACFuelFlow[k] = 900 + 100 * k;
    }

    // Ends "lat lon lat lon"; distance in n.mi., row (DistIndex) and course sector.
    void greatCircle_data() {
        addColumns<QString, QString>("ends", "want");
        // A due south course (c = -1) is taken as one degree off: 179 deg.
        QTest::newRow("due south") << u"N1100.0 W05000.0 N1000.0 W05000.0"_s << "60 1 18";
        // HalfPi is a hair short of a right angle: 2 deg 30 min computes to 149.9999 n.mi.,
        // shown as 150 but still row 1.
        QTest::newRow("2 deg 30 min") << u"N0000.0 W00000.0 N0230.0 W00000.0"_s << "150 1 0";
        // Sydney to Auckland: 19.421 deg -> 1165.3 (published 1164), course 105.84 deg.
        QTest::newRow("YSSY-NZAA") << u"S3356.8 E15110.6 S3700.5 E17447.5"_s << "1165 12 11";
        QTest::newRow("antipodes") << u"N0000.0 W00000.0 N0000.0 E18000.0"_s << "10800 108 9";
        // One point under two names: no NaN, no course to speak of.
        QTest::newRow("date line") << u"N1000.0 W18000.0 N1000.0 E18000.0"_s << "0 0 0";
    }
    void greatCircle() {
        QFETCH(QString, ends);
        const QStringList e = ends.split(' ');
        GCDep(s, e[0], e[1]);
        GCDest(s, e[2], e[3]);
        GCComps(s);
        QTEST(u"%1 %2 %3"_s.arg(s.DistNM).arg(s.DistIndex).arg(s.CourseSector), "want");
    }

    // "zone date" against standard -5, daylight -4: the period of the first row whose code
    // matches exactly, else 4.01 to 10.28.
    void offsetInForce() {
        s.TZRows = 3;
        s.TZCode = {"", "US", "au", "US"};
        s.TZDSTStart = {0, 3.09, 10.01, 1.01};
        s.TZDSTEnd = {0, 11.02, 3.31, 1.02};
        // au: across the year; AU: codes are case-sensitive, so the default period.
        const QString want = "US 3.09 -4, US 11.03 -5, au 12.15 -4, au 3.31 -4, AU 4.01 -4";
        QCOMPARE(offsets(want), want);
    }

    // The shipped TZONES.DAT (2027) and TZYEARS.DAT on a day planned: "code date offset in
    // force", each period's eve, first day, last day and the day after; then the note of a year
    // outside both. namStart: the first day of NAM as a user corrected it in TZONES.DAT.
    void periodOfTheLegsYear_data() {
        addColumns<QDate, double, QString, QString>("today", "namStart", "want", "note");
        const auto row = addRow<QDate, double, const char*, const char*>;
        row("2026", {2026, 1, 10}, 0,
            "NAM 3.07 -5, NAM 3.08 -4, NAM 11.01 -4, NAM 11.02 -5, EUR 3.28 1, EUR 3.29 2, "
            "EUR 10.25 2, EUR 10.26 1, AUS 10.03 10, AUS 10.04 11, NZL 9.26 12, NZL 9.27 13",
            "");
        row("2028", {2028, 1, 10}, 0,
            "NAM 3.11 -5, NAM 3.12 -4, EUR 3.25 1, EUR 3.26 2, AUS 4.02 11, AUS 4.03 10, "
            "NZL 4.02 13, NZL 4.03 12",
            "");
        row("2035", {2035, 1, 10}, 0,
            "NAM 3.10 -5, NAM 3.11 -4, EUR 10.28 2, EUR 10.29 1, AUS 10.06 10, AUS 10.07 11, "
            "NZL 9.29 12, NZL 9.30 13",
            "");
        // Planned in November 2026: January and April are 2027's, whose period ends on 4.04.
        row("across New Year", {2026, 11, 1}, 0, "AUS 1.10 11, AUS 4.04 11, AUS 4.05 10", "");
        row("user's 2027 counts", {2027, 1, 10}, 3.20, "NAM 3.15 -5", "");
        row("user's 2027 not for 2028", {2028, 1, 10}, 3.20, "NAM 3.15 -4", "");
        row("code without daylight that year", {2005, 1, 10}, 0, "IND 7.01 -5", "");
        row("before the table: 2000", {1999, 1, 10}, 0, "NAM 4.01 -5",
            "TZYEARS.DAT holds the daylight periods of 2000 to 2060 only: legs in 1999 are "
            "computed with the periods of 2000.");
        row("after the table: 2060", {2070, 6, 1}, 3.20, "NAM 3.15 -4",
            "TZYEARS.DAT holds the daylight periods of 2000 to 2060 only: legs in 2070 and 2071 "
            "are computed with the periods of 2060.");
    }
    void periodOfTheLegsYear() {
        auto [today, namStart, want, note] =
            fetch<QDate, double, QString, QString>("today", "namStart", "want", "note");
        s.ProgramDir = TARVEX_PROGRAM_DATA;
        ReadTimeZoneFile(s);
        ReadDaylightYearsFile(s);
        if (namStart != 0)
            s.TZDSTStart[std::find(s.TZCode.begin(), s.TZCode.end(), "NAM") - s.TZCode.begin()] =
                namStart;
        s.Today = today;
        QCOMPARE(offsets(want), want);
        QCOMPARE(NearestYearNote(s), note);
    }

    // Date and civil time texts of what was typed.
    void texts() {
        QStringList got;
        for (const QString in : {"12.05", " 7.04", "13.05", "0000", "1200", "1215", "2400"}) {
            s.cur().LegDate = in;
            DateFill(s);
            got << (in.contains(u'.') ? s.cur().DateText : CivTime(in));
        }
        QCOMPARE(got.join(u'|'), u"05Dec|04Jul|05|0:00am|12:00 noon|12:15pm|12:00 mid"_s);
    }

    // Row after the cap, ground speed, hours, [burn|reserve 1500|total, with 2800 usable: a
    // number up to the usable fuel, "StopReq" above]; an impossible leg leaves nothing that
    // looks computed.
    void speedTimeBurn_data() {
        addColumns<double, int, double, QString>("distNM", "row", "wind", "want");
        // Row 2: 330 kt -> 1.21 h, air 4.235 -> row 4: 400 kt -> 1.0 h; 1.0 x 1300.
        const auto row = addRow<double, int, double, const char*>;
        row("row by air distance", 400.0, 2, -20.0, "ok 2 400 1 [   1300|   1500|   2800]");
        // Wind 10.9 counts 10; row 25 is row 5: 450 kt -> 5.5555 -> 5.55 h; x 1400 = 7770.
        row("row within ACRows", 2500.0, 25, 10.9, "ok 5 450 5.55 [   7770|   1500|StopReq]");
        // -10.5 counts -11: 409 kt -> 1.0758 -> 1.07 h, air 4.49 -> row 4; x 1300 = 1391.
        row("negative wind floor", 440.0, 4, -10.5, "ok 4 409 1.07 [   1391|   1500|StopReq]");
        row("wind cancels the speed", 40.0, 0, -250.0, "refused 0 0 0 []");
        // Row 5 flies 4 n.mi. at 10 kt in 0.4 h; air distance 2.26 leads to row 2 (350 kt).
        row("refined row too slow", 4.0, 25, -430.0, "refused 5 -80 0 []");
    }
    void speedTimeBurn() {
        auto [distNM, row, wind] = fetch<double, int, double>("distNM", "row", "wind");
        s.DistNM = distNM, s.DistIndex = row, s.CourseSector = 27, s.Winds[27] = wind;
        s.cur().BurnText = "    999", s.ACMaxFuel = 2800;
        const SpeedTimeBurn flight = TXComps(s);
        const bool ok = flight.flies;
        if (ok) setReserveTexts(s, 1500, flight.fuelBurn);
        const Leg& l = s.cur();
        QTEST(u"%1 %2 %3 %4 [%5]"_s.arg(ok ? "ok" : "refused")
                  .arg(s.DistIndex)
                  .arg(flight.groundSpeed)
                  .arg(flight.flightHours)
                  .arg(ok ? l.BurnText + '|' + l.ReserveText + '|' + l.TotalReqText : l.BurnText),
              "want");
        if (!ok) QCOMPARE(flight.fuelBurn, 0.0);
    }

    // "T|L date time depZone destZone flightHours taxi": local departure, its mark, local
    // arrival, its mark, GMT out, GMT in, flight time, time change, leg date.
    void times_data() {
        QTest::addColumn<QString>("want");  // tagged by the leg
        // 15 + 1.99 = 16.99: 59.4 minutes past 16 are the next hour; 16.98 stays 16:59.
        QTest::newRow("T 6.15 1500 0 0 1.99 0") << "1500|   |1700|   |1500|1700|01+59|+0|6.15";
        QTest::newRow("T 6.15 1500 0 0 1.98 0") << "1500|   |1659|   |1500|1659|01+59|+0|6.15";
        // A 10-minute taxi is 0.1666 h, on the block arrival only: 15 + 1.01 + 0.1666 = 16.1766,
        // 10.6 minutes -> 1611.
        QTest::newRow("T 6.15 1500 0 0 1.01 10") << "1500|   |1611|   |1500|1611|01+01|+0|6.15";
        // 23 + 2 + 26 - 2 = 49 -> two days later 01:00: 12.31 -> 1.02; GMT in 51 -> 03:00.
        QTest::newRow("T 12.31 2300 -2 -2 26 0") << "2300|   |0100|+2D|0100|0300|26+00|+0|1.02";
        // 1 - 9 + 1 - 10 = -17 -> the day before, 07:00: 3.01 -> 2.28.
        QTest::newRow("T 3.01 0100 9 -10 1 0") << "0100|   |0700|-D |1600|1700|01+00|-19|2.28";
        // 1 - 14 + 0.5 - 12 = -24.5 -> two days before, 23:30: 3.02 -> 2.28; GMT -13 -> 11:00.
        QTest::newRow("T 3.02 0100 14 -12 0.5 0") << "0100|   |2330|-2D|1100|1130|00+30|-26|2.28";
        // 23 + 10 - 1 + 10 = 42 -> 18:00 "next day"; only earlier days move the date.
        QTest::newRow("L 5.10 2300 10 -10 1 0") << "1800|+D |2300|   |0800|0900|01+00|-20|5.10";
        // 1 - 26 = -25 -> two days before, 23:00: 3.01 -> 2.27.
        QTest::newRow("L 3.01 0100 0 0 26 0") << "2300|-2D|0100|   |2300|0100|26+00|+0|2.27";
        // Takeoff 23:00 on 3.31 into the first day of daylight time (4.01) at the destination:
        // its status of the new date is read for arrivals from 02:00 on only.
        QTest::newRow("T 3.31 2300 -5/-4 -5/-4 2.5 0")
            << "2300|   |0130|+D |0400|0630|02+30|+0|4.01";
        QTest::newRow("T 3.31 2300 -5/-4 -5/-4 3 0") << "2300|   |0300|+D |0400|0700|03+00|+1|4.01";
        // Landing 01:00 on 10.29 after 2 h: departs 10.28, still daylight time there (-4). The
        // second pass gives 00:00 with no day change of its own; the first pass's date and
        // mark stay.
        QTest::newRow("L 10.29 0100 -5/-4 -5/-4 2 0")
            << "0000|-D |0100|   |0400|0600|02+00|-1|10.28";
    }
    void times() {
        TXComps2(s, timesLeg(QTest::currentDataTag()));
        const Leg& l = s.cur();
        const QStringList got{l.LocalDepText, l.DepDayMark,     l.LocalArrText,
                              l.DayMark,      l.GMTDepText,     l.GMTArrText,
                              l.FltTimeText,  l.TimeChangeText, l.LegDate};
        QTEST(got.join(u'|'), "want");
        const QStringList marks{"   ", "+D ", "+2D", "-D ", "-2D"},
            said{"   ", " NEXT DAY !", " 2 DAYS HENCE !", " PREVIOUS DAY !", " 2 DAYS PRIOR !"};
        QCOMPARE(l.DayChangeText, said.value(marks.indexOf(l.DayMark)));
        QCOMPARE(l.DepDayChangeText, said.value(marks.indexOf(l.DepDayMark)));
    }

    // Every day of a common year moved one and two days either way, against the calendar: a
    // landing at 01:00 after 2 h (26 h) departs a day (two days) earlier, a takeoff at 23:00
    // after 2 h (26 h) arrives a day (two days) later. The new date is written back as a
    // number: 3.1 for 10 Mar.
    void everyDateMoved() {
        const auto typed = [](const QDate& d) {
            return u"%1.%2"_s.arg(d.month()).arg(d.day(), 2, 10, QChar(u'0'));
        };
        for (QDate d(2025, 1, 1); d.year() == 2025; d = d.addDays(1)) {
            for (int days : {-2, -1, 1, 2}) {
                const QString entry = days < 0 ? u"L %1 0100 0 0 %2 0"_s : u"T %1 2300 0 0 %2 0"_s;
                TXComps2(s, timesLeg(entry.arg(typed(d)).arg(24 * std::abs(days) - 22)));
                QString want = typed(d.addDays(days));
                if (want.endsWith(u'0')) want.chop(1);
                const QString move = typed(d) + u" %1: "_s.arg(days);
                QCOMPARE(move + s.cur().LegDate, move + want);
            }
        }
    }

    // "date lat lon" at an offset on a day; the same a day's offset lower, however far outside
    // 0..24 the computed times lie.
    void sunTimes_data() {
        addColumns<QString, double, QDate, QString>("where", "offset", "today", "times");
        const auto row = addRow<const char*, double, QDate, const char*>;
        const QDate jan10(2025, 1, 10);
        // +14 at 157 deg W: computed 54.6 h and 42.7 h, more than a day out.
        row("Kiritimati, +14", "1.15 N0151.9 W15721.0", 14.0, jan10, "0638/1839");
        row("polar night", "12.15 N7814.8 E01527.9", 1.0, jan10, "----/----");
        // The last sunrise before the polar night has no sunset on its date.
        row("Tromso, 27 Nov", "11.27 N6940.9 E01854.8", 1.0, jan10, "1109/----");
        // A leg date earlier in the year than today is next year's: 15 Mar 2028 (a leap year)
        // is day 75, whose times Denver has on 16 Mar of a common year.
        row("Denver, today", "3.15 N3951.7 W10440.4", -6.0, QDate(2027, 3, 15), "0710/1905");
        row("Denver, next year", "3.15 N3951.7 W10440.4", -6.0, QDate(2027, 6, 1), "0708/1906");
    }
    void sunTimes() {
        auto [where, offset, today, times] =
            fetch<QString, double, QDate, QString>("where", "offset", "today", "times");
        QCOMPARE(sunAt(where, offset, today) + '|' + sunAt(where, offset - 24, today),
                 times + '|' + times);
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
        realPlan();
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
        realPlan();
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

QTEST_APPLESS_MAIN(TestComputations)
#include "test_computations.moc"
