#include <QtTest>

#include "planning/StoredWinds.h"
#include "support/CalcTest.h"

using namespace tx;
using namespace Qt::StringLiterals;
using test::addColumns;

class TestWinds : public QObject {
    Q_OBJECT

    PlanState s;

  private slots:
    void init() {
        s = PlanState();
        s.Winds.fill(99);
    }

    // A westerly flow: each table mirrors about the east and the west course, with tailwinds on
    // the courses 50..130 degrees and headwinds outside 40..140; slot 37 is never written.
    void tables() {
        for (auto load : {LoadWindsLowLat, LoadWindsMidLat, LoadWindsHighLat}) {
            load(s);
            const auto& w = s.Winds;
            for (int k = 0; k <= 9; ++k) QVERIFY(w[9 - k] == w[9 + k] && w[27 - k] == w[27 + k]);
            for (int k = 0; k <= 36; ++k)
                QVERIFY(k < 4 || k > 14 ? w[k] < 0 : k % 10 == 4 || w[k] > 0);
            QCOMPARE(w[37], 99.0);
        }
    }

    // "departure destination" latitudes: the table chosen, read off north, east, south and west
    // (sectors 0, 9, 18, 27) and sector 4.
    void bandChoice_data() {
        addColumns<QString, QString>("latitudes", "winds");
        QTest::newRow("20 and 30 N: 25, mid") << u"N2000.0 N3000.0"_s << "-20 13 -20 -38 2";
        QTest::newRow("20 and 32 N: 26, high") << u"N2000.0 N3200.0"_s << "-30 15 -30 -60 0";
        QTest::newRow("10 N: low") << u"N1000.0 N1059.9"_s << "-9 10 -9 -15 3";
        QTest::newRow("10 and 12 N: 11, mid") << u"N1000.0 N1200.0"_s << "-20 13 -20 -38 2";
        QTest::newRow("both S: mean 35") << u"S3352.0 S3700.5"_s << "-30 15 -30 -60 0";
        QTest::newRow("30 S, 1 N: difference 29") << u"S3000.0 N0100.0"_s << "-30 15 -30 -60 0";
        QTest::newRow("other letters: difference") << u"X4000.0 X3500.0"_s << "-9 10 -9 -15 3";
    }
    void bandChoice() {
        QFETCH(QString, latitudes);
        QFETCH(QString, winds);
        s.DepLatText = latitudes.section(' ', 0, 0);
        s.DestLatText = latitudes.section(' ', 1, 1);
        ChooseWindTable(s);
        const auto& w = s.Winds;
        QCOMPARE(u"%1 %2 %3 %4 %5"_s.arg(w[0]).arg(w[9]).arg(w[18]).arg(w[27]).arg(w[4]), winds);
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
        QFETCH(double, stored);
        QFETCH(int, row);
        QFETCH(double, proposed);
        s.CourseSector = 27;
        s.Winds[27] = stored;
        s.DistIndex = row;
        QCOMPARE(ScaledWind(s), proposed);
    }
};

QTEST_APPLESS_MAIN(TestWinds)
#include "test_winds.moc"
