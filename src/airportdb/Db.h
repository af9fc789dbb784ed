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
    QString message() const { return QString::fromUtf8(what()); }
};

namespace detail {
class Statement;
// What the database tells every open cursor: a row of some table was inserted, updated or
// deleted on this connection, a transaction was rolled back, or the database is being closed.
class CursorWatch {
  public:
    virtual void rowChanged(int op, const char* table, qint64 id) = 0;
    virtual void rolledBack() = 0;
    virtual void databaseClosing() = 0;

  protected:
    ~CursorWatch() = default;
};
}  // namespace detail

class Db {
  public:
    Db();
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    // Opens an existing database for reading and writing. Throws DbError when the file is
    // missing, unreadable, read-only or not a Tarvex airport database (the six tables with
    // their columns must be there). An open database is closed first.
    void open(const QString& path);
    // Creates a new database file with the schema (used by the data tool and tests) and leaves
    // it open. Throws DbError when the file already exists.
    void create(const QString& path);
    // Releases the file so that it can be overwritten. Cursors still open on it are detached:
    // every later operation on them throws DbError.
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    QString path() const { return path_; }

    // Runs one statement (UPDATE, DELETE, transaction control) with every value bound as a
    // parameter (?1, ?2 ...) and returns the number of rows it changed.
    int execute(const QString& sql, const QVariantList& params = {});

    // Runs fn inside one transaction: everything it does lands, or nothing does.
    template <class Fn>
    void transaction(Fn&& fn) {
        execute(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            fn();
        } catch (...) {
            try {
                execute(QStringLiteral("ROLLBACK"));
            } catch (const DbError&) {
                // The engine has already rolled back; the first error is the one to report.
            }
            throw;
        }
        execute(QStringLiteral("COMMIT"));
    }

    sqlite3* handle() const { return handle_; }

    // "data.mdb: <what> (<engine message>)": an error that names the file and the fault.
    [[noreturn]] void fail(const QString& what) const;

  private:
    friend class Recordset;
    friend class detail::Statement;
    struct Internals;
    void attach(detail::CursorWatch* c);
    void detach(detail::CursorWatch* c);

    sqlite3* handle_ = nullptr;
    QString path_;
    std::unique_ptr<Internals> in_;
};

// What find first looks for on the airports cursor.
struct Criterion {
    enum class Kind { IdentEquals, CityAtOrAfter, IdEquals, IataEquals };
    Kind kind;
    QVariant value;
};
inline Criterion IdentIs(const QString& ident) {
    return {Criterion::Kind::IdentEquals, ident};
}
inline Criterion CityFrom(const QString& city) {
    return {Criterion::Kind::CityAtOrAfter, city};
}
inline Criterion IataIs(const QString& code) {
    return {Criterion::Kind::IataEquals, code};
}
inline Criterion IdIs(qint64 id) {
    return {Criterion::Kind::IdEquals, id};
}

// A cursor over the rows of one table in the order of its statement. The order is fixed when
// the cursor is opened (a row whose City is revised keeps its place until requery; a row added
// through the cursor joins the end); field values are always read fresh from the database.
// Rows deleted since opening are skipped by the moves; the cursor may stand on one only right
// after remove(), until it moves.
class Recordset {
  public:
    // SELECT * FROM table [WHERE where] ORDER BY orderBy (ID when empty), where's values bound
    // from params. Stands on the first row. Throws DbError.
    Recordset(Db& db, const QString& table, const QString& where = {},
              const QVariantList& params = {}, const QString& orderBy = {});
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    QString table() const { return table_; }

    bool bof() const;  // before the first row (or no rows)
    bool eof() const;  // after the last row (or no rows)
    // Rows visited so far: 0 for no rows, at least 1 after opening, the total after moveLast.
    // Rows added through the cursor count as visited; deleted rows no longer count.
    int recordCount() const;

    // Moves throw DbError while an addNew or edit is pending (update or cancelUpdate first).
    // A move past an end already reached keeps the end condition.
    void moveFirst();
    void moveLast();
    void moveNext();      // past the last row: eof
    void movePrevious();  // before the first row: bof

    // Moves to the first row in cursor order that satisfies the criterion with the rows'
    // current values and returns true; when none does, the current row stays as it was and
    // false is returned. Ident and City compare without regard to case, as the cursor sorts.
    bool findFirst(const Criterion& c);

    // The current row's value, typed by its column: qint64 for ID and AirportID, QString for
    // texts, float for Std and Day, bool for Default, an invalid QVariant for NULL. Between
    // addNew/edit and update a value already set is returned as set (an unset field of a new
    // row is NULL). Throws DbError at bof/eof, on a deleted row and for an unknown field.
    QVariant field(const QString& name) const;
    // Allowed only between addNew or edit and update; throws DbError otherwise, for an unknown
    // field, for ID, and for a value that does not fit the column (a text for a number).
    void setField(const QString& name, const QVariant& value);

    void addNew();  // then setField..., then update: inserts a row, the engine assigns ID
    void edit();    // then setField..., then update: changes the current row
    // Writes the pending row and returns its ID. The current row stays where it was; a new row
    // joins the end of the cursor order. On failure (DbError) the pending values are kept.
    qint64 update();
    void cancelUpdate();
    bool editPending() const;
    void remove();   // deletes the current row
    void requery();  // runs the statement again and stands on the first row

  private:
    struct Impl;
    Impl& impl() const;  // throws DbError when moved from or the database is closed
    std::unique_ptr<Impl> d_;
    QString table_;
};

// The open database and the shared cursor over all airports in City order; the main window and
// the airport-information window move the same cursor.
struct AirportDatabase {
    Db db;
    std::optional<Recordset> AirportsRs;
    // The airports a city search found by their words, while they are stepped through; empty
    // when stepping goes in city order.
    std::optional<Recordset> MatchesRs;
    Recordset* stepped() { return MatchesRs ? &*MatchesRs : AirportsRs ? &*AirportsRs : nullptr; }
    void closeCursors() {
        MatchesRs.reset();
        AirportsRs.reset();
    }
};

}  // namespace tx
