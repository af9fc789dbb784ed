// Stepping through the airports in city order in the airport information window: each step moves
// the shared cursor and shows the airport with its five service lists filled (one airport's
// rows of each table, the preselected row read by its ID), on the 75,000-airport database. Goal: <=
// 1 ms median a step. The window is built on the offscreen platform and never shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <chrono>

#include "GeneratedDb.h"
#include "platform/FakePlatform.h"
#include "windows/AppWindows.h"
#include "windows/airportinfo/View.h"

namespace {

void BM_StepWithServices(benchmark::State& state) {
    bench::Fixture& f = bench::fixture();
    tx::PlanState s;
    tx::AirportDatabase adb;
    adb.db.open(f.path);
    tx::FakePlatform platform;
    tx::AppWindows app(s, adb, platform);
    tx::View& v = app.LoadView();  // opens AirportsRs over every airport
    v.txtCTY->setText(QStringLiteral("M"));
    v.cmdCityOK->click();
    if (s.LookupResult != tx::LookupValues::Result::Found)
        state.SkipWithError("no airport found by city");

    std::vector<double> micros;
    micros.reserve(1 << 16);
    bool forward = true;
    int listed = 0;
    for (auto _ : state) {
        const qsizetype ends = platform.messages.size();
        const auto start = std::chrono::steady_clock::now();
        (forward ? v.cmdNext : v.cmdPrevious)->click();
        const auto stop = std::chrono::steady_clock::now();
        if (platform.messages.size() != ends) {  // an end of the list: turn round
            forward = !forward;
            continue;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        for (QComboBox* c : v.serviceLists()) listed += c->count();
    }
    if (!micros.empty()) {
        auto mid = micros.begin() + static_cast<std::ptrdiff_t>(micros.size() / 2);
        std::nth_element(micros.begin(), mid, micros.end());
        state.counters["median_us"] = *mid;
    }
    state.counters["services_per_step"] =
        benchmark::Counter(listed, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StepWithServices)->Unit(benchmark::kMicrosecond);

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
