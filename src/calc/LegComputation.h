#pragma once
// Leg computation of CurLeg: ground speed, flight time and fuel burn from the aircraft tables,
// then block times, local and GMT times, day changes, time change and the leg date.
#include "core/PlanState.h"

namespace tx {

// What the speed rule gives for a leg: whether it can be flown, and the ground speed, flight
// hours and fuel burn. A leg that cannot be flown has 0 hours and 0 burn; its ground speed is
// the offending one.
struct SpeedTimeBurn {
    bool flies = false;
    double groundSpeed = 0, flightHours = 0, fuelBurn = 0;
};

// Takes DistNM, DistIndex and the wind of the leg's course sector, Winds(CourseSector); returns
// the speed, time and burn from the aircraft tables. Writes DistIndex (kept within the table)
// and BurnText(CurLeg), emptied when a ground speed of zero or less makes the leg impossible
// (nothing is then divided).
[[nodiscard]] SpeedTimeBurn TXComps(PlanState& s);

// The same rule with the wind given (its integer part is used): the recomputation after an
// aircraft change takes each leg's stored wind instead of the wind table.
[[nodiscard]] SpeedTimeBurn computeSpeedTimeBurn(PlanState& s, double wind);

// Takes a reserve and the leg's fuel burn from a successful TXComps; sets ReserveText(CurLeg)
// and TotalReqText(CurLeg): the reserve and reserve + Int(fuelBurn) right-aligned in 7, the
// total replaced by "StopReq" when it is greater than ACMaxFuel.
void setReserveTexts(PlanState& s, double reserve, double fuelBurn);

// Takes the flight hours from TXComps; sets block times, local and GMT texts, flight-time text,
// day changes, time change and LegDate of CurLeg, for a leg given by its takeoff time (TorL not
// "L") or its landing time ("L"). May call TXDest, DestTZ, TXDep, DepTZ, DateRoll.
void TXComps2(PlanState& s, double flightHours);

}  // namespace tx
