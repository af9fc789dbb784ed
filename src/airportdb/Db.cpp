#include "airportdb/Db.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "airportdb/DbInternals.h"
#include "airportdb/Schema.h"
#include "airportdb/SqlStatement.h"
#include "core/Text.h"

namespace tx {

// ---------------------------------------------------------------------------------------------

namespace {

constexpr int kBusyMilliseconds = 2000;
const QString inUseText = QStringLiteral("the airport database is in use by another program");

bool inUse(int rc) {
    return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

// Every key column (CityKey, WordKey) holds KeyOf its columns: a key missing or stale, in a file
// made before the keys or written by another tool, is rewritten, all in one transaction.
// Returns the fault, or nothing.
QString bringKeysUpToDate(sqlite3* h) {
    auto fault = [h](int rc) {
        sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
        return inUse(rc) ? inUseText : "cannot be brought up to date (" + engineMessage(h) + ")";
    };
    int rc = sqlite3_exec(h, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    for (const char* sql : {schema::kCityOrderIndex, schema::kIataIndex, schema::kWordTable,
                            schema::kWordsOfAirportIndex, schema::kWordsGoTrigger})
        if (rc == SQLITE_OK) rc = sqlite3_exec(h, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return fault(rc);
    sqlite3_stmt* dropWords = nullptr;
    sqlite3_stmt* addWord = nullptr;
    rc = sqlite3_prepare_v2(h, schema::kDeleteWords, -1, &dropWords, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(h, schema::kInsertWord, -1, &addWord, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> keepDrop(dropWords,
                                                                         sqlite3_finalize);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> keepAdd(addWord, sqlite3_finalize);
    if (rc != SQLITE_OK) return fault(rc);
    // An airport's words follow its WordKey.
    const auto writeWords = [&](qint64 id, const QVariant& key) {
        sqlite3_bind_int64(dropWords, 1, id);
        int done = sqlite3_step(dropWords);
        sqlite3_reset(dropWords);
        for (const QString& word : schema::WordsOf(key)) {
            if (done != SQLITE_DONE) break;
            const QByteArray utf8 = word.toUtf8();
            sqlite3_bind_text(addWord, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(addWord, 2, id);
            done = sqlite3_step(addWord);
            sqlite3_reset(addWord);
        }
        return done == SQLITE_DONE;
    };
    for (const schema::Table& t : schema::Tables()) {
        for (const schema::Column& c : t.columns) {
            if (!c.foldOf) continue;
            const QString also = c.alsoOf ? schema::Quoted(c.alsoOf) : QStringLiteral("NULL");
            const QByteArray read = QStringLiteral("SELECT ID, %1, %2, %3 FROM %4")
                                        .arg(schema::Quoted(c.foldOf), also, schema::Quoted(c.name),
                                             QLatin1StringView(t.name))
                                        .toUtf8();
            const QByteArray write = QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE ID = ?2")
                                         .arg(QLatin1StringView(t.name), schema::Quoted(c.name))
                                         .toUtf8();
            sqlite3_stmt* in = nullptr;
            sqlite3_stmt* out = nullptr;
            rc = sqlite3_prepare_v2(h, read.constData(), -1, &in, nullptr);
            if (rc == SQLITE_OK) rc = sqlite3_prepare_v2(h, write.constData(), -1, &out, nullptr);
            while (rc == SQLITE_OK && (rc = sqlite3_step(in)) == SQLITE_ROW) {
                rc = SQLITE_OK;
                const auto value = [in](int k) {
                    if (sqlite3_column_type(in, k) == SQLITE_NULL) return QVariant();
                    return QVariant(
                        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(in, k)),
                                          sqlite3_column_bytes(in, k)));
                };
                const QVariant key = schema::KeyOf(c, value(1), value(2));
                const QVariant stored = value(3);
                if (key.isNull() == stored.isNull() &&
                    (key.isNull() || stored.toString() == key.toString()))
                    continue;
                const QByteArray utf8 = key.toString().toUtf8();
                if (key.isNull())
                    sqlite3_bind_null(out, 1);
                else
                    sqlite3_bind_text(out, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                sqlite3_bind_int64(out, 2, sqlite3_column_int64(in, 0));
                if (sqlite3_step(out) != SQLITE_DONE ||
                    (c.alsoOf && !writeWords(sqlite3_column_int64(in, 0), key)))
                    rc = sqlite3_errcode(h);
                sqlite3_reset(out);
            }
            sqlite3_finalize(in);
            sqlite3_finalize(out);
            if (rc != SQLITE_DONE) return fault(rc);
            rc = SQLITE_OK;
        }
    }
    rc = sqlite3_exec(h, schema::kCityKeyIndex, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? QString() : fault(rc);
}

// Opens path (never creating it) and checks that it is an airport database; returns the handle
// or throws with a text that names the file and the fault.
sqlite3* openChecked(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) throw DbError(name + ": the airport database file does not exist");
    if (!info.isFile()) throw DbError(name + ": is not a file");

    sqlite3* h = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    auto refuse = [&](const QString& why) {
        sqlite3_close_v2(h);
        throw DbError(name + ": " + why);
    };
    if (rc != SQLITE_OK) refuse("cannot be opened (" + engineMessage(h) + ")");
    // Before the first read: another program holding the file makes every statement wait.
    sqlite3_busy_timeout(h, kBusyMilliseconds);
    if (sqlite3_db_readonly(h, "main") == 1)
        refuse("the airport database is read-only; it must allow writing");

    // The first read of the schema tells a foreign file ("file is not a database").
    if (const int read =
            sqlite3_exec(h, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        read != SQLITE_OK)
        refuse(inUse(read) ? inUseText : "is not an airport database (" + engineMessage(h) + ")");
    // A file of an earlier layout gets the airport columns added since.
    const auto hasColumn = [h](const char* name) {
        return sqlite3_table_column_metadata(h, "main", "tblAirports", name, nullptr, nullptr,
                                             nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (hasColumn("City")) {
        for (const schema::Column& c : schema::Airports().columns) {
            if (c.since == 1 || hasColumn(c.name)) continue;
            const int added = sqlite3_exec(h, schema::AddColumnStatement(c).toUtf8().constData(),
                                           nullptr, nullptr, nullptr);
            if (added != SQLITE_OK)
                refuse(inUse(added) ? inUseText
                                    : "cannot be brought up to date (" + engineMessage(h) + ")");
        }
    }
    for (const schema::Table& t : schema::Tables()) {
        for (const schema::Column& c : t.columns) {
            const char* collation = nullptr;
            if (sqlite3_table_column_metadata(h, "main", t.name, c.name, nullptr, &collation,
                                              nullptr, nullptr, nullptr) != SQLITE_OK) {
                const bool tableThere =
                    sqlite3_table_column_metadata(h, "main", t.name, nullptr, nullptr, nullptr,
                                                  nullptr, nullptr, nullptr) == SQLITE_OK;
                refuse(tableThere
                           ? QStringLiteral("is not an airport database: table %1 has no "
                                            "column %2")
                                 .arg(QLatin1StringView(t.name), QLatin1StringView(c.name))
                           : QStringLiteral("is not an airport database: table %1 is missing")
                                 .arg(QLatin1StringView(t.name)));
            }
            // Ordering and criteria rely on the one case-insensitive collation.
            if (c.type == schema::ColumnType::Text &&
                (!collation || sqlite3_stricmp(collation, "NOCASE") != 0))
                refuse(QStringLiteral("is not an airport database: column %1 of %2 is not "
                                      "compared without regard to case")
                           .arg(QLatin1StringView(c.name), QLatin1StringView(t.name)));
        }
    }
    if (const QString why = bringKeysUpToDate(h); !why.isEmpty()) refuse(why);
    return h;
}

}  // namespace

Db::Db() : in_(std::make_unique<Internals>()) {}

Db::~Db() {
    close();
}

void Db::open(const QString& path) {
    close();
    handle_ = openChecked(path);
    path_ = path;
    in_->watch(handle_);
}

void Db::create(const QString& path) {
    close();
    const QString name = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path)) throw DbError(name + ": the file already exists");
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString why = engineMessage(h);
        sqlite3_close_v2(h);
        QFile::remove(path);
        throw DbError(name + ": cannot be created (" + why + ")");
    }
    handle_ = h;
    path_ = path;
    sqlite3_busy_timeout(handle_, kBusyMilliseconds);
    in_->watch(handle_);
    try {
        transaction([&] {
            execute(QStringLiteral("PRAGMA user_version = %1").arg(schema::kVersion));
            for (const QString& sql : schema::CreateStatements()) execute(sql);
        });
    } catch (...) {
        close();
        QFile::remove(path);
        throw;
    }
}

void Db::close() {
    if (!handle_) return;
    // A cursor that outlives the connection must not touch it again.
    for (detail::CursorWatch* c : std::vector(in_->cursors)) c->databaseClosing();
    in_->cursors.clear();
    for (auto& [sql, cached] : in_->statements) sqlite3_finalize(cached.st);
    in_->statements.clear();
    sqlite3_update_hook(handle_, nullptr, nullptr);
    sqlite3_rollback_hook(handle_, nullptr, nullptr);
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
    path_.clear();
}

void Db::fail(const QString& what) const {
    const QString name =
        path_.isEmpty() ? QStringLiteral("airport database") : QDir::toNativeSeparators(path_);
    const QString engine = engineMessage(handle_);
    throw DbError(name + ": " + what + (engine.isEmpty() ? QString() : " (" + engine + ")"));
}

int Db::execute(const QString& sql, const QVariantList& params) {
    detail::Statement st(*this, sql);
    st.bindAll(params);
    return st.run();
}

void Db::attach(detail::CursorWatch* c) {
    in_->cursors.push_back(c);
}

void Db::detach(detail::CursorWatch* c) {
    std::erase(in_->cursors, c);
}

}  // namespace tx
