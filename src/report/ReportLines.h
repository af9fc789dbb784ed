#pragma once
// Printed lines for a fixed-pitch font, the page builder that resolves the column tab, the
// comment wraps and the date text the report headings print.
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tx {

// One printed line; columns are already laid out in blanks.
struct ReportLine {
    QString text;
    bool bold = false;
    bool operator==(const ReportLine&) const = default;
};
using ReportLines = QList<ReportLine>;

// Builds a page line by line.
class ReportPage {
  public:
    void line(const QString& text = {}, bool bold = false) { lines_.append({text, bold}); }
    // before, then text at column (counted from 1): when before already reaches that column, the
    // text goes to that column of the next line, bold like the first.
    void tab(const QString& before, int column, const QString& text, bool bold = false);
    const ReportLines& lines() const { return lines_; }

  private:
    ReportLines lines_;
};

// The system's general date format, M/d/yyyy h:mm:ss AP ("3/5/2025 9:07:00 AM").
QString GeneralDateText(const QDateTime& when);
// The date part of such a text: everything before the first blank ("3/5/2025"), the year whole.
QString DatePart(const QString& dateText);

// A text in lines: while more than width characters remain, the line ends after the last blank
// among its first longestCut down to shortestCut characters, or after character longestCut when
// there is none; the rest is the last line. No text is dropped, however long.
QStringList WrapLines(const QString& text, int width, int longestCut, int shortestCut);

// One leg comment as printed lines: the comment followed by one blank, cut into paragraphs at
// its line breaks (CR LF, CR or LF; with several paragraphs the last drops that blank), each
// paragraph wrapped by WrapParagraph; an empty paragraph gives no line.
QStringList WrapComments(const QString& comment);
// A paragraph in lines of at most 60 characters: WrapLines with cuts at 59 down to 45.
QStringList WrapParagraph(const QString& paragraph);

}  // namespace tx
