#pragma once
// The routines that run for one end of a leg once its airport is known, in their fixed order.
#include "core/PlanState.h"

namespace tx {

// Departure of CurLeg, its airport fields and LatText/LonText set: GCDep, TXDep, DepTZ, then the
// sun times into DepSunrise and DepSunset.
void DepartureEnd(PlanState& s);

// Destination of CurLeg likewise: GCDest, TXDest, DestTZ, GCComps, then the sun times into
// DestSunrise and DestSunset.
void DestinationEnd(PlanState& s);

}  // namespace tx
