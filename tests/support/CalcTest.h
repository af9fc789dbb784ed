#pragma once
// Small helpers shared by the widget-free tests: data columns and rows in one line each, and
// whole files written and read.
#include <QFile>
#include <QtTest>
#include <tuple>

// One QtTest data column per name, of the types given in the same order.
template <typename... T, typename... Name>
void addColumns(Name... names) {
    (QTest::addColumn<T>(names), ...);
}

// The current row's values of the columns named, for a structured binding:
//   auto [a, b] = fetch<int, QString>("a", "b");
template <typename... T, typename... Name>
std::tuple<T...> fetch(Name... names) {
    return {*static_cast<T*>(QTest::qData(names, qMetaTypeId<T>()))...};
}

// One data row of the values given, in column order (a C string fills a QString column).
template <typename... T>
void addRow(const char* tag, T... values) {
    (QTest::newRow(tag) << ... << values);
}

// The message of the E that f throws, or "<nothing thrown>".
template <class E, class F>
QString Thrown(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e.message();
    }
    return "<nothing thrown>";
}

// Fails, showing the message, unless it holds every word.
inline void VerifyHolds(const QString& message, const QStringList& words) {
    for (const QString& w : words) QVERIFY2(message.contains(w), qPrintable(message + " / " + w));
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
