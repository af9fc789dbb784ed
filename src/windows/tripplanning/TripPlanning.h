#pragma once
// The main planning window: the planning page with the leg list and the leg entry frame, the
// menus, and every secondary dialog as a frame of its own over the page.
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "airportdb/Statements.h"
#include "planfile/PlanFile.h"
#include "report/ReportLines.h"
#include "windows/kit/EventAdapter.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace tx {

class WindowSwitch;
class PlanState;
struct Leg;

class TripPlanning : public QMainWindow {
    Q_OBJECT
  public:
    explicit TripPlanning(WindowSwitch& app);
    ~TripPlanning() override;

    // ---- Menus ----
    QMenu* mnufil;
    QAction* mnuVieAirport;
    QAction* mnuFileArray;
    QAction* mnuFilNew;
    QAction* mnuFileArray1;
    std::array<QAction*, 2> mnuFilRetDel;  // 0 retrieve, 1 delete
    QAction* mnuFileArray2;
    QMenu* mnuFilSave;
    std::array<QAction*, 2> mnuSaveArray;  // 0 pilot format, 1 summary format
    QMenu* mnuFilPrint;
    QAction* mnuFilPriPilot;
    QAction* mnuFilPriSum;
    QAction* mnuFilPriTX;
    QAction* mnuFileArray3;
    QMenu* mnuFilBackupdata;
    QAction* mnuFilBackup;
    QAction* mnuFilRestore;
    QAction* mnufileAray4;
    QAction* mnuFilExit;
    QMenu* mnuEdit;
    QAction* mnuEdiEdit;
    QAction* mnuEditArray1;
    QAction* mnuEdiInsert;
    QAction* mnuEdiDel;
    QMenu* mnuView;
    QAction* mnuViePilot;
    QAction* mnuVieSummary;
    QMenu* mnuSettings;
    QAction* mnuSetChange;
    QAction* mnuSetReserve;
    QAction* mnuSetBlock;
    QAction* mnuHelp;  // a top menu without entries: it opens the help window itself

    // ---- The planning page ----
    QLabel* Label3;  // heading over lboTX
    QListWidget* lboTX;
    QLabel* lblTXTotals;
    QLabel* lblTXDist;
    QLabel* lblTXTime;
    // A control array: 1 in the pilot frame, 2 on the planning page, 3 in the summary frame.
    std::array<QLabel*, 4> lblACType{};
    QPushButton* cmdContinuePlanning;
    QPushButton* cmdEnterComments;
    QPushButton* cmdExitTX;

    // ---- The leg entry frame ----
    QGroupBox* framePlanning;
    QLabel* lblLeg;
    QLineEdit* txtLeg;
    QLabel* Label1;
    QLineEdit* txtTorL;
    QLabel* lblDate;
    QLineEdit* txtDate;
    QLabel* lblTime;
    QLineEdit* txtTime;
    QLabel* lblMaxLegs;
    QLabel* lblDepName;
    QLineEdit* txtDepID;
    QLabel* lblDepCity;
    QLineEdit* txtDepCity;
    QLineEdit* txtDepSearch;
    QPushButton* cmdDepPrev;
    QPushButton* cmdDepNext;
    QLabel* lblDestName;
    QLineEdit* txtDestID;
    QLabel* lblDestCity;
    QLineEdit* txtDestCity;
    QLineEdit* txtDestSearch;
    QPushButton* cmdDestPrev;
    QPushButton* cmdDestNext;
    QLabel* lblWind;
    QLineEdit* txtWind;
    QLabel* lblFuelReserve;
    QLineEdit* txtFuelReserve;
    QLabel* Label28;
    QGroupBox* Frame4;
    QLabel* lblNotes;
    QLabel* Label31;
    QLabel* Label32;
    QLabel* lblPrevLeg;
    QPushButton* cmdBack;
    QPushButton* cmdLegCancel;
    QTimer* TimerMaxLegs;

    // ---- Services frame ----
    QGroupBox* frameFBOs;
    QLabel* lblDepDestCity;
    QLabel* Label24;
    QLabel* lblFBOs;
    QLabel* lblCrewHotels;
    QLabel* lblPaxHotels;
    QLabel* Label26;
    QLabel* lblCatering;
    QComboBox* cboFBOs;
    QComboBox* cboCrewHotels;
    QComboBox* cboPaxHotels;
    QComboBox* cboLimos;
    QComboBox* cboCatering;
    QCheckBox* chkPlanFBO;
    QCheckBox* chkPlanCr;
    QCheckBox* chkPlanPax;
    QCheckBox* chkPlanLimo;
    QCheckBox* chkPlanCat;
    QLabel* Label27;
    QPushButton* cmdSelFBOok;

    // ---- Planning-page comments ----
    QGroupBox* frameLegComments;
    QPlainTextEdit* txtLegComments;
    QLabel* lblLegCommentsNote;
    QPushButton* cmdSaveComments;
    QPushButton* cmdEraseComments;
    QPushButton* cmdCancelComments;

    // ---- Pilot format ----
    QGroupBox* framePilot;
    QLabel* lblPilot1;
    QLabel* lblPilot2;
    QListWidget* lboPilot;
    QLabel* lblPilTotalDist;
    QLabel* lblPilTXDist;
    QLabel* lblPilTotalTime;
    QLabel* lblPilTXTime;
    QLabel* lblPilLegHeading;
    QLineEdit* txtTXLeg;
    QLineEdit* txtDepAP;
    QLineEdit* txtDestAP;
    QLabel* lblPilDestInfo;
    std::array<QLabel*, 5> lblPilService{};  // "FBO:" .. "Catering:"
    QLineEdit* txtPilotFBO;
    QLineEdit* txtPilotCrew;
    QLineEdit* txtPilotPax;
    QLineEdit* txtPilotLimo;
    QLineEdit* txtPilotCatering;
    QCheckBox* chkPilFBO;
    QCheckBox* chkPilCr;
    QCheckBox* chkPilPax;
    QCheckBox* chkPilLimo;
    QCheckBox* chkPilCat;
    QPushButton* cmdPSave;
    QPushButton* cmdPilotComments;
    QPushButton* cmdPilPrint;
    QPushButton* cmdSummaryFormat;
    QPushButton* cmdPExitToPlanPage;
    QGroupBox* framePilotComments;
    QPlainTextEdit* txtPilotComments;
    QPushButton* cmdPilotComOK;
    QPushButton* cmdErasePComments;
    QPushButton* cmdPilCancel;

    // ---- Summary format ----
    QGroupBox* frameSummary;
    QListWidget* lboSummary;
    QLabel* lblSumTotalDist;
    QLabel* lblSumTXDist;
    QLabel* lblSumTotalTime;
    QLabel* lblSumTXTime;
    std::array<QLabel*, 5> lblSumService{};
    QLineEdit* txtSumFBO;
    QLineEdit* txtSumCrew;
    QLineEdit* txtSumPax;
    QLineEdit* txtSumLimo;
    QLineEdit* txtSumCatering;
    QCheckBox* chkSumFBO;
    QCheckBox* chkSumCr;
    QCheckBox* chkSumPax;
    QCheckBox* chkSumLimo;
    QCheckBox* chkSumCat;
    QPushButton* cmdSSave;
    QPushButton* cmdSumComments;
    QPushButton* cmdSumPrint;
    QPushButton* cmdPilotFormat;
    QPushButton* cmdSExitToPlanPage;
    QGroupBox* frameSumComments;
    QPlainTextEdit* txtSumComments;
    QPushButton* cmdSumComOK;
    QPushButton* cmdEraseSComments;
    QPushButton* cmdSumCancel;

    // ---- Plan file frames ----
    QGroupBox* frameTXName;
    QLabel* lblTXFileName;
    QLineEdit* txtTXFileName;
    QPushButton* cmdFilNamOK;
    QPushButton* cmdFilNamCancel;
    QGroupBox* frameTXRetDel;
    QLabel* lblTXFiles;
    QListWidget* flbTXRetrieve;
    QPushButton* cmdRetDelTX;
    QPushButton* cmdCanRetrieve;

    // ---- Settings frames ----
    QGroupBox* frameACChange;
    QLabel* lblACFiles;
    QListWidget* flbTXAircraft;
    QPushButton* cmdACSelect;
    QPushButton* cmdACCancel;
    QGroupBox* frameChFRes;
    QLabel* lblChFResNote;
    QLabel* lblDefFRes;
    QLineEdit* txtDefFRes;
    QPushButton* cmdChFResOK;
    QPushButton* cmdCancelFRes;
    QGroupBox* frameTaxiDefault;
    QLabel* lblTaxiNote;
    QLabel* lblTaxiCaption;
    QLabel* lblTaxiDefault;
    QScrollBar* VScroll1;
    QPushButton* cmdApplyDefault;
    QPushButton* cmdOKDefault;
    QPushButton* cmdExitTaxiDefault;

    // ---- Values of the window ----
    int EntryStep = 0;             // 1 .. 8: the entry box that last received the focus
    std::int16_t FinishedLeg = 0;  // the leg just completed
    double ReenteredLeg = 0;       // that leg when it lies before the last leg, else 0
    bool ListLegFlag = false;      // the planning-page comment belongs to SelLeg
    bool ExitMode = false;         // an exit command runs: a completed save ends the program
    int ViewLeg = 0;               // the leg a view selects when it opens; 0 while none was

    // ---- Plan files ----
    QString PlanDir;           // where plan files and text reports live: the working directory
    QString SelectedPlanFile;  // the entry picked in flbTXRetrieve
    QString PlanFileName;      // the current plan's name, offered in the file-name box
    enum class RetDel { Retrieve, Delete };
    RetDel RetDelMode = RetDel::Retrieve;  // what the retrieve/delete frame does
    bool SavePilotReport = false;  // the pilot text report goes with the plan, else the summary
    bool SaveFromView = false;     // the save began in the pilot or summary frame
    // What runs once the offered save is done.
    enum class Pending { None, NewFile, Retrieve };
    Pending PendingAction = Pending::None;
    QString LastFileNameText;  // the file-name box's last accepted text
    PlanReserved Reserved;     // the reserved texts of the plan read last
    // The aircraft file picked in flbTXAircraft; it becomes ACFileName only once it has loaded.
    QString ChosenAircraft;

    // ---- Lookup values of the window ----
    QString IdentToFind;             // the identifier to look up, upper-cased
    QLineEdit* SearchBox = nullptr;  // the search box typed in last
    bool HasServices = false;        // a service row of the airport was listed
    enum class Side { Departure, Destination };
    Side ServicesSide = Side::Departure;  // whose services are shown
    // The database ID of the service row at list position p (from 1) of each service list;
    // position 0 is never a row.
    using ServiceIDs = std::vector<qint64>;
    ServiceIDs PlanFBOIDs, PlanCrewHotelIDs, PlanPaxHotelIDs, PlanLimoIDs, PlanCateringIDs;

    // ---- Window events and leg entry ----
    void Form_Load();
    void cmdContinuePlanning_Click();
    void cmdBack_Click();
    void cmdLegCancel_Click();
    void TimerMaxLegs_Timer();
    void txtLeg_GotFocus();
    void txtLeg_KeyPress(int& KeyAscii);
    void txtLeg_Change();
    void txtTorL_GotFocus();
    void txtTorL_KeyPress(int& KeyAscii);
    void txtTorL_LostFocus();
    void txtTorL_Change();
    void txtDate_GotFocus();
    void txtDate_KeyPress(int& KeyAscii);
    void txtDate_LostFocus();
    void txtTime_GotFocus();
    void txtTime_KeyPress(int& KeyAscii);
    void txtTime_LostFocus();

    // ---- Steps 5 to 8: the airports, the wind, the fuel reserve and the completed leg ----
    void txtDepID_GotFocus();
    void txtDepID_KeyPress(int& KeyAscii);
    void txtDepID_LostFocus();
    void txtDepID_Change();
    void txtDepCity_Click();
    void txtDepCity_GotFocus();
    void txtDepCity_KeyPress(int& KeyAscii);
    void txtDestID_GotFocus();
    void txtDestID_KeyPress(int& KeyAscii);
    void txtDestID_LostFocus();
    void txtDestID_Change();
    void txtDestCity_Click();
    void txtDestCity_GotFocus();
    void txtWind_GotFocus();
    void txtWind_KeyPress(int& KeyAscii);
    void txtWind_LostFocus();
    void txtFuelReserve_GotFocus();
    void txtFuelReserve_KeyPress(int& KeyAscii);
    void txtFuelReserve_LostFocus();

    // ---- Airport lookup and city search ----
    void LookUpIdent(Recordset& rs);
    void LoadAirport(Recordset& rs);
    void SearchCity(Recordset& rs);
    void ShowFoundAirport(Recordset& rs);
    void txtDepSearch_GotFocus();
    void txtDepSearch_KeyPress(int& KeyAscii);
    void txtDepSearch_LostFocus();
    void txtDestSearch_GotFocus();
    void txtDestSearch_KeyPress(int& KeyAscii);
    void txtDestSearch_LostFocus();
    void cmdDepPrev_Click();
    void cmdDepNext_Click();
    void cmdDestPrev_Click();
    void cmdDestNext_Click();

    // ---- Services frame ----
    void cboFBOs_Click();
    void cboCrewHotels_Click();
    void cboPaxHotels_Click();
    void cboLimos_Click();
    void cboCatering_Click();
    void chkPlanFBO_Click();
    void chkPlanCr_Click();
    void chkPlanPax_Click();
    void chkPlanLimo_Click();
    void chkPlanCat_Click();
    void cmdSelFBOok_Click();

    // ---- Planning-page comments and the leg list ----
    void cmdEnterComments_Click();
    void cmdSaveComments_Click();
    void cmdEraseComments_Click();
    void cmdCancelComments_Click();
    void txtLegComments_KeyPress(int& KeyAscii);
    void lboTX_Click();
    void lboTX_KeyPress(int& KeyAscii);
    void ShowLegDetails();

    void cmdExitTX_Click();
    void mnuFilExit_Click();
    void mnuVieAirport_Click();
    // The exit command of the program (WindowSwitch::ExitTarvex), asked over `from`.
    void AskSaveAndExit(QWidget* from);

    // ---- The pilot and summary views and their comments ----
    void mnuViePilot_Click();
    void mnuVieSummary_Click();
    void ShowPilotView();
    void ShowSummaryView();
    void LeavePilotView();
    void LeaveSummaryView();
    void cmdSummaryFormat_Click();
    void cmdPilotFormat_Click();
    void cmdPExitToPlanPage_Click();
    void cmdSExitToPlanPage_Click();
    void lboPilot_Click();
    void lboSummary_Click();
    void lboPilot_DblClick();
    void lboSummary_DblClick();
    void lboPilot_KeyPress(int& KeyAscii);
    void lboSummary_KeyPress(int& KeyAscii);
    void cmdPilotComments_Click();
    void cmdSumComments_Click();
    void cmdPilotComOK_Click();
    void cmdSumComOK_Click();
    void cmdErasePComments_Click();
    void cmdEraseSComments_Click();
    void cmdPilCancel_Click();
    void cmdSumCancel_Click();
    void txtPilotComments_KeyPress(int& KeyAscii);
    void txtSumComments_KeyPress(int& KeyAscii);
    void txtSumComments_GotFocus();
    // Fills lboTX, lboPilot and lboSummary with the stored lines of legs 1..NumLegs, runs
    // PlanTotals and shows the totals and the aircraft type in all three layouts.
    void RefillPlanLists();

    // ---- Editing the leg list ----
    void mnuEdiEdit_Click();
    void mnuEdiInsert_Click();
    void mnuEdiDel_Click();
    void lboTX_DblClick();
    void ShowLegForEdit();

    // ---- Printing ----
    void mnuFilPriTX_Click();
    void mnuFilPriPilot_Click();
    void mnuFilPriSum_Click();
    void cmdPilPrint_Click();
    void cmdSumPrint_Click();

    // ---- Plan files ----
    void mnuFilNew_Click();
    void mnuFilRetDel_Click(int Index);
    void mnuSaveArray_Click(int Index);
    void cmdPSave_Click();
    void cmdSSave_Click();
    void txtTXFileName_GotFocus();
    void txtTXFileName_KeyPress(int& KeyAscii);
    void cmdFilNamOK_Click();
    void cmdFilNamCancel_Click();
    void flbTXRetrieve_Click();
    void flbTXRetrieve_DblClick();
    void flbTXRetrieve_KeyPress(int& KeyAscii);
    void cmdRetDelTX_Click();
    void cmdCanRetrieve_Click();
    void ResetPlan();
    void mnuHelp_Click();

    // ---- Settings frames: aircraft, fuel reserve, taxi default ----
    void mnuSetChange_Click();
    void mnuSetReserve_Click();
    void mnuSetBlock_Click();
    void flbTXAircraft_Click();
    void flbTXAircraft_DblClick();
    void flbTXAircraft_KeyPress(int& KeyAscii);
    void cmdACSelect_Click();
    void cmdACCancel_Click();
    void txtDefFRes_GotFocus();
    void txtDefFRes_KeyPress(int& KeyAscii);
    void cmdChFResOK_Click();
    void cmdCancelFRes_Click();
    void VScroll1_Change();
    void cmdApplyDefault_Click();
    void cmdOKDefault_Click();
    void cmdExitTaxiDefault_Click();

    // ---- Database backup and restore ----
    void mnuFilBackup_Click();
    void mnuFilRestore_Click();

    // ---- Menus and control states ----
    void EnableMenus();
    void DisableMenus();
    void ShowMenus();
    void HideMenus();
    void EnablePlanningPage();
    void DisablePlanningPage();
    void EnableServiceLists();
    void DisableServiceLists();
    void ClearServiceLists();
    void EnablePageButtons();
    void DisablePageButtons();
    void DisableEntryFields();
    void DisableLaterFields();
    void EnablePlanMenus();
    void DisablePlanMenus();
    void CheckPilotFormat();
    void CheckSummaryFormat();
    static void SelectAllText(QLineEdit* box);

    // The ten entry boxes in entry order, and the five service lists.
    std::array<QLineEdit*, 10> entryBoxes() const;
    std::array<QComboBox*, 5> serviceLists() const;

  protected:
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildPlanningPage(QWidget* page);
    void buildPlanningFrame(QWidget* parent);
    void buildServicesFrame(QWidget* page);
    void buildCommentFrame(QWidget* page);
    void buildFormatFrames(QWidget* page);
    void buildFileFrames(QWidget* page);
    void buildSettingsFrames(QWidget* page);
    void connectHandlers();
    void connectLegEntryHandlers();
    void connectAirportHandlers();
    void connectServiceHandlers();
    void connectWindReserveHandlers();
    void connectCommentHandlers();
    void connectPlanFileHandlers();
    void connectPrintHandlers();
    bool print(const QString& title, const ReportLines& lines);
    ReportLines pilotPrintout();
    void printFormat(bool pilot);
    ReportLines summaryPrintout();
    void showFileNameFrame();
    std::array<QWidget*, 6> viewFrameControls(bool pilot) const;
    void saveFromView(bool pilot);
    bool writePlanAndReport();
    void closeFileNameFrame();
    void newPlanTail();
    void lockForRetDel();
    void showRetDelFrame(const QString& caption, const QString& button);
    void openRetrieveFrame();
    void retrievePlan(const QString& file, const QString& base);
    void loadPlanAircraft();
    void connectViewHandlers();
    void connectEditHandlers();
    void connectSettingsHandlers();
    void connectBackupHandlers();
    void escapePressed();
    void placeFrames();
    QString prevLegLine() const;
    static QString destCityText(const Leg& leg);
    void setPlanningCaption(double legNumber);
    void keepLegsForCancel();

    // One service list: its table, combo box, ID table and default line.
    struct ServiceList {
        ServiceTable table;
        QComboBox* box;
        ServiceIDs* ids;
        QString* defaultLine;
    };
    std::array<ServiceList, 5> serviceSlots();
    void fillServiceList(const ServiceList& list, qint64 airportId);
    void serviceChosen(const ServiceList& list);
    void includeClicked(QCheckBox* box, std::optional<int> Leg::*flag);
    void openServicesFrame();
    void startCitySearch(bool departure);
    void endCitySearch();
    void searchReturn(bool departure);
    void browse(bool departure, bool forward);
    void departureFound();
    void destinationFound();
    bool windLeavesGroundSpeed(double wind, double& groundSpeed);
    void refuseWind(double wind, double groundSpeed);
    void CompleteLeg(double reserve);
    int commentLeg() const;
    void copyRows(QListWidget* list, int& KeyAscii);

    // The pilot or the summary view: its controls, described once for both (Views.cpp).
    struct FormatView;
    FormatView pilotView();
    FormatView summaryView();
    void showView(const FormatView& v);
    void showViewDetails(const FormatView& v, int leg);
    void leaveView(const FormatView& v);
    void changeFormat(const FormatView& from, const FormatView& to);
    void viewRowClicked(const FormatView& v);
    void viewRowDblClicked(const FormatView& v, PlanState::View mode);
    void openViewComments(const FormatView& v);
    void saveViewComments(const FormatView& v);
    void eraseViewComments(const FormatView& v);
    void closeViewComments(const FormatView& v);
    void refuseQuote(QPlainTextEdit* box, int& KeyAscii);
    void backToComments(QPlainTextEdit* box);
    bool refusePastedQuotes(QPlainTextEdit* box);
    bool confirmCodePage(QPlainTextEdit* box);
    bool hasSelectedLeg() const;
    void setEditEntries(bool on);
    void prepareNextLeg();
    void closeCommentFrame();
    void reportDbError(const DbError& e);
    void openSettingsFrame(QGroupBox* frame);
    void closeSettingsFrame(QGroupBox* frame);
    void selectAircraft(const QString& name);
    void applyTaxiDefault();
    int taxiMinutes() const;

    WindowSwitch& app_;
    PlanState& s_;
    EventAdapter events_;
    // Every slot as it was when the entry of a leg began: Cancel puts them back.
    std::vector<Leg> legsBeforeEntry_;
};

}  // namespace tx
