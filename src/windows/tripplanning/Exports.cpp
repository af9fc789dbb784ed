// The plan exported from the File menu beside its plan file (a PDF trip sheet, a calendar, a CSV
// file, the text report in UTF-8), and the trip details frame of the Edit menu. The files are
// src/export's and src/report's; the PDF is drawn by the same renderer as a printout.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/SeqFile.h"
#include "export/TripExports.h"
#include "platform/ReportRenderer.h"
#include "report/PlanReports.h"
#include "windows/WindowSwitch.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

void TripPlanning::connectExportHandlers() {
    const std::pair<QAction*, ExportKind> entries[] = {{mnuExpPDF, ExportKind::Pdf},
                                                       {mnuExpCalendar, ExportKind::Calendar},
                                                       {mnuExpCSV, ExportKind::Csv},
                                                       {mnuExpText, ExportKind::Text}};
    for (auto [action, kind] : entries)
        connect(action, &QAction::triggered, this, [this, kind = kind] { mnuExport_Click(kind); });
    connect(mnuEdiDetails, &QAction::triggered, this, &TripPlanning::mnuEdiDetails_Click);
    events_.Click(cmdDetailsOK, this, &TripPlanning::cmdDetailsOK_Click);
    events_.Click(cmdDetailsCancel, this, &TripPlanning::cmdDetailsCancel_Click);
}

// A plan without a name gets one first, through the file-name frame as Save does; the export
// follows the save.
void TripPlanning::mnuExport_Click(ExportKind kind) {
    if (files_.PlanFileName.isEmpty()) {
        PendingAction = Pending::Export;
        PendingExport = kind;
        showFileNameFrame();
        return;
    }
    writeExport(kind);
}

void TripPlanning::writeExport(ExportKind kind) {
    const QString& name = files_.PlanFileName;
    const QString title = QStringLiteral("Export");
    const QString dateText = GeneralDateText(app_.platform.now());
    QByteArray bytes;
    QString extension;
    switch (kind) {
        case ExportKind::Pdf: {
            // The format last viewed, printed or saved; the short version before any.
            const bool pilot = mnuViePilot->isChecked(), summary = mnuVieSummary->isChecked();
            const ReportLines lines =
                (pilot     ? pilotPrintout()
                 : summary ? summaryPrintout()
                           : PrintShortVersion(s_, dateText, files_.Reserved)) +
                ChecksBlock(tripChecks().texts(), true);
            QString error;
            bytes = ReportPdf(QStringLiteral("Tarvex Plan ") + name, lines, error);
            if (bytes.isEmpty()) {
                app_.platform.messageBox(this, QStringLiteral("The PDF was not written.\n") + error,
                                         title, Platform::Buttons::OK, Platform::Icon::Warning);
                return;
            }
            extension = QStringLiteral(".pdf");
            break;
        }
        case ExportKind::Calendar:
            bytes = CalendarBytes(s_, name, files_.Reserved, app_.platform.now().toUTC());
            extension = QStringLiteral(".ics");
            break;
        case ExportKind::Csv:
            bytes = CsvBytes(s_, files_.Reserved);
            extension = QStringLiteral(".csv");
            break;
        case ExportKind::Text:
            bytes = Utf8TextBytes(TextReportLines(s_, name, files_.Reserved, files_.SavePilotReport,
                                                  dateText, tripChecks().texts()));
            extension = QStringLiteral(".utf8.txt");
            break;
    }
    try {
        const QString path = PlanFilePath(PlanDir, name, extension);
        WriteFileAtomically(path, bytes);
        app_.platform.messageBox(this,
                                 QStringLiteral("Written to ") +
                                     QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                                 title, Platform::Buttons::OK, Platform::Icon::Information);
    } catch (const FileError& e) {
        app_.platform.messageBox(
            this,
            QStringLiteral("The export was not written; no file was changed.\n") + e.message(),
            title, Platform::Buttons::OK, Platform::Icon::Critical);
    }
}

// ---------------------------------------------------------------------------------------------
// Trip details

void TripPlanning::mnuEdiDetails_Click() {
    using namespace TripDetail;
    openSettingsFrame(frameTripDetails);
    txtTail->setText(files_.Reserved[TailNumber]);
    txtCrew->setText(files_.Reserved[Crew]);
    txtPax->setText(files_.Reserved[Passengers]);
    cboFuelUnit->setCurrentIndex(std::max(0, cboFuelUnit->findText(files_.Reserved[FuelUnit])));
    events_.SetFocus(txtTail);
}

// The details as the boxes show them, trimmed; details the plan file cannot hold keep the frame
// open and the plan's details as they were. They are saved with the plan.
void TripPlanning::cmdDetailsOK_Click() {
    PlanReserved details{txtTail->text().trimmed(), txtCrew->text().trimmed(),
                         txtPax->text().trimmed(), cboFuelUnit->currentText()};
    if (const QString problem = TripDetailsProblem(details); !problem.isEmpty()) {
        app_.platform.messageBox(this, problem, QStringLiteral("Trip Details"),
                                 Platform::Buttons::OK, Platform::Icon::Warning);
        return;
    }
    files_.Reserved = details;
    closeDetailsFrame();
}

void TripPlanning::cmdDetailsCancel_Click() {
    closeDetailsFrame();
}

void TripPlanning::closeDetailsFrame() {
    closeSettingsFrame(frameTripDetails);
    showTripDetails();
}

// The details in the headings of the two views; the fuel unit under the pilot view's fuel
// column, where its second heading line is blank.
void TripPlanning::showTripDetails() {
    const QString text = TripDetailsText(files_.Reserved);
    for (QLabel* l : {lblPilDetails, lblSumDetails}) {
        l->setText(text);
        l->setVisible(!text.isEmpty());
    }
    const int fuel = lblPilot1->text().indexOf(QStringLiteral("Fuel"));
    const QString unit = files_.Reserved[TripDetail::FuelUnit];
    QString heading = lblPilot2->text();
    heading.replace(fuel, 6, unit.leftJustified(6));
    lblPilot2->setText(heading);
}

}  // namespace tx
