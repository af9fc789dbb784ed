#pragma once
// What the main window's tests share: a program with its main window, the window's controls'
// states and texts read as one short text, and the plan the view and edit tests work on, typed into
// the window: Denver - Aspen - Denver - Aspen (the test airports of tests/support).
//
// Each leg is 109 n.mi.: row 1 of TEST.AC, 340 kt and 1700 an hour. The wind is -18 (proposed
// for the westbound legs, typed for the eastbound one): 109 / 322 = 0.3385 -> 0.33 h, 00+20, burn
// 0.33 * 1700 = 561. Both airports keep daylight time (-6) in July, so a leg lands 0.33 h plus
// the 10-minute taxi (0.1666 h) after it leaves: 0.4966 h, 30 minutes on the clock.
// Totals: 3 * 109 = 327 n.mi., 60 minutes = 1+00.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "support/CalcTest.h"
#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx::test {

// What the fake clock says.
inline const QString kDate = "1/15/2027 2:05:09 PM";

// The planning-page lines of the three legs.
inline const QStringList kThreeLegLines{
    " 1  04Jul Denver(KDEN)         0800   Aspen(KASE)          0830    00+20    109    561",
    " 2  04Jul Aspen(KASE)          1200   Denver(KDEN)         1230    00+20    109    561",
    " 3  05Jul Denver(KDEN)         0900   Aspen(KASE)          0930    00+20    109    561"};

// Types the three legs, pressing Return on the services frames, Denver's with every service
// checked for the printouts; true when all three are listed.
inline bool enterThreeLegPlan(TripPlanning* w) {
    enterLeg(w, {"", "", "0704", "0800", "kden", "", "kase", "", ""});
    enterLeg(w, {"", "", "", "1200", "", "kden"});
    for (QCheckBox* box : {w->chkPlanCr, w->chkPlanPax, w->chkPlanLimo, w->chkPlanCat})
        QTest::mouseClick(box, Qt::LeftButton);
    for (const char* entry : {"", "-18", ""}) typeAndReturn(entry);
    enterLeg(w, {"", "", "07/05", "0900", "", "kase", "", ""});
    return w->lboTX->count() == 3;
}

// A test program and its main window, shown, for a test class to derive from (after QObject).
struct PlanningWindow {
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    // A new program and its window, with the three-leg plan typed when asked (the messages its
    // comments questions leave dropped); false when either failed.
    bool start(bool threeLegs, const ProgramOptions& options = {}) {
        prog = std::make_unique<TestProgram>(options);
        if (!(w = prog->showPlanning()) || (threeLegs && !enterThreeLegPlan(w))) return false;
        prog->platform.messages.clear();
        return true;
    }
    // The window's controls' states and texts, and steps run on it (tests/support).
    QString on(const QString& names) const { return test::on(w, names); }
    QString texts(const QString& names, const QWidget* in = nullptr) const {
        return test::texts(in ? in : w, names);
    }
    void run(const QString& steps) const { runSteps(w, prog->platform, steps); }
};

}  // namespace tx::test
