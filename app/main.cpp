// Tarvex: the start routine. It opens the airport database and the start files, then the
// splash, the disclaimer and the main planning window follow one another.
#include <QApplication>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/Platform.h"
#include "windows/AppWindows.h"
#include "windows/start/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends by its exit commands only: windows are hidden and shown in turn.
    app.setQuitOnLastWindowClosed(false);
    tx::DesktopPlatform platform;
    tx::PlanState s;
    s.ProgramDir = QCoreApplication::applicationDirPath();
    tx::AirportDatabase adb;
    tx::TripLimits limits;
    if (!tx::OpenStart(s, adb, platform, limits)) return 1;

    tx::AppWindows windows(s, adb, platform);
    windows.limits = limits;
    windows.ShowStartWindows();
    return app.exec();
}
