// The planning-page list after legs are planned: the comments frame opened by the question at
// the end of a leg and by the comments button, a click that selects a leg, and Ctrl+C.
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "output/TripPlanning.h"
#include "settings/AppWindows.h"
#include "support/TestProgram.h"

using namespace tx;
using namespace tx::test;

namespace {

const QString kNoQuotes = "Do not use <quotes> in the text of the comments !!";

}  // namespace

#define OPEN()                                  \
    do {                                        \
        open();                                 \
        if (QTest::currentTestFailed()) return; \
    } while (0)

class TestLegList : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    void open() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
    }

    // One leg Aspen - Paris or back (neither has services), typed from the page button to the
    // fuel reserve; the comments question is answered as told.
    void planLeg(const QString& from, const QString& to, Platform::Answer comments) {
        prog->platform.answers = {comments};
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        for (const QString& entry : {QString(), QString(), QStringLiteral("0704"),
                                     QStringLiteral("0800"), from, to, QString(), QString()})
            typeAndReturn(entry);
    }

    QStringList enabledMenus() const {
        QStringList on;
        for (QAction* a : {w->mnufil->menuAction(), w->mnuEdit->menuAction(),
                           w->mnuView->menuAction(), w->mnuSettings->menuAction(), w->mnuHelp})
            if (a->isEnabled()) on << a->text().trimmed();
        return on;
    }

    void clickRow(int row) {
        const QRect r = w->lboTX->visualItemRect(w->lboTX->item(row));
        QTest::mouseClick(w->lboTX->viewport(), Qt::LeftButton, {}, r.center());
    }

  private slots:
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // The frame opened by Yes after a leg: typed text, a double quote, then one of the buttons.
    void commentsOfTheLegJustEntered_data() {
        QTest::addColumn<QString>("before");  // comments the leg already had
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<int>("quoteMessages");
        auto row = [](const char* name, const char* before, QStringList steps, const char* shown,
                      const char* stored, bool stillOpen, int quotes = 0) {
            QTest::newRow(name) << QString(before) << steps << QString(shown) << QString(stored)
                                << stillOpen << quotes;
        };
        row("saved", "", {"Refuel at Paris", "<save>"}, "", "Refuel at Paris", false);
        row("double quote typed as a blank", "", {"Meet \"Bob\" at FBO", "<save>"}, "",
            "Meet  Bob  at FBO", false, 2);
        row("pasted quote refused at Save", "", {"<paste>Gate \"B\"", "<save>"}, "Gate  B ", "",
            true, 1);
        row("cancelled", "Old note", {" more", "<cancel>"}, "", "Old note", false);
        row("erased then new text saved", "Old note", {"<erase>", "New note", "<save>"}, "",
            "New note", false);
    }
    void commentsOfTheLegJustEntered() {
        QFETCH(QString, before);
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(bool, stillOpen);
        QFETCH(int, quoteMessages);
        OPEN();
        prog->s.leg(1).LegComments = before;
        planLeg("KASE", "LFPB", Platform::Answer::Yes);
        QVERIFY(w->frameLegComments->isVisible());
        QCOMPARE(focusName(), QString("txtLegComments"));
        QCOMPARE(w->txtLegComments->toPlainText(), before);
        QVERIFY(!w->lboTX->isEnabled() && !w->cmdContinuePlanning->isEnabled());
        QVERIFY(!w->cmdExitTX->isEnabled());
        w->txtLegComments->moveCursor(QTextCursor::End);
        const int messagesBefore = prog->platform.messages.size();
        for (const QString& step : steps) {
            if (step == "<save>")
                QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
            else if (step == "<erase>")
                QTest::mouseClick(w->cmdEraseComments, Qt::LeftButton);
            else if (step == "<cancel>")
                QTest::mouseClick(w->cmdCancelComments, Qt::LeftButton);
            else if (step.startsWith("<paste>"))
                w->txtLegComments->insertPlainText(step.mid(7));
            else
                QTest::keyClicks(w->txtLegComments, step);
        }
        const QList<FakePlatform::Message> messages = prog->platform.messages.mid(messagesBefore);
        QCOMPARE(messages.size(), quoteMessages);
        for (const FakePlatform::Message& m : messages) QCOMPARE(m.text, kNoQuotes);
        QCOMPARE(prog->s.leg(1).LegComments, stored);
        QCOMPARE(w->frameLegComments->isVisible(), stillOpen);
        if (stillOpen) {
            QCOMPARE(w->txtLegComments->toPlainText(), shown);
            QCOMPARE(focusName(), QString("txtLegComments"));
            return;
        }
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
        QVERIFY(w->lboTX->isEnabled() && w->cmdExitTX->isEnabled());
        QVERIFY(!w->cmdEnterComments->isEnabled());
        QCOMPARE(enabledMenus(), (QStringList{"&File", "&View TX", "&Settings", "&Help"}));
    }

    void clickSelectsLegAndItsComments() {
        OPEN();
        planLeg("KASE", "LFPB", Platform::Answer::No);
        // The second leg is given by its landing time.
        prog->platform.answers = {Platform::Answer::No};
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        for (const char* entry : {"", "l", "0705", "1600", "", "kase", "", ""})
            typeAndReturn(entry);
        PlanState& s = prog->s;
        QCOMPARE(int(s.NumLegs), 2);
        s.leg(1).LegComments = "Crew swap";
        const QString nextTorL = s.leg(3).TorL;

        clickRow(1);
        QCOMPARE(int(s.SelLeg), 2);
        QCOMPARE(w->ListLegFlag, QString("yes"));
        for (QAction* a : {w->mnuEdit->menuAction(), w->mnuEdiEdit, w->mnuEdiInsert, w->mnuEdiDel})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(w->cmdEnterComments->isVisible() && w->cmdEnterComments->isEnabled());
        QCOMPARE(w->txtLeg->text(), QString("2"));
        QCOMPARE(w->txtTorL->text(), QString("L"));
        QCOMPARE(w->txtTime->text(), QString("1600"));
        QCOMPARE(w->lblTime->text(), QString("Local Arr. Time :"));
        QCOMPARE(w->txtDate->text(), QString("07/05"));
        QCOMPARE(w->txtDepID->text(), QString("LFPB"));
        QCOMPARE(w->txtDestID->text(), QString("KASE"));
        QCOMPARE(s.leg(3).TorL, nextTorL);  // showing a leg stores nothing

        // The comments button opens the selected leg's comments, not those of the last leg.
        clickRow(0);
        QCOMPARE(w->txtTorL->text(), QString("T"));
        QTest::mouseClick(w->cmdEnterComments, Qt::LeftButton);
        QVERIFY(w->frameLegComments->isVisible());
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Crew swap"));
        QVERIFY(enabledMenus().isEmpty());
        QVERIFY(!w->cmdEnterComments->isEnabled());
        w->txtLegComments->moveCursor(QTextCursor::End);
        QTest::keyClicks(w->txtLegComments, " at Paris");
        QTest::mouseClick(w->cmdSaveComments, Qt::LeftButton);
        QCOMPARE(s.leg(1).LegComments, QString("Crew swap at Paris"));
        QCOMPARE(s.leg(2).LegComments, QString());
        QCOMPARE(w->ListLegFlag, QString());
        QCOMPARE(int(s.CurLeg), 1);
        QVERIFY(!w->mnuEdit->menuAction()->isEnabled());
        QVERIFY(w->mnufil->menuAction()->isEnabled());
        // The next leg is still the one after the last.
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        QCOMPARE(w->txtLeg->text(), QString("3"));
    }

    void copyRows_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("key");
        QTest::newRow("one row") << QList<int>{1} << "\r\nTwo\r\n" << int(Qt::Key_C);
        QTest::newRow("rows in list order") << QList<int>{2, 0} << "\r\nOne\r\nThree\r\n"
                                            << int(Qt::Key_C);
        QTest::newRow("Ctrl+I as well") << QList<int>{0} << "\r\nOne\r\n" << int(Qt::Key_I);
        QTest::newRow("nothing selected") << QList<int>{} << "\r\n" << int(Qt::Key_C);
    }
    void copyRows() {
        QFETCH(QList<int>, selected);
        QFETCH(QString, clipboard);
        QFETCH(int, key);
        OPEN();
        w->lboTX->addItems({"One", "Two", "Three"});
        w->lboTX->clearSelection();
        for (int r : selected) w->lboTX->item(r)->setSelected(true);
        QGuiApplication::clipboard()->setText("left over");
        QTest::keyClick(w->lboTX, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }
};

QTEST_MAIN(TestLegList)
#include "test_leg_list.moc"
