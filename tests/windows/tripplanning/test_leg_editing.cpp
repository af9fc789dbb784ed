// The Edit menu on a typed plan: deleting and inserting legs with the lists and totals after
// them, the refusal at 20 legs and of a selection that is gone, and a leg opened for editing from
// the menu and by a double click in each list.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "ThreeLegPlan.h"
#include "windows/AppWindows.h"

using namespace tx;
using namespace tx::test;

class TestLegEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    void clickRow(QListWidget* l, int row) {
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }

    QStringList planLines() const {
        QStringList lines;
        for (int r = 0; r < w->lboTX->count(); ++r) lines << w->lboTX->item(r)->text();
        return lines;
    }

    bool editEntriesOff() const {
        return !w->mnuEdit->menuAction()->isEnabled() && !w->mnuEdiEdit->isEnabled() &&
               !w->mnuEdiInsert->isEnabled() && !w->mnuEdiDel->isEnabled();
    }

    // Line `line` of the plan (1-based) under another leg number.
    static QString renumbered(int line, int number) {
        return QString("%1").arg(number, 2) + kThreeLegLines[line - 1].mid(2);
    }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
        QVERIFY(enterThreeLegPlan(w));
        QCOMPARE(planLines(), kThreeLegLines);
        QCOMPARE(w->lblTXDist->text() + '|' + w->lblTXTime->text(), QString("327| 1+00"));
    }
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // The lists, totals and next leg after an insert or a delete on the leg clicked.
    void insertAndDelete_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("totals");
        QTest::newRow("delete leg 1")
            << "mnuEdiDel" << 0 << QStringList{renumbered(2, 1), renumbered(3, 2)} << "218| 0+40";
        QTest::newRow("delete the last leg")
            << "mnuEdiDel" << 2 << QStringList{kThreeLegLines[0], kThreeLegLines[1]} << "218| 0+40";
        QTest::newRow("insert before leg 2")
            << "mnuEdiInsert" << 1
            << QStringList{kThreeLegLines[0], " 2" + QString(76, ' '), renumbered(2, 3),
                           renumbered(3, 4)}
            << "327| 1+00";
    }
    void insertAndDelete() {
        QFETCH(QString, entry);
        QFETCH(int, row);
        QFETCH(QStringList, lines);
        QFETCH(QString, totals);
        const PlanState& s = prog->s;
        clickRow(w->lboTX, row);
        QVERIFY(w->mnuEdiDel->isEnabled() && w->mnuEdiInsert->isEnabled());
        w->findChild<QAction*>(entry)->trigger();
        QCOMPARE(planLines(), lines);
        QCOMPARE(int(s.NumLegs), int(lines.size()));
        QCOMPARE(w->lblTXDist->text() + '|' + w->lblTXTime->text(), totals);
        // The other two lists follow, numbers and all.
        QCOMPARE(w->lboPilot->count(), 3 * int(lines.size()));
        QCOMPARE(w->lboSummary->count(), 8 * int(lines.size()));
        for (int k = 1; k <= s.NumLegs; ++k) {
            QCOMPARE(w->lboPilot->item(3 * k - 3)->text().left(2), QString("%1").arg(k, 2));
            QVERIFY(w->lboSummary->item(8 * k - 8)->text().endsWith("Leg  " + QString::number(k)));
        }
        // The slot the plan left is empty.
        if (s.NumLegs < 3) QVERIFY(s.leg(3).PlanLine.isEmpty() && s.leg(3).DepID.isEmpty());
        // New entry goes on after the last leg, from its destination.
        QCOMPARE(w->txtLeg->text(), QString::number(s.NumLegs + 1));
        QCOMPARE(int(s.CurLeg), s.NumLegs + 1);
        QCOMPARE(w->txtDepID->text(), s.leg(s.NumLegs).DestID);
        QVERIFY(w->txtDestID->text().isEmpty() && w->txtWind->text().isEmpty());
        QVERIFY(editEntriesOff() && w->cmdEnterComments->isHidden());
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        QCOMPARE(w->txtLeg->text(), QString::number(s.NumLegs + 1));
    }

    // A plan of 20 legs takes no blank leg: a message, and nothing moves.
    void insertIntoTwentyLegs() {
        PlanState& s = prog->s;
        for (int k = 4; k <= 20; ++k) s.leg(k) = s.leg(3);
        s.NumLegs = 20;
        w->RefillPlanLists();
        prog->platform.messages.clear();
        clickRow(w->lboTX, 5);
        w->mnuEdiInsert->trigger();
        QCOMPARE(prog->platform.messages.size(), 1);
        QCOMPARE(prog->platform.messages[0].title, QString("Max of 20 Legs !!"));
        QCOMPARE(int(s.NumLegs), 20);
        QCOMPARE(w->lboTX->count(), 20);
        QCOMPARE(w->lboTX->item(5)->text(), kThreeLegLines[2]);
        QVERIFY(s.leg(21).PlanLine.isEmpty());
    }

    // After the last leg is deleted the selection points past the plan: the entries are off, and
    // should they run anyway they change nothing.
    void selectionGoneWithItsLeg() {
        const PlanState& s = prog->s;
        clickRow(w->lboTX, 2);
        w->mnuEdiDel->trigger();
        QCOMPARE(int(s.SelLeg), 3);
        QVERIFY(editEntriesOff());
        w->EnableMenus();  // as closing a frame does
        QVERIFY(!w->mnuEdiEdit->isEnabled() && !w->mnuEdiInsert->isEnabled());
        w->mnuEdiInsert_Click();
        w->mnuEdiDel_Click();
        w->mnuEdiEdit_Click();
        QCOMPARE(int(s.NumLegs), 2);
        QCOMPARE(planLines(), kThreeLegLines.mid(0, 2));
        QVERIFY(w->framePlanning->isHidden());
    }

    // A leg opened for editing departs from its predecessor's destination, which was changed
    // meanwhile; entered again it is recomputed from there, and the leg after it is not.
    void editAfterPredecessorChanged() {
        PlanState& s = prog->s;
        s.leg(1).DestID = "KTEB";
        s.leg(1).DestCityStateF = "Teterboro, NJ";
        clickRow(w->lboTX, 1);
        w->mnuEdiEdit->trigger();
        QVERIFY(w->framePlanning->isVisible() && w->cmdContinuePlanning->isHidden());
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(w->txtLeg->text(), QString("2"));
        QCOMPARE(w->framePlanning->title(), QString("Leg #  2"));
        QCOMPARE(w->txtDate->text(), QString("07/04"));
        QCOMPARE(w->txtDepID->text(), QString("KTEB"));
        QCOMPARE(w->txtDepCity->text(), QString("Teterboro, NJ"));
        QCOMPARE(s.leg(2).DepID, QString("KTEB"));
        QVERIFY(editEntriesOff());
        // Leg, T, date, time, departure, destination (Denver: its services), wind, reserve.
        for (const char* entry : {"", "", "", "", "", "", "", "0", ""}) typeAndReturn(entry);
        QVERIFY(w->framePlanning->isHidden());
        QVERIFY(w->lboTX->item(1)->text().startsWith(
            " 2  04Jul Teterboro(KTEB)      1200   Denver(KDEN)         "));
        QCOMPARE(w->lboTX->item(2)->text(), kThreeLegLines[2]);
        QCOMPARE(int(s.NumLegs), 3);
        QCOMPARE(w->txtLeg->text(), QString("4"));
    }

    // The comments asked for after an edit belong to the leg entered, not to the one clicked.
    void commentsAfterEditingAnotherLeg() {
        PlanState& s = prog->s;
        s.leg(2).LegComments = "Two";
        s.leg(3).LegComments = "Three";
        prog->platform.answers = {Platform::Answer::Yes};
        clickRow(w->lboTX, 1);
        w->mnuEdiEdit->trigger();
        typeAndReturn("3");
        for (int n = 0; n < 12 && w->framePlanning->isVisible(); ++n)
            typeAndReturn(focusName() == "txtWind" ? "-18" : "");
        QVERIFY(w->frameLegComments->isVisible());
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Three"));
        w->txtLegComments->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->txtLegComments, " more");
        QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
        QCOMPARE(s.leg(3).LegComments, QString("Three more"));
        QCOMPARE(s.leg(2).LegComments, QString("Two"));
    }

    // A double click that leaves a view while its comment frame is open: the view comes back
    // with its buttons usable.
    void doubleClickWithCommentsOpen() {
        w->mnuViePilot->trigger();
        QTest::mouseClick(w->cmdPilotComments, Qt::LeftButton);
        QVERIFY(!w->cmdPExitToPlanPage->isEnabled());
        clickRow(w->lboPilot, 0);
        QTest::mouseDClick(w->lboPilot->viewport(), Qt::LeftButton, {},
                           w->lboPilot->visualItemRect(w->lboPilot->item(0)).center());
        QVERIFY(w->framePlanning->isVisible());
        QTest::mouseClick(w->cmdLegCancel, Qt::LeftButton);
        QVERIFY(w->framePilot->isVisible() && w->framePilotComments->isHidden());
        for (QPushButton* b :
             {w->cmdPExitToPlanPage, w->cmdSummaryFormat, w->cmdPSave, w->cmdPilPrint})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(w->cmdPilotComments->isVisible());
    }

    // A double click opens the leg of the row for editing; entered again, it comes back to the
    // list it was opened from, that leg selected.
    void doubleClickEdits_data() {
        QTest::addColumn<QString>("listName");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("leg");
        QTest::addColumn<QString>("viewMode");
        QTest::newRow("planning page") << "lboTX" << 2 << 3 << "TX";
        QTest::newRow("pilot view") << "lboPilot" << 5 << 2 << "Pilot";
        QTest::newRow("summary view") << "lboSummary" << 16 << 3 << "Summary";
    }
    void doubleClickEdits() {
        QFETCH(QString, listName);
        QFETCH(int, row);
        QFETCH(int, leg);
        QFETCH(QString, viewMode);
        const PlanState& s = prog->s;
        auto* l = w->findChild<QListWidget*>(listName);
        if (l == w->lboPilot) w->mnuViePilot->trigger();
        if (l == w->lboSummary) w->mnuVieSummary->trigger();
        // A double click is a click, then the second press that the list takes for a double one.
        clickRow(l, row);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                           l->visualItemRect(l->item(row)).center());
        QVERIFY(w->framePilot->isHidden() && w->frameSummary->isHidden());
        QVERIFY(w->framePlanning->isVisible());
        QCOMPARE(w->txtLeg->text(), QString::number(leg));
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(s.ViewMode, viewMode);
        QVERIFY(w->mnufil->menuAction()->isVisible() && !w->mnufil->menuAction()->isEnabled());

        // Every box accepted as it stands; the wind is the one the leg was planned with.
        for (int n = 0; n < 12 && w->framePlanning->isVisible(); ++n)
            typeAndReturn(focusName() == "txtWind" ? "-18" : "");
        QVERIFY(w->framePlanning->isHidden());
        QCOMPARE(w->lboTX->item(leg - 1)->text(), kThreeLegLines[leg - 1]);
        if (l == w->lboTX) {
            QCOMPARE(focusName(), QString("cmdContinuePlanning"));
            return;
        }
        QVERIFY(l->isVisible());
        QCOMPARE(focusName(), listName);
        const int rowsPerLeg = l == w->lboPilot ? 3 : 8;
        QCOMPARE(l->currentRow(), l == w->lboPilot ? 3 * leg - 2 : 8 * leg - 1);
        QCOMPARE(l->count(), 3 * rowsPerLeg);
        QCOMPARE(int(s.FmtSelLeg), leg);
        QCOMPARE((l == w->lboPilot ? w->framePilotComments : w->frameSumComments)->title(),
                 QString(l == w->lboPilot ? "Pilot Comments Leg # " : "Summary Comments Leg # ") +
                     QString::number(leg));
    }
};

QTEST_MAIN(TestLegEditing)
#include "test_leg_editing.moc"
