#include "planning/StoredWinds.h"

#include <cmath>

#include "core/Text.h"

namespace tx {

namespace {

using WindRow = std::array<double, 37>;

constexpr WindRow HighLat = {-30, -23, -17, -10, 0,   7,   11,  13,  14,  15,  14,  13,  11,
                             7,   0,   -10, -17, -23, -30, -34, -39, -44, -47, -52, -54, -57,
                             -58, -60, -58, -57, -54, -52, -47, -44, -39, -34, -30};
constexpr WindRow MidLat = {-20, -15, -10, -5,  2,   6,   9,   11,  12,  13,  12,  11,  9,
                            6,   2,   -5,  -10, -15, -20, -22, -26, -28, -30, -33, -34, -35,
                            -36, -38, -36, -35, -34, -33, -30, -28, -26, -22, -20};
constexpr WindRow LowLat = {-9,  -6,  -3,  -1,  3,   6,   8,   9,   10,  10,  10,  9,   8,
                            6,   3,   -1,  -3,  -6,  -9,  -10, -12, -13, -13, -14, -14, -14,
                            -15, -15, -15, -14, -14, -14, -13, -13, -12, -10, -9};

void load(PlanState& s, const WindRow& row) {
    for (std::size_t k = 0; k < row.size(); ++k) s.Winds[k] = row[k];
}

}  // namespace

void LoadWindsHighLat(PlanState& s) {
    load(s, HighLat);
}
void LoadWindsMidLat(PlanState& s) {
    load(s, MidLat);
}
void LoadWindsLowLat(PlanState& s) {
    load(s, LowLat);
}

void ChooseWindTable(PlanState& s) {
    const double a = Val(Mid(s.DepLatText, 2, 2));
    const double b = Val(Mid(s.DestLatText, 2, 2));
    const QString depHemisphere = Left(s.DepLatText, 1);
    const QString destHemisphere = Left(s.DestLatText, 1);
    const bool sameHemisphere = (depHemisphere == u"N" && destHemisphere == u"N") ||
                                (depHemisphere == u"S" && destHemisphere == u"S");
    const double x = sameHemisphere ? (a + b) / 2 : std::sqrt((a - b) * (a - b));
    if (x > 25) {
        LoadWindsHighLat(s);
    } else if (x > 10) {
        LoadWindsMidLat(s);
    } else if (x >= 0) {
        LoadWindsLowLat(s);
    }
}

double ScaledWind(const PlanState& s) {
    double f = 1;
    switch (s.DistIndex) {
        case 0:
            f = 0.1;
            break;
        case 1:
            f = 0.3;
            break;
        case 2:
            f = 0.5;
            break;
        case 3:
            f = 0.8;
            break;
        default:
            break;
    }
    const int sector = s.CourseSector;
    const double stored =
        (sector >= 0 && sector < static_cast<int>(s.Winds.size())) ? s.Winds[sector] : 0.0;
    return Int(stored * f);
}

}  // namespace tx
