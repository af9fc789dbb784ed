#include "calc/LegEnds.h"

#include "calc/GreatCircle.h"
#include "calc/SunTimes.h"
#include "calc/TimeZones.h"

namespace tx {

void DepartureEnd(PlanState& s) {
    GCDep(s);
    TXDep(s);
    DepTZ(s);
    s.SunLeg = s.CurLeg;
    SunTimes(s);
    s.cur().DepSunrise = s.SunriseText;
    s.cur().DepSunset = s.SunsetText;
}

void DestinationEnd(PlanState& s) {
    GCDest(s);
    TXDest(s);
    DestTZ(s);
    GCComps(s);
    s.SunLeg = s.CurLeg;
    SunTimes(s);
    s.cur().DestSunrise = s.SunriseText;
    s.cur().DestSunset = s.SunsetText;
}

}  // namespace tx
