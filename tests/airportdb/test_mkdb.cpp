// The data tool: data/*.tsv to data.mdb, refusing bad rows without touching the output.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "Import.h"
#include "TempDb.h"

namespace {

const QString kFixture = QStringLiteral(TARVEX_AIRPORTDB_FIXTURE);

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A copy of the fixture files in which line `line` (1-based) of `file` is replaced by `text`,
// or `text` is appended when line is 0, or the file is removed when line is -1.
void makeDataDir(const QString& dir, const QString& file, int line, const QByteArray& text) {
    for (const QString name : {"airports.tsv", "services.tsv"}) {
        QByteArray bytes = readAll(kFixture + "/" + name);
        if (name == file) {
            if (line == -1) continue;
            QList<QByteArray> lines = bytes.split('\n');
            if (line == 0)
                lines.insert(lines.size() - 1, text);
            else
                lines[line - 1] = text;
            bytes = lines.join('\n');
        }
        writeAll(dir + "/" + name, bytes);
    }
}

QStringList leftovers(const QString& dir) {
    return QDir(dir).entryList({"*.part*", "*-journal"}, QDir::Files);
}

}  // namespace

class MkdbTest : public QObject {
    Q_OBJECT

    QTemporaryDir out;
    QString mdb;

private slots:
    void initTestCase() {
        mdb = out.filePath("data.mdb");
        const auto n = tx::mkdb::BuildDatabase(kFixture, mdb);
        QCOMPARE(n.airports, 10);
        QCOMPARE(n.services, 8);
    }

    void storedValues_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("comments with a line break")
            << "SELECT Comments FROM tblAirports WHERE Ident = 'KALB'"
            << QVariant("Customs on request\nPPR after 2200");
        QTest::newRow("comments with a backslash")
            << "SELECT Comments FROM tblAirports WHERE Ident = 'YSSY'"
            << QVariant("Curfew 2300-0600 \\ no exceptions");
        QTest::newRow("empty comments are no value")
            << "SELECT Comments IS NULL FROM tblAirports WHERE Ident = 'KABI'" << QVariant(1);
        QTest::newRow("southern latitude") << "SELECT Lat FROM tblAirports WHERE Ident = 'YSSY'"
                                           << QVariant("S33-56.8");
        QTest::newRow("half-hour offset") << "SELECT Std FROM tblAirports WHERE Ident = 'VIDP'"
                                          << QVariant(5.5);
        QTest::newRow("lower-case city kept") << "SELECT City FROM tblAirports WHERE Ident = 'KSFO'"
                                              << QVariant("san francisco");
        QTest::newRow("6-character frequency padded")
            << "SELECT Freq FROM tblFBOs WHERE Name = 'Signature Flight Support'" << QVariant("130.10 ");
        QTest::newRow("long frequency cut") << "SELECT Freq FROM tblFBOs WHERE Name = 'Million Air Albany'"
                                            << QVariant("122.950");
        QTest::newRow("phone right-trimmed")
            << "SELECT PhoneNumber FROM tblFBOs WHERE Name = 'Million Air Albany'" << QVariant("518-555-0120");
        QTest::newRow("long name cut to 25") << "SELECT Name FROM tblPaxHotels" << QVariant("Best Western Plus Airport");
        QTest::newRow("cut name right-trimmed") << "SELECT Name FROM tblLimos" << QVariant("Capital Region Limo Svc");
        QTest::newRow("service joined to its airport")
            << "SELECT a.Ident FROM tblCrewHotels h JOIN tblAirports a ON a.ID = h.AirportID"
            << QVariant("KORD");
        QTest::newRow("default flags") << "SELECT group_concat(\"Default\", '') FROM (SELECT \"Default\" "
                                          "FROM tblFBOs ORDER BY ID)"
                                       << QVariant("100");
        QTest::newRow("caterers") << "SELECT count(*) FROM tblCatering" << QVariant(2);
    }
    void storedValues() {
        QFETCH(QString, sql);
        QFETCH(QVariant, expected);
        TempDb probe;  // only for its query helper
        probe.db.open(mdb);
        QCOMPARE(probe.scalar(sql).toString(), expected.toString());
    }

    void badInput_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("fault");
        const QByteArray ok = "\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t-5\tCST\t";
        QTest::newRow("lower-case ident") << "airports.tsv" << 2 << "kord" + ok << "airports.tsv:2: Ident";
        QTest::newRow("ident too long") << "airports.tsv" << 2 << "KORDX" + ok << "airports.tsv:2: Ident";
        QTest::newRow("ident twice") << "airports.tsv" << 0 << "KORD" + ok << "also on line 2";
        QTest::newRow("empty city")
            << "airports.tsv" << 3 << QByteArray("KABI\t\tTX\tN32-24.7\tW099-40.9\t-6\t-5\tCST\t")
            << "airports.tsv:3: City is empty";
        QTest::newRow("city too long")
            << "airports.tsv" << 3 << QByteArray("KABI\tAbilene Regional Airport TX\tTX\tN32-24.7\tW099-40.9\t-6\t-5\tCST\t")
            << "airports.tsv:3: City";
        QTest::newRow("latitude layout")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN4158.6\tW087-54.5\t-6\t-5\tCST\t") << "Lat";
        QTest::newRow("latitude degrees")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN91-58.6\tW087-54.5\t-6\t-5\tCST\t") << "degrees";
        QTest::newRow("longitude minutes")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN41-58.6\tW087-60.5\t-6\t-5\tCST\t") << "minutes";
        QTest::newRow("standard offset not a number")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN41-58.6\tW087-54.5\tsix\t-5\tCST\t") << "Std";
        QTest::newRow("daylight offset out of range")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t20\tCST\t") << "Day";
        QTest::newRow("lower-case zone code")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t-5\tcst\t") << "ZoneCode";
        QTest::newRow("unknown escape in comments")
            << "airports.tsv" << 2 << QByteArray("KORD\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t-5\tCST\tC:\\temp")
            << "backslash";
        QTest::newRow("a field missing")
            << "airports.tsv" << 4 << QByteArray("KSFO\tsan francisco\tCA\tN37-37.1\tW122-22.5\t-8\t-7\tPST")
            << "airports.tsv:4: 8 fields where 9";
        QTest::newRow("wrong header") << "airports.tsv" << 1 << QByteArray("Ident\tCity") << "airports.tsv:1: the first line";
        QTest::newRow("not UTF-8") << "airports.tsv" << 5 << QByteArray("EGLL\tLond\xff") << "airports.tsv:5: the line is not valid UTF-8";
        QTest::newRow("blank first line") << "airports.tsv" << 1 << QByteArray("") << "airports.tsv:1: the first line";
        QTest::newRow("unknown service table")
            << "services.tsv" << 2 << QByteArray("Hotels\tKORD\tX\t1\t\t0\r") << "services.tsv:2: Table";
        QTest::newRow("unknown airport")
            << "services.tsv" << 3 << QByteArray("FBOs\tKXYZ\tX\t1\t\t0\r") << "services.tsv:3: no airport";
        QTest::newRow("frequency of a hotel")
            << "services.tsv" << 5 << QByteArray("CrewHotels\tKORD\tX\t1\t121.5\t0\r") << "services.tsv:5: Freq";
        QTest::newRow("default not 1 or 0")
            << "services.tsv" << 2 << QByteArray("FBOs\tKORD\tX\t1\t\tyes\r") << "services.tsv:2: Default";
        QTest::newRow("second default")
            << "services.tsv" << 3 << QByteArray("FBOs\tKORD\tAtlantic\t1\t\t1\r") << "first is on line 2";
        QTest::newRow("empty name")
            << "services.tsv" << 2 << QByteArray("FBOs\tKORD\t \t1\t\t1\r") << "services.tsv:2: Name is empty";
        QTest::newRow("services file missing") << "services.tsv" << -1 << QByteArray() << "services.tsv: cannot be read";
    }
    void badInput() {
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, fault);
        QTemporaryDir data, target;
        makeDataDir(data.path(), file, line, text);
        const QString dest = target.filePath("data.mdb");
        writeAll(dest, "the user's previous database");
        try {
            tx::mkdb::BuildDatabase(data.path(), dest);
            QFAIL("bad input was accepted");
        } catch (const std::exception& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains(fault), e.what());
        }
        QCOMPARE(readAll(dest), QByteArray("the user's previous database"));
        QCOMPARE(leftovers(target.path()), QStringList());
    }

    void replacesOnlyWhenSound() {
        QTemporaryDir target;
        const QString dest = target.filePath("data.mdb");
        writeAll(dest, "old");
        tx::mkdb::BuildDatabase(kFixture, dest);
        tx::Db db;
        db.open(dest);  // a complete airport database now
        QCOMPARE(leftovers(target.path()), QStringList());
        QVERIFY_THROWS_EXCEPTION(tx::DbError,
                                 tx::mkdb::BuildDatabase(kFixture, target.filePath("no/such/folder/data.mdb")));
    }

    void commandLine_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("sound input") << "good" << 0 << "";
        QTest::newRow("bad row") << "bad" << 1 << "airports.tsv:2:";
        QTest::newRow("no arguments") << "usage" << 2 << "usage";
    }
    void commandLine() {
        QFETCH(QString, kind);
        QTemporaryDir data, target;
        makeDataDir(data.path(), "airports.tsv", kind == "bad" ? 2 : 0,
                    kind == "bad" ? QByteArray("kord\tChicago") : QByteArray("KXXX\tX\t\tN00-00.0\tE000-00.0\t0\t0\t\t"));
        const QString dest = target.filePath("data.mdb");
        QProcess p;
        p.start(TARVEX_MKDB_PATH, kind == "usage" ? QStringList() : QStringList{data.path(), dest});
        QVERIFY(p.waitForFinished(30000));
        QTEST(p.exitCode(), "exitCode");
        QFETCH(QString, stderrHas);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(err.contains(stderrHas), qPrintable(err));
        QCOMPARE(QFile::exists(dest), kind == "good");
    }
};

QTEST_GUILESS_MAIN(MkdbTest)
#include "test_mkdb.moc"
