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
    if (sqlite3_db_readonly(h, "main") == 1)
        refuse("the airport database is read-only; it must allow writing");

    // The first read of the schema tells a foreign file ("file is not a database").
    if (sqlite3_exec(h, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        refuse("is not an airport database (" + engineMessage(h) + ")");
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
    sqlite3_busy_timeout(handle_, 2000);
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
