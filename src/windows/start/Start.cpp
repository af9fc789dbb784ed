#include "windows/start/Start.h"

#include <QDir>
#include <QTextStream>

#include "airportdb/Backup.h"
#include "calc/TimeZones.h"
#include "core/ProgramDir.h"
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

bool UseProgramDir(PlanState& s, Platform& platform, const QString& userDir,
                   const QString& program) {
    try {
        const ProgramDirChoice where =
            ChooseProgramDir(s.ProgramDir, userDir, program, CanWriteIn(s.ProgramDir));
        if (where.firstUse)
            platform.messageBox(
                nullptr,
                QStringLiteral("Tarvex cannot write in its own folder %1, so it keeps its airport "
                               "database, settings and aircraft files in %2 and uses them from "
                               "there.\n\nBack up that folder to keep them.")
                    .arg(QDir::toNativeSeparators(s.ProgramDir),
                         QDir::toNativeSeparators(where.dir)),
                QStringLiteral("Tarvex"), Platform::Buttons::OK, Platform::Icon::Information,
                Platform::Answer::OK);
        s.ProgramDir = where.dir;
        return true;
    } catch (const FileError& e) {
        return refuse(platform, e.message());
    }
}

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
    // The yearly daylight table is a refinement: without it every leg takes TZONES.DAT.
    if (!s.TZYears.Problem.isEmpty())
        platform.messageBox(nullptr,
                            QStringLiteral("%1\n\nEvery leg is computed with the daylight periods "
                                           "of TZONES.DAT, whatever its year.")
                                .arg(s.TZYears.Problem),
                            QStringLiteral("Tarvex"), Platform::Buttons::OK,
                            Platform::Icon::Warning, Platform::Answer::OK);
    if (const QString note = NearestYearNote(s); !note.isEmpty())
        platform.messageBox(nullptr, note, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                            Platform::Icon::Information, Platform::Answer::OK);
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
