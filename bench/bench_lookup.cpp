// Identifier lookup as the leg entry runs it: find first by Ident on AirportsRs, then the
// airport's record and its five service lists loaded into the main window's combo boxes (one
// airport's rows of each table, the preselected row read by its ID), on the 75,000-airport
// database. Goal: <= 1 ms median. The window is built on the offscreen platform and never shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <chrono>

#include "GeneratedDb.h"
#include "platform/FakePlatform.h"
#include "windows/AppWindows.h"
#include "windows/tripplanning/TripPlanning.h"

namespace {

void BM_LookUpIdentWithServices(benchmark::State& state) {
    bench::Fixture& f = bench::fixture();
    tx::PlanState s;
    tx::AirportDatabase adb;
    adb.db.open(f.path);
    tx::FakePlatform platform;
    tx::AppWindows app(s, adb, platform);
    tx::TripPlanning& w = app.LoadTripPlanning();  // opens AirportsRs over every airport
    s.CurLeg = 1;
    s.LookupSide = tx::LookupValues::Side::Destination;

    std::vector<double> micros;
    micros.reserve(1 << 16);
    size_t i = 0;
    int listed = 0;
    for (auto _ : state) {
        const QString& ident = f.idents[i++ % f.idents.size()];
        const auto start = std::chrono::steady_clock::now();
        w.LookUpIdent(ident, *adb.AirportsRs);
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        if (s.LookupResult != tx::LookupValues::Result::Found) {
            state.SkipWithError("an identifier of the database was not found");
            break;
        }
        for (QComboBox* c : w.serviceLists()) listed += c->count();
    }
    if (!micros.empty()) {
        auto mid = micros.begin() + static_cast<std::ptrdiff_t>(micros.size() / 2);
        std::nth_element(micros.begin(), mid, micros.end());
        state.counters["median_us"] = *mid;
    }
    state.counters["services_per_lookup"] =
        benchmark::Counter(listed, benchmark::Counter::kAvgIterations);
    if (!platform.messages.isEmpty()) state.SkipWithError("a message was shown");
}
BENCHMARK(BM_LookUpIdentWithServices)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
