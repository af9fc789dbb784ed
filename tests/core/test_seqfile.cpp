#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "core/SeqFile.h"
#include "support/CalcTest.h"

using namespace tx;

class TestSeqFile : public QObject {
    Q_OBJECT
  private slots:
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

    // The characters of a text that the code page lacks, each once, and what they come back as.
    void cp1252Changes_data() {
        addColumns<QString, QString>("text", "changes");
        const auto row = addRow<QString, QString>;
        row("all in the code page", "Zürich € „Ace“ – ™ Œ", "");
        row("letters and signs", "Łódź → Kraków ✈", "Ł>L ź>z →>? ✈>?");
        row("each once", "ŁŁ ł", "Ł>L ł>l");
        row("beyond 16 bits", "😀 ok", "😀>?");
        row("one letter, two back", "ǆ", "ǆ>dz");
    }
    void cp1252Changes() {
        QFETCH(QString, text);
        QStringList got;
        for (const auto& [from, to] : Cp1252Changes(text)) got << from + '>' + to;
        QTEST(got.join(' '), "changes");
    }
};

QTEST_GUILESS_MAIN(TestSeqFile)
#include "test_seqfile.moc"
