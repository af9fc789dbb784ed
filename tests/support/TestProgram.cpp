#include "support/TestProgram.h"

#include <QtTest>
#include <QtWidgets>

#include "airportdb/Statements.h"
#include "core/Text.h"
#include "windows/AppWindows.h"
#include "windows/start/Start.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx::test {

const QString TestProgram::kAircraftType = QStringLiteral("Test Jet 35");

namespace {

struct Airport {
    const char *ident, *city, *state, *lat, *lon;
    double std, day;
    const char* zone;
};

// Both sides of the Atlantic and of the equator; City order: Aspen, Denver, London,
// Martha's Vineyard, Paris, Sydney, Teterboro.
const Airport kAirports[] = {
    {"KDEN", "Denver", "CO", "N39-51.7", "W104-40.4", -7, -6, "US"},
    {"KASE", "Aspen", "CO", "N39-13.4", "W106-52.1", -7, -6, "US"},
    {"KTEB", "Teterboro", "NJ", "N40-51.0", "W074-03.6", -5, -4, "US"},
    {"EGLL", "London", "United Kingdom", "N51-28.6", "W000-27.6", 0, 1, "EU"},
    {"LFPB", "Paris", "France", "N48-58.2", "E002-26.5", 1, 2, "EU"},
    {"YSSY", "Sydney", "Australia", "S33-56.8", "E151-10.6", 10, 11, "AU"},
    {"KMVY", "Martha's Vineyard", "MA", "N41-23.5", "W070-36.9", -5, -4, "US"},
};

struct Service {
    const char* ident;
    ServiceTable table;
    const char *name, *phone, *freq;
    bool isDefault;
};

// KDEN: a default FBO in second place and a caterer without a default; KTEB: FBOs without a
// default, its default crew hotel second; YSSY one FBO; EGLL 55 caterers (added below); KASE,
// LFPB and KMVY have none.
const Service kServices[] = {
    {"KDEN", ServiceTable::FBOs, "Mile High Jet Center", "303-555-0101", "122.950", false},
    {"KDEN", ServiceTable::FBOs, "Front Range Aviation", "303-555-0102", "130.65 ", true},
    {"KDEN", ServiceTable::FBOs, "Plains Air", "303-555-0103", "123.000", false},
    {"KDEN", ServiceTable::CrewHotels, "Airport Inn", "303-555-0110", nullptr, true},
    {"KDEN", ServiceTable::CrewHotels, "Summit Lodge", "303-555-0111", nullptr, false},
    {"KDEN", ServiceTable::PaxHotels, "Grand Hotel Denver", "303-555-0120", nullptr, true},
    {"KDEN", ServiceTable::Catering, "Sky Catering", "303-555-0130", nullptr, false},
    {"KTEB", ServiceTable::FBOs, "Meadowlands Jet Base", "201-555-0140", "122.850", false},
    {"KTEB", ServiceTable::FBOs, "Hudson Air Services", "201-555-0141", "129.400", false},
    {"KTEB", ServiceTable::CrewHotels, "Harbor Crew Inn", "201-555-0150", nullptr, false},
    {"KTEB", ServiceTable::CrewHotels, "Bergen Suites", "201-555-0151", nullptr, true},
    {"KTEB", ServiceTable::Limos, "Garden State Limo", "201-555-0160", nullptr, true},
    {"YSSY", ServiceTable::FBOs, "Harbour Jet Base", "02-5550-0170", "120.500", true},
};

}  // namespace

TestProgram::TestProgram(const ProgramOptions& options) {
    platform.fixedToday = options.today;
    s.ProgramDir = dir_.path();
    if (!dir_.isValid() || !makeFiles(options)) return;
    TripLimits limits;
    started_ = OpenStart(s, adb, platform, limits);
    app = std::make_unique<AppWindows>(s, adb, platform);
    app->limits = limits;
    app->quit = [this] { ++quitCalls; };
}

TestProgram::~TestProgram() {
    app.reset();
}

bool TestProgram::makeFiles(const ProgramOptions& options) {
    const QString d = dir_.path();
    QByteArray settings;
    for (const char* f : {"Acme Flight Department", "12 Hangar Road", "Centennial, CO",
                          "303-555-0142", "", "10", "ops@acme.example", "", "", "", ""})
        settings += '"' + QByteArray(f) + "\"\r\n";
    // A yearly table without rows: every leg takes the periods of TZONES.DAT.
    if (!writeFile("TARVEX.DAT", settings) ||
        !writeFile("TZONES.DAT",
                   "\"Zones\",\"\",\"\",\"\",\"\",\"12/31/2030\",\"\",\"\",\"\",3\r\n"
                   "\"US\",3.14,11.07\r\n\"EU\",3.28,10.31\r\n\"AU\",10.03,4.04\r\n") ||
        !writeFile("TZYEARS.DAT", "\"Years\",\"\",\"\",\"\",2000,2060,0\r\n"))
        return false;
    if (options.withAircraft) {
        QByteArray ac = " 3\r\n" + kAircraftType.toLatin1() + "\r\nsample\r\n";
        for (int k = 0; k <= 3; ++k) ac += " " + QByteArray::number(300 + 40 * k) + "\r\n";
        for (int k = 0; k <= 3; ++k) ac += " " + QByteArray::number(1800 - 100 * k) + "\r\n";
        ac += " 6000\r\n 1200\r\n";
        if (!writeFile("TEST.AC", ac) || !writeFile("TXDefAC.DAT", "TEST.AC\r\n")) return false;
    }
    try {  // plain SQL: the cursors under test do not build their own fixture
        Db db;
        db.create(QDir(d).filePath("data.mdb"));
        db.transaction([&] {
            for (const Airport& a : kAirports)
                db.execute(
                    "INSERT INTO tblAirports (Ident, City, CityKey, State, Lat, \"Long\", "
                    "Std, Day, ZoneCode) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                    {a.ident, a.city, CityFold(a.city), a.state, a.lat, a.lon, a.std, a.day,
                     a.zone});
            // Only FBOs have a frequency.
            const QString add =
                "INSERT INTO %1 (AirportID, Name, PhoneNumber, \"Default\"%2) VALUES ((SELECT ID "
                "FROM tblAirports WHERE Ident = ?1), ?2, ?3, ?4%3)";
            for (const Service& v : kServices)
                db.execute(
                    add.arg(TableName(v.table), v.freq ? ", Freq" : "", v.freq ? ", ?5" : ""),
                    QVariantList{v.ident, v.name, v.phone, v.isDefault} +
                        (v.freq ? QVariantList{v.freq} : QVariantList()));
            for (int k = 1; k <= 55; ++k)
                db.execute(add.arg(TableName(ServiceTable::Catering), "", ""),
                           {"EGLL", QStringLiteral("Caterer %1").arg(k, 2, 10, QChar(u'0')),
                            QStringLiteral("020-555-01%1").arg(k, 2, 10, QChar(u'0')), k == 1});
        });
    } catch (const DbError& e) {
        qWarning("test database: %s", qPrintable(e.message()));
        return false;
    }
    return true;
}

TripPlanning* TestProgram::showPlanning() {
    if (!started_) return nullptr;
    TripPlanning& planning = app->LoadTripPlanning();
    planning.show();
    planning.activateWindow();
    return QTest::qWaitForWindowActive(&planning) ? &planning : nullptr;
}

QByteArray TestProgram::readFile(const QString& name) const {
    QFile f(QDir(dir()).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool TestProgram::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(QDir(dir()).filePath(name));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QStringList TestProgram::shownMessages() const {
    QStringList out;
    for (const FakePlatform::Message& m : platform.messages) out << m.title + ": " + m.text;
    return out;
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

void enterLeg(TripPlanning* w, const QStringList& entries) {
    QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
    for (const QString& entry : entries) typeAndReturn(entry);
}

QStringList words(const QString& s) {
    return s.split(' ', Qt::SkipEmptyParts);
}

QStringList listLines(const QListWidget* list) {
    QStringList out;
    for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
    return out;
}

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void doubleClickRow(QListWidget* list, int row) {
    clickRow(list, row);
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void runSteps(QWidget* window, FakePlatform& platform, const QString& steps) {
    for (const QString& step : words(steps)) {
        auto* box = step[0] == '@' ? window->findChild<QLineEdit*>(step.mid(1)) : nullptr;
        if (step == "yes" || step == "no")
            platform.answers << (step == "yes" ? Platform::Answer::Yes : Platform::Answer::No);
        else if (step == "Escape")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else if (auto* l = step.contains(':')
                               ? window->findChild<QListWidget*>(step.section(':', 0, 0))
                               : nullptr)
            (step.contains("::") ? doubleClickRow : clickRow)(l, step.section(':', -1).toInt());
        else if (auto* a = window->findChild<QAction*>(step))
            a->trigger();
        else if (auto* b = window->findChild<QAbstractButton*>(step))
            QTest::mouseClick(b, Qt::LeftButton);
        else if (box)
            box->setFocus(), box->selectAll();
        else if (step[0] == '+')
            QTest::keyClicks(QApplication::focusWidget(), step.mid(1));
        else
            typeAndReturn(step == "." ? QString() : step);
    }
}

QString on(const QWidget* window, const QString& names) {
    QString out;
    for (const QString& n : words(names)) {
        const bool flag = n[0] == '+' || n[0] == '*';
        QObject* o = window->findChild<QAction*>(n.mid(flag));
        if (auto* m = window->findChild<QMenu*>(n.mid(flag))) o = m->menuAction();
        if (!o) o = window->findChild<QWidget*>(n.mid(flag));
        const char* state = n[0] == '+' ? "enabled" : n[0] == '*' ? "checked" : "visible";
        out += !o ? '?' : o->property(state).toBool() ? '1' : '0';
    }
    return out;
}

QString texts(const QWidget* window, const QString& names) {
    QStringList out;
    for (const QString& n : words(names)) {
        const QObject* o = window->findChild<QObject*>(n);
        QVariant v = n == "@" ? focusName() : o ? QVariant() : QVariant("?");
        for (const char* p : {"text", "plainText", "title"})
            if (!v.isValid()) v = o->property(p);
        out << v.toString();
    }
    return out.join('|');
}

}  // namespace tx::test
