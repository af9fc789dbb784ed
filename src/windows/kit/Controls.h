#pragma once
// Small builders for the controls of the system's windows: each control gets its name as
// objectName and its caption exactly as given.
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tx::controls {

// "Courier New", or the fixed-pitch face the system maps it to, for lists of plan lines and
// their headings.
inline QFont FixedPitchFont(int pointSize = 10) {
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(pointSize);
    return f;
}

template <class T>
T* named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

inline QLabel* Label(QWidget* parent, const char* name, const QString& caption = {}) {
    return named(new QLabel(caption, parent), name);
}

inline QLineEdit* TextBox(QWidget* parent, const char* name, int chars = 0) {
    auto* t = named(new QLineEdit(parent), name);
    if (chars > 0) {
        t->setFixedWidth(t->fontMetrics().averageCharWidth() * chars + 16);
    }
    return t;
}

inline QPushButton* Button(QWidget* parent, const char* name, const QString& caption,
                           const QString& toolTip = {}) {
    auto* b = named(new QPushButton(caption, parent), name);
    if (!toolTip.isEmpty()) b->setToolTip(toolTip);
    // A focused button is pressed with <Return> as well as with the space bar, so that every
    // window can be used from the keyboard alone.
    b->setAutoDefault(true);
    return b;
}

inline QGroupBox* Frame(QWidget* parent, const char* name, const QString& caption) {
    auto* g = named(new QGroupBox(caption, parent), name);
    return g;
}

// A frame that lies over the page: it paints its own background and casts a shadow, so that
// it reads as a panel raised over the page.
inline QGroupBox* OverFrame(QWidget* parent, const char* name, const QString& caption) {
    QGroupBox* g = Frame(parent, name, caption);
    g->setAutoFillBackground(true);
    auto* shadow = new QGraphicsDropShadowEffect(g);
    shadow->setBlurRadius(14);
    shadow->setOffset(4, 4);
    shadow->setColor(QColor(0, 0, 0, 110));
    g->setGraphicsEffect(shadow);
    return g;
}

inline QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption) {
    return named(new QCheckBox(caption, parent), name);
}

inline QComboBox* ComboBox(QWidget* parent, const char* name, const QString& toolTip = {}) {
    auto* c = named(new QComboBox(parent), name);
    if (!toolTip.isEmpty()) c->setToolTip(toolTip);
    return c;
}

inline QListWidget* ListBox(QWidget* parent, const char* name, bool fixedPitch) {
    auto* l = named(new QListWidget(parent), name);
    if (fixedPitch) l->setFont(FixedPitchFont());
    return l;
}

inline QPlainTextEdit* MultiLineBox(QWidget* parent, const char* name) {
    auto* t = named(new QPlainTextEdit(parent), name);
    t->setTabChangesFocus(true);
    return t;
}

}  // namespace tx::controls
