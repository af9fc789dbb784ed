#include "planning/EntryRules.h"

#include <cmath>

#include "core/Text.h"

namespace tx {

bool isEnterableLeg(const QString& text, int numLegs) {
    if (!IsNumber(text)) return false;
    const double v = Val(text);
    return v == std::floor(v) && v >= 1 && v <= numLegs + 1;
}

QString typedLegDate(const QString& text) {
    return Str(Val(Left(text, 2))) + u'.' + Right(text, 2);
}

bool isAcceptedDate(double monthDay, const QDate& today) {
    if (monthDay < 1.01 || monthDay > 12.31) return false;
    const int key = static_cast<int>(std::lround(monthDay * 100));  // 7.04 -> 704
    const int month = key / 100;
    const int day = key % 100;
    if (day == 0) return false;
    static constexpr int kMonthDays[13] = {0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2) return day <= kMonthDays[month];
    const int todayKey = today.month() * 100 + today.day();
    const int year = key >= todayKey ? today.year() : today.year() + 1;
    const bool leap = year >= 2000 && year <= 2104 && year % 4 == 0;
    return day <= (leap ? 29 : 28);
}

bool isAcceptedTime(const QString& text) {
    // Digits only: a letter, a sign, a point or a blank inside is no time of day.
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return Val(text) <= 2400;
}

bool isAcceptedWind(const QString& text) {
    QString digits = Trim(text);
    if (digits.startsWith(u'+') || digits.startsWith(u'-')) digits.remove(0, 1);
    if (digits.isEmpty()) return false;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9') return false;
    bool whole = false;
    const int knots = digits.toInt(&whole);
    return whole && knots <= 999;
}

}  // namespace tx
