#include "support/TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "output/TripPlanning.h"
#include "settings/AppWindows.h"
#include "settings/Start.h"

namespace tx::test {

const QString TestProgram::kOwnerName = QStringLiteral("Acme Flight Department");
const QString TestProgram::kOwnerAddress = QStringLiteral("12 Hangar Road");
const QString TestProgram::kOwnerCityState = QStringLiteral("Centennial, CO");
const QString TestProgram::kOwnerPhone = QStringLiteral("303-555-0142");
const QString TestProgram::kOwnerEmail = QStringLiteral("ops@acme.example");
const QString TestProgram::kAircraftType = QStringLiteral("Test Jet 35");

namespace {

bool write(const QString& dir, const QString& name, const QByteArray& bytes) {
    QFile f(QDir(dir).filePath(name));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray quoted(const QString& s) {
    return '"' + s.toLatin1() + '"';
}

struct Airport {
    const char *ident, *city, *state, *lat, *lon;
    double std, day;
    const char* zone;
};

const Airport kAirports[] = {
    {"KDEN", "Denver", "CO", "N39-51.7", "W104-40.4", -7, -6, "US"},
    {"KASE", "Aspen", "CO", "N39-13.4", "W106-52.1", -7, -6, "US"},
    {"KTEB", "Teterboro", "NJ", "N40-51.0", "W074-03.6", -5, -4, "US"},
    {"EGLL", "London", "United Kingdom", "N51-28.6", "W000-27.6", 0, 1, "EU"},
};

}  // namespace

TestProgram::TestProgram(const ProgramOptions& options) {
    platform.fixedToday = options.today;
    s.ProgramDir = dir_.path();
    if (!dir_.isValid() || !makeFiles(options)) return;
    started_ = OpenStart(s, adb, platform);
    app = std::make_unique<AppWindows>(s, adb, platform);
    app->quit = [this] { ++quitCalls; };
}

TestProgram::~TestProgram() {
    app.reset();
}

bool TestProgram::makeFiles(const ProgramOptions& options) {
    const QString d = dir_.path();
    QByteArray settings;
    for (const QString& f :
         {kOwnerName, kOwnerAddress, kOwnerCityState, kOwnerPhone, QString(), QStringLiteral("10"),
          kOwnerEmail, QString(), QString(), QString(), QString()})
        settings += quoted(f) + "\r\n";
    if (!write(d, "TARVEX.DAT", settings)) return false;
    if (!write(d, "TZONES.DAT",
               "\"Zones\",\"\",\"\",\"\",\"\",\"12/31/2030\",\"\",\"\",\"\",2\r\n"
               "\"US\",3.14,11.07\r\n\"EU\",3.28,10.31\r\n"))
        return false;
    if (options.withAircraft) {
        QByteArray ac = " 3\r\n" + kAircraftType.toLatin1() + "\r\nsample\r\n";
        for (int k = 0; k <= 3; ++k) ac += " " + QByteArray::number(300 + 40 * k) + "\r\n";
        for (int k = 0; k <= 3; ++k) ac += " " + QByteArray::number(1800 - 100 * k) + "\r\n";
        ac += " 6000\r\n " + QByteArray::number(kAircraftReserve) + "\r\n";
        if (!write(d, "TEST.AC", ac) || !write(d, "TXDefAC.DAT", "TEST.AC\r\n")) return false;
    }
    try {
        Db db;
        db.create(QDir(d).filePath("data.mdb"));
        Recordset rs(db, QStringLiteral("tblAirports"));
        for (const Airport& a : kAirports) {
            rs.addNew();
            rs.setField("Ident", QString::fromLatin1(a.ident));
            rs.setField("City", QString::fromLatin1(a.city));
            rs.setField("State", QString::fromLatin1(a.state));
            rs.setField("Lat", QString::fromLatin1(a.lat));
            rs.setField("Long", QString::fromLatin1(a.lon));
            rs.setField("Std", static_cast<float>(a.std));
            rs.setField("Day", static_cast<float>(a.day));
            rs.setField("ZoneCode", QString::fromLatin1(a.zone));
            rs.update();
        }
    } catch (const DbError& e) {
        qWarning("test database: %s", qPrintable(e.message()));
        return false;
    }
    return true;
}

TripPlanning* TestProgram::showPlanning() {
    if (!app) return nullptr;
    TripPlanning& planning = app->LoadTripPlanning();
    planning.show();
    planning.activateWindow();
    return QTest::qWaitForWindowActive(&planning) ? &planning : nullptr;
}

QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QString();
}

void typeAndReturn(const QString& text) {
    QWidget* f = QApplication::focusWidget();
    if (!f) return;
    if (!text.isEmpty()) QTest::keyClicks(f, text);
    QTest::keyClick(f, Qt::Key_Return);
}

}  // namespace tx::test
