#include <QtTest>

#include "planning/StoredWinds.h"

using namespace tx;

class TestWinds : public QObject {
    Q_OBJECT

    PlanState s;

  private slots:
    void init() {
        s = PlanState();
        s.Winds.fill(99);
    }

    // Read off the three rows: north (sectors 0 and 36), east (9), south (18), west (27),
    // and sectors 4 and 26.
    void tables_data() {
        QTest::addColumn<int>("band");
        QTest::addColumn<QList<double>>("winds");
        QTest::newRow("low") << 0 << QList<double>{-9, 10, -9, -15, 3, -15};
        QTest::newRow("mid") << 1 << QList<double>{-20, 13, -20, -38, 2, -36};
        QTest::newRow("high") << 2 << QList<double>{-30, 15, -30, -60, 0, -58};
    }
    void tables() {
        QFETCH(int, band);
        QFETCH(QList<double>, winds);
        (band == 0 ? LoadWindsLowLat : band == 1 ? LoadWindsMidLat : LoadWindsHighLat)(s);
        const auto& w = s.Winds;
        QCOMPARE((QList<double>{w[0], w[9], w[18], w[27], w[4], w[26]}), winds);
        QCOMPARE(w[36], w[0]);
        QCOMPARE(w[37], 99.0);  // never written
        // A westerly flow: each row mirrors about the east and the west course, tailwinds on
        // the courses 50..130 degrees, headwinds outside 40..140.
        for (int k = 0; k <= 9; ++k) {
            QCOMPARE(w[9 - k], w[9 + k]);
            QCOMPARE(w[27 - k], w[27 + k]);
        }
        for (int k = 0; k <= 36; ++k) {
            if (k >= 5 && k <= 13) QVERIFY2(w[k] > 0, qPrintable(QString::number(k)));
            if (k < 4 || k > 14) QVERIFY2(w[k] < 0, qPrintable(QString::number(k)));
        }
    }

    // The band is told by the table's west value (sector 27).
    void bandChoice_data() {
        QTest::addColumn<QString>("dep");
        QTest::addColumn<QString>("dest");
        QTest::addColumn<double>("west");
        QTest::newRow("40 and 44 N: 42, high") << "N4000.0"
                                               << "N4400.0" << -60.0;
        QTest::newRow("5 N, 3 S: difference 2, low") << "N0500.0"
                                                     << "S0300.0" << -15.0;
        QTest::newRow("20 and 30 N: 25, mid") << "N2000.0"
                                              << "N3000.0" << -38.0;
        QTest::newRow("20 and 32 N: 26, high") << "N2000.0"
                                               << "N3200.0" << -60.0;
        QTest::newRow("both S: mean 35") << "S3352.0"
                                         << "S3700.5" << -60.0;
        QTest::newRow("10 N: low") << "N1000.0"
                                   << "N1059.9" << -15.0;
        QTest::newRow("10 and 12 N: 11, mid") << "N1000.0"
                                              << "N1200.0" << -38.0;
        QTest::newRow("30 S, 1 N: difference 29") << "S3000.0"
                                                  << "N0100.0" << -60.0;
        QTest::newRow("20 N, 20 S: difference 0") << "N2000.0"
                                                  << "S2000.0" << -15.0;
        QTest::newRow("other letters: difference") << "X4000.0"
                                                   << "X3500.0" << -15.0;
        QTest::newRow("empty: low") << ""
                                    << "" << -15.0;
    }
    void bandChoice() {
        QFETCH(QString, dep);
        QFETCH(QString, dest);
        QFETCH(double, west);
        s.DepLatText = dep;
        s.DestLatText = dest;
        ChooseWindTable(s);
        QCOMPARE(s.Winds[27], west);
    }

    void scaled_data() {
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("distIndex");
        QTest::addColumn<double>("proposed");
        QTest::newRow("100 n.mi., -40") << -40.0 << 1 << -12.0;
        QTest::newRow("100 n.mi., 13") << 13.0 << 1 << 3.0;
        QTest::newRow("under 50 n.mi., -58") << -58.0 << 0 << -6.0;
        QTest::newRow("under 50 n.mi., -1") << -1.0 << 0 << -1.0;
        QTest::newRow("200 n.mi., 7") << 7.0 << 2 << 3.0;
        QTest::newRow("200 n.mi., -7 rounds down") << -7.0 << 2 << -4.0;
        QTest::newRow("300 n.mi., -60") << -60.0 << 3 << -48.0;
        QTest::newRow("400 n.mi., whole") << -60.0 << 4 << -60.0;
        QTest::newRow("long leg, typed fraction") << 12.5 << 40 << 12.0;
    }
    void scaled() {
        QFETCH(double, stored);
        QFETCH(int, distIndex);
        QFETCH(double, proposed);
        s.CourseSector = 27;
        s.Winds[27] = stored;
        s.DistIndex = distIndex;
        QCOMPARE(ScaledWind(s), proposed);
    }
};

QTEST_APPLESS_MAIN(TestWinds)
#include "test_winds.moc"
