#pragma once
// The small files of the program directory: TARVEX.DAT, TZONES.DAT and TXDefAC.DAT.
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

// TXDefAC.DAT: the aircraft file name. Throws FileError, also when the name is not a plain file
// name of the program directory.
QString ReadDefaultAircraftFile(const PlanState& s);
// One line: ACFileName, bare unless it holds a comma or outer blanks.
void WriteDefaultAircraftFile(const PlanState& s);

// The start routine's file steps, in order: version text, TARVEX.DAT, TZONES.DAT, then under a
// trap TXDefAC.DAT and the aircraft file. A failing TARVEX.DAT or TZONES.DAT throws FileError;
// a failing default aircraft leaves none loaded, ACFileName empty and the reason in
// AircraftLoadError.
void LoadStartFiles(PlanState& s);

}  // namespace tx
