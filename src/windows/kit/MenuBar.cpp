#include "windows/kit/MenuBar.h"

#include <QAction>
#include <QMenuBar>

namespace tx {

void LockBarWithItsMenus(QMenuBar* bar) {
    auto sync = [bar] {
        bool anyOn = false;
        for (const QAction* a : bar->actions()) anyOn = anyOn || (a->isVisible() && a->isEnabled());
        bar->setEnabled(anyOn);
    };
    for (QAction* a : bar->actions()) QObject::connect(a, &QAction::changed, bar, sync);
    sync();
}

}  // namespace tx
