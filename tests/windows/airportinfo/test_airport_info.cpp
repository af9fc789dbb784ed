// The airport information window driven as a user drives it, on the small test database
// (tests/support): finding and stepping, the service lists and their defaults, adding, revising
// and deleting airports and services, and the switch to and from the main window. The field
// rules and the printout's layout are pinned in tests/airportdb and tests/report.
//
// City order: Aspen KASE, Denver KDEN, London EGLL, Martha's Vineyard KMVY, Paris LFPB,
// Sydney YSSY, Teterboro KTEB.
#include <QtTest>
#include <QtWidgets>

#include "airportdb/Statements.h"
#include "support/TempDb.h"
#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/airportinfo/View.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestAirportInfo : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* planning = nullptr;
    View* v = nullptr;

    Db& db() { return prog->adb.db; }
    QString scalar(const QString& sql) { return Scalar(db(), sql); }
    QString messages() const { return prog->shownMessages().join(" / "); }
    // The rows of one service table of an airport, "Name|PhoneNumber|Freq|Default" in ID order.
    QStringList rows(ServiceTable t, const QString& ident) {
        const QString freq = t == ServiceTable::FBOs ? "ifnull(Freq, '')" : "''";
        return scalar("SELECT group_concat(Name || '|' || PhoneNumber || '|' || " + freq +
                      " || '|' || \"Default\", '/') FROM (SELECT * FROM " + TableName(t) +
                      " WHERE AirportID = (SELECT ID FROM tblAirports WHERE Ident = '" + ident +
                      "') ORDER BY ID)")
            .split('/', Qt::SkipEmptyParts);
    }
    // An airport's columns named, '|' between them ("null" for none).
    QString fields(const QString& ident, const QString& names) {
        QStringList f;
        for (const QString& n : words(names)) f << "ifnull(\"" + n + "\", 'null')";
        return scalar("SELECT " + f.join(" || '|' || ") + " FROM tblAirports WHERE Ident = '" +
                      ident + "'");
    }
    void run(const QString& steps) { runSteps(v, prog->platform, steps); }
    // The identifier search from its menu entry.
    void find(const QString& ident) { run("mnuFilSeaID " + ident); }
    QString shown() const {
        return v->txtIdentifier->isVisible() ? v->txtIdentifier->text() : QString("-");
    }
    QString on(const QString& names) const { return test::on(v, names); }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY((planning = prog->showPlanning()));
        planning->move(37, 45);
        planning->mnuVieAirport->trigger();
        v = prog->app->view();
        QVERIFY(v && v->isVisible() && planning->isHidden() && v->pos() == QPoint(37, 45));
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v));
        QCOMPARE(v->windowTitle() + focusName(), QString(" Tarvex  (ver 3.1.4) txtID"));
    }
    void cleanup() { prog.reset(); }

    // A search from its menu entry ("ID" or "City"; the city one from an airport shown when
    // `before` is given), then the buttons clicked: the airport shown ("-" when the city box is
    // offered) and the message of the end of the recordset reached, given with a beep, after
    // which the entries that act on an airport stay off until the next one is shown.
    void search_data() {
        addColumns<QString, QString, QString, QString, QString, QString>(
            "before", "search", "typed", "clicks", "ident", "end");
        addRow("identifier with blanks around", "", "ID", " ack", "", "ACK", "");
        addRow("identifier not found", "", "ID", "kxq", "", "-", "");
        addRow("city at or after", "", "City", "Mas", "", "LFPB", "");
        addRow("city of blanks: the first", "LFPB", "City", "   ", "", "KASE", "");
        addRow("city after every city: stays", "LFPB", "City", "zz", "", "LFPB", "");
        addRow("before the first", "", "ID", "KASE", "cmdPrevious", "KASE", "beginning");
        addRow("past the last", "", "ID", "KTEB", "cmdNext", "KTEB", "end");
        addRow("back from the end", "", "ID", "KTEB", "cmdNext cmdPrevious", "YSSY", "end");
    }
    void search() {
        auto [before, search, typed, clicks, ident, end] =
            fetch<QString, QString, QString, QString, QString, QString>("before", "search", "typed",
                                                                        "clicks", "ident", "end");
        // A three-letter identifier, kept out of the city order the other rows walk.
        if (typed == " ack") {
            db().execute("INSERT INTO tblAirports (Ident, City) VALUES ('ACK', 'Nantucket')");
            prog->adb.AirportsRs->requery();
        }
        if (!before.isEmpty()) find(before);
        run("mnuFilSea" + search);
        QCOMPARE(focusName(), QString(search == "ID" ? "txtID" : "txtCTY"));
        typeAndReturn(typed);
        run(clicks);
        const QString sorry =
            "Sorry.: You are at the " + end + " of the recordset and can go no further.";
        QCOMPARE(shown() + '|' + messages() + '|' + QString::number(prog->platform.beeps),
                 ident + '|' + (end.isEmpty() ? "|0" : sorry + "|1"));
        const bool found = ident != "-";  // else the city search, the identifier box emptied
        QCOMPARE(on("txtID lblID txtCTY cmdCityOK cmdNext cmdPrevious") +
                     (found ? QString() : v->txtID->text()),
                 found ? "000011" : "101100");
        if (clicks.isEmpty()) QCOMPARE(focusName(), QString(found ? "cmdNext" : "txtCTY"));
        QCOMPARE(v->mnuEdiAP->isEnabled(), found && (end.isEmpty() || ident != typed));
    }

    // An airport shown (after its row `mark` was made the default, when given): the entry its
    // list opens on, which alone is then marked default in the database. A pick (`pick` >= 0,
    // as a user picks) makes that entry the default. London has 55 caterers: the last ones are
    // picked like the first.
    void defaults_data() {
        addColumns<QString, int, QString, int, int, QString>("ident", "family", "mark", "pick",
                                                             "selected", "name");
        addRow("second marked", "KDEN", 0, "", -1, 1, "Front Range Aviation");
        addRow("55th marked", "EGLL", 4, "Caterer 55", -1, 54, "Caterer 55");
        addRow("pick the first FBO", "KDEN", 0, "", 0, 0, "Mile High Jet Center");
        addRow("pick the 54th caterer", "EGLL", 4, "", 53, 53, "Caterer 54");
    }
    void defaults() {
        auto [ident, family, mark, pick, selected, name] =
            fetch<QString, int, QString, int, int, QString>("ident", "family", "mark", "pick",
                                                            "selected", "name");
        const ServiceTable t = kServiceTables[family];
        if (!mark.isEmpty())
            db().execute(QString("UPDATE %1 SET \"Default\" = (Name = ?1)").arg(TableName(t)),
                         {mark});
        find(ident);
        QComboBox* list = v->serviceLists()[size_t(family)];
        if (pick >= 0) list->setCurrentIndex(pick), emit list->activated(pick);
        // The entry selected, and the name shown in the FBO or catering boxes.
        QCOMPARE(QString::number(list->currentIndex()) + ' ' +
                     (family ? v->txtCatName : v->txtFBOName)->text(),
                 QString::number(selected) + ' ' + name);
        const QStringList marked = rows(t, ident).filter(QRegularExpression("\\|1$"));
        QCOMPARE(QString::number(marked.size()) + marked.value(0).section('|', 0, 0) + messages(),
                 "1" + name);
    }

    // A new airport typed field by field with Enter: each box takes no more than its length, a
    // duplicate identifier is refused at once and again at OK when it is typed after the first
    // check; the new airport is then shown, and the planning lookups find it, by its IATA code
    // too.
    void addAirport() {
        run("mnuFilSeaID KDEN mnuFilAddAP");
        QCOMPARE(on("frameAddAP cmdSave +mnuFile") + v->txtCity->text() + focusName(),
                 QString("100txtIdentifier"));
        typeAndReturn("kasex");  // no fifth character; a duplicate, the box emptied
        QCOMPARE(messages() + v->txtIdentifier->text(),
                 QString("Duplicate: Duplicate airport found.  Try another identifier."));
        // Each entry with Enter, and the box that then has the focus; the comment keeps Enter.
        const QString typed = "kabc %1 %2 N39-00.0x W105-00.0x -7 -6 mstx cunx %3 LARGE";
        const QStringList entries =
            words(typed.arg(QString(26, u'c'), QString(21, u's'), QString(51, u'n')));
        const QStringList boxes = words(
            "txtCity txtState txtLatitude txtLongitude txtStandard "
            "txtDay txtZoneCode txtComment txtName txtKind txtKind");
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i] == "cunx") v->txtIATA->setFocus();
            typeAndReturn(entries[i]);
            QCOMPARE(focusName(), boxes[i]);
        }
        run("@txtIdentifier +ktEb cmdAddOK");  // changed after its check: refused, nothing stored
        QCOMPARE(prog->shownMessages().value(1).section(':', 0, 0) + focusName() +
                     scalar("SELECT count(*) FROM tblAirports"),
                 QString("DuplicatetxtIdentifier7"));

        run("+KABC cmdAddOK");
        QCOMPARE(fields("KABC", "City State Lat Long Std ZoneCode Comments IATA Name Kind"),
                 QString(25, u'c') + '|' + QString(20, u's') +
                     "|N39-00.0|W105-00.0|-7.0|MST|null|CUN|" + QString(50, u'n') + "|large");
        QCOMPARE(shown() + on("frameAddAP +mnuFile +mnuEdiAP") + focusName() +
                     QString::number(prog->platform.messages.size()) +
                     (v->txtCity->isReadOnly() ? " locked" : ""),
                 QString("KABC011cmdNext2 locked"));
        run("mnuFilExit");
        planning->LookUpIdent("CUN", *prog->adb.AirportsRs);
        QVERIFY(prog->s.LookupResult == tx::LookupValues::Result::Found &&
                prog->s.RecIdent == "KABC");
    }

    // Revising: a 10-character longitude from the database is cut to 9 on Enter and the box
    // keeps the focus; an empty comment is stored as one blank.
    void reviseAirport() {
        db().execute(
            "UPDATE tblAirports SET \"Long\" = 'W104-40.45', Comments = 'Ramp 2' "
            "WHERE Ident = 'KDEN'");
        run("mnuFilSeaID KDEN mnuEdiAP");
        QCOMPARE(v->txtComment->toPlainText() + on("cmdSave cmdAddOK cmdNext") + focusName(),
                 QString("Ramp 2100cmdCxAddEdit"));
        run("@txtLongitude .");
        QCOMPARE(v->txtLongitude->text() + ' ' + focusName(), QString("W104-40.4 txtLongitude"));
        run(".");
        QCOMPARE(focusName(), QString("txtStandard"));  // on the second Enter
        v->txtComment->clear();
        run("cmdSave");
        QCOMPARE(fields("KDEN", "Long Comments") + '|' + messages() + on("frameAddAP cmdNext"),
                 QString("W104-40.4| |01"));
    }

    // Revised fields that cannot be stored: the message, the box that takes the focus, and
    // nothing stored; what was typed stays until Cancel.
    void refusedOnSave_data() {
        addColumns<QString, QString, QString>("box", "typed", "title");
        addRow("latitude", "txtLatitude", "N3951.7", "Airport Data");
        addRow("another's identifier", "txtIdentifier", "KASE", "Duplicate");
        // Pasted past the box's limit.
        addRow("identifier of 8", "txtIdentifier", "KDENKDEN", "Airport Data");
    }
    void refusedOnSave() {
        auto [box, typed, title] = fetch<QString, QString, QString>("box", "typed", "title");
        const QString columns = "Ident City Lat Long Std Day", before = fields("KDEN", columns);
        run("mnuFilSeaID KDEN mnuEdiAP");
        auto* edit = v->findChild<QLineEdit*>(box);
        edit->setText(typed);
        run("cmdSave");
        QCOMPARE(QString::number(prog->platform.messages.size()) +
                     prog->platform.messages.value(0).title + focusName(),
                 '1' + title + box);
        QVERIFY(edit->text() == typed && v->frameAddAP->isVisible() &&
                fields("KDEN", columns) == before);
        // Cancel shows the stored airport again, its boxes locked.
        run("cmdCxAddEdit");
        QCOMPARE(on("frameAddAP") + (v->txtLatitude->isReadOnly() ? " locked " : " ") +
                     v->txtID->text() + v->txtCity->text() + v->txtLatitude->text(),
                 QString("0 locked KDENDenverN39-51.7"));
    }

    // The airport deleted after the question, which names it ("<ident>, " before and " service
    // rows" after `named`); the airport shown next; exactly its service rows go with it.
    void deleteAirport_data() {
        addColumns<QString, bool, QString, QString>("ident", "yes", "named", "next");
        addRow("the next in city order", "KDEN", true, "Denver, CO, with its 7", "EGLL");
        addRow("the last: the one before", "KTEB", true, "Teterboro, NJ, with its 5", "YSSY");
        addRow("none of its own", "KASE", true, "Aspen, CO, with no", "KDEN");
        addRow("answered No", "KDEN", false, "Denver, CO, with its 7", "KDEN");
    }
    void deleteAirport() {
        auto [ident, yes, named, next] =
            fetch<QString, bool, QString, QString>("ident", "yes", "named", "next");
        QString serviceRows = "SELECT 0";
        for (ServiceTable t : kServiceTables)
            serviceRows += " + (SELECT count(*) FROM " + TableName(t) + ")";
        int remaining = scalar(serviceRows).toInt();
        for (ServiceTable t : kServiceTables) remaining -= yes ? int(rows(t, ident).size()) : 0;
        find(ident);
        prog->platform.answers = {yes ? Platform::Answer::Yes : Platform::Answer::No};
        v->mnuFilDelAP->trigger();
        QCOMPARE(messages(),
                 "Delete Airport?: Are you sure you want to delete this record?\n\n"
                 "Airport " +
                     ident + ", " + named + " service rows.");
        QVERIFY(prog->platform.messages[0].defaultButton == Platform::Answer::No);
        QCOMPARE(shown() + scalar("SELECT count(*) FROM tblAirports WHERE Ident = '" + ident + "'"),
                 next + (yes ? "0" : "1"));
        QCOMPARE(scalar(serviceRows).toInt(), remaining);
    }

    // The only airport deleted: search mode with nothing shown; searches and steps on the empty
    // table find nothing and do no harm.
    void emptyAirportsTable() {
        db().execute("DELETE FROM tblAirports WHERE Ident <> 'KDEN'");
        prog->adb.AirportsRs->requery();
        prog->platform.answers = {Platform::Answer::Yes};
        run("mnuFilSeaID KDEN mnuFilDelAP");
        QCOMPARE(scalar("SELECT count(*) FROM tblAirports") +
                     on("txtID txtCTY cmdNext +mnuEdiAP +mnuFilDelAP") + focusName() +
                     v->txtCity->text() + QString::number(v->cboFBOs->count()),
                 QString("011000txtID0"));
        run("KDEN");
        QCOMPARE(focusName(), QString("txtCTY"));
        run("a cmdNext cmdPrevious");
        QCOMPARE(shown() + focusName(), QString("-txtCTY"));
        QCOMPARE(prog->platform.messages.size(), 3);  // the question and the two ends
    }

    // One frame per family, opened from its menu entry (the steps before it open another frame,
    // type into it and cancel it): what is typed ("" keeps a box) with Enter from box to box ("/"
    // between boxes), the frame's caption, the button Enter reaches; the rows stored afterwards
    // ("Name|Phone|Freq|Default", "/" between rows), or the refusal that keeps the frame open.
    // A delete entry asks its question instead, naming the row.
    void services_data() {
        addColumns<QString, int, QString, QString, QString, QString, QString>(
            "ident", "family", "entries", "typed", "caption", "okButton", "result");
        // Aspen has no FBO: the first one added becomes its default when shown.
        addRow("add an FBO, 6-character frequency", "KASE", 0, "mnuFilAddFBO",
               "Aspen Jet/970-555-0100/122.95", "   Add FBO   ", "cmdEnterFBO",
               "Aspen Jet|970-555-0100|122.95 |1");
        addRow("add an FBO without a name", "KASE", 0, "mnuFilAddFBO", " /970-555-0100/",
               "   Add FBO   ", "cmdEnterFBO",
               "Add FBO: FBO Name is empty.  Every FBO needs a name.");
        addRow("add a crew hotel: stored unmarked", "KDEN", 1, "mnuFilAddCrewHotel",
               "Crew Rest Motel And Suites Ltd/303-555-0112", "   Add Crew Hotel   ",
               "cmdEnterCHot",
               "Airport Inn|303-555-0110||1/Summit Lodge|303-555-0111||0/"
               "Crew Rest Motel And Suite|303-555-0112||0");
        addRow("revise a pax hotel: default kept", "KDEN", 2, "mnuEdiPax", "Denver Grand/",
               "   Edit Pax Hotel Data   ", "cmdRevPHot", "Denver Grand|303-555-0120||1");
        // The cancelled add leaves its text behind; the revise starts from the row selected.
        addRow("revise an FBO after a cancelled add", "KDEN", 0,
               "mnuFilAddFBO +Typed cmdCancelFBO mnuEdiFBO", "//", "   Edit FBO Data   ",
               "cmdReviseFBO",
               "Mile High Jet Center|303-555-0101|122.950|0/"
               "Front Range Aviation|303-555-0102|130.65 |1/Plains Air|303-555-0103|123.000|0");
        addRow("revise a limo", "KTEB", 3, "mnuEdiLimos", "/201-555-0199", "   Edit Limo Data   ",
               "cmdRevLimo", "Garden State Limo|201-555-0199||1");
        addRow("add catering after a cancelled revise", "KDEN", 4,
               "mnuEdiCatering +Typed cmdCancelCat mnuFilAddCat", "Jet Meals/",
               "   Add Catering   ", "cmdEnterCat", "Sky Catering|303-555-0130||1/Jet Meals|||0");
        // The default deleted: the first remaining one becomes the default.
        addRow("delete the default crew hotel", "KDEN", 1, "mnuFilDelCrew",
               "Crew Hotel: Airport Inn", "Delete Crew Hotel?", "", "Summit Lodge|303-555-0111||1");
    }
    void services() {
        auto [ident, family, entries, typed, caption, okButton, result] =
            fetch<QString, int, QString, QString, QString, QString, QString>(
                "ident", "family", "entries", "typed", "caption", "okButton", "result");
        const ServiceTable t = kServiceTables[family];
        auto* frame =
            v->findChild<QGroupBox*>("frameAdd" + words("FBO CHot PHot Limo Cat")[family]);
        prog->platform.answers = {Platform::Answer::Yes};
        run("mnuFilSeaID " + ident + ' ' + entries);
        if (okButton.isEmpty()) {
            QCOMPARE(messages() + '|' + rows(t, ident).join('/'),
                     caption + ": Are you sure you want to delete this record?\n\n" + typed + '|' +
                         result);
            return;
        }
        const QString locked = "+mnuFile +cboFBOs +cmdNext +txtCity";
        QCOMPARE(frame->title() + on(locked + ' ' + frame->objectName()), caption + "00001");
        // The box with the focus is light yellow, the others are not.
        auto* first = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(first && frame->isAncestorOf(first) &&
                first->palette().color(QPalette::Base) == QColor(255, 255, 128));
        for (const QString& text : typed.split('/')) {
            if (!text.isEmpty()) qobject_cast<QLineEdit*>(QApplication::focusWidget())->clear();
            typeAndReturn(text);
        }
        QVERIFY(first->palette().color(QPalette::Base) != QColor(255, 255, 128));
        QCOMPARE(focusName(), okButton);
        typeAndReturn({});
        // The rows stored, or the refusal, which stores nothing.
        const bool refused = !messages().isEmpty();
        QCOMPARE(rows(t, ident).join('/') + messages(), result);
        QCOMPARE(on(locked) + on(frame->objectName()), refused ? "00001" : "11110");
        if (refused) QCOMPARE(QApplication::focusWidget(), first);
    }

    // "&Print" hands the airport as shown to the platform, the entry shown in each list that has
    // one; a failed print says so.
    void printsTheAirportShown() {
        run("mnuFilSeaID KDEN mnuFilPrint");
        QString printed = "|";
        for (const ReportLine& l : prog->platform.printouts.value(0).lines) printed += l.text + '|';
        VerifyHolds(printed, {"|Identifier:      KDEN|", "|City:            Denver|",
                              "|FBO :      Front Range Aviation      303-555-0102",
                              "|Catering : Sky Catering              303-555-0130"});
        QVERIFY(!printed.contains("Limo :"));  // Denver has none
        prog->platform.printError = "no printer";
        run("mnuFilPrint");
        QCOMPARE(prog->platform.messages.value(0).text,
                 QString("The airport was not printed.\nno printer"));
    }

    // Back to the planning page in this window's place, however the visit ended (by the menu or
    // by closing the window); every visit starts in the identifier search with the airport last
    // shown in the identifier box, selected so that typing replaces it, and the city box empty.
    // A search box selects its text whenever it gets the focus.
    void returnToPlanning_data() {
        addColumns<QString, QString, bool, QString>("search", "typed", "byClose", "ident");
        addRow("identifier found, by the menu", "ID", "LFPB", false, "LFPB");
        addRow("city found, window closed", "City", "par", true, "LFPB");
        addRow("city typed, not searched", "City", "par", false, "");
    }
    void returnToPlanning() {
        auto [search, typed, byClose, ident] =
            fetch<QString, QString, bool, QString>("search", "typed", "byClose", "ident");
        run("mnuFilSea" + search + " +" + typed + (ident.isEmpty() ? "" : " ."));
        v->move(80, 60);
        byClose ? void(v->close()) : v->mnuFilExit->trigger();
        QVERIFY(planning->isVisible() && v->isHidden() && planning->pos() == QPoint(80, 60));
        planning->mnuVieAirport->trigger();
        QVERIFY(v->isVisible() && planning->isHidden());
        QTRY_COMPARE(focusName(), QString("txtID"));
        QCOMPARE(v->txtID->text() + '|' + v->txtID->selectedText() + '|' + v->txtCTY->text(),
                 ident + '|' + ident + '|');
        QCOMPARE(on("lblID cmdIdentOK cmdNext +mnuEdiAP +mnuFilPrint") + v->txtCity->text() +
                     QString::number(v->cboFBOs->count()),
                 QString("110000"));
        run("kden");
        QCOMPARE(shown(), QString("KDEN"));
        run("mnuFilSeaCity +den");
        v->txtID->setFocus();
        v->txtCTY->setFocus();
        QCOMPARE(v->txtCTY->selectedText(), QString("den"));
    }

    // "E&xit Tarvex" is the main window's exit: with legs in the plan, the same question first;
    // Cancel stays here, Yes asks for the file name on the planning page.
    void exitTarvex() {
        prog->s.NumLegs = 2;
        prog->platform.answers = {Platform::Answer::Cancel, Platform::Answer::Yes};
        const auto windows = [&] {  // this one, the planning page, the file name, quits
            return QList<int>{v->isVisible(), planning->isVisible(),
                              planning->frameTXName->isVisible(), prog->quitCalls};
        };
        run("mnuExit");
        QCOMPARE(windows(), QList<int>({1, 0, 0, 0}));
        run("mnuExit");
        QCOMPARE(windows(), QList<int>({0, 1, 1, 0}));
        const QString asked =
            "TX Save ??:         Do you wish to Save present Tarvex Plan ?        ";
        QCOMPARE(messages(), asked + " / " + asked);
    }
};

QTEST_MAIN(TestAirportInfo)
#include "test_airport_info.moc"
