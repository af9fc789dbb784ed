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
// reading keeps the last leg's, writing repeats them on every leg. They hold the trip details,
// one each; an empty text is a detail not given (an older plan file has none).
using PlanReserved = std::array<QString, 4>;
namespace TripDetail {
enum Index : std::size_t { TailNumber, Crew, Passengers, FuelUnit };
}
// The fuel units a plan can name.
inline const QStringList kFuelUnits{QStringLiteral("lb"), QStringLiteral("kg"),
                                    QStringLiteral("US gal")};
// The longest tail number and crew list.
inline constexpr int MaxTailNumber = 12, MaxCrew = 120;

// What is wrong with trip details, however they got into the boxes, or an empty text when the
// plan file can hold them: the tail number and the crew within their lengths, without control
// characters and in the plan file's code page; the passengers a whole number 0 to 999 or
// nothing; the fuel unit one of kFuelUnits or nothing.
QString TripDetailsProblem(const PlanReserved& details);

// The largest plan file written or read: room for 20 legs with long comments.
inline constexpr qint64 MaxPlanFileBytes = 16 << 20;

// The characters a plan name cannot hold besides control characters: they would change the
// file's name or place, or a plan list could not show it (a leading full stop hides a file).
inline constexpr char16_t kPlanNameRefused[] = u",.'\\/\"";

// What is wrong with a plan name, however it got into the box, or an empty text when it can
// name a plan: not empty or blank, none of kPlanNameRefused, no control character.
QString PlanNameProblem(const QString& name);

// dir/name + extension. Throws FileError with PlanNameProblem's text for a name a plan cannot
// have.
QString PlanFilePath(const QString& dir, const QString& name, const QString& extension);

// The plan name of a listed file: the file name without its ".tx" (any letter case).
QString PlanBaseName(const QString& fileName);

// Sets ACFileLoaded to ACFileName and gives the plan file of legs 1..NumLegs, the totals and
// the aircraft file name. Throws FileError, naming name.tx, for a leg count outside 0..20 or a
// file larger than MaxPlanFileBytes.
QByteArray PlanFileBytes(PlanState& s, const QString& name, const PlanReserved& reserved = {});

// PlanFileBytes written to dir/name.tx (temporary file and rename). Throws FileError for a bad
// name, a plan PlanFileBytes refuses or a file that cannot be written; nothing is written then.
void WritePlanFile(PlanState& s, const QString& dir, const QString& name,
                   const PlanReserved& reserved = {});

// Reads dir/fileName into s: the plan's legs, NumLegs, TotalDist, TotalTimeText, ACFileLoaded,
// and DepCityState/DestCityState from their F forms. Returns the reserved texts read. Throws
// FileError, leaving s untouched: Fault::Missing for a missing file, Fault::TooLarge for one
// larger than MaxPlanFileBytes, Fault::Layout for a file of another layout (a leg count that is
// not a whole number in 0..20, too few fields, a text where a number belongs, a print flag that
// is not 0, 1 or empty), and for a file that is not a regular one or cannot be read.
PlanReserved ReadPlanFile(PlanState& s, const QString& dir, const QString& fileName);

// Empties the plan in memory for a new one: every leg 1..NumLegs emptied (zone offsets 0, the
// FBO printed and the other services not), the totals emptied. The counters are the caller's.
void ClearPlan(PlanState& s);

// The plan files of dir: regular files (or links to them) named *.tx in any letter case, sorted
// by name regardless of case.
QStringList ListPlanFiles(const QString& dir);

// Removes the plan file fileName (as listed) from dir and the text report of the same name
// (fileName without its ".tx", then ".txt"), nothing else: a name that differs in letter case is
// another plan's. Throws FileError with Fault::Missing when the plan file no longer exists, and
// when a file cannot be removed.
void DeletePlan(const QString& dir, const QString& fileName);

}  // namespace tx
