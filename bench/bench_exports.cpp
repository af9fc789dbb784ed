// Exporting a plan of 20 legs with comments in all four forms, each written beside the plan in
// a temporary folder: the PDF of the pilot format, the calendar, the CSV file and the UTF-8 text
// report.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <array>

#include "TwentyLegs.h"
#include "core/SeqFile.h"
#include "export/TripExports.h"
#include "platform/ReportRenderer.h"
#include "report/PlanReports.h"

using namespace tx;

namespace {

const QString kDate = QStringLiteral("3/15/2025 10:30:00 AM");

// The four exports of a 20-leg plan with trip details: file extension and bytes.
std::array<std::pair<QString, QByteArray>, 4> allFour(const PlanState& s) {
    const PlanReserved details{"N123AB", "Ann Lee, Bo Ray", "6", "lb"};
    QString error;
    return {{{".pdf", ReportPdf("Trip", PrintPilotFormat(s, "Trip", kDate, details), error)},
             {".ics", CalendarBytes(s, "Trip", details, QDateTime::currentDateTimeUtc())},
             {".csv", CsvBytes(s, details)},
             {".utf8.txt", Utf8TextBytes(PilotTextLines(s, "Trip", kDate, details))}}};
}

PlanState plan() {
    PlanState s = TwentyLegs();
    s.Today = QDate(2025, 1, 10);
    return s;
}

void BM_ExportAllFour(benchmark::State& state) {
    QTemporaryDir dir;
    const PlanState s = plan();
    for (auto _ : state)
        for (const auto& [extension, bytes] : allFour(s))
            WriteFileAtomically(dir.filePath("Trip" + extension), bytes);
}
BENCHMARK(BM_ExportAllFour)->Unit(benchmark::kMillisecond);

// The same four files built in memory only: what the disk's syncs add is the difference.
void BM_BuildAllFour(benchmark::State& state) {
    const PlanState s = plan();
    for (auto _ : state) benchmark::DoNotOptimize(allFour(s));
}
BENCHMARK(BM_BuildAllFour)->Unit(benchmark::kMillisecond);

}  // namespace

// The PDF needs the fonts of a GUI application.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
