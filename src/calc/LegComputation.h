#pragma once
// Leg computation of CurLeg: ground speed, flight time and fuel burn from the aircraft tables,
// then block times, local and GMT times, day changes, time change and the leg date.
#include "core/PlanState.h"

namespace tx {

// Speed, flight time and burn with the wind of the leg's course sector, Winds(CourseSector).
// Writes DistIndex (kept within the table), GroundSpeed, FlightHours, FuelBurn and
// BurnText(CurLeg). Returns false when a ground speed of zero or less makes the leg impossible:
// nothing is divided, FlightHours and FuelBurn are 0, BurnText(CurLeg) is emptied and
// GroundSpeed holds the offending speed.
[[nodiscard]] bool TXComps(PlanState& s);

// The same rule with the wind given (its integer part is used): the recomputation after an
// aircraft change takes each leg's stored wind instead of the wind table.
[[nodiscard]] bool computeSpeedTimeBurn(PlanState& s, double wind);

// ReserveText(CurLeg) and TotalReqText(CurLeg) for a reserve, after a successful TXComps:
// the reserve and reserve + Int(FuelBurn) right-aligned in 7, the total replaced by "StopReq"
// when it is greater than ACMaxFuel.
void setReserveTexts(PlanState& s, double reserve);

// Block times, local and GMT texts, flight-time text, day changes, time change and LegDate of
// CurLeg, for a leg given by its takeoff time (TorL not "L") or its landing time ("L").
// Reads FlightHours of the preceding TXComps; may call TXDest, DestTZ, TXDep, DepTZ, DateRoll.
void TXComps2(PlanState& s);

}  // namespace tx
