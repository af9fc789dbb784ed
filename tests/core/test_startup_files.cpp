#include <sys/stat.h>

#include <QTemporaryDir>
#include <QtTest>

#include "core/Aircraft.h"
#include "core/ProgramDir.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
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
    // or why it stops.
    void startFiles_data() {
        addColumns<QString, QByteArray, QString>("file", "bytes", "want");
        const auto row = addRow<const char*, QByteArray, const char*>;
        const char *Z = "TZONES.DAT", *D = "TXDefAC.DAT", *A = "A.AC";
        row("no zone rows", Z, zones(0), " 0|A.AC Sample Jet 5 250");
        row("48 zone rows", Z, zones(48), "Z48 11.07|A.AC Sample Jet 5 250");
        row("49 zone rows", Z, zones(49),
            "stops: TZONES.DAT: the table holds 49 zone rows; at most 48 are allowed");
        row("negative count", Z, zones(0).replace(",0\r", ",-1\r"),
            "stops: TZONES.DAT: the table holds -1 zone rows; at most 48 are allowed");
        row("fewer zone rows", Z, zones(3).replace(",3\r", ",4\r"),
            "stops: TZONES.DAT: the file ends too early (field 20)");
        // A missing or damaged yearly table only says so: the start goes on.
        const char* Y = "TZYEARS.DAT";
        row("no TZYEARS.DAT", Y, QByteArray(), "TZYEARS.DAT: the file is missing");
        row("years reversed", Y, years("2060,2000,0"),
            "TZYEARS.DAT: the years 2060 to 2000 are not in order within 1900 to 2199");
        row("too many year rows", Y, years("2000,2060,9601"),
            "TZYEARS.DAT: the table holds 9601 rows; at most 9600 are allowed");
        row("year rows end early", Y, years("2000,2060,3\r\n\"NAM\",2000,4.02,10.29"),
            "TZYEARS.DAT: the file ends too early (field 12)");
        row("lower-case code", Y, years("2000,2060,1\r\n\"nam\",2000,4.02,10.29"),
            "TZYEARS.DAT: row 1: \"nam\" is not a zone code of 1 to 3 capital letters");
        row("year outside", Y, years("2000,2060,1\r\n\"NAM\",2061,4.02,10.29"),
            "TZYEARS.DAT: row 1: the year 2061 is not a whole year from 2000 to 2060");
        row("no such day", Y, years("2000,2060,1\r\n\"NAM\",2000,4.31,10.29"),
            "TZYEARS.DAT: row 1: 4.31 to 10.29 are not two month.day dates");
        row("rows out of order", Y,
            years("2000,2060,2\r\n\"NAM\",2001,4.01,10.28\r\n\"NAM\",2000,4.02,10.29"),
            "TZYEARS.DAT: row 2: NAM 2000 does not follow NAM 2001 (rows go by code, then year, "
            "each once)");
        row("10 settings", "TARVEX.DAT", SettingsLine.chopped(4),
            "stops: TARVEX.DAT: the file ends too early (field 11)");
        row("settings over 1 MB", "TARVEX.DAT", padded(SettingsLine, MB + 1),
            "stops: TARVEX.DAT: the file is larger than 1 MB");
        // Only regular files are read, and opening one never waits.
        row("zones a named pipe", Z, "<pipe>",
            "stops: TZONES.DAT: this is a named pipe, not a file");
        row("TXDefAC.DAT a link to a pipe", D, "<link to pipe>",
            "TXDefAC.DAT: this is a named pipe, not a file");
        row("TXDefAC.DAT of 1 MB", D, padded("A.AC", MB), "Z2 11.07|A.AC Sample Jet 5 250");
        row("no TXDefAC.DAT", D, QByteArray(), "TXDefAC.DAT: the file is missing");
        row("empty TXDefAC.DAT", D, "", "TXDefAC.DAT: the file ends too early (field 1)");
        row("names nothing", D, "\r\n", "TXDefAC.DAT: no aircraft file is named");
        row("names a file outside", D, "../outside.AC",
            "TXDefAC.DAT: \"../outside.AC\" is not a plain file name in the program directory");
        row("names a missing file", D, "NONE.AC", "NONE.AC: the file is missing");
        // The first field is a row count only when the whole field is a number.
        row("100 rows", A, currentLayout(100), "Z2 11.07|A.AC Sample Jet 100 1200");
        row("older, 727-200", A, aircraft(48, "727-200"), "Z2 11.07|A.AC 727-200 48 680");
        row("ends early", A, currentLayout(20).chopped(8),
            "A.AC: the file ends too early (field 47)");
        row("1e999", A, currentLayout(3).replace(" 210\r", " 1e999\r"),
            "A.AC: \"1e999\" is not a number (field 5)");
        row("101 rows", A, currentLayout(101),
            "A.AC: it has 101 table rows; at most 100 are allowed");
    }
    void startFiles() {
        auto [file, bytes, want] = fetch<QString, QByteArray, QString>("file", "bytes", "want");
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
        try {
            LoadStartFiles(s);
        } catch (const FileError& e) {
            QCOMPARE("stops: " + e.message(), inDir(want));
            QCOMPARE(s.TZRows, 0);
            return;
        }
        QCOMPARE(s.VersionText + s.TaxiDefault + s.TZExpiry + s.ACFileLoaded,
                 " Tarvex  (ver 3.1.4) 1012/31/2027" + s.ACFileName);
        const QString loaded = QString("%1 %2|%3 %4 %5 %6")
                                   .arg(s.TZCode[s.TZRows], QString::number(s.TZDSTEnd[s.TZRows]),
                                        s.ACFileName, s.ACType)
                                   .arg(s.ACRows)
                                   .arg(s.ACSpeed[s.ACRows]);
        QCOMPARE(!s.TZYears.Problem.isEmpty() ? s.TZYears.Problem
                 : s.ACFileName.isEmpty()     ? s.AircraftLoadError
                                              : loaded,
                 inDir(want));
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
        std::function<QString(PlanState&)> read = [](PlanState& p) {
            return p.ACFileName = ReadDefaultAircraftFile(p);
        };
        std::function<void(const PlanState&)> write = WriteDefaultAircraftFile;
        QByteArray bytes = field + "\r\n";
        if (file == "TARVEX.DAT") {
            bytes += SettingsLine.mid(4).replace("\",\"", "\"\r\n\"") + "\r\n";
            read = [](PlanState& p) { return ReadSettingsFile(p), p.OwnerName; };
            write = WriteSettingsFile;
        } else if (file == "OLD.AC") {
            bytes = aircraft(48, field);
            read = [](PlanState& p) { return LoadAircraft(p), p.ACType; };
            write = WriteAircraft;
        }
        put(file, bytes);
        const QList<QByteArray> before = lines(file);

        PlanState s = state(), again = state();
        s.ACFileName = again.ACFileName = file;
        const QString got = read(s);
        write(s);
        QCOMPARE(read(again), got);
        QVERIFY(again.ACSpeed == s.ACSpeed && again.ACFuelFlow == s.ACFuelFlow);
        QList<QByteArray> after = lines(file);
        if (file == "OLD.AC") QCOMPARE(after.takeFirst(), QByteArray(" 48\r"));
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
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
