// Opening the main window and the first four steps of a leg: leg number, take-off or landing,
// date and local time; stepping back, cancelling and the maximum-legs notice. The airport steps
// are in AirportSteps.cpp, the wind, the fuel reserve and the completion of the leg in
// WindReserve.cpp; the acceptance rules they apply are widget-free, in src/planning.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "airportdb/Statements.h"
#include "calc/TimeZones.h"
#include "core/Text.h"
#include "planning/EntryRules.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/kit/WindowSize.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kLegPrompt = QStringLiteral("  ( Displays Leg Number. )");
const QString kTorLPrompt = QStringLiteral("  Designate either <T>akeoff or <L>anding.");
const QString kDatePrompt =
    QStringLiteral("  ( <MM/DD>, Example: enter  July 4 = 07/04, or as 0704 )");
const QString kTimePrompt = QStringLiteral("  ( Example:  1:05am = 0105,  1:05pm = 1305 )");

}  // namespace

void TripPlanning::connectLegEntryHandlers() {
    events_.GotFocus(txtLeg, this, &TripPlanning::txtLeg_GotFocus);
    events_.KeyPress(txtLeg, this, &TripPlanning::txtLeg_KeyPress);
    events_.Change(txtLeg, this, &TripPlanning::txtLeg_Change);
    events_.GotFocus(txtTorL, this, &TripPlanning::txtTorL_GotFocus);
    events_.KeyPress(txtTorL, this, &TripPlanning::txtTorL_KeyPress);
    events_.LostFocus(txtTorL, this, &TripPlanning::txtTorL_LostFocus);
    events_.Change(txtTorL, this, &TripPlanning::txtTorL_Change);
    events_.GotFocus(txtDate, this, &TripPlanning::txtDate_GotFocus);
    events_.KeyPress(txtDate, this, &TripPlanning::txtDate_KeyPress);
    events_.LostFocus(txtDate, this, &TripPlanning::txtDate_LostFocus);
    events_.GotFocus(txtTime, this, &TripPlanning::txtTime_GotFocus);
    events_.KeyPress(txtTime, this, &TripPlanning::txtTime_KeyPress);
    events_.LostFocus(txtTime, this, &TripPlanning::txtTime_LostFocus);
    events_.Click(cmdContinuePlanning, this, &TripPlanning::cmdContinuePlanning_Click);
    events_.Click(cmdBack, this, &TripPlanning::cmdBack_Click);
    events_.Click(cmdLegCancel, this, &TripPlanning::cmdLegCancel_Click);
    connect(TimerMaxLegs, &QTimer::timeout, this, &TripPlanning::TimerMaxLegs_Timer);
}

// ---------------------------------------------------------------------------------------------
// Opening the window

void TripPlanning::Form_Load() {
    try {
        app_.adb.AirportsRs.emplace(OpenAirports(app_.adb.db));
        app_.adb.AirportsRs->requery();
    } catch (const DbError& e) {
        app_.platform.messageBox(this, e.message(), QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Critical);
    }

    CentreOnScreen(this);
    setWindowTitle(s_.VersionText);

    s_.ViewMode = PlanState::View::TX;
    lblACType[2]->setText(s_.ACType);
    lblACType[3]->setText(s_.ACType);
    lblTXDist->setText(QString());
    lblTXTime->setText(QString());

    s_.CurLeg = 1;
    s_.NumLegs = 0;
    s_.SelLeg = 1;
    txtLeg->setText(QStringLiteral("1"));
    txtTorL->setText(QStringLiteral("T"));
    txtFuelReserve->setText(NumText(s_.ACReserve));

    DisablePlanMenus();
    for (QAction* a : {mnuFilNew, mnuEdit->menuAction(), mnuEdiEdit}) a->setEnabled(false);
    mnuFilSave->setEnabled(false);

    for (QWidget* w : {txtDepSearch, txtDestSearch}) w->hide();
    for (QWidget* w : {cmdDepPrev, cmdDepNext, cmdDestPrev, cmdDestNext}) w->hide();
    for (QWidget* w :
         {framePlanning, framePilot, frameSummary, framePilotComments, frameSumComments,
          frameLegComments, frameChFRes, frameTXName, frameTXRetDel, frameACChange,
          frameTaxiDefault, frameTripChecks, frameFBOs, frameTripDetails})
        w->hide();
    showTripDetails();
    lblMaxLegs->hide();

    setPlanningCaption(s_.CurLeg);
    cmdEnterComments->setVisible(true);
    cmdEnterComments->setEnabled(false);
    cmdContinuePlanning->setText(QStringLiteral("&Begin Planning"));
    cmdContinuePlanning->setFocus();  // Return begins planning
}

void TripPlanning::setPlanningCaption(double legNumber) {
    framePlanning->setTitle(QStringLiteral("Leg # ") + Str(legNumber));
}

// The destination's "City, State" as the boxes show it: until the leg is completed only the
// lookup's form is there.
QString TripPlanning::destCityText(const Leg& leg) {
    return leg.DestCityStateF.isEmpty() ? leg.DestCityState : leg.DestCityStateF;
}

QString TripPlanning::prevLegLine() const {
    if (s_.CurLeg == 1) return QString();
    return Mid(s_.leg(s_.CurLeg - 1).PlanLine, 4, 77);
}

// ---------------------------------------------------------------------------------------------
// Starting a leg

// The entry writes into the leg as it goes, and the leg box can switch to another leg on the way:
// every slot is kept, so that a cancelled entry changes nothing.
void TripPlanning::keepLegsForCancel() {
    entry_.legsBeforeEntry.clear();
    for (int i = 0; i < PlanState::Slots; ++i) entry_.legsBeforeEntry.push_back(s_.leg(i));
}

void TripPlanning::cmdContinuePlanning_Click() {
    keepLegsForCancel();
    s_.ViewMode = PlanState::View::TX;
    DisableMenus();
    lboTX->setEnabled(false);  // a leg clicked there would take the boxes over
    ListLegFlag = false;

    s_.CurLeg = static_cast<std::int16_t>(s_.NumLegs + 1);
    txtLeg->setText(NumText(s_.CurLeg));
    txtTorL->setText(QStringLiteral("T"));

    const Leg& prev = s_.leg(s_.CurLeg - 1);
    const Leg& leg = s_.cur();
    txtDate->setText(prev.DateEntry);
    txtTime->setText(QString());
    lblTime->setText(QStringLiteral("Local Dep. Time :"));

    txtDepID->setText(prev.DestID);
    txtDepCity->setText(prev.DestCityStateF);
    txtDestID->setText(leg.DestID);
    txtDestCity->setText(destCityText(leg));

    txtWind->setText(LTrim(leg.WindText));
    txtFuelReserve->setText(leg.ReserveText.isEmpty() ? NumText(s_.ACReserve)
                                                      : LTrim(leg.ReserveText));

    framePlanning->setVisible(true);
    setPlanningCaption(s_.NumLegs + 1);
    cmdContinuePlanning->hide();
    cmdExitTX->hide();
    cmdEnterComments->hide();
    txtLeg->setEnabled(true);
    events_.SetFocus(txtLeg);

    lblPrevLeg->setText(prevLegLine());
}

// ---------------------------------------------------------------------------------------------
// Step 1: the leg number

void TripPlanning::txtLeg_GotFocus() {
    cmdBack->setEnabled(false);
    EntryStep = 1;
    lblNotes->setText(kLegPrompt);
    DisableLaterFields();
    if (s_.ACFileName.isEmpty())
        app_.platform.messageBox(this,
                                 QStringLiteral("You must select an AIRCRAFT.  Click <Cancel> "
                                                "below then ") +
                                     QStringLiteral("select <Settings>, then <Select/Change "
                                                    "Aircraft>."),
                                 QStringLiteral("Warning!"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
    DisableServiceLists();
    if (s_.cur().TorL.isEmpty()) {
        s_.cur().TorL = QStringLiteral("T");
        txtLeg->setText(QStringLiteral("T"));
    }
    if (s_.CurLeg != 1 && s_.CurLeg > s_.NumLegs) {
        txtTorL->setText(QStringLiteral("T"));
        s_.cur().TorL = QStringLiteral("T");
    }
    if (s_.cur().TorL == u"T") {
        txtTorL->setText(QStringLiteral("T"));
        lblDate->setText(QStringLiteral("Departure Date :"));
        lblTime->setText(QStringLiteral("Local Dep. Time :"));
    } else {
        txtTorL->setText(QStringLiteral("L"));
        lblDate->setText(QStringLiteral("Arrival Date :"));
        lblTime->setText(QStringLiteral("Local Arr. Time :"));
    }
    SelectAllText(txtLeg);
}

void TripPlanning::txtLeg_Change() {
    if (Val(txtLeg->text()) != 0) return;
    txtLeg->setText(NumText(s_.NumLegs + 1));
    SelectAllText(txtLeg);  // the next key replaces the refill
}

void TripPlanning::txtLeg_KeyPress(int& KeyAscii) {
    if (KeyAscii == keys::kReturn) {
        KeyAscii = 0;
        const QString text = txtLeg->text();
        if (Val(text) > PlanState::MaxLegs) {
            app_.platform.beep();
            txtLeg->setText(NumText(s_.NumLegs));
            SelectAllText(txtLeg);
            TimerMaxLegs->start();
            lblMaxLegs->show();
            return;
        }
        cmdBack->setVisible(true);
        txtTorL->setEnabled(true);
        txtLeg->setEnabled(false);
        if (!isEnterableLeg(text, s_.NumLegs)) {
            // Refilled with the next leg number, which is then the leg open; the box's focus
            // rule leaves it the only box enabled.
            s_.CurLeg = static_cast<std::int16_t>(s_.NumLegs + 1);
            txtLeg->setText(QString());
            txtLeg->setEnabled(true);
            events_.SetFocus(txtLeg);
        } else {
            s_.CurLeg = static_cast<std::int16_t>(Val(text));
            Leg& leg = s_.cur();
            txtTorL->setText(leg.TorL);
            if (txtTorL->text() != u"T") {
                txtTime->setText(leg.ArrTimeEntry);
                lblTime->setText(QStringLiteral("Local Arrival Time :"));
            } else {
                txtTime->setText(leg.DepTimeEntry);
                lblTime->setText(QStringLiteral("Local Dep. Time :"));
            }
            const Leg& prev = s_.leg(s_.CurLeg - 1);
            txtDate->setText(s_.CurLeg == 1 || !leg.DateEntry.isEmpty() ? leg.DateEntry
                                                                        : prev.DateEntry);
            // A leg always departs from the previous leg's destination.
            if (s_.CurLeg >= 2 && (leg.DepID.isEmpty() || leg.DepID != prev.DestID)) {
                leg.DepID = prev.DestID;
                leg.DepCityStateF = prev.DestCityStateF;
            }
            txtDepID->setText(leg.DepID);
            txtDepCity->setText(leg.DepCityStateF);
            txtDestID->setText(leg.DestID);
            txtDestCity->setText(destCityText(leg));
            txtWind->setText(LTrim(leg.WindText));
            txtFuelReserve->setText(leg.ReserveText.isEmpty() ? NumText(s_.ACReserve)
                                                              : LTrim(leg.ReserveText));
            events_.SetFocus(txtTorL);
            txtLeg->setEnabled(false);
        }
        lblPrevLeg->setText(prevLegLine());
    }
    // The caption follows the box; a typed character is not in the text yet.
    setPlanningCaption(Val(txtLeg->text()));
}

void TripPlanning::TimerMaxLegs_Timer() {
    TimerMaxLegs->stop();
    lblMaxLegs->hide();
}

// ---------------------------------------------------------------------------------------------
// Step 2: take-off or landing

void TripPlanning::txtTorL_GotFocus() {
    cmdBack->setEnabled(true);
    EntryStep = 2;
    lblNotes->setText(kTorLPrompt);
    if (s_.cur().TorL.isEmpty()) txtTorL->setText(QStringLiteral("T"));
    SelectAllText(txtTorL);
}

void TripPlanning::txtTorL_Change() {
    const QString text = LTrim(txtTorL->text().toUpper());
    Leg& leg = s_.cur();
    if (text.startsWith(u'T')) {
        txtTorL->setText(QStringLiteral("T"));
        txtTime->setText(leg.DepTimeEntry);
        lblDate->setText(QStringLiteral("Departure Date :"));
        lblTime->setText(QStringLiteral("Local Dep. Time :"));
    } else if (text.startsWith(u'L')) {
        txtTorL->setText(QStringLiteral("L"));
        txtTime->setText(leg.ArrTimeEntry);
        lblDate->setText(QStringLiteral("Arrival Date :"));
        lblTime->setText(QStringLiteral("Local Arr. Time :"));
    } else {
        txtTorL->setText(QStringLiteral("T"));  // whose change settles the rest
    }
    leg.TorL = txtTorL->text();
    SelectAllText(txtTorL);  // the next key replaces the letter
}

void TripPlanning::txtTorL_LostFocus() {
    lblNotes->setText(QString());
    const QString text = txtTorL->text();
    if (text == u"T" || text == u"L")
        s_.cur().TorL = text;
    else
        txtTorL->setText(QString());
}

void TripPlanning::txtTorL_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    txtTorL_LostFocus();
    txtTorL->setEnabled(false);
    txtDate->setEnabled(true);
    events_.SetFocus(txtDate);
}

// ---------------------------------------------------------------------------------------------
// Step 3: the date

void TripPlanning::txtDate_GotFocus() {
    EntryStep = 3;
    lblNotes->setText(kDatePrompt);
    SelectAllText(txtDate);
}

void TripPlanning::txtDate_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtDate_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    const QString text = txtDate->text();
    if (text.size() < 4) {
        txtDate->setText(QString());
        return;
    }
    const QString mm = Left(text, 2);
    const QString dd = Right(text, 2);
    Leg& leg = s_.cur();
    // Written before the checks: a refused date leaves it there.
    leg.LegDate = typedLegDate(text);
    s_.Today = app_.platform.today();
    if (!isAcceptedDate(Val(leg.LegDate), s_.Today)) {
        txtDate->setText(QString());
        txtDate->setEnabled(true);
        txtTime->setEnabled(false);
        events_.SetFocus(txtDate);
        return;
    }
    txtDate->setText(mm + u'/' + dd);
    leg.DateEntry = txtDate->text();
    DateFill(s_);
    txtDate->setEnabled(false);
    txtTime->setEnabled(true);
    events_.SetFocus(txtTime);
}

// ---------------------------------------------------------------------------------------------
// Step 4: the local time

void TripPlanning::txtTime_GotFocus() {
    EntryStep = 4;
    lblNotes->setText(kTimePrompt);
    SelectAllText(txtTime);
}

void TripPlanning::txtTime_LostFocus() {
    lblNotes->setText(QString());
    Leg& leg = s_.cur();
    if (leg.TorL == u"T") {
        leg.DepTimeEntry = txtTime->text();
        leg.ArrTimeEntry.clear();
    } else {
        leg.ArrTimeEntry = txtTime->text();
        leg.DepTimeEntry.clear();
    }
}

void TripPlanning::txtTime_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    if (txtTime->text().isEmpty()) txtTime->setText(QStringLiteral("0000"));
    if (!isAcceptedTime(txtTime->text())) {
        txtTime->setText(QString());
        events_.SetFocus(txtTime);
        return;
    }
    txtDepID->setEnabled(true);
    txtDepCity->setEnabled(true);
    txtTime->setEnabled(false);
    txtTime_LostFocus();
    events_.SetFocus(txtDepID);
}

// ---------------------------------------------------------------------------------------------
// Back one step and cancel

void TripPlanning::cmdBack_Click() {
    endCitySearch();
    DisableEntryFields();
    QLineEdit* to = nullptr;
    switch (EntryStep) {
        case 1:
            app_.platform.beep();
            to = txtLeg;
            break;
        case 2:
            to = txtLeg;
            break;
        case 3:
            to = txtTorL;
            break;
        case 4:
            to = txtDate;
            break;
        case 5:
            to = txtTime;
            break;
        case 6:
            to = txtDepID;
            break;
        case 7:
            to = txtDestID;
            break;
        case 8:
            to = txtWind;
            break;
        default:
            return;
    }
    to->setEnabled(true);
    events_.SetFocus(to);
}

// The legs are put back as they were when the entry began, once the box left has run its
// lost-focus rule (which writes into the leg).
void TripPlanning::cmdLegCancel_Click() {
    endCitySearch();
    framePlanning->hide();
    cmdEnterComments->show();
    cmdEnterComments->setEnabled(false);
    cmdExitTX->show();
    EnableMenus();
    lboTX->setEnabled(true);
    cmdContinuePlanning->show();
    cmdContinuePlanning->setEnabled(true);
    events_.SetFocus(cmdContinuePlanning);
    for (int i = 0; i < static_cast<int>(entry_.legsBeforeEntry.size()); ++i)
        s_.leg(i) = entry_.legsBeforeEntry[static_cast<size_t>(i)];
    if (s_.ViewMode == PlanState::View::Pilot)
        mnuViePilot_Click();
    else if (s_.ViewMode != PlanState::View::TX)
        mnuVieSummary_Click();
}

// ---------------------------------------------------------------------------------------------
// Leaving the program

void TripPlanning::cmdExitTX_Click() {
    app_.ExitTarvex(this);
}

void TripPlanning::mnuFilExit_Click() {
    app_.ExitTarvex(this);
}

}  // namespace tx
