#pragma once
// A new airport database in a temporary folder, filled with plain SQL so that the cursor under
// test is not used to build its own fixture; and small readers and writers the tests share.
#include <sqlite3.h>

#include <QTemporaryDir>
#include <QtTest>

#include "airportdb/Db.h"
#include "airportdb/SqlStatement.h"
#include "core/Text.h"
#include "support/CalcTest.h"

// The first value of the first row, as text.
inline QString Scalar(const tx::Db& db, const QString& sql) {
    tx::detail::Statement st(db, sql);
    return st.step() ? st.value(0).toString() : QString("<no row>");
}

// One field of every row of a cursor, stepping from the first.
template <class Cursor>
QString Column(Cursor&& rs, const char* field) {
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) out << rs.field(field).toString();
    return out.join(',');
}

struct TempDb {
    QTemporaryDir dir;
    QString path = dir.filePath("data.mdb");
    tx::Db db;

    TempDb() { db.create(path); }
    qint64 airport(const QString& ident, const QString& city) {
        db.execute("INSERT INTO tblAirports (Ident, City, CityKey) VALUES (?1, ?2, ?3)",
                   {ident, city, city.isNull() ? QVariant() : QVariant(tx::CityFold(city))});
        return sqlite3_last_insert_rowid(db.handle());
    }
    qint64 service(const QString& table, qint64 airportId, const QString& name, bool isDefault) {
        db.execute(
            QString("INSERT INTO %1 (AirportID, Name, \"Default\") VALUES (?1, ?2, ?3)").arg(table),
            {airportId, name, isDefault});
        return sqlite3_last_insert_rowid(db.handle());
    }
};
