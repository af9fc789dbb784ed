#include "planning/LegMoves.h"

#include <utility>

#include "calc/LegTexts.h"
#include "core/Text.h"

namespace tx {

namespace {

// The lines of a leg that holds nothing but its number.
void setBlankLines(Leg& leg, int number) {
    leg.PlanLine = RightAlign(Str(number), 2) + QString(76, u' ');
    leg.PilotLine1 = leg.PlanLine;
    leg.PilotLine2.clear();
    leg.SumLine1 = QString(25, u' ') + QStringLiteral("Leg ") + Str(number);
    for (QString* line :
         {&leg.SumLine2, &leg.SumLine3, &leg.SumLine4, &leg.SumLine5, &leg.SumLine6, &leg.SumLine7})
        line->clear();
}

}  // namespace

void ClearLeg(PlanState& s, int i) {
    s.leg(i) = Leg{};
}

void RenumberLeg(PlanState& s, int i) {
    Leg& leg = s.leg(i);
    // Every computed leg has a flight time; a blank leg has none until it is entered.
    if (leg.FltTimeText.isEmpty()) {
        setBlankLines(leg, i);
        return;
    }
    leg.PlanLine = TXLegg(leg, i);
    PilotLines pilot = Pilot(leg, i);
    leg.PilotLine1 = std::move(pilot[0]);
    leg.PilotLine2 = std::move(pilot[1]);
    leg.SumLine1 = Summary(leg, i)[0];
}

bool InsertBlankLeg(PlanState& s, int before) {
    if (s.NumLegs >= PlanState::MaxLegs || before < 1 || before > s.NumLegs) return false;
    for (int i = s.NumLegs; i >= before; --i) s.leg(i + 1) = s.leg(i);
    ++s.NumLegs;
    ClearLeg(s, before);
    Leg& blank = s.leg(before);
    blank.TorL = QStringLiteral("T");
    blank.InclFBO = 1;
    blank.InclCrewHotel = blank.InclPaxHotel = blank.InclLimo = blank.InclCatering = 0;
    setBlankLines(blank, before);
    for (int i = before + 1; i <= s.NumLegs; ++i) RenumberLeg(s, i);
    return true;
}

bool DeleteLeg(PlanState& s, int leg) {
    if (leg < 1 || leg > s.NumLegs) return false;
    for (int i = leg; i < s.NumLegs; ++i) s.leg(i) = s.leg(i + 1);
    ClearLeg(s, s.NumLegs);
    --s.NumLegs;
    for (int i = leg; i <= s.NumLegs; ++i) RenumberLeg(s, i);
    return true;
}

}  // namespace tx
