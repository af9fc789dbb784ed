#pragma once
// Whole numbers taken from computed doubles without undefined conversions: a value that is not
// finite, or lies beyond what any leg can produce, never reaches an integer cast unchecked.
#include <cmath>

namespace tx::calc {

// The whole number x (already an integer part) as a long long; NaN gives 0 and the value is
// held within +-1e15, far beyond any time, distance or burn of a leg.
inline long long wholeOf(double x) {
    if (!(x == x)) return 0;
    if (x > 1e15) return 1000000000000000LL;
    if (x < -1e15) return -1000000000000000LL;
    return static_cast<long long>(x);
}

// Integer part (floor) of x as an int held within lo..hi; NaN gives lo.
inline int floorWithin(double x, int lo, int hi) {
    const double f = std::floor(x);
    if (!(f >= lo)) return lo;
    if (f > hi) return hi;
    return static_cast<int>(f);
}

}  // namespace tx::calc
