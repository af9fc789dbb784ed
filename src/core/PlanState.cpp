#include "core/PlanState.h"

#include <stdexcept>
#include <string>

namespace tx {

PlanState::PlanState() {
    static const char* const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m) MonthNames[m] = QString::fromLatin1(names[m - 1]);
}

Leg& PlanState::leg(int i) {
    if (i < 0 || i >= Slots)
        throw std::out_of_range("leg slot " + std::to_string(i) + " is outside 0..25");
    return legs_[static_cast<std::size_t>(i)];
}

const Leg& PlanState::leg(int i) const {
    return const_cast<PlanState*>(this)->leg(i);
}

}  // namespace tx
