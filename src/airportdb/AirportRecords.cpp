#include "airportdb/AirportRecords.h"

#include <algorithm>

#include "airportdb/Statements.h"
#include "core/Text.h"

namespace tx {

namespace {

bool digitsAt(const QString& t, int from, int count) {
    for (int i = from; i < from + count; ++i)
        if (i >= t.size() || t[i] < u'0' || t[i] > u'9') return false;
    return true;
}

// Hemisphere letter, `degreeDigits` digits, a hyphen, "mm.m"; degrees and minutes within range.
bool coordinateReads(const QString& t, const QString& hemispheres, int degreeDigits,
                     int maxDegrees) {
    const int d = degreeDigits;
    if (t.size() != d + 6 || !hemispheres.contains(t[0]) || !digitsAt(t, 1, d) ||
        t[d + 1] != u'-' || !digitsAt(t, d + 2, 2) || t[d + 4] != u'.' || !digitsAt(t, d + 5, 1))
        return false;
    const int degrees = t.mid(1, d).toInt();
    const double minutes = t.right(4).toDouble();
    return minutes < 60 && degrees * 60 + minutes <= maxDegrees * 60;
}

}  // namespace

bool LatitudeReads(const QString& text) {
    return coordinateReads(text, QStringLiteral("NS"), 2, 90);
}

bool LongitudeReads(const QString& text) {
    return coordinateReads(text, QStringLiteral("EW"), 3, 180);
}

bool ZoneOffsetReads(const QString& text) {
    if (!IsNumber(text)) return false;
    const double hours = Val(text);
    return hours >= -12 && hours <= 14;
}

std::optional<AirportFault> CheckAirportFields(const AirportFields& f) {
    // The limits of the boxes hold for typing only: a pasted text can be longer.
    const auto tooLong = [](AirportField field, const QString& label, const QString& text,
                            int limit) -> std::optional<AirportFault> {
        if (text.size() <= limit) return std::nullopt;
        return AirportFault{field, QStringLiteral("%1 holds at most %2 characters; this one has "
                                                  "%3.  Shorten it, then store it again.")
                                       .arg(label)
                                       .arg(limit)
                                       .arg(text.size())};
    };
    const QString ident = StoredIdent(f.Ident);
    if (ident.isEmpty())
        return AirportFault{AirportField::Ident,
                            QStringLiteral("Identifier is empty.  Enter the airport's identifier "
                                           "of 1 to 4 characters.")};
    if (auto fault = tooLong(AirportField::Ident, QStringLiteral("Identifier"), ident, 4))
        return fault;
    if (auto fault = tooLong(AirportField::City, QStringLiteral("City"), f.City, 25)) return fault;
    if (auto fault = tooLong(AirportField::State, QStringLiteral("State/Country"), f.State, 20))
        return fault;
    const auto refuse = [](AirportField field, const QString& label, const QString& text,
                           const QString& form) {
        return AirportFault{
            field, QStringLiteral("%1 \"%2\" cannot be stored.  %3").arg(label, text, form)};
    };
    if (!LatitudeReads(f.Lat))
        return refuse(AirportField::Lat, QStringLiteral("Latitude"), f.Lat,
                      QStringLiteral("Enter it as N39-51.7: N or S, two digits of degrees (0 to "
                                     "90), a hyphen, then the minutes (below 60) with one "
                                     "decimal."));
    if (!LongitudeReads(f.Long))
        return refuse(AirportField::Long, QStringLiteral("Longitude"), f.Long,
                      QStringLiteral("Enter it as W104-40.4: E or W, three digits of degrees (0 "
                                     "to 180), a hyphen, then the minutes (below 60) with one "
                                     "decimal."));
    const QString zoneForm =
        QStringLiteral("Enter the offset from GMT in hours, a number from -12 to 14 (-7, 5.5).");
    if (!ZoneOffsetReads(f.Std))
        return refuse(AirportField::Std, QStringLiteral("Time Zone(STD)"), f.Std, zoneForm);
    if (!ZoneOffsetReads(f.Day))
        return refuse(AirportField::Day, QStringLiteral("Time Zone(DAY)"), f.Day, zoneForm);
    if (auto fault = tooLong(AirportField::ZoneCode, QStringLiteral("Zone Code"), f.ZoneCode, 3))
        return fault;
    if (auto fault =
            tooLong(AirportField::Comments, QStringLiteral("A/P Comments"), f.Comments, 400))
        return fault;
    const QString iata = StoredIdent(f.IATA);
    if (auto fault = tooLong(AirportField::IATA, QStringLiteral("IATA Code"), iata, 3))
        return fault;
    if (!iata.isEmpty() && (iata.size() != 3 || !std::all_of(iata.begin(), iata.end(), [](QChar c) {
                                return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
                            })))
        return refuse(AirportField::IATA, QStringLiteral("IATA Code"), f.IATA,
                      QStringLiteral("Enter the three letters or digits of the airport's IATA "
                                     "code (DEN), or leave it empty."));
    if (auto fault = tooLong(AirportField::Name, QStringLiteral("Airport Name"), f.Name, 50))
        return fault;
    if (auto fault = tooLong(AirportField::Kind, QStringLiteral("Kind"), f.Kind, 6)) return fault;
    const QString kind = Trim(f.Kind).toLower();
    if (!kind.isEmpty() &&
        std::none_of(std::begin(kAirportKinds), std::end(kAirportKinds),
                     [&](const char* k) { return kind == QLatin1StringView(k); }))
        return refuse(AirportField::Kind, QStringLiteral("Kind"), f.Kind,
                      QStringLiteral("Enter large, medium, small or other, or leave it empty."));
    return std::nullopt;
}

QString StoredIdent(const QString& typed) {
    return Trim(typed).toUpper();
}

bool IdentTaken(Db& db, const QString& ident, qint64 exceptAirportId) {
    Recordset rs = OpenAirportsWithIdent(db, StoredIdent(ident));
    for (; !rs.eof(); rs.moveNext())
        if (rs.field(QStringLiteral("ID")).toLongLong() != exceptAirportId) return true;
    return false;
}

namespace {

void writeFields(Recordset& rs, const AirportFields& f, bool revising) {
    rs.setField(QStringLiteral("Ident"), StoredIdent(f.Ident));
    rs.setField(QStringLiteral("City"), f.City);
    rs.setField(QStringLiteral("State"), f.State);
    rs.setField(QStringLiteral("Lat"), f.Lat);
    rs.setField(QStringLiteral("Long"), f.Long);
    rs.setField(QStringLiteral("Std"), Val(f.Std));
    rs.setField(QStringLiteral("Day"), Val(f.Day));
    // Upper case as typed codes are: the zone table is searched by the code as stored.
    rs.setField(QStringLiteral("ZoneCode"), f.ZoneCode.toUpper());
    if (!f.Comments.isEmpty())
        rs.setField(QStringLiteral("Comments"), f.Comments);
    else if (revising)
        rs.setField(QStringLiteral("Comments"), QStringLiteral(" "));
    const auto orNone = [](const QString& t) { return t.isEmpty() ? QVariant() : QVariant(t); };
    rs.setField(QStringLiteral("IATA"), orNone(StoredIdent(f.IATA)));
    rs.setField(QStringLiteral("Name"), orNone(f.Name));
    rs.setField(QStringLiteral("Kind"), orNone(Trim(f.Kind).toLower()));
}

}  // namespace

std::optional<AirportFault> StoreAirport(Recordset& rs, const AirportFields& f, bool adding) {
    if (std::optional<AirportFault> fault = CheckAirportFields(f)) return fault;
    try {
        adding ? rs.addNew() : rs.edit();
        writeFields(rs, f, !adding);
        rs.update();
    } catch (const DbError&) {
        if (rs.editPending()) rs.cancelUpdate();
        throw;
    }
    return std::nullopt;
}

}  // namespace tx
