// The checks of whole plans built through the real leg computation (support/EquatorLegs.h)
// against findings worked out by hand.
#include <QtTest>

#include "planning/LegMoves.h"
#include "planning/TripChecks.h"
#include "report/PlanReports.h"
#include "support/CalcTest.h"
#include "support/EquatorLegs.h"

using namespace tx;
using namespace tx::test;

class TestTripChecks : public QObject {
    Q_OBJECT
  private slots:
    // legs: "-" is a blank leg inserted there afterwards; limits: six durations, empty for the
    // defaults (ground 0:30, show 1:00, post-flight 0:15, rest 10:00, duty 14:00, flight 10:00);
    // flagged: the legs to mark.
    void checks_data() {
        addColumns<QStringList, QString, QString, QStringList>("legs", "limits", "flagged",
                                                               "findings");
        const auto row = addRow<QStringList, QString, QString, QStringList>;
        const QString rest = " - crew rest required", below = " is below the minimum 0:30";
        // In at 0942 GMT (0842 at -1), out again at 1012 GMT: exactly the minimum ground time.
        row("clean, ground time exactly the minimum",
            {"T 3.15 0800 W000 W010 900", "T 3.15 0912 W010 W020 900"}, "", "", {});
        // Leg 2 leaves W020 at 0900 GMT while leg 1 lands at W010 at 0942 GMT.
        row("not connected, departs before the arrival",
            {"T 3.15 0800 W000 W010 900", "T 3.15 0800 W020 W000 900"}, "", "2",
            {"Leg 2 W020-W000: departs W020, leg 1 arrives at W010 - legs do not connect",
             "Leg 2 W020-W000: departs 0800, leg 1 arrives 0842 - departs 0:42 before leg 1 "
             "arrives"});
        // 2400 n.mi.: burn 6000, one over the usable fuel with its reserve; duty 7:27.
        row("one leg, fuel one over", {"T 3.15 0800 W000 W040 901"}, "", "1",
            {"Leg 1 W000-W040: burn 6000 + reserve 901 exceeds usable fuel 6900 - fuel stop "
             "required"});
        // Leg 1 1800-0012+1 GMT, leg 2 0203-0645 GMT arriving the next day (+D): duty 1700 to
        // 0700, exactly 14:00; block 6:12 + 4:42. Leg 3 leaves at 1645 GMT after exactly 10:00
        // of rest; legs 3-5 1645-1827, 1857-0109, 0139-0751 GMT (+D): duty 1545 to 0806,
        // block 1:42 + 6:12 + 6:12. Burn 6000 + reserve 900 is exactly the usable fuel.
        const QStringList overnight{"T 3.15 1800 W000 W040 900", "T 3.15 2303 W040 W010 900",
                                    "T 3.16 1545 W010 W000 900", "T 3.16 1857 W000 W040 900",
                                    "T 3.16 2239 W040 W000 900"};
        row("across midnight, rest exactly the minimum", overnight, "", "1 2 3 4 5",
            {"Legs 1-2 W000-W010: block time 10:54 exceeds the flight-time limit 10:00" + rest,
             "Legs 3-5 W010-W000: duty 16:21 exceeds the duty limit 14:00" + rest,
             "Legs 3-5 W010-W000: block time 14:06 exceeds the flight-time limit 10:00" + rest});
        // Rest 11:00 makes one period, 1800 less 0:45 to 0751+2 plus 0:20; the turns of 0:30
        // fall short of 0:31.
        row("the same under other limits", overnight, "0:31 0:45 0:20 11:00 16:30 15:00",
            "1 2 3 4 5",
            {"Legs 1-5 W000-W000: duty 38:56 exceeds the duty limit 16:30" + rest,
             "Legs 1-5 W000-W000: block time 25:00 exceeds the flight-time limit 15:00" + rest,
             "Leg 4 W000-W040: departs 1857, leg 3 arrives 1827 - ground time 0:30 is below "
             "the minimum 0:31",
             "Leg 5 W040-W000: departs 2239, leg 4 arrives 2209 - ground time 0:30 is below "
             "the minimum 0:31"});
        // Takeoff times over the date line: 0800 on the 20th (+12) lands 1042 on the 19th
        // (-D), 2000-2142 GMT on the 19th; then 2212-2354 GMT (+D), 0024-0206 GMT (-D) and
        // 0220 GMT, 0:14 after. Duty 1900 to 0417: 9:17.
        row("across the date line by takeoff times",
            {"T 3.20 0800 E175 W175 900", "T 3.19 1112 W175 E175 900", "T 3.20 1224 E175 W175 900",
             "T 3.19 1520 W175 E175 900"},
            "", "4",
            {"Leg 4 W175-E175: departs 1520, leg 3 arrives 1506 - ground time 0:14" + below});
        // Landing times over the date line: 1154 on the 20th departs 1112 on the 19th (-D),
        // 2212-2354 GMT; 1502 on the 19th at -11 departs 1220 on the 20th at +12 (+D), 0020
        // GMT.
        row("across the date line by landing times",
            {"L 3.20 1154 W175 E175 900", "L 3.19 1502 E175 W175 900"}, "", "2",
            {"Leg 2 E175-W175: departs 1220, leg 1 arrives 1154 - ground time 0:26" + below});
        // Leg 3 departs 0:29 after leg 1 lands, but a blank leg 2 stands between them; leg 4
        // departs 1222 GMT, 0:29 after leg 3's 1153.
        row("blank leg inserted",
            {"T 3.15 0800 W000 W010 900", "-", "T 3.15 0911 W010 W020 900",
             "T 3.15 1122 W020 W010 900"},
            "", "4",
            {"Leg 4 W020-W010: departs 1122, leg 3 arrives 1053 - ground time 0:29" + below});
        // 2342 on 31 Dec at -1 is 0042 GMT on 1 Jan; 0005 on 1 Jan (next year's) is 0105 GMT.
        row("across New Year", {"T 12.31 2300 W000 W010 900", "T 1.01 0005 W010 W020 900"}, "", "2",
            {"Leg 2 W010-W020: departs 0005 01Jan, leg 1 arrives 2342 31Dec - ground time "
             "0:23" +
             below});
    }
    void checks() {
        auto [legs, limits] = fetch<QStringList, QString>("legs", "limits");
        PlanState s = EquatorPlan();
        for (const QString& l : legs)
            if (l != u"-") enterLeg(s, l);
        for (int i = 0; i < legs.size(); ++i)
            if (legs[i] == u"-") QVERIFY(InsertBlankLeg(s, i + 1));
        TripLimits set;
        const QStringList typed = limits.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < typed.size(); ++i) set.minutes[i] = TripLimitMinutes(typed[i]);

        const TripCheck c = CheckTrip(s, set);
        QStringList flagged;
        for (int i = 0; i < PlanState::Slots; ++i)
            if (c.flagged[i]) flagged << QString::number(i);
        QTEST(flagged.join(' '), "flagged");
        QTEST(c.texts(), "findings");
        for (const TripFinding& f : c.findings)  // the leg (or legs) its text names
            QVERIFY(f.text.startsWith(f.leg == f.lastLeg
                                          ? QString("Leg %1 ").arg(f.leg)
                                          : QString("Legs %1-%2 ").arg(f.leg).arg(f.lastLeg)));
    }

    // The block at the end of the reports: nothing without findings; a long finding goes on
    // two in; paper adds the margin and a bold heading.
    void checksBlock() {
        const QString words = "Leg 12 KTEB-LSZH: " + QString(50, 'x');
        QCOMPARE(ChecksBlock({}, true), ReportLines());
        QCOMPARE(
            ChecksBlock({"Leg 1: short", words + " then the end of it"}, false),
            (ReportLines{{"Checks"}, {"Leg 1: short"}, {words + " then"}, {"  the end of it"}}));
        QCOMPARE(ChecksBlock({"Leg 1: short"}, true),
                 (ReportLines{{"          Checks", true}, {"          Leg 1: short"}}));
    }
};

QTEST_GUILESS_MAIN(TestTripChecks)
#include "test_trip_checks.moc"
