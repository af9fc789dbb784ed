// The controls of the airport information window and where they stand: the menus, the nine
// airport fields with the search entry over the first two, the stepping buttons and the airport
// frame, the comment box, the five service lists and, beside them, the five service frames.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "windows/airportinfo/View.h"
#include "windows/kit/Controls.h"

namespace tx {

using namespace controls;

namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* submenu(QMenu* menu, const char* name, const QString& caption) {
    QMenu* m = menu->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* top(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

// A box that keeps its place in the layout while hidden: the search boxes and the airport's
// first two boxes take turns in one place.
void keepPlace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

QLineEdit* FieldBox(QWidget* parent, const char* name, int chars) {
    QLineEdit* box = TextBox(parent, name);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 14);
    return box;
}

}  // namespace

void View::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = top(bar, "mnuFile", QStringLiteral("    &File    "));
    // Adding and deleting are submenus, so that each letter opens or picks one entry.
    QMenu* add = submenu(mnuFile, "mnuFilAdd", QStringLiteral("&Add Data to Airport"));
    mnuFilAdd = add->menuAction();
    mnuFilAddFBO = entry(add, "mnuFilAddFBO", QStringLiteral("Add &FBO"));
    mnuFilAddCrewHotel = entry(add, "mnuFilAddCrewHotel", QStringLiteral("Add &Crew Hotel"));
    mnuFilAddPaxHotel = entry(add, "mnuFilAddPaxHotel", QStringLiteral("Add &Pax Hotel"));
    mnuFilAddLimo = entry(add, "mnuFilAddLimo", QStringLiteral("Add &Limo"));
    mnuFilAddCat = entry(add, "mnuFilAddCat", QStringLiteral("Add Ca&tering"));
    QMenu* del = submenu(mnuFile, "mnuFilDel", QStringLiteral("&Delete Data"));
    mnuFilDel = del->menuAction();
    mnuFilDelAP = entry(del, "mnuFilDelAP", QStringLiteral("Delete &Airport"));
    mnuFilDelFBO = entry(del, "mnuFilDelFBO", QStringLiteral("Delete Selected &FBO"));
    mnuFilDelCrew = entry(del, "mnuFilDelCrew", QStringLiteral("Delete Selected &Crew Hotel"));
    mnuFilDelPax = entry(del, "mnuFilDelPax", QStringLiteral("Delete Selected &Pax Hotel"));
    mnuFilDelLimo = entry(del, "mnuFilDelLimo", QStringLiteral("Delete Selected &Limo"));
    mnuFilDelCat = entry(del, "mnuFilDelCat", QStringLiteral("Delete Selected Ca&tering"));
    mnuFile->addSeparator();
    mnuFilAddAP = entry(mnuFile, "mnuFilAddAP", QStringLiteral("Add &New Airport"));
    mnuFile->addSeparator();
    mnuFilPrint = entry(mnuFile, "mnuFilPrint", QStringLiteral("&Print"));
    mnuFile->addSeparator();
    mnuFilExit = entry(mnuFile, "mnuFilExit", QStringLiteral("&Return to Planning Page"));
    mnuExit = entry(mnuFile, "mnuExit", QStringLiteral("E&xit Tarvex"));

    mnuEdit = top(bar, "mnuEdit", QStringLiteral("&Edit"));
    mnuEdiAP = entry(mnuEdit, "mnuEdiAP", QStringLiteral("&Airport"));
    mnuEdit->addSeparator();
    mnuEdiFBO = entry(mnuEdit, "mnuEdiFBO", QStringLiteral("    &FBO"));
    mnuEdiCrew = entry(mnuEdit, "mnuEdiCrew", QStringLiteral("    &Crew Hotels"));
    mnuEdiPax = entry(mnuEdit, "mnuEdiPax", QStringLiteral("    &Pax Hotels"));
    mnuEdiLimos = entry(mnuEdit, "mnuEdiLimos", QStringLiteral("    &Limos"));
    mnuEdiCatering = entry(mnuEdit, "mnuEdiCatering", QStringLiteral("    Ca&tering"));

    mnuFilSearch = top(bar, "mnuFilSearch", QStringLiteral("    Airport &Search    "));
    mnuFilSeaID = entry(mnuFilSearch, "mnuFilSeaID", QStringLiteral("   &Identifier"));
    mnuFilSeaCity = entry(mnuFilSearch, "mnuFilSeaCity", QStringLiteral("   &City"));
}

void View::buildPage(QWidget* page) {
    // Boxes, lists, buttons and field labels in the fixed-pitch font: the service lines are
    // columns of text.
    page->setFont(FixedPitchFont());

    lblIdentifier = Label(page, "lblIdentifier", QStringLiteral("Identifier"));
    txtIdentifier = FieldBox(page, "txtIdentifier", 6);
    lblCity = Label(page, "lblCity", QStringLiteral("City"));
    txtCity = FieldBox(page, "txtCity", 26);
    lblState = Label(page, "lblState", QStringLiteral("State/Country"));
    txtState = FieldBox(page, "txtState", 21);
    lblLatitude = Label(page, "lblLatitude", QStringLiteral("Latitude"));
    txtLatitude = FieldBox(page, "txtLatitude", 10);
    lblLongitude = Label(page, "lblLongitude", QStringLiteral("Longitude"));
    txtLongitude = FieldBox(page, "txtLongitude", 11);
    lblStandard = Label(page, "lblStandard", QStringLiteral("Time Zone(STD)"));
    txtStandard = FieldBox(page, "txtStandard", 7);
    lblDay = Label(page, "lblDay", QStringLiteral("Time Zone(DAY)"));
    txtDay = FieldBox(page, "txtDay", 7);
    lblZoneCode = Label(page, "lblZoneCode", QStringLiteral("Zone Code"));
    txtZoneCode = FieldBox(page, "txtZoneCode", 5);
    lblComment = Label(page, "lblComment", QStringLiteral("A/P Comments"));
    txtComment = MultiLineBox(page, "txtComment");
    txtComment->setTabChangesFocus(true);
    txtComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblIATA = Label(page, "lblIATA", QStringLiteral("IATA Code"));
    txtIATA = FieldBox(page, "txtIATA", 5);
    lblName = Label(page, "lblName", QStringLiteral("Airport Name"));
    txtName = FieldBox(page, "txtName", 51);
    lblKind = Label(page, "lblKind", QStringLiteral("Kind"));
    txtKind = FieldBox(page, "txtKind", 7);
    // The design's sample coordinates; the opening empties them.
    txtLatitude->setText(QStringLiteral("N34-22.3"));
    txtLongitude->setText(QStringLiteral("W173-55.4"));

    txtID = FieldBox(page, "txtID", 6);
    txtID->setMaxLength(4);
    txtCTY = FieldBox(page, "txtCTY", 26);
    txtCTY->setMaxLength(25);
    cmdIdentOK = Button(page, "cmdIdentOK", QStringLiteral("Ident &OK"));
    cmdCityOK = Button(page, "cmdCityOK", QStringLiteral("City &OK"));
    lblID = Label(page, "lblID", QStringLiteral("Enter IDENT, then Press OK - or tab to City."));
    lblCTY = Label(page, "lblCTY", QStringLiteral("Enter CITY, then Press OK - or tab to Ident."));
    QFont prompt(QStringLiteral("Times New Roman"));
    prompt.setStyleHint(QFont::Serif);
    prompt.setPointSize(11);
    for (QLabel* l : {lblID, lblCTY}) l->setFont(prompt);
    for (QWidget* w : {static_cast<QWidget*>(txtIdentifier), static_cast<QWidget*>(txtCity),
                       static_cast<QWidget*>(txtID), static_cast<QWidget*>(txtCTY),
                       static_cast<QWidget*>(cmdIdentOK), static_cast<QWidget*>(cmdCityOK),
                       static_cast<QWidget*>(lblID), static_cast<QWidget*>(lblCTY)})
        keepPlace(w);

    cmdNext = Button(page, "cmdNext", QStringLiteral("&Next"),
                     QStringLiteral("  Searches for next City  "));
    cmdPrevious = Button(page, "cmdPrevious", QStringLiteral("&Previous"),
                         QStringLiteral("  Searches for Previous City  "));

    frameAddAP = Frame(page, "frameAddAP", QString());
    cmdAddOK = Button(frameAddAP, "cmdAddOK", QStringLiteral("OK - &Add to Data Base"));
    cmdSave = Button(frameAddAP, "cmdSave", QStringLiteral("&Save this Data"));
    cmdCxAddEdit = Button(frameAddAP, "cmdCxAddEdit", QStringLiteral("&Cancel"));
    auto* apButtons = new QVBoxLayout(frameAddAP);
    for (QPushButton* b : {cmdAddOK, cmdSave, cmdCxAddEdit}) apButtons->addWidget(b);
    for (QPushButton* b : {cmdNext, cmdPrevious}) {
        b->setMinimumWidth(130);
        keepPlace(b);
    }

    // The twelve fields, the search entry lying over the first two, the comment box and the
    // last three below.
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(6);
    const std::array<QLabel*, 8> labels{lblIdentifier, lblCity,     lblState, lblLatitude,
                                        lblLongitude,  lblStandard, lblDay,   lblZoneCode};
    const std::array<QWidget*, 12> boxes = airportBoxes();
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    // The field labels and the list labels share one column width, so boxes and lists line up.
    const int labelWidth = QFontMetrics(FixedPitchFont()).horizontalAdvance(QString(15, u'0'));
    for (int row = 0; row < 8; ++row) {
        labels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labels[row]->setFixedWidth(labelWidth);
        fields->addWidget(labels[row], row, 0);
        fields->addWidget(boxes[row], row, 1, left);
    }
    fields->addWidget(txtID, 0, 1, left);
    fields->addWidget(txtCTY, 1, 1, left);
    fields->addWidget(cmdIdentOK, 0, 2, left);
    fields->addWidget(cmdCityOK, 0, 2, left);
    fields->addWidget(lblID, 1, 2, 1, 2, left);
    fields->addWidget(lblCTY, 1, 2, 1, 2, left);

    auto* side = new QVBoxLayout;
    side->addWidget(cmdNext);
    side->addWidget(cmdPrevious);
    side->addSpacing(12);
    side->addWidget(frameAddAP);
    side->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(fields);
    upper->addSpacing(24);
    upper->addLayout(side);
    upper->addStretch(1);

    const QFontMetrics fm(FixedPitchFont());
    // A printed comment line holds 51 characters; the box shows as many.
    txtComment->setFixedSize(fm.horizontalAdvance(QString(52, u'0')) + 40,
                             fm.lineSpacing() * 7 + 12);
    lblComment->setFixedWidth(labelWidth);
    lblComment->setAlignment(Qt::AlignRight | Qt::AlignTop);
    fields->addWidget(lblComment, 8, 0, Qt::AlignRight | Qt::AlignTop);
    fields->addWidget(txtComment, 8, 1, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    fields->setRowMinimumHeight(8, txtComment->height() + 6);
    const std::array<QLabel*, 3> lastLabels{lblIATA, lblName, lblKind};
    for (int k = 0; k < 3; ++k) {
        lastLabels[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lastLabels[k]->setFixedWidth(labelWidth);
        fields->addWidget(lastLabels[k], 9 + k, 0);
        fields->addWidget(boxes[9 + k], 9 + k, 1, 1, k == 1 ? 3 : 1, left);
    }

    // The five service lists, their frames opening beside them.
    lblFBOs = Label(page, "lblFBOs", QStringLiteral("FBOs"));
    lblCrewHotels = Label(page, "lblCrewHotels", QStringLiteral("Crew Hotels"));
    lblPaxHotels = Label(page, "lblPaxHotels", QStringLiteral("Pax Hotels"));
    lblLimos = Label(page, "lblLimos", QStringLiteral("Limos"));
    lblCatering = Label(page, "lblCatering", QStringLiteral("Catering"));
    cboFBOs = ComboBox(page, "cboFBOs");
    cboCrewHotels = ComboBox(page, "cboCrewHotels");
    cboPaxHotels = ComboBox(page, "cboPaxHotels");
    cboLimos = ComboBox(page, "cboLimos");
    cboCatering = ComboBox(page, "cboCatering");
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(8);
    lists->setVerticalSpacing(6);
    const std::array<QLabel*, 5> listLabels{lblFBOs, lblCrewHotels, lblPaxHotels, lblLimos,
                                            lblCatering};
    const std::array<QComboBox*, 5> combos = serviceLists();
    for (int row = 0; row < 5; ++row) {
        listLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        listLabels[row]->setFixedWidth(labelWidth);
        // An FBO line: name 25, a blank, phone 25, a blank, frequency 7.
        combos[row]->setFixedWidth(fm.horizontalAdvance(QString(59, u'0')) + 40);
        lists->addWidget(listLabels[row], row, 0);
        lists->addWidget(combos[row], row, 1);
    }
    buildServiceFrames(page);
    auto* frames = new QVBoxLayout;
    for (const Family& f : families_) frames->addWidget(f.frame);
    frames->addStretch(1);
    auto* lower = new QHBoxLayout;
    lower->addLayout(lists);
    lower->addSpacing(12);
    lower->addLayout(frames);
    lower->addStretch(1);
    lists->setRowStretch(5, 1);

    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(16, 12, 16, 12);
    v->setSpacing(6);
    v->addLayout(upper);
    v->addSpacing(10);
    v->addLayout(lower);
    v->addStretch(1);
}

void View::buildServiceFrames(QWidget* page) {
    struct Texts {
        const char *frame, *name, *phone, *enter, *revise, *cancel;
        QString design, nameLabel, phoneLabel;
    };
    const std::array<Texts, 5> texts{{
        {"frameAddFBO", "txtFBOName", "txtFBOPhone", "cmdEnterFBO", "cmdReviseFBO", "cmdCancelFBO",
         QStringLiteral("   FBO Data   "), QStringLiteral("FBO Name :"),
         QStringLiteral("FBO Phone :")},
        {"frameAddCHot", "txtCHotelName", "txtCHotelPhone", "cmdEnterCHot", "cmdRevCHot",
         "cmdCancelCHot", QStringLiteral("   Crew Hotel Data   "), QStringLiteral("Hotel Name :"),
         QStringLiteral("Hotel Phone :")},
        {"frameAddPHot", "txtPHotelName", "txtPHotelPhone", "cmdEnterPHot", "cmdRevPHot",
         "cmdCancelPHot", QStringLiteral("   Pax Hotel   "), QStringLiteral("Hotel Name :"),
         QStringLiteral("Hotel Phone :")},
        {"frameAddLimo", "txtLimoName", "txtLimoPhone", "cmdEnterLimo", "cmdRevLimo",
         "cmdCancelLimo", QStringLiteral("   Limo   "), QStringLiteral("Limo Name :"),
         QStringLiteral("Limo Phone :")},
        {"frameAddCat", "txtCatName", "txtCatPhone", "cmdEnterCat", "cmdRevCat", "cmdCancelCat",
         QStringLiteral("   Catering   "), QStringLiteral("Catering Name :"),
         QStringLiteral("Catering Phone :")},
    }};
    for (size_t i = 0; i < families_.size(); ++i) {
        const Texts& t = texts[i];
        Family& f = families_[i];
        f.frame = OverFrame(page, t.frame, t.design);
        QWidget* fr = f.frame;
        f.name = FieldBox(fr, t.name, 26);
        f.phone = FieldBox(fr, t.phone, 26);
        f.freq = i == 0 ? FieldBox(fr, "txtFBOFreq", 8) : nullptr;
        f.enter = Button(fr, t.enter, QStringLiteral("OK to &Add"));
        f.revise = Button(fr, t.revise, QStringLiteral("OK to &Revise"));
        f.cancel = Button(fr, t.cancel, QStringLiteral("&Cancel"));

        // Each label over its box: the frame stands beside the lists within the window's width.
        auto* g = new QVBoxLayout(fr);
        g->setSpacing(2);
        auto row = [&](const QString& caption, QLineEdit* box) {
            auto* l = new QLabel(caption, fr);
            l->setObjectName(QStringLiteral("lbl") + box->objectName().mid(3));
            g->addWidget(l);
            g->addWidget(box);
            g->addSpacing(4);
        };
        row(t.nameLabel, f.name);
        row(t.phoneLabel, f.phone);
        if (f.freq) row(QStringLiteral("Frequency :"), f.freq);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(f.cancel);
        buttons->addStretch(1);
        buttons->addWidget(f.enter);
        buttons->addWidget(f.revise);
        g->addLayout(buttons);
        // Name, phone (frequency), cancel, then the add or the revise button.
        QWidget* previous = f.name;
        for (QWidget* w : {static_cast<QWidget*>(f.phone), static_cast<QWidget*>(f.freq),
                           static_cast<QWidget*>(f.cancel), static_cast<QWidget*>(f.enter),
                           static_cast<QWidget*>(f.revise)}) {
            if (!w) continue;
            setTabOrder(previous, w);
            previous = w;
        }
        f.frame->hide();
    }
    txtFBOName = families_[0].name;
    txtFBOPhone = families_[0].phone;
    txtFBOFreq = families_[0].freq;
    txtCHotelName = families_[1].name;
    txtCHotelPhone = families_[1].phone;
    txtPHotelName = families_[2].name;
    txtPHotelPhone = families_[2].phone;
    txtLimoName = families_[3].name;
    txtLimoPhone = families_[3].phone;
    txtCatName = families_[4].name;
    txtCatPhone = families_[4].phone;
    frameAddFBO = families_[0].frame;
    frameAddCHot = families_[1].frame;
    frameAddPHot = families_[2].frame;
    frameAddLimo = families_[3].frame;
    frameAddCat = families_[4].frame;
    cmdEnterFBO = families_[0].enter;
    cmdReviseFBO = families_[0].revise;
    cmdCancelFBO = families_[0].cancel;
    cmdEnterCHot = families_[1].enter;
    cmdRevCHot = families_[1].revise;
    cmdCancelCHot = families_[1].cancel;
    cmdEnterPHot = families_[2].enter;
    cmdRevPHot = families_[2].revise;
    cmdCancelPHot = families_[2].cancel;
    cmdEnterLimo = families_[3].enter;
    cmdRevLimo = families_[3].revise;
    cmdCancelLimo = families_[3].cancel;
    cmdEnterCat = families_[4].enter;
    cmdRevCat = families_[4].revise;
    cmdCancelCat = families_[4].cancel;
}

}  // namespace tx
