#include "windows/airportinfo/View.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "airportdb/Backup.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/Mnemonics.h"
#include "windows/kit/WindowSize.h"

namespace tx {

View::View(WindowSwitch& app) : QMainWindow(nullptr), app_(app), s_(app.s), events_(this) {
    setObjectName(QStringLiteral("View"));
    resize(kMainWindowSize);
    buildMenus();
    UseMnemonics(this);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("viewPage"));
    setCentralWidget(page);
    buildPage(page);

    const std::array<ServiceTable, 5> tables{ServiceTable::FBOs, ServiceTable::CrewHotels,
                                             ServiceTable::PaxHotels, ServiceTable::Limos,
                                             ServiceTable::Catering};
    const std::array<ServiceIDs*, 5> ids{&FBOIDs, &CrewHotelIDs, &PaxHotelIDs, &LimoIDs,
                                         &CateringIDs};
    const std::array<QAction*, 5> adds{mnuFilAddFBO, mnuFilAddCrewHotel, mnuFilAddPaxHotel,
                                       mnuFilAddLimo, mnuFilAddCat};
    const std::array<QAction*, 5> edits{mnuEdiFBO, mnuEdiCrew, mnuEdiPax, mnuEdiLimos,
                                        mnuEdiCatering};
    const std::array<QAction*, 5> deletes{mnuFilDelFBO, mnuFilDelCrew, mnuFilDelPax, mnuFilDelLimo,
                                          mnuFilDelCat};
    for (size_t i = 0; i < families_.size(); ++i) {
        Family& f = families_[i];
        const QString kind = ServiceKind(tables[i]);
        f.table = tables[i];
        f.list = serviceLists()[i];
        f.ids = ids[i];
        f.addCaption = QStringLiteral("   Add %1   ").arg(kind);
        f.editCaption = QStringLiteral("   Edit %1 Data   ").arg(kind);
        f.deleteTitle = QStringLiteral("Delete %1?").arg(kind);
        f.addEntry = adds[i];
        f.editEntry = edits[i];
        f.deleteEntry = deletes[i];
    }

    // Searching comes first in the tab order, then stepping, the airport and its frame.
    QWidget* previous = cmdNext;
    for (QWidget* w : {static_cast<QWidget*>(cmdPrevious), static_cast<QWidget*>(txtID),
                       static_cast<QWidget*>(txtCTY),      static_cast<QWidget*>(cmdIdentOK),
                       static_cast<QWidget*>(cmdCityOK),   static_cast<QWidget*>(txtIdentifier),
                       static_cast<QWidget*>(txtCity),     static_cast<QWidget*>(txtState),
                       static_cast<QWidget*>(txtLatitude), static_cast<QWidget*>(txtLongitude),
                       static_cast<QWidget*>(txtStandard), static_cast<QWidget*>(txtDay),
                       static_cast<QWidget*>(txtZoneCode), static_cast<QWidget*>(txtComment),
                       static_cast<QWidget*>(txtIATA),     static_cast<QWidget*>(txtName),
                       static_cast<QWidget*>(txtKind),     static_cast<QWidget*>(cmdAddOK),
                       static_cast<QWidget*>(cmdSave),     static_cast<QWidget*>(cmdCxAddEdit)}) {
        setTabOrder(previous, w);
        previous = w;
    }

    connectSearchHandlers();
    connectAirportHandlers();
    connectServiceHandlers();
    // A focused button is pressed with <Return> as well as with the space bar.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(true);
    Form_Load();
}

View::~View() = default;

View::Family& View::family(ServiceTable t) {
    for (Family& f : families_)
        if (f.table == t) return f;
    return families_[0];
}

// ---------------------------------------------------------------------------------------------
// Opening and leaving the window

void View::Form_Load() {
    setWindowTitle(s_.VersionText);
    ClearAirportFields();
    CentreOnScreen(this);
    for (QLineEdit* box : {txtID, txtCTY}) {
        box->clear();
        box->show();
    }
    txtIdentifier->hide();
    txtCity->hide();
    for (QWidget* w : {static_cast<QWidget*>(lblID), static_cast<QWidget*>(lblCTY),
                       static_cast<QWidget*>(cmdIdentOK), static_cast<QWidget*>(cmdCityOK),
                       static_cast<QWidget*>(cmdAddOK), static_cast<QWidget*>(cmdSave),
                       static_cast<QWidget*>(cmdCxAddEdit), static_cast<QWidget*>(cmdPrevious),
                       static_cast<QWidget*>(cmdNext)})
        w->hide();
    NoTabAirportFields();
    frameAddAP->hide();
    for (Family& f : families_) f.frame->hide();
    InitViewMenus();
    try {
        app_.adb.AirportsRs.emplace(OpenAirports(app_.adb.db));
    } catch (const DbError& e) {
        reportDbError(e);
    }
    LockAirportFields();
    txtID->setFocus();
}

void View::mnuFilExit_Click() {
    app_.SwitchTo(WindowSwitch::Window::TripPlanning, this);
}

void View::mnuExit_Click() {
    app_.ExitTarvex(this);
}

void View::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) StartVisit();
}

// However the last visit ended, the next starts in the identifier search with the airport last
// shown ready to search again, selected so that typing replaces it; nothing is shown until a
// search finds it, so the entries that act on the airport shown wait for it.
void View::StartVisit() {
    UnlockAfterService();
    for (QWidget* w : {static_cast<QWidget*>(cmdPrevious), static_cast<QWidget*>(cmdNext),
                       static_cast<QWidget*>(txtIdentifier), static_cast<QWidget*>(txtCity)})
        w->hide();
    txtID->show();
    txtCTY->show();
    txtID->setText(txtIdentifier->text());
    txtCTY->clear();
    ClearAirportFields();
    ClearServiceLists();
    InitViewMenus();
    txtID->setFocus();
    txtID_GotFocus();
}

void View::closeEvent(QCloseEvent* event) {
    // Closing the window goes back to the planning page, unless an entry frame is open.
    event->ignore();
    if (app_.ended())
        event->accept();
    else if (mnuFile->menuAction()->isEnabled())
        mnuFilExit_Click();
}

bool View::focusNextPrevChild(bool next) {
    return FocusStaysPut(this) || QMainWindow::focusNextPrevChild(next);
}

void View::reportDbError(const DbError& e) {
    app_.platform.messageBox(this, DbErrorMessage(app_.adb, e), QStringLiteral("Tarvex"),
                             Platform::Buttons::OK, Platform::Icon::Critical);
}

Recordset* View::airports() const {
    return app_.adb.AirportsRs ? &*app_.adb.AirportsRs : nullptr;
}

// The shared cursor standing on the airport shown (it is found again should the cursor have
// moved); null when no airport is shown.
Recordset* View::shownAirport() {
    Recordset* rs = airports();
    if (!rs || ViewAirportID == 0) return nullptr;
    try {
        if (!rs->bof() && !rs->eof() &&
            rs->field(QStringLiteral("ID")).toLongLong() == ViewAirportID)
            return rs;
    } catch (const DbError&) {
        // the current row is gone: find the airport by its ID below
    }
    try {
        if (rs->findFirst(IdIs(ViewAirportID))) return rs;
    } catch (const DbError& e) {
        reportDbError(e);
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Control states

std::array<QWidget*, 12> ViewControls::airportBoxes() const {
    return {txtIdentifier, txtCity,     txtState,   txtLatitude, txtLongitude, txtStandard,
            txtDay,        txtZoneCode, txtComment, txtIATA,     txtName,      txtKind};
}

std::array<QComboBox*, 5> ViewControls::serviceLists() const {
    return {cboFBOs, cboCrewHotels, cboPaxHotels, cboLimos, cboCatering};
}

void View::ClearAirportFields() {
    for (QLineEdit* box : {txtIdentifier, txtCity, txtState, txtLatitude, txtLongitude, txtStandard,
                           txtDay, txtZoneCode, txtIATA, txtName, txtKind})
        box->clear();
    txtComment->clear();
}

void View::LockAirportFields() {
    for (QLineEdit* box : {txtIdentifier, txtCity, txtState, txtLatitude, txtLongitude, txtStandard,
                           txtDay, txtZoneCode, txtIATA, txtName, txtKind})
        box->setReadOnly(true);
    txtComment->setReadOnly(true);
}

void View::UnlockAirportFields() {
    for (QLineEdit* box : {txtIdentifier, txtCity, txtState, txtLatitude, txtLongitude, txtStandard,
                           txtDay, txtZoneCode, txtIATA, txtName, txtKind})
        box->setReadOnly(false);
    txtComment->setReadOnly(false);
}

void View::NoTabAirportFields() {
    for (QWidget* w : {static_cast<QWidget*>(txtState), static_cast<QWidget*>(txtLatitude),
                       static_cast<QWidget*>(txtLongitude), static_cast<QWidget*>(txtStandard),
                       static_cast<QWidget*>(txtDay), static_cast<QWidget*>(txtZoneCode),
                       static_cast<QWidget*>(txtComment), static_cast<QWidget*>(txtIATA),
                       static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtKind)})
        w->setFocusPolicy(Qt::ClickFocus);
}

void View::TabAirportFields() {
    for (QWidget* w : airportBoxes()) w->setFocusPolicy(Qt::StrongFocus);
}

void View::ClearServiceLists() {
    for (QComboBox* list : serviceLists()) list->clear();
}

void View::InitViewMenus() {
    mnuFilAddAP->setEnabled(true);
    setAll(std::array{mnuFilAddFBO, mnuFilAddCrewHotel, mnuFilAddPaxHotel, mnuFilAddLimo,
                      mnuFilAddCat, mnuFilPrint, mnuFilDel, mnuFilDelAP, mnuFilDelFBO,
                      mnuFilDelCrew, mnuFilDelPax, mnuFilDelLimo, mnuFilDelCat, mnuEdiAP, mnuEdiFBO,
                      mnuEdiCrew, mnuEdiPax, mnuEdiLimos, mnuEdiCatering},
           false);
}

void View::DisableMainMenus() {
    setAll(std::array{mnuFile->menuAction(), mnuEdit->menuAction(), mnuFilSearch->menuAction()},
           false);
}

void View::EnableMainMenus() {
    setAll(std::array{mnuFile->menuAction(), mnuEdit->menuAction(), mnuFilSearch->menuAction()},
           true);
}

void View::LockForService() {
    DisableMainMenus();
    setAll(airportBoxes(), false);
    setAll(serviceLists(), false);
}

void View::UnlockAfterService() {
    EnableMainMenus();
    setAll(airportBoxes(), true);
    setAll(serviceLists(), true);
}

void View::SelectAllText(QLineEdit* box) {
    box->setCursorPosition(0);
    box->setSelection(0, static_cast<int>(box->text().size()));
}

}  // namespace tx
