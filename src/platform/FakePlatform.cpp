#include "platform/FakePlatform.h"

namespace tx {

Platform::Answer FakePlatform::messageBox(QWidget*, const QString& text, const QString& title,
                                          Buttons buttons, Icon icon, Answer defaultButton) {
    messages.append({text, title, buttons, icon, defaultButton});
    if (!answers.isEmpty()) return answers.takeFirst();
    if (buttons == Buttons::OK) return Answer::OK;
    return defaultButton == Answer::OK ? Answer::Yes : defaultButton;
}

}  // namespace tx
