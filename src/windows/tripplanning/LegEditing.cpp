// The Edit menu on the leg selected in the planning-page list: the leg opened again for entry, a
// blank leg inserted before it, or the leg deleted. The slot moves are in src/planning.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/Text.h"
#include "planning/LegMoves.h"
#include "windows/WindowSwitch.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

void TripPlanning::connectEditHandlers() {
    connect(mnuEdiEdit, &QAction::triggered, this, &TripPlanning::mnuEdiEdit_Click);
    connect(mnuEdiInsert, &QAction::triggered, this, &TripPlanning::mnuEdiInsert_Click);
    connect(mnuEdiDel, &QAction::triggered, this, &TripPlanning::mnuEdiDel_Click);
    events_.DblClick(lboTX, this, &TripPlanning::lboTX_DblClick);
}

// The three entries work on SelLeg, which must be a leg of the plan: after a delete it can point
// past the last leg.
bool TripPlanning::hasSelectedLeg() const {
    return s_.SelLeg >= 1 && s_.SelLeg <= s_.NumLegs;
}

void TripPlanning::setEditEntries(bool on) {
    for (QAction* a : {mnuEdit->menuAction(), mnuEdiEdit, mnuEdiInsert, mnuEdiDel})
        a->setEnabled(on);
}

void TripPlanning::ShowLegForEdit() {
    txtDepCity->clear();
    txtDestCity->clear();
    ShowLegDetails();
    const Leg& leg = s_.leg(s_.SelLeg);
    txtDate->setText(leg.LegDate);
    txtDepCity->setText(leg.DepCityState);
    txtDestCity->setText(leg.DestCityState);
}

void TripPlanning::lboTX_DblClick() {
    if (hasSelectedLeg()) mnuEdiEdit_Click();
}

void TripPlanning::mnuEdiEdit_Click() {
    if (!hasSelectedLeg()) {
        setEditEntries(false);
        return;
    }
    keepLegsForCancel();
    DisableMenus();
    lboTX->setEnabled(false);
    // The comments asked for after the leg belong to the leg entered, whatever number is typed.
    ListLegFlag = false;
    s_.CurLeg = s_.SelLeg;
    ShowLegForEdit();
    Leg& leg = s_.cur();
    txtDate->setText(leg.DateEntry);
    // A leg always starts where the previous one ended.
    if (s_.CurLeg > 1) {
        const Leg& prev = s_.leg(s_.CurLeg - 1);
        if (leg.DepID.isEmpty() || leg.DepID != prev.DestID) {
            leg.DepID = prev.DestID;
            leg.DepCityStateF = prev.DestCityStateF;
        }
    }
    txtDepID->setText(leg.DepID);
    txtDepCity->setText(leg.DepCityStateF);
    txtFuelReserve->setText(leg.ReserveText.isEmpty() ? NumText(s_.ACReserve)
                                                      : LTrim(leg.ReserveText));

    framePlanning->show();
    setPlanningCaption(s_.CurLeg);
    lblPrevLeg->setText(prevLegLine());
    cmdContinuePlanning->hide();
    cmdExitTX->hide();
    cmdEnterComments->hide();
    txtLeg->setText(NumText(s_.CurLeg));
    txtLeg->setEnabled(true);
    events_.SetFocus(txtLeg);
    for (QAction* a : {mnuEdiEdit, mnuEdiDel, mnuEdiInsert}) a->setEnabled(false);
}

// After an insert or a delete: the lists show the plan as it now stands and new entry continues
// after the last leg, departing from its destination.
void TripPlanning::prepareNextLeg() {
    RefillPlanLists();
    setEditEntries(false);
    cmdEnterComments->hide();
    s_.CurLeg = static_cast<std::int16_t>(s_.NumLegs + 1);
    txtLeg->setText(NumText(s_.CurLeg));
    for (QLineEdit* box : {txtTime, txtDestID, txtDestCity, txtWind}) box->clear();
    const Leg& last = s_.leg(s_.CurLeg - 1);
    txtDepID->setText(last.DestID);
    txtDepCity->setText(last.DestCityStateF);
}

void TripPlanning::mnuEdiInsert_Click() {
    if (!hasSelectedLeg()) {
        setEditEntries(false);
        return;
    }
    if (!InsertBlankLeg(s_, s_.SelLeg)) {
        app_.platform.messageBox(this,
                                 QStringLiteral("A plan holds at most 20 legs.  Delete a leg "
                                                "before inserting a blank one."),
                                 QStringLiteral("Max of 20 Legs !!"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
        return;
    }
    prepareNextLeg();
}

void TripPlanning::mnuEdiDel_Click() {
    if (!hasSelectedLeg()) {
        setEditEntries(false);
        return;
    }
    DeleteLeg(s_, s_.SelLeg);
    prepareNextLeg();
}

}  // namespace tx
