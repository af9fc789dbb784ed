// The splash and the disclaimer, and how they lead into the main planning window.
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "output/TripPlanning.h"
#include "settings/AppWindows.h"
#include "settings/Disc.h"
#include "settings/Intro.h"
#include "support/TestProgram.h"

using namespace tx;
using namespace tx::test;

namespace {

const QString kVersion = " Tarvex  (ver 3.1.4) ";

QString captionOf(const QObject* o) {
    if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
    return {};
}

}  // namespace

class TestStartWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

    void open(const ProgramOptions& options = {}) {
        prog = std::make_unique<TestProgram>(options);
        QVERIFY(prog->started());
    }

  private slots:
    void cleanup() { prog.reset(); }

    void splashShowsOwnerAndVersion() {
        open();
        prog->app->ShowStartWindows();
        Intro* intro = prog->app->intro();
        QVERIFY(intro && intro->isVisible());
        QCOMPARE(intro->lblTXName->text(), TestProgram::kOwnerName);
        QCOMPARE(intro->lblAddress->text(), TestProgram::kOwnerAddress);
        QCOMPARE(intro->lblCityState->text(), TestProgram::kOwnerCityState);
        QCOMPARE(intro->lblPhone->text(), "PH: " + TestProgram::kOwnerPhone);
        QCOMPARE(intro->lblEmail->text(), TestProgram::kOwnerEmail);
        QCOMPARE(intro->IntroLabel1->text(), kVersion);
        // The disclaimer is loaded, not shown; the main window does not exist yet.
        QVERIFY(prog->app->disc() && prog->app->disc()->isHidden());
        QVERIFY(!prog->app->tripPlanning());
    }

    void disclaimerFollowsAfterThreeSeconds() {
        open();
        QElapsedTimer clock;
        clock.start();
        prog->app->ShowStartWindows();
        QPointer<Intro> intro = prog->app->intro();
        QVERIFY(intro);
        QVERIFY(intro->IntroTimer->isSingleShot());
        QCOMPARE(intro->IntroTimer->interval(), 3000);
        Disc* disc = prog->app->disc();
        QTRY_VERIFY_WITH_TIMEOUT(disc->isVisible(), 6000);
        QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(!intro);  // unloaded
        QVERIFY(!prog->app->intro());
        QCOMPARE(disc->DiscLabel1->text(), kVersion);
        QVERIFY(!prog->app->tripPlanning());
    }

    void acceptingOpensPlanningInPlace_data() {
        QTest::addColumn<bool>("withAircraft");
        QTest::newRow("aircraft chosen") << true;
        QTest::newRow("no aircraft") << false;
    }
    void acceptingOpensPlanningInPlace() {
        QFETCH(bool, withAircraft);
        ProgramOptions o;
        o.withAircraft = withAircraft;
        open(o);
        Disc& disc = prog->app->LoadDisc();
        disc.show();
        QVERIFY(QTest::qWaitForWindowActive(&disc));
        disc.move(37, 53);
        QTest::mouseClick(disc.cmdDiscYes, Qt::LeftButton);
        TripPlanning* planning = prog->app->tripPlanning();
        QVERIFY(planning);
        QVERIFY(planning->isVisible());
        QVERIFY(disc.isHidden());
        QCOMPARE(planning->pos(), QPoint(37, 53));
        QCOMPARE(prog->app->WinLeft, 37.0f);
        QCOMPARE(prog->app->WinTop, 53.0f);
        QCOMPARE(planning->windowTitle(), kVersion);
        if (withAircraft) {
            QVERIFY(prog->platform.messages.isEmpty());
        } else {
            QCOMPARE(prog->platform.messages.size(), 1);
            const FakePlatform::Message& m = prog->platform.messages.first();
            QCOMPARE(m.title, QString("Warning!"));
            QCOMPARE(m.text, QString("Before continuing, you must select an AIRCRAFT.  Select "
                                     "<Settings> above then <Select/Change Aircraft>."));
            QCOMPARE(m.buttons, Platform::Buttons::OK);
        }
        QCOMPARE(prog->quitCalls, 0);
    }

    void decliningEndsTheProgram_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("Exit") << false;
        QTest::newRow("window closed") << true;
    }
    void decliningEndsTheProgram() {
        QFETCH(bool, byClosing);
        open();
        Disc& disc = prog->app->LoadDisc();
        disc.show();
        QVERIFY(QTest::qWaitForWindowActive(&disc));
        if (byClosing)
            disc.close();
        else
            QTest::mouseClick(disc.cmdDiscExit, Qt::LeftButton);
        QCOMPARE(prog->quitCalls, 1);
        QVERIFY(!prog->adb.db.isOpen());
        QVERIFY(disc.isHidden());
        QVERIFY(!prog->app->tripPlanning());
    }

    void nameContract_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* window, const char* name, const QString& caption) {
            QTest::newRow(qPrintable(QString("%1.%2").arg(window, name)))
                << QString(window) << QString(name) << caption;
        };
        row("Intro", "lblLogo", "TARVEX");
        row("Intro", "lblIntro1", "an Itinerary Planner for :");
        row("Intro", "lblIntro2", "Corporate  Aircraft");
        row("Intro", "lblTXName", TestProgram::kOwnerName);
        row("Intro", "lblAddress", TestProgram::kOwnerAddress);
        row("Intro", "lblCityState", TestProgram::kOwnerCityState);
        row("Intro", "lblPhone", "PH: " + TestProgram::kOwnerPhone);
        row("Intro", "lblEmail", TestProgram::kOwnerEmail);
        row("Intro", "IntroLabel1", kVersion);
        row("Disc", "lblLogo", "TARVEX");
        row("Disc", "DiscLabel1", kVersion);
        row("Disc", "lblDisc1",
            "       This program has been written to aid one in trip planning ONLY.  It is not a "
            "substitute for your appoved FLIGHT MANUAL.  Aircraft data in this program has been "
            "obtained fom various sources.  Its accuracy is neither implied nor guaranteed.");
        row("Disc", "lblDisc2",
            "       The arrival times generated by this program are BLOCK TIMES.  Block Times "
            "include Flight Time plus a default time (to account for Taxi and ATC delays).  This "
            "default can be changed by selecting  <Settings>  on the Planning Page.");
        row("Disc", "lblDisc3",
            "Press (alt-Y)es to accept the above conditions, or (alt-E)xit to decline.");
        row("Disc", "cmdDiscYes", "&Yes");
        row("Disc", "cmdDiscExit", "&Exit");
    }
    void nameContract() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        open();
        prog->app->ShowStartWindows();
        QWidget* w =
            window == "Intro" ? static_cast<QWidget*>(prog->app->intro()) : prog->app->disc();
        QVERIFY(w);
        QCOMPARE(w->objectName(), window);
        const QList<QObject*> found = w->findChildren<QObject*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(captionOf(found.first()), caption);
    }

    void disclaimerButtonsInTabOrder() {
        open();
        Disc& disc = prog->app->LoadDisc();
        disc.show();
        QVERIFY(QTest::qWaitForWindowActive(&disc));
        QCOMPARE(QApplication::focusWidget(), disc.cmdDiscYes);
        QTest::keyClick(disc.cmdDiscYes, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), disc.cmdDiscExit);
    }
};

QTEST_MAIN(TestStartWindows)
#include "test_start_windows.moc"
