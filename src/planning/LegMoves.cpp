#include "planning/LegMoves.h"

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
    // The line builders work on CurLeg and also write working values, the city-and-state texts
    // and the destination services: keep all of that and take only the four numbered lines.
    const Leg before = leg;
    const WorkingValues working = s;
    const std::int16_t cur = s.CurLeg;
    s.CurLeg = static_cast<std::int16_t>(i);
    TXLegg(s);
    Pilot(s);
    Summary(s);
    const Leg rebuilt = leg;
    leg = before;
    leg.PlanLine = rebuilt.PlanLine;
    leg.PilotLine1 = rebuilt.PilotLine1;
    leg.PilotLine2 = rebuilt.PilotLine2;
    leg.SumLine1 = rebuilt.SumLine1;
    static_cast<WorkingValues&>(s) = working;
    s.CurLeg = cur;
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
