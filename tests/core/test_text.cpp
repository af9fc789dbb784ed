#include <QtTest>

#include "core/Text.h"

using namespace tx;

class TestText : public QObject {
    Q_OBJECT
  private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "1430" << 1430.0;
        QTest::newRow("leading blanks") << "   7.04" << 7.04;
        QTest::newRow("sign blank of a number text") << " 48" << 48.0;
        QTest::newRow("negative") << "-40" << -40.0;
        QTest::newRow("stops at letters") << "3a" << 3.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("hemisphere letter") << "N3951.2" << 0.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void str_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("withSign");
        QTest::newRow("whole") << 85.0 << "85"
                               << " 85";
        QTest::newRow("zero") << 0.0 << "0"
                              << " 0";
        QTest::newRow("negative zero has no sign") << -0.0 << "0"
                                                   << " 0";
        QTest::newRow("negative") << -3.0 << "-3"
                                  << "-3";
        QTest::newRow("half keeps its zero") << 0.5 << "0.5"
                                             << " 0.5";
        QTest::newRow("date") << 7.04 << "7.04"
                              << " 7.04";
        QTest::newRow("trailing zero dropped") << 3.10 << "3.1"
                                               << " 3.1";
        QTest::newRow("binary noise hidden") << 3.31 + 0.01 << "3.32"
                                             << " 3.32";
        QTest::newRow("15 significant digits") << 1.0 / 3.0 << "0.333333333333333"
                                               << " 0.333333333333333";
    }
    void str() {
        QFETCH(double, x);
        QFETCH(QString, plain);
        QFETCH(QString, withSign);
        QCOMPARE(NumText(x), plain);
        QCOMPARE(Str(x), withSign);
    }

    void pieces_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("want");
        QTest::newRow("right-align 85 in 7") << RightAlign(Str(85), 7) << "     85";
        QTest::newRow("right-align cuts at the left") << RightAlign("12345678", 7) << "2345678";
        QTest::newRow("pad-and-cut cuts") << PadCut("Colorado Springs", 15) << "Colorado Spring";
        QTest::newRow("left short text") << Left("ab", 5) << "ab";
        QTest::newRow("right last four") << Right("W10432.5", 4) << "32.5";
        QTest::newRow("mid") << Mid("N3951.2", 2, 2) << "39";
        QTest::newRow("mid from 4, 77 chars of a short text")
            << Mid(" 1  05Mar", 4, 77) << " 05Mar";
        QTest::newRow("trim keeps inner blanks") << Trim("  a b ") << "a b";
        QTest::newRow("two digits") << TwoDigits(5) << "05";
    }
    void pieces() {
        QFETCH(QString, got);
        QFETCH(QString, want);
        QCOMPARE(got, want);
    }

    void singleText_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << -7.0f << "-7";
        QTest::newRow("tenths") << -3.3f << "-3.3";
        QTest::newRow("half hour") << 5.5f << "5.5";
        QTest::newRow("negative zero") << -0.0f << "0";
    }
    void singleText() {
        QFETCH(float, x);
        QFETCH(QString, text);
        QCOMPARE(SingleText(x), text);
        // Through the double the database stores, back to the same text.
        QCOMPARE(SingleText(static_cast<float>(static_cast<double>(x))), text);
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
