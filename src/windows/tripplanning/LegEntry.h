#pragma once
// What the leg entry (LegEntry.cpp) keeps while a leg is being entered.
#include <vector>

namespace tx {

struct Leg;

struct LegEntryState {
    // Every slot as it was when the entry of a leg began: Cancel puts them back.
    std::vector<Leg> legsBeforeEntry;
};

}  // namespace tx
