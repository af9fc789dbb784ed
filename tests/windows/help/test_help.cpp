// The help window: its three pages, and opening and leaving it in the main window's place.
#include <QtWidgets>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/help/TXHelp.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestHelp : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
    }
    void cleanup() { prog.reset(); }

    // Help replaces the main window where it stands; Cancel Help, or Escape wherever the focus
    // is, puts the main window where the help window then stands.
    void opensAndClosesInPlace_data() {
        addColumns<QString>("leave");  // the button clicked, or the control Escape is pressed in
        addRow("Cancel Help", "cmdCancelHelp");
        addRow("Escape in the help text", "rtbTXHelp");
        addRow("Escape on the tabs", "TXSSTab");
    }
    void opensAndClosesInPlace() {
        QFETCH(QString, leave);
        TripPlanning* w = prog->showPlanning();
        QVERIFY(w);
        w->move(40, 60);
        QTest::qWait(0);
        w->mnuHelp->trigger();
        TXHelp* help = prog->app->help();
        QVERIFY(help && help->isVisible() && w->isHidden() && help->pos() == QPoint(40, 60));
        help->move(70, 90);
        QTest::qWait(0);
        QWidget* at = help->findChild<QWidget*>(leave);
        at->setFocus();
        at == help->cmdCancelHelp ? QTest::mouseClick(at, Qt::LeftButton)
                                  : QTest::keyClick(at, Qt::Key_Escape);
        QVERIFY(w->isVisible() && help->isHidden() && w->pos() == QPoint(70, 90));
    }

    // The about page shows the program's settings, the version without its leading blank.
    void aboutPage() {
        TXHelp& help = prog->app->LoadHelp();
        QCOMPARE(
            QStringList({help.lblAboutTX1->text(), help.lblAboutTX3->text(), help.lblTXName->text(),
                         help.lblTXPhone->text(), help.lblTXEmail->text()}),
            QStringList({"Tarvex  (ver 3.1.4) ", "12/31/2030", "Acme Flight Department",
                         "303-555-0142", "ops@acme.example"}));
    }

    // Each text file is shown with its bold; a file that cannot be read (how is told in
    // tests/core) leaves a note naming it and what is wrong.
    void richTextFiles_data() {
        addColumns<QString, QString>("help", "shown");  // "": missing
        addRow("read", "{\\rtf1{\\fonttbl{\\f0 Courier New;}}\\f0 One\\tab{\\b Two}\\par Three}",
               "One\tTwo\nThree");
        addRow("missing", "", "The text cannot be shown.\n%1: the file is missing");
    }
    void richTextFiles() {
        auto [help, shown] = fetch<QString, QString>("help", "shown");
        const QString path = QDir::toNativeSeparators(QDir(prog->dir()).filePath("TXHelp.rtf"));
        if (!help.isEmpty()) QVERIFY(prog->writeFile("TXHelp.rtf", help.toLatin1()));
        QVERIFY(prog->writeFile("TXLicense.rtf", "{\\rtf1 Licence}"));
        TXHelp& w = prog->app->LoadHelp();
        const QString text = w.rtbTXHelp->toPlainText();
        QVERIFY2(text.startsWith(shown.arg(path)), qPrintable(text));
        QCOMPARE(w.rtbTXLic->toPlainText(), QString("Licence"));
        if (help.startsWith("{")) {
            QTextCursor at(w.rtbTXHelp->document());
            at.setPosition(text.indexOf("Two") + 1);
            const int two = at.charFormat().fontWeight();
            at.setPosition(1);
            QVERIFY(two == QFont::Bold && at.charFormat().fontWeight() == QFont::Normal);
        }
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
