#pragma once
// The text and number conventions every Tarvex text is built with.
#include <QString>

namespace tx {

// Numeric value of a text: its leading number (leading blanks skipped, optional sign,
// digits, decimal point, exponent); a text without one is 0.
double Val(const QString& text);

// True when the whole text (surrounding blanks aside) is one number that a double can hold
// ("1e999" is not).
bool IsNumber(const QString& text);

// Integer part: the floor of the number.
double Int(double x);

// Number to text: shortest decimal form of at most 15 significant digits, a leading blank
// when the number is not negative (" 7.04", "-3", " 0.5").
QString Str(double x);

// Number to text without the sign blank ("7.04", "-3").
QString NumText(double x);

// A single-precision number (the database's Std and Day) to text without the sign blank: the
// shortest text that reads back as the same single ("-3.3", not "-3.29999995").
QString SingleText(float x);

// The last n characters of n blanks followed by the text.
QString RightAlign(const QString& text, int n);

// The text followed by n blanks, cut to its first n characters.
QString PadCut(const QString& text, int n);

// 1-based, safe on short texts.
QString Left(const QString& text, int n);
QString Right(const QString& text, int n);
QString Mid(const QString& text, int start, int length = -1);

// Blanks (spaces only) removed at the start, the end or both.
QString LTrim(const QString& text);
QString RTrim(const QString& text);
QString Trim(const QString& text);

// A whole number as at least two digits ("05", "14").
QString TwoDigits(long long n);

// The key cities are ordered and searched by: accents dropped (decomposed, combining marks
// removed), stroked and joined letters as their plain letters (o for ø, l for ł, ae for æ), then
// case folded (ss for ß). "Ålesund", "ALESUND" and "alesund" have one key, "alesund", and it
// stands between "albany" and "amsterdam".
QString CityFold(const QString& city);

// The words of a text as searched: CityFold of each run of letters and digits, every word after
// one blank (" le bourget"), so that a word's start is found as a blank and its first letters.
QString WordFold(const QString& text);

}  // namespace tx
