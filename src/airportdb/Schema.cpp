#include "airportdb/Schema.h"

#include <array>

#include "core/Text.h"

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
    {"CityKey", Text, 0, "City", nullptr, 2},
    {"IATA", Text, 3, nullptr, nullptr, 3},
    {"Name", Text, 50, nullptr, nullptr, 3},
    {"Kind", Text, 6, nullptr, nullptr, 3},
    {"WordKey", Text, 0, "City", "Name", 3},
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

QVariant KeyOf(const Column& key, const QVariant& source, const QVariant& also) {
    if (!key.alsoOf) return source.isNull() ? QVariant() : QVariant(CityFold(source.toString()));
    if (source.isNull() && also.isNull()) return {};
    return WordFold(source.toString() + u' ' + also.toString());
}

QStringList WordsOf(const QVariant& wordKey) {
    QStringList words = wordKey.toString().split(u' ', Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

QStringList LayoutStatements(int version) {
    QStringList out;
    for (const Table& t : kTables) {
        QStringList cols;
        for (const Column& c : t.columns)
            if (c.since <= version) cols << columnSql(c);
        out << QStringLiteral("CREATE TABLE %1 (%2)")
                   .arg(QLatin1StringView(t.name), cols.join(", "));
    }
    // Ident is not unique in the engine: the airport window checks a new identifier itself, and
    // an identifier changed after that check is stored as the user typed it.
    out << "CREATE INDEX idxAirportsIdent ON tblAirports (Ident)"
        << (version < 2 ? "CREATE INDEX idxAirportsCity ON tblAirports (City)" : kCityKeyIndex);
    if (version >= 3)
        out << kCityOrderIndex << kIataIndex << kWordTable << kWordsOfAirportIndex
            << kWordsGoTrigger;
    for (const Table& t : Tables().subspan(1))
        out << QStringLiteral("CREATE INDEX idx%1AirportID ON %2 (AirportID)")
                   .arg(QLatin1StringView(t.name).mid(3), QLatin1StringView(t.name));
    return out;
}

QStringList CreateStatements() {
    return LayoutStatements(kVersion);
}

QStringList UpgradeStatements(int from, int to) {
    QStringList out;
    for (const Column& c : Airports().columns)
        if (c.since > from && c.since <= to) out << AddColumnStatement(c);
    if (to >= 2 && from < 2) out << kCityKeyIndex;
    if (to >= 3 && from < 3)
        out << kCityOrderIndex << kIataIndex << kWordTable << kWordsOfAirportIndex
            << kWordsGoTrigger;
    return out;
}

QString AddColumnStatement(const Column& c) {
    // CityKey was first added under this exact text, which a file keeps in its table's text.
    if (qstrcmp(c.name, "CityKey") == 0)
        return QStringLiteral("ALTER TABLE tblAirports ADD COLUMN CityKey TEXT COLLATE NOCASE");
    return "ALTER TABLE tblAirports ADD COLUMN " + columnSql(c);
}

}  // namespace tx::schema
