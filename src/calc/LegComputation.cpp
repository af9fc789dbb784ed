#include "calc/LegComputation.h"

#include <algorithm>

#include "calc/TimeZones.h"
#include "calc/Whole.h"
#include "core/Text.h"

namespace tx {

namespace {

const QString NoChange = QStringLiteral("   ");

// cap(r) of the aircraft tables: the last row when r is greater than ACRows - 1. A row is also
// never below 0, nor past the 100 rows a profile can hold.
int tableRow(const PlanState& s, double r) {
    const int last = std::clamp<int>(s.ACRows, 0, AircraftProfile::MaxRows);
    if (!(r <= last - 1)) return last;
    return calc::floorWithin(r, 0, last);
}

// Flight hours over the leg at a ground speed, cut to hundredths.
double hoursAt(double distNM, double groundSpeed) {
    return Int(distNM / groundSpeed * 100) / 100;
}

// Still-air distance in hundreds of miles, rounded.
double airRow(double flightHours, double speed) {
    return Int(flightHours * speed / 100 + 0.5);
}

// hhmm -> decimal hours.
double hoursOf(const QString& hhmm) {
    const double v = Val(hhmm);
    const double hours = Int(v / 100);
    return hours + ((v / 100) - hours) * 100 / 60;
}

// From 0.984 of an hour on, the next whole hour, so that minutes never read 60.
double roundTime(double x) {
    return (x - Int(x) >= 0.984) ? Int(x) + 1 : x;
}

QString hhmmText(double x) {
    const double h = Int(x);
    const double m = Int((x - h) * 60 + 0.5);
    return TwoDigits(calc::wholeOf(h)) + TwoDigits(calc::wholeOf(m));
}

double gmtWrapped(double g) {
    g = roundTime(g);
    if (g >= 48) {
        g -= 48;
    } else if (g >= 24) {
        g -= 24;
    }
    if (g <= -24) {
        g += 48;
    } else if (g < 0) {
        g += 24;
    }
    return g;
}

void arrivalDayChange(Leg& leg, double& x) {
    if (x >= 48) {
        leg.DayChangeText = QStringLiteral(" 2 DAYS HENCE !");
        leg.DayMark = QStringLiteral("+2D");
        x -= 48;
    } else if (x >= 24) {
        leg.DayChangeText = QStringLiteral(" NEXT DAY !");
        leg.DayMark = QStringLiteral("+D ");
        x -= 24;
    } else if (x <= -24) {
        leg.DayChangeText = QStringLiteral(" 2 DAYS PRIOR !");
        leg.DayMark = QStringLiteral("-2D");
        x += 48;
    } else if (x < 0) {
        leg.DayChangeText = QStringLiteral(" PREVIOUS DAY !");
        leg.DayMark = QStringLiteral("-D ");
        x += 24;
    }
}

void departureDayChange(Leg& leg, double& x) {
    if (x <= -24) {
        leg.DepDayChangeText = QStringLiteral(" 2 DAYS PRIOR !");
        leg.DepDayMark = QStringLiteral("-2D");
        x += 48;
    } else if (x < 0) {
        leg.DepDayChangeText = QStringLiteral(" PREVIOUS DAY !");
        leg.DepDayMark = QStringLiteral("-D ");
        x += 24;
    } else if (x >= 24) {
        leg.DepDayChangeText = QStringLiteral(" NEXT DAY !");
        leg.DepDayMark = QStringLiteral("+D ");
        x -= 24;
    }
}

// Moves WorkDate by the days of a mark and rounds it to hundredths. Both directions are
// rounded: 2.01 - 0.01 is 1.9999999999999998 in binary, which DateRoll would not recognise
// as day 0 of February.
void moveWorkDate(PlanState& s, const QString& mark) {
    double days = 0;
    if (mark == u"+D ") {
        days = 0.01;
    } else if (mark == u"+2D") {
        days = 0.02;
    } else if (mark == u"-D ") {
        days = -0.01;
    } else if (mark == u"-2D") {
        days = -0.02;
    }
    s.WorkDate = Int((s.WorkDate + days) * 100 + 0.5) / 100;
}

}  // namespace

bool computeSpeedTimeBurn(PlanState& s, double windKnots) {
    Leg& leg = s.cur();
    const double wind = Int(windKnots);
    const auto impossible = [&] {
        s.FlightHours = 0;
        s.FuelBurn = 0;
        leg.BurnText.clear();
        return false;
    };

    int row = tableRow(s, s.DistIndex);
    s.DistIndex = row;
    s.GroundSpeed = wind + s.ACSpeed[row];
    if (!(s.GroundSpeed > 0)) return impossible();
    s.FlightHours = hoursAt(s.DistNM, s.GroundSpeed);
    double r = std::max(airRow(s.FlightHours, s.ACSpeed[row]), 0.0);

    // The row is chosen by the distance flown through the air, refined twice.
    for (int pass = 0; pass < 2; ++pass) {
        row = tableRow(s, r);
        s.GroundSpeed = wind + s.ACSpeed[row];
        if (!(s.GroundSpeed > 0)) return impossible();
        s.FlightHours = hoursAt(s.DistNM, s.GroundSpeed);
        r = airRow(s.FlightHours, s.ACSpeed[row]);
    }
    row = tableRow(s, r);
    s.FuelBurn = Int(s.FlightHours * s.ACFuelFlow[row]);
    leg.BurnText = RightAlign(Str(s.FuelBurn), 7);
    return true;
}

bool TXComps(PlanState& s) {
    const int sector = s.CourseSector;
    const double stored =
        (sector >= 0 && sector < static_cast<int>(s.Winds.size())) ? s.Winds[sector] : 0.0;
    return computeSpeedTimeBurn(s, stored);
}

void setReserveTexts(PlanState& s, double reserve) {
    Leg& leg = s.cur();
    leg.ReserveText = RightAlign(Str(reserve), 7);
    const double total = reserve + Int(s.FuelBurn);
    leg.TotalReqText =
        (total > s.ACMaxFuel) ? QStringLiteral("StopReq") : RightAlign(Str(total), 7);
}

void TXComps2(PlanState& s) {
    Leg& leg = s.cur();
    const double taxiHours = Int(Val(s.TaxiDefault) / 60 * 10000) / 10000;
    const double fh = s.FlightHours;
    double depOff = leg.DepZoneOffset.value_or(0.0);
    double destOff = leg.DestZoneOffset.value_or(0.0);

    s.WorkDate = Val(leg.LegDate);
    s.DateRollSign.clear();
    leg.DayChangeText = leg.DayMark = leg.DepDayChangeText = leg.DepDayMark = NoChange;

    double localDep = 0;
    QString localDepText, localArrText;
    if (leg.TorL != u"L") {
        // Takeoff time given: the arrival may fall on another day; the leg date then moves to
        // it and, from 02:00 on, the destination's daylight status of that date is looked at
        // in a second pass.
        double localArr = 0;
        for (;;) {
            localDepText = LTrim(leg.DepTimeEntry);
            localDep = hoursOf(localDepText);
            localArr = roundTime(localDep - depOff + fh + destOff + taxiHours);
            arrivalDayChange(leg, localArr);
            if (s.DateRollSign == u"+" || leg.DayMark == NoChange) break;
            moveWorkDate(s, leg.DayMark);
            TXDest(s);
            DateRoll(s);
            leg.LegDate = NumText(s.WorkDate);
            if (localArr < 2) break;
            DestTZ(s);
            destOff = leg.DestZoneOffset.value_or(0.0);
        }
        localArrText = hhmmText(localArr);
    } else {
        // Landing time given: the departure may fall on an earlier day; the leg date then moves
        // back to it and the departure's daylight status of that date is looked at once more.
        bool firstPass = true;
        for (;;) {
            localArrText = leg.ArrTimeEntry;
            const double localArr = hoursOf(localArrText);
            localDep = roundTime(localArr + depOff - fh - destOff - taxiHours);
            departureDayChange(leg, localDep);
            if (!firstPass) break;
            if (leg.DepDayMark != u"-D " && leg.DepDayMark != u"-2D") break;
            moveWorkDate(s, leg.DepDayMark);
            TXDep(s);
            DateRoll(s);
            leg.LegDate = NumText(s.WorkDate);
            DepTZ(s);
            depOff = leg.DepZoneOffset.value_or(0.0);
            firstPass = false;
        }
        localDepText = hhmmText(localDep);
    }

    s.DateRollSign.clear();
    const double timeChange = destOff - depOff;

    const double fhHours = Int(fh);
    const double fhMinutes = Int((fh - fhHours) * 60 + 0.5);
    leg.LocalDepText = localDepText;
    leg.GMTDepText = hhmmText(gmtWrapped(localDep - depOff));
    leg.LocalArrText = localArrText;
    leg.GMTArrText = hhmmText(gmtWrapped(localDep - depOff + fh + taxiHours));
    leg.FltTimeText =
        TwoDigits(calc::wholeOf(fhHours)) + u'+' + TwoDigits(calc::wholeOf(fhMinutes));
    leg.TimeChangeText = (timeChange < 0) ? NumText(timeChange) : u'+' + NumText(timeChange);
}

}  // namespace tx
