#pragma once
// The size of the windows that replace one another in the same place (disclaimer, main planning
// window, airport information, help), and centring a window on its screen.
#include <QSize>

class QWidget;

namespace tx {

inline constexpr QSize kMainWindowSize{1000, 700};

// Centres a window on its screen: left = Int((screen width - window width) / 2), top likewise.
void CentreOnScreen(QWidget* window);

}  // namespace tx
