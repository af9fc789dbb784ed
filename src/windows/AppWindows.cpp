#include "windows/AppWindows.h"

#include <QCoreApplication>
#include <QWidget>

#include "windows/airportinfo/View.h"
#include "windows/help/TXHelp.h"
#include "windows/start/Disc.h"
#include "windows/start/Intro.h"
#include "windows/tripplanning/TripPlanning.h"

namespace tx {

AppWindows::AppWindows(PlanState& state, AirportDatabase& database, Platform& p)
    : WindowSwitch(state, database, p), quit([] { QCoreApplication::quit(); }) {}

AppWindows::~AppWindows() {
    delete intro_.data();
}

Intro* AppWindows::intro() const {
    return intro_.data();
}

void AppWindows::PlaceWindows() {
    // The help and airport-information windows take the same place once they exist.
    const QPoint place(static_cast<int>(WinLeft), static_cast<int>(WinTop));
    if (tripPlanning_) tripPlanning_->move(place);
    if (view_) view_->move(place);
    if (help_) help_->move(place);
}

void AppWindows::StoreWindowPlace(const QWidget* leaving) {
    WinTop = static_cast<float>(leaving->y());
    WinLeft = static_cast<float>(leaving->x());
}

void AppWindows::ShowStartWindows() {
    LoadDisc();
    LoadView();
    LoadHelp();
    auto* splash = new Intro(*this);
    intro_ = splash;
    splash->show();
}

Disc& AppWindows::LoadDisc() {
    if (!disc_) disc_ = std::make_unique<Disc>(*this);
    return *disc_;
}

TripPlanning& AppWindows::LoadTripPlanning() {
    if (!tripPlanning_) tripPlanning_ = std::make_unique<TripPlanning>(*this);
    return *tripPlanning_;
}

View& AppWindows::LoadView() {
    if (!view_) view_ = std::make_unique<View>(*this);
    return *view_;
}

TXHelp& AppWindows::LoadHelp() {
    if (!help_) help_ = std::make_unique<TXHelp>(*this);
    return *help_;
}

QWidget& AppWindows::load(Window w) {
    switch (w) {
        case Window::Disclaimer:
            return LoadDisc();
        case Window::AirportInfo:
            return LoadView();
        case Window::Help:
            return LoadHelp();
        case Window::TripPlanning:
            break;
    }
    return LoadTripPlanning();
}

// A window shown takes the keyboard at once, also where no window manager hands it over: its
// focused box gets its focus actions (the selected text, the prompt) and the typing.
QWidget& AppWindows::Show(Window next) {
    QWidget& w = load(next);
    w.show();
    w.activateWindow();
    return w;
}

QWidget& AppWindows::SwitchTo(Window next, QWidget* leaving) {
    StoreWindowPlace(leaving);
    QWidget& w = load(next);
    PlaceWindows();
    w.show();
    w.activateWindow();
    leaving->hide();
    return w;
}

void AppWindows::ExitTarvex(QWidget* from) {
    // The plan belongs to the main window, which asks about it and takes its file name.
    LoadTripPlanning().AskSaveAndExit(from);
}

void AppWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    adb.closeCursors();
    adb.db.close();
    if (intro_) intro_->hide();
    if (disc_) disc_->hide();
    if (tripPlanning_) tripPlanning_->hide();
    if (view_) view_->hide();
    if (help_) help_->hide();
    if (quit) quit();
}

}  // namespace tx
