#include "report/ReportLines.h"

#include <QLocale>
#include <QRegularExpression>

namespace tx {

void ReportPage::tab(const QString& before, int column, const QString& text, bool bold) {
    const qsizetype at = column - 1;
    if (before.size() <= at) {
        line(before.leftJustified(at) + text, bold);
    } else {
        line(before, bold);
        line(QString(at, u' ') + text, bold);
    }
}

QString GeneralDateText(const QDateTime& when) {
    return QLocale::c().toString(when, QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString DatePart(const QString& dateText) {
    return dateText.section(u' ', 0, 0);
}

QStringList WrapComments(const QString& comment) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList paragraphs = (comment + u' ').split(lineEnd);
    if (paragraphs.size() > 1) paragraphs.last().chop(1);
    QStringList lines;
    for (const QString& p : paragraphs) lines += WrapParagraph(p);
    return lines;
}

QStringList WrapLines(const QString& text, int width, int longestCut, int shortestCut) {
    QStringList lines;
    QString rest = text;
    while (rest.size() > width) {
        int n = longestCut;
        while (n >= shortestCut && rest[n - 1] != u' ') --n;
        if (n < shortestCut) n = longestCut;  // no blank: a hard cut, so nothing is lost
        lines << rest.left(n);
        rest.remove(0, n);
    }
    if (!rest.isEmpty()) lines << rest;
    return lines;
}

QStringList WrapParagraph(const QString& paragraph) {
    return WrapLines(paragraph, 60, 59, 45);
}

}  // namespace tx
