#pragma once
// One line of a printed report: its text in the report's fixed-pitch font, bold or not.
#include <QString>

namespace tx {

struct ReportLine {
    QString text;
    bool bold = false;
};

}  // namespace tx
