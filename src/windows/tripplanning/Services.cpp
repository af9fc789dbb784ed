// The services frame: the five service lists of an airport with its defaults preselected, the
// choice of another entry (which becomes the airport's default at once), and the leg's
// include-in-printout flags.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

void TripPlanning::connectServiceHandlers() {
    events_.Click(cboFBOs, this, &TripPlanning::cboFBOs_Click);
    events_.Click(cboCrewHotels, this, &TripPlanning::cboCrewHotels_Click);
    events_.Click(cboPaxHotels, this, &TripPlanning::cboPaxHotels_Click);
    events_.Click(cboLimos, this, &TripPlanning::cboLimos_Click);
    events_.Click(cboCatering, this, &TripPlanning::cboCatering_Click);
    events_.Click(chkPlanFBO, this, &TripPlanning::chkPlanFBO_Click);
    events_.Click(chkPlanCr, this, &TripPlanning::chkPlanCr_Click);
    events_.Click(chkPlanPax, this, &TripPlanning::chkPlanPax_Click);
    events_.Click(chkPlanLimo, this, &TripPlanning::chkPlanLimo_Click);
    events_.Click(chkPlanCat, this, &TripPlanning::chkPlanCat_Click);
    events_.Click(cmdSelFBOok, this, &TripPlanning::cmdSelFBOok_Click);
}

// ---------------------------------------------------------------------------------------------
// Opening and closing the frame

void TripPlanning::openServicesFrame() {
    const std::array<QCheckBox*, 5> checks{chkPlanFBO, chkPlanCr, chkPlanPax, chkPlanLimo,
                                           chkPlanCat};
    if (ServicesSide == Side::Departure) {
        // The first leg's departure: its lists only, no flags (they belong to destinations).
        EnableServiceLists();
        lboTX->setEnabled(false);
        for (QCheckBox* c : checks) c->hide();
        Label27->hide();
        lblDepDestCity->setText(txtDepCity->text() + QStringLiteral(" - (") + txtDepID->text() +
                                u')');
    } else {
        for (QMenu* m : {mnufil, mnuEdit, mnuView, mnuSettings}) m->menuAction()->setEnabled(false);
        lboTX->setEnabled(false);
        Leg& leg = s_.cur();
        leg.InclFBO = 1;
        // An empty flag shows unchecked; closing the frame stores what the boxes show.
        const std::array<std::optional<int>, 5> flags{
            leg.InclFBO, leg.InclCrewHotel, leg.InclPaxHotel, leg.InclLimo, leg.InclCatering};
        for (size_t i = 0; i < checks.size(); ++i) checks[i]->setChecked(flags[i].value_or(0) == 1);
        lblDepDestCity->setText(txtDestCity->text() + QStringLiteral(" - (") + txtDestID->text() +
                                u')');
    }
    // Only the frame's own controls lead on: the step buttons of the entry frame wait too.
    cmdBack->setEnabled(false);
    cmdLegCancel->setEnabled(false);
    placeFrames();  // over the list as it is laid out now
    frameFBOs->show();
    frameFBOs->raise();
    cmdSelFBOok->setEnabled(true);
    events_.SetFocus(cmdSelFBOok);
}

// The leg list stays locked: the leg's entry goes on. A destination's print flags are what its
// boxes show as the frame closes, an unchecked box included.
void TripPlanning::cmdSelFBOok_Click() {
    if (ServicesSide == Side::Destination) {
        const std::pair<QCheckBox*, std::optional<int> Leg::*> flags[] = {
            {chkPlanFBO, &Leg::InclFBO},
            {chkPlanCr, &Leg::InclCrewHotel},
            {chkPlanPax, &Leg::InclPaxHotel},
            {chkPlanLimo, &Leg::InclLimo},
            {chkPlanCat, &Leg::InclCatering}};
        for (auto [box, flag] : flags) s_.cur().*flag = box->isChecked() ? 1 : 0;
    }
    cmdBack->setEnabled(true);
    cmdLegCancel->setEnabled(true);
    DisableLaterFields();
    DisableServiceLists();
    QLineEdit* next = ServicesSide == Side::Departure ? txtDestID : txtWind;
    next->setEnabled(true);
    events_.SetFocus(next);
    for (QCheckBox* c : {chkPlanFBO, chkPlanCr, chkPlanPax, chkPlanLimo, chkPlanCat}) c->show();
    frameFBOs->hide();
}

// ---------------------------------------------------------------------------------------------
// Choosing an entry

// The entry shown in a list becomes the airport's default service of its kind (the row read by its
// ID, then the old default cleared and the new one set in one transaction, unless it already is)
// and the default line of the list.
void TripPlanning::serviceChosen(const ServiceList& list) {
    const size_t p = static_cast<size_t>(list.box->currentIndex() + 1);
    if (p < 1 || p >= list.ids->size()) return;
    const qint64 id = (*list.ids)[p];
    try {
        Recordset row = OpenServiceRow(app_.adb.db, list.table, id);
        if (row.eof()) return;
        const QString name = PadCut(row.field(QStringLiteral("Name")).toString(), 25);
        const QString phone = row.field(QStringLiteral("PhoneNumber")).toString();
        *list.defaultLine = list.table == ServiceTable::FBOs
                                ? name + u' ' + PadCut(phone, 25) + u' ' +
                                      row.field(QStringLiteral("Freq")).toString()
                                : name + u' ' + phone;
        // The destination keeps the FBO chosen here, its name and phone included.
        if (list.table == ServiceTable::FBOs && ServicesSide == Side::Destination) {
            s_.RecFBOName = row.field(QStringLiteral("Name")).toString();
            s_.RecFBOPhone = phone;
            s_.cur().DestFBONamePhone = s_.RecFBOName + QStringLiteral("  ") + s_.RecFBOPhone;
        }
        if (!row.field(QStringLiteral("Default")).toBool())
            MakeDefault(app_.adb.db, list.table, s_.RecAirportID, id);
    } catch (const DbError& e) {
        reportDbError(e);
    }
}

void TripPlanning::cboFBOs_Click() {
    serviceChosen(serviceSlots()[0]);
}
void TripPlanning::cboCrewHotels_Click() {
    serviceChosen(serviceSlots()[1]);
}
void TripPlanning::cboPaxHotels_Click() {
    serviceChosen(serviceSlots()[2]);
}
void TripPlanning::cboLimos_Click() {
    serviceChosen(serviceSlots()[3]);
}
void TripPlanning::cboCatering_Click() {
    serviceChosen(serviceSlots()[4]);
}

// ---------------------------------------------------------------------------------------------
// The include-in-printout flags of the leg being entered

void TripPlanning::includeClicked(QCheckBox* box, std::optional<int> Leg::*flag) {
    s_.cur().*flag = box->isChecked() ? 1 : 0;
    events_.SetFocus(cmdSelFBOok);
}

void TripPlanning::chkPlanFBO_Click() {
    includeClicked(chkPlanFBO, &Leg::InclFBO);
}
void TripPlanning::chkPlanCr_Click() {
    includeClicked(chkPlanCr, &Leg::InclCrewHotel);
}
void TripPlanning::chkPlanPax_Click() {
    includeClicked(chkPlanPax, &Leg::InclPaxHotel);
}
void TripPlanning::chkPlanLimo_Click() {
    includeClicked(chkPlanLimo, &Leg::InclLimo);
}
void TripPlanning::chkPlanCat_Click() {
    includeClicked(chkPlanCat, &Leg::InclCatering);
}

}  // namespace tx
