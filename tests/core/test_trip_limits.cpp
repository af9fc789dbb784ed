// TXLimits.DAT: missing, damaged, written and read back; and the check of a typed limit.
#include <QTemporaryDir>
#include <QtTest>

#include "core/SeqFile.h"
#include "core/TripLimits.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

QString minutesText(const TripLimits& l) {
    QStringList out;
    for (const int m : l.minutes) out << DurationText(m);
    return out.join(' ');
}

const QByteArray Written =
    "\"Minimum ground time\",0:45\r\n\"Show time\",0:30\r\n"
    "\"Post-flight time\",0:00\r\n\"Minimum rest\",12:00\r\n"
    "\"Duty limit\",13:15\r\n\"Flight-time limit\",8:00\r\n";

}  // namespace

class TestTripLimits : public QObject {
    Q_OBJECT
  private slots:
    // file: the bytes of TXLimits.DAT ("<none>" missing, "<folder>" a folder in its place);
    // limits: as loaded; problem: words of the message, none when all is well.
    void load_data() {
        addColumns<QByteArray, QString, QStringList>("file", "limits", "problem");
        const QString defaults = "0:30 1:00 0:15 10:00 14:00 10:00";
        QByteArray wrongLabel = Written, outOfRange = Written, notTime = Written;
        wrongLabel.replace("\"Show time\"", "\"Show\"");
        outOfRange.replace("13:15", "30:00");
        notTime.replace("0:30", "30");
        addRow("missing", QByteArray("<none>"), defaults, QStringList());
        addRow("one record a line", Written, QString("0:45 0:30 0:00 12:00 13:15 8:00"),
               QStringList());
        addRow("all on one line", QByteArray(Written).replace("\r\n", ",").append("\r\n"),
               QString("0:45 0:30 0:00 12:00 13:15 8:00"), QStringList());
        addRow("folder in its place", QByteArray("<folder>"), defaults,
               QStringList{"TXLimits.DAT", "the default limits are used"});
        addRow("wrong label", wrongLabel, defaults,
               QStringList{"TXLimits.DAT", "limit 2 should be labelled \"Show time\"",
                           "default limits"});
        addRow("duty out of range", outOfRange, defaults,
               QStringList{"TXLimits.DAT: Duty limit must lie between 1:00 and 24:00", "30:00",
                           "default limits"});
        addRow("minutes without hours", notTime, defaults,
               QStringList{"TXLimits.DAT: Show time: type hours and minutes as h:mm"});
        addRow("ends early", Written.left(Written.lastIndexOf("\"Flight")), defaults,
               QStringList{"TXLimits.DAT", "ends too early", "default limits"});
        addRow("a seventh record", Written + "\"Spare\",1:00\r\n", defaults,
               QStringList{"TXLimits.DAT", "more than the 6 limits", "default limits"});
    }
    void load() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, problem);
        QTemporaryDir dir;
        PlanState s;
        s.ProgramDir = dir.path();
        const QString path = dir.filePath("TXLimits.DAT");
        if (file == "<folder>")
            QVERIFY(QDir(dir.path()).mkdir("TXLimits.DAT"));
        else if (file != "<none>")
            WriteFile(path, file);
        const TripLimitsRead read = LoadTripLimits(s);
        QTEST(minutesText(read.limits), "limits");
        QCOMPARE(read.problem.isEmpty(), problem.isEmpty());
        VerifyHolds(read.problem, problem);
    }

    // The layout as written, read back the same; a limit out of its range is refused and the
    // file kept.
    void write() {
        QTemporaryDir dir;
        PlanState s;
        s.ProgramDir = dir.path();
        TripLimits limits;
        limits.minutes = {45, 30, 0, 720, 795, 480};
        WriteTripLimits(s, limits);
        QCOMPARE(ReadFile(dir.filePath("TXLimits.DAT")), Written);
        QVERIFY(LoadTripLimits(s).limits == limits);
        limits[TripLimit::FlightTime] = 24 * 60 + 1;
        VerifyHolds(Thrown<FileError>([&] { WriteTripLimits(s, limits); }),
                    {"TXLimits.DAT: Flight-time limit must lie between 1:00 and 24:00"});
        QCOMPARE(ReadFile(dir.filePath("TXLimits.DAT")), Written);
    }

    // A typed limit: its minutes, or the refusal.
    void typed_data() {
        addColumns<int, QString, QString>("limit", "text", "result");
        const auto row = addRow<int, QString, QString>;
        const int ground = int(TripLimit::MinGround), rest = int(TripLimit::MinRest),
                  duty = int(TripLimit::Duty), show = int(TripLimit::Show);
        row("no ground time", ground, "0:00", "0");
        row("blanks around", duty, " 14:00 ", "840");
        row("longest duty", duty, "24:00", "1440");
        row("duty a minute over", duty, "24:01", "Duty limit must lie between 1:00 and 24:00");
        row("rest a minute short", rest, "0:59", "Minimum rest must lie between 1:00 and 48:00");
        row("minutes only", show, "60", "Show time: type hours and minutes as h:mm, such as 1:00");
        row("sixty minutes", ground, "0:60",
            "Minimum ground time: type hours and minutes as h:mm, such as 0:30");
        row("one minute digit", ground, "0:5",
            "Minimum ground time: type hours and minutes as h:mm, such as 0:30");
        row("pasted digits", rest, "0000010:00",
            "Minimum rest: type hours and minutes as h:mm, such as 10:00");
        row("empty", rest, "", "Minimum rest: type hours and minutes as h:mm, such as 10:00");
    }
    void typed() {
        QFETCH(int, limit);
        QFETCH(QString, text);
        const auto refusal = TripLimitRefusal(TripLimit(limit), text);
        QTEST(refusal ? *refusal : QString::number(TripLimitMinutes(text)), "result");
    }
};

QTEST_GUILESS_MAIN(TestTripLimits)
#include "test_trip_limits.moc"
