// Steps 5 and 6 of a leg: the departure and the destination airport. A found airport's values
// are written into the leg and that end of the leg is computed; the destination also proposes the
// leg's wind and may open the services frame.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "calc/LegEnds.h"
#include "core/Text.h"
#include "planning/StoredWinds.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/KeyCodes.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

namespace {

const QString kAirportPrompt =
    QStringLiteral("  Enter Airport ID, or Press <Return> for City Search.");

// A city of more than 14 characters is cut to 15 for the leg lines.
QString legCity(const QString& city) {
    return city.size() > 14 ? PadCut(city, 15) : city;
}

}  // namespace

void TripPlanning::connectAirportHandlers() {
    events_.GotFocus(txtDepID, this, &TripPlanning::txtDepID_GotFocus);
    events_.KeyPress(txtDepID, this, &TripPlanning::txtDepID_KeyPress);
    events_.LostFocus(txtDepID, this, &TripPlanning::txtDepID_LostFocus);
    events_.Change(txtDepID, this, &TripPlanning::txtDepID_Change);
    events_.Click(txtDepCity, this, &TripPlanning::txtDepCity_Click);
    events_.GotFocus(txtDepCity, this, &TripPlanning::txtDepCity_GotFocus);
    events_.KeyPress(txtDepCity, this, &TripPlanning::txtDepCity_KeyPress);
    events_.GotFocus(txtDestID, this, &TripPlanning::txtDestID_GotFocus);
    events_.KeyPress(txtDestID, this, &TripPlanning::txtDestID_KeyPress);
    events_.LostFocus(txtDestID, this, &TripPlanning::txtDestID_LostFocus);
    events_.Change(txtDestID, this, &TripPlanning::txtDestID_Change);
    events_.Click(txtDestCity, this, &TripPlanning::txtDestCity_Click);
    events_.GotFocus(txtDestCity, this, &TripPlanning::txtDestCity_GotFocus);
    events_.GotFocus(txtDepSearch, this, &TripPlanning::txtDepSearch_GotFocus);
    events_.KeyPress(txtDepSearch, this, &TripPlanning::txtDepSearch_KeyPress);
    events_.LostFocus(txtDepSearch, this, &TripPlanning::txtDepSearch_LostFocus);
    events_.GotFocus(txtDestSearch, this, &TripPlanning::txtDestSearch_GotFocus);
    events_.KeyPress(txtDestSearch, this, &TripPlanning::txtDestSearch_KeyPress);
    events_.LostFocus(txtDestSearch, this, &TripPlanning::txtDestSearch_LostFocus);
    events_.Click(cmdDepPrev, this, &TripPlanning::cmdDepPrev_Click);
    events_.Click(cmdDepNext, this, &TripPlanning::cmdDepNext_Click);
    events_.Click(cmdDestPrev, this, &TripPlanning::cmdDestPrev_Click);
    events_.Click(cmdDestNext, this, &TripPlanning::cmdDestNext_Click);
}

// ---------------------------------------------------------------------------------------------
// Step 5: the departure airport

void TripPlanning::txtDepID_GotFocus() {
    EntryStep = 5;
    txtDepSearch->hide();
    txtDepCity->show();
    txtDepCity->setEnabled(true);
    lblNotes->setText(kAirportPrompt);
    s_.LookupSide = LookupValues::Side::Departure;
    HasServices = false;
    txtDepID->setText(s_.cur().DepID);
    SelectAllText(txtDepID);
    DisableServiceLists();
}

void TripPlanning::txtDepID_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtDepID_Change() {
    txtDepCity->setText(QString());
}

void TripPlanning::txtDepCity_Click() {
    txtDepID->setText(QString());
}

void TripPlanning::txtDepID_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    s_.LookupSide = LookupValues::Side::Departure;
    s_.CurFBO = QStringLiteral(" ");
    s_.RecFBOName.clear();
    s_.RecFBOPhone.clear();
    txtDepID->setEnabled(false);
    txtDepCity->setEnabled(false);
    txtDepID->setText(Trim(txtDepID->text().toUpper()));
    IdentToFind = txtDepID->text();
    if (app_.adb.AirportsRs)
        LookUpIdent(*app_.adb.AirportsRs);
    else
        s_.LookupResult = LookupValues::Result::NotFound;
    if (s_.LookupResult != LookupValues::Result::Found) {
        txtDepID->setText(QString());
        txtDepCity->setText(QString());
        startCitySearch(true);
        return;
    }
    departureFound();
}

void TripPlanning::departureFound() {
    txtDepSearch->setText(QString());
    cmdDepPrev->hide();
    cmdDepNext->hide();

    Leg& leg = s_.cur();
    leg.DepID = s_.RecIdent;
    leg.DepCity = legCity(s_.RecCity);
    leg.DepFBO = s_.CurFBO;
    leg.DepState = s_.RecState;
    leg.DepFBONamePhone = s_.RecFBOName + QStringLiteral("  ") + s_.RecFBOPhone;
    leg.DepStd = s_.RecStd;
    leg.DepDay = s_.RecDay;
    leg.DepZoneCode = s_.RecZoneCode;
    DepartureEnd(s_, s_.RecLat, s_.RecLong);

    ServicesSide = Side::Departure;
    for (QMenu* m : {mnufil, mnuEdit, mnuView, mnuSettings}) m->menuAction()->setEnabled(false);
    if (s_.CurLeg != 1) {
        ClearServiceLists();
        Label27->show();
        txtDepID->setEnabled(false);
        txtDepCity->setEnabled(false);
        txtDestID->setEnabled(true);
        events_.SetFocus(txtDestID);
        return;
    }
    // The departure of the first leg offers its services too.
    DisableEntryFields();
    Label27->hide();
    if (HasServices) {
        openServicesFrame();
        return;
    }
    txtDestID->setEnabled(true);
    lblNotes->setText(QString());
    events_.SetFocus(txtDestID);
}

// ---------------------------------------------------------------------------------------------
// Step 6: the destination airport

void TripPlanning::txtDestID_GotFocus() {
    EntryStep = 6;
    Label27->show();
    txtDestSearch->hide();
    txtDestCity->show();
    txtDestCity->setEnabled(true);
    lblNotes->setText(kAirportPrompt);
    s_.LookupSide = LookupValues::Side::Destination;
    HasServices = false;
    Leg& leg = s_.cur();
    txtDepCity->setText(leg.DepCityStateF);
    // A leg entered in front of another is led to that leg's departure; a destination that is
    // the departure itself is not offered.
    if (leg.DestID.isEmpty()) {
        const Leg& next = s_.leg(s_.CurLeg + 1);
        leg.DestID = next.DepID;
        leg.DestCityStateF = next.DepCityStateF;
    }
    if (leg.DestID == leg.DepID) {
        leg.DestID.clear();
        leg.DestCityStateF.clear();
        txtDestID->setText(QString());
    }
    txtDestID->setText(leg.DestID);
    SelectAllText(txtDestID);
}

void TripPlanning::txtDestID_LostFocus() {
    lblNotes->setText(QString());
}

void TripPlanning::txtDestID_Change() {
    txtDestCity->setText(QString());
}

void TripPlanning::txtDestCity_Click() {
    txtDestID->setText(QString());
}

void TripPlanning::txtDestID_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    s_.LookupSide = LookupValues::Side::Destination;
    txtDestID->setEnabled(false);
    txtDestCity->setEnabled(false);
    EnableServiceLists();
    txtDestID->setText(Trim(txtDestID->text().toUpper()));
    IdentToFind = txtDestID->text();
    for (QString* line :
         {&s_.CurFBO, &s_.CurCrewHotel, &s_.CurPaxHotel, &s_.CurLimo, &s_.CurCatering})
        *line = QStringLiteral(" ");
    s_.RecFBOName.clear();
    s_.RecFBOPhone.clear();
    if (app_.adb.AirportsRs)
        LookUpIdent(*app_.adb.AirportsRs);
    else
        s_.LookupResult = LookupValues::Result::NotFound;
    if (s_.LookupResult != LookupValues::Result::Found) {
        txtDestID->setText(QString());
        txtDestCity->setText(QString());
        startCitySearch(false);
        return;
    }
    destinationFound();
}

void TripPlanning::destinationFound() {
    cmdDestPrev->hide();
    cmdDestNext->hide();

    Leg& leg = s_.cur();
    leg.DestID = s_.RecIdent;
    leg.DestFBO = s_.CurFBO;
    leg.DestCrewHotel = s_.CurCrewHotel;
    leg.DestPaxHotel = s_.CurPaxHotel;
    leg.DestLimo = s_.CurLimo;
    leg.DestCatering = s_.CurCatering;
    leg.DestCity = legCity(s_.RecCity);
    leg.DestState = s_.RecState;
    leg.DestFBONamePhone = s_.RecFBOName + QStringLiteral("  ") + s_.RecFBOPhone;
    leg.DestStd = s_.RecStd;
    leg.DestDay = s_.RecDay;
    leg.DestZoneCode = s_.RecZoneCode;
    DestinationEnd(s_, s_.RecLat, s_.RecLong);

    // The stored winds of the leg's latitude band propose its wind.
    ChooseWindTable(s_);
    txtWind->setText(NumText(ScaledWind(s_)));

    ServicesSide = Side::Destination;
    DisableEntryFields();
    if (HasServices) {
        openServicesFrame();
        return;
    }
    lblNotes->setText(QString());
    txtDestSearch->setText(QString());
    txtWind->setEnabled(true);
    events_.SetFocus(txtWind);
}

}  // namespace tx
