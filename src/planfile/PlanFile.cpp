#include "planfile/PlanFile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <variant>
#include <vector>

#include "core/Text.h"

namespace tx {

namespace {

// One field of a leg record: a text, a number that may be unset, a print flag, or one of the
// reserved texts (by index).
struct ReservedText {
    int index;
};
using Field = std::variant<QString Leg::*, std::optional<double> Leg::*, std::optional<int> Leg::*,
                           ReservedText>;

template <class... F>
struct Overload : F... {
    using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;  // clang before 17 deduces no aggregate by itself

// The 18 records of a leg, in file order; reading, writing and clearing all follow this table.
const std::array<std::vector<Field>, 18>& LegLayout() {
    static const std::array<std::vector<Field>, 18> layout = {{
        {&Leg::TorL, &Leg::DateEntry, &Leg::DateText, &Leg::DepID, &Leg::DepZoneOffset},
        {&Leg::DepStd, &Leg::DepDay, &Leg::DepZoneCode, &Leg::DepDSTStart, &Leg::DepDSTEnd},
        {&Leg::DestStd, &Leg::DestDay, &Leg::DestZoneCode, &Leg::DestDSTStart, &Leg::DestDSTEnd},
        {&Leg::WindText, &Leg::DestID, &Leg::DestZoneOffset, &Leg::BurnText, &Leg::ReserveText},
        {&Leg::DepSunrise, &Leg::DepSunset, &Leg::DistText, &Leg::GMTDepText, &Leg::LocalDepText,
         &Leg::DepDayMark},
        {&Leg::DepTimeEntry, &Leg::ArrTimeEntry},
        {&Leg::FltTimeText, &Leg::GMTArrText, &Leg::LocalArrText, &Leg::DayMark,
         &Leg::TotalReqText},
        {&Leg::DestSunrise, &Leg::DestSunset},
        {&Leg::DepCityStateF, &Leg::DepCity, &Leg::DepState},
        {&Leg::DestCityStateF, &Leg::DestCity, &Leg::DestState},
        {&Leg::DepFBONamePhone, &Leg::DestFBONamePhone},
        {&Leg::DestFBO, &Leg::DestCrewHotel, &Leg::DestPaxHotel, &Leg::DestLimo,
         &Leg::DestCatering},
        {&Leg::InclFBO, &Leg::InclCrewHotel, &Leg::InclPaxHotel, &Leg::InclLimo,
         &Leg::InclCatering},
        {&Leg::PlanLine, &Leg::PilotLine1, &Leg::PilotLine2, &Leg::DepDayChangeText,
         &Leg::DayChangeText},
        {&Leg::SumLine1, &Leg::SumLine2, &Leg::SumLine3, &Leg::SumLine4},
        {&Leg::SumLine5, &Leg::SumLine6, &Leg::SumLine7},
        {&Leg::LegComments, &Leg::DepFBO},
        {ReservedText{0}, ReservedText{1}, ReservedText{2}, ReservedText{3}},
    }};
    return layout;
}

constexpr int kTrailerReserved = 5;

// A field that does not follow the layout.
[[noreturn]] void Refuse(const SeqReader& in, const QString& file, const QString& why) {
    throw FileError(QStringLiteral("%1: %2 (field %3)").arg(file, why).arg(in.fieldsRead()),
                    FileError::Fault::Layout);
}

// A number field: empty is unset; anything else must be a number.
std::optional<double> ReadNumber(SeqReader& in, const QString& file) {
    const QString t = in.text();
    if (Trim(t).isEmpty()) return std::nullopt;
    if (!IsNumber(t))
        Refuse(in, file, QStringLiteral("\"%1\" stands where a number belongs").arg(t));
    return Val(t);
}

// A print flag: 1 prints, 0 does not, empty is unset.
std::optional<int> ReadFlag(SeqReader& in, const QString& file) {
    const QString t = in.text();
    if (Trim(t).isEmpty()) return std::nullopt;
    if (!IsNumber(t) || (Val(t) != 0 && Val(t) != 1))
        Refuse(in, file, QStringLiteral("the print flag \"%1\" is not 0 or 1").arg(t));
    return static_cast<int>(Val(t));
}

// dir/fileName for a file picked from the list: a plain name of dir.
QString ListedFilePath(const QString& dir, const QString& fileName) {
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\'))
        throw FileError(
            QStringLiteral("\"%1\" is not a plan file of the plan folder.").arg(fileName));
    return QDir(dir).filePath(fileName);
}

}  // namespace

QString PlanNameProblem(const QString& name) {
    if (Trim(name).isEmpty()) return QStringLiteral("Enter a name for the Tarvex Plan.");
    bool usable = true;
    QString shown = name;  // control characters are not put into a message
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control) {
            c = u'?';
            usable = false;
        }
        usable = usable && !QStringView(kPlanNameRefused).contains(c);
    }
    if (usable) return {};
    return QStringLiteral(
               "\"%1\" cannot be used as the name of a Tarvex Plan: a name holds no "
               "comma, full stop, apostrophe, slash, backslash, double quote or "
               "control character.")
        .arg(shown);
}

QString TripDetailsProblem(const PlanReserved& details) {
    const auto text = [](const QString& what, const QString& value, int most) -> QString {
        if (value.size() > most)
            return QStringLiteral("The %1 holds at most %2 characters.").arg(what).arg(most);
        for (const QChar c : value)
            if (c.category() == QChar::Other_Control)
                return QStringLiteral("The %1 cannot hold a control character.").arg(what);
        if (const auto changes = Cp1252Changes(value); !changes.isEmpty())
            return QStringLiteral("The %1 cannot hold \"%2\": the plan file has no such character.")
                .arg(what, changes.first().first);
        return {};
    };
    using namespace TripDetail;
    if (QString p = text(QStringLiteral("tail number"), details[TailNumber], MaxTailNumber);
        !p.isEmpty())
        return p;
    if (QString p = text(QStringLiteral("crew"), details[Crew], MaxCrew); !p.isEmpty()) return p;
    const QString& pax = details[Passengers];
    bool whole = pax.size() <= 3;
    for (const QChar c : pax) whole = whole && c >= u'0' && c <= u'9';
    if (!whole) return QStringLiteral("The passengers must be a whole number from 0 to 999.");
    if (!details[FuelUnit].isEmpty() && !kFuelUnits.contains(details[FuelUnit]))
        return QStringLiteral("The fuel unit must be lb, kg or US gal.");
    return {};
}

QString PlanFilePath(const QString& dir, const QString& name, const QString& extension) {
    if (const QString problem = PlanNameProblem(name); !problem.isEmpty()) throw FileError(problem);
    return QDir(dir).filePath(name + extension);
}

QString PlanBaseName(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".tx"), Qt::CaseInsensitive)) return fileName.chopped(3);
    return fileName;
}

QByteArray PlanFileBytes(PlanState& s, const QString& name, const PlanReserved& reserved) {
    if (s.NumLegs < 0 || s.NumLegs > PlanState::MaxLegs)
        throw FileError(
            QStringLiteral("%1.tx: a plan holds 0 to 20 legs, not %2").arg(name).arg(s.NumLegs));
    s.ACFileLoaded = s.ACFileName;

    SeqWriter out;
    out.number(s.NumLegs).endRecord();
    for (int i = 1; i <= s.NumLegs; ++i) {
        const Leg& leg = s.leg(i);
        const auto put = Overload{
            [&](QString Leg::*f) { out.quoted(leg.*f); },
            [&](std::optional<double> Leg::*f) {
                if (leg.*f)
                    out.number(*(leg.*f));
                else
                    out.text({});
            },
            [&](std::optional<int> Leg::*f) {
                if (leg.*f)
                    out.number(*(leg.*f));
                else
                    out.text({});
            },
            [&](ReservedText r) { out.quoted(reserved[static_cast<std::size_t>(r.index)]); },
        };
        for (const auto& record : LegLayout()) {
            for (const Field& f : record) std::visit(put, f);
            out.endRecord();
        }
    }
    out.number(s.TotalDist).quoted(s.TotalTimeText).quoted(s.ACFileLoaded).endRecord();
    for (int k = 0; k < kTrailerReserved; ++k) out.quoted({});
    out.endRecord();
    QByteArray bytes = out.bytes();
    if (bytes.size() > MaxPlanFileBytes)
        throw FileError(QStringLiteral("%1.tx: the plan would be larger than %2 MB, the most a "
                                       "plan file may hold; shorten its comments.")
                            .arg(name)
                            .arg(MaxPlanFileBytes >> 20),
                        FileError::Fault::TooLarge);
    return bytes;
}

void WritePlanFile(PlanState& s, const QString& dir, const QString& name,
                   const PlanReserved& reserved) {
    const QString path = PlanFilePath(dir, name, QStringLiteral(".tx"));
    WriteFileAtomically(path, PlanFileBytes(s, name, reserved));
}

PlanReserved ReadPlanFile(PlanState& s, const QString& dir, const QString& fileName) {
    const QString path = ListedFilePath(dir, fileName);
    const QString file = QDir::toNativeSeparators(path);  // every message names it in full
    SeqReader in = SeqReader::fromFile(path, MaxPlanFileBytes);

    // Read into a copy: a refused file leaves the plan in memory as it was.
    PlanState next = s;
    PlanReserved reserved;
    const int before = std::clamp<int>(s.NumLegs, 0, PlanState::MaxLegs);
    for (int i = 1; i <= before; ++i) {
        Leg& leg = next.leg(i);
        const auto clear = Overload{
            [&](QString Leg::*f) { (leg.*f).clear(); },
            [&](std::optional<double> Leg::*f) { leg.*f = 0.0; },
            [&](std::optional<int> Leg::*f) { (leg.*f).reset(); },
            [](ReservedText) {},
        };
        for (const auto& record : LegLayout())
            for (const Field& f : record) std::visit(clear, f);
        leg.DepCityState.clear();
        leg.DestCityState.clear();
    }
    next.TotalDist = 0;
    next.TotalTimeText.clear();
    next.ACFileLoaded.clear();

    const int n = in.integer16();
    if (n < 0 || n > PlanState::MaxLegs)
        throw FileError(QStringLiteral("%1: a plan holds 0 to 20 legs, not %2").arg(file).arg(n),
                        FileError::Fault::Layout);
    for (int i = 1; i <= n; ++i) {
        Leg& leg = next.leg(i);
        const auto get = Overload{
            [&](QString Leg::*f) { leg.*f = in.text(); },
            [&](std::optional<double> Leg::*f) { leg.*f = ReadNumber(in, file); },
            [&](std::optional<int> Leg::*f) { leg.*f = ReadFlag(in, file); },
            [&](ReservedText r) { reserved[static_cast<std::size_t>(r.index)] = in.text(); },
        };
        for (const auto& record : LegLayout())
            for (const Field& f : record) std::visit(get, f);
        leg.DepCityState = leg.DepCityStateF;
        leg.DestCityState = leg.DestCityStateF;
    }
    next.TotalDist = ReadNumber(in, file).value_or(0.0);
    next.TotalTimeText = in.text();
    next.ACFileLoaded = in.text();
    for (int k = 0; k < kTrailerReserved; ++k) in.text();

    next.NumLegs = static_cast<std::int16_t>(n);
    s = std::move(next);
    return reserved;
}

void ClearPlan(PlanState& s) {
    for (int k = 1; k <= s.NumLegs; ++k) {
        Leg& leg = s.leg(k);
        leg = Leg{};
        leg.DepZoneOffset = leg.DestZoneOffset = 0;
        leg.InclFBO = 1;
        leg.InclCrewHotel = leg.InclPaxHotel = leg.InclLimo = leg.InclCatering = 0;
    }
    s.TotalDist = 0;
    s.TotalTimeText.clear();
}

QStringList ListPlanFiles(const QString& dir) {
    // Name filters of QDir match regardless of letter case unless told otherwise; its Files
    // take in links to named pipes and devices, which isFile() does not.
    const QFileInfoList found = QDir(dir).entryInfoList({QStringLiteral("*.tx")}, QDir::Files,
                                                        QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QFileInfo& f : found)
        if (f.isFile()) names << f.fileName();
    return names;
}

void DeletePlan(const QString& dir, const QString& fileName) {
    const QString plan = ListedFilePath(dir, fileName);
    const QString report = QDir(dir).filePath(PlanBaseName(fileName) + QStringLiteral(".txt"));
    const auto present = [](const QString& path) {
        const QFileInfo f(path);
        return f.exists() || f.isSymLink();
    };
    if (!present(plan))
        throw FileError(
            QDir::toNativeSeparators(plan) + QStringLiteral(": the plan no longer exists."),
            FileError::Fault::Missing);
    for (const QString& path : {plan, report}) {
        if (path == plan || present(path)) {
            QFile f(path);
            if (!f.remove())
                throw FileError(QDir::toNativeSeparators(path) +
                                QStringLiteral(": the file cannot be deleted (") + f.errorString() +
                                u')');
        }
    }
}

}  // namespace tx
