// Inserting and deleting legs: which leg each slot holds afterwards, the numbered lines of the
// legs that moved, the blank leg, the cleared slot and the refusals.
#include <QtTest>

#include "calc/LegTexts.h"
#include "core/Text.h"
#include "planning/LegMoves.h"
#include "support/CalcTest.h"

using namespace tx;

class TestLegMoves : public QObject {
    Q_OBJECT
  private slots:
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
        PlanState s;
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
                QCOMPARE(leg.PlanLine, number + QString(76, ' '));
                QCOMPARE(leg.PilotLine1, leg.PlanLine);
                QVERIFY(leg.PilotLine2.isEmpty() && leg.SumLine2.isEmpty() && leg.DepID.isEmpty());
                QCOMPARE(leg.TorL, QString("T"));
                QCOMPARE((QList<int>{*leg.InclFBO, *leg.InclCrewHotel, *leg.InclPaxHotel,
                                     *leg.InclLimo, *leg.InclCatering}),
                         (QList<int>{1, 0, 0, 0, 0}));
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
};

QTEST_MAIN(TestLegMoves)
#include "test_leg_moves.moc"
