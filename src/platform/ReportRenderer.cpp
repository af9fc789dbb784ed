#include "platform/ReportRenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tx {

QFont ReportFont(bool bold) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    f.setBold(bold);
    return f;
}

bool RenderReport(QPagedPaintDevice& device, const ReportLines& lines, QString& error) {
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QStringLiteral("The printer could not be opened for printing.");
        return false;
    }
    const QFont regular = ReportFont(), bold = ReportFont(true);
    const QFontMetricsF metrics(regular, &device);
    const double lineHeight = metrics.lineSpacing();
    // Every character of a fixed-pitch font has the same advance, bold or not.
    const int columns = static_cast<int>(device.width() / metrics.horizontalAdvance(u'M'));
    const int rows = static_cast<int>(device.height() / lineHeight);
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
            painter.drawText(QPointF(0, row * lineHeight + metrics.ascent()),
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

}  // namespace tx
