#pragma once
// A new airport database in a temporary folder, filled row by row with plain SQL so that the
// cursor under test is not used to build its own fixture.
#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include "airportdb/Db.h"

struct TempDb {
    QTemporaryDir dir;
    QString path;
    tx::Db db;

    TempDb() {
        QVERIFY2(dir.isValid(), "no temporary folder");
        path = dir.filePath("data.mdb");
        db.create(path);
        db.execute("PRAGMA synchronous = OFF");  // a throwaway file: no need to wait for the disk
    }

    qint64 airport(const QString& ident, const QString& city, const QVariant& state = {}) {
        db.execute("INSERT INTO tblAirports (Ident, City, State) VALUES (?1, ?2, ?3)",
                   {ident, city, state});
        return sqlite3_last_insert_rowid(db.handle());
    }

    qint64 service(const QString& table, qint64 airportId, const QString& name, bool isDefault) {
        db.execute(QString("INSERT INTO %1 (AirportID, Name, \"Default\") VALUES (?1, ?2, ?3)").arg(table),
                   {airportId, name, isDefault});
        return sqlite3_last_insert_rowid(db.handle());
    }

    // One value by plain SQL: what the file really holds.
    QVariant scalar(const QString& sql, const QVariantList& params = {}) {
        sqlite3_stmt* st = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db.handle(), text.constData(), -1, &st, nullptr) != SQLITE_OK)
            return QVariant("prepare failed: " + QString::fromUtf8(sqlite3_errmsg(db.handle())));
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray v = params[i].toString().toUtf8();
            if (params[i].typeId() == QMetaType::QString)
                sqlite3_bind_text(st, i + 1, v.constData(), int(v.size()), SQLITE_TRANSIENT);
            else
                sqlite3_bind_int64(st, i + 1, params[i].toLongLong());
        }
        QVariant out;
        if (sqlite3_step(st) == SQLITE_ROW) {
            switch (sqlite3_column_type(st, 0)) {
                case SQLITE_INTEGER: out = qint64(sqlite3_column_int64(st, 0)); break;
                case SQLITE_FLOAT: out = sqlite3_column_double(st, 0); break;
                case SQLITE_TEXT:
                    out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
                    break;
                default: break;
            }
        }
        sqlite3_finalize(st);
        return out;
    }
};
