// Printing the plan from the main window: File, Print in its three formats and "&Print" in the
// two view frames hand the report's lines to the platform, a failed print is reported, and the
// printed lines land on PDF pages in their columns, a long plan on further pages.
//
// The plan is the typed one of ThreeLegPlan.h (327 n.mi., 1+00, "Test Jet 35"), named "trip";
// the fake clock says 1/15/2027 2:05:09 PM. Every leg includes all five services; only leg 2
// flies to an airport that has some (Denver).
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include "ThreeLegPlan.h"
#include "platform/ReportRenderer.h"

using namespace tx;
using namespace tx::test;

namespace {

QString S(int n) {
    return QString(n, u' ');
}

const QString kTitle = "Tarvex (for planning ONLY) - ";
const QString kDate = "1/15/2027 2:05:09 PM";
const QString kTotals = "Total TX Dist.(n.mi.):  327 - Total TX Time:  1+00";
const QString kAircraft = S(9) + "Test Jet 35";  // right-aligned in 20 columns

// A printed line as "bold|text" or "    |text", so a comparison shows both.
QString shown(const ReportLine& l) {
    return (l.bold ? "bold|" : "    |") + l.text;
}
QString bold(const QString& text) {
    return "bold|" + text;
}
QString normal(const QString& text) {
    return "    |" + text;
}

// Lines from..from + n - 1 of a printout (fewer when it ends).
QStringList slice(const ReportLines& lines, qsizetype from, qsizetype n) {
    QStringList out;
    for (qsizetype i = from; i < from + n && i < lines.size(); ++i) out << shown(lines[i]);
    return out;
}

// Text of a PDF by pages, read as fixed-pitch text of 6 pt a column (the report font's pitch):
// a column of the page is a column of the printout, shifted by the page margin.
QStringList pdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-fixed", "6", pdf, "-"});
    if (!p.waitForFinished(30000)) return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The words of a PDF that lie less than a quarter inch (18 pt) from an edge of their page, from
// the word boxes pdftotext gives.
QStringList wordsNearEdge(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    if (!p.waitForFinished(30000)) return {"(pdftotext failed)"};
    // <page width="595" height="842"> and <word xMin=".." yMin=".." xMax=".." yMax="..">text<
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)<"));
    QStringList near;
    double width = 0, height = 0;
    for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (const auto m = page.match(l); m.hasMatch()) {
            width = m.captured(1).toDouble();
            height = m.captured(2).toDouble();
        } else if (const auto m = word.match(l); m.hasMatch()) {
            const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
            const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
            if (x0 < 18 || y0 < 18 || x1 > width - 18 || y1 > height - 18)
                near << QString("%1 at %2,%3").arg(m.captured(5)).arg(x0).arg(y0);
        }
    }
    return near;
}

QString rtrim(QString s) {
    while (s.endsWith(u' ')) s.chop(1);
    return s;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;
    QTemporaryDir dir;

    const ReportLines& printed() const { return prog->platform.printouts.last().lines; }
    // The checked format: true for the pilot marks, false for the summary marks, else fails.
    bool pilotChecked() const {
        const bool pilot = w->mnuViePilot->isChecked() && w->mnuFilPriPilot->isChecked() &&
                           w->mnuSaveArray[0]->isChecked();
        const bool summary = w->mnuVieSummary->isChecked() && w->mnuFilPriSum->isChecked() &&
                             w->mnuSaveArray[1]->isChecked();
        if (pilot == summary) qWarning("both or neither format checked");
        return pilot;
    }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
        w = prog->showPlanning();
        QVERIFY(w);
        QVERIFY(enterThreeLegPlan(w));
        prog->platform.messages.clear();
        w->txtTXFileName->setText("trip");
    }
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // File, Print: the heading lines of each format and its first leg lines; the pilot and
    // summary entries check their format once printed. A failed print says why and checks
    // nothing.
    void printFromMenu_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("lines");  // printed from line `from` on
        const QStringList tx{bold(S(13) + kTitle + kDate),
                             normal(S(17) + "Total TX Dist.:  327" + S(5) + "Total TX Time:  1+00"),
                             bold("Test Jet 35"),
                             bold("Leg Date  Departure            ETD    Destination          ETA  "
                                  "   Flt.Tm. Dist.  Burn"),
                             normal(QString(86, u'-')),
                             normal(kThreeLegLines[0]),
                             normal(kThreeLegLines[1]),
                             normal(kThreeLegLines[2])};
        const QStringList pilot{
            normal(""),
            normal(""),
            bold(S(21) + kTitle + kDate),
            normal(S(24) + kTotals),
            bold(S(10) + "trip" + S(68 - 14) + kAircraft),
            normal(S(10) + QString(78, u'-')),
            bold(S(10) + "Leg   Date    Dep/Zone     Wind    Dest/Zone   Fuel Burn  Reserve   Dep  "
                         "SR/SS"),
            bold(S(10) + "      Dist    GMT/Local   Flt.Tm.  GMT/Local              Tot.Req.  Dest "
                         "SR/SS"),
            normal(S(10) + QString(78, u'-'))};
        const QStringList summary{normal(""),
                                  normal(""),
                                  bold(S(16) + kTitle + kDate),
                                  normal(S(19) + kTotals),
                                  bold(S(10) + "trip" + S(59 - 14) + kAircraft),
                                  normal(S(10) + QString(69, u'-'))};
        QTest::newRow("short version") << "tx"
                                       << "" << 3 << tx;
        QTest::newRow("pilot") << "pilot"
                               << "" << 0 << pilot;
        QTest::newRow("summary") << "summary"
                                 << "" << 0 << summary;
        QTest::newRow("pilot, printer fails") << "pilot"
                                              << "Out of paper." << 0 << pilot;
        QTest::newRow("summary, printer fails") << "summary"
                                                << "Out of paper." << 0 << summary;
    }
    void printFromMenu() {
        QFETCH(QString, format);
        QFETCH(QString, failure);
        QFETCH(int, from);
        QFETCH(QStringList, lines);
        FakePlatform& p = prog->platform;
        p.printError = failure;
        const bool pilotBefore = format != "pilot";
        pilotBefore ? w->CheckPilotFormat() : w->CheckSummaryFormat();
        (format == "tx"      ? w->mnuFilPriTX
         : format == "pilot" ? w->mnuFilPriPilot
                             : w->mnuFilPriSum)
            ->trigger();

        QCOMPARE(p.printouts.size(), 1);
        QCOMPARE(slice(printed(), from, lines.size()), lines);
        if (format == "tx") QCOMPARE(printed().size(), 11);
        if (format == "summary")
            QCOMPARE(shown(printed()[6]), bold(S(10) + prog->s.leg(1).SumLine1));
        if (failure.isEmpty()) {
            QVERIFY(p.messages.isEmpty());
            QCOMPARE(pilotChecked(), format == "tx" ? pilotBefore : format == "pilot");
        } else {
            QCOMPARE(p.messages.size(), 1);
            QVERIFY2(p.messages[0].text.contains(failure), qPrintable(p.messages[0].text));
            QCOMPARE(p.messages[0].buttons, Platform::Buttons::OK);
            QCOMPARE(pilotChecked(), pilotBefore);
        }
    }

    // "&Print" in a view frame prints that format with the print flags the frame set on the
    // selected leg (leg 2 without its crew hotel in the pilot frame, without its FBO in the
    // summary frame), then gives the focus back to the list, printed or not.
    void printFromFrame_data() {
        QTest::addColumn<bool>("pilot");
        QTest::addColumn<QString>("failure");
        QTest::newRow("pilot") << true << "";
        QTest::newRow("summary") << false << "";
        QTest::newRow("pilot, printer fails") << true << "Out of paper.";
        QTest::newRow("summary, printer fails") << false << "Out of paper.";
    }
    void printFromFrame() {
        QFETCH(bool, pilot);
        QFETCH(QString, failure);
        FakePlatform& p = prog->platform;
        p.printError = failure;
        (pilot ? w->mnuViePilot : w->mnuVieSummary)->trigger();
        QListWidget* list = pilot ? w->lboPilot : w->lboSummary;
        clickRow(list, pilot ? 3 : 8);  // leg 2
        QTest::mouseClick(pilot ? w->chkPilCr : w->chkSumFBO, Qt::LeftButton);
        QTest::mouseClick(pilot ? w->cmdPilPrint : w->cmdSumPrint, Qt::LeftButton);

        const Leg& leg = prog->s.leg(2);
        const int in = pilot ? 14 : 19;  // where the service lines begin
        const QStringList services{normal(S(in) + "Pax Hotel:  " + leg.DestPaxHotel),
                                   normal(S(in) + "Limo:       " + leg.DestLimo),
                                   normal(S(in) + "Catering:   " + leg.DestCatering)};
        QStringList expected;
        qsizetype at = -1;
        if (pilot) {
            expected =
                QStringList{normal(S(10) + QString(78, u'-')), bold(S(10) + "Misc: (Denver, CO)")} +
                services + QStringList{normal("")};
            at = slice(printed(), 0, printed().size()).indexOf(expected[1]) - 1;
        } else {
            expected = QStringList{bold(S(10) + leg.SumLine1),
                                   normal(S(10) + leg.SumLine2),
                                   normal(S(10) + leg.SumLine4),
                                   normal(S(10) + leg.SumLine6),
                                   normal(S(10) + leg.SumLine7),
                                   normal(S(10)),
                                   normal(S(19) + "Crew Hotel: " + leg.DestCrewHotel)} +
                       services + QStringList{normal("")};
            at = slice(printed(), 0, printed().size()).indexOf(expected[0]);
        }
        QVERIFY(at >= 0);
        QCOMPARE(slice(printed(), at, expected.size()), expected);
        QCOMPARE(p.messages.size(), failure.isEmpty() ? 0 : 1);
        QCOMPARE(focusName(), list->objectName());
    }

    // The three layouts printed on A4 with the 10 pt margins a PDF printer starts with: every
    // line in order and in its column, none wrapped, a quarter inch of paper left on every side,
    // bold and regular faces both used; a plan of 20 legs with comments runs onto further pages
    // in the pilot and summary formats.
    void pdfPages_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("legs");
        for (const char* format : {"tx", "pilot", "summary"})
            for (int legs : {3, 20}) QTest::addRow("%s, %d legs", format, legs) << format << legs;
    }
    void pdfPages() {
        QFETCH(QString, format);
        QFETCH(int, legs);
        PlanState& s = prog->s;
        for (int k = 4; k <= legs; ++k) s.leg(k) = s.leg((k - 1) % 3 + 1);
        for (int k = 1; k <= legs; ++k)
            s.leg(k).LegComments = QString(
                                       "Leg %1: crew rest at the hotel, fuel on arrival, "
                                       "catering for six passengers.\nGPU on arrival.")
                                       .arg(k);
        s.NumLegs = std::int16_t(legs);
        (format == "tx"      ? w->mnuFilPriTX
         : format == "pilot" ? w->mnuFilPriPilot
                             : w->mnuFilPriSum)
            ->trigger();
        const QString pdf = dir.filePath(QString("%1-%2.pdf").arg(format).arg(legs));
        {
            QPdfWriter writer(pdf);
            QString error;
            QVERIFY2(RenderReport(writer, printed(), error), qPrintable(error));
        }

        QStringList expected;
        for (const ReportLine& l : printed())
            if (!l.text.trimmed().isEmpty()) expected << rtrim(l.text);
        const QStringList texts = pdfText(pdf);
        // A page holds 842 - 2 * 18 = 806 pt / 11.33 pt = 71 lines.
        QCOMPARE(texts.size(), (printed().size() + 70) / 71);
        QCOMPARE(wordsNearEdge(pdf), QStringList());
        if (legs == 20 && format != "tx") QVERIFY(texts.size() > 1);
        QStringList read;
        for (const QString& page : texts)
            for (const QString& l : page.split(u'\n'))
                if (!l.trimmed().isEmpty()) read << rtrim(l);
        QCOMPARE(read.size(), expected.size());
        // The page margin, in columns, from the first line; every line is shifted by as much.
        const qsizetype margin = read[0].indexOf(u'T') - expected[0].indexOf(u'T');
        QVERIFY(margin >= 0);
        for (QString& l : read) {
            QVERIFY2(l.left(margin).trimmed().isEmpty(), qPrintable(l));
            l.remove(0, margin);
        }
        QCOMPARE(read, expected);

        QProcess fonts;
        fonts.start("pdffonts", {pdf});
        QVERIFY(fonts.waitForFinished(30000));
        // The font list: two heading lines, then a face a line, its name first.
        QStringList faces;
        for (const QString& l :
             QString::fromUtf8(fonts.readAllStandardOutput()).split(u'\n').mid(2))
            if (!l.isEmpty()) faces << l.section(u' ', 0, 0);
        QCOMPARE(faces.size(), 2);
        QCOMPARE(faces.filter("Bold").size(), 1);
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
