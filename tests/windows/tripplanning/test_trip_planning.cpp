// The main planning window driven as a user drives it: opened on a temporary program directory,
// leg entry typed with the keyboard, Back and Cancel clicked; whole legs typed: airports by
// identifier and by city, the services frame, the wind and the fuel reserve, and the planning
// page filled by the completed legs; every frame over the page locking the rest of the window and
// closed by Escape; and the owner, version and aircraft shown.
//
// Aircraft TEST.AC (tests/support): rows 0..3, speeds 300 340 380 420 kt, fuel flows
// 1800 1700 1600 1500 an hour, usable fuel 6000, reserve 1200; taxi 10 min, which the leg
// computation takes as Int(10 / 60 * 10000) / 10000 = 0.1666 h. Daylight time: US 3.14..11.07,
// EU 3.28..10.31, so every airport of a July leg is on daylight time.
#include <sqlite3.h>

#include "PlanningTest.h"
#include "airportdb/Statements.h"
#include "windows/start/Intro.h"

using namespace tx;
using namespace tx::test;

class TestTripPlanning : public QObject, PlanningWindow {
    Q_OBJECT

    // Begins a leg on a plan of numLegs legs; true when the leg box has the focus.
    bool beginLeg(int numLegs = 0) {
        prog->s.NumLegs = static_cast<std::int16_t>(numLegs);
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        return focusName() == "txtLeg";
    }
    static QString pad25(const QString& text) { return (text + QString(25, u' ')).left(25); }

    // Default flag of the service row with this name, read back from the database.
    bool isDefault(ServiceTable t, const QString& name) {
        Recordset rs(prog->adb.db, TableName(t), "Name = ?1", {name});
        return !rs.eof() && rs.field("Default").toBool();
    }

  private slots:
    void init() { QVERIFY(start(false)); }
    void cleanup() { prog.reset(); }

    // The entry as a new plan offers it; the owner and version from the program's settings, the
    // aircraft from its file; the menus on and off; the list's heading over its columns.
    void formLoad() {
        Intro intro(*prog->app);
        QCOMPARE(texts("txtLeg txtTorL txtFuelReserve lblACType_2 lblACType_3") + '|' +
                     texts("lblTXName lblPhone lblEmail IntroLabel1", &intro) + '|' +
                     w->windowTitle(),
                 "1|T|1200|Test Jet 35|Test Jet 35|Acme Flight Department|PH: 303-555-0142|"
                 "ops@acme.example| Tarvex  (ver 3.1.4) | Tarvex  (ver 3.1.4) ");
        // Comments shown and off; the top menus and the entries that need no plan on, the others
        // off.
        QCOMPARE(
            on("cmdEnterComments +cmdEnterComments +mnufil +mnuView +mnuSettings +mnuHelp "
               "+mnuVieAirport +mnuFilRetDel_0 +mnuFilRetDel_1 +mnuFilBackupdata +mnuFilExit "
               "+mnuSetChange +mnuSetReserve +mnuSetBlock +mnuEdit +mnuFilNew +mnuFilSave "
               "+mnuFilPrint +mnuEdiEdit +mnuEdiInsert +mnuEdiDel +mnuViePilot +mnuVieSummary"),
            QString("10111111111111000000000"));
        // A list row holding the heading's own text lies exactly under the heading.
        QVERIFY(QFontInfo(w->Label3->font()).fixedPitch());
        w->lboTX->addItem(w->Label3->text());
        QWidget* page = w->centralWidget();
        const QImage img = page->grab().toImage();
        auto ink = [&img](const QRect& r) {  // the first and last columns with dark pixels
            int lo = INT_MAX, hi = -1;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (qGray(img.pixel(x, y)) < 110) lo = std::min(lo, x), hi = std::max(hi, x);
            return std::pair{lo, hi};
        };
        const auto [hLeft, hRight] = ink(w->Label3->geometry());
        const auto [rLeft, rRight] =
            ink(w->lboTX->visualItemRect(w->lboTX->item(0))
                    .translated(w->lboTX->viewport()->mapTo(page, QPoint())));
        QVERIFY(hRight > hLeft && std::abs(hLeft - rLeft) <= 1 && std::abs(hRight - rRight) <= 1);
    }

    // Steps (runSteps) from the leg box, the box that then has the focus and the boxes enabled;
    // where given, the date entry, take-off time and landing time the leg then holds (typed on
    // 1/15/2027).
    void stateTable_data() {
        // boxes: the one with the focus first, then the other boxes enabled
        addColumns<QString, QString, QString, int>("steps", "boxes", "entries", "numLegs");
        addRow("leg", "", "txtLeg", "", 0);
        addRow("T/L", ".", "txtTorL", "", 0);
        addRow("date", ". .", "txtDate", "", 0);
        addRow("time", ". . 0704", "txtTime", "07/04||", 0);
        addRow("departure", ". . 07/04 1430", "txtDepID txtDepCity", "07/04|1430|", 0);
        addRow("empty time", ". . 0704 .", "txtDepID txtDepCity", "07/04|0000|", 0);
        addRow("landing time", ". l 0704 1305", "txtDepID txtDepCity", "07/04||1305", 0);
        addRow("back from T/L", ". cmdBack", "txtLeg", "", 0);
        addRow("back from date", ". . cmdBack", "txtTorL", "", 0);
        addRow("back twice from departure", ". . 0704 1430 cmdBack cmdBack", "txtDate", "", 0);
        addRow("back then forward", ". . 0704 cmdBack .", "txtTime", "", 0);
        // After a refusal only the refused box is live, and the leg shown is the leg open.
        addRow("leg refused after back", "2 cmdBack 9", "txtLeg", "", 3);
        addRow("date refused", ". . 13/01", "txtDate", "||", 0);
        addRow("7/4, too short", ". . 7/4", "txtDate", "||", 0);
        addRow("time refused", ". . 0704 2401", "txtTime", "07/04||", 0);
        const QStringList toDeparture{".", ".", "0704", "1430"};
        for (int n = 0; n <= 4; ++n)
            addRow(qPrintable(QString("cancel at step %1").arg(n + 1)),
                   toDeparture.mid(0, n).join(' ') + " cmdLegCancel", "cmdContinuePlanning", "", 0);
    }
    void stateTable() {
        auto [steps, enabled, entries, numLegs] =
            fetch<QString, QString, QString, int>("steps", "boxes", "entries", "numLegs");
        const QString focus = words(enabled)[0];
        QVERIFY(beginLeg(numLegs));
        run(steps);
        QVERIFY(prog->platform.messages.isEmpty());
        // While a leg is entered its frame replaces the page buttons and the menus are off: the
        // frame, the three buttons shown, the five menus on, Continue on and Comments off.
        const bool entering = focus != "cmdContinuePlanning";
        QCOMPARE(focusName() + '|' +
                     on("framePlanning cmdContinuePlanning cmdEnterComments cmdExitTX +mnufil "
                        "+mnuEdit +mnuView +mnuSettings +mnuHelp") +
                     (entering ? "" : on("+cmdContinuePlanning +cmdEnterComments")),
                 focus + '|' + (entering ? "100000000" : "01111111110"));
        if (!entering) return;
        // The boxes enabled, Back, the focused box's text selected, the leg shown.
        QStringList live;
        for (QLineEdit* box : w->entryBoxes())
            if (box->isEnabled()) live << box->objectName();
        auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(live.join(' ') + '|' + on("+cmdBack") +
                     QString::number(box && box->selectedText() == box->text()) + '|' +
                     w->txtLeg->text(),
                 enabled + '|' + QString::number(focus != "txtLeg") + "1|" +
                     QString::number(prog->s.CurLeg));
        if (entries.isEmpty()) return;
        const Leg& leg = prog->s.leg(1);
        const QStringList e = entries.split('|');
        QCOMPARE(leg.DateEntry + '|' + leg.DepTimeEntry + '|' + leg.ArrTimeEntry + '|' +
                     w->txtDate->text() + '|' + w->txtTime->text(),
                 entries + '|' + e[0] + '|' + e[1] + e[2]);
    }

    // Keys typed into the leg box ("\r" is Return), the number it then shows, and whether the
    // maximum-legs notice comes up. Which numbers are taken is pinned in test_entry_rules.
    void legNumbers_data() {
        // caption: a key press sets it from the text before the key (without the notice)
        addColumns<int, QString, QString, bool, QString>("numLegs", "keys", "shown", "notice",
                                                         "caption");
        addRow("0, refilled at once", 3, "0", "4", false, "4");
        addRow("leg 21 of a full plan", 20, "\r", "20", true, "");
        addRow("21 typed", 3, "21\r", "3", true, "");
        addRow("deleted, then a digit replaces the refill", 3, "\b2", "2", false, "4");
    }
    void legNumbers() {
        auto [numLegs, keys, shown, notice, caption] = fetch<int, QString, QString, bool, QString>(
            "numLegs", "keys", "shown", "notice", "caption");
        QVERIFY(beginLeg(numLegs));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClicks(w->txtLeg, keys);
        QCOMPARE(texts("@ txtLeg") +
                     QString("|%1|%2").arg(prog->s.CurLeg).arg(prog->platform.beeps) +
                     on("lblMaxLegs"),
                 QString("txtLeg|%1|%2|%3%3").arg(shown).arg(numLegs + 1).arg(notice));
        if (notice) {
            QCOMPARE(w->txtLeg->selectedText(), shown);
            QTRY_VERIFY_WITH_TIMEOUT(w->lblMaxLegs->isHidden(), 4000);
            QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
        } else {
            QCOMPARE(w->framePlanning->title(), "Leg #  " + caption);
        }
        typeAndReturn({});  // the number shown is then taken, and the caption follows it
        QCOMPARE(focusName() + '|' + w->framePlanning->title(), "txtTorL|Leg #  " + shown);
    }

    // Keys typed into the T/L box: the letter shown and the time of that end.
    void torlTyping_data() {
        addColumns<QString, QString>("keys", "shown");
        for (const QString row : {"l L", "x T", "\b T", "l\b T", "\bl L"})
            QTest::newRow(qPrintable(QString(row).replace('\b', "<Backspace>")))
                << words(row)[0] << words(row)[1];
    }
    void torlTyping() {
        auto [keys, shown] = fetch<QString, QString>("keys", "shown");
        QVERIFY(beginLeg());
        prog->s.leg(1).DepTimeEntry = "0815";
        prog->s.leg(1).ArrTimeEntry = "0930";
        typeAndReturn({});
        QTest::keyClicks(w->txtTorL, keys);
        QCOMPARE(w->txtTorL->text() + w->txtTime->text(), shown + (shown == "L" ? "0930" : "0815"));
        typeAndReturn({});
        QCOMPARE(focusName() + prog->s.leg(1).TorL, "txtDate" + shown);
    }

    // Denver - Teterboro - London - Paris by keyboard, the last leg given by its landing time; the
    // services of the first leg's two airports chosen on the way.
    void threeLegTrip() {
        const PlanState& s = prog->s;
        const Leg& leg1 = s.leg(1);

        // Leg 1, KDEN N39-51.7 W104-40.4 to KTEB N40-51.0 W074-03.6, takeoff 0800 on 07/04.
        // cos d = sin 39.862 sin 40.850 + cos 39.862 cos 40.850 cos 30.613 = 0.918925,
        // d = 23.2305 deg = 1393.83 -> 1394 n.mi., row 14 capped to 3 (420 kt, 1500/h).
        // Initial course 77.58 -> sector 8; latitudes 39 and 40 -> (39 + 40) / 2 = 39.5, the
        // high-latitude table: sector 8 holds 14, taken whole on a long leg.
        enterLeg(w, {"", "", "0704", "0800", "kden"});
        // The first departure shows its services, without the printout flags: the stored default
        // FBO (second of three), and a caterer without a default, which becomes the default.
        QVERIFY(w->frameFBOs->isVisible() && w->chkPlanFBO->isHidden());
        // The frame lies over the list, so that the totals and the aircraft under it stay
        // readable.
        QVERIFY(QRect(w->lboTX->mapTo(w, QPoint()), w->lboTX->size())
                    .contains(QRect(w->frameFBOs->mapTo(w, QPoint()), w->frameFBOs->size())));
        const QString frontRange =
            pad25("Front Range Aviation") + ' ' + pad25("303-555-0102") + " 130.65 ";
        QVERIFY(leg1.DepFBO == frontRange && isDefault(ServiceTable::Catering, "Sky Catering"));
        // Another FBO picked is the airport's default at once; the leg keeps the one it left from.
        QTest::keyClick(w->cboFBOs, Qt::Key_Down);
        QVERIFY(isDefault(ServiceTable::FBOs, "Plains Air") && leg1.DepFBO == frontRange);
        run(".");  // the services frame's O.K. has the focus and takes Return

        typeAndReturn("kteb");
        // Neither FBO is a default: the first is made the default and named by the leg. The
        // stored default crew hotel is chosen; no passenger hotel here, not Denver's.
        QVERIFY(isDefault(ServiceTable::FBOs, "Meadowlands Jet Base"));
        QCOMPARE(
            leg1.DestFBONamePhone + '|' + leg1.DestCrewHotel + '|' + leg1.DestPaxHotel,
            "Meadowlands Jet Base  201-555-0140|" + pad25("Bergen Suites") + " 201-555-0151| ");
        // Picking the current default writes nothing; another entry is written at once.
        const int changes = sqlite3_total_changes(prog->adb.db.handle());
        emit w->cboCrewHotels->activated(1);
        QCOMPARE(sqlite3_total_changes(prog->adb.db.handle()), changes);
        QTest::keyClick(w->cboCrewHotels, Qt::Key_Up);
        // Another FBO picked is the one the leg reports, name and phone included.
        QTest::keyClick(w->cboFBOs, Qt::Key_Down);
        QVERIFY(isDefault(ServiceTable::CrewHotels, "Harbor Crew Inn") &&
                leg1.DestFBONamePhone == "Hudson Air Services  201-555-0141");
        // The FBO shows included, the empty flags unchecked and still empty: FBO left out of the
        // printout, crew hotel put in.
        QVERIFY(on("chkPlanFBO *chkPlanFBO *chkPlanCr") == "110" && !leg1.InclCrewHotel);
        run("chkPlanFBO chkPlanCr");
        run(".");  // the wind proposed: 14
        // Ground speed 14 + 420 = 434: 1394 / 434 = 3.2119 -> 3.21 h, still-air rows
        // 3.21 * 420 / 100 = 13.48, rounded 13 -> row 3 again; burn 3.21 * 1500 = 4815; 03+13.
        // Daylight offsets -6 and -4: arrival 8 + 6 + 3.21 - 4 + 0.1666 = 13.3766 -> 1323.
        run(". .");

        // Leg 2, KTEB to EGLL N51-28.6 W000-27.6, takeoff 2030 on 07/04, wind typed as -25.
        // cos d = 0.644742, d = 49.8537 deg = 2991.2 -> 2991 n.mi.; ground speed 395:
        // 2991 / 395 = 7.5722 -> 7.57 h, burn 7.57 * 1500 = 11355, 07+34.
        // Arrival 20.5 + 4 + 7.57 + 1 + 0.1666 = 33.2366: next day, 9.2366 -> 0914 "+D", and
        // the leg date moves to 7.05, where London still keeps daylight time (+1).
        enterLeg(w, {"", "", "", "2030", "", "egll"});  // later departures show no services
        // 55 caterers at London: the list holds every one, the last picked by its id.
        QCOMPARE(w->cboCatering->count(), 55);
        QTest::keyClick(w->cboCatering, Qt::Key_End);
        QVERIFY(isDefault(ServiceTable::Catering, "Caterer 55"));
        run(".");  // the wind proposed: 7, sector 5 of the high table
        run("-25 .");

        // Leg 3, EGLL to LFPB N48-58.2 E002-26.5, landing 1400 on 07/05.
        // cos d = 0.998519, d = 3.1187 deg = 187.1 -> 187 n.mi., row 2 (380 kt, 1600/h);
        // course 142.35 -> sector 14, which holds 0 (proposal 0 * 0.5 = 0).
        // 187 / 380 = 0.4921 -> 0.49 h, rows 0.49 * 380 / 100 = 1.86 -> 2; burn
        // 0.49 * 1600 = 784; 00+29. Offsets +1 and +2: takeoff 14 + 1 - 0.49 - 2 - 0.1666
        // = 12.3434 -> 1221. Paris has no services: straight to the wind.
        enterLeg(w, {"", "l", "07/05", "1400", "", "lfpb", "", "800"});

        QCOMPARE(
            listLines(w->lboTX).join('\n'),
            R"( 1  04Jul Denver(KDEN)         0800   Teterboro(KTEB)      1323    03+13   1394   4815
 2  04Jul Teterboro(KTEB)      2030   London(EGLL)         0914+D  07+34   2991  11355
 3  05Jul London(EGLL)         1221   Paris(LFPB)          1400    00+29    187    784)");
        // 1394 + 2991 + 187 = 4572 n.mi.; 3 + 7 + 0 h and 13 + 34 + 29 = 76 min = 11+16.
        QCOMPARE(w->lblTXDist->text() + '|' + w->lblTXTime->text(), QString("4572| 11+16"));

        // Print flags: as the services frame showed them when it closed (leg 1 as clicked, leg
        // 2 untouched); a destination without services includes all five.
        QList<int> flags;
        for (int k = 1; k <= 3; ++k)
            for (const auto& v : {s.leg(k).InclFBO, s.leg(k).InclCrewHotel, s.leg(k).InclPaxHotel,
                                  s.leg(k).InclLimo, s.leg(k).InclCatering})
                flags << v.value_or(-1);
        QCOMPARE(flags, QList<int>({0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1}));
    }

    // Identifier XQ1 is not in the database: the city typed in the search box, the browse
    // buttons clicked (steps from the departure box, runSteps); the identifier and city then
    // shown, the search box gone, the message of an end (with a beep), and the city as the leg
    // lines take it (15 characters at most).
    void citySearch_data() {
        addColumns<QString, QString, QString>("steps", "shown", "sorry");
        // City order: Aspen, Denver, London, Martha's Vineyard, Paris, Sydney, Teterboro.
        addRow("quote and capitals", "XQ1 MARTHA'S", "KMVY|Martha's Vineyard, MA|Martha's Vineya",
               "");
        addRow("next, prev, prev", "XQ1 mar cmdDepNext cmdDepPrev cmdDepPrev",
               "EGLL|London, United Kingdom|London", "");
        addRow("before the first", "XQ1 a cmdDepPrev", "KASE|Aspen, CO|Aspen",
               "Sorry.: You are at the beginning of the recordset and can go no further.");
        // A text after every city shows the last; Next stays there.
        addRow("destination beyond the last", "kase XQ1 zz cmdDestNext cmdDestPrev",
               "YSSY|Sydney, Australia|Sydney",
               "Sorry.: You are at the end of the recordset and can go no further.");
    }
    void citySearch() {
        auto [steps, shown, sorry] = fetch<QString, QString, QString>("steps", "shown", "sorry");
        const bool departure = !steps.startsWith("kase");
        const QString end = departure ? "Dep" : "Dest";
        enterLeg(w, {"", "", "0704", "0800"});
        run(steps);
        QCOMPARE(texts(QString("txt%1ID txt%1City").arg(end)) + '|' +
                     on(QString("txt%1City txt%1Search").arg(end)) + '|' +
                     prog->shownMessages().join(" / ") + QString::number(prog->platform.beeps),
                 shown.section('|', 0, 1) + "|10|" + sorry + (sorry.isEmpty() ? "0" : "1"));
        typeAndReturn({});  // confirming the shown identifier looks it up
        QCOMPARE(departure ? prog->s.leg(1).DepCity : prog->s.leg(1).DestCity,
                 shown.section('|', 2));
    }

    // Back or Cancel during a city search ends it: the search box and the browse buttons go.
    void backAndCancelEndTheSearch_data() {
        addColumns<QString>("steps");  // from the departure box (runSteps)
        addRow("Back in the search box", "kase XQ1 cmdBack");
        addRow("Cancel in the search box", "kase XQ1 cmdLegCancel");
        addRow("Back after a search", "kase XQ1 den cmdBack");
        addRow("Cancel after a search", "kase XQ1 den cmdLegCancel");
    }
    void backAndCancelEndTheSearch() {
        auto [steps] = fetch<QString>("steps");
        enterLeg(w, {"", "", "0704", "0800"});
        run(steps);
        QCOMPARE(on("txtDestSearch cmdDestPrev cmdDestNext"), QString("000"));
    }

    // KDEN - KASE: 109 n.mi. (row 1, 340 kt), course 250.04 -> sector 25, high table -57,
    // proposed Int(-57 * 0.3) = -18.
    void windRefusal() {
        const PlanState& s = prog->s;
        // -340 leaves no ground speed: refused, nothing of the leg stored, the wind asked again.
        enterLeg(w, {"", "", "0704", "0800", "kden", "", "kase", "-340"});
        QVERIFY(prog->platform.messages.size() == 1 && prog->platform.messages[0].title == "Winds");
        QVERIFY(s.Winds[25] == -57.0 && s.DistIndex == 1 && s.leg(1).WindText.isEmpty() &&
                s.leg(1).BurnText.isEmpty());
        // Letters are no wind: refused, the text kept for correction.
        typeAndReturn("Monterrey");
        QCOMPARE(prog->shownMessages().value(1),
                 QString("Winds: The wind must be a whole number of knots from -999 to 999, for "
                         "example -18."));
        QVERIFY(w->txtWind->selectedText() == "Monterrey" && s.leg(1).WindText.isEmpty());
        // An empty box takes the proposal.
        w->txtWind->clear();
        typeAndReturn({});
        QCOMPARE(s.leg(1).WindText, QString("   -18"));
        // -339 leaves one knot: taken, and it stands for sector 25, so that shown again it is
        // scaled as a stored wind: Int(-339 * 0.3) = Int(-101.7) = -102.
        run("cmdBack -339");
        QCOMPARE(s.leg(1).WindText, QString("  -339"));
        run("cmdBack");
        QCOMPARE(w->txtWind->text(), QString("-102"));
    }

    // Aspen to Aspen: the destination left in the leg equals the departure and is not offered, a
    // reserve that is not a number is refused, and a leg of no distance is computed.
    void sameAirportBothEnds() {
        Leg& leg = prog->s.leg(1);
        leg.DestID = "KASE";
        leg.DestCityStateF = "Aspen, CO";
        enterLeg(w, {"", "", "0704", "0800", "kase"});  // no services at Aspen
        QVERIFY(w->txtDestID->text() + leg.DestID + leg.DestCityStateF == "");
        run("KASE . 3a");
        QVERIFY(w->txtFuelReserve->selectedText() == "3a" &&  // kept for correction
                prog->platform.messages.size() == 1 &&
                prog->platform.messages[0].title == "Fuel Reserve" && prog->s.NumLegs == 0);
        typeAndReturn("900");
        // 0 n.mi. and no flight time; arrival 8 + 6 + 0 - 6 + 0.1666 = 8.1666 -> 0810.
        QCOMPARE(
            leg.ReserveText + '|' + w->lboTX->item(0)->text(),
            QString("    900| 1  04Jul Aspen(KASE)          0800   Aspen(KASE)          0810    "
                    "00+00      0      0"));
    }

    // Five legs alternating Denver - Aspen; leg 3 entered again, on July 3.
    void reenterLegThreeOfFive() {
        PlanState& s = prog->s;
        for (int k = 1; k <= 5; ++k) {
            s.leg(k).DepID = k % 2 ? "KDEN" : "KASE";
            s.leg(k).DestID = k % 2 ? "KASE" : "KDEN";
            s.leg(k).PlanLine = QString("%1 planned").arg(k, 2);
        }
        s.NumLegs = 5;
        s.leg(3).DepID = "KTEB";  // put back to leg 2's destination
        s.leg(3).DestID.clear();  // led to leg 4's departure
        s.leg(3).LegComments = "Fuel stop";
        prog->platform.answers = {Platform::Answer::Yes};
        // Denver to Aspen, 109 n.mi. at -18 + 340 = 322 kt: 0.3385 -> 0.33 h, row 1 (1700/h):
        // burn 561, 00+20; arrival 8 + 6 + 0.33 - 6 + 0.1666 = 8.4966 -> 0830.
        enterLeg(w, {"3", "", "0703", "0800", "", "", "", ""});
        QVERIFY(s.NumLegs == 5 && w->txtLeg->text() == "6" && w->lboTX->count() == 5);
        QCOMPARE(listLines(w->lboTX).mid(2, 2),
                 QStringList({" 3  03" + kThreeLegLines[0].mid(6), " 4 planned"}));
        // Yes to the comments question: the comments of leg 3, not of the last leg.
        QVERIFY(w->frameLegComments->isVisible() &&
                w->txtLegComments->toPlainText() == "Fuel stop");
    }

    // Steps (runSteps) that open a frame over a three-leg plan: while it is open only its own
    // controls (and those named free) can be used, no top menu among them; Escape closes it as
    // its Cancel (the services frame as its O.K.) would, leaving the focus where that leaves it.
    void framesLockTheWindow_data() {
        addColumns<QString, QString, QString, QString>("steps", "frame", "escapeTo", "free");
        const auto row = [](const char* name, const char* steps, const QString& frame,
                            const char* escapeTo = "cmdContinuePlanning",
                            const QString& free = "") {
            addRow(name, QString(steps), "frame" + frame, QString(escapeTo), free);
        };
        const QString pilotFlags = "chkPilFBO chkPilCr chkPilPax chkPilLimo chkPilCat";
        row("leg entry", "cmdContinuePlanning", "Planning");
        row("leg entry at the wind", "cmdContinuePlanning . . . . . lfpb", "Planning");
        row("services of the first departure", "lboTX:0 mnuEdiEdit . . . . .", "FBOs", "txtDestID");
        row("services of a destination", "cmdContinuePlanning . . . . . kden", "FBOs", "txtWind");
        row("comments after a leg", "yes cmdContinuePlanning . . . . . lfpb . .", "LegComments");
        row("comments after editing leg 2", "yes lboTX:1 mnuEdiEdit . . . . . . . . .",
            "LegComments");
        row("comments of a selected leg", "lboTX:0 cmdEnterComments", "LegComments");
        row("pilot comments", "mnuViePilot cmdPilotComments", "PilotComments", "cmdPExitToPlanPage",
            "lboPilot lboChecks_1 " + pilotFlags);
        row("summary comments", "mnuVieSummary cmdSumComments", "SumComments", "cmdSExitToPlanPage",
            "lboSummary lboChecks_3 chkSumFBO chkSumCr chkSumPax chkSumLimo chkSumCat");
        row("file name", "lboTX:0 mnuSaveArray_0", "TXName");
        row("file name from the pilot view", "mnuViePilot cmdPSave", "TXName", "", pilotFlags);
        row("retrieve", "lboTX:0 no mnuFilRetDel_0", "TXRetDel");
        row("delete", "lboTX:0 mnuFilRetDel_1", "TXRetDel");
        row("aircraft", "lboTX:0 mnuSetChange", "ACChange");
        row("fuel reserve", "lboTX:0 mnuSetReserve", "ChFRes");
        row("taxi default", "lboTX:0 mnuSetBlock", "TaxiDefault");
        row("trip checks", "lboTX:0 mnuSetChecks", "TripChecks");
        row("trip details", "lboTX:0 mnuEdiDetails", "TripDetails");
    }
    void framesLockTheWindow() {
        auto [steps, frame, escapeTo, free] =
            fetch<QString, QString, QString, QString>("steps", "frame", "escapeTo", "free");
        // A minimum ground time of 12:00 fails leg 2: the checks lists are there to be locked.
        prog->app->limits[TripLimit::MinGround] = 12 * 60;
        QVERIFY(enterThreeLegPlan(w));
        run(steps);
        auto* f = w->findChild<QGroupBox*>(frame);
        QVERIFY(f->isVisible());
        for (QAction* top : w->menuBar()->actions())
            QVERIFY2(!top->isVisible() || !top->isEnabled(), qPrintable(top->text()));
        for (QWidget* c : w->findChildren<QWidget*>()) {
            auto* box = qobject_cast<QLineEdit*>(c);  // a read-only box only shows
            const bool control = qobject_cast<QAbstractButton*>(c) ||
                                 qobject_cast<QAbstractItemView*>(c) ||
                                 (box && !box->isReadOnly()) || qobject_cast<QPlainTextEdit*>(c) ||
                                 qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractSlider*>(c);
            if (!control || c->objectName().isEmpty() || c->objectName().startsWith("qt_") ||
                !c->isVisible() || !c->isEnabled() || f->isAncestorOf(c))
                continue;
            QVERIFY2(words(free).contains(c->objectName()), qPrintable(c->objectName()));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(f->isHidden());
        if (!escapeTo.isEmpty()) QCOMPARE(focusName(), escapeTo);
    }
};

QTEST_MAIN(TestTripPlanning)
#include "test_trip_planning.moc"
