// The event adapter between Qt's events and the handlers of the system's windows.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include "output/EventAdapter.h"

using namespace tx;

namespace {

// A window like the system's: focus is not moved on when the focused control is disabled.
class Window : public QWidget {
  public:
    Window() {
        auto* v = new QVBoxLayout(this);
        for (QWidget* w : QList<QWidget*>{a, b, button, list}) v->addWidget(w);
        a->setObjectName("a");
        b->setObjectName("b");
        button->setObjectName("button");
        list->setObjectName("list");
        list->addItems({"first", "second"});
        for (QWidget* w : QList<QWidget*>{a, b, button, list}) {
            const QString n = w->objectName();
            events.onGotFocus(w, [this, n] { log << n + ".GotFocus"; });
            events.onLostFocus(w, [this, n] { log << n + ".LostFocus"; });
        }
        events.onKeyPress(a, [this](int& k) {
            codes << k;
            if (k == 'x') k = 0;    // swallowed
            if (k == '"') k = ' ';  // typed as a blank
            if (k == 13 && swallowReturn) k = 0;
        });
        events.onChange(a, [this] { log << "a.Change"; });
        events.onClick(a, [this] { log << "a.Click"; });
        events.onClick(button, [this] { log << "button.Click"; });
        events.onClick(list, [this] { log << "list.Click"; });
        events.onDblClick(list, [this] { log << "list.DblClick"; });
    }

    QLineEdit* a = new QLineEdit(this);
    QLineEdit* b = new QLineEdit(this);
    QPushButton* button = new QPushButton("button", this);
    QListWidget* list = new QListWidget(this);
    EventAdapter events{this};
    QStringList log;
    QList<int> codes;
    bool swallowReturn = true;

  protected:
    bool focusNextPrevChild(bool next) override {
        return FocusStaysPut(this) || QWidget::focusNextPrevChild(next);
    }
};

void sendFocus(QWidget* w, QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent e(type, reason);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

class TestEventAdapter : public QObject {
    Q_OBJECT
    std::unique_ptr<Window> win;

  private slots:
    void init() {
        win = std::make_unique<Window>();
        win->show();
        QVERIFY(QTest::qWaitForWindowActive(win.get()));
        win->a->setFocus();
        QCOMPARE(QApplication::focusWidget(), win->a);
        win->log.clear();
    }
    void cleanup() { win.reset(); }

    void keyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("chars");
        QTest::addColumn<int>("code");  // -1: no KeyPress
        QTest::newRow("letter") << 0 << 0 << "a" << 97;
        QTest::newRow("capital") << 0 << 0 << "A" << 65;
        QTest::newRow("digit") << 0 << 0 << "7" << 55;
        QTest::newRow("slash") << 0 << 0 << "/" << 47;
        QTest::newRow("Return") << int(Qt::Key_Return) << 0 << "" << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "" << 13;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "" << 8;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "" << 27;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << "" << 3;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << 22;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "" << -1;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "" << -1;
        QTest::newRow("Alt+B") << int(Qt::Key_B) << int(Qt::AltModifier) << "" << -1;
    }
    void keyCodes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, chars);
        QFETCH(int, code);
        win->swallowReturn = false;
        if (!chars.isEmpty())
            QTest::keyClicks(win->a, chars);
        else
            QTest::keyClick(win->a, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(win->codes, code < 0 ? QList<int>{} : QList<int>{code});
    }

    void settableKeyCode() {
        QSignalSpy returns(win->a, &QLineEdit::returnPressed);
        QTest::keyClicks(win->a, "ax\"b");
        QCOMPARE(win->a->text(), QString("a b"));
        QTest::keyClick(win->a, Qt::Key_Return);  // swallowed: the box never sees it
        QCOMPARE(returns.count(), 0);
        win->swallowReturn = false;
        QTest::keyClick(win->a, Qt::Key_Return);
        QCOMPARE(returns.count(), 1);
    }

    void changeOnTypingAndAssignment() {
        win->a->setText("x");
        QTest::keyClicks(win->a, "y");
        win->a->setText("xy");  // the same text: no change
        QCOMPARE(win->log, QStringList({"a.Change", "a.Change"}));
    }

    void focusMovesRaiseLostThenGot() {
        win->b->setFocus();
        QTest::keyClick(win->b, Qt::Key_Tab);  // Tab still moves the focus on
        QCOMPARE(win->log,
                 QStringList({"a.LostFocus", "b.GotFocus", "b.LostFocus", "button.GotFocus"}));
        QCOMPARE(win->events.focusHolder(), win->button);
    }

    void focusPassingThroughIsNoChange_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("window deactivated") << int(Qt::ActiveWindowFocusReason);
        QTest::newRow("popup") << int(Qt::PopupFocusReason);
        QTest::newRow("menu bar") << int(Qt::MenuBarFocusReason);
    }
    void focusPassingThroughIsNoChange() {
        QFETCH(int, reason);
        const auto r = Qt::FocusReason(reason);
        sendFocus(win->a, QEvent::FocusOut, r);
        sendFocus(win->a, QEvent::FocusIn, r);
        QVERIFY(win->log.isEmpty());
        // Focus given to another control meanwhile arrives as that control's GotFocus.
        sendFocus(win->a, QEvent::FocusOut, r);
        sendFocus(win->b, QEvent::FocusIn, r);
        QCOMPARE(win->log, QStringList({"a.LostFocus", "b.GotFocus"}));
    }

    void disablingOrHidingTheFocusedControlKeepsTheFocus_data() {
        QTest::addColumn<bool>("hide");
        QTest::newRow("disabled") << false;
        QTest::newRow("hidden") << true;
    }
    void disablingOrHidingTheFocusedControlKeepsTheFocus() {
        QFETCH(bool, hide);
        if (hide)
            win->a->hide();
        else
            win->a->setEnabled(false);
        QCOMPARE(QApplication::focusWidget(), win->a);
        QVERIFY(win->log.isEmpty());
        win->b->setFocus();
        QCOMPARE(win->log, QStringList({"a.LostFocus", "b.GotFocus"}));
    }

    void clicks() {
        QTest::mouseClick(win->button, Qt::LeftButton);
        QTest::mouseClick(win->b, Qt::LeftButton);
        QTest::mouseClick(win->a, Qt::LeftButton);
        const QRect row = win->list->visualItemRect(win->list->item(1));
        QTest::mouseClick(win->list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(win->list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(win->log,
                 QStringList({"a.LostFocus", "button.GotFocus", "button.Click", "button.LostFocus",
                              "b.GotFocus", "b.LostFocus", "a.GotFocus", "a.Click", "a.LostFocus",
                              "list.GotFocus", "list.Click", "list.DblClick"}));
    }
};

QTEST_MAIN(TestEventAdapter)
#include "test_event_adapter.moc"
