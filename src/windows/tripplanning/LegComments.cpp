// The planning-page list and its comments: a click in the list selects a leg and shows its
// details, Ctrl+C copies the selected lines, and the comment frame keeps the comments of the
// selected leg or of the leg just entered. The double-quote refusal of every comment box.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/SeqFile.h"
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
    ListLegFlag = true;
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

void TripPlanning::lboTX_KeyPress(int& KeyAscii) {
    copyRows(lboTX, KeyAscii);
}

// ---------------------------------------------------------------------------------------------
// The comment frame

// The leg whose comments the frame holds: the one selected in the list, or the one just entered.
int TripPlanning::commentLeg() const {
    return ListLegFlag ? s_.SelLeg : FinishedLeg;
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

// A typed double quote becomes a blank, with the warning; the box keeps the focus (a plain
// focus: the summary box reloads its text when it gets the focus anew).
void TripPlanning::refuseQuote(QPlainTextEdit* box, int& KeyAscii) {
    if (KeyAscii != keys::kDoubleQuote) return;
    KeyAscii = keys::kBlank;
    app_.platform.messageBox(this, kNoQuotes, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                             Platform::Icon::Warning);
    box->setFocus();
}

// Back to a comment box whose save has to wait, its text kept: the summary box would show the
// stored comments again on getting the focus.
void TripPlanning::backToComments(QPlainTextEdit* box) {
    const QString text = box->toPlainText();
    box->setFocus();
    if (box->toPlainText() != text) box->setPlainText(text);
}

// A pasted double quote is turned into a blank as a typed one is, and shown before saving: true
// when there was one and the save has to wait.
bool TripPlanning::refusePastedQuotes(QPlainTextEdit* box) {
    QString text = box->toPlainText();
    if (!text.contains(u'"')) return false;
    text.replace(u'"', u' ');
    box->setPlainText(text);
    app_.platform.messageBox(this, kNoQuotes, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                             Platform::Icon::Warning);
    backToComments(box);
    return true;
}

// The plan file and its text report are single-byte text: characters they cannot hold are named
// with what they will be stored as. Yes leaves the box holding the text as it will be stored and
// returns true; No returns false with the box as it was, to be edited.
bool TripPlanning::confirmCodePage(QPlainTextEdit* box) {
    const QString text = box->toPlainText();
    const auto changes = Cp1252Changes(text);
    if (changes.isEmpty()) return true;
    QString list;
    for (const auto& [from, to] : changes)
        list += QStringLiteral("    ") + from + "  becomes  " + to + u'\n';
    const Platform::Answer answer = app_.platform.messageBox(
        this,
        QStringLiteral("A Tarvex Plan file cannot hold some characters of these comments.  They "
                       "will be stored as:\n\n") +
            list +
            QStringLiteral("\nSave the comments this way?  Click No to go back and change them."),
        QStringLiteral("Leg Comments"), Platform::Buttons::YesNo, Platform::Icon::Question,
        Platform::Answer::No);
    if (answer != Platform::Answer::Yes) {
        backToComments(box);
        return false;
    }
    box->setPlainText(DecodeCp1252(EncodeCp1252(text)));
    return true;
}

void TripPlanning::txtLegComments_KeyPress(int& KeyAscii) {
    refuseQuote(txtLegComments, KeyAscii);
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
    if (refusePastedQuotes(txtLegComments) || !confirmCodePage(txtLegComments)) return;
    const QString text = txtLegComments->toPlainText();
    const int target = commentLeg();
    s_.CurLeg = static_cast<std::int16_t>(target);
    ListLegFlag = false;
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
