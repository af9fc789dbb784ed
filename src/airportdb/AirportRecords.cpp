#include "airportdb/AirportRecords.h"

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
    if (StoredIdent(f.Ident).isEmpty())
        return AirportFault{AirportField::Ident,
                            QStringLiteral("Identifier is empty.  Enter the airport's identifier "
                                           "of 1 to 4 characters.")};
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

void WriteAirportFields(Recordset& rs, const AirportFields& f, bool revising) {
    rs.setField(QStringLiteral("Ident"), StoredIdent(f.Ident));
    rs.setField(QStringLiteral("City"), f.City);
    rs.setField(QStringLiteral("State"), f.State);
    rs.setField(QStringLiteral("Lat"), f.Lat);
    rs.setField(QStringLiteral("Long"), f.Long);
    rs.setField(QStringLiteral("Std"), Val(f.Std));
    rs.setField(QStringLiteral("Day"), Val(f.Day));
    rs.setField(QStringLiteral("ZoneCode"), f.ZoneCode);
    if (!f.Comments.isEmpty())
        rs.setField(QStringLiteral("Comments"), f.Comments);
    else if (revising)
        rs.setField(QStringLiteral("Comments"), QStringLiteral(" "));
}

}  // namespace tx
