// Alt+letter in every window of the program and every state of its frames: the letters the user
// can reach are unique, and pressing one acts on its control.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/airportinfo/View.h"
#include "windows/help/TXHelp.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

namespace {

// Checks what a key press did.
using Check = std::function<void(TestProgram&)>;

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
    // A letter pressed with Alt there and what it does (none: the letters are only counted).
    Qt::Key key = Qt::Key_unknown;
    Check check = {};
};

// clang-format off
const State kStates[] = {
    {"disclaimer", "disclaimer", "EY"},
    {"planning page", "", "BFHSVX|ANRDSPEBX PS PST PCSU BR EIDT PS ASCT EVSH"},
    {"plan with a leg", "leg", "CFHSVX"},
    {"plan with a leg: File, Export, CSV asks for a name", "leg", "CFHSVX", Qt::Key_F,
     [](TestProgram& p) {
        for (Qt::Key k : {Qt::Key_E, Qt::Key_S})
            QTest::keyClick(QApplication::activePopupWidget(), k);
        QTRY_VERIFY(p.app->tripPlanning()->frameTXName->isVisible());
    }},
    {"leg selected", "leg|row", "CEFHSTVX"},
    {"leg entry, departure: Alt+N types nothing", "leg|cmdContinuePlanning|>|>|>|>", "BC",
     Qt::Key_N, [](TestProgram& p) {
        QCOMPARE(focusName(), QString("txtDepID"));
        QCOMPARE(p.app->tripPlanning()->txtDepID->text(), QString("KASE"));
    }},
    {"leg entry, city search", "cmdContinuePlanning|>|>|>0704|>0800|>|>Denver", "BCNP"},
    {"services frame", "cmdContinuePlanning|>|>|>0704|>0800|>kase|>kden", "O"},
    {"comments after a leg: Save Comments", "yes|leg|+Fuel at Aspen", "CES", Qt::Key_S,
     [](TestProgram& p) {
        QCOMPARE(p.s.leg(1).LegComments, QString("Fuel at Aspen"));
        QVERIFY(p.app->tripPlanning()->frameLegComments->isHidden());
    }},
    {"editing a leg", "leg|row|mnuEdiEdit", "C"},
    {"pilot view: Continue Planning", "leg|mnuViePilot", "ACFPS", Qt::Key_C, [](TestProgram& p) {
        QVERIFY(p.app->tripPlanning()->framePilot->isHidden());
    }},
    {"pilot view over a selected leg: Alt+T reaches nothing under it", "leg|row|mnuViePilot",
     "ACFPS", Qt::Key_T,
     [](TestProgram& p) { QVERIFY(p.app->tripPlanning()->frameLegComments->isHidden()); }},
    {"pilot view comments", "leg|mnuViePilot|cmdPilotComments", "CES"},
    {"summary view", "leg|mnuVieSummary", "ACFPS"},
    {"summary view comments", "leg|mnuVieSummary|cmdSumComments", "CES"},
    {"file name", "leg|mnuSaveArray_0", "CO"},
    {"retrieve", "mnuFilRetDel_0", "CR"},
    {"aircraft: Select Aircraft", "mnuSetChange", "CS", Qt::Key_S, [](TestProgram& p) {
        QVERIFY(p.app->tripPlanning()->frameACChange->isHidden());
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
    }},
    {"fuel reserve", "mnuSetReserve", "CS"},
    {"trip details: Save Details", "leg|row|mnuEdiDetails|+N1", "CS", Qt::Key_S,
     [](TestProgram& p) {
        QVERIFY(p.app->tripPlanning()->frameTripDetails->isHidden());
        QCOMPARE(p.app->tripPlanning()->lblPilDetails->text(), QString("Aircraft: N1"));
    }},
    {"taxi default: Apply/Save", "mnuSetBlock|up", "ACS", Qt::Key_S, [](TestProgram& p) {
        QVERIFY(p.app->tripPlanning()->frameTaxiDefault->isHidden());
        QVERIFY(p.readFile("TARVEX.DAT").contains("11\""));
    }},
    {"trip checks: Apply/Save", "mnuSetChecks", "ACS", Qt::Key_S, [](TestProgram& p) {
        QVERIFY(p.app->tripPlanning()->frameTripChecks->isHidden());
        QVERIFY(p.readFile("TXLimits.DAT").contains("Minimum ground time"));
    }},
    {"help: a tab", "mnuHelp", "ACHL", Qt::Key_L, [](TestProgram& p) {
        QCOMPARE(p.app->help()->TXSSTab->currentWidget(), p.app->help()->rtbTXLic);
    }},
    {"help: Cancel Help", "mnuHelp", "ACHL", Qt::Key_C, [](TestProgram& p) {
        QVERIFY(p.app->help()->isHidden() && p.app->tripPlanning()->isVisible());
    }},
    {"airport search", "mnuVieAirport", "EFOS|ADNPRX FCPLT AFCPLT AFCPLT IC ES"},
    {"airport city search", "mnuVieAirport|mnuFilSeaCity", "EFOS"},
    {"airport shown: File, Add Data, FBO", "mnuVieAirport|>KDEN", "EFNPS", Qt::Key_F,
     [](TestProgram& p) {
        for (Qt::Key k : {Qt::Key_A, Qt::Key_F})
            QTest::keyClick(QApplication::activePopupWidget(), k);
        QTRY_VERIFY(p.app->view()->frameAddFBO->isVisible());
    }},
    {"new airport", "mnuVieAirport|>KDEN|mnuFilAddAP", "AC"},
    {"airport revised: Save this Data", "mnuVieAirport|>KDEN|mnuEdiAP", "CS", Qt::Key_S,
     [](TestProgram& p) {
        QVERIFY(p.app->view()->frameAddAP->isHidden());
        QVERIFY(p.app->view()->txtIdentifier->isVisible());
    }},
    {"FBO added", "mnuVieAirport|>KDEN|mnuFilAddFBO", "AC"},
    {"FBO revised", "mnuVieAirport|>KDEN|mnuEdiFBO", "CR"},
};
// clang-format on

void pressAlt(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), key, Qt::AltModifier);
}

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

// Every control of the window whose caption marks a letter and that the user can use now (shown,
// enabled and not lying under another control): the letter, and the control's name.
QMultiMap<QChar, QString> reachableLetters(QWidget* window) {
    QMultiMap<QChar, QString> out;
    auto add = [&](const QString& caption, const QString& name) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty()) out.insert(QChar(mnemonic[0].key()), name);
    };
    auto seen = [window](QWidget* w, QPoint at) {
        QWidget* top = window->childAt(w->mapTo(window, at));
        return top == w || w->isAncestorOf(top);
    };
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget()) {
        QMenuBar* bar = main->menuBar();
        for (QAction* a : bar->actions())
            if (bar->isVisible() && bar->isEnabled() && a->isVisible() && a->isEnabled())
                add(a->text(), a->text());
    }
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (!c->isVisible() || !c->isEnabled()) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && seen(b, b->rect().center()))
            add(b->text(), b->objectName());
        if (auto* t = qobject_cast<QTabBar*>(c))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabEnabled(i) && seen(t, t->tabRect(i).center()))
                    add(t->tabText(i), t->tabText(i));
    }
    return out;
}

// The letters of each menu, every entry shown counting: a letter two entries share only
// moves between them.
QStringList menuClashes(QWidget* window) {
    QStringList clashes;
    for (QMenu* m : window->findChildren<QMenu*>()) {
        QMap<QChar, QStringList> owners;
        for (QAction* a : m->actions()) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
            if (a->isVisible() && !mnemonic.isEmpty())
                owners[QChar(mnemonic[0].key())] << a->text();
        }
        for (const QStringList& o : owners)
            if (o.size() > 1) clashes << m->objectName() + ": " + o.join(", ");
    }
    return clashes;
}

// The letters of each menu of the window, a blank after each menu's.
QString menuLetters(QWidget* window) {
    QString out;
    for (QMenu* m : window->findChildren<QMenu*>()) {
        for (QAction* a : m->actions())
            if (const QKeySequence k = QKeySequence::mnemonic(a->text()); !k.isEmpty())
                out += QChar(k[0].key());
        out += ' ';
    }
    return out;
}

}  // namespace

class TestMnemonics : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

    QWidget* open(int row) {
        prog = std::make_unique<TestProgram>();
        if (!prog->started()) return nullptr;
        return enterState(*prog, kStates[row].steps);
    }
    static void states(bool withKeyOnly) {
        QTest::addColumn<int>("row");
        for (int r = 0; r < int(std::size(kStates)); ++r)
            if (!withKeyOnly || kStates[r].check) QTest::newRow(kStates[r].name) << r;
    }

  private slots:
    void cleanup() { prog.reset(); }

    // In each state, the letters the user can reach, none marked by two controls nor twice in a
    // menu.
    void lettersUnique_data() { states(false); }
    void lettersUnique() {
        QFETCH(int, row);
        QWidget* window = open(row);
        QVERIFY(window);
        const QMultiMap<QChar, QString> letters = reachableLetters(window);
        QString reached;
        for (QChar c : letters.uniqueKeys()) reached += c;
        const QString expected = kStates[row].letters;
        if (expected.contains('|')) reached += '|' + menuLetters(window).trimmed();
        QCOMPARE(reached, expected);
        QStringList clashes = menuClashes(window);
        for (QChar c : letters.uniqueKeys())
            if (letters.count(c) > 1) clashes << QString(c) + ": " + letters.values(c).join(", ");
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(" / ")));
    }

    // Alt and the letter act on the one control that marks it.
    void letterActs_data() { states(true); }
    void letterActs() {
        QFETCH(int, row);
        QVERIFY(open(row));
        pressAlt(kStates[row].key);
        kStates[row].check(*prog);
    }
};

QTEST_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
