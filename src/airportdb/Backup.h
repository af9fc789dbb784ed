#pragma once
// Backing the airport database up into a folder and restoring it from one. Both copy with
// SQLite's online backup into a temporary file beside the target and rename it when complete, so
// a failure never leaves a partial file under the name data.mdb.
#include <QString>

#include "airportdb/Db.h"

namespace tx {

inline constexpr const char* kDatabaseFileName = "data.mdb";

// Copies the open database into folder/data.mdb, replacing an earlier copy there. Throws DbError
// naming the fault; the folder then holds what it held before.
void BackupDatabase(const Db& db, const QString& folder);

// Checks that the file is an airport database that can be used: it opens as SQLite, passes the
// integrity check and has the six tables with their fields. Throws DbError naming the fault.
void CheckAirportDatabase(const QString& path);

// Replaces the live database by folder/data.mdb and reopens it with the airports cursor. The
// copy is checked first (CheckAirportDatabase); a refused copy leaves the live database open
// and untouched. The replaced file is kept beside the live one as data.mdb.bak (replacing an
// older one). Should the restored file not open, the previous file is put back and reopened.
// Throws DbError naming the fault.
void RestoreDatabase(AirportDatabase& adb, const QString& folder);

}  // namespace tx
