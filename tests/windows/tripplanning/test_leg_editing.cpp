#include <QtTest>
class TestLegEditing : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestLegEditing)
#include "test_leg_editing.moc"
