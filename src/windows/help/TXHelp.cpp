#include "windows/help/TXHelp.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/RtfText.h"
#include "core/SeqFile.h"
#include "core/StartupFiles.h"
#include "core/Text.h"
#include "windows/WindowSwitch.h"
#include "windows/kit/Controls.h"
#include "windows/kit/Mnemonics.h"
#include "windows/kit/WindowSize.h"

namespace tx {

using namespace controls;

namespace {

// The help texts are small; a file larger than this is not one of them.
constexpr qint64 kMaxRichTextBytes = 8 << 20;

QTextBrowser* RichTextBox(QWidget* parent, const char* name) {
    auto* box = named(new QTextBrowser(parent), name);
    box->setFont(FixedPitchFont());
    box->document()->setDefaultFont(FixedPitchFont());
    box->setTabStopDistance(box->fontMetrics().horizontalAdvance(QString(8, u' ')));
    box->setOpenLinks(false);
    return box;
}

}  // namespace

TXHelp::TXHelp(WindowSwitch& app) : QWidget(nullptr), app_(app) {
    setObjectName(QStringLiteral("TXHelp"));
    setWindowTitle(QStringLiteral("Tarvex Help"));
    setFixedSize(kMainWindowSize);

    TXSSTab = named(new QTabWidget(this), "TXSSTab");
    rtbTXHelp = RichTextBox(TXSSTab, "rtbTXHelp");
    rtbTXLic = RichTextBox(TXSSTab, "rtbTXLic");
    pageAbout = named(new QWidget(TXSSTab), "pageAbout");
    TXSSTab->addTab(rtbTXHelp, QStringLiteral("Tarvex &Help"));
    TXSSTab->addTab(rtbTXLic, QStringLiteral("TX &License Agreement"));
    TXSSTab->addTab(pageAbout, QStringLiteral("&About Tarvex"));

    // The about page: logo, version and zone table date, then the owner's contact.
    QWidget* a = pageAbout;
    lblLogo = Label(a, "lblLogo", QStringLiteral("TARVEX"));
    QFont logo = lblLogo->font();
    logo.setPointSize(40);
    logo.setBold(true);
    logo.setLetterSpacing(QFont::PercentageSpacing, 115);
    lblLogo->setFont(logo);
    lblAboutTX1 = Label(a, "lblAboutTX1");
    lblAboutTX2 = Label(a, "lblAboutTX2", QStringLiteral("TZ Database Exp. "));
    lblAboutTX3 = Label(a, "lblAboutTX3");
    lblQuestions = Label(a, "lblQuestions", QStringLiteral("For Questions or Orders :"));
    QFont bold = lblQuestions->font();
    bold.setBold(true);
    lblQuestions->setFont(bold);
    lblName = Label(a, "lblName", QStringLiteral("Name :"));
    lblWriteTo = Label(a, "lblWriteTo", QStringLiteral("Write to :"));
    lblPhone = Label(a, "lblPhone", QStringLiteral("Phone :"));
    lblEmailAddress = Label(a, "lblEmailAddress", QStringLiteral("Email Address :"));
    lblTXName = Label(a, "lblTXName");
    lblTXAddress = Label(a, "lblTXAddress");
    lblTXCity = Label(a, "lblTXCity");
    lblTXPhone = Label(a, "lblTXPhone");
    lblTXEmail = Label(a, "lblTXEmail");
    for (QLabel* l : {lblLogo, lblAboutTX1}) l->setAlignment(Qt::AlignCenter);
    for (QLabel* l : {lblName, lblWriteTo, lblPhone, lblEmailAddress})
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* l : {lblTXName, lblTXAddress, lblTXCity, lblTXPhone, lblTXEmail})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* expiry = new QHBoxLayout;
    expiry->addStretch(1);
    expiry->addWidget(lblAboutTX2);
    expiry->addWidget(lblAboutTX3);
    expiry->addStretch(1);
    auto* contact = new QGridLayout;
    contact->setHorizontalSpacing(12);
    contact->addWidget(lblName, 0, 0);
    contact->addWidget(lblTXName, 0, 1);
    contact->addWidget(lblWriteTo, 1, 0);
    contact->addWidget(lblTXAddress, 1, 1);
    contact->addWidget(lblTXCity, 2, 1);
    contact->addWidget(lblPhone, 3, 0);
    contact->addWidget(lblTXPhone, 3, 1);
    contact->addWidget(lblEmailAddress, 4, 0);
    contact->addWidget(lblTXEmail, 4, 1);
    contact->setColumnStretch(1, 1);
    auto* v = new QVBoxLayout(a);
    v->setContentsMargins(160, 30, 160, 30);
    v->addWidget(lblLogo);
    v->addWidget(lblAboutTX1);
    v->addLayout(expiry);
    v->addStretch(1);
    v->addWidget(lblQuestions);
    v->addSpacing(8);
    v->addLayout(contact);
    v->addStretch(2);

    cmdCancelHelp = Button(this, "cmdCancelHelp", QStringLiteral("&Cancel Help"));
    cmdCancelHelp->setMinimumWidth(140);
    connect(cmdCancelHelp, &QPushButton::clicked, this, &TXHelp::cmdCancelHelp_Click);

    auto* page = new QVBoxLayout(this);
    page->addWidget(TXSSTab, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCancelHelp);
    buttons->addStretch(1);
    page->addLayout(buttons);

    UseMnemonics(this);
    Form_Load();
}

void TXHelp::Form_Load() {
    CentreOnScreen(this);
    loadRichText(rtbTXHelp, QStringLiteral("TXHelp.rtf"));
    loadRichText(rtbTXLic, QStringLiteral("TXLicense.rtf"));
    const PlanState& s = app_.s;
    lblAboutTX1->setText(LTrim(s.VersionText));
    lblAboutTX3->setText(s.TZExpiry);
    lblTXName->setText(s.OwnerName);
    lblTXAddress->setText(s.OwnerAddress);
    lblTXCity->setText(s.OwnerCityState);
    lblTXPhone->setText(s.OwnerPhone);
    lblTXEmail->setText(s.OwnerEmail);
}

// The file's text with its bold and italic; a file that cannot be read leaves a note that
// names it and what is wrong.
void TXHelp::loadRichText(QTextBrowser* box, const QString& fileName) {
    box->clear();
    QTextCursor cursor(box->document());
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(ProgramFile(app_.s, fileName), kMaxRichTextBytes);
    } catch (const FileError& e) {
        cursor.insertText(QStringLiteral("The text cannot be shown.\n") + e.message());
        return;
    }
    for (const RtfRun& run : ReadRtf(bytes)) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        cursor.insertText(run.text, format);
    }
    box->moveCursor(QTextCursor::Start);
}

void TXHelp::cmdCancelHelp_Click() {
    app_.SwitchTo(WindowSwitch::Window::TripPlanning, this);
}

// Escape leaves the help window as Cancel Help does, wherever the focus is in it.
void TXHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        cmdCancelHelp_Click();
    else
        QWidget::keyPressEvent(event);
}

void TXHelp::closeEvent(QCloseEvent* event) {
    // Closing the help window is leaving it by its button.
    if (!app_.ended() && isVisible()) cmdCancelHelp_Click();
    event->accept();
}

}  // namespace tx
