#include "platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/ReportRenderer.h"

namespace tx {

namespace {

QMessageBox::StandardButton toQt(Platform::Answer a) {
    switch (a) {
        case Platform::Answer::Yes:
            return QMessageBox::Yes;
        case Platform::Answer::No:
            return QMessageBox::No;
        case Platform::Answer::Cancel:
            return QMessageBox::Cancel;
        case Platform::Answer::OK:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Platform::Answer DesktopPlatform::messageBox(QWidget* parent, const QString& text,
                                             const QString& title, Buttons buttons, Icon icon,
                                             Answer defaultButton) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // The system's texts are plain: "drive <A>" is no markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::None:
            break;
    }
    switch (buttons) {
        case Buttons::OK:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(toQt(defaultButton));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            break;
    }
    // Closing the box with Escape or the window button: Cancel where offered, else No or OK.
    if (buttons == Buttons::YesNoCancel) return Answer::Cancel;
    if (buttons == Buttons::YesNo) return Answer::No;
    return Answer::OK;
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

QDate DesktopPlatform::today() {
    return QDate::currentDate();
}

QDateTime DesktopPlatform::now() {
    return QDateTime::currentDateTime();
}

QString DesktopPlatform::printReport(QWidget* parent, const QString& title,
                                     const ReportLines& lines) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!printer.isValid()) return QStringLiteral("The chosen printer is not available.");
    QString error;
    if (!RenderReport(printer, lines, error)) return error;
    return {};
}

QString DesktopPlatform::chooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, QDir::homePath());
}

}  // namespace tx
