// Printing the plan from the main window: the short version, the pilot and the summary formats
// from the File menu, and "&Print" in the two view frames, each ended by the trip checks'
// findings. The lines are src/report's; the platform shows the print dialog and draws them. A
// print that fails says so.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "report/PlanReports.h"
#include "windows/WindowSwitch.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

void TripPlanning::connectPrintHandlers() {
    connect(mnuFilPriTX, &QAction::triggered, this, &TripPlanning::mnuFilPriTX_Click);
    connect(mnuFilPriPilot, &QAction::triggered, this, &TripPlanning::mnuFilPriPilot_Click);
    connect(mnuFilPriSum, &QAction::triggered, this, &TripPlanning::mnuFilPriSum_Click);
    events_.Click(cmdPilPrint, this, &TripPlanning::cmdPilPrint_Click);
    events_.Click(cmdSumPrint, this, &TripPlanning::cmdSumPrint_Click);
}

// Every printout ends with the trip checks' findings, when there are any.
bool TripPlanning::print(const QString& title, const ReportLines& lines) {
    const QString failed =
        app_.platform.printReport(this, title, lines + ChecksBlock(tripChecks().texts(), true));
    if (failed.isEmpty()) return true;
    app_.platform.messageBox(this, QStringLiteral("The Tarvex Plan was not printed.\n") + failed,
                             QStringLiteral("Print"), Platform::Buttons::OK,
                             Platform::Icon::Warning);
    return false;
}

ReportLines TripPlanning::pilotPrintout() {
    return PrintPilotFormat(s_, txtTXFileName->text(), GeneralDateText(app_.platform.now()),
                            files_.Reserved);
}

ReportLines TripPlanning::summaryPrintout() {
    return PrintSummaryFormat(s_, txtTXFileName->text(), GeneralDateText(app_.platform.now()),
                              files_.Reserved);
}

void TripPlanning::mnuFilPriTX_Click() {
    print(QStringLiteral("Tarvex Plan"),
          PrintShortVersion(s_, GeneralDateText(app_.platform.now()), files_.Reserved));
}

// The entry ticked itself when chosen: a print that fails puts the format marks back as the
// View menu still shows them.
void TripPlanning::printFormat(bool pilot) {
    const bool wasPilot = mnuViePilot->isChecked(), wasSummary = mnuVieSummary->isChecked();
    const bool printed =
        pilot ? print(QStringLiteral("Tarvex Plan - Pilot Format"), pilotPrintout())
              : print(QStringLiteral("Tarvex Plan - Summary Format"), summaryPrintout());
    if (printed) {
        pilot ? CheckPilotFormat() : CheckSummaryFormat();
        return;
    }
    mnuFilPriPilot->setChecked(wasPilot);
    mnuFilPriSum->setChecked(wasSummary);
}

void TripPlanning::mnuFilPriPilot_Click() {
    printFormat(true);
}

void TripPlanning::mnuFilPriSum_Click() {
    printFormat(false);
}

void TripPlanning::cmdPilPrint_Click() {
    print(QStringLiteral("Tarvex Plan - Pilot Format"), pilotPrintout());
    events_.SetFocus(lboPilot);
}

void TripPlanning::cmdSumPrint_Click() {
    print(QStringLiteral("Tarvex Plan - Summary Format"), summaryPrintout());
    events_.SetFocus(lboSummary);
}

}  // namespace tx
