// The start routine's file steps: a damaged or missing mandatory file ends the start with a
// message that names it; a damaged aircraft only leaves no aircraft.
#include <QtTest>

#include "support/TestProgram.h"
#include "windows/start/Start.h"

using namespace tx;
using namespace tx::test;

class TestStart : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

  private slots:
    void mandatoryFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");  // empty: the file is removed
        QTest::addColumn<QString>("named");     // what the message must name
        QTest::newRow("database missing") << "data.mdb" << QByteArray() << "data.mdb";
        QTest::newRow("database not a database")
            << "data.mdb" << QByteArray("this is not a database, just text\r\n") << "data.mdb";
        QTest::newRow("settings missing") << "TARVEX.DAT" << QByteArray() << "TARVEX.DAT";
        QTest::newRow("settings cut short")
            << "TARVEX.DAT" << QByteArray("\"Owner\",\"Street\"\r\n") << "TARVEX.DAT";
        QTest::newRow("zones missing") << "TZONES.DAT" << QByteArray() << "TZONES.DAT";
        QByteArray tooMany =
            "\"a\",\"b\",\"c\",\"d\",\"e\",\"12/31/2027\",\"g\",\"h\",\"i\",49\r\n";
        for (int r = 1; r <= 49; ++r)
            tooMany += "\"Z" + QByteArray::number(r) + "\",4.01,10.28\r\n";
        QTest::newRow("zones with 49 rows") << "TZONES.DAT" << tooMany << "48";
    }
    void mandatoryFiles() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, named);
        TestProgram prog;
        QVERIFY(prog.started());
        const QString path = QDir(prog.dir()).filePath(file);
        if (bytes.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            write(path, bytes);

        PlanState s;
        s.ProgramDir = prog.dir();
        AirportDatabase adb;
        FakePlatform platform;
        QVERIFY(!OpenStart(s, adb, platform));
        QCOMPARE(platform.messages.size(), 1);
        const FakePlatform::Message& m = platform.messages.first();
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(path)), qPrintable(m.text));
        QVERIFY2(m.text.contains(named), qPrintable(m.text));
        QCOMPARE(m.buttons, Platform::Buttons::OK);
        QVERIFY(!adb.db.isOpen());
        // Nothing was created in place of a missing file.
        QCOMPARE(QFile::exists(path), !bytes.isEmpty());
    }

    void damagedAircraftOnlyLeavesNoAircraft() {
        TestProgram prog;
        QVERIFY(prog.started());
        QVERIFY(!prog.s.ACFileName.isEmpty());
        const QString acPath = QDir(prog.dir()).filePath(prog.s.ACFileName);
        write(acPath, QByteArray(" 20\r\nCut short\r\n"));

        PlanState s;
        s.ProgramDir = prog.dir();
        AirportDatabase adb;
        FakePlatform platform;
        QVERIFY(OpenStart(s, adb, platform));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(adb.db.isOpen());
        QCOMPARE(s.ACFileName, QString());
        QCOMPARE(s.ACFileLoaded, QString());
        QCOMPARE(s.VersionText, QString(" Tarvex  (ver 3.1.4) "));
        QCOMPARE(s.Today, platform.fixedToday);
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
