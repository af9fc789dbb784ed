#pragma once
// Sunrise and sunset at an airport on the leg date (official zenith 90 degrees 50 minutes).
#include <QDate>
#include <QString>

namespace tx {

// Shown instead of a time when the sun does not rise or does not set on the date (polar day
// or night): four characters, so the columns of the pilot format stay aligned.
inline const QString NoSunTime = QStringLiteral("----");

// A computed local time T in hours as hhmm: 24 added or taken away until it lies in 0..24,
// minutes cut, not rounded (6.999 -> "0659"); NoSunTime when T is not a number.
QString SunTimeText(double T);

// The year of a leg date (m.dd): today's, or the next when the date is earlier in the year than
// today (a plan lies in the future).
int LegYear(double legDate, const QDate& today);

// Local sunrise and sunset as hhmm, or NoSunTime.
struct SunriseSunset {
    QString sunrise, sunset;
};

// Takes a leg date (m.dd), an airport's latitude and longitude texts, the GMT offset in force
// there and today's date; returns the sunrise and sunset of that date. The year is today's, or
// the next when the leg date is earlier in the year than today (LegYear).
SunriseSunset SunTimes(const QString& legDate, const QString& latText, const QString& lonText,
                       double zoneOffset, const QDate& today);

}  // namespace tx
