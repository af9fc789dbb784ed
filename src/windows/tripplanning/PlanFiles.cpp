// Plan files from the main window: saving with the file-name frame (from the menu or from a view
// frame), beginning a new plan, retrieving and deleting with the retrieve/delete frame, and the
// exit path that offers to save. The file format itself is src/planfile; the text report that
// accompanies every save is src/report.
#include <QAction>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/Aircraft.h"
#include "core/Text.h"
#include "planfile/PlanFile.h"
#include "planning/EntryRules.h"
#include "report/PlanReports.h"
#include "report/ReportLines.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kSaveQuestion =
    QStringLiteral("  Do you wish to Save the present Tarvex Plan now  ?");

// The list was out of date: the picked file is gone. The caller opens the frame again on a
// fresh list.
void SayPlanGone(Platform& platform, QWidget* parent, const QString& title, const QString& why) {
    platform.messageBox(parent,
                        QStringLiteral("The file you have selected no longer exists; the list of "
                                       "Tarvex Plans is brought up to date.\n") +
                            why,
                        title, Platform::Buttons::OK, Platform::Icon::Warning);
}

}  // namespace

void TripPlanning::connectPlanFileHandlers() {
    connect(mnuFilNew, &QAction::triggered, this, &TripPlanning::mnuFilNew_Click);
    for (int i = 0; i < 2; ++i) {
        connect(mnuFilRetDel[size_t(i)], &QAction::triggered, this,
                [this, i] { mnuFilRetDel_Click(i); });
        connect(mnuSaveArray[size_t(i)], &QAction::triggered, this,
                [this, i] { mnuSaveArray_Click(i); });
    }
    events_.Click(cmdPSave, this, &TripPlanning::cmdPSave_Click);
    events_.Click(cmdSSave, this, &TripPlanning::cmdSSave_Click);
    events_.GotFocus(txtTXFileName, this, &TripPlanning::txtTXFileName_GotFocus);
    events_.KeyPress(txtTXFileName, this, &TripPlanning::txtTXFileName_KeyPress);
    events_.Click(cmdFilNamOK, this, &TripPlanning::cmdFilNamOK_Click);
    events_.Click(cmdFilNamCancel, this, &TripPlanning::cmdFilNamCancel_Click);
    events_.Click(flbTXRetrieve, this, &TripPlanning::flbTXRetrieve_Click);
    events_.DblClick(flbTXRetrieve, this, &TripPlanning::flbTXRetrieve_DblClick);
    events_.KeyPress(flbTXRetrieve, this, &TripPlanning::flbTXRetrieve_KeyPress);
    events_.Click(cmdRetDelTX, this, &TripPlanning::cmdRetDelTX_Click);
    events_.Click(cmdCanRetrieve, this, &TripPlanning::cmdCanRetrieve_Click);
}

// ---------------------------------------------------------------------------------------------
// Saving

// The file-name frame over a locked page (a save from a view frame has locked that frame).
void TripPlanning::showFileNameFrame() {
    if (!files_.SaveFromView) {
        DisablePlanningPage();
        DisablePageButtons();
        DisableMenus();
        lboTX->setEnabled(false);
    }
    txtTXFileName->setText(files_.PlanFileName);
    frameTXName->show();
    frameTXName->raise();
    events_.SetFocus(txtTXFileName);
}

void TripPlanning::mnuSaveArray_Click(int Index) {
    if (Index == 0) {
        CheckPilotFormat();
        files_.SavePilotReport = true;
    } else if (Index == 1) {
        CheckSummaryFormat();
        files_.SavePilotReport = false;
    } else {
        return;
    }
    showFileNameFrame();
}

std::array<QWidget*, 6> TripPlanning::viewFrameControls(bool pilot) const {
    if (pilot)
        return {cmdPExitToPlanPage, cmdSummaryFormat, cmdPSave,
                cmdPilPrint,        cmdPilotComments, lboPilot};
    return {cmdSExitToPlanPage, cmdPilotFormat, cmdSSave, cmdSumPrint, cmdSumComments, lboSummary};
}

void TripPlanning::saveFromView(bool pilot) {
    for (QWidget* w : viewFrameControls(pilot)) w->setEnabled(false);
    files_.SavePilotReport = pilot;
    files_.SaveFromView = true;
    showFileNameFrame();
}

void TripPlanning::cmdPSave_Click() {
    saveFromView(true);
}

void TripPlanning::cmdSSave_Click() {
    saveFromView(false);
}

void TripPlanning::txtTXFileName_GotFocus() {
    files_.LastFileNameText = txtTXFileName->text();
    SelectAllText(txtTXFileName);
}

void TripPlanning::txtTXFileName_KeyPress(int& KeyAscii) {
    if (KeyAscii == keys::kReturn) {
        KeyAscii = 0;
        events_.SetFocus(cmdFilNamOK);
        return;
    }
    // Characters that would change the file's name or place, or that a plan list cannot show.
    if (QStringView(kPlanNameRefused).contains(QChar(KeyAscii))) {
        app_.platform.beep();
        KeyAscii = 0;
        return;
    }
    files_.LastFileNameText = txtTXFileName->text();
}

// Writes the plan file and its text report, both or neither; a failure is shown and leaves the
// frame open with the plan in memory, so that another name or Cancel can follow. The name's
// rules hold however it got into the box (a pasted one skipped the key filter).
bool TripPlanning::writePlanAndReport() {
    const QString name = txtTXFileName->text();
    if (const QString problem = PlanNameProblem(name); !problem.isEmpty()) {
        app_.platform.messageBox(this, problem, QStringLiteral("TX File Save"),
                                 Platform::Buttons::OK, Platform::Icon::Warning);
        events_.SetFocus(txtTXFileName);
        return false;
    }
    try {
        SavePlan(s_, PlanDir, name, files_.Reserved, files_.SavePilotReport,
                 GeneralDateText(app_.platform.now()), tripChecks().texts());
    } catch (const FileError& e) {
        const QString what = e.fault() == FileError::Fault::Partial
                                 ? QStringLiteral(
                                       "The Tarvex Plan was saved, but not its text "
                                       "report.\n")
                                 : QStringLiteral(
                                       "The Tarvex Plan was not saved; no file was "
                                       "changed.\n");
        app_.platform.messageBox(this, what + e.message(), QStringLiteral("TX File Save"),
                                 Platform::Buttons::OK, Platform::Icon::Critical);
        events_.SetFocus(txtTXFileName);
        return false;
    }
    return true;
}

void TripPlanning::closeFileNameFrame() {
    if (!files_.SaveFromView) {
        EnableMenus();
        EnablePlanningPage();
        EnablePageButtons();
        frameTXName->hide();
        cmdSExitToPlanPage->setEnabled(true);
        cmdContinuePlanning->show();
        cmdExitTX->show();
        events_.SetFocus(cmdContinuePlanning);
    } else {
        files_.SaveFromView = false;
        frameTXName->hide();
        for (bool pilot : {true, false})
            for (QWidget* w : viewFrameControls(pilot)) w->setEnabled(true);
        // The keyboard goes back to the view's list, not to the hidden frame's button.
        events_.SetFocus(framePilot->isVisible() ? lboPilot : lboSummary);
    }
}

void TripPlanning::cmdFilNamOK_Click() {
    if (!writePlanAndReport()) return;
    closeFileNameFrame();
    files_.PlanFileName = txtTXFileName->text();
    if (PendingAction == Pending::Retrieve) {
        PendingAction = Pending::None;
        files_.SelectedPlanFile.clear();
        openRetrieveFrame();
    } else if (PendingAction == Pending::NewFile) {
        PendingAction = Pending::None;
        ResetPlan();
        newPlanTail();
    } else if (PendingAction == Pending::Export) {
        PendingAction = Pending::None;
        writeExport(PendingExport);
    } else if (files_.ExitMode) {
        app_.EndProgram();
    }
}

void TripPlanning::cmdFilNamCancel_Click() {
    if (PendingAction == Pending::Export) PendingAction = Pending::None;
    if (!files_.SaveFromView) {
        EnableMenus();
        EnablePlanningPage();
        EnablePageButtons();
        frameTXName->hide();
        events_.SetFocus(cmdContinuePlanning);
    } else {
        closeFileNameFrame();
    }
}

// ---------------------------------------------------------------------------------------------
// A new plan

void TripPlanning::ResetPlan() {
    ClearPlan(s_);
    lboTX->clear();
    s_.CurLeg = 1;
    s_.NumLegs = 0;
    s_.FmtSelLeg = 1;
    txtLeg->setText(QStringLiteral("1"));
    txtTorL->setText(QStringLiteral("T"));
    for (QLineEdit* box : {txtDate, txtTime, txtDepID, txtDepCity, txtDestID, txtDestCity, txtWind})
        box->clear();
    txtFuelReserve->setText(NumText(s_.ACReserve));
    lblTXDist->clear();
    lblTXTime->clear();
    ShowTripChecks();
}

void TripPlanning::newPlanTail() {
    PendingAction = Pending::None;
    DisablePlanMenus();
    mnuFilRetDel[1]->setEnabled(true);
    framePilot->hide();
    frameSummary->hide();
    cmdContinuePlanning->setText(QStringLiteral("&Begin Planning"));
    cmdContinuePlanning->show();
    cmdExitTX->show();
    events_.SetFocus(cmdContinuePlanning);
    files_.SelectedPlanFile.clear();
    files_.PlanFileName.clear();
    files_.Reserved = {};
    showTripDetails();
}

// What the save offered before a new plan or a retrieve leads to waits only for a save the user
// accepted: declined, nothing waits, and a later save is only a save.
void TripPlanning::mnuFilNew_Click() {
    if (s_.NumLegs > 0 &&
        app_.platform.messageBox(this, kSaveQuestion, QStringLiteral("Begin New Tarvex Plan ?"),
                                 Platform::Buttons::YesNo,
                                 Platform::Icon::Question) == Platform::Answer::Yes) {
        PendingAction = Pending::NewFile;
        showFileNameFrame();
        return;
    }
    ResetPlan();
    newPlanTail();
}

// ---------------------------------------------------------------------------------------------
// Retrieving and deleting

void TripPlanning::lockForRetDel() {
    DisableMenus();
    lboTX->setEnabled(false);
    DisableEntryFields();
    DisableServiceLists();
    DisablePageButtons();
    flbTXRetrieve->clear();
    flbTXRetrieve->addItems(ListPlanFiles(PlanDir));
}

void TripPlanning::showRetDelFrame(const QString& caption, const QString& button) {
    files_.SelectedPlanFile.clear();
    frameTXRetDel->setTitle(caption);
    cmdRetDelTX->setText(button);
    frameTXRetDel->show();
    frameTXRetDel->raise();
    if (flbTXRetrieve->count() > 0) flbTXRetrieve->setCurrentRow(0);
    events_.SetFocus(flbTXRetrieve);
}

// The plan in memory is given up here, before a file is picked: with nothing left to save,
// print or view, the plan menus go off even when the retrieve is cancelled.
void TripPlanning::openRetrieveFrame() {
    lockForRetDel();
    ResetPlan();
    DisablePlanMenus();
    files_.RetDelMode = PlanFileState::RetDel::Retrieve;
    showRetDelFrame(QStringLiteral(" Retrieve Tarvex Plan "), QStringLiteral("&Retrieve"));
}

void TripPlanning::mnuFilRetDel_Click(int Index) {
    lockForRetDel();
    if (Index == 1) {
        files_.RetDelMode = PlanFileState::RetDel::Delete;
        showRetDelFrame(QStringLiteral(" Delete Tarvex Plan "), QStringLiteral("&Delete"));
        return;
    }
    if (s_.NumLegs > 0 &&
        app_.platform.messageBox(this, kSaveQuestion, QStringLiteral("Save Tarvex Plan ?"),
                                 Platform::Buttons::YesNo,
                                 Platform::Icon::Question) == Platform::Answer::Yes) {
        PendingAction = Pending::Retrieve;
        showFileNameFrame();
        return;
    }
    openRetrieveFrame();
}

void TripPlanning::flbTXRetrieve_Click() {
    if (QListWidgetItem* item = flbTXRetrieve->currentItem())
        files_.SelectedPlanFile = item->text();
}

void TripPlanning::flbTXRetrieve_DblClick() {
    flbTXRetrieve_Click();
    cmdRetDelTX_Click();
}

void TripPlanning::flbTXRetrieve_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    events_.SetFocus(cmdRetDelTX);
}

void TripPlanning::cmdCanRetrieve_Click() {
    EnableMenus();
    EnablePlanningPage();
    EnablePageButtons();
    files_.SelectedPlanFile.clear();
    frameTXRetDel->hide();
    events_.SetFocus(cmdContinuePlanning);
}

void TripPlanning::cmdRetDelTX_Click() {
    EnableMenus();
    EnablePlanningPage();
    EnablePageButtons();
    frameTXRetDel->hide();
    if (files_.SelectedPlanFile.isEmpty()) return;
    if (files_.RetDelMode == PlanFileState::RetDel::Delete) {
        files_.RetDelMode = PlanFileState::RetDel::Retrieve;
        PendingAction = Pending::None;
        try {
            DeletePlan(PlanDir, files_.SelectedPlanFile);
        } catch (const FileError& e) {
            if (e.fault() == FileError::Fault::Missing) {
                SayPlanGone(app_.platform, this, QStringLiteral("Delete Tarvex Plan"), e.message());
                mnuFilRetDel_Click(1);
                return;
            }
            app_.platform.messageBox(this, e.message(), QStringLiteral("Delete Tarvex Plan"),
                                     Platform::Buttons::OK, Platform::Icon::Warning);
        }
        events_.SetFocus(cmdContinuePlanning);
        return;
    }
    PendingAction = Pending::None;
    retrievePlan(files_.SelectedPlanFile, PlanBaseName(files_.SelectedPlanFile));
}

void TripPlanning::retrievePlan(const QString& file, const QString& base) {
    bool read = true;
    try {
        files_.Reserved = ReadPlanFile(s_, PlanDir, file);
    } catch (const FileError& e) {
        if (e.fault() == FileError::Fault::Missing) {
            SayPlanGone(app_.platform, this, QStringLiteral("Retrieve Tarvex Plan"), e.message());
            openRetrieveFrame();
            return;
        }
        read = false;
        DisablePlanMenus();
        DisablePageButtons();
        // Only a file whose fields do not follow the layout is taken for an earlier version.
        if (e.fault() == FileError::Fault::Layout)
            app_.platform.messageBox(
                this,
                QStringLiteral("The file you have selected is for an earlier version of Tarvex. ") +
                    u'\n' +
                    QStringLiteral("You may erase this file by selecting <File>, then <Delete>."),
                QStringLiteral("Sorry!"), Platform::Buttons::OK);
        else
            app_.platform.messageBox(
                this,
                QStringLiteral("The file you have selected cannot be retrieved as a Tarvex "
                               "Plan.\n") +
                    e.message(),
                QStringLiteral("Retrieve Tarvex Plan"), Platform::Buttons::OK,
                Platform::Icon::Warning);
        EnablePageButtons();
        ResetPlan();
    }
    // The entered date of each leg stands for its leg date, which the file does not keep.
    for (int k = 1; k <= s_.NumLegs; ++k) {
        Leg& leg = s_.leg(k);
        if (leg.DateEntry.size() >= 4) leg.LegDate = typedLegDate(leg.DateEntry);
    }
    loadPlanAircraft();
    if (s_.NumLegs > 0) files_.PlanFileName = base;
    s_.CurLeg = static_cast<std::int16_t>(s_.NumLegs + 1);
    RefillPlanLists();
    if (!read) {  // no totals to show: the page stays as a new plan leaves it
        lblTXDist->clear();
        lblTXTime->clear();
    }
    const Leg& last = s_.leg(s_.CurLeg - 1);
    txtLeg->setText(NumText(s_.CurLeg));
    txtTorL->setText(QStringLiteral("T"));
    txtDate->setText(last.DateEntry);
    txtTime->clear();
    txtDepID->setText(last.DestID);
    txtDepCity->setText(last.DestCityStateF);
    for (QLineEdit* box : {txtDestID, txtDestCity, txtWind}) box->clear();
    txtFuelReserve->setText(LTrim(last.ReserveText));
    if (s_.NumLegs >= 1) {
        EnablePlanMenus();
        for (QAction* a : {mnuEdit->menuAction(), mnuEdiEdit, mnuEdiInsert, mnuEdiDel})
            a->setEnabled(false);
    }
    if (s_.NumLegs > 0) txtTXFileName->setText(files_.SelectedPlanFile);
    cmdContinuePlanning->setText(s_.NumLegs > 0 ? QStringLiteral("&Continue Planning")
                                                : QStringLiteral("&Begin Planning"));
    events_.SetFocus(cmdContinuePlanning);
}

// The plan's aircraft comes with it. One that is missing or damaged leaves the aircraft in use
// in force and the plan's stored texts as they are, and is named in a message.
void TripPlanning::loadPlanAircraft() {
    if (s_.ACFileLoaded.isEmpty() || s_.ACFileLoaded == s_.ACFileName) return;
    PlanState trial = s_;
    trial.ACFileName = s_.ACFileLoaded;
    try {
        LoadAircraft(trial);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this,
            QStringLiteral("The aircraft of this Tarvex Plan could not be loaded; %1 stays in "
                           "use.\n%2")
                .arg(s_.ACType.isEmpty() ? QStringLiteral("no aircraft") : s_.ACType, e.message()),
            QStringLiteral("Retrieve Tarvex Plan"), Platform::Buttons::OK, Platform::Icon::Warning);
        return;
    }
    static_cast<AircraftProfile&>(s_) = trial;
    for (int i : {1, 2, 3}) lblACType[size_t(i)]->setText(s_.ACType);
}

// ---------------------------------------------------------------------------------------------
// Leaving the program

void TripPlanning::AskSaveAndExit(QWidget* from) {
    files_.ExitMode = true;
    if (s_.NumLegs == 0) {
        app_.EndProgram();
        return;
    }
    switch (app_.platform.messageBox(
        from, QStringLiteral("        Do you wish to Save present Tarvex Plan ?        "),
        QStringLiteral("TX Save ??"), Platform::Buttons::YesNoCancel, Platform::Icon::Question,
        Platform::Answer::No)) {
        case Platform::Answer::Cancel:
            files_.ExitMode = false;
            return;
        case Platform::Answer::Yes:
            if (from != this) app_.SwitchTo(WindowSwitch::Window::TripPlanning, from);
            showFileNameFrame();
            return;
        default:
            app_.EndProgram();
    }
}

}  // namespace tx
