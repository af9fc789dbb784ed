#pragma once
// Message texts that more than one window shows.
#include <QString>

namespace tx::messages {

// Shown by the disclaimer's "&Yes" and by the wind step while no aircraft is chosen.
inline const QString kSelectAircraft = QStringLiteral(
    "Before continuing, you must select an AIRCRAFT.  Select <Settings> above then "
    "<Select/Change Aircraft>.");

}  // namespace tx::messages
