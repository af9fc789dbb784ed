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
    // Read to the end; one field more is an error naming the file.
    void fields_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("LF only, commas")
            << QByteArray("\"a\",\"b\",12\n\"c\"\n") << QStringList{"a", "b", "12", "c"};
        QTest::newRow("quoted comma and blanks kept")
            << QByteArray("\"Anytown, ST  \",x\r\n") << QStringList{"Anytown, ST  ", "x"};
        QTest::newRow("outer blanks of a bare field dropped")
            << QByteArray("   Sample Jet   ,  250 \r\n") << QStringList{"Sample Jet", "250"};
        QTest::newRow("quoted text over a line break")
            << QByteArray("\"line one\r\nline two\",\"x\"\r\n")
            << QStringList{"line one\r\nline two", "x"};
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
        try {
            in.text();
            QFAIL("reading past the end must fail");
        } catch (const FileError& e) {
            QCOMPARE(e.message(),
                     QString("T.DAT: the file ends too early (field %1)").arg(got.size() + 1));
        }
        QVERIFY_THROWS_EXCEPTION(FileError, SeqReader(QByteArray("\"abc\r\n"), "X.AC").text());
    }

    void numbers_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("with blanks") << QByteArray(" 250 ") << true << 250.0;
        QTest::newRow("quoted number") << QByteArray("\"4.01\"") << true << 4.01;
        QTest::newRow("letters") << QByteArray("fast") << false << 0.0;
        QTest::newRow("number then letters") << QByteArray("25O") << false << 0.0;
        QTest::newRow("empty") << QByteArray("") << false << 0.0;
        QTest::newRow("too large for a double") << QByteArray("1e999") << false << 0.0;
        QTest::newRow("nan") << QByteArray("nan") << false << 0.0;
        QTest::newRow("-inf") << QByteArray("-inf") << false << 0.0;
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

    // Texts quoted, their double quotes as apostrophes; numbers plain, with or without the
    // sign blank; single bytes on disk.
    void writer() {
        SeqWriter out;
        out.quoted(QString::fromUtf8("Zoë \"Ace\"")).text("").number(-3.5).number(0.5, true);
        QCOMPARE(out.endRecord().bytes(), QByteArray("\"Zo\xeb 'Ace'\",,-3.5, 0.5\r\n"));
    }

    void codePageRoundTrip() {
        QString all;
        for (int b = 0x20; b <= 0xFF; ++b) all.append(DecodeCp1252(QByteArray(1, char(b))));
        QCOMPARE(DecodeCp1252(EncodeCp1252(all)), all);
        QCOMPARE(EncodeCp1252(QString::fromUtf8("Łódź")), QByteArray("?\xf3"
                                                                     "d?"));
    }

    // A rewrite in a child process whose files may not grow past a limit (a full disk, played
    // without root): the new bytes, or a message naming the file and the reason with the old
    // file whole; never a temporary file left behind.
    void rewrite_data() {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("fits") << qint64(RLIM_INFINITY) << QByteArray();
        QTest::newRow("full disk")
            << qint64(4096)
            << QByteArray("TXDefAC.DAT: the file cannot be written (File too large)");
    }
    void rewrite() {
        QFETCH(qint64, limit);
        QFETCH(QByteArray, said);
        QTemporaryDir dir;
        const QString path = dir.filePath("TXDefAC.DAT");
        const QByteArray old(3000, 'o'), now(10000, 'n');
        WriteFileAtomically(path, old);
        int out[2];
        QVERIFY(pipe(out) == 0);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit l{rlim_t(limit), rlim_t(limit)};
            QByteArray got = setrlimit(RLIMIT_FSIZE, &l) == 0 ? "" : "no limit";
            try {
                WriteFileAtomically(path, now);
            } catch (const FileError& e) {
                got = e.message().toUtf8();
            }
            _exit(write(out[1], got.constData(), got.size()) == got.size() ? 0 : 1);
        }
        ::close(out[1]);
        QByteArray got;
        char buf[512];
        for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) got.append(buf, n);
        ::close(out[0]);
        waitpid(child, nullptr, 0);
        QCOMPARE(got, said);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), said.isEmpty() ? now : old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"TXDefAC.DAT"});
        QVERIFY_THROWS_EXCEPTION(FileError, WriteFileAtomically(dir.filePath("no/X.DAT"), "x"));
    }
};

QTEST_GUILESS_MAIN(TestSeqFile)
#include "test_seqfile.moc"
