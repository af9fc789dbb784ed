#include "core/TripLimits.h"

#include <QDir>
#include <QRegularExpression>

#include "core/SeqFile.h"
#include "core/StartupFiles.h"

namespace tx {

namespace {

struct LimitRule {
    const char* name;
    int lowest, highest;  // minutes
};

// Ranges no crew rule reaches beyond: a wider value is a typing slip.
constexpr std::array<LimitRule, TripLimitCount> Rules{{
    {"Minimum ground time", 0, 12 * 60},
    {"Show time", 0, 6 * 60},
    {"Post-flight time", 0, 6 * 60},
    {"Minimum rest", 60, 48 * 60},
    {"Duty limit", 60, 24 * 60},
    {"Flight-time limit", 60, 24 * 60},
}};

const LimitRule& ruleOf(TripLimit l) {
    return Rules[static_cast<std::size_t>(l)];
}

const QRegularExpression& durationPattern() {
    static const QRegularExpression p(QStringLiteral("^([0-9]{1,2}):([0-5][0-9])$"));
    return p;
}

std::optional<QString> rangeRefusal(TripLimit l, int minutes) {
    const LimitRule& r = ruleOf(l);
    if (minutes >= r.lowest && minutes <= r.highest) return std::nullopt;
    return QStringLiteral("%1 must lie between %2 and %3")
        .arg(TripLimitName(l), DurationText(r.lowest), DurationText(r.highest));
}

TripLimits readLimits(const QString& path) {
    SeqReader in = SeqReader::fromFile(path);
    const QString shown = QDir::toNativeSeparators(path);
    TripLimits read;
    for (int i = 0; i < TripLimitCount; ++i) {
        const auto l = static_cast<TripLimit>(i);
        const QString label = in.text();
        if (label != TripLimitName(l))
            throw FileError(QStringLiteral("%1: limit %2 should be labelled \"%3\", not \"%4\"")
                                .arg(shown)
                                .arg(i + 1)
                                .arg(TripLimitName(l), label),
                            FileError::Fault::Layout);
        const QString value = in.text();
        if (const auto refusal = TripLimitRefusal(l, value))
            throw FileError(QStringLiteral("%1: %2 (it holds \"%3\")").arg(shown, *refusal, value),
                            FileError::Fault::Layout);
        read[l] = TripLimitMinutes(value);
    }
    if (!in.atEnd())
        throw FileError(QStringLiteral("%1: the file holds more than the %2 limits")
                            .arg(shown)
                            .arg(TripLimitCount),
                        FileError::Fault::Layout);
    return read;
}

}  // namespace

QString TripLimitName(TripLimit l) {
    return QString::fromLatin1(ruleOf(l).name);
}

QString DurationText(int minutes) {
    const QString sign = minutes < 0 ? QStringLiteral("-") : QString();
    minutes = std::abs(minutes);
    return sign + QString::number(minutes / 60) + u':' +
           QString::number(minutes % 60).rightJustified(2, u'0');
}

std::optional<QString> TripLimitRefusal(TripLimit l, const QString& text) {
    if (!durationPattern().match(text.trimmed()).hasMatch())
        return QStringLiteral("%1: type hours and minutes as h:mm, such as %2")
            .arg(TripLimitName(l), DurationText(TripLimits()[l]));
    return rangeRefusal(l, TripLimitMinutes(text));
}

int TripLimitMinutes(const QString& text) {
    const auto m = durationPattern().match(text.trimmed());
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : 0;
}

TripLimitsRead LoadTripLimits(const PlanState& s) {
    try {
        return {readLimits(ProgramFile(s, QString::fromLatin1(kTripLimitsFile))), {}};
    } catch (const FileError& e) {
        if (e.fault() == FileError::Fault::Missing) return {};
        return {TripLimits(), e.message() + QStringLiteral("; the default limits are used")};
    }
}

void WriteTripLimits(const PlanState& s, const TripLimits& limits) {
    const QString path = ProgramFile(s, QString::fromLatin1(kTripLimitsFile));
    SeqWriter out;
    for (int i = 0; i < TripLimitCount; ++i) {
        const auto l = static_cast<TripLimit>(i);
        // Never a file that the next start would refuse.
        if (const auto refusal = rangeRefusal(l, limits[l]))
            throw FileError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + *refusal);
        out.quoted(TripLimitName(l)).text(DurationText(limits[l])).endRecord();
    }
    WriteFileAtomically(path, out.bytes());
}

}  // namespace tx
