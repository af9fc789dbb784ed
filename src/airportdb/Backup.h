#pragma once
// Backing the airport database up into a folder and restoring it from one. Both copy with
// SQLite's online backup into a temporary file beside the target and rename it when complete, so
// a failure never leaves a partial file under the name data.mdb. A data.mdb that is a symbolic
// link stays one: its target is replaced, through a temporary file in the target's own folder.
#include <QDateTime>
#include <QString>
#include <array>

#include "airportdb/Db.h"

namespace tx {

inline constexpr const char* kDatabaseFileName = "data.mdb";

// The rows of the six tables; services in the order of kServiceTables.
struct RowCounts {
    qint64 airports = 0;
    std::array<qint64, 5> services{};
};
RowCounts CountRows(const Db& db);
// "5,006 airports, 16 FBOs, 1 crew hotel, 9 pax hotels, 7 limos and 8 caterers".
QString CountsText(const RowCounts& counts);

// The file that path names once symbolic links are followed; it need not exist.
QString LinkTarget(const QString& path);

// Copies the open database into folder/data.mdb, replacing an earlier copy there, and returns
// that file's path. Throws DbError naming the fault; the folder then holds what it held before.
QString BackupDatabase(const Db& db, const QString& folder);

// folder/data.mdb copied beside the live database and checked (CheckAirportDatabase), not yet in
// use: the user is asked first. The copy is removed when this is destroyed unless it was put in
// use.
class RestoreCopy {
  public:
    RestoreCopy(QString from, QString part);
    ~RestoreCopy();
    RestoreCopy(RestoreCopy&& other) noexcept;
    RestoreCopy& operator=(RestoreCopy&&) = delete;

    QString source;  // folder/data.mdb
    RowCounts counts;

  private:
    friend QString CompleteRestore(AirportDatabase&, RestoreCopy&, const QDateTime&);
    QString part_;
};

// Throws DbError naming the fault (the first bad row of the copy among them); the live
// database is then untouched.
RestoreCopy PrepareRestore(const Db& live, const QString& folder);

// Puts the copy in place of the live database and reopens it with the airports cursor. The
// replaced file is kept beside the live one as data.mdb.<yyyy-MM-dd-hhmmss of when>.bak, of
// which the five newest are kept. Returns the kept file's path. Should the copy not open, the
// previous file is put back and reopened. Throws DbError naming the fault.
QString CompleteRestore(AirportDatabase& adb, RestoreCopy& copy, const QDateTime& when);

// At start, before the live database is opened: temporary files left beside it by an
// interrupted backup or restore are removed, and when the live file is missing its newest kept
// copy is put back. Returns what was put back, in words for the user; empty when nothing was.
// Throws DbError when a kept copy cannot be put back.
QString RecoverDatabaseFile(const QString& live);

// The message for a failed step on the database. When another program replaced the file while
// it was open (every write then fails), the file is opened again with the airports cursor and
// the message says so.
QString DbErrorMessage(AirportDatabase& adb, const DbError& e);

}  // namespace tx
