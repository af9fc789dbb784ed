#pragma once
// Great-circle navigation: coordinate texts to signed radians (north and west positive), and the
// distance, initial true course, aircraft-table row and wind-table row of the leg CurLeg.
#include "core/PlanState.h"

namespace tx {

// CoordText (hemisphere letter, 2 digits of latitude degrees, minutes) -> CoordRad.
void GCComp1(PlanState& s);
// CoordText (hemisphere letter, 3 digits of longitude degrees, minutes) -> CoordRad.
void GCComp2(PlanState& s);
// Departure end from LatText/LonText; also sets DegPerRad and HalfPi.
void GCDep(PlanState& s);
// Destination end from LatText/LonText.
void GCDest(PlanState& s);
// DistNM, DistIndex, CourseSector and DistText(CurLeg) from the four radian values. Two ends
// at the same point make a leg of 0 n.mi., DistIndex 0 and course sector 0.
void GCComps(PlanState& s);

// Tens of degrees of a true course, rounded half up (44.9 -> 4, 45.0 -> 5, 355 -> 36).
int courseSectorOf(double courseDegrees);
// Hundreds of nautical miles, rounded half up (149.9 -> 1, 150.0 -> 2).
int distIndexOf(double distanceNM);

}  // namespace tx
