#pragma once
// The seam to the outside world: everything a test cannot click through goes through here.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "report/ReportLines.h"

class QWidget;

namespace tx {

class Platform {
  public:
    enum class Buttons { OK, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Answer { OK, Yes, No, Cancel };

    virtual ~Platform() = default;

    // Shows a message box, its text as plain text, and returns the button pressed.
    virtual Answer messageBox(QWidget* parent, const QString& text, const QString& title,
                              Buttons buttons = Buttons::OK, Icon icon = Icon::None,
                              Answer defaultButton = Answer::OK) = 0;
    virtual void beep() = 0;
    // The system clock's date, and its date and time.
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
    // Prints report lines on the printer the user chooses in the system print dialog. Returns
    // why printing failed; empty when printed or when the user cancelled the dialog.
    virtual QString printReport(QWidget* parent, const QString& title,
                                const ReportLines& lines) = 0;
    // Asks for a folder (where the database is backed up to or restored from); empty when the
    // user cancels.
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
};

// The real thing: QMessageBox, QApplication::beep, QDate::currentDate, QPrintDialog,
// QFileDialog::getExistingDirectory.
class DesktopPlatform : public Platform {
  public:
    Answer messageBox(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                      Icon icon, Answer defaultButton) override;
    void beep() override;
    QDate today() override;
    QDateTime now() override;
    QString printReport(QWidget* parent, const QString& title, const ReportLines& lines) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
};

}  // namespace tx
