// Finding an airport by identifier or by city, showing it with its five service lists, and
// stepping through the airports in city order.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "airportdb/Statements.h"
#include "core/PlanState.h"
#include "core/Text.h"
#include "report/AirportPrintout.h"
#include "windows/WindowSwitch.h"
#include "windows/airportinfo/View.h"
#include "windows/kit/KeyCodes.h"

namespace tx {

namespace {

constexpr auto kFound = LookupValues::Result::Found;
constexpr auto kNotFound = LookupValues::Result::NotFound;

QString textOf(const Recordset& rs, const char* field) {
    return rs.field(QString::fromLatin1(field)).toString();
}

// Std and Day as their plain text form; nothing for a value never stored.
QString zoneText(const Recordset& rs, const char* field) {
    const QVariant v = rs.field(QString::fromLatin1(field));
    return v.isValid() ? SingleText(v.toFloat()) : QString();
}

}  // namespace

void View::connectSearchHandlers() {
    events_.GotFocus(txtID, this, &View::txtID_GotFocus);
    events_.KeyPress(txtID, this, &View::txtID_KeyPress);
    events_.GotFocus(txtCTY, this, &View::txtCTY_GotFocus);
    events_.LostFocus(txtCTY, this, &View::txtCTY_LostFocus);
    events_.KeyPress(txtCTY, this, &View::txtCTY_KeyPress);
    events_.Click(cmdIdentOK, this, &View::cmdIdentOK_Click);
    events_.Click(cmdCityOK, this, &View::cmdCityOK_Click);
    events_.Click(cmdNext, this, &View::cmdNext_Click);
    events_.GotFocus(cmdNext, this, &View::cmdNext_GotFocus);
    events_.Click(cmdPrevious, this, &View::cmdPrevious_Click);
    connect(mnuFilSeaID, &QAction::triggered, this, &View::mnuFilSeaID_Click);
    connect(mnuFilSeaCity, &QAction::triggered, this, &View::mnuFilSeaCity_Click);
    connect(mnuFilPrint, &QAction::triggered, this, &View::mnuFilPrint_Click);
    connect(mnuFilExit, &QAction::triggered, this, &View::mnuFilExit_Click);
    connect(mnuExit, &QAction::triggered, this, &View::mnuExit_Click);
}

// ---------------------------------------------------------------------------------------------
// Showing an airport

bool View::ShowAirport(Recordset& rs) {
    if (rs.bof() || rs.eof()) return false;  // no airport at all
    try {
        ViewAirportID = rs.field(QStringLiteral("ID")).toLongLong();
        setAll(std::array{mnuFilDelFBO, mnuFilDelCrew, mnuFilDelPax, mnuFilDelLimo, mnuFilDelCat},
               false);
        ViewIdent = textOf(rs, "Ident");
        txtIdentifier->setText(ViewIdent);
        txtCity->setText(textOf(rs, "City"));
        txtState->setText(textOf(rs, "State"));
        txtLatitude->setText(textOf(rs, "Lat"));
        txtLongitude->setText(textOf(rs, "Long"));
        txtStandard->setText(zoneText(rs, "Std"));
        txtDay->setText(zoneText(rs, "Day"));
        txtZoneCode->setText(textOf(rs, "ZoneCode"));
        txtComment->setPlainText(textOf(rs, "Comments"));
        txtIATA->setText(textOf(rs, "IATA"));
        txtName->setText(textOf(rs, "Name"));
        txtKind->setText(textOf(rs, "Kind"));
    } catch (const DbError& e) {
        reportDbError(e);
        return false;
    }
    setAll(
        std::array{mnuFilAddAP, mnuFilDel, mnuFilDelAP, mnuEdiAP, mnuFilAddFBO, mnuFilAddCrewHotel,
                   mnuFilAddPaxHotel, mnuFilAddLimo, mnuFilAddCat, mnuFilPrint},
        true);
    for (Family& f : families_) fillServiceList(f, ViewAirportID);
    return true;
}

// The entries that act on an airport shown wait while a search or a step runs.
void View::disableSearchSet() {
    setAll(std::array{mnuFilPrint, mnuFilDelAP, mnuFilAddFBO, mnuFilAddCrewHotel, mnuFilAddPaxHotel,
                      mnuFilAddLimo, mnuFilAddCat, mnuEdiAP, mnuEdiFBO, mnuEdiCrew, mnuEdiPax,
                      mnuEdiLimos, mnuEdiCatering},
           false);
}

// ---------------------------------------------------------------------------------------------
// The two searches

void View::FindIdent(Recordset& rs) {
    disableSearchSet();
    const QString ident = Trim(txtID->text());
    s_.LookupResult = kNotFound;
    app_.adb.MatchesRs.reset();
    try {
        if (!FindIdentOrIata(rs, ident)) return;
    } catch (const DbError& e) {
        reportDbError(e);
        return;
    }
    if (ShowAirport(rs)) s_.LookupResult = kFound;
}

void View::FindCity(Recordset& rs) {
    disableSearchSet();
    s_.LookupResult = kNotFound;
    Recordset* shown = &rs;
    try {
        const CitySearch found = SearchCity(app_.adb, Trim(txtCTY->text()));
        if (found == CitySearch::Words) shown = &*app_.adb.MatchesRs;
        // A text after every city keeps the airport shown; with none shown yet, the last.
        if (found == CitySearch::None && (rs.bof() || rs.eof())) rs.moveLast();
    } catch (const DbError& e) {
        reportDbError(e);
        return;
    }
    if (ShowAirport(*shown)) s_.LookupResult = kFound;
}

// The search entry in place of the airport's first two boxes, nothing shown.
void View::showSearchMode() {
    ClearAirportFields();
    LockAirportFields();
    ClearServiceLists();
    for (QLineEdit* box : {txtID, txtCTY}) {
        box->clear();
        box->show();
    }
    for (QWidget* w : {static_cast<QWidget*>(cmdPrevious), static_cast<QWidget*>(cmdNext),
                       static_cast<QWidget*>(txtIdentifier), static_cast<QWidget*>(txtCity)})
        w->hide();
    InitViewMenus();
}

// An airport found: its boxes in place of the search entry, and the stepping buttons.
void View::showFoundMode() {
    txtIdentifier->show();
    txtCity->show();
    for (QWidget* w : {static_cast<QWidget*>(txtID), static_cast<QWidget*>(txtCTY),
                       static_cast<QWidget*>(lblID), static_cast<QWidget*>(lblCTY),
                       static_cast<QWidget*>(cmdIdentOK), static_cast<QWidget*>(cmdCityOK)})
        w->hide();
    cmdPrevious->show();
    cmdNext->show();
    cmdNext->setFocus();
}

void View::txtID_GotFocus() {
    cmdIdentOK->show();
    cmdCityOK->hide();
    lblID->show();
    lblCTY->hide();
    SelectAllText(txtID);
}

void View::txtID_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    cmdIdentOK_Click();
}

void View::cmdIdentOK_Click() {
    txtID->setText(txtID->text().toUpper());
    Recordset* rs = airports();
    if (rs) FindIdent(*rs);
    if (rs && s_.LookupResult != kNotFound) {
        showFoundMode();
        return;
    }
    // Not found, and no message: the city search is offered.
    txtIdentifier->hide();
    txtCity->hide();
    txtID->clear();
    txtID->show();
    txtCTY->show();
    txtCTY->setFocus();
}

void View::txtCTY_GotFocus() {
    NoTabAirportFields();
    txtID->clear();
    lblID->hide();
    lblCTY->show();
    cmdIdentOK->hide();
    cmdCityOK->show();
    SelectAllText(txtCTY);
}

void View::txtCTY_LostFocus() {
    lblCTY->hide();
}

void View::txtCTY_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    cmdCityOK_Click();
}

void View::cmdCityOK_Click() {
    Recordset* rs = airports();
    if (rs) FindCity(*rs);
    if (!rs || s_.LookupResult == kNotFound) {
        txtCTY->setFocus();  // an airport database without airports
        return;
    }
    showFoundMode();
}

void View::cmdNext_GotFocus() {
    cmdCityOK->hide();
}

// ---------------------------------------------------------------------------------------------
// Stepping in city order

void View::step(bool forward) {
    disableSearchSet();
    // Through the airports a word search found, or in city order.
    Recordset* rs = app_.adb.stepped();
    if (!rs) return;
    try {
        forward ? rs->moveNext() : rs->movePrevious();
        if (forward ? rs->eof() : rs->bof()) {
            forward ? rs->moveLast() : rs->moveFirst();
            app_.platform.beep();
            app_.platform.messageBox(
                this,
                forward ? QStringLiteral("You are at the end of the recordset and can go no "
                                         "further.")
                        : QStringLiteral("You are at the beginning of the recordset and can go no "
                                         "further."),
                QStringLiteral("Sorry."), Platform::Buttons::OK);
            return;
        }
    } catch (const DbError& e) {
        reportDbError(e);
        return;
    }
    ShowAirport(*rs);
}

void View::cmdNext_Click() {
    step(true);
}

void View::cmdPrevious_Click() {
    step(false);
}

// ---------------------------------------------------------------------------------------------
// The menus of the window

void View::mnuFilSeaID_Click() {
    lblID->hide();
    cmdIdentOK->hide();
    showSearchMode();
    txtID->setFocus();
}

void View::mnuFilSeaCity_Click() {
    showSearchMode();
    txtCTY->setFocus();
}

// The airport as the window shows it: the boxes' texts and the entry shown in each list.
void View::mnuFilPrint_Click() {
    const AirportPrintFields a{txtIdentifier->text(),
                               txtCity->text(),
                               txtState->text(),
                               txtLatitude->text(),
                               txtLongitude->text(),
                               txtStandard->text(),
                               txtDay->text(),
                               txtZoneCode->text(),
                               txtComment->toPlainText(),
                               cboFBOs->currentText(),
                               cboCrewHotels->currentText(),
                               cboPaxHotels->currentText(),
                               cboLimos->currentText(),
                               cboCatering->currentText()};
    const QString failed = app_.platform.printReport(this, QStringLiteral("Airport Information"),
                                                     PrintAirportInformation(a));
    if (!failed.isEmpty())
        app_.platform.messageBox(this, QStringLiteral("The airport was not printed.\n") + failed,
                                 QStringLiteral("Print"), Platform::Buttons::OK,
                                 Platform::Icon::Warning);
}

}  // namespace tx
