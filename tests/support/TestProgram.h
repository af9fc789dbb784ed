#pragma once
// A program directory in a temporary folder (data.mdb with a few airports and their services,
// TARVEX.DAT, TZONES.DAT, and unless told otherwise TXDefAC.DAT naming a small aircraft file), the
// start routine's steps run on it with a FakePlatform, and the application's windows built on top.
// Ending the program only records that it ended.
#include <QDate>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/FakePlatform.h"

namespace tx {
class AppWindows;
class TripPlanning;
}  // namespace tx

namespace tx::test {

struct ProgramOptions {
    bool withAircraft = true;
    QDate today{2027, 1, 15};
};

class TestProgram {
    QTemporaryDir dir_;  // first in, last out: the files outlive the database and the windows

  public:
    explicit TestProgram(const ProgramOptions& options = {});
    ~TestProgram();

    // False when the program directory could not be made or the start routine refused it.
    bool started() const { return started_; }
    QString dir() const { return dir_.path(); }

    FakePlatform platform;
    PlanState s;
    AirportDatabase adb;
    std::unique_ptr<AppWindows> app;
    int quitCalls = 0;

    // The main window, loaded, shown and active; null when it never became active.
    TripPlanning* showPlanning();

    // Owner texts written into TARVEX.DAT and the aircraft of TEST.AC.
    static const QString kOwnerName, kOwnerAddress, kOwnerCityState, kOwnerPhone, kOwnerEmail;
    static const QString kAircraftType;
    static constexpr double kAircraftReserve = 1200;
    // Caterers at EGLL: more than a service list holds.
    static constexpr int kLondonCaterers = 55;

  private:
    bool makeFiles(const ProgramOptions& options);
    bool started_ = false;
};

// The name of the widget that has the keyboard focus ("" when none).
QString focusName();
// Types into the focused widget, then presses Return there.
void typeAndReturn(const QString& text);

}  // namespace tx::test
