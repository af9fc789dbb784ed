// The planning-page list and its comments: a click in the list selects a leg and shows its
// details, Ctrl+C copies the selected lines, and the comment frame keeps the comments of the
// selected leg or of the leg just entered.
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kNoQuotes = QStringLiteral("Do not use <quotes> in the text of the comments !!");

}  // namespace

void TripPlanning::connectCommentHandlers() {
    events_.Click(cmdEnterComments, this, &TripPlanning::cmdEnterComments_Click);
    events_.Click(cmdSaveComments, this, &TripPlanning::cmdSaveComments_Click);
    events_.Click(cmdEraseComments, this, &TripPlanning::cmdEraseComments_Click);
    events_.Click(cmdCancelComments, this, &TripPlanning::cmdCancelComments_Click);
    events_.KeyPress(txtLegComments, this, &TripPlanning::txtLegComments_KeyPress);
    events_.Click(lboTX, this, &TripPlanning::lboTX_Click);
    events_.KeyPress(lboTX, this, &TripPlanning::lboTX_KeyPress);
}

// ---------------------------------------------------------------------------------------------
// The leg list

void TripPlanning::lboTX_Click() {
    const int row = lboTX->currentRow();
    if (row < 0 || row >= s_.NumLegs) return;
    ListLegFlag = QStringLiteral("yes");
    s_.SelLeg = static_cast<std::int16_t>(row + 1);
    txtLegComments->setPlainText(s_.leg(s_.SelLeg).LegComments);
    for (QAction* a : {mnuEdit->menuAction(), mnuEdiEdit, mnuEdiInsert, mnuEdiDel})
        a->setEnabled(true);
    DisableEntryFields();
    ShowLegDetails();
    cmdEnterComments->show();
    cmdEnterComments->setEnabled(true);
}

void TripPlanning::ShowLegDetails() {
    const Leg& leg = s_.leg(s_.SelLeg);
    txtLeg->setText(NumText(s_.SelLeg));
    {
        // Showing a leg writes nothing into the plan: the designation box's own change rule
        // would store the shown letter into the leg being entered.
        const QSignalBlocker quiet(txtTorL);
        const bool landing = leg.TorL != u"T";
        txtTorL->setText(landing ? QStringLiteral("L") : QStringLiteral("T"));
        txtTime->setText(landing ? leg.ArrTimeEntry : leg.DepTimeEntry);
        lblDate->setText(landing ? QStringLiteral("Arrival Date :")
                                 : QStringLiteral("Departure Date :"));
        lblTime->setText(landing ? QStringLiteral("Local Arr. Time :")
                                 : QStringLiteral("Local Dep. Time :"));
    }
    txtDate->setText(leg.DateEntry);
    txtDepID->setText(leg.DepID);
    txtDepCity->setText(leg.DepCityStateF);
    txtDestID->setText(leg.DestID);
    txtDestCity->setText(leg.DestCityStateF);
    txtWind->setText(LTrim(leg.WindText));
    txtFuelReserve->setText(LTrim(leg.ReserveText));
}

// Ctrl+C (or Ctrl+I) puts the selected lines on the clipboard, each ended by CR LF, after a
// CR LF of their own.
void TripPlanning::lboTX_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kCtrlC && KeyAscii != keys::kCtrlI) return;
    KeyAscii = 0;
    QList<int> rows;
    for (const QListWidgetItem* item : lboTX->selectedItems()) rows << lboTX->row(item);
    std::sort(rows.begin(), rows.end());
    QString text = QStringLiteral("\r\n");
    for (int r : rows) text += lboTX->item(r)->text() + QStringLiteral("\r\n");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

// ---------------------------------------------------------------------------------------------
// The comment frame

// The leg whose comments the frame holds: the one selected in the list, or the one just entered.
int TripPlanning::commentLeg() const {
    return ListLegFlag == u"yes" ? s_.SelLeg : FinishedLeg;
}

void TripPlanning::cmdEnterComments_Click() {
    frameLegComments->show();
    frameLegComments->raise();
    DisableMenus();
    for (QWidget* w : {static_cast<QWidget*>(lboTX), static_cast<QWidget*>(cmdContinuePlanning),
                       static_cast<QWidget*>(cmdEnterComments), static_cast<QWidget*>(cmdExitTX)})
        w->setEnabled(false);
    txtLegComments->setPlainText(s_.leg(s_.SelLeg).LegComments);
    events_.SetFocus(txtLegComments);
}

void TripPlanning::txtLegComments_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kDoubleQuote) return;
    KeyAscii = keys::kBlank;
    app_.platform.messageBox(this, kNoQuotes, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                             Platform::Icon::Warning);
    events_.SetFocus(txtLegComments);
}

// Back to the page: the frame closed, the list and the page buttons usable again.
void TripPlanning::closeCommentFrame() {
    cmdContinuePlanning->setEnabled(true);
    events_.SetFocus(cmdContinuePlanning);
    frameLegComments->hide();
    lboTX->setEnabled(true);
    cmdExitTX->setEnabled(true);
    cmdEnterComments->setEnabled(false);
}

void TripPlanning::cmdSaveComments_Click() {
    QString text = txtLegComments->toPlainText();
    // A pasted double quote is turned into a blank as a typed one is, and shown before saving.
    if (text.contains(u'"')) {
        text.replace(u'"', u' ');
        txtLegComments->setPlainText(text);
        app_.platform.messageBox(this, kNoQuotes, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
        events_.SetFocus(txtLegComments);
        return;
    }
    const int target = commentLeg();
    s_.CurLeg = static_cast<std::int16_t>(target);
    ListLegFlag.clear();
    s_.leg(target).LegComments = text;
    closeCommentFrame();
    EnableMenus();
    mnuEdit->menuAction()->setEnabled(false);
}

void TripPlanning::cmdEraseComments_Click() {
    txtLegComments->clear();
    s_.leg(commentLeg()).LegComments.clear();
    events_.SetFocus(txtLegComments);
}

void TripPlanning::cmdCancelComments_Click() {
    closeCommentFrame();
    for (QAction* a : {mnufil->menuAction(), mnuFilExit, mnuView->menuAction(),
                       mnuSettings->menuAction(), mnuHelp})
        a->setEnabled(true);
    mnuEdit->menuAction()->setEnabled(false);
}

}  // namespace tx
