#pragma once
// Small helpers shared by the flight-computation tests.
#include <QtTest>

namespace tx::test {

// One QtTest data column per name, of the types given in the same order.
template <typename... T, typename... Name>
void addColumns(Name... names) {
    (QTest::addColumn<T>(names), ...);
}

}  // namespace tx::test
