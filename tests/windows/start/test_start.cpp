// The start routine's file steps: a damaged or missing mandatory file ends the start with a
// message that names it; a damaged aircraft only leaves no aircraft, a damaged limits file the
// default limits. How each file is read is pinned in tests/core.
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/start/Start.h"

using namespace tx;
using namespace tx::test;

class TestStart : public QObject {
    Q_OBJECT

  private slots:
    void mandatoryFiles_data() {
        addColumns<QString, QByteArray>("file", "bytes");  // no bytes: the file is removed
        addRow("database missing", "data.mdb", QByteArray());
        addRow("database not a database", "data.mdb", QByteArray("not a database, just text\r\n"));
        addRow("settings cut short", "TARVEX.DAT", QByteArray("\"Owner\",\"Street\"\r\n"));
        addRow("zones missing", "TZONES.DAT", QByteArray());
    }
    void mandatoryFiles() {
        auto [file, bytes] = fetch<QString, QByteArray>("file", "bytes");
        TestProgram prog;
        QVERIFY(prog.started());
        const QString path = QDir(prog.dir()).filePath(file);
        QVERIFY(bytes.isEmpty() ? QFile::remove(path) : prog.writeFile(file, bytes));

        PlanState s;
        s.ProgramDir = prog.dir();
        AirportDatabase adb;
        FakePlatform platform;
        TripLimits limits;
        QVERIFY(!OpenStart(s, adb, platform, limits));
        QCOMPARE(platform.messages.size(), 1);
        const FakePlatform::Message& m = platform.messages.first();
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(path)), qPrintable(m.text));
        QCOMPARE(m.buttons, Platform::Buttons::OK);
        QVERIFY(!adb.db.isOpen());
        // Nothing was created in place of a missing file.
        QCOMPARE(QFile::exists(path), !bytes.isEmpty());
    }

    // A restore cut short between its renames left no data.mdb: its kept copy is put back, and
    // the user is told so; the copy in progress is removed.
    void keptDatabasePutBack() {
        TestProgram prog;
        QDir dir(prog.dir());
        QVERIFY(prog.started() && dir.rename("data.mdb", "data.mdb.2027-01-14-090000.bak"));
        QVERIFY(prog.writeFile("data.mdb.Ab12Cd.part", "half a copy"));
        QVERIFY(prog.writeFile(".tarvex-Ab12Cd", "half a TARVEX.DAT"));
        prog.adb.db.close();

        PlanState s;
        s.ProgramDir = prog.dir();
        AirportDatabase adb;
        FakePlatform platform;
        TripLimits limits;
        QVERIFY(OpenStart(s, adb, platform, limits));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.first().text.contains("put back"),
                 qPrintable(platform.messages.first().text));
        QCOMPARE(dir.entryList({"data.mdb*", ".tarvex-*"}, QDir::Files | QDir::Hidden),
                 QStringList{"data.mdb"});
        QVERIFY(adb.db.isOpen());
    }

    // A damaged aircraft only leaves no aircraft; a damaged limits file is named in a message
    // and the default limits are used. The program starts either way.
    void optionalFiles_data() {
        addColumns<QString, QByteArray, bool, int>("file", "bytes", "message", "groundTime");
        const QByteArray limits =
            "\"Minimum ground time\",0:45\r\n\"Show time\",1:00\r\n"
            "\"Post-flight time\",0:15\r\n\"Minimum rest\",10:00\r\n";
        addRow("aircraft cut short", "TEST.AC", QByteArray(" 20\r\nCut short\r\n"), false, 30);
        addRow("limits read", "TXLimits.DAT",
               limits + "\"Duty limit\",14:00\r\n\"Flight-time limit\",10:00\r\n", false, 45);
        addRow("a limit out of its range", "TXLimits.DAT",
               limits + "\"Duty limit\",25:00\r\n\"Flight-time limit\",10:00\r\n", true, 30);
    }
    void optionalFiles() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, message);
        QFETCH(int, groundTime);
        TestProgram prog;
        QVERIFY(prog.started() && prog.writeFile(file, bytes));

        PlanState s;
        s.ProgramDir = prog.dir();
        AirportDatabase adb;
        FakePlatform platform;
        TripLimits limits;
        limits.minutes.fill(1);
        QVERIFY(OpenStart(s, adb, platform, limits));
        QVERIFY(adb.db.isOpen());
        QCOMPARE(platform.messages.size(), message ? 1 : 0);
        if (message)
            QVERIFY(platform.messages[0].text.contains(
                QDir::toNativeSeparators(QDir(prog.dir()).filePath(file))));
        QCOMPARE(limits[TripLimit::MinGround], groundTime);
        QCOMPARE(limits[TripLimit::Duty], 14 * 60);
        QCOMPARE(s.ACFileName.isEmpty(), file == "TEST.AC");
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
