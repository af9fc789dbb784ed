// The Settings menu's four frames: the choice of aircraft (which recomputes every leg of the
// plan), the aircraft's fuel reserve, the taxi (block-time) default and the trip checks' limits.
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"
#include "planning/AircraftChange.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

constexpr int kMaxTaxiMinutes = 60;

}  // namespace

void TripPlanning::connectSettingsHandlers() {
    connect(mnuSetChange, &QAction::triggered, this, &TripPlanning::mnuSetChange_Click);
    connect(mnuSetReserve, &QAction::triggered, this, &TripPlanning::mnuSetReserve_Click);
    connect(mnuSetBlock, &QAction::triggered, this, &TripPlanning::mnuSetBlock_Click);
    events_.Click(flbTXAircraft, this, &TripPlanning::flbTXAircraft_Click);
    events_.DblClick(flbTXAircraft, this, &TripPlanning::flbTXAircraft_DblClick);
    events_.KeyPress(flbTXAircraft, this, &TripPlanning::flbTXAircraft_KeyPress);
    events_.Click(cmdACSelect, this, &TripPlanning::cmdACSelect_Click);
    events_.Click(cmdACCancel, this, &TripPlanning::cmdACCancel_Click);
    events_.GotFocus(txtDefFRes, this, &TripPlanning::txtDefFRes_GotFocus);
    events_.KeyPress(txtDefFRes, this, &TripPlanning::txtDefFRes_KeyPress);
    events_.Click(cmdChFResOK, this, &TripPlanning::cmdChFResOK_Click);
    events_.Click(cmdCancelFRes, this, &TripPlanning::cmdCancelFRes_Click);
    events_.Change(VScroll1, this, &TripPlanning::VScroll1_Change);
    events_.Click(cmdApplyDefault, this, &TripPlanning::cmdApplyDefault_Click);
    events_.Click(cmdOKDefault, this, &TripPlanning::cmdOKDefault_Click);
    events_.Click(cmdExitTaxiDefault, this, &TripPlanning::cmdExitTaxiDefault_Click);
    connect(mnuSetChecks, &QAction::triggered, this, &TripPlanning::mnuSetChecks_Click);
    for (int i = 0; i < TripLimitCount; ++i)
        events_.onKeyPress(txtLimit[size_t(i)], [this, i](int& k) { txtLimit_KeyPress(i, k); });
    events_.Click(cmdApplyChecks, this, &TripPlanning::cmdApplyChecks_Click);
    events_.Click(cmdSaveChecks, this, &TripPlanning::cmdSaveChecks_Click);
    events_.Click(cmdExitChecks, this, &TripPlanning::cmdExitChecks_Click);
}

void TripPlanning::openSettingsFrame(QGroupBox* frame) {
    DisableMenus();
    DisablePlanningPage();
    DisablePageButtons();
    frame->show();
    frame->raise();
}

void TripPlanning::closeSettingsFrame(QGroupBox* frame) {
    frame->hide();
    EnableMenus();
    EnablePlanningPage();
    EnablePageButtons();
    events_.SetFocus(cmdContinuePlanning);
}

// ---------------------------------------------------------------------------------------------
// Aircraft

void TripPlanning::mnuSetChange_Click() {
    openSettingsFrame(frameACChange);
    // The aircraft files of the program directory, *.AC in any letter case.
    QDir dir(s_.ProgramDir, QStringLiteral("*.AC"), QDir::Name | QDir::IgnoreCase,
             QDir::Files | QDir::Readable);
    flbTXAircraft->clear();
    settings_.ChosenAircraft.clear();
    flbTXAircraft->addItems(dir.entryList());
    events_.SetFocus(flbTXAircraft);
    if (flbTXAircraft->count() > 0) flbTXAircraft->setCurrentRow(0);
    flbTXAircraft_Click();  // the first is picked, as by a click
}

void TripPlanning::flbTXAircraft_Click() {
    const QListWidgetItem* item = flbTXAircraft->currentItem();
    settings_.ChosenAircraft = item ? item->text() : QString();
}

void TripPlanning::flbTXAircraft_DblClick() {
    flbTXAircraft_Click();
    cmdACSelect_Click();
}

void TripPlanning::flbTXAircraft_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    events_.SetFocus(cmdACSelect);
}

void TripPlanning::cmdACSelect_Click() {
    frameACChange->hide();
    bool go = !settings_.ChosenAircraft.isEmpty();
    if (go && s_.NumLegs > 0)
        go = app_.platform.messageBox(
                 this,
                 QStringLiteral("All legs in the present Tarvex Plan will change.\n"
                                "  Do you wish to continue ... ?    "),
                 QStringLiteral("Continue ... ??"), Platform::Buttons::YesNo,
                 Platform::Icon::Question, Platform::Answer::No) == Platform::Answer::Yes;
    if (go) selectAircraft(settings_.ChosenAircraft);
    closeSettingsFrame(frameACChange);
}

void TripPlanning::cmdACCancel_Click() {
    closeSettingsFrame(frameACChange);
}

// Loads the aircraft and recomputes the plan with it; a file that cannot be used changes
// nothing and says why.
void TripPlanning::selectAircraft(const QString& name) {
    const QString before = s_.ACType;
    try {
        ChangeAircraft(s_, name);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this,
            e.message() + QStringLiteral("\n\nThis aircraft file cannot be used. ") +
                (before.isEmpty() ? QStringLiteral("No aircraft is selected.")
                                  : QStringLiteral("The aircraft stays %1.").arg(before)),
            QStringLiteral("Aircraft"), Platform::Buttons::OK, Platform::Icon::Warning);
        return;
    }
    try {
        WriteDefaultAircraftFile(s_);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this,
            e.message() + QStringLiteral("\n\nThe aircraft is used until the program ends; the "
                                         "next start will not remember it."),
            QStringLiteral("Aircraft"), Platform::Buttons::OK, Platform::Icon::Warning);
    }
    for (int k = 1; k <= 3; ++k) lblACType[k]->setText(s_.ACType);
    if (s_.NumLegs > 0) RefillPlanLists();
}

// ---------------------------------------------------------------------------------------------
// Fuel reserve

void TripPlanning::mnuSetReserve_Click() {
    openSettingsFrame(frameChFRes);
    txtDefFRes->setEnabled(true);
    txtDefFRes->setText(NumText(s_.ACReserve));
    events_.SetFocus(txtDefFRes);
}

void TripPlanning::txtDefFRes_GotFocus() {
    SelectAllText(txtDefFRes);
}

void TripPlanning::txtDefFRes_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    events_.SetFocus(cmdChFResOK);
}

// The whole number typed becomes the reserve, in memory and as the last line of the aircraft
// file; a text that is no number of 0 or more, or a file that cannot be written, keeps the
// frame open and the reserve as it was.
void TripPlanning::cmdChFResOK_Click() {
    const QString text = txtDefFRes->text();
    PlanState written = s_;
    written.ACReserve = Int(Val(text)) + 0.0;  // + 0.0: never a negative zero
    QString problem;
    if (s_.ACFileName.isEmpty()) {
        problem = QStringLiteral(
            "No aircraft is selected: select one first with <Settings> then "
            "<Select/Change Aircraft>.");
    } else if (!IsNumber(text) || Val(text) < 0) {
        problem = QStringLiteral("The fuel reserve must be a number of 0 or more, for example ") +
                  NumText(s_.ACReserve) + u'.';
    } else {
        try {
            WriteAircraft(written);
        } catch (const FileError& e) {
            problem = e.message() + QStringLiteral("\n\nThe fuel reserve is not changed.");
        }
    }
    if (!problem.isEmpty()) {
        app_.platform.messageBox(this, problem, QStringLiteral("Fuel Reserve"),
                                 Platform::Buttons::OK, Platform::Icon::Warning);
        events_.SetFocus(txtDefFRes);
        return;
    }
    s_.ACReserve = written.ACReserve;
    closeSettingsFrame(frameChFRes);
}

void TripPlanning::cmdCancelFRes_Click() {
    closeSettingsFrame(frameChFRes);
}

// ---------------------------------------------------------------------------------------------
// Taxi default

void TripPlanning::mnuSetBlock_Click() {
    openSettingsFrame(frameTaxiDefault);
    // A stored default outside the bar's range shows at the nearer end; it stays as stored
    // until a value is applied.
    const double stored = Int(Val(s_.TaxiDefault));
    VScroll1->setValue(-static_cast<int>(std::clamp(stored, 0.0, double(kMaxTaxiMinutes))));
    VScroll1_Change();
    events_.SetFocus(VScroll1);
}

// The bar holds the minutes negated (its top is 60).
int TripPlanning::taxiMinutes() const {
    return -VScroll1->value();
}

void TripPlanning::VScroll1_Change() {
    lblTaxiDefault->setText(Str(taxiMinutes()));
}

void TripPlanning::applyTaxiDefault() {
    s_.TaxiDefault = Str(taxiMinutes());
}

void TripPlanning::cmdApplyDefault_Click() {
    applyTaxiDefault();
    closeSettingsFrame(frameTaxiDefault);
}

void TripPlanning::cmdOKDefault_Click() {
    applyTaxiDefault();
    try {
        WriteSettingsFile(s_);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this,
            e.message() + QStringLiteral("\n\nThe taxi default applies until the program ends."),
            QStringLiteral("Taxi Time Default"), Platform::Buttons::OK, Platform::Icon::Warning);
    }
    closeSettingsFrame(frameTaxiDefault);
}

void TripPlanning::cmdExitTaxiDefault_Click() {
    closeSettingsFrame(frameTaxiDefault);
}

// ---------------------------------------------------------------------------------------------
// Trip checks

void TripPlanning::mnuSetChecks_Click() {
    openSettingsFrame(frameTripChecks);
    for (int i = 0; i < TripLimitCount; ++i)
        txtLimit[size_t(i)]->setText(DurationText(app_.limits.minutes[size_t(i)]));
    events_.SetFocus(txtLimit[0]);
    SelectAllText(txtLimit[0]);
}

// Return goes on to the next limit, from the last to "Apply/Save".
void TripPlanning::txtLimit_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    if (Index + 1 < TripLimitCount) {
        events_.SetFocus(txtLimit[size_t(Index + 1)]);
        SelectAllText(txtLimit[size_t(Index + 1)]);
    } else {
        events_.SetFocus(cmdSaveChecks);
    }
}

// The six limits as typed, or nothing when one cannot be used: that one is named in a message
// and selected, and the frame stays open.
std::optional<TripLimits> TripPlanning::typedLimits() {
    TripLimits typed;
    for (int i = 0; i < TripLimitCount; ++i) {
        QLineEdit* box = txtLimit[size_t(i)];
        if (const auto refusal = TripLimitRefusal(TripLimit(i), box->text())) {
            app_.platform.messageBox(this, *refusal + u'.', QStringLiteral("Trip Checks"),
                                     Platform::Buttons::OK, Platform::Icon::Warning);
            events_.SetFocus(box);
            SelectAllText(box);
            return std::nullopt;
        }
        typed.minutes[size_t(i)] = TripLimitMinutes(box->text());
    }
    return typed;
}

void TripPlanning::cmdApplyChecks_Click() {
    const auto typed = typedLimits();
    if (!typed) return;
    app_.limits = *typed;
    ShowTripChecks();
    closeSettingsFrame(frameTripChecks);
}

void TripPlanning::cmdSaveChecks_Click() {
    const auto typed = typedLimits();
    if (!typed) return;
    try {
        WriteTripLimits(s_, *typed);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this, e.message() + QStringLiteral("\n\nThe limits apply until the program ends."),
            QStringLiteral("Trip Checks"), Platform::Buttons::OK, Platform::Icon::Warning);
    }
    app_.limits = *typed;
    ShowTripChecks();
    closeSettingsFrame(frameTripChecks);
}

void TripPlanning::cmdExitChecks_Click() {
    closeSettingsFrame(frameTripChecks);
}

}  // namespace tx
