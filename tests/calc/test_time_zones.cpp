#include <QtTest>

#include "calc/TimeZones.h"

using namespace tx;

class TestTimeZones : public QObject {
    Q_OBJECT

    PlanState s;

  private slots:
    void init() {
        s = PlanState();
        s.CurLeg = 4;
        const QStringList codes{"US", "AU", "au", "US"};
        const double starts[] = {3.09, 10.05, 1.01, 5.01}, ends[] = {11.02, 4.06, 1.02, 5.02};
        for (int r = 1; r <= 4; ++r) {
            s.TZCode[r] = codes[r - 1];
            s.TZDSTStart[r] = starts[r - 1];
            s.TZDSTEnd[r] = ends[r - 1];
        }
        s.TZRows = 4;
    }

    void daylightPeriod_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::newRow("first matching row wins") << "US" << 3.09 << 11.02;
        QTest::newRow("trailing blanks dropped") << "AU   " << 10.05 << 4.06;
        QTest::newRow("case-sensitive") << "au" << 1.01 << 1.02;
        QTest::newRow("leading blank kept: default") << " US" << 4.01 << 10.28;
        QTest::newRow("unknown: default") << "XX" << 4.01 << 10.28;
    }
    void daylightPeriod() {
        QFETCH(QString, code);
        QFETCH(double, start);
        QFETCH(double, end);
        s.cur().DepZoneCode = s.cur().DestZoneCode = code;
        TXDep(s);
        TXDest(s);
        QCOMPARE(s.cur().DepDSTStart, std::optional(start));
        QCOMPARE(s.cur().DepDSTEnd, std::optional(end));
        QCOMPARE(s.cur().DestDSTStart, std::optional(start));
        QCOMPARE(s.cur().DestDSTEnd, std::optional(end));
        s.TZRows = 0;  // an empty table: every zone on the default period
        TXDep(s);
        QCOMPARE(s.cur().DepDSTStart, std::optional(4.01));
    }

    // Standard offset -5, daylight -4.
    void offsetInForce_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("offset");
        QTest::newRow("day before start") << 4.01 << 10.28 << "3.31" << -5.0;
        QTest::newRow("start day") << 4.01 << 10.28 << "4.01" << -4.0;
        QTest::newRow("end day") << 4.01 << 10.28 << "10.28" << -4.0;
        QTest::newRow("day after end") << 4.01 << 10.28 << "10.29" << -5.0;
        QTest::newRow("written-back 10.3 is 30 Oct") << 4.01 << 10.28 << "10.3" << -5.0;
        QTest::newRow("across the year: December") << 10.01 << 3.31 << "12.15" << -4.0;
        QTest::newRow("across the year: end day") << 10.01 << 3.31 << "3.31" << -4.0;
        QTest::newRow("across the year: start day") << 10.01 << 3.31 << "10.01" << -4.0;
        QTest::newRow("across the year: June") << 10.01 << 3.31 << "6.15" << -5.0;
        QTest::newRow("across the year: day after end") << 10.01 << 3.31 << "4.01" << -5.0;
    }
    void offsetInForce() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QString, date);
        QFETCH(double, offset);
        Leg& leg = s.cur();
        leg.LegDate = date;
        leg.DepDSTStart = leg.DestDSTStart = start;
        leg.DepDSTEnd = leg.DestDSTEnd = end;
        leg.DepStd = leg.DestStd = "-5";
        leg.DepDay = leg.DestDay = "-4";
        DepTZ(s);
        QCOMPARE(leg.DepZoneOffset, std::optional(offset));
        QCOMPARE(s.SunZoneOffset, offset);
        s.SunZoneOffset = 99;
        DestTZ(s);
        QCOMPARE(leg.DestZoneOffset, std::optional(offset));
        QCOMPARE(s.SunZoneOffset, offset);
    }

    // Every month end both ways is covered through TXComps2 in the leg-computation test.
    void dateRoll_data() {
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::newRow("Feb 29") << 2.29 << 3.01;
        QTest::newRow("Apr 31") << 4.31 << 5.01;
        QTest::newRow("Feb 30") << 2.30 << 3.02;
        QTest::newRow("Dec 32") << 12.32 << 1.01;
        QTest::newRow("Dec 33") << 12.33 << 1.02;
        QTest::newRow("Jan 0") << 1.0 << 12.31;
        QTest::newRow("Mar 0") << 3.0 << 2.28;
        QTest::newRow("Jun 0") << 6.0 << 5.31;
        QTest::newRow("Jul 0") << 7.0 << 6.30;
        QTest::newRow("Jan 1 - 2") << 0.99 << 12.30;
        QTest::newRow("Mar 1 - 2") << 2.99 << 2.27;
        QTest::newRow("May 1 - 2") << 4.99 << 4.29;
        QTest::newRow("mid-month") << 6.15 << 6.15;
        QTest::newRow("12.99 is no m.99") << 12.99 << 12.99;
        QTest::newRow("a binary hair under Mar 0") << 2.9999999999999996 << 2.9999999999999996;
    }
    void dateRoll() {
        QFETCH(double, in);
        QFETCH(double, out);
        s.WorkDate = in;
        DateRoll(s);
        QCOMPARE(s.WorkDate, out);
        QCOMPARE(s.DateRollSign, QString("+"));
    }

    void dateFill_data() {
        QTest::addColumn<QString>("legDate");
        QTest::addColumn<QString>("dateText");
        QTest::newRow("December") << "12.05"
                                  << "05Dec";
        QTest::newRow("leading blank") << " 7.04"
                                       << "04Jul";
        QTest::newRow("no month 13") << "13.01"
                                     << "01";
        QTest::newRow("last two characters") << "3.1"
                                             << ".1Mar";
        QTest::newRow("empty") << ""
                               << "";
    }
    void dateFill() {
        QFETCH(QString, legDate);
        QFETCH(QString, dateText);
        s.cur().LegDate = legDate;
        DateFill(s);
        QCOMPARE(s.cur().DateText, dateText);
    }

    void civTime_data() {
        QTest::addColumn<QString>("hhmm");
        QTest::addColumn<QString>("civil");
        QTest::newRow("afternoon") << "1430"
                                   << "2:30pm";
        QTest::newRow("noon") << "1200"
                              << "12:00 noon";
        QTest::newRow("midnight ending the day") << "2400"
                                                 << "12:00 mid";
        QTest::newRow("after noon") << "1215"
                                    << "12:15pm";
        QTest::newRow("morning") << "0915"
                                 << "9:15am";
        QTest::newRow("half past midnight") << "0030"
                                            << "0:30am";
        QTest::newRow("start of the day") << "0000"
                                          << "0:00am";
        QTest::newRow("one o'clock") << "1300"
                                     << "1:00pm";
        QTest::newRow("eleven") << "1159"
                                << "11:59am";
        QTest::newRow("short text") << "5"
                                    << "5:5am";
        QTest::newRow("empty") << ""
                               << "0:am";
    }
    void civTime() {
        QFETCH(QString, hhmm);
        QFETCH(QString, civil);
        s.CivTimeText = hhmm;
        CivTime(s);
        QCOMPARE(s.CivTimeText, civil);
    }
};

QTEST_APPLESS_MAIN(TestTimeZones)
#include "test_time_zones.moc"
