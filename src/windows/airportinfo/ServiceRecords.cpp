// The five service lists of the airport shown (each opening on its default, a pick making another
// entry the default at once) and the frames in which a family's rows are added, revised and
// deleted.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/airportinfo/View.h"
#include "windows/kit/KeyCodes.h"

namespace tx {

namespace {

// A service box with the focus is light yellow; without it, it takes the window's colours again.
void markFocus(QLineEdit* box, bool focused) {
    if (!focused) {
        box->setPalette(QPalette());
        return;
    }
    QPalette p = box->palette();
    p.setColor(QPalette::Base, QColor(255, 255, 128));
    box->setPalette(p);
}

}  // namespace

void View::connectServiceHandlers() {
    events_.Click(cboFBOs, this, &View::cboFBOs_Click);
    events_.Click(cboCrewHotels, this, &View::cboCrewHotels_Click);
    events_.Click(cboPaxHotels, this, &View::cboPaxHotels_Click);
    events_.Click(cboLimos, this, &View::cboLimos_Click);
    events_.Click(cboCatering, this, &View::cboCatering_Click);
    // The five families work alike: one routine each, told which family.
    for (Family& family : families_) {
        Family* f = &family;
        for (QLineEdit* box : {f->name, f->phone, f->freq}) {
            if (!box) continue;
            events_.onKeyPress(box, [this, f, box](int& k) { serviceBoxKeyPress(*f, box, k); });
            events_.onGotFocus(box, [box] { markFocus(box, true); });
            events_.onLostFocus(box, [box] { markFocus(box, false); });
        }
        events_.onClick(f->enter, [this, f] { okToAdd(*f); });
        events_.onClick(f->revise, [this, f] { okToRevise(*f); });
        events_.onClick(f->cancel, [this, f] { cancelService(*f); });
        connect(f->addEntry, &QAction::triggered, this, [this, f] { openServiceFrame(*f, false); });
        connect(f->editEntry, &QAction::triggered, this, [this, f] { openServiceFrame(*f, true); });
        connect(f->deleteEntry, &QAction::triggered, this, [this, f] { deleteSelected(*f); });
    }
}

// ---------------------------------------------------------------------------------------------
// The lists

// The airport's rows into the family's list, every row with its ID; the default row (or else the
// first) is then picked, which makes it the airport's default if it is not yet. A failing read
// leaves the list empty.
void View::fillServiceList(Family& f, qint64 airportId) {
    f.editEntry->setEnabled(false);
    f.list->clear();
    f.ids->assign(1, 0);
    clearServiceFields(f);
    std::vector<ServiceRow> rows;
    try {
        rows = ServiceRowsOf(app_.adb.db, f.table, airportId);
    } catch (const DbError&) {
        return;
    }
    if (rows.empty()) return;
    int defaultPosition = 0;
    for (const ServiceRow& row : rows) {
        if (row.Default) {
            f.name->setText(PadCut(row.Name, 25));
            f.phone->setText(PadCut(row.PhoneNumber, 25));
            if (f.freq) f.freq->setText(PadCut(row.Freq, 7));
            defaultPosition = f.list->count();
        }
        f.list->addItem(ServiceListLine(row, f.freq != nullptr));
        f.ids->push_back(row.ID);
    }
    f.editEntry->setEnabled(true);
    f.deleteEntry->setEnabled(true);
    f.list->setCurrentIndex(defaultPosition);
    pick(f);  // a selection made here raises no click of its own
}

// The entry selected fills the family's boxes as stored and becomes the airport's default (the old
// default cleared and the new one set in one transaction) unless it already is.
void View::pick(Family& f) {
    try {
        if (const std::optional<ServiceRow> row = fillServiceFields(f); row && !row->Default)
            MakeDefault(app_.adb.db, f.table, ViewAirportID, row->ID);
    } catch (const DbError& e) {
        reportDbError(e);
    }
}

// The family's boxes from the row selected in its list, as stored; that row, or nothing when
// none is selected or it is gone. Throws DbError.
std::optional<ServiceRow> View::fillServiceFields(Family& f) {
    const size_t k = size_t(f.list->currentIndex() + 1);
    if (k < 1 || k >= f.ids->size()) return std::nullopt;
    std::optional<ServiceRow> row = ServiceRowById(app_.adb.db, f.table, (*f.ids)[k]);
    if (!row) return std::nullopt;
    f.name->setText(row->Name);
    f.phone->setText(row->PhoneNumber);
    if (f.freq) f.freq->setText(row->Freq);
    return row;
}

void View::cboFBOs_Click() {
    pick(family(ServiceTable::FBOs));
}
void View::cboCrewHotels_Click() {
    pick(family(ServiceTable::CrewHotels));
}
void View::cboPaxHotels_Click() {
    pick(family(ServiceTable::PaxHotels));
}
void View::cboLimos_Click() {
    pick(family(ServiceTable::Limos));
}
void View::cboCatering_Click() {
    pick(family(ServiceTable::Catering));
}

void View::clearServiceFields(Family& f) {
    for (QLineEdit* box : {f.name, f.phone, f.freq})
        if (box) box->clear();
}

void View::ClearFBOFields() {
    clearServiceFields(family(ServiceTable::FBOs));
}
void View::ClearCrewHotelFields() {
    clearServiceFields(family(ServiceTable::CrewHotels));
}
void View::ClearPaxHotelFields() {
    clearServiceFields(family(ServiceTable::PaxHotels));
}
void View::ClearLimoFields() {
    clearServiceFields(family(ServiceTable::Limos));
}
void View::ClearCateringFields() {
    clearServiceFields(family(ServiceTable::Catering));
}

// ---------------------------------------------------------------------------------------------
// The frames

void View::openServiceFrame(Family& f, bool revise) {
    ServiceMode = true;
    LockForService();
    // An add starts empty; a revise from the row selected, whatever a cancelled frame left.
    clearServiceFields(f);
    if (revise) {
        try {
            fillServiceFields(f);
        } catch (const DbError& e) {
            reportDbError(e);
        }
    }
    cmdPrevious->setEnabled(false);
    cmdNext->setEnabled(false);
    f.frame->setTitle(revise ? f.editCaption : f.addCaption);
    f.frame->show();
    f.enter->setVisible(!revise);
    f.revise->setVisible(revise);
    if (revise) {
        // The row as stored, without the padding of a frequency.
        for (QLineEdit* box : {f.name, f.phone, f.freq})
            if (box) box->setText(RTrim(box->text()));
    }
    f.name->setFocus();
}

void View::closeServiceFrame(Family& f) {
    UnlockAfterService();
    cmdPrevious->setEnabled(true);
    cmdNext->setEnabled(true);
    f.frame->hide();
}

void View::serviceBoxKeyPress(Family& f, QLineEdit* box, int& KeyAscii) {
    const int limit = box == f.freq ? 7 : 25;
    if (KeyAscii != keys::kReturn)
        return limitTyping(int(box->text().size()), int(box->selectedText().size()), limit,
                           KeyAscii);
    KeyAscii = 0;
    if (box->text().size() > limit) {
        box->setText(box->text().left(limit));
        return;
    }
    QWidget* ok = f.revise->isHidden() ? f.enter : f.revise;
    if (box == f.name)
        f.phone->setFocus();
    else if (box == f.phone && f.freq)
        f.freq->setFocus();
    else
        ok->setFocus();
}

// A row refused by the record: the message, and the frame stays open with what was typed, the
// name box ready for a correction.
bool View::refusedService(Family& f, const std::optional<QString>& refusal) {
    if (!refusal) return false;
    app_.platform.messageBox(this, *refusal, f.frame->title().trimmed(), Platform::Buttons::OK,
                             Platform::Icon::Warning);
    f.name->setFocus();
    return true;
}

void View::okToAdd(Family& f) {
    try {
        if (refusedService(f, AddServiceRow(app_.adb.db, f.table, ViewAirportID, f.name->text(),
                                            f.phone->text(), f.freq ? f.freq->text() : QString())))
            return;
    } catch (const DbError& e) {
        reportDbError(e);  // the frame stays open with what was typed
        return;
    }
    ServiceMode = false;
    clearServiceFields(f);
    if (Recordset* rs = shownAirport()) ShowAirport(*rs);
    closeServiceFrame(f);
}

void View::okToRevise(Family& f) {
    const size_t k = size_t(f.list->currentIndex() + 1);
    if (k >= 1 && k < f.ids->size()) {
        try {
            if (refusedService(
                    f, ReviseServiceRow(app_.adb.db, f.table, (*f.ids)[k], f.name->text(),
                                        f.phone->text(), f.freq ? f.freq->text() : QString())))
                return;
        } catch (const DbError& e) {
            reportDbError(e);
            return;
        }
    }
    ServiceMode = false;
    if (Recordset* rs = shownAirport()) ShowAirport(*rs);
    closeServiceFrame(f);
}

void View::cancelService(Family& f) {
    ServiceMode = false;
    closeServiceFrame(f);
}

// The question names the row: its kind and its name, the first column of its line.
void View::deleteSelected(Family& f) {
    if (app_.platform.messageBox(
            this,
            QStringLiteral("Are you sure you want to delete this record?\n\n%1: %2")
                .arg(ServiceKind(f.table), RTrim(f.list->currentText().left(25))),
            f.deleteTitle, Platform::Buttons::YesNo, Platform::Icon::Critical,
            Platform::Answer::No) == Platform::Answer::Yes)
        deleteService(f);
}

void View::deleteService(Family& f) {
    const size_t k = size_t(f.list->currentIndex() + 1);
    if (k < 1 || k >= f.ids->size()) return;
    try {
        DeleteServiceRow(app_.adb.db, f.table, (*f.ids)[k]);
    } catch (const DbError& e) {
        reportDbError(e);
    }
    if (Recordset* rs = shownAirport()) ShowAirport(*rs);
}

void View::DeleteFBO() {
    deleteService(family(ServiceTable::FBOs));
}
void View::DeleteCrewHotel() {
    deleteService(family(ServiceTable::CrewHotels));
}
void View::DeletePaxHotel() {
    deleteService(family(ServiceTable::PaxHotels));
}
void View::DeleteLimo() {
    deleteService(family(ServiceTable::Limos));
}
void View::DeleteCatering() {
    deleteService(family(ServiceTable::Catering));
}

}  // namespace tx
