#pragma once
// Checks of the whole plan, legs 1..NumLegs, as a dispatcher makes them after every change:
// fuel for each leg, legs that connect, ground time between legs, and the duty periods of the
// crew. A pure function of the plan state and the limits; the findings name their legs so that
// a list can go to the leg and mark its lines, and their texts are what lists and reports show.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/PlanState.h"
#include "core/TripLimits.h"

namespace tx {

struct TripFinding {
    enum class Kind {
        Fuel,        // burn + reserve above the usable fuel (the leg's "StopReq")
        Chain,       // departs elsewhere than the leg before landed
        Turn,        // departs before the leg before arrives, or within the minimum ground time
        Duty,        // a duty period longer than the duty limit
        FlightTime,  // a duty period's block time above the flight-time limit
    };
    Kind kind;
    int leg;      // the leg it names: the leg itself, the first leg of a duty period
    int lastLeg;  // the last leg it concerns: leg, or the last leg of a duty period
    QString text;
    bool operator==(const TripFinding&) const = default;
};

struct TripCheck {
    std::vector<TripFinding> findings;  // by leg, then in the order of Kind
    // flagged[i]: leg i is named by a finding (slots as in PlanState).
    std::array<bool, PlanState::Slots> flagged{};

    QStringList texts() const;
};

// Every check of legs 1..NumLegs. A leg is checked only where the values a check needs are
// there: a blank or half-entered leg takes part in none that needs its times or airports, and a
// leg without times ends a duty period. Dates carry no year: a date earlier in the year than
// s.Today is next year's, as for the sun times, so a trip may run across New Year.
TripCheck CheckTrip(const PlanState& s, const TripLimits& limits);

// "Leg 2 KPBI-MMUN", or "Legs 1-3 KPBI-MMUN" for several.
QString LegLabel(const PlanState& s, int first, int last);

// A leg's block-out and block-in in UTC, dated by the rule CheckTrip uses; nothing for a leg
// without the date, times or zone offsets they need.
struct BlockTimes {
    QDateTime out, in;
};
std::optional<BlockTimes> LegBlockTimes(const PlanState& s, int leg);

}  // namespace tx
