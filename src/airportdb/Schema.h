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
// Every word of every airport's WordKey, found by its first letters through the table's key; the
// program keeps it with WordKey (an airport deleted takes its words along).
inline constexpr const char* kWordTable =
    "CREATE TABLE IF NOT EXISTS tblAirportWords (Word TEXT NOT NULL, AirportID INTEGER NOT NULL, "
    "PRIMARY KEY (Word, AirportID)) WITHOUT ROWID";
inline constexpr const char* kWordsOfAirportIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportWordsAirportID ON tblAirportWords (AirportID)";
inline constexpr const char* kWordsGoTrigger =
    "CREATE TRIGGER IF NOT EXISTS trgAirportWordsGo AFTER DELETE ON tblAirports BEGIN "
    "DELETE FROM tblAirportWords WHERE AirportID = old.ID; END";
inline constexpr const char* kDeleteWords = "DELETE FROM tblAirportWords WHERE AirportID = ?1";
inline constexpr const char* kInsertWord =
    "INSERT OR IGNORE INTO tblAirportWords (Word, AirportID) VALUES (?1, ?2)";
// The words of a WordKey value.
QStringList WordsOf(const QVariant& wordKey);

// Larger airports first; an airport of no kind with the others.
#define TX_KIND_RANK \
    "CASE Kind WHEN 'large' THEN 0 WHEN 'medium' THEN 1 WHEN 'small' THEN 2 ELSE 3 END"
inline constexpr const char* kKindRank = TX_KIND_RANK;
// The index that City order (larger airports first within a city) is read from.
inline constexpr const char* kCityOrderIndex =
    "CREATE INDEX IF NOT EXISTS idxAirportsCityOrder ON tblAirports (CityKey, " TX_KIND_RANK
    ", ID)";
#undef TX_KIND_RANK

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
