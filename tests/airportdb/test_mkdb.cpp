// The data tool: data/*.tsv to data.mdb, refusing bad rows without touching the output.
#include <QProcess>
#include <QtTest>

#include "Import.h"
#include "airportdb/AirportRecords.h"
#include "airportdb/Statements.h"
#include "support/TempDb.h"

using namespace Qt::StringLiterals;

namespace {

const QString kFixture = QStringLiteral(TARVEX_AIRPORTDB_FIXTURE);

// The fixture's KORD line, with one field replaced.
QByteArray kord(int field = -1, const QByteArray& value = {}) {
    auto f =
        "KORD\tChicago\tIL\tN41-58.6\tW087-54.5\t-6\t-5\tCST\t\tORD\tO'Hare\tlarge"_ba.split('\t');
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
        tx::mkdb::BuildDatabase(TARVEX_SHIPPED_DATA, out.filePath("shipped.mdb"));
    }

    // On the airports that ship: what both windows show first for a text typed in an identifier
    // box (found as no identifier, the city search follows) or in a city search box. None: no
    // city starts with the text and no word matches it.
    void searchShipped_data() {
        addColumns<QString, bool, QString>("typed", "identBox", "first");
        const auto row = addRow<const char*, bool, const char*>;
        row("IATA code", "CUN", true, "MMUN");
        row("IATA code in lower case", "pbi", true, "KPBI");
        row("identifier before IATA code", "KDEN", true, "KDEN");
        row("city word, accents aside", "Cancun", false, "MMUN");
        row("word of a name", "Hobby", false, "KHOU");
        row("words of a name after a hyphen", "le bourget", false, "LFPB");
        row("larger airport of a city first", "Zurich", false, "LSZH");
        row("city start with accents", "S\u00e3o Paulo", false, "SBGR");
        row("nothing", "Qxqxq", false, "");
    }
    void searchShipped() {
        auto [typed, identBox] = fetch<QString, bool>("typed", "identBox");
        tx::AirportDatabase adb;
        adb.db.open(out.filePath("shipped.mdb"));
        adb.AirportsRs.emplace(tx::OpenAirports(adb.db));
        const bool byIdent =
            identBox && tx::FindIdentOrIata(*adb.AirportsRs, tx::StoredIdent(typed));
        const tx::CitySearch how = byIdent ? tx::CitySearch::CityStart : tx::SearchCity(adb, typed);
        const bool found = how == tx::CitySearch::CityStart || how == tx::CitySearch::Words;
        QTEST(found ? adb.stepped()->field("Ident").toString() : QString(), "first");
    }

    // Values of the fixture as the database built from it holds them.
    void storedValues_data() {
        addColumns<QString, QString>("sql", "expected");
        const auto row = addRow<QString, const char*>;
        const QString at = "SELECT %1 FROM tblAirports WHERE Ident = '%2'";
        row("comments, line break", at.arg("Comments", "KALB"),
            "Customs on request\nPPR after 2200");
        row("comments, backslash", at.arg("Comments", "YSSY"), "Curfew 2300-0600 \\ no exceptions");
        row("comments empty", at.arg("Comments IS NULL", "KABI"), "1");
        row("words of city and name", at.arg("WordKey || '|' || IATA || Kind", "KORD"),
            " chicago chicago o hare international|ORDlarge");
        row("no name, no kind", at.arg("WordKey || (Kind IS NULL)", "KCOE"), " coeur d alene1");
        row("short frequency padded", "SELECT Freq FROM tblFBOs WHERE ID = 1", "130.10 ");
        row("name cut, trimmed", "SELECT Name FROM tblLimos", "Capital Region Limo Svc");
        row("services joined to their airports",
            "SELECT group_concat(Ident) FROM (SELECT a.Ident FROM tblCatering c "
            "JOIN tblAirports a ON a.ID = c.AirportID ORDER BY c.ID)",
            "KALB,EGLL");
    }
    void storedValues() { QTEST(Scalar(db, std::get<0>(fetch<QString>("sql"))), "expected"); }

    // The command-line tool on the fixture with one line replaced by the text: the line of the
    // file that the message must name (an empty text removes the file). Bad input leaves the
    // previous output file as it was; sound input replaces it and says what it holds.
    void commandLine_data() {
        addColumns<QByteArray, QString>("text", "fault");
        const auto row = addRow<QByteArray, const char*>;
        row("sound input", QByteArray(), "data.mdb: 10 airports, 8 service rows");
        row("lower-case ident", kord(0, "kord"), "airports.tsv:2: Ident");
        row("ident twice", kord(), "airports.tsv:12: Ident KORD appears twice");
        row("latitude layout", kord(3, "N4158.6"), "airports.tsv:2: Lat");
        row("a field missing", kord().left(12), "airports.tsv:4: 2 fields");
        row("wrong header", "Ident", "airports.tsv:1: the first line");
        row("IATA code in lower case", kord(9, "ord"), "airports.tsv:2: IATA");
        row("unknown kind", kord(11, "huge"), "airports.tsv:2: Kind");
        row("unknown ident", "FBOs\tXX\tX\t1\t\t0", "services.tsv:3: no airport");
        row("second default", "FBOs\tKORD\tX\t1\t\t1", "services.tsv:3: a second");
        row("services file missing", QByteArray(), "services.tsv: cannot be read");
    }
    void commandLine() {
        auto [text, fault] = fetch<QByteArray, QString>("text", "fault");
        const bool sound = !fault.contains(".tsv");
        const QString file = fault.section(':', 0, 0);
        const int line = fault.section(':', 1, 1).toInt();
        QTemporaryDir data, target;
        for (const QString name : {"airports.tsv", "services.tsv"}) {
            QList<QByteArray> lines = ReadFile(kFixture + "/" + name).split('\n');
            if (name == file && line > 0) lines[line - 1] = text;  // one past the end: added
            if (name != file || line > 0) WriteFile(data.filePath(name), lines.join('\n'));
        }
        const QString dest = target.filePath("data.mdb");
        const QByteArray previous = "the user's previous database";
        WriteFile(dest, previous);
        QProcess p;
        p.start(TARVEX_MKDB_PATH, {data.path(), dest});
        QVERIFY(p.waitForFinished(30000));
        const QByteArray said = sound ? p.readAllStandardOutput() : p.readAllStandardError();
        QVERIFY2(said.contains(fault.toLocal8Bit()), said.constData());
        QCOMPARE(p.exitCode(), sound ? 0 : 1);
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{"data.mdb"});
        QCOMPARE(ReadFile(dest) == previous, !sound);
    }
};

QTEST_GUILESS_MAIN(MkdbTest)
#include "test_mkdb.moc"
