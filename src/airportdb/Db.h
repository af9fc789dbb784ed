#pragma once
// The airport database data.mdb: an SQLite file, opened once at start-up and shared by the
// windows, and a scrollable, updatable cursor over the rows of one table.
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace tx {

class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

class Db {
public:
    Db();
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    // Opens an existing database for reading and writing. Throws DbError when the file is
    // missing, unreadable or not a Tarvex airport database (the six tables must be there).
    void open(const QString& path);
    // Creates a new database file with the schema (used by the data tool and tests).
    void create(const QString& path);
    // Releases the file so that it can be overwritten.
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    QString path() const { return path_; }

    // Runs one UPDATE or DELETE with every value bound as a parameter (?1, ?2 ...).
    void execute(const QString& sql, const QVariantList& params = {});

    // Runs fn inside one transaction: everything it does lands, or nothing does.
    template <class Fn>
    void transaction(Fn&& fn) {
        execute(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            fn();
        } catch (...) {
            execute(QStringLiteral("ROLLBACK"));
            throw;
        }
        execute(QStringLiteral("COMMIT"));
    }

    sqlite3* handle() const { return handle_; }

private:
    sqlite3* handle_ = nullptr;
    QString path_;
};

// What find first looks for on the airports cursor.
struct Criterion {
    enum class Kind { IdentEquals, CityAtOrAfter, IdEquals };
    Kind kind;
    QVariant value;
};
inline Criterion IdentIs(const QString& ident) { return {Criterion::Kind::IdentEquals, ident}; }
inline Criterion CityFrom(const QString& city) { return {Criterion::Kind::CityAtOrAfter, city}; }
inline Criterion IdIs(qint64 id) { return {Criterion::Kind::IdEquals, id}; }

// A cursor over the rows of one table in the order of its statement. The order is fixed when
// the cursor is opened (a row whose City is revised keeps its place until requery); field
// values are always read fresh from the database.
class Recordset {
public:
    // SELECT * FROM table [WHERE where] [ORDER BY orderBy], where's values bound from params.
    Recordset(Db& db, const QString& table, const QString& where = {},
              const QVariantList& params = {}, const QString& orderBy = {});
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    QString table() const { return table_; }

    bool bof() const;  // before the first row (or no rows)
    bool eof() const;  // after the last row (or no rows)
    // Rows visited so far: 0 for no rows, at least 1 after opening, the total after moveLast.
    int recordCount() const;

    void moveFirst();
    void moveLast();
    void moveNext();      // past the last row: eof
    void movePrevious();  // before the first row: bof

    // Moves to the first row in cursor order that satisfies the criterion and returns true;
    // when none does, the current row stays as it was and false is returned.
    bool findFirst(const Criterion& c);

    // The current row's value (an invalid QVariant for NULL). Throws DbError at bof/eof.
    QVariant field(const QString& name) const;
    // Allowed only between addNew or edit and update; throws DbError otherwise.
    void setField(const QString& name, const QVariant& value);

    void addNew();  // then setField..., then update: inserts a row, the engine assigns ID
    void edit();    // then setField..., then update: changes the current row
    void update();
    void cancelUpdate();
    void remove();  // deletes the current row
    void requery(); // runs the statement again and stands on the first row

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    QString table_;
};

// The open database and the shared cursor over all airports in City order; the main window and
// the airport-information window move the same cursor.
struct AirportDatabase {
    Db db;
    std::optional<Recordset> AirportsRs;
};

}  // namespace tx
