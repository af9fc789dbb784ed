#include <QtTest>

#include "core/Text.h"
#include "support/CalcTest.h"

using namespace tx;

class TestText : public QObject {
    Q_OBJECT
  private slots:
    // The number and text rules every file, line and column is built with.
    void rules_data() {
        addColumns<QString, QString>("got", "want");
        const auto row = addRow<QString, const char*>;
        row("Val skips leading blanks", NumText(Val("   7.04")), "7.04");
        row("Val stops at letters", NumText(Val("-2.5e2x")), "-250");
        row("Val of a hemisphere letter", NumText(Val("N3951.2")), "0");
        row("Val of 1e999", NumText(Val("1e999")), "0");
        row("Str of negative zero", Str(-0.0), " 0");
        row("Str keeps the zero of 0.5", Str(0.5), " 0.5");
        row("Str drops trailing zeros", Str(3.10), " 3.1");
        row("Str hides binary noise", Str(3.31 + 0.01), " 3.32");
        row("Str of 15 digits", Str(-1.0 / 3.0), "-0.333333333333333");
        row("RightAlign cuts at the left", RightAlign("12345678", 7), "2345678");
        row("PadCut cuts", PadCut("Colorado Springs", 15), "Colorado Spring");
        // A single-precision offset stored as a double reads back as typed.
        row("SingleText", SingleText(float(double(-3.3f))), "-3.3");
        // Cities are ordered and found by one key: accents, strokes and case aside.
        row("CityFold accents", CityFold(QString::fromUtf8("\u00c5lesund S\u00c3O")),
            "alesund sao");
        row("CityFold strokes", CityFold(QString::fromUtf8("\u00d8rland \u0141\u00f3d\u017a")),
            "orland lodz");
        row("CityFold joined letters", CityFold(QString::fromUtf8("\u00c6r\u00f8 Stra\u00dfe")),
            "aero strasse");
    }
    void rules() {
        QFETCH(QString, got);
        QTEST(got, "want");
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
