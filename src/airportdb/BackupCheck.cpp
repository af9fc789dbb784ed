#include "airportdb/BackupCheck.h"

#include <sqlite3.h>

#include <QHash>
#include <QMap>
#include <QSet>
#include <vector>

#include "airportdb/AirportRecords.h"
#include "airportdb/DbInternals.h"
#include "airportdb/Schema.h"
#include "airportdb/Statements.h"
#include "core/Text.h"

namespace tx {

namespace {

// Why the file is refused, as it follows the file's name.
struct Refusal {
    QString why;
};

QString damaged(sqlite3* h) {
    return QStringLiteral("the file is damaged (%1)").arg(engineMessage(h));
}

// One query on the file, stepped row by row; an engine error is a refusal.
class Rows {
  public:
    Rows(sqlite3* h, const QString& sql) : h_(h) {
        if (sqlite3_prepare_v2(h, sql.toUtf8().constData(), -1, &st_, nullptr) != SQLITE_OK)
            throw Refusal{QStringLiteral("is not an airport database (%1)").arg(engineMessage(h))};
    }
    ~Rows() { sqlite3_finalize(st_); }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    bool next() {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw Refusal{damaged(h_)};
    }
    int type(int i) const { return sqlite3_column_type(st_, i); }
    qint64 int64(int i) const { return sqlite3_column_int64(st_, i); }
    QString text(int i) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
        return QString::fromUtf8(p, sqlite3_column_bytes(st_, i));
    }

  private:
    sqlite3* h_;
    sqlite3_stmt* st_ = nullptr;
};

// Every object of the file's schema, "type name" -> its CREATE text.
using Objects = QMap<QString, QString>;

Objects objectsOf(sqlite3* h) {
    Objects out;
    Rows r(h, QStringLiteral("SELECT type, name, sql FROM sqlite_master"));
    while (r.next()) out.insert(r.text(0) + u' ' + r.text(1), r.text(2));
    return out;
}

// The schema of a file made by these statements, as the engine records it.
Objects objectsMadeBy(const QStringList& statements) {
    RawConnection mem(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    for (const QString& sql : statements)
        sqlite3_exec(mem.h, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    return objectsOf(mem.h);
}

// The file's schema against one of the program's; what is wrong, or an empty text.
QString schemaFault(const Objects& own, const Objects& found) {
    const auto fault = [](const QString& object, const char* what) {
        return QStringLiteral("is not an airport database of this program: %1 %2")
            .arg(object, QLatin1StringView(what));
    };
    for (const QString& type : {QStringLiteral("table "), QStringLiteral("index ")})
        for (auto it = own.begin(); it != own.end(); ++it)
            if (it.key().startsWith(type) && !found.contains(it.key()))
                return fault(it.key(), "is missing");
    for (auto it = found.begin(); it != found.end(); ++it) {
        const auto mine = own.find(it.key());
        if (mine == own.end()) return fault(it.key(), "is not one of its own");
        if (*mine != *it) return fault(it.key(), "is not defined as the program defines it");
    }
    return {};
}

// A trigger, a view or a changed definition could act on every later write. A file of an
// earlier layout, as made or as opening leaves it, is the program's own too.
void checkSchema(sqlite3* h) {
    static const QList<Objects> own = [] {
        QList<Objects> layouts{objectsMadeBy(schema::CreateStatements())};
        for (int from = 1; from < schema::kVersion; ++from) {
            const QStringList made = schema::LayoutStatements(from);
            layouts << objectsMadeBy(made);
            for (int to = from + 1; to <= schema::kVersion; ++to)
                layouts << objectsMadeBy(made + schema::UpgradeStatements(from, to));
        }
        return layouts;
    }();
    const Objects found = objectsOf(h);
    const QString fault = schemaFault(own.first(), found);
    if (fault.isEmpty()) return;
    for (const Objects& layout : own.mid(1))
        if (schemaFault(layout, found).isEmpty()) return;
    throw Refusal{fault};
}

// Reads a table's columns (the keys the program rebuilds aside), ID first, in ID order. A
// value of the wrong kind, or a text longer than its box takes, is a refusal that names the row.
struct TableRows {
    std::vector<const schema::Column*> columns;
    Rows rows;

    // A column of a later layout that the file lacks is read as empty.
    TableRows(sqlite3* h, const schema::Table& t) : rows(h, select(h, t, columns)) {}
    static QString select(sqlite3* h, const schema::Table& t,
                          std::vector<const schema::Column*>& columns) {
        QStringList names;
        for (const schema::Column& c : t.columns) {
            if (c.foldOf ||
                sqlite3_table_column_metadata(h, "main", t.name, c.name, nullptr, nullptr, nullptr,
                                              nullptr, nullptr) != SQLITE_OK)
                continue;
            columns.push_back(&c);
            names << schema::Quoted(c.name);
        }
        return QStringLiteral("SELECT %1 FROM %2 ORDER BY ID")
            .arg(names.join(", "), QLatin1StringView(t.name));
    }
    int index(const char* name) const {
        for (int i = 0; i < int(columns.size()); ++i)
            if (qstrcmp(columns[i]->name, name) == 0) return i;
        return -1;
    }
    QString text(const char* name) const {
        const int i = index(name);
        return i < 0 ? QString() : rows.text(i);
    }

    void checkValues(const QString& row) const {
        using enum schema::ColumnType;
        for (int i = 0; i < int(columns.size()); ++i) {
            const schema::Column& c = *columns[i];
            const int type = rows.type(i);
            QString fault;
            if ((c.type == Key || c.type == Integer) && type != SQLITE_INTEGER)
                fault = QStringLiteral("is not a whole number");
            else if (c.type == Single && type != SQLITE_INTEGER && type != SQLITE_FLOAT)
                fault = QStringLiteral("is not a number");
            else if (c.type == YesNo &&
                     (type != SQLITE_INTEGER || (rows.int64(i) != 0 && rows.int64(i) != 1)))
                fault = QStringLiteral("is neither 0 nor 1");
            else if (c.type == Text && type != SQLITE_NULL && type != SQLITE_TEXT)
                fault = QStringLiteral("is not a text");
            else if (c.type == Text && c.maxLength > 0 && rows.text(i).size() > c.maxLength)
                fault = QStringLiteral("is longer than %1 characters").arg(c.maxLength);
            if (!fault.isEmpty())
                throw Refusal{QStringLiteral("cannot be restored: %1: %2 %3")
                                  .arg(row, QLatin1StringView(c.name), fault)};
        }
    }
};

[[noreturn]] void refuseRow(const QString& row, const QString& fault) {
    throw Refusal{QStringLiteral("cannot be restored: %1: %2").arg(row, fault)};
}

// Every airport as the airport window stores one; their IDs.
QSet<qint64> checkAirports(sqlite3* h) {
    TableRows t(h, schema::Airports());
    QSet<qint64> ids;
    QHash<QString, qint64> idents;
    while (t.rows.next()) {
        const qint64 id = t.rows.int64(0);
        const QString ident = Trim(t.text("Ident"));
        const QString row = QStringLiteral("airport%1 (ID %2)")
                                .arg(ident.isEmpty() ? QString() : u' ' + ident)
                                .arg(id);
        t.checkValues(row);
        const AirportFields f{t.text("Ident"), t.text("City"),     t.text("State"),
                              t.text("Lat"),   t.text("Long"),     t.text("Std"),
                              t.text("Day"),   t.text("ZoneCode"), t.text("Comments"),
                              t.text("IATA"),  t.text("Name"),     t.text("Kind")};
        if (const auto fault = CheckAirportFields(f)) refuseRow(row, fault->message);
        if (f.Ident != StoredIdent(f.Ident))
            refuseRow(
                row, QStringLiteral("Ident \"%1\" is not in capitals without blanks").arg(f.Ident));
        if (const auto other = idents.constFind(f.Ident); other != idents.cend())
            refuseRow(
                row,
                QStringLiteral("Ident %1 is also that of airport ID %2").arg(f.Ident).arg(*other));
        idents.insert(f.Ident, id);
        ids.insert(id);
    }
    return ids;
}

// Every service row named, and belonging to one of the airports.
void checkServices(sqlite3* h, const QSet<qint64>& airports) {
    const char* const kinds[] = {"FBO", "crew hotel", "pax hotel", "limo", "caterer"};
    for (int k = 0; k < 5; ++k) {
        TableRows t(h, *schema::FindTable(TableName(kServiceTables[k])));
        while (t.rows.next()) {
            const QString name = Trim(t.text("Name"));
            const QString row = QStringLiteral("%1%2 (ID %3)")
                                    .arg(QLatin1StringView(kinds[k]),
                                         name.isEmpty() ? QString() : " \"" + name + '"')
                                    .arg(t.rows.int64(0));
            t.checkValues(row);
            const qint64 airport = t.rows.int64(t.index("AirportID"));
            if (!airports.contains(airport))
                refuseRow(row, QStringLiteral("AirportID %1 is that of no airport").arg(airport));
            if (name.isEmpty()) refuseRow(row, QStringLiteral("it has no name"));
        }
    }
}

// The integrity check's first finding: "ok" for a sound file.
QString integrity(sqlite3* h) {
    Rows verdict(h, QStringLiteral("PRAGMA integrity_check"));
    return verdict.next() ? verdict.text(0) : QString();
}

}  // namespace

void CheckAirportDatabase(const QString& path) {
    try {
        {
            RawConnection c(path, SQLITE_OPEN_READWRITE);
            // The file is not trusted: its schema may call no function with side effects, and
            // nothing may write to it behind the engine's back.
            sqlite3_db_config(c.h, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
            sqlite3_db_config(c.h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
            checkSchema(c.h);
            // Before the integrity check, which tells a broken rule but not the row.
            checkServices(c.h, checkAirports(c.h));
            if (const QString ok = integrity(c.h); ok != u"ok")
                throw Refusal{QStringLiteral("the file is damaged (%1)").arg(ok)};
            // The words are the program's own: written again from the airports when it opens.
            for (const char* sql :
                 {"DELETE FROM tblAirportWords", "UPDATE tblAirports SET WordKey = NULL"})
                if (sqlite3_exec(c.h, "SELECT WordKey FROM tblAirports, tblAirportWords LIMIT 0",
                                 nullptr, nullptr, nullptr) == SQLITE_OK &&
                    sqlite3_exec(c.h, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
                    throw Refusal{damaged(c.h)};
            // The program's own journal, whatever the file asked for.
            if (sqlite3_exec(c.h, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr) !=
                SQLITE_OK)
                throw Refusal{damaged(c.h)};
        }
        Db db;
        db.open(path);
    } catch (const Refusal& r) {
        throw DbError(QDir::toNativeSeparators(path) + ": " + r.why);
    }
}

}  // namespace tx
