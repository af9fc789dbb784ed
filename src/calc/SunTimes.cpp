#include "calc/SunTimes.h"

#include <cmath>

#include "calc/Whole.h"
#include "core/Text.h"

namespace tx {

namespace {

constexpr double DegPerRad = 57.29577951;
constexpr double QuarterTurn = 1.5708;  // pi / 2 of the arccosine below
constexpr double CosZenith = -0.01454;
// A cosine of the hour angle this close outside -1..1 is rounding, not polar day or night.
constexpr double CosHSlack = 1e-9;

double sinDeg(double deg) {
    return std::sin(deg / DegPerRad);
}
double cosDeg(double deg) {
    return std::cos(deg / DegPerRad);
}
double tanDeg(double deg) {
    return std::tan(deg / DegPerRad);
}

// Hemisphere letter, degrees (`degreeDigits` characters from the second), minutes as the last
// four characters cut to thousandths of a degree; north and west positive.
double sunCoordinate(const QString& text, int degreeDigits) {
    const QString hemisphere = Left(text, 1);
    const double sign = (hemisphere == u"E" || hemisphere == u"S") ? -1.0 : 1.0;
    const double degrees = Val(Mid(text, 2, degreeDigits));
    const double fraction = Int(Val(Right(text, 4)) / 60 * 1000 + 0.5) / 1000;
    return sign * degrees + sign * fraction;
}

// Local time of sunrise (rising) or sunset for the approximate time t (days of the year),
// or NoSunTime.
QString sunEvent(double t, bool rising, double latitude, double longitude, double zoneOffset) {
    const double meanAnomaly = 0.9856 * t - 3.289;
    double trueLongitude =
        meanAnomaly + 1.916 * sinDeg(meanAnomaly) + 0.02 * sinDeg(2 * meanAnomaly) + 282.634;
    // Taking 360 away until below 360 is exact, and so is fmod: one result, without a loop
    // that a wild date could make endless.
    if (trueLongitude >= 360) trueLongitude = std::fmod(trueLongitude, 360.0);

    double rightAscension = std::fabs(std::atan(0.91746 * tanDeg(trueLongitude)) * DegPerRad);
    const double quadrant = Int(trueLongitude / 90) + 1;
    if (quadrant == 2) {
        rightAscension = 180 - rightAscension;
    } else if (quadrant == 3) {
        rightAscension = 180 + rightAscension;
    } else if (quadrant == 4) {
        rightAscension = 360 - rightAscension;
    }

    const double sinDec = 0.39782 * sinDeg(trueLongitude);
    const double cosDec = std::sqrt(1 - sinDec * sinDec);
    double cosH = (CosZenith - sinDec * sinDeg(latitude)) / (cosDec * cosDeg(latitude));
    if (!(std::fabs(cosH) <= 1 + CosHSlack)) return NoSunTime;  // NaN included
    cosH = std::fmax(-1.0, std::fmin(1.0, cosH));
    double hourAngle = (QuarterTurn - std::atan(cosH / std::sqrt(1 - cosH * cosH))) * DegPerRad;
    if (rising) hourAngle = 360 - hourAngle;

    return SunTimeText(hourAngle / 15 + rightAscension / 15 - 0.06571 * t - 6.622 + longitude / 15 +
                       zoneOffset);
}

}  // namespace

QString SunTimeText(double T) {
    if (!std::isfinite(T)) return NoSunTime;
    // Into 0..24 however far outside it lies (zones of +13 and +14 reach past a whole day).
    // A time within a few days is wrapped by whole days, as one wrap would be; only an
    // absurd date goes through fmod first.
    if (std::fabs(T) > 240) T = std::fmod(T, 24.0);
    while (T < 0) T += 24;
    while (T > 24) T -= 24;
    const double h = Int(T);
    const double m = Int((T - h) * 60);  // cut, not rounded
    return TwoDigits(calc::wholeOf(h)) + TwoDigits(calc::wholeOf(m));
}

int LegYear(double legDate, const QDate& today) {
    // (m * 100 + d) / 100 is the double a typed m.dd reads as, so equal dates compare equal.
    const double todayDate = (today.month() * 100 + today.day()) / 100.0;
    return today.year() + (legDate < todayDate ? 1 : 0);
}

SunriseSunset SunTimes(const QString& legDate, const QString& latText, const QString& lonText,
                       double zoneOffset, const QDate& today) {
    const double d = Val(legDate);
    const double month = Int(d);
    const double day = Int((d - month + 0.005) * 100);

    const int year = LegYear(d, today);

    const double latitude = sunCoordinate(latText, 2);
    const double longitude = sunCoordinate(lonText, 3);

    const double n1 = Int(275 * month / 9);
    const double n2 = Int((month + 9) / 12);
    const double n3 = (year % 4 == 0) ? 1 : 2;
    const double dayOfYear = n1 - n2 * n3 + day - 30;

    return {
        sunEvent(dayOfYear + (6 + longitude / 15) / 24, true, latitude, longitude, zoneOffset),
        sunEvent(dayOfYear + (18 + longitude / 15) / 24, false, latitude, longitude, zoneOffset)};
}

}  // namespace tx
