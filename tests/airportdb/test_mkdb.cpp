// The data tool: data/*.tsv to data.mdb, refusing bad rows without touching the output.
#include <QProcess>
#include <QtTest>

#include "Import.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;

namespace {

const QString kFixture = QStringLiteral(TARVEX_AIRPORTDB_FIXTURE);

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<unreadable>"_ba;
}

// The fixture's KORD line, with one field replaced.
QByteArray kord(int field = -1, const QByteArray& value = {}) {
    auto f = "KORD\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t-5\tCST\t"_ba.split('\t');
    if (field >= 0) f[field] = value;
    return f.join('\t');
}

}  // namespace

class MkdbTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;
    tx::Db db;

  private slots:
    void initTestCase() {
        QCOMPARE(tx::mkdb::BuildDatabase(kFixture, out.filePath("data.mdb")).services, 8);
        db.open(out.filePath("data.mdb"));
    }

    void storedValues_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("expected");
        const QString airport = "SELECT %1 FROM tblAirports WHERE Ident = '%2'";
        const QString fbo = "SELECT %1 FROM tblFBOs WHERE Name LIKE '%2%'";
        QTest::newRow("line break in comments")
            << airport.arg("Comments", "KALB") << "Customs on request\nPPR after 2200";
        QTest::newRow("backslash in comments")
            << airport.arg("Comments", "YSSY") << "Curfew 2300-0600 \\ no exceptions";
        QTest::newRow("empty comments") << airport.arg("Comments IS NULL", "KABI") << "1";
        QTest::newRow("short frequency padded") << fbo.arg("Freq", "Signature") << "130.10 ";
        QTest::newRow("long frequency cut") << fbo.arg("Freq", "Million") << "122.950";
        QTest::newRow("name cut") << "SELECT Name FROM tblPaxHotels"
                                  << "Best Western Plus Airport";
        QTest::newRow("cut, trimmed") << "SELECT Name FROM tblLimos"
                                      << "Capital Region Limo Svc";
        QTest::newRow("defaults") << "SELECT group_concat(\"Default\", '') FROM tblFBOs"
                                  << "100";
        QTest::newRow("services joined to their airports")
            << "SELECT group_concat(Ident) FROM (SELECT a.Ident FROM tblCatering c "
               "JOIN tblAirports a ON a.ID = c.AirportID ORDER BY c.ID)"
            << "KALB,EGLL";
    }
    void storedValues() {
        QFETCH(QString, sql);
        QTEST(Scalar(db, sql), "expected");
    }

    // The command-line tool on the fixture with one line replaced by the text: the line of the
    // file that the message must name (an empty text removes the file). Bad input leaves the
    // previous output file as it was.
    void commandLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("fault");  // empty: the fixture as it is
        QTest::newRow("sound input") << QByteArray() << "";
        QTest::newRow("lower-case ident") << kord(0, "kord") << "airports.tsv:2: Ident";
        QTest::newRow("ident twice") << kord() << "airports.tsv:12: Ident KORD appears twice";
        QTest::newRow("empty city") << kord(1, "") << "airports.tsv:2: City is empty";
        QTest::newRow("latitude layout") << kord(3, "N4158.6") << "airports.tsv:2: Lat";
        QTest::newRow("a field missing") << kord().left(12) << "airports.tsv:4: 2 fields";
        QTest::newRow("wrong header") << "Ident"_ba
                                      << "airports.tsv:1: the first line";
        QTest::newRow("unknown ident") << "FBOs\tXX\tX\t1\t\t0"_ba
                                       << "services.tsv:3: no airport";
        QTest::newRow("second default") << "FBOs\tKORD\tX\t1\t\t1"_ba
                                        << "services.tsv:3: a second";
        QTest::newRow("services file missing") << QByteArray() << "services.tsv: cannot be read";
    }
    void commandLine() {
        QFETCH(QByteArray, text);
        QFETCH(QString, fault);
        const QString file = fault.section(':', 0, 0);
        const int line = fault.section(':', 1, 1).toInt();
        QTemporaryDir data, target;
        for (const QString name : {"airports.tsv", "services.tsv"}) {
            QList<QByteArray> lines = readAll(kFixture + "/" + name).split('\n');
            if (name == file && line > 0) lines[line - 1] = text;  // one past the end: added
            if (name != file || line > 0) WriteFile(data.filePath(name), lines.join('\n'));
        }
        const QString dest = target.filePath("data.mdb");
        const QByteArray previous = "the user's previous database";
        WriteFile(dest, previous);
        QProcess p;
        p.start(TARVEX_MKDB_PATH, {data.path(), dest});
        QVERIFY(p.waitForFinished(30000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(fault.isEmpty() ? err.isEmpty() : err.contains(fault), qPrintable(err));
        QCOMPARE(p.exitCode(), fault.isEmpty() ? 0 : 1);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{"data.mdb"});
        QCOMPARE(readAll(dest) == previous, !fault.isEmpty());  // replaced only when sound
        tx::Db built;
        if (fault.isEmpty()) built.open(dest);
        if (fault.isEmpty()) QCOMPARE(Scalar(built, "SELECT count(*) FROM tblAirports"), u"10"_s);
    }
};

QTEST_GUILESS_MAIN(MkdbTest)
#include "test_mkdb.moc"
