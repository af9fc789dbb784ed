#pragma once
// The tables of data.mdb: their columns, how each column's values are typed, and the SQL that
// creates them. Db::create and the data tool build files from this one description, and Db::open
// checks an existing file against it.
#include <QString>
#include <QStringList>
#include <span>

namespace tx::schema {

enum class ColumnType {
    Key,      // INTEGER PRIMARY KEY AUTOINCREMENT, assigned by the engine
    Integer,  // 64-bit integer (AirportID)
    Text,     // text, compared without regard to case
    Single,   // single-precision number, stored as the double that the float converts to
    YesNo,    // 0 or 1
};

struct Column {
    const char* name;
    ColumnType type;
    int maxLength;  // the longest text the windows let the user type (0: no limit, not text)
    // A key the program keeps as CityFold of another column, on every write through the cursor
    // and when a file is opened: it orders and finds rows, and is never typed.
    const char* foldOf = nullptr;
};

struct Table {
    const char* name;
    std::span<const Column> columns;
    const Column* find(QStringView column) const;  // case-insensitive, nullptr when absent
    bool has(QStringView column) const { return find(column) != nullptr; }
};

// tblAirports, then the five service tables in the system's order: tblFBOs, tblCrewHotels,
// tblPaxHotels, tblLimos, tblCatering.
std::span<const Table> Tables();
const Table* FindTable(QStringView name);  // case-insensitive, nullptr when absent
const Table& Airports();

// A column name as it appears in SQL text ("Default" is a keyword and is always quoted).
QString Quoted(const char* column);

// The index that City order and City search use; an older file gets it when it is opened.
inline constexpr const char* kCityKeyIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportsCityKey ON tblAirports (CityKey, ID)";

// What a file of the first layout (before the airports' CityKey) gets when it is opened.
inline constexpr const char* kAddCityKey =
    "ALTER TABLE tblAirports ADD COLUMN CityKey TEXT COLLATE NOCASE";

// CREATE TABLE and CREATE INDEX statements for a new file, in order.
QStringList CreateStatements();
// The statements that made a file of the first layout. Opened, it gets kAddCityKey and
// kCityKeyIndex and keeps its table texts and its index on City.
QStringList EarlierLayoutStatements();

// The schema version written into PRAGMA user_version of new files. Version 2 added the
// airports' CityKey.
inline constexpr int kVersion = 2;

}  // namespace tx::schema
