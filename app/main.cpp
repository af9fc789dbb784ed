// Tarvex: the start routine builds the application objects and runs them.
#include <QApplication>
#include <QLabel>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/Platform.h"
#include "airportdb/Statements.h"
#include "settings/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tx::DesktopPlatform platform;
    tx::PlanState s;
    s.ProgramDir = QCoreApplication::applicationDirPath();
    tx::AirportDatabase adb;
    if (!tx::OpenStart(s, adb, platform)) return 1;

    // Until the planning window exists: what start-up loaded.
    adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    adb.AirportsRs->moveLast();
    QLabel window(QStringLiteral("%1\n\nAircraft: %2\nAirports: %3\nTime-zone rows: %4")
                      .arg(s.VersionText, s.ACFileName.isEmpty() ? "(none)" : s.ACType)
                      .arg(adb.AirportsRs->recordCount())
                      .arg(s.TZRows));
    window.setWindowTitle(s.VersionText);
    window.setMargin(24);
    window.show();
    const int rc = app.exec();
    adb.AirportsRs.reset();
    adb.db.close();
    return rc;
}
