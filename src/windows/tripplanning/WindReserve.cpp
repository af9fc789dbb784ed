// Steps 7 and 8 of a leg: the wind and the fuel reserve, then the completion of the leg: its
// computation, the planning-page list and totals, the next leg prepared, and the comments
// question.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "calc/LegComputation.h"
#include "calc/LegTexts.h"
#include "core/Text.h"
#include "planning/EntryRules.h"
#include "planning/StoredWinds.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/kit/Messages.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kWindPrompt =
    QStringLiteral("  Enter new winds, or press <Return> to accept these winds.");
const QString kReservePrompt =
    QStringLiteral("  Enter new Fuel Reserve, or Press <Return> to accept.");

}  // namespace

void TripPlanning::connectWindReserveHandlers() {
    events_.GotFocus(txtWind, this, &TripPlanning::txtWind_GotFocus);
    events_.KeyPress(txtWind, this, &TripPlanning::txtWind_KeyPress);
    events_.LostFocus(txtWind, this, &TripPlanning::txtWind_LostFocus);
    events_.GotFocus(txtFuelReserve, this, &TripPlanning::txtFuelReserve_GotFocus);
    events_.KeyPress(txtFuelReserve, this, &TripPlanning::txtFuelReserve_KeyPress);
    events_.LostFocus(txtFuelReserve, this, &TripPlanning::txtFuelReserve_LostFocus);
}

// ---------------------------------------------------------------------------------------------
// Step 7: the wind

void TripPlanning::txtWind_GotFocus() {
    EntryStep = 7;
    lblNotes->setText(kWindPrompt);
    txtWind->setText(NumText(ScaledWind(s_)));
    SelectAllText(txtWind);
}

void TripPlanning::txtWind_LostFocus() {
    lblNotes->setText(QString());
}

// Runs the speed rule with the wind on the leg as it stands and puts every value it touched
// back: true when the ground speed stays above zero. groundSpeed is the speed it ended on.
bool TripPlanning::windLeavesGroundSpeed(double wind, double& groundSpeed) {
    const WorkingValues working = s_;
    const QString burn = s_.cur().BurnText;
    const SpeedTimeBurn flight = computeSpeedTimeBurn(s_, wind);
    groundSpeed = flight.groundSpeed;
    static_cast<WorkingValues&>(s_) = working;
    s_.cur().BurnText = burn;
    return flight.flies;
}

void TripPlanning::refuseWind(double wind, double groundSpeed) {
    app_.platform.messageBox(
        this,
        QStringLiteral("A wind of %1 knots leaves a ground speed of %2 knots: the leg cannot be "
                       "computed with this wind.\nEnter another wind.")
            .arg(NumText(Int(wind)), NumText(groundSpeed)),
        QStringLiteral("Winds"), Platform::Buttons::OK, Platform::Icon::Warning);
    txtWind->setEnabled(true);
    events_.SetFocus(txtWind);
    SelectAllText(txtWind);
}

void TripPlanning::txtWind_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    // Without an aircraft there is no speed or burn: the leg waits here for one.
    if (s_.ACFileName.isEmpty()) {
        app_.platform.messageBox(this, messages::kSelectAircraft, QStringLiteral("Warning!"),
                                 Platform::Buttons::OK, Platform::Icon::Warning);
        events_.SetFocus(txtWind);
        return;
    }
    // An empty box takes the proposal; anything but a whole number is refused, the text kept so
    // that it can be corrected.
    if (Trim(txtWind->text()).isEmpty()) txtWind->setText(NumText(ScaledWind(s_)));
    if (!isAcceptedWind(txtWind->text())) {
        app_.platform.messageBox(
            this,
            QStringLiteral("The wind must be a whole number of knots from -999 to 999, for "
                           "example %1.")
                .arg(NumText(ScaledWind(s_))),
            QStringLiteral("Winds"), Platform::Buttons::OK, Platform::Icon::Warning);
        txtWind->setFocus();  // a plain focus: the box's focus rule would put the proposal back
        SelectAllText(txtWind);
        return;
    }
    const double wind = Val(txtWind->text());
    double groundSpeed = 0;
    if (!windLeavesGroundSpeed(wind, groundSpeed)) {
        refuseWind(wind, groundSpeed);  // nothing of the leg is stored
        return;
    }
    txtWind->setEnabled(false);
    txtFuelReserve->setEnabled(true);
    // The typed wind stands for the course sector until the next destination refills the table.
    if (s_.CourseSector >= 0 && s_.CourseSector < static_cast<int>(s_.Winds.size()))
        s_.Winds[static_cast<size_t>(s_.CourseSector)] = wind;
    txtWind->setText(NumText(wind));
    s_.cur().WindText = RightAlign(Str(wind), 6);
    events_.SetFocus(txtFuelReserve);
}

// ---------------------------------------------------------------------------------------------
// Step 8: the fuel reserve

void TripPlanning::txtFuelReserve_GotFocus() {
    EntryStep = 8;
    lblNotes->setText(kReservePrompt);
    SelectAllText(txtFuelReserve);
}

void TripPlanning::txtFuelReserve_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtFuelReserve_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    const QString text = txtFuelReserve->text();
    if (!IsNumber(text)) {
        // Refused with the text kept, so that it can be corrected.
        app_.platform.messageBox(this,
                                 QStringLiteral("The fuel reserve must be a number, for example ") +
                                     NumText(s_.ACReserve) + u'.',
                                 QStringLiteral("Fuel Reserve"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
        events_.SetFocus(txtFuelReserve);
        SelectAllText(txtFuelReserve);
        return;
    }
    CompleteLeg(Val(text));
}

// ---------------------------------------------------------------------------------------------
// The completed leg

void TripPlanning::CompleteLeg(double reserve) {
    txtFuelReserve->setEnabled(false);

    // The wind step lets no impossible wind through; should the speed rule still fail, the leg
    // keeps what it held and the wind is asked for again.
    const Leg before = s_.cur();
    const WorkingValues working = s_;
    const SpeedTimeBurn flight = TXComps(s_);
    if (!flight.flies) {
        const double groundSpeed = flight.groundSpeed;
        s_.cur() = before;
        static_cast<WorkingValues&>(s_) = working;
        const int sector = s_.CourseSector;
        refuseWind(sector >= 0 && sector < static_cast<int>(s_.Winds.size())
                       ? s_.Winds[static_cast<size_t>(sector)]
                       : 0.0,
                   groundSpeed);
        return;
    }
    setReserveTexts(s_, reserve, flight.fuelBurn);
    TXComps2(s_, flight.flightHours);
    StoreLegLines(s_);

    if (s_.NumLegs < s_.CurLeg) s_.NumLegs = s_.CurLeg;
    FinishedLeg = s_.CurLeg;
    ReenteredLeg = s_.NumLegs > FinishedLeg ? FinishedLeg : 0;

    lboTX->setEnabled(true);
    RefillPlanLists();

    // The next leg starts where this one ended.
    s_.CurLeg = static_cast<std::int16_t>(s_.NumLegs + 1);
    txtLeg->setText(NumText(s_.CurLeg));
    const Leg& next = s_.cur();
    if (next.TorL.isEmpty()) txtTorL->setText(QStringLiteral("T"));
    if (next.DepTimeEntry.isEmpty() && next.ArrTimeEntry.isEmpty())
        txtTime->setText(QString());
    else
        txtTime->setText(next.DepTimeEntry.isEmpty() ? next.ArrTimeEntry : next.DepTimeEntry);
    const Leg& last = s_.leg(s_.CurLeg - 1);
    txtDepID->setText(last.DestID);
    txtDepCity->setText(last.DestCityState);
    txtDestID->setText(next.DestID);
    txtDestCity->setText(next.DestCityState);

    // Services are included in printouts unless a box was unchecked.
    Leg& done = s_.leg(FinishedLeg);
    for (std::optional<int> Leg::*flag : {&Leg::InclFBO, &Leg::InclCrewHotel, &Leg::InclPaxHotel,
                                          &Leg::InclLimo, &Leg::InclCatering})
        if (!(done.*flag)) done.*flag = 1;

    txtWind->setText(QString());
    ClearServiceLists();
    EnablePlanMenus();
    mnufil->menuAction()->setEnabled(false);
    txtLeg->setEnabled(true);
    cmdContinuePlanning->setText(QStringLiteral("&Continue Planning"));
    cmdContinuePlanning->show();
    cmdContinuePlanning->setEnabled(true);
    events_.SetFocus(cmdContinuePlanning);
    cmdEnterComments->show();
    cmdEnterComments->setEnabled(false);
    cmdExitTX->show();
    framePlanning->hide();

    const Platform::Answer answer = app_.platform.messageBox(
        this, QStringLiteral("   Do you wish to add Comments to this Leg ?   "),
        QStringLiteral("Leg Comments"), Platform::Buttons::YesNo, Platform::Icon::Question,
        Platform::Answer::No);
    if (answer != Platform::Answer::Yes) {
        for (QAction* a : {mnufil->menuAction(), mnuFilExit, mnuView->menuAction(),
                           mnuSettings->menuAction(), mnuHelp})
            a->setEnabled(true);
        if (s_.ViewMode == PlanState::View::TX) {
            cmdContinuePlanning->setEnabled(true);
            events_.SetFocus(cmdContinuePlanning);
        } else if (s_.ViewMode == PlanState::View::Pilot) {
            mnuViePilot_Click();
        } else {
            mnuVieSummary_Click();
        }
        return;
    }
    // The comments frame locks the window: the menu bar, unlocked above for the plan menus, has
    // switched every top menu on again.
    DisableMenus();
    lboTX->setEnabled(false);
    cmdContinuePlanning->setEnabled(false);
    cmdExitTX->setEnabled(false);
    txtLegComments->setPlainText(s_.leg(FinishedLeg).LegComments);
    frameLegComments->show();
    frameLegComments->raise();
    events_.SetFocus(txtLegComments);
}

}  // namespace tx
