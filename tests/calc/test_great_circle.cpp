// Distances and courses worked out by hand on the navigation sphere: pi = 3.1415926, one
// degree of arc 60 n.mi.
#include <QtTest>

#include "calc/GreatCircle.h"
#include "core/Text.h"

using namespace tx;

class TestGreatCircle : public QObject {
    Q_OBJECT

    PlanState s;

    void between(const QString& lat1, const QString& lon1, const QString& lat2,
                 const QString& lon2) {
        s.CurLeg = 1;
        s.LatText = lat1;
        s.LonText = lon1;
        GCDep(s);
        s.LatText = lat2;
        s.LonText = lon2;
        GCDest(s);
        GCComps(s);
    }

  private slots:
    void init() { s = PlanState(); }

    void legs_data() {
        QTest::addColumn<QStringList>("ends");
        QTest::addColumn<double>("distNM");
        QTest::addColumn<int>("distIndex");
        QTest::addColumn<int>("sector");
        QTest::addColumn<QString>("distText");
        // A due north course (c = 1) is taken as one degree off: sector 0; due south 179.
        QTest::newRow("due north") << QStringList{"N1000.0", "W05000.0", "N1100.0", "W05000.0"}
                                   << 60.0 << 1 << 0 << "     60";
        QTest::newRow("due south") << QStringList{"N1100.0", "W05000.0", "N1000.0", "W05000.0"}
                                   << 60.0 << 1 << 18 << "     60";
        QTest::newRow("due east") << QStringList{"N0000.0", "W00100.0", "N0000.0", "W00000.0"}
                                  << 60.0 << 1 << 9 << "     60";
        QTest::newRow("due west: 270") << QStringList{"N0000.0", "W00000.0", "N0000.0", "W00100.0"}
                                       << 60.0 << 1 << 27 << "     60";
        QTest::newRow("85 n.mi.") << QStringList{"N0000.0", "W00000.0", "N0125.0", "W00000.0"}
                                  << 85.0 << 1 << 0 << "     85";
        // HalfPi is a hair short of a right angle: 2 deg 30 min computes to 149.9999 n.mi.,
        // shown as 150 but still row 1.
        QTest::newRow("2 deg 30 min") << QStringList{"N0000.0", "W00000.0", "N0230.0", "W00000.0"}
                                      << 150.0 << 1 << 0 << "    150";
        // 12.822 deg; course 75.07 deg out, 266.10 deg back.
        QTest::newRow("KDEN-KORD") << QStringList{"N3951.7", "W10440.4", "N4158.7", "W08754.5"}
                                   << 769.0 << 8 << 8 << "    769";
        QTest::newRow("KORD-KDEN") << QStringList{"N4158.7", "W08754.5", "N3951.7", "W10440.4"}
                                   << 769.0 << 8 << 27 << "    769";
        // Sydney to Auckland: 19.421 deg -> 1165.3 (published 1164), course 105.84 deg.
        QTest::newRow("YSSY-NZAA") << QStringList{"S3356.8", "E15110.6", "S3700.5", "E17447.5"}
                                   << 1165.0 << 12 << 11 << "   1165";
        QTest::newRow("antipodes") << QStringList{"N0000.0", "W00000.0", "N0000.0", "E18000.0"}
                                   << 10800.0 << 108 << 9 << "  10800";
        // Short texts give what their pieces give: "N39" is 39 deg 39 min, "N40" 40 deg
        // 40 min, "W104" 104 deg 104 min: 1 deg 1 min due north.
        QTest::newRow("short texts")
            << QStringList{"N39", "W104", "N40", "W104"} << 61.0 << 1 << 0 << "     61";
        QTest::newRow("empty texts") << QStringList{"", "", "", ""} << 0.0 << 0 << 0 << "      0";
        QTest::newRow("same point") << QStringList{"N3951.7", "W10440.4", "N3951.7", "W10440.4"}
                                    << 0.0 << 0 << 0 << "      0";
        QTest::newRow("same origin") << QStringList{"N0000.0", "W00000.0", "N0000.0", "W00000.0"}
                                     << 0.0 << 0 << 0 << "      0";
        // One point under two names: no NaN, no course to speak of.
        QTest::newRow("north pole") << QStringList{"N9000.0", "W00000.0", "N9000.0", "E09000.0"}
                                    << 0.0 << 0 << 0 << "      0";
        QTest::newRow("date line") << QStringList{"N1000.0", "W18000.0", "N1000.0", "E18000.0"}
                                   << 0.0 << 0 << 0 << "      0";
    }
    void legs() {
        QFETCH(QStringList, ends);
        QFETCH(double, distNM);
        QFETCH(int, distIndex);
        QFETCH(int, sector);
        QFETCH(QString, distText);
        between(ends[0], ends[1], ends[2], ends[3]);
        QCOMPARE(s.DistNM, distNM);
        QCOMPARE(s.DistIndex, distIndex);
        QCOMPARE(s.CourseSector, sector);
        QCOMPARE(s.cur().DistText, distText);
    }

    // The half-up steps of course and distance, on the computed angles themselves.
    void rounding_data() {
        QTest::addColumn<double>("course");
        QTest::addColumn<int>("sector");
        QTest::addColumn<double>("distance");
        QTest::addColumn<int>("index");
        QTest::newRow("zero") << 0.0 << 0 << 0.0 << 0;
        QTest::newRow("under half a step") << 4.9 << 0 << 49.9 << 0;
        QTest::newRow("half a step") << 5.0 << 1 << 50.0 << 1;
        QTest::newRow("44.9 deg, 149.9 n.mi.") << 44.9 << 4 << 149.9 << 1;
        QTest::newRow("45.0 deg, 150.0 n.mi.") << 45.0 << 5 << 150.0 << 2;
        QTest::newRow("354.9 deg") << 354.9 << 35 << 3549.9 << 35;
        QTest::newRow("355 deg is 36") << 355.0 << 36 << 3550.0 << 36;
    }
    void rounding() {
        QFETCH(double, course);
        QFETCH(int, sector);
        QFETCH(double, distance);
        QFETCH(int, index);
        QCOMPARE(courseSectorOf(course), sector);
        QCOMPARE(distIndexOf(distance), index);
    }
};

QTEST_APPLESS_MAIN(TestGreatCircle)
#include "test_great_circle.moc"
