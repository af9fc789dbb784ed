#pragma once
// The tables of data.mdb: their columns, how each column's values are typed, and the SQL that
// creates them. Db::create and the data tool build files from this one description, and Db::open
// checks an existing file against it.
#include <QString>
#include <QStringList>
#include <QVariant>
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
    // A key the program keeps from other columns (KeyOf), on every write through the cursor
    // and when a file is opened: it orders and finds rows, and is never typed.
    const char* foldOf = nullptr;
    const char* alsoOf = nullptr;  // a second source: the key holds the words of both
    int since = 1;                 // the schema version that added the column
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

// A key column's value for the values of its sources: CityFold of the one source, or WordFold
// of both; NULL when the sources are NULL.
QVariant KeyOf(const Column& key, const QVariant& source, const QVariant& also = {});

// The index that City order and City search use; an older file gets it when it is opened.
inline constexpr const char* kCityKeyIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportsCityKey ON tblAirports (CityKey, ID)";
// The index the word search scans: its keys alone, far fewer pages than the table.
inline constexpr const char* kWordKeyIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportsWordKey ON tblAirports (WordKey)";

// The index the IATA code lookup uses.
inline constexpr const char* kIataIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportsIATA ON tblAirports (IATA)";

// The schema version written into PRAGMA user_version of new files. Version 2 added the
// airports' CityKey; version 3 their IATA code, name, kind and WordKey.
inline constexpr int kVersion = 3;

// CREATE TABLE and CREATE INDEX statements of a new file of the given layout (1 to kVersion),
// in order.
QStringList LayoutStatements(int version);
QStringList CreateStatements();  // of the current layout
// What a file of layout `from` gets when it is opened, to hold the columns and indexes of layout
// `to`: it keeps its table texts (with the added columns at their end) and its other indexes.
QStringList UpgradeStatements(int from, int to = kVersion);
QString AddColumnStatement(const Column& c);  // ALTER TABLE ... ADD COLUMN

}  // namespace tx::schema
