#pragma once
// The limits the trip checks hold a plan to, and their file TXLimits.DAT in the program
// directory: six records of a label and a duration, "Minimum ground time",0:30 and so on.
#include <QString>
#include <array>
#include <optional>

#include "core/PlanState.h"

namespace tx {

inline constexpr const char* kTripLimitsFile = "TXLimits.DAT";

enum class TripLimit { MinGround, Show, PostFlight, MinRest, Duty, FlightTime };
inline constexpr int TripLimitCount = 6;

// Whole minutes; the defaults are those of a two-pilot on-demand crew.
struct TripLimits {
    std::array<int, TripLimitCount> minutes{30, 60, 15, 600, 840, 600};

    int operator[](TripLimit l) const { return minutes[static_cast<std::size_t>(l)]; }
    int& operator[](TripLimit l) { return minutes[static_cast<std::size_t>(l)]; }
    bool operator==(const TripLimits&) const = default;
};

// The limit's name as the file labels it and messages name it ("Duty limit").
QString TripLimitName(TripLimit l);

// Minutes as h:mm ("0:30", "14:00", "26:05").
QString DurationText(int minutes);

// Why a typed (or pasted, or read) limit text cannot be stored, or nothing when it can: it must
// be hours and minutes as h:mm within the limit's range.
std::optional<QString> TripLimitRefusal(TripLimit l, const QString& text);
// The minutes of a text TripLimitRefusal accepts.
int TripLimitMinutes(const QString& text);

// TXLimits.DAT read. A missing file gives the defaults and no problem; an unreadable or damaged
// one (wrong layout, a limit out of its range) gives the defaults and a problem naming the file
// and what is wrong.
struct TripLimitsRead {
    TripLimits limits;
    QString problem;
};
TripLimitsRead LoadTripLimits(const PlanState& s);

// Rewrites TXLimits.DAT, replacing it whole. Throws FileError; a failure keeps the previous file.
void WriteTripLimits(const PlanState& s, const TripLimits& limits);

}  // namespace tx
