#include "airportdb/ServiceRecords.h"

#include "core/Text.h"

namespace tx {

namespace {

ServiceRow readRow(const Recordset& rs, bool withFreq) {
    ServiceRow row;
    row.ID = rs.field(QStringLiteral("ID")).toLongLong();
    row.Name = rs.field(QStringLiteral("Name")).toString();
    row.PhoneNumber = rs.field(QStringLiteral("PhoneNumber")).toString();
    if (withFreq) row.Freq = rs.field(QStringLiteral("Freq")).toString();
    row.Default = rs.field(QStringLiteral("Default")).toBool();
    return row;
}

void writeTexts(Recordset& rs, ServiceTable t, const QString& name, const QString& phone,
                const QString& freq) {
    rs.setField(QStringLiteral("Name"), StoredServiceText(name));
    rs.setField(QStringLiteral("PhoneNumber"), StoredServiceText(phone));
    if (t == ServiceTable::FBOs) rs.setField(QStringLiteral("Freq"), StoredFreq(freq));
}

// A row is stored only with a name: an unnamed row would become its airport's default and be
// proposed for a leg as an empty line.
std::optional<QString> refusal(ServiceTable t, const QString& name) {
    if (!StoredServiceText(name).isEmpty()) return std::nullopt;
    const bool hotel = t == ServiceTable::CrewHotels || t == ServiceTable::PaxHotels;
    return QStringLiteral("%1 Name is empty.  Every %2 needs a name.")
        .arg(hotel ? QStringLiteral("Hotel") : ServiceKind(t), ServiceKind(t));
}

Recordset openExisting(Db& db, ServiceTable t, qint64 rowId) {
    Recordset rs = OpenServiceRow(db, t, rowId);
    if (rs.eof())
        throw DbError(QStringLiteral("%1: row %2 no longer exists").arg(TableName(t)).arg(rowId));
    rs.moveFirst();
    return rs;
}

}  // namespace

std::vector<ServiceRow> ServiceRowsOf(Db& db, ServiceTable t, qint64 airportId) {
    Recordset rs = OpenServices(db, t, airportId);
    std::vector<ServiceRow> rows;
    for (; !rs.eof(); rs.moveNext()) rows.push_back(readRow(rs, t == ServiceTable::FBOs));
    return rows;
}

int ServiceRowCount(Db& db, qint64 airportId) {
    int n = 0;
    for (ServiceTable t : kServiceTables) n += int(ServiceRowsOf(db, t, airportId).size());
    return n;
}

std::optional<ServiceRow> ServiceRowById(Db& db, ServiceTable t, qint64 rowId) {
    Recordset rs = OpenServiceRow(db, t, rowId);
    if (rs.eof()) return std::nullopt;
    return readRow(rs, t == ServiceTable::FBOs);
}

QString ServiceListLine(const ServiceRow& row, bool withFreq) {
    QString line = PadCut(row.Name, 25) + u' ' + PadCut(row.PhoneNumber, 25);
    if (withFreq) line += u' ' + PadCut(row.Freq, 7);
    return line;
}

QString StoredServiceText(const QString& typed) {
    return RTrim(PadCut(typed, 25));
}

QString StoredFreq(const QString& typed) {
    return PadCut(typed, 7);
}

QString ServiceKind(ServiceTable t) {
    switch (t) {
        case ServiceTable::FBOs:
            return QStringLiteral("FBO");
        case ServiceTable::CrewHotels:
            return QStringLiteral("Crew Hotel");
        case ServiceTable::PaxHotels:
            return QStringLiteral("Pax Hotel");
        case ServiceTable::Limos:
            return QStringLiteral("Limo");
        case ServiceTable::Catering:
            return QStringLiteral("Catering");
    }
    return {};
}

std::optional<QString> AddServiceRow(Db& db, ServiceTable t, qint64 airportId, const QString& name,
                                     const QString& phone, const QString& freq) {
    if (auto refused = refusal(t, name)) return refused;
    Recordset rs = OpenServiceTable(db, t);
    rs.addNew();
    writeTexts(rs, t, name, phone, freq);
    rs.setField(QStringLiteral("AirportID"), airportId);
    rs.setField(QStringLiteral("Default"), false);
    rs.update();
    return std::nullopt;
}

std::optional<QString> ReviseServiceRow(Db& db, ServiceTable t, qint64 rowId, const QString& name,
                                        const QString& phone, const QString& freq) {
    if (auto refused = refusal(t, name)) return refused;
    Recordset rs = openExisting(db, t, rowId);
    rs.edit();
    writeTexts(rs, t, name, phone, freq);
    rs.update();
    return std::nullopt;
}

void DeleteServiceRow(Db& db, ServiceTable t, qint64 rowId) {
    openExisting(db, t, rowId).remove();
}

}  // namespace tx
