#pragma once
// The small files of the program directory: TARVEX.DAT, TZONES.DAT, TZYEARS.DAT and TXDefAC.DAT.
#include <QString>

#include "core/PlanState.h"

namespace tx {

inline constexpr const char* kVersionText = " Tarvex  (ver 3.1.4) ";

// Full path of a file in the program directory.
QString ProgramFile(const PlanState& s, const QString& name);

// TARVEX.DAT: 11 fields (read as fields 1..6 and 7..11, so one-line and one-per-line files
// load alike). Throws FileError; on failure the settings are unchanged.
void ReadSettingsFile(PlanState& s);
// Rewrites all 11 fields, each quoted on its own line, reserved fields unchanged.
void WriteSettingsFile(const PlanState& s);

// TZONES.DAT: 10 header fields (6 = TZExpiry, 10 = TZRows), then TZRows rows of code, daylight
// start and end. A file with more than 48 rows is refused. Throws FileError; on failure the
// table is unchanged.
void ReadTimeZoneFile(PlanState& s);

// TZYEARS.DAT: 4 header texts, the first and last year, the row count, then that many rows of
// zone code (1 to 3 capital letters), year (first to last), first and last day of daylight time
// (month.day), sorted by code and year. Throws FileError naming the row and what is wrong; on
// failure the table is unchanged.
void ReadDaylightYearsFile(PlanState& s);

// TXDefAC.DAT: the aircraft file name. Throws FileError, also when the name is not a plain file
// name of the program directory.
QString ReadDefaultAircraftFile(const PlanState& s);
// One line: ACFileName, bare unless it holds a comma or outer blanks.
void WriteDefaultAircraftFile(const PlanState& s);

// The start routine's file steps, in order: version text, TARVEX.DAT, TZONES.DAT, then under a
// trap TZYEARS.DAT, TXDefAC.DAT and the aircraft file. A failing TARVEX.DAT or TZONES.DAT throws
// FileError; a missing or damaged TZYEARS.DAT leaves that table empty (every leg then takes the
// periods of TZONES.DAT) and the reason in TZYears.Problem; a failing default aircraft leaves
// none loaded, ACFileName empty and the reason in AircraftLoadError.
void LoadStartFiles(PlanState& s);

}  // namespace tx
