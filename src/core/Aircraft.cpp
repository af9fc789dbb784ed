#include "core/Aircraft.h"

#include <QFileInfo>
#include <cmath>

#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"

namespace tx {

namespace {
constexpr int kOlderLayoutRows = 48;
}

void LoadAircraft(PlanState& s) {
    const QString path = ProgramFile(s, s.ACFileName);
    if (s.ACFileName.isEmpty() || QFileInfo(path).isDir())
        throw FileError(QStringLiteral("no aircraft file is named"));
    AircraftProfile read = s;
    SeqReader in = SeqReader::fromFile(path);
    // The row count is read as a 16-bit integer (rounded to the nearest, ties to even); text that
    // is not a number reads as 0 and marks the older layout.
    const double first = Val(in.text());
    int rows = first > AircraftProfile::MaxRows ? AircraftProfile::MaxRows + 1
               : first < 0                      ? 0
                                                : static_cast<int>(std::nearbyint(first));
    if (rows < 1) {
        in = SeqReader::fromFile(path);  // an older file: it begins with the type text
        rows = kOlderLayoutRows;
    } else if (rows > AircraftProfile::MaxRows) {
        throw FileError(QStringLiteral("%1: it has %2 table rows; at most %3 are allowed")
                            .arg(s.ACFileName, NumText(first))
                            .arg(AircraftProfile::MaxRows));
    }
    read.ACType = in.text();
    read.ACLine2 = in.text();
    for (int r = 0; r <= rows; ++r) read.ACSpeed[r] = in.number();
    for (int r = 0; r <= rows; ++r) read.ACFuelFlow[r] = in.number();
    read.ACMaxFuel = in.number();
    read.ACReserve = in.number();
    read.ACRows = static_cast<std::int16_t>(rows);
    read.ACFileLoaded = read.ACFileName;
    static_cast<AircraftProfile&>(s) = read;
}

void WriteAircraft(const PlanState& s) {
    SeqWriter out;
    out.line(Str(s.ACRows)).line(s.ACType).line(s.ACLine2);
    for (int r = 0; r <= s.ACRows; ++r) out.line(Str(s.ACSpeed[r]));
    for (int r = 0; r <= s.ACRows; ++r) out.line(Str(s.ACFuelFlow[r]));
    out.line(Str(s.ACMaxFuel)).line(Str(s.ACReserve));
    WriteFileAtomically(ProgramFile(s, s.ACFileName), out.bytes());
}

}  // namespace tx
