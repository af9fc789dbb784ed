// The real message box shows its text as written: a text that looks like markup is no markup.
#include <QtTest>
#include <QtWidgets>

#include "platform/Platform.h"

using tx::DesktopPlatform;
using tx::Platform;

class TestMessageBox : public QObject {
    Q_OBJECT

  private slots:
    void textShownAsWritten() {
        const QString text =
            "Insert the disk in drive <A>: <b>not bold</b> &amp; <i>not italic</i>";
        QString shown;
        // The box's label, read once the box is up; then its button closes it.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            const auto* doc = label ? label->findChild<QTextDocument*>() : nullptr;
            shown = doc ? doc->toPlainText() : label ? label->text() : QString();
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(10);
        QCOMPARE(DesktopPlatform().messageBox(nullptr, text, "Tarvex", Platform::Buttons::OK,
                                              Platform::Icon::Warning, Platform::Answer::OK),
                 Platform::Answer::OK);
        QCOMPARE(shown, text);
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
