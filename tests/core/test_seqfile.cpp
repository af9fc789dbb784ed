#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "core/SeqFile.h"

using namespace tx;

class TestSeqFile : public QObject {
    Q_OBJECT
  private slots:
    void fields_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("one per line, CR LF")
            << QByteArray("\"a\"\r\n\"b\"\r\n") << QStringList{"a", "b"};
        QTest::newRow("one per line, LF only")
            << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
        QTest::newRow("commas on one line")
            << QByteArray("\"a\",\"b\",12\r\n") << QStringList{"a", "b", "12"};
        QTest::newRow("quoted comma and blanks kept")
            << QByteArray("\"Anytown, ST  \",x\r\n") << QStringList{"Anytown, ST  ", "x"};
        QTest::newRow("blanks before a field skipped")
            << QByteArray("   \"a\",   b\r\n") << QStringList{"a", "b"};
        QTest::newRow("unquoted trailing blanks dropped")
            << QByteArray("Sample Jet   \r\n 250 \r\n") << QStringList{"Sample Jet", "250"};
        QTest::newRow("quoted text over a line break")
            << QByteArray("\"line one\r\nline two\",\"x\"\r\n")
            << QStringList{"line one\r\nline two", "x"};
        QTest::newRow("empty quoted field") << QByteArray("\"\",\"\"\r\n") << QStringList{"", ""};
        QTest::newRow("empty line is an empty field")
            << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("no line end at the end") << QByteArray("a,b") << QStringList{"a", "b"};
        QTest::newRow("text after closing quote dropped")
            << QByteArray("\"a\"zz,b\r\n") << QStringList{"a", "b"};
        QTest::newRow("Windows-1252 decoded")
            << QByteArray("\"Z\xfcrich \x80\"\r\n") << QStringList{QString::fromUtf8("Zürich €")};
    }
    void fields() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        SeqReader in(bytes, "T.DAT");
        QStringList got;
        while (!in.atEnd()) got << in.text();
        QCOMPARE(got, fields);
        QVERIFY_THROWS_EXCEPTION(FileError, in.text());
    }

    void endOfFileIsAnError() {
        SeqReader in(QByteArray("\"a\"\r\n"), "TZONES.DAT");
        QCOMPARE(in.text(), QString("a"));
        try {
            in.text();
            QFAIL("reading past the end must fail");
        } catch (const FileError& e) {
            QVERIFY2(e.message().contains("TZONES.DAT"), qPrintable(e.message()));
            QVERIFY2(e.message().contains("ends too early"), qPrintable(e.message()));
        }
        QVERIFY_THROWS_EXCEPTION(FileError, SeqReader(QByteArray("\"abc\r\n"), "X.AC").text());
    }

    void numbers_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("with blanks") << QByteArray(" 250 ") << true << 250.0;
        QTest::newRow("month.day") << QByteArray("10.28") << true << 10.28;
        QTest::newRow("quoted number") << QByteArray("\"4.01\"") << true << 4.01;
        QTest::newRow("letters") << QByteArray("fast") << false << 0.0;
        QTest::newRow("number then letters") << QByteArray("25O") << false << 0.0;
        QTest::newRow("empty") << QByteArray("") << false << 0.0;
    }
    void numbers() {
        QFETCH(QByteArray, field);
        QFETCH(bool, ok);
        QFETCH(double, value);
        SeqReader in(field + "\r\nend\r\n", "A.AC");
        if (ok) {
            QCOMPARE(in.number(), value);
        } else {
            QVERIFY_THROWS_EXCEPTION(FileError, in.number());
        }
    }

    void integer16Limits() {
        SeqReader in(QByteArray("48\r\n4.5\r\n40000\r\n"), "T");
        QCOMPARE(in.integer16(), 48);
        QVERIFY_THROWS_EXCEPTION(FileError, in.integer16());
        QVERIFY_THROWS_EXCEPTION(FileError, in.integer16());
    }

    void writerRoundTrip() {
        SeqWriter out;
        const QString comment = QString::fromUtf8("Gate 3, ask for Zoë\r\nLate arrival");
        out.quoted("T").quoted("").quoted(comment).number(-3.5).plain("").number(7.04).endRecord();
        out.line(" 48");
        const QByteArray bytes = out.bytes();
        QCOMPARE(bytes.left(4), QByteArray("\"T\","));
        QVERIFY(bytes.contains(",-3.5,,7.04\r\n 48\r\n"));
        QVERIFY(bytes.contains("Zo\xeb"));  // single byte on disk
        SeqReader in(bytes, "P.tx");
        QCOMPARE(in.text(), QString("T"));
        QCOMPARE(in.text(), QString());
        QCOMPARE(in.text(), comment);
        QCOMPARE(in.number(), -3.5);
        QCOMPARE(in.text(), QString());
        QCOMPARE(in.number(), 7.04);
        QCOMPARE(in.integer16(), 48);
        QVERIFY(in.atEnd());
    }

    void codePageRoundTrip() {
        QString all;
        for (int b = 0x20; b <= 0xFF; ++b)
            if (b != '"') all.append(DecodeCp1252(QByteArray(1, char(b))));
        QCOMPARE(DecodeCp1252(EncodeCp1252(all)), all);
        QCOMPARE(EncodeCp1252(QString::fromUtf8("Łódź")), QByteArray("?\xf3"
                                                                     "d?"));
    }

    void atomicWriteKeepsOldFileOnFailure() {
        QTemporaryDir dir;
        const QString path = dir.filePath("TARVEX.DAT");
        WriteFileAtomically(path, "first\r\n");
        WriteFileAtomically(path, "second\r\n");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("second\r\n"));
        f.close();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TARVEX.DAT"});
        // A directory that cannot be written: the error names the file, nothing is created.
        QVERIFY_THROWS_EXCEPTION(FileError,
                                 WriteFileAtomically(dir.filePath("missing/X.DAT"), "x"));
    }

    // A full disk, played by a child process whose files may not grow past 4 KB: rewriting a
    // 10 KB file fails with a message naming the file and the reason, the old file stays whole
    // and no temporary file is left.
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
            QByteArray said = "no error";
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) said = "no limit";
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
        QCOMPARE(said, QByteArray("TXDefAC.DAT: the file cannot be written (File too large)"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TXDefAC.DAT"});
    }
};

QTEST_GUILESS_MAIN(TestSeqFile)
#include "test_seqfile.moc"
