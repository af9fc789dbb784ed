#include "calc/LegTexts.h"

#include <algorithm>

#include "calc/TimeZones.h"
#include "calc/Whole.h"
#include "core/Text.h"

namespace tx {

namespace {

QString blanks(int n) {
    return QString(n, u' ');
}

// The leg number right-aligned in 2.
QString leg2(const PlanState& s) {
    return RightAlign(Str(s.CurLeg), 2);
}

QString pad20(const QString& x) {
    return PadCut(x, 20);
}
QString pad4(const QString& x) {
    return Left(x + blanks(2), 4);
}
QString right5(const QString& x) {
    return Right(blanks(5) + x, 5);
}

QString civil(PlanState& s, const QString& hhmm) {
    s.CivTimeText = hhmm;
    CivTime(s);
    return s.CivTimeText;
}

}  // namespace

void TXLegg(PlanState& s) {
    Leg& leg = s.cur();
    leg.PlanLine = leg2(s) + blanks(2) + leg.DateText + blanks(1) +
                   pad20(leg.DepCity + u'(' + leg.DepID + u')') + blanks(1) + leg.LocalDepText +
                   leg.DepDayMark + pad20(leg.DestCity + u'(' + leg.DestID + u')') + blanks(1) +
                   leg.LocalArrText + leg.DayMark + blanks(1) + leg.FltTimeText + leg.DistText +
                   leg.BurnText;
}

void Pilot(PlanState& s) {
    Leg& leg = s.cur();
    leg.PilotLine1 = leg2(s) + blanks(4) + leg.DateText + blanks(3) + pad4(leg.DepID) +
                     right5(Str(leg.DepZoneOffset.value_or(0.0))) + blanks(5) +
                     Right(blanks(3) + leg.WindText, 3) + blanks(4) + pad4(leg.DestID) +
                     right5(Str(leg.DestZoneOffset.value_or(0.0))) + blanks(3) + leg.BurnText +
                     blanks(3) + leg.ReserveText + blanks(5) + leg.DepSunrise + u'/' +
                     leg.DepSunset;
    leg.PilotLine2 = blanks(3) + leg.DistText + blanks(4) + leg.GMTDepText + blanks(1) +
                     leg.LocalDepText + leg.DepDayMark + blanks(1) + leg.FltTimeText + blanks(3) +
                     leg.GMTArrText + blanks(1) + leg.LocalArrText + leg.DayMark + blanks(3) +
                     blanks(7) + leg.TotalReqText + blanks(5) + leg.DestSunrise + u'/' +
                     leg.DestSunset;
    leg.DepCityStateF = leg.DepCity + QStringLiteral(", ") + leg.DepState;
    leg.DestCityStateF = leg.DestCity + QStringLiteral(", ") + leg.DestState;

    if (!s.RecalcFlag) {
        leg.DestFBO = s.CurFBO;
        leg.DestCrewHotel = s.CurCrewHotel;
        leg.DestPaxHotel = s.CurPaxHotel;
        leg.DestLimo = s.CurLimo;
        leg.DestCatering = s.CurCatering;
    } else {
        s.RecalcFlag = false;
    }
}

void Summary(PlanState& s) {
    Leg& leg = s.cur();
    const QString depCiv = civil(s, leg.LocalDepText);
    const QString arrCiv = civil(s, leg.LocalArrText);
    leg.SumLine1 = blanks(25) + QStringLiteral("Leg ") + Str(s.CurLeg);
    leg.SumLine2 = leg.DateText + QStringLiteral("    Depart: ") + leg.DepCityStateF + u'(' +
                   leg.DepID + QStringLiteral(") at: ") + depCiv + leg.DepDayChangeText;
    leg.SumLine3 = QStringLiteral("            FBO: ") + leg.DepFBONamePhone;
    leg.SumLine4 = QStringLiteral("         Arrive: ") + leg.DestCityStateF + u'(' + leg.DestID +
                   QStringLiteral(") at: ") + arrCiv + leg.DayChangeText;
    leg.SumLine5 = QStringLiteral("            FBO: ") + leg.DestFBONamePhone;
    leg.SumLine6 = QStringLiteral("         Flight Time = ") + leg.FltTimeText +
                   QStringLiteral(" : Time Change = ") + leg.TimeChangeText;
    leg.SumLine7 =
        QStringLiteral("         Distance ... ") + LTrim(leg.DistText) + QStringLiteral(" n.mi.");
}

void PlanTotals(PlanState& s) {
    s.TotalTimeText = QStringLiteral("0");
    s.TotalDist = 0;
    double hours = 0, minutes = 0;
    const int last = std::min<int>(s.NumLegs, PlanState::Slots - 1);
    for (int i = 1; i <= last; ++i) {
        const Leg& leg = s.leg(i);
        const QString& t = leg.FltTimeText;
        minutes += Val(Right(t, 2));
        hours += Val(Left(t, t.size() == 5 ? 2 : 1));
        s.TotalDist += Val(leg.DistText);
    }
    const double wholeHours = Int(minutes / 60);
    const double h = hours + wholeHours;
    const double m = Int((minutes / 60 - wholeHours) * 60 + 0.5);
    s.TotalTimeText = Str(h) + u'+' + TwoDigits(calc::wholeOf(m));
}

}  // namespace tx
