// The planning-page list of a planned trip: a click that shows a leg, the comment frame opened
// for it with its refusal of double quotes and its question on characters a plan file cannot
// hold (asked by the view frames' comments too), and Ctrl+C.
#include <QtTest>
#include <QtWidgets>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestLegList : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    void openComments(int row) {
        clickRow(w->lboTX, row);
        QTest::mouseClick(w->cmdEnterComments, Qt::LeftButton);
        QVERIFY(w->frameLegComments->isVisible());
        w->txtLegComments->moveCursor(QTextCursor::End);
    }

  private slots:
    // Three legs Aspen - Paris and back as a finished plan leaves them, the second given by its
    // landing time (each leg holds both times, so that the wrong one would show), and their lines.
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY((w = prog->showPlanning()));
        PlanState& s = prog->s;
        for (int k = 1; k <= 3; ++k) {
            Leg& leg = s.leg(k);
            leg.TorL = k == 2 ? "L" : "T";
            leg.DateEntry = QString("07/0%1").arg(k + 3);
            leg.DepTimeEntry = k == 2 ? "1342" : "0800";
            leg.ArrTimeEntry = k == 2 ? "1600" : "0950";
            leg.DepID = k == 2 ? "LFPB" : "KASE";
            leg.DestID = k == 2 ? "KASE" : "LFPB";
        }
        s.NumLegs = 3;
        w->lboTX->addItems({"One", "Two", "Three"});
    }
    void cleanup() { prog.reset(); }

    // A click shows the leg; the button opens that leg's comments, not those of the last leg. A
    // typed double quote becomes a blank, a pasted one is refused at Save and then shown as a
    // blank, with one warning each time. Cancel stores nothing; Erase empties the box. Ctrl+C
    // copies the selected lines.
    void clickAndComments() {
        PlanState& s = prog->s;
        s.leg(1).LegComments = "Crew swap";
        s.leg(2).LegComments = "Old note";
        clickRow(w->lboTX, 1);
        const auto shown = [&] {
            return QStringList{w->txtLeg->text(),  w->txtTorL->text(),  w->txtTime->text(),
                               w->txtDate->text(), w->txtDepID->text(), w->txtDestID->text()};
        };
        QCOMPARE(shown(), (QStringList{"2", "L", "1600", "07/05", "LFPB", "KASE"}));
        QCOMPARE(s.leg(1).TorL, QString("T"));  // nothing stored in the leg being entered
        // The arrow keys select as a click does.
        QTest::keyClick(w->lboTX, Qt::Key_Down);
        QCOMPARE(shown()[0] + QString::number(s.SelLeg), QString("33"));

        openComments(0);
        QCOMPARE(shown(), (QStringList{"1", "T", "0800", "07/04", "KASE", "LFPB"}));
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Crew swap"));
        QVERIFY(!w->lboTX->isEnabled() && !w->cmdContinuePlanning->isEnabled());
        QTest::keyClicks(w->txtLegComments, " at \"LFPB\"");
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Crew swap at  LFPB "));
        w->txtLegComments->insertPlainText(" gate \"B\"");
        QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
        QVERIFY(w->frameLegComments->isVisible());
        QCOMPARE(w->txtLegComments->toPlainText() + '|' + s.leg(1).LegComments,
                 QString("Crew swap at  LFPB  gate  B |Crew swap"));
        QCOMPARE(prog->shownMessages().value(2),
                 QString("Tarvex: Do not use <quotes> in the text of the comments !!"));
        QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
        QCOMPARE(s.leg(1).LegComments + '|' + focusName(),
                 QString("Crew swap at  LFPB  gate  B |cmdContinuePlanning"));
        QVERIFY(w->frameLegComments->isHidden() && w->lboTX->isEnabled());

        openComments(1);
        QTest::keyClicks(w->txtLegComments, " more");
        QTest::mouseClick(w->cmdCancelComments, Qt::LeftButton);
        QCOMPARE(s.leg(2).LegComments, QString("Old note"));
        // The frame's own mnemonics win over the locked menus: Alt+E erases, Alt+S saves.
        openComments(1);
        QTest::keyClick(w->txtLegComments, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(w->txtLegComments->toPlainText(), QString());  // a mnemonic clicks shortly
        QTest::keyClicks(w->txtLegComments, "New note");
        QTest::keyClick(w->txtLegComments, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(s.leg(2).LegComments, QString("New note"));
        QVERIFY(w->frameLegComments->isHidden());
        // Ctrl+C: the selected lines in list order, each ended by CR LF, after a CR LF of their
        // own.
        w->lboTX->clearSelection();
        for (int r : {2, 0}) w->lboTX->item(r)->setSelected(true);
        QTest::keyClick(w->lboTX, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("\r\nOne\r\nThree\r\n"));
    }

    // Comments with characters the plan file cannot hold: at Save the user is told what each
    // becomes; Yes stores them so, No goes back to the box with nothing stored.
    void charactersAPlanCannotHold_data() {
        addColumns<QString, bool>("save", "yes");
        addRow("planning page, Yes", "cmdSaveComments", true);
        addRow("pilot view, Yes", "cmdPilotComOK", true);
        addRow("summary view, No", "cmdSumComOK", false);
    }
    void charactersAPlanCannotHold() {
        auto [save, yes] = fetch<QString, bool>("save", "yes");
        QPlainTextEdit* box = w->txtLegComments;
        if (save == "cmdSaveComments") {
            openComments(1);
        } else {
            const bool pilot = save == "cmdPilotComOK";
            QAction* view = pilot ? w->mnuViePilot : w->mnuVieSummary;
            view->setEnabled(true);  // as a finished plan leaves it
            view->trigger();
            clickRow(pilot ? w->lboPilot : w->lboSummary, pilot ? 4 : 12);  // leg 2
            QTest::mouseClick(pilot ? w->cmdPilotComments : w->cmdSumComments, Qt::LeftButton);
            box = pilot ? w->txtPilotComments : w->txtSumComments;
        }
        const QString typed = QString::fromUtf8("Łódź → Kraków ✈ Łeba");
        box->insertPlainText(typed);
        prog->platform.answers = {yes ? Platform::Answer::Yes : Platform::Answer::No};
        QTest::mouseClick(w->findChild<QPushButton*>(save), Qt::LeftButton);
        const FakePlatform::Message& asked = prog->platform.messages.value(0);
        QVERIFY(prog->platform.messages.size() == 1 && asked.buttons == Platform::Buttons::YesNo);
        for (const char* change :
             {"Ł  becomes  L", "ź  becomes  z", "→  becomes  ?", "✈  becomes  ?"})
            QVERIFY2(asked.text.count(QString::fromUtf8(change)) == 1, qPrintable(asked.text));
        QCOMPARE(prog->s.leg(2).LegComments,
                 yes ? QString::fromUtf8("Lódz ? Kraków ? Leba") : QString());
        QCOMPARE(box->isVisible(), !yes);
        if (!yes) QCOMPARE(box->toPlainText() + focusName(), typed + box->objectName());
    }
};

QTEST_MAIN(TestLegList)
#include "test_leg_list.moc"
