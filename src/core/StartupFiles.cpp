#include "core/StartupFiles.h"

#include <QDir>

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
