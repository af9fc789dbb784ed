// The start routine's file steps: a damaged or missing mandatory file ends the start with a
// message that names it; a damaged aircraft only leaves no aircraft, a damaged limits file the
// default limits. How each file is read is pinned in tests/core.
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/start/Start.h"

using namespace tx;
using namespace tx::test;

namespace {

// The start routine run on a program directory, with limits that no file gives.
struct Start {
    PlanState s;
    AirportDatabase adb;
    FakePlatform platform;
    TripLimits limits;
    bool started;
    explicit Start(const QString& dir) {
        s.ProgramDir = dir;
        limits.minutes.fill(1);
        started = OpenStart(s, adb, platform, limits);
    }
};

}  // namespace

class TestStart : public QObject {
    Q_OBJECT

  private slots:
    void mandatoryFiles_data() {
        addColumns<QString, QByteArray>("file", "bytes");  // no bytes: the file is removed
        addRow("database missing", "data.mdb", QByteArray());
        addRow("settings cut short", "TARVEX.DAT", QByteArray("\"Owner\",\"Street\"\r\n"));
        addRow("zones missing", "TZONES.DAT", QByteArray());
    }
    void mandatoryFiles() {
        auto [file, bytes] = fetch<QString, QByteArray>("file", "bytes");
        TestProgram prog;
        QVERIFY(prog.started());
        const QString path = QDir(prog.dir()).filePath(file);
        QVERIFY(bytes.isEmpty() ? QFile::remove(path) : prog.writeFile(file, bytes));
        Start start(prog.dir());
        QVERIFY(!start.started && !start.adb.db.isOpen() && start.platform.messages.size() == 1);
        const FakePlatform::Message& m = start.platform.messages.first();
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(path)), qPrintable(m.text));
        QCOMPARE(m.buttons, Platform::Buttons::OK);
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
        Start start(prog.dir());
        QVERIFY(start.started && start.adb.db.isOpen() && start.platform.messages.size() == 1);
        VerifyHolds(start.platform.messages.first().text, {"put back"});
        QCOMPARE(dir.entryList({"data.mdb*", ".tarvex-*"}, QDir::Files | QDir::Hidden),
                 QStringList{"data.mdb"});
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
        auto [file, bytes, message, groundTime] =
            fetch<QString, QByteArray, bool, int>("file", "bytes", "message", "groundTime");
        TestProgram prog;
        QVERIFY(prog.started() && prog.writeFile(file, bytes));
        Start start(prog.dir());
        QVERIFY(start.started && start.adb.db.isOpen());
        QCOMPARE(start.platform.messages.size(), message ? 1 : 0);
        if (message)
            VerifyHolds(start.platform.messages[0].text,
                        {QDir::toNativeSeparators(QDir(prog.dir()).filePath(file))});
        QVERIFY(start.limits[TripLimit::Duty] == 14 * 60 &&
                start.s.ACFileName.isEmpty() == (file == "TEST.AC"));
        QCOMPARE(start.limits[TripLimit::MinGround], groundTime);
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
