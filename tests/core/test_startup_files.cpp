#include <QTemporaryDir>
#include <QtTest>

#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"

using namespace tx;

namespace {

void put(const QString& dir, const QString& name, const QByteArray& bytes) {
    QFile f(QDir(dir).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray read(const QString& dir, const QString& name) {
    QFile f(QDir(dir).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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

QByteArray olderLayout() {
    QByteArray b = "Old Sample\r\nsecond\r\n";
    for (int k = 0; k <= 48; ++k) b += " " + QByteArray::number(150 + k) + "\r\n";
    for (int k = 0; k <= 48; ++k) b += " " + QByteArray::number(600 - k) + "\r\n";
    return b + " 3000\r\n 800\r\n";
}

}  // namespace

class TestStartupFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    PlanState state() {
        PlanState s;
        s.ProgramDir = dir_.path();
        return s;
    }

  private slots:
    void settingsOneLineOrOnePerLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QList<QByteArray> f = {
            "Acme Air",        "1 Main St", "Anytown, CO", "555-0100", "r5", "10",
            "ops@example.com", "r8",        "r9",          "r10",      "r11"};
        QByteArray perLine, oneLine;
        for (const QByteArray& x : f) perLine += "\"" + x + "\"\r\n";
        for (int i = 0; i < f.size(); ++i) oneLine += (i ? "," : "") + ("\"" + f[i] + "\"");
        QTest::newRow("one per line") << perLine;
        QTest::newRow("one line") << oneLine + "\r\n";
        QTest::newRow("two lines, LF")
            << perLine.left(0) +
                   "\"Acme Air\",\"1 Main St\",\"Anytown, "
                   "CO\",\"555-0100\",\"r5\",\"10\"\n\"ops@example.com\","
                   "\"r8\",\"r9\",\"r10\",\"r11\"\n";
    }
    void settingsOneLineOrOnePerLine() {
        QFETCH(QByteArray, bytes);
        put(dir_.path(), "TARVEX.DAT", bytes);
        PlanState s = state();
        ReadSettingsFile(s);
        QCOMPARE(s.OwnerName, QString("Acme Air"));
        QCOMPARE(s.OwnerCityState, QString("Anytown, CO"));
        QCOMPARE(s.OwnerPhone, QString("555-0100"));
        QCOMPARE(s.TaxiDefault, QString("10"));
        QCOMPARE(s.OwnerEmail, QString("ops@example.com"));
        QCOMPARE(s.Reserved5, QString("r5"));
        QCOMPARE(s.Reserved8to11[3], QString("r11"));
    }

    void settingsWriterKeepsReservedFields() {
        const QByteArray original =
            "\"Acme Air\"\r\n\"1 Main St\"\r\n\"Anytown, CO\"\r\n\"555-0100\"\r\n\"keep 5\"\r\n"
            "\"10\"\r\n\"ops@example.com\"\r\n\"keep 8\"\r\n\"\"\r\n\"keep, 10\"\r\n\"keep "
            "11\"\r\n";
        put(dir_.path(), "TARVEX.DAT", original);
        PlanState s = state();
        ReadSettingsFile(s);
        s.TaxiDefault = Str(15);
        WriteSettingsFile(s);
        QByteArray expected = original;
        expected.replace("\"10\"", "\" 15\"");
        QCOMPARE(read(dir_.path(), "TARVEX.DAT"), expected);
    }

    void timeZoneRows_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("48, the limit") << 48;
    }
    void timeZoneRows() {
        QFETCH(int, rows);
        put(dir_.path(), "TZONES.DAT", zones(rows));
        PlanState s = state();
        ReadTimeZoneFile(s);
        QCOMPARE(int(s.TZRows), rows);
        QCOMPARE(s.TZExpiry, QString("12/31/2027"));
        QCOMPARE(s.TZCode[rows], rows ? "Z" + QString::number(rows) : QString());
        QCOMPARE(s.TZDSTStart[rows], rows ? 3.14 : 0.0);
        QCOMPARE(s.TZDSTEnd[rows], rows ? 11.07 : 0.0);
    }

    void timeZoneDamaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("49 rows") << zones(49);
        QTest::newRow("negative count") << zones(0).replace(",0\r\n", ",-1\r\n");
        QTest::newRow("fewer rows than counted") << zones(3).replace(",3\r\n", ",4\r\n");
        QTest::newRow("date not a number") << zones(2).replace("11.07", "Nov 7");
        QTest::newRow("empty file") << QByteArray();
    }
    void timeZoneDamaged() {
        QFETCH(QByteArray, bytes);
        put(dir_.path(), "TZONES.DAT", bytes);
        PlanState s = state();
        QVERIFY_THROWS_EXCEPTION(FileError, ReadTimeZoneFile(s));
        QCOMPARE(s.TZRows, 0);
    }

    void aircraftLayouts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("lastSpeed");
        QTest::newRow("current, 20 rows") << currentLayout(20) << 20 << "Sample Jet" << 400.0;
        QTest::newRow("current, 100 rows") << currentLayout(100) << 100 << "Sample Jet" << 1200.0;
        QTest::newRow("older, 49 rows") << olderLayout() << 48 << "Old Sample" << 198.0;
    }
    void aircraftLayouts() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        QFETCH(QString, type);
        QFETCH(double, lastSpeed);
        put(dir_.path(), "T.AC", bytes);
        PlanState s = state();
        s.ACFileName = "T.AC";
        LoadAircraft(s);
        QCOMPARE(int(s.ACRows), rows);
        QCOMPARE(s.ACType, type);
        QCOMPARE(s.ACSpeed[rows], lastSpeed);
        QCOMPARE(s.ACFileLoaded, QString("T.AC"));
        const bool older = type.startsWith("Old");
        QCOMPARE(s.ACMaxFuel, older ? 3000.0 : 5000.0);
        QCOMPARE(s.ACReserve, older ? 800.0 : 1200.0);
        QCOMPARE(s.ACFuelFlow[0], older ? 600.0 : 900.0);
    }

    void aircraftDamaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ends early") << currentLayout(20).left(currentLayout(20).size() - 8);
        QTest::newRow("letters for a speed") << currentLayout(3).replace(" 210\r\n", " fast\r\n");
        QTest::newRow("101 rows") << currentLayout(101);
        QTest::newRow("40000 rows") << currentLayout(2).replace(" 2\r\n", " 40000\r\n");
        QTest::newRow("older file ends early") << olderLayout().left(200);
    }
    void aircraftDamaged() {
        QFETCH(QByteArray, bytes);
        put(dir_.path(), "BAD.AC", bytes);
        put(dir_.path(), "GOOD.AC", currentLayout(5));
        PlanState s = state();
        s.ACFileName = "GOOD.AC";
        LoadAircraft(s);
        s.ACFileName = "BAD.AC";
        QVERIFY_THROWS_EXCEPTION(FileError, LoadAircraft(s));
        // The profile loaded before is untouched: nothing half-loaded.
        QCOMPARE(s.ACFileLoaded, QString("GOOD.AC"));
        QCOMPARE(int(s.ACRows), 5);
        QCOMPARE(s.ACSpeed[5], 250.0);
        QCOMPARE(s.ACReserve, 1200.0);
    }

    void olderFileRewrittenInCurrentLayout() {
        put(dir_.path(), "OLD.AC", olderLayout());
        PlanState s = state();
        s.ACFileName = "OLD.AC";
        LoadAircraft(s);
        s.ACReserve = 950;
        WriteAircraft(s);
        const QByteArray written = read(dir_.path(), "OLD.AC");
        QVERIFY(written.startsWith(" 48\r\nOld Sample\r\nsecond\r\n 150\r\n 151\r\n"));
        QVERIFY(written.endsWith(" 552\r\n 3000\r\n 950\r\n"));
        QCOMPARE(written.count("\r\n"), 1 + 2 + 49 + 49 + 2);
        PlanState again = state();
        again.ACFileName = "OLD.AC";
        LoadAircraft(again);
        QCOMPARE(int(again.ACRows), 48);
        QCOMPARE(again.ACSpeed, s.ACSpeed);
        QCOMPARE(again.ACFuelFlow, s.ACFuelFlow);
        QCOMPARE(again.ACReserve, 950.0);
    }

    void startFiles_data() {
        QTest::addColumn<QByteArray>("defAC");
        QTest::addColumn<QString>("acFile");
        QTest::addColumn<QString>("type");
        QTest::newRow("aircraft loads") << QByteArray("GOOD.AC\r\n") << "GOOD.AC"
                                        << "Sample Jet";
        QTest::newRow("named file missing") << QByteArray("NONE.AC\r\n") << ""
                                            << "";
        QTest::newRow("named file damaged") << QByteArray("BAD.AC\r\n") << ""
                                            << "";
    }
    void startFiles() {
        QFETCH(QByteArray, defAC);
        QFETCH(QString, acFile);
        QFETCH(QString, type);
        put(dir_.path(), "TARVEX.DAT",
            "\"n\",\"a\",\"c\",\"p\",\"\",\"10\",\"e\",\"\",\"\",\"\",\"\"");
        put(dir_.path(), "TZONES.DAT", zones(2));
        put(dir_.path(), "TXDefAC.DAT", defAC);
        put(dir_.path(), "GOOD.AC", currentLayout(5));
        put(dir_.path(), "BAD.AC", currentLayout(5).left(40));
        QFile::remove(QDir(dir_.path()).filePath("NONE.AC"));
        PlanState s = state();
        LoadStartFiles(s);
        QCOMPARE(s.VersionText, QString(" Tarvex  (ver 3.1.4) "));
        QCOMPARE(s.TaxiDefault, QString("10"));
        QCOMPARE(int(s.TZRows), 2);
        QCOMPARE(s.ACFileName, acFile);
        QCOMPARE(s.ACType, type);
        QCOMPARE(s.ACFileLoaded, acFile);
    }

    void defaultAircraftWrittenBare() {
        PlanState s = state();
        s.ACFileName = "SAMPLE-LJ.AC";
        WriteDefaultAircraftFile(s);
        QCOMPARE(read(dir_.path(), "TXDefAC.DAT"), QByteArray("SAMPLE-LJ.AC\r\n"));
        QCOMPARE(ReadDefaultAircraftFile(s), QString("SAMPLE-LJ.AC"));
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "test_startup_files.moc"
