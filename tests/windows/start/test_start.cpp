// The start: the routine's file steps, where a damaged or missing mandatory file ends the start
// with a message that names it, a damaged aircraft only leaves no aircraft and a damaged limits
// file the default limits (how each file is read is pinned in tests/core); then the splash and
// the disclaimer, and how they lead into the main planning window (the owner shown on the splash
// is checked in test_trip_planning, the disclaimer's letters in test_mnemonics).
#include <QElapsedTimer>
#include <QPushButton>
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/start/Disc.h"
#include "windows/start/Intro.h"
#include "windows/start/Start.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;
using namespace Qt::Literals;

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
    std::unique_ptr<TestProgram> prog;

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
    }
    void cleanup() { prog.reset(); }

    // One file of the program directory removed (no bytes) or written, then the start: a missing
    // or damaged mandatory file ends it with a message that names the file, and nothing is
    // created in place of a missing one; a damaged aircraft only leaves no aircraft; a damaged
    // limits file is named in a message and the default limits are used.
    void files_data() {
        addColumns<QString, QByteArray, bool, bool, int>("file", "bytes", "starts", "named",
                                                         "groundTime");
        const auto limits = [](const char* duty) {
            return "\"Minimum ground time\",0:45\r\n\"Show time\",1:00\r\n\"Post-flight time\","
                   "0:15\r\n\"Minimum rest\",10:00\r\n\"Duty limit\"," +
                   QByteArray(duty) + "\r\n\"Flight-time limit\",10:00\r\n";
        };
        addRow("database missing", "data.mdb", QByteArray(), false, true, 0);
        addRow("settings cut short", "TARVEX.DAT", "\"Owner\",\"Street\"\r\n"_ba, false, true, 0);
        addRow("zones missing", "TZONES.DAT", QByteArray(), false, true, 0);
        addRow("aircraft cut short", "TEST.AC", " 20\r\nCut short\r\n"_ba, true, false, 30);
        addRow("limits read", "TXLimits.DAT", limits("14:00"), true, false, 45);
        addRow("a limit out of its range", "TXLimits.DAT", limits("25:00"), true, true, 30);
    }
    void files() {
        auto [file, bytes, starts, named, groundTime] = fetch<QString, QByteArray, bool, bool, int>(
            "file", "bytes", "starts", "named", "groundTime");
        const QString path = QDir(prog->dir()).filePath(file);
        QVERIFY(bytes.isEmpty() ? QFile::remove(path) : prog->writeFile(file, bytes));
        Start start(prog->dir());
        // Started, the database open, the messages, the file there.
        QCOMPARE(QList<int>({start.started, start.adb.db.isOpen(),
                             int(start.platform.messages.size()), QFile::exists(path)}),
                 QList<int>({starts, starts, named, !bytes.isEmpty()}));
        if (named) {
            const FakePlatform::Message& m = start.platform.messages.first();
            VerifyHolds(m.text, {QDir::toNativeSeparators(path)});
            QCOMPARE(m.buttons, Platform::Buttons::OK);
        }
        if (!starts) return;
        QVERIFY(start.limits[TripLimit::Duty] == 14 * 60 &&
                start.s.ACFileName.isEmpty() == (file == "TEST.AC"));
        QCOMPARE(start.limits[TripLimit::MinGround], groundTime);
    }

    // A restore cut short between its renames left no data.mdb: its kept copy is put back, and
    // the user is told so; the copy in progress is removed.
    void keptDatabasePutBack() {
        QDir dir(prog->dir());
        QVERIFY(dir.rename("data.mdb", "data.mdb.2027-01-14-090000.bak"));
        QVERIFY(prog->writeFile("data.mdb.Ab12Cd.part", "half a copy") &&
                prog->writeFile(".tarvex-Ab12Cd", "half a TARVEX.DAT"));
        prog->adb.db.close();
        Start start(prog->dir());
        QVERIFY(start.started && start.adb.db.isOpen() && start.platform.messages.size() == 1);
        VerifyHolds(start.platform.messages.first().text, {"put back"});
        QCOMPARE(dir.entryList({"data.mdb*", ".tarvex-*"}, QDir::Files | QDir::Hidden),
                 QStringList{"data.mdb"});
    }

    // The splash gives way to the disclaimer after three seconds, or at once when it is closed.
    void splash_data() {
        addColumns<bool>("closed");
        addRow("after three seconds", false);
        addRow("closed early", true);
    }
    void splash() {
        QFETCH(bool, closed);
        QElapsedTimer clock;
        clock.start();
        prog->app->ShowStartWindows();
        QPointer<Intro> intro = prog->app->intro();
        Disc* disc = prog->app->disc();  // loaded, not shown
        QVERIFY(intro && intro->isVisible() && disc && disc->isHidden());
        if (closed) intro->close();
        QTRY_VERIFY_WITH_TIMEOUT(disc->isVisible(), 6000);
        QVERIFY2((clock.elapsed() >= 3000) != closed, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(!intro && !prog->app->tripPlanning());  // unloaded, the next not loaded
    }

    void disclaimerAnswers_data() {
        addColumns<QString, bool>("answer", "withAircraft");
        addRow("Yes", "Yes", true);
        addRow("Return on Yes", "Return", true);
        addRow("Yes, no aircraft chosen", "Yes", false);
        addRow("Exit", "Exit", true);
        addRow("window closed", "close", true);
    }
    void disclaimerAnswers() {
        auto [answer, withAircraft] = fetch<QString, bool>("answer", "withAircraft");
        if (!withAircraft) {
            prog = std::make_unique<TestProgram>(ProgramOptions{false});
            QVERIFY(prog->started());
        }
        Disc& disc = prog->app->LoadDisc();
        disc.show();
        QVERIFY(QTest::qWaitForWindowActive(&disc));
        disc.move(37, 53);
        const QString first = focusName();  // Yes has the focus, Exit comes next
        QTest::keyClick(disc.cmdDiscYes, Qt::Key_Tab);
        QCOMPARE(first + ' ' + focusName(), QString("cmdDiscYes cmdDiscExit"));
        if (answer == "close") {
            disc.close();
        } else if (answer == "Return") {
            QTest::keyClick(disc.cmdDiscExit, Qt::Key_Tab);
            QTest::keyClick(disc.cmdDiscYes, Qt::Key_Return);
            answer = "Yes";
        } else {
            QTest::mouseClick(answer == "Yes" ? disc.cmdDiscYes : disc.cmdDiscExit, Qt::LeftButton);
        }
        TripPlanning* planning = prog->app->tripPlanning();
        const bool yes = answer == "Yes";
        QVERIFY(disc.isHidden() && prog->quitCalls == int(!yes) && prog->adb.db.isOpen() == yes);
        QCOMPARE(planning && planning->isVisible(), yes);
        if (!yes) return;
        QCOMPARE(planning->pos(), QPoint(37, 53));  // where the disclaimer stood
        // Without an aircraft a warning comes at once, and again when a leg is begun.
        QVERIFY(QTest::qWaitForWindowActive(planning) && focusName() == "cmdContinuePlanning");
        QTest::mouseClick(planning->cmdContinuePlanning, Qt::LeftButton);
        const QStringList shown = prog->shownMessages();
        QCOMPARE(focusName() + QString::number(shown.size()), withAircraft ? "txtLeg0" : "txtLeg2");
        if (withAircraft) return;
        QCOMPARE(shown[0],
                 "Warning!: Before continuing, you must select an AIRCRAFT.  Select "
                 "<Settings> above then <Select/Change Aircraft>.\n" +
                     QDir::toNativeSeparators(prog->dir()) + "/TXDefAC.DAT: the file is missing");
        QCOMPARE(shown[1], QString("Warning!: You must select an AIRCRAFT.  Click <Cancel> below "
                                   "then select <Settings>, then <Select/Change Aircraft>."));
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
