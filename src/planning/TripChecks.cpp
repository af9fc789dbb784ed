#include "planning/TripChecks.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Text.h"

namespace tx {

namespace {

// The plan's calendar: month.day dates, fixed month lengths, no 29 February.
constexpr std::array<int, 13> DaysBefore{0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<int, 13> MonthDays{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int YearDays = 365;
constexpr int DayMinutes = 24 * 60;

using Kind = TripFinding::Kind;

// A leg's block-out and block-in in minutes of GMT, counted in the plan's calendar, and the
// local days of both ends (for texts).
struct LegTimes {
    long long out = 0, in = 0;
    long long outDay = 0, inDay = 0;
};

// Days of a day-change mark: "+D " is 1, "-2D" is -2, three blanks 0.
int markDays(const QString& mark) {
    const QStringView m = QStringView(mark).trimmed();
    if (m.isEmpty()) return 0;
    const int days = (m.size() > 2 && m[1] == u'2') ? 2 : 1;
    return m[0] == u'-' ? -days : days;
}

// hhmm (blanks around allowed) -> minutes; nothing for a text that is not a time.
std::optional<int> clockMinutes(const QString& hhmm) {
    const QStringView t = QStringView(hhmm).trimmed();
    if (t.isEmpty() || t.size() > 4) return std::nullopt;
    int v = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v > 2400) return std::nullopt;
    return v / 100 * 60 + v % 100;
}

bool blank(const QString& text) {
    return QStringView(text).trimmed().isEmpty();
}

long long offsetMinutes(double hours) {
    return std::llround(hours * 60);
}

// Day of the year 1..365 of a month.day number, as SunTimes splits it; nothing when it is no
// date of the calendar.
std::optional<int> dayOfYear(double monthDay) {
    const double month = Int(monthDay);
    const int day = static_cast<int>(Int((monthDay - month + 0.005) * 100));
    if (month < 1 || month > 12) return std::nullopt;
    const int m = static_cast<int>(month);
    if (day < 1 || day > MonthDays[m]) return std::nullopt;
    return DaysBefore[m] + day;
}

QString dateTextOf(const PlanState& s, long long serialDay) {
    int doy = static_cast<int>(((serialDay - 1) % YearDays + YearDays) % YearDays) + 1;
    int m = 1;
    while (m < 12 && doy > DaysBefore[m + 1]) ++m;
    return TwoDigits(doy - DaysBefore[m]) + s.MonthNames[m];
}

// Today in the plan's calendar: its year and day of the year.
struct Today {
    long long year;
    int day;
};

Today todayOf(const PlanState& s) {
    int y = 0, m = 0, d = 0;
    s.Today.getDate(&y, &m, &d);
    return {y, DaysBefore[std::clamp(m, 1, 12)] + d};
}

// LegDate holds the far end of a day change: the arrival date of a leg given by its takeoff
// time, the departure date of one given by its landing time that departs on an earlier day;
// the marks say how far the other end lies.
std::optional<LegTimes> legTimes(const Leg& leg, const Today& today) {
    if (blank(leg.LegDate) || !leg.DepZoneOffset || !leg.DestZoneOffset) return std::nullopt;
    const auto legDay = dayOfYear(Val(leg.LegDate));
    const auto depClock = clockMinutes(leg.LocalDepText);
    const auto arrClock = clockMinutes(leg.LocalArrText);
    if (!legDay || !depClock || !arrClock) return std::nullopt;

    int depShift = 0, arrShift = 0;  // days from LegDate to each end
    if (leg.TorL != u"L") {
        depShift = -markDays(leg.DayMark);
    } else if (const int k = markDays(leg.DepDayMark); k < 0) {
        arrShift = -k;
    } else {
        depShift = k;
    }

    // The year of the departure by the sun times' rule: next year when earlier than today.
    const int depDay = ((*legDay + depShift - 1) % YearDays + YearDays) % YearDays + 1;
    const long long year = today.year + (depDay < today.day ? 1 : 0);

    LegTimes t;
    t.outDay = year * YearDays + depDay;
    t.inDay = t.outDay + arrShift - depShift;
    t.out = t.outDay * DayMinutes + *depClock - offsetMinutes(*leg.DepZoneOffset);
    t.in = t.inDay * DayMinutes + *arrClock - offsetMinutes(*leg.DestZoneOffset);
    return t;
}

class Checker {
  public:
    Checker(const PlanState& s, const TripLimits& limits) : s_(s), limits_(limits) {}

    TripCheck run() {
        const int legs = std::clamp<int>(s_.NumLegs, 0, PlanState::MaxLegs);
        std::array<std::optional<LegTimes>, PlanState::Slots> times;
        const Today today = todayOf(s_);
        for (int i = 1; i <= legs; ++i) times[i] = legTimes(s_.leg(i), today);

        int periodStart = 0;  // first leg of the open duty period, 0 when none
        for (int i = 1; i <= legs; ++i) {
            fuel(i);
            if (i > 1) chain(i);
            if (i > 1 && times[i - 1] && times[i]) turn(i, *times[i - 1], *times[i]);
            if (!times[i]) {
                if (periodStart) duty(periodStart, i - 1, times);
                periodStart = 0;
                continue;
            }
            if (periodStart && times[i]->out - times[i - 1]->in >= limits_[TripLimit::MinRest]) {
                duty(periodStart, i - 1, times);
                periodStart = 0;
            }
            if (!periodStart) periodStart = i;
        }
        if (periodStart) duty(periodStart, legs, times);

        std::stable_sort(result_.findings.begin(), result_.findings.end(),
                         [](const TripFinding& a, const TripFinding& b) {
                             return a.leg != b.leg ? a.leg < b.leg : a.kind < b.kind;
                         });
        for (const TripFinding& f : result_.findings)
            for (int i = f.leg; i <= f.lastLeg; ++i) result_.flagged[i] = true;
        return std::move(result_);
    }

  private:
    void add(Kind kind, int leg, int lastLeg, const QString& text) {
        result_.findings.push_back({kind, leg, lastLeg, text});
    }

    // The condition that prints "StopReq"; without an aircraft there is no usable fuel to hold
    // the leg to.
    void fuel(int i) {
        const Leg& leg = s_.leg(i);
        if (s_.ACMaxFuel <= 0 || blank(leg.BurnText) || blank(leg.ReserveText)) return;
        const double burn = Int(Val(leg.BurnText));
        const double reserve = Val(leg.ReserveText);
        if (!(reserve + burn > s_.ACMaxFuel)) return;
        add(Kind::Fuel, i, i,
            QStringLiteral("%1: burn %2 + reserve %3 exceeds usable fuel %4 - fuel stop required")
                .arg(LegLabel(s_, i, i), NumText(burn), NumText(reserve), NumText(s_.ACMaxFuel)));
    }

    void chain(int i) {
        const QStringView from = QStringView(s_.leg(i).DepID).trimmed();
        const QStringView landed = QStringView(s_.leg(i - 1).DestID).trimmed();
        if (from.isEmpty() || landed.isEmpty() || from.compare(landed, Qt::CaseInsensitive) == 0)
            return;
        add(Kind::Chain, i, i,
            QStringLiteral("%1: departs %2, leg %3 arrives at %4 - legs do not connect")
                .arg(LegLabel(s_, i, i), from)
                .arg(i - 1)
                .arg(landed));
    }

    void turn(int i, const LegTimes& before, const LegTimes& t) {
        const long long ground = t.out - before.in;
        const int minimum = limits_[TripLimit::MinGround];
        if (ground >= minimum) return;
        // Both local times; their dates too when they are not the same day.
        QString departs = s_.leg(i).LocalDepText, arrives = s_.leg(i - 1).LocalArrText;
        if (t.outDay != before.inDay) {
            departs += u' ' + dateTextOf(s_, t.outDay);
            arrives += u' ' + dateTextOf(s_, before.inDay);
        }
        const QString verdict =
            ground < 0 ? QStringLiteral("departs %1 before leg %2 arrives")
                             .arg(DurationText(static_cast<int>(-ground)))
                             .arg(i - 1)
                       : QStringLiteral("ground time %1 is below the minimum %2")
                             .arg(DurationText(static_cast<int>(ground)), DurationText(minimum));
        add(Kind::Turn, i, i,
            QStringLiteral("%1: departs %2, leg %3 arrives %4 - %5")
                .arg(LegLabel(s_, i, i), departs)
                .arg(i - 1)
                .arg(arrives, verdict));
    }

    // The duty period of legs first..last: from the first block-out less the show time to the
    // last block-in plus the post-flight time; its block time is that of its legs.
    void duty(int first, int last,
              const std::array<std::optional<LegTimes>, PlanState::Slots>& times) {
        const long long start = times[first]->out - limits_[TripLimit::Show];
        const long long end = times[last]->in + limits_[TripLimit::PostFlight];
        long long block = 0;
        for (int i = first; i <= last; ++i) block += times[i]->in - times[i]->out;
        const QString label = LegLabel(s_, first, last);
        if (end - start > limits_[TripLimit::Duty])
            add(Kind::Duty, first, last,
                QStringLiteral("%1: duty %2 exceeds the duty limit %3 - crew rest required")
                    .arg(label, DurationText(static_cast<int>(end - start)),
                         DurationText(limits_[TripLimit::Duty])));
        if (block > limits_[TripLimit::FlightTime])
            add(Kind::FlightTime, first, last,
                QStringLiteral(
                    "%1: block time %2 exceeds the flight-time limit %3 - crew rest required")
                    .arg(label, DurationText(static_cast<int>(block)),
                         DurationText(limits_[TripLimit::FlightTime])));
    }

    const PlanState& s_;
    const TripLimits& limits_;
    TripCheck result_;
};

}  // namespace

QString LegLabel(const PlanState& s, int first, int last) {
    const QString route = Trim(s.leg(first).DepID) + u'-' + Trim(s.leg(last).DestID);
    if (first == last) return QStringLiteral("Leg %1 %2").arg(first).arg(route);
    return QStringLiteral("Legs %1-%2 %3").arg(first).arg(last).arg(route);
}

std::optional<BlockTimes> LegBlockTimes(const PlanState& s, int leg) {
    const auto t = legTimes(s.leg(leg), todayOf(s));
    if (!t) return std::nullopt;
    // The plan's day count back to a date of the real calendar; the block time itself carries
    // over as minutes, so a flight across 29 February keeps its length.
    const long long year = (t->outDay - 1) / YearDays;
    const int day = static_cast<int>((t->outDay - 1) % YearDays) + 1;
    int m = 12;
    while (DaysBefore[m] >= day) --m;
    const QDateTime midnight(QDate(static_cast<int>(year), m, day - DaysBefore[m]), QTime(0, 0),
                             Qt::UTC);
    const QDateTime out = midnight.addSecs((t->out - t->outDay * DayMinutes) * 60);
    return BlockTimes{out, out.addSecs((t->in - t->out) * 60)};
}

QStringList TripCheck::texts() const {
    QStringList out;
    for (const TripFinding& f : findings) out << f.text;
    return out;
}

TripCheck CheckTrip(const PlanState& s, const TripLimits& limits) {
    return Checker(s, limits).run();
}

}  // namespace tx
