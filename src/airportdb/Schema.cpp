#include "airportdb/Schema.h"

#include <array>

namespace tx::schema {

namespace {

using enum ColumnType;

constexpr Column kAirportColumns[] = {
    {"ID", Key, 0},
    {"Ident", Text, 4},
    {"City", Text, 25},
    {"State", Text, 20},
    {"Lat", Text, 8},
    {"Long", Text, 9},
    {"Std", Single, 0},
    {"Day", Single, 0},
    {"ZoneCode", Text, 3},
    {"Comments", Text, 400},
    {"CityKey", Text, 0, "City"},
};

constexpr Column kFboColumns[] = {
    {"ID", Key, 0},    {"AirportID", Integer, 0}, {"Name", Text, 25}, {"PhoneNumber", Text, 25},
    {"Freq", Text, 7}, {"Default", YesNo, 0},
};

constexpr Column kServiceColumns[] = {
    {"ID", Key, 0},        {"AirportID", Integer, 0}, {"Name", Text, 25}, {"PhoneNumber", Text, 25},
    {"Default", YesNo, 0},
};

const std::array<Table, 6> kTables = {{
    {"tblAirports", kAirportColumns},
    {"tblFBOs", kFboColumns},
    {"tblCrewHotels", kServiceColumns},
    {"tblPaxHotels", kServiceColumns},
    {"tblLimos", kServiceColumns},
    {"tblCatering", kServiceColumns},
}};

QString columnSql(const Column& c) {
    QString sql = Quoted(c.name) + u' ';
    switch (c.type) {
        case Key:
            return sql + "INTEGER PRIMARY KEY AUTOINCREMENT";
        case Integer:
            return sql + "INTEGER NOT NULL";
        case Text:
            return sql + "TEXT COLLATE NOCASE";
        case Single:
            return sql + "REAL";
        case YesNo:
            return sql + "INTEGER NOT NULL DEFAULT 0 CHECK (" + Quoted(c.name) + " IN (0, 1))";
    }
    return sql;
}

}  // namespace

const Column* Table::find(QStringView column) const {
    for (const Column& c : columns)
        if (column.compare(QLatin1StringView(c.name), Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

std::span<const Table> Tables() {
    return kTables;
}

const Table* FindTable(QStringView name) {
    for (const Table& t : kTables)
        if (name.compare(QLatin1StringView(t.name), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

const Table& Airports() {
    return kTables[0];
}

QString Quoted(const char* column) {
    return u'"' + QLatin1StringView(column) + u'"';
}

namespace {

QStringList statements(bool earlier) {
    QStringList out;
    for (const Table& t : kTables) {
        QStringList cols;
        for (const Column& c : t.columns)
            if (!earlier || !c.foldOf) cols << columnSql(c);
        out << QStringLiteral("CREATE TABLE %1 (%2)")
                   .arg(QLatin1StringView(t.name), cols.join(", "));
    }
    // Ident is not unique in the engine: the airport window checks a new identifier itself, and
    // an identifier changed after that check is stored as the user typed it.
    out << "CREATE INDEX idxAirportsIdent ON tblAirports (Ident)"
        << (earlier ? "CREATE INDEX idxAirportsCity ON tblAirports (City)" : kCityKeyIndex);
    for (const Table& t : Tables().subspan(1))
        out << QStringLiteral("CREATE INDEX idx%1AirportID ON %2 (AirportID)")
                   .arg(QLatin1StringView(t.name).mid(3), QLatin1StringView(t.name));
    return out;
}

}  // namespace

QStringList CreateStatements() {
    return statements(false);
}

QStringList EarlierLayoutStatements() {
    return statements(true);
}

}  // namespace tx::schema
