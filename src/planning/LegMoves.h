#pragma once
// Inserting and deleting legs of the plan: whole slots move, and the legs that moved get the
// lines that carry the leg number built again under their new number.
#include "core/PlanState.h"

namespace tx {

// Slot i emptied as a new plan holds it: empty texts, numbers and print flags never set.
void ClearLeg(PlanState& s, int i);

// PlanLine, PilotLine1, PilotLine2 and SumLine1 of leg i built again from its stored fields for
// its number i; nothing else of the plan changes. A leg never computed (a blank leg) gets the
// blank leg's lines under its new number.
void RenumberLeg(PlanState& s, int i);

// Opens a blank leg before leg `before` (1..NumLegs): that leg and the ones after it move up one
// slot and are renumbered. The blank leg departs by take-off, includes its FBO in printouts and
// nothing else, and its lines show only its number. False, with nothing changed, when the plan
// already holds PlanState::MaxLegs legs or `before` is not a leg.
bool InsertBlankLeg(PlanState& s, int before);

// Removes leg `leg` (1..NumLegs): the legs after it move down one slot and are renumbered, the
// old last slot is cleared and NumLegs lowered. False, with nothing changed, when `leg` is not a
// leg of the plan. The totals are the caller's (PlanTotals).
bool DeleteLeg(PlanState& s, int leg);

}  // namespace tx
