#include <QtTest>

#include "core/RtfText.h"
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

class TestRtf : public QObject {
    Q_OBJECT
  private slots:
    void reads_data() {
        addColumns<QByteArray, QString>("rtf", "runs");
        const auto row = addRow<QByteArray, QString>;
        row("paragraphs", "{\\rtf1\\ansi Hello\\par World\\line !}", "[Hello\nWorld\n!]");
        row("tables skipped",
            "{\\rtf1{\\fonttbl{\\f0\\fmodern Courier New;}}{\\colortbl;\\red0\\green0\\blue0;}"
            "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}\\f0\\fs20 Text}",
            "[Text]");
        row("bold and italic end with their group", "{\\rtf1 a{\\b b\\i c}d\\i e\\i0 f}",
            "[a]B[b]BI[c][d]I[e][f]");
        row("b0 and plain", "{\\rtf1\\b x\\b0 y\\b\\i z\\plain w}", "B[x][y]BI[z][w]");
        row("tab and cell", "{\\rtf1 A\\tab B\\cell C}", "[A\tB\tC]");
        row("hex bytes are Windows-1252", "{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}",
            QString::fromUtf8("[café € “q”]"));
        row("u skips one stand-in", "{\\rtf1 \\u8364?x}", QString::fromUtf8("[€x]"));
        row("u32 is a blank", "{\\rtf1 a\\u32?b}", "[a b]");
        row("uc2 skips two, a hex byte counting as one", "{\\rtf1\\uc2 \\u8364\\'80?x}",
            QString::fromUtf8("[€x]"));
        row("uc0 skips none", "{\\rtf1\\uc0 \\u8364 x}", QString::fromUtf8("[€x]"));
        row("negative u pair", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUtf8("[😀]"));
        row("lone surrogate replaced", "{\\rtf1\\uc0\\u-10179 x}", QString::fromUtf8("[�x]"));
        row("starred destination skipped", "{\\rtf1 a{\\*\\unknown secret}b}", "[ab]");
        row("escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\}", "[{x}\\]");
        row("field result kept", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt site}}}",
            "[site]");
        row("named characters", "{\\rtf1 \\emdash\\~\\lquote}", QString::fromUtf8("[—\u00A0‘]"));
        row("source line ends ignored, escaped one ends a line", "{\\rtf1 a\r\nb\\\r\nc}",
            "[ab\nc]");
        row("binary data skipped", "{\\rtf1 a{\\pict\\bin4 }{x}}b}", "[ab]");
        // Damaged input is read as far as it makes sense (fuzz/fuzz_rtf tries it at length).
        row("brace closing nothing", "{\\rtf1 a}}b}", "[ab]");
        row("cut-off escape", "{\\rtf1 a\\'9", "[a]");
        row("unclosed group", "{\\rtf1{\\b a", "B[a]");
        row("trailing backslash", "{\\rtf1 a\\", "[a]");
        row("absurd number", "{\\rtf1\\u99999999999999999999 ab}", "[b]");
        row("deep nesting",
            "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}", "[xy]");
        row("not RTF: plain text", "Just text\r\nline 2", "[Just text\nline 2]");
        row("empty", "", "");
    }
    void reads() {
        QFETCH(QByteArray, rtf);
        QTEST(shown(ReadRtf(rtf)), "runs");
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "test_rtf.moc"
