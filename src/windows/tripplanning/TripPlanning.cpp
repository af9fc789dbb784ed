#include "windows/tripplanning/TripPlanning.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "airportdb/Statements.h"
#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/Controls.h"
#include "windows/kit/Mnemonics.h"
#include "windows/kit/WindowSize.h"

namespace tx {

using namespace controls;

TripPlanning::TripPlanning(WindowSwitch& app)
    : QMainWindow(nullptr), PlanDir(QDir::currentPath()), app_(app), s_(app.s), events_(this) {
    setObjectName(QStringLiteral("TripPlanning"));
    setWindowTitle(QStringLiteral("Trip Planning"));
    resize(kMainWindowSize);

    buildMenus();
    UseMnemonics(this);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("planningPage"));
    setCentralWidget(page);
    buildPlanningPage(page);
    buildServicesFrame(page);
    buildCommentFrame(page);
    buildFormatFrames(page);
    buildFileFrames(page);
    buildSettingsFrames(page);
    connectHandlers();
    Form_Load();
}

TripPlanning::~TripPlanning() = default;

// ---------------------------------------------------------------------------------------------
// Menus

void TripPlanning::buildMenus() {
    QMenuBar* bar = menuBar();
    auto entry = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* a = menu->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto submenu = [](QMenu* menu, const char* name, const QString& caption) {
        QMenu* m = menu->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto top = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    mnufil = top("mnufil", QStringLiteral("    &File"));
    mnuVieAirport =
        entry(mnufil, "mnuVieAirport", QStringLiteral("   &Airport Data (Add/Edit/View)"));
    mnuFileArray = separator(mnufil, "mnuFileArray");
    mnuFilNew = entry(mnufil, "mnuFilNew", QStringLiteral("   Begin a &New TX"));
    mnuFileArray1 = separator(mnufil, "mnuFileArray1");
    mnuFilRetDel[0] = entry(mnufil, "mnuFilRetDel_0", QStringLiteral("   &Retrieve Stored TX"));
    mnuFilRetDel[1] = entry(mnufil, "mnuFilRetDel_1", QStringLiteral("   &Delete Stored TX"));
    mnuFileArray2 = separator(mnufil, "mnuFileArray2");
    mnuFilSave = submenu(mnufil, "mnuFilSave", QStringLiteral("   &Save"));
    mnuSaveArray[0] = entry(mnuFilSave, "mnuSaveArray_0", QStringLiteral("   &Pilot Format"));
    mnuSaveArray[1] = entry(mnuFilSave, "mnuSaveArray_1", QStringLiteral("   &Summary Format"));
    mnuFilPrint = submenu(mnufil, "mnuFilPrint", QStringLiteral("   &Print"));
    mnuFilPriPilot = entry(mnuFilPrint, "mnuFilPriPilot", QStringLiteral("&Pilot Format"));
    mnuFilPriSum = entry(mnuFilPrint, "mnuFilPriSum", QStringLiteral("&Summary Format"));
    mnuFilPriTX = entry(mnuFilPrint, "mnuFilPriTX", QStringLiteral("&TX Short Version"));
    mnuFilExport = submenu(mnufil, "mnuFilExport", QStringLiteral("   &Export"));
    mnuExpPDF = entry(mnuFilExport, "mnuExpPDF", QStringLiteral("&PDF trip sheet"));
    mnuExpCalendar = entry(mnuFilExport, "mnuExpCalendar", QStringLiteral("&Calendar"));
    mnuExpCSV = entry(mnuFilExport, "mnuExpCSV", QStringLiteral("C&SV"));
    mnuExpText = entry(mnuFilExport, "mnuExpText", QStringLiteral("&UTF-8 text report"));
    mnuFileArray3 = separator(mnufil, "mnuFileArray3");
    // Backup and restore ask for a folder ("..."), which stands in for the backup disk.
    mnuFilBackupdata =
        submenu(mnufil, "mnuFilBackupdata", QStringLiteral("   &Backup/Restore data base"));
    mnuFilBackup = entry(mnuFilBackupdata, "mnuFilBackup",
                         QStringLiteral("  &Backup database to a folder..."));
    mnuFilRestore = entry(mnuFilBackupdata, "mnuFilRestore",
                          QStringLiteral("  &Restore database from a folder..."));
    mnufileAray4 = separator(mnufil, "mnufileAray4");
    mnuFilExit = entry(mnufil, "mnuFilExit", QStringLiteral("   E&xit Tarvex"));

    mnuEdit = top("mnuEdit", QStringLiteral("    &Edit"));
    mnuEdiEdit = entry(mnuEdit, "mnuEdiEdit", QStringLiteral("   &Edit this Leg"));
    mnuEditArray1 = separator(mnuEdit, "mnuEditArray1");
    mnuEdiInsert =
        entry(mnuEdit, "mnuEdiInsert", QStringLiteral("   &Insert Blank Leg before this Leg"));
    mnuEdiDel = entry(mnuEdit, "mnuEdiDel", QStringLiteral("   &Delete this Leg"));
    mnuEdiDetails = entry(mnuEdit, "mnuEdiDetails", QStringLiteral("   &Trip Details..."));

    mnuView = top("mnuView", QStringLiteral("    &View TX"));
    mnuViePilot = entry(mnuView, "mnuViePilot", QStringLiteral("   &Pilot Format"));
    mnuVieSummary = entry(mnuView, "mnuVieSummary", QStringLiteral("   &Summary Format"));

    mnuSettings = top("mnuSettings", QStringLiteral("    &Settings"));
    mnuSetChange =
        entry(mnuSettings, "mnuSetChange", QStringLiteral("   &Aircraft Type (Change/Select)"));
    mnuSetReserve = entry(mnuSettings, "mnuSetReserve",
                          QStringLiteral("   &Set/Change Fuel Reserve for selected Aircraft"));
    mnuSetBlock =
        entry(mnuSettings, "mnuSetBlock", QStringLiteral("   &Change Block Time default"));
    mnuSetChecks = entry(mnuSettings, "mnuSetChecks", QStringLiteral("   &Trip Checks…"));

    mnuHelp = bar->addAction(QStringLiteral("    &Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    // The two format check-mark sets.
    for (QAction* a : {mnuViePilot, mnuVieSummary, mnuFilPriPilot, mnuFilPriSum, mnuSaveArray[0],
                       mnuSaveArray[1]})
        a->setCheckable(true);
}

// ---------------------------------------------------------------------------------------------
// The planning page

void TripPlanning::buildPlanningPage(QWidget* page) {
    Label3 = Label(page, "Label3",
                   QStringLiteral("Leg Date  Departure            ETD    Destination          "
                                  "ETA    Flt.Tm.  Dist. Burn"));
    Label3->setFont(FixedPitchFont());
    lboTX = ListBox(page, "lboTX", true);
    lboTX->setToolTip(QStringLiteral("  Double Click to EDIT this leg ...    "));
    lboTX->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The heading starts where the text of the list's rows starts.
    const int textLeft = lboTX->frameWidth() +
                         lboTX->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lboTX) +
                         1;
    Label3->setContentsMargins(textLeft, 0, 0, 0);

    lblTXTotals = Label(page, "lblTXTotals", QStringLiteral("Totals :"));
    lblTXDist = Label(page, "lblTXDist");
    lblTXTime = Label(page, "lblTXTime");
    lblTXDist->setMinimumWidth(80);
    lblTXTime->setMinimumWidth(80);
    lblACType[2] = Label(page, "lblACType_2");
    QFont bold = lblACType[2]->font();
    bold.setBold(true);
    lblACType[2]->setFont(bold);
    lblTXTotals->setFont(bold);

    cmdContinuePlanning = Button(page, "cmdContinuePlanning", QStringLiteral("&Begin Planning"),
                                 QStringLiteral("   .. Plans the next leg"));
    cmdEnterComments =
        Button(page, "cmdEnterComments", QStringLiteral("En&ter/View Comments for the above Leg."));
    cmdExitTX = Button(page, "cmdExitTX", QStringLiteral("E&xit Tarvex"),
                       QStringLiteral("  .. Exit Program"));
    for (QPushButton* b : {cmdContinuePlanning, cmdEnterComments, cmdExitTX})
        b->setMinimumHeight(32);
    cmdContinuePlanning->setMinimumWidth(170);
    cmdExitTX->setMinimumWidth(130);

    auto* totals = new QHBoxLayout;
    totals->addWidget(lblTXTotals);
    totals->addSpacing(8);
    totals->addWidget(lblTXDist);
    totals->addWidget(lblTXTime);
    totals->addStretch(1);
    totals->addWidget(lblACType[2]);

    // The page buttons and the leg entry frame take turns in the lower part of the page.
    auto* lower = new QWidget(page);
    buildPlanningFrame(lower);
    auto* lowerGrid = new QGridLayout(lower);
    lowerGrid->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QWidget(lower);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 8, 0, 0);
    row->addStretch(1);
    row->addWidget(cmdContinuePlanning);
    row->addSpacing(24);
    row->addWidget(cmdEnterComments);
    row->addSpacing(24);
    row->addWidget(cmdExitTX);
    row->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(cmdContinuePlanning),
                       static_cast<QWidget*>(cmdEnterComments), static_cast<QWidget*>(cmdExitTX)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    QSizePolicy keep = framePlanning->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    framePlanning->setSizePolicy(keep);
    lowerGrid->addWidget(buttons, 0, 0, Qt::AlignTop);
    lowerGrid->addWidget(framePlanning, 0, 0);
    framePlanning->raise();  // over the (then hidden) buttons while a leg is entered

    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(10, 6, 10, 8);
    v->setSpacing(2);
    v->addWidget(Label3);
    v->addWidget(lboTX, 1);
    lboChecks[2] = checksList(page, "lboChecks_2", lboTX);
    v->addWidget(lboChecks[2]);
    v->addSpacing(2);
    v->addLayout(totals);
    v->addSpacing(4);
    v->addWidget(lower);
}

namespace {

QHBoxLayout* browseButtons(QPushButton* prev, QPushButton* next) {
    auto* row = new QHBoxLayout;
    row->addWidget(prev);
    row->addWidget(next);
    row->addStretch(1);
    for (QPushButton* b : {prev, next}) {
        b->setMinimumWidth(80);
        QSizePolicy p = b->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        b->setSizePolicy(p);
    }
    return row;
}

}  // namespace

void TripPlanning::buildPlanningFrame(QWidget* parent) {
    framePlanning = Frame(parent, "framePlanning", QStringLiteral("Planning Page"));
    QWidget* f = framePlanning;

    lblLeg = Label(f, "lblLeg", QStringLiteral("Leg :"));
    txtLeg = TextBox(f, "txtLeg", 4);
    Label1 = Label(f, "Label1", QStringLiteral("Designate T/L :"));
    txtTorL = TextBox(f, "txtTorL", 3);
    lblDate = Label(f, "lblDate", QStringLiteral("Departure Date :"));
    txtDate = TextBox(f, "txtDate", 7);
    lblTime = Label(f, "lblTime", QStringLiteral("Local Dep. Time :"));
    txtTime = TextBox(f, "txtTime", 6);
    lblMaxLegs = Label(f, "lblMaxLegs", QStringLiteral("Max of 20 Legs !!"));
    QFont alarm = lblMaxLegs->font();
    alarm.setBold(true);
    lblMaxLegs->setFont(alarm);
    lblMaxLegs->setStyleSheet(QStringLiteral("color: #c00000;"));

    lblDepName = Label(f, "lblDepName", QStringLiteral("Dep. Ident :"));
    txtDepID = TextBox(f, "txtDepID", 6);
    lblDepCity = Label(f, "lblDepCity", QStringLiteral("City :"));
    txtDepCity = TextBox(f, "txtDepCity");
    txtDepSearch = TextBox(f, "txtDepSearch");
    cmdDepPrev = Button(f, "cmdDepPrev", QStringLiteral("&Prev."));
    cmdDepNext = Button(f, "cmdDepNext", QStringLiteral("&Next"));
    lblDestName = Label(f, "lblDestName", QStringLiteral("Dest. Ident :"));
    txtDestID = TextBox(f, "txtDestID", 6);
    lblDestCity = Label(f, "lblDestCity", QStringLiteral("City :"));
    txtDestCity = TextBox(f, "txtDestCity");
    txtDestSearch = TextBox(f, "txtDestSearch");
    cmdDestPrev = Button(f, "cmdDestPrev", QStringLiteral("&Prev."));
    cmdDestNext = Button(f, "cmdDestNext", QStringLiteral("&Next"));
    lblWind = Label(f, "lblWind", QStringLiteral("Stored Winds :"));
    txtWind = TextBox(f, "txtWind", 6);
    lblFuelReserve = Label(f, "lblFuelReserve", QStringLiteral("Fuel Reserve :"));
    txtFuelReserve = TextBox(f, "txtFuelReserve", 7);
    Label28 = Label(f, "Label28", QStringLiteral("Hit <Return> after ALL entries."));

    Frame4 = Frame(f, "Frame4", QStringLiteral("     Helpful Notes :    "));
    lblNotes = Label(Frame4, "lblNotes");
    lblNotes->setMinimumHeight(lblNotes->fontMetrics().height() + 4);
    auto* notes = new QVBoxLayout(Frame4);
    notes->setContentsMargins(8, 2, 8, 4);
    notes->addWidget(lblNotes);

    Label31 = Label(f, "Label31", QStringLiteral(" Prev Leg :"));
    Label32 = Label(f, "Label32",
                    QStringLiteral(" Date  Departure            ETD    Destination          ETA  "
                                   "   Time   Dist.(nm)"));
    lblPrevLeg = Label(f, "lblPrevLeg");
    Label32->setFont(FixedPitchFont());
    lblPrevLeg->setFont(FixedPitchFont());
    lblPrevLeg->setMinimumHeight(lblPrevLeg->fontMetrics().height());
    lblPrevLeg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The heading's columns stand over the line's: the same font, the same left edge.
    lblPrevLeg->setIndent(4);
    Label32->setIndent(lblPrevLeg->frameWidth() + 4);

    cmdBack = Button(f, "cmdBack", QStringLiteral("&Back one Step"));
    cmdLegCancel = Button(f, "cmdLegCancel", QStringLiteral("&Cancel"));
    cmdBack->setMinimumWidth(130);
    cmdLegCancel->setMinimumWidth(110);

    TimerMaxLegs = new QTimer(this);
    TimerMaxLegs->setObjectName(QStringLiteral("TimerMaxLegs"));
    TimerMaxLegs->setInterval(2000);
    TimerMaxLegs->setSingleShot(true);
    TimerMaxLegs->setTimerType(Qt::PreciseTimer);  // never early

    for (QLabel* l : {lblLeg, Label1, lblDate, lblTime, lblDepName, lblDepCity, lblDestName,
                      lblDestCity, lblWind, lblFuelReserve})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* g = new QGridLayout(f);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(5);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    g->addWidget(lblLeg, 0, 0);
    g->addWidget(txtLeg, 0, 1, left);
    g->addWidget(Label1, 0, 2);
    g->addWidget(txtTorL, 0, 3, left);
    g->addWidget(lblDate, 0, 4);
    g->addWidget(txtDate, 0, 5, left);
    g->addWidget(lblTime, 0, 6);
    g->addWidget(txtTime, 0, 7, left);
    g->addWidget(lblMaxLegs, 0, 8, 1, 2, left);

    g->addWidget(lblDepName, 1, 0);
    g->addWidget(txtDepID, 1, 1, left);
    g->addWidget(lblDepCity, 1, 2);
    g->addWidget(txtDepCity, 1, 3, 1, 5);
    g->addWidget(txtDepSearch, 1, 3, 1, 5);
    g->addLayout(browseButtons(cmdDepPrev, cmdDepNext), 1, 8, 1, 2);

    g->addWidget(lblDestName, 2, 0);
    g->addWidget(txtDestID, 2, 1, left);
    g->addWidget(lblDestCity, 2, 2);
    g->addWidget(txtDestCity, 2, 3, 1, 5);
    g->addWidget(txtDestSearch, 2, 3, 1, 5);
    g->addLayout(browseButtons(cmdDestPrev, cmdDestNext), 2, 8, 1, 2);

    g->addWidget(lblWind, 3, 0);
    g->addWidget(txtWind, 3, 1, left);
    g->addWidget(lblFuelReserve, 3, 2);
    g->addWidget(txtFuelReserve, 3, 3, 1, 2, left);
    g->addWidget(Label28, 3, 5, 1, 5, Qt::AlignRight | Qt::AlignVCenter);

    g->addWidget(Frame4, 4, 0, 1, 10);
    g->addWidget(Label32, 5, 1, 1, 9);
    g->addWidget(Label31, 6, 0, Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(lblPrevLeg, 6, 1, 1, 9);

    auto* steps = new QHBoxLayout;
    steps->addStretch(1);
    steps->addWidget(cmdBack);
    steps->addSpacing(16);
    steps->addWidget(cmdLegCancel);
    g->addLayout(steps, 7, 0, 1, 10);
    g->setColumnStretch(9, 1);
}

void TripPlanning::connectHandlers() {
    connectLegEntryHandlers();
    connectPlanFileHandlers();
    connectPrintHandlers();
    connectExportHandlers();
    connectAirportHandlers();
    connectServiceHandlers();
    connectWindReserveHandlers();
    connectCommentHandlers();
    connectViewHandlers();
    connectEditHandlers();
    connectSettingsHandlers();
    connectBackupHandlers();

    events_.Click(cmdExitTX, this, &TripPlanning::cmdExitTX_Click);
    connect(mnuFilExit, &QAction::triggered, this, &TripPlanning::mnuFilExit_Click);
    connect(mnuVieAirport, &QAction::triggered, this, &TripPlanning::mnuVieAirport_Click);
    connect(mnuHelp, &QAction::triggered, this, &TripPlanning::mnuHelp_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TripPlanning::escapePressed);
}

// Escape closes the frame open over the page as its Cancel button would (the services frame as
// its O.K.), the innermost first, and cancels the leg being entered.
void TripPlanning::escapePressed() {
    const std::pair<QGroupBox*, QPushButton*> closers[] = {{frameTXName, cmdFilNamCancel},
                                                           {frameTXRetDel, cmdCanRetrieve},
                                                           {frameACChange, cmdACCancel},
                                                           {frameChFRes, cmdCancelFRes},
                                                           {frameTaxiDefault, cmdExitTaxiDefault},
                                                           {frameTripChecks, cmdExitChecks},
                                                           {frameTripDetails, cmdDetailsCancel},
                                                           {frameLegComments, cmdCancelComments},
                                                           {framePilotComments, cmdPilCancel},
                                                           {frameSumComments, cmdSumCancel},
                                                           {frameFBOs, cmdSelFBOok},
                                                           {framePlanning, cmdLegCancel}};
    for (auto [frame, button] : closers) {
        if (!frame->isVisible()) continue;
        if (button->isEnabled()) button->click();
        return;
    }
}

// The airport information window in place of this one.
void TripPlanning::mnuVieAirport_Click() {
    app_.SwitchTo(WindowSwitch::Window::AirportInfo, this);
}

// The help window takes this window's place.
void TripPlanning::mnuHelp_Click() {
    app_.SwitchTo(WindowSwitch::Window::Help, this);
}

// ---------------------------------------------------------------------------------------------
// Placing the frames that lie over the page

void TripPlanning::placeFrames() {
    QWidget* page = centralWidget();
    if (!page) return;
    const QRect area = page->rect();
    for (QGroupBox* full : {framePilot, frameSummary}) full->setGeometry(area);
    auto centre = [](QWidget* frame, const QRect& within, int minWidth) {
        QSize size = frame->sizeHint().expandedTo(QSize(minWidth, 0));
        size = size.boundedTo(within.size() - QSize(20, 20));
        frame->setGeometry(
            QRect(within.center() - QPoint(size.width() / 2, size.height() / 2), size));
        frame->raise();
    };
    // Over the leg list, so that the Totals line and the aircraft stay readable under it.
    centre(frameFBOs, QRect(lboTX->mapTo(page, QPoint(0, 0)), lboTX->size()), 760);
    centre(frameLegComments, area, 560);
    centre(frameTXName, area, 480);
    centre(frameTXRetDel, area, 380);
    centre(frameACChange, area, 380);
    centre(frameChFRes, area, 480);
    centre(frameTaxiDefault, area, 520);
    centre(frameTripChecks, area, 480);
    centre(frameTripDetails, area, 520);
    // A view's comments lie over its details, below the list, which stays usable.
    for (auto [comments, view] :
         {std::pair{framePilotComments, framePilot}, std::pair{frameSumComments, frameSummary}}) {
        centre(comments, view->rect(), 520);
        comments->move(comments->x(), std::max(0, view->height() - comments->height() - 10));
    }
}

void TripPlanning::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeFrames();
}

bool TripPlanning::focusNextPrevChild(bool next) {
    return FocusStaysPut(this) || QMainWindow::focusNextPrevChild(next);
}

void TripPlanning::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving the program by its exit command.
    if (!app_.ended()) cmdExitTX_Click();
    if (app_.ended())
        event->accept();
    else
        event->ignore();
}

}  // namespace tx
