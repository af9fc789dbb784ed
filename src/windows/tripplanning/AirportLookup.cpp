// Airport lookup while planning: an identifier found in tblAirports with its record and its
// five service lists loaded, or an airport found by city and browsed in city order.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "airportdb/Backup.h"
#include "airportdb/ServiceRecords.h"
#include "airportdb/Statements.h"
#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kSearchPrompt = QStringLiteral("  Enter Search data.");
const QString kSearchStartPrompt = QStringLiteral("  Enter Search data, then press <ENTER>  ");

QString textOf(const Recordset& rs, const char* field) {
    return rs.field(QString::fromLatin1(field)).toString();
}

}  // namespace

void TripPlanning::reportDbError(const DbError& e) {
    app_.platform.messageBox(this, DbErrorMessage(app_.adb, e), QStringLiteral("Tarvex"),
                             Platform::Buttons::OK, Platform::Icon::Critical);
}

std::array<TripPlanning::ServiceList, 5> TripPlanning::serviceSlots() {
    return {{{ServiceTable::FBOs, cboFBOs, &lookup_.PlanFBOIDs, &s_.CurFBO},
             {ServiceTable::CrewHotels, cboCrewHotels, &lookup_.PlanCrewHotelIDs, &s_.CurCrewHotel},
             {ServiceTable::PaxHotels, cboPaxHotels, &lookup_.PlanPaxHotelIDs, &s_.CurPaxHotel},
             {ServiceTable::Limos, cboLimos, &lookup_.PlanLimoIDs, &s_.CurLimo},
             {ServiceTable::Catering, cboCatering, &lookup_.PlanCateringIDs, &s_.CurCatering}}};
}

// ---------------------------------------------------------------------------------------------
// Looking up an identifier and loading the airport

void TripPlanning::LookUpIdent(const QString& ident, Recordset& rs) {
    IdentToFind = ident;
    LookUpIdent(rs);
}

void TripPlanning::LookUpIdent(Recordset& rs) {
    // Blanks around the typed identifier do not count; the stored one must match it exactly.
    const QString ident = Trim(IdentToFind);
    s_.LookupResult = LookupValues::Result::NotFound;
    try {
        if (!FindIdentOrIata(rs, ident)) return;
        if (textOf(rs, "Ident") != ident) {
            // Found by its IATA code: the identifier box shows the airport's identifier.
            IdentToFind = textOf(rs, "Ident");
            const bool departure = s_.LookupSide == LookupValues::Side::Departure;
            (departure ? txtDepID : txtDestID)->setText(IdentToFind);
        }
        s_.RecIdent = textOf(rs, "Ident");
        LoadAirport(rs);
        s_.LookupResult = LookupValues::Result::Found;
    } catch (const DbError& e) {
        reportDbError(e);
    }
}

void TripPlanning::LoadAirport(Recordset& rs) {
    s_.RecAirportID = static_cast<std::int32_t>(rs.field(QStringLiteral("ID")).toLongLong());
    s_.RecIdent = textOf(rs, "Ident");
    s_.RecCity = textOf(rs, "City");
    s_.RecState = textOf(rs, "State");
    s_.RecLat = textOf(rs, "Lat");
    s_.RecLong = textOf(rs, "Long");
    s_.RecStd = SingleText(rs.field(QStringLiteral("Std")).toFloat());
    s_.RecDay = SingleText(rs.field(QStringLiteral("Day")).toFloat());
    s_.RecZoneCode = textOf(rs, "ZoneCode");
    s_.RecComments = textOf(rs, "Comments");

    const QString shown = s_.RecCity + QStringLiteral(", ") + s_.RecState;
    const QString trimmed = RTrim(s_.RecCity) + QStringLiteral(", ") + RTrim(s_.RecState);
    Leg& leg = s_.cur();
    if (s_.LookupSide == LookupValues::Side::Departure) {
        txtDepCity->setText(shown);
        leg.DepCityState = trimmed;
        leg.DepCityStateF = trimmed;
    } else {
        txtDestCity->setText(shown);
        leg.DestCityState = trimmed;
    }

    HasServices = false;
    for (const ServiceList& list : serviceSlots()) fillServiceList(list, s_.RecAirportID);
}

// The airport's rows of one kind into one list, every row with its ID; the default row (or the
// first) is then chosen, which makes it the airport's default if it is not yet.
void TripPlanning::fillServiceList(const ServiceList& list, qint64 airportId) {
    const std::vector<ServiceRow> rows = ServiceRowsOf(app_.adb.db, list.table, airportId);
    list.box->clear();
    list.ids->assign(1, 0);  // position 0 is never a row
    if (rows.empty()) return;
    HasServices = true;
    const bool fbo = list.table == ServiceTable::FBOs;
    const auto isDefault = [](const ServiceRow& r) { return r.Default; };
    const auto chosen = std::find_if(rows.begin(), rows.end(), isDefault);
    for (const ServiceRow& row : rows) {
        list.box->addItem(ServiceListLine(row, fbo));
        list.ids->push_back(row.ID);
    }
    // Without a default the first row becomes the airport's default; the FBO's name and phone
    // are the ones the leg then names.
    const ServiceRow& shown = chosen == rows.end() ? rows.front() : *chosen;
    if (fbo) {
        s_.RecFBOName = shown.Name;
        s_.RecFBOPhone = shown.PhoneNumber;
        s_.RecFBOFreq = shown.Freq;
    }
    list.box->setCurrentIndex(static_cast<int>(&shown - rows.data()));
    serviceChosen(list);  // a selection made here raises no click of its own
}

// ---------------------------------------------------------------------------------------------
// The city search

void TripPlanning::SearchCity(Recordset& rs) {
    const QString text = lookup_.SearchBox ? Trim(lookup_.SearchBox->text()) : QString();
    switch (tx::SearchCity(app_.adb, text)) {
        case CitySearch::Words:
            ShowFoundAirport(*app_.adb.MatchesRs);
            return;
        case CitySearch::None:
            // A text that sorts after every city finds nothing: the last airport in city order
            // is shown.
            rs.moveLast();
            break;
        case CitySearch::CityStart:
        case CitySearch::After:
            break;
    }
    ShowFoundAirport(rs);
}

void TripPlanning::ShowFoundAirport(Recordset& rs) {
    if (rs.bof() || rs.eof()) return;  // an airport database without airports
    const QString cityState =
        Trim(textOf(rs, "City")) + QStringLiteral(", ") + Trim(textOf(rs, "State"));
    const QString ident = textOf(rs, "Ident");
    Leg& leg = s_.cur();
    if (s_.LookupSide == LookupValues::Side::Departure) {
        txtDepCity->show();
        txtDepSearch->hide();
        txtDepID->setText(ident);  // empties the city box
        leg.DepCityStateF = cityState;
        txtDepCity->setText(cityState);
        leg.DepID = txtDepID->text();
    } else {
        txtDestCity->show();
        txtDestSearch->hide();
        txtDestID->setText(ident);
        leg.DestCityStateF = cityState;
        txtDestCity->setText(cityState);
        leg.DestID = txtDestID->text();
    }
}

// After a failed lookup: the search box of the side, emptied, in place of its city box.
void TripPlanning::startCitySearch(bool departure) {
    QLineEdit* search = departure ? txtDepSearch : txtDestSearch;
    QLineEdit* city = departure ? txtDepCity : txtDestCity;
    lblNotes->setText(kSearchStartPrompt);
    search->clear();
    search->show();
    events_.SetFocus(search);
    city->hide();
}

void TripPlanning::txtDepCity_GotFocus() {
    s_.LookupSide = LookupValues::Side::Departure;
    txtDepSearch->show();
    events_.SetFocus(txtDepSearch);
    txtDepCity->hide();
}

void TripPlanning::txtDestCity_GotFocus() {
    s_.LookupSide = LookupValues::Side::Destination;
    txtDestSearch->show();
    events_.SetFocus(txtDestSearch);
    txtDestCity->hide();
}

void TripPlanning::txtDepCity_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    events_.SetFocus(txtDepID);
}

// Back and Cancel end a city search on either side: the city boxes come back, the search
// boxes and the browse buttons go.
void TripPlanning::endCitySearch() {
    for (QWidget* w : {txtDepSearch, txtDestSearch}) w->hide();
    for (QWidget* w : {cmdDepPrev, cmdDepNext, cmdDestPrev, cmdDestNext}) w->hide();
    for (QWidget* w : {txtDepCity, txtDestCity}) w->show();
}

void TripPlanning::txtDepSearch_GotFocus() {
    lblNotes->setText(kSearchPrompt);
}

void TripPlanning::txtDestSearch_GotFocus() {
    lblNotes->setText(kSearchPrompt);
}

void TripPlanning::txtDepSearch_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtDestSearch_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtDepSearch_KeyPress(int& KeyAscii) {
    lookup_.SearchBox = txtDepSearch;
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    searchReturn(true);
}

void TripPlanning::txtDestSearch_KeyPress(int& KeyAscii) {
    lookup_.SearchBox = txtDestSearch;
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    searchReturn(false);
}

void TripPlanning::searchReturn(bool departure) {
    if (app_.adb.AirportsRs) {
        try {
            SearchCity(*app_.adb.AirportsRs);
        } catch (const DbError& e) {
            reportDbError(e);
        }
    }
    (departure ? cmdDepPrev : cmdDestPrev)->show();
    (departure ? cmdDepNext : cmdDestNext)->show();
    QLineEdit* ident = departure ? txtDepID : txtDestID;
    (departure ? txtDepCity : txtDestCity)->setEnabled(true);
    ident->setEnabled(true);
    events_.SetFocus(ident);
}

// ---------------------------------------------------------------------------------------------
// Browsing in city order

void TripPlanning::browse(bool departure, bool forward) {
    // Through the airports a word search found, or in city order.
    if (Recordset* rs = app_.adb.stepped()) {
        try {
            if (forward) {
                rs->moveNext();
                if (rs->eof()) {
                    rs->moveLast();
                    app_.platform.beep();
                    app_.platform.messageBox(
                        this,
                        QStringLiteral(
                            "You are at the end of the recordset and can go no further."),
                        QStringLiteral("Sorry."), Platform::Buttons::OK);
                } else {
                    ShowFoundAirport(*rs);
                }
            } else {
                rs->movePrevious();
                if (rs->bof()) {
                    rs->moveFirst();
                    app_.platform.beep();
                    app_.platform.messageBox(this,
                                             QStringLiteral("You are at the beginning of the "
                                                            "recordset and can go no further."),
                                             QStringLiteral("Sorry."), Platform::Buttons::OK);
                } else {
                    ShowFoundAirport(*rs);
                }
            }
        } catch (const DbError& e) {
            reportDbError(e);
        }
    }
    events_.SetFocus(departure ? txtDepID : txtDestID);
}

void TripPlanning::cmdDepPrev_Click() {
    browse(true, false);
}
void TripPlanning::cmdDepNext_Click() {
    browse(true, true);
}
void TripPlanning::cmdDestPrev_Click() {
    browse(false, false);
}
void TripPlanning::cmdDestNext_Click() {
    browse(false, true);
}

}  // namespace tx
