#pragma once
// The service rows of an airport (FBOs, crew hotels, pax hotels, limousines, caterers): reading
// them for a list, the line each shows in its list, and adding, revising and deleting a row.
#include <QString>
#include <optional>
#include <vector>

#include "airportdb/Statements.h"

namespace tx {

struct ServiceRow {
    qint64 ID = 0;
    QString Name, PhoneNumber, Freq;  // Freq: FBOs only
    bool Default = false;
};

// Every row of one airport in one table, in ascending ID.
std::vector<ServiceRow> ServiceRowsOf(Db& db, ServiceTable t, qint64 airportId);
// How many rows the airport has in the five tables together.
int ServiceRowCount(Db& db, qint64 airportId);
// One row by its ID; nothing when it is gone.
std::optional<ServiceRow> ServiceRowById(Db& db, ServiceTable t, qint64 rowId);

// The row's line in its list: name and phone padded and cut to 25 each, for an FBO one blank and
// the frequency in 7 more.
QString ServiceListLine(const ServiceRow& row, bool withFreq);

// A typed name or phone number as stored: padded to 25, cut to 25, right-trimmed. A typed
// frequency: padded and cut to 7, not trimmed.
QString StoredServiceText(const QString& typed);
QString StoredFreq(const QString& typed);

// What a family's rows are called: "FBO", "Crew Hotel", "Pax Hotel", "Limo", "Catering".
QString ServiceKind(ServiceTable t);

// A new row of the airport with Default false. freq is written to FBOs only. A row that
// cannot be stored is refused with the message that says why, and nothing is written.
[[nodiscard]] std::optional<QString> AddServiceRow(Db& db, ServiceTable t, qint64 airportId,
                                                   const QString& name, const QString& phone,
                                                   const QString& freq = {});
// New name, phone (and frequency) of a row; its airport and default mark stay. Refused like
// an added row. Throws DbError when the row is gone.
[[nodiscard]] std::optional<QString> ReviseServiceRow(Db& db, ServiceTable t, qint64 rowId,
                                                      const QString& name, const QString& phone,
                                                      const QString& freq = {});
// Deletes one row. Throws DbError when the row is gone.
void DeleteServiceRow(Db& db, ServiceTable t, qint64 rowId);

}  // namespace tx
