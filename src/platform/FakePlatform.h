#pragma once
// A platform for tests: answers message boxes from a script, records every message, beep and
// printout, gives a fixed date and time and chooses folders from a script.
#include <QList>
#include <QStringList>

#include "platform/Platform.h"

namespace tx {

class FakePlatform : public Platform {
  public:
    struct Message {
        QString text, title;
        Buttons buttons;
        Icon icon;
        Answer defaultButton;
    };

    Answer messageBox(QWidget* parent, const QString& text, const QString& title, Buttons buttons,
                      Icon icon, Answer defaultButton) override;
    void beep() override { ++beeps; }
    QDate today() override { return fixedToday; }
    QDateTime now() override { return QDateTime(fixedToday, fixedTime); }
    QString printReport(QWidget*, const QString& title, const ReportLines& lines) override {
        printouts.append({title, lines});
        return printError;
    }
    QString chooseFolder(QWidget*, const QString& title) override {
        folderTitles << title;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    // Answers given in order; when none is left the default button is pressed.
    QList<Answer> answers;
    QList<Message> messages;
    int beeps = 0;
    struct Printout {
        QString title;
        ReportLines lines;
    };
    QList<Printout> printouts;
    QString printError;  // what printReport answers
    QDate fixedToday{2027, 1, 15};
    QTime fixedTime{14, 5, 9};
    // Folders chosen in order; when none is left the chooser is cancelled.
    QStringList folders;
    QStringList folderTitles;
};

}  // namespace tx
