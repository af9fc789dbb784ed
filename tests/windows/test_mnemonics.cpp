// Alt+letter in every window of the program and every state of its frames: the letters the user
// can reach are unique, and pressing one acts on its control.
#include <QtTest>
#include <QtWidgets>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/airportinfo/View.h"
#include "windows/help/TXHelp.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

namespace {

// The window shown (the one of the program's windows that is visible), made active.
QWidget* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() == Qt::Window) {
            w->activateWindow();
            return QTest::qWaitForWindowActive(w) ? w : nullptr;
        }
    return nullptr;
}

struct State {
    const char* name;
    // Steps from the main window, "|" between them: a control's name clicks it or triggers
    // it; "leg" enters Denver - Aspen; ">text" types the text and Return, "+text" only types it;
    // "row" clicks the first leg; "disclaimer" shows the disclaimer instead; "up" presses the Up
    // key; "yes" answers the next question Yes.
    const char* steps;
    // The letters the user can reach there, in order, and after "|" those of each menu.
    const char* letters;
    // Letters pressed there, the first with Alt, the others in the menu it opens, and the
    // control they reach ("-" before it: one they must not reach). None: only counted.
    const char* keys = "";
    const char* target = "";
};

// clang-format off
const State kStates[] = {
    {"disclaimer", "disclaimer", "EY"},
    {"planning page", "", "BFHSVX|ANRDSPEBX PS PST PCSU BR EIDT PS ASCT EVSH"},
    {"plan with a leg: File, Export, CSV", "leg", "CFHSVX", "FES", "mnuExpCSV"},
    {"leg selected", "leg|row", "CEFHSTVX"},
    {"departure: Alt+N types nothing", "leg|cmdContinuePlanning|>|>|>|>", "BC", "N", "-txtDepID"},
    {"leg entry, city search", "cmdContinuePlanning|>|>|>0704|>0800|>|>Denver", "BCNP"},
    {"services frame", "cmdContinuePlanning|>|>|>0704|>0800|>kase|>kden", "O"},
    {"comments after a leg", "yes|leg|+Fuel at Aspen", "CES", "S", "cmdSaveComments"},
    {"editing a leg", "leg|row|mnuEdiEdit", "C"},
    {"pilot view: Continue Planning", "leg|mnuViePilot", "ACFPS", "C", "cmdPExitToPlanPage"},
    {"pilot view over a selected leg", "leg|row|mnuViePilot", "ACFPS", "T", "-cmdEnterComments"},
    {"pilot view comments", "leg|mnuViePilot|cmdPilotComments", "CES"},
    {"summary view", "leg|mnuVieSummary", "ACFPS"},
    {"summary view comments", "leg|mnuVieSummary|cmdSumComments", "CES"},
    {"file name", "leg|mnuSaveArray_0", "CO"},
    {"retrieve", "mnuFilRetDel_0", "CR"},
    {"aircraft: Select Aircraft", "mnuSetChange", "CS", "S", "cmdACSelect"},
    {"fuel reserve", "mnuSetReserve", "CS"},
    {"trip details: Save Details", "leg|row|mnuEdiDetails|+N1", "CS", "S", "cmdDetailsOK"},
    {"taxi default: Apply/Save", "mnuSetBlock|up", "ACS", "S", "cmdOKDefault"},
    {"trip checks: Apply/Save", "mnuSetChecks", "ACS", "S", "cmdSaveChecks"},
    {"help: a tab", "mnuHelp", "ACHL", "L", "TXSSTab"},
    {"help: Cancel Help", "mnuHelp", "ACHL", "C", "cmdCancelHelp"},
    {"airport search", "mnuVieAirport", "EFOS|ADNPRX FCPLT AFCPLT AFCPLT IC ES"},
    {"airport city search", "mnuVieAirport|mnuFilSeaCity", "EFOS"},
    {"airport shown: File, Add Data, FBO", "mnuVieAirport|>KDEN", "EFNPS", "FAF", "mnuFilAddFBO"},
    {"new airport", "mnuVieAirport|>KDEN|mnuFilAddAP", "AC"},
    {"airport revised: Save this Data", "mnuVieAirport|>KDEN|mnuEdiAP", "CS", "S", "cmdSave"},
    {"FBO added", "mnuVieAirport|>KDEN|mnuFilAddFBO", "AC"},
    {"FBO revised", "mnuVieAirport|>KDEN|mnuEdiFBO", "CR"},
};
// clang-format on

// The program in a state: the main window shown, then the steps; the window shown then.
QWidget* enterState(TestProgram& p, const QString& steps) {
    if (!p.showPlanning()) return nullptr;
    for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
        QWidget* window = shownWindow();
        if (!window) return nullptr;
        TripPlanning* w = p.app->tripPlanning();
        QWidget* focus = QApplication::focusWidget();
        if (step == "disclaimer") {
            w->hide();
            p.app->Show(WindowSwitch::Window::Disclaimer);
        } else if (step == "leg") {
            enterLeg(w, {"", "", "0704", "0800", "kden", "", "kase", "", ""});
        } else if (step == "row") {
            clickRow(w->lboTX, 0);
        } else if (step == "up") {
            QTest::keyClick(focus, Qt::Key_Up);
        } else if (step == "yes") {
            p.platform.answers = {Platform::Answer::Yes};
        } else if (step.startsWith('>')) {
            typeAndReturn(step.mid(1));
        } else if (step.startsWith('+')) {
            QTest::keyClicks(focus, step.mid(1));
        } else if (auto* a = window->findChild<QAction*>(step)) {
            a->trigger();
        } else if (auto* b = window->findChild<QAbstractButton*>(step)) {
            QTest::mouseClick(b, Qt::LeftButton);
        } else {
            return nullptr;
        }
    }
    return shownWindow();
}

// The letters the user can reach in the window, sorted, a letter two controls mark twice: of the
// menu bar's entries, and of the buttons and tabs shown, enabled and not lying under another
// control. After "|", the letters of each menu's entries shown, a blank after each menu's.
QString reachableLetters(QWidget* window) {
    QString out, menus;
    auto add = [](QString& to, const QString& caption) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty()) to += QChar(mnemonic[0].key());
    };
    auto seen = [window](QWidget* w, QPoint at) {
        QWidget* top = window->childAt(w->mapTo(window, at));
        return top == w || w->isAncestorOf(top);
    };
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget()) {
        QMenuBar* bar = main->menuBar();
        for (QAction* a : bar->actions())
            if (bar->isVisible() && bar->isEnabled() && a->isVisible() && a->isEnabled())
                add(out, a->text());
    }
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisible() || !c->isEnabled()) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && seen(b, b->rect().center()))
            add(out, b->text());
        if (auto* t = qobject_cast<QTabBar*>(c))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabEnabled(i) && seen(t, t->tabRect(i).center())) add(out, t->tabText(i));
    }
    std::sort(out.begin(), out.end());
    for (QMenu* m : window->findChildren<QMenu*>()) {
        for (QAction* a : m->actions())
            if (a->isVisible()) add(menus, a->text());
        menus += ' ';
    }
    return out + '|' + menus.trimmed();
}

}  // namespace

class TestMnemonics : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

  private slots:
    void cleanup() { prog.reset(); }

    // In each state, the letters the user can reach, none marked by two controls nor twice in a
    // menu. Then the letters pressed, the first with Alt: they act on the one control that marks
    // them (a button is clicked, a menu entry triggered, a tab shown), and on nothing else: no box
    // takes the letter.
    void letters_data() {
        QTest::addColumn<int>("row");
        for (int r = 0; r < int(std::size(kStates)); ++r) QTest::newRow(kStates[r].name) << r;
    }
    void letters() {
        QFETCH(int, row);
        prog = std::make_unique<TestProgram>();
        QWidget* window = prog->started() ? enterState(*prog, kStates[row].steps) : nullptr;
        QVERIFY(window);
        const QString reached = reachableLetters(window), expected = kStates[row].letters;
        for (const QString& menu : words(reached.section('|', 1)))
            for (QChar c : menu) QVERIFY2(menu.count(c) == 1, qPrintable(menu));
        QCOMPARE(expected.contains('|') ? reached : reached.section('|', 0, 0), expected);

        const QString keys = kStates[row].keys, target = kStates[row].target;
        if (keys.isEmpty()) return;
        QObject* control = window->findChild<QObject*>(QString(target).remove('-'));
        QVERIFY(control);
        QSignalSpy acted(control, qobject_cast<QAbstractButton*>(control) ? SIGNAL(clicked(bool))
                                  : qobject_cast<QAction*>(control)       ? SIGNAL(triggered(bool))
                                  : qobject_cast<QLineEdit*>(control)
                                      ? SIGNAL(textEdited(QString))
                                      : SIGNAL(currentChanged(int)));
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window, Qt::Key(keys[0].unicode()), Qt::AltModifier);
        for (QChar k : keys.mid(1))
            QTest::keyClick(QApplication::activePopupWidget(), k.toLatin1());
        if (target.startsWith('-')) QTest::qWait(300);  // longer than a button's click lasts
        QTRY_COMPARE(acted.count(), target.startsWith('-') ? 0 : 1);
    }
};

QTEST_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
