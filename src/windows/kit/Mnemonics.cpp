#include "windows/kit/Mnemonics.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <functional>
#include <vector>

namespace tx {

namespace {

QChar letterOf(const QString& caption) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key());
}

// The letter of Alt and a letter or digit, no other modifier held; null for any other key.
QChar altLetter(const QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier) return {};
    const int k = e.key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return QChar(k);
    return {};
}

// Under a frame: a widget stacked above the control (a later sibling of the control or of one
// of its parents) that paints its own background covers the point.
bool underFrame(const QWidget* control, QPoint point) {
    const QWidget* window = control->window();
    for (const QWidget* w = control; w != window; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        const QPoint at = control->mapTo(parent, point);
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto* s = qobject_cast<const QWidget*>(siblings[i]);
            if (s && !s->isWindow() && s->isVisible() && s->autoFillBackground() &&
                s->geometry().contains(at))
                return true;
        }
    }
    return false;
}

// Enabled, shown and not under a frame: the centre of the area can be clicked.
bool usable(const QWidget* control, const QRect& area) {
    return control->isVisible() && control->isEnabled() && !underFrame(control, area.center());
}

QMenuBar* barOf(QWidget* window) {
    auto* main = qobject_cast<QMainWindow*>(window);
    return main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
}

// The acts of the owners of a letter that the user can use now.
std::vector<std::function<void()>> owners(QWidget* window, QChar letter) {
    std::vector<std::function<void()>> acts;
    if (QMenuBar* bar = barOf(window); bar && bar->isVisible() && bar->isEnabled()) {
        for (QAction* a : bar->actions()) {
            if (!a->isVisible() || !a->isEnabled() || letterOf(a->text()) != letter) continue;
            if (a->menu())
                acts.emplace_back([bar, a] { bar->setActiveAction(a); });
            else
                acts.emplace_back([a] { a->trigger(); });
        }
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (letterOf(b->text()) == letter && usable(b, b->rect()))
            acts.emplace_back([b] { b->click(); });
    for (QTabBar* t : window->findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i)
            if (t->isTabEnabled(i) && letterOf(t->tabText(i)) == letter && usable(t, t->tabRect(i)))
                acts.emplace_back([t, i] { t->setCurrentIndex(i); });
    return acts;
}

// Sees the key events of every control of its window before the control itself and before Qt's
// shortcuts do: an application event filter, as key events go to the focused control.
class MnemonicKeys : public QObject {
  public:
    explicit MnemonicKeys(QWidget* window) : QObject(window), window_(window) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
        const auto* control = qobject_cast<QWidget*>(watched);
        if (!control || control->window() != window_) return false;
        const QChar letter = altLetter(*static_cast<QKeyEvent*>(event));
        if (letter.isNull()) return false;
        // Taken over: Qt delivers the key as a key press, which comes here.
        event->accept();
        if (type == QEvent::KeyPress) {
            const auto acts = owners(window_, letter);
            if (acts.size() == 1) acts.front()();
        }
        return true;
    }

  private:
    QWidget* window_;
};

void lockBarWithItsMenus(QMenuBar* bar) {
    auto sync = [bar] {
        bool anyOn = false;
        for (const QAction* a : bar->actions()) anyOn = anyOn || (a->isVisible() && a->isEnabled());
        bar->setEnabled(anyOn);
    };
    for (QAction* a : bar->actions()) QObject::connect(a, &QAction::changed, bar, sync);
    sync();
}

}  // namespace

void UseMnemonics(QWidget* window) {
    new MnemonicKeys(window);
    if (QMenuBar* bar = barOf(window)) lockBarWithItsMenus(bar);
}

}  // namespace tx
