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

Recordset OpenAirports(Db& db);  // every airport, in City order (CityKey, then ID)
Recordset OpenAirportsWithIdent(Db& db, const QString& ident);     // by identifier
Recordset OpenServices(Db& db, ServiceTable t, qint64 airportId);  // one airport's, by ID
Recordset OpenServiceRow(Db& db, ServiceTable t, qint64 rowId);    // one row by its ID
// Clears the airport's default of that kind, then marks rowId, in one transaction. Throws DbError,
// changing nothing, when rowId is not a row of that airport in that table.
void MakeDefault(Db& db, ServiceTable t, qint64 airportId, qint64 rowId);
Recordset OpenServiceTable(Db& db, ServiceTable t);  // for adding a row
void DeleteServicesOf(Db& db, qint64 airportId);     // from the five tables, one transaction
// The airport's row and then its service rows, in one transaction: an airport never leaves service
// rows behind.
void DeleteAirport(Db& db, qint64 airportId);

}  // namespace tx
