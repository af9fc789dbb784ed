#include "airportdb/Backup.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>
#include <filesystem>
#include <system_error>
#include <utility>

#include "airportdb/BackupCheck.h"
#include "airportdb/DbInternals.h"
#include "airportdb/SqlStatement.h"
#include "airportdb/Statements.h"

namespace tx {

namespace {

constexpr int kKeptCopies = 5;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::filesystem::path fsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// A new empty file beside target that a copy in progress is written to, with the permissions
// of the live file (a temporary file is made private); its name.
QString newPartFile(const QString& target, const QString& live) {
    const QString folder = QFileInfo(target).absolutePath();
    QTemporaryFile f(target + QStringLiteral(".XXXXXX.part"));
    f.setAutoRemove(false);
    if (!f.open())
        throw DbError(shown(folder) + ": a file cannot be written there (" + f.errorString() + ")");
    f.setPermissions(QFileInfo(live).permissions());
    return f.fileName();
}

void removePart(const QString& part) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(part + QLatin1StringView(suffix));
}

// A copy in progress of target: the names newPartFile gives, and the engine's files beside them.
QRegularExpression partPattern(const QString& target) {
    return QRegularExpression(u'^' + QRegularExpression::escape(QFileInfo(target).fileName()) +
                              QStringLiteral(R"(\.[A-Za-z0-9]{6}\.part(-journal|-wal|-shm)?$)"));
}

// The files target was kept as when it was replaced by a restore, newest first.
QStringList keptCopies(const QString& target) {
    const QFileInfo t(target);
    const QRegularExpression kept(u'^' + QRegularExpression::escape(t.fileName()) +
                                  QStringLiteral(R"(\.\d{4}-\d\d-\d\d-\d{6}\.bak$)"));
    QStringList out;
    for (const QString& name : t.absoluteDir().entryList(QDir::Files, QDir::Name | QDir::Reversed))
        if (kept.match(name).hasMatch()) out << t.absoluteDir().filePath(name);
    return out;
}

// A name for keeping target that no file has yet, stamped with when (a second later for each
// name already taken).
QString keptName(const QString& target, QDateTime when) {
    for (;; when = when.addSecs(1)) {
        const QString name =
            target + u'.' + when.toString(QStringLiteral("yyyy-MM-dd-hhmmss")) + ".bak";
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) return name;
    }
}

// Renames from over to (replacing it in one step). Throws DbError.
void replaceFile(const QString& from, const QString& to) {
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    if (ec)
        throw DbError(shown(to) + ": cannot be replaced (" + QString::fromStdString(ec.message()) +
                      ")");
}

// Copies database "main" of src, every page in one step, into the empty file dest.
void copyPages(sqlite3* src, const QString& sourceName, const QString& dest) {
    RawConnection to(dest, SQLITE_OPEN_READWRITE);
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
    adb.closeCursors();
    adb.db.open(live);
    adb.AirportsRs.emplace(OpenAirports(adb.db));
}

}  // namespace

RowCounts CountRows(const Db& db) {
    const auto count = [&db](const QString& table) {
        detail::Statement st(db, "SELECT count(*) FROM " + table);
        return st.step() ? st.int64(0) : 0;
    };
    RowCounts c;
    c.airports = count(QStringLiteral("tblAirports"));
    for (int k = 0; k < 5; ++k) c.services[k] = count(TableName(kServiceTables[k]));
    return c;
}

QString CountsText(const RowCounts& counts) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const auto part = [&](qint64 n, const char* one, const char* many) {
        return english.toString(n) + u' ' + QLatin1StringView(n == 1 ? one : many);
    };
    const auto& s = counts.services;
    return part(counts.airports, "airport", "airports") + ", " + part(s[0], "FBO", "FBOs") + ", " +
           part(s[1], "crew hotel", "crew hotels") + ", " + part(s[2], "pax hotel", "pax hotels") +
           ", " + part(s[3], "limo", "limos") + " and " + part(s[4], "caterer", "caterers");
}

QString LinkTarget(const QString& path) {
    QString p = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40 && QFileInfo(p).isSymLink(); ++hops)
        p = QFileInfo(p).symLinkTarget();
    return p;
}

QString BackupDatabase(const Db& db, const QString& folder) {
    if (!db.isOpen()) throw DbError(QStringLiteral("The airport database is not open"));
    if (!QFileInfo(folder).isDir()) throw DbError(shown(folder) + ": there is no such folder");
    const QString file = QDir(folder).filePath(QString::fromLatin1(kDatabaseFileName));
    const QString target = LinkTarget(file);
    // Renaming over the open file would leave the program writing to a deleted one.
    if (sameFile(target, db.path()))
        throw DbError(shown(file) + ": is the airport database in use itself");
    const QString part = newPartFile(target, db.path());
    try {
        copyPages(db.handle(), db.path(), part);
        replaceFile(part, target);
    } catch (...) {
        removePart(part);
        throw;
    }
    return file;
}

RestoreCopy::RestoreCopy(QString from, QString part)
    : source(std::move(from)), part_(std::move(part)) {}

RestoreCopy::~RestoreCopy() {
    if (!part_.isEmpty()) removePart(part_);
}

RestoreCopy::RestoreCopy(RestoreCopy&& other) noexcept
    : source(other.source), counts(other.counts), part_(std::exchange(other.part_, {})) {}

RestoreCopy PrepareRestore(const Db& live, const QString& folder) {
    if (!live.isOpen()) throw DbError(QStringLiteral("The airport database is not open"));
    const QString source = QDir(folder).filePath(QString::fromLatin1(kDatabaseFileName));
    if (!QFileInfo(source).isFile())
        throw DbError(shown(source) + ": there is no copy of the airport database there");
    if (sameFile(source, live.path()))
        throw DbError(shown(source) + ": is the airport database in use itself");

    // Made and checked beside the live file before anything is replaced.
    const QString part = newPartFile(LinkTarget(live.path()), live.path());
    RestoreCopy copy(source, part);
    try {
        {
            // A reader of a file in WAL mode makes its -wal and -shm files and, being read-only,
            // cannot remove them: without a -wal the file holds every change, so it is read as
            // one that cannot change, which leaves nothing beside the user's backup.
            const bool walLeft = QFileInfo::exists(LinkTarget(source) + "-wal");
            const QString uri = QUrl::fromLocalFile(source).toString(QUrl::FullyEncoded);
            RawConnection from(source, SQLITE_OPEN_READONLY | (walLeft ? 0 : SQLITE_OPEN_URI),
                               walLeft ? QString() : uri + "?immutable=1");
            copyPages(from.h, source, part);
        }
        CheckAirportDatabase(part);
        Db check;
        check.open(part);
        copy.counts = CountRows(check);
    } catch (const DbError& e) {
        throw DbError(QString(e.message()).replace(shown(part), shown(source)));
    }
    return copy;
}

QString CompleteRestore(AirportDatabase& adb, RestoreCopy& copy, const QDateTime& when) {
    const QString live = adb.db.path();
    if (live.isEmpty() || copy.part_.isEmpty())
        throw DbError(QStringLiteral("The airport database is not open"));
    const QString target = LinkTarget(live);
    const QString kept = keptName(target, when);
    adb.closeCursors();
    adb.db.close();
    try {
        replaceFile(target, kept);
        try {
            replaceFile(copy.part_, target);
        } catch (...) {
            replaceFile(kept, target);
            throw;
        }
    } catch (...) {
        openLive(adb, live);
        throw;
    }
    copy.part_.clear();
    try {
        openLive(adb, live);
    } catch (const DbError& e) {
        // The previous file goes back into use.
        adb.closeCursors();
        adb.db.close();
        replaceFile(kept, target);
        openLive(adb, live);
        throw DbError(e.message() + QStringLiteral("; the previous airport database is in use"));
    }
    for (const QString& older : keptCopies(target).mid(kKeptCopies)) QFile::remove(older);
    return kept;
}

QString RecoverDatabaseFile(const QString& live) {
    const QString target = LinkTarget(live);
    const QFileInfo t(target);
    const QRegularExpression part = partPattern(target);
    for (const QString& name : t.absoluteDir().entryList(QDir::Files | QDir::Hidden))
        if (part.match(name).hasMatch()) QFile::remove(t.absoluteDir().filePath(name));
    if (t.exists() || t.isSymLink()) return {};

    // Newest first; data.mdb.bak is where earlier versions kept the file a restore replaced.
    QStringList kept = keptCopies(target);
    if (QFileInfo(target + ".bak").isFile()) kept << target + ".bak";
    if (kept.isEmpty()) return {};
    replaceFile(kept.first(), target);
    return QStringLiteral(
               "The airport database %1 was missing. The copy kept as %2 when a restore "
               "replaced it has been put back in its place.")
        .arg(shown(live), shown(kept.first()));
}

QString DbErrorMessage(AirportDatabase& adb, const DbError& e) {
    int moved = 0;
    if (!adb.db.isOpen() ||
        sqlite3_file_control(adb.db.handle(), "main", SQLITE_FCNTL_HAS_MOVED, &moved) !=
            SQLITE_OK ||
        !moved)
        return e.message();
    const QString live = adb.db.path();
    const QString text =
        e.message() + QStringLiteral(
                          "\n\nAnother program replaced the airport database %1 "
                          "while Tarvex was using it, so this change was not stored.")
                          .arg(shown(live));
    try {
        openLive(adb, live);
        return text + QStringLiteral(
                          " Tarvex now uses the new file: make the change again if it is "
                          "still wanted.");
    } catch (const DbError& again) {
        return text + QStringLiteral(
                          " The new file cannot be used (%1). End Tarvex and start it "
                          "again.")
                          .arg(again.message());
    }
}

}  // namespace tx
