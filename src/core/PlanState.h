#pragma once
// The one working state of Tarvex: the legs of the plan, the working values of the leg being
// computed, the settings, the aircraft profile, the time-zone table, the winds and the month names.
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tx {

// One leg of the plan. Texts are empty and optional numbers unset until something writes them;
// the plan file tells an unset number from 0.
struct Leg {
    // Entered and looked up.
    QString TorL, DateEntry, LegDate, DateText, DepTimeEntry, ArrTimeEntry;
    QString DepID, DestID, DepCity, DestCity, DepState, DestState;
    QString DepCityState, DestCityState, DepCityStateF, DestCityStateF;
    QString DepStd, DestStd, DepDay, DestDay, DepZoneCode, DestZoneCode;
    std::optional<double> DepDSTStart, DepDSTEnd, DestDSTStart, DestDSTEnd;
    QString DepFBO, DepFBONamePhone, DestFBONamePhone;
    QString DestFBO, DestCrewHotel, DestPaxHotel, DestLimo, DestCatering;
    std::optional<int> InclFBO, InclCrewHotel, InclPaxHotel, InclLimo, InclCatering;
    QString LegComments;

    // Computed.
    std::optional<double> DepZoneOffset, DestZoneOffset;
    QString LocalDepText, LocalArrText, GMTDepText, GMTArrText, FltTimeText;
    QString TimeChangeText, DayChangeText, DayMark, DepDayChangeText, DepDayMark;
    QString DistText, WindText, BurnText, ReserveText, TotalReqText;
    QString DepSunrise, DepSunset, DestSunrise, DestSunset;
    QString PlanLine, PilotLine1, PilotLine2;
    QString SumLine1, SumLine2, SumLine3, SumLine4, SumLine5, SumLine6, SumLine7;

    bool operator==(const Leg&) const = default;
};

// Settings of TARVEX.DAT (the reserved fields are carried unchanged) and the version text.
struct Settings {
    QString OwnerName, OwnerAddress, OwnerCityState, OwnerPhone;
    QString Reserved5;
    QString TaxiDefault;
    QString OwnerEmail;
    std::array<QString, 4> Reserved8to11;
    QString VersionText;
};

// The loaded aircraft performance file.
struct AircraftProfile {
    static constexpr int MaxRows = 100;
    QString ACFileName, ACFileLoaded, ACType, ACLine2;
    std::int16_t ACRows = 0;
    std::array<double, MaxRows + 1> ACSpeed{}, ACFuelFlow{};
    double ACMaxFuel = 0, ACReserve = 0;
    // Why the start could not load the default aircraft (the file and what is wrong with it);
    // empty when it loaded.
    QString AircraftLoadError;
};

// TZONES.DAT: daylight periods by zone code, rows 1..TZRows.
struct TimeZoneTable {
    static constexpr int MaxRows = 48;
    std::int16_t TZRows = 0;
    std::array<QString, MaxRows + 1> TZCode;
    std::array<double, MaxRows + 1> TZDSTStart{}, TZDSTEnd{};
    QString TZExpiry;
};

// TZYEARS.DAT: the daylight period of zone codes year by year, FirstYear to LastYear. A code
// with rows but none for a year has no daylight time that year. Empty (no rows) when the file
// is missing or damaged; Problem then says why.
struct DaylightYearTable {
    static constexpr int MaxRows = 9600;  // 48 codes over 200 years
    struct Row {
        QString code;
        int year = 0;
        double start = 0, end = 0;
    };
    int FirstYear = 0, LastYear = 0;
    std::vector<Row> rows;  // by code, then year; each code and year once
    QString Problem;
};

// Working values of the leg being computed, carried from one entry step to the next: the two
// ends (the departure's latitude text chooses the wind table with the destination's), and the
// distance, table row and course sector the wind and the speed rule use.
struct WorkingValues {
    double DepLatRad = 0, DepLonRad = 0, DestLatRad = 0, DestLonRad = 0;
    QString DepLatText, DestLatText;
    double DistNM = 0;
    int DistIndex = 0, CourseSector = 0;
};

// What the last airport lookup found.
struct LookupValues {
    enum class Side { Departure, Destination };
    enum class Result { None, Found, NotFound };  // None until the first lookup
    Side LookupSide = Side::Departure;
    Result LookupResult = Result::None;
    std::int32_t RecAirportID = 0;
    QString RecIdent, RecCity, RecState, RecLat, RecLong, RecStd, RecDay, RecZoneCode;
    QString RecComments, RecFBOName, RecFBOPhone, RecFBOFreq;
    QString CurFBO, CurCrewHotel, CurPaxHotel, CurLimo, CurCatering;
};

class PlanState : public Settings,
                  public AircraftProfile,
                  public TimeZoneTable,
                  public WorkingValues,
                  public LookupValues {
  public:
    static constexpr int Slots = 26;  // slots 0..25; legs live in 1..MaxLegs
    static constexpr int MaxLegs = 20;

    PlanState();

    // The leg in slot i; an index outside 0..25 throws std::out_of_range.
    Leg& leg(int i);
    const Leg& leg(int i) const;
    Leg& cur() { return leg(CurLeg); }
    const Leg& cur() const { return leg(CurLeg); }

    std::int16_t NumLegs = 0, CurLeg = 0, SelLeg = 0, FmtSelLeg = 0;

    // Plan totals shown under the planning-page list.
    double TotalDist = 0;
    QString TotalTimeText;

    std::array<double, 38> Winds{};
    std::array<QString, 13> MonthNames;
    enum class View { TX, Pilot, Summary };  // the view a leg entry returns to
    View ViewMode = View::TX;

    DaylightYearTable TZYears;

    // Today's date from the system clock, put here by the application (tests fix it).
    QDate Today;
    // The program's directory: where data.mdb, the settings and the aircraft files live.
    QString ProgramDir;

  private:
    std::array<Leg, Slots> legs_;
};

}  // namespace tx
