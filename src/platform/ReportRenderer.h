#pragma once
// The one renderer of printed reports: report lines drawn one under the other in the report font
// on a paged device (the printer the print dialog chose, or a PDF file), flowing onto further
// pages, a quarter inch of paper left at least on every side; a line wider than the page goes on
// in the next line, so nothing is drawn off the page.
#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>

#include "report/ReportLines.h"

class QPagedPaintDevice;

namespace tx {

// "Courier New" 10 points (fixed pitch: fontconfig gives the metric-compatible Liberation Mono).
QFont ReportFont(bool bold = false);

// Draws the lines and ends the print job. False, with the reason in `error`, when the device
// cannot be painted on or a page cannot be added.
bool RenderReport(QPagedPaintDevice& device, const ReportLines& lines, QString& error);

// The lines drawn by RenderReport as a PDF document on Letter paper, titled title, without any
// dialog. Empty, with the reason in `error`, when it cannot be drawn.
QByteArray ReportPdf(const QString& title, const ReportLines& lines, QString& error);

}  // namespace tx
