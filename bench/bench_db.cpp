// The airport database at full size: 75,000 airports with their services, built once in a
// temporary folder. Goals: opening AirportsRs <= 50 ms and <= 20 MB; find first by Ident and by
// City, and the service rows of one airport, <= 50 us each; the word search of a city search that
// finds no city, <= 5 ms.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "GeneratedDb.h"

namespace {

using bench::fixture;
using bench::Fixture;

double residentMB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double heapMB() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void BM_OpenAirportsRs(benchmark::State& state) {
    Fixture& f = fixture();
    tx::Db db;
    db.open(f.path);
    // Memory that one open cursor holds, measured on a fresh connection before the loop: the
    // resident growth, and the heap in use (which freed memory of the fixture cannot hide).
    const double rssBefore = residentMB(), heapBefore = heapMB();
    std::optional<tx::Recordset> held(tx::OpenAirports(db));
    const double growth = residentMB() - rssBefore, heap = heapMB() - heapBefore;
    held.reset();
    for (auto _ : state) {
        tx::Recordset rs = tx::OpenAirports(db);
        benchmark::DoNotOptimize(rs.recordCount());
    }
    state.counters["rss_growth_MB"] = growth;
    state.counters["heap_growth_MB"] = heap;
}
BENCHMARK(BM_OpenAirportsRs)->Unit(benchmark::kMillisecond);

// Find first on the airports cursor, by identifier or by a city text, cycling through the
// fixture's values.
template <class Make>
void findFirst(benchmark::State& state, const std::vector<QString>& values, Make criterion) {
    tx::Db db;
    db.open(fixture().path);
    tx::Recordset rs = tx::OpenAirports(db);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rs.findFirst(criterion(values[i++ % values.size()])));
    }
}

void BM_FindFirstIdent(benchmark::State& state) {
    findFirst(state, fixture().idents, tx::IdentIs);
}
BENCHMARK(BM_FindFirstIdent)->Unit(benchmark::kMicrosecond);

void BM_FindFirstCity(benchmark::State& state) {
    findFirst(state, fixture().cityTexts, tx::CityFrom);
}
BENCHMARK(BM_FindFirstCity)->Unit(benchmark::kMicrosecond);

// The city search of a text that starts no city: the airports found by a word of their names,
// larger first, the first of them read.
void BM_WordSearch(benchmark::State& state) {
    Fixture& f = fixture();
    tx::AirportDatabase adb;
    adb.db.open(f.path);
    adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    std::vector<double> micros;
    size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const tx::CitySearch found = tx::SearchCity(adb, f.wordTexts[i++ % f.wordTexts.size()]);
        if (found == tx::CitySearch::Words)
            benchmark::DoNotOptimize(adb.MatchesRs->field(QStringLiteral("Ident")));
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        if (found != tx::CitySearch::Words) {
            state.SkipWithError("a word of an airport's name found nothing");
            break;
        }
    }
    if (!micros.empty()) {
        auto mid = micros.begin() + static_cast<std::ptrdiff_t>(micros.size() / 2);
        std::nth_element(micros.begin(), mid, micros.end());
        state.counters["median_us"] = *mid;
    }
}
BENCHMARK(BM_WordSearch)->Unit(benchmark::kMillisecond);

// One airport's service rows as a service list is filled: open, then every row's Name, PhoneNumber
// and Default.
void BM_ServicesOfOneAirport(benchmark::State& state) {
    Fixture& f = fixture();
    tx::Db db;
    db.open(f.path);
    size_t i = 0;
    for (auto _ : state) {
        tx::Recordset rs = tx::OpenServices(db, tx::ServiceTable::FBOs, f.ids[i++ % f.ids.size()]);
        for (; !rs.eof(); rs.moveNext()) {
            benchmark::DoNotOptimize(rs.field("Name"));
            benchmark::DoNotOptimize(rs.field("PhoneNumber"));
            benchmark::DoNotOptimize(rs.field("Default"));
        }
    }
}
BENCHMARK(BM_ServicesOfOneAirport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
