#include "windows/kit/EventAdapter.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace tx {

namespace {

// Focus that leaves for a message box, another application, a menu or the menu bar and comes
// back is not a focus change of the window.
bool isPassingFocus(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

// A key held with Alt or Meta is a command, never a character: a box does not type it. Ctrl+Alt
// is left alone, as some keyboards type characters with it (AltGr).
bool typesNothing(const QKeyEvent& e) {
    const Qt::KeyboardModifiers held = e.modifiers();
    return (held & (Qt::AltModifier | Qt::MetaModifier)) && !(held & Qt::ControlModifier) &&
           !e.text().isEmpty();
}

}  // namespace

EventAdapter::EventAdapter(QObject* parent) : QObject(parent) {}

EventAdapter::Handlers& EventAdapter::handlersOf(QWidget* control) {
    Q_ASSERT(control);
    auto it = handlers_.find(control);
    if (it != handlers_.end()) return it->second;
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* o) { handlers_.erase(o); });
    return handlers_[control];
}

void EventAdapter::onKeyPress(QWidget* control, std::function<void(int&)> handler) {
    handlersOf(control).keyPress = std::move(handler);
}

void EventAdapter::onGotFocus(QWidget* control, std::function<void()> handler) {
    handlersOf(control).gotFocus = std::move(handler);
}

void EventAdapter::onLostFocus(QWidget* control, std::function<void()> handler) {
    handlersOf(control).lostFocus = std::move(handler);
}

void EventAdapter::onChange(QWidget* control, std::function<void()> handler) {
    Handlers& h = handlersOf(control);
    const bool first = !h.change;
    h.change = std::move(handler);
    if (!first) return;
    auto fire = [this, control] { run(handlers_[control].change); };
    if (auto* e = qobject_cast<QLineEdit*>(control))
        connect(e, &QLineEdit::textChanged, this, fire);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(control))
        connect(p, &QPlainTextEdit::textChanged, this, fire);
    else if (auto* t = qobject_cast<QTextEdit*>(control))
        connect(t, &QTextEdit::textChanged, this, fire);
    else if (auto* s = qobject_cast<QAbstractSlider*>(control))
        connect(s, &QAbstractSlider::valueChanged, this, fire);
    else
        qWarning("EventAdapter: %s has no Change event", qPrintable(control->objectName()));
}

void EventAdapter::onClick(QWidget* control, std::function<void()> handler) {
    Handlers& h = handlersOf(control);
    const bool first = !h.click;
    h.click = std::move(handler);
    if (!first) return;
    auto fire = [this, control] { run(handlers_[control].click); };
    if (auto* b = qobject_cast<QAbstractButton*>(control))
        connect(b, &QAbstractButton::clicked, this, fire);
    else if (auto* v = qobject_cast<QAbstractItemView*>(control))
        connectListClick(v);
    else if (auto* c = qobject_cast<QComboBox*>(control))
        connect(c, &QComboBox::activated, this, fire);
    else
        h.clickByFilter = true;
}

// A list's Click runs on a mouse click on a row, and whenever the keyboard or code makes a row
// current and selected (the arrow keys, Home, End, setCurrentRow). A row made current without
// being selected (the list taking the focus) and the changes while the mouse is down (the click
// follows) do not count.
void EventAdapter::connectListClick(QAbstractItemView* v) {
    QWidget* control = v;
    listOfViewport_[v->viewport()] = control;
    v->viewport()->installEventFilter(this);
    auto fire = [this, control] { run(handlers_[control].click); };
    connect(v, &QAbstractItemView::clicked, this, fire);
    connect(v->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, control, v, fire](const QModelIndex& current) {
                if (!handlers_[control].mouseDown && current.isValid() &&
                    v->selectionModel()->isSelected(current))
                    fire();
            });
}

void EventAdapter::SetFocus(QWidget* control) {
    const bool holds = holder_ == control;
    control->setFocus();
    if (holds) run(handlersOf(control).gotFocus);
}

void EventAdapter::onDblClick(QWidget* control, std::function<void()> handler) {
    Handlers& h = handlersOf(control);
    const bool first = !h.dblClick;
    h.dblClick = std::move(handler);
    if (!first) return;
    if (auto* v = qobject_cast<QAbstractItemView*>(control))
        connect(v, &QAbstractItemView::doubleClicked, this,
                [this, control] { run(handlers_[control].dblClick); });
    else
        h.dblClickByFilter = true;
}

int EventAdapter::keyAsciiOf(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return -1;
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return -1;
        default:
            break;
    }
    if ((e.modifiers() & Qt::ControlModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return e.key() - Qt::Key_A + 1;
    const QString text = e.text();
    if (text.isEmpty()) return -1;
    const int c = text.at(0).unicode();
    if (c == 127) return -1;  // Delete edits the text; it is not a character
    return c;
}

void EventAdapter::focusIn(QWidget* control) {
    if (holder_ == control) return;  // the same control getting its focus back
    if (QWidget* previous = holder_) {
        holder_ = nullptr;
        auto it = handlers_.find(previous);
        if (it != handlers_.end()) run(it->second.lostFocus);
    }
    holder_ = control;
    run(handlers_[control].gotFocus);
}

void EventAdapter::focusOut(QWidget* control) {
    if (holder_ != control) return;
    holder_ = nullptr;
    run(handlers_[control].lostFocus);
}

bool EventAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (auto list = listOfViewport_.find(watched); list != listOfViewport_.end()) {
        if (event->type() == QEvent::MouseButtonPress)
            handlers_[list->second].mouseDown = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            handlers_[list->second].mouseDown = false;
        return false;
    }
    auto it = handlers_.find(watched);
    if (it == handlers_.end()) return false;
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (replaying_) return false;
            auto* key = static_cast<QKeyEvent*>(event);
            if (typesNothing(*key)) return true;
            if (!it->second.keyPress) return false;
            const int original = keyAsciiOf(*key);
            if (original < 0) return false;
            int KeyAscii = original;
            const auto handler = it->second.keyPress;  // the handler may re-register
            handler(KeyAscii);
            if (KeyAscii == original) return false;
            if (KeyAscii != 0) {
                // Type the character the handler asked for instead of the one pressed.
                const QChar c(static_cast<char16_t>(KeyAscii));
                QKeyEvent typed(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier,
                                QString(c));
                replaying_ = true;
                QCoreApplication::sendEvent(control, &typed);
                replaying_ = false;
            }
            return true;
        }
        case QEvent::FocusIn: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (isPassingFocus(reason) && holder_ == control) return false;
            focusIn(control);
            return false;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (!isPassingFocus(reason)) focusOut(control);
            return false;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(event);
            if (it->second.clickByFilter && m->button() == Qt::LeftButton &&
                control->rect().contains(m->position().toPoint()))
                run(it->second.click);
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (it->second.dblClickByFilter) run(it->second.dblClick);
            return false;
        default:
            return false;
    }
}

bool FocusStaysPut(const QWidget* window) {
    const QWidget* f = window->focusWidget();
    return f && (!f->isEnabled() || !f->isVisible());
}

}  // namespace tx
