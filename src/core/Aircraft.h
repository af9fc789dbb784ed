#pragma once
// Aircraft performance files (*.AC) of the program directory.
#include "core/PlanState.h"

namespace tx {

// Loads the file named by ACFileName into the aircraft profile and sets ACFileLoaded. Reads the
// current layout (row count first) and the older one (type text first, 49 rows). A file that
// ends early, holds a non-number where a number belongs or has more than 100 rows throws
// FileError and leaves the profile as it was.
void LoadAircraft(PlanState& s);

// Writes the profile to ACFileName in the current layout, one value per line, numbers with
// their sign blank. Throws FileError; a failure keeps the previous file.
void WriteAircraft(const PlanState& s);

}  // namespace tx
