// The Settings frames (aircraft, fuel reserve, taxi default, trip checks), the trip checks'
// findings under the three plan lists, and the database backup and restore commands of the main
// window. How a new aircraft recomputes each leg, and the backup file checks, are pinned in
// tests/planning and tests/airportdb.
//
// TEST.AC (tests/support): the plan of PlanningTest.h flies at 340 kt, 1700 an hour, reserve
// 1200. fast.ac (written here, in lower case): 500 kt and 2000 an hour on both rows, usable fuel
// 20000, reserve 900. Taxi 10 min = 0.1666 h, 15 min = 0.25 h.
#include "PlanningTest.h"
#include "airportdb/Statements.h"

using namespace tx;
using namespace tx::test;

namespace {

const QByteArray kFast =
    " 1\r\nFast Jet\r\nline 2\r\n 500\r\n 500\r\n 2000\r\n 2000\r\n 20000\r\n 900\r\n";

// Denver - Aspen on July 4 at 0800, the services frame taken, the wind proposed (-18) and the
// reserve as offered.
const QStringList kDenverAspen{"", "", "0704", "0800", "kden", "", "kase", "", ""};

}  // namespace

class TestSettings : public QObject, PlanningWindow {
    Q_OBJECT

    // The program started, with the three-leg plan typed when asked; fast.ac and BAD.AC written.
    void open(bool threeLegs, bool withAircraft = true) {
        QVERIFY(start(threeLegs, ProgramOptions{withAircraft}));
        QVERIFY(prog->writeFile("fast.ac", kFast));
        QVERIFY(prog->writeFile("BAD.AC", kFast.left(30)));  // ends in the speeds
    }
    // The planning page is given back: frames closed, page unlocked, focus on Continue.
    void verifyPageBack() {
        QCOMPARE(on("frameACChange frameChFRes frameTaxiDefault frameTripChecks +lboTX "
                    "+mnuSettings +cmdContinuePlanning +cmdExitTX") +
                     focusName(),
                 QString("00001111cmdContinuePlanning"));
    }

  private slots:
    void cleanup() { prog.reset(); }

    // The list shows *.AC in any letter case, the first picked; the plan is recomputed on Yes,
    // kept on No, and kept with a message for a damaged file.
    void aircraftChange_data() {
        // steps: "keys", or steps (runSteps) in the list of aircraft files
        addColumns<QString, bool>("steps", "yes");
        addRow("Yes, by keyboard", "keys", true);
        addRow("cancelled", "flbTXAircraft:1 cmdACCancel", true);
        addRow("No, by double click", "flbTXAircraft::1", false);
        addRow("damaged file", "flbTXAircraft:0 cmdACSelect", true);
    }
    void aircraftChange() {
        auto [steps, yes] = fetch<QString, bool>("steps", "yes");
        const bool cancel = steps.contains("Cancel"), damaged = steps.endsWith(":0 cmdACSelect");
        open(true);
        prog->platform.answers = {yes ? Platform::Answer::Yes : Platform::Answer::No};

        w->mnuSetChange->trigger();
        QCOMPARE(listLines(w->flbTXAircraft) << focusName() + on("frameACChange +lboTX") +
                                                    QString::number(w->flbTXAircraft->currentRow()),
                 QStringList({"BAD.AC", "fast.ac", "TEST.AC", "flbTXAircraft100"}));
        if (steps == "keys") {
            QTest::keyClick(w->flbTXAircraft, Qt::Key_Down);
            QTest::keyClick(w->flbTXAircraft, Qt::Key_Return);
            QCOMPARE(focusName(), QString("cmdACSelect"));
            QTest::keyClick(w->cmdACSelect, Qt::Key_Return);
        } else {
            run(steps);
        }
        verifyPageBack();
        const QString ask =
            "Continue ... ??: All legs in the present Tarvex Plan will change.\n"
            "  Do you wish to continue ... ?    ";
        const QString bad = "Aircraft: " + QDir::toNativeSeparators(prog->dir() + "/BAD.AC") +
                            ": the file ends too early (field 6)\n\nThis aircraft file cannot be "
                            "used. The aircraft stays " +
                            TestProgram::kAircraftType + ".";
        QCOMPARE(prog->shownMessages(), QStringList({ask, bad}).mid(0, cancel ? 0 : 1 + damaged));
        if (!cancel)
            QVERIFY(prog->platform.messages[0].buttons == Platform::Buttons::YesNo &&
                    prog->platform.messages[0].defaultButton == Platform::Answer::No);
        // 109 / (500 - 18) = 0.2261 -> 0.22 h, 00+13, burn 440; landing 0.22 + 0.1666 h after
        // take-off: 23 minutes. Each leg's other figures are pinned in tests/planning.
        const bool changed = yes && !cancel && !damaged;
        QString plan = kThreeLegLines.join('\n') + (changed ? "| 0+39|fast.ac\r\nfast.ac|Fast Jet"
                                                            : "| 1+00|TEST.AC\r\nTEST.AC|");
        if (changed) plan.replace("30    00+20    109    561", "23    00+13    109    440");
        QCOMPARE(listLines(w->lboTX).join('\n') + '|' + w->lblTXTime->text() + '|' +
                     prog->readFile("TXDefAC.DAT") + prog->s.ACFileName + '|' +
                     w->lblACType[2]->text(),
                 plan + (changed ? "" : TestProgram::kAircraftType));
    }

    // Without an aircraft at start a leg stops at the wind with the warning, the plan staying
    // empty. Choosing one then asks nothing, remembers it, and the next leg is computed with it
    // without the warning: 109 n.mi. at 500 - 18 kt = 0.22 h, burn 440, reserve 900.
    void firstAircraftOnAnEmptyPlan() {
        open(false, false);
        enterLeg(w, {"", "", "0704", "0800", "kden", "", "kase"});
        prog->platform.messages.clear();  // the warning of the missing aircraft at start
        typeAndReturn({});
        QCOMPARE(prog->shownMessages() << focusName() + prog->s.leg(1).PlanLine +
                                              QString::number(prog->s.NumLegs + w->lboTX->count()),
                 QStringList({"Warning!: Before continuing, you must select an AIRCRAFT.  Select "
                              "<Settings> above then <Select/Change Aircraft>.",
                              "txtWind0"}));
        prog->platform.messages.clear();
        run("cmdLegCancel mnuSetChange flbTXAircraft:1 cmdACSelect");
        verifyPageBack();
        enterLeg(w, kDenverAspen);
        QCOMPARE(prog->readFile("TXDefAC.DAT") + prog->shownMessages().join(" / ") + '|' +
                     prog->s.leg(1).BurnText + prog->s.leg(1).ReserveText,
                 "fast.ac\r\nLeg Comments:    Do you wish to add Comments to this Leg ?   |    440"
                 "    900");
    }

    // A whole number of 0 or more is stored in memory and as the aircraft file's last line;
    // anything else is refused with the frame open and nothing written. Cancel keeps nothing.
    void fuelReserve_data() {
        addColumns<QString, double>("typed", "stored");  // -1: refused, -2: cancelled
        addRow("450.9 -> 450", "450.9", 450.0);
        addRow("zero", " 0 ", 0.0);
        addRow("number and letters", "12x", -1.0);
        addRow("negative", "-5", -1.0);
        addRow("empty", "", -1.0);
        addRow("cancelled", "5", -2.0);
    }
    void fuelReserve() {
        auto [typed, stored] = fetch<QString, double>("typed", "stored");
        open(false);
        const QByteArray before = prog->readFile("TEST.AC");
        w->mnuSetReserve->trigger();
        QCOMPARE(focusName() + w->txtDefFRes->selectedText(), QString("txtDefFRes1200"));
        if (typed.isEmpty()) w->txtDefFRes->clear();
        typeAndReturn(typed);  // on to OK: Return there clicks it, or Cancel is clicked
        run(stored == -2 ? "cmdCancelFRes" : ".");
        QCOMPARE(prog->shownMessages().join(""),
                 stored != -1 ? ""
                              : "Fuel Reserve: The fuel reserve must be a number of 0 or "
                                "more, for example 1200.");
        if (stored != -1) verifyPageBack();
        if (stored == -1) QCOMPARE(on("frameChFRes") + focusName(), QString("1txtDefFRes"));
        const QByteArray kept = QByteArray::number(stored < 0 ? 1200.0 : stored);  // the last line
        QCOMPARE(QByteArray::number(prog->s.ACReserve) + '|' + prog->readFile("TEST.AC"),
                 kept + '|' + QByteArray(before).replace(" 1200\r\n", " " + kept + "\r\n"));
    }

    // The Up key and the bar's up arrow raise the value; Apply keeps it for the session, Save
    // writes TARVEX.DAT too. Denver - Aspen with 15 min: 8 + 6 + 0.33 - 6 + 0.25 = 8.58 -> 0835.
    // A stored default of 75 shows as 60, and Cancel keeps 75 whatever was done.
    void taxiDefault_data() {
        addColumns<QString, QString, QString>("stored", "button", "kept");
        addRow("Apply this Session", "10", "cmdApplyDefault", " 15");
        addRow("Apply/Save", "10", "cmdOKDefault", " 15");
        addRow("Cancel", "75", "cmdExitTaxiDefault", "75");
    }
    void taxiDefault() {
        auto [stored, button, kept] = fetch<QString, QString, QString>("stored", "button", "kept");
        open(false);
        prog->s.TaxiDefault = stored;
        const QByteArray before = prog->readFile("TARVEX.DAT");
        w->mnuSetBlock->trigger();
        QCOMPARE(w->VScroll1->value(), -std::min(stored.toInt(), 60));  // negated: 60 at the top
        for (int k = 0; k < 4; ++k) QTest::keyClick(w->VScroll1, Qt::Key_Up);
        QTest::mouseClick(w->VScroll1, Qt::LeftButton, {}, QPoint(w->VScroll1->width() / 2, 3));
        if (stored == "10") QCOMPARE(w->lblTaxiDefault->text(), QString(" 15"));
        QTest::mouseClick(w->findChild<QPushButton*>(button), Qt::LeftButton);
        verifyPageBack();
        QCOMPARE(prog->s.TaxiDefault, kept);
        QCOMPARE(
            prog->readFile("TARVEX.DAT"),
            button != "cmdOKDefault" ? before : QByteArray(before).replace("\"10\"", "\" 15\""));
        if (kept != " 15") return;
        enterLeg(w, kDenverAspen);
        QCOMPARE(prog->s.leg(1).LocalArrText, QString("0835"));
    }

    // The limits as shown, typed over with Return from box to box: Apply keeps them for the
    // session and checks the plan again, Save writes TXLimits.DAT too. A limit that is no h:mm
    // or lies outside its range is named, selected, and the frame stays open; Cancel keeps
    // everything. A minimum ground time of 12:00 fails leg 2 of the three-leg plan (in at
    // Aspen 0830, out 1200): the one line under the list.
    void tripCheckLimits_data() {
        // typed: steps (runSteps) from the first box, the button clicked last.
        addColumns<QString, QString, int>("typed", "refusal", "ground");
        addRow("Apply/Save", "12:00 cmdSaveChecks", "", 720);
        addRow("Apply this Session", "12:00 cmdApplyChecks", "", 720);
        addRow("no h:mm", "0:75 cmdSaveChecks",
               "Minimum ground time: type hours and minutes as h:mm, such as 0:30.", 30);
        addRow("out of its range", "12:00 . . . 25:00 cmdApplyChecks",
               "Duty limit must lie between 1:00 and 24:00.", 30);
        addRow("Cancel", "12:00 cmdExitChecks", "", 30);
    }
    void tripCheckLimits() {
        auto [steps, refusal, ground] = fetch<QString, QString, int>("typed", "refusal", "ground");
        QStringList typed = words(steps);
        const QString button = typed.takeLast();
        open(true);
        run("mnuSetChecks " + steps);  // the focus starts in the first box
        QCOMPARE(prog->shownMessages(),
                 refusal.isEmpty() ? QStringList() : QStringList{"Trip Checks: " + refusal});
        if (!refusal.isEmpty()) {  // the frame stays open, the limit named selected
            const int last = typed.size() - 1;
            QCOMPARE(on("frameTripChecks") + focusName() + '|' + w->txtLimit[last]->selectedText(),
                     "1txtLimit_" + QString::number(last) + '|' + typed.last());
            run("Escape");
        }
        verifyPageBack();
        QCOMPARE(prog->app->limits[TripLimit::MinGround], ground);
        const bool saved = button == "cmdSaveChecks" && refusal.isEmpty();
        QCOMPARE(prog->readFile("TXLimits.DAT") != "<missing>", saved);
        if (saved) QCOMPARE(LoadTripLimits(prog->s).limits, prog->app->limits);
        QCOMPARE(listLines(w->lboChecks[2]) << QString::number(w->lboChecks[2]->isVisible()),
                 ground == 720 ? QStringList({"Leg 2 KASE-KDEN: departs 1200, leg 1 arrives 0830 - "
                                              "ground time 3:30 is below the minimum 12:00",
                                              "1"})
                               : QStringList({"0"}));
    }

    // A fourth leg that breaks three checks: from Teterboro while leg 3 landed at Aspen, at 0800
    // EDT (1200Z) while leg 3 lands at 0930 MDT (1530Z), and beyond the fuel. Each layout lists
    // the findings under its plan list and marks leg 4's rows by colour, their texts as before;
    // a click on a line, or Return on the current one, selects leg 4 in the layout's list, and
    // Ctrl+C copies the lines. A deleted leg and a new plan check the plan again.
    void tripChecks_data() {
        addColumns<int, bool>("layout", "click");  // 1 pilot, 2 planning page, 3 summary
        addRow("planning page, click", 2, true);
        addRow("pilot view, Return", 1, false);
        addRow("summary view, click", 3, true);
    }
    void tripChecks() {
        auto [layout, click] = fetch<int, bool>("layout", "click");
        open(true);  // the three legs pass every check (see tripCheckLimits)
        enterLeg(w, {"", "", "", "0800", "kteb", "", "egll", "", "", "", ""});
        const PlanState& s = prog->s;
        if (layout != 2) run(layout == 1 ? "mnuViePilot" : "mnuVieSummary");
        QListWidget* plan = layout == 2 ? w->lboTX : layout == 1 ? w->lboPilot : w->lboSummary;
        QListWidget* checks = w->lboChecks[layout];
        const QString leg4 = "Leg 4 KTEB-EGLL: ";
        const QStringList lines{
            leg4 + "burn " + s.leg(4).BurnText.trimmed() +
                " + reserve 1200 exceeds usable fuel 6000 - fuel stop required",
            leg4 + "departs KTEB, leg 3 arrives at KASE - legs do not connect",
            leg4 + "departs 0800, leg 3 arrives 0930 - departs 3:30 before leg 3 arrives"};
        QCOMPARE(listLines(checks) << on(checks->objectName()) + QString::number(s.NumLegs),
                 lines + QStringList{"14"});

        const int perLeg = plan->count() / 4;
        QStringList texts;
        for (int k = 1; k <= 4; ++k) {
            const Leg& leg = s.leg(k);
            texts << (layout == 2   ? QStringList{leg.PlanLine}
                      : layout == 1 ? QStringList{leg.PilotLine1, leg.PilotLine2, QString(60, ' ')}
                                    : QStringList{leg.SumLine1, leg.SumLine2, leg.SumLine3,
                                                  leg.SumLine4, leg.SumLine5, leg.SumLine6,
                                                  leg.SumLine7, QString(60, ' ')});
        }
        QCOMPARE(listLines(plan), texts);
        for (int row = 0; row < plan->count(); ++row) {
            const bool marked = row >= 3 * perLeg && (perLeg == 1 || row % perLeg < perLeg - 1);
            QVERIFY(plan->item(row)->data(Qt::BackgroundRole).isValid() == marked &&
                    plan->item(row)->data(Qt::ForegroundRole).isValid() == marked);
        }

        auto selectedLeg = [&] { return layout == 2 ? s.SelLeg : s.FmtSelLeg; };
        clickRow(plan, 0);
        QCOMPARE(selectedLeg(), 1);
        clickRow(checks, 2);
        QVERIFY(plan->currentRow() == 3 * perLeg && selectedLeg() == 4);
        if (!click) {  // the line stays current: only Return goes to its leg again
            clickRow(plan, 0);
            checks->setFocus();
            QTest::keyClick(checks, Qt::Key_Return);
            QVERIFY(plan->currentRow() == 3 * perLeg && selectedLeg() == 4);
        }
        checks->clearSelection();
        for (int r : {2, 0}) checks->item(r)->setSelected(true);
        QTest::keyClick(checks, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "\r\n" + lines[0] + "\r\n" + lines[2] + "\r\n");
        if (layout != 2) return;
        // The checks follow the plan: leg 1 deleted, the findings name leg 3; a new plan has none.
        run("lboTX:0 mnuEdiDel");
        QVERIFY(w->lboChecks[2]->item(0)->text().startsWith("Leg 3 KTEB-EGLL: burn"));
        run("no mnuFilNew");
        QVERIFY(w->lboChecks[2]->isHidden() && w->lboChecks[2]->count() == 0);
    }

    // Backup and restore, each into or from the folder chosen ("step:folder:answer"; "cancel"
    // for a cancelled chooser, the restore question answered No unless "yes"). Each says what it
    // did; a restored airport added to the backup is found in this window and on the cursor the
    // airport window shares, and the replaced file is kept. A failed copy gives the message with
    // the reason under it, and the live database is still used.
    void backupAndRestore_data() {
        addColumns<QString, QString>("steps", "shown");
        const QString backedUp = "Tarvex: The airport database ({7}) has been backed up to {disk}.";
        const QString asked = backedUp + " / Tarvex: Restore {8} from {disk} in place of {7}?";
        addRow("restored with an airport added", "backup: restore::yes",
               asked +
                   " / Tarvex: Restored {8} from {disk}. The previous airport database ({7}) "
                   "is kept as {dir}data.mdb.2027-01-15-140509.bak.");
        addRow("restore declined", "backup: restore:", asked);
        addRow("backup to a missing folder", "backup:missing",
               "Tarvex: Insert a Formatted empty disk in drive <A>, then try again.\n\n");
        addRow("restore without data.mdb",
               "restore:", "Tarvex: Insert 'Tarvex Backup' disk in drive <A>, then try again.\n\n");
        addRow("chooser cancelled", "restore:cancel", "");
    }
    void backupAndRestore() {
        auto [steps, shown] = fetch<QString, QString>("steps", "shown");
        const bool restored = steps.endsWith(":yes");  // KZZZ found, else KDEN
        open(false);
        QTemporaryDir disk;
        const QStringList before = QDir(prog->dir()).entryList(QDir::Files);
        for (const QString& step : words(steps)) {
            const QString folder = step.section(':', 1, 1);
            if (folder != "cancel") prog->platform.folders = {disk.filePath(folder)};
            if (step.section(':', 2) == "yes") prog->platform.answers = {Platform::Answer::Yes};
            (step.startsWith("backup") ? w->mnuFilBackup : w->mnuFilRestore)->trigger();
            if (step != "backup:") continue;
            Db copy;
            copy.open(disk.filePath("data.mdb"));
            copy.execute(
                "INSERT INTO tblAirports (Ident, City, State, Lat, Long, Std, Day, ZoneCode) "
                "VALUES ('KZZZ', 'Zedville', 'ZZ', 'N40-00.0', 'W100-00.0', -6, -5, 'US')");
        }
        const QString counts =
            "%1 airports, 6 FBOs, 4 crew hotels, 1 pax hotel, 1 limo and 56 caterers";
        shown.replace("{7}", counts.arg(7))
            .replace("{8}", counts.arg(8))
            .replace("{disk}", disk.filePath("data.mdb"))
            .replace("{dir}", prog->dir() + '/');
        const QString messages = prog->shownMessages().join(" / ");
        QCOMPARE(messages.left(shown.size()), shown);
        QCOMPARE(prog->platform.messages.size(), shown.count(" / ") + !shown.isEmpty());
        // Nothing is left beside the live file but the copy kept by a restore.
        QStringList after = QDir(prog->dir()).entryList(QDir::Files);
        if (restored) QVERIFY(after.removeOne("data.mdb.2027-01-15-140509.bak"));
        QCOMPARE(after, before);
        const QString ident = restored ? "KZZZ" : "KDEN";
        QVERIFY(prog->adb.AirportsRs && prog->adb.AirportsRs->findFirst(IdentIs(ident)));
        enterLeg(w, {"", "", "0704", "0800", ident.toLower()});
        QCOMPARE(w->txtDepCity->text(), restored ? "Zedville, ZZ" : "Denver, CO");
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
