#pragma once
// The airport printout of the airport-information window: the airport's fields as the window
// shows them, its comment wrapped, and the service entry shown in each of the five lists.
#include <QString>
#include <QStringList>

#include "report/ReportLines.h"

namespace tx {

// What the window shows of one airport; an empty service line means its list has no entry.
struct AirportPrintFields {
    QString Identifier, City, State, Latitude, Longitude, Standard, Day, ZoneCode, Comment;
    QString FBO, CrewHotel, PaxHotel, Limo, Catering;
};

// The page, line by line (no boldface).
ReportLines PrintAirportInformation(const AirportPrintFields& a);

// The working comment text (one blank and the comment) in lines of at most 51 characters: each
// line ends after the last blank among its first 51 down to 36 characters, or is cut at 51 when
// there is none. Every character is kept, however long the comment.
QStringList WrapAirportComment(const QString& text);

}  // namespace tx
