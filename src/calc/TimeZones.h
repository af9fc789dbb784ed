#pragma once
// Time zones, dates and civil time of the leg CurLeg: the daylight period of each end, the GMT
// offset in force on the leg date, month.day dates moved across month ends, the display date
// and the 12-hour time text.
#include "core/PlanState.h"

namespace tx {

// Daylight period of the departure (destination) zone of CurLeg in the year of its date
// (LegYear), into DepDSTStart/DepDSTEnd (DestDSTStart/DestDSTEnd). TZONES.DAT (its first row
// whose code matches) for the year its TZExpiry names; otherwise the TZYEARS.DAT row of the code
// and year, the year taken into FirstYear..LastYear (a code with rows but none for the year has
// no daylight time that year); a code without yearly rows takes TZONES.DAT; else 4.01 to 10.28.
void TXDep(PlanState& s);
void TXDest(PlanState& s);

// The year TZONES.DAT is for: the year of its TZExpiry ("12/31/2027"), or 0.
int TimeZoneFileYear(const PlanState& s);

// Empty, or a note that the legs of this year or the next (by Today) lie outside the years of
// TZYEARS.DAT and of TZONES.DAT and take the periods of the nearest year of TZYEARS.DAT.
QString NearestYearNote(const PlanState& s);

// GMT offset in force at the departure (destination) on LegDate(CurLeg), into DepZoneOffset
// (DestZoneOffset).
void DepTZ(PlanState& s);
void DestTZ(PlanState& s);

// Takes an m.dd date one or two days past a month end or before a month start; returns it
// brought back into the calendar (1.32 -> 2.01, 3 -> 2.28, 0.99 -> 12.30). Any other date is
// returned as it is.
double DateRoll(double workDate);

// DateText(CurLeg) from LegDate(CurLeg): "15Mar".
void DateFill(PlanState& s);

// Takes hhmm; returns the 12-hour text: 1430 -> "2:30pm", 1200 -> "12:00 noon", 2400 -> "12:00
// mid".
QString CivTime(const QString& hhmm);

}  // namespace tx
