// Plan files: the exact layout of a one-leg plan, plans of 0 and 20 legs saved and read
// back, every refusal of the reader, the file list and the deletion of a plan.
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QtTest>

#include "planfile/PlanFile.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

// One leg with every field of the file set, some numbers left unset.
void FillOneLeg(PlanState& s) {
    s.NumLegs = 1;
    Leg& l = s.leg(1);
    l.TorL = "T", l.DateEntry = "03/05", l.DateText = "05Mar", l.DepID = "KDEN";
    l.DepZoneOffset = -7, l.DepStd = "-7", l.DepDay = "-6", l.DepZoneCode = "US";
    l.DepDSTStart = 3.09, l.DestStd = "0", l.DestDay = "1", l.DestZoneCode = "EU";
    l.DestDSTStart = 3.3, l.DestDSTEnd = 10.26, l.WindText = "   -25", l.DestID = "EGLL";
    l.DestZoneOffset = 1, l.BurnText = "  12345", l.ReserveText = "   1500";
    l.DepSunrise = "0712", l.DepSunset = "1702", l.DistText = "   4042";
    l.GMTDepText = "1400", l.LocalDepText = "0700", l.DepDayMark = "   ", l.DepTimeEntry = "0700";
    l.FltTimeText = "09+05", l.GMTArrText = "2305", l.LocalArrText = "2305", l.DayMark = "   ";
    l.TotalReqText = "StopReq", l.DestSunrise = "0715", l.DestSunset = "1720";
    l.DepCityStateF = "DENVER, CO", l.DepCity = "DENVER", l.DepState = "CO";
    l.DestCityStateF = "LONDON, UK", l.DestCity = "LONDON", l.DestState = "UK";
    l.DepFBONamePhone = "Denver Jet  303-555-0100", l.DestFBONamePhone = "Heathrow FBO  555";
    l.DestFBO = "Heathrow FBO", l.DestCrewHotel = "Crew Inn", l.DestPaxHotel = "Grand Hotel";
    l.DestLimo = "City Cars", l.DestCatering = "Sky Meals", l.InclFBO = 1, l.InclCrewHotel = 0;
    l.InclLimo = 1, l.PlanLine = "plan line", l.PilotLine1 = "pilot one";
    l.PilotLine2 = "pilot two", l.DepDayChangeText = "   ", l.DayChangeText = " NEXT DAY !";
    l.SumLine1 = "sum1", l.SumLine2 = "sum2", l.SumLine3 = "sum3", l.SumLine4 = "sum4";
    l.SumLine5 = "sum5", l.SumLine6 = "sum6", l.SumLine7 = "sum7";
    l.LegComments = "Gate 3, say \"hi\"\r\nLate arrival", l.DepFBO = "Denver Jet";
    s.TotalDist = 4042, s.TotalTimeText = " 9+05", s.ACFileName = "JET.AC";
}

// The file of FillOneLeg's plan, '|' standing for each CR LF.
const QByteArray kOneLeg =
    QByteArray(
        R"(1|"T","03/05","05Mar","KDEN",-7|"-7","-6","US",3.09,|"0","1","EU",3.3,10.26|)"
        R"("   -25","EGLL",1,"  12345","   1500"|"0712","1702","   4042","1400","0700","   "|)"
        R"("0700",""|"09+05","2305","2305","   ","StopReq"|"0715","1720"|)"
        R"("DENVER, CO","DENVER","CO"|"LONDON, UK","LONDON","UK"|)"
        R"("Denver Jet  303-555-0100","Heathrow FBO  555"|)"
        R"("Heathrow FBO","Crew Inn","Grand Hotel","City Cars","Sky Meals"|1,0,,1,|)"
        R"("plan line","pilot one","pilot two","   "," NEXT DAY !"|)"
        R"("sum1","sum2","sum3","sum4"|"sum5","sum6","sum7"|)"
        R"("Gate 3, say ""hi""|Late arrival","Denver Jet"|"","","",""|)"
        R"(4042," 9+05","JET.AC"|"","","","",""|)")
        .replace("|", "\r\n");

// A plan of n legs: comments with CR LF, LF and quotes, padded to at least commentSize
// characters; every third leg's numbers unset.
PlanState Generated(int n, int commentSize = 0) {
    PlanState s;
    s.NumLegs = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        Leg& l = s.leg(i);
        l.DepID = QString("K%1").arg(i, 3, 10, QChar('0'));
        l.PlanLine = QString("%1  plan line, with a comma").arg(i, 2);
        l.SumLine7 = "         Distance ... 85 n.mi.";
        l.LegComments = QString("Leg %1 \"quoted\"\r\nsecond line\nthird line").arg(i);
        l.LegComments = l.LegComments.leftJustified(commentSize, u'x');
        if (i % 3 != 0) {
            l.DepZoneOffset = -0.5 * i, l.DestDSTEnd = 11.02;
            l.InclFBO = 1, l.InclCatering = 0;
        }
    }
    s.TotalDist = 85.5 * n, s.TotalTimeText = "12+30", s.ACFileName = "SAMPLE.AC";
    return s;
}

}  // namespace

class TestPlanFile : public QObject {
    Q_OBJECT
  private slots:
    void oneLegLayout() {
        QTemporaryDir dir;
        PlanState s;
        FillOneLeg(s);
        WritePlanFile(s, dir.path(), "Trip");
        QCOMPARE(s.ACFileLoaded, QString("JET.AC"));
        QCOMPARE(ReadFile(dir.filePath("Trip.tx")).split('\n'), kOneLeg.split('\n'));

        // Read over a plan of three legs: their fields are cleared, the read leg is whole, unset
        // numbers stay unset, the shown city texts are the file's.
        PlanState r = Generated(3);
        QCOMPARE(ReadPlanFile(r, dir.path(), "Trip.tx"), PlanReserved());
        const Leg& l = r.leg(1);
        QVERIFY(r.NumLegs == 1 && !l.DepDSTEnd && l.InclCrewHotel == 0 && !l.InclPaxHotel);
        QVERIFY(r.leg(2).PlanLine.isEmpty() && r.leg(2).DepZoneOffset == 0 && !r.leg(3).InclFBO);
        QCOMPARE(
            l.LegComments + '|' + l.DepCityState + '|' + l.DestCityState + '|' + r.ACFileLoaded,
            "Gate 3, say \"hi\"\r\nLate arrival|DENVER, CO|LONDON, UK|JET.AC");
    }

    void roundTrip_data() {
        addColumns<int, int>("legs", "commentSize");
        addRow("0 legs", 0, 0);
        addRow("20 legs", 20, 0);
        addRow("20 legs of 2 MB", 20, 100000);
    }
    // Saved, read over another plan and saved again: the same file, 1 + 18n + 2 records. The
    // trailer's five reserved texts are written empty whatever the file read held.
    void roundTrip() {
        auto [legs, commentSize] = fetch<int, int>("legs", "commentSize");
        QTemporaryDir dir;
        PlanState s = Generated(legs, commentSize);
        const PlanReserved reserved{"N123AB", "Lee, Ann \"Red\"", "", "US gal"};
        WritePlanFile(s, dir.path(), "Plan", reserved);
        const QByteArray first = ReadFile(dir.filePath("Plan.tx"));
        QCOMPARE(first.count("\r\n"), 1 + 18 * legs + 2 + legs);  // one CR LF in each comment
        QCOMPARE(first.right(16), kOneLeg.right(16));  // the five texts of the trailer, empty
        WriteFile(dir.filePath("Plan.tx"), first.chopped(16) + "\"a\",\"b\",\"c\",\"d\",\"e\"\r\n");

        PlanState r = Generated(2);
        QCOMPARE(ReadPlanFile(r, dir.path(), "Plan.tx"), legs ? reserved : PlanReserved());
        if (legs == 0) QCOMPARE(r.leg(1).PlanLine, QString());
        r.ACFileName = r.ACFileLoaded;
        WritePlanFile(r, dir.path(), "Again", reserved);
        QCOMPARE(ReadFile(dir.filePath("Again.tx")), first);
    }

    // Trip details the plan file cannot hold are named; an empty text is a detail not given.
    void tripDetails_data() {
        addColumns<QString, QString>("details", "problem");  // tail|crew|passengers|fuel unit
        const auto row = addRow<const char*, const char*>;
        row("all given", "N123AB|Lee, Ann \"Red\"|999|kg", "");
        row("none given", "|||", "");
        row("tail number too long", "N123456789012|||", "tail number");
        row("crew with a line break", "|Ann\nBo||", "crew");
        row("crew outside the code page", "|Łukasz||", "Ł");
        row("passengers not a number", "||4a|", "passengers");
        row("passengers above 999", "||1000|", "passengers");
        row("passengers negative", "||-1|", "passengers");
        row("unknown fuel unit", "|||gallons", "fuel unit");
    }
    void tripDetails() {
        auto [details, problem] = fetch<QString, QString>("details", "problem");
        const QStringList d = details.split('|');
        const QString got = TripDetailsProblem({d[0], d[1], d[2], d[3]});
        QVERIFY2(problem.isEmpty() ? got.isEmpty() : got.contains(problem), qPrintable(got));
    }

    void refusals_data() {
        addColumns<QByteArray, QString>("bytes", "fault");  // null: no file; "<no name>": no name
        const auto row = addRow<QByteArray, QString>;
        const QByteArray legs = kOneLeg.mid(1);
        row("count 2 with one leg record", "2" + legs, "ends too early");
        row("count 21", "21" + legs, "0 to 20 legs, not 21");
        row("count below 0", "-1\r\n\"\",\"\"\r\n", "0 to 20 legs, not -1");
        row("count not whole", "1.5" + legs, "1.5 is not a whole number");
        row("count is a text", "\"TX plan\"\r\n", "\"TX plan\" is not a number");
        for (const QByteArray flag : {"0.5", "2", "-1", "3e9", "1e300"})  // 0, 1 or empty
            row(("print flag " + flag).constData(),
                QByteArray(kOneLeg).replace(",,1,", "," + flag + ",1,"),
                "print flag \"" + flag + "\" is not 0 or 1 (field 52)");
        row("text in a number field", QByteArray(kOneLeg).replace(",-7\r", ",EST\r"),
            "\"EST\" stands where a number belongs (field 6)");
        row("empty file", "", "ends too early (field 1)");
        row("missing file", QByteArray(), "the file is missing");
        row("named pipe", "<pipe>", "this is a named pipe, not a file");
        row("over 16 MB", kOneLeg + QByteArray(16 << 20, ' '), "the file is larger than 16 MB");
        row("no file name", "<no name>", "not a plan file");
    }
    // Every refusal names the file and leaves the plan in memory as it was.
    void refusals() {
        auto [bytes, fault] = fetch<QByteArray, QString>("bytes", "fault");
        const QString fileName = bytes == "<no name>" ? "" : "Old.tx";
        QTemporaryDir dir;
        if (bytes == "<pipe>")
            QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(fileName)), 0600), 0);
        else if (!bytes.isNull() && !fileName.isEmpty())
            WriteFile(dir.filePath(fileName), bytes);
        PlanState s;
        FillOneLeg(s);
        VerifyHolds(Thrown<FileError>([&] { ReadPlanFile(s, dir.path(), fileName); }),
                    {fileName, fault});
        QVERIFY(s.NumLegs == 1 && s.leg(1).PlanLine == "plan line" &&
                s.leg(1).DepZoneOffset == -7 && s.TotalTimeText == " 9+05");
    }

    // Refused before any file is touched: a name a plan cannot have, however it got into the
    // box (typed or pasted), more than 20 legs, a plan larger than a plan file may be.
    void writeRefusals() {
        QTemporaryDir dir;
        PlanState s = Generated(1);
        const auto refused = [&](PlanState& p, const QString& name) {
            return Thrown<FileError>([&] { WritePlanFile(p, dir.path(), name); });
        };
        for (const QString name : {"", "   "}) VerifyHolds(refused(s, name), {"Enter a name"});
        for (const QString name : {"a/b", "..\\b", ".hidden", "t,rip", "two\nlines"})
            VerifyHolds(refused(s, name), {"cannot be used"});
        VerifyHolds(refused(s, "tab\there"), {"\"tab?here\" cannot be used"});
        s.NumLegs = 21;
        QVERIFY_THROWS_EXCEPTION(FileError, WritePlanFile(s, dir.path(), "Big"));
        PlanState big = Generated(20, (16 << 20) / 20);
        VerifyHolds(refused(big, "Big"), {"Big.tx", "larger than 16 MB"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The list holds regular files (links to them too) named *.tx in any letter case; a delete
    // needs a name. What a delete takes is pinned in test_plan_files.
    void listFiles() {
        QTemporaryDir dir;
        for (const char* f : {"trip.tx", "trip.txt", "trip.pdf", "b.TX", "a.Tx", "trip2.tx",
                              "trip.tx.bak", "notes.txt"})
            WriteFile(dir.filePath(f), "x");
        QVERIFY(QDir(dir.path()).mkdir("folder.tx"));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.tx")), 0600), 0);
        QVERIFY(QFile::link("pipe.tx", dir.filePath("pipelink.tx")));
        QVERIFY(QFile::link("a.Tx", dir.filePath("linked.tx")));
        QCOMPARE(ListPlanFiles(dir.path()),
                 (QStringList{"a.Tx", "b.TX", "linked.tx", "trip.tx", "trip2.tx"}));

        QVERIFY_THROWS_EXCEPTION(FileError, DeletePlan(dir.path(), ""));
    }
};

QTEST_GUILESS_MAIN(TestPlanFile)
#include "test_planfile.moc"
