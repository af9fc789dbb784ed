#pragma once
// Sunrise and sunset at an airport on the leg date (official zenith 90 degrees 50 minutes).
#include <QString>

#include "core/PlanState.h"

namespace tx {

// Shown instead of a time when the sun does not rise or does not set on the date (polar day
// or night): four characters, so the columns of the pilot format stay aligned.
inline const QString NoSunTime = QStringLiteral("----");

// A computed local time T in hours as hhmm: 24 added or taken away until it lies in 0..24,
// minutes cut, not rounded (6.999 -> "0659"); NoSunTime when T is not a number.
QString SunTimeText(double T);

// SunriseText and SunsetText (local hhmm) from LegDate(SunLeg), LatText, LonText and
// SunZoneOffset. The year is Today's, or the next when the leg date is earlier in the year
// than Today.
void SunTimes(PlanState& s);

}  // namespace tx
