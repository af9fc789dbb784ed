#pragma once
// What the pilot and summary views (Views.cpp) remember from one opening to the next.

namespace tx {

struct FormatViewState {
    int ViewLeg = 0;  // the leg a view selects when it opens; 0 while none was
};

}  // namespace tx
