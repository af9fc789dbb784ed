// The number and text rules, the reading of RTF text, and the files of fields: read, written,
// in the code page, replaced together and left over.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "core/RtfText.h"
#include "core/SeqFile.h"
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
    // The number and text rules every file, line and column is built with, RTF read as runs, and
    // the code page's changes.
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
        // The characters of a text that the code page lacks, each once, and what they come back as.
        const auto changes = [](const QString& text) {
            QStringList got;
            for (const auto& [from, to] : Cp1252Changes(text)) got << from + '>' + to;
            return got.join(' ');
        };
        row("all in the code page", changes("Zürich € „Ace“ – ™ Œ"), "");
        row("letters and signs", changes("Łódź → Kraków ✈"), "Ł>L ź>z →>? ✈>?");
        row("each once", changes("ŁŁ ł"), "Ł>L ł>l");
        row("beyond 16 bits", changes("😀 ok"), "😀>?");
        row("one letter, two back", changes("ǆ"), "ǆ>dz");
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

    // Read to the end; one field more is an error naming the file.
    void fields_data() {
        addColumns<QByteArray, QStringList>("bytes", "fields");
        const auto row = addRow<QByteArray, QStringList>;
        row("LF only, commas", "\"a\",\"b\",12\n\"c\"\n", {"a", "b", "12", "c"});
        row("quoted comma and blanks kept", "\"Anytown, ST  \",x\r\n", {"Anytown, ST  ", "x"});
        row("outer blanks of a bare field dropped", "   Jet   ,  250 \r\n", {"Jet", "250"});
        row("quoted text over a line break", "\"one\r\ntwo\",\"x\"\r\n", {"one\r\ntwo", "x"});
        row("empty line is an empty field", "a\r\n\r\nb", {"a", "", "b"});
        row("text after closing quote dropped", "\"a\"zz,b\r\n", {"a", "b"});
        row("doubled quote is one quote", "\"Joe \"\"Ace\"\"\",\"\"\r\n", {"Joe \"Ace\"", ""});
        row("blanks and a tab before a comma dropped", "a \t,b\r\n", {"a", "b"});
        row("Windows-1252", "\"Z\xfcrich \x80\"\r\n", {QString::fromUtf8("Zürich €")});
    }
    void fields() {
        auto [bytes, fields] = fetch<QByteArray, QStringList>("bytes", "fields");
        SeqReader in(bytes, "T.DAT");
        QStringList got;
        while (!in.atEnd()) got << in.text();
        QCOMPARE(got, fields);
        QCOMPARE(Thrown<FileError>([&] { in.text(); }),
                 QString("T.DAT: the file ends too early (field %1)").arg(got.size() + 1));
    }

    // Numbers: the whole field, finite; 16-bit integers whole and within range.
    void numbers() {
        SeqReader in(" 250 ,\"4.01\",48,fast,25O,,1e999,nan,-inf,4.5,40000\r\n", "A.AC");
        QCOMPARE(in.number(), 250.0);
        QCOMPARE(in.number(), 4.01);
        QCOMPARE(in.integer16(), 48);
        for (int f = 4; f <= 9; ++f) QVERIFY_THROWS_EXCEPTION(FileError, in.number());
        for (int f = 10; f <= 11; ++f) QVERIFY_THROWS_EXCEPTION(FileError, in.integer16());
        QVERIFY(in.atEnd());
        QVERIFY_THROWS_EXCEPTION(FileError, SeqReader(QByteArray("\"abc\r\n"), "X.AC").text());
    }

    // Texts quoted, their double quotes doubled; numbers plain, with or without the sign
    // blank; single bytes on disk, characters outside the code page as their plain letter.
    void writer() {
        SeqWriter out;
        out.quoted(QString::fromUtf8("Zoë \"Ace\" Łódź")).text("").number(-3.5).number(0.5, true);
        QCOMPARE(out.endRecord().bytes(), QByteArray("\"Zo\xeb \"\"Ace\"\" L\xf3"
                                                     "dz\",,-3.5, 0.5\r\n"));
        // A quoted text keeps its commas and line breaks.
        const QString comment = QString::fromUtf8("Gate 3, ask for Zoë\r\nLate arrival");
        SeqReader in(SeqWriter().quoted(comment).endRecord().bytes(), "P.tx");
        QCOMPARE(in.text(), comment);
        QVERIFY(in.atEnd());
        QString all;
        for (int b = 0x20; b <= 0xFF; ++b) all.append(DecodeCp1252(QByteArray(1, char(b))));
        QCOMPARE(DecodeCp1252(EncodeCp1252(all)), all);
        // Outside the code page: the plain letter, accents and strokes dropped; else '?'.
        const QByteArray folded = EncodeCp1252(QString::fromUtf8("Łódź Őry ǆ → 😀"));
        QCOMPARE(folded, QByteArray("L\xf3"
                                    "dz Ory dz ? ?"));
    }

    // Two files replaced together, as a plan and its report: each written beside its target
    // and synced, then both renamed. A fault before the renames changes nothing and leaves no
    // temporary file; one between them says which file is new and which is old. A symbolic link
    // stays a link: its target is replaced, in the target's own folder.
    void replaceTogether_data() {
        addColumns<QString, QStringList>("fault", "said");  // said empty: both replaced
        const auto row = addRow<const char*, QStringList>;
        row("both replaced", "", {});
        row("both through links", "links", {});
        row("second is a folder", "folder", {"b.txt: this is a folder, not a file"});
        row("second is a named pipe", "pipe", {"b.txt: this is a named pipe, not a file"});
        row("second's folder is gone", "gone", {"gone/b.txt: the file cannot be written"});
        row("second's name too long", "long", {"the name is too long for the file system"});
        row("second a folder by the renames", "late",
            {"a.tx: the new file is in place", "b.txt: the file was not replaced",
             "Is a directory"});
    }
    void replaceTogether() {
        auto [fault, said] = fetch<QString, QStringList>("fault", "said");
        QTemporaryDir dir;
        const QDir d(dir.path()), other(dir.filePath("other"));
        QVERIFY(d.mkdir("other"));
        QString a = d.filePath("a.tx"), b = d.filePath("b.txt");
        const QString aData = fault == "links" ? other.filePath("a.tx") : a;
        const QString bData = fault == "links" ? other.filePath("b.txt") : b;
        WriteFile(aData, "old a");
        if (fault != "folder" && fault != "pipe") WriteFile(bData, "old b");
        if (fault == "links") QVERIFY(QFile::link(aData, a) && QFile::link("other/b.txt", b));
        if (fault == "folder") QVERIFY(d.mkdir("b.txt"));
        if (fault == "pipe") QCOMPARE(mkfifo(QFile::encodeName(b), 0600), 0);
        if (fault == "gone") b = d.filePath("gone/b.txt");
        if (fault == "long") b = d.filePath(QString(256, 'b'));
        const auto listed = [](const QDir& in) {
            return in.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                QDir::NoDotAndDotDot);
        };
        const QStringList before = listed(d);

        const QString message = Thrown<FileError>([&] {
            FileReplacement files;
            files.add(a, "new a");
            files.add(b, "new b");
            if (fault == "late") QVERIFY(QFile::remove(b) && d.mkdir("b.txt"));
            files.commit();
        });
        // Paths in full.
        VerifyHolds(message,
                    said.isEmpty() ? QStringList{"<nothing thrown>"} : said << d.filePath(""));
        QCOMPARE(
            ReadFile(aData),
            QByteArray(fault.isEmpty() || fault == "links" || fault == "late" ? "new a" : "old a"));
        if (QFileInfo(bData).isFile())
            QCOMPARE(ReadFile(bData), QByteArray(said.isEmpty() ? "new b" : "old b"));
        QCOMPARE(QFileInfo(a).isSymLink() && QFileInfo(b).isSymLink(), fault == "links");
        QCOMPARE(listed(d), before);  // no temporary file left
        QCOMPARE(listed(other),
                 QStringList(fault == "links" ? QStringList{"a.tx", "b.txt"} : QStringList{}));
    }

    // A full disk, played without root by a child process whose files may not grow past 4 KB:
    // the rewrite fails with a message naming the file and the reason, the old file stays
    // whole and no temporary file is left.
    void fullDiskKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("TXDefAC.DAT");
        const QByteArray old(3000, 'o');
        WriteFileAtomically(path, old);
        int out[2];
        QVERIFY(pipe(out) == 0);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            QByteArray said = setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "no error" : "no limit";
            try {
                WriteFileAtomically(path, QByteArray(10000, 'n'));
            } catch (const FileError& e) {
                said = e.message().toUtf8();
            }
            _exit(write(out[1], said.constData(), said.size()) == said.size() ? 0 : 1);
        }
        ::close(out[1]);
        QByteArray said;
        char buf[512];
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) said.append(buf, n);
        ::close(out[0]);
        waitpid(child, nullptr, 0);
        QCOMPARE(said, QDir::toNativeSeparators(path).toUtf8() +
                           ": the file cannot be written (File too large)");
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TXDefAC.DAT"});
        QVERIFY_THROWS_EXCEPTION(FileError, WriteFileAtomically(dir.filePath("no/X.DAT"), "x"));
    }

    // What a rewrite cut short by the end of the program leaves is removed at the next start;
    // the files of the system and names merely like a temporary one stay.
    void leftoverTemporaries() {
        QTemporaryDir dir;
        const QStringList names{".tarvex-a1B2c3", ".tarvex-a1B2c", "tarvex-a1B2c3", "TARVEX.DAT"};
        for (const QString& n : names) WriteFileAtomically(dir.filePath(n), "x");
        QCOMPARE(RemoveLeftoverTemporaries(dir.path()), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({".tarvex-a1B2c", "TARVEX.DAT", "tarvex-a1B2c3"}));
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
