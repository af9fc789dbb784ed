// The main planning window driven as a user drives it: opened on a temporary program directory,
// leg entry typed with the keyboard, Back and Cancel clicked; every frame over the page locking
// the rest of the window and closed by Escape; and the owner, version and aircraft shown.
#include <QtTest>
#include <QtWidgets>

#include "PlanningTest.h"
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

  private slots:
    void cleanup() { prog.reset(); }

    // The entry as a new plan offers it; the owner and version from the program's settings, the
    // aircraft from its file; the menus on and off; the list's heading over its columns.
    void formLoad() {
        QVERIFY(open(0, false));
        Intro intro(*prog->app);
        QCOMPARE(texts(w, "txtLeg txtTorL txtFuelReserve lblACType_2 lblACType_3") + '|' +
                     texts(&intro, "lblTXName lblPhone lblEmail IntroLabel1") + '|' +
                     w->windowTitle(),
                 "1|T|1200|Test Jet 35|Test Jet 35|Acme Flight Department|PH: 303-555-0142|"
                 "ops@acme.example| Tarvex  (ver 3.1.4) | Tarvex  (ver 3.1.4) ");
        // Comments shown and off; the top menus and the entries that need no plan on, the others
        // off.
        QCOMPARE(on(w,
                    "cmdEnterComments +cmdEnterComments +mnufil +mnuView +mnuSettings +mnuHelp "
                    "+mnuVieAirport +mnuFilRetDel_0 +mnuFilRetDel_1 +mnuFilBackupdata "
                    "+mnuFilExit +mnuSetChange +mnuSetReserve +mnuSetBlock") +
                     on(w,
                        "+mnuEdit +mnuFilNew +mnuFilSave +mnuFilPrint +mnuEdiEdit +mnuEdiInsert "
                        "+mnuEdiDel +mnuViePilot +mnuVieSummary"),
                 QString("10111111111111"
                         "000000000"));
        // A list row holding the heading's own text lies exactly under the heading.
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
        QVERIFY(hRight > hLeft && std::abs(hLeft - rLeft) <= 1 && std::abs(hRight - rRight) <= 1);
    }

    // Steps (runSteps) from the leg box, the box that then has the focus and the boxes enabled;
    // where given, the date entry, take-off time and landing time the leg then holds (typed on
    // 1/15/2027).
    void stateTable_data() {
        addColumns<int, QString, QString, QString, QString>("numLegs", "steps", "focus", "enabled",
                                                            "entries");
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
        row("back from T/L", ". cmdBack", "txtLeg", "txtLeg");
        row("back from date", ". . cmdBack", "txtTorL", "txtTorL");
        row("back twice from departure", ". . 0704 1430 cmdBack cmdBack", "txtDate", "txtDate");
        row("back then forward", ". . 0704 cmdBack .", "txtTime", "txtTime");
        // After a refusal only the refused box is live, and the leg shown is the leg open.
        row("leg refused after back", "2 cmdBack 9", "txtLeg", "txtLeg", "", 3);
        row("date refused", ". . 13/01", "txtDate", "txtDate", "||");
        row("7/4, too short", ". . 7/4", "txtDate", "txtDate", "||");
        row("time refused", ". . 0704 2401", "txtTime", "txtTime", "07/04||");
        const QStringList toDeparture{".", ".", "0704", "1430"};
        for (int n = 0; n <= 4; ++n)
            row(qPrintable(QString("cancel at step %1").arg(n + 1)),
                toDeparture.mid(0, n).join(' ') + " cmdLegCancel", "cmdContinuePlanning", "");
    }
    void stateTable() {
        auto [numLegs, steps, focus, enabled, entries] =
            fetch<int, QString, QString, QString, QString>("numLegs", "steps", "focus", "enabled",
                                                           "entries");
        QVERIFY(open(numLegs));
        runSteps(w, prog->platform, steps);
        QVERIFY(prog->platform.messages.isEmpty());
        // While a leg is entered its frame replaces the page buttons and the menus are off: the
        // frame, the three buttons shown, the five menus on, Continue on and Comments off.
        const bool entering = focus != "cmdContinuePlanning";
        QCOMPARE(focusName() + '|' +
                     on(w,
                        "framePlanning cmdContinuePlanning cmdEnterComments cmdExitTX +mnufil "
                        "+mnuEdit +mnuView +mnuSettings +mnuHelp") +
                     (entering ? "" : on(w, "+cmdContinuePlanning +cmdEnterComments")),
                 focus + '|' + (entering ? "100000000" : "01111111110"));
        if (!entering) return;
        // The boxes enabled, Back, the focused box's text selected, the leg shown.
        QStringList live;
        for (QLineEdit* box : w->entryBoxes())
            if (box->isEnabled()) live << box->objectName();
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(live.join(' ') + '|' + on(w, "+cmdBack") +
                     QString::number(box && box->selectedText() == box->text()) + '|' +
                     w->txtLeg->text(),
                 enabled + '|' + QString::number(focus != "txtLeg") + "1|" +
                     QString::number(prog->s.CurLeg));
        if (entries.isEmpty()) return;
        const Leg& leg = prog->s.leg(1);
        const QStringList e = entries.split('|');
        QCOMPARE(leg.DateEntry + '|' + leg.DepTimeEntry + '|' + leg.ArrTimeEntry + '|' +
                     w->txtDate->text() + '|' + w->txtTime->text(),
                 entries + '|' + e[0] + '|' + e[1] + e[2]);
    }

    // Keys typed into the leg box ("\r" is Return), the number it then shows, and whether the
    // maximum-legs notice comes up. Which numbers are taken is pinned in test_entry_rules.
    void legNumbers_data() {
        // caption: a key press sets it from the text before the key
        addColumns<int, QString, QString, bool, QString>("numLegs", "keys", "shown", "notice",
                                                         "caption");
        auto row = [](const char* name, int numLegs, const char* keys, const char* shown,
                      bool notice, const char* caption = nullptr) {
            QTest::newRow(name) << numLegs << keys << shown << notice
                                << QString(caption ? caption : shown);
        };
        row("0, refilled at once", 3, "0", "4", false);
        row("leg 21 of a full plan", 20, "\r", "20", true);
        row("21 typed", 3, "21\r", "3", true);
        row("deleted, then a digit replaces the refill", 3, "\b2", "2", false, "4");
    }
    void legNumbers() {
        auto [numLegs, keys, shown, notice, caption] = fetch<int, QString, QString, bool, QString>(
            "numLegs", "keys", "shown", "notice", "caption");
        QVERIFY(open(numLegs));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(w->txtLeg, keys);
        QCOMPARE(texts(w, "@ txtLeg") +
                     QString("|%1|%2").arg(prog->s.CurLeg).arg(prog->platform.beeps) +
                     on(w, "lblMaxLegs"),
                 QString("txtLeg|%1|%2|%3%3").arg(shown).arg(numLegs + 1).arg(notice));
        if (notice) {
            QCOMPARE(w->txtLeg->selectedText(), shown);
            QTRY_VERIFY_WITH_TIMEOUT(w->lblMaxLegs->isHidden(), 4000);
            QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
        } else {
            QCOMPARE(w->framePlanning->title(), "Leg #  " + caption);
        }
        typeAndReturn({});  // the number shown is then taken
        QCOMPARE(focusName(), QString("txtTorL"));
    }

    // Keys typed into the T/L box: the letter shown and the time of that end.
    void torlTyping_data() {
        addColumns<QString, QString>("keys", "shown");
        for (const QString row : {"l L", "x T", "\b T", "l\b T", "\bl L"})
            QTest::newRow(qPrintable(QString(row).replace('\b', "<Backspace>")))
                << words(row)[0] << words(row)[1];
    }
    void torlTyping() {
        auto [keys, shown] = fetch<QString, QString>("keys", "shown");
        QVERIFY(open());
        prog->s.leg(1).DepTimeEntry = "0815";
        prog->s.leg(1).ArrTimeEntry = "0930";
        typeAndReturn({});
        QTest::keyClicks(w->txtTorL, keys);
        QCOMPARE(w->txtTorL->text() + w->txtTime->text(), shown + (shown == "L" ? "0930" : "0815"));
        typeAndReturn({});
        QCOMPARE(focusName() + prog->s.leg(1).TorL, "txtDate" + shown);
    }

    // Steps (runSteps) that open a frame over a three-leg plan: while it is open only its own
    // controls (and those named free) can be used, no top menu among them; Escape closes it as
    // its Cancel (the services frame as its O.K.) would, leaving the focus where that leaves it.
    void framesLockTheWindow_data() {
        addColumns<QString, QString, QString, QString>("steps", "frame", "escapeTo", "free");
        const auto row = [](const char* name, const char* steps, const QString& frame,
                            const char* escapeTo = "cmdContinuePlanning",
                            const QString& free = "") {
            addRow(name, QString(steps), "frame" + frame, QString(escapeTo), free);
        };
        const QString pilotFlags = "chkPilFBO chkPilCr chkPilPax chkPilLimo chkPilCat";
        row("leg entry", "cmdContinuePlanning", "Planning");
        row("leg entry at the wind", "cmdContinuePlanning . . . . . lfpb", "Planning");
        row("services of the first departure", "lboTX:0 mnuEdiEdit . . . . .", "FBOs", "txtDestID");
        row("services of a destination", "cmdContinuePlanning . . . . . kden", "FBOs", "txtWind");
        row("comments after a leg", "yes cmdContinuePlanning . . . . . lfpb . .", "LegComments");
        row("comments after editing leg 2", "yes lboTX:1 mnuEdiEdit . . . . . . . . .",
            "LegComments");
        row("comments of a selected leg", "lboTX:0 cmdEnterComments", "LegComments");
        row("pilot comments", "mnuViePilot cmdPilotComments", "PilotComments", "cmdPExitToPlanPage",
            "lboPilot lboChecks_1 " + pilotFlags);
        row("summary comments", "mnuVieSummary cmdSumComments", "SumComments", "cmdSExitToPlanPage",
            "lboSummary lboChecks_3 chkSumFBO chkSumCr chkSumPax chkSumLimo chkSumCat");
        row("file name", "lboTX:0 mnuSaveArray_0", "TXName");
        row("file name from the pilot view", "mnuViePilot cmdPSave", "TXName", "", pilotFlags);
        row("retrieve", "lboTX:0 no mnuFilRetDel_0", "TXRetDel");
        row("delete", "lboTX:0 mnuFilRetDel_1", "TXRetDel");
        row("aircraft", "lboTX:0 mnuSetChange", "ACChange");
        row("fuel reserve", "lboTX:0 mnuSetReserve", "ChFRes");
        row("taxi default", "lboTX:0 mnuSetBlock", "TaxiDefault");
        row("trip checks", "lboTX:0 mnuSetChecks", "TripChecks");
        row("trip details", "lboTX:0 mnuEdiDetails", "TripDetails");
    }
    void framesLockTheWindow() {
        auto [steps, frame, escapeTo, free] =
            fetch<QString, QString, QString, QString>("steps", "frame", "escapeTo", "free");
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
};

QTEST_MAIN(TestTripPlanning)
#include "test_trip_planning.moc"
