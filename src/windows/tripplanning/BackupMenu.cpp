// File, "Backup/Restore data base": the airport database copied to a folder the user chooses,
// and restored from one. The folder chooser stands in for the removable disk.
#include <QAction>

#include "airportdb/Backup.h"
#include "windows/WindowSwitch.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kBackupFailed =
    QStringLiteral("Insert a Formatted empty disk in drive <A>, then try again.");
const QString kRestoreFailed =
    QStringLiteral("Insert 'Tarvex Backup' disk in drive <A>, then try again.");

}  // namespace

void TripPlanning::connectBackupHandlers() {
    connect(mnuFilBackup, &QAction::triggered, this, &TripPlanning::mnuFilBackup_Click);
    connect(mnuFilRestore, &QAction::triggered, this, &TripPlanning::mnuFilRestore_Click);
}

// A failure shows the system's message with what went wrong under it.
void TripPlanning::mnuFilBackup_Click() {
    const QString folder =
        app_.platform.chooseFolder(this, QStringLiteral("Backup database to (data.mdb)"));
    if (folder.isEmpty()) return;
    try {
        BackupDatabase(app_.adb.db, folder);
    } catch (const DbError& e) {
        app_.platform.messageBox(this, kBackupFailed + QStringLiteral("\n\n") + e.message(),
                                 QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
    }
}

// Nothing is refreshed: both windows read the restored data at their next lookup.
void TripPlanning::mnuFilRestore_Click() {
    const QString folder =
        app_.platform.chooseFolder(this, QStringLiteral("Restore database from (data.mdb)"));
    if (folder.isEmpty()) return;
    try {
        RestoreDatabase(app_.adb, folder);
    } catch (const DbError& e) {
        app_.platform.messageBox(this, kRestoreFailed + QStringLiteral("\n\n") + e.message(),
                                 QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
    }
}

}  // namespace tx
