#pragma once
// Turns Qt's events into the handlers of a window's controls, named after the control and the
// event (txtLeg_KeyPress, txtLeg_GotFocus, cmdBack_Click ...). Each window owns one adapter and
// registers its handlers in its constructor:
//
//     events_.KeyPress(txtLeg, this, &TripPlanning::txtLeg_KeyPress);
//     events_.GotFocus(txtLeg, this, &TripPlanning::txtLeg_GotFocus);
//
// KeyPress   runs before the control sees a character key: printable characters, Return (13),
//            Backspace (8), Escape (27) and Ctrl+letter (1..26). Arrows, function keys, Tab and
//            Alt or Meta combinations are not character keys. Setting KeyAscii to 0 swallows
//            the key; setting it to another code types that character instead. A key held
//            with Alt or Meta (not with Ctrl as well) never types its character in a control.
// GotFocus,  run when a control receives or loses the keyboard focus inside its window. The
// LostFocus  focus leaving for a message box, another application or a menu and coming back to
//            the same control is no focus change; a control focused while the window was
//            inactive gets its GotFocus (and the previous holder its LostFocus) on reactivation.
// Change     every change of a text box's text or a scroll bar's value, typed or assigned by
//            code. Assigning the text a box already holds is no change.
// Click      buttons and check boxes when clicked; a list row clicked with the mouse or made
//            the current row by the keyboard or by code; an entry picked in a combo box; any
//            other control on a mouse release inside it.
// DblClick   a list row double-clicked; any other control on a mouse double click.
#include <QObject>
#include <QPointer>
#include <functional>
#include <unordered_map>

class QAbstractItemView;
class QKeyEvent;
class QWidget;

namespace tx {

class EventAdapter : public QObject {
  public:
    explicit EventAdapter(QObject* parent = nullptr);

    void onKeyPress(QWidget* control, std::function<void(int& KeyAscii)> handler);
    void onGotFocus(QWidget* control, std::function<void()> handler);
    void onLostFocus(QWidget* control, std::function<void()> handler);
    void onChange(QWidget* control, std::function<void()> handler);
    void onClick(QWidget* control, std::function<void()> handler);
    void onDblClick(QWidget* control, std::function<void()> handler);

    template <class W>
    void KeyPress(QWidget* control, W* window, void (W::*handler)(int&)) {
        onKeyPress(control, [window, handler](int& k) { (window->*handler)(k); });
    }
    template <class W>
    void GotFocus(QWidget* control, W* window, void (W::*handler)()) {
        onGotFocus(control, [window, handler] { (window->*handler)(); });
    }
    template <class W>
    void LostFocus(QWidget* control, W* window, void (W::*handler)()) {
        onLostFocus(control, [window, handler] { (window->*handler)(); });
    }
    template <class W>
    void Change(QWidget* control, W* window, void (W::*handler)()) {
        onChange(control, [window, handler] { (window->*handler)(); });
    }
    template <class W>
    void Click(QWidget* control, W* window, void (W::*handler)()) {
        onClick(control, [window, handler] { (window->*handler)(); });
    }
    template <class W>
    void DblClick(QWidget* control, W* window, void (W::*handler)()) {
        onDblClick(control, [window, handler] { (window->*handler)(); });
    }

    // Gives a control the focus. A control that holds it already runs its GotFocus again: the
    // handlers of the system give a box the focus anew to select its text, set its prompt and
    // leave it the only box enabled.
    void SetFocus(QWidget* control);

    // The control whose GotFocus came last without a LostFocus since (null when none).
    QWidget* focusHolder() const { return holder_; }

    // The key code a key event stands for, or -1 when it is not a character key.
    static int keyAsciiOf(const QKeyEvent& e);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Handlers {
        std::function<void(int&)> keyPress;
        std::function<void()> gotFocus, lostFocus, change, click, dblClick;
        bool clickByFilter = false, dblClickByFilter = false;
        bool mouseDown = false;  // a list's mouse button is down: its click is still to come
    };
    Handlers& handlersOf(QWidget* control);
    void connectListClick(QAbstractItemView* list);
    void focusIn(QWidget* control);
    void focusOut(QWidget* control);
    // Runs a copy: a handler may replace itself or others while it runs.
    static void run(std::function<void()> f) {
        if (f) f();
    }

    std::unordered_map<QObject*, Handlers> handlers_;
    std::unordered_map<QObject*, QWidget*> listOfViewport_;
    QPointer<QWidget> holder_;
    bool replaying_ = false;
};

// For a window's focusNextPrevChild override. Qt moves the focus on when the focused control is
// disabled or hidden; the handlers of the system always say where the focus goes next, so the
// focus stays where it is until they do. True when that is the case and nothing should move:
//
//     bool focusNextPrevChild(bool next) override {
//         return FocusStaysPut(this) || QMainWindow::focusNextPrevChild(next);
//     }
bool FocusStaysPut(const QWidget* window);

}  // namespace tx
