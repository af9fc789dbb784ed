#pragma once
// The disclaimer window: accepted with "&Yes", which opens the main planning window in its
// place; "&Exit" ends the program.
#include <QWidget>

class QLabel;
class QPushButton;

namespace tx {

class WindowSwitch;

class Disc : public QWidget {
    Q_OBJECT
  public:
    explicit Disc(WindowSwitch& app);

    // ---- Controls ----
    QLabel* lblLogo;
    QLabel* DiscLabel1;
    QLabel* lblDisc1;
    QLabel* lblDisc2;
    QLabel* lblDisc3;
    QPushButton* cmdDiscYes;
    QPushButton* cmdDiscExit;

  private:
    void Form_Load();
    void cmdDiscYes_Click();
    void cmdDiscExit_Click();
    void closeEvent(QCloseEvent* event) override;

    WindowSwitch& app_;
};

}  // namespace tx
