#include "windows/start/Intro.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "windows/WindowSwitch.h"
#include "windows/kit/WindowSize.h"

namespace tx {

namespace {

QLabel* centredLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

Intro::Intro(WindowSwitch& app) : QFrame(nullptr, Qt::SplashScreen), app_(app) {
    setObjectName(QStringLiteral("Intro"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(560, 380);

    lblLogo = centredLabel(this, "lblLogo", QStringLiteral("TARVEX"));
    QFont logo = lblLogo->font();
    logo.setPointSize(44);
    logo.setBold(true);
    logo.setLetterSpacing(QFont::PercentageSpacing, 115);
    lblLogo->setFont(logo);
    lblIntro1 = centredLabel(this, "lblIntro1", QStringLiteral("an Itinerary Planner for :"));
    lblIntro2 = centredLabel(this, "lblIntro2", QStringLiteral("Corporate  Aircraft"));
    QFont big = lblIntro2->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    lblIntro2->setFont(big);
    lblTXName = centredLabel(this, "lblTXName");
    QFont name = lblTXName->font();
    name.setBold(true);
    lblTXName->setFont(name);
    lblAddress = centredLabel(this, "lblAddress");
    lblCityState = centredLabel(this, "lblCityState");
    lblPhone = centredLabel(this, "lblPhone");
    lblEmail = centredLabel(this, "lblEmail");
    IntroLabel1 = centredLabel(this, "IntroLabel1");

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(24, 20, 24, 20);
    v->addWidget(lblLogo);
    v->addWidget(lblIntro1);
    v->addWidget(lblIntro2);
    v->addSpacing(18);
    auto* contact = new QVBoxLayout;
    contact->setSpacing(2);
    for (QLabel* l : {lblTXName, lblAddress, lblCityState, lblPhone, lblEmail})
        contact->addWidget(l);
    v->addLayout(contact);
    v->addStretch(1);
    v->addWidget(IntroLabel1);

    IntroTimer = new QTimer(this);
    IntroTimer->setObjectName(QStringLiteral("IntroTimer"));
    IntroTimer->setInterval(3000);
    IntroTimer->setSingleShot(true);
    IntroTimer->setTimerType(Qt::PreciseTimer);  // never early
    connect(IntroTimer, &QTimer::timeout, this, &Intro::IntroTimer_Timer);

    Form_Load();
}

void Intro::Form_Load() {
    const PlanState& s = app_.s;
    lblTXName->setText(s.OwnerName);
    lblAddress->setText(s.OwnerAddress);
    lblCityState->setText(s.OwnerCityState);
    lblPhone->setText(QStringLiteral("PH: ") + s.OwnerPhone);
    lblEmail->setText(s.OwnerEmail);
    IntroLabel1->setText(s.VersionText);
    CentreOnScreen(this);
}

void Intro::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    // The three seconds count from the moment the splash is on the screen.
    if (!IntroTimer->isActive()) IntroTimer->start();
}

void Intro::IntroTimer_Timer() {
    close();
}

void Intro::closeEvent(QCloseEvent* event) {
    // Closed by the timer or by the user: either way the disclaimer follows at once.
    IntroTimer->stop();
    if (!handedOver_) {
        handedOver_ = true;
        app_.Show(WindowSwitch::Window::Disclaimer);
    }
    QFrame::closeEvent(event);
}

}  // namespace tx
