#include "windows/start/Start.h"

#include <QDir>
#include <QTextStream>

#include "airportdb/Backup.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"

namespace tx {

namespace {

bool refuse(Platform& platform, const QString& what) {
    const QString text = QStringLiteral("Tarvex cannot start.\n\n%1").arg(what);
    QTextStream(stderr) << text << '\n';
    platform.messageBox(nullptr, text, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                        Platform::Icon::Critical, Platform::Answer::OK);
    return false;
}

}  // namespace

bool OpenStart(PlanState& s, AirportDatabase& adb, Platform& platform, TripLimits& limits) {
    s.Today = platform.today();
    try {
        const QString live = ProgramFile(s, QString::fromLatin1(kDatabaseFileName));
        // A rewrite cut short leaves its temporary file; a restore or backup its copy in
        // progress, or no data.mdb at all.
        for (const QString& folder : {s.ProgramDir, QDir::currentPath()})
            RemoveLeftoverTemporaries(folder);
        if (const QString putBack = RecoverDatabaseFile(live); !putBack.isEmpty())
            platform.messageBox(nullptr, putBack, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                Platform::Icon::Information, Platform::Answer::OK);
        adb.db.open(live);
    } catch (const DbError& e) {
        return refuse(platform, e.message());
    }
    try {
        LoadStartFiles(s);
    } catch (const FileError& e) {
        adb.db.close();
        return refuse(platform, e.message());
    }
    if (!s.AircraftLoadError.isEmpty())
        QTextStream(stderr) << "Tarvex: no aircraft loaded: " << s.AircraftLoadError << '\n';
    const TripLimitsRead read = LoadTripLimits(s);
    limits = read.limits;
    if (!read.problem.isEmpty())
        platform.messageBox(nullptr, read.problem, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                            Platform::Icon::Warning, Platform::Answer::OK);
    return true;
}

}  // namespace tx
