#include "platform/ReportRenderer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace tx {

QFont ReportFont(bool bold) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    f.setBold(bold);
    return f;
}

namespace {

// Most printers cannot print closer to the paper's edge than a quarter inch, and a PDF printer's
// own margins are 10 pt: the lines keep at least this much paper on every side.
constexpr double kLeastMarginPt = 18;

}  // namespace

bool RenderReport(QPagedPaintDevice& device, const ReportLines& lines, QString& error) {
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("The printer could not be opened for printing.");
        return false;
    }
    const QFont regular = ReportFont(), bold = ReportFont(true);
    const QFontMetricsF metrics(regular, &device);
    const double lineHeight = metrics.lineSpacing();
    // What the device's margins leave short of the least margin, in device pixels; the painter
    // starts at the device's own margins.
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Point);
    const double dotsX = device.logicalDpiX() / 72.0, dotsY = device.logicalDpiY() / 72.0;
    auto more = [](double margin) { return std::max(0.0, kLeastMarginPt - margin); };
    const double left = more(margins.left()) * dotsX, top = more(margins.top()) * dotsY;
    const double width = device.width() - left - more(margins.right()) * dotsX;
    const double height = device.height() - top - more(margins.bottom()) * dotsY;
    // Every character of a fixed-pitch font has the same advance, bold or not.
    const int columns = static_cast<int>(width / metrics.horizontalAdvance(u'M'));
    const int rows = static_cast<int>(height / lineHeight);
    if (columns < 1 || rows < 1) {
        painter.end();
        error = QStringLiteral("The page is too small to print on.");
        return false;
    }
    int row = 0;
    for (const ReportLine& line : lines) {
        painter.setFont(line.bold ? bold : regular);
        qsizetype from = 0;
        do {
            if (row == rows) {
                if (!device.newPage()) {
                    painter.end();
                    error = QStringLiteral("The printer refused a new page.");
                    return false;
                }
                row = 0;
            }
            painter.drawText(QPointF(left, top + row * lineHeight + metrics.ascent()),
                             line.text.mid(from, columns));
            ++row;
            from += columns;
        } while (from < line.text.size());
    }
    if (!painter.end()) {
        error = QStringLiteral("The printout could not be finished.");
        return false;
    }
    return true;
}

QByteArray ReportPdf(const QString& title, const ReportLines& lines, QString& error) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tarvex"));
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setResolution(600);
        if (!RenderReport(writer, lines, error)) return {};
    }  // the PDF is complete once its writer is gone
    return pdf;
}

}  // namespace tx
