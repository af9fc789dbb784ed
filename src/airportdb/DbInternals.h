#pragma once
// What an open Db keeps beside the SQLite handle: the cache of compiled statements and the
// cursors told of every row change. Shared by Db, its statements and its cursors, and by the
// backup code, which copies and checks files on connections of its own.
#include <sqlite3.h>

#include <QDir>
#include <QString>
#include <unordered_map>
#include <vector>

#include "airportdb/Db.h"

namespace tx {

// The engine's last error text on a connection.
inline QString engineMessage(sqlite3* h) {
    return h ? QString::fromUtf8(sqlite3_errmsg(h)) : QString();
}

// A connection of its own to a file (not a Db: no schema check, no cursors), closed when it goes
// out of scope.
struct RawConnection {
    sqlite3* h = nullptr;
    // `uri`, when given, is what is opened (with SQLITE_OPEN_URI); messages name `path`.
    RawConnection(const QString& path, int flags, const QString& uri = {}) {
        const QString name = uri.isEmpty() ? path : uri;
        if (sqlite3_open_v2(name.toUtf8().constData(), &h, flags, nullptr) != SQLITE_OK) {
            const QString why = engineMessage(h);
            sqlite3_close_v2(h);
            throw DbError(QDir::toNativeSeparators(path) + ": cannot be opened (" + why + ")");
        }
    }
    ~RawConnection() { sqlite3_close_v2(h); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;
};

struct Db::Internals {
    struct Cached {
        sqlite3_stmt* st = nullptr;
        bool busy = false;
    };
    std::unordered_map<QString, Cached> statements;
    std::vector<detail::CursorWatch*> cursors;

    // Every row change on this connection, committed or not, reaches the cursors of its table
    // (the engine reports each row of an INSERT, UPDATE or DELETE with a WHERE clause), and so
    // does every rollback.
    static void updateHook(void* self, int op, const char*, const char* table, sqlite3_int64 id) {
        for (detail::CursorWatch* c : static_cast<Internals*>(self)->cursors)
            c->rowChanged(op, table, id);
    }
    static void rollbackHook(void* self) {
        for (detail::CursorWatch* c : static_cast<Internals*>(self)->cursors) c->rolledBack();
    }
    void watch(sqlite3* h) {
        sqlite3_update_hook(h, &updateHook, this);
        sqlite3_rollback_hook(h, &rollbackHook, this);
    }
};

}  // namespace tx
