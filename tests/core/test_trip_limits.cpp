// TXLimits.DAT missing, damaged, written and read back; the check of a typed limit.
#include <QTemporaryDir>
#include <QtTest>

#include "core/SeqFile.h"
#include "core/TripLimits.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

const QByteArray Written =
    "\"Minimum ground time\",0:45\r\n\"Show time\",0:30\r\n"
    "\"Post-flight time\",0:00\r\n\"Minimum rest\",12:00\r\n"
    "\"Duty limit\",13:15\r\n\"Flight-time limit\",8:00\r\n";

}  // namespace

class TestTripLimits : public QObject {
    Q_OBJECT
  private slots:
    // file: "<none>" missing, "<write>" written from the limits of Written (and compared with
    // it); the minutes loaded, and words of the problem.
    void load_data() {
        addColumns<QByteArray, QString, QStringList>("file", "minutes", "problem");
        const auto row = addRow<QByteArray, QString, QStringList>;
        const QString defaults = "30 60 15 600 840 600", read = "45 30 0 720 795 480";
        QByteArray wrongLabel = Written, outOfRange = Written, notTime = Written;
        row("missing", "<none>", defaults, {});
        row("written", "<write>", read, {});
        row("wrong label", wrongLabel.replace("\"Show time\"", "\"Show\""), defaults,
            {"TXLimits.DAT: limit 2 should be labelled \"Show time\", not \"Show\"", "default"});
        row("out of range", outOfRange.replace("13:15", "30:00"), defaults,
            {"TXLimits.DAT: Duty limit must lie between 1:00 and 24:00", "\"30:00\""});
        row("not h:mm", notTime.replace("0:30", "30"), defaults,
            {"TXLimits.DAT: Show time: type hours and minutes as h:mm"});
        row("ends early", Written.left(Written.lastIndexOf("\"Flight")), defaults,
            {"TXLimits.DAT: the file ends too early", "default limits"});
        row("a seventh limit", Written + "\"Spare\",1:00\r\n", defaults,
            {"TXLimits.DAT: the file holds more than the 6 limits"});
    }
    void load() {
        auto [file, problem] = fetch<QByteArray, QStringList>("file", "problem");
        QTemporaryDir dir;
        PlanState s;
        s.ProgramDir = dir.path();
        TripLimits limits;
        limits.minutes = {45, 30, 0, 720, 795, 480};
        if (file == "<write>") WriteTripLimits(s, limits);
        if (!file.startsWith('<')) WriteFile(dir.filePath("TXLimits.DAT"), file);
        if (file == "<write>") QCOMPARE(ReadFile(dir.filePath("TXLimits.DAT")), Written);

        const TripLimitsRead got = LoadTripLimits(s);
        QStringList minutes;
        for (const int m : got.limits.minutes) minutes << QString::number(m);
        QTEST(minutes.join(' '), "minutes");
        QCOMPARE(got.problem.isEmpty(), problem.isEmpty());
        VerifyHolds(got.problem, problem);
        // Never a file the next start refuses: a limit out of its range is not written.
        const QByteArray before = ReadFile(dir.filePath("TXLimits.DAT"));
        limits[TripLimit::FlightTime] = 24 * 60 + 1;
        VerifyHolds(Thrown<FileError>([&] { WriteTripLimits(s, limits); }),
                    {"TXLimits.DAT: Flight-time limit must lie between 1:00 and 24:00"});
        QCOMPARE(ReadFile(dir.filePath("TXLimits.DAT")), before);
    }

    // A typed limit: its minutes, or the refusal.
    void typed_data() {
        addColumns<int, QString, QString>("limit", "text", "result");
        const auto row = addRow<int, QString, QString>;
        const int ground = int(TripLimit::MinGround), rest = int(TripLimit::MinRest),
                  duty = int(TripLimit::Duty);
        row("longest duty, blanks around", duty, " 24:00 ", "1440");
        row("duty a minute over", duty, "24:01", "Duty limit must lie between 1:00 and 24:00");
        row("rest a minute short", rest, "0:59", "Minimum rest must lie between 1:00 and 48:00");
        row("minutes only", ground, "30",
            "Minimum ground time: type hours and minutes as h:mm, such as 0:30");
        row("pasted digits", rest, "0000010:60",
            "Minimum rest: type hours and minutes as h:mm, such as 10:00");
    }
    void typed() {
        auto [limit, text] = fetch<int, QString>("limit", "text");
        const auto refusal = TripLimitRefusal(TripLimit(limit), text);
        QTEST(refusal ? *refusal : QString::number(TripLimitMinutes(text)), "result");
    }
};

QTEST_GUILESS_MAIN(TestTripLimits)
#include "test_trip_limits.moc"
