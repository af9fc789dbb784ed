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

Recordset OpenAirports(Db& db);                                      // S1, ordered by City
Recordset OpenAirportsWithIdent(Db& db, const QString& ident);       // S2
Recordset OpenServices(Db& db, ServiceTable t, qint64 airportId);    // S3, ascending ID
Recordset OpenServiceRow(Db& db, ServiceTable t, qint64 rowId);      // S4
void MakeDefault(Db& db, ServiceTable t, qint64 airportId, qint64 rowId);  // S5 then S6, one transaction
Recordset OpenServiceTable(Db& db, ServiceTable t);                  // S7
void DeleteServicesOf(Db& db, qint64 airportId);                     // S8 on the five tables

}  // namespace tx
