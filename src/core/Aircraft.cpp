#include "core/Aircraft.h"

#include <QDir>
#include <QFile>
#include <cmath>

#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"

namespace tx {

namespace {
constexpr int kOlderLayoutRows = 48;
constexpr int kMaxNameBytes = 255;

void checkName(const QString& name) {
    const QString problem = AircraftFileNameProblem(name);
    if (!problem.isEmpty()) throw FileError(problem);
}
}  // namespace

QString AircraftFileNameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("no aircraft file is named");
    bool plain = name != u"." && name != u".." && QFile::encodeName(name).size() <= kMaxNameBytes;
    QString shown = name;  // control characters are not put into a message
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control) {
            c = u'?';
            plain = false;
        }
        plain = plain && c != u'/' && c != u'\\' && c != u'"';
    }
    return plain ? QString()
                 : QStringLiteral("\"%1\" is not a plain file name in the program directory")
                       .arg(shown);
}

void LoadAircraft(PlanState& s) {
    // Only a plain name: the file is rewritten when the fuel reserve is saved, and must not be
    // one outside the program directory.
    checkName(s.ACFileName);
    const QString path = ProgramFile(s, s.ACFileName);
    AircraftProfile read = s;
    SeqReader in = SeqReader::fromFile(path);
    // The first field is the row count when the whole field is a number, read as a 16-bit
    // integer (rounded to the nearest, ties to even); anything else is the type text of the
    // older layout, as is a count below 1.
    const QString first = in.text();
    const double count = IsNumber(first) ? Val(first) : 0;
    int rows = count > AircraftProfile::MaxRows ? AircraftProfile::MaxRows + 1
               : count < 0                      ? 0
                                                : static_cast<int>(std::nearbyint(count));
    if (rows < 1) {
        in = SeqReader::fromFile(path);
        rows = kOlderLayoutRows;
    } else if (rows > AircraftProfile::MaxRows) {
        throw FileError(QStringLiteral("%1: it has %2 table rows; at most %3 are allowed")
                            .arg(QDir::toNativeSeparators(path), NumText(count))
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
    checkName(s.ACFileName);
    SeqWriter out;
    out.number(s.ACRows, true).endRecord().line(s.ACType).line(s.ACLine2);
    for (int r = 0; r <= s.ACRows; ++r) out.number(s.ACSpeed[r], true).endRecord();
    for (int r = 0; r <= s.ACRows; ++r) out.number(s.ACFuelFlow[r], true).endRecord();
    out.number(s.ACMaxFuel, true).endRecord().number(s.ACReserve, true).endRecord();
    WriteFileAtomically(ProgramFile(s, s.ACFileName), out.bytes());
}

}  // namespace tx
