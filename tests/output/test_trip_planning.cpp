// The main planning window driven as a user drives it: opened on a temporary program directory,
// leg entry typed with the keyboard, Back and Cancel clicked.
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "output/TripPlanning.h"
#include "settings/AppWindows.h"
#include "support/TestProgram.h"

using namespace tx;
using namespace tx::test;

namespace {

const QString kLegPrompt = "  ( Displays Leg Number. )";
const QString kTorLPrompt = "  Designate either <T>akeoff or <L>anding.";
const QString kDatePrompt = "  ( <MM/DD>, Example: enter  July 4 = 07/04, or as 0704 )";
const QString kTimePrompt = "  ( Example:  1:05am = 0105,  1:05pm = 1305 )";
const QString kAirportPrompt = "  Enter Airport ID, or Press <Return> for City Search.";

// A planning-page line of leg k as the leg texts build it (84 characters).
QString planLine(int k) {
    return QString(
               "%1 0%2Jul Denver, CO        0800   Aspen, CO            0900   00+40    "
               "110  640")
        .arg(k, 2)
        .arg(k % 10);
}

// Legs 1..n of a plan between Denver and Aspen, leg k on July k.
void fillLegs(PlanState& s, int n) {
    for (int k = 1; k <= n; ++k) {
        Leg& leg = s.leg(k);
        leg.TorL = "T";
        leg.DateEntry = QString("07/%1").arg(k, 2, 10, QChar('0'));
        leg.LegDate = QString(" 7.%1").arg(k, 2, 10, QChar('0'));
        leg.DepTimeEntry = "0800";
        leg.DepID = k % 2 ? "KDEN" : "KASE";
        leg.DestID = k % 2 ? "KASE" : "KDEN";
        leg.DepCityStateF = k % 2 ? "Denver, CO" : "Aspen, CO";
        leg.DestCityStateF = k % 2 ? "Aspen, CO" : "Denver, CO";
        leg.WindText = "   -10";
        leg.ReserveText = "   1200";
        leg.PlanLine = planLine(k);
    }
    s.NumLegs = static_cast<std::int16_t>(n);
}

QStringList enabledEntryBoxes(const TripPlanning* w) {
    QStringList on;
    for (QLineEdit* box : w->entryBoxes())
        if (box->isEnabled()) on << box->objectName();
    return on;
}

QString captionOf(const QObject* o) {
    if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
    if (auto* m = qobject_cast<const QMenu*>(o)) return m->title();
    if (auto* a = qobject_cast<const QAction*>(o)) return a->isSeparator() ? "-" : a->text();
    return {};
}

QString toolTipOf(const QObject* o) {
    if (auto* w = qobject_cast<const QWidget*>(o)) return w->toolTip();
    return {};
}

// Leftmost and rightmost columns holding dark pixels inside r.
QPair<int, int> inkExtent(const QImage& img, const QRect& r) {
    int lo = INT_MAX, hi = -1;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 110) {
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
    return {lo, hi};
}

}  // namespace

#define OPEN(...)                               \
    do {                                        \
        open(__VA_ARGS__);                      \
        if (QTest::currentTestFailed()) return; \
    } while (0)

class TestTripPlanning : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;
    std::unique_ptr<TestProgram> contractProg;  // one window read by every name-contract row

    void open(const ProgramOptions& options = {}) {
        prog = std::make_unique<TestProgram>(options);
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
    }

    void begin() {
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        QCOMPARE(focusName(), QString("txtLeg"));
    }

    // Each step: "<back>" or "<cancel>" clicks that button; any other text is typed into the
    // focused box and accepted with Return.
    void run(const QStringList& steps) {
        for (const QString& step : steps) {
            if (step == "<back>")
                QTest::mouseClick(w->cmdBack, Qt::LeftButton);
            else if (step == "<cancel>")
                QTest::mouseClick(w->cmdLegCancel, Qt::LeftButton);
            else
                typeAndReturn(step == "<return>" ? QString() : step);
        }
    }

    QList<QAction*> topMenus() const {
        return {w->mnufil->menuAction(), w->mnuEdit->menuAction(), w->mnuView->menuAction(),
                w->mnuSettings->menuAction(), w->mnuHelp};
    }

  private slots:
    void cleanup() {
        w = nullptr;
        prog.reset();
    }
    void cleanupTestCase() { contractProg.reset(); }

    void formLoad() {
        OPEN();
        const PlanState& s = prog->s;
        QCOMPARE(w->windowTitle(), QString(" Tarvex  (ver 3.1.4) "));
        QCOMPARE(w->lblACType[2]->text(), TestProgram::kAircraftType);
        QCOMPARE(w->lblACType[3]->text(), TestProgram::kAircraftType);
        QCOMPARE(w->txtLeg->text(), QString("1"));
        QCOMPARE(w->txtTorL->text(), QString("T"));
        QCOMPARE(s.leg(1).TorL, QString("T"));
        QCOMPARE(w->txtFuelReserve->text(), QString("1200"));
        QCOMPARE(int(s.CurLeg), 1);
        QCOMPARE(int(s.NumLegs), 0);
        QCOMPARE(int(s.SelLeg), 1);
        QCOMPARE(s.ViewMode, QString("TX"));
        QVERIFY(w->lblTXDist->text().isEmpty());
        QVERIFY(w->lblTXTime->text().isEmpty());
        QCOMPARE(w->framePlanning->title(), QString("Leg #  1"));
        QCOMPARE(w->cmdContinuePlanning->text(), QString("&Begin Planning"));
        QVERIFY(w->cmdContinuePlanning->isVisible() && w->cmdContinuePlanning->isEnabled());
        QVERIFY(w->cmdEnterComments->isVisible() && !w->cmdEnterComments->isEnabled());
        QVERIFY(w->cmdExitTX->isVisible() && w->cmdExitTX->isEnabled());
        QVERIFY(w->lboTX->isVisible());
        for (QWidget* hidden : QList<QWidget*>{
                 w->framePlanning, w->framePilot, w->frameSummary, w->framePilotComments,
                 w->frameSumComments, w->frameLegComments, w->frameChFRes, w->frameTXName,
                 w->frameTXRetDel, w->frameACChange, w->frameTaxiDefault, w->frameFBOs,
                 w->txtDepSearch, w->txtDestSearch, w->cmdDepPrev, w->cmdDepNext, w->cmdDestPrev,
                 w->cmdDestNext, w->lblMaxLegs})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(!w->TimerMaxLegs->isActive());
        // The shared airports cursor is open in city order.
        QVERIFY(prog->adb.AirportsRs.has_value());
        QCOMPARE(prog->adb.AirportsRs->field("City").toString(), QString("Aspen"));
        // Centred on the screen (the frame is added by the window system once shown).
        const QRect screen = w->screen()->geometry();
        const int frame = w->frameGeometry().width() - w->width();
        QVERIFY(std::abs(w->x() - (screen.width() - w->frameGeometry().width()) / 2) <= frame);
        QVERIFY(std::abs(w->y() - (screen.height() - w->frameGeometry().height()) / 2) <=
                frame + w->frameGeometry().height() - w->height());
    }

    void menuStatesAfterLoad_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        // The top menus, then the entries that depend on the plan.
        for (const char* on : {"mnufil", "mnuView", "mnuSettings", "mnuHelp", "mnuVieAirport",
                               "mnuFilRetDel_0", "mnuFilRetDel_1", "mnuFilBackupdata", "mnuFilExit",
                               "mnuSetChange", "mnuSetReserve", "mnuSetBlock"})
            QTest::newRow(on) << QString(on) << true;
        for (const char* off : {"mnuEdit", "mnuFilNew", "mnuFilSave", "mnuFilPrint", "mnuEdiEdit",
                                "mnuEdiInsert", "mnuEdiDel", "mnuViePilot", "mnuVieSummary"})
            QTest::newRow(off) << QString(off) << false;
    }
    void menuStatesAfterLoad() {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        OPEN();
        QAction* a = w->findChild<QAction*>(name);
        if (auto* m = w->findChild<QMenu*>(name)) a = m->menuAction();
        QVERIFY(a);
        QCOMPARE(a->isEnabled(), enabled);
        QVERIFY(a->isVisible());
    }

    void beginFirstLeg() {
        OPEN();
        begin();
        QVERIFY(w->framePlanning->isVisible());
        QCOMPARE(w->framePlanning->title(), QString("Leg #  1"));
        for (QWidget* hidden : {w->cmdContinuePlanning, w->cmdExitTX, w->cmdEnterComments})
            QVERIFY(hidden->isHidden());
        for (QAction* m : topMenus()) QVERIFY(!m->isEnabled());
        QCOMPARE(w->txtLeg->text(), QString("1"));
        QCOMPARE(w->txtLeg->selectedText(), QString("1"));
        QCOMPARE(w->EntryStep, QString("1"));
        QCOMPARE(w->lblNotes->text(), kLegPrompt);
        QCOMPARE(enabledEntryBoxes(w), QStringList{"txtLeg"});
        QVERIFY(!w->cmdBack->isEnabled());
        QCOMPARE(w->txtDate->text(), QString());
        QCOMPARE(w->txtTime->text(), QString());
        QCOMPARE(w->lblTime->text(), QString("Local Dep. Time :"));
        QCOMPARE(w->txtFuelReserve->text(), QString("1200"));
        QCOMPARE(w->lblPrevLeg->text(), QString());
        QVERIFY(prog->platform.messages.isEmpty());
    }

    void beginNextLeg() {
        OPEN();
        fillLegs(prog->s, 3);
        Leg& next = prog->s.leg(4);  // left over in the slot after the last leg
        next.WindText = "   -12";
        next.ReserveText = "   1500";
        next.DestID = "KTEB";
        next.DestCityStateF = "Teterboro, NJ";
        begin();
        QCOMPARE(w->txtLeg->text(), QString("4"));
        QCOMPARE(w->framePlanning->title(), QString("Leg #  4"));
        QCOMPARE(int(prog->s.CurLeg), 4);
        QCOMPARE(prog->s.leg(4).TorL, QString("T"));
        QCOMPARE(w->txtDate->text(), QString("07/03"));
        QCOMPARE(w->txtDepID->text(), QString("KASE"));
        QCOMPARE(w->txtDepCity->text(), QString("Aspen, CO"));
        QCOMPARE(w->txtDestID->text(), QString("KTEB"));
        QCOMPARE(w->txtDestCity->text(), QString("Teterboro, NJ"));
        QCOMPARE(w->txtWind->text(), QString("-12"));
        QCOMPARE(w->txtFuelReserve->text(), QString("1500"));
        QCOMPARE(w->lblPrevLeg->text(),
                 QString("03Jul Denver, CO        0800   Aspen, CO            0900   00+40    "
                         "110  640"));
    }

    void stateTable_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<bool>("backEnabled");
        const QStringList toDate{"<return>", "<return>"};
        const QStringList toTime = toDate + QStringList{"0704"};
        const QStringList toDeparture = toTime + QStringList{"1430"};
        QTest::newRow("leg") << QStringList{} << "txtLeg"
                             << "1" << kLegPrompt << QStringList{"txtLeg"} << false;
        QTest::newRow("T/L") << QStringList{"<return>"} << "txtTorL"
                             << "2" << kTorLPrompt << QStringList{"txtTorL"} << true;
        QTest::newRow("date") << toDate << "txtDate"
                              << "3" << kDatePrompt << QStringList{"txtDate"} << true;
        QTest::newRow("time") << toTime << "txtTime"
                              << "4" << kTimePrompt << QStringList{"txtTime"} << true;
        QTest::newRow("departure")
            << toDeparture << "txtDepID"
            << "5" << kAirportPrompt << QStringList{"txtDepID", "txtDepCity"} << true;
        QTest::newRow("back from T/L") << QStringList{"<return>", "<back>"} << "txtLeg"
                                       << "1" << kLegPrompt << QStringList{"txtLeg"} << false;
        QTest::newRow("back from date") << toDate + QStringList{"<back>"} << "txtTorL"
                                        << "2" << kTorLPrompt << QStringList{"txtTorL"} << true;
        QTest::newRow("back from time") << toTime + QStringList{"<back>"} << "txtDate"
                                        << "3" << kDatePrompt << QStringList{"txtDate"} << true;
        QTest::newRow("back from departure")
            << toDeparture + QStringList{"<back>"} << "txtTime"
            << "4" << kTimePrompt << QStringList{"txtTime"} << true;
        QTest::newRow("back twice") << toDeparture + QStringList{"<back>", "<back>"} << "txtDate"
                                    << "3" << kDatePrompt << QStringList{"txtDate"} << true;
        QTest::newRow("back then forward")
            << toTime + QStringList{"<back>", "<return>"} << "txtTime"
            << "4" << kTimePrompt << QStringList{"txtTime"} << true;
        for (int n = 0; n <= 4; ++n) {
            const QStringList before = toDeparture.mid(0, n);
            QTest::newRow(qPrintable(QString("cancel at step %1").arg(n + 1)))
                << before + QStringList{"<cancel>"} << "cmdContinuePlanning"
                << ""
                << "" << QStringList{} << false;
        }
    }
    void stateTable() {
        QFETCH(QStringList, steps);
        QFETCH(QString, focus);
        QFETCH(QString, step);
        QFETCH(QString, notes);
        QFETCH(QStringList, enabled);
        QFETCH(bool, backEnabled);
        OPEN();
        begin();
        run(steps);
        QCOMPARE(focusName(), focus);
        if (focus == "cmdContinuePlanning") {  // cancelled: the idle page
            QVERIFY(w->framePlanning->isHidden());
            QVERIFY(w->cmdContinuePlanning->isVisible() && w->cmdContinuePlanning->isEnabled());
            QVERIFY(w->cmdEnterComments->isVisible() && !w->cmdEnterComments->isEnabled());
            QVERIFY(w->cmdExitTX->isVisible());
            for (QAction* m : topMenus()) QVERIFY(m->isEnabled());
            QCOMPARE(int(prog->s.NumLegs), 0);
            return;
        }
        QVERIFY(w->framePlanning->isVisible());
        QCOMPARE(w->EntryStep, step);
        QCOMPARE(w->lblNotes->text(), notes);
        QCOMPARE(enabledEntryBoxes(w), enabled);
        QCOMPARE(w->cmdBack->isEnabled(), backEnabled);
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(box);
        QCOMPARE(box->selectedText(), box->text());
    }

    void backAtLegBeeps() {
        OPEN();
        begin();
        w->cmdBack_Click();  // the button itself is disabled at this step
        QCOMPARE(prog->platform.beeps, 1);
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(enabledEntryBoxes(w), QStringList{"txtLeg"});
    }

    void cancelKeepsWhatWasEntered() {
        OPEN();
        begin();
        run({"<return>", "l", "0704", "0915", "<cancel>"});
        const Leg& leg = prog->s.leg(1);
        QCOMPARE(leg.TorL, QString("L"));
        QCOMPARE(leg.DateEntry, QString("07/04"));
        QCOMPARE(leg.ArrTimeEntry, QString("0915"));
        QCOMPARE(int(prog->s.NumLegs), 0);
        begin();  // the same leg is offered again
        QCOMPARE(w->txtLeg->text(), QString("1"));
    }

    void noAircraftWarning() {
        ProgramOptions o;
        o.withAircraft = false;
        OPEN(o);
        begin();
        QCOMPARE(prog->platform.messages.size(), 1);
        const FakePlatform::Message& m = prog->platform.messages.first();
        QCOMPARE(m.title, QString("Warning!"));
        QCOMPARE(m.text, QString("You must select an AIRCRAFT.  Click <Cancel> below then select "
                                 "<Settings>, then <Select/Change Aircraft>."));
        QCOMPARE(m.buttons, Platform::Buttons::OK);
        // Entry goes on.
        run({"<return>"});
        QCOMPARE(focusName(), QString("txtTorL"));
        QCOMPARE(prog->platform.messages.size(), 1);
    }

    void dateRule_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("legDate");
        QTest::addColumn<QString>("dateText");
        auto row = [](const char* name, QDate today, const char* typed, bool accepted,
                      const char* shown, const char* legDate, const char* dateText) {
            QTest::newRow(name) << today << QString(typed) << accepted << QString(shown)
                                << QString(legDate) << QString(dateText);
        };
        const QDate jan2027(2027, 1, 15), jan2028(2028, 1, 15);
        row("0704", jan2027, "0704", true, "07/04", " 7.04", "04Jul");
        row("07/04", jan2027, "07/04", true, "07/04", " 7.04", "04Jul");
        row("7/4 too short", jan2027, "7/4", false, "", "", "");
        row("7/04", jan2027, "7/04", true, "7//04", " 7.04", "04Jul");
        row("02/29, 2028", jan2028, "02/29", true, "02/29", " 2.29", "29Feb");
        row("02/29, 2027", jan2027, "02/29", false, "", " 2.29", "");
        row("02/29 after February 2027 is 2028", {2027, 3, 1}, "02/29", true, "02/29", " 2.29",
            "29Feb");
        row("02/29 after February 2028 is 2029", {2028, 3, 1}, "02/29", false, "", " 2.29", "");
        row("02/29 on February 29", {2028, 2, 29}, "02/29", true, "02/29", " 2.29", "29Feb");
        row("02/29, 2100", {2099, 12, 31}, "0229", true, "02/29", " 2.29", "29Feb");
        row("02/29, 2108", {2108, 1, 2}, "02/29", false, "", " 2.29", "");
        row("02/28", jan2027, "02/28", true, "02/28", " 2.28", "28Feb");
        row("02/30", jan2028, "02/30", false, "", " 2.30", "");
        row("04/30", jan2027, "04/30", true, "04/30", " 4.30", "30Apr");
        row("04/31", jan2027, "04/31", false, "", " 4.31", "");
        row("06/31", jan2027, "06/31", false, "", " 6.31", "");
        row("09/31", jan2027, "09/31", false, "", " 9.31", "");
        row("11/31", jan2027, "11/31", false, "", " 11.31", "");
        row("12/31", jan2027, "12/31", true, "12/31", " 12.31", "31Dec");
        row("13/01", jan2027, "13/01", false, "", " 13.01", "");
        row("00/15", jan2027, "00/15", false, "", " 0.15", "");
        row("01/00", jan2027, "01/00", false, "", " 1.00", "");
        row("01/01", jan2027, "0101", true, "01/01", " 1.01", "01Jan");
    }
    void dateRule() {
        QFETCH(QDate, today);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        QFETCH(QString, legDate);
        QFETCH(QString, dateText);
        ProgramOptions o;
        o.today = today;
        OPEN(o);
        begin();
        run({"<return>", "<return>", typed});
        const Leg& leg = prog->s.leg(1);
        QCOMPARE(leg.LegDate, legDate);
        QCOMPARE(w->txtDate->text(), shown);
        QCOMPARE(leg.DateEntry, shown);
        QCOMPARE(leg.DateText, dateText);
        if (accepted) {
            QCOMPARE(focusName(), QString("txtTime"));
            QCOMPARE(enabledEntryBoxes(w), QStringList{"txtTime"});
        } else {
            QCOMPARE(focusName(), QString("txtDate"));
            QCOMPARE(enabledEntryBoxes(w), QStringList{"txtDate"});
        }
        QVERIFY(prog->platform.messages.isEmpty());
        QCOMPARE(prog->platform.beeps, 0);
    }

    void timeRule_data() {
        QTest::addColumn<QString>("torl");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("depTime");
        QTest::addColumn<QString>("arrTime");
        auto row = [](const char* name, const char* torl, const char* typed, bool accepted,
                      const char* dep, const char* arr) {
            QTest::newRow(name) << QString(torl) << QString(typed) << accepted << QString(dep)
                                << QString(arr);
        };
        row("2400", "<return>", "2400", true, "2400", "");
        row("2401", "<return>", "2401", false, "", "");
        row("empty", "<return>", "", true, "0000", "");
        row("0175", "<return>", "0175", true, "0175", "");
        row("negative", "<return>", "-5", false, "", "");
        row("landing time", "l", "1305", true, "", "1305");
        row("landing time left as offered", "l", "", true, "", "0700");
    }
    void timeRule() {
        QFETCH(QString, torl);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, depTime);
        QFETCH(QString, arrTime);
        OPEN();
        begin();
        prog->s.leg(1).ArrTimeEntry = "0700";  // a take-off time empties it
        run({"<return>", torl, "0704", typed});
        const Leg& leg = prog->s.leg(1);
        if (accepted) {
            QCOMPARE(focusName(), QString("txtDepID"));
            QCOMPARE(w->txtTime->text(), depTime + arrTime);
            QCOMPARE(leg.DepTimeEntry, depTime);
            QCOMPARE(leg.ArrTimeEntry, arrTime);
            QVERIFY(!w->txtTime->isEnabled());
        } else {
            QCOMPARE(focusName(), QString("txtTime"));
            QCOMPARE(w->txtTime->text(), QString());
            QVERIFY(w->txtTime->isEnabled());
            QVERIFY(prog->platform.messages.isEmpty());
        }
    }

    void torlTyping_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("dateLabel");
        QTest::addColumn<QString>("timeLabel");
        QTest::addColumn<QString>("time");
        auto takeoff = [](const char* name, const char* keys) {
            QTest::newRow(name) << QString(keys) << "T"
                                << "Departure Date :"
                                << "Local Dep. Time :"
                                << "0815";
        };
        auto landing = [](const char* name, const char* keys) {
            QTest::newRow(name) << QString(keys) << "L"
                                << "Arrival Date :"
                                << "Local Arr. Time :"
                                << "0930";
        };
        landing("l", "l");
        landing("L", "L");
        landing("l then t", "lt");
        takeoff("t", "t");
        takeoff("x", "x");
        takeoff("deleted", "\b");
        takeoff("l then deleted", "l\b");
    }
    void torlTyping() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, dateLabel);
        QFETCH(QString, timeLabel);
        QFETCH(QString, time);
        OPEN();
        prog->s.leg(1).DepTimeEntry = "0815";
        prog->s.leg(1).ArrTimeEntry = "0930";
        begin();
        run({"<return>"});
        QCOMPARE(focusName(), QString("txtTorL"));
        for (QChar c : keys) {
            if (c == '\b')
                QTest::keyClick(w->txtTorL, Qt::Key_Backspace);
            else
                QTest::keyClicks(w->txtTorL, QString(c));
        }
        QCOMPARE(w->txtTorL->text(), shown);
        QCOMPARE(prog->s.leg(1).TorL, shown);
        QCOMPARE(w->lblDate->text(), dateLabel);
        QCOMPARE(w->lblTime->text(), timeLabel);
        QCOMPARE(w->txtTime->text(), time);
        typeAndReturn({});
        QCOMPARE(focusName(), QString("txtDate"));
        QCOMPARE(prog->s.leg(1).TorL, shown);
    }

    void refusedLegNumbers_data() {
        QTest::addColumn<int>("numLegs");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("beyond the next leg") << 0 << QString("2") << QString("1");
        QTest::newRow("two beyond") << 3 << QString("5") << QString("4");
        QTest::newRow("not a number") << 3 << QString("3a") << QString("4");
        QTest::newRow("fraction") << 3 << QString("2.5") << QString("4");
    }
    void refusedLegNumbers() {
        QFETCH(int, numLegs);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OPEN();
        fillLegs(prog->s, numLegs);
        begin();
        run({typed});
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(w->txtLeg->text(), shown);
        QCOMPARE(int(prog->s.CurLeg), numLegs + 1);
        QCOMPARE(w->framePlanning->title(), "Leg #  " + shown);
        QVERIFY(w->lblMaxLegs->isHidden());
        QCOMPARE(prog->platform.beeps, 0);
        // The number offered is then taken.
        run({"<return>"});
        QCOMPARE(focusName(), QString("txtTorL"));
    }

    // Whatever reads as 0 is replaced by the next leg number as soon as it is typed.
    void legBoxRefillsAtOnce_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, const char* keys, const char* shown, const char* caption) {
            QTest::newRow(name) << QString(keys) << QString(shown) << QString(caption);
        };
        row("0", "0", "4", "Leg #  4");
        row("minus sign", "-", "4", "Leg #  4");
        row("letter", "x", "4", "Leg #  4");
        row("deleted", "\b", "4", "Leg #  4");
        row("digits", "12", "12", "Leg #  1");  // before the 2 landed
        row("-1 becomes 41", "-1", "41", "Leg #  4");
    }
    void legBoxRefillsAtOnce() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, caption);
        OPEN();
        fillLegs(prog->s, 3);
        begin();
        for (QChar c : keys) {
            if (c == '\b')
                QTest::keyClick(w->txtLeg, Qt::Key_Backspace);
            else
                QTest::keyClicks(w->txtLeg, QString(c));
        }
        QCOMPARE(w->txtLeg->text(), shown);
        QCOMPARE(w->framePlanning->title(), caption);
    }

    void reenterEarlierLeg() {
        OPEN();
        fillLegs(prog->s, 3);
        Leg& two = prog->s.leg(2);
        two.TorL = "L";
        two.ArrTimeEntry = "1120";
        two.DepTimeEntry = "";
        two.DepID = "KTEB";  // no longer where leg 1 ends
        two.DepCityStateF = "Teterboro, NJ";
        begin();
        QTest::keyClicks(w->txtLeg, "2");
        QCOMPARE(w->framePlanning->title(), QString("Leg #  4"));  // before the key landed
        typeAndReturn({});
        QCOMPARE(focusName(), QString("txtTorL"));
        QCOMPARE(int(prog->s.CurLeg), 2);
        QCOMPARE(w->framePlanning->title(), QString("Leg #  2"));
        QCOMPARE(w->txtTorL->text(), QString("L"));
        QCOMPARE(w->txtTime->text(), QString("1120"));
        QCOMPARE(w->lblTime->text(), QString("Local Arrival Time :"));
        QCOMPARE(w->txtDate->text(), QString("07/02"));
        QCOMPARE(two.DepID, QString("KASE"));
        QCOMPARE(two.DepCityStateF, QString("Aspen, CO"));
        QCOMPARE(w->txtDepID->text(), QString("KASE"));
        QCOMPARE(w->txtDestID->text(), QString("KDEN"));
        QCOMPARE(w->txtWind->text(), QString("-10"));
        QCOMPARE(w->txtFuelReserve->text(), QString("1200"));
        QCOMPARE(w->lblPrevLeg->text(),
                 QString("01Jul Denver, CO        0800   Aspen, CO            0900   00+40    "
                         "110  640"));
        QCOMPARE(enabledEntryBoxes(w), QStringList{"txtTorL"});
        QVERIFY(w->cmdBack->isVisible() && w->cmdBack->isEnabled());
    }

    void maxLegsNotice_data() {
        QTest::addColumn<int>("numLegs");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("leg 21 of a full plan") << 20 << ""
                                               << "20";
        QTest::newRow("25 on an empty plan") << 0 << "25"
                                             << "1";
    }
    void maxLegsNotice() {
        QFETCH(int, numLegs);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OPEN();
        fillLegs(prog->s, numLegs);
        begin();
        if (numLegs == 20) QCOMPARE(w->txtLeg->text(), QString("21"));
        QElapsedTimer clock;
        clock.start();
        run({typed});
        QCOMPARE(prog->platform.beeps, 1);
        QVERIFY(w->lblMaxLegs->isVisible());
        QCOMPARE(w->lblMaxLegs->text(), QString("Max of 20 Legs !!"));
        QCOMPARE(w->txtLeg->text(), shown);
        QCOMPARE(w->txtLeg->selectedText(), shown);
        QCOMPARE(focusName(), QString("txtLeg"));
        QCOMPARE(w->EntryStep, QString("1"));
        QVERIFY(w->cmdBack->isEnabled() == false);
        QTRY_VERIFY_WITH_TIMEOUT(w->lblMaxLegs->isHidden(), 4000);
        QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!w->TimerMaxLegs->isActive());
    }

    // Until plans can be saved, a plan with legs ends the program as an empty one does.
    void exitEndsProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("legs");
        QTest::newRow("button") << "cmdExitTX" << 0;
        QTest::newRow("menu") << "mnuFilExit" << 0;
        QTest::newRow("window closed") << "close" << 0;
        QTest::newRow("button, plan with legs") << "cmdExitTX" << 2;
        QTest::newRow("window closed, plan with legs") << "close" << 2;
    }
    void exitEndsProgram() {
        QFETCH(QString, how);
        QFETCH(int, legs);
        OPEN();
        fillLegs(prog->s, legs);
        if (how == "cmdExitTX")
            QTest::mouseClick(w->cmdExitTX, Qt::LeftButton);
        else if (how == "mnuFilExit")
            w->mnuFilExit->trigger();
        else
            w->close();
        QCOMPARE(prog->quitCalls, 1);
        QVERIFY(!prog->adb.db.isOpen());
        QVERIFY(!prog->adb.AirportsRs.has_value());
        QVERIFY(w->isHidden());
        QCOMPARE(w->ExitMode, QString("EExit"));
    }

    void planMenuState() {
        OPEN();
        // With no legs EnablePlanMenus changes nothing.
        w->EnablePlanMenus();
        QVERIFY(!w->mnuFilNew->isEnabled());
        QVERIFY(!w->mnuViePilot->isEnabled());
        // With legs: File entries and the views on, Edit off even when a leg was selected.
        prog->s.NumLegs = 2;
        for (QAction* a : {w->mnuEdit->menuAction(), w->mnuEdiEdit, w->mnuEdiInsert, w->mnuEdiDel})
            a->setEnabled(true);
        w->mnufil->menuAction()->setEnabled(false);
        w->EnablePlanMenus();
        for (QAction* a : {w->mnufil->menuAction(), w->mnuFilNew, w->mnuFilSave->menuAction(),
                           w->mnuFilPrint->menuAction(), w->mnuViePilot, w->mnuVieSummary})
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        for (QAction* a : {w->mnuEdit->menuAction(), w->mnuEdiEdit, w->mnuEdiInsert, w->mnuEdiDel})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        // DisablePlanMenus leaves a plan with legs alone ...
        w->DisablePlanMenus();
        QVERIFY(w->mnuFilNew->isEnabled() && w->mnuViePilot->isEnabled());
        // ... and empties the menus of an empty one.
        prog->s.NumLegs = 0;
        w->DisablePlanMenus();
        for (QAction* a : {w->mnuFilNew, w->mnuFilSave->menuAction(), w->mnuFilPrint->menuAction(),
                           w->mnuViePilot, w->mnuVieSummary})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(w->mnufil->menuAction()->isEnabled());
    }

    void listHeadingsLineUp() {
        OPEN();
        for (QWidget* fixed : QList<QWidget*>{w->lboTX, w->Label3, w->Label32, w->lblPrevLeg}) {
            QCOMPARE(fixed->font().family(), QString("Courier New"));
            QVERIFY2(QFontInfo(fixed->font()).fixedPitch(), qPrintable(fixed->objectName()));
        }
        // A list row holding the heading's own text lies exactly under the heading.
        w->lboTX->addItem(w->Label3->text());
        w->lboTX->setCurrentRow(-1);
        w->lboTX->clearSelection();
        QWidget* page = w->centralWidget();
        const QImage img = page->grab().toImage();
        const QRect heading = w->Label3->geometry();
        QRect row = w->lboTX->visualItemRect(w->lboTX->item(0));
        row.moveTopLeft(w->lboTX->viewport()->mapTo(page, row.topLeft()));
        const auto h = inkExtent(img, heading);
        const auto r = inkExtent(img, row);
        QVERIFY(h.second > h.first);
        QVERIFY2(std::abs(h.first - r.first) <= 1 && std::abs(h.second - r.second) <= 1,
                 qPrintable(QString("heading %1..%2, row %3..%4")
                                .arg(h.first)
                                .arg(h.second)
                                .arg(r.first)
                                .arg(r.second)));
        // The whole heading fits in the list's width.
        QVERIFY(h.second < w->lboTX->geometry().right());
    }

    void prevLegLinesUpWithItsHeading() {
        OPEN();
        begin();
        w->lblPrevLeg->setText(w->Label32->text());
        QWidget* f = w->framePlanning;
        const QImage img = f->grab().toImage();
        const auto h = inkExtent(img, w->Label32->geometry());
        const auto p =
            inkExtent(img, w->lblPrevLeg->contentsRect().translated(w->lblPrevLeg->pos()));
        QVERIFY(h.second > h.first);
        QVERIFY2(std::abs(h.first - p.first) <= 1 && std::abs(h.second - p.second) <= 1,
                 qPrintable(QString("heading %1..%2, line %3..%4")
                                .arg(h.first)
                                .arg(h.second)
                                .arg(p.first)
                                .arg(p.second)));
    }

    void nameContract_data();
    void nameContract();
};

void TestTripPlanning::nameContract_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    auto row = [](const char* name, const char* kind, const QString& caption = {},
                  const QString& tip = {}) {
        QTest::newRow(name) << QString(name) << QString(kind) << caption << tip;
    };
    const QString listTip = "  Double Click to EDIT this leg ...    ";
    const QString comboTip = "Select ONLY with down arrow -  do not edit!";
    // Menus.
    row("mnufil", "QMenu", "    &File");
    row("mnuVieAirport", "QAction", "   &Airport Data (Add/Edit/View)");
    row("mnuFileArray", "QAction", "-");
    row("mnuFilNew", "QAction", "   Begin a &New TX");
    row("mnuFileArray1", "QAction", "-");
    row("mnuFilRetDel_0", "QAction", "   &Retrieve Stored TX");
    row("mnuFilRetDel_1", "QAction", "   &Delete Stored TX");
    row("mnuFileArray2", "QAction", "-");
    row("mnuFilSave", "QMenu", "   &Save");
    row("mnuSaveArray_0", "QAction", "   &Pilot Format");
    row("mnuSaveArray_1", "QAction", "   &Summary Format");
    row("mnuFilPrint", "QMenu", "   &Print");
    row("mnuFilPriPilot", "QAction", "&Pilot Format");
    row("mnuFilPriSum", "QAction", "&Summary Format");
    row("mnuFilPriTX", "QAction", "&TX Short Version");
    row("mnuFileArray3", "QAction", "-");
    row("mnuFilBackupdata", "QMenu", "   Backup/Restore data base");
    row("mnuFilBackup", "QAction", "  Backup database to drive\"A\"");
    row("mnuFilRestore", "QAction", "  Restore database from \"Backup disk\"");
    row("mnufileAray4", "QAction", "-");
    row("mnuFilExit", "QAction", "   E&xit Tarvex");
    row("mnuEdit", "QMenu", "    &Edit");
    row("mnuEdiEdit", "QAction", "   &Edit this Leg");
    row("mnuEditArray1", "QAction", "-");
    row("mnuEdiInsert", "QAction", "   &Insert Blank Leg before this Leg");
    row("mnuEdiDel", "QAction", "   &Delete this Leg");
    row("mnuView", "QMenu", "    &View TX");
    row("mnuViePilot", "QAction", "   &Pilot Format");
    row("mnuVieSummary", "QAction", "   &Summary Format");
    row("mnuSettings", "QMenu", "    &Settings");
    row("mnuSetChange", "QAction", "   &Aircraft Type (Change/Select)");
    row("mnuSetReserve", "QAction", "   &Set/Change Fuel Reserve for selected Aircraft");
    row("mnuSetBlock", "QAction", "   &Change Block Time default");
    row("mnuHelp", "QAction", "    &Help");
    // The planning page.
    row("Label3", "QLabel",
        "Leg Date  Departure            ETD    Destination          ETA    Flt.Tm.  Dist. Burn");
    row("lboTX", "QListWidget", {}, listTip);
    row("lblTXTotals", "QLabel", "Totals :");
    row("lblTXDist", "QLabel");
    row("lblTXTime", "QLabel");
    row("lblACType_2", "QLabel", TestProgram::kAircraftType);
    row("cmdContinuePlanning", "QPushButton", "&Begin Planning", "   .. Plans the next leg");
    row("cmdEnterComments", "QPushButton", "En&ter/View Comments for the above Leg.");
    row("cmdExitTX", "QPushButton", "E&xit Tarvex", "  .. Exit Program");
    // The leg entry frame.
    row("framePlanning", "QGroupBox", "Leg #  1");
    row("lblLeg", "QLabel", "Leg :");
    row("txtLeg", "QLineEdit");
    row("Label1", "QLabel", "Designate T/L :");
    row("txtTorL", "QLineEdit");
    row("lblDate", "QLabel", "Departure Date :");
    row("txtDate", "QLineEdit");
    row("lblTime", "QLabel", "Local Dep. Time :");
    row("txtTime", "QLineEdit");
    row("lblDepName", "QLabel", "Dep. Ident :");
    row("txtDepID", "QLineEdit");
    row("lblDepCity", "QLabel", "City :");
    row("txtDepCity", "QLineEdit");
    row("txtDepSearch", "QLineEdit");
    row("lblDestName", "QLabel", "Dest. Ident :");
    row("txtDestID", "QLineEdit");
    row("lblDestCity", "QLabel", "City :");
    row("txtDestCity", "QLineEdit");
    row("txtDestSearch", "QLineEdit");
    row("cmdDepPrev", "QPushButton", "&Prev.");
    row("cmdDepNext", "QPushButton", "&Next");
    row("cmdDestPrev", "QPushButton", "&Prev.");
    row("cmdDestNext", "QPushButton", "&Next");
    row("lblWind", "QLabel", "Stored Winds :");
    row("txtWind", "QLineEdit");
    row("lblFuelReserve", "QLabel", "Fuel Reserve :");
    row("txtFuelReserve", "QLineEdit");
    row("Frame4", "QGroupBox", "     Helpful Notes :    ");
    row("lblNotes", "QLabel");
    row("Label28", "QLabel", "Hit <Return> after ALL entries.");
    row("Label31", "QLabel", " Prev Leg :");
    row("Label32", "QLabel",
        " Date  Departure            ETD    Destination          ETA     Time   Dist.(nm)");
    row("lblPrevLeg", "QLabel");
    row("lblMaxLegs", "QLabel", "Max of 20 Legs !!");
    row("TimerMaxLegs", "QTimer");
    row("cmdBack", "QPushButton", "&Back one Step");
    row("cmdLegCancel", "QPushButton", "&Cancel");
    // Services.
    row("frameFBOs", "QGroupBox", "  FBO Selection  ");
    row("lblDepDestCity", "QLabel");
    row("Label24", "QLabel",
        "    To select other than the data below for this airport, press the down arrows.  Press "
        "the <OK> button if/when the data is OK.  To enter new FBOs, Hotels, etc to this airport, "
        "select <File> .. then <Airport Data> on the Main Menu.");
    row("lblFBOs", "QLabel", "FBOs :");
    row("lblCrewHotels", "QLabel", "Crew Hotels :");
    row("lblPaxHotels", "QLabel", "Pax Hotels :");
    row("Label26", "QLabel", "Limos :");
    row("lblCatering", "QLabel", "Catering :");
    for (const char* c : {"cboFBOs", "cboCrewHotels", "cboPaxHotels", "cboLimos", "cboCatering"})
        row(c, "QComboBox", {}, comboTip);
    for (const char* c : {"chkPlanFBO", "chkPlanCr", "chkPlanPax", "chkPlanLimo", "chkPlanCat"})
        row(c, "QCheckBox", " .. check to include in Printout ");
    row("Label27", "QLabel",
        "    <Check> the box on the left if you would like to include this data when Tarvex Plan "
        "is printed.");
    row("cmdSelFBOok", "QPushButton", "&O.K.");
    // Comments.
    row("frameLegComments", "QGroupBox", "Leg Comments :");
    row("txtLegComments", "QPlainTextEdit");
    row("cmdSaveComments", "QPushButton", "&Save Comments");
    row("cmdEraseComments", "QPushButton", "&Erase Comments");
    row("cmdCancelComments", "QPushButton", "&Cancel");
    // Pilot and summary formats.
    row("framePilot", "QGroupBox", "  Pilot Format  ");
    row("lblPilot1", "QLabel",
        "Leg   Date   Depart/Zone  Avg.Wnd  Dest/Zone   Fuel Burn   Reserve   Sunrise/Sunset");
    row("lblPilot2", "QLabel", "  n.mi.   (Z)/Local   Flt.Tm.  (Z)/Local               Tot.Req.");
    row("lboPilot", "QListWidget", {}, listTip);
    row("lblPilTotalDist", "QLabel", "Total Distance (n.mi.) :");
    row("lblPilTXDist", "QLabel");
    row("lblPilTotalTime", "QLabel", "Total Time :");
    row("lblPilTXTime", "QLabel");
    row("lblACType_1", "QLabel");
    row("lblPilLegHeading", "QLabel",
        "Leg     Departure Airport                      Destination Airport");
    row("txtTXLeg", "QLineEdit");
    row("txtDepAP", "QLineEdit");
    row("txtDestAP", "QLineEdit");
    row("lblPilDestInfo", "QLabel", " -  Destination Information  -");
    const char* serviceLabels[] = {"FBO:", "Crew Hotel:", "Pax Hotel:", "Limo:", "Catering:"};
    const char* pilLabelNames[] = {"lblPilService_0", "lblPilService_1", "lblPilService_2",
                                   "lblPilService_3", "lblPilService_4"};
    const char* sumLabelNames[] = {"lblSumService_0", "lblSumService_1", "lblSumService_2",
                                   "lblSumService_3", "lblSumService_4"};
    for (int i = 0; i < 5; ++i) {
        row(pilLabelNames[i], "QLabel", serviceLabels[i]);
        row(sumLabelNames[i], "QLabel", serviceLabels[i]);
    }
    for (const char* t :
         {"txtPilotFBO", "txtPilotCrew", "txtPilotPax", "txtPilotLimo", "txtPilotCatering",
          "txtSumFBO", "txtSumCrew", "txtSumPax", "txtSumLimo", "txtSumCatering"})
        row(t, "QLineEdit");
    for (const char* c : {"chkPilFBO", "chkPilCr", "chkPilPax", "chkPilLimo", "chkPilCat",
                          "chkSumFBO", "chkSumCr", "chkSumPax", "chkSumLimo", "chkSumCat"})
        row(c, "QCheckBox", ".. check to include in Print");
    row("cmdPSave", "QPushButton", "&Save", " Saves TX to Disk ");
    row("cmdPilotComments", "QPushButton", "&Add/View Comments",
        "  Adds Comments to Selected Leg  ");
    row("cmdPilPrint", "QPushButton", "&Print", "  Print or send FAX  ");
    row("cmdSummaryFormat", "QPushButton", "&Format Change", " Change to Summary ");
    row("cmdPExitToPlanPage", "QPushButton", "&Continue  Planning", " Continue or Exit TX ");
    row("framePilotComments", "QGroupBox", "Pilot Comments Leg #");
    row("txtPilotComments", "QPlainTextEdit");
    row("cmdPilotComOK", "QPushButton", "&Save Comments");
    row("cmdErasePComments", "QPushButton", "&Erase Comment");
    row("cmdPilCancel", "QPushButton", "&Cancel");
    row("frameSummary", "QGroupBox", " Summary Format  ");
    row("lboSummary", "QListWidget", {}, listTip);
    row("lblSumTotalDist", "QLabel", "Total Distance (n.mi.) :");
    row("lblSumTXDist", "QLabel");
    row("lblSumTotalTime", "QLabel", "Total Time :");
    row("lblSumTXTime", "QLabel");
    row("lblACType_3", "QLabel", TestProgram::kAircraftType);
    row("cmdSSave", "QPushButton", "&Save", " Saves TX to Disk ");
    row("cmdSumComments", "QPushButton", "&Add/View Comments", "  Adds Comments to Selected Leg  ");
    row("cmdSumPrint", "QPushButton", "&Print", "  Print or send FAX  ");
    row("cmdPilotFormat", "QPushButton", "&Format Change", " Change to Pilot ");
    row("cmdSExitToPlanPage", "QPushButton", "&Continue  Planning", " Continue or Exit TX ");
    row("frameSumComments", "QGroupBox", "Summary Comments Leg #");
    row("txtSumComments", "QPlainTextEdit");
    row("cmdSumComOK", "QPushButton", "&Save Comments");
    row("cmdEraseSComments", "QPushButton", "&Erase Comment");
    row("cmdSumCancel", "QPushButton", "&Cancel");
    // Plan files.
    row("frameTXName", "QGroupBox", "   TX File Save   ");
    row("lblTXFileName", "QLabel",
        "Enter Name of file to Save:  (Note: Do not add file Extension, also don't  use commas "
        "or slashes)");
    row("txtTXFileName", "QLineEdit");
    row("cmdFilNamOK", "QPushButton", "&O. K.");
    row("cmdFilNamCancel", "QPushButton", "&Cancel");
    row("frameTXRetDel", "QGroupBox", " Retrieve Tarvex Plan ");
    row("lblTXFiles", "QLabel", "Tarvex Files:");
    row("flbTXRetrieve", "QListWidget");
    row("cmdRetDelTX", "QPushButton", "&Retrieve");
    row("cmdCanRetrieve", "QPushButton", "&Cancel");
    // Settings.
    row("frameACChange", "QGroupBox", "   Select/Change Aircraft Type   ");
    row("lblACFiles", "QLabel", "Aircraft Files:");
    row("flbTXAircraft", "QListWidget");
    row("cmdACSelect", "QPushButton", "&Select Aircraft");
    row("cmdACCancel", "QPushButton", "&Cancel");
    row("frameChFRes", "QGroupBox", "   Change Fuel Reserve   ");
    row("lblChFResNote", "QLabel",
        "     Below is the default Fuel for this Aircraft.  Type in the fuel reserve you desire "
        "then press <Save> or <Cancel> to exit.");
    row("lblDefFRes", "QLabel", "Fuel Reserve :");
    row("txtDefFRes", "QLineEdit");
    row("cmdChFResOK", "QPushButton", "&Save Fuel Reserve");
    row("cmdCancelFRes", "QPushButton", "&Cancel");
    row("frameTaxiDefault", "QGroupBox", "   Taxi Time Default   ");
    row("lblTaxiNote", "QLabel",
        "     The below listed Default is the time (in minutes) that is added to Flight Time to "
        "obtain BLOCK TIME.  This default accounts for the time it takes to taxi out and taxi "
        "in.  Block Times are displayed in Tarvex.");
    row("lblTaxiCaption", "QLabel", "Taxi Default:");
    row("lblTaxiDefault", "QLabel", "10");
    row("VScroll1", "QScrollBar");
    row("cmdApplyDefault", "QPushButton", "&Apply this Session");
    row("cmdOKDefault", "QPushButton", "Apply/&Save");
    row("cmdExitTaxiDefault", "QPushButton", "&Cancel");
}

void TestTripPlanning::nameContract() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    if (!contractProg) {
        contractProg = std::make_unique<TestProgram>();
        QVERIFY(contractProg->started());
        QVERIFY(contractProg->showPlanning());
    }
    TripPlanning* w = contractProg->app->tripPlanning();
    const QList<QObject*> found = w->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QObject* o = found.first();
    QVERIFY2(o->inherits(kind.toLatin1()), o->metaObject()->className());
    QCOMPARE(captionOf(o), caption);
    if (!toolTip.isEmpty()) QCOMPARE(toolTipOf(o), toolTip);
}

QTEST_MAIN(TestTripPlanning)
#include "test_trip_planning.moc"
