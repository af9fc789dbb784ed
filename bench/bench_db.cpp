// The airport database at full size: 75,000 airports with their services, built once in a
// temporary folder. Goals: opening AirportsRs <= 50 ms and <= 20 MB; find first by Ident and by
// City, and S3 for one airport, <= 50 us each.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <malloc.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

#include "airportdb/Db.h"
#include "airportdb/SqlStatement.h"
#include "airportdb/Statements.h"

namespace {

constexpr int kAirports = 75000;

struct Fixture {
    QTemporaryDir dir;
    QString path;
    std::vector<QString> idents;
    std::vector<QString> cityTexts;  // what a user types: prefixes and whole names, any case
    std::vector<qint64> ids;

    Fixture() {
        path = dir.filePath("data.mdb");
        std::mt19937 rng(7);
        static const char* kSyllables[] = {"ab", "al", "an", "ber", "bo", "ca", "chi", "da", "del",
                                           "el", "fa", "gra", "ha", "is", "ka", "la", "lon", "ma",
                                           "mi", "no", "or", "pa", "ri", "sa", "san", "ta", "to",
                                           "va", "ville", "wa", "york", "zu"};
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        std::vector<QString> cities;
        for (int i = 0; i < 30000; ++i) {
            QString c;
            for (int s = 0, n = 2 + pick(3); s < n; ++s) c += kSyllables[pick(32)];
            c[0] = c[0].toUpper();
            if (pick(10) == 0) c += " City";
            cities.push_back(c.left(25));
        }

        tx::Db db;
        db.create(path);
        db.transaction([&] {
            tx::detail::Statement airport(db, "INSERT INTO tblAirports (Ident, City, State, Lat, \"Long\", "
                                              "Std, Day, ZoneCode) VALUES (?1, ?2, 'State', 'N40-00.0', "
                                              "'W075-00.0', -5, -4, 'EST')");
            const char* kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
            for (int i = 0; i < kAirports; ++i) {
                QString ident(QChar(u'A' + i % 26));
                for (int n = i / 26, k = 0; k < 3; ++k, n /= 36) ident += QChar(kChars[n % 36]);
                const QString& city = cities[size_t(pick(int(cities.size())))];
                airport.bindAll({ident, city});
                airport.run();
                idents.push_back(ident);
                ids.push_back(sqlite3_last_insert_rowid(db.handle()));
                if (i % 10 == 0) cityTexts.push_back(pick(2) ? city.left(1 + pick(4)).toLower() : city.toUpper());
            }
            for (tx::ServiceTable t : tx::kServiceTables) {
                tx::detail::Statement service(
                    db, QStringLiteral("INSERT INTO %1 (AirportID, Name, PhoneNumber, \"Default\") "
                                       "VALUES (?1, ?2, '555-0100', ?3)")
                            .arg(tx::TableName(t)));
                for (qint64 id : ids)
                    for (int k = 0, n = pick(4); k < n; ++k) {
                        service.bindAll({id, QStringLiteral("Service %1").arg(k), k == 0});
                        service.run();
                    }
            }
        });
        std::shuffle(idents.begin(), idents.end(), rng);
        std::shuffle(ids.begin(), ids.end(), rng);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

double residentMB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double heapMB() { return double(mallinfo2().uordblks) / (1024.0 * 1024.0); }

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

void BM_FindFirstIdent(benchmark::State& state) {
    Fixture& f = fixture();
    tx::Db db;
    db.open(f.path);
    tx::Recordset rs = tx::OpenAirports(db);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rs.findFirst(tx::IdentIs(f.idents[i++ % f.idents.size()])));
    }
}
BENCHMARK(BM_FindFirstIdent)->Unit(benchmark::kMicrosecond);

void BM_FindFirstCity(benchmark::State& state) {
    Fixture& f = fixture();
    tx::Db db;
    db.open(f.path);
    tx::Recordset rs = tx::OpenAirports(db);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rs.findFirst(tx::CityFrom(f.cityTexts[i++ % f.cityTexts.size()])));
    }
}
BENCHMARK(BM_FindFirstCity)->Unit(benchmark::kMicrosecond);

// S3 as a service list is filled: open, then every row's Name, PhoneNumber and Default.
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
