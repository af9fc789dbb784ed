// The files the program reads at its start and rewrites: settings, time zones, daylight years,
// the default aircraft, aircraft files and the trip limits; the program directory chosen.
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QtTest>

#include "core/Aircraft.h"
#include "core/ProgramDir.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/TripLimits.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

QByteArray zones(int rows) {
    QByteArray b = "\"Zones\",\"a\",\"b\",\"c\",\"d\",\"12/31/2027\",\"e\",\"f\",\"g\"," +
                   QByteArray::number(rows) + "\r\n";
    for (int r = 1; r <= rows; ++r) b += "\"Z" + QByteArray::number(r) + "\",3.14,11.07\r\n";
    return b;
}

// TZYEARS.DAT: the four header texts, then the years, row count and rows given.
QByteArray years(const QByteArray& rest) {
    return "\"Years\",\"a\",\"b\",\"c\"\r\n" + rest + "\r\n";
}

// The first line, then rows 0..n of speeds 200 + 10k and fuel flows 900 - 10k, usable fuel
// 5000, reserve 1200. The older layout has no row count and 49 rows.
QByteArray aircraft(int n, const QByteArray& first = "Sample Jet") {
    QByteArray b = first + "\r\nline two\r\n";
    for (int k = 0; k <= n; ++k) b += " " + QByteArray::number(200 + 10 * k) + "\r\n";
    for (int k = 0; k <= n; ++k) b += " " + QByteArray::number(900 - 10 * k) + "\r\n";
    return b + " 5000\r\n 1200\r\n";
}
QByteArray currentLayout(int n) {
    return " " + QByteArray::number(n) + "\r\n" + aircraft(n);
}

// Blank lines up to a size in bytes: readers never get past the fields before them.
QByteArray padded(const QByteArray& b, qsizetype size) {
    return b + QByteArray(size - b.size(), '\n');
}

const QByteArray SettingsLine =
    "\"n\",\"a\",\"c\",\"p\",\"keep, 5\",\"10\",\"e\",\"\",\"\",\"\",\"r\"";
const qsizetype MB = 1 << 20;

const QByteArray Written =
    "\"Minimum ground time\",0:45\r\n\"Show time\",0:30\r\n"
    "\"Post-flight time\",0:00\r\n\"Minimum rest\",12:00\r\n"
    "\"Duty limit\",13:15\r\n\"Flight-time limit\",8:00\r\n";

}  // namespace

class TestStartupFiles : public QObject {
    Q_OBJECT
    QTemporaryDir top_;
    // The program directory lies one level down, so that "../outside.AC" can exist.
    const QString dir_ = top_.filePath("prog");

    PlanState state() {
        PlanState s;
        s.ProgramDir = dir_;
        return s;
    }
    // "<pipe>" and "<link to pipe>" make what they say.
    void put(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(dir_).filePath(name);
        if (bytes == "<pipe>") QCOMPARE(mkfifo(QFile::encodeName(path), 0600), 0);
        if (bytes == "<link to pipe>")
            QVERIFY(QFile::link(top_.filePath("pipe"), path) || QFile::exists(path));
        if (!bytes.startsWith('<')) WriteFile(path, bytes);
    }
    QList<QByteArray> lines(const QString& name) {
        return ReadFile(QDir(dir_).filePath(name)).split('\n');
    }

    // Messages name a file by its full path: the rows give the bare name.
    QString inDir(QString want) const {
        static const QRegularExpression file("^(stops: )?([^ :|]+\\.(DAT|AC)): ");
        return want.replace(file, "\\1" + QDir::toNativeSeparators(dir_ + '/') + "\\2: ");
    }

  private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(dir_ + "/sub"));
        QCOMPARE(mkfifo(QFile::encodeName(top_.filePath("pipe")), 0600), 0);
    }

    // One file of the start replaced (a null text removes it): "last zone code and end date |
    // aircraft, type, rows, last speed", or why the start goes on without the default aircraft,
    // or why it stops; a message names the row's file unless it names another.
    void startFiles_data() {
        addColumns<QString, QByteArray, QString>("file", "bytes", "want");
        const auto row = addRow<const char*, QByteArray, QString>;
        const char *Z = "TZONES.DAT", *Y = "TZYEARS.DAT", *D = "TXDefAC.DAT", *A = "A.AC";
        const QString early = "the file ends too early (field %1)", loaded = "Z2 11.07|A.AC %1",
                      over48 = "stops: the table holds %1 zone rows; at most 48 are allowed";
        const QByteArray nam = "2000,2060,1\r\n\"NAM\",";
        row("no zone rows", Z, zones(0), " 0|A.AC Sample Jet 5 250");
        row("48 zone rows", Z, zones(48), "Z48 11.07|A.AC Sample Jet 5 250");
        row("49 zone rows", Z, zones(49), over48.arg(49));
        row("negative count", Z, zones(0).replace(",0\r", ",-1\r"), over48.arg(-1));
        row("fewer zone rows", Z, zones(3).replace(",3\r", ",4\r"), "stops: " + early.arg(20));
        // A missing or damaged yearly table only says so: the start goes on.
        row("no TZYEARS.DAT", Y, QByteArray(), "the file is missing");
        row("years reversed", Y, years("2060,2000,0"),
            "the years 2060 to 2000 are not in order within 1900 to 2199");
        row("too many year rows", Y, years("2000,2060,9601"),
            "the table holds 9601 rows; at most 9600 are allowed");
        row("rows end early", Y, years("2000,2060,3\r\n\"NAM\",2000,4.02,10.29"), early.arg(12));
        row("lower-case code", Y, years("2000,2060,1\r\n\"nam\",2000,4.02,10.29"),
            "row 1: \"nam\" is not a zone code of 1 to 3 capital letters");
        row("year outside", Y, years(nam + "2061,4.02,10.29"),
            "row 1: the year 2061 is not a whole year from 2000 to 2060");
        row("no such day", Y, years(nam + "2000,4.31,10.29"),
            "row 1: 4.31 to 10.29 are not two month.day dates");
        row("rows out of order", Y,
            years("2000,2060,2\r\n\"NAM\",2001,4.01,10.28\r\n" + nam.mid(13) + "2000,4.02,10.29"),
            "row 2: NAM 2000 does not follow NAM 2001 (rows go by code, then year, each once)");
        row("10 settings", "TARVEX.DAT", SettingsLine.chopped(4), "stops: " + early.arg(11));
        row("settings over 1 MB", "TARVEX.DAT", padded(SettingsLine, MB + 1),
            "stops: the file is larger than 1 MB");
        // Only regular files are read, and opening one never waits.
        row("zones a named pipe", Z, "<pipe>", "stops: this is a named pipe, not a file");
        row("link to a pipe", D, "<link to pipe>", "this is a named pipe, not a file");
        row("TXDefAC.DAT of 1 MB", D, padded("A.AC", MB), loaded.arg("Sample Jet 5 250"));
        row("no TXDefAC.DAT", D, QByteArray(), "the file is missing");
        row("empty TXDefAC.DAT", D, "", early.arg(1));
        row("names nothing", D, "\r\n", "no aircraft file is named");
        row("names a file outside", D, "../outside.AC",
            "\"../outside.AC\" is not a plain file name in the program directory");
        row("names a missing file", D, "NONE.AC", "NONE.AC: the file is missing");
        // The first field is a row count only when the whole field is a number.
        row("100 rows", A, currentLayout(100), loaded.arg("Sample Jet 100 1200"));
        row("older, 727-200", A, aircraft(48, "727-200"), loaded.arg("727-200 48 680"));
        row("ends early", A, currentLayout(20).chopped(8), early.arg(47));
        row("1e999", A, currentLayout(3).replace(" 210\r", " 1e999\r"),
            "\"1e999\" is not a number (field 5)");
        row("101 rows", A, currentLayout(101), "it has 101 table rows; at most 100 are allowed");
    }
    void startFiles() {
        auto [file, bytes, want] = fetch<QString, QByteArray, QString>("file", "bytes", "want");
        static const QRegularExpression named("^(stops: )?[^ :|]+\\.(DAT|AC): |\\|");
        if (!want.contains(named)) want.insert(want.startsWith("stops: ") ? 7 : 0, file + ": ");
        for (const auto& [name, good] :
             {std::pair<QString, QByteArray>{"TARVEX.DAT", SettingsLine},
              {"TZONES.DAT", zones(2)},
              {"TZYEARS.DAT", years("2000,2060,1\r\n\"ZZ\",2000,4.02,10.29")},
              {"TXDefAC.DAT", "A.AC\r\n"},
              {"A.AC", currentLayout(5)},
              {"../outside.AC", currentLayout(5)}}) {
            QFile::remove(QDir(dir_).filePath(name));
            if (name != file || !bytes.isNull()) put(name, name == file ? bytes : good);
        }
        PlanState s = state();
        const QString stop = Thrown<FileError>([&] { LoadStartFiles(s); });
        if (stop != "<nothing thrown>") {  // with no zone loaded
            QCOMPARE("stops: " + stop + '|' + QString::number(s.TZRows), inDir(want) + "|0");
            return;
        }
        QCOMPARE(s.VersionText + s.TaxiDefault + s.TZExpiry + s.ACFileLoaded,
                 " Tarvex  (ver 3.1.4) 1012/31/2027" + s.ACFileName);
        const QString problem = s.TZYears.Problem + s.AircraftLoadError,
                      loaded = s.TZCode[s.TZRows] + ' ' + QString::number(s.TZDSTEnd[s.TZRows]) +
                               '|' + s.ACFileName + ' ' + s.ACType + ' ' +
                               QString::number(s.ACRows) + ' ' +
                               QString::number(s.ACSpeed[s.ACRows]);
        QCOMPARE(problem.isEmpty() ? loaded : problem, inDir(want));
        QCOMPARE(s.TZYears.rows.size(), s.TZYears.Problem.isEmpty() ? 1u : 0u);
        QCOMPARE(s.ACFileName.isEmpty(), !s.AircraftLoadError.isEmpty());
    }

    // Refused, even when the file it names exists; the aircraft loaded before stays whole.
    void aircraftRefused() {
        for (const QString n : {"sub/IN.AC", "sub\\IN.AC", "A\tB.AC", "A\"B.AC", "A.AC"})
            put(n, currentLayout(5));
        put("BAD.AC", currentLayout(5).left(40));
        PlanState s = state();
        s.ACFileName = "A.AC";
        LoadAircraft(s);
        const auto refused = [&](const QString& name) {
            s.ACFileName = name;
            return Thrown<FileError>([&] { LoadAircraft(s); });
        };
        for (const QString& n :
             QStringList{"sub/IN.AC", "sub\\IN.AC", "A\"B.AC", "..", QString(253, 'A') + ".AC"})
            VerifyHolds(refused(n), {"is not a plain file name"});
        VerifyHolds(refused("A\tB.AC"), {"\"A?B.AC\" is not a plain file name"});
        VerifyHolds(refused("BAD.AC"), {"BAD.AC: the file ends too early"});
        QCOMPARE(s.ACFileLoaded + s.ACType + QString::number(s.ACSpeed[5]), "A.ACSample Jet250");
    }

    // Every file the program rewrites gives each field back as it was read: a field as it
    // stands in the file, read, the file rewritten and read again: "its line as rewritten|the
    // text read". Every other line stands as it was (an older aircraft file gains its row
    // count).
    void writtenReadsBack_data() {
        addColumns<QString, QByteArray, QString>("file", "field", "want");
        const auto row = addRow<const char*, QByteArray, const char*>;
        const char *T = "TARVEX.DAT", *A = "OLD.AC", *D = "TXDefAC.DAT";
        row("settings, doubled quotes", T, R"("Joe ""Ace"" Smith")",
            R"("Joe ""Ace"" Smith"|Joe "Ace" Smith)");
        row("aircraft, plain", A, "Jet", "Jet|Jet");
        row("aircraft, outer blanks", A, R"("  Jet ")", R"("  Jet "|  Jet )");
        row("aircraft, leading quote", A, R"("""Fast"" Jet")", R"("""Fast"" Jet"|"Fast" Jet)");
        row("aircraft, bare with a quote", A, R"(Jet "Fast")", R"(Jet "Fast"|Jet "Fast")");
        row("aircraft, empty", A, R"("")", "|");
        row("default aircraft, plain", D, "LJ-35.AC", "LJ-35.AC|LJ-35.AC");
        row("default aircraft, comma", D, R"("Jet, 2.AC")", R"("Jet, 2.AC"|Jet, 2.AC)");
    }
    void writtenReadsBack() {
        auto [file, field, want] = fetch<QString, QByteArray, QString>("file", "field", "want");
        // The file with the field on its first line; how the field is read and the file rewritten.
        const bool cfg = file == "TARVEX.DAT", old = file == "OLD.AC";
        const auto read = [&](PlanState& p) -> QString {
            if (cfg) return ReadSettingsFile(p), p.OwnerName;
            return old ? (LoadAircraft(p), p.ACType) : p.ACFileName = ReadDefaultAircraftFile(p);
        };
        const auto write = cfg ? WriteSettingsFile : old ? WriteAircraft : WriteDefaultAircraftFile;
        const QByteArray rest = SettingsLine.mid(4).replace("\",\"", "\"\r\n\"") + "\r\n";
        put(file, old ? aircraft(48, field) : field + "\r\n" + (cfg ? rest : QByteArray()));
        const QList<QByteArray> before = lines(file);

        PlanState s = state(), again = state();
        s.ACFileName = again.ACFileName = file;
        const QString got = read(s);
        write(s);
        QCOMPARE(read(again), got);
        QList<QByteArray> after = lines(file);
        if (old) QCOMPARE(after.takeFirst(), QByteArray(" 48\r"));
        QCOMPARE(DecodeCp1252(after.takeFirst().chopped(1)) + '|' + got, want);
        QCOMPARE(after, before.mid(1));
    }

    // Slots 0..25; nothing outside them.
    void legSlots() {
        PlanState s;
        s.leg(0).DepID = s.leg(25).DepID = "KDEN";
        QCOMPARE(std::as_const(s).leg(25).DepID, QString("KDEN"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.leg(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, std::as_const(s).leg(26));
    }

    // An installed program's own folder cannot be written: its files are copied into the
    // user's folder once, and never over the user's own copies.
    void programDirOfAnInstalledProgram() {
        QTemporaryDir own, home;
        const QString user = home.filePath("Tarvex");
        for (const char* name : {"tarvex", "data.mdb", "TARVEX.DAT", "A.AC"})
            WriteFile(own.filePath(name), QByteArray("shipped ") + name);

        QCOMPARE(ChooseProgramDir(own.path(), user, "tarvex", true).dir, own.path());
        QVERIFY(!QDir(user).exists());
        ProgramDirChoice first = ChooseProgramDir(own.path(), user, "tarvex", false);
        QVERIFY(first.dir == user && first.firstUse);
        QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"A.AC", "data.mdb", "TARVEX.DAT"}));
        QCOMPARE(ReadFile(user + "/A.AC"), QByteArray("shipped A.AC"));

        // A newer install: the user's settings stay, a file new to the user is added, and a
        // missing database waits for the start to put its dated copy back.
        WriteFile(user + "/TARVEX.DAT", "the user's");
        QVERIFY(QFile::remove(user + "/A.AC") && QFile::remove(user + "/data.mdb"));
        WriteFile(user + "/data.mdb.2026-12-01-101500.bak", "kept");
        WriteFile(own.filePath("TARVEX.DAT"), "newer shipped");
        ProgramDirChoice later = ChooseProgramDir(own.path(), user, "tarvex", false);
        QVERIFY(!later.firstUse && !QFile::exists(user + "/data.mdb"));
        QCOMPARE(ReadFile(user + "/TARVEX.DAT") + '|' + ReadFile(user + "/A.AC"),
                 "the user's|shipped A.AC");

        WriteFile(home.filePath("blocked"), "a file where the folder should be");
        QVERIFY_THROWS_EXCEPTION(
            FileError, ChooseProgramDir(own.path(), home.filePath("blocked"), "tarvex", false));
    }

    // TXLimits.DAT, "<none>": missing, "<write>": written from the limits of Written (and compared
    // with it); the minutes loaded, and words of the problem, the first one following the file's
    // path.
    void tripLimits_data() {
        addColumns<QByteArray, QString, QStringList>("file", "minutes", "problem");
        const auto row = addRow<QByteArray, QString, QStringList>;
        const QString defaults = "30 60 15 600 840 600", read = "45 30 0 720 795 480";
        row("missing", "<none>", defaults, {});
        row("written", "<write>", read, {});
        row("wrong label", QByteArray(Written).replace("\"Show time\"", "\"Show\""), defaults,
            {"limit 2 should be labelled \"Show time\", not \"Show\"", "default"});
        row("out of range", QByteArray(Written).replace("13:15", "30:00"), defaults,
            {"Duty limit must lie between 1:00 and 24:00", "\"30:00\""});
        row("not h:mm", QByteArray(Written).replace("0:30", "30"), defaults,
            {"Show time: type hours and minutes as h:mm"});
        row("ends early", Written.left(Written.lastIndexOf("\"Flight")), defaults,
            {"the file ends too early", "default limits"});
        row("a seventh limit", Written + "\"Spare\",1:00\r\n", defaults,
            {"the file holds more than the 6 limits"});
    }
    void tripLimits() {
        auto [file, problem] = fetch<QByteArray, QStringList>("file", "problem");
        const QString path = QDir(dir_).filePath("TXLimits.DAT");
        PlanState s = state();
        TripLimits limits{{45, 30, 0, 720, 795, 480}};
        QFile::remove(path);
        if (file == "<write>") WriteTripLimits(s, limits);
        put("TXLimits.DAT", file);
        const QByteArray before = ReadFile(path);
        if (file == "<write>") QCOMPARE(before, Written);

        const TripLimitsRead got = LoadTripLimits(s);
        QStringList minutes;
        for (const int m : got.limits.minutes) minutes << QString::number(m);
        QTEST(minutes.join(' '), "minutes");
        QCOMPARE(got.problem.isEmpty(), problem.isEmpty());
        if (!problem.isEmpty()) problem.prepend(inDir("TXLimits.DAT: " + problem[0]));
        VerifyHolds(got.problem, problem);
        // Never a file the next start refuses: a limit out of its range is not written.
        limits[TripLimit::FlightTime] = 24 * 60 + 1;
        VerifyHolds(Thrown<FileError>([&] { WriteTripLimits(s, limits); }),
                    {inDir("TXLimits.DAT: Flight-time limit must lie between 1:00 and 24:00")});
        QCOMPARE(ReadFile(path), before);
    }

    // A typed limit: its minutes, or the refusal.
    void typedLimit_data() {
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
    void typedLimit() {
        auto [limit, text] = fetch<int, QString>("limit", "text");
        const auto refusal = TripLimitRefusal(TripLimit(limit), text);
        QTEST(refusal ? *refusal : QString::number(TripLimitMinutes(text)), "result");
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
