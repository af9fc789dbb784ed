// Whole plans. Inserting and deleting legs: which leg each slot holds afterwards, the
// numbered lines of the legs that moved, the blank leg, the cleared slot and the refusals. A
// change of aircraft recomputes every leg of the plan in place, or changes nothing. The checks of
// plans built through the real leg computation (support/EquatorLegs.h) against findings worked
// out by hand.
//
// FAST.AC: rows 0..1, 500 kt and 2000 an hour throughout, usable fuel 13000, reserve 900. Taxi
// 10 min = Int(10 / 60 * 10000) / 10000 = 0.1666 h.
#include <QTemporaryDir>
#include <QtTest>

#include "calc/LegTexts.h"
#include "core/SeqFile.h"
#include "core/Text.h"
#include "planning/AircraftChange.h"
#include "planning/LegMoves.h"
#include "planning/TripChecks.h"
#include "report/PlanReports.h"
#include "support/CalcTest.h"
#include "support/EquatorLegs.h"

using namespace tx;
using namespace tx::test;

namespace {

const QByteArray kFast =
    " 1\r\nFast Jet\r\nline 2\r\n 500\r\n 500\r\n 2000\r\n 2000\r\n 13000\r\n 900\r\n";

// Teterboro (daylight -4) to London (+1), takeoff 2030 on 07/04, arriving the next day, so its
// leg date already reads 7.05.
void oneLegPlan(PlanState& s) {
    s.TaxiDefault = "10";
    s.ACFileName = s.ACFileLoaded = "OLD.AC", s.ACType = "Old Jet";
    s.NumLegs = 1;
    Leg& a = s.leg(1);
    a.TorL = "T", a.DateEntry = "07/04", a.LegDate = "7.05", a.DepTimeEntry = "2030";
    a.DepStd = "-5", a.DepDay = "-4", a.DepDSTStart = 3.14, a.DepDSTEnd = 11.07;
    a.DestStd = "0", a.DestDay = "1", a.DestDSTStart = 3.28, a.DestDSTEnd = 10.31;
    a.DistText = "  2991", a.WindText = "   -25", a.BurnText = "   9999", a.DestFBO = "Kept FBO";
    s.CurFBO = "Looked-up FBO";  // from the last airport lookup, not this leg's
}

}  // namespace

class TestLegMoves : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    PlanState s;

  private slots:
    void init() {
        s = PlanState();
        s.ProgramDir = dir.path();
        WriteFile(dir.filePath("FAST.AC"), kFast);
        oneLegPlan(s);
    }

    // ops: "i n" inserts before leg n, "d n" deletes leg n; only the last may be refused.
    // held: the leg each slot 1.. holds afterwards (0 the blank leg).
    void moves_data() {
        addColumns<int, QStringList, bool, QList<int>>("legs", "ops", "accepted", "held");
        const auto row = addRow<int, QStringList, bool, QList<int>>;
        QList<int> twenty;
        for (int k = 1; k <= 20; ++k) twenty << k;
        row("delete leg 1 of 3", 3, {"d 1"}, true, {2, 3});
        row("delete the last leg", 3, {"d 3"}, true, {1, 2});
        row("insert before leg 2", 3, {"i 2"}, true, {1, 0, 2, 3});
        row("a blank leg moved stays blank", 3, {"i 1", "i 1"}, true, {0, 0, 1, 2, 3});
        row("insert, delete the blank", 3, {"i 2", "d 2"}, true, {1, 2, 3});
        row("insert into 20 legs", 20, {"i 1"}, false, twenty);
        row("insert past the plan", 3, {"i 4"}, false, {1, 2, 3});
        row("delete leg 0", 3, {"d 0"}, false, {1, 2, 3});
    }
    void moves() {
        auto [legs, ops, held] = fetch<int, QStringList, QList<int>>("legs", "ops", "held");
        s = PlanState();
        for (int k = 1; k <= legs; ++k) {
            s.CurLeg = static_cast<std::int16_t>(k);
            Leg& leg = s.cur();
            leg.DepID = QString("K%1").arg(k), leg.DestID = QString("K%1").arg(k + 1);
            leg.FltTimeText = "00+20", leg.LegComments = QString("leg %1\nsecond line").arg(k);
            StoreLegLines(s);
            leg.DestFBO = QString("FBO %1").arg(k);
        }
        s.NumLegs = static_cast<std::int16_t>(legs);
        const PlanState before = s;
        // What a move leaves alone: the leg being entered, working values, the last lookup.
        s.CurLeg = 7, s.CurFBO = "looked up last";

        bool done = true;
        for (const QString& op : ops)
            done = op[0] == 'i' ? InsertBlankLeg(s, op.mid(2).toInt())
                                : DeleteLeg(s, op.mid(2).toInt());
        QTEST(done, "accepted");
        QCOMPARE(int(s.NumLegs), int(held.size()));
        QVERIFY(s.CurLeg == 7 && s.CurFBO == "looked up last");

        for (int i = 1; i <= s.NumLegs; ++i) {
            const Leg& leg = s.leg(i);
            const QString number = RightAlign(Str(i), 2);
            QCOMPARE(leg.SumLine1, QString(25, ' ') + "Leg " + Str(i));
            if (held[i - 1] == 0) {
                const QString blank = number + QString(76, ' ');
                QCOMPARE(QStringList({leg.PlanLine, leg.PilotLine1,
                                      leg.PilotLine2 + leg.SumLine2 + leg.DepID, leg.TorL}),
                         QStringList({blank, blank, "", "T"}));
                QVERIFY(leg.InclFBO == 1 && leg.InclCrewHotel == 0 && leg.InclPaxHotel == 0 &&
                        leg.InclLimo == 0 && leg.InclCatering == 0);
                continue;
            }
            // Only the number at the start of the numbered lines changes.
            const Leg& from = before.leg(held[i - 1]);
            QCOMPARE(leg.PlanLine, number + from.PlanLine.mid(2));
            QCOMPARE(leg.PilotLine1, number + from.PilotLine1.mid(2));
            QCOMPARE(leg.PilotLine2 + leg.SumLine2 + leg.SumLine7,
                     from.PilotLine2 + from.SumLine2 + from.SumLine7);
            QCOMPARE(leg.LegComments + leg.DestFBO, from.LegComments + from.DestFBO);
        }
        // A slot the plan left is as a new plan has it.
        if (s.NumLegs < legs) {
            const Leg& gone = s.leg(legs);
            QVERIFY(gone.PlanLine.isEmpty() && gone.DepID.isEmpty() && !gone.InclFBO);
        }
    }

    // 2991 / (500 - 25) = 6.2968 -> 6.29 h, burn 12580, 06+17; 900 + 12580 = 13480 is above
    // 13000: StopReq. Arrival 20.5 + 4 + 6.29 + 1 + 0.1666 = 31.9566: next day 0757, GMT
    // 30.9566 - 24 -> 0657, and the leg date 7.05 again, not 7.06, however often it is redone.
    void recomputesEveryLeg() {
        for (int pass = 0; pass < 2; ++pass) ChangeAircraft(s, "FAST.AC");
        QCOMPARE(s.ACType + '|' + s.ACFileName, "Fast Jet|FAST.AC");
        const Leg& l = s.leg(1);
        QCOMPARE(QStringList({NumText(Val(l.LegDate)), l.LocalArrText, l.GMTArrText, l.DayMark,
                              l.FltTimeText, l.BurnText, l.ReserveText, l.TotalReqText, l.DistText,
                              l.WindText, l.DestFBO})
                     .join('|'),
                 QString("7.05|0757|0657|+D |06+17|  12580|    900|StopReq|  2991|   -25|Kept "
                         "FBO"));
        // Every list line of the leg is rebuilt: planning, pilot and summary.
        QVERIFY(l.PlanLine.contains("0757+D  06+17") && l.PlanLine.endsWith("12580"));
        QVERIFY(l.PilotLine1.contains("  12580       900") &&
                l.PilotLine2.contains("06+17   0657 0757+D ") && l.PilotLine2.contains("StopReq"));
        QVERIFY(l.SumLine4.endsWith("at: 7:57am NEXT DAY !") &&
                l.SumLine6.contains("Flight Time = 06+17"));
        QVERIFY(s.CurLeg == 2 && s.TotalTimeText == " 6+17");
    }

    // A file that cannot be used, or a leg the new aircraft cannot fly: refused with the file's
    // name, and the plan and the old aircraft as they were.
    void refusedLeavesAllAsItWas_data() {
        addColumns<QString, QByteArray, QString>("name", "bytes", "fault");  // bytes: the file
        const auto row = addRow<const char*, QByteArray, const char*>;
        row("missing", "NONE.AC", QByteArray(), "missing");
        row("ends early", "SHORT.AC", kFast.left(30), "ends too early");
        row("not a plain name", "../FAST.AC", QByteArray(), "not a plain");
        row("headwind above the speed", "SLOW.AC", QByteArray(kFast).replace(" 500", " 20"),
            "leg 1 cannot be flown");
    }
    void refusedLeavesAllAsItWas() {
        auto [name, bytes, fault] = fetch<QString, QByteArray, QString>("name", "bytes", "fault");
        if (!bytes.isEmpty()) WriteFile(dir.filePath(name), bytes);
        const PlanState before = s;
        VerifyHolds(Thrown<FileError>([&] { ChangeAircraft(s, name); }), {name, fault});
        QVERIFY(s.ACFileName == before.ACFileName && s.ACType == before.ACType &&
                s.leg(1).BurnText == before.leg(1).BurnText && s.CurLeg == before.CurLeg);
    }

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
        s = EquatorPlan();
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

QTEST_GUILESS_MAIN(TestLegMoves)
#include "test_leg_moves.moc"
