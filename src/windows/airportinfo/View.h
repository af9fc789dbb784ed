#pragma once
// The airport information window: an airport found by identifier or city and stepped through in
// city order, shown with its five service lists; the adding, revising and deleting of airports
// and of their services in frames of their own.
#include <QMainWindow>
#include <array>
#include <vector>

#include "airportdb/AirportRecords.h"
#include "airportdb/ServiceRecords.h"
#include "airportdb/Statements.h"
#include "platform/Platform.h"
#include "windows/kit/EventAdapter.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tx {

class WindowSwitch;
class PlanState;

class View : public QMainWindow {
    Q_OBJECT
  public:
    explicit View(WindowSwitch& app);
    ~View() override;

    // ---- Menus ----
    QMenu* mnuFile;
    QAction* mnuFilAdd;
    QAction* mnuFilAddFBO;
    QAction* mnuFilAddCrewHotel;
    QAction* mnuFilAddPaxHotel;
    QAction* mnuFilAddLimo;
    QAction* mnuFilAddCat;
    QAction* mnuFilDel;
    QAction* mnuFilDelAP;
    QAction* mnuFilDelFBO;
    QAction* mnuFilDelCrew;
    QAction* mnuFilDelPax;
    QAction* mnuFilDelLimo;
    QAction* mnuFilDelCat;
    QAction* mnuFilAddAP;
    QAction* mnuFilPrint;
    QAction* mnuFilExit;
    QAction* mnuExit;
    QMenu* mnuEdit;
    QAction* mnuEdiAP;
    QAction* mnuEdiFBO;
    QAction* mnuEdiCrew;
    QAction* mnuEdiPax;
    QAction* mnuEdiLimos;
    QAction* mnuEdiCatering;
    QMenu* mnuFilSearch;
    QAction* mnuFilSeaID;
    QAction* mnuFilSeaCity;

    // ---- The airport fields ----
    QLabel* lblIdentifier;
    QLineEdit* txtIdentifier;
    QLabel* lblCity;
    QLineEdit* txtCity;
    QLabel* lblState;
    QLineEdit* txtState;
    QLabel* lblLatitude;
    QLineEdit* txtLatitude;
    QLabel* lblLongitude;
    QLineEdit* txtLongitude;
    QLabel* lblStandard;
    QLineEdit* txtStandard;
    QLabel* lblDay;
    QLineEdit* txtDay;
    QLabel* lblZoneCode;
    QLineEdit* txtZoneCode;
    QLabel* lblComment;
    QPlainTextEdit* txtComment;

    // ---- Search entry and stepping ----
    QLineEdit* txtID;
    QLineEdit* txtCTY;
    QPushButton* cmdIdentOK;
    QPushButton* cmdCityOK;
    QLabel* lblID;
    QLabel* lblCTY;
    QPushButton* cmdNext;
    QPushButton* cmdPrevious;

    // ---- Service lists ----
    QLabel* lblFBOs;
    QComboBox* cboFBOs;
    QLabel* lblCrewHotels;
    QComboBox* cboCrewHotels;
    QLabel* lblPaxHotels;
    QComboBox* cboPaxHotels;
    QLabel* lblLimos;
    QComboBox* cboLimos;
    QLabel* lblCatering;
    QComboBox* cboCatering;

    // ---- Airport frame ----
    QGroupBox* frameAddAP;
    QPushButton* cmdAddOK;
    QPushButton* cmdSave;
    QPushButton* cmdCxAddEdit;

    // ---- Service frames ----
    QGroupBox* frameAddFBO;
    QLineEdit* txtFBOName;
    QLineEdit* txtFBOPhone;
    QLineEdit* txtFBOFreq;
    QPushButton* cmdEnterFBO;
    QPushButton* cmdReviseFBO;
    QPushButton* cmdCancelFBO;
    QGroupBox* frameAddCHot;
    QLineEdit* txtCHotelName;
    QLineEdit* txtCHotelPhone;
    QPushButton* cmdEnterCHot;
    QPushButton* cmdRevCHot;
    QPushButton* cmdCancelCHot;
    QGroupBox* frameAddPHot;
    QLineEdit* txtPHotelName;
    QLineEdit* txtPHotelPhone;
    QPushButton* cmdEnterPHot;
    QPushButton* cmdRevPHot;
    QPushButton* cmdCancelPHot;
    QGroupBox* frameAddLimo;
    QLineEdit* txtLimoName;
    QLineEdit* txtLimoPhone;
    QPushButton* cmdEnterLimo;
    QPushButton* cmdRevLimo;
    QPushButton* cmdCancelLimo;
    QGroupBox* frameAddCat;
    QLineEdit* txtCatName;
    QLineEdit* txtCatPhone;
    QPushButton* cmdEnterCat;
    QPushButton* cmdRevCat;
    QPushButton* cmdCancelCat;

    // ---- Values of the window ----
    qint64 ViewAirportID = 0;  // the airport shown; 0 when none is
    QString ViewIdent;
    // The row ID of each entry of a service list: entry k holds the k-th line's row (list
    // position k - 1); entry 0 is never used. Each grows with its list, so every row listed can
    // be picked, revised and deleted.
    using ServiceIDs = std::vector<qint64>;
    ServiceIDs FBOIDs, CrewHotelIDs, PaxHotelIDs, LimoIDs, CateringIDs;
    bool AirportMode = false;  // a new airport is entered, until its identifier is left
    bool ServiceMode = false;  // a service frame is open

    // ---- Showing and finding airports ----
    void Form_Load();
    bool ShowAirport(Recordset& rs);
    void FindIdent(Recordset& rs);
    void FindCity(Recordset& rs);
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
    void mnuFilExit_Click();
    void mnuExit_Click();
    void StartVisit();

    // ---- Airport records ----
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

    // ---- Service records: the pick rule of the lists, and the five families' frames ----
    void cboFBOs_Click();
    void cboCrewHotels_Click();
    void cboPaxHotels_Click();
    void cboLimos_Click();
    void cboCatering_Click();
    void ClearFBOFields();
    void ClearCrewHotelFields();
    void ClearPaxHotelFields();
    void ClearLimoFields();
    void ClearCateringFields();
    void DeleteFBO();
    void DeleteCrewHotel();
    void DeletePaxHotel();
    void DeleteLimo();
    void DeleteCatering();

    // ---- Control states ----
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

    // The nine airport boxes in entry order, and the five service lists.
    std::array<QWidget*, 9> airportBoxes() const;
    std::array<QComboBox*, 5> serviceLists() const;

  protected:
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
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
    std::array<Family, 5> families_{};
    Family& family(ServiceTable t);

    template <class Range>
    static void setAll(const Range& controls, bool on) {
        for (auto* c : controls) c->setEnabled(on);
    }
    // A character typed into a box that holds `limit` characters is not taken; a longer text
    // from the database stays until Enter cuts it.
    static void limitTyping(int length, int selected, int limit, int& KeyAscii);

    void buildMenus();
    void buildPage(QWidget* page);
    void buildServiceFrames(QWidget* page);
    void connectSearchHandlers();
    void connectAirportHandlers();
    void connectServiceHandlers();

    Recordset* airports() const;
    Recordset* shownAirport();
    AirportFields typedFields() const;
    void disableSearchSet();
    void showSearchMode();
    void showFoundMode();
    void step(bool forward);
    void leaveIdentifier(bool byEnter);
    void refuseBox(const QString& text, const QString& title, Platform::Icon icon, QWidget* box);
    bool storeAirport(Recordset& rs, bool adding);
    void endAirportEntry();
    QWidget* boxOf(AirportField f) const;
    void fillServiceList(Family& f, qint64 airportId);
    void pick(Family& f);
    std::optional<ServiceRow> fillServiceFields(Family& f);
    void clearServiceFields(Family& f);
    void openServiceFrame(Family& f, bool revise);
    bool refusedService(Family& f, const std::optional<QString>& refusal);
    void okToAdd(Family& f);
    void okToRevise(Family& f);
    void cancelService(Family& f);
    void closeServiceFrame(Family& f);
    void deleteSelected(Family& f);
    void deleteService(Family& f);
    void serviceBoxKeyPress(Family& f, QLineEdit* box, int& KeyAscii);
    void reportDbError(const DbError& e);

    WindowSwitch& app_;
    PlanState& s_;
    EventAdapter events_;
};

}  // namespace tx
