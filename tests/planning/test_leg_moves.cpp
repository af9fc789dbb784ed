// Changes to a whole plan. Inserting and deleting legs: which leg each slot holds afterwards, the
// numbered lines of the legs that moved, the blank leg, the cleared slot and the refusals. A
// change of aircraft recomputes every leg of the plan in place, or changes nothing.
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
#include "support/CalcTest.h"

using namespace tx;

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
};

QTEST_GUILESS_MAIN(TestLegMoves)
#include "test_leg_moves.moc"
