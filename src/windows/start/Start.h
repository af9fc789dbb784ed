#pragma once
// The start routine's steps before any window is shown.
#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "core/TripLimits.h"
#include "platform/Platform.h"

namespace tx {

// The program directory: s.ProgramDir, the program's own folder, when files can be made there;
// else the user's data folder userDir, into which the shipped files are copied (see
// ChooseProgramDir), saying so at its first use. False, after a message, when that folder
// cannot be set up: the program must end.
bool UseProgramDir(PlanState& s, Platform& platform, const QString& userDir,
                   const QString& program);

// Opens data.mdb of the program directory (first putting back its kept copy, with a message,
// when an interrupted restore left none) and loads TARVEX.DAT, TZONES.DAT and the default
// aircraft into the plan state. A missing or damaged data.mdb, TARVEX.DAT or TZONES.DAT is shown
// in a message box and written to standard error, and false is returned: the program must end.
// A failing default aircraft only leaves no aircraft loaded. The trip checks' limits are read
// into `limits`; a damaged TXLimits.DAT is named in a message and the defaults are used.
bool OpenStart(PlanState& s, AirportDatabase& adb, Platform& platform, TripLimits& limits);

}  // namespace tx
