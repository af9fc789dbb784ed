#pragma once
// A plan of 20 legs as the benchmarks use it.
#include "core/PlanState.h"

namespace tx {

// Every field filled with a text of its usual length; a three-paragraph comment per leg and all
// services included, so the report prints everything.
inline PlanState TwentyLegs() {
    PlanState s;
    s.NumLegs = PlanState::MaxLegs;
    for (int i = 1; i <= s.NumLegs; ++i) {
        Leg& l = s.leg(i);
        const QString n = QString::number(i);
        l.TorL = "T", l.DateEntry = "03/15", l.DateText = "15Mar", l.LegDate = "3.15";
        l.DepID = "KDEN", l.DestID = "KORD", l.DepCity = "DENVER", l.DestCity = "CHICAGO";
        l.DepState = "CO", l.DestState = "IL";
        l.DepCityStateF = "DENVER, CO", l.DestCityStateF = "CHICAGO, IL";
        l.DepStd = "-7", l.DepDay = "-6", l.DestStd = "-6", l.DestDay = "-5";
        l.DepZoneCode = l.DestZoneCode = "US";
        l.DepDSTStart = l.DestDSTStart = 3.09, l.DepDSTEnd = l.DestDSTEnd = 11.02;
        l.DepZoneOffset = -6, l.DestZoneOffset = -5;
        l.WindText = "   -25", l.BurnText = "   2450", l.ReserveText = "   1500";
        l.TotalReqText = "   3950", l.DistText = "    767";
        l.DepSunrise = "0602", l.DepSunset = "1812", l.DestSunrise = "0555", l.DestSunset = "1801";
        l.GMTDepText = "1400", l.LocalDepText = "0800", l.GMTArrText = "1612";
        l.LocalArrText = "1112", l.FltTimeText = "02+12", l.DepTimeEntry = "0800";
        l.DayMark = l.DepDayMark = "   ", l.DayChangeText = l.DepDayChangeText = "   ";
        l.TimeChangeText = "+1";
        l.DepFBO = l.DestFBO = "Signature Flight Support   303-555-0100   122.95";
        l.DepFBONamePhone = l.DestFBONamePhone = "Signature Flight Support  303-555-0100";
        l.DestCrewHotel = "Airport Marriott   773-555-0199";
        l.DestPaxHotel = "The Drake Hotel   312-555-0123";
        l.DestLimo = "Windy City Limousine   312-555-0111";
        l.DestCatering = "Sky Chefs   773-555-0142";
        l.InclFBO = l.InclCrewHotel = l.InclPaxHotel = l.InclLimo = l.InclCatering = 1;
        l.LegComments =
            "Passengers: 6. Request the ground power unit on arrival and a quick "
            "turn for the next leg.\r\nFuel to tabs only, no tankering at this "
            "stop.\r\nCrew rest at the airport hotel, shuttle at 0630 local.";
        l.PlanLine = (n +
                      "  15Mar DENVER(KDEN)        0800   CHICAGO(KORD)        1112    "
                      "02+12    767   2450")
                         .right(86);
        l.PilotLine1 = " " + n +
                       "    15Mar   KDEN   -6     -25    KORD   -5      2450      1500"
                       "     0602/1812";
        l.PilotLine2 = "       767    1400 0800    02+12   1612 1112          3950     0555/1801";
        l.SumLine1 = "                         Leg " + n;
        l.SumLine2 = "15Mar    Depart: DENVER, CO(KDEN) at:  8:00 AM";
        l.SumLine3 = "            FBO: Signature Flight Support  303-555-0100";
        l.SumLine4 = "         Arrive: CHICAGO, IL(KORD) at: 11:12 AM";
        l.SumLine5 = l.SumLine3;
        l.SumLine6 = "         Flight Time = 02+12 : Time Change = +1";
        l.SumLine7 = "         Distance ... 767 n.mi.";
    }
    s.TotalDist = 15340, s.TotalTimeText = " 44+00", s.ACType = "Sample Jet 400";
    s.ACFileName = "SAMPLE.AC";
    return s;
}

}  // namespace tx
