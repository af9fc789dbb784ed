// Adding, revising and deleting an airport: the nine boxes filled field by field with Enter, the
// identifier tested for duplicates, the fields checked before they are stored, and an airport
// deleted with its service rows.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/airportinfo/View.h"
#include "windows/kit/KeyCodes.h"

namespace tx {

namespace {

// Enter in a box of limited length: a longer text (only the database gives one) is cut to the
// limit and the box keeps the focus; otherwise the focus goes on.
void cutOrGoOn(QLineEdit* box, int limit, QWidget* next) {
    if (box->text().size() > limit) {
        box->setText(box->text().left(limit));
        return;
    }
    next->setFocus();
}

}  // namespace

void View::limitTyping(int length, int selected, int limit, int& KeyAscii) {
    const bool typed = KeyAscii >= keys::kBlank || KeyAscii == keys::kReturn;
    if (typed && length - selected >= limit) KeyAscii = 0;
}

void View::connectAirportHandlers() {
    events_.GotFocus(txtIdentifier, this, &View::txtIdentifier_GotFocus);
    events_.LostFocus(txtIdentifier, this, &View::txtIdentifier_LostFocus);
    events_.KeyPress(txtIdentifier, this, &View::txtIdentifier_KeyPress);
    events_.KeyPress(txtCity, this, &View::txtCity_KeyPress);
    events_.KeyPress(txtState, this, &View::txtState_KeyPress);
    events_.KeyPress(txtLatitude, this, &View::txtLatitude_KeyPress);
    events_.KeyPress(txtLongitude, this, &View::txtLongitude_KeyPress);
    events_.KeyPress(txtStandard, this, &View::txtStandard_KeyPress);
    events_.KeyPress(txtDay, this, &View::txtDay_KeyPress);
    events_.KeyPress(txtZoneCode, this, &View::txtZoneCode_KeyPress);
    events_.KeyPress(txtComment, this, &View::txtComment_KeyPress);
    events_.KeyPress(txtIATA, this, &View::txtIATA_KeyPress);
    events_.KeyPress(txtName, this, &View::txtName_KeyPress);
    events_.KeyPress(txtKind, this, &View::txtKind_KeyPress);
    events_.Click(cmdAddOK, this, &View::cmdAddOK_Click);
    events_.Click(cmdSave, this, &View::cmdSave_Click);
    events_.Click(cmdCxAddEdit, this, &View::cmdCxAddEdit_Click);
    connect(mnuFilAddAP, &QAction::triggered, this, &View::mnuFilAddAP_Click);
    connect(mnuEdiAP, &QAction::triggered, this, &View::mnuEdiAP_Click);
    connect(mnuFilDelAP, &QAction::triggered, this, &View::mnuFilDelAP_Click);
}

// ---------------------------------------------------------------------------------------------
// Opening the airport frame

void View::mnuFilAddAP_Click() {
    AirportMode = true;
    ClearAirportFields();
    // The lists belong to the airport shown before, not to the one being entered.
    ClearServiceLists();
    mnuFilAddAP->setEnabled(false);
    cmdPrevious->hide();
    cmdNext->hide();
    cmdSave->hide();
    cmdAddOK->show();
    cmdCxAddEdit->show();
    frameAddAP->show();
    DisableMainMenus();
    UnlockAirportFields();
    txtID->hide();
    txtCTY->hide();
    txtIdentifier->show();
    txtCity->show();
    TabAirportFields();
    txtIdentifier->setFocus();
}

void View::mnuEdiAP_Click() {
    UnlockAirportFields();
    frameAddAP->show();
    cmdPrevious->hide();
    cmdNext->hide();
    cmdSave->show();
    cmdCxAddEdit->show();
    cmdAddOK->hide();
    DisableMainMenus();
    TabAirportFields();
    cmdCxAddEdit->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Field entry

void View::txtIdentifier_GotFocus() {
    if (!AirportMode) return;
    for (QWidget* w : {static_cast<QWidget*>(cmdIdentOK), static_cast<QWidget*>(cmdCityOK),
                       static_cast<QWidget*>(lblID), static_cast<QWidget*>(lblCTY)})
        w->hide();
}

void View::txtIdentifier_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) {
        limitTyping(int(txtIdentifier->text().size()), int(txtIdentifier->selectedText().size()), 4,
                    KeyAscii);
        return;
    }
    KeyAscii = 0;
    txtIdentifier->setText(txtIdentifier->text().toUpper());
    if (txtIdentifier->text().size() > 4) {
        txtIdentifier->setText(txtIdentifier->text().left(4));
        return;
    }
    leaveIdentifier(true);
}

void View::txtIdentifier_LostFocus() {
    leaveIdentifier(false);
}

// Leaving the identifier. On a new airport, the first leaving of a non-empty identifier tests it
// against the database; a duplicate is refused and entered again. The focus moves on by Enter
// only: leaving by Tab or the mouse goes where the user sent it.
void View::leaveIdentifier(bool byEnter) {
    if (ServiceMode) return;
    txtIdentifier->setText(txtIdentifier->text().toUpper());
    auto goOn = [&] {
        if (!byEnter) return;
        txtCity->show();
        txtCity->setEnabled(true);
        txtCity->setFocus();
    };
    if (!AirportMode) {
        goOn();
        return;
    }
    AirportMode = false;
    if (txtIdentifier->text().isEmpty()) return;
    bool taken = false;
    try {
        taken = IdentTaken(app_.adb.db, txtIdentifier->text());
    } catch (const DbError& e) {
        reportDbError(e);
        AirportMode = true;
        return;
    }
    if (!taken) {
        goOn();
        return;
    }
    app_.platform.messageBox(
        this, QStringLiteral("Duplicate airport found.  Try another identifier."),
        QStringLiteral("Duplicate"), Platform::Buttons::OK, Platform::Icon::Critical);
    AirportMode = true;
    txtIdentifier->clear();
    // Left by Tab or the mouse: the box takes the focus back once the focus has moved.
    if (!byEnter)
        QTimer::singleShot(0, this, [this] {
            if (frameAddAP->isVisible() && AirportMode) txtIdentifier->setFocus();
        });
}

void View::txtCity_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtCity->text().size()), int(txtCity->selectedText().size()), 25,
                           KeyAscii);
    KeyAscii = 0;
    cutOrGoOn(txtCity, 25, txtState);
}

void View::txtState_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtState->text().size()), int(txtState->selectedText().size()), 20,
                           KeyAscii);
    KeyAscii = 0;
    cutOrGoOn(txtState, 20, txtLatitude);
}

void View::txtLatitude_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtLatitude->text().size()), int(txtLatitude->selectedText().size()),
                           8, KeyAscii);
    KeyAscii = 0;
    cutOrGoOn(txtLatitude, 8, txtLongitude);
}

void View::txtLongitude_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtLongitude->text().size()),
                           int(txtLongitude->selectedText().size()), 9, KeyAscii);
    KeyAscii = 0;
    cutOrGoOn(txtLongitude, 9, txtStandard);
}

void View::txtStandard_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    txtDay->setFocus();
}

void View::txtDay_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn) return;
    KeyAscii = 0;
    txtZoneCode->setFocus();
}

void View::txtZoneCode_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtZoneCode->text().size()), int(txtZoneCode->selectedText().size()),
                           3, KeyAscii);
    KeyAscii = 0;
    txtZoneCode->setText(txtZoneCode->text().toUpper());
    cutOrGoOn(txtZoneCode, 3, txtComment);
}

void View::txtComment_KeyPress(int& KeyAscii) {
    limitTyping(int(txtComment->toPlainText().size()),
                int(txtComment->textCursor().selectedText().size()), 400, KeyAscii);
}

void View::txtIATA_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtIATA->text().size()), int(txtIATA->selectedText().size()), 3,
                           KeyAscii);
    KeyAscii = 0;
    txtIATA->setText(txtIATA->text().toUpper());
    cutOrGoOn(txtIATA, 3, txtName);
}

void View::txtName_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtName->text().size()), int(txtName->selectedText().size()), 50,
                           KeyAscii);
    KeyAscii = 0;
    cutOrGoOn(txtName, 50, txtKind);
}

void View::txtKind_KeyPress(int& KeyAscii) {
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(txtKind->text().size()), int(txtKind->selectedText().size()), 6,
                           KeyAscii);
    KeyAscii = 0;
    txtKind->setText(txtKind->text().toLower());
    cutOrGoOn(txtKind, 6, txtKind);
}

// ---------------------------------------------------------------------------------------------
// Storing

AirportFields View::typedFields() const {
    return {txtIdentifier->text(),     txtCity->text(),     txtState->text(), txtLatitude->text(),
            txtLongitude->text(),      txtStandard->text(), txtDay->text(),   txtZoneCode->text(),
            txtComment->toPlainText(), txtIATA->text(),     txtName->text(),  txtKind->text()};
}

QWidget* View::boxOf(AirportField f) const {
    return airportBoxes()[size_t(f)];  // the boxes stand in the fields' order
}

// A box refused at a store: the message, and the box takes the focus with its text selected;
// everything typed stays.
void View::refuseBox(const QString& text, const QString& title, Platform::Icon icon, QWidget* box) {
    app_.platform.messageBox(this, text, title, Platform::Buttons::OK, icon);
    box->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(box))
        SelectAllText(line);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        text->selectAll();
}

// The airport frame closed after a store: the airport shown, the boxes locked and out of the
// tab order, stepping on.
void View::endAirportEntry() {
    NoTabAirportFields();
    txtIdentifier->setFocusPolicy(Qt::ClickFocus);
    txtCity->setFocusPolicy(Qt::ClickFocus);
    cmdPrevious->show();
    cmdNext->show();
    for (QWidget* w : {static_cast<QWidget*>(cmdAddOK), static_cast<QWidget*>(cmdSave),
                       static_cast<QWidget*>(cmdCxAddEdit), static_cast<QWidget*>(frameAddAP)})
        w->hide();
    EnableMainMenus();
    cmdNext->setFocus();
}

// The typed fields into a new row or the airport shown. An identifier another airport has, or a
// field the record refuses, is refused with a message; so is a row the database refuses, which
// then stays as it was. True when stored.
bool View::storeAirport(Recordset& rs, bool adding) {
    const AirportFields fields = typedFields();
    try {
        if (IdentTaken(app_.adb.db, fields.Ident, adding ? 0 : ViewAirportID)) {
            refuseBox(QStringLiteral("Duplicate airport found.  Try another identifier."),
                      QStringLiteral("Duplicate"), Platform::Icon::Critical, txtIdentifier);
            return false;
        }
        if (const std::optional<AirportFault> fault = StoreAirport(rs, fields, adding)) {
            refuseBox(fault->message, QStringLiteral("Airport Data"), Platform::Icon::Warning,
                      boxOf(fault->field));
            return false;
        }
    } catch (const DbError& e) {
        reportDbError(e);
        return false;
    }
    return true;
}

void View::cmdAddOK_Click() {
    Recordset* rs = airports();
    if (!rs || !storeAirport(*rs, true)) return;
    AirportMode = false;
    LockAirportFields();
    txtID->setText(StoredIdent(txtIdentifier->text()));
    try {
        rs->requery();
    } catch (const DbError& e) {
        reportDbError(e);
    }
    FindIdent(*rs);
    endAirportEntry();
}

void View::cmdSave_Click() {
    Recordset* rs = shownAirport();
    if (!rs || !storeAirport(*rs, false)) return;
    AirportMode = false;
    LockAirportFields();
    // The cursor is not opened again: a revised city keeps its place in the stepping order
    // until the next opening.
    ShowAirport(*rs);
    endAirportEntry();
}

void View::cmdCxAddEdit_Click() {
    AirportMode = false;
    ClearAirportFields();
    ClearServiceLists();
    EnableMainMenus();
    InitViewMenus();
    frameAddAP->hide();
    // The airport shown before is found again, the identifier search ready for another.
    txtID->setText(ViewIdent.toUpper());
    txtCTY->hide();
    txtIdentifier->hide();
    txtID->show();
    Recordset* rs = airports();
    if (rs) FindIdent(*rs);
    txtCity->setVisible(rs && s_.LookupResult != LookupValues::Result::NotFound);
    if (txtCity->isHidden()) txtCTY->show();
    LockAirportFields();
    NoTabAirportFields();
    txtID->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Deleting

// The question names the airport and what goes with it.
void View::mnuFilDelAP_Click() {
    int services = 0;
    try {
        services = ServiceRowCount(app_.adb.db, ViewAirportID);
    } catch (const DbError& e) {
        reportDbError(e);
        return;
    }
    QStringList names{ViewIdent};
    for (const QString& text : {Trim(txtCity->text()), Trim(txtState->text())})
        if (!text.isEmpty()) names << text;
    const QString with = services == 0   ? QStringLiteral("with no service rows")
                         : services == 1 ? QStringLiteral("with its 1 service row")
                                         : QStringLiteral("with its %1 service rows").arg(services);
    if (app_.platform.messageBox(
            this,
            QStringLiteral("Are you sure you want to delete this record?\n\nAirport %1, %2.")
                .arg(names.join(QStringLiteral(", ")), with),
            QStringLiteral("Delete Airport?"), Platform::Buttons::YesNo, Platform::Icon::Critical,
            Platform::Answer::No) != Platform::Answer::Yes)
        return;
    Recordset* rs = shownAirport();
    if (!rs) return;
    const qint64 id = ViewAirportID;
    std::optional<qint64> neighbour;
    try {
        // The next airport in city order, or for the last one the one before it.
        rs->moveNext();
        if (!rs->eof()) {
            neighbour = rs->field(QStringLiteral("ID")).toLongLong();
        } else {
            rs->moveLast();
            rs->movePrevious();
            if (!rs->bof()) neighbour = rs->field(QStringLiteral("ID")).toLongLong();
        }
        DeleteAirport(app_.adb.db, id);
        app_.adb.MatchesRs.reset();  // stepping goes on in city order
        rs->requery();
        if (neighbour && rs->findFirst(IdIs(*neighbour)) && ShowAirport(*rs)) return;
    } catch (const DbError& e) {
        reportDbError(e);
        if (shownAirport()) return;  // nothing was deleted
    }
    // The only airport is gone: an empty airport database waits for a search or a new airport.
    ViewAirportID = 0;
    ViewIdent.clear();
    showSearchMode();
    txtID->setFocus();
}

}  // namespace tx
