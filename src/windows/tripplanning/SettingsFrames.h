#pragma once
// What the settings frames (SettingsFrames.cpp) remember while one is open.
#include <QString>

namespace tx {

struct SettingsFrameState {
    // The aircraft file picked in flbTXAircraft; it becomes ACFileName only once it has loaded.
    QString ChosenAircraft;
};

}  // namespace tx
