#include "settings/AppWindows.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "output/TripPlanning.h"
#include "settings/Disc.h"
#include "settings/Intro.h"

namespace tx {

AppWindows::AppWindows(PlanState& state, AirportDatabase& database, Platform& p)
    : s(state), adb(database), platform(p), quit([] { QCoreApplication::quit(); }) {}

AppWindows::~AppWindows() {
    delete intro_.data();
}

Intro* AppWindows::intro() const {
    return intro_.data();
}

void AppWindows::PlaceWindows() {
    // The help and airport-information windows take the same place once they exist.
    if (tripPlanning_) tripPlanning_->move(static_cast<int>(WinLeft), static_cast<int>(WinTop));
}

void AppWindows::StoreWindowPlace(const QWidget* leaving) {
    WinTop = static_cast<float>(leaving->y());
    WinLeft = static_cast<float>(leaving->x());
}

void AppWindows::ShowStartWindows() {
    LoadDisc();
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

void AppWindows::EndProgram() {
    if (ended_) return;
    ended_ = true;
    adb.AirportsRs.reset();
    adb.db.close();
    if (intro_) intro_->hide();
    if (disc_) disc_->hide();
    if (tripPlanning_) tripPlanning_->hide();
    if (quit) quit();
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + static_cast<int>(std::floor((area.width() - size.width()) / 2.0)),
                 area.y() + static_cast<int>(std::floor((area.height() - size.height()) / 2.0)));
}

}  // namespace tx
