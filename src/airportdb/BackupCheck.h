#pragma once
// What a copy of the airport database must be before it may take the live one's place: an
// intact SQLite file holding the program's own tables and indexes and nothing else, and rows
// that the airport window could have stored.
#include <QString>

namespace tx {

// Checks the file and brings it up to date as Db::open does (the file is written to). Throws
// DbError naming the first fault: a file that is not SQLite or is damaged, a table, index,
// trigger or view that is not the program's own, or the first row that the airport window would
// not store, named by its kind, identifier or name and ID.
void CheckAirportDatabase(const QString& path);

}  // namespace tx
