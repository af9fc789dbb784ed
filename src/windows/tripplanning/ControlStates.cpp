// The main window's enabling family and plan menu state: each routine sets one fixed group of
// controls at once.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/PlanState.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

template <class Range>
void setAll(const Range& controls, bool on) {
    for (auto* c : controls) c->setEnabled(on);
}

}  // namespace

std::array<QLineEdit*, 10> TripPlanningControls::entryBoxes() const {
    return {txtLeg,     txtTorL,   txtDate,     txtTime, txtDepID,
            txtDepCity, txtDestID, txtDestCity, txtWind, txtFuelReserve};
}

std::array<QComboBox*, 5> TripPlanningControls::serviceLists() const {
    return {cboFBOs, cboCrewHotels, cboPaxHotels, cboLimos, cboCatering};
}

void TripPlanning::EnableMenus() {
    setAll(std::array{mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                      mnuSettings->menuAction(), mnuHelp},
           true);
}

void TripPlanning::DisableMenus() {
    setAll(std::array{mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                      mnuSettings->menuAction(), mnuHelp},
           false);
}

void TripPlanning::ShowMenus() {
    for (QAction* a : {mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                       mnuSettings->menuAction(), mnuHelp})
        a->setVisible(true);
}

void TripPlanning::HideMenus() {
    for (QAction* a : {mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                       mnuSettings->menuAction(), mnuHelp})
        a->setVisible(false);
}

void TripPlanning::EnablePlanningPage() {
    setAll(std::array{mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                      mnuSettings->menuAction()},
           true);
    lboTX->setEnabled(true);
    setAll(entryBoxes(), true);
    setAll(serviceLists(), true);
}

void TripPlanning::DisablePlanningPage() {
    setAll(std::array{mnufil->menuAction(), mnuEdit->menuAction(), mnuView->menuAction(),
                      mnuSettings->menuAction()},
           false);
    lboTX->setEnabled(false);
    setAll(entryBoxes(), false);
    setAll(serviceLists(), false);
}

void TripPlanning::EnableServiceLists() {
    setAll(serviceLists(), true);
}

void TripPlanning::DisableServiceLists() {
    setAll(serviceLists(), false);
}

void TripPlanning::ClearServiceLists() {
    for (QComboBox* c : serviceLists()) c->clear();
}

void TripPlanning::EnablePageButtons() {
    cmdContinuePlanning->setEnabled(true);
    cmdExitTX->setEnabled(true);
}

// The comments button goes off with the others: a frame over the page leaves none of them usable.
// It comes back only with a leg clicked in the list.
void TripPlanning::DisablePageButtons() {
    cmdContinuePlanning->setEnabled(false);
    cmdExitTX->setEnabled(false);
    cmdEnterComments->setEnabled(false);
}

void TripPlanning::DisableEntryFields() {
    setAll(entryBoxes(), false);
}

void TripPlanning::DisableLaterFields() {
    for (QLineEdit* box : entryBoxes())
        if (box != txtLeg) box->setEnabled(false);
}

// The File menu's "Save" and "Print" entries open submenus and are switched through those menus:
// an entry switched alone is switched on again with its menu whenever the File menu is unlocked
// (EnableMenus), whatever the plan holds.
void TripPlanning::EnablePlanMenus() {
    if (s_.NumLegs < 1) return;
    mnufil->menuAction()->setEnabled(true);
    setAll(std::array{mnuFilNew, mnuViePilot, mnuVieSummary}, true);
    setAll(std::array{mnuFilSave, mnuFilPrint, mnuFilExport}, true);
    // The Edit entries follow a selection in the leg list.
    setAll(std::array{mnuEdit->menuAction(), mnuEdiEdit, mnuEdiInsert, mnuEdiDel}, false);
}

void TripPlanning::DisablePlanMenus() {
    if (s_.NumLegs != 0) return;
    setAll(std::array{mnuFilNew, mnuEdit->menuAction(), mnuEdiEdit, mnuEdiInsert, mnuEdiDel,
                      mnuViePilot, mnuVieSummary},
           false);
    setAll(std::array{mnuFilSave, mnuFilPrint, mnuFilExport}, false);
}

void TripPlanning::CheckPilotFormat() {
    for (QAction* a : {mnuViePilot, mnuFilPriPilot, mnuSaveArray[0]}) a->setChecked(true);
    for (QAction* a : {mnuVieSummary, mnuFilPriSum, mnuSaveArray[1]}) a->setChecked(false);
}

void TripPlanning::CheckSummaryFormat() {
    for (QAction* a : {mnuViePilot, mnuFilPriPilot, mnuSaveArray[0]}) a->setChecked(false);
    for (QAction* a : {mnuVieSummary, mnuFilPriSum, mnuSaveArray[1]}) a->setChecked(true);
}

void TripPlanning::SelectAllText(QLineEdit* box) {
    box->setCursorPosition(0);
    box->setSelection(0, static_cast<int>(box->text().size()));
}

}  // namespace tx
