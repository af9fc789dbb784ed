#pragma once
// The routines that run for one end of a leg once its airport is known, in their fixed order.
#include "core/PlanState.h"

namespace tx {

// Takes the departure airport's latitude and longitude texts, the airport fields of CurLeg set:
// GCDep, TXDep, DepTZ, then the sun times into DepSunrise and DepSunset.
void DepartureEnd(PlanState& s, const QString& latText, const QString& lonText);

// The destination of CurLeg likewise: GCDest, TXDest, DestTZ, GCComps, then the sun times into
// DestSunrise and DestSunset.
void DestinationEnd(PlanState& s, const QString& latText, const QString& lonText);

}  // namespace tx
