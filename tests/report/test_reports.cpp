// The five plan reports of a three-leg plan line by line, the name tab, the comment wrap, the
// text files on disk and the airport printout.
#include <QTemporaryDir>
#include <QtTest>

#include "core/SeqFile.h"
#include "report/AirportPrintout.h"
#include "report/PlanReports.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

// n blanks, n dashes.
const auto S = [](int n) { return QString(n, u' '); };
const auto D = [](int n) { return QString(n, u'-'); };
// Bold lines are marked "**" in the expected pages.
QStringList Marked(const ReportLines& lines) {
    QStringList out;
    for (const ReportLine& l : lines) out << (l.bold ? "**" : "") + l.text;
    return out;
}

const QString kDate = "3/5/2025 9:07:00 AM";

// Leg 1 no flags and no comments, leg 2 only a two-line comment, leg 3 every flag but the pax
// hotel's (left unset). The stored list lines are short markers: the reports only place them.
PlanState Fixture() {
    PlanState s;
    s.NumLegs = 3, s.ACType = "Citation Sample 560 Ultra  ";
    s.TotalDist = 1234, s.TotalTimeText = " 5+07";
    const char* dest[][4] = {{"KASE", "ASPEN", "Aspen FBO", "ASPEN, CO"},
                             {"LFPB", "PARIS LE BOURGE", "Paris FBO", "PARIS LE BOURGE, FR "},
                             {"LSZH", "ZÜRICH", "Zürich FBO", "ZÜRICH, CH"}};
    for (int i = 1; i <= 3; ++i) {
        Leg& l = s.leg(i);
        const QString n = QString::number(i);
        l.PlanLine = "plan " + n, l.PilotLine1 = "p" + n + "a", l.PilotLine2 = "p" + n + "b";
        QString* sums[] = {&l.SumLine1, &l.SumLine2, &l.SumLine3, &l.SumLine4,
                           &l.SumLine5, &l.SumLine6, &l.SumLine7};
        for (int k = 0; k < 7; ++k) *sums[k] = QString("s%1.%2").arg(i).arg(k + 1);
        l.DestID = dest[i - 1][0], l.DestCity = dest[i - 1][1], l.DestFBO = dest[i - 1][2];
        l.DestCityStateF = dest[i - 1][3];
        l.DestCrewHotel = "Crew Inn", l.DestPaxHotel = "Grand Hotel", l.DestLimo = "City Cars";
        l.DestCatering = "Sky Meals";
    }
    Leg &one = s.leg(1), &three = s.leg(3);
    one.DepID = "KDEN", one.DepCity = "DENVER", one.DepFBO = "Dep FBO one";
    one.InclFBO = one.InclCrewHotel = one.InclPaxHotel = one.InclLimo = one.InclCatering = 0;
    s.leg(2).LegComments = "Call FBO on arrival\nFuel to tabs";  // print flags left unset
    three.InclFBO = three.InclCrewHotel = three.InclLimo = three.InclCatering = 1;
    return s;
}

const QString kTitle = "Tarvex (for planning ONLY) - ";
const QString kTotals = "Total TX Dist.(n.mi.):  1234 - Total TX Time:  5+07";
const QString kR20 = "ion Sample 560 Ultra";
const QString kShortHead =
    "**Leg Date  Departure            ETD    Destination          ETA     Flt.Tm. Dist.  Burn";
const QString kHead1 =
    "Leg   Date    Dep/Zone     Wind    Dest/Zone   Fuel Burn  Reserve   Dep  SR/SS";

QStringList PilotPage(bool paper) {
    const QString in = paper ? S(10) : "";
    const QString b = paper ? "**" : "";
    const QString services = paper ? S(14) : S(4);
    QStringList p{"", ""};
    p << (paper ? "**" + S(21) + kTitle + kDate : S(15) + kTitle + "3/5/2025");
    p << (paper ? S(24) : S(14)) + kTotals;
    p << b + in + "TRIP1" + S(53) + kR20;
    p << in + D(78) << b + in + kHead1;
    p << b + in + "      Dist    GMT/Local   Flt.Tm.  GMT/Local" +
             (paper ? S(14) + "Tot.Req.  " : S(13) + "Tot.Req.   ") + "Dest SR/SS";
    p << in + D(78);
    for (const char* n : {"1", "2", "3"}) p << in + "p" + n + "a" << in + "p" + n + "b" << in;
    p << in + "KDEN DENVER        Dep FBO one" << in + "KASE ASPEN         Aspen FBO"
      << in + "LFPB PARIS LE BOUR Paris FBO" << in + "LSZH ZÜRICH        Zürich FBO";
    for (int k = paper ? 3 : 2; k > 0; --k) p << "";  // the last for leg 1
    p << in + D(78) << b + in + "Misc: (PARIS LE BOURGE, FR)" << QString();
    p << (paper ? S(14) : "") + "Comments:" << services + "Call FBO on arrival"
      << services + "Fuel to tabs";
    p << in + D(78) << b + in + "Misc: (ZÜRICH, CH)" << services + "Crew Hotel: Crew Inn"
      << services + "Limo:       City Cars" << services + "Catering:   Sky Meals" << QString();
    return p;
}

QStringList SummaryPage(bool paper) {
    const QString in = paper ? S(10) : "";
    const QString b = paper ? "**" : "";
    QStringList p{"", ""};
    p << (paper ? "**" + S(16) + kTitle + kDate : S(11) + kTitle + "3/5/2025");
    p << (paper ? S(19) : S(10)) + kTotals;
    p << b + in + "TRIP1" + S(44) + kR20;
    for (int i = 1; i <= 3; ++i) {
        const QString s = QString("s%1.").arg(i);
        p << in + D(69) << b + in + s + "1" << in + s + "2";
        if (i == 3) p << in + s + "3";
        if (!paper && i < 3) p << "   ";
        p << in + s + "4";
        if (i == 3) p << in + s + "5";
        if (!paper && i < 3) p << "   ";
        p << in + s + "6" << in + s + "7" << in;
        const QString c = S(paper ? 14 : 4), h = S(paper ? 19 : 9);
        if (i == 2)
            p << (paper ? c : QString()) + "Comments:" << c + "Call FBO on arrival"
              << c + "Fuel to tabs";
        if (i == 3)
            p << h + "Crew Hotel: Crew Inn" << h + "Limo:       City Cars"
              << h + "Catering:   Sky Meals";
        p << "";
    }
    return p;
}

// A report by its name ("short", "pilot paper", "summary paper", "pilot text", "summary text"),
// bold lines marked on paper.
QStringList Lines(const QString& report, const PlanReserved& d = {}) {
    const PlanState s = Fixture();
    if (report == "short") return Marked(PrintShortVersion(s, kDate, d));
    if (report.endsWith("paper"))
        return Marked((report == "pilot paper" ? PrintPilotFormat : PrintSummaryFormat)(s, "TRIP1",
                                                                                        kDate, d));
    return (report == "pilot text" ? PilotTextLines : SummaryTextLines)(s, "TRIP1", kDate, d);
}

}  // namespace

class TestReports : public QObject {
    Q_OBJECT
  private slots:
    void reports_data() {
        addColumns<QString, QStringList>("report", "want");
        QStringList shortVersion{"", "", "", "**" + S(13) + kTitle + kDate};
        shortVersion << S(17) + "Total TX Dist.:  1234" + S(5) + "Total TX Time:  5+07";
        shortVersion << "**Citation Sample 560 " << kShortHead << D(86)
                     << QString("plan 1|plan 2|plan 3").split('|');
        QTest::newRow("short version") << "short" << shortVersion;
        QTest::newRow("pilot, paper") << "pilot paper" << PilotPage(true);
        QTest::newRow("pilot, text file") << "pilot text" << PilotPage(false);
        QTest::newRow("summary, paper") << "summary paper" << SummaryPage(true);
        QTest::newRow("summary, text file") << "summary text" << SummaryPage(false);
    }
    // Text reports are written to disk beside the plan file as Windows-1252 lines ending in
    // CR LF, as the windows show them.
    void reports() {
        auto [report, want] = fetch<QString, QStringList>("report", "want");
        QCOMPARE(Lines(report), want);
        if (!report.endsWith("text")) return;
        QTemporaryDir dir;
        PlanState s = Fixture();
        SavePlan(s, dir.path(), "TRIP1", {}, report.startsWith("pilot"), kDate, {});
        QVERIFY(ReadFile(dir.filePath("TRIP1.tx")).startsWith("3\r\n"));
        QCOMPARE(ReadFile(dir.filePath("TRIP1.txt")), (want.join("\r\n") + "\r\n").toLatin1());
    }

    // A name that reaches the aircraft column pushes the type to that column of the next line.
    void nameTab_data() {
        addColumns<int, QStringList>("length", "want");
        addRow("58 characters, same line", 58, QStringList{QString(58, 'N') + kR20, D(78)});
        addRow("60 characters, next line", 60, QStringList{QString(60, 'N'), S(58) + kR20, D(78)});
    }
    void nameTab() {
        auto [length, want] = fetch<int, QStringList>("length", "want");
        QCOMPARE(PilotTextLines(Fixture(), QString(length, 'N'), kDate).mid(4, want.size()), want);
    }

    // Trip details add a line under each heading and the fuel unit to the fuel columns' heading;
    // every other line stays as it is without them.
    void tripDetails_data() {
        addColumns<QString, int, QString, int, QString>("report", "at", "line", "headingAt",
                                                        "heading");
        const QString details = "Aircraft: N123AB  Crew: Lee, Ann  Passengers: 4  Fuel: kg";
        addRow(
            "pilot, paper", "pilot paper", 5, S(10) + details, 8,
            "**" + S(10) +
                "      Dist    GMT/Local   Flt.Tm.  GMT/Local   kg         Tot.Req.  Dest SR/SS");
        addRow("summary, text file", "summary text", 5, details, -1, "");
        addRow("short version", "short", 6, details, 7, kShortHead + " kg");
    }
    void tripDetails() {
        auto [report, at, line, headingAt, heading] = fetch<QString, int, QString, int, QString>(
            "report", "at", "line", "headingAt", "heading");
        QStringList want = Lines(report);
        want.insert(at, line);
        if (headingAt >= 0) want[headingAt] = heading;
        QCOMPARE(Lines(report, {"N123AB", "Lee, Ann", "4", "kg"}), want);
    }

    void wrapComments_data() {
        addColumns<QString, QStringList>("comment", "want");
        const auto row = addRow<QString, QStringList>;
        // 99 characters, blanks at 40 and 55; the appended blank makes the paragraph 100.
        const QString p100 = QString(39, 'a') + ' ' + QString(14, 'b') + ' ' + QString(44, 'c');
        row("100 characters, blanks at 40 and 55", p100, {p100.left(55), p100.mid(55) + ' '});
        row("CR LF paragraphs, the last without the blank", "First line\r\nSecond line",
            {"First line", "Second line"});
        row("LF and an empty line between", "One\n\nTwo\n", {"One", "Two"});
        row("60 characters stay one line", QString(59, 'x'), {QString(59, 'x') + ' '});
        // No blank between 45 and 59: hard cuts at 59, nothing dropped.
        const QString w59(59, 'w');
        row("200-character word", QString(200, 'w'), {w59, w59, w59, QString(23, 'w') + ' '});
        row("blank at 45 is the shortest cut", QString(44, 'a') + ' ' + QString(30, 'b'),
            {QString(44, 'a') + ' ', QString(30, 'b') + ' '});
        row("blank at 44 is no cut", QString(43, 'a') + ' ' + QString(30, 'b'),
            {QString(43, 'a') + ' ' + QString(15, 'b'), QString(15, 'b') + ' '});
    }
    void wrapComments() {
        QFETCH(QString, comment);
        QTEST(WrapComments(comment), "want");
    }

    // The comment's lines after the eight field lines, under "Comments:" when there are any,
    // then the services given (here the FBO and the caterer).
    void airportPrintout_data() {
        addColumns<QString, QStringList>("comment", "tail");
        const auto row = addRow<QString, QStringList>;
        const QString c = "Comments:", c30 = "Closed nightly 2300-0600 local", z50(50, 'z');
        row("30-character comment", c30, {c, S(5) + c30});
        QString w;  // " aaaaaaaaa bbbbbbbbb ... jjjjjjjjj"
        for (char k = 'a'; k <= 'j'; ++k) w += ' ' + QString(9, QChar(k));
        row("ten nine-letter words: 51 + 49", w.mid(1), {c, S(4) + w.left(51), S(4) + w.mid(51)});
        row("no blank: cut at 51, nothing dropped", QString(120, 'z'),
            {c, S(5) + z50, S(4) + z50 + 'z', S(4) + QString(19, 'z')});
        row("no comment", QString(), {});
    }
    void airportPrintout() {
        auto [comment, tail] = fetch<QString, QStringList>("comment", "tail");
        const AirportPrintFields a{"KASE", "ASPEN", "CO", "N3913.4",  "W10652.1",
                                   "-7",   "-6",    "US", comment,    "Aspen FBO",
                                   "",     "",      "",   "Sky Meals"};
        const QString head = "||" + S(11) + "Tarvex - Airport Information|" + D(69) +
                             "||Identifier:      KASE|City:            ASPEN|State/Country:   CO|"
                             "Latitude:        N3913.4|Longitude:       W10652.1|"
                             "Time Zone(STD):  -7|Time Zone(DAY):  -6|ZoneCode:        US";
        QCOMPARE(
            Marked(PrintAirportInformation(a)),
            head.split('|') + tail + QStringList({"FBO :      Aspen FBO", "Catering : Sky Meals"}));
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "test_reports.moc"
