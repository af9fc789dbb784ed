// The planning-page list and the pilot and summary views of a typed plan: a click on the page's
// list that shows a leg, the rows the views list, the leg a view selects when it opens, the leg
// each row stands for with its details and print flags; the comment frames of the page and of the
// views with their refusal of double quotes and their question on characters a plan file cannot
// hold; copying rows (Ctrl+C) and leaving a view.
// Then the Edit menu: inserting and deleting legs with the lists and totals after them, the
// refusals, a leg opened for editing from the menu and by a double click, and an entry cancelled
// half-way.
#include "PlanningTest.h"
#include "planfile/PlanFile.h"

using namespace tx;
using namespace tx::test;

class TestPlanViews : public QObject, PlanningWindow {
    Q_OBJECT

    QListWidget* list(bool pilot) const { return pilot ? w->lboPilot : w->lboSummary; }
    void open(bool pilot) { (pilot ? w->mnuViePilot : w->mnuVieSummary)->trigger(); }
    void openComments(int row) {
        run(QString("lboTX:%1 cmdEnterComments").arg(row));
        QVERIFY(w->frameLegComments->isVisible());
        w->txtLegComments->moveCursor(QTextCursor::End);
    }
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
    void init() { QVERIFY(start(true)); }
    void cleanup() { prog.reset(); }

    // A click shows the leg (leg 2 given by its landing time: each leg holds both times, so
    // that the wrong one would show); the button opens that leg's comments, not those of the
    // last leg. A typed double quote becomes a blank, a pasted one is refused at Save and then
    // shown as a blank, with one warning each time. Cancel stores nothing; Erase empties the
    // box. Ctrl+C copies the selected lines.
    void clickAndComments() {
        PlanState& s = prog->s;
        Leg& two = s.leg(2);
        two.TorL = "L", two.DateEntry = "07/05", two.ArrTimeEntry = "1600", two.DepID = "LFPB";
        two.LegComments = "Old note";
        s.leg(1).LegComments = "Crew swap";
        clickRow(w->lboTX, 1);
        const QString shown = "txtLeg txtTorL txtTime txtDate txtDepID txtDestID";
        QCOMPARE(texts(shown), QString("2|L|1600|07/05|LFPB|KDEN"));
        QCOMPARE(s.cur().TorL, QString());  // nothing stored in the leg being entered
        // The arrow keys select as a click does.
        QTest::keyClick(w->lboTX, Qt::Key_Down);
        QCOMPARE(w->txtLeg->text() + QString::number(s.SelLeg), QString("33"));

        openComments(0);
        QCOMPARE(texts(shown + " txtLegComments") + on("+lboTX +cmdContinuePlanning"),
                 QString("1|T|0800|07/04|KDEN|KASE|Crew swap00"));
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
        QCOMPARE(s.leg(1).LegComments + '|' + focusName() + on("frameLegComments +lboTX"),
                 QString("Crew swap at  LFPB  gate  B |cmdContinuePlanning01"));

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
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "\r\n" + kThreeLegLines[0] + "\r\n" + kThreeLegLines[2] + "\r\n");
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
            open(pilot);
            clickRow(list(pilot), pilot ? 4 : 12);  // leg 2
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

    // A view lists every leg's stored lines and a blank row over the whole page, menus hidden;
    // Ctrl+C copies the selected rows. Its comment frame: opened on the leg shown with the other
    // buttons locked, a typed or pasted double quote turned into a blank with the warning, line
    // breaks kept, Save, Erase, Cancel; the summary box alone reloads on focus. The view's exit
    // gives the planning page back, and only the pilot view moves txtLeg on.
    void viewAndComments_data() {
        QTest::addColumn<bool>("pilot");
        addRow("pilot", true);
        addRow("summary", false);
    }
    void viewAndComments() {
        QFETCH(bool, pilot);
        PlanState& s = prog->s;
        run("lboTX:0");  // txtLeg shows 1, the Edit menu is on
        open(pilot);
        QListWidget* l = list(pilot);
        // each leg's lines and a blank row; the menus and the page's controls hidden or off
        QCOMPARE(
            QStringList(
                {QString::number(l->count()), l->item(0)->text(), l->item(pilot ? 5 : 15)->text(),
                 focusName() + on("mnufil mnuHelp cmdContinuePlanning +lboTX *mnuViePilot")}),
            QStringList({pilot ? "9" : "24", pilot ? s.leg(1).PilotLine1 : s.leg(1).SumLine1,
                         QString(60, ' '), l->objectName() + "0000" + (pilot ? "1" : "0")}));
        QCOMPARE((pilot ? w->framePilot : w->frameSummary)->geometry(), w->centralWidget()->rect());

        l->clearSelection();
        for (int r : {4, 3}) l->item(r)->setSelected(true);
        QTest::keyClick(l, pilot ? Qt::Key_C : Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "\r\n" + l->item(3)->text() + "\r\n" + l->item(4)->text() + "\r\n");

        // The comment frame and its button; the list; the view's exit, other format and print.
        const QString state = pilot ? "framePilotComments cmdPilotComments +lboPilot "
                                      "+cmdPExitToPlanPage +cmdSummaryFormat +cmdPilPrint"
                                    : "frameSumComments cmdSumComments +lboSummary "
                                      "+cmdSExitToPlanPage +cmdPilotFormat +cmdSumPrint";
        const QString button = words(state)[1], exit = words(state)[3];
        const QString ok = pilot ? "cmdPilotComOK" : "cmdSumComOK";
        QPlainTextEdit* box = pilot ? w->txtPilotComments : w->txtSumComments;
        s.leg(2).LegComments = "Fuel";
        run(l->objectName() + (pilot ? ":4 " : ":12 ") + button);  // leg 2
        QCOMPARE(on(state) + focusName() + '|' + box->toPlainText(),
                 "101000" + box->objectName() + "|Fuel");

        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, " at \"KDEN\"");
        QTest::keyClick(box, Qt::Key_Return);
        QGuiApplication::clipboard()->setText("Crew \"rest\"\r\nGPU");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        // A pasted quote is refused at Save, the text kept with a blank for it.
        run(ok);
        QCOMPARE(prog->shownMessages(),
                 QStringList(3, "Tarvex: Do not use <quotes> in the text of the comments !!"));
        run(ok);
        QCOMPARE(s.leg(2).LegComments + '|' + focusName() + on(state),
                 "Fuel at  KDEN \nCrew  rest \nGPU|" + l->objectName() + "011111");

        // Erase empties the leg's comments at once and keeps the frame open; Cancel keeps
        // nothing typed and gives the focus to the exit button.
        run(button + (pilot ? " cmdErasePComments" : " cmdEraseSComments"));
        QCOMPARE(box->toPlainText() + '|' + s.leg(2).LegComments + on(state), "|101000");
        QTest::keyClicks(box, "Draft");
        l->setFocus();  // no click: the summary box shows the stored text on focus
        box->setFocus();
        QCOMPARE(box->toPlainText(), QString(pilot ? "Draft" : ""));
        run(pilot ? "cmdPilCancel" : "cmdSumCancel");
        QCOMPARE(s.leg(2).LegComments + on(state) + focusName(), "011111" + exit.mid(1));
        run(exit.mid(1));
        QCOMPARE(texts("txtLeg @") + on("framePilot frameSummary mnufil +mnufil mnuView +mnuView "
                                        "mnuSettings +mnuSettings mnuHelp +mnuHelp mnuFilExit "
                                        "+mnuFilExit +mnuEdit +lboTX cmdExitTX"),
                 QString(pilot ? "4" : "1") + "|cmdContinuePlanning" +
                     "00"
                     "1111111111"
                     "011");
    }

    // The leg a view selects: the leg of the row clicked, else the leg last selected in either
    // view, else (or when beyond the plan) the last leg, selected as a click selects it; and that
    // leg's details, comments and print flags shown, a click on a flag stored on that leg.
    void selectedLeg_data() {
        // steps (runSteps) from the planning page; the view shown last; viewLeg: the leg of a
        // longer plan the pilot view was left on before (0 none); the row then selected in the
        // view shown last, and its leg.
        addColumns<QString, bool, int, int, int>("steps", "pilot", "viewLeg", "row", "leg");
        // "p" or "s" (the view), the row clicked, ":" and the leg it stands for.
        for (const QString& r : words("p2:1 p3:2 p5:2 p8:3 s7:1 s8:2 s15:2 s16:3")) {
            const bool pilot = r[0] == 'p';
            const QString row = r.mid(1).section(':', 0, 0);
            QTest::newRow(qPrintable(r))
                << (pilot ? "mnuViePilot lboPilot:" : "mnuVieSummary lboSummary:") + row << pilot
                << 0 << row.toInt() << r.section(':', 1).toInt();
        }
        addRow("pilot, none yet", "mnuViePilot", true, 0, 7, 3);
        addRow("summary, none yet", "mnuVieSummary", false, 0, 23, 3);
        addRow("leg 2 in the summary, then pilot", "mnuVieSummary lboSummary:10 cmdPilotFormat",
               true, 0, 4, 2);
        addRow("leg 1 in the pilot, then summary", "mnuViePilot lboPilot:2 cmdSummaryFormat", false,
               0, 7, 1);
        addRow("kept across the planning page",
               "mnuViePilot lboPilot:3 cmdPExitToPlanPage mnuVieSummary", false, 0, 15, 2);
        addRow("beyond the plan", "mnuViePilot", true, 9, 7, 3);
    }
    void selectedLeg() {
        auto [steps, pilot, viewLeg, row, leg] =
            fetch<QString, bool, int, int, int>("steps", "pilot", "viewLeg", "row", "leg");
        PlanState& s = prog->s;
        for (int k = 1; k <= 3; ++k) s.leg(k).LegComments = QString("Note %1\nline 2").arg(k);
        s.leg(leg).InclPaxHotel = 0;
        if (viewLeg > s.NumLegs) {  // the pilot view left on that leg of a longer plan
            const std::int16_t legs = s.NumLegs;
            for (int k = legs + 1; k <= viewLeg; ++k) s.leg(k) = s.leg(legs);
            s.NumLegs = std::int16_t(viewLeg);
            w->RefillPlanLists();
            run(QString("mnuViePilot lboPilot:%1 cmdPExitToPlanPage").arg(3 * viewLeg - 3));
            s.NumLegs = legs;
            w->RefillPlanLists();
        }
        run(steps);
        QCOMPARE(QList<int>({w->framePilot->isVisible(), w->frameSummary->isVisible(),
                             list(pilot)->currentRow(), int(list(pilot)->selectedItems().size()),
                             s.FmtSelLeg, w->viewLeg()}),
                 QList<int>({pilot, !pilot, row, 1, leg, leg}));
        // Leg 2 flies to Denver, the only destination with services.
        const QString comments = QString("Note %1\nline 2").arg(leg);
        QCOMPARE(
            QStringList({(pilot ? w->txtPilotComments : w->txtSumComments)->toPlainText(),
                         w->txtLegComments->toPlainText(),
                         (pilot ? w->txtPilotFBO : w->txtSumFBO)->text().trimmed().left(11),
                         (pilot ? w->txtPilotCrew : w->txtSumCrew)->text().trimmed().left(11)}),
            QStringList({comments, comments, leg == 2 ? "Front Range" : "",
                         leg == 2 ? "Airport Inn" : ""}));
        if (pilot)
            QCOMPARE(w->txtTXLeg->text() + ' ' + w->txtDepAP->text() + '-' + w->txtDestAP->text(),
                     QString::number(leg) +
                         (leg != 2 ? " Denver, CO-Aspen, CO" : " Aspen, CO-Denver, CO"));
        QCOMPARE(on(QString("*chk%1FBO *chk%1Cr *chk%1Pax *chk%1Limo *chk%1Cat")
                        .arg(pilot ? "Pil" : "Sum")),
                 QString("11011"));
        QTest::mouseClick(pilot ? w->chkPilCr : w->chkSumCr, Qt::LeftButton);
        QVERIFY(s.leg(leg).InclCrewHotel == 0 && s.leg(leg % 3 + 1).InclCrewHotel == 1);
        QCOMPARE(focusName(), list(pilot)->objectName());
    }

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
            // off, but reached anyway
            for (QAction* a : {w->mnuEdiInsert, w->mnuEdiDel, w->mnuEdiEdit})
                a->setEnabled(true), a->trigger();
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
        // steps (runSteps) ending in the double click; with the view's comment frame open the
        // edit is cancelled.
        addColumns<QString, int>("steps", "leg");
        addRow("planning page", "lboTX::2", 3);
        addRow("pilot view", "mnuViePilot lboPilot::5", 2);
        addRow("summary view", "mnuVieSummary lboSummary::16", 3);
        addRow("pilot view, comments open", "mnuViePilot cmdPilotComments lboPilot::0", 1);
    }
    void doubleClickEdits() {
        auto [steps, leg] = fetch<QString, int>("steps", "leg");
        const QString listName = words(steps).last().section(':', 0, 0);
        auto* l = w->findChild<QListWidget*>(listName);
        const bool pilot = l == w->lboPilot, commentsOpen = steps.contains("Comments");
        run(steps);
        QCOMPARE(on("framePilot frameSummary framePlanning mnufil +mnufil") + texts("txtLeg @"),
                 "00110" + QString::number(leg) + "|txtLeg");
        commentsOpen ? run("cmdLegCancel") : reenter();
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

QTEST_MAIN(TestPlanViews)
#include "test_plan_views.moc"
