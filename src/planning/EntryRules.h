#pragma once
// The acceptance rules of the leg entry boxes: which leg numbers, dates and local times a leg
// can take. The window applies them; they know nothing of boxes or focus.
#include <QDate>
#include <QString>

namespace tx {

// A leg number the entry can go to: a whole number from 1 to numLegs + 1.
bool isEnterableLeg(const QString& text, int numLegs);

// The LegDate a typed date of at least four characters stands for: the number of its first two
// characters, a point and its last two ("0704" and "07/04" -> "7.04").
QString typedLegDate(const QString& text);

// Is monthDay (month.day) a day of the year it falls in? That year is today's when monthDay is
// today's month.day or later, else the next; only February depends on it (29 days in the years
// 2000, 2004 ... 2104).
bool isAcceptedDate(double monthDay, const QDate& today);

// A local time the time box accepts (an empty box has become "0000" before): digits only, 0 to
// 2400; minutes above 59 are taken as typed.
bool isAcceptedTime(const QString& text);

// A wind the wind box accepts: a whole number of knots from -999 to 999 with an optional sign,
// blanks around it allowed.
bool isAcceptedWind(const QString& text);

}  // namespace tx
