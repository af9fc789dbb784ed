// The pilot and summary views of a typed plan: the rows they list, the leg a view selects when it
// opens, the leg each row stands for, the details, print flags and comments of the selected leg,
// leaving a view and copying its rows.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
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

class TestPlanViews : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    QListWidget* list(bool pilot) const { return pilot ? w->lboPilot : w->lboSummary; }

    void open(bool pilot) {
        (pilot ? w->mnuViePilot : w->mnuVieSummary)->trigger();
        QVERIFY((pilot ? w->framePilot : w->frameSummary)->isVisible());
    }

    void clickRow(QListWidget* l, int row) {
        l->scrollToItem(l->item(row));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
        QVERIFY(enterThreeLegPlan(w));
        QCOMPARE(w->lboTX->item(1)->text(), kThreeLegLines[1]);
    }
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // Each view lists every leg's stored lines and a blank row, shows the totals and the aircraft,
    // and lies over the planning page with the menus hidden and its format checked.
    void rowsAndPage_data() {
        QTest::addColumn<bool>("pilot");
        QTest::newRow("pilot") << true;
        QTest::newRow("summary") << false;
    }
    void rowsAndPage() {
        QFETCH(bool, pilot);
        const PlanState& s = prog->s;
        open(pilot);
        QStringList expected;
        for (int k = 1; k <= 3; ++k) {
            const Leg& leg = s.leg(k);
            expected << (pilot ? QStringList{leg.PilotLine1, leg.PilotLine2}
                               : QStringList{leg.SumLine1, leg.SumLine2, leg.SumLine3, leg.SumLine4,
                                             leg.SumLine5, leg.SumLine6, leg.SumLine7})
                     << QString(60, ' ');
        }
        QStringList shown;
        for (int r = 0; r < list(pilot)->count(); ++r) shown << list(pilot)->item(r)->text();
        QCOMPARE(shown, expected);
        QVERIFY(!expected[0].isEmpty() && !expected[1].isEmpty());
        const QString dist = (pilot ? w->lblPilTXDist : w->lblSumTXDist)->text();
        const QString time = (pilot ? w->lblPilTXTime : w->lblSumTXTime)->text();
        QCOMPARE(dist + '|' + time, QString("327| 1+00"));
        QCOMPARE(w->lblACType[pilot ? 1 : 3]->text(), TestProgram::kAircraftType);
        QVERIFY(!w->mnufil->menuAction()->isVisible() && !w->mnuHelp->isVisible());
        // The page the hidden menu bar left: all of it under the view.
        QCOMPARE((pilot ? w->framePilot : w->frameSummary)->geometry(), w->centralWidget()->rect());
        QVERIFY(w->cmdContinuePlanning->isHidden() && w->cmdExitTX->isHidden());
        QVERIFY(!w->lboTX->isEnabled());
        QCOMPARE(w->mnuViePilot->isChecked(), pilot);
        QCOMPARE(w->mnuFilPriSum->isChecked(), !pilot);
        QCOMPARE(focusName(), list(pilot)->objectName());
    }

    // The row a view selects when it opens: the leg last selected in either view, the last leg
    // while none was or when it is beyond the plan; shown as a click shows it.
    void selectionOnOpening_data() {
        QTest::addColumn<bool>("firstPilot");
        QTest::addColumn<int>("clicked");   // row clicked in the first view, -1 none
        QTest::addColumn<QString>("then");  // "format change" or "leave" and open the other
        QTest::addColumn<int>("viewLeg");   // set before anything, 0 for none
        QTest::addColumn<int>("row");       // selected in the view shown last
        QTest::addColumn<int>("leg");
        QTest::newRow("pilot, none selected yet") << true << -1 << "" << 0 << 7 << 3;
        QTest::newRow("summary, none selected yet") << false << -1 << "" << 0 << 23 << 3;
        QTest::newRow("leg 2 in the summary, then pilot")
            << false << 10 << "format change" << 0 << 4 << 2;
        QTest::newRow("leg 1 in the pilot, then summary")
            << true << 2 << "format change" << 0 << 7 << 1;
        QTest::newRow("kept across the planning page") << true << 3 << "leave" << 0 << 15 << 2;
        QTest::newRow("beyond the plan") << true << -1 << "" << 9 << 7 << 3;
    }
    void selectionOnOpening() {
        QFETCH(bool, firstPilot);
        QFETCH(int, clicked);
        QFETCH(QString, then);
        QFETCH(int, viewLeg);
        QFETCH(int, row);
        QFETCH(int, leg);
        w->ViewLeg = viewLeg;
        open(firstPilot);
        if (clicked >= 0) clickRow(list(firstPilot), clicked);
        bool pilot = firstPilot;
        if (then == "format change") {
            QTest::mouseClick(firstPilot ? w->cmdSummaryFormat : w->cmdPilotFormat, Qt::LeftButton);
            pilot = !firstPilot;
        } else if (then == "leave") {
            QTest::mouseClick(firstPilot ? w->cmdPExitToPlanPage : w->cmdSExitToPlanPage,
                              Qt::LeftButton);
            pilot = !firstPilot;
            open(pilot);
        }
        QVERIFY(w->framePilot->isVisible() == pilot && w->frameSummary->isVisible() == !pilot);
        QCOMPARE(list(pilot)->currentRow(), row);
        QCOMPARE(list(pilot)->selectedItems().size(), 1);
        QCOMPARE(int(prog->s.FmtSelLeg), leg);
        QCOMPARE(w->ViewLeg, leg);
        // Leg 2 flies to Denver, the only destination with services.
        const QString fbo = (pilot ? w->txtPilotFBO : w->txtSumFBO)->text();
        QCOMPARE(fbo.startsWith("Front Range Aviation"), leg == 2);
    }

    // The leg each row stands for, and its details, comments and flags shown on a click.
    void rowToLeg_data() {
        QTest::addColumn<bool>("pilot");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("leg");
        const std::tuple<bool, int, int> rows[] = {{true, 0, 1},   {true, 2, 1},  {true, 3, 2},
                                                   {true, 5, 2},   {true, 8, 3},  {false, 0, 1},
                                                   {false, 7, 1},  {false, 8, 2}, {false, 15, 2},
                                                   {false, 16, 3}, {false, 23, 3}};
        for (const auto& [pilot, row, leg] : rows)
            QTest::addRow("%s row %d", pilot ? "pilot" : "summary", row) << pilot << row << leg;
    }
    void rowToLeg() {
        QFETCH(bool, pilot);
        QFETCH(int, row);
        QFETCH(int, leg);
        PlanState& s = prog->s;
        for (int k = 1; k <= 3; ++k) s.leg(k).LegComments = QString("Note %1\nsecond line").arg(k);
        s.leg(leg).InclPaxHotel = 0;
        open(pilot);
        clickRow(list(pilot), row);
        QCOMPARE(int(s.FmtSelLeg), leg);
        const QString caption = pilot ? "Pilot Comments Leg # " : "Summary Comments Leg # ";
        QCOMPARE((pilot ? w->framePilotComments : w->frameSumComments)->title(),
                 caption + QString::number(leg));
        const QString comments = QString("Note %1\nsecond line").arg(leg);
        QCOMPARE((pilot ? w->txtPilotComments : w->txtSumComments)->toPlainText(), comments);
        QCOMPARE(w->txtLegComments->toPlainText(), comments);
        QList<bool> checked;
        for (QCheckBox* c : pilot ? QList<QCheckBox*>{w->chkPilFBO, w->chkPilCr, w->chkPilPax,
                                                      w->chkPilLimo, w->chkPilCat}
                                  : QList<QCheckBox*>{w->chkSumFBO, w->chkSumCr, w->chkSumPax,
                                                      w->chkSumLimo, w->chkSumCat})
            checked << c->isChecked();
        QCOMPARE(checked, (QList<bool>{true, true, false, true, true}));
        const QString crew = (pilot ? w->txtPilotCrew : w->txtSumCrew)->text();
        QCOMPARE(crew.startsWith("Airport Inn"), leg == 2);
        if (pilot) {
            const bool west = leg != 2;
            QCOMPARE(w->txtTXLeg->text(), QString::number(leg));
            QCOMPARE(w->txtDepAP->text(), QString(west ? "Denver, CO" : "Aspen, CO"));
            QCOMPARE(w->txtDestAP->text(), QString(west ? "Aspen, CO" : "Denver, CO"));
        }
    }

    // A click on a print flag stores it on the leg shown and gives the list the focus.
    void flagClicks_data() {
        QTest::addColumn<bool>("pilot");
        QTest::newRow("pilot") << true;
        QTest::newRow("summary") << false;
    }
    void flagClicks() {
        QFETCH(bool, pilot);
        const PlanState& s = prog->s;
        open(pilot);
        clickRow(list(pilot), pilot ? 3 : 8);  // leg 2
        QTest::mouseClick(pilot ? w->chkPilCr : w->chkSumCr, Qt::LeftButton);
        QCOMPARE(s.leg(2).InclCrewHotel, std::optional<int>(0));
        QCOMPARE(focusName(), list(pilot)->objectName());
        QCheckBox* cat = pilot ? w->chkPilCat : w->chkSumCat;
        clickRow(list(pilot), 0);  // leg 1
        QVERIFY((pilot ? w->chkPilCr : w->chkSumCr)->isChecked());
        QTest::mouseClick(cat, Qt::LeftButton);
        QCOMPARE(s.leg(1).InclCatering, std::optional<int>(0));
        QCOMPARE(s.leg(2).InclCrewHotel, std::optional<int>(0));
        QCOMPARE(s.leg(1).InclCrewHotel, std::optional<int>(1));
    }

    // The comment frame of each view: opened for the leg shown, a typed double quote turned into
    // a blank with the warning, line breaks kept, Save, Erase and Cancel.
    void comments_data() {
        QTest::addColumn<bool>("pilot");
        QTest::newRow("pilot") << true;
        QTest::newRow("summary") << false;
    }
    void comments() {
        QFETCH(bool, pilot);
        PlanState& s = prog->s;
        s.leg(2).LegComments = "Fuel";
        QGroupBox* frame = pilot ? w->framePilotComments : w->frameSumComments;
        QPlainTextEdit* box = pilot ? w->txtPilotComments : w->txtSumComments;
        QPushButton* button = pilot ? w->cmdPilotComments : w->cmdSumComments;
        const QList<QPushButton*> locked =
            pilot ? QList<QPushButton*>{w->cmdPExitToPlanPage, w->cmdSummaryFormat, w->cmdPSave,
                                        w->cmdPilPrint}
                  : QList<QPushButton*>{w->cmdSExitToPlanPage, w->cmdPilotFormat, w->cmdSSave,
                                        w->cmdSumPrint};
        auto lockedCount = [&] {
            return std::count_if(locked.begin(), locked.end(),
                                 [](QPushButton* b) { return !b->isEnabled(); });
        };
        open(pilot);
        clickRow(list(pilot), pilot ? 4 : 12);  // leg 2
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(frame->isVisible() && button->isHidden());
        QCOMPARE(frame->title(),
                 QString(pilot ? "Pilot Comments Leg # 2" : "Summary Comments Leg # 2"));
        QCOMPARE(lockedCount(), 4);
        QVERIFY(list(pilot)->isEnabled());
        QCOMPARE(focusName(), box->objectName());
        QCOMPARE(box->toPlainText(), QString("Fuel"));

        prog->platform.messages.clear();  // the comments questions of the typed legs
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " at \"KDEN\"");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClicks(box, "Crew rest");
        // Lines pasted from the clipboard keep their breaks, one each.
        QGuiApplication::clipboard()->setText("\r\nGPU\r\nLav");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(prog->platform.messages.size(), 2);
        QCOMPARE(prog->platform.messages[0].text,
                 QString("Do not use <quotes> in the text of the comments !!"));
        QCOMPARE(focusName(), box->objectName());
        QTest::mouseClick(pilot ? w->cmdPilotComOK : w->cmdSumComOK, Qt::LeftButton);
        QCOMPARE(s.leg(2).LegComments, QString("Fuel at  KDEN \nCrew rest\nGPU\nLav"));
        QVERIFY(frame->isHidden() && button->isVisible());
        QCOMPARE(lockedCount(), 0);
        QCOMPARE(focusName(), list(pilot)->objectName());

        // The other view and the planning page show the same lines.
        QTest::mouseClick(pilot ? w->cmdSummaryFormat : w->cmdPilotFormat, Qt::LeftButton);
        QCOMPARE((pilot ? w->txtSumComments : w->txtPilotComments)->toPlainText(),
                 s.leg(2).LegComments);
        QCOMPARE(w->txtLegComments->toPlainText(), s.leg(2).LegComments);
        w->txtLegComments->selectAll();
        w->txtLegComments->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), s.leg(2).LegComments);
        QTest::mouseClick(pilot ? w->cmdPilotFormat : w->cmdSummaryFormat, Qt::LeftButton);

        // Erase empties the leg's comments at once; the frame stays open.
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(pilot ? w->cmdErasePComments : w->cmdEraseSComments, Qt::LeftButton);
        QVERIFY(box->toPlainText().isEmpty() && s.leg(2).LegComments.isEmpty());
        QVERIFY(frame->isVisible());
        // Cancel keeps nothing typed and gives the focus to the view's exit button.
        QTest::keyClicks(box, "Draft");
        QTest::mouseClick(pilot ? w->cmdPilCancel : w->cmdSumCancel, Qt::LeftButton);
        QVERIFY(s.leg(2).LegComments.isEmpty() && frame->isHidden() && button->isVisible());
        QCOMPARE(lockedCount(), 0);
        QCOMPARE(focusName(), locked[0]->objectName());
    }

    // The summary box shows the stored comments again whenever it gets the focus; the pilot box
    // keeps what was typed.
    void commentsBoxOnFocus_data() {
        QTest::addColumn<bool>("pilot");
        QTest::newRow("pilot") << true;
        QTest::newRow("summary") << false;
    }
    void commentsBoxOnFocus() {
        QFETCH(bool, pilot);
        prog->s.leg(3).LegComments = "Stored";
        QPlainTextEdit* box = pilot ? w->txtPilotComments : w->txtSumComments;
        open(pilot);
        QTest::mouseClick(pilot ? w->cmdPilotComments : w->cmdSumComments, Qt::LeftButton);
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " typed");
        (pilot ? w->cmdPilotComOK : w->cmdSumComOK)->setFocus();
        box->setFocus();
        QCOMPARE(box->toPlainText(), QString(pilot ? "Stored typed" : "Stored"));
    }

    // Leaving a view gives the planning page back; only the pilot view moves txtLeg on.
    void leaving_data() {
        QTest::addColumn<bool>("pilot");
        QTest::addColumn<QString>("txtLeg");
        QTest::newRow("pilot") << true << "4";
        QTest::newRow("summary") << false << "1";
    }
    void leaving() {
        QFETCH(bool, pilot);
        QFETCH(QString, txtLeg);
        clickRow(w->lboTX, 0);  // shows leg 1 and enables the Edit menu
        QCOMPARE(w->txtLeg->text(), QString("1"));
        open(pilot);
        QTest::mouseClick(pilot ? w->cmdPilotComments : w->cmdSumComments, Qt::LeftButton);
        QTest::mouseClick(pilot ? w->cmdPilCancel : w->cmdSumCancel, Qt::LeftButton);
        QTest::mouseClick(pilot ? w->cmdPExitToPlanPage : w->cmdSExitToPlanPage, Qt::LeftButton);
        QVERIFY(w->framePilot->isHidden() && w->frameSummary->isHidden());
        QVERIFY(w->framePilotComments->isHidden() && w->frameSumComments->isHidden());
        QCOMPARE(w->txtLeg->text(), txtLeg);
        QCOMPARE(prog->s.ViewMode, QString("TX"));
        for (QAction* a : {w->mnufil->menuAction(), w->mnuView->menuAction(),
                           w->mnuSettings->menuAction(), w->mnuHelp, w->mnuFilExit})
            QVERIFY2(a->isVisible() && a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(w->mnuEdit->menuAction()->isVisible() && !w->mnuEdit->menuAction()->isEnabled());
        QVERIFY(w->lboTX->isEnabled() && w->cmdExitTX->isVisible());
        QVERIFY(w->cmdContinuePlanning->isVisible() && w->cmdContinuePlanning->isEnabled());
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
        // The comments button is back for the next visit.
        QVERIFY(!(pilot ? w->cmdPilotComments : w->cmdSumComments)->isHidden());
    }

    // Ctrl+C (or Ctrl+I) copies the selected rows of a view, in list order.
    void copyRows_data() {
        QTest::addColumn<bool>("pilot");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("key");
        QTest::newRow("pilot, leg 2") << true << QList<int>{4, 3} << int(Qt::Key_C);
        QTest::newRow("summary, Ctrl+I") << false << QList<int>{17} << int(Qt::Key_I);
    }
    void copyRows() {
        QFETCH(bool, pilot);
        QFETCH(QList<int>, rows);
        QFETCH(int, key);
        open(pilot);
        QListWidget* l = list(pilot);
        l->clearSelection();
        for (int r : rows) l->item(r)->setSelected(true);
        std::sort(rows.begin(), rows.end());
        QString expected = "\r\n";
        for (int r : rows) expected += l->item(r)->text() + "\r\n";
        QGuiApplication::clipboard()->setText("left over");
        QTest::keyClick(l, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        QVERIFY(expected.size() > 10);
    }
};

QTEST_MAIN(TestPlanViews)
#include "test_plan_views.moc"
