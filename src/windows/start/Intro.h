#pragma once
// The splash window: the owner's contact texts and the version for three seconds, then the
// disclaimer.
#include <QFrame>

class QLabel;
class QTimer;

namespace tx {

class WindowSwitch;

class Intro : public QFrame {
    Q_OBJECT
  public:
    explicit Intro(WindowSwitch& app);

    // ---- Controls ----
    QLabel* lblLogo;
    QLabel* lblIntro1;  // "an Itinerary Planner for :"
    QLabel* lblIntro2;  // "Corporate  Aircraft"
    QLabel* lblTXName;
    QLabel* lblAddress;
    QLabel* lblCityState;
    QLabel* lblPhone;
    QLabel* lblEmail;
    QLabel* IntroLabel1;
    QTimer* IntroTimer;

  private:
    void Form_Load();
    void IntroTimer_Timer();
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    WindowSwitch& app_;
    bool handedOver_ = false;
};

}  // namespace tx
