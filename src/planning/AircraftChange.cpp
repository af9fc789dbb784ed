#include "planning/AircraftChange.h"

#include "calc/LegComputation.h"
#include "calc/LegTexts.h"
#include "calc/TimeZones.h"
#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/Text.h"
#include "planning/EntryRules.h"

namespace tx {

int RecomputeAllLegs(PlanState& s, double& groundSpeed) {
    if (s.NumLegs < 1) return 0;
    for (s.CurLeg = 1; s.CurLeg <= s.NumLegs; ++s.CurLeg) {
        Leg& leg = s.cur();
        // The computation moves LegDate to the far end of a day change: back to the entered
        // date, and to the offsets in force on it, as when the leg was entered.
        if (leg.DateEntry.size() >= 4) {
            leg.LegDate = typedLegDate(leg.DateEntry);
            DepTZ(s);
            DestTZ(s);
        }
        s.DistNM = Val(leg.DistText);
        s.DistIndex = static_cast<int>(Int(s.DistNM / 100 + 0.5));
        const SpeedTimeBurn flight = computeSpeedTimeBurn(s, Val(leg.WindText));
        groundSpeed = flight.groundSpeed;
        if (!flight.flies) return s.CurLeg;
        setReserveTexts(s, s.ACReserve, flight.fuelBurn);
        TXComps2(s, flight.flightHours);
        StoreLegLines(s, DestServices::Kept);
    }
    PlanTotals(s);
    return 0;
}

void ChangeAircraft(PlanState& s, const QString& fileName) {
    PlanState trial = s;
    trial.ACFileName = fileName;
    LoadAircraft(trial);
    double groundSpeed = 0;
    if (const int leg = RecomputeAllLegs(trial, groundSpeed))
        throw FileError(QStringLiteral("%1: leg %2 cannot be flown with this aircraft: its wind "
                                       "of %3 knots leaves a ground speed of %4 knots")
                            .arg(fileName)
                            .arg(leg)
                            .arg(NumText(Int(Val(trial.leg(leg).WindText))))
                            .arg(NumText(groundSpeed)));
    s = trial;
}

}  // namespace tx
