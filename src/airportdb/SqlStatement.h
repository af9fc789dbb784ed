#pragma once
// One prepared SQLite statement of an open Db. The compiled statement is borrowed from the
// database's cache for as long as this object lives and handed back reset, so a statement text
// is compiled once per connection. Used by the database layer and the data tool only.
#include <QString>
#include <QVariant>
#include <string_view>

#include "airportdb/Db.h"

struct sqlite3_stmt;

namespace tx::detail {

class Statement {
  public:
    // Throws DbError when the database is closed or the text does not compile.
    Statement(const Db& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // 1-based. An invalid QVariant binds NULL, a bool 0 or 1, numbers as numbers, anything
    // else as its text.
    Statement& bind(int index, const QVariant& value);
    Statement& bindAll(const QVariantList& values);  // from ?1 on, after ending any earlier run

    bool step();  // true when a row is ready, false when done; throws DbError
    int run();    // steps to the end and resets; the number of rows changed

    int columnCount() const;
    QString columnName(int i) const;  // 0-based, as are the readers below
    bool isNull(int i) const;
    qint64 int64(int i) const;
    double real(int i) const;
    std::string_view utf8(int i) const;  // valid until the next step
    QVariant value(int i) const;         // by the stored value's type

  private:
    const Db* db_;
    sqlite3_stmt* st_ = nullptr;
    bool* busy_ = nullptr;  // the cache's in-use mark of a borrowed statement
    bool owned_ = false;    // a second, uncached copy because the cached one was in use
};

}  // namespace tx::detail
