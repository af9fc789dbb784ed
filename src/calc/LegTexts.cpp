#include "calc/LegTexts.h"

#include <algorithm>
#include <utility>

#include "calc/TimeZones.h"
#include "calc/Whole.h"
#include "core/Text.h"

namespace tx {

namespace {

QString blanks(int n) {
    return QString(n, u' ');
}

// The leg number right-aligned in 2.
QString leg2(int number) {
    return RightAlign(Str(number), 2);
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

}  // namespace

QString TXLegg(const Leg& leg, int number) {
    return leg2(number) + blanks(2) + leg.DateText + blanks(1) +
           pad20(leg.DepCity + u'(' + leg.DepID + u')') + blanks(1) + leg.LocalDepText +
           leg.DepDayMark + pad20(leg.DestCity + u'(' + leg.DestID + u')') + blanks(1) +
           leg.LocalArrText + leg.DayMark + blanks(1) + leg.FltTimeText + leg.DistText +
           leg.BurnText;
}

PilotLines Pilot(const Leg& leg, int number) {
    return {leg2(number) + blanks(4) + leg.DateText + blanks(3) + pad4(leg.DepID) +
                right5(Str(leg.DepZoneOffset.value_or(0.0))) + blanks(5) +
                Right(blanks(3) + leg.WindText, 3) + blanks(4) + pad4(leg.DestID) +
                right5(Str(leg.DestZoneOffset.value_or(0.0))) + blanks(3) + leg.BurnText +
                blanks(3) + leg.ReserveText + blanks(5) + leg.DepSunrise + u'/' + leg.DepSunset,
            blanks(3) + leg.DistText + blanks(4) + leg.GMTDepText + blanks(1) + leg.LocalDepText +
                leg.DepDayMark + blanks(1) + leg.FltTimeText + blanks(3) + leg.GMTArrText +
                blanks(1) + leg.LocalArrText + leg.DayMark + blanks(3) + blanks(7) +
                leg.TotalReqText + blanks(5) + leg.DestSunrise + u'/' + leg.DestSunset};
}

SummaryLines Summary(const Leg& leg, int number) {
    return {
        blanks(25) + QStringLiteral("Leg ") + Str(number),
        leg.DateText + QStringLiteral("    Depart: ") + leg.DepCityStateF + u'(' + leg.DepID +
            QStringLiteral(") at: ") + CivTime(leg.LocalDepText) + leg.DepDayChangeText,
        QStringLiteral("            FBO: ") + leg.DepFBONamePhone,
        QStringLiteral("         Arrive: ") + leg.DestCityStateF + u'(' + leg.DestID +
            QStringLiteral(") at: ") + CivTime(leg.LocalArrText) + leg.DayChangeText,
        QStringLiteral("            FBO: ") + leg.DestFBONamePhone,
        QStringLiteral("         Flight Time = ") + leg.FltTimeText +
            QStringLiteral(" : Time Change = ") + leg.TimeChangeText,
        QStringLiteral("         Distance ... ") + LTrim(leg.DistText) + QStringLiteral(" n.mi.")};
}

void StoreLegLines(PlanState& s, DestServices services) {
    Leg& leg = s.cur();
    leg.PlanLine = TXLegg(leg, s.CurLeg);
    PilotLines pilot = Pilot(leg, s.CurLeg);
    leg.PilotLine1 = std::move(pilot[0]);
    leg.PilotLine2 = std::move(pilot[1]);
    leg.DepCityStateF = leg.DepCity + QStringLiteral(", ") + leg.DepState;
    leg.DestCityStateF = leg.DestCity + QStringLiteral(", ") + leg.DestState;
    if (services == DestServices::FromLookup) {
        leg.DestFBO = s.CurFBO;
        leg.DestCrewHotel = s.CurCrewHotel;
        leg.DestPaxHotel = s.CurPaxHotel;
        leg.DestLimo = s.CurLimo;
        leg.DestCatering = s.CurCatering;
    }
    SummaryLines summary = Summary(leg, s.CurLeg);
    QString* const lines[] = {&leg.SumLine1, &leg.SumLine2, &leg.SumLine3, &leg.SumLine4,
                              &leg.SumLine5, &leg.SumLine6, &leg.SumLine7};
    for (std::size_t k = 0; k < summary.size(); ++k) *lines[k] = std::move(summary[k]);
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
