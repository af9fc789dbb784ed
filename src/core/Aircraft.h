#pragma once
// Aircraft performance files (*.AC) of the program directory.
#include "core/PlanState.h"

namespace tx {

// What is wrong with an aircraft file name, or an empty text when it is a plain file name of
// the program directory: not empty, not "." or "..", no slash, backslash, double quote or
// control character, at most 255 bytes.
QString AircraftFileNameProblem(const QString& name);

// Loads the file named by ACFileName into the aircraft profile and sets ACFileLoaded. Reads the
// current layout (row count first) and the older one (type text first, 49 rows). A file that
// ends early, holds a non-number where a number belongs, has more than 100 rows or whose name
// is not a plain file name throws FileError and leaves the profile as it was.
void LoadAircraft(PlanState& s);

// Writes the profile to ACFileName in the current layout, one value per line, numbers with
// their sign blank, texts quoted only when they must be. Throws FileError; a failure keeps the
// previous file.
void WriteAircraft(const PlanState& s);

}  // namespace tx
