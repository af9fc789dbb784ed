// The help window: its three pages, and opening and leaving it in the main window's place.
#include <sys/stat.h>

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
        addColumns<QString>("leave");
        addRow("Cancel Help", "button");
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
        QVERIFY(help && help->isVisible() && w->isHidden());
        QCOMPARE(help->pos(), QPoint(40, 60));
        help->move(70, 90);
        QTest::qWait(0);
        if (leave == "button") {
            QTest::mouseClick(help->cmdCancelHelp, Qt::LeftButton);
        } else {
            QWidget* at = help->findChild<QWidget*>(leave);
            at->setFocus();
            QTest::keyClick(at, Qt::Key_Escape);
        }
        QVERIFY(w->isVisible() && help->isHidden());
        QCOMPARE(w->pos(), QPoint(70, 90));
    }

    // The about page shows the program's settings, the version without its leading blank.
    void aboutPage() {
        TXHelp& help = prog->app->LoadHelp();
        QCOMPARE(
            QStringList({help.lblAboutTX1->text(), help.lblAboutTX3->text(), help.lblTXName->text(),
                         help.lblTXPhone->text(), help.lblTXEmail->text()}),
            QStringList({"Tarvex  (ver 3.1.4) ", "12/31/2030", "Acme Flight Department",
                         "303-555-0142", "ops@acme.example"}));
        QCOMPARE(help.rtbTXHelp->document()->defaultFont().family(), QString("Courier New"));
    }

    // Each text file is shown with its bold; a missing or unreadable one leaves a note naming it
    // and what is wrong, and a named pipe is refused without waiting for a writer.
    void richTextFiles_data() {
        addColumns<QByteArray, QString>("help", "shown");  // "" missing, "dir" a folder
        addRow(
            "read",
            QByteArray("{\\rtf1{\\fonttbl{\\f0 Courier New;}}\\f0 One\\tab{\\b Two}\\par Three}"),
            "One\tTwo\nThree");
        const QString note = "The text cannot be shown.\n%1: ";
        addRow("missing", QByteArray(), note + "the file is missing");
        addRow("a folder", QByteArray("dir"), note + "this is a folder, not a file");
        addRow("a named pipe", QByteArray("pipe"), note + "this is a named pipe, not a file");
    }
    void richTextFiles() {
        auto [help, shown] = fetch<QByteArray, QString>("help", "shown");
        const QString path = QDir::toNativeSeparators(QDir(prog->dir()).filePath("TXHelp.rtf"));
        if (help == "dir")
            QVERIFY(QDir(prog->dir()).mkdir("TXHelp.rtf"));
        else if (help == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(QDir(prog->dir()).filePath("TXHelp.rtf")), 0600), 0);
        else if (!help.isEmpty())
            QVERIFY(prog->writeFile("TXHelp.rtf", help));
        QVERIFY(prog->writeFile("TXLicense.rtf", "{\\rtf1 Licence}"));
        TXHelp& w = prog->app->LoadHelp();
        const QString text = w.rtbTXHelp->toPlainText();
        QVERIFY2(text.startsWith(shown.arg(path)), qPrintable(text));
        QCOMPARE(w.rtbTXLic->toPlainText(), QString("Licence"));
        if (help.startsWith("{")) {
            QTextCursor two(w.rtbTXHelp->document());
            two.setPosition(text.indexOf("Two") + 1);
            QCOMPARE(two.charFormat().fontWeight(), int(QFont::Bold));
            two.setPosition(text.indexOf("One") + 1);
            QCOMPARE(two.charFormat().fontWeight(), int(QFont::Normal));
        }
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
