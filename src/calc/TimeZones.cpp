#include "calc/TimeZones.h"

#include <algorithm>

#include "calc/SunTimes.h"
#include "core/Text.h"

namespace tx {

namespace {

constexpr double DefaultDSTStart = 4.01;
constexpr double DefaultDSTEnd = 10.28;
constexpr int MonthDays[13] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};  // [0] = Dec

// A period before 1.01: no date of the year lies in it.
constexpr double NoDaylightStart = 0.0;
constexpr double NoDaylightEnd = 0.01;

void daylightPeriod(const PlanState& s, const QString& zoneCode, const QString& legDate,
                    std::optional<double>& start, std::optional<double>& end) {
    const QString code = RTrim(zoneCode);
    const int rows = std::clamp<int>(s.TZRows, 0, TimeZoneTable::MaxRows);
    int tzRow = 0;
    for (int r = 1; r <= rows && tzRow == 0; ++r) {
        if (code == s.TZCode[r]) tzRow = r;
    }
    const int year = LegYear(Val(legDate), s.Today);
    const auto& yearly = s.TZYears.rows;
    const auto firstOfCode = std::lower_bound(
        yearly.begin(), yearly.end(), code,
        [](const DaylightYearTable::Row& row, const QString& c) { return row.code < c; });
    const bool hasYearly = firstOfCode != yearly.end() && firstOfCode->code == code;
    if (hasYearly && !(tzRow != 0 && year == TimeZoneFileYear(s))) {
        const int y = std::clamp(year, s.TZYears.FirstYear, s.TZYears.LastYear);
        const auto row = std::find_if(firstOfCode, yearly.end(),
                                      [&](const auto& r) { return r.code != code || r.year >= y; });
        const bool found = row != yearly.end() && row->code == code && row->year == y;
        start = found ? row->start : NoDaylightStart;
        end = found ? row->end : NoDaylightEnd;
    } else {
        start = tzRow != 0 ? s.TZDSTStart[tzRow] : DefaultDSTStart;
        end = tzRow != 0 ? s.TZDSTEnd[tzRow] : DefaultDSTEnd;
    }
}

bool daylightOn(double date, double start, double end) {
    if (date == start || date == end) return true;
    if (end > start) return start < date && date < end;
    return !(end < date && date < start);  // a period across the turn of the year
}

double zoneOffset(const Leg& leg, const std::optional<double>& start,
                  const std::optional<double>& end, const QString& dayText,
                  const QString& stdText) {
    const bool daylight = daylightOn(Val(leg.LegDate), start.value_or(0.0), end.value_or(0.0));
    return Val(daylight ? dayText : stdText);
}

// m.dd as the number a typed date reads as: the quotient of two whole numbers is the double
// nearest the decimal, as the literal 3.15 is.
double monthDay(int month, int day) {
    return (month * 100 + day) / 100.0;
}

}  // namespace

void TXDep(PlanState& s) {
    Leg& leg = s.cur();
    daylightPeriod(s, leg.DepZoneCode, leg.LegDate, leg.DepDSTStart, leg.DepDSTEnd);
}

void TXDest(PlanState& s) {
    Leg& leg = s.cur();
    daylightPeriod(s, leg.DestZoneCode, leg.LegDate, leg.DestDSTStart, leg.DestDSTEnd);
}

void DepTZ(PlanState& s) {
    Leg& leg = s.cur();
    const double offset = zoneOffset(leg, leg.DepDSTStart, leg.DepDSTEnd, leg.DepDay, leg.DepStd);
    leg.DepZoneOffset = offset;
}

void DestTZ(PlanState& s) {
    Leg& leg = s.cur();
    const double offset =
        zoneOffset(leg, leg.DestDSTStart, leg.DestDSTEnd, leg.DestDay, leg.DestStd);
    leg.DestZoneOffset = offset;
}

int TimeZoneFileYear(const PlanState& s) {
    return s.TZExpiry.section(u'/', -1).trimmed().toInt();
}

QString NearestYearNote(const PlanState& s) {
    const DaylightYearTable& t = s.TZYears;
    if (t.rows.empty()) return {};
    QStringList outside;
    int nearest = 0;
    for (const int year : {s.Today.year(), s.Today.year() + 1}) {
        if ((year >= t.FirstYear && year <= t.LastYear) || year == TimeZoneFileYear(s)) continue;
        outside << QString::number(year);
        nearest = std::clamp(year, t.FirstYear, t.LastYear);
    }
    if (outside.isEmpty()) return {};
    return QStringLiteral(
               "TZYEARS.DAT holds the daylight periods of %1 to %2 only: legs in %3 "
               "are computed with the periods of %4.")
        .arg(t.FirstYear)
        .arg(t.LastYear)
        .arg(outside.join(QStringLiteral(" and ")))
        .arg(nearest);
}

double DateRoll(double w) {
    for (int m = 1; m <= 12; ++m) {  // one day past the end of month m
        if (w == monthDay(m, MonthDays[m] + 1)) return monthDay(m % 12 + 1, 1);
    }
    for (int m = 1; m <= 12; ++m) {  // two days past
        if (w == monthDay(m, MonthDays[m] + 2)) return monthDay(m % 12 + 1, 2);
    }
    for (int m = 1; m <= 12; ++m) {  // day 0 of month m: the last day of the month before
        if (w == m) return monthDay(m == 1 ? 12 : m - 1, MonthDays[m - 1]);
    }
    for (int m = 0; m <= 11; ++m) {  // m.99: the second-last day of month m (0 is December)
        if (w == monthDay(m, 99)) return monthDay(m == 0 ? 12 : m, MonthDays[m] - 1);
    }
    return w;
}

void DateFill(PlanState& s) {
    Leg& leg = s.cur();
    const double month = Int(Val(leg.LegDate));
    const QString name =
        (month >= 1 && month <= 12) ? s.MonthNames[static_cast<int>(month)] : QString();
    leg.DateText = Right(leg.LegDate, 2) + name;
}

QString CivTime(const QString& hhmm) {
    double h = Val(Left(hhmm, 2));
    const QString mm = Right(hhmm, 2);
    QString suffix = QStringLiteral("am");
    if (h >= 13) {
        h -= 12;
        suffix = (hhmm == u"2400") ? QStringLiteral(" mid") : QStringLiteral("pm");
    } else if (hhmm == u"1200") {
        suffix = QStringLiteral(" noon");
    } else if (h == 12) {
        suffix = QStringLiteral("pm");
    }
    return NumText(h) + u':' + mm + suffix;
}

}  // namespace tx
