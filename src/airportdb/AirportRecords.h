#pragma once
// An airport's twelve fields as the airport-information window holds them: the checks they pass
// before they are stored, the duplicate test of an identifier, and their writing into the
// airports cursor.
#include <QString>
#include <optional>

#include "airportdb/Db.h"

namespace tx {

struct AirportFields {
    QString Ident, City, State, Lat, Long, Std, Day, ZoneCode, Comments;
    QString IATA, Name, Kind;  // empty in a file of an earlier layout
};

// The fields in entry order, the order of the window's boxes.
enum class AirportField {
    Ident,
    City,
    State,
    Lat,
    Long,
    Std,
    Day,
    ZoneCode,
    Comments,
    IATA,
    Name,
    Kind
};

// The kinds an airport can have, largest first; an airport of no kind sorts with "other".
inline constexpr const char* kAirportKinds[] = {"large", "medium", "small", "other"};

// A field that cannot be stored, with the message that names it and shows the expected form.
struct AirportFault {
    AirportField field;
    QString message;
};

// True for a latitude every reader takes correctly: N or S, two digits of degrees, a hyphen and
// the minutes as two digits, a point and one digit ("N39-51.7"); at most 90 degrees, minutes
// below 60. A longitude likewise with E or W and three digits of degrees up to 180
// ("W104-40.4").
bool LatitudeReads(const QString& text);
bool LongitudeReads(const QString& text);
// True for a GMT offset in hours, a number from -12 to 14.
bool ZoneOffsetReads(const QString& text);

// The first field that cannot be stored, in entry order; nothing when all can. The identifier
// must not be empty (blanks do not count); no text may be longer than its box takes: identifier
// 4 (blanks around it aside), city 25, state 20, zone code 3, comments 400, name 50. The IATA
// code is empty or three letters or digits (blanks around it aside), the kind empty or one of
// kAirportKinds in any case.
std::optional<AirportFault> CheckAirportFields(const AirportFields& f);

// The identifier as it is stored and searched: trimmed and upper-cased.
QString StoredIdent(const QString& typed);

// True when another airport (any but exceptAirportId) has this identifier.
bool IdentTaken(Db& db, const QString& ident, qint64 exceptAirportId = 0);

// Stores the twelve fields as a new airport (adding) or into the cursor's current row. The first
// field that cannot be stored is refused and nothing is written. An empty comment is left unset
// on a new airport and stored as one blank on a revised one; the zone code and the IATA code are
// stored in upper case, the kind in lower case, however they got into their boxes; an empty IATA
// code, name or kind is stored as none. Throws DbError when the database
// refuses the row, which then stays as it was.
[[nodiscard]] std::optional<AirportFault> StoreAirport(Recordset& rs, const AirportFields& f,
                                                       bool adding);

}  // namespace tx
