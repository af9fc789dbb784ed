// Printing the plan from the main window: File, Print in its three formats and "&Print" in the
// two view frames hand the plan's report to the platform, a failed print is reported, and the
// printed lines land on PDF pages in their columns, a quarter inch from every edge, a long plan on
// further pages, the trip checks at the end. The report lines themselves are pinned by the report
// tests.
//
// The plan is the typed one of PlanningTest.h, named "trip"; the fake clock says 1/15/2027
// 2:05:09 PM. Every leg includes all five services; only leg 2 flies to an airport that has some
// (Denver).
#include "PlanningTest.h"
#include "core/SeqFile.h"
#include "export/TripExports.h"
#include "planning/TripChecks.h"
#include "platform/ReportRenderer.h"
#include "report/PlanReports.h"

using namespace tx;
using namespace tx::test;

namespace {

// Printed lines as "bold|text" or "    |text", so a comparison shows both.
QStringList shown(const ReportLines& lines) {
    QStringList out;
    for (const ReportLine& l : lines) out << (l.bold ? "bold|" : "    |") + l.text;
    return out;
}

QString output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : "(failed)";
}

// The word boxes of a PDF (pdftotext -bbox: <page width=".." height=".."> and <word xMin=".."
// yMin=".." xMax=".." yMax="..">) that lie less than a quarter inch (18 pt) from an edge.
QStringList wordsNearEdge(const QString& pdf) {
    static const QRegularExpression number("\"([\\d.]+)\"");
    QStringList near;
    double width = 0, height = 0;
    for (const QString& l : output("pdftotext", {"-bbox", pdf, "-"}).split(u'\n')) {
        QList<double> v;
        for (const QRegularExpressionMatch& m : number.globalMatch(l.section(u'>', 0, 0)))
            v << m.captured(1).toDouble();
        if (l.contains("<page") && v.size() == 2) {
            width = v[0];
            height = v[1];
        } else if (l.contains("<word") && v.size() == 4 &&
                   (v[0] < 18 || v[1] < 18 || v[2] > width - 18 || v[3] > height - 18)) {
            near << l.trimmed();
        }
    }
    return near;
}

// The non-blank lines of a PDF of report lines read as fixed-pitch text of 6 pt a column (the
// report font's pitch), shifted back by the page margin, those of the report lines, and the
// number of pages (each ends in a form feed).
std::tuple<QStringList, QStringList, qsizetype> readAndPrinted(const QString& pdf,
                                                               const ReportLines& lines) {
    static const QRegularExpression trailing(" +$");
    QStringList expected, read;
    for (const ReportLine& l : lines)
        if (!l.text.trimmed().isEmpty()) expected << QString(l.text).remove(trailing);
    const QString text = output("pdftotext", {"-layout", "-fixed", "6", pdf, "-"});
    for (const QString& l : text.split(u'\n'))
        if (!l.trimmed().isEmpty()) read << QString(l).remove(trailing).remove(u'\f');
    // The page margin, in columns, from the first line; every line is shifted by as much.
    const qsizetype margin = read.value(0).indexOf(u'T') - expected.value(0).indexOf(u'T');
    for (QString& l : read) l.remove(0, margin);
    return {read, expected, text.count(u'\f')};
}

}  // namespace

class TestPrinting : public QObject, PlanningWindow {
    Q_OBJECT
    QTemporaryDir dir;

    const ReportLines& printed() const { return prog->platform.printouts.last().lines; }

  private slots:
    void init() {
        QVERIFY(start(true));
        w->txtTXFileName->setText("trip");
    }
    void cleanup() { prog.reset(); }

    // File, Print and a view frame's "&Print" hand the platform the report of their format,
    // named from the file-name box and dated by the clock, its title bold where the format puts
    // it. The File entries of the pilot and summary formats check that format once printed; a
    // frame prints with the print flags it set on the selected leg (leg 2 without its crew hotel
    // in the pilot frame, without its FBO in the summary frame) and gives the focus back to its
    // list. A failed print says why and checks nothing.
    void print_data() {
        addColumns<QString, QString>("steps", "failure");  // in a frame, leg 2 clicked
        for (const char* failure : {"", "Out of paper."})
            for (const char* steps : {"mnuFilPriTX", "mnuFilPriPilot", "mnuFilPriSum",
                                      "mnuViePilot lboPilot:3 chkPilCr cmdPilPrint",
                                      "mnuVieSummary lboSummary:8 chkSumFBO cmdSumPrint"})
                QTest::addRow("%s%s", steps, *failure ? ", printer fails" : "")
                    << QString(steps) << QString(failure);
    }
    void print() {
        auto [steps, failure] = fetch<QString, QString>("steps", "failure");
        const bool menu = !steps.contains(' '), tx = steps.endsWith("TX");
        const bool pilot = steps.contains("Pil");
        prog->platform.printError = failure;
        for (QAction* a : {w->mnuViePilot, w->mnuFilPriPilot}) a->setChecked(!pilot);
        for (QAction* a : {w->mnuVieSummary, w->mnuFilPriSum}) a->setChecked(pilot);
        run(steps);
        QCOMPARE(prog->platform.printouts.size(), 1);
        const QStringList lines = shown(printed());
        QCOMPARE(lines, shown(tx ? PrintShortVersion(prog->s, kDate)
                                 : (pilot ? PrintPilotFormat : PrintSummaryFormat)(prog->s, "trip",
                                                                                   kDate, {})));
        QCOMPARE(prog->shownMessages(),
                 failure.isEmpty()
                     ? QStringList()
                     : QStringList{"Print: The Tarvex Plan was not printed.\n" + failure});
        if (menu) {  // checked before: the other format, the pilot one for "tx"
            const bool marked = failure.isEmpty() && !tx ? pilot : !pilot;
            // a failed print ticks nothing
            QCOMPARE(on("*mnuViePilot *mnuVieSummary *mnuFilPriPilot *mnuFilPriSum"),
                     QString(marked ? "1010" : "0101"));
            return;
        }
        const Leg& leg = prog->s.leg(2);
        const QString in(pilot ? 14 : 19, u' ');  // where the service lines begin
        QVERIFY(lines.contains("    |" + in + "Pax Hotel:  " + leg.DestPaxHotel) &&
                lines.contains("    |" + in + "Crew Hotel: " + leg.DestCrewHotel) == !pilot &&
                focusName() == (pilot ? "lboPilot" : "lboSummary"));
        if (!pilot)  // the arrival line follows the departure line, the FBO between them gone
            QCOMPARE(lines.value(lines.indexOf("    |" + QString(10, u' ') + leg.SumLine2) + 1),
                     "    |" + QString(10, u' ') + leg.SumLine4);
    }

    // The three layouts of a plan of 20 legs with comments printed on A4 with the 10 pt margins a
    // PDF printer starts with: every line in order and in its column, none wrapped, a quarter inch
    // of paper left on every side, bold and regular faces both used, the pilot and summary
    // formats running onto further pages.
    void pdfPages_data() {
        addColumns<QString>("entry");
        for (const char* entry : {"mnuFilPriTX", "mnuFilPriPilot", "mnuFilPriSum"})
            addRow(entry, QString(entry));
    }
    void pdfPages() {
        auto [entry] = fetch<QString>("entry");
        PlanState& s = prog->s;
        for (int k = 4; k <= 20; ++k) s.leg(k) = s.leg((k - 1) % 3 + 1);
        const QString note =
            "Leg %1: crew rest at the hotel, fuel on arrival, catering for six "
            "passengers.\nGPU on arrival.";
        for (int k = 1; k <= 20; ++k) s.leg(k).LegComments = note.arg(k);
        s.NumLegs = 20;
        run(entry);
        // Leg 4 leaves Denver again while leg 3 has landed at Aspen: the printout ends with the
        // checks.
        const ReportLines checks = ChecksBlock(CheckTrip(s, prog->app->limits).texts(), true);
        QVERIFY(checks.size() > 1 && printed().mid(printed().size() - checks.size()) == checks);
        const QString pdf = dir.filePath(entry + ".pdf");
        {
            QPdfWriter writer(pdf);
            QString error;
            QVERIFY2(RenderReport(writer, printed(), error), qPrintable(error));
        }
        const auto [read, expected, pages] = readAndPrinted(pdf, printed());
        // A page holds 842 - 2 * 18 = 806 pt / 11.33 pt = 71 lines.
        QVERIFY(pages == (printed().size() + 70) / 71 && (pages > 1) == (entry != "mnuFilPriTX"));
        QCOMPARE(wordsNearEdge(pdf), QStringList());
        QCOMPARE(read, expected);
        // The font list: two heading lines, then a face a line.
        const QStringList faces = output("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY2(faces.size() == 2 && faces.filter("Bold").size() == 1,
                 qPrintable(faces.join('\n')));
    }

    // File, Export, with the plan's files in a folder of their own: a plan without a name gets
    // one through the file-name frame first (saved as Save does); the file goes beside the plan
    // file under its name and the message says where, or, when it cannot be written, why. The
    // PDF is the format last viewed, on Letter pages without a dialog; the UTF-8 report is the
    // saved report's text.
    void exports_data() {
        addColumns<QString, QString, bool>("entry", "file", "named");
        addRow("PDF, plan without a name", "mnuExpPDF", "plan.pdf", false);
        addRow("calendar", "mnuExpCalendar", "plan.ics", true);
        addRow("CSV", "mnuExpCSV", "plan.csv", true);
        addRow("UTF-8 report, plan without a name", "mnuExpText", "plan.utf8.txt", false);
        addRow("CSV into a folder gone", "mnuExpCSV", "", true);
    }
    void exports() {
        auto [entry, file, named] = fetch<QString, QString, bool>("entry", "file", "named");
        QTemporaryDir plans;
        w->PlanDir = plans.path();
        QVERIFY(w->mnuFilExport->isEnabled());
        const auto nameIt = [&] { w->txtTXFileName->setText("plan"), run("cmdFilNamOK"); };
        if (named) run("mnuSaveArray_1"), nameIt();
        if (file.isEmpty()) w->PlanDir = plans.filePath("gone");
        w->mnuViePilot->setChecked(true), w->mnuVieSummary->setChecked(false);
        run(entry);
        QCOMPARE(on("frameTXName +mnufil"), QString(named ? "01" : "10"));
        if (!named) nameIt();
        QCOMPARE(on("frameTXName +mnufil"), QString("01"));
        const QString path = QDir(plans.path()).filePath(file);
        const QString said = prog->shownMessages().join('\n').section(": ", 1);
        QCOMPARE(QString::number(prog->platform.messages.size()) + ' ' +
                     (file.isEmpty() ? said.section('\n', 0, 0) : said),
                 file.isEmpty() ? "1 The export was not written; no file was changed."
                                : "1 Written to " + QDir::toNativeSeparators(path));
        if (file.isEmpty()) return;
        QVERIFY(QFile::exists(QDir(plans.path()).filePath("plan.tx")));
        if (entry == "mnuExpPDF") {
            const auto [read, expected, pages] =
                readAndPrinted(path, PrintPilotFormat(prog->s, "plan", kDate));
            QCOMPARE(read, expected);
            QVERIFY(output("pdfinfo", {path}).contains("612 x 792 pts (letter)"));
        } else {
            QCOMPARE(ReadFile(path),
                     entry == "mnuExpText"
                         ? DecodeCp1252(ReadFile(QDir(plans.path()).filePath("plan.txt"))).toUtf8()
                     : entry == "mnuExpCalendar"
                         ? CalendarBytes(prog->s, "plan", {}, prog->platform.now().toUTC())
                         : CsvBytes(prog->s, {}));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
