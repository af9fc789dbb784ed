#pragma once
// Stored winds: three fixed wind-component tables by latitude band (prevailing westerlies,
// tailwinds on easterly courses), and the wind proposed for the leg's course, scaled down on
// short legs. Knots, positive a tailwind.
#include "core/PlanState.h"

namespace tx {

// Winds(0..36) from the table of the band; slot 37 is left alone.
void LoadWindsHighLat(PlanState& s);  // band figure above 25
void LoadWindsMidLat(PlanState& s);   // above 10, up to 25
void LoadWindsLowLat(PlanState& s);   // 0 up to 10

// Loads the table of the leg's latitude band from DepLatText and DestLatText.
void ChooseWindTable(PlanState& s);

// The proposed wind for the leg, a whole number: Winds(CourseSector) scaled by DistIndex
// (0.1, 0.3, 0.5, 0.8 for rows 0..3, whole from row 4), rounded toward minus infinity.
double ScaledWind(const PlanState& s);

}  // namespace tx
