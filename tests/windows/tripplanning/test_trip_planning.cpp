// The main planning window driven as a user drives it: opened on a temporary program directory,
// leg entry typed with the keyboard, Back and Cancel clicked; every frame over the page locking
// the rest of the window and closed by Escape; and the owner, version and aircraft shown.
#include <QtTest>
#include <QtWidgets>

#include "ThreeLegPlan.h"
#include "windows/AppWindows.h"
#include "windows/start/Intro.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestTripPlanning : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    // Opens the main window on a plan of numLegs legs and, unless told otherwise, begins a leg.
    bool open(int numLegs = 0, bool beginLeg = true) {
        prog = std::make_unique<TestProgram>();
        w = prog->showPlanning();
        if (!w) return false;
        prog->s.NumLegs = static_cast<std::int16_t>(numLegs);
        if (beginLeg) QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        return !beginLeg || focusName() == "txtLeg";
    }

    // Steps separated by blanks: "B" clicks Back, "C" Cancel, "." presses Return, anything else
    // is typed into the focused box and accepted with Return.
    void run(const QString& steps) {
        for (const QString& step : words(steps)) {
            if (step == "B" || step == "C")
                QTest::mouseClick(step == "B" ? w->cmdBack : w->cmdLegCancel, Qt::LeftButton);
            else
                typeAndReturn(step == "." ? QString() : step);
        }
    }

  private slots:
    void cleanup() { prog.reset(); }

    void formLoad() {
        QVERIFY(open(0, false));
        QCOMPARE(QStringList({w->txtLeg->text(), w->txtTorL->text(), w->txtFuelReserve->text()}),
                 QStringList({"1", "T", "1200"}));
        QVERIFY(w->cmdEnterComments->isVisible() && !w->cmdEnterComments->isEnabled());
        // The top menus and the entries that need no plan are on, the others off.
        const QStringList on = words(
            "mnufil mnuView mnuSettings mnuHelp mnuVieAirport mnuFilRetDel_0 mnuFilRetDel_1 "
            "mnuFilBackupdata mnuFilExit mnuSetChange mnuSetReserve mnuSetBlock");
        for (const QString& name : on + words("mnuEdit mnuFilNew mnuFilSave mnuFilPrint mnuEdiEdit "
                                              "mnuEdiInsert mnuEdiDel mnuViePilot mnuVieSummary")) {
            QAction* a = w->findChild<QAction*>(name);
            if (auto* m = w->findChild<QMenu*>(name)) a = m->menuAction();
            QVERIFY2(a && a->isEnabled() == on.contains(name), qPrintable(name));
        }
    }

    // Steps from the leg box (see run), the box that then has the focus and the boxes enabled;
    // where given, the date entry, take-off time and landing time the leg then holds (typed on
    // 1/15/2027).
    void stateTable_data() {
        QTest::addColumn<int>("numLegs");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("entries");
        auto row = [](const char* name, const QString& steps, const char* focus,
                      const char* enabled, const char* entries = "", int numLegs = 0) {
            QTest::newRow(name) << numLegs << steps << focus << enabled << entries;
        };
        const char* departure = "txtDepID txtDepCity";
        row("leg", "", "txtLeg", "txtLeg");
        row("T/L", ".", "txtTorL", "txtTorL");
        row("date", ". .", "txtDate", "txtDate");
        row("time", ". . 0704", "txtTime", "txtTime", "07/04||");
        row("departure", ". . 07/04 1430", "txtDepID", departure, "07/04|1430|");
        row("empty time", ". . 0704 .", "txtDepID", departure, "07/04|0000|");
        row("landing time", ". l 0704 1305", "txtDepID", departure, "07/04||1305");
        row("back from T/L", ". B", "txtLeg", "txtLeg");
        row("back from date", ". . B", "txtTorL", "txtTorL");
        row("back twice from departure", ". . 0704 1430 B B", "txtDate", "txtDate");
        row("back then forward", ". . 0704 B .", "txtTime", "txtTime");
        // After a refusal only the refused box is live, and the leg shown is the leg open.
        row("leg refused after back", "2 B 9", "txtLeg", "txtLeg", "", 3);
        row("date refused", ". . 13/01", "txtDate", "txtDate", "||");
        row("7/4, too short", ". . 7/4", "txtDate", "txtDate", "||");
        row("time refused", ". . 0704 2401", "txtTime", "txtTime", "07/04||");
        row("letters as a time", ". . 0704 abcd", "txtTime", "txtTime", "07/04||");
        const QStringList toDeparture{".", ".", "0704", "1430"};
        for (int n = 0; n <= 4; ++n)
            row(qPrintable(QString("cancel at step %1").arg(n + 1)),
                toDeparture.mid(0, n).join(' ') + " C", "cmdContinuePlanning", "");
    }
    void stateTable() {
        QFETCH(int, numLegs);
        QFETCH(QString, steps);
        QFETCH(QString, focus);
        QFETCH(QString, enabled);
        QFETCH(QString, entries);
        QVERIFY(open(numLegs));
        run(steps);
        QCOMPARE(focusName(), focus);
        QVERIFY(prog->platform.messages.isEmpty());
        // While a leg is entered its frame replaces the page buttons and the menus are off.
        const bool entering = focus != "cmdContinuePlanning";
        QCOMPARE(w->framePlanning->isVisible(), entering);
        for (QWidget* b : {w->cmdContinuePlanning, w->cmdEnterComments, w->cmdExitTX})
            QCOMPARE(b->isVisible(), !entering);
        for (QAction* m : {w->mnufil->menuAction(), w->mnuEdit->menuAction(),
                           w->mnuView->menuAction(), w->mnuSettings->menuAction(), w->mnuHelp})
            QCOMPARE(m->isEnabled(), !entering);
        QVERIFY(entering ||
                (w->cmdContinuePlanning->isEnabled() && !w->cmdEnterComments->isEnabled()));
        if (!entering) return;
        QStringList on;
        for (QLineEdit* box : w->entryBoxes())
            if (box->isEnabled()) on << box->objectName();
        QCOMPARE(on.join(' '), enabled);
        QCOMPARE(w->cmdBack->isEnabled(), focus != "txtLeg");
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(box && box->selectedText() == box->text());
        QCOMPARE(w->txtLeg->text(), QString::number(prog->s.CurLeg));
        if (entries.isEmpty()) return;
        const Leg& leg = prog->s.leg(1);
        QCOMPARE(leg.DateEntry + '|' + leg.DepTimeEntry + '|' + leg.ArrTimeEntry, entries);
        const QStringList e = entries.split('|');
        QCOMPARE(w->txtDate->text() + '|' + w->txtTime->text(), e[0] + '|' + e[1] + e[2]);
    }

    // Keys typed into the leg box ("\r" is Return), the number it then shows, and whether the
    // maximum-legs notice comes up. Which numbers are taken is pinned in test_entry_rules.
    void legNumbers_data() {
        QTest::addColumn<int>("numLegs");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("caption");  // a key press sets it from the text before the key
        auto row = [](const char* name, int numLegs, const char* keys, const char* shown,
                      bool notice, const char* caption = nullptr) {
            QTest::newRow(name) << numLegs << keys << shown << notice
                                << QString(caption ? caption : shown);
        };
        row("0, refilled at once", 3, "0", "4", false);
        row("letter, refilled at once", 3, "x", "4", false);
        row("deleted, refilled at once", 3, "\b", "4", false);
        row("refused on Return", 3, "5\r", "4", false);
        row("leg 21 of a full plan", 20, "\r", "20", true);
        row("21 typed", 3, "21\r", "3", true);
        row("deleted, then a digit replaces the refill", 3, "\b2", "2", false, "4");
    }
    void legNumbers() {
        QFETCH(int, numLegs);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(bool, notice);
        QFETCH(QString, caption);
        QVERIFY(open(numLegs));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(w->txtLeg, keys);
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(w->txtLeg->text(), shown);
        QCOMPARE(int(prog->s.CurLeg), numLegs + 1);
        QCOMPARE(prog->platform.beeps, notice ? 1 : 0);
        QCOMPARE(w->lblMaxLegs->isVisible(), notice);
        if (notice) {
            QCOMPARE(w->txtLeg->selectedText(), shown);
            QTRY_VERIFY_WITH_TIMEOUT(w->lblMaxLegs->isHidden(), 4000);
            QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
        } else {
            QCOMPARE(w->framePlanning->title(), "Leg #  " + caption);
        }
        run(".");  // the number shown is then taken
        QCOMPARE(focusName(), QString("txtTorL"));
    }

    // Keys typed into the T/L box: the letter shown and the time of that end.
    void torlTyping_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        for (const QString row : {"l L", "x T", "\b T", "l\b T", "\bl L"})
            QTest::newRow(qPrintable(QString(row).replace('\b', "<Backspace>")))
                << words(row)[0] << words(row)[1];
    }
    void torlTyping() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QVERIFY(open());
        prog->s.leg(1).DepTimeEntry = "0815";
        prog->s.leg(1).ArrTimeEntry = "0930";
        run(".");
        QTest::keyClicks(w->txtTorL, keys);
        const bool landing = shown == "L";
        QCOMPARE(w->txtTorL->text(), shown);
        QCOMPARE(w->txtTime->text(), QString(landing ? "0930" : "0815"));
        run(".");
        QCOMPARE(focusName(), QString("txtDate"));
        QCOMPARE(prog->s.leg(1).TorL, shown);
    }

    // Each way out ends the program and closes the database, a plan with legs once its save is
    // declined (No, the default answer).
    void exitEndsProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("legs");
        for (const char* row : {"cmdExitTX 0", "cmdExitTX 2", "mnuFilExit 0", "close 2"})
            QTest::newRow(row) << words(row)[0] << words(row)[1].toInt();
    }
    void exitEndsProgram() {
        QFETCH(QString, how);
        QFETCH(int, legs);
        QVERIFY(open(legs, false));
        if (how == "cmdExitTX")
            QTest::mouseClick(w->cmdExitTX, Qt::LeftButton);
        else if (how == "mnuFilExit")
            w->mnuFilExit->trigger();
        else
            w->close();
        QCOMPARE(prog->quitCalls, 1);
        QVERIFY(!prog->adb.db.isOpen() && !prog->adb.AirportsRs.has_value());
        QVERIFY(w->isHidden());
    }

    // Steps (runSteps) that open a frame over a three-leg plan: while it is open only its own
    // controls (and those named free) can be used, no top menu among them; Escape closes it as
    // its Cancel (the services frame as its O.K.) would, leaving the focus where that leaves it.
    void framesLockTheWindow_data() {
        addColumns<QString, QString, QString, QString>("steps", "frame", "free", "escapeTo");
        const QString pilotFlags = "chkPilFBO chkPilCr chkPilPax chkPilLimo chkPilCat";
        addRow("leg entry", "cmdContinuePlanning", "framePlanning", "", "cmdContinuePlanning");
        addRow("leg entry at the wind", "cmdContinuePlanning . . . . . lfpb", "framePlanning", "",
               "cmdContinuePlanning");
        addRow("services of the first departure", "lboTX:0 mnuEdiEdit . . . . .", "frameFBOs", "",
               "txtDestID");
        addRow("services of a destination", "cmdContinuePlanning . . . . . kden", "frameFBOs", "",
               "txtWind");
        addRow("comments after a leg", "yes cmdContinuePlanning . . . . . lfpb . .",
               "frameLegComments", "", "cmdContinuePlanning");
        addRow("comments after editing leg 2", "yes lboTX:1 mnuEdiEdit . . . . . . . . .",
               "frameLegComments", "", "cmdContinuePlanning");
        addRow("comments of a selected leg", "lboTX:0 cmdEnterComments", "frameLegComments", "",
               "cmdContinuePlanning");
        addRow("pilot comments", "mnuViePilot cmdPilotComments", "framePilotComments",
               "lboPilot lboChecks_1 " + pilotFlags, "cmdPExitToPlanPage");
        addRow("summary comments", "mnuVieSummary cmdSumComments", "frameSumComments",
               "lboSummary lboChecks_3 chkSumFBO chkSumCr chkSumPax chkSumLimo chkSumCat",
               "cmdSExitToPlanPage");
        addRow("file name", "lboTX:0 mnuSaveArray_0", "frameTXName", "", "cmdContinuePlanning");
        addRow("file name from the pilot view", "mnuViePilot cmdPSave", "frameTXName", pilotFlags,
               "");
        addRow("retrieve", "lboTX:0 no mnuFilRetDel_0", "frameTXRetDel", "", "cmdContinuePlanning");
        addRow("delete", "lboTX:0 mnuFilRetDel_1", "frameTXRetDel", "", "cmdContinuePlanning");
        addRow("aircraft", "lboTX:0 mnuSetChange", "frameACChange", "", "cmdContinuePlanning");
        addRow("fuel reserve", "lboTX:0 mnuSetReserve", "frameChFRes", "", "cmdContinuePlanning");
        addRow("taxi default", "lboTX:0 mnuSetBlock", "frameTaxiDefault", "",
               "cmdContinuePlanning");
        addRow("trip checks", "lboTX:0 mnuSetChecks", "frameTripChecks", "", "cmdContinuePlanning");
        addRow("trip details", "lboTX:0 mnuEdiDetails", "frameTripDetails", "",
               "cmdContinuePlanning");
    }
    void framesLockTheWindow() {
        QFETCH(QString, steps);
        QFETCH(QString, frame);
        QFETCH(QString, free);
        QFETCH(QString, escapeTo);
        QVERIFY(open(0, false));
        // A minimum ground time of 12:00 fails leg 2: the checks lists are there to be locked.
        prog->app->limits[TripLimit::MinGround] = 12 * 60;
        QVERIFY(enterThreeLegPlan(w));
        runSteps(w, prog->platform, steps);
        auto* f = w->findChild<QGroupBox*>(frame);
        QVERIFY(f->isVisible());
        for (QAction* top : w->menuBar()->actions())
            QVERIFY2(!top->isVisible() || !top->isEnabled(), qPrintable(top->text()));
        for (QWidget* c : w->findChildren<QWidget*>()) {
            auto* box = qobject_cast<QLineEdit*>(c);  // a read-only box only shows
            const bool control = qobject_cast<QAbstractButton*>(c) ||
                                 qobject_cast<QAbstractItemView*>(c) ||
                                 (box && !box->isReadOnly()) || qobject_cast<QPlainTextEdit*>(c) ||
                                 qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractSlider*>(c);
            if (!control || c->objectName().isEmpty() || c->objectName().startsWith("qt_") ||
                !c->isVisible() || !c->isEnabled() || f->isAncestorOf(c))
                continue;
            QVERIFY2(words(free).contains(c->objectName()), qPrintable(c->objectName()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(f->isHidden());
        if (!escapeTo.isEmpty()) QCOMPARE(focusName(), escapeTo);
    }

    // A list row holding the heading's own text lies exactly under the heading.
    void headingLinesUpWithRows() {
        QVERIFY(open(0, false));
        QVERIFY(QFontInfo(w->Label3->font()).fixedPitch());
        w->lboTX->addItem(w->Label3->text());
        QWidget* page = w->centralWidget();
        const QImage img = page->grab().toImage();
        auto ink = [&img](const QRect& r) {  // the first and last columns with dark pixels
            int lo = INT_MAX, hi = -1;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (qGray(img.pixel(x, y)) < 110) lo = std::min(lo, x), hi = std::max(hi, x);
            return std::pair{lo, hi};
        };
        const auto [hLeft, hRight] = ink(w->Label3->geometry());
        const auto [rLeft, rRight] =
            ink(w->lboTX->visualItemRect(w->lboTX->item(0))
                    .translated(w->lboTX->viewport()->mapTo(page, QPoint())));
        QVERIFY(hRight > hLeft);
        QVERIFY(std::abs(hLeft - rLeft) <= 1 && std::abs(hRight - rRight) <= 1);
    }

    // The owner and version come from the program's settings, the aircraft from its file.
    void shownSettings() {
        QVERIFY(open(0, false));
        Intro intro(*prog->app);
        QCOMPARE(QStringList({intro.lblTXName->text(), intro.lblPhone->text(),
                              intro.lblEmail->text(), intro.IntroLabel1->text(), w->windowTitle(),
                              w->lblACType[2]->text(), w->lblACType[3]->text()}),
                 QStringList({"Acme Flight Department", "PH: 303-555-0142", "ops@acme.example",
                              " Tarvex  (ver 3.1.4) ", " Tarvex  (ver 3.1.4) ", "Test Jet 35",
                              "Test Jet 35"}));
    }
};

QTEST_MAIN(TestTripPlanning)
#include "test_trip_planning.moc"
