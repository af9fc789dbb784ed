#pragma once
// Every statement Tarvex issues against the airport database. Typed values are bound as
// parameters: a quote in a city or an identifier is an ordinary character.
#include "airportdb/Db.h"

namespace tx {

enum class ServiceTable { FBOs, CrewHotels, PaxHotels, Limos, Catering };
inline constexpr ServiceTable kServiceTables[] = {ServiceTable::FBOs, ServiceTable::CrewHotels,
                                                  ServiceTable::PaxHotels, ServiceTable::Limos,
                                                  ServiceTable::Catering};
QString TableName(ServiceTable t);  // "tblFBOs", "tblCrewHotels", ...

// Every airport, in City order: CityKey, larger airports first within a city, then ID.
Recordset OpenAirports(Db& db);
// The airports any word of whose city or name starts with every word of the text (accents and
// case aside): larger airports first, then in City order. None for a text without words.
Recordset OpenAirportsWithWords(Db& db, const QString& text);

// The identifier lookup of both windows: the airport with exactly that identifier, else, for
// three characters, an airport with that IATA code. True when the cursor stands on it.
bool FindIdentOrIata(Recordset& rs, const QString& ident);

// The city search of both windows.
enum class CitySearch {
    CityStart,  // AirportsRs stands on the first airport of a city that starts with the text
    Words,      // no city does: MatchesRs holds the airports found by their words, on the first
    After,      // nothing matches: AirportsRs stands on the first airport of a later city
    None,       // nothing matches and no city comes later: AirportsRs stays where it was
};
// MatchesRs is emptied first. Throws DbError.
CitySearch SearchCity(AirportDatabase& adb, const QString& text);
Recordset OpenAirportsWithIdent(Db& db, const QString& ident);     // by identifier
Recordset OpenServices(Db& db, ServiceTable t, qint64 airportId);  // one airport's, by ID
Recordset OpenServiceRow(Db& db, ServiceTable t, qint64 rowId);    // one row by its ID
// Clears the airport's default of that kind, then marks rowId, in one transaction. Throws DbError,
// changing nothing, when rowId is not a row of that airport in that table.
void MakeDefault(Db& db, ServiceTable t, qint64 airportId, qint64 rowId);
Recordset OpenServiceTable(Db& db, ServiceTable t);  // for adding a row
// The airport's row and then its service rows, in one transaction: an airport never leaves service
// rows behind.
void DeleteAirport(Db& db, qint64 airportId);

}  // namespace tx
