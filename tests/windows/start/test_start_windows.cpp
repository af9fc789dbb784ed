// The splash and the disclaimer, and how they lead into the main planning window. The owner shown
// on the splash is checked in test_trip_planning, the disclaimer's letters in test_mnemonics.
#include <QElapsedTimer>
#include <QPushButton>
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/start/Disc.h"
#include "windows/start/Intro.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestStartWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

  private slots:
    void cleanup() { prog.reset(); }

    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
    }

    void disclaimerFollowsSplashAfterThreeSeconds() {
        QElapsedTimer clock;
        clock.start();
        prog->app->ShowStartWindows();
        QPointer<Intro> intro = prog->app->intro();
        Disc* disc = prog->app->disc();  // loaded, not shown
        QVERIFY(intro && intro->isVisible() && disc && disc->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(disc->isVisible(), 6000);
        QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(!intro && !prog->app->tripPlanning());  // unloaded, the next not loaded
    }

    // Closing the splash early goes on to the disclaimer at once.
    void closingTheSplashShowsTheDisclaimer() {
        prog->app->ShowStartWindows();
        QPointer<Intro> intro = prog->app->intro();
        intro->close();
        QVERIFY(prog->app->disc()->isVisible());
        QTRY_VERIFY(!intro);
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
        // Yes has the focus, Exit comes next.
        QCOMPARE(focusName(), QString("cmdDiscYes"));
        QTest::keyClick(disc.cmdDiscYes, Qt::Key_Tab);
        QCOMPARE(focusName(), QString("cmdDiscExit"));
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

QTEST_MAIN(TestStartWindows)
#include "test_start_windows.moc"
