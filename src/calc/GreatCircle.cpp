#include "calc/GreatCircle.h"

#include <cmath>

#include "calc/Whole.h"
#include "core/Text.h"

namespace tx {

namespace {

constexpr double Pi = 3.1415926;  // the navigation routines' own value of pi
constexpr double TwoPi = 6.2831852;
constexpr double DegPerRad = 180.0 / Pi;
constexpr double HalfPi = Pi / 2.0;
constexpr double NearPole = 0.9998475;  // cosine of about one degree
constexpr double SamePointNM = 0.001;

// Hemisphere letter, `degreeDigits` digits of degrees, minutes as the last four characters.
double coordinateRadians(const QString& text, int degreeDigits) {
    const QString hemisphere = Left(text, 1);
    const QString rest = Mid(text, 2);
    const double sign = (hemisphere == u"E" || hemisphere == u"S") ? -1.0 : 1.0;
    const double degrees = Val(Left(rest, degreeDigits));
    const double minutes = Val(Right(rest, 4)) / 60.0;
    return sign * (degrees + minutes) / DegPerRad;
}

}  // namespace

double GCComp1(const QString& coordText) {
    return coordinateRadians(coordText, 2);
}

double GCComp2(const QString& coordText) {
    return coordinateRadians(coordText, 3);
}

void GCDep(PlanState& s, const QString& latText, const QString& lonText) {
    s.DepLatText = latText;
    s.DepLatRad = GCComp1(latText);
    s.DepLonRad = GCComp2(lonText);
}

void GCDest(PlanState& s, const QString& latText, const QString& lonText) {
    s.DestLatText = latText;
    s.DestLatRad = GCComp1(latText);
    s.DestLonRad = GCComp2(lonText);
}

int courseSectorOf(double courseDegrees) {
    return calc::floorWithin(courseDegrees / 10 + 0.5, 0, 36);
}

int distIndexOf(double distanceNM) {
    return calc::floorWithin(distanceNM / 100 + 0.5, 0, 1000);
}

void GCComps(PlanState& s) {
    const double lat1 = s.DepLatRad, lon1 = s.DepLonRad;
    const double lat2 = s.DestLatRad, lon2 = s.DestLonRad;

    // Cosine of the central angle. At 1 (or a rounding above it) the two ends coincide: the
    // arctangent form below would divide by zero, so such a leg is 0 n.mi. on sector 0; the
    // same for ends that compute to a few metres apart.
    double x =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat2) * std::cos(lat1) * std::cos(lon1 - lon2);
    double m = 0.0;
    int sector = 0;
    if (x < 1.0) {
        if (x < -1.0) x = -1.0;  // antipodes: a rounding below -1 would take a negative root
        const double d = HalfPi - std::atan(x / std::sqrt(1 - x * x));
        // Ends closer than a couple of metres are one point named twice (a pole under two
        // longitudes, the date line as E180 and W180): the course formula would divide by a
        // vanishing arc or give a meaningless sector. HalfPi being a hair short of the true
        // right angle, d can even come out a little below 0 there.
        if (d * 60 * DegPerRad >= SamePointNM) {
            m = d * 60;
            double c = (std::sin(lat2) - std::cos(m / 60) * std::sin(lat1)) /
                       (std::cos(lat1) * std::sin(m / 60));
            if (c >= 1) {
                c = NearPole;
            } else if (c <= -1) {
                c = -NearPole;
            }
            double course = HalfPi - std::atan(c / std::sqrt(1 - c * c));
            if (std::sin(lon1 - lon2) < 0.0) course = TwoPi - course;
            sector = courseSectorOf(course * DegPerRad);
        }
    }
    const double distance = m * DegPerRad;
    s.CourseSector = sector;
    s.DistIndex = distIndexOf(distance);
    s.DistNM = (m > 0) ? Int(distance + 0.5) : 0.0;
    s.cur().DistText = RightAlign(Str(s.DistNM), 7);
}

}  // namespace tx
