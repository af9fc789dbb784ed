// The acceptance rules of the leg entry (leg numbers, typed dates on a given day, local times,
// winds) and the wind it proposes from the stored tables.
#include <QtTest>

#include "planning/EntryRules.h"
#include "planning/StoredWinds.h"
#include "support/CalcTest.h"

using namespace tx;
using namespace Qt::StringLiterals;

namespace {

// The stored winds of sectors 0..36, as the system's tables give them; the band choice reaches
// each of the three.
const QHash<QString, QString> Tables{
    {"high",
     "-30 -23 -17 -10 0 7 11 13 14 15 14 13 11 7 0 -10 -17 -23 -30 -34 -39 -44 -47 -52 "
     "-54 -57 -58 -60 -58 -57 -54 -52 -47 -44 -39 -34 -30"},
    {"mid",
     "-20 -15 -10 -5 2 6 9 11 12 13 12 11 9 6 2 -5 -10 -15 -20 -22 -26 -28 -30 -33 -34 "
     "-35 -36 -38 -36 -35 -34 -33 -30 -28 -26 -22 -20"},
    {"low",
     "-9 -6 -3 -1 3 6 8 9 10 10 10 9 8 6 3 -1 -3 -6 -9 -10 -12 -13 -13 -14 -14 -14 -15 "
     "-15 -15 -14 -14 -14 -13 -13 -12 -10 -9"},
};

}  // namespace

class TestEntryRules : public QObject {
    Q_OBJECT

    PlanState s;

    // Sectors 0..36 as one text; slot 37 must keep what it held.
    QString stored() {
        QStringList w;
        for (int k = 0; k <= 36; ++k) w << QString::number(s.Winds[k]);
        return s.Winds[37] == 99 ? w.join(' ') : u"slot 37 written"_s;
    }

  private slots:
    void legNumbers_data() {
        addColumns<QString, int, bool>("typed", "numLegs", "accepted");
        const std::tuple<const char*, int, bool> rows[] = {
            {"1", 0, true},    {"2", 0, false},  {"4", 3, true}, {"5", 3, false}, {"0", 3, false},
            {"2.5", 3, false}, {"3a", 3, false}, {"", 3, false}, {"20", 19, true}};
        for (const auto& [typed, numLegs, accepted] : rows)
            QTest::addRow("%s of %d", typed, numLegs) << typed << numLegs << accepted;
    }
    void legNumbers() {
        auto [typed, numLegs] = fetch<QString, int>("typed", "numLegs");
        QTEST(isEnterableLeg(typed, numLegs), "accepted");
    }

    // A date typed on a day: the LegDate it stands for and whether it is accepted.
    void dates_data() {
        addColumns<QDate, QString, QString, bool>("today", "typed", "legDate", "accepted");
        const QDate in2027(2027, 1, 15), in2028(2028, 1, 15);
        const auto row = addRow<QDate, const char*, const char*, bool>;
        row("07/04", in2027, "07/04", "7.04", true);
        row("7/04 reads its first two characters", in2027, "7/04", "7.04", true);
        row("02/29 in 2028", in2028, "02/29", "2.29", true);
        row("02/29 in 2027", in2027, "02/29", "2.29", false);
        row("02/29 after February 2027 is in 2028", {2027, 3, 1}, "02/29", "2.29", true);
        row("02/29 of 2100 counts as a leap day", {2099, 12, 31}, "0229", "2.29", true);
        row("02/29 of 2108 is beyond the leap years", {2107, 12, 31}, "0229", "2.29", false);
        row("02/30", in2028, "02/30", "2.30", false);
        row("04/31", in2027, "04/31", "4.31", false);
        row("12/31", in2027, "12/31", "12.31", true);
        row("13/01", in2027, "13/01", "13.01", false);
        row("00/15", in2027, "00/15", "0.15", false);
        row("01/00", in2027, "01/00", "1.00", false);
        row("01/01", in2027, "0101", "1.01", true);
    }
    void dates() {
        auto [today, typed] = fetch<QDate, QString>("today", "typed");
        const QString d = typedLegDate(typed);
        QTEST(d.trimmed(), "legDate");
        QTEST(isAcceptedDate(d.toDouble(), today), "accepted");
    }

    // A local time or a wind as typed: accepted or not.
    void timesAndWinds_data() {
        addColumns<bool, QString, bool>("wind", "typed", "accepted");
        const auto rows = [](bool wind, bool accepted, std::initializer_list<const char*> typed) {
            for (const char* t : typed)
                QTest::addRow("%s %s", wind ? "wind" : "time", t) << wind << t << accepted;
        };
        rows(false, true, {"0000", "0704", "0175", "2400"});
        rows(false, false, {"2401", "-5", "9999", "abcd", "12.5", "1 30", "+100", "07h"});
        rows(true, true, {"15", "-40", "+15", " -18 ", "0", "999", "-999"});
        rows(true, false,
             {"", "abc", "Monterrey", "12.5", "1e2", "- 5", "--5", "15kt", "1000", "-1000", "+",
              "0x10"});
    }
    void timesAndWinds() {
        auto [wind, typed] = fetch<bool, QString>("wind", "typed");
        QTEST(wind ? isAcceptedWind(typed) : isAcceptedTime(typed), "accepted");
    }

    void init() {
        s = PlanState();
        s.Winds.fill(99);
    }

    // "departure destination" latitudes: the table chosen.
    void bandChoice_data() {
        addColumns<QString, QString>("latitudes", "table");
        QTest::newRow("40 and 44 N: 42") << u"N4000.0 N4400.0"_s << "high";
        QTest::newRow("20 and 30 N: 25 is not above 25") << u"N2000.0 N3000.0"_s << "mid";
        QTest::newRow("20 and 32 N: 26") << u"N2000.0 N3200.0"_s << "high";
        QTest::newRow("10 N: whole degrees") << u"N1000.0 N1059.9"_s << "low";
        QTest::newRow("10 and 12 N: 11") << u"N1000.0 N1200.0"_s << "mid";
        QTest::newRow("both S: mean 35") << u"S3352.0 S3700.5"_s << "high";
        QTest::newRow("5 N, 3 S: difference 2") << u"N0500.0 S0300.0"_s << "low";
        QTest::newRow("other letters: difference 5") << u"X4000.0 X3500.0"_s << "low";
    }
    void bandChoice() {
        auto [latitudes, table] = fetch<QString, QString>("latitudes", "table");
        s.DepLatText = latitudes.section(' ', 0, 0);
        s.DestLatText = latitudes.section(' ', 1, 1);
        ChooseWindTable(s);
        QCOMPARE(stored(), Tables[table]);
    }

    // 0.1, 0.3, 0.5 and 0.8 of the stored wind on rows 0..3, the whole of it from row 4,
    // rounded toward minus infinity.
    void scaled_data() {
        addColumns<double, int, double>("stored", "row", "proposed");
        QTest::newRow("under 50 n.mi., -58") << -58.0 << 0 << -6.0;
        QTest::newRow("100 n.mi., -40") << -40.0 << 1 << -12.0;
        QTest::newRow("200 n.mi., -7 rounds down") << -7.0 << 2 << -4.0;
        QTest::newRow("300 n.mi., -60") << -60.0 << 3 << -48.0;
        QTest::newRow("400 n.mi., whole") << -60.0 << 4 << -60.0;
        QTest::newRow("long leg, typed fraction") << 12.5 << 40 << 12.0;
    }
    void scaled() {
        auto [stored, row, proposed] = fetch<double, int, double>("stored", "row", "proposed");
        s.CourseSector = 27;
        s.Winds[27] = stored;
        s.DistIndex = row;
        QCOMPARE(ScaledWind(s), proposed);
    }
};

QTEST_GUILESS_MAIN(TestEntryRules)
#include "test_entry_rules.moc"
