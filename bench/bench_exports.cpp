// Exporting a plan of 20 legs with comments in all four forms, each written beside the plan in
// a temporary folder: the PDF of the pilot format, the calendar, the CSV file and the UTF-8 text
// report.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "TwentyLegs.h"
#include "core/SeqFile.h"
#include "export/TripExports.h"
#include "platform/ReportRenderer.h"
#include "report/PlanReports.h"

using namespace tx;

namespace {

const QString kDate = QStringLiteral("3/15/2025 10:30:00 AM");

void BM_ExportAllFour(benchmark::State& state) {
    QTemporaryDir dir;
    PlanState s = TwentyLegs();
    s.Today = QDate(2025, 1, 10);
    const PlanReserved details{"N123AB", "Ann Lee, Bo Ray", "6", "lb"};
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        QString error;
        WriteFileAtomically(dir.filePath("Trip.pdf"),
                            ReportPdf("Trip", PrintPilotFormat(s, "Trip", kDate, details), error));
        WriteFileAtomically(dir.filePath("Trip.ics"), CalendarBytes(s, "Trip", details, stamp));
        WriteFileAtomically(dir.filePath("Trip.csv"), CsvBytes(s, details));
        WriteFileAtomically(dir.filePath("Trip.utf8.txt"),
                            Utf8TextBytes(PilotTextLines(s, "Trip", kDate, details)));
    }
}
BENCHMARK(BM_ExportAllFour)->Unit(benchmark::kMillisecond);

// The same four files built in memory only: what the disk's syncs add is the difference.
void BM_BuildAllFour(benchmark::State& state) {
    PlanState s = TwentyLegs();
    s.Today = QDate(2025, 1, 10);
    const PlanReserved details{"N123AB", "Ann Lee, Bo Ray", "6", "lb"};
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        QString error;
        benchmark::DoNotOptimize(
            ReportPdf("Trip", PrintPilotFormat(s, "Trip", kDate, details), error).size() +
            CalendarBytes(s, "Trip", details, stamp).size() + CsvBytes(s, details).size() +
            Utf8TextBytes(PilotTextLines(s, "Trip", kDate, details)).size());
    }
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
