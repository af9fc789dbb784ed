#pragma once
// Legs entered through the real leg computation between airports on the equator, ten degrees of
// longitude (600 n.mi.) apart, each zone without daylight time; an aircraft of 400 kt and 1000
// an hour everywhere, usable fuel 6900, no wind, taxi 12 min: 600 n.mi. is 1.5 h in the air and
// 1:42 block, 1800 n.mi. 4:42, 2400 n.mi. 6:12. Today is 10 Jan 2025.
#include <QtTest>

#include "calc/LegComputation.h"
#include "calc/LegEnds.h"
#include "calc/LegTexts.h"
#include "calc/TimeZones.h"
#include "core/PlanState.h"

namespace tx::test {

// identifier -> longitude text, GMT offset
inline const QHash<QString, QStringList> EquatorAirports{
    {"W000", {"W00000.0", "0"}},  {"W010", {"W01000.0", "-1"}}, {"W020", {"W02000.0", "-1"}},
    {"W040", {"W04000.0", "-3"}}, {"E175", {"E17500.0", "12"}}, {"W175", {"W17500.0", "-11"}},
};

inline PlanState EquatorPlan() {
    PlanState s;
    s.ACRows = 40, s.ACMaxFuel = 6900, s.TaxiDefault = "12", s.Today = QDate(2025, 1, 10);
    s.ACSpeed.fill(400), s.ACFuelFlow.fill(1000);
    return s;
}

// "T|L date time from to reserve" computed into the next slot, as the leg entry runs it, with
// its list lines.
inline void enterLeg(PlanState& s, const QString& entry) {
    const QStringList e = entry.split(' ');
    s.CurLeg = static_cast<std::int16_t>(++s.NumLegs);
    Leg& leg = s.cur();
    leg.TorL = e[0], leg.LegDate = e[1];
    (e[0] == u"L" ? leg.ArrTimeEntry : leg.DepTimeEntry) = e[2];
    leg.DepID = e[3], leg.DepStd = leg.DepDay = EquatorAirports.value(e[3])[1];
    DepartureEnd(s, "N0000.0", EquatorAirports.value(e[3])[0]);
    leg.DestID = e[4], leg.DestStd = leg.DestDay = EquatorAirports.value(e[4])[1];
    DestinationEnd(s, "N0000.0", EquatorAirports.value(e[4])[0]);
    const SpeedTimeBurn flight = TXComps(s);
    QVERIFY(flight.flies);
    setReserveTexts(s, e[5].toDouble(), flight.fuelBurn);
    TXComps2(s, flight.flightHours);
    StoreLegLines(s);
}

}  // namespace tx::test
