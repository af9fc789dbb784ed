// The help window: its three pages, and opening and leaving it in the main window's place.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/help/TXHelp.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

class TestHelp : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;

    void start() {
        prog = std::make_unique<TestProgram>();
        QVERIFY(prog->started());
    }
    void writeFile(const char* name, const QByteArray& bytes) {
        QFile f(QDir(prog->dir()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

  private slots:
    void cleanup() { prog.reset(); }

    // Help replaces the main window where it stands; Cancel Help puts the main window where the
    // help window then stands.
    void opensAndClosesInPlace() {
        start();
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
        QTest::mouseClick(help->cmdCancelHelp, Qt::LeftButton);
        QVERIFY(w->isVisible() && help->isHidden());
        QCOMPARE(w->pos(), QPoint(70, 90));
    }

    // Tabs, buttons and the about page's texts and values.
    void captionsAndAboutPage() {
        start();
        TXHelp& help = prog->app->LoadHelp();
        QStringList tabs;
        for (int i = 0; i < help.TXSSTab->count(); ++i) tabs << help.TXSSTab->tabText(i);
        QCOMPARE(tabs, QStringList({"Tarvex &Help", "TX &License Agreement", "&About Tarvex"}));
        QStringList texts;
        for (QLabel* l :
             {help.lblLogo, help.lblAboutTX1, help.lblAboutTX2, help.lblAboutTX3, help.lblQuestions,
              help.lblName, help.lblTXName, help.lblWriteTo, help.lblTXAddress, help.lblTXCity,
              help.lblPhone, help.lblTXPhone, help.lblEmailAddress, help.lblTXEmail})
            texts << l->text();
        QCOMPARE(texts,
                 QStringList({"TARVEX", "Tarvex  (ver 3.1.4) ", "TZ Database Exp. ", "12/31/2030",
                              "For Questions or Orders :", "Name :", TestProgram::kOwnerName,
                              "Write to :", TestProgram::kOwnerAddress,
                              TestProgram::kOwnerCityState, "Phone :", TestProgram::kOwnerPhone,
                              "Email Address :", TestProgram::kOwnerEmail}));
        QCOMPARE(help.cmdCancelHelp->text(), QString("&Cancel Help"));
        QCOMPARE(help.rtbTXHelp->document()->defaultFont().family(), QString("Courier New"));
    }

    // Each text file is shown with its bold; a missing or unreadable one leaves a note naming it.
    void richTextFiles_data() {
        QTest::addColumn<QByteArray>("help");  // "" missing, "dir" a folder of that name
        QTest::addColumn<QString>("shown");
        QTest::newRow("read")
            << QByteArray(
                   "{\\rtf1{\\fonttbl{\\f0 Courier New;}}\\f0 One\\tab{\\b Two}\\par "
                   "Three}")
            << "One\tTwo\nThree";
        QTest::newRow("missing") << QByteArray() << "%1 cannot be shown: the file is missing.";
        QTest::newRow("a folder") << QByteArray("dir") << "%1 cannot be shown: ";
    }
    void richTextFiles() {
        QFETCH(QByteArray, help);
        QFETCH(QString, shown);
        start();
        const QString path = QDir::toNativeSeparators(QDir(prog->dir()).filePath("TXHelp.rtf"));
        if (help == "dir")
            QVERIFY(QDir(prog->dir()).mkdir("TXHelp.rtf"));
        else if (!help.isEmpty())
            writeFile("TXHelp.rtf", help);
        writeFile("TXLicense.rtf", "{\\rtf1 Licence}");
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
