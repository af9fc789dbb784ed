#pragma once
// The airport information window: an airport found by identifier or city and stepped through in
// city order, shown with its five service lists; the adding, revising and deleting of airports
// and of their services in frames of their own.
#include <QMainWindow>
#include <array>
#include <optional>
#include <vector>

#include "airportdb/AirportRecords.h"
#include "airportdb/ServiceRecords.h"
#include "airportdb/Statements.h"
#include "platform/Platform.h"
#include "windows/airportinfo/ViewControls.h"
#include "windows/kit/EventAdapter.h"

namespace tx {

class WindowSwitch;
class PlanState;

// The controls (ViewControls) are public so that tests and screenshots reach them by name;
// everything the window does happens through them.
class View : public QMainWindow, public ViewControls {
    Q_OBJECT
  public:
    // Builds every control and frame and runs Form_Load; the window stays hidden.
    explicit View(WindowSwitch& app);
    ~View() override;

  private:
    // ---- View.cpp ----
    void Form_Load();
    void mnuFilExit_Click();
    void mnuExit_Click();
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    // ---- AirportSearch.cpp: finding and stepping ----
    void txtID_GotFocus();
    void txtID_KeyPress(int& KeyAscii);
    void txtCTY_GotFocus();
    void txtCTY_LostFocus();
    void txtCTY_KeyPress(int& KeyAscii);
    void cmdIdentOK_Click();
    void cmdCityOK_Click();
    void cmdNext_Click();
    void cmdNext_GotFocus();
    void cmdPrevious_Click();
    void mnuFilSeaID_Click();
    void mnuFilSeaCity_Click();
    void mnuFilPrint_Click();

    // ---- AirportRecords.cpp ----
    void mnuFilAddAP_Click();
    void mnuEdiAP_Click();
    void mnuFilDelAP_Click();
    void cmdAddOK_Click();
    void cmdSave_Click();
    void cmdCxAddEdit_Click();
    void txtIdentifier_GotFocus();
    void txtIdentifier_LostFocus();
    void txtIdentifier_KeyPress(int& KeyAscii);
    void txtCity_KeyPress(int& KeyAscii);
    void txtState_KeyPress(int& KeyAscii);
    void txtLatitude_KeyPress(int& KeyAscii);
    void txtLongitude_KeyPress(int& KeyAscii);
    void txtStandard_KeyPress(int& KeyAscii);
    void txtDay_KeyPress(int& KeyAscii);
    void txtZoneCode_KeyPress(int& KeyAscii);
    void txtComment_KeyPress(int& KeyAscii);
    void txtIATA_KeyPress(int& KeyAscii);
    void txtName_KeyPress(int& KeyAscii);
    void txtKind_KeyPress(int& KeyAscii);

    // ---- ServiceRecords.cpp: the pick rule of the lists ----
    void cboFBOs_Click();
    void cboCrewHotels_Click();
    void cboPaxHotels_Click();
    void cboLimos_Click();
    void cboCatering_Click();

    // ==== Helpers ====

    // ---- ViewLayout.cpp: building the window ----
    void buildMenus();
    void buildPage(QWidget* page);
    void buildServiceFrames(QWidget* page);

    // ---- View.cpp ----
    using ServiceIDs = std::vector<qint64>;
    // One family of services: its table, list, ID table, frame and the controls in it, and its
    // menu entries and texts.
    struct Family {
        ServiceTable table;
        QComboBox* list;
        ServiceIDs* ids;
        QGroupBox* frame;
        QString addCaption, editCaption, deleteTitle;
        QLineEdit *name, *phone, *freq;  // freq: FBOs only
        QPushButton *enter, *revise, *cancel;
        QAction *addEntry, *editEntry, *deleteEntry;
    };
    Family& family(ServiceTable t);
    void StartVisit();
    void reportDbError(const DbError& e);
    Recordset* airports() const;
    Recordset* shownAirport();
    // Control states
    void ClearAirportFields();
    void LockAirportFields();
    void UnlockAirportFields();
    void NoTabAirportFields();
    void TabAirportFields();
    void ClearServiceLists();
    void InitViewMenus();
    void DisableMainMenus();
    void EnableMainMenus();
    void LockForService();
    void UnlockAfterService();
    static void SelectAllText(QLineEdit* box);
    template <class Range>
    static void setAll(const Range& controls, bool on) {
        for (auto* c : controls) c->setEnabled(on);
    }

    // ---- AirportSearch.cpp ----
    void connectSearchHandlers();
    bool ShowAirport(Recordset& rs);
    void FindIdent(Recordset& rs);
    void FindCity(Recordset& rs);
    void disableSearchSet();
    void showSearchMode();
    void showFoundMode();
    void step(bool forward);

    // ---- AirportRecords.cpp ----
    void connectAirportHandlers();
    // A character typed into a box that holds `limit` characters is not taken; a longer text
    // from the database stays until Enter cuts it.
    static void limitTyping(int length, int selected, int limit, int& KeyAscii);
    AirportFields typedFields() const;
    QWidget* boxOf(AirportField f) const;
    void leaveIdentifier(bool byEnter);
    void refuseBox(const QString& text, const QString& title, Platform::Icon icon, QWidget* box);
    bool storeAirport(Recordset& rs, bool adding);
    void endAirportEntry();

    // ---- ServiceRecords.cpp: the five families' frames ----
    void connectServiceHandlers();
    void fillServiceList(Family& f, qint64 airportId);
    void pick(Family& f);
    std::optional<ServiceRow> fillServiceFields(Family& f);
    void clearServiceFields(Family& f);
    void ClearFBOFields();
    void ClearCrewHotelFields();
    void ClearPaxHotelFields();
    void ClearLimoFields();
    void ClearCateringFields();
    void openServiceFrame(Family& f, bool revise);
    void closeServiceFrame(Family& f);
    void serviceBoxKeyPress(Family& f, QLineEdit* box, int& KeyAscii);
    bool refusedService(Family& f, const std::optional<QString>& refusal);
    void okToAdd(Family& f);
    void okToRevise(Family& f);
    void cancelService(Family& f);
    void deleteSelected(Family& f);
    void deleteService(Family& f);
    void DeleteFBO();
    void DeleteCrewHotel();
    void DeletePaxHotel();
    void DeleteLimo();
    void DeleteCatering();

    // ==== State ====

    WindowSwitch& app_;
    PlanState& s_;
    EventAdapter events_;

    qint64 ViewAirportID = 0;  // the airport shown; 0 when none is
    QString ViewIdent;
    // The row ID of each entry of a service list: entry k holds the k-th line's row (list
    // position k - 1); entry 0 is never used. Each grows with its list, so every row listed can
    // be picked, revised and deleted. The families hold them; the lists fill and read them.
    ServiceIDs FBOIDs, CrewHotelIDs, PaxHotelIDs, LimoIDs, CateringIDs;
    std::array<Family, 5> families_{};
    bool AirportMode = false;  // a new airport is entered, until its identifier is left
    bool ServiceMode = false;  // a service frame is open
};

}  // namespace tx
