#include "Import.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <vector>

#include "airportdb/AirportRecords.h"
#include "airportdb/Db.h"
#include "airportdb/Schema.h"
#include "airportdb/SqlStatement.h"
#include "core/Text.h"

namespace tx::mkdb {

namespace {

struct Row {
    int line = 0;
    QStringList fields;
};

struct TsvFile {
    QString path;
    std::vector<Row> rows;

    [[noreturn]] void fail(int line, const QString& why) const {
        throw InputError(
            QStringLiteral("%1:%2: %3").arg(QDir::toNativeSeparators(path)).arg(line).arg(why));
    }
};

// Reads a tab-separated UTF-8 file whose first line must be exactly the given header. Blank
// lines are skipped; every other line must have as many fields as the header.
TsvFile readTsv(const QString& path, const QStringList& header) {
    TsvFile file{path, {}};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw InputError(QDir::toNativeSeparators(path) + ": cannot be read (" + f.errorString() +
                         ")");
    QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);

    const QList<QByteArray> lines = bytes.split('\n');
    bool headerSeen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QByteArray raw = lines[i];
        if (raw.endsWith('\r')) raw.chop(1);
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString text = decode(raw);
        if (decode.hasError()) file.fail(lineNo, "the line is not valid UTF-8");
        if (!headerSeen) {
            if (text.split(u'\t') != header)
                file.fail(lineNo,
                          "the first line must be the header \"" + header.join("<TAB>") + "\"");
            headerSeen = true;
            continue;
        }
        if (text.trimmed().isEmpty()) continue;
        QStringList fields = text.split(u'\t');
        if (fields.size() != header.size())
            file.fail(lineNo, QStringLiteral("%1 fields where %2 are expected (%3)")
                                  .arg(fields.size())
                                  .arg(header.size())
                                  .arg(header.join(", ")));
        file.rows.push_back({lineNo, std::move(fields)});
    }
    if (!headerSeen) file.fail(1, "the file is empty; the header line is missing");
    return file;
}

struct Airport {
    QString ident, city, state, lat, lon;
    float std = 0, day = 0;
    QString zone;
    std::optional<QString> comments;
    QString iata, name, kind;
};

struct Service {
    QString table;
    int airport = 0;  // index into the airports
    QString name, phone, freq;
    bool isDefault = false;
};

bool hasBlank(const QString& s) {
    for (QChar c : s)
        if (c.isSpace()) return true;
    return false;
}

// A coordinate in the one layout the system reads: hemisphere letter, degrees, one separating
// character, minutes with one decimal ("N34-22.3", "W173-55.4").
QString coordinateFault(const QString& text, bool latitude) {
    static const QRegularExpression lat(QStringLiteral("^[NS](\\d\\d)[^0-9](\\d\\d)\\.\\d$"));
    static const QRegularExpression lon(QStringLiteral("^[EW](\\d\\d\\d)[^0-9](\\d\\d)\\.\\d$"));
    const QRegularExpressionMatch m = (latitude ? lat : lon).match(text);
    const QString what = latitude ? QStringLiteral("Lat") : QStringLiteral("Long");
    const QString sample = latitude ? QStringLiteral("N34-22.3") : QStringLiteral("W173-55.4");
    if (!m.hasMatch()) return what + " \"" + text + "\" is not laid out like " + sample;
    if (m.captured(1).toInt() > (latitude ? 90 : 180))
        return what + " \"" + text + "\": degrees out of range";
    if (m.captured(2).toInt() >= 60) return what + " \"" + text + "\": minutes out of range";
    return {};
}

std::optional<QString> unescapeComments(const QString& text, QString* fault) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (next == u'n')
            out += u'\n';
        else if (next == u'\\')
            out += u'\\';
        else {
            *fault =
                "Comments: a backslash must be followed by n (line break) or another backslash";
            return std::nullopt;
        }
        ++i;
    }
    return out;
}

std::vector<Airport> checkAirports(const TsvFile& file, QHash<QString, int>& index) {
    std::vector<Airport> out;
    QHash<QString, int> lineOf;
    for (const Row& r : file.rows) {
        const QStringList& f = r.fields;
        auto fail = [&](const QString& why) { file.fail(r.line, why); };
        auto text = [&](int i, const char* name, bool required) {
            const QString& v = f[i];
            const int maxLength = schema::Airports().find(QString::fromLatin1(name))->maxLength;
            if (required && v.trimmed().isEmpty()) fail(QLatin1StringView(name) + " is empty");
            if (v.size() > maxLength)
                fail(QStringLiteral("%1 \"%2\" is longer than %3 characters")
                         .arg(QLatin1StringView(name), v)
                         .arg(maxLength));
            return v;
        };
        auto offset = [&](int i, const char* name) {
            if (!IsNumber(f[i]))
                fail(QLatin1StringView(name) + " \"" + f[i] + "\" is not a number");
            const double x = Val(f[i]);
            if (std::fabs(x) > 14)
                fail(QLatin1StringView(name) + " \"" + f[i] + "\" is not a GMT offset in hours");
            return float(x);
        };

        Airport a;
        a.ident = text(0, "Ident", true);
        if (a.ident != a.ident.toUpper() || hasBlank(a.ident))
            fail("Ident \"" + a.ident + "\" must be upper case without blanks");
        if (lineOf.contains(a.ident))
            fail(QStringLiteral("Ident %1 appears twice (also on line %2)")
                     .arg(a.ident)
                     .arg(lineOf[a.ident]));
        a.city = text(1, "City", true);
        a.state = text(2, "State", false);
        a.lat = f[3];
        a.lon = f[4];
        for (const QString& fault : {coordinateFault(a.lat, true), coordinateFault(a.lon, false)})
            if (!fault.isEmpty()) fail(fault);
        a.std = offset(5, "Std");
        a.day = offset(6, "Day");
        a.zone = text(7, "ZoneCode", false);
        if (a.zone != a.zone.toUpper() || hasBlank(a.zone))
            fail("ZoneCode \"" + a.zone + "\" must be upper case without blanks");
        QString fault;
        const std::optional<QString> comments = unescapeComments(f[8], &fault);
        if (!comments) fail(fault);
        const int longest = schema::Airports().find(u"Comments")->maxLength;
        if (comments->size() > longest)
            fail(QStringLiteral("Comments are longer than %1 characters").arg(longest));
        if (!comments->isEmpty()) a.comments = *comments;
        a.iata = text(9, "IATA", false);
        static const QRegularExpression iata(QStringLiteral("^([A-Z0-9]{3})?$"));
        if (!iata.match(a.iata).hasMatch())
            fail("IATA \"" + a.iata + "\" must be empty or three capitals or digits");
        a.name = text(10, "Name", false);
        a.kind = text(11, "Kind", false);
        if (!a.kind.isEmpty() &&
            std::none_of(std::begin(kAirportKinds), std::end(kAirportKinds),
                         [&](const char* k) { return a.kind == QLatin1StringView(k); }))
            fail("Kind \"" + a.kind + "\" must be empty or one of large, medium, small, other");

        lineOf.insert(a.ident, r.line);
        index.insert(a.ident, int(out.size()));
        out.push_back(std::move(a));
    }
    return out;
}

std::vector<Service> checkServices(const TsvFile& file, const QHash<QString, int>& airports) {
    static const QStringList kTables = {"FBOs", "CrewHotels", "PaxHotels", "Limos", "Catering"};
    std::vector<Service> out;
    QHash<QString, int> defaultLine;  // table + airport -> line of its default row
    for (const Row& r : file.rows) {
        const QStringList& f = r.fields;
        auto fail = [&](const QString& why) { file.fail(r.line, why); };
        Service s;
        if (!kTables.contains(f[0]))
            fail("Table \"" + f[0] + "\" is not one of " + kTables.join(", "));
        s.table = "tbl" + f[0];
        if (!airports.contains(f[1])) fail("no airport has the Ident \"" + f[1] + "\"");
        s.airport = airports.value(f[1]);
        const schema::Table& table = *schema::FindTable(s.table);
        if (f[2].trimmed().isEmpty()) fail("Name is empty");
        s.name = RTrim(PadCut(f[2], table.find(u"Name")->maxLength));
        s.phone = RTrim(PadCut(f[3], table.find(u"PhoneNumber")->maxLength));
        if (table.has(u"Freq"))
            s.freq = PadCut(f[4], table.find(u"Freq")->maxLength);
        else if (!f[4].isEmpty())
            fail("Freq is given for " + f[0] + "; only FBOs have a frequency");
        if (f[5] != u"0" && f[5] != u"1") fail("Default \"" + f[5] + "\" must be 1 or 0");
        s.isDefault = f[5] == u"1";
        if (s.isDefault) {
            const QString key = f[0] + u'\t' + f[1];
            if (defaultLine.contains(key))
                fail(QStringLiteral("a second default of %1 for %2 (the first is on line %3)")
                         .arg(f[0], f[1])
                         .arg(defaultLine[key]));
            defaultLine.insert(key, r.line);
        }
        out.push_back(std::move(s));
    }
    return out;
}

void write(const QString& path, const std::vector<Airport>& airports,
           const std::vector<Service>& services) {
    Db db;
    db.create(path);
    db.transaction([&] {
        std::vector<qint64> ids;
        ids.reserve(airports.size());
        {
            detail::Statement insert(
                db, QStringLiteral(
                        "INSERT INTO tblAirports (Ident, City, State, Lat, \"Long\", Std, "
                        "Day, ZoneCode, Comments, CityKey, IATA, Name, Kind) VALUES (?1, ?2, ?3, "
                        "?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"));
            const auto orNone = [](const QString& t) {
                return t.isEmpty() ? QVariant() : QVariant(t);
            };
            for (const Airport& a : airports) {
                insert.bindAll({a.ident, a.city, a.state, a.lat, a.lon, double(a.std),
                                double(a.day), a.zone,
                                a.comments ? QVariant(*a.comments) : QVariant(), CityFold(a.city),
                                orNone(a.iata), orNone(a.name), orNone(a.kind)});
                insert.run();
                ids.push_back(sqlite3_last_insert_rowid(db.handle()));
            }
        }
        for (const Service& s : services) {
            const bool fbo = s.table == u"tblFBOs";
            const QString sql =
                fbo ? QStringLiteral(
                          "INSERT INTO tblFBOs (AirportID, Name, PhoneNumber, Freq, "
                          "\"Default\") VALUES (?1, ?2, ?3, ?4, ?5)")
                    : QStringLiteral(
                          "INSERT INTO %1 (AirportID, Name, PhoneNumber, \"Default\") "
                          "VALUES (?1, ?2, ?3, ?4)")
                          .arg(s.table);
            QVariantList values = {ids[size_t(s.airport)], s.name, s.phone};
            if (fbo) values << s.freq;
            values << s.isDefault;
            db.execute(sql, values);
        }
    });
    db.open(path);  // which writes the words the word search finds
    db.close();
}

}  // namespace

Counts BuildDatabase(const QString& dataDir, const QString& outFile) {
    const QDir dir(dataDir);
    const TsvFile airportFile = readTsv(dir.filePath("airports.tsv"),
                                        {"Ident", "City", "State", "Lat", "Long", "Std", "Day",
                                         "ZoneCode", "Comments", "IATA", "Name", "Kind"});
    const TsvFile serviceFile = readTsv(
        dir.filePath("services.tsv"), {"Table", "Ident", "Name", "PhoneNumber", "Freq", "Default"});
    QHash<QString, int> index;
    const std::vector<Airport> airports = checkAirports(airportFile, index);
    const std::vector<Service> services = checkServices(serviceFile, index);

    // Built beside the target and renamed over it, so a failure never leaves half a database.
    const QString part = outFile + ".part";
    QFile::remove(part);
    QFile::remove(part + "-journal");
    try {
        write(part, airports, services);
        std::filesystem::rename(QFile::encodeName(part).toStdString(),
                                QFile::encodeName(outFile).toStdString());
    } catch (const std::filesystem::filesystem_error& e) {
        QFile::remove(part);
        throw DbError(QDir::toNativeSeparators(outFile) + ": cannot be written (" +
                      QString::fromLocal8Bit(e.code().message().c_str()) + ")");
    } catch (...) {
        QFile::remove(part);
        QFile::remove(part + "-journal");
        throw;
    }
    return {int(airports.size()), int(services.size())};
}

}  // namespace tx::mkdb
