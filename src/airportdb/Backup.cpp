#include "airportdb/Backup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

#include "airportdb/DbInternals.h"
#include "airportdb/SqlStatement.h"
#include "airportdb/Statements.h"

namespace tx {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A new empty file in the folder that a copy in progress is written to, with the permissions
// of the live file (a temporary file is made private); its name.
QString newPartFile(const QString& folder, const QString& live) {
    QTemporaryFile f(QDir(folder).filePath(QStringLiteral("data.mdb.XXXXXX.part")));
    f.setAutoRemove(false);
    if (!f.open())
        throw DbError(shown(folder) + ": a file cannot be written there (" + f.errorString() + ")");
    f.setPermissions(QFileInfo(live).permissions());
    return f.fileName();
}

void removePart(const QString& part) {
    QFile::remove(part);
    QFile::remove(part + QStringLiteral("-journal"));
}

// Renames from over to (replacing it in one step). Throws DbError.
void replaceFile(const QString& from, const QString& to) {
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    if (ec)
        throw DbError(shown(to) + ": cannot be replaced (" + QString::fromStdString(ec.message()) +
                      ")");
}

// An SQLite connection closed when it goes out of scope.
struct Connection {
    sqlite3* h = nullptr;
    Connection(const QString& path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &h, flags, nullptr) != SQLITE_OK)
            throw DbError(shown(path) + ": cannot be opened (" + engineMessage(h) + ")");
    }
    ~Connection() { sqlite3_close_v2(h); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

// Copies database "main" of src, every page in one step, into the empty file dest.
void copyPages(sqlite3* src, const QString& sourceName, const QString& dest) {
    Connection to(dest, SQLITE_OPEN_READWRITE);
    sqlite3_backup* b = sqlite3_backup_init(to.h, "main", src, "main");
    if (!b) throw DbError(shown(dest) + ": the copy cannot begin (" + engineMessage(to.h) + ")");
    const int stepped = sqlite3_backup_step(b, -1);
    const int finished = sqlite3_backup_finish(b);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        throw DbError(
            shown(sourceName) + ": the copy failed (" +
            QString::fromUtf8(sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished)) + ")");
}

bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

void openLive(AirportDatabase& adb, const QString& live) {
    adb.db.open(live);
    adb.AirportsRs.emplace(OpenAirports(adb.db));
}

}  // namespace

void BackupDatabase(const Db& db, const QString& folder) {
    if (!db.isOpen()) throw DbError(QStringLiteral("The airport database is not open"));
    if (!QFileInfo(folder).isDir()) throw DbError(shown(folder) + ": there is no such folder");
    const QString target = QDir(folder).filePath(QString::fromLatin1(kDatabaseFileName));
    // Renaming over the open file would leave the program writing to a deleted one.
    if (sameFile(target, db.path()))
        throw DbError(shown(target) + ": is the airport database in use itself");
    const QString part = newPartFile(folder, db.path());
    try {
        copyPages(db.handle(), db.path(), part);
        replaceFile(part, target);
    } catch (...) {
        removePart(part);
        throw;
    }
}

void CheckAirportDatabase(const QString& path) {
    Db check;
    check.open(path);  // a file that is not SQLite, or lacks a table or field, is refused here
    detail::Statement st(check, QStringLiteral("PRAGMA integrity_check"));
    const QString verdict = st.step() ? st.value(0).toString() : QString();
    if (verdict != u"ok") throw DbError(shown(path) + ": the file is damaged (" + verdict + ")");
}

void RestoreDatabase(AirportDatabase& adb, const QString& folder) {
    const QString live = adb.db.path();
    if (live.isEmpty()) throw DbError(QStringLiteral("The airport database is not open"));
    const QString source = QDir(folder).filePath(QString::fromLatin1(kDatabaseFileName));
    if (!QFileInfo(source).isFile())
        throw DbError(shown(source) + ": there is no copy of the airport database there");
    if (sameFile(source, live))
        throw DbError(shown(source) + ": is the airport database in use itself");

    // The copy is made and checked beside the live file before anything is replaced.
    const QString part = newPartFile(QFileInfo(live).absolutePath(), live);
    try {
        {
            Connection from(source, SQLITE_OPEN_READONLY);
            copyPages(from.h, source, part);
        }
        CheckAirportDatabase(part);
    } catch (const DbError& e) {
        removePart(part);
        throw DbError(QString(e.message()).replace(shown(part), shown(source)));
    } catch (...) {
        removePart(part);
        throw;
    }

    const QString kept = live + QStringLiteral(".bak");
    adb.AirportsRs.reset();
    adb.db.close();
    try {
        replaceFile(live, kept);
        try {
            replaceFile(part, live);
        } catch (...) {
            replaceFile(kept, live);
            throw;
        }
    } catch (...) {
        removePart(part);
        openLive(adb, live);
        throw;
    }
    try {
        openLive(adb, live);
    } catch (const DbError& e) {
        // The previous file goes back into use.
        adb.AirportsRs.reset();
        adb.db.close();
        replaceFile(kept, live);
        openLive(adb, live);
        throw DbError(e.message() + QStringLiteral("; the previous airport database is in use"));
    }
}

}  // namespace tx
