#pragma once
// A small reader of rich-text (RTF) files: the help and licence texts beside the program. It
// keeps paragraphs, tabs, bold and italic and the characters of \'xx and \u escapes; font,
// colour and style tables, pictures, fields' instructions and every \* destination are skipped.
#include <QByteArray>
#include <QList>
#include <QString>

namespace tx {

// A stretch of text in one style.
struct RtfRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool operator==(const RtfRun&) const = default;
};

// The text of an RTF document as runs; neighbouring runs differ in style. \par, \line, \sect,
// \page and \row end a line ("\n"), \tab and \cell are "\t". \'xx bytes are Windows-1252
// whatever code page the header names. A text that does not begin with "{\rtf" is taken as
// plain Windows-1252 text. Damaged input never fails: unbalanced braces, cut-off escapes and
// absurd numbers are read as far as they make sense.
QList<RtfRun> ReadRtf(const QByteArray& rtf);

// The runs' texts joined.
QString PlainText(const QList<RtfRun>& runs);

}  // namespace tx
