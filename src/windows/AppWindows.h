#pragma once
// The windows of one run: it owns them, swaps them in place and ends the program. main() builds
// one; a test builds its own with a FakePlatform and a quit that only records.
#include <QPointer>
#include <functional>
#include <memory>

#include "windows/WindowSwitch.h"

namespace tx {

class Disc;
class Intro;
class TripPlanning;
class View;
class TXHelp;

class AppWindows : public WindowSwitch {
  public:
    AppWindows(PlanState& s, AirportDatabase& adb, Platform& platform);
    ~AppWindows() override;

    // Leaves the program's event loop. Tests replace it.
    std::function<void()> quit;

    // Position of the window last left; PlaceWindows moves the help, main planning and
    // airport-information windows (those loaded) there.
    float WinTop = 0, WinLeft = 0;
    void PlaceWindows();
    // WinTop and WinLeft take the position of the window being left.
    void StoreWindowPlace(const QWidget* leaving);

    // The last steps of the start routine: loads the disclaimer, the airport information window
    // and the help window without showing them and shows the splash, which hands over to the
    // disclaimer after three seconds.
    void ShowStartWindows();

    Intro* intro() const;  // null once the splash is gone
    Disc* disc() const { return disc_.get(); }
    TripPlanning* tripPlanning() const { return tripPlanning_.get(); }
    View* view() const { return view_.get(); }
    TXHelp* help() const { return help_.get(); }

    Disc& LoadDisc();                  // creates the disclaimer on first use
    TripPlanning& LoadTripPlanning();  // creates the main window on first use (its Form_Load)
    View& LoadView();                  // creates the airport information window on first use
    TXHelp& LoadHelp();                // creates the help window on first use, reading its texts

    QWidget& Show(Window next) override;
    QWidget& SwitchTo(Window next, QWidget* leaving) override;
    void ExitTarvex(QWidget* from) override;
    void EndProgram() override;
    bool ended() const override { return ended_; }

  private:
    QWidget& load(Window w);

    QPointer<Intro> intro_;
    std::unique_ptr<Disc> disc_;
    std::unique_ptr<TripPlanning> tripPlanning_;
    std::unique_ptr<View> view_;
    std::unique_ptr<TXHelp> help_;
    bool ended_ = false;
};

}  // namespace tx
