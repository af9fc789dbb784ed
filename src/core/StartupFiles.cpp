#include "core/StartupFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <cmath>

#include "core/Aircraft.h"
#include "core/SeqFile.h"
#include "core/Text.h"

namespace tx {

QString ProgramFile(const PlanState& s, const QString& name) {
    return QDir(s.ProgramDir).filePath(name);
}

void ReadSettingsFile(PlanState& s) {
    SeqReader in = SeqReader::fromFile(ProgramFile(s, QStringLiteral("TARVEX.DAT")));
    Settings read = s;
    read.OwnerName = in.text();
    read.OwnerAddress = in.text();
    read.OwnerCityState = in.text();
    read.OwnerPhone = in.text();
    read.Reserved5 = in.text();
    read.TaxiDefault = in.text();
    read.OwnerEmail = in.text();
    for (QString& r : read.Reserved8to11) r = in.text();
    static_cast<Settings&>(s) = read;
}

void WriteSettingsFile(const PlanState& s) {
    SeqWriter out;
    for (const QString* f : {&s.OwnerName, &s.OwnerAddress, &s.OwnerCityState, &s.OwnerPhone,
                             &s.Reserved5, &s.TaxiDefault, &s.OwnerEmail})
        out.quoted(*f).endRecord();
    for (const QString& r : s.Reserved8to11) out.quoted(r).endRecord();
    WriteFileAtomically(ProgramFile(s, QStringLiteral("TARVEX.DAT")), out.bytes());
}

void ReadTimeZoneFile(PlanState& s) {
    const QString path = ProgramFile(s, QStringLiteral("TZONES.DAT"));
    SeqReader in = SeqReader::fromFile(path);
    TimeZoneTable read;
    for (int f = 1; f <= 9; ++f) {
        const QString t = in.text();
        if (f == 6) read.TZExpiry = t;
    }
    const int rows = in.integer16();
    if (rows < 0 || rows > TimeZoneTable::MaxRows)
        throw FileError(QStringLiteral("%1: the table holds %2 zone rows; at most %3 are allowed")
                            .arg(QDir::toNativeSeparators(path))
                            .arg(rows)
                            .arg(TimeZoneTable::MaxRows));
    read.TZRows = static_cast<std::int16_t>(rows);
    for (int r = 1; r <= rows; ++r) {
        read.TZCode[r] = in.text();
        read.TZDSTStart[r] = in.number();
        read.TZDSTEnd[r] = in.number();
    }
    static_cast<TimeZoneTable&>(s) = read;
}

namespace {

// A month.day as the program reads TZDSTStart/TZDSTEnd: month 1 to 12, a day of that month
// (29 February included), two digits after the point.
bool isMonthDay(double x) {
    static constexpr int Days[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!(x >= 1 && x < 13)) return false;
    const int m = static_cast<int>(x);
    const int d = static_cast<int>(std::lround((x - m) * 100));
    return d >= 1 && d <= Days[m] && x == (m * 100 + d) / 100.0;
}

bool isZoneCode(const QString& c) {
    static const QRegularExpression code(QStringLiteral("^[A-Z]{1,3}$"));
    return code.match(c).hasMatch();
}

}  // namespace

void ReadDaylightYearsFile(PlanState& s) {
    const QString path = ProgramFile(s, QStringLiteral("TZYEARS.DAT"));
    SeqReader in = SeqReader::fromFile(path);
    const auto fail = [&](const QString& why) {
        throw FileError(QDir::toNativeSeparators(path) + ": " + why, FileError::Fault::Layout);
    };
    for (int f = 1; f <= 4; ++f) in.text();
    DaylightYearTable read;
    read.FirstYear = in.integer16();
    read.LastYear = in.integer16();
    if (read.FirstYear < 1900 || read.LastYear > 2199 || read.FirstYear > read.LastYear)
        fail(QStringLiteral("the years %1 to %2 are not in order within 1900 to 2199")
                 .arg(read.FirstYear)
                 .arg(read.LastYear));
    const int rows = in.integer16();
    if (rows < 0 || rows > DaylightYearTable::MaxRows)
        fail(QStringLiteral("the table holds %1 rows; at most %2 are allowed")
                 .arg(rows)
                 .arg(DaylightYearTable::MaxRows));
    read.rows.reserve(static_cast<std::size_t>(rows));
    for (int r = 1; r <= rows; ++r) {
        DaylightYearTable::Row row;
        row.code = in.text();
        const double year = in.number();
        row.start = in.number();
        row.end = in.number();
        const QString at = QStringLiteral("row %1: ").arg(r);
        if (!isZoneCode(row.code))
            fail(at + QStringLiteral("\"%1\" is not a zone code of 1 to 3 capital letters")
                          .arg(row.code));
        if (!(year >= read.FirstYear && year <= read.LastYear && year == std::floor(year)))
            fail(at + QStringLiteral("the year %1 is not a whole year from %2 to %3")
                          .arg(year)
                          .arg(read.FirstYear)
                          .arg(read.LastYear));
        row.year = static_cast<int>(year);
        if (!isMonthDay(row.start) || !isMonthDay(row.end))
            fail(
                at +
                QStringLiteral("%1 to %2 are not two month.day dates").arg(row.start).arg(row.end));
        if (!read.rows.empty() && std::pair(read.rows.back().code, read.rows.back().year) >=
                                      std::pair(row.code, row.year))
            fail(at + QStringLiteral("%1 %2 does not follow %3 %4 (rows go by code, then year, "
                                     "each once)")
                          .arg(row.code)
                          .arg(row.year)
                          .arg(read.rows.back().code)
                          .arg(read.rows.back().year));
        read.rows.push_back(std::move(row));
    }
    s.TZYears = std::move(read);
}

QString ReadDefaultAircraftFile(const PlanState& s) {
    const QString path = ProgramFile(s, QStringLiteral("TXDefAC.DAT"));
    SeqReader in = SeqReader::fromFile(path);
    const QString name = in.text();
    const QString problem = AircraftFileNameProblem(name);
    if (!problem.isEmpty()) throw FileError(QDir::toNativeSeparators(path) + ": " + problem);
    return name;
}

void WriteDefaultAircraftFile(const PlanState& s) {
    WriteFileAtomically(ProgramFile(s, QStringLiteral("TXDefAC.DAT")),
                        SeqWriter().line(s.ACFileName).bytes());
}

void LoadStartFiles(PlanState& s) {
    s.VersionText = QString::fromLatin1(kVersionText);
    ReadSettingsFile(s);
    ReadTimeZoneFile(s);
    try {
        ReadDaylightYearsFile(s);
    } catch (const FileError& e) {
        s.TZYears = {};
        s.TZYears.Problem = e.message();
    }
    s.AircraftLoadError.clear();
    try {
        s.ACFileName = ReadDefaultAircraftFile(s);
        LoadAircraft(s);
    } catch (const FileError& e) {
        s.ACFileName.clear();
        s.AircraftLoadError = e.message();
    }
}

}  // namespace tx
