#pragma once
// The plan in the forms crews take it away in: a calendar of the legs, a spreadsheet of the
// pilot format's figures and the text report in UTF-8. Each builder gives the whole file; the
// window writes it beside the plan file (WriteFileAtomically) under the plan's name.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "core/PlanState.h"
#include "planfile/PlanFile.h"

namespace tx {

// An iCalendar file: one event per leg that has block times (LegBlockTimes), from block-out to
// block-in in UTC, summary "Leg 2 KPBI-MMUN", location the departure airport and its city, the
// description both local times, the FBO and the services the print flags select, the trip
// details and the leg's comments. The UID is the plan's name and the leg's number, so a calendar
// that imports the file again updates the events. stamp is the moment of the export.
QByteArray CalendarBytes(const PlanState& s, const QString& name, const PlanReserved& details,
                         const QDateTime& stamp);

// A CSV file (UTF-8, CR LF, a header row): one row per leg with the pilot format's figures each in
// a field of its own, dates as yyyy-MM-dd and times as hh:mm. The fuel headings carry the
// details' fuel unit.
QByteArray CsvBytes(const PlanState& s, const PlanReserved& details);

// Report lines as a UTF-8 text with CR LF line ends, as the text report is written.
QByteArray Utf8TextBytes(const QStringList& lines);

}  // namespace tx
