#pragma once
// Changing the aircraft of a plan: the new performance file is loaded and every leg recomputed
// in place with its tables, keeping each leg's distance, wind, entered date and times.
#include <QString>

#include "core/PlanState.h"

namespace tx {

// Recomputes legs 1..NumLegs with the aircraft now loaded: the reserve becomes ACReserve; burn,
// total required, flight, block and arrival times and the list lines follow from the tables and
// the current taxi default. Each leg starts again from its entered date and that date's zone
// offsets, so a leg whose arrival falls on the next day is not moved a day further at every
// recomputation. Services chosen for a leg stay. Ends with CurLeg = NumLegs + 1 and the plan
// totals; an empty plan is left alone. Returns 0, or the first leg whose wind leaves the
// aircraft no ground speed, that speed in groundSpeed; the legs are then partly recomputed
// (ChangeAircraft undoes that).
int RecomputeAllLegs(PlanState& s, double& groundSpeed);

// Makes fileName (a file of the program directory) the aircraft and recomputes every leg with
// it, all or nothing. Throws FileError naming the file and the fault: a file that is missing,
// damaged or not a plain file name, or a leg the aircraft cannot fly with its wind; s is then
// unchanged. TXDefAC.DAT is not written here.
void ChangeAircraft(PlanState& s, const QString& fileName);

}  // namespace tx
