// Saving a plan of 20 legs with comments (the plan file and its pilot text report) and
// retrieving it, in a temporary folder.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "TwentyLegs.h"
#include "core/PlanState.h"
#include "planfile/PlanFile.h"
#include "report/PlanReports.h"

using namespace tx;

namespace {

const QString kDate = QStringLiteral("3/15/2025 10:30:00 AM");

void BM_SavePlan(benchmark::State& state) {
    QTemporaryDir dir;
    PlanState s = TwentyLegs();
    for (auto _ : state) {
        SavePlan(s, dir.path(), "Trip", {}, true, kDate, {});
    }
}
BENCHMARK(BM_SavePlan)->Unit(benchmark::kMillisecond);

void BM_RetrievePlan(benchmark::State& state) {
    QTemporaryDir dir;
    PlanState saved = TwentyLegs();
    WritePlanFile(saved, dir.path(), "Trip");
    PlanState s;
    for (auto _ : state) {
        ReadPlanFile(s, dir.path(), "Trip.tx");
        benchmark::DoNotOptimize(s.NumLegs);
    }
}
BENCHMARK(BM_RetrievePlan)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
