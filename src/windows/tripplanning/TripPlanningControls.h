#pragma once
// The controls of the main planning window, by the system's names, grouped as the window shows
// them. The window builds them all in its constructor and owns them through Qt's parent chain;
// nothing else creates or deletes one.
#include <array>

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

struct TripPlanningControls {
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
    QMenu* mnuFilExport;
    QAction* mnuExpPDF;
    QAction* mnuExpCalendar;
    QAction* mnuExpCSV;
    QAction* mnuExpText;
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
    QAction* mnuEdiDetails;
    QMenu* mnuView;
    QAction* mnuViePilot;
    QAction* mnuVieSummary;
    QMenu* mnuSettings;
    QAction* mnuSetChange;
    QAction* mnuSetReserve;
    QAction* mnuSetBlock;
    QAction* mnuSetChecks;
    QAction* mnuHelp;  // a top menu without entries: it opens the help window itself

    // ---- The planning page ----
    QLabel* Label3;  // heading over lboTX
    QListWidget* lboTX;
    QLabel* lblTXTotals;
    QLabel* lblTXDist;
    QLabel* lblTXTime;
    // A control array: 1 in the pilot frame, 2 on the planning page, 3 in the summary frame.
    std::array<QLabel*, 4> lblACType{};
    // The trip checks' findings under each plan list, numbered as lblACType; hidden when none.
    std::array<QListWidget*, 4> lboChecks{};
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
    QLabel* lblPilDetails;  // the trip details, hidden when there are none
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
    QLabel* lblSumDetails;  // the trip details, hidden when there are none
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
    QGroupBox* frameTripChecks;
    QLabel* lblChecksNote;
    std::array<QLabel*, 6> lblLimit{};  // in the order of TripLimit
    std::array<QLineEdit*, 6> txtLimit{};
    QPushButton* cmdApplyChecks;
    QPushButton* cmdSaveChecks;
    QPushButton* cmdExitChecks;

    // ---- Trip details ----
    QGroupBox* frameTripDetails;
    QLabel *lblTail, *lblCrew, *lblPax, *lblFuelUnit;
    QLineEdit *txtTail, *txtCrew, *txtPax;
    QComboBox* cboFuelUnit;
    QPushButton* cmdDetailsOK;
    QPushButton* cmdDetailsCancel;

    // The ten entry boxes in entry order, and the five service lists.
    std::array<QLineEdit*, 10> entryBoxes() const;
    std::array<QComboBox*, 5> serviceLists() const;
};

}  // namespace tx
