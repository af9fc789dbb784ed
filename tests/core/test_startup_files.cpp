#include <QTemporaryDir>
#include <QtTest>

#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"

using namespace tx;

namespace {

QByteArray zones(int rows) {
    QByteArray b = "\"Zones\",\"a\",\"b\",\"c\",\"d\",\"12/31/2027\",\"e\",\"f\",\"g\"," +
                   QByteArray::number(rows) + "\r\n";
    for (int r = 1; r <= rows; ++r) b += "\"Z" + QByteArray::number(r) + "\",3.14,11.07\r\n";
    return b;
}

// A current-layout file with rows 0..n: speed 200 + 10k, flow 900 - 10k.
QByteArray currentLayout(int n) {
    QByteArray b = " " + QByteArray::number(n) + "\r\nSample Jet\r\nline two\r\n";
    for (int k = 0; k <= n; ++k) b += " " + QByteArray::number(200 + 10 * k) + "\r\n";
    for (int k = 0; k <= n; ++k) b += " " + QByteArray::number(900 - 10 * k) + "\r\n";
    return b + " 5000\r\n 1200\r\n";
}

// An older-layout file (no row count, rows 0..48): speed 150 + k, flow 600 - k.
QByteArray olderLayout(const QByteArray& type = "Old Sample") {
    QByteArray b = type + "\r\nsecond\r\n";
    for (int k = 0; k <= 48; ++k) b += " " + QByteArray::number(150 + k) + "\r\n";
    for (int k = 0; k <= 48; ++k) b += " " + QByteArray::number(600 - k) + "\r\n";
    return b + " 3000\r\n 800\r\n";
}

// Blank lines up to a size in bytes: readers never get past the fields before them.
QByteArray padded(const QByteArray& b, qsizetype size) {
    return b + QByteArray(size - b.size(), '\n');
}

const QByteArray SettingsLine = "\"n\",\"a\",\"c\",\"p\",\"\",\"10\",\"e\",\"\",\"\",\"\",\"\"";
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
    void put(const QString& name, const QByteArray& bytes) {
        QFile f(QDir(dir_).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) {
        QFile f(QDir(dir_).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(dir_ + "/sub")); }

    // One file of the start replaced (a null text removes it): "zone rows, last code and end
    // date | aircraft | why it is not loaded", or the message that stops the start.
    void startFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("want");
        const auto row = [](const char* tag, const char* file, const QByteArray& b, QString w) {
            QTest::newRow(tag) << file << b << w;
        };
        const char* Z = "TZONES.DAT";
        const char* D = "TXDefAC.DAT";
        row("no zone rows", Z, zones(0), " 0|GOOD.AC|");
        row("48 zone rows", Z, zones(48), "Z48 11.07|GOOD.AC|");
        row("49 zone rows", Z, zones(49),
            "TZONES.DAT: the table holds 49 zone rows; at most 48 are allowed");
        row("negative count", Z, zones(0).replace(",0\r", ",-1\r"),
            "TZONES.DAT: the table holds -1 zone rows; at most 48 are allowed");
        row("fewer zone rows", Z, zones(3).replace(",3\r", ",4\r"),
            "TZONES.DAT: the file ends too early (field 20)");
        row("date not a number", Z, zones(2).replace("11.07", "Nov 7"),
            "TZONES.DAT: \"Nov 7\" is not a number (field 13)");
        row("10 settings", "TARVEX.DAT", SettingsLine.chopped(3),
            "TARVEX.DAT: the file ends too early (field 11)");
        row("settings over 1 MB", "TARVEX.DAT", padded(SettingsLine, MB + 1),
            "TARVEX.DAT: the file is larger than 1 MB");
        // The default aircraft: the start goes on without one and keeps the reason.
        row("aircraft in 1 MB", D, padded("GOOD.AC", MB), "Z2 11.07|GOOD.AC|");
        row("no TXDefAC.DAT", D, QByteArray(), "Z2 11.07||TXDefAC.DAT: the file is missing");
        row("empty TXDefAC.DAT", D, "", "Z2 11.07||TXDefAC.DAT: the file ends too early (field 1)");
        row("names nothing", D, "\r\n", "Z2 11.07||TXDefAC.DAT: no aircraft file is named");
        row("TXDefAC.DAT over 1 MB", D, padded("GOOD.AC", MB + 1),
            "Z2 11.07||TXDefAC.DAT: the file is larger than 1 MB");
        row("names a file outside", D, "../outside.AC",
            "Z2 11.07||TXDefAC.DAT: \"../outside.AC\" is not a plain file name in the program "
            "directory");
        row("names a missing file", D, "NONE.AC", "Z2 11.07||NONE.AC: the file is missing");
        row("names a damaged file", D, "BAD.AC",
            "Z2 11.07||BAD.AC: the file ends too early (field 7)");
    }
    void startFiles() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, want);
        put("TARVEX.DAT", SettingsLine);
        put("TZONES.DAT", zones(2));
        put("TXDefAC.DAT", "GOOD.AC\r\n");
        put("GOOD.AC", currentLayout(5));
        put("BAD.AC", currentLayout(5).left(40));
        put("../outside.AC", currentLayout(5));
        QFile::remove(QDir(dir_).filePath(file));
        if (!bytes.isNull()) put(file, bytes);
        PlanState s = state();
        try {
            LoadStartFiles(s);
            QCOMPARE(s.VersionText + s.TaxiDefault + s.TZExpiry,
                     QString(" Tarvex  (ver 3.1.4) 1012/31/2027"));
            QCOMPARE(s.ACFileLoaded + s.ACType, s.ACFileName + (s.ACRows ? "Sample Jet" : ""));
            QCOMPARE(QString("%1 %2|%3|%4")
                         .arg(s.TZCode[s.TZRows], NumText(s.TZDSTEnd[s.TZRows]), s.ACFileName,
                              s.AircraftLoadError),
                     want);
        } catch (const FileError& e) {
            QCOMPARE(e.message(), want);
            QCOMPARE(s.TZRows, 0);
        }
    }

    // Read one field per line, written back with the reserved fields unchanged.
    void settingsRewritten() {
        QByteArray perLine = SettingsLine;
        perLine.replace(",", "\r\n").replace("\"\"\r\n\"10\"", "\"keep, 5\"\r\n\"10\"");
        put("TARVEX.DAT", perLine + "\r\n");
        PlanState s = state();
        ReadSettingsFile(s);
        s.TaxiDefault = Str(15);
        WriteSettingsFile(s);
        QCOMPARE(read("TARVEX.DAT"), perLine.replace("\"10\"", "\" 15\"") + "\r\n");
    }

    // The first field is a row count only when the whole field is a number.
    void aircraftLayouts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("want");  // rows, type, last speed, first flow, reserve
        QTest::newRow("100 rows") << currentLayout(100) << "100|Sample Jet|1200|900|1200";
        QTest::newRow("older") << olderLayout() << "48|Old Sample|198|600|800";
        QTest::newRow("older, 9 SEAT") << olderLayout("9 SEAT") << "48|9 SEAT|198|600|800";
        QTest::newRow("older, 727-200") << olderLayout("727-200") << "48|727-200|198|600|800";
    }
    void aircraftLayouts() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, want);
        put("T.AC", bytes);
        PlanState s = state();
        s.ACFileName = "T.AC";
        LoadAircraft(s);
        QCOMPARE(QString("%1|%2|%3|%4|%5")
                     .arg(s.ACRows)
                     .arg(s.ACType)
                     .arg(s.ACSpeed[s.ACRows])
                     .arg(s.ACFuelFlow[0])
                     .arg(s.ACReserve),
                 want);
        QCOMPARE(s.ACFileLoaded, QString("T.AC"));
    }

    // Refused with the file and the reason; the profile loaded before is untouched. A name
    // must be a plain file name of the program directory, even when the file it names exists.
    void aircraftRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const auto bad = [](const char* tag, const QByteArray& b, const QString& why) {
            QTest::newRow(tag) << "BAD.AC" << b << "BAD.AC: " + why;
        };
        const auto name = [](const char* tag, const QString& n, const QString& shown) {
            QTest::newRow(tag) << n << currentLayout(5)
                               << "\"" + shown +
                                      "\" is not a plain file name in the program directory";
        };
        bad("ends early", currentLayout(20).chopped(8), "the file ends too early (field 47)");
        bad("letters", currentLayout(3).replace(" 210\r", " fast\r"),
            "\"fast\" is not a number (field 5)");
        bad("1e999", currentLayout(3).replace(" 210\r", " 1e999\r"),
            "\"1e999\" is not a number (field 5)");
        bad("nan", currentLayout(3).replace(" 890\r", " nan\r"),
            "\"nan\" is not a number (field 9)");
        bad("101 rows", currentLayout(101), "it has 101 table rows; at most 100 are allowed");
        bad("older ends early", olderLayout().left(200), "the file ends too early (field 33)");
        bad("over 1 MB", padded(currentLayout(5), MB + 1), "the file is larger than 1 MB");
        name("outside", "../outside.AC", "../outside.AC");
        name("in a folder", "sub/IN.AC", "sub/IN.AC");
        name("backslash", "sub\\IN.AC", "sub\\IN.AC");
        name("control character", "A\tB.AC", "A?B.AC");
        name("double quote", "A\"B.AC", "A\"B.AC");
        name("dot dot", "..", "..");
        name("256 bytes", QString(253, 'A') + ".AC", QString(253, 'A') + ".AC");
        QTest::newRow("empty") << "" << QByteArray() << "no aircraft file is named";
    }
    void aircraftRefused() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (!name.isEmpty() && name.size() < 255 && name != "..") put(name, bytes);
        put("GOOD.AC", currentLayout(5));
        PlanState s = state();
        s.ACFileName = "GOOD.AC";
        LoadAircraft(s);
        s.ACFileName = name;
        try {
            LoadAircraft(s);
            QFAIL("the file must be refused");
        } catch (const FileError& e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(s.ACFileLoaded + QString::number(s.ACRows) + QString::number(s.ACSpeed[5]),
                 QString("GOOD.AC5250"));
    }

    void olderFileRewrittenInCurrentLayout() {
        put("OLD.AC", olderLayout());
        PlanState s = state();
        s.ACFileName = "OLD.AC";
        LoadAircraft(s);
        s.ACReserve = 950;
        WriteAircraft(s);
        const QByteArray written = read("OLD.AC");
        QVERIFY(written.startsWith(" 48\r\nOld Sample\r\nsecond\r\n 150\r\n 151\r\n"));
        QVERIFY(written.endsWith(" 552\r\n 3000\r\n 950\r\n"));
        QCOMPARE(written.count("\r\n"), 1 + 2 + 49 + 49 + 2);
    }

    // Every file the program rewrites reads back what it wrote, a double quote (which no field
    // can carry) as an apostrophe: "line as written|text read back". Aircraft texts and file
    // names stay bare when they can.
    void writtenReadsBack_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("want");
        const auto row = [](const char* tag, const char* file, const char* text, const char* w) {
            QTest::newRow(tag) << file << text << w;
        };
        row("settings, double quotes", "TARVEX.DAT", "Joe \"Ace\"", "\"Joe 'Ace'\"|Joe 'Ace'");
        row("settings, two lines", "TARVEX.DAT", "Suite 4\r\nDock 2",
            "\"Suite 4|Suite 4\r\nDock 2");
        row("aircraft, plain", "T.AC", "Sample Jet", "Sample Jet|Sample Jet");
        row("aircraft, comma", "T.AC", "Jet, Series 2", "\"Jet, Series 2\"|Jet, Series 2");
        row("aircraft, outer blanks", "T.AC", "  Jet ", "\"  Jet \"|  Jet ");
        row("aircraft, leading quote", "T.AC", "\"Fast\" Jet", "'Fast' Jet|'Fast' Jet");
        row("aircraft, empty", "T.AC", "", "|");
        row("default aircraft, plain", "TXDefAC.DAT", "LJ-35.AC", "LJ-35.AC|LJ-35.AC");
        row("default aircraft, comma", "TXDefAC.DAT", "Jet, 2.AC", "\"Jet, 2.AC\"|Jet, 2.AC");
    }
    void writtenReadsBack() {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, want);
        PlanState s = state(), again = state();
        QString back;
        if (file == "TARVEX.DAT") {
            s.OwnerName = text;
            WriteSettingsFile(s);
            ReadSettingsFile(again);
            back = again.OwnerName;
        } else if (file == "T.AC") {
            s.ACFileName = again.ACFileName = file;
            s.ACRows = 1;
            s.ACType = text;
            WriteAircraft(s);
            LoadAircraft(again);
            back = again.ACType + (again.ACRows == 1 ? "" : "(rows lost)");
        } else {
            s.ACFileName = text;
            WriteDefaultAircraftFile(s);
            back = ReadDefaultAircraftFile(again);
        }
        const QString line = read(file).split('\n').value(file == "T.AC" ? 1 : 0).chopped(1);
        QCOMPARE(line + '|' + back, want);
    }

    // Slots 0..25; nothing outside them.
    void legSlots() {
        PlanState s;
        s.leg(0).DepID = s.leg(25).DepID = "KDEN";
        QCOMPARE(std::as_const(s).leg(25).DepID, QString("KDEN"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, s.leg(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, std::as_const(s).leg(26));
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
