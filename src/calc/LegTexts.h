#pragma once
// The texts of a computed leg: its planning-page line, its two pilot-format lines and its seven
// summary-format lines; and the plan totals of the planning page. Fixed columns for a
// fixed-pitch font.
#include <QString>
#include <array>

#include "core/PlanState.h"

namespace tx {

using PilotLines = std::array<QString, 2>;
using SummaryLines = std::array<QString, 7>;

// Takes a leg and its number; returns its planning-page line.
QString TXLegg(const Leg& leg, int number);
// Takes a leg and its number; returns its two pilot-format lines.
PilotLines Pilot(const Leg& leg, int number);
// Takes a leg and its number; returns its seven summary-format lines, which print the leg's
// DepCityStateF and DestCityStateF.
SummaryLines Summary(const Leg& leg, int number);

// Where a finished leg's destination services come from: the airport just looked up (leg
// entry), or the leg itself (the recomputation after an aircraft change).
enum class DestServices { FromLookup, Kept };

// Stores the lines of CurLeg (PlanLine, PilotLine1/2, SumLine1..7) with its DepCityStateF and
// DestCityStateF, and its destination services as `services` says.
void StoreLegLines(PlanState& s, DestServices services = DestServices::FromLookup);

// TotalDist and TotalTimeText over legs 1..NumLegs.
void PlanTotals(PlanState& s);

}  // namespace tx
