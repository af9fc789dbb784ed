#pragma once
// The help window: the help text, the licence agreement and the about page on three tabs. It
// takes the main window's place and gives it back with "&Cancel Help".
#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace tx {

class WindowSwitch;

class TXHelp : public QWidget {
    Q_OBJECT
  public:
    // Builds the three tabs and reads the help and licence texts (Form_Load); stays hidden.
    explicit TXHelp(WindowSwitch& app);

    // ---- Controls ----
    QTabWidget* TXSSTab;
    QTextBrowser* rtbTXHelp;
    QTextBrowser* rtbTXLic;
    QWidget* pageAbout;
    QLabel* lblLogo;
    QLabel* lblAboutTX1;  // the version
    QLabel* lblAboutTX2;  // "TZ Database Exp. "
    QLabel* lblAboutTX3;  // TZExpiry
    QLabel* lblQuestions;
    QLabel* lblWriteTo;
    QLabel* lblName;
    QLabel* lblPhone;
    QLabel* lblEmailAddress;
    QLabel* lblTXName;
    QLabel* lblTXAddress;
    QLabel* lblTXCity;
    QLabel* lblTXPhone;
    QLabel* lblTXEmail;
    QPushButton* cmdCancelHelp;

  private:
    void Form_Load();
    void cmdCancelHelp_Click();
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void loadRichText(QTextBrowser* box, const QString& fileName);

    WindowSwitch& app_;
};

}  // namespace tx
