#include "report/PlanReports.h"

#include "core/SeqFile.h"
#include "core/Text.h"
#include "planfile/PlanFile.h"

namespace tx {

namespace {

const QString kTitle = QStringLiteral("Tarvex (for planning ONLY) - ");
const QString kDistLabel = QStringLiteral("Total TX Dist.(n.mi.): ");
const QString kDistLabelShort = QStringLiteral("Total TX Dist.: ");
const QString kTimeLabel = QStringLiteral("Total TX Time: ");
const QString kHeading86 = QStringLiteral(
    "Leg Date  Departure            ETD    Destination          ETA     Flt.Tm. Dist.  Burn");
const QString kPilotHead1 = QStringLiteral(
    "Leg   Date    Dep/Zone     Wind    Dest/Zone   Fuel Burn  Reserve   Dep  SR/SS");
const QString kPilotHead2Text = QStringLiteral(
    "      Dist    GMT/Local   Flt.Tm.  GMT/Local             Tot.Req.   Dest SR/SS");
const QString kPilotHead2Print = QStringLiteral(
    "      Dist    GMT/Local   Flt.Tm.  GMT/Local              Tot.Req.  Dest SR/SS");
const QString kComments = QStringLiteral("Comments:");

QString S(int n) {
    return QString(n, u' ');
}
QString Dashes(int n) {
    return QString(n, u'-');
}
// x without its trailing blanks, right-aligned in 20 columns.
QString R20(const QString& x) {
    return RightAlign(RTrim(x), 20);
}
QString Totals(const PlanState& s, const QString& distLabel, const QString& between) {
    return distLabel + Str(s.TotalDist) + between + kTimeLabel + s.TotalTimeText;
}

// The four destination services the print flags select, in print order, as label and text.
QList<std::pair<QString, QString>> Services(const Leg& leg) {
    QList<std::pair<QString, QString>> out;
    if (leg.InclCrewHotel == 1) out.append({QStringLiteral("Crew Hotel: "), leg.DestCrewHotel});
    if (leg.InclPaxHotel == 1) out.append({QStringLiteral("Pax Hotel:  "), leg.DestPaxHotel});
    if (leg.InclLimo == 1) out.append({QStringLiteral("Limo:       "), leg.DestLimo});
    if (leg.InclCatering == 1) out.append({QStringLiteral("Catering:   "), leg.DestCatering});
    return out;
}

// Identifier in 4, city in 13, then the FBO line.
QString AirportLine(const QString& id, const QString& city, const QString& fbo) {
    return PadCut(id, 4) + u' ' + PadCut(city, 13) + u' ' + fbo;
}

// The comment heading and the wrapped comment at the given column.
void CommentBlock(ReportPage& p, const Leg& leg, int heading, int column) {
    p.line(S(heading) + kComments);
    for (const QString& l : WrapComments(leg.LegComments)) p.tab({}, column, l);
}

// The trip details under a heading, wrapped to the 78 columns of the formats.
void DetailsLines(ReportPage& p, const QString& in, const PlanReserved& details) {
    const QString text = TripDetailsText(details);
    if (text.isEmpty()) return;
    for (const QString& l : WrapLines(text, 78, 78, 40)) p.line(in + RTrim(l));
}

// The pilot format; paper differs from the text file in its margins, boldface and a few columns.
ReportLines Pilot(const PlanState& s, const QString& name, const QString& dateText,
                  const PlanReserved& details, bool paper) {
    ReportPage p;
    const QString in = paper ? S(10) : QString();
    const int column = paper ? 15 : 5;
    p.line();
    p.line();
    if (paper)
        p.line(S(21) + kTitle + dateText, true);
    else
        p.line(S(15) + kTitle + DatePart(dateText));
    p.line(S(paper ? 24 : 14) + Totals(s, kDistLabel, QStringLiteral(" - ")));
    p.tab(in + name, paper ? 69 : 59, R20(s.ACType), paper);
    DetailsLines(p, in, details);
    p.line(in + Dashes(78));
    p.line(in + kPilotHead1, paper);
    // The fuel unit stands under "Fuel Burn", where the second heading line is blank.
    QString head2 = paper ? kPilotHead2Print : kPilotHead2Text;
    if (const QString& unit = details[TripDetail::FuelUnit]; !unit.isEmpty())
        head2.replace(kPilotHead1.indexOf(QStringLiteral("Fuel")), unit.size(), unit);
    p.line(in + head2, paper);
    p.line(in + Dashes(78));
    for (int i = 1; i <= s.NumLegs; ++i) {
        p.line(in + s.leg(i).PilotLine1);
        p.line(in + s.leg(i).PilotLine2);
        p.line(in);
    }
    // Airports and their FBOs, whatever the FBO flag says.
    p.line(in + AirportLine(s.leg(1).DepID, s.leg(1).DepCity, s.leg(1).DepFBO));
    for (int i = 1; i <= s.NumLegs; ++i)
        p.line(in + AirportLine(s.leg(i).DestID, s.leg(i).DestCity, s.leg(i).DestFBO));
    p.line();
    if (paper) p.line();
    for (int i = 1; i <= s.NumLegs; ++i) {
        const Leg& leg = s.leg(i);
        const auto services = Services(leg);
        const bool comments = !leg.LegComments.isEmpty();
        if (!services.isEmpty() || comments) {
            p.line(in + Dashes(78));
            p.line(in + QStringLiteral("Misc: (") + Trim(leg.DestCityStateF) + u')', paper);
        }
        for (const auto& [label, text] : services) p.tab({}, column, label + text);
        p.line();
        if (comments) CommentBlock(p, leg, paper ? 14 : 0, column);
    }
    return p.lines();
}

ReportLines Summary(const PlanState& s, const QString& name, const QString& dateText,
                    const PlanReserved& details, bool paper) {
    ReportPage p;
    const QString in = paper ? S(10) : QString();
    p.line();
    p.line();
    if (paper)
        p.line(S(16) + kTitle + dateText, true);
    else
        p.line(S(11) + kTitle + DatePart(dateText));
    p.line(S(paper ? 19 : 10) + Totals(s, kDistLabel, QStringLiteral(" - ")));
    p.tab(in + name, paper ? 60 : 50, R20(s.ACType), paper);
    DetailsLines(p, in, details);
    for (int i = 1; i <= s.NumLegs; ++i) {
        const Leg& leg = s.leg(i);
        const bool fbo = leg.InclFBO == 1;
        p.line(in + Dashes(69));
        p.line(in + leg.SumLine1, paper);
        p.line(in + leg.SumLine2);
        // Without the FBO the text file keeps a line of three blanks; paper leaves it out.
        if (fbo || !paper) p.line(in + (fbo ? leg.SumLine3 : S(3)));
        p.line(in + leg.SumLine4);
        if (fbo || !paper) p.line(in + (fbo ? leg.SumLine5 : S(3)));
        p.line(in + leg.SumLine6);
        p.line(in + leg.SumLine7);
        p.line(in);
        for (const auto& [label, text] : Services(leg)) p.line(S(paper ? 19 : 9) + label + text);
        if (!leg.LegComments.isEmpty()) CommentBlock(p, leg, paper ? 14 : 0, paper ? 15 : 5);
        p.line();
    }
    return p.lines();
}

QStringList Texts(const ReportLines& lines) {
    QStringList out;
    out.reserve(lines.size());
    for (const ReportLine& l : lines) out << l.text;
    return out;
}

}  // namespace

ReportLines PrintShortVersion(const PlanState& s, const QString& dateText,
                              const PlanReserved& details) {
    ReportPage p;
    p.line();
    p.line();
    p.line();
    p.line(S(13) + kTitle + dateText, true);
    p.line(S(17) + Totals(s, kDistLabelShort, S(5)));
    p.line(Left(s.ACType, 20), true);
    DetailsLines(p, {}, details);
    const QString& unit = details[TripDetail::FuelUnit];
    p.line(kHeading86 + (unit.isEmpty() ? QString() : u' ' + unit), true);
    p.line(Dashes(86));
    for (int i = 1; i <= s.NumLegs; ++i) p.line(s.leg(i).PlanLine);
    return p.lines();
}

ReportLines PrintPilotFormat(const PlanState& s, const QString& name, const QString& dateText,
                             const PlanReserved& details) {
    return Pilot(s, name, dateText, details, true);
}

ReportLines PrintSummaryFormat(const PlanState& s, const QString& name, const QString& dateText,
                               const PlanReserved& details) {
    return Summary(s, name, dateText, details, true);
}

QStringList PilotTextLines(const PlanState& s, const QString& name, const QString& dateText,
                           const PlanReserved& details) {
    return Texts(Pilot(s, name, dateText, details, false));
}

QStringList SummaryTextLines(const PlanState& s, const QString& name, const QString& dateText,
                             const PlanReserved& details) {
    return Texts(Summary(s, name, dateText, details, false));
}

QString TripDetailsText(const PlanReserved& details) {
    using namespace TripDetail;
    QStringList parts;
    const auto add = [&](const QString& label, std::size_t i) {
        if (!details[i].isEmpty()) parts << label + details[i];
    };
    add(QStringLiteral("Aircraft: "), TailNumber);
    add(QStringLiteral("Crew: "), Crew);
    add(QStringLiteral("Passengers: "), Passengers);
    add(QStringLiteral("Fuel: "), FuelUnit);
    return parts.join(QStringLiteral("  "));
}

ReportLines ChecksBlock(const QStringList& findings, bool paper) {
    ReportPage p;
    if (findings.isEmpty()) return p.lines();
    const QString in = paper ? S(10) : QString();
    p.line(in + QStringLiteral("Checks"), paper);
    // Within the 78 columns of the formats; a finding's further lines stand two in.
    for (const QString& finding : findings) {
        const QStringList lines = WrapLines(finding, 76, 76, 40);
        for (int i = 0; i < lines.size(); ++i)
            p.line(in + (i ? S(2) : QString()) + RTrim(lines[i]));
    }
    return p.lines();
}

QStringList TextReportLines(const PlanState& s, const QString& name, const PlanReserved& reserved,
                            bool pilotReport, const QString& dateText, const QStringList& checks) {
    return (pilotReport ? PilotTextLines : SummaryTextLines)(s, name, dateText, reserved) +
           Texts(ChecksBlock(checks, false));
}

void SavePlan(PlanState& s, const QString& dir, const QString& name, const PlanReserved& reserved,
              bool pilotReport, const QString& dateText, const QStringList& checks) {
    const QString plan = PlanFilePath(dir, name, QStringLiteral(".tx"));
    const QString report = PlanFilePath(dir, name, QStringLiteral(".txt"));
    FileReplacement files;
    files.add(plan, PlanFileBytes(s, name, reserved));
    // A report is lines as they stand, not records: nothing is quoted.
    QString text;
    for (const QString& l : TextReportLines(s, name, reserved, pilotReport, dateText, checks))
        text += l + QStringLiteral("\r\n");
    files.add(report, EncodeCp1252(text));
    files.commit();
}

}  // namespace tx
