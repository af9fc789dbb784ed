#pragma once
// A program directory in a temporary folder (data.mdb with a few airports and their services,
// TARVEX.DAT, TZONES.DAT, and unless told otherwise TXDefAC.DAT naming a small aircraft file), the
// start routine's steps run on it with a FakePlatform, and the application's windows built on top.
// Ending the program only records that it ended. Below it, the steps the window tests share:
// typing, whole legs and list rows.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "airportdb/Db.h"
#include "core/PlanState.h"
#include "platform/FakePlatform.h"
#include "support/CalcTest.h"

class QListWidget;
class QWidget;

namespace tx {
class AppWindows;
class TripPlanning;
}  // namespace tx

namespace tx::test {

struct ProgramOptions {
    bool withAircraft = true;
    QDate today{2027, 1, 15};
};

class TestProgram {
    QTemporaryDir dir_;  // first in, last out: the files outlive the database and the windows

  public:
    explicit TestProgram(const ProgramOptions& options = {});
    ~TestProgram();

    // False when the program directory could not be made or the start routine refused it.
    bool started() const { return started_; }
    QString dir() const { return dir_.path(); }

    FakePlatform platform;
    PlanState s;
    AirportDatabase adb;
    std::unique_ptr<AppWindows> app;
    int quitCalls = 0;

    // The main window, loaded, shown and active; null when the program did not start or the
    // window never became active.
    TripPlanning* showPlanning();

    // A file of the program directory: its bytes ("<missing>" when unreadable), or written.
    QByteArray readFile(const QString& name) const;
    bool writeFile(const QString& name, const QByteArray& bytes) const;
    // The messages shown so far, "title: text" each.
    QStringList shownMessages() const;

    // The aircraft of TEST.AC: 300 to 420 kt in rows 0 to 3, 1800 to 1500 an hour, reserve 1200.
    // The owner in TARVEX.DAT is "Acme Flight Department", the taxi default 10 minutes; EGLL has
    // 55 caterers, more than a service list holds.
    static const QString kAircraftType;

  private:
    bool makeFiles(const ProgramOptions& options);
    bool started_ = false;
};

// The name of the widget that has the keyboard focus ("" when none).
QString focusName();
// Types into the focused widget, then presses Return there.
void typeAndReturn(const QString& text);
// Begins the next leg with the page button, then types each entry with Return ("" takes what the
// box holds, or the services frame's OK): leg, T or L, date, time, departure, destination, wind,
// reserve.
void enterLeg(TripPlanning* w, const QStringList& entries);

QStringList words(const QString& s);
// The texts of a list's rows.
QStringList listLines(const QListWidget* list);
// A click on a row of a list, scrolled into view; a double click is that click, then the second
// press, which the list takes for a double one, and the release the system sends after it.
void clickRow(QListWidget* list, int row);
void doubleClickRow(QListWidget* list, int row);

// Steps separated by blanks, on the window given: a menu entry or a button (or check box) named
// is triggered or clicked, "lboTX:n" clicks row n of the list named ("lboTX::n" double-clicks it),
// "@box" gives a box the focus with its text selected, "+text" types the text without Return,
// "yes" or "no" answers the next question, "Escape" presses Escape in the focused widget; anything
// else is typed into the focused widget with Return ("." alone: Return only).
void runSteps(QWidget* window, FakePlatform& platform, const QString& steps);
// "1" or "0" per control of the window named (an action, a menu's entry or a widget): shown, or
// with '+' before its name enabled, with '*' checked; '?' for a name it lacks.
QString on(const QWidget* window, const QString& names);
// The texts of the controls of the window named, '|' between them: a box's, label's or button's
// text, a frame's title; "@" stands for the name of the control that has the focus.
QString texts(const QWidget* window, const QString& names);

}  // namespace tx::test
