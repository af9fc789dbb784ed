// The acceptance rules of the leg entry: leg numbers, typed dates on a given day, local times,
// winds.
#include <QtTest>

#include "planning/EntryRules.h"
#include "support/CalcTest.h"

using namespace tx;

class TestEntryRules : public QObject {
    Q_OBJECT
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

    void times_data() {
        addColumns<QString, bool>("typed", "accepted");
        for (const char* t : {"0000", "0704", "0175", "2400"}) QTest::newRow(t) << t << true;
        for (const char* t : {"2401", "-5", "9999", "abcd", "12.5", "1 30", "+100", "07h"})
            QTest::newRow(t) << t << false;
    }
    void times() {
        QFETCH(QString, typed);
        QTEST(isAcceptedTime(typed), "accepted");
    }

    void winds_data() {
        addColumns<QString, bool>("typed", "accepted");
        for (const char* t : {"15", "-40", "+15", " -18 ", "0", "999", "-999"})
            QTest::newRow(t) << t << true;
        for (const char* t : {"", "abc", "Monterrey", "12.5", "1e2", "- 5", "--5", "15kt", "1000",
                              "-1000", "+", "0x10"})
            QTest::newRow(t) << t << false;
    }
    void winds() {
        QFETCH(QString, typed);
        QTEST(isAcceptedWind(typed), "accepted");
    }
};

QTEST_GUILESS_MAIN(TestEntryRules)
#include "test_entry_rules.moc"
