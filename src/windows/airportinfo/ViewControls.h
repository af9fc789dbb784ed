#pragma once
// The controls of the airport information window, by the system's names, grouped as the window
// shows them. The window builds them all in its constructor and owns them through Qt's parent
// chain; nothing else creates or deletes one.
#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tx {

struct ViewControls {
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
    QLabel* lblIATA;
    QLineEdit* txtIATA;
    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblKind;
    QLineEdit* txtKind;

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

    // The nine airport boxes in entry order, and the five service lists.
    std::array<QWidget*, 12> airportBoxes() const;
    std::array<QComboBox*, 5> serviceLists() const;
};

}  // namespace tx
