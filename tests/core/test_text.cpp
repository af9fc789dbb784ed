#include <QtTest>

#include "core/Text.h"

using namespace tx;

class TestText : public QObject {
    Q_OBJECT
  private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("leading blanks") << "   7.04" << 7.04;
        QTest::newRow("stops at letters") << "-3a" << -3.0;
        QTest::newRow("exponent") << "2.5e2x" << 250.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("hemisphere letter") << "N3951.2" << 0.0;
        QTest::newRow("too large for a double") << "1e999" << 0.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text), value);
    }

    void str_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("withSign");
        QTest::newRow("negative zero has no sign") << -0.0 << " 0";
        QTest::newRow("negative") << -3.0 << "-3";
        QTest::newRow("half keeps its zero") << 0.5 << " 0.5";
        QTest::newRow("trailing zero dropped") << 3.10 << " 3.1";
        QTest::newRow("binary noise hidden") << 3.31 + 0.01 << " 3.32";
        QTest::newRow("15 significant digits") << 1.0 / 3.0 << " 0.333333333333333";
    }
    void str() {
        QFETCH(double, x);
        QFETCH(QString, withSign);
        QCOMPARE(Str(x), withSign);
        QCOMPARE(NumText(x), withSign.trimmed());
    }

    void fixedWidth() {
        QCOMPARE(RightAlign("12345678", 7), QString("2345678"));
        QCOMPARE(PadCut("Colorado Springs", 15), QString("Colorado Spring"));
    }

    void singleText_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("tenths") << -3.3f << "-3.3";
        QTest::newRow("half hour") << 5.5f << "5.5";
        QTest::newRow("negative zero") << -0.0f << "0";
    }
    void singleText() {
        QFETCH(float, x);
        QFETCH(QString, text);
        // Through the double the database stores, back to the same text.
        QCOMPARE(SingleText(static_cast<float>(static_cast<double>(x))), text);
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
