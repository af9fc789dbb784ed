// The Edit menu on a typed plan: inserting and deleting legs with the lists and totals after
// them, the refusals, a leg opened for editing from the menu and by a double click, and an entry
// cancelled half-way.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "PlanningTest.h"
#include "planfile/PlanFile.h"
#include "windows/AppWindows.h"

using namespace tx;
using namespace tx::test;

class TestLegEditing : public QObject, PlanningWindow {
    Q_OBJECT

    QStringList planLines() const { return listLines(w->lboTX); }
    // The Edit menu and its three entries enabled.
    QString editEntries() const { return on("+mnuEdit +mnuEdiEdit +mnuEdiInsert +mnuEdiDel"); }
    // Return in every box as it stands (the services frame included), the wind the leg was
    // planned with, until the leg is completed.
    void reenter() {
        for (int n = 0; n < 12 && w->framePlanning->isVisible(); ++n)
            typeAndReturn(focusName() == "txtWind" ? "-18" : "");
    }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY((w = prog->showPlanning()) && enterThreeLegPlan(w));
        QCOMPARE(planLines(), kThreeLegLines);
    }
    void cleanup() { prog.reset(); }

    // After an insert or a delete on the leg clicked: the three lists, the totals, new entry
    // after the last leg, the Edit entries off (and doing nothing should they run on a leg that
    // is gone). A plan of 20 legs takes no blank leg.
    void insertAndDelete_data() {
        // twenty: the plan filled up to 20 legs first; plan: "line:number" per line listed, line
        // n of the three under that number, "-" a blank leg.
        addColumns<QString, int, bool, QString, QString>("entry", "row", "twenty", "plan",
                                                         "totals");
        addRow("delete leg 1", "mnuEdiDel", 0, false, "2:1 3:2", "218| 0+40");
        addRow("delete the last leg", "mnuEdiDel", 2, false, "1:1 2:2", "218| 0+40");
        addRow("insert before leg 2", "mnuEdiInsert", 1, false, "1:1 -:2 2:3 3:4", "327| 1+00");
        addRow("insert into 20 legs", "mnuEdiInsert", 1, true, "", "");
    }
    void insertAndDelete() {
        auto [entry, row, twenty, plan, totals] =
            fetch<QString, int, bool, QString, QString>("entry", "row", "twenty", "plan", "totals");
        QStringList lines;
        for (const QString& l : words(plan))
            lines << QString("%1").arg(l.section(':', 1).toInt(), 2) +
                         (l[0] == '-' ? QString(76, ' ')
                                      : kThreeLegLines[l[0].digitValue() - 1].mid(2));
        PlanState& s = prog->s;
        if (twenty) {
            for (int k = 4; k <= 20; ++k) s.leg(k) = s.leg(3);
            s.NumLegs = 20;
            w->RefillPlanLists();
            lines = planLines();
            totals = w->lblTXDist->text() + '|' + w->lblTXTime->text();
        }
        prog->platform.messages.clear();
        run(QString("lboTX:%1 ").arg(row) + entry);
        QCOMPARE(planLines() << w->lblTXDist->text() + '|' + w->lblTXTime->text(),
                 QStringList(lines) << totals);
        QCOMPARE(int(s.NumLegs), int(lines.size()));
        QVERIFY(!twenty || (prog->platform.messages.size() == 1 &&
                            prog->platform.messages[0].title == "Max of 20 Legs !!" &&
                            s.leg(21).PlanLine.isEmpty()));
        if (twenty) return;
        if (s.NumLegs < 3) QVERIFY(s.leg(3).PlanLine.isEmpty() && s.leg(3).DepID.isEmpty());
        // The view lists refilled: their lines, renumbered, are pinned in test_leg_moves.
        QCOMPARE(listLines(w->lboPilot).value(3 * s.NumLegs - 3) + '|' +
                     QString::number(w->lboSummary->count()) + '|' +
                     texts("txtLeg txtDepID txtDestID txtWind") + '|' + editEntries() +
                     on("cmdEnterComments"),
                 s.leg(s.NumLegs).PilotLine1 + QString("|%1|%2|%3|||00000")
                                                   .arg(8 * s.NumLegs)
                                                   .arg(s.NumLegs + 1)
                                                   .arg(s.leg(s.NumLegs).DestID));
        if (s.SelLeg > s.NumLegs) {
            for (QAction* a : {w->mnuEdiInsert, w->mnuEdiDel, w->mnuEdiEdit}) {
                a->setEnabled(true);  // off, but reached anyway
                a->trigger();
            }
            QVERIFY(planLines() == lines && w->framePlanning->isHidden());
        }
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        QCOMPARE(w->txtLeg->text(), QString::number(s.NumLegs + 1));
    }

    // A leg opened for editing departs from its predecessor's destination, changed meanwhile;
    // entered again it is recomputed from there, and the leg after it is not.
    void editAfterPredecessorChanged() {
        PlanState& s = prog->s;
        s.leg(1).DestID = "KTEB";
        s.leg(1).DestCityStateF = "Teterboro, NJ";
        run("lboTX:1 mnuEdiEdit");
        QCOMPARE(on("framePlanning cmdContinuePlanning") + editEntries() +
                     texts("@ txtLeg txtDate txtDepID txtDepCity"),
                 QString("100000txtLeg|2|07/04|KTEB|Teterboro, NJ"));
        reenter();
        QCOMPARE(
            planLines().value(1).left(59) + '|' + planLines().value(2) + '|' + w->txtLeg->text(),
            " 2  04Jul Teterboro(KTEB)      1200   Denver(KDEN)         |" + kThreeLegLines[2] +
                "|4");
    }

    // The comments asked for after an edit belong to the leg entered, not to the one clicked.
    void commentsAfterEditingAnotherLeg() {
        PlanState& s = prog->s;
        s.leg(2).LegComments = "Two";
        s.leg(3).LegComments = "Three";
        run("yes lboTX:1 mnuEdiEdit 3");
        reenter();
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Three"));
        w->txtLegComments->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->txtLegComments, " more");
        QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
        QCOMPARE(s.leg(3).LegComments + '|' + s.leg(2).LegComments, QString("Three more|Two"));
    }

    // Steps (runSteps) and then Cancel or Escape: every leg, the one beyond the plan too, and
    // the list are as before the entry began.
    void cancelledEntryChangesNothing_data() {
        addColumns<QString, QString>("steps", "key");
        addRow("leg 2 edited, cancelled at the wind", "lboTX:1 mnuEdiEdit . . 12/30 2300 . . .",
               "cmdLegCancel");
        addRow("leg 2 edited, Escape at the reserve", "lboTX:1 mnuEdiEdit . l 12/30 2300 . . . -25",
               "Escape");
        addRow("new leg, cancelled at the reserve",
               "cmdContinuePlanning . . 07/06 1000 . kden . 12", "cmdLegCancel");
        addRow("new leg turned into leg 1, Escape at the time", "cmdContinuePlanning 1 l 07/06",
               "Escape");
    }
    void cancelledEntryChangesNothing() {
        auto [steps, key] = fetch<QString, QString>("steps", "key");
        const auto legs = [this] {  // every value of legs 1 to 4 as a plan file holds them
            PlanState s = prog->s;
            s.NumLegs = 4;
            WritePlanFile(s, prog->dir(), "legs");
            return prog->readFile("legs.tx");
        };
        const QByteArray before = legs();
        run(steps);
        QVERIFY(w->framePlanning->isVisible());
        run(key);
        QVERIFY(w->framePlanning->isHidden() && prog->s.NumLegs == 3);
        QCOMPARE(legs(), before);
        QCOMPARE(planLines(), kThreeLegLines);
    }

    // A double click opens the leg of the row for editing; entered again (or cancelled) it comes
    // back to the list it was opened from, that leg selected and the view's buttons usable even
    // when its comment frame was open.
    void doubleClickEdits_data() {
        // commentsOpen: the view's comment frame open, and the edit cancelled.
        addColumns<QString, int, int, bool>("listName", "row", "leg", "commentsOpen");
        addRow("planning page", "lboTX", 2, 3, false);
        addRow("pilot view", "lboPilot", 5, 2, false);
        addRow("summary view", "lboSummary", 16, 3, false);
        addRow("pilot view, comments open", "lboPilot", 0, 1, true);
    }
    void doubleClickEdits() {
        auto [listName, row, leg, commentsOpen] =
            fetch<QString, int, int, bool>("listName", "row", "leg", "commentsOpen");
        auto* l = w->findChild<QListWidget*>(listName);
        const bool pilot = l == w->lboPilot;
        runSteps(w, prog->platform,
                 QString(pilot                ? "mnuViePilot "
                         : l == w->lboSummary ? "mnuVieSummary "
                                              : "") +
                     (commentsOpen ? "cmdPilotComments " : "") + listName +
                     "::" + QString::number(row));
        QCOMPARE(on("framePilot frameSummary framePlanning mnufil +mnufil") + texts("txtLeg @"),
                 "00110" + QString::number(leg) + "|txtLeg");
        if (commentsOpen)
            QTest::mouseClick(w->cmdLegCancel, Qt::LeftButton);
        else
            reenter();
        QCOMPARE(planLines(), kThreeLegLines);
        QVERIFY(l != w->lboTX || focusName() == "cmdContinuePlanning");
        if (l == w->lboTX) return;
        QVERIFY(l->isVisible() && focusName() == listName && prog->s.FmtSelLeg == leg);
        QCOMPARE(l->currentRow(), pilot ? 3 * leg - 2 : 8 * leg - 1);
        QCOMPARE(on("+cmdPExitToPlanPage +cmdSummaryFormat +cmdPSave framePilotComments") +
                     on("cmdPilotComments"),
                 QString("1110") + (pilot ? "1" : "0"));
    }
};

QTEST_MAIN(TestLegEditing)
#include "test_leg_editing.moc"
