// Whole legs typed into the main window: airports by identifier and by city, the services frame,
// the wind and the fuel reserve, and the planning page filled by the completed legs.
//
// Aircraft TEST.AC (tests/support): rows 0..3, speeds 300 340 380 420 kt, fuel flows
// 1800 1700 1600 1500 an hour, usable fuel 6000, reserve 1200; taxi 10 min, which the leg
// computation takes as Int(10 / 60 * 10000) / 10000 = 0.1666 h. Daylight time: US 3.14..11.07,
// EU 3.28..10.31, so every airport of a July leg is on daylight time.
#include <sqlite3.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "airportdb/Statements.h"
#include "output/TripPlanning.h"
#include "settings/AppWindows.h"
#include "support/TestProgram.h"

using namespace tx;
using namespace tx::test;

namespace {

QString pad25(const QString& text) {
    return (text + QString(25, u' ')).left(25);
}

// A service line as its list shows it: name and phone in 25 columns each.
QString line25(const QString& name, const QString& phone) {
    return pad25(name) + u' ' + pad25(phone);
}

}  // namespace

#define OPEN()                                  \
    do {                                        \
        open();                                 \
        if (QTest::currentTestFailed()) return; \
    } while (0)

class TestLegSteps : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    void open() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
    }

    // Starts the next leg and takes the offered leg number; then designation, date and time as
    // given ("" accepts what the box holds).
    void startLeg(const QString& torl, const QString& date, const QString& time) {
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        for (const QString& entry : {QString(), torl, date, time}) typeAndReturn(entry);
        QCOMPARE(focusName(), QString("txtDepID"));
    }

    void okServices() {
        QVERIFY(w->frameFBOs->isVisible());
        QCOMPARE(focusName(), QString("cmdSelFBOok"));
        typeAndReturn({});  // a focused button takes Return
        QVERIFY(w->frameFBOs->isHidden());
    }

    // Default flag of the service row with this name, read back from the database.
    bool isDefault(ServiceTable t, const QString& name) {
        Recordset rs(prog->adb.db, TableName(t), "Name = ?1", {name});
        return !rs.eof() && rs.field("Default").toBool();
    }

    qint64 serviceId(ServiceTable t, const QString& name) {
        Recordset rs(prog->adb.db, TableName(t), "Name = ?1", {name});
        return rs.eof() ? -1 : rs.field("ID").toLongLong();
    }

    // Legs 1..n between Denver and Aspen as a finished plan leaves them, leg k on July k.
    void fillLegs(int n) {
        PlanState& s = prog->s;
        for (int k = 1; k <= n; ++k) {
            Leg& leg = s.leg(k);
            const bool odd = k % 2;
            leg.TorL = "T";
            leg.DateEntry = QString("07/%1").arg(k, 2, 10, QChar('0'));
            leg.LegDate = QString(" 7.%1").arg(k, 2, 10, QChar('0'));
            leg.DepTimeEntry = "0800";
            leg.DepID = odd ? "KDEN" : "KASE";
            leg.DestID = odd ? "KASE" : "KDEN";
            leg.DepCityStateF = leg.DepCityState = odd ? "Denver, CO" : "Aspen, CO";
            leg.DestCityStateF = leg.DestCityState = odd ? "Aspen, CO" : "Denver, CO";
            leg.WindText = "   -10";
            leg.ReserveText = "   1200";
            leg.PlanLine = QString("%1 planned").arg(k, 2);
        }
        s.NumLegs = static_cast<std::int16_t>(n);
    }

  private slots:
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // Denver - Teterboro - London - Paris by keyboard, the last leg given by its landing time.
    void threeLegTrip() {
        OPEN();
        const PlanState& s = prog->s;

        // Leg 1, KDEN N39-51.7 W104-40.4 to KTEB N40-51.0 W074-03.6, takeoff 0800 on 07/04.
        // cos d = sin 39.862 sin 40.850 + cos 39.862 cos 40.850 cos 30.613 = 0.918925,
        // d = 23.2305 deg = 1393.83 -> 1394 n.mi., row 14 capped to 3 (420 kt, 1500/h).
        // Initial course 77.58 -> sector 8; latitudes 39 and 40 -> (39 + 40) / 2 = 39.5, the
        // high-latitude table: sector 8 holds 14, taken whole on a long leg.
        startLeg({}, "0704", "0800");
        typeAndReturn("kden");
        okServices();  // the first departure shows its services
        QCOMPARE(focusName(), QString("txtDestID"));
        typeAndReturn("kteb");
        // The destination's frame: FBO left out of the printout, crew hotel put in.
        QVERIFY(w->chkPlanFBO->isChecked() && !w->chkPlanCr->isChecked());
        QTest::keyClick(w->chkPlanFBO, Qt::Key_Space);
        QTest::keyClick(w->chkPlanCr, Qt::Key_Space);
        okServices();
        QCOMPARE(focusName(), QString("txtWind"));
        QCOMPARE(w->txtWind->text(), QString("14"));
        // Ground speed 14 + 420 = 434: 1394 / 434 = 3.2119 -> 3.21 h, still-air rows
        // 3.21 * 420 / 100 = 13.48, rounded 13 -> row 3 again; burn 3.21 * 1500 = 4815; 03+13.
        // Daylight offsets -6 and -4: arrival 8 + 6 + 3.21 - 4 + 0.1666 = 13.3766 -> 1323.
        typeAndReturn({});
        QCOMPARE(w->txtFuelReserve->text(), QString("1200"));
        typeAndReturn({});
        QCOMPARE(prog->platform.messages.last().title, QString("Leg Comments"));
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));

        // Leg 2, KTEB to EGLL N51-28.6 W000-27.6, takeoff 2030 on 07/04, wind typed as -25.
        // cos d = 0.644742, d = 49.8537 deg = 2991.2 -> 2991 n.mi.; ground speed 395:
        // 2991 / 395 = 7.5722 -> 7.57 h, burn 7.57 * 1500 = 11355, 07+34.
        // Arrival 20.5 + 4 + 7.57 + 1 + 0.1666 = 33.2366: next day, 9.2366 -> 0914 "+D ", and
        // the leg date moves to 7.05, where London still keeps daylight time (+1).
        typeAndReturn({});  // Return on the focused button starts the leg
        QCOMPARE(w->txtLeg->text(), QString("2"));
        for (const char* entry : {"", "", "", "2030"}) typeAndReturn(entry);
        QCOMPARE(w->txtDepID->text(), QString("KTEB"));
        typeAndReturn({});  // later legs never show the departure's services
        QCOMPARE(focusName(), QString("txtDestID"));
        QCOMPARE(w->txtDestID->text(), QString());
        typeAndReturn("egll");
        // 55 caterers at London: the list holds the first 50.
        QCOMPARE(w->cboCatering->count(), 50);
        QCOMPARE(qint64(w->PlanCateringIDs[50]), serviceId(ServiceTable::Catering, "Caterer 50"));
        okServices();
        QCOMPARE(w->txtWind->text(), QString("7"));  // sector 5 of the high table: 7
        typeAndReturn("-25");
        typeAndReturn({});

        // Leg 3, EGLL to LFPB N48-58.2 E002-26.5, landing 1400 on 07/05.
        // cos d = 0.998519, d = 3.1187 deg = 187.1 -> 187 n.mi., row 2 (380 kt, 1600/h);
        // course 142.35 -> sector 14, which holds 0 (proposal 0 * 0.5 = 0).
        // 187 / 380 = 0.4921 -> 0.49 h, rows 0.49 * 380 / 100 = 1.86 -> 2; burn
        // 0.49 * 1600 = 784; 00+29. Offsets +1 and +2: takeoff 14 + 1 - 0.49 - 2 - 0.1666
        // = 12.3434 -> 1221.
        typeAndReturn({});
        for (const char* entry : {"", "l", "07/05", "1400"}) typeAndReturn(entry);
        QCOMPARE(w->txtDepID->text(), QString("EGLL"));
        typeAndReturn({});
        typeAndReturn("lfpb");  // no services: straight to the wind
        QCOMPARE(focusName(), QString("txtWind"));
        QCOMPARE(w->txtWind->text(), QString("0"));
        typeAndReturn({});
        typeAndReturn("800");

        const QStringList expected{
            " 1  04Jul Denver(KDEN)         0800   Teterboro(KTEB)      1323    03+13   1394   "
            "4815",
            " 2  04Jul Teterboro(KTEB)      2030   London(EGLL)         0914+D  07+34   2991  "
            "11355",
            " 3  05Jul London(EGLL)         1221   Paris(LFPB)          1400    00+29    187    "
            "784"};
        QCOMPARE(w->lboTX->count(), 3);
        for (int r = 0; r < 3; ++r) QCOMPARE(w->lboTX->item(r)->text(), expected[r]);
        // 1394 + 2991 + 187 = 4572 n.mi.; 3 + 7 + 0 h and 13 + 34 + 29 = 76 min = 11+16.
        QCOMPARE(w->lblTXDist->text(), QString("4572"));
        QCOMPARE(w->lblTXTime->text(), QString(" 11+16"));
        QCOMPARE(s.leg(2).LegDate, QString("7.05"));
        QCOMPARE(s.leg(1).TotalReqText, QString("StopReq"));  // 4815 + 1200 > 6000
        QCOMPARE(s.leg(3).TotalReqText, QString("   1584"));  // 784 + 800

        // Print flags: leg 1 as clicked, every flag still empty at completion becomes 1.
        auto flags = [&](int k) {
            const Leg& leg = s.leg(k);
            QList<int> f;
            for (const auto& v :
                 {leg.InclFBO, leg.InclCrewHotel, leg.InclPaxHotel, leg.InclLimo, leg.InclCatering})
                f << v.value_or(-1);
            return f;
        };
        QCOMPARE(flags(1), (QList<int>{0, 1, 1, 1, 1}));
        QCOMPARE(flags(2), (QList<int>{1, 1, 1, 1, 1}));
        QCOMPARE(flags(3), (QList<int>{1, 1, 1, 1, 1}));

        // The next leg is prepared from Paris.
        QCOMPARE(int(s.NumLegs), 3);
        QCOMPARE(int(s.CurLeg), 4);
        QCOMPARE(w->txtLeg->text(), QString("4"));
        QCOMPARE(w->txtDepID->text(), QString("LFPB"));
        QCOMPARE(w->txtDepCity->text(), QString("Paris, France"));
        QCOMPARE(w->cmdContinuePlanning->text(), QString("&Continue Planning"));
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
        QVERIFY(w->framePlanning->isHidden());
        QVERIFY(w->cmdEnterComments->isVisible() && !w->cmdEnterComments->isEnabled());
        QVERIFY(w->mnuViePilot->isEnabled() && !w->mnuEdit->menuAction()->isEnabled());
        QCOMPARE(prog->platform.messages.size(), 3);  // the three comment questions only
    }

    void departureServices() {
        OPEN();
        startLeg({}, "0704", "0800");
        typeAndReturn("kden");
        QVERIFY(w->frameFBOs->isVisible());
        QCOMPARE(w->lblDepDestCity->text(), QString("Denver, CO - (KDEN)"));
        QVERIFY(w->chkPlanFBO->isHidden() && w->Label27->isHidden());
        QVERIFY(!w->lboTX->isEnabled());
        QVERIFY(!w->cmdLegCancel->isEnabled() && !w->cmdBack->isEnabled());
        // The stored default FBO, second of three, is shown.
        QCOMPARE(w->cboFBOs->count(), 3);
        QCOMPARE(w->cboFBOs->currentIndex(), 1);
        const QString frontRange = line25("Front Range Aviation", "303-555-0102") + " 130.65 ";
        QCOMPARE(w->cboFBOs->currentText(), frontRange);
        const Leg& leg = prog->s.leg(1);
        QCOMPARE(leg.DepFBO, frontRange);
        QCOMPARE(leg.DepFBONamePhone, QString("Front Range Aviation  303-555-0102"));
        // A caterer without a default is shown and becomes the default.
        QCOMPARE(w->cboCatering->currentText(), line25("Sky Catering", "303-555-0130"));
        QVERIFY(isDefault(ServiceTable::Catering, "Sky Catering"));

        // Another FBO picked with the down arrow is the airport's default at once; the leg keeps
        // the FBO it departs from.
        QTest::keyClick(w->cboFBOs, Qt::Key_Down);
        QVERIFY(isDefault(ServiceTable::FBOs, "Plains Air"));
        QVERIFY(!isDefault(ServiceTable::FBOs, "Front Range Aviation"));
        QCOMPARE(prog->s.CurFBO, line25("Plains Air", "303-555-0103") + " 123.000");
        QCOMPARE(leg.DepFBO, frontRange);

        QTest::mouseClick(w->cmdSelFBOok, Qt::LeftButton);
        QCOMPARE(focusName(), QString("txtDestID"));
        QVERIFY(w->chkPlanFBO->isVisibleTo(w->frameFBOs));
        QVERIFY(w->lboTX->isEnabled());
        QVERIFY(w->cmdLegCancel->isEnabled() && w->cmdBack->isEnabled());
    }

    void destinationServices() {
        OPEN();
        startLeg({}, "0704", "0800");
        typeAndReturn("kase");  // no services: no frame
        QCOMPARE(focusName(), QString("txtDestID"));
        typeAndReturn("kteb");
        QVERIFY(w->frameFBOs->isVisible());
        const Leg& leg = prog->s.leg(1);
        // Neither FBO was a default: the first is shown, made the default, and named by the leg.
        QCOMPARE(w->cboFBOs->currentIndex(), 0);
        QVERIFY(isDefault(ServiceTable::FBOs, "Meadowlands Jet Base"));
        QCOMPARE(leg.DestFBO, line25("Meadowlands Jet Base", "201-555-0140") + " 122.850");
        QCOMPARE(leg.DestFBONamePhone, QString("Meadowlands Jet Base  201-555-0140"));
        QCOMPARE(w->cboCrewHotels->currentIndex(), 1);
        // The chosen line ends with the phone as stored.
        QCOMPARE(leg.DestCrewHotel, pad25("Bergen Suites") + " 201-555-0151");
        QCOMPARE(leg.DestPaxHotel, QString(" "));  // no rows: the line stays one blank
        // The FBO box shows checked, the others show the leg's empty flags unchecked.
        QCOMPARE(leg.InclFBO, std::optional<int>(1));
        QVERIFY(!leg.InclCrewHotel.has_value());
        QVERIFY(w->chkPlanFBO->isChecked() && !w->chkPlanCr->isChecked());

        // Picking the entry that already is the default writes nothing.
        const int changes = sqlite3_total_changes(prog->adb.db.handle());
        emit w->cboCrewHotels->activated(1);
        QCOMPARE(sqlite3_total_changes(prog->adb.db.handle()), changes);
        QVERIFY(isDefault(ServiceTable::CrewHotels, "Bergen Suites"));
        // Another one is written at once.
        QTest::keyClick(w->cboCrewHotels, Qt::Key_Up);
        QVERIFY(isDefault(ServiceTable::CrewHotels, "Harbor Crew Inn"));
        QVERIFY(!isDefault(ServiceTable::CrewHotels, "Bergen Suites"));
        QCOMPARE(prog->s.CurCrewHotel, pad25("Harbor Crew Inn") + " 201-555-0150");
    }

    void citySearch_data() {
        QTest::addColumn<bool>("departure");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("browse");  // "next" / "prev" clicks
        QTest::addColumn<QString>("ident");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("legCity");  // the city as the leg lines take it
        QTest::addColumn<QString>("sorry");
        auto row = [](const char* name, bool dep, const char* search, QStringList browse,
                      const char* ident, const char* city, const char* legCity,
                      const char* sorry = "") {
            QTest::newRow(name) << dep << QString(search) << browse << QString(ident)
                                << QString(city) << QString(legCity) << QString(sorry);
        };
        const char* end = "You are at the end of the recordset and can go no further.";
        row("first at or after", true, "mar", {}, "KMVY", "Martha's Vineyard, MA",
            "Martha's Vineya");
        row("quote and capitals", true, "MARTHA'S", {}, "KMVY", "Martha's Vineyard, MA",
            "Martha's Vineya");
        row("next, prev, prev", true, "mar", {"next", "prev", "prev"}, "EGLL",
            "London, United Kingdom", "London");
        row("empty: the first city", true, "", {}, "KASE", "Aspen, CO", "Aspen");
        row("past every city: the last", true, "zz", {}, "KTEB", "Teterboro, NJ", "Teterboro");
        row("before the first", true, "a", {"prev"}, "KASE", "Aspen, CO", "Aspen",
            "You are at the beginning of the recordset and can go no further.");
        row("beyond the last", true, "tet", {"next"}, "KTEB", "Teterboro, NJ", "Teterboro", end);
        row("destination beyond the last", false, "zz", {"next", "prev"}, "YSSY",
            "Sydney, Australia", "Sydney", end);
    }
    void citySearch() {
        QFETCH(bool, departure);
        QFETCH(QString, search);
        QFETCH(QStringList, browse);
        QFETCH(QString, ident);
        QFETCH(QString, city);
        QFETCH(QString, legCity);
        QFETCH(QString, sorry);
        OPEN();
        startLeg({}, "0704", "0800");
        if (!departure) typeAndReturn("kase");
        QLineEdit* id = departure ? w->txtDepID : w->txtDestID;
        QLineEdit* cityBox = departure ? w->txtDepCity : w->txtDestCity;
        QLineEdit* searchBox = departure ? w->txtDepSearch : w->txtDestSearch;
        QPushButton* next = departure ? w->cmdDepNext : w->cmdDestNext;
        QPushButton* prev = departure ? w->cmdDepPrev : w->cmdDestPrev;

        typeAndReturn("XQ1");  // not in the database
        QCOMPARE(focusName(), searchBox->objectName());
        QVERIFY(searchBox->isVisible() && cityBox->isHidden());
        QCOMPARE(id->text(), QString());
        QCOMPARE(w->lblNotes->text(), QString("  Enter Search data."));
        QVERIFY(next->isHidden());

        typeAndReturn(search);
        for (const QString& b : browse)
            QTest::mouseClick(b == "next" ? next : prev, Qt::LeftButton);
        QCOMPARE(focusName(), id->objectName());
        QCOMPARE(id->text(), ident);
        QCOMPARE(id->selectedText(), ident);
        QCOMPARE(cityBox->text(), city);
        QVERIFY(cityBox->isVisible() && searchBox->isHidden());
        QVERIFY(next->isVisible() && prev->isVisible());
        const Leg& leg = prog->s.leg(1);
        QCOMPARE(departure ? leg.DepID : leg.DestID, ident);
        QCOMPARE(departure ? leg.DepCityStateF : leg.DestCityStateF, city);
        if (sorry.isEmpty()) {
            QVERIFY(prog->platform.messages.isEmpty());
            QCOMPARE(prog->platform.beeps, 0);
        } else {
            QCOMPARE(prog->platform.messages.size(), 1);
            QCOMPARE(prog->platform.messages.first().title, QString("Sorry."));
            QCOMPARE(prog->platform.messages.first().text, sorry);
            QCOMPARE(prog->platform.beeps, 1);
        }

        // Confirming the shown identifier looks it up; the browse buttons go.
        typeAndReturn({});
        QVERIFY(next->isHidden() && prev->isHidden());
        QCOMPARE(departure ? leg.DepCity : leg.DestCity, legCity);
    }

    void windRefusal_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("windText");
        QTest::addColumn<QString>("shownAgain");
        // KDEN - KASE: 109 n.mi. (row 1, 340 kt), course 250.04 -> sector 25, high table -57,
        // proposed Int(-57 * 0.3) = -18. Shown again a typed wind is scaled the same way.
        QTest::newRow("cancels the speed") << "-340" << false << ""
                                           << "";
        QTest::newRow("one knot left") << "-339" << true << "  -339"
                                       << "-102";
        QTest::newRow("typed headwind") << "-40" << true << "   -40"
                                        << "-12";
    }
    void windRefusal() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, windText);
        QFETCH(QString, shownAgain);
        OPEN();
        startLeg({}, "0704", "0800");
        typeAndReturn("kden");
        okServices();
        typeAndReturn("kase");
        QCOMPARE(w->txtWind->text(), QString("-18"));
        const PlanState& s = prog->s;
        QCOMPARE(s.CourseSector, 25);
        typeAndReturn(typed);
        QCOMPARE(s.leg(1).WindText, windText);
        if (!accepted) {
            QCOMPARE(focusName(), QString("txtWind"));
            QVERIFY(w->txtWind->isEnabled());
            QCOMPARE(w->txtWind->text(), typed);
            QCOMPARE(prog->platform.messages.size(), 1);
            QCOMPARE(prog->platform.messages.first().title, QString("Winds"));
            QCOMPARE(s.Winds[25], -57.0);
            QCOMPARE(s.DistIndex, 1);
            QVERIFY(s.leg(1).BurnText.isEmpty());
            typeAndReturn("-20");  // another wind goes on
            QCOMPARE(focusName(), QString("txtFuelReserve"));
            return;
        }
        QCOMPARE(focusName(), QString("txtFuelReserve"));
        QVERIFY(prog->platform.messages.isEmpty());
        QTest::mouseClick(w->cmdBack, Qt::LeftButton);
        QCOMPARE(focusName(), QString("txtWind"));
        QCOMPARE(w->txtWind->text(), shownAgain);
    }

    void reserveRefusal_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("letters after digits") << "3a";
        QTest::newRow("empty") << "";
    }
    void reserveRefusal() {
        QFETCH(QString, typed);
        OPEN();
        startLeg({}, "0704", "0800");
        typeAndReturn("kase");
        typeAndReturn("lfpb");
        typeAndReturn({});
        QCOMPARE(focusName(), QString("txtFuelReserve"));
        w->txtFuelReserve->clear();
        typeAndReturn(typed);
        QCOMPARE(focusName(), QString("txtFuelReserve"));
        QCOMPARE(w->txtFuelReserve->text(), typed);
        QCOMPARE(w->txtFuelReserve->selectedText(), typed);
        QCOMPARE(prog->platform.messages.size(), 1);
        QCOMPARE(prog->platform.messages.first().title, QString("Fuel Reserve"));
        QVERIFY(prog->s.leg(1).ReserveText.isEmpty());
        QCOMPARE(int(prog->s.NumLegs), 0);
        typeAndReturn("900");
        QCOMPARE(int(prog->s.NumLegs), 1);
        QCOMPARE(prog->s.leg(1).ReserveText, QString("    900"));
    }

    void sameAirportBothEnds() {
        OPEN();
        startLeg({}, "0704", "0800");
        typeAndReturn("kase");
        typeAndReturn("KASE");
        typeAndReturn({});
        typeAndReturn({});
        // 0 n.mi. and no flight time; arrival 8 + 6 + 0 - 6 + 0.1666 = 8.1666 -> 0810.
        QCOMPARE(w->lboTX->item(0)->text(),
                 QString(" 1  04Jul Aspen(KASE)          0800   Aspen(KASE)          0810    "
                         "00+00      0      0"));
    }

    void prefilledDestination_data() {
        QTest::addColumn<QString>("leftOver");  // DestID left in the slot of the new leg
        QTest::addColumn<QString>("nextDep");   // departure of the leg after it
        QTest::addColumn<QString>("offered");
        QTest::newRow("the departure itself is emptied") << "KASE"
                                                         << ""
                                                         << "";
        QTest::newRow("led to the next leg's departure") << ""
                                                         << "KTEB"
                                                         << "KTEB";
    }
    void prefilledDestination() {
        QFETCH(QString, leftOver);
        QFETCH(QString, nextDep);
        QFETCH(QString, offered);
        OPEN();
        fillLegs(1);  // Denver to Aspen
        Leg& two = prog->s.leg(2);
        two.DestID = leftOver;
        two.DestCityStateF = leftOver.isEmpty() ? "" : "Left over";
        prog->s.leg(3).DepID = nextDep;
        startLeg({}, {}, "0900");
        QCOMPARE(w->txtDepID->text(), QString("KASE"));
        typeAndReturn({});
        QCOMPARE(focusName(), QString("txtDestID"));
        QCOMPARE(w->txtDestID->text(), offered);
        QCOMPARE(two.DestID, offered);
        QCOMPARE(w->txtDepCity->text(), QString("Aspen, CO"));
        if (offered.isEmpty()) QCOMPARE(two.DestCityStateF, QString());
    }

    void reenterLegThreeOfFive() {
        OPEN();
        fillLegs(5);
        prog->s.leg(3).DepID = "KTEB";  // forced back to leg 2's destination
        prog->s.leg(3).LegComments = "Fuel stop";
        prog->platform.answers = {Platform::Answer::Yes};
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        QCOMPARE(w->txtLeg->text(), QString("6"));
        for (const char* entry : {"3", "", "", ""}) typeAndReturn(entry);
        QCOMPARE(w->txtDepID->text(), QString("KDEN"));
        typeAndReturn({});
        QCOMPARE(w->txtDestID->text(), QString("KASE"));
        typeAndReturn({});
        // 109 n.mi. at -18 + 340 = 322 kt: 0.3385 -> 0.33 h, row 1 (1700/h): burn 561, 00+20;
        // arrival 8 + 6 + 0.33 - 6 + 0.1666 = 8.4966 -> 0830.
        typeAndReturn({});
        typeAndReturn({});
        QCOMPARE(w->ReenteredLeg, 3.0);
        QCOMPARE(int(w->FinishedLeg), 3);
        QCOMPARE(int(prog->s.NumLegs), 5);
        QCOMPARE(int(prog->s.CurLeg), 6);
        QCOMPARE(w->txtLeg->text(), QString("6"));
        QCOMPARE(w->lboTX->count(), 5);
        QCOMPARE(w->lboTX->item(2)->text(),
                 QString(" 3  03Jul Denver(KDEN)         0800   Aspen(KASE)          0830    "
                         "00+20    109    561"));
        QCOMPARE(w->lboTX->item(3)->text(), QString(" 4 planned"));
        // Yes to the comments question: the comments of leg 3.
        QVERIFY(w->frameLegComments->isVisible());
        QCOMPARE(w->txtLegComments->toPlainText(), QString("Fuel stop"));
        QCOMPARE(focusName(), QString("txtLegComments"));
    }
};

QTEST_MAIN(TestLegSteps)
#include "test_leg_steps.moc"
