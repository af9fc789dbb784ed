#include "core/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tx {

namespace {

// Length of the leading number of s from position i, or 0 when there is none.
int numberLength(const QString& s, int i) {
    const int start = i;
    const int n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    int digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++digits;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
        int expDigits = 0;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i - start;
}

int firstNonBlank(const QString& s) {
    int i = 0;
    while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) ++i;
    return i;
}

}  // namespace

double Val(const QString& text) {
    const int i = firstNonBlank(text);
    const int len = numberLength(text, i);
    if (len == 0) return 0.0;
    const std::string digits = text.mid(i, len).toStdString();
    const double v = std::strtod(digits.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

bool IsNumber(const QString& text) {
    const QString t = Trim(text);
    if (t.isEmpty() || numberLength(t, 0) != t.size()) return false;
    return std::isfinite(std::strtod(t.toStdString().c_str(), nullptr));  // not 1e999
}

double Int(double x) {
    return std::floor(x);
}

QString NumText(double x) {
    if (x == 0.0 || !std::isfinite(x)) x = 0.0;  // no "-0"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    return QString::fromLatin1(buf);
}

QString SingleText(float x) {
    if (x == 0.0f || !std::isfinite(x)) x = 0.0f;
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

QString Str(double x) {
    const QString t = NumText(x);
    return t.startsWith(u'-') ? t : u' ' + t;
}

QString RightAlign(const QString& text, int n) {
    return Right(QString(n, u' ') + text, n);
}

QString PadCut(const QString& text, int n) {
    return Left(text + QString(n, u' '), n);
}

QString Left(const QString& text, int n) {
    return n <= 0 ? QString() : text.left(n);
}

QString Right(const QString& text, int n) {
    return n <= 0 ? QString() : text.right(n);
}

QString Mid(const QString& text, int start, int length) {
    if (start < 1 || start > text.size()) return QString();
    return text.mid(start - 1, length < 0 ? -1 : length);
}

QString LTrim(const QString& text) {
    int i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    return text.mid(i);
}

QString RTrim(const QString& text) {
    int n = text.size();
    while (n > 0 && text[n - 1] == u' ') --n;
    return text.left(n);
}

QString Trim(const QString& text) {
    return LTrim(RTrim(text));
}

QString TwoDigits(long long n) {
    const QString t = QString::number(n);
    return (n >= 0 && n < 10) ? u'0' + t : t;
}

QString CityFold(const QString& city) {
    // Letters that no decomposition takes apart.
    static constexpr struct {
        char16_t letter;
        const char* plain;
    } kPlain[] = {{u'\u00d8', "o"},  {u'\u00f8', "o"},  {u'\u0141', "l"},  {u'\u0142', "l"},
                  {u'\u0110', "d"},  {u'\u0111', "d"},  {u'\u0126', "h"},  {u'\u0127', "h"},
                  {u'\u0131', "i"},  {u'\u0166', "t"},  {u'\u0167', "t"},  {u'\u00c6', "ae"},
                  {u'\u00e6', "ae"}, {u'\u0152', "oe"}, {u'\u0153', "oe"}, {u'\u00de', "th"},
                  {u'\u00fe', "th"}, {u'\u00df', "ss"}, {u'\u1e9e', "ss"}};
    QString out;
    out.reserve(city.size());
    for (const QChar c : city.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark()) continue;
        const auto plain = std::find_if(std::begin(kPlain), std::end(kPlain),
                                        [c](const auto& p) { return p.letter == c.unicode(); });
        if (plain != std::end(kPlain))
            out += QLatin1StringView(plain->plain);
        else
            out += c;
    }
    return out.toCaseFolded();
}

QString WordFold(const QString& text) {
    QString out;
    bool inWord = false;
    for (const QChar c : CityFold(text)) {
        const bool letter = c.isLetterOrNumber();
        if (letter && !inWord) out += u' ';
        if (letter) out += c;
        inWord = letter;
    }
    return out;
}

}  // namespace tx
