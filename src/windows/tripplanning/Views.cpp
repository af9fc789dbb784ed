// The pilot and summary views over the planning page: their lists filled with the stored lines
// of every leg, the details, print flags and comments of the leg selected there, the change from
// one view to the other and the way back to the planning page; the refill of all three plan
// lists, and the trip checks shown under each of them.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "calc/LegTexts.h"
#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const std::array<std::optional<int> Leg::*, 5> kPrintFlags{
    &Leg::InclFBO, &Leg::InclCrewHotel, &Leg::InclPaxHotel, &Leg::InclLimo, &Leg::InclCatering};
const std::array<QString Leg::*, 5> kServices{
    &Leg::DestFBO, &Leg::DestCrewHotel, &Leg::DestPaxHotel, &Leg::DestLimo, &Leg::DestCatering};

}  // namespace

// One of the two views. The pilot view shows two lines per leg and the leg's airports; the
// summary view seven lines and no airports. Each leg ends with a blank row.
struct TripPlanning::FormatView {
    bool pilot;
    QGroupBox* frame;
    QListWidget* list;
    std::vector<QString Leg::*> lines;
    int selectedLine;  // the row of a leg selected when the view opens, counted within the leg
    QLabel *dist, *time, *acType;
    QLineEdit *txLeg, *depAP, *destAP;  // null in the summary view
    std::array<QLineEdit*, 5> services;
    std::array<QCheckBox*, 5> flags;
    QGroupBox* commentFrame;
    QPlainTextEdit* commentBox;
    QString commentCaption;
    QPushButton* commentsButton;
    QPushButton* exitButton;
    // Locked while the comment frame is open: exit, format change, save, print.
    std::array<QPushButton*, 4> lockedButtons;

    int rowsPerLeg() const { return static_cast<int>(lines.size()) + 1; }
    // Row -1 (none) is leg 0, whose fields are empty.
    int legOfRow(int row) const {
        return static_cast<int>(Int((row + rowsPerLeg() + 0.5) / rowsPerLeg()));
    }
    int rowOfLeg(int leg) const { return rowsPerLeg() * (leg - 1) + selectedLine; }
};

TripPlanning::FormatView TripPlanning::pilotView() {
    return {true,
            framePilot,
            lboPilot,
            {&Leg::PilotLine1, &Leg::PilotLine2},
            1,
            lblPilTXDist,
            lblPilTXTime,
            lblACType[1],
            txtTXLeg,
            txtDepAP,
            txtDestAP,
            {txtPilotFBO, txtPilotCrew, txtPilotPax, txtPilotLimo, txtPilotCatering},
            {chkPilFBO, chkPilCr, chkPilPax, chkPilLimo, chkPilCat},
            framePilotComments,
            txtPilotComments,
            QStringLiteral("Pilot Comments Leg #"),
            cmdPilotComments,
            cmdPExitToPlanPage,
            {cmdPExitToPlanPage, cmdSummaryFormat, cmdPSave, cmdPilPrint}};
}

TripPlanning::FormatView TripPlanning::summaryView() {
    return {false,
            frameSummary,
            lboSummary,
            {&Leg::SumLine1, &Leg::SumLine2, &Leg::SumLine3, &Leg::SumLine4, &Leg::SumLine5,
             &Leg::SumLine6, &Leg::SumLine7},
            7,
            lblSumTXDist,
            lblSumTXTime,
            lblACType[3],
            nullptr,
            nullptr,
            nullptr,
            {txtSumFBO, txtSumCrew, txtSumPax, txtSumLimo, txtSumCatering},
            {chkSumFBO, chkSumCr, chkSumPax, chkSumLimo, chkSumCat},
            frameSumComments,
            txtSumComments,
            QStringLiteral("Summary Comments Leg #"),
            cmdSumComments,
            cmdSExitToPlanPage,
            {cmdSExitToPlanPage, cmdPilotFormat, cmdSSave, cmdSumPrint}};
}

void TripPlanning::connectViewHandlers() {
    connect(mnuViePilot, &QAction::triggered, this, &TripPlanning::mnuViePilot_Click);
    connect(mnuVieSummary, &QAction::triggered, this, &TripPlanning::mnuVieSummary_Click);
    events_.Click(cmdSummaryFormat, this, &TripPlanning::cmdSummaryFormat_Click);
    events_.Click(cmdPilotFormat, this, &TripPlanning::cmdPilotFormat_Click);
    events_.Click(cmdPExitToPlanPage, this, &TripPlanning::cmdPExitToPlanPage_Click);
    events_.Click(cmdSExitToPlanPage, this, &TripPlanning::cmdSExitToPlanPage_Click);
    events_.Click(lboPilot, this, &TripPlanning::lboPilot_Click);
    events_.Click(lboSummary, this, &TripPlanning::lboSummary_Click);
    events_.DblClick(lboPilot, this, &TripPlanning::lboPilot_DblClick);
    events_.DblClick(lboSummary, this, &TripPlanning::lboSummary_DblClick);
    events_.KeyPress(lboPilot, this, &TripPlanning::lboPilot_KeyPress);
    events_.KeyPress(lboSummary, this, &TripPlanning::lboSummary_KeyPress);
    events_.Click(cmdPilotComments, this, &TripPlanning::cmdPilotComments_Click);
    events_.Click(cmdSumComments, this, &TripPlanning::cmdSumComments_Click);
    events_.Click(cmdPilotComOK, this, &TripPlanning::cmdPilotComOK_Click);
    events_.Click(cmdSumComOK, this, &TripPlanning::cmdSumComOK_Click);
    events_.Click(cmdErasePComments, this, &TripPlanning::cmdErasePComments_Click);
    events_.Click(cmdEraseSComments, this, &TripPlanning::cmdEraseSComments_Click);
    events_.Click(cmdPilCancel, this, &TripPlanning::cmdPilCancel_Click);
    events_.Click(cmdSumCancel, this, &TripPlanning::cmdSumCancel_Click);
    events_.KeyPress(txtPilotComments, this, &TripPlanning::txtPilotComments_KeyPress);
    events_.KeyPress(txtSumComments, this, &TripPlanning::txtSumComments_KeyPress);
    events_.GotFocus(txtSumComments, this, &TripPlanning::txtSumComments_GotFocus);
    for (int i : {1, 2, 3}) {
        events_.onClick(lboChecks[i], [this, i] { lboChecks_Click(i); });
        events_.onKeyPress(lboChecks[i], [this, i](int& k) { lboChecks_KeyPress(i, k); });
    }
    // A print-flag box stores its value on the leg the view shows and gives the list the focus.
    for (const FormatView& v : {pilotView(), summaryView()}) {
        for (std::size_t i = 0; i < kPrintFlags.size(); ++i) {
            QCheckBox* box = v.flags[i];
            QListWidget* list = v.list;
            events_.onClick(box, [this, box, list, flag = kPrintFlags[i]] {
                if (s_.FmtSelLeg >= 1 && s_.FmtSelLeg <= s_.NumLegs)
                    s_.leg(s_.FmtSelLeg).*flag = box->isChecked() ? 1 : 0;
                else
                    box->setChecked(false);  // no leg shown: nothing to store
                events_.SetFocus(list);
            });
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The lists

namespace {

void fillRows(QListWidget* list, const PlanState& s, const std::vector<QString Leg::*>& lines) {
    const QString blank(60, u' ');
    QStringList rows;
    for (int k = 1; k <= s.NumLegs; ++k) {
        for (QString Leg::*line : lines) rows << s.leg(k).*line;
        rows << blank;
    }
    list->clear();
    list->addItems(rows);
}

}  // namespace

void TripPlanning::RefillPlanLists() {
    PlanTotals(s_);
    QStringList planLines;
    for (int k = 1; k <= s_.NumLegs; ++k) planLines << s_.leg(k).PlanLine;
    lboTX->clear();
    lboTX->addItems(planLines);
    for (const FormatView& v : {pilotView(), summaryView()}) fillRows(v.list, s_, v.lines);
    for (QLabel* dist : {lblTXDist, lblPilTXDist, lblSumTXDist})
        dist->setText(NumText(s_.TotalDist));
    for (QLabel* time : {lblTXTime, lblPilTXTime, lblSumTXTime}) time->setText(s_.TotalTimeText);
    for (QLabel* type : {lblACType[1], lblACType[2], lblACType[3]}) type->setText(s_.ACType);
    ShowTripChecks();
    showTripDetails();
}

// Ctrl+C (or Ctrl+I) puts the selected rows on the clipboard, each ended by CR LF, after a
// CR LF of their own.
void TripPlanning::copyRows(QListWidget* list, int& KeyAscii) {
    if (KeyAscii != keys::kCtrlC && KeyAscii != keys::kCtrlI) return;
    KeyAscii = 0;
    QList<int> rows;
    for (const QListWidgetItem* item : list->selectedItems()) rows << list->row(item);
    std::sort(rows.begin(), rows.end());
    QString text = QStringLiteral("\r\n");
    for (int r : rows) text += list->item(r)->text() + QStringLiteral("\r\n");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

void TripPlanning::lboPilot_KeyPress(int& KeyAscii) {
    copyRows(lboPilot, KeyAscii);
}

void TripPlanning::lboSummary_KeyPress(int& KeyAscii) {
    copyRows(lboSummary, KeyAscii);
}

// ---------------------------------------------------------------------------------------------
// The trip checks

namespace {

// The rows of flagged legs stand out by colour alone, dark red on light amber: their texts stay
// what the lists show, compare and copy. Each leg takes rowsPerLeg rows, its lines first.
void markFlaggedRows(QListWidget* list, const TripCheck& checks, int rowsPerLeg, int lineRows) {
    for (int row = 0; row < list->count(); ++row) {
        const int leg = row / rowsPerLeg + 1;
        const bool flagged =
            row % rowsPerLeg < lineRows && leg < PlanState::Slots && checks.flagged[leg];
        QListWidgetItem* item = list->item(row);
        item->setData(Qt::ForegroundRole, flagged ? QVariant(QColor(0x8b, 0, 0)) : QVariant());
        item->setData(Qt::BackgroundRole,
                      flagged ? QVariant(QColor(0xff, 0xe4, 0xb5)) : QVariant());
    }
}

}  // namespace

TripCheck TripPlanning::tripChecks() const {
    return CheckTrip(s_, app_.limits);
}

void TripPlanning::ShowTripChecks() {
    checks_ = tripChecks();
    markFlaggedRows(lboTX, checks_, 1, 1);
    for (const FormatView& v : {pilotView(), summaryView()})
        markFlaggedRows(v.list, checks_, v.rowsPerLeg(), static_cast<int>(v.lines.size()));
    const QStringList lines = checks_.texts();
    for (int i : {1, 2, 3}) {
        QListWidget* list = lboChecks[i];
        list->clear();
        list->addItems(lines);
        // As high as its lines, up to four; nothing at all while the plan passes every check.
        const int shown = static_cast<int>(std::min<qsizetype>(lines.size(), 4));
        if (shown > 0)
            list->setFixedHeight(list->sizeHintForRow(0) * shown + 2 * list->frameWidth());
        list->setHidden(shown == 0);
    }
}

// A line of a checks list selects the leg it names in the plan list of its layout, as a click
// there would; the checks list keeps the focus, so that the next line can follow.
void TripPlanning::lboChecks_Click(int Index) {
    const int row = lboChecks[size_t(Index)]->currentRow();
    if (row < 0 || row >= static_cast<int>(checks_.findings.size())) return;
    const int leg = checks_.findings[size_t(row)].leg;
    if (leg < 1 || leg > s_.NumLegs) return;
    auto select = [this](QListWidget* list, int listRow, void (TripPlanning::*click)()) {
        // A row made current runs the list's Click itself; one already current does not.
        const bool current = list->currentRow() == listRow;
        list->setCurrentRow(listRow, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->currentItem());
        if (current) (this->*click)();
    };
    if (Index == 2) {
        select(lboTX, leg - 1, &TripPlanning::lboTX_Click);
    } else {
        const FormatView v = Index == 1 ? pilotView() : summaryView();
        select(v.list, v.rowsPerLeg() * (leg - 1),
               Index == 1 ? &TripPlanning::lboPilot_Click : &TripPlanning::lboSummary_Click);
    }
}

// Return goes to the leg as a click does; Ctrl+C copies the lines as the plan lists do.
void TripPlanning::lboChecks_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == keys::kReturn) {
        KeyAscii = 0;
        lboChecks_Click(Index);
        return;
    }
    copyRows(lboChecks[size_t(Index)], KeyAscii);
}

// ---------------------------------------------------------------------------------------------
// Opening, changing and leaving a view

void TripPlanning::mnuViePilot_Click() {
    PendingAction = Pending::None;
    cmdContinuePlanning->hide();
    cmdExitTX->hide();
    ShowPilotView();
    DisablePlanningPage();
}

void TripPlanning::mnuVieSummary_Click() {
    PendingAction = Pending::None;
    cmdContinuePlanning->hide();
    cmdExitTX->hide();
    ShowSummaryView();
    DisablePlanningPage();
}

void TripPlanning::ShowPilotView() {
    showView(pilotView());
}

void TripPlanning::ShowSummaryView() {
    showView(summaryView());
}

// The leg's number, airports and destination services in the detail boxes of a view.
void TripPlanning::showViewDetails(const FormatView& v, int k) {
    const Leg& leg = s_.leg(k);
    if (v.txLeg) {
        v.txLeg->setText(k > 0 ? NumText(k) : QStringLiteral(" "));
        v.depAP->setText(leg.DepCityState);
        v.destAP->setText(leg.DestCityState);
    }
    for (std::size_t i = 0; i < kServices.size(); ++i) v.services[i]->setText(leg.*kServices[i]);
}

void TripPlanning::showView(const FormatView& v) {
    if (v.pilot)
        CheckPilotFormat();
    else
        CheckSummaryFormat();
    fillRows(v.list, s_, v.lines);
    ShowTripChecks();
    s_.FmtSelLeg = s_.NumLegs;
    v.acType->setText(s_.ACType);
    v.dist->setText(NumText(s_.TotalDist));
    v.time->setText(s_.TotalTimeText);
    showViewDetails(v, s_.NumLegs);
    HideMenus();
    // The page grows by the menu bar just hidden: the view covers all of it.
    layout()->activate();
    placeFrames();
    v.frame->show();
    v.frame->raise();
    // The leg last selected in either view, or the last leg; the list's Click shows it.
    if (views_.ViewLeg > s_.NumLegs) views_.ViewLeg = s_.NumLegs;
    const int leg = views_.ViewLeg < 1 ? s_.NumLegs : views_.ViewLeg;
    if (leg >= 1) v.list->setCurrentRow(v.rowOfLeg(leg), QItemSelectionModel::ClearAndSelect);
    events_.SetFocus(v.list);
}

void TripPlanning::changeFormat(const FormatView& from, const FormatView& to) {
    showView(to);
    from.commentsButton->show();
    from.commentFrame->hide();
    from.frame->hide();
}

void TripPlanning::cmdSummaryFormat_Click() {
    changeFormat(pilotView(), summaryView());
}

void TripPlanning::cmdPilotFormat_Click() {
    changeFormat(summaryView(), pilotView());
}

void TripPlanning::leaveView(const FormatView& v) {
    v.commentsButton->show();
    v.commentFrame->hide();
    v.frame->hide();
    // A double click can leave the view while its comment frame is open: the view's buttons are
    // usable again when it next opens.
    for (QPushButton* b : v.lockedButtons) b->setEnabled(true);
    cmdContinuePlanning->show();
    cmdExitTX->show();
    ShowMenus();
    EnablePlanningPage();
    mnuEdit->menuAction()->setEnabled(false);
    mnuFilExit->setEnabled(true);
}

void TripPlanning::LeavePilotView() {
    leaveView(pilotView());
    txtLeg->setText(NumText(s_.NumLegs + 1));
}

void TripPlanning::LeaveSummaryView() {
    leaveView(summaryView());
}

void TripPlanning::cmdPExitToPlanPage_Click() {
    s_.ViewMode = PlanState::View::TX;
    LeavePilotView();
    events_.SetFocus(cmdContinuePlanning);
}

void TripPlanning::cmdSExitToPlanPage_Click() {
    s_.ViewMode = PlanState::View::TX;
    LeaveSummaryView();
    events_.SetFocus(cmdContinuePlanning);
}

// ---------------------------------------------------------------------------------------------
// The leg selected in a view

void TripPlanning::viewRowClicked(const FormatView& v) {
    const int k = v.legOfRow(v.list->currentRow());
    s_.FmtSelLeg = static_cast<std::int16_t>(k);
    v.commentFrame->setTitle(v.commentCaption + u' ' + QString::number(k));
    views_.ViewLeg = k;
    const Leg& leg = s_.leg(k);
    showViewDetails(v, k);
    txtLegComments->setPlainText(leg.LegComments);
    v.commentBox->setPlainText(leg.LegComments);
    for (std::size_t i = 0; i < kPrintFlags.size(); ++i)
        v.flags[i]->setChecked((leg.*kPrintFlags[i]).value_or(0) != 0);
}

void TripPlanning::lboPilot_Click() {
    viewRowClicked(pilotView());
}

void TripPlanning::lboSummary_Click() {
    viewRowClicked(summaryView());
}

// A double click leaves the view and opens the leg for editing; the completed edit comes back.
void TripPlanning::viewRowDblClicked(const FormatView& v, PlanState::View mode) {
    const int k = v.legOfRow(v.list->currentRow());
    if (k < 1 || k > s_.NumLegs) return;
    s_.ViewMode = mode;
    s_.SelLeg = static_cast<std::int16_t>(k);
    if (v.pilot)
        LeavePilotView();
    else
        LeaveSummaryView();
    mnuEdiEdit_Click();
}

void TripPlanning::lboPilot_DblClick() {
    viewRowDblClicked(pilotView(), PlanState::View::Pilot);
}

void TripPlanning::lboSummary_DblClick() {
    viewRowDblClicked(summaryView(), PlanState::View::Summary);
}

// ---------------------------------------------------------------------------------------------
// The comments of the leg selected in a view

void TripPlanning::openViewComments(const FormatView& v) {
    for (QPushButton* b : v.lockedButtons) b->setEnabled(false);
    v.commentFrame->setTitle(v.commentCaption + u' ' + QString::number(s_.FmtSelLeg));
    v.commentFrame->show();
    v.commentFrame->raise();
    v.commentBox->setPlainText(s_.leg(s_.FmtSelLeg).LegComments);
    events_.SetFocus(v.commentBox);
    v.commentsButton->hide();
}

void TripPlanning::saveViewComments(const FormatView& v) {
    if (refusePastedQuotes(v.commentBox) || !confirmCodePage(v.commentBox)) return;
    if (s_.FmtSelLeg >= 1 && s_.FmtSelLeg <= s_.NumLegs)
        s_.leg(s_.FmtSelLeg).LegComments = v.commentBox->toPlainText();
    for (QPushButton* b : v.lockedButtons) b->setEnabled(true);
    v.commentsButton->show();
    v.commentFrame->hide();
    events_.SetFocus(v.list);
}

void TripPlanning::eraseViewComments(const FormatView& v) {
    if (s_.FmtSelLeg >= 1 && s_.FmtSelLeg <= s_.NumLegs) s_.leg(s_.FmtSelLeg).LegComments.clear();
    v.commentBox->clear();
    events_.SetFocus(v.commentBox);
}

void TripPlanning::closeViewComments(const FormatView& v) {
    for (QPushButton* b : v.lockedButtons) b->setEnabled(true);
    v.commentFrame->hide();
    v.commentsButton->show();
    events_.SetFocus(v.exitButton);
}

void TripPlanning::cmdPilotComments_Click() {
    openViewComments(pilotView());
}
void TripPlanning::cmdSumComments_Click() {
    openViewComments(summaryView());
}
void TripPlanning::cmdPilotComOK_Click() {
    saveViewComments(pilotView());
}
void TripPlanning::cmdSumComOK_Click() {
    saveViewComments(summaryView());
}
void TripPlanning::cmdErasePComments_Click() {
    eraseViewComments(pilotView());
}
void TripPlanning::cmdEraseSComments_Click() {
    eraseViewComments(summaryView());
}
void TripPlanning::cmdPilCancel_Click() {
    closeViewComments(pilotView());
}
void TripPlanning::cmdSumCancel_Click() {
    closeViewComments(summaryView());
}

void TripPlanning::txtPilotComments_KeyPress(int& KeyAscii) {
    refuseQuote(txtPilotComments, KeyAscii);
}

void TripPlanning::txtSumComments_KeyPress(int& KeyAscii) {
    refuseQuote(txtSumComments, KeyAscii);
}

// The summary box shows the stored comments each time it gets the focus.
void TripPlanning::txtSumComments_GotFocus() {
    txtSumComments->setPlainText(s_.leg(s_.FmtSelLeg).LegComments);
}

}  // namespace tx
