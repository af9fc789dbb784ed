// Flight computations of one leg, and of a whole plan after an aircraft change; the checks of a
// whole plan.
#include <benchmark/benchmark.h>

#include <QDate>
#include <algorithm>
#include <vector>

#include "calc/LegComputation.h"
#include "calc/LegEnds.h"
#include "calc/LegTexts.h"
#include "calc/TimeZones.h"
#include "core/PlanState.h"
#include "core/Text.h"
#include "planning/StoredWinds.h"
#include "planning/TripChecks.h"

using namespace tx;

namespace {

struct Airport {
    const char *ident, *city, *state, *lat, *lon, *std, *day, *zone;
};

const Airport Airports[] = {
    {"KDEN", "DENVER", "CO", "N3951.7", "W10440.4", "-7", "-6", "US"},
    {"KORD", "CHICAGO", "IL", "N4158.7", "W08754.5", "-6", "-5", "US"},
    {"EGLL", "LONDON", "UK", "N5128.6", "W00027.6", "0", "1", "EU"},
    {"KBOS", "BOSTON", "MA", "N4221.8", "W07100.4", "-5", "-4", "US"},
    {"CYYT", "ST. JOHN'S", "NL", "N4737.2", "W05245.1", "-3.5", "-2.5", "NF"},
    {"KSFO", "SAN FRANCISCO", "CA", "N3737.1", "W12222.5", "-8", "-7", "US"},
    {"PHNL", "HONOLULU", "HI", "N2119.1", "W15755.4", "-10", "-10", ""},
};

void prepare(PlanState& s) {
    s.ACRows = 40;
    for (int k = 0; k <= 40; ++k) {
        s.ACSpeed[k] = std::min(200 + 30 * k, 450);
        s.ACFuelFlow[k] = k <= 10 ? 2000 - 50 * k : 1500;
    }
    s.ACMaxFuel = 14000;
    s.ACReserve = 1500;
    const struct {
        const char* code;
        double start, end;
    } zones[] = {
        {"AU", 10.05, 4.06}, {"EU", 3.30, 10.26}, {"NF", 3.09, 11.02}, {"US", 3.09, 11.02}};
    for (const auto& z : zones) {
        ++s.TZRows;
        s.TZCode[s.TZRows] = QString::fromLatin1(z.code);
        s.TZDSTStart[s.TZRows] = z.start;
        s.TZDSTEnd[s.TZRows] = z.end;
    }
    s.TaxiDefault = QStringLiteral("12");
    s.Today = QDate(2025, 1, 10);
}

// One leg from its entries to its lines, in the order the leg entry runs the routines.
void computeLeg(PlanState& s, int legNo, const char* torl, const char* date, const char* time,
                const Airport& dep, const Airport& dest) {
    s.CurLeg = static_cast<std::int16_t>(legNo);
    Leg& leg = s.cur();
    leg.TorL = QString::fromLatin1(torl);
    leg.LegDate = QString::fromLatin1(date);
    (leg.TorL == u"L" ? leg.ArrTimeEntry : leg.DepTimeEntry) = QString::fromLatin1(time);
    DateFill(s);

    leg.DepID = QString::fromLatin1(dep.ident);
    leg.DepCity = QString::fromLatin1(dep.city);
    leg.DepState = QString::fromLatin1(dep.state);
    leg.DepStd = QString::fromLatin1(dep.std);
    leg.DepDay = QString::fromLatin1(dep.day);
    leg.DepZoneCode = QString::fromLatin1(dep.zone);
    DepartureEnd(s, QString::fromLatin1(dep.lat), QString::fromLatin1(dep.lon));

    leg.DestID = QString::fromLatin1(dest.ident);
    leg.DestCity = QString::fromLatin1(dest.city);
    leg.DestState = QString::fromLatin1(dest.state);
    leg.DestStd = QString::fromLatin1(dest.std);
    leg.DestDay = QString::fromLatin1(dest.day);
    leg.DestZoneCode = QString::fromLatin1(dest.zone);
    DestinationEnd(s, QString::fromLatin1(dest.lat), QString::fromLatin1(dest.lon));

    ChooseWindTable(s);
    const double wind = ScaledWind(s);
    s.Winds[s.CourseSector] = wind;
    leg.WindText = RightAlign(Str(wind), 6);

    const SpeedTimeBurn flight = TXComps(s);
    if (!flight.flies) return;
    setReserveTexts(s, s.ACReserve, flight.fuelBurn);
    TXComps2(s, flight.flightHours);
    StoreLegLines(s);
    if (s.NumLegs < s.CurLeg) s.NumLegs = s.CurLeg;
}

void BM_WholeLeg(benchmark::State& st) {
    PlanState s;
    prepare(s);
    const int which = static_cast<int>(st.range(0));
    for (auto _ : st) {
        switch (which) {
            case 0:
                computeLeg(s, 1, "T", "3.15", "0830", Airports[0], Airports[1]);
                break;
            case 1:
                computeLeg(s, 1, "L", "2.01", "0700", Airports[1], Airports[2]);
                break;
            default:
                computeLeg(s, 1, "T", "3.08", "2300", Airports[3], Airports[4]);
                break;
        }
        benchmark::DoNotOptimize(s.leg(1).SumLine7.size());
    }
}
// 0: Denver-Chicago by takeoff time; 1: Chicago-London by landing time, the day before;
// 2: Boston-St. John's overnight into daylight time (two passes).
BENCHMARK(BM_WholeLeg)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Every leg recomputed with new tables, keeping its distance, wind and entered times.
void recomputeForAircraft(PlanState& s) {
    for (s.CurLeg = 1; s.CurLeg <= s.NumLegs; ++s.CurLeg) {
        Leg& leg = s.cur();
        s.DistNM = Val(leg.DistText);
        s.DistIndex = static_cast<int>(Int(s.DistNM / 100 + 0.5));
        const SpeedTimeBurn flight = computeSpeedTimeBurn(s, Val(leg.WindText));
        if (!flight.flies) continue;
        setReserveTexts(s, s.ACReserve, flight.fuelBurn);
        TXComps2(s, flight.flightHours);
        StoreLegLines(s, DestServices::Kept);
    }
    PlanTotals(s);
}

void BM_AircraftChange(benchmark::State& st) {
    PlanState s;
    prepare(s);
    static const char* const dates[] = {"1.31",  "2.28",  "3.08",  "3.31", "6.15",
                                        "10.26", "11.01", "12.31", "7.04", "9.30"};
    for (int i = 1; i <= PlanState::MaxLegs; ++i) {
        const Airport& dep = Airports[(i - 1) % 7];
        const Airport& dest = Airports[i % 7];
        computeLeg(s, i, i % 3 == 0 ? "L" : "T", dates[i % 10], i % 2 ? "2330" : "0615", dep, dest);
    }
    std::vector<QString> entered;
    for (int i = 1; i <= s.NumLegs; ++i) entered.push_back(s.leg(i).LegDate);
    // The new aircraft: slower and thirstier.
    for (int k = 0; k <= 40; ++k) {
        s.ACSpeed[k] = std::min(180 + 25 * k, 420);
        s.ACFuelFlow[k] = k <= 10 ? 2400 - 40 * k : 2000;
    }
    s.ACReserve = 1800;
    for (auto _ : st) {
        for (int i = 1; i <= s.NumLegs; ++i) s.leg(i).LegDate = entered[i - 1];
        recomputeForAircraft(s);
        benchmark::DoNotOptimize(s.TotalTimeText.size());
    }
}
BENCHMARK(BM_AircraftChange)->Unit(benchmark::kMicrosecond);

// Every check of a 20-leg plan that goes round seven airports on scattered dates: most legs
// draw a finding (ground time, duty, flight time), so every text is built.
void BM_TripChecks(benchmark::State& st) {
    PlanState s;
    prepare(s);
    static const char* const dates[] = {"3.15", "3.15", "3.16", "3.16", "3.17",
                                        "3.17", "3.18", "3.18", "3.19", "3.19"};
    for (int i = 1; i <= PlanState::MaxLegs; ++i)
        computeLeg(s, i, i % 3 == 0 ? "L" : "T", dates[(i - 1) / 2], i % 2 ? "0715" : "1330",
                   Airports[(i - 1) % 7], Airports[i % 7]);
    const TripLimits limits;
    std::size_t findings = 0;
    for (auto _ : st) {
        const TripCheck c = CheckTrip(s, limits);
        findings = c.findings.size();
        benchmark::DoNotOptimize(c.flagged.data());
    }
    st.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_TripChecks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
