#pragma once
// Plan files: one ".tx" file per plan in a directory, holding every leg's entered, looked-up and
// computed texts so that a retrieved plan shows at once without recomputing. Write, read, list
// and delete. Failures throw FileError with a text naming the file; the window turns them into
// the system's messages.
#include <QString>
#include <QStringList>
#include <array>

#include "core/PlanState.h"
#include "core/SeqFile.h"

namespace tx {

// The four reserved texts of every leg's last record. They are held once for the whole plan:
// reading keeps the last leg's, writing repeats them on every leg. The program never fills them.
using PlanReserved = std::array<QString, 4>;

// dir/name + extension. Throws FileError when the name is empty or blank, or holds a slash or a
// backslash (it would leave dir).
QString PlanFilePath(const QString& dir, const QString& name, const QString& extension);

// The plan name of a listed file: the file name without its ".tx" (any letter case).
QString PlanBaseName(const QString& fileName);

// Sets ACFileLoaded to ACFileName and writes legs 1..NumLegs, the totals and the aircraft file
// name to dir/name.tx (temporary file and rename). Throws FileError for a bad name, a leg count
// outside 0..20 or a file that cannot be written.
void WritePlanFile(PlanState& s, const QString& dir, const QString& name,
                   const PlanReserved& reserved = {});

// Reads dir/fileName into s: the plan's legs, NumLegs, TotalDist, TotalTimeText, ACFileLoaded,
// and DepCityState/DestCityState from their F forms. Returns the reserved texts read. Throws
// FileError, leaving s untouched, when the file is missing or unreadable, its leg count is not a
// whole number in 0..20, it ends early or holds a text where a number belongs: a file of an
// earlier layout.
PlanReserved ReadPlanFile(PlanState& s, const QString& dir, const QString& fileName);

// Empties the plan in memory for a new one: every leg 1..NumLegs emptied (zone offsets 0, the
// FBO printed and the other services not), the totals emptied. The counters are the caller's.
void ClearPlan(PlanState& s);

// The plan files of dir (*.tx in any letter case), sorted by name regardless of case.
QStringList ListPlanFiles(const QString& dir);

// Removes the plan baseName from dir: its plan file and its text report (baseName.tx and
// baseName.txt in any letter case), nothing else. Throws FileError when neither exists or one
// cannot be removed.
void DeletePlan(const QString& dir, const QString& baseName);

}  // namespace tx
