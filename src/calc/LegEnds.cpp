#include "calc/LegEnds.h"

#include "calc/GreatCircle.h"
#include "calc/SunTimes.h"
#include "calc/TimeZones.h"

namespace tx {

void DepartureEnd(PlanState& s, const QString& latText, const QString& lonText) {
    GCDep(s, latText, lonText);
    TXDep(s);
    DepTZ(s);
    Leg& leg = s.cur();
    const SunriseSunset sun =
        SunTimes(leg.LegDate, latText, lonText, leg.DepZoneOffset.value_or(0.0), s.Today);
    leg.DepSunrise = sun.sunrise;
    leg.DepSunset = sun.sunset;
}

void DestinationEnd(PlanState& s, const QString& latText, const QString& lonText) {
    GCDest(s, latText, lonText);
    TXDest(s);
    DestTZ(s);
    GCComps(s);
    Leg& leg = s.cur();
    const SunriseSunset sun =
        SunTimes(leg.LegDate, latText, lonText, leg.DestZoneOffset.value_or(0.0), s.Today);
    leg.DestSunrise = sun.sunrise;
    leg.DestSunset = sun.sunset;
}

}  // namespace tx
