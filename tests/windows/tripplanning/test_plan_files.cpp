// Plan files from the main window: saving from the menu and from the view frames, the file-name
// box, the save questions before a new plan, a retrieve and the exit, retrieving and deleting,
// saves that fail, and the aircraft a retrieved plan brings. The file layout and the report lines
// are pinned by the planfile and report tests; here the window writes the right files.
//
// The plan is the typed one of PlanningTest.h (327 n.mi., 1+00, aircraft "Test Jet 35" from
// TEST.AC); the fake clock says 1/15/2027 2:05:09 PM.
#include "PlanningTest.h"
#include "core/SeqFile.h"
#include "report/PlanReports.h"

using namespace tx;
using namespace tx::test;
using Answer = Platform::Answer;
using Buttons = Platform::Buttons;

class TestPlanFiles : public QObject, PlanningWindow {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> plans;

    QString planFile(const QString& name) const { return plans->filePath(name); }
    QStringList planFiles() const {
        return QDir(plans->path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The lines of a file the program wrote: Windows-1252, each line ended by CR LF.
    QStringList fileLines(const QString& name) const {
        return DecodeCp1252(ReadFile(planFile(name)).chopped(2)).split("\r\n");
    }
    bool enterPlan(bool fourLegs = false) {
        if (!enterThreeLegPlan(w)) return false;
        if (fourLegs) enterLeg(w, {"", "", "", "1200", "", "kden", "", "-18", ""});  // as leg 2
        prog->platform.messages.clear();  // the comment questions of the typed legs
        return w->lboTX->count() == (fourLegs ? 4 : 3);
    }
    // Types the name over the offered one, Return, and presses "&O. K." (or "&Cancel").
    void typeName(const QString& name, bool ok = true) {
        QCOMPARE(focusName(), QString("txtTXFileName"));
        w->txtTXFileName->clear();
        typeAndReturn(name);
        QCOMPARE(focusName(), QString("cmdFilNamOK"));
        QTest::mouseClick(ok ? w->cmdFilNamOK : w->cmdFilNamCancel, Qt::LeftButton);
    }
    void savePlan(const QString& name) { run("mnuSaveArray_0"), typeName(name); }
    bool pageOpen() const {
        return on("frameTXName +mnufil +lboTX +cmdContinuePlanning +cmdExitTX") == "01111";
    }

  private slots:
    void init() {
        plans = std::make_unique<QTemporaryDir>();
        QVERIFY(plans->isValid() && start(false));
        w->PlanDir = plans->path();
    }
    void cleanup() { prog.reset(), plans.reset(); }

    // A save from File, Save or from a view frame's "&Save": the page with its menus, or that
    // frame's six controls, locked under the file-name frame. The box drops, with a beep, the
    // characters that would change a file's name or place; Return moves to "&O. K.", which
    // writes the plan file of 1 + 18 * 3 + 2 lines and the text report of the format chosen
    // under the typed name, offered at the next save. O. K. or Cancel gives the controls back.
    // With a minimum ground time of 12:00 (summary frame), the report ends with the checks.
    void save_data() {
        addColumns<bool, bool, bool>("menu", "pilot", "ok");
        addRow("menu, pilot", true, true, true);
        addRow("menu, summary", true, false, true);
        addRow("pilot frame", false, true, true);
        addRow("summary frame, a check fails", false, false, true);
        addRow("summary frame, Cancel", false, false, false);
    }
    void save() {
        auto [menu, pilot, ok] = fetch<bool, bool, bool>("menu", "pilot", "ok");
        const bool checked = !menu && !pilot && ok;
        if (checked) prog->app->limits[TripLimit::MinGround] = 12 * 60;
        QVERIFY(enterPlan());
        const QString own =
            menu    ? "+mnufil +mnuView +lboTX +cmdContinuePlanning +cmdExitTX"
            : pilot ? "+cmdPExitToPlanPage +cmdSummaryFormat +cmdPSave +cmdPilPrint "
                      "+cmdPilotComments +lboPilot"
                    : "+cmdSExitToPlanPage +cmdPilotFormat +cmdSSave +cmdSumPrint +cmdSumComments "
                      "+lboSummary";
        runSteps(w, prog->platform,
                 menu    ? QString("mnuSaveArray_%1").arg(!pilot)
                 : pilot ? "mnuViePilot cmdPSave"
                         : "mnuVieSummary cmdSSave");
        const int n = int(words(own).size());
        QCOMPARE(on("frameTXName " + own + " *mnuViePilot *mnuVieSummary"),
                 "1" + QString(n, '0') + (pilot ? "10" : "01"));
        typeName("t,r.i'p\\/\"", ok);
        // Six beeps; the controls given back, the focus on Continue or on the view's list.
        const QString list = pilot ? "lboPilot" : "lboSummary";
        QCOMPARE(QString::number(prog->platform.beeps) + on("frameTXName " + own) + focusName() +
                     QString::number(w->savingFromView()),
                 "60" + QString(n, '1') + (menu ? "cmdContinuePlanning" : list) + "0");
        QCOMPARE(planFiles(), ok ? QStringList({"trip.tx", "trip.txt"}) : QStringList());
        if (!ok) return;
        QVERIFY(fileLines("trip.tx").size() == 57 && prog->platform.messages.isEmpty());
        QCOMPARE(fileLines("trip.txt"),
                 (pilot ? PilotTextLines : SummaryTextLines)(prog->s, "trip", kDate, {}) +
                     (checked ? QStringList{"Checks",
                                            "Leg 2 KASE-KDEN: departs 1200, leg 1 arrives "
                                            "0830 - ground time 3:30 is",
                                            "  below the minimum 12:00"}
                              : QStringList()));
        w->mnuSaveArray[1]->trigger();
        QCOMPARE(w->txtTXFileName->text(), QString("trip"));
    }

    // The question before a new plan, a retrieve and the exit, with its answers; an empty plan
    // is not offered for saving, and a declined save leaves nothing waiting for a later one.
    // Yes opens the file-name frame, where a save that fails says which file and why and keeps
    // the frame open, the plan in memory and what waits for the save undone (before a new plan
    // the plan folder is gone, before a retrieve a folder bears the report's name, before the
    // exit no name is typed); the save that then completes lets it happen. Each way out (the
    // button, File, Exit and closing the window) ends the program and closes the database.
    void saveQuestions_data() {
        addColumns<QString, bool, Answer>("command", "legs", "answer");
        for (const QString c : {"new", "retrieve", "exit"}) {
            addRow(qPrintable(c + ", Yes"), c, true, Answer::Yes);
            addRow(qPrintable(c + ", No"), c, true, Answer::No);
            addRow(qPrintable(c + ", empty plan"), c, false, Answer::Yes);
        }
        addRow("exit, Cancel", QString("exit"), true, Answer::Cancel);
    }
    void saveQuestions() {
        auto [command, legs, answer] = fetch<QString, bool, Answer>("command", "legs", "answer");
        if (legs) QVERIFY(enterPlan());
        FakePlatform& p = prog->platform;
        p.answers = {answer};
        const bool exit = command == "exit";
        const char* steps = command == "new"        ? "mnuFilNew"
                            : command == "retrieve" ? "mnuFilRetDel_0"
                            : !legs                 ? "mnuFilExit"
                            : answer == Answer::No  ? ""  // the window closed
                                                    : "cmdExitTX";
        *steps ? run(steps) : (void)w->close();

        QCOMPARE(p.messages.size(), legs ? 1 : 0);
        if (legs) {
            const FakePlatform::Message& m = p.messages[0];
            QCOMPARE(m.text + '|' + m.title,
                     exit ? "        Do you wish to Save present Tarvex Plan ?        |TX Save ??"
                          : "  Do you wish to Save the present Tarvex Plan now  ?" +
                                QString(command == "new" ? "|Begin New Tarvex Plan ?"
                                                         : "|Save Tarvex Plan ?"));
            QVERIFY(m.buttons == (exit ? Buttons::YesNoCancel : Buttons::YesNo) &&
                    (!exit || m.defaultButton == Answer::No));
        }
        const bool saving = legs && answer == Answer::Yes;
        QCOMPARE(w->frameTXName->isVisible(), saving);
        if (saving) {
            const QString dir = w->PlanDir;
            if (command == "new") w->PlanDir = plans->filePath("gone");
            if (command == "retrieve") QVERIFY(QDir(dir).mkdir("trip.txt"));
            p.messages.clear();
            typeName(exit ? "" : "trip");
            const QString text = p.messages.value(0).text;
            const QString reason = command == "new" ? "No such file" : exit ? "name" : "folder";
            const QString file = QDir(dir).filePath(command == "new" ? "gone/trip.tx" : "trip.txt");
            QVERIFY2(
                text.contains(reason) && (exit || text.contains(QDir::toNativeSeparators(file))),
                qPrintable(text));
            QVERIFY(p.messages.size() == 1 && p.messages[0].buttons == Buttons::OK &&
                    w->frameTXName->isVisible() && w->frameTXRetDel->isHidden() &&
                    prog->quitCalls == 0 && prog->s.NumLegs == 3);
            // Nothing was written: a plan file without its report is no save.
            QCOMPARE(planFiles(), command == "retrieve" ? QStringList{"trip.txt"} : QStringList{});
            w->PlanDir = dir;
            QVERIFY(QDir(dir).rmdir("trip.txt") == (command == "retrieve"));
            if (exit) {  // Cancel: the program goes on, and the next save that completes ends it
                QTest::mouseClick(w->cmdFilNamCancel, Qt::LeftButton);
                QVERIFY(pageOpen() && prog->quitCalls == 0);
                QCOMPARE(listLines(w->lboTX), kThreeLegLines);
                w->mnuSaveArray[1]->trigger();
            }
            typeName("trip");
        }
        QCOMPARE(planFiles(), saving ? QStringList({"trip.tx", "trip.txt"}) : QStringList());
        QCOMPARE(prog->quitCalls, exit && answer != Answer::Cancel ? 1 : 0);
        QVERIFY(!prog->quitCalls ||
                (!prog->adb.db.isOpen() && !prog->adb.AirportsRs.has_value() && w->isHidden()));
        QVERIFY(w->pendingAction() == TripPlanning::Pending::None);
        if (command == "new") {
            QCOMPARE(texts("cmdContinuePlanning") + on("+mnuFilNew +mnuViePilot") +
                         w->planFileName() + QString::number(w->lboTX->count()),
                     QString("&Begin Planning000"));
        } else if (command == "retrieve") {
            QCOMPARE(texts("frameTXRetDel cmdRetDelTX") + on("frameTXRetDel") +
                         QString::number(w->lboTX->count()),
                     QString(" Retrieve Tarvex Plan |&Retrieve10"));
            QCOMPARE(listLines(w->flbTXRetrieve), saving ? QStringList{"trip.tx"} : QStringList{});
            // The plan is empty from here on: Cancel leaves nothing to save, print or view.
            QTest::mouseClick(w->cmdCanRetrieve, Qt::LeftButton);
            QVERIFY(pageOpen());
            QCOMPARE(on("frameTXRetDel +mnuFilNew +mnuFilSave +mnuFilPrint +mnuViePilot "
                        "+mnuVieSummary"),
                     QString("000000"));
        } else if (answer == Answer::Cancel) {
            QVERIFY(pageOpen() && w->lboTX->count() == 3);
            w->mnuSaveArray[1]->trigger();  // a save after it is no exit
            typeName("trip");
            QCOMPARE(prog->quitCalls, 0);
        }
    }

    // A saved plan that names another aircraft file, retrieved with the keyboard into an empty
    // one: all three lists as they were, the entry ready for the next leg from the last leg's
    // destination, and (after four legs) leg 5 typed on. The plan's aircraft is loaded when it is
    // there; when it is missing the aircraft in use stays and a message names the file; a plan
    // saved with no aircraft leaves the one in use, without a word.
    void retrieve_data() {
        addColumns<int, QString>("legs", "aircraft");
        addRow("four legs, aircraft present", 4, "present");
        addRow("four legs, aircraft missing", 4, "missing");
        addRow("one leg, saved with no aircraft", 1, "none");
    }
    void retrieve() {
        auto [legs, aircraft] = fetch<int, QString>("legs", "aircraft");
        const QDir program(prog->dir());
        if (aircraft == "present")
            WriteFile(program.filePath("OTHER.AC"),
                      ReadFile(program.filePath("TEST.AC")).replace("Test Jet 35", "Other Jet 50"));
        QVERIFY(enterPlan(true));
        // The legs' rows: one a leg on the page, three in the pilot view, eight in the summary.
        const QStringList rows = listLines(w->lboTX).mid(0, legs) +
                                 listLines(w->lboPilot).mid(0, 3 * legs) +
                                 listLines(w->lboSummary).mid(0, 8 * legs);
        // Trip details with the aircraft present: refused once, then heading both views, the fuel
        // unit under the pilot view's fuel column; a new plan has none, a retrieved one its own.
        const bool details = aircraft == "present";
        const QString line = "Aircraft: N123AB  Crew: Lee, Ann \"Red\"  Passengers: 4  Fuel: kg";
        const auto shown = [&] {
            return w->lblPilDetails->text() + '|' + w->lblSumDetails->text() + '|' +
                   QString::number(w->lblPilot2->text().indexOf("kg") -
                                   w->lblPilot1->text().indexOf("Fuel"));
        };
        if (details) {
            run("lboTX:0 mnuEdiDetails");
            QCOMPARE(on("frameTripDetails +mnufil") + focusName(), QString("10txtTail"));
            QTest::keyClicks(w->txtTail, "N123AB");
            QTest::keyClicks(w->txtCrew, "Lee, Ann \"Red\"");
            QTest::keyClicks(w->txtPax, "4a");
            w->cboFuelUnit->setCurrentText("kg");
            QTest::mouseClick(w->cmdDetailsOK, Qt::LeftButton);
            QVERIFY(prog->platform.messages.size() == 1 &&
                    prog->platform.messages[0].text.contains("passengers") &&
                    w->frameTripDetails->isVisible());
            QTest::keyClick(w->txtPax, Qt::Key_Backspace);
            QTest::mouseClick(w->cmdDetailsOK, Qt::LeftButton);
            QVERIFY(pageOpen());
            QCOMPARE(on("frameTripDetails") + shown(), "0" + line + '|' + line + "|0");
        }
        const QString none = "||" + QString::number(-1 - w->lblPilot1->text().indexOf("Fuel"));
        prog->s.NumLegs = static_cast<std::int16_t>(legs);
        if (aircraft == "none") prog->s.ACFileName.clear();
        savePlan("four");
        QCOMPARE(fileLines("four.txt").contains(line), details);
        prog->s.ACFileName = "TEST.AC";
        QByteArray plan = ReadFile(planFile("four.tx"));
        QVERIFY(plan.contains(aircraft == "none" ? ",\"\"\r\n\"\"," : ",\"TEST.AC\"\r\n"));
        WriteFile(planFile("four.tx"), plan.replace(",\"TEST.AC\"\r\n", ",\"OTHER.AC\"\r\n"));
        run("no mnuFilNew");
        QCOMPARE(shown(), none);
        prog->platform.messages.clear();
        w->mnuFilRetDel[0]->trigger();
        QCOMPARE(focusName(), QString("flbTXRetrieve"));
        typeAndReturn({});  // Return in the list goes to the button, which takes the next one
        QCOMPARE(focusName(), QString("cmdRetDelTX"));
        typeAndReturn({});

        QCOMPARE(on("frameTXRetDel") + shown(), "0" + (details ? line + '|' + line + "|0" : none));
        QCOMPARE(listLines(w->lboTX) + listLines(w->lboPilot) + listLines(w->lboSummary) +
                     QStringList{w->lblTXDist->text() + '|' + w->lblTXTime->text()},
                 rows + QStringList{legs == 4 ? "436| 1+20" : "109| 0+20"});
        QCOMPARE(texts("txtLeg txtTorL txtDate txtTime txtDepID txtDepCity txtDestID txtWind "
                       "txtFuelReserve cmdContinuePlanning") +
                     '|' + w->planFileName() + on("+mnuFilNew +mnuEdit"),
                 QString("%1|T|%2||%3|||1200|&Continue Planning|four10")
                     .arg(legs + 1)
                     .arg(prog->s.leg(legs).DateEntry,
                          legs == 4 ? "KDEN|Denver, CO" : "KASE|Aspen, CO"));
        const QString type = aircraft == "present" ? "Other Jet 50" : TestProgram::kAircraftType;
        QCOMPARE(
            prog->s.ACFileName + '|' + texts("lblACType_1 lblACType_2 lblACType_3"),
            (aircraft == "present" ? "OTHER.AC|" : "TEST.AC|") + QStringList(3, type).join('|'));
        const QList<FakePlatform::Message>& m = prog->platform.messages;
        QCOMPARE(m.size(), aircraft == "missing" ? 1 : 0);
        if (aircraft == "missing") QVERIFY2(m[0].text.contains("OTHER.AC"), qPrintable(m[0].text));
        if (legs == 1) return;

        enterLeg(w, {"", "", "", "1600", "", "kase", "", ""});
        QCOMPARE(listLines(w->lboTX).value(4),
                 " 5" + kThreeLegLines[2].mid(2).replace("0900", "1600").replace("0930", "1630"));
    }

    // File, Delete takes exactly the plan file picked and its text report, nothing else: a name
    // that differs in letter case is another plan's; the plan in memory stays. Then a file
    // retrieved that cannot be a plan: a damaged one gets the earlier-version message, one too
    // large says so; the page is left as a new plan leaves it (no totals), the file as it was.
    // A file gone since the list was made (retrieved or deleted) is said to be gone, and the
    // frame comes back with the list brought up to date.
    void deleteThenRetrieve_data() {
        addColumns<QString, QString>("retrieved", "said");
        addRow("damaged", "damaged",
               "Sorry!|The file you have selected is for an earlier version of Tarvex. \n"
               "You may erase this file by selecting <File>, then <Delete>.");
        addRow("too large", "large", "Retrieve Tarvex Plan|larger than 16 MB");
        addRow("gone", "gone", "Retrieve Tarvex Plan|old.tx");
    }
    void deleteThenRetrieve() {
        auto [retrieved, said] = fetch<QString, QString>("retrieved", "said");
        QVERIFY(enterPlan());
        savePlan("trip");
        const QByteArray saved = ReadFile(planFile("trip.tx"));
        QByteArray old = saved;
        if (retrieved == "damaged") old.prepend("\"Trip\"\r\n");
        if (retrieved == "large") old.append(QByteArray(16 << 20, ' '));
        QVERIFY(old != saved || retrieved == "gone");
        for (const char* other : {"TRIP.tx", "Trip.txt", "trip.pdf"})
            WriteFile(planFile(other), "kept");
        WriteFile(planFile("old.tx"), old);
        w->mnuFilRetDel[1]->trigger();
        QCOMPARE(texts("frameTXRetDel cmdRetDelTX"), QString(" Delete Tarvex Plan |&Delete"));
        run(QString("flbTXRetrieve:%1 cmdRetDelTX")
                .arg(listLines(w->flbTXRetrieve).indexOf("trip.tx")));
        QCOMPARE(planFiles(), QStringList({"TRIP.tx", "Trip.txt", "old.tx", "trip.pdf"}));
        QVERIFY(prog->platform.messages.isEmpty() && pageOpen() && w->frameTXRetDel->isHidden() &&
                w->lboTX->count() == 3);
        const auto pickOld = [&] {
            clickRow(w->flbTXRetrieve, int(listLines(w->flbTXRetrieve).indexOf("old.tx")));
            if (retrieved == "gone") QVERIFY(QFile::remove(planFile("old.tx")));
            QTest::mouseClick(w->cmdRetDelTX, Qt::LeftButton);
        };
        const auto saidGone = [&](const QString& title) {
            const FakePlatform::Message& m = prog->platform.messages.last();
            VerifyHolds(m.title + '|' + m.text, {title, "old.tx", "no longer", "up to date"});
            QVERIFY(w->frameTXRetDel->isVisible() && focusName() == "flbTXRetrieve");
            QCOMPARE(listLines(w->flbTXRetrieve), QStringList{"TRIP.tx"});
            QTest::mouseClick(w->cmdCanRetrieve, Qt::LeftButton);
        };
        if (retrieved == "gone") {
            w->mnuFilRetDel[1]->trigger();
            pickOld();
            saidGone("Delete Tarvex Plan");
            WriteFile(planFile("old.tx"), old);
            QCOMPARE(w->lboTX->count(), 3);
        }

        prog->platform.answers = {Answer::No};  // to the save question
        prog->platform.messages.clear();
        w->mnuFilRetDel[0]->trigger();
        pickOld();
        const FakePlatform::Message& m = prog->platform.messages.last();
        VerifyHolds(m.title + '|' + m.text, said.split('|'));
        QVERIFY(m.buttons == Buttons::OK && w->lboTX->count() + prog->s.NumLegs == 0);
        if (retrieved == "gone") return saidGone("Retrieve Tarvex Plan");
        QCOMPARE(texts("txtLeg txtDepID lblTXDist lblTXTime") +
                     QString::number(w->lboPilot->count()) +
                     on("+mnuFilNew +mnuFilSave +cmdContinuePlanning +cmdExitTX"),
                 QString("1|||00011"));
        QCOMPARE(ReadFile(planFile("old.tx")), old);
    }
};

QTEST_MAIN(TestPlanFiles)
#include "test_plan_files.moc"
