#pragma once
// Builds data.mdb from the text sources in data/: airports.tsv and services.tsv (UTF-8,
// tab-separated, a header line first).
//
// airports.tsv: Ident, City, State, Lat, Long, Std, Day, ZoneCode, Comments. In Comments the
// two characters \n stand for a line break and \\ for a backslash; an empty Comments is stored
// as no value.
// services.tsv: Table (FBOs, CrewHotels, PaxHotels, Limos or Catering), Ident (of the airport),
// Name, PhoneNumber, Freq (FBOs only, else empty), Default (1 or 0; at most one 1 per airport
// and table). Names and phones are stored padded and cut to 25, then right-trimmed; Freq padded
// and cut to 7.
#include <QString>
#include <stdexcept>

namespace tx::mkdb {

// A fault in an input file; the text names the file and the line.
class InputError : public std::runtime_error {
  public:
    explicit InputError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

struct Counts {
    int airports = 0;
    int services = 0;
};

// Reads and checks both files completely, then writes the database to a temporary file beside
// outFile and renames it over outFile. Throws InputError or DbError; outFile is then untouched
// and no temporary file is left.
Counts BuildDatabase(const QString& dataDir, const QString& outFile);

}  // namespace tx::mkdb
