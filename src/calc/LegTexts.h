#pragma once
// The texts of a computed leg: its planning-page line, its two pilot-format lines and its seven
// summary-format lines; and the plan totals of the planning page. Fixed columns for a
// fixed-pitch font.
#include "core/PlanState.h"

namespace tx {

// PlanLine(CurLeg).
void TXLegg(PlanState& s);
// PilotLine1/2(CurLeg), DepCityStateF and DestCityStateF; the destination services from the
// airport just looked up unless RecalcFlag is set, which it then clears.
void Pilot(PlanState& s);
// SumLine1..7(CurLeg); runs after Pilot, whose city-and-state texts it prints. Uses CivTimeText.
void Summary(PlanState& s);
// TotalDist and TotalTimeText over legs 1..NumLegs.
void PlanTotals(PlanState& s);

}  // namespace tx
