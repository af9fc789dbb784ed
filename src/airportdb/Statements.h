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

Recordset OpenAirports(Db& db);  // S1, in City order (CityKey, then ID)
Recordset OpenAirportsWithIdent(Db& db, const QString& ident);     // S2
Recordset OpenServices(Db& db, ServiceTable t, qint64 airportId);  // S3, ascending ID
Recordset OpenServiceRow(Db& db, ServiceTable t, qint64 rowId);    // S4
// S5 then S6 in one transaction. Throws DbError, changing nothing, when rowId is not a row of
// that airport in that table.
void MakeDefault(Db& db, ServiceTable t, qint64 airportId, qint64 rowId);
Recordset OpenServiceTable(Db& db, ServiceTable t);  // S7
void DeleteServicesOf(Db& db, qint64 airportId);     // S8 on the five tables, one transaction
// The airport's row and then S8, in one transaction: an airport never leaves service rows behind.
void DeleteAirport(Db& db, qint64 airportId);

}  // namespace tx
