// The report renderer printing to a PDF file, read back with pdftotext: the lines in order and in
// their columns, a line wider than the page carried on in the next line, and a device that cannot
// be painted on reported as a failure. Pages, margins and faces are pinned in test_printing.
#include <QPdfWriter>
#include <QProcess>
#include <QtTest>

#include "platform/ReportRenderer.h"

using tx::ReportLine;

namespace {

// Text of a PDF, read as fixed-pitch text of 6 pt a column (the report font's pitch), the blanks
// that pad each line removed at its end; a form feed ends each page.
QString pdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-fixed", "6", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QRegularExpression(" +\n"), "\n");
}

}  // namespace

class TestRenderReport : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    // A4 with 20 mm margins: 170 mm = 481.9 pt of line at 6.0 pt a character (a fixed-pitch
    // face's advance is 0.6 of its 10 point size) holds 80 columns.
    QString render(const tx::ReportLines& lines) {
        const QString path = dir.filePath(QString("r%1.pdf").arg(++count));
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        QString error;
        if (!tx::RenderReport(pdf, lines, error)) return "failed: " + error;
        return path;
    }
    int count = 0;

  private slots:
    // Columns relative to the leftmost text on the page.
    void linesAndColumns() {
        const QStringList want{"Identifier:      KDEN", "", "    Comments keep their column",
                               QString(80, u'x'), "TAIL"};
        const QString text = pdfText(render({{want[0], true}, {}, {want[2]}, {want[3] + want[4]}}));
        QStringList lines = text.split(u'\n');
        const int at = lines.indexOf(QRegularExpression("^ *Identifier:      KDEN$"));
        QVERIFY2(at >= 0 && text.count(u'\f') == 1, qPrintable(text));  // one page
        const qsizetype left = lines[at].indexOf(u'I');
        for (QString& l : lines) l = l.mid(left);
        QCOMPARE(lines.mid(at, 5), want);
    }

    void failureIsReported() {
        QPdfWriter pdf(dir.filePath("no-such-folder/r.pdf"));
        QString error;
        QVERIFY(!tx::RenderReport(pdf, {{"text"}}, error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestRenderReport)
#include "test_render_report.moc"
