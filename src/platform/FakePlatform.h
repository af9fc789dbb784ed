#pragma once
// A platform for tests: answers message boxes from a script, records every message and beep,
// gives a fixed date and chooses folders from a script.
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
    QString chooseFolder(QWidget*, const QString& title) override {
        folderTitles << title;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    // Answers given in order; when none is left the default button is pressed.
    QList<Answer> answers;
    QList<Message> messages;
    int beeps = 0;
    QDate fixedToday{2027, 1, 15};
    // Folders chosen in order; when none is left the chooser is cancelled.
    QStringList folders;
    QStringList folderTitles;
};

}  // namespace tx
