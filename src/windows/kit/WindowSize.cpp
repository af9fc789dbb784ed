#include "windows/kit/WindowSize.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tx {

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + static_cast<int>(std::floor((area.width() - size.width()) / 2.0)),
                 area.y() + static_cast<int>(std::floor((area.height() - size.height()) / 2.0)));
}

}  // namespace tx
