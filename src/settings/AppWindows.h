#pragma once
// The windows of one run and what they share: the plan state, the airport database, the
// platform, and the place where the windows that replace one another stand (WinTop, WinLeft,
// PlaceWindows). main() builds one; a test builds its own with a FakePlatform and a quit that
// only records.
#include <QPointer>
#include <QSize>
#include <functional>
#include <memory>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/Platform.h"

class QWidget;

namespace tx {

class Disc;
class Intro;
class TripPlanning;

// The size of the disclaimer and the main planning window, which open in the same place.
inline constexpr QSize kMainWindowSize{1000, 700};

class AppWindows {
  public:
    AppWindows(PlanState& s, AirportDatabase& adb, Platform& platform);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    PlanState& s;
    AirportDatabase& adb;
    Platform& platform;

    // Leaves the program's event loop. Tests replace it.
    std::function<void()> quit;

    // Position of the window last left; PlaceWindows moves the help, main planning and
    // airport-information windows (those loaded) there.
    float WinTop = 0, WinLeft = 0;
    void PlaceWindows();
    // WinTop and WinLeft take the position of the window being left.
    void StoreWindowPlace(const QWidget* leaving);

    // The last steps of the start routine: loads the disclaimer without showing it and shows
    // the splash, which hands over to the disclaimer after three seconds.
    void ShowStartWindows();

    Intro* intro() const;  // null once the splash is gone
    Disc* disc() const { return disc_.get(); }
    TripPlanning* tripPlanning() const { return tripPlanning_.get(); }

    Disc& LoadDisc();                  // creates the disclaimer on first use
    TripPlanning& LoadTripPlanning();  // creates the main window on first use (its Form_Load)

    // Closes the database, hides every window and ends the program.
    void EndProgram();
    bool ended() const { return ended_; }

  private:
    QPointer<Intro> intro_;
    std::unique_ptr<Disc> disc_;
    std::unique_ptr<TripPlanning> tripPlanning_;
    bool ended_ = false;
};

// Centres a window on its screen: left = Int((screen width - window width) / 2), top likewise.
void CentreOnScreen(QWidget* window);

}  // namespace tx
