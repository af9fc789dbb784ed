#pragma once
// A generated airport database at full size: 75,000 airports in 30,000 cities, each with a name
// and a kind and up to three rows in every service table (the first of them the default), built
// once per process in a temporary folder. Shared by the benchmarks of the database and of the
// airport lookup.
#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

#include "airportdb/Db.h"
#include "airportdb/SqlStatement.h"
#include "airportdb/Statements.h"
#include "core/Text.h"

namespace bench {

constexpr int kAirports = 75000;

struct Fixture {
    QTemporaryDir dir;
    QString path;
    std::vector<QString> idents;
    std::vector<QString> cityTexts;  // what a user types: prefixes and whole names, any case
    std::vector<QString> wordTexts;  // words of airport names, one or two, that start no city
    std::vector<qint64> ids;

    Fixture() {
        path = dir.filePath("data.mdb");
        std::mt19937 rng(7);
        static const char* kSyllables[] = {"ab",  "al", "an", "ber", "bo",    "ca", "chi",  "da",
                                           "del", "el", "fa", "gra", "ha",    "is", "ka",   "la",
                                           "lon", "ma", "mi", "no",  "or",    "pa", "ri",   "sa",
                                           "san", "ta", "to", "va",  "ville", "wa", "york", "zu"};
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        std::vector<QString> cities;
        for (int i = 0; i < 30000; ++i) {
            QString c;
            for (int s = 0, n = 2 + pick(3); s < n; ++s) c += kSyllables[pick(32)];
            c[0] = c[0].toUpper();
            if (pick(10) == 0) c += " City";
            cities.push_back(c.left(25));
        }

        // Names start with a word no city starts with (no city syllable begins with j, q or x).
        static const char* kFirst[] = {"Qui", "Xe", "Jo", "Quo", "Xan", "Jul"};
        static const char* kSuffixes[] = {"Regional", "Municipal", "International",
                                          "Field",    "Heliport",  "Airpark"};
        static const char* kKinds[] = {"large", "medium", "small", "small", "other"};

        tx::Db db;
        db.create(path);
        db.transaction([&] {
            tx::detail::Statement airport(
                db,
                "INSERT INTO tblAirports (Ident, City, CityKey, State, Lat, \"Long\", "
                "Std, Day, ZoneCode, Name, Kind) VALUES (?1, ?2, ?3, 'State', "
                "'N40-00.0', 'W075-00.0', -5, -4, 'EST', ?4, ?5)");
            const char* kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
            for (int i = 0; i < kAirports; ++i) {
                QString ident(QChar(u'A' + i % 26));
                for (int n = i / 26, k = 0; k < 3; ++k, n /= 36) ident += QChar(kChars[n % 36]);
                const QString& city = cities[size_t(pick(int(cities.size())))];
                const QString first = kFirst[pick(6)] + QString::fromLatin1(kSyllables[pick(32)]) +
                                      kSyllables[pick(32)];
                const QString name = first + u' ' + kSuffixes[pick(6)];
                airport.bindAll({ident, city, tx::CityFold(city), name, kKinds[pick(5)]});
                airport.run();
                idents.push_back(ident);
                ids.push_back(sqlite3_last_insert_rowid(db.handle()));
                if (i % 10 == 0)
                    cityTexts.push_back(pick(2) ? city.left(1 + pick(4)).toLower()
                                                : city.toUpper());
                if (i % 10 == 5) wordTexts.push_back(pick(3) ? first.toLower() : name);
            }
            for (tx::ServiceTable t : tx::kServiceTables) {
                tx::detail::Statement service(
                    db, QStringLiteral("INSERT INTO %1 (AirportID, Name, PhoneNumber, \"Default\") "
                                       "VALUES (?1, ?2, '555-0100', ?3)")
                            .arg(tx::TableName(t)));
                for (qint64 id : ids)
                    for (int k = 0, n = pick(4); k < n; ++k) {
                        service.bindAll({id, QStringLiteral("Service %1").arg(k), k == 0});
                        service.run();
                    }
            }
        });
        db.open(path);  // which writes the words of every airport
        std::shuffle(idents.begin(), idents.end(), rng);
        std::shuffle(ids.begin(), ids.end(), rng);
    }
};

inline Fixture& fixture() {
    static Fixture f;
    return f;
}

}  // namespace bench
