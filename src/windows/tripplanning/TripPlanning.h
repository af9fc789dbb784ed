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
#include "planning/TripChecks.h"
#include "report/ReportLines.h"
#include "windows/kit/EventAdapter.h"
#include "windows/tripplanning/AirportLookup.h"
#include "windows/tripplanning/LegEntry.h"
#include "windows/tripplanning/PlanFiles.h"
#include "windows/tripplanning/SettingsFrames.h"
#include "windows/tripplanning/TripPlanningControls.h"
#include "windows/tripplanning/Views.h"

namespace tx {

class WindowSwitch;

// The controls (TripPlanningControls) are public so that tests and screenshots reach them by
// name; everything the window does happens through them.
class TripPlanning : public QMainWindow, public TripPlanningControls {
    Q_OBJECT
  public:
    // Builds every control and frame and runs Form_Load; the window stays hidden.
    explicit TripPlanning(WindowSwitch& app);
    ~TripPlanning() override;

    // Where plan files and text reports live: the working directory unless set.
    QString PlanDir;

    // The exit command of the program (WindowSwitch::ExitTarvex), asked over `from`.
    void AskSaveAndExit(QWidget* from);

    // Fills lboTX, lboPilot and lboSummary with the stored lines of legs 1..NumLegs, runs
    // PlanTotals and shows the totals, the aircraft type and the trip checks in all three
    // layouts. For a plan state changed outside the window.
    void RefillPlanLists();

    // The identifier lookup of the airport steps, for the LookupSide of the plan state: the
    // airport's record and its services loaded as typing `ident` in a step loads them.
    void LookUpIdent(const QString& ident, Recordset& rs);

    // What no control shows: the name the next save offers, what waits for the save under way,
    // whether that save began in a view, and the leg a view selects when it opens.
    enum class Pending { None, NewFile, Retrieve, Export };
    const QString& planFileName() const { return files_.PlanFileName; }
    Pending pendingAction() const { return PendingAction; }
    bool savingFromView() const { return files_.SaveFromView; }
    int viewLeg() const { return views_.ViewLeg; }

  private:
    // ---- TripPlanning.cpp ----
    void mnuVieAirport_Click();
    void mnuHelp_Click();
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // ---- LegEntry.cpp: steps 1 to 4 of the leg entry and the ways out of it ----
    void Form_Load();
    void cmdContinuePlanning_Click();
    void cmdBack_Click();
    void cmdLegCancel_Click();
    void cmdExitTX_Click();
    void mnuFilExit_Click();
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

    // ---- AirportSteps.cpp: steps 5 and 6, the airports ----
    void txtDepID_GotFocus();
    void txtDepID_KeyPress(int& KeyAscii);
    void txtDepID_LostFocus();
    void txtDepID_Change();
    void txtDepCity_Click();
    void txtDestID_GotFocus();
    void txtDestID_KeyPress(int& KeyAscii);
    void txtDestID_LostFocus();
    void txtDestID_Change();
    void txtDestCity_Click();

    // ---- AirportLookup.cpp: the city search ----
    void txtDepCity_GotFocus();
    void txtDepCity_KeyPress(int& KeyAscii);
    void txtDestCity_GotFocus();
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

    // ---- Services.cpp ----
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

    // ---- WindReserve.cpp: steps 7 and 8, the wind and the fuel reserve ----
    void txtWind_GotFocus();
    void txtWind_KeyPress(int& KeyAscii);
    void txtWind_LostFocus();
    void txtFuelReserve_GotFocus();
    void txtFuelReserve_KeyPress(int& KeyAscii);
    void txtFuelReserve_LostFocus();

    // ---- LegComments.cpp: the planning-page comments and the leg list ----
    void cmdEnterComments_Click();
    void cmdSaveComments_Click();
    void cmdEraseComments_Click();
    void cmdCancelComments_Click();
    void txtLegComments_KeyPress(int& KeyAscii);
    void lboTX_Click();
    void lboTX_KeyPress(int& KeyAscii);

    // ---- LegEditing.cpp ----
    void mnuEdiEdit_Click();
    void mnuEdiInsert_Click();
    void mnuEdiDel_Click();
    void lboTX_DblClick();

    // ---- Views.cpp: the pilot and summary views and their comments ----
    void mnuViePilot_Click();
    void mnuVieSummary_Click();
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
    void lboChecks_Click(int Index);
    void lboChecks_KeyPress(int Index, int& KeyAscii);

    // ---- Printing.cpp ----
    void mnuFilPriTX_Click();
    void mnuFilPriPilot_Click();
    void mnuFilPriSum_Click();
    void cmdPilPrint_Click();
    void cmdSumPrint_Click();

    // ---- Exports.cpp: the File menu's exports and the trip details ----
    enum class ExportKind { Pdf, Calendar, Csv, Text };
    void mnuExport_Click(ExportKind kind);
    void mnuEdiDetails_Click();
    void cmdDetailsOK_Click();
    void cmdDetailsCancel_Click();

    // ---- PlanFiles.cpp ----
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

    // ---- SettingsFrames.cpp: aircraft, fuel reserve, taxi default ----
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
    void mnuSetChecks_Click();
    void txtLimit_KeyPress(int Index, int& KeyAscii);
    void cmdApplyChecks_Click();
    void cmdSaveChecks_Click();
    void cmdExitChecks_Click();

    // ---- BackupMenu.cpp ----
    void mnuFilBackup_Click();
    void mnuFilRestore_Click();

    // ==== Helpers ====

    // ---- TripPlanning.cpp, TripPlanningFrames.cpp: building the window ----
    void buildMenus();
    void buildPlanningPage(QWidget* page);
    void buildPlanningFrame(QWidget* parent);
    void buildServicesFrame(QWidget* page);
    void buildCommentFrame(QWidget* page);
    void buildFormatFrames(QWidget* page);
    void buildFileFrames(QWidget* page);
    void buildSettingsFrames(QWidget* page);
    QListWidget* checksList(QWidget* parent, const char* name, QListWidget* planList);
    void connectHandlers();
    void escapePressed();
    void placeFrames();

    // ---- LegEntry.cpp ----
    void connectLegEntryHandlers();
    QString prevLegLine() const;
    static QString destCityText(const Leg& leg);
    void setPlanningCaption(double legNumber);
    void keepLegsForCancel();

    // ---- AirportSteps.cpp ----
    void connectAirportHandlers();
    void departureFound();
    void destinationFound();

    // ---- AirportLookup.cpp ----
    using ServiceIDs = std::vector<qint64>;
    // One service list: its table, combo box, ID table and default line.
    struct ServiceList {
        ServiceTable table;
        QComboBox* box;
        ServiceIDs* ids;
        QString* defaultLine;
    };
    std::array<ServiceList, 5> serviceSlots();
    void LookUpIdent(Recordset& rs);
    void LoadAirport(Recordset& rs);
    void SearchCity(Recordset& rs);
    void ShowFoundAirport(Recordset& rs);
    void fillServiceList(const ServiceList& list, qint64 airportId);
    void startCitySearch(bool departure);
    void endCitySearch();
    void searchReturn(bool departure);
    void browse(bool departure, bool forward);
    void reportDbError(const DbError& e);

    // ---- Services.cpp ----
    void connectServiceHandlers();
    void openServicesFrame();
    void serviceChosen(const ServiceList& list);
    void includeClicked(QCheckBox* box, std::optional<int> Leg::*flag);

    // ---- WindReserve.cpp ----
    void connectWindReserveHandlers();
    bool windLeavesGroundSpeed(double wind, double& groundSpeed);
    void refuseWind(double wind, double groundSpeed);
    void CompleteLeg(double reserve);

    // ---- LegComments.cpp ----
    void connectCommentHandlers();
    void ShowLegDetails();
    int commentLeg() const;
    void refuseQuote(QPlainTextEdit* box, int& KeyAscii);
    void backToComments(QPlainTextEdit* box);
    bool refusePastedQuotes(QPlainTextEdit* box);
    bool confirmCodePage(QPlainTextEdit* box);
    void closeCommentFrame();

    // ---- LegEditing.cpp ----
    void connectEditHandlers();
    bool hasSelectedLeg() const;
    void setEditEntries(bool on);
    void ShowLegForEdit();
    void prepareNextLeg();

    // ---- Views.cpp ----
    // The pilot or the summary view: its controls, described once for both.
    struct FormatView;
    FormatView pilotView();
    FormatView summaryView();
    void connectViewHandlers();
    void copyRows(QListWidget* list, int& KeyAscii);
    void ShowPilotView();
    void ShowSummaryView();
    void LeavePilotView();
    void LeaveSummaryView();
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
    // The checks of the plan as it stands, with the limits in force.
    TripCheck tripChecks() const;
    // Runs the checks: their lines in the three checks lists, the flagged legs' rows marked.
    void ShowTripChecks();

    // ---- Printing.cpp ----
    void connectPrintHandlers();
    bool print(const QString& title, const ReportLines& lines);
    ReportLines pilotPrintout();
    ReportLines summaryPrintout();
    void printFormat(bool pilot);

    // ---- Exports.cpp ----
    void connectExportHandlers();
    void writeExport(ExportKind kind);
    void closeDetailsFrame();
    void showTripDetails();

    // ---- PlanFiles.cpp ----
    void connectPlanFileHandlers();
    void showFileNameFrame();
    std::array<QWidget*, 6> viewFrameControls(bool pilot) const;
    void saveFromView(bool pilot);
    bool writePlanAndReport();
    void closeFileNameFrame();
    void ResetPlan();
    void newPlanTail();
    void lockForRetDel();
    void showRetDelFrame(const QString& caption, const QString& button);
    void openRetrieveFrame();
    void retrievePlan(const QString& file, const QString& base);
    void loadPlanAircraft();

    // ---- SettingsFrames.cpp ----
    void connectSettingsHandlers();
    void openSettingsFrame(QGroupBox* frame);
    void closeSettingsFrame(QGroupBox* frame);
    void selectAircraft(const QString& name);
    void applyTaxiDefault();
    int taxiMinutes() const;
    std::optional<TripLimits> typedLimits();

    // ---- BackupMenu.cpp ----
    void connectBackupHandlers();

    // ---- ControlStates.cpp: menus and control states ----
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

    // ==== State ====

    WindowSwitch& app_;
    PlanState& s_;
    EventAdapter events_;

    // Used by several files of the window.
    int EntryStep = 0;                      // 1 .. 8: the entry box that last received the focus
    std::int16_t FinishedLeg = 0;           // the leg just completed
    double ReenteredLeg = 0;                // that leg when it lies before the last leg, else 0
    bool ListLegFlag = false;               // the planning-page comment belongs to SelLeg
    Pending PendingAction = Pending::None;  // what runs once the offered save is done
    ExportKind PendingExport = ExportKind::Pdf;  // the export that waits for it
    QString IdentToFind;                         // the identifier to look up, upper-cased
    bool HasServices = false;                    // a service row of the airport was listed
    enum class Side { Departure, Destination };
    Side ServicesSide = Side::Departure;  // whose services are shown
    TripCheck checks_;                    // the findings the checks lists show, in their order

    // Each used by one file only, declared beside it.
    LegEntryState entry_;
    AirportLookupState lookup_;
    FormatViewState views_;
    PlanFileState files_;
    SettingsFrameState settings_;
};

}  // namespace tx
