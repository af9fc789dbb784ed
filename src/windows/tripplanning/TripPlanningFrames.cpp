// The frames of the main window that lie over the planning page: services, comments, the two
// format views, the plan file dialogs and the settings dialogs. All start hidden.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "windows/kit/Controls.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

using namespace controls;

namespace {

const QString kListToolTip = QStringLiteral("  Double Click to EDIT this leg ...    ");

QLabel* WrappedLabel(QWidget* parent, const char* name, const QString& caption) {
    QLabel* l = Label(parent, name, caption);
    l->setWordWrap(true);
    return l;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons) {
        b->setMinimumWidth(110);
        row->addWidget(b);
    }
    row->addStretch(1);
    return row;
}

// Keeps a checks list usable exactly when its plan list is: whatever locks or unlocks the plan
// list (a frame over it, a save from a view) does the same to its checks.
class FollowEnabled : public QObject {
  public:
    FollowEnabled(QWidget* leader, QWidget* follower) : QObject(follower), follower_(follower) {
        leader->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            follower_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return false;
    }

  private:
    QWidget* follower_;
};

}  // namespace

// The findings of the trip checks under a plan list, one a line; hidden until there is one.
QListWidget* TripPlanning::checksList(QWidget* parent, const char* name, QListWidget* planList) {
    QListWidget* list = ListBox(parent, name, false);
    list->setToolTip(QStringLiteral("Click a line to select its leg"));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    new FollowEnabled(planList, list);
    list->hide();
    return list;
}

void TripPlanning::buildServicesFrame(QWidget* page) {
    frameFBOs = OverFrame(page, "frameFBOs", QStringLiteral("  FBO Selection  "));
    QWidget* f = frameFBOs;
    lblDepDestCity = Label(f, "lblDepDestCity");
    QFont bold = lblDepDestCity->font();
    bold.setBold(true);
    lblDepDestCity->setFont(bold);
    Label24 = WrappedLabel(
        f, "Label24",
        QStringLiteral("    To select other than the data below for this airport, press the down "
                       "arrows.  Press the <OK> button if/when the data is OK.  To enter new FBOs, "
                       "Hotels, etc to this airport, select <File> .. then <Airport Data> on the "
                       "Main Menu."));
    lblFBOs = Label(f, "lblFBOs", QStringLiteral("FBOs :"));
    lblCrewHotels = Label(f, "lblCrewHotels", QStringLiteral("Crew Hotels :"));
    lblPaxHotels = Label(f, "lblPaxHotels", QStringLiteral("Pax Hotels :"));
    Label26 = Label(f, "Label26", QStringLiteral("Limos :"));
    lblCatering = Label(f, "lblCatering", QStringLiteral("Catering :"));
    const QString comboTip = QStringLiteral("Select ONLY with down arrow -  do not edit!");
    cboFBOs = ComboBox(f, "cboFBOs", comboTip);
    cboCrewHotels = ComboBox(f, "cboCrewHotels", comboTip);
    cboPaxHotels = ComboBox(f, "cboPaxHotels", comboTip);
    cboLimos = ComboBox(f, "cboLimos", comboTip);
    cboCatering = ComboBox(f, "cboCatering", comboTip);
    const QString include = QStringLiteral(" .. check to include in Printout ");
    chkPlanFBO = CheckBox(f, "chkPlanFBO", include);
    chkPlanCr = CheckBox(f, "chkPlanCr", include);
    chkPlanPax = CheckBox(f, "chkPlanPax", include);
    chkPlanLimo = CheckBox(f, "chkPlanLimo", include);
    chkPlanCat = CheckBox(f, "chkPlanCat", include);
    Label27 = WrappedLabel(f, "Label27",
                           QStringLiteral("    <Check> the box on the left if you would like to "
                                          "include this data when Tarvex Plan is printed."));
    cmdSelFBOok = Button(f, "cmdSelFBOok", QStringLiteral("&O.K."));
    cmdSelFBOok->setMinimumWidth(110);

    auto* g = new QGridLayout(f);
    g->addWidget(lblDepDestCity, 0, 0, 1, 3);
    g->addWidget(Label24, 1, 0, 1, 3);
    const std::array<QLabel*, 5> labels{lblFBOs, lblCrewHotels, lblPaxHotels, Label26, lblCatering};
    const std::array<QComboBox*, 5> lists = serviceLists();
    const std::array<QCheckBox*, 5> checks{chkPlanFBO, chkPlanCr, chkPlanPax, chkPlanLimo,
                                           chkPlanCat};
    for (int i = 0; i < 5; ++i) {
        labels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lists[i]->setFont(FixedPitchFont(9));
        lists[i]->setMinimumWidth(
            QFontMetrics(FixedPitchFont(9)).horizontalAdvance(QString(59, u'0')) + 40);
        g->addWidget(labels[i], 2 + i, 0);
        g->addWidget(lists[i], 2 + i, 1);
        g->addWidget(checks[i], 2 + i, 2);
    }
    g->addWidget(Label27, 7, 0, 1, 2);
    g->addWidget(cmdSelFBOok, 7, 2, Qt::AlignCenter);
    g->setColumnStretch(1, 1);
    frameFBOs->hide();
}

void TripPlanning::buildCommentFrame(QWidget* page) {
    frameLegComments = OverFrame(page, "frameLegComments", QStringLiteral("Leg Comments :"));
    QWidget* f = frameLegComments;
    txtLegComments = MultiLineBox(f, "txtLegComments");
    txtLegComments->setMinimumHeight(140);
    lblLegCommentsNote = Label(f, "lblLegCommentsNote",
                               QStringLiteral("Note:  do not use double quotes ( \" ) in the "
                                              "comments."));
    cmdSaveComments = Button(f, "cmdSaveComments", QStringLiteral("&Save Comments"));
    cmdEraseComments = Button(f, "cmdEraseComments", QStringLiteral("&Erase Comments"));
    cmdCancelComments = Button(f, "cmdCancelComments", QStringLiteral("&Cancel"));
    auto* v = new QVBoxLayout(f);
    v->addWidget(txtLegComments, 1);
    v->addWidget(lblLegCommentsNote);
    v->addLayout(ButtonRow({cmdSaveComments, cmdEraseComments, cmdCancelComments}));
    frameLegComments->hide();
}

void TripPlanning::buildFormatFrames(QWidget* page) {
    const QString includeInPrint = QStringLiteral(".. check to include in Print");
    const std::array<const char*, 5> serviceCaptions{
        "FBO:", "Crew Hotel:", "Pax Hotel:", "Limo:", "Catering:"};
    QFont bold = font();
    bold.setBold(true);

    // The list with its totals line and aircraft type.
    auto addListAndTotals = [&](QListWidget* list, QListWidget* checks, QLabel* totalDist,
                                QLabel* dist, QLabel* totalTime, QLabel* time, QLabel* acType,
                                QVBoxLayout* v) {
        list->setToolTip(kListToolTip);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        v->addWidget(list, 1);
        v->addWidget(checks);
        auto* totals = new QHBoxLayout;
        totals->addWidget(totalDist);
        totals->addWidget(dist);
        totals->addSpacing(30);
        totals->addWidget(totalTime);
        totals->addWidget(time);
        totals->addStretch(1);
        acType->setFont(bold);
        totals->addWidget(acType);
        dist->setMinimumWidth(70);
        time->setMinimumWidth(70);
        v->addLayout(totals);
    };
    // The five service boxes with their labels and check boxes, then the frame's buttons.
    auto addServices =
        [&](QGroupBox* f, const QString& labelPrefix, std::array<QLabel*, 5>& serviceLabels,
            const std::array<QLineEdit*, 5>& boxes, const std::array<QCheckBox*, 5>& checks,
            std::initializer_list<QPushButton*> buttons, QVBoxLayout* v) {
            auto* g = new QGridLayout;
            for (int i = 0; i < 5; ++i) {
                serviceLabels[i] = Label(f, "", QString::fromLatin1(serviceCaptions[i]));
                serviceLabels[i]->setObjectName(labelPrefix + QString::number(i));
                serviceLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                boxes[i]->setFont(FixedPitchFont(9));
                boxes[i]->setReadOnly(true);  // shows the leg; the services are chosen in entry
                g->addWidget(serviceLabels[i], i, 0);
                g->addWidget(boxes[i], i, 1);
                g->addWidget(checks[i], i, 2);
            }
            g->setColumnStretch(1, 1);
            v->addLayout(g);
            v->addLayout(ButtonRow(buttons));
            f->hide();
        };

    // Pilot format.
    framePilot = OverFrame(page, "framePilot", QStringLiteral("  Pilot Format  "));
    QWidget* p = framePilot;
    lblPilot1 = Label(p, "lblPilot1",
                      QStringLiteral("Leg   Date   Depart/Zone  Avg.Wnd  Dest/Zone   Fuel Burn   "
                                     "Reserve   Sunrise/Sunset"));
    lblPilot2 = Label(p, "lblPilot2",
                      QStringLiteral("  n.mi.   (Z)/Local   Flt.Tm.  (Z)/Local               "
                                     "Tot.Req."));
    lboPilot = ListBox(p, "lboPilot", true);
    for (QLabel* l : {lblPilot1, lblPilot2}) {
        l->setFont(FixedPitchFont());
        l->setIndent(lboPilot->frameWidth() + 3);
    }
    lblPilTotalDist = Label(p, "lblPilTotalDist", QStringLiteral("Total Distance (n.mi.) :"));
    lblPilTXDist = Label(p, "lblPilTXDist");
    lblPilTotalTime = Label(p, "lblPilTotalTime", QStringLiteral("Total Time :"));
    lblPilTXTime = Label(p, "lblPilTXTime");
    lblACType[1] = Label(p, "lblACType_1");
    lblPilLegHeading =
        Label(p, "lblPilLegHeading",
              QStringLiteral("Leg     Departure Airport                      Destination Airport"));
    lblPilLegHeading->setFont(FixedPitchFont(9));
    txtTXLeg = TextBox(p, "txtTXLeg", 4);
    txtDepAP = TextBox(p, "txtDepAP");
    txtDestAP = TextBox(p, "txtDestAP");
    for (QLineEdit* shown : {txtTXLeg, txtDepAP, txtDestAP}) shown->setReadOnly(true);
    lblPilDestInfo = Label(p, "lblPilDestInfo", QStringLiteral(" -  Destination Information  -"));
    txtPilotFBO = TextBox(p, "txtPilotFBO");
    txtPilotCrew = TextBox(p, "txtPilotCrew");
    txtPilotPax = TextBox(p, "txtPilotPax");
    txtPilotLimo = TextBox(p, "txtPilotLimo");
    txtPilotCatering = TextBox(p, "txtPilotCatering");
    chkPilFBO = CheckBox(p, "chkPilFBO", includeInPrint);
    chkPilCr = CheckBox(p, "chkPilCr", includeInPrint);
    chkPilPax = CheckBox(p, "chkPilPax", includeInPrint);
    chkPilLimo = CheckBox(p, "chkPilLimo", includeInPrint);
    chkPilCat = CheckBox(p, "chkPilCat", includeInPrint);
    cmdPSave = Button(p, "cmdPSave", QStringLiteral("&Save"), QStringLiteral(" Saves TX to Disk "));
    cmdPilotComments = Button(p, "cmdPilotComments", QStringLiteral("&Add/View Comments"),
                              QStringLiteral("  Adds Comments to Selected Leg  "));
    cmdPilPrint =
        Button(p, "cmdPilPrint", QStringLiteral("&Print"), QStringLiteral("  Print or send FAX  "));
    cmdSummaryFormat = Button(p, "cmdSummaryFormat", QStringLiteral("&Format Change"),
                              QStringLiteral(" Change to Summary "));
    cmdPExitToPlanPage = Button(p, "cmdPExitToPlanPage", QStringLiteral("&Continue  Planning"),
                                QStringLiteral(" Continue or Exit TX "));
    lblPilDetails = Label(p, "lblPilDetails");
    auto* pv = new QVBoxLayout(p);
    pv->setSpacing(3);
    pv->addWidget(lblPilDetails);
    pv->addWidget(lblPilot1);
    pv->addWidget(lblPilot2);
    lboChecks[1] = checksList(p, "lboChecks_1", lboPilot);
    addListAndTotals(lboPilot, lboChecks[1], lblPilTotalDist, lblPilTXDist, lblPilTotalTime,
                     lblPilTXTime, lblACType[1], pv);
    pv->addWidget(lblPilLegHeading);
    auto* legRow = new QHBoxLayout;
    legRow->addWidget(txtTXLeg);
    legRow->addWidget(txtDepAP, 1);
    legRow->addWidget(txtDestAP, 1);
    pv->addLayout(legRow);
    pv->addWidget(lblPilDestInfo);
    addServices(framePilot, QStringLiteral("lblPilService_"), lblPilService,
                {txtPilotFBO, txtPilotCrew, txtPilotPax, txtPilotLimo, txtPilotCatering},
                {chkPilFBO, chkPilCr, chkPilPax, chkPilLimo, chkPilCat},
                {cmdPSave, cmdPilotComments, cmdPilPrint, cmdSummaryFormat, cmdPExitToPlanPage},
                pv);

    framePilotComments =
        OverFrame(framePilot, "framePilotComments", QStringLiteral("Pilot Comments Leg #"));
    txtPilotComments = MultiLineBox(framePilotComments, "txtPilotComments");
    txtPilotComments->setMinimumHeight(120);
    cmdPilotComOK = Button(framePilotComments, "cmdPilotComOK", QStringLiteral("&Save Comments"));
    cmdErasePComments =
        Button(framePilotComments, "cmdErasePComments", QStringLiteral("&Erase Comment"));
    cmdPilCancel = Button(framePilotComments, "cmdPilCancel", QStringLiteral("&Cancel"));
    auto* pc = new QVBoxLayout(framePilotComments);
    pc->addWidget(txtPilotComments, 1);
    pc->addLayout(ButtonRow({cmdPilotComOK, cmdErasePComments, cmdPilCancel}));
    framePilotComments->hide();

    // Summary format.
    frameSummary = OverFrame(page, "frameSummary", QStringLiteral(" Summary Format  "));
    QWidget* m = frameSummary;
    lboSummary = ListBox(m, "lboSummary", true);
    lblSumTotalDist = Label(m, "lblSumTotalDist", QStringLiteral("Total Distance (n.mi.) :"));
    lblSumTXDist = Label(m, "lblSumTXDist");
    lblSumTotalTime = Label(m, "lblSumTotalTime", QStringLiteral("Total Time :"));
    lblSumTXTime = Label(m, "lblSumTXTime");
    lblACType[3] = Label(m, "lblACType_3");
    txtSumFBO = TextBox(m, "txtSumFBO");
    txtSumCrew = TextBox(m, "txtSumCrew");
    txtSumPax = TextBox(m, "txtSumPax");
    txtSumLimo = TextBox(m, "txtSumLimo");
    txtSumCatering = TextBox(m, "txtSumCatering");
    chkSumFBO = CheckBox(m, "chkSumFBO", includeInPrint);
    chkSumCr = CheckBox(m, "chkSumCr", includeInPrint);
    chkSumPax = CheckBox(m, "chkSumPax", includeInPrint);
    chkSumLimo = CheckBox(m, "chkSumLimo", includeInPrint);
    chkSumCat = CheckBox(m, "chkSumCat", includeInPrint);
    cmdSSave = Button(m, "cmdSSave", QStringLiteral("&Save"), QStringLiteral(" Saves TX to Disk "));
    cmdSumComments = Button(m, "cmdSumComments", QStringLiteral("&Add/View Comments"),
                            QStringLiteral("  Adds Comments to Selected Leg  "));
    cmdSumPrint =
        Button(m, "cmdSumPrint", QStringLiteral("&Print"), QStringLiteral("  Print or send FAX  "));
    cmdPilotFormat = Button(m, "cmdPilotFormat", QStringLiteral("&Format Change"),
                            QStringLiteral(" Change to Pilot "));
    cmdSExitToPlanPage = Button(m, "cmdSExitToPlanPage", QStringLiteral("&Continue  Planning"),
                                QStringLiteral(" Continue or Exit TX "));
    lblSumDetails = Label(m, "lblSumDetails");
    auto* sv = new QVBoxLayout(m);
    sv->setSpacing(3);
    sv->addWidget(lblSumDetails);
    lboChecks[3] = checksList(m, "lboChecks_3", lboSummary);
    addListAndTotals(lboSummary, lboChecks[3], lblSumTotalDist, lblSumTXDist, lblSumTotalTime,
                     lblSumTXTime, lblACType[3], sv);
    addServices(frameSummary, QStringLiteral("lblSumService_"), lblSumService,
                {txtSumFBO, txtSumCrew, txtSumPax, txtSumLimo, txtSumCatering},
                {chkSumFBO, chkSumCr, chkSumPax, chkSumLimo, chkSumCat},
                {cmdSSave, cmdSumComments, cmdSumPrint, cmdPilotFormat, cmdSExitToPlanPage}, sv);

    frameSumComments =
        OverFrame(frameSummary, "frameSumComments", QStringLiteral("Summary Comments Leg #"));
    txtSumComments = MultiLineBox(frameSumComments, "txtSumComments");
    txtSumComments->setMinimumHeight(120);
    cmdSumComOK = Button(frameSumComments, "cmdSumComOK", QStringLiteral("&Save Comments"));
    cmdEraseSComments =
        Button(frameSumComments, "cmdEraseSComments", QStringLiteral("&Erase Comment"));
    cmdSumCancel = Button(frameSumComments, "cmdSumCancel", QStringLiteral("&Cancel"));
    auto* sc = new QVBoxLayout(frameSumComments);
    sc->addWidget(txtSumComments, 1);
    sc->addLayout(ButtonRow({cmdSumComOK, cmdEraseSComments, cmdSumCancel}));
    frameSumComments->hide();
}

void TripPlanning::buildFileFrames(QWidget* page) {
    frameTXName = OverFrame(page, "frameTXName", QStringLiteral("   TX File Save   "));
    lblTXFileName = WrappedLabel(frameTXName, "lblTXFileName",
                                 QStringLiteral("Enter Name of file to Save:  (Note: Do not add "
                                                "file Extension, also don't  use commas or "
                                                "slashes)"));
    txtTXFileName = TextBox(frameTXName, "txtTXFileName");
    cmdFilNamOK = Button(frameTXName, "cmdFilNamOK", QStringLiteral("&O. K."));
    cmdFilNamCancel = Button(frameTXName, "cmdFilNamCancel", QStringLiteral("&Cancel"));
    auto* n = new QVBoxLayout(frameTXName);
    n->addWidget(lblTXFileName);
    n->addWidget(txtTXFileName);
    n->addLayout(ButtonRow({cmdFilNamOK, cmdFilNamCancel}));
    frameTXName->hide();

    frameTXRetDel = OverFrame(page, "frameTXRetDel", QStringLiteral(" Retrieve Tarvex Plan "));
    lblTXFiles = Label(frameTXRetDel, "lblTXFiles", QStringLiteral("Tarvex Files:"));
    flbTXRetrieve = ListBox(frameTXRetDel, "flbTXRetrieve", false);
    flbTXRetrieve->setMinimumHeight(180);
    cmdRetDelTX = Button(frameTXRetDel, "cmdRetDelTX", QStringLiteral("&Retrieve"));
    cmdCanRetrieve = Button(frameTXRetDel, "cmdCanRetrieve", QStringLiteral("&Cancel"));
    auto* r = new QVBoxLayout(frameTXRetDel);
    r->addWidget(lblTXFiles);
    r->addWidget(flbTXRetrieve, 1);
    r->addLayout(ButtonRow({cmdRetDelTX, cmdCanRetrieve}));
    frameTXRetDel->hide();
}

void TripPlanning::buildSettingsFrames(QWidget* page) {
    frameACChange =
        OverFrame(page, "frameACChange", QStringLiteral("   Select/Change Aircraft Type   "));
    lblACFiles = Label(frameACChange, "lblACFiles", QStringLiteral("Aircraft Files:"));
    flbTXAircraft = ListBox(frameACChange, "flbTXAircraft", false);
    flbTXAircraft->setMinimumHeight(180);
    cmdACSelect = Button(frameACChange, "cmdACSelect", QStringLiteral("&Select Aircraft"));
    cmdACCancel = Button(frameACChange, "cmdACCancel", QStringLiteral("&Cancel"));
    auto* a = new QVBoxLayout(frameACChange);
    a->addWidget(lblACFiles);
    a->addWidget(flbTXAircraft, 1);
    a->addLayout(ButtonRow({cmdACSelect, cmdACCancel}));
    frameACChange->hide();

    frameChFRes = OverFrame(page, "frameChFRes", QStringLiteral("   Change Fuel Reserve   "));
    lblChFResNote = WrappedLabel(frameChFRes, "lblChFResNote",
                                 QStringLiteral("     Below is the default Fuel for this "
                                                "Aircraft.  Type in the fuel reserve you desire "
                                                "then press <Save> or <Cancel> to exit."));
    lblDefFRes = Label(frameChFRes, "lblDefFRes", QStringLiteral("Fuel Reserve :"));
    txtDefFRes = TextBox(frameChFRes, "txtDefFRes", 8);
    cmdChFResOK = Button(frameChFRes, "cmdChFResOK", QStringLiteral("&Save Fuel Reserve"));
    cmdCancelFRes = Button(frameChFRes, "cmdCancelFRes", QStringLiteral("&Cancel"));
    auto* c = new QVBoxLayout(frameChFRes);
    c->addWidget(lblChFResNote);
    auto* reserve = new QHBoxLayout;
    reserve->addStretch(1);
    reserve->addWidget(lblDefFRes);
    reserve->addWidget(txtDefFRes);
    reserve->addStretch(1);
    c->addLayout(reserve);
    c->addLayout(ButtonRow({cmdChFResOK, cmdCancelFRes}));
    frameChFRes->hide();

    frameTaxiDefault =
        OverFrame(page, "frameTaxiDefault", QStringLiteral("   Taxi Time Default   "));
    lblTaxiNote = WrappedLabel(
        frameTaxiDefault, "lblTaxiNote",
        QStringLiteral("     The below listed Default is the time (in minutes) that is added to "
                       "Flight Time to obtain BLOCK TIME.  This default accounts for the time it "
                       "takes to taxi out and taxi in.  Block Times are displayed in Tarvex."));
    lblTaxiCaption = Label(frameTaxiDefault, "lblTaxiCaption", QStringLiteral("Taxi Default:"));
    lblTaxiDefault = Label(frameTaxiDefault, "lblTaxiDefault", QStringLiteral("10"));
    lblTaxiDefault->setMinimumWidth(30);
    VScroll1 = new QScrollBar(Qt::Vertical, frameTaxiDefault);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    // A scroll bar's top is its minimum, and the top end is 60 minutes: the bar holds the
    // minutes negated, from -60 at the top to 0 at the bottom, so that its up arrow raises them.
    VScroll1->setRange(-60, 0);
    VScroll1->setInvertedControls(true);  // the Up key as the up arrow
    VScroll1->setFixedHeight(60);
    VScroll1->setFocusPolicy(Qt::StrongFocus);  // the arrow keys move it
    cmdApplyDefault =
        Button(frameTaxiDefault, "cmdApplyDefault", QStringLiteral("&Apply this Session"));
    cmdOKDefault = Button(frameTaxiDefault, "cmdOKDefault", QStringLiteral("Apply/&Save"));
    cmdExitTaxiDefault = Button(frameTaxiDefault, "cmdExitTaxiDefault", QStringLiteral("&Cancel"));
    auto* t = new QVBoxLayout(frameTaxiDefault);
    t->addWidget(lblTaxiNote);
    auto* value = new QHBoxLayout;
    value->addStretch(1);
    value->addWidget(lblTaxiCaption);
    value->addWidget(lblTaxiDefault);
    value->addWidget(VScroll1);
    value->addStretch(1);
    t->addLayout(value);
    t->addLayout(ButtonRow({cmdApplyDefault, cmdOKDefault, cmdExitTaxiDefault}));
    frameTaxiDefault->hide();

    frameTripChecks = OverFrame(page, "frameTripChecks", QStringLiteral("   Trip Checks   "));
    lblChecksNote = WrappedLabel(
        frameTripChecks, "lblChecksNote",
        QStringLiteral("     The limits the plan is checked against after every change, in hours "
                       "and minutes (h:mm).  A duty period runs from the show time before its "
                       "first leg to the post-flight time after its last; a rest of at least the "
                       "minimum rest ends it."));
    auto* limits = new QGridLayout;
    for (int i = 0; i < TripLimitCount; ++i) {
        const QString n = QString::number(i);
        lblLimit[size_t(i)] = Label(frameTripChecks, "", TripLimitName(TripLimit(i)) + " :");
        lblLimit[size_t(i)]->setObjectName("lblLimit_" + n);
        lblLimit[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtLimit[size_t(i)] = TextBox(frameTripChecks, "", 6);
        txtLimit[size_t(i)]->setObjectName("txtLimit_" + n);
        limits->addWidget(lblLimit[size_t(i)], i, 1);
        limits->addWidget(txtLimit[size_t(i)], i, 2);
    }
    limits->setColumnStretch(0, 1);
    limits->setColumnStretch(3, 1);
    cmdApplyChecks =
        Button(frameTripChecks, "cmdApplyChecks", QStringLiteral("&Apply this Session"));
    cmdSaveChecks = Button(frameTripChecks, "cmdSaveChecks", QStringLiteral("Apply/&Save"));
    cmdExitChecks = Button(frameTripChecks, "cmdExitChecks", QStringLiteral("&Cancel"));
    auto* k = new QVBoxLayout(frameTripChecks);
    k->addWidget(lblChecksNote);
    k->addLayout(limits);
    k->addLayout(ButtonRow({cmdApplyChecks, cmdSaveChecks, cmdExitChecks}));
    frameTripChecks->hide();
    frameTripDetails = OverFrame(page, "frameTripDetails", QStringLiteral("   Trip Details   "));
    lblTail = Label(frameTripDetails, "lblTail", QStringLiteral("Tail number :"));
    txtTail = TextBox(frameTripDetails, "txtTail", MaxTailNumber);
    txtTail->setMaxLength(MaxTailNumber);
    lblCrew = Label(frameTripDetails, "lblCrew", QStringLiteral("Crew (names) :"));
    txtCrew = TextBox(frameTripDetails, "txtCrew");
    txtCrew->setMaxLength(MaxCrew);
    lblPax = Label(frameTripDetails, "lblPax", QStringLiteral("Passengers :"));
    txtPax = TextBox(frameTripDetails, "txtPax", 4);
    txtPax->setMaxLength(3);
    lblFuelUnit = Label(frameTripDetails, "lblFuelUnit", QStringLiteral("Fuel unit :"));
    cboFuelUnit = ComboBox(frameTripDetails, "cboFuelUnit");
    cboFuelUnit->addItem(QString());  // none given
    cboFuelUnit->addItems(kFuelUnits);
    cmdDetailsOK = Button(frameTripDetails, "cmdDetailsOK", QStringLiteral("&Save Details"));
    cmdDetailsCancel = Button(frameTripDetails, "cmdDetailsCancel", QStringLiteral("&Cancel"));
    auto* d = new QVBoxLayout(frameTripDetails);
    auto* dg = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {lblTail, txtTail}, {lblCrew, txtCrew}, {lblPax, txtPax}, {lblFuelUnit, cboFuelUnit}};
    for (int r = 0; r < 4; ++r) {
        dg->addWidget(rows[r].first, r, 0);
        dg->addWidget(rows[r].second, r, 1, Qt::AlignLeft);
        rows[r].first->setBuddy(rows[r].second);
    }
    txtCrew->setMinimumWidth(360);
    d->addLayout(dg);
    d->addLayout(ButtonRow({cmdDetailsOK, cmdDetailsCancel}));
    frameTripDetails->hide();
}

}  // namespace tx
