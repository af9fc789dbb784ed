#pragma once
// The five reports of a plan: the short version, pilot format and summary format for the
// printer, and the pilot and summary formats as text files beside the plan file. They are built
// from the stored lines of each leg (PlanLine, PilotLine1/2, SumLine1..7), the totals, the
// destination services the print flags select and the leg comments.
//
// name is the plan's file name as typed (without extension); dateText is the current date and
// time in the general date format (GeneralDateText): the printer headings show it whole, the
// text files its date part. details are the plan's trip details (the reserved texts of its plan
// file): each report shows those given in a line under its heading, and the pilot format and the
// short version the fuel unit under or beside their fuel columns; with none given, the reports
// are as they always were.
#include <QString>
#include <QStringList>

#include "core/PlanState.h"
#include "planfile/PlanFile.h"
#include "report/ReportLines.h"

namespace tx {

// The planning page: headings, the totals, the aircraft type and PlanLine of every leg.
ReportLines PrintShortVersion(const PlanState& s, const QString& dateText,
                              const PlanReserved& details = {});
// The pilot and summary formats on paper.
ReportLines PrintPilotFormat(const PlanState& s, const QString& name, const QString& dateText,
                             const PlanReserved& details = {});
ReportLines PrintSummaryFormat(const PlanState& s, const QString& name, const QString& dateText,
                               const PlanReserved& details = {});

// The lines of the two text files.
QStringList PilotTextLines(const PlanState& s, const QString& name, const QString& dateText,
                           const PlanReserved& details = {});
QStringList SummaryTextLines(const PlanState& s, const QString& name, const QString& dateText,
                             const PlanReserved& details = {});

// The "Checks" block for the end of a printout (paper: margin and bold heading) or a text
// report: the heading and each finding, wrapped to the width of the formats; empty when there
// are no findings.
// The trip details given, as one heading text: "Aircraft: N123AB  Crew: ...  Passengers: 4  Fuel:
// lb"; empty when none is given.
QString TripDetailsText(const PlanReserved& details);

ReportLines ChecksBlock(const QStringList& findings, bool paper);

// The lines of a plan's text report: the pilot format's when pilotReport, else the summary's,
// then the "Checks" block of the findings in checks (nothing when there are none).
QStringList TextReportLines(const PlanState& s, const QString& name, const PlanReserved& reserved,
                            bool pilotReport, const QString& dateText, const QStringList& checks);

// Saves the plan: its plan file dir/name.tx and beside it its text report dir/name.txt
// (Windows-1252, CR LF), the pilot format's lines when pilotReport, else the summary's, then the
// "Checks" block of the findings in checks (nothing when there are none). Both files are
// replaced or neither: each is written to a temporary file and synced, then both are renamed.
// Throws FileError naming the file and what is wrong; with Fault::Partial when the plan file was
// replaced but its report could not be.
void SavePlan(PlanState& s, const QString& dir, const QString& name, const PlanReserved& reserved,
              bool pilotReport, const QString& dateText, const QStringList& checks);

}  // namespace tx
