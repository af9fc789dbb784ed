#pragma once
// What the airport lookup and city search (AirportLookup.cpp) keep between keystrokes.
#include <QtGlobal>
#include <vector>

class QLineEdit;

namespace tx {

struct AirportLookupState {
    QLineEdit* SearchBox = nullptr;  // the search box typed in last
    // The database ID of the service row at list position p (from 1) of each service list;
    // position 0 is never a row.
    std::vector<qint64> PlanFBOIDs, PlanCrewHotelIDs, PlanPaxHotelIDs, PlanLimoIDs, PlanCateringIDs;
};

}  // namespace tx
