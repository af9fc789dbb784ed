// Tarvex: the start routine. It opens the airport database and the start files, then the
// splash, the disclaimer and the main planning window follow one another.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/Platform.h"
#include "windows/AppWindows.h"
#include "windows/start/Start.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarvex"));
    // The program ends by its exit commands only: windows are hidden and shown in turn.
    app.setQuitOnLastWindowClosed(false);
    tx::DesktopPlatform platform;
    tx::PlanState s;
    s.ProgramDir = QCoreApplication::applicationDirPath();
    if (!tx::UseProgramDir(s, platform,
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                           QFileInfo(QCoreApplication::applicationFilePath()).fileName()))
        return 1;
    // The menu entry keeps plans in the user's documents folder; started from a shell, Tarvex
    // keeps them in the working directory.
    if (QCoreApplication::arguments().contains(QStringLiteral("--plans-in-documents"))) {
        const QString plans =
            QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                .filePath(QStringLiteral("Tarvex Plans"));
        if (!QDir().mkpath(plans) || !QDir::setCurrent(plans))
            platform.messageBox(nullptr,
                                QStringLiteral("The plan folder %1 cannot be made or opened; "
                                               "plans are kept in %2.")
                                    .arg(QDir::toNativeSeparators(plans),
                                         QDir::toNativeSeparators(QDir::currentPath())),
                                QStringLiteral("Tarvex"), tx::Platform::Buttons::OK,
                                tx::Platform::Icon::Warning, tx::Platform::Answer::OK);
    }
    tx::AirportDatabase adb;
    tx::TripLimits limits;
    if (!tx::OpenStart(s, adb, platform, limits)) return 1;

    tx::AppWindows windows(s, adb, platform);
    windows.limits = limits;
    windows.ShowStartWindows();
    return app.exec();
}
