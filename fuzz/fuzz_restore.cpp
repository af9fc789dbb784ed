// libFuzzer target for restore: any file offered as a backup is refused or restored, never a
// fault. A refusal leaves the live database byte for byte as it was and nothing beside it; a
// restored file reads whole through the airports cursor.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "airportdb/Backup.h"
#include "airportdb/Statements.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

// A live database of one airport with one FBO, made once.
QByteArray liveTemplate(const QString& dir) {
    const QString path = QDir(dir).filePath("template.mdb");
    {
        tx::Db db;
        db.create(path);
        db.execute(
            "INSERT INTO tblAirports (Ident, City, CityKey, State, Lat, Long, Std, Day, "
            "ZoneCode) VALUES ('KAAA', 'Albany', 'albany', 'NY', 'N42-44.9', 'W073-48.2', "
            "-5, -4, 'US')");
        db.execute(
            "INSERT INTO tblFBOs (AirportID, Name, Freq, \"Default\") VALUES (1, 'Jet "
            "Center', '122.950', 1)");
    }
    // Opened once more, as the program opens it: opening fills the keys and word rows of
    // airports written without them, so only then do its bytes stay as they are.
    tx::Db().open(path);
    const QByteArray bytes = readAll(path);
    QFile::remove(path);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir root;
    static const QString program = root.filePath("program"), disk = root.filePath("disk");
    static const QByteArray live =
        (QDir().mkpath(program), QDir().mkpath(disk), liveTemplate(root.path()));
    const QString livePath = QDir(program).filePath("data.mdb");
    writeAll(livePath, live);
    writeAll(QDir(disk).filePath("data.mdb"),
             QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));

    tx::AirportDatabase adb;
    adb.db.open(livePath);
    adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
    try {
        tx::RestoreCopy copy = tx::PrepareRestore(adb.db, disk);
        tx::CompleteRestore(adb, copy, QDateTime(QDate(2027, 1, 15), QTime(12, 0)));
        tx::Recordset& rs = *adb.AirportsRs;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            for (const char* f :
                 {"Ident", "City", "State", "Lat", "Long", "Std", "Day", "ZoneCode", "Comments"})
                rs.field(QString::fromLatin1(f));
    } catch (const tx::DbError&) {
        adb.AirportsRs.reset();
        adb.db.close();
        if (readAll(livePath) != live ||
            QDir(program).entryList(QDir::Files | QDir::Hidden) != QStringList{"data.mdb"})
            std::abort();
    }
    adb.AirportsRs.reset();
    adb.db.close();
    for (const QString& name : QDir(program).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(QDir(program).filePath(name));
    return 0;
}
