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

namespace detail {

Statement::Statement(const Db& db, const QString& sql) : db_(&db) {
    if (!db.isOpen()) throw DbError("the airport database is not open");
    auto& cache = db.in_->statements;
    auto it = cache.find(sql);
    if (it != cache.end() && !it->second.busy) {
        it->second.busy = true;
        busy_ = &it->second.busy;
        st_ = it->second.st;
        return;
    }
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(db.handle(), utf8.constData(), int(utf8.size()),
                           SQLITE_PREPARE_PERSISTENT, &st_, nullptr) != SQLITE_OK ||
        !st_) {
        sqlite3_finalize(st_);
        st_ = nullptr;
        db.fail("the statement cannot be run: " + sql);
    }
    if (it == cache.end())
        busy_ = &cache.emplace(sql, Db::Internals::Cached{st_, true}).first->second.busy;
    else
        owned_ = true;  // a statement of the same text is already stepping (nested use)
}

Statement::~Statement() {
    if (owned_) {
        sqlite3_finalize(st_);
        return;
    }
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
    *busy_ = false;
}

Statement& Statement::bind(int index, const QVariant& v) {
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(st_, index);
    } else {
        switch (v.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(st_, index, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Long:
                rc = sqlite3_bind_int64(st_, index, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(st_, index, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob64(st_, index, b.constData(), b.size(), SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text64(st_, index, t.constData(), t.size(), SQLITE_TRANSIENT,
                                         SQLITE_UTF8);
            }
        }
    }
    if (rc != SQLITE_OK) db_->fail(QStringLiteral("value %1 cannot be bound").arg(index));
    return *this;
}

Statement& Statement::bindAll(const QVariantList& values) {
    sqlite3_reset(st_);  // values can be bound again once a run is over
    for (int i = 0; i < values.size(); ++i) bind(i + 1, values[i]);
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const QString sql = QString::fromUtf8(sqlite3_sql(st_));
    const QString engine = engineMessage(db_->handle());
    sqlite3_reset(st_);
    throw DbError(QDir::toNativeSeparators(db_->path()) + ": " + engine + " (in: " + sql + ")");
}

int Statement::run() {
    while (step()) {
    }
    const int changed = sqlite3_changes(db_->handle());
    sqlite3_reset(st_);
    return changed;
}

int Statement::columnCount() const {
    return sqlite3_column_count(st_);
}

QString Statement::columnName(int i) const {
    return QString::fromUtf8(sqlite3_column_name(st_, i));
}

bool Statement::isNull(int i) const {
    return sqlite3_column_type(st_, i) == SQLITE_NULL;
}

qint64 Statement::int64(int i) const {
    return sqlite3_column_int64(st_, i);
}

double Statement::real(int i) const {
    return sqlite3_column_double(st_, i);
}

std::string_view Statement::utf8(int i) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st_, i));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(st_, i))) : std::string_view();
}

QVariant Statement::value(int i) const {
    switch (sqlite3_column_type(st_, i)) {
        case SQLITE_INTEGER:
            return qint64(sqlite3_column_int64(st_, i));
        case SQLITE_FLOAT:
            return sqlite3_column_double(st_, i);
        case SQLITE_TEXT: {
            const std::string_view t = utf8(i);
            return QString::fromUtf8(t.data(), qsizetype(t.size()));
        }
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(st_, i)),
                              sqlite3_column_bytes(st_, i));
        default:
            return QVariant();
    }
}

}  // namespace detail

}  // namespace tx
