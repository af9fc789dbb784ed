// Inserting and deleting legs: which leg each slot holds afterwards, the numbered lines of the
// legs that moved, the blank leg, the cleared slot and the refusals.
#include <QtTest>

#include "calc/LegTexts.h"
#include "core/Text.h"
#include "planning/LegMoves.h"

using namespace tx;

namespace {

// A computed leg k: its own airports, times and comments, and the lines the builders make.
void planLeg(PlanState& s, int k) {
    s.CurLeg = static_cast<std::int16_t>(k);
    Leg& leg = s.cur();
    leg.TorL = "T";
    leg.DateText = "04Jul";
    leg.DepCity = "Aspen";
    leg.DepState = "CO";
    leg.DepID = QString("KAS%1").arg(k % 10);
    leg.DestCity = "Denver";
    leg.DestState = "CO";
    leg.DestID = QString("KDE%1").arg(k % 10);
    leg.LocalDepText = leg.GMTDepText = QString("%1").arg(1000 + k * 10);
    leg.LocalArrText = leg.GMTArrText = "1800";
    leg.DepDayMark = leg.DayMark = "   ";
    leg.FltTimeText = "00+20";
    leg.DistText = "    109";
    leg.LegComments = QString("leg %1\nline two").arg(k);
    leg.DestFBO = QString("FBO of leg %1").arg(k);
    leg.InclCrewHotel = k % 2;
    TXLegg(s);
    Pilot(s);
    Summary(s);
}

}  // namespace

class TestLegMoves : public QObject {
    Q_OBJECT
  private slots:
    // ops: "i n" inserts before leg n, "d n" deletes leg n; only the last may be refused.
    // held: what held 1.. hold afterwards, as the leg they came from (0 the blank leg).
    void moves_data() {
        QTest::addColumn<int>("legs");
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("held");
        auto row = [](const char* name, int legs, QStringList ops, bool accepted, QList<int> held) {
            QTest::newRow(name) << legs << ops << accepted << held;
        };
        row("delete leg 1 of 3", 3, {"d 1"}, true, {2, 3});
        row("delete leg 2 of 3", 3, {"d 2"}, true, {1, 3});
        row("delete the last leg", 3, {"d 3"}, true, {1, 2});
        row("delete the only leg", 1, {"d 1"}, true, {});
        row("insert before leg 2 of 3", 3, {"i 2"}, true, {1, 0, 2, 3});
        row("insert before leg 1", 3, {"i 1"}, true, {0, 1, 2, 3});
        row("a blank leg moved keeps its blank lines", 3, {"i 2", "i 2"}, true, {1, 0, 0, 2, 3});
        row("insert then delete the blank", 3, {"i 2", "d 2"}, true, {1, 2, 3});
        row("insert into 19 legs", 19, {"i 19"}, true,
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 19});
        row("insert into 20 legs", 20, {"i 1"}, false,
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
        row("insert after the last leg", 3, {"i 4"}, false, {1, 2, 3});
        row("delete leg 0", 3, {"d 0"}, false, {1, 2, 3});
        row("delete beyond the plan", 3, {"d 4"}, false, {1, 2, 3});
    }
    void moves() {
        QFETCH(int, legs);
        QFETCH(QStringList, ops);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, held);
        PlanState s, original;
        for (int k = 1; k <= legs; ++k) planLeg(original, k);
        original.NumLegs = static_cast<std::int16_t>(legs);
        s = original;
        // What a move must leave alone: the leg being entered, the working values, the services
        // last looked up.
        s.CurLeg = 7;
        s.CivTimeText = "kept";
        s.CurFBO = "looked up last";

        bool done = true;
        for (const QString& op : ops) {
            const int n = op.mid(2).toInt();
            done = op.startsWith('i') ? InsertBlankLeg(s, n) : DeleteLeg(s, n);
        }
        QCOMPARE(done, accepted);
        QCOMPARE(int(s.NumLegs), int(held.size()));
        QCOMPARE(int(s.CurLeg), 7);
        QCOMPARE(s.CivTimeText, QString("kept"));

        for (int i = 1; i <= int(held.size()); ++i) {
            const Leg& leg = s.leg(i);
            const QString number = RightAlign(Str(i), 2);
            const QString sum1 = QString(25, ' ') + "Leg " + Str(i);
            QCOMPARE(leg.SumLine1, sum1);
            if (held[i - 1] == 0) {
                QCOMPARE(leg.PlanLine, number + QString(76, ' '));
                QCOMPARE(leg.PilotLine1, leg.PlanLine);
                QVERIFY(leg.PilotLine2.isEmpty() && leg.SumLine2.isEmpty());
                QCOMPARE(leg.TorL, QString("T"));
                const QList<int> flags{*leg.InclFBO, *leg.InclCrewHotel, *leg.InclPaxHotel,
                                       *leg.InclLimo, *leg.InclCatering};
                QCOMPARE(flags, (QList<int>{1, 0, 0, 0, 0}));
                QVERIFY(leg.DepID.isEmpty() && leg.LegComments.isEmpty());
                continue;
            }
            const Leg& from = original.leg(held[i - 1]);
            // Only the number at the start of the two numbered lines changes.
            QCOMPARE(leg.PlanLine, number + from.PlanLine.mid(2));
            QCOMPARE(leg.PilotLine1, number + from.PilotLine1.mid(2));
            QCOMPARE(leg.PilotLine2, from.PilotLine2);
            QCOMPARE(leg.SumLine2, from.SumLine2);
            QCOMPARE(leg.SumLine7, from.SumLine7);
            QCOMPARE(leg.LegComments, from.LegComments);
            QCOMPARE(leg.DestFBO, from.DestFBO);
            QCOMPARE(leg.InclCrewHotel, from.InclCrewHotel);
        }
        // The slot after the plan is empty again when the plan shrank.
        const int after = int(held.size()) + 1;
        if (after <= legs) {
            const Leg& gone = s.leg(after);
            QVERIFY(gone.PlanLine.isEmpty() && gone.DepID.isEmpty() && gone.LegComments.isEmpty() &&
                    !gone.InclCrewHotel.has_value());
        }
    }
};

QTEST_MAIN(TestLegMoves)
#include "test_leg_moves.moc"
