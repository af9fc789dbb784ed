#include "airportdb/Statements.h"

#include "airportdb/Schema.h"
#include "core/Text.h"

namespace tx {

QString TableName(ServiceTable t) {
    switch (t) {
        case ServiceTable::FBOs:
            return QStringLiteral("tblFBOs");
        case ServiceTable::CrewHotels:
            return QStringLiteral("tblCrewHotels");
        case ServiceTable::PaxHotels:
            return QStringLiteral("tblPaxHotels");
        case ServiceTable::Limos:
            return QStringLiteral("tblLimos");
        case ServiceTable::Catering:
            return QStringLiteral("tblCatering");
    }
    return {};
}

namespace {

const QString kKindRank = QLatin1StringView(schema::kKindRank);

}  // namespace

// City order is the order of the cities' keys (accents and case aside); airports of one city
// stand larger first, then in ID order, so the cursor order never depends on the engine's choice
// of plan.
Recordset OpenAirports(Db& db) {
    return Recordset(db, QStringLiteral("tblAirports"), {}, {}, "CityKey, " + kKindRank + ", ID");
}

Recordset OpenAirportsWithWords(Db& db, const QString& text) {
    // Each word typed: the airports with a word from it up to it followed by the last character
    // there is, which every word that starts with it sorts before.
    QStringList each;
    QVariantList bounds;
    for (const QString& word : WordFold(text).split(u' ', Qt::SkipEmptyParts)) {
        bounds << word << word + QString::fromUcs4(U"\U0010FFFF", 1);
        each << QStringLiteral(
                    "SELECT AirportID FROM tblAirportWords WHERE Word >= ?%1 AND "
                    "Word < ?%2")
                    .arg(bounds.size() - 1)
                    .arg(bounds.size());
    }
    if (each.isEmpty()) each << QStringLiteral("SELECT NULL");
    return Recordset(db, QStringLiteral("tblAirports"),
                     "ID IN (" + each.join(QStringLiteral(" INTERSECT ")) + u')', bounds,
                     kKindRank + ", CityKey, ID");
}

bool FindIdentOrIata(Recordset& rs, const QString& ident) {
    // The engine compares without regard to case; only the exact identifier counts.
    if (rs.findFirst(IdentIs(ident)) && rs.field(QStringLiteral("Ident")).toString() == ident)
        return true;
    return ident.size() == 3 && rs.findFirst(IataIs(ident));
}

CitySearch SearchCity(AirportDatabase& adb, const QString& text) {
    adb.MatchesRs.reset();
    Recordset& rs = *adb.AirportsRs;
    const bool after = rs.findFirst(CityFrom(text));
    if (after && CityFold(rs.field(QStringLiteral("City")).toString()).startsWith(CityFold(text)))
        return CitySearch::CityStart;
    Recordset matches = OpenAirportsWithWords(adb.db, text);
    if (!matches.eof()) {
        adb.MatchesRs.emplace(std::move(matches));
        return CitySearch::Words;
    }
    return after ? CitySearch::After : CitySearch::None;
}

Recordset OpenAirportsWithIdent(Db& db, const QString& ident) {
    return Recordset(db, QStringLiteral("tblAirports"), QStringLiteral("Ident = ?1"), {ident});
}

Recordset OpenServices(Db& db, ServiceTable t, qint64 airportId) {
    return Recordset(db, TableName(t), QStringLiteral("AirportID = ?1"), {airportId},
                     QStringLiteral("ID"));
}

Recordset OpenServiceRow(Db& db, ServiceTable t, qint64 rowId) {
    return Recordset(db, TableName(t), QStringLiteral("ID = ?1"), {rowId});
}

void MakeDefault(Db& db, ServiceTable t, qint64 airportId, qint64 rowId) {
    const QString table = TableName(t);
    db.transaction([&] {
        db.execute(QStringLiteral("UPDATE %1 SET \"Default\" = 0 WHERE AirportID = ?1").arg(table),
                   {airportId});
        // The row must be one of this airport's: otherwise the airport would be left without
        // a default (and another airport could get a second one), so nothing is changed.
        if (db.execute(
                QStringLiteral("UPDATE %1 SET \"Default\" = 1 WHERE ID = ?1 AND AirportID = ?2")
                    .arg(table),
                {rowId, airportId}) != 1)
            throw DbError(
                QStringLiteral("%1: row %2 is not a service of airport %3; no default changed")
                    .arg(table)
                    .arg(rowId)
                    .arg(airportId));
    });
}

Recordset OpenServiceTable(Db& db, ServiceTable t) {
    return Recordset(db, TableName(t));
}

namespace {

void deleteServices(Db& db, qint64 airportId) {
    for (ServiceTable t : kServiceTables)
        db.execute(QStringLiteral("DELETE FROM %1 WHERE AirportID = ?1").arg(TableName(t)),
                   {airportId});
}

}  // namespace

void DeleteAirport(Db& db, qint64 airportId) {
    db.transaction([&] {
        db.execute(QStringLiteral("DELETE FROM tblAirports WHERE ID = ?1"), {airportId});
        deleteServices(db, airportId);
    });
}

}  // namespace tx
