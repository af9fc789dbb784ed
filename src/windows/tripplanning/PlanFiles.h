#pragma once
// What the plan file frames (PlanFiles.cpp) remember between one handler and the next.
#include <QString>

#include "planfile/PlanFile.h"

namespace tx {

struct PlanFileState {
    QString SelectedPlanFile;  // the entry picked in flbTXRetrieve
    QString PlanFileName;      // the current plan's name, offered in the file-name box
    enum class RetDel { Retrieve, Delete };
    RetDel RetDelMode = RetDel::Retrieve;  // what the retrieve/delete frame does
    bool SavePilotReport = false;  // the pilot text report goes with the plan, else the summary
    bool SaveFromView = false;     // the save began in the pilot or summary frame
    bool ExitMode = false;         // an exit command runs: a completed save ends the program
    QString LastFileNameText;      // the file-name box's last accepted text
    PlanReserved Reserved;         // the reserved texts of the plan read last
};

}  // namespace tx
