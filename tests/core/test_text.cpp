// The number and text rules, and the reading of RTF text.
#include <QtTest>

#include "core/RtfText.h"
#include "core/Text.h"
#include "support/CalcTest.h"

using namespace tx;

namespace {

// Runs written as STYLE[text]: "B[bold]I[italic][plain]".
QString shown(const QList<RtfRun>& runs) {
    QString out;
    for (const RtfRun& r : runs)
        out += QString(r.bold ? "B" : "") + (r.italic ? "I" : "") + '[' + r.text + ']';
    return out;
}

}  // namespace

class TestText : public QObject {
    Q_OBJECT
  private slots:
    // The number and text rules every file, line and column is built with, and RTF read as runs.
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
        row("CityFold accents", CityFold("\u00c5lesund S\u00c3O"), "alesund sao");
        row("CityFold strokes", CityFold("\u00d8rland \u0141\u00f3d\u017a"), "orland lodz");
        row("CityFold joined letters", CityFold("\u00c6r\u00f8 Stra\u00dfe"), "aero strasse");
        // RTF as runs; damaged input is read as far as it makes sense (fuzz/fuzz_rtf tries it at
        // length).
        const auto rtf = [](const QByteArray& b) { return shown(ReadRtf(b)); };
        row("RTF paragraphs", rtf("{\\rtf1\\ansi Hello\\par World\\line !}"), "[Hello\nWorld\n!]");
        row("RTF tables skipped",
            rtf("{\\rtf1{\\fonttbl{\\f0\\fmodern Courier New;}}{\\colortbl;\\red0\\green0\\blue0;}"
                "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}\\f0\\fs20 Text}"),
            "[Text]");
        row("bold, italic end with their group", rtf("{\\rtf1 a{\\b b\\i c}d\\i e\\i0 f}"),
            "[a]B[b]BI[c][d]I[e][f]");
        row("b0 and plain", rtf("{\\rtf1\\b x\\b0 y\\b\\i z\\plain w}"), "B[x][y]BI[z][w]");
        row("tab and cell", rtf("{\\rtf1 A\\tab B\\cell C}"), "[A\tB\tC]");
        row("hex bytes Windows-1252", rtf("{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}"), "[café € “q”]");
        row("u skips one stand-in", rtf("{\\rtf1 \\u8364?x}"), "[€x]");
        row("u32 is a blank", rtf("{\\rtf1 a\\u32?b}"), "[a b]");
        row("uc2 skips two, a hex byte one", rtf("{\\rtf1\\uc2 \\u8364\\'80?x}"), "[€x]");
        row("uc0 skips none", rtf("{\\rtf1\\uc0 \\u8364 x}"), "[€x]");
        row("negative u pair", rtf("{\\rtf1 \\u-10179?\\u-8704?}"), "[😀]");
        row("lone surrogate replaced", rtf("{\\rtf1\\uc0\\u-10179 x}"), "[�x]");
        row("starred destination skipped", rtf("{\\rtf1 a{\\*\\unknown secret}b}"), "[ab]");
        row("escaped braces, backslash", rtf("{\\rtf1 \\{x\\}\\\\}"), "[{x}\\]");
        row("field result kept",
            rtf("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt site}}}"), "[site]");
        row("named characters", rtf("{\\rtf1 \\emdash\\~\\lquote}"), "[—\u00A0‘]");
        row("source line ends ignored", rtf("{\\rtf1 a\r\nb\\\r\nc}"), "[ab\nc]");
        row("binary data skipped", rtf("{\\rtf1 a{\\pict\\bin4 }{x}}b}"), "[ab]");
        row("brace closing nothing", rtf("{\\rtf1 a}}b}"), "[ab]");
        row("cut-off escape", rtf("{\\rtf1 a\\'9"), "[a]");
        row("unclosed group", rtf("{\\rtf1{\\b a"), "B[a]");
        row("trailing backslash", rtf("{\\rtf1 a\\"), "[a]");
        row("absurd number", rtf("{\\rtf1\\u99999999999999999999 ab}"), "[b]");
        const QByteArray deep = QByteArray(100000, '{') + "x" + QByteArray(100000, '}');
        row("deep nesting", rtf("{\\rtf1 " + deep + "y}"), "[xy]");
        row("not RTF: plain text", rtf("Just text\r\nline 2"), "[Just text\nline 2]");
        row("empty RTF", rtf(""), "");
    }
    void rules() {
        QFETCH(QString, got);
        QTEST(got, "want");
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
