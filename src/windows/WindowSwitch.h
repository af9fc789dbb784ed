#pragma once
// What a window sees of the program: the plan state, the airport database and the platform, the
// place where the main, airport-information and help windows replace one another, the other
// windows by kind, and the end of the program. AppWindows implements it; windows never see
// AppWindows itself.
#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "core/TripLimits.h"
#include "platform/Platform.h"

class QWidget;

namespace tx {

class WindowSwitch {
  public:
    enum class Window { Disclaimer, TripPlanning, AirportInfo, Help };

    WindowSwitch(PlanState& state, AirportDatabase& database, Platform& p)
        : s(state), adb(database), platform(p) {}
    virtual ~WindowSwitch() = default;
    WindowSwitch(const WindowSwitch&) = delete;
    WindowSwitch& operator=(const WindowSwitch&) = delete;

    PlanState& s;
    AirportDatabase& adb;
    Platform& platform;
    // The limits the trip checks hold the plan to: read at start, set in Settings.
    TripLimits limits;

    // Shows a window (loading it on first use) where it stands and returns it.
    virtual QWidget& Show(Window next) = 0;
    // Replaces `leaving` by `next` in the same place: stores the leaving window's position
    // (WinTop, WinLeft), PlaceWindows, shows the next and hides the leaving one.
    virtual QWidget& SwitchTo(Window next, QWidget* leaving) = 0;
    // The program's exit command, from whichever window gives it: a plan with legs is first
    // offered for saving ("Do you wish to Save present Tarvex Plan ?", asked over `from`); Yes
    // moves to the planning page for the file name, Cancel stays where it was.
    virtual void ExitTarvex(QWidget* from) = 0;
    // Closes the database, hides every window and ends the program.
    virtual void EndProgram() = 0;
    virtual bool ended() const = 0;
};

}  // namespace tx
