#pragma once
// Time zones, dates and civil time of the leg CurLeg: the daylight period of each end, the GMT
// offset in force on the leg date, month.day dates moved across month ends, the display date
// and the 12-hour time text.
#include "core/PlanState.h"

namespace tx {

// Daylight period of the departure (destination) zone: the first row of the time-zone table
// whose code matches, else 4.01 to 10.28.
void TXDep(PlanState& s);
void TXDest(PlanState& s);

// GMT offset in force at the departure (destination) on LegDate(CurLeg); also SunZoneOffset.
void DepTZ(PlanState& s);
void DestTZ(PlanState& s);

// Brings WorkDate back into the calendar after one or two days were added or taken away
// (1.32 -> 2.01, 3 -> 2.28, 0.99 -> 12.30); DateRollSign becomes "+".
void DateRoll(PlanState& s);

// DateText(CurLeg) from LegDate(CurLeg): "15Mar".
void DateFill(PlanState& s);

// CivTimeText hhmm -> 12-hour text: 1430 -> "2:30pm", 1200 -> "12:00 noon", 2400 -> "12:00 mid".
void CivTime(PlanState& s);

}  // namespace tx
