// File, "Backup/Restore data base": the airport database copied to a folder the user chooses,
// and restored from one. The folder chooser stands in for the removable disk.
#include <QAction>
#include <QDir>

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

// A failure shows the system's message with what went wrong under it; success says where the
// copy went and what it holds.
void TripPlanning::mnuFilBackup_Click() {
    const QString folder =
        app_.platform.chooseFolder(this, QStringLiteral("Backup database to (data.mdb)"));
    if (folder.isEmpty()) return;
    QString done;
    try {
        const QString file = BackupDatabase(app_.adb.db, folder);
        done = QStringLiteral("The airport database (%1) has been backed up to %2.")
                   .arg(CountsText(CountRows(app_.adb.db)), QDir::toNativeSeparators(file));
    } catch (const DbError& e) {
        app_.platform.messageBox(this, kBackupFailed + QStringLiteral("\n\n") + e.message(),
                                 QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
        return;
    }
    app_.platform.messageBox(this, done, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                             Platform::Icon::Information);
}

// The checked copy replaces the live database only when the user, told what each holds, agrees.
// Nothing is refreshed: both windows read the restored data at their next lookup.
void TripPlanning::mnuFilRestore_Click() {
    const QString folder =
        app_.platform.chooseFolder(this, QStringLiteral("Restore database from (data.mdb)"));
    if (folder.isEmpty()) return;
    QString done;
    try {
        RestoreCopy copy = PrepareRestore(app_.adb.db, folder);
        const QString live = CountsText(CountRows(app_.adb.db));
        const QString restored = CountsText(copy.counts);
        if (app_.platform.messageBox(
                this,
                QStringLiteral("Restore %1 from %2 in place of %3?")
                    .arg(restored, QDir::toNativeSeparators(copy.source), live),
                QStringLiteral("Tarvex"), Platform::Buttons::YesNo, Platform::Icon::Question,
                Platform::Answer::No) != Platform::Answer::Yes)
            return;
        const QString kept = CompleteRestore(app_.adb, copy, app_.platform.now());
        done = QStringLiteral(
                   "Restored %1 from %2. The previous airport database (%3) is kept "
                   "as %4.")
                   .arg(restored, QDir::toNativeSeparators(copy.source), live,
                        QDir::toNativeSeparators(kept));
    } catch (const DbError& e) {
        app_.platform.messageBox(this, kRestoreFailed + QStringLiteral("\n\n") + e.message(),
                                 QStringLiteral("Tarvex"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
        return;
    }
    app_.platform.messageBox(this, done, QStringLiteral("Tarvex"), Platform::Buttons::OK,
                             Platform::Icon::Information);
}

}  // namespace tx
