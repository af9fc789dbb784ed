// The event adapter between Qt's events and the handlers of the system's windows.
#include <QtTest>
#include <QtWidgets>

#include "windows/kit/EventAdapter.h"

using namespace tx;

namespace {

// A window like the system's: the focus stays on a focused control that is disabled or hidden.
class Window : public QWidget {
  public:
    Window() {
        auto* v = new QVBoxLayout(this);
        for (QLineEdit* e : {a, b}) {
            v->addWidget(e);
            const QString n = e == a ? "a" : "b";
            events.onGotFocus(e, [this, n] { log << n + ".GotFocus"; });
            events.onLostFocus(e, [this, n] { log << n + ".LostFocus"; });
        }
        events.onKeyPress(a, [this](int& k) {
            codes << k;
            if (k == 'x' || k == 13) k = 0;  // swallowed
            if (k == '"') k = ' ';           // typed as a blank
        });
        events.onChange(a, [this] { log << "a.Change"; });
    }

    QLineEdit* a = new QLineEdit(this);
    QLineEdit* b = new QLineEdit(this);
    EventAdapter events{this};
    QStringList log;
    QList<int> codes;

  protected:
    bool focusNextPrevChild(bool next) override {
        return FocusStaysPut(this) || QWidget::focusNextPrevChild(next);
    }
};

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

    void keyPressAndChange() {
        QSignalSpy returns(win->a, &QLineEdit::returnPressed);
        QTest::keyClicks(win->a, "ax\"b");
        QTest::keyClick(win->a, Qt::Key_Return);
        // Typed text changes; swallowed keys do not.
        QCOMPARE(win->a->text() + QString::number(returns.count()) + win->log.join(','),
                 QString("a b0a.Change,a.Change,a.Change"));
        // The codes of the other character keys; keys that are no characters raise no KeyPress,
        // nor does a key held with Alt or Meta, which types nothing.
        for (const char* keys : {"Enter", "Backspace", "Esc", "Left", "Del", "F1", "Ctrl+C",
                                 "Alt+B", "Alt+Shift+B", "Meta+B"})
            QTest::keySequence(win->a, QKeySequence(keys));
        QCOMPARE(win->codes, QList<int>({'a', 'x', '"', 'b', 13, 13, 8, 27, 3}));
        QCOMPARE(win->a->text(), QString("a"));
        // Text set by code is a change too, unless the box holds it already.
        win->log.clear();
        win->a->setText("set");
        win->a->setText("set");
        QCOMPARE(win->log, QStringList{"a.Change"});
    }

    void focusChanges() {
        // Focus that leaves for a message box (the window deactivated), a popup or the menu bar
        // and comes back is no change; focus given to another control meanwhile arrives as that
        // control's GotFocus. The events are sent as Qt sends them then.
        auto send = [](QWidget* w, QEvent::Type type, Qt::FocusReason reason) {
            QFocusEvent e(type, reason);
            QCoreApplication::sendEvent(w, &e);
        };
        for (auto r : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
            send(win->a, QEvent::FocusOut, r);
            send(win->a, QEvent::FocusIn, r);
        }
        send(win->a, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        send(win->b, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        win->b->setFocus();  // where Qt has it now: no change either
        // Disabling or hiding the focused control moves no focus.
        win->b->setEnabled(false);
        QCOMPARE(QApplication::focusWidget(), win->b);
        win->a->setFocus();
        win->b->setEnabled(true);  // somewhere the focus could go
        win->a->hide();
        QCOMPARE(QApplication::focusWidget(), win->a);
        QCOMPARE(win->log, QStringList({"a.LostFocus", "b.GotFocus", "b.LostFocus", "a.GotFocus"}));
    }
};

QTEST_MAIN(TestEventAdapter)
#include "test_event_adapter.moc"
