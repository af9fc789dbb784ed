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

// A date moved by the days of a mark, rounded to hundredths. Both directions are rounded:
// 2.01 - 0.01 is 1.9999999999999998 in binary, which DateRoll would not recognise as day 0 of
// February.
double movedDate(double date, const QString& mark) {
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
    return Int((date + days) * 100 + 0.5) / 100;
}

}  // namespace

SpeedTimeBurn computeSpeedTimeBurn(PlanState& s, double windKnots) {
    Leg& leg = s.cur();
    const double wind = Int(windKnots);
    SpeedTimeBurn r;
    const auto impossible = [&] {
        r.flightHours = 0;
        r.fuelBurn = 0;
        leg.BurnText.clear();
        return r;
    };

    int row = tableRow(s, s.DistIndex);
    s.DistIndex = row;
    r.groundSpeed = wind + s.ACSpeed[row];
    if (!(r.groundSpeed > 0)) return impossible();
    r.flightHours = hoursAt(s.DistNM, r.groundSpeed);
    double air = std::max(airRow(r.flightHours, s.ACSpeed[row]), 0.0);

    // The row is chosen by the distance flown through the air, refined twice.
    for (int pass = 0; pass < 2; ++pass) {
        row = tableRow(s, air);
        r.groundSpeed = wind + s.ACSpeed[row];
        if (!(r.groundSpeed > 0)) return impossible();
        r.flightHours = hoursAt(s.DistNM, r.groundSpeed);
        air = airRow(r.flightHours, s.ACSpeed[row]);
    }
    row = tableRow(s, air);
    r.fuelBurn = Int(r.flightHours * s.ACFuelFlow[row]);
    leg.BurnText = RightAlign(Str(r.fuelBurn), 7);
    r.flies = true;
    return r;
}

SpeedTimeBurn TXComps(PlanState& s) {
    const int sector = s.CourseSector;
    const double stored =
        (sector >= 0 && sector < static_cast<int>(s.Winds.size())) ? s.Winds[sector] : 0.0;
    return computeSpeedTimeBurn(s, stored);
}

void setReserveTexts(PlanState& s, double reserve, double fuelBurn) {
    Leg& leg = s.cur();
    leg.ReserveText = RightAlign(Str(reserve), 7);
    const double total = reserve + Int(fuelBurn);
    leg.TotalReqText =
        (total > s.ACMaxFuel) ? QStringLiteral("StopReq") : RightAlign(Str(total), 7);
}

void TXComps2(PlanState& s, double flightHours) {
    Leg& leg = s.cur();
    const double taxiHours = Int(Val(s.TaxiDefault) / 60 * 10000) / 10000;
    const double fh = flightHours;
    double depOff = leg.DepZoneOffset.value_or(0.0);
    double destOff = leg.DestZoneOffset.value_or(0.0);

    double workDate = Val(leg.LegDate);  // the leg date as a day change moves it
    leg.DayChangeText = leg.DayMark = leg.DepDayChangeText = leg.DepDayMark = NoChange;

    double localDep = 0;
    QString localDepText, localArrText;
    if (leg.TorL != u"L") {
        // Takeoff time given: the arrival may fall on another day; the leg date then moves to
        // it and, from 02:00 on, the destination's daylight status of that date is looked at
        // in a second pass.
        double localArr = 0;
        bool rolled = false;
        for (;;) {
            localDepText = LTrim(leg.DepTimeEntry);
            localDep = hoursOf(localDepText);
            localArr = roundTime(localDep - depOff + fh + destOff + taxiHours);
            arrivalDayChange(leg, localArr);
            if (rolled || leg.DayMark == NoChange) break;
            workDate = DateRoll(movedDate(workDate, leg.DayMark));
            rolled = true;
            TXDest(s);
            leg.LegDate = NumText(workDate);
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
            workDate = DateRoll(movedDate(workDate, leg.DepDayMark));
            TXDep(s);
            leg.LegDate = NumText(workDate);
            DepTZ(s);
            depOff = leg.DepZoneOffset.value_or(0.0);
            firstPass = false;
        }
        localDepText = hhmmText(localDep);
    }

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
