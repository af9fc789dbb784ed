// The Settings frames (aircraft, fuel reserve, taxi default) and the database backup and
// restore commands of the main window.
//
// TEST.AC (tests/support): speeds 300 340 380 420 kt, fuel flows 1800 .. 1500 an hour, reserve
// 1200. fast.ac (written here, in lower case): 500 kt and 2000 an hour on both rows, usable fuel
// 20000, reserve 900. Taxi 10 min = 0.1666 h, 15 min = 0.25 h.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "airportdb/Statements.h"
#include "support/TestProgram.h"
#include "windows/AppWindows.h"
#include "windows/tripplanning/TripPlanning.h"

using namespace tx;
using namespace tx::test;

namespace {

const QByteArray kFast =
    " 1\r\nFast Jet\r\nline 2\r\n 500\r\n 500\r\n 2000\r\n 2000\r\n 20000\r\n 900\r\n";

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    TripPlanning* w = nullptr;

    QString file(const char* name) const { return QDir(prog->dir()).filePath(name); }

    void start(bool withAircraft = true) {
        ProgramOptions o;
        o.withAircraft = withAircraft;
        prog = std::make_unique<TestProgram>(o);
        QVERIFY(prog->started());
        writeFile(file("fast.ac"), kFast);
        writeFile(file("BAD.AC"), kFast.left(30));  // ends in the speeds
        w = prog->showPlanning();
        QVERIFY(w);
    }

    void enterLeg(const QStringList& entries) {
        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        for (const QString& entry : entries) typeAndReturn(entry);
    }
    void okServices() {
        QCOMPARE(focusName(), QString("cmdSelFBOok"));
        typeAndReturn({});
    }
    // Denver - Teterboro - London - Paris, as in test_leg_steps.
    void enterThreeLegTrip() {
        enterLeg({"", "", "0704", "0800", "kden"});
        okServices();
        typeAndReturn("kteb");
        okServices();
        typeAndReturn({});
        typeAndReturn({});
        enterLeg({"", "", "", "2030", ""});
        typeAndReturn("egll");
        okServices();
        typeAndReturn("-25");
        typeAndReturn({});
        enterLeg({"", "l", "07/05", "1400", "", "lfpb", "", "800"});
        QCOMPARE(int(prog->s.NumLegs), 3);
    }
    QStringList listLines() const {
        QStringList out;
        for (int r = 0; r < w->lboTX->count(); ++r) out << w->lboTX->item(r)->text();
        return out;
    }
    QStringList legValues(QString Leg::*field) const {
        QStringList out;
        for (int k = 1; k <= prog->s.NumLegs; ++k) out << prog->s.leg(k).*field;
        return out;
    }
    // The planning page is given back: frames closed, page unlocked, focus on Continue.
    void verifyPageBack() {
        for (QGroupBox* f : {w->frameACChange, w->frameChFRes, w->frameTaxiDefault})
            QVERIFY2(f->isHidden(), qPrintable(f->objectName()));
        QVERIFY(w->lboTX->isEnabled() && w->mnuSettings->menuAction()->isEnabled() &&
                w->cmdContinuePlanning->isEnabled() && w->cmdExitTX->isEnabled());
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
    }

  private slots:
    void cleanup() {
        w = nullptr;
        prog.reset();
    }

    // The list shows *.AC in any letter case, the first picked; the plan is recomputed on Yes,
    // kept on No, and kept with a message for a damaged file.
    void aircraftChange_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");  // keyboard, double click, or click and button
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes, by keyboard") << 1 << "keys" << true;
        QTest::newRow("No, by double click") << 1 << "double" << false;
        QTest::newRow("damaged file") << 0 << "button" << true;
    }
    void aircraftChange() {
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(bool, yes);
        start();
        enterThreeLegTrip();
        const QStringList before = listLines();
        const QStringList dists = legValues(&Leg::DistText), winds = legValues(&Leg::WindText);
        prog->platform.messages.clear();
        prog->platform.answers = {yes ? Platform::Answer::Yes : Platform::Answer::No};

        w->mnuSetChange->trigger();
        QVERIFY(w->frameACChange->isVisible() && !w->lboTX->isEnabled());
        QCOMPARE(focusName(), QString("flbTXAircraft"));
        QStringList files;
        for (int r = 0; r < w->flbTXAircraft->count(); ++r)
            files << w->flbTXAircraft->item(r)->text();
        QCOMPARE(files, QStringList({"BAD.AC", "fast.ac", "TEST.AC"}));
        QCOMPARE(w->flbTXAircraft->currentRow(), 0);
        if (how == "keys") {
            QTest::keyClick(w->flbTXAircraft, Qt::Key_Down);
            QTest::keyClick(w->flbTXAircraft, Qt::Key_Return);
            QCOMPARE(focusName(), QString("cmdACSelect"));
            QTest::keyClick(w->cmdACSelect, Qt::Key_Return);
        } else if (how == "double") {
            // As the system sends it: press, release, double click, release.
            QWidget* port = w->flbTXAircraft->viewport();
            const QPoint at =
                w->flbTXAircraft->visualItemRect(w->flbTXAircraft->item(row)).center();
            QTest::mouseClick(port, Qt::LeftButton, {}, at);
            QTest::mouseDClick(port, Qt::LeftButton, {}, at);
            QTest::mouseRelease(port, Qt::LeftButton, {}, at);
        } else {
            w->flbTXAircraft->setCurrentRow(row);
            QTest::mouseClick(w->cmdACSelect, Qt::LeftButton);
        }
        verifyPageBack();
        QCOMPARE(prog->platform.messages.size(), row == 0 ? 2 : 1);
        const FakePlatform::Message& ask = prog->platform.messages[0];
        QCOMPARE(ask.title + ": " + ask.text,
                 QString("Continue ... ??: All legs in the present Tarvex Plan will change.\n  Do "
                         "you wish to continue ... ?    "));
        QCOMPARE(ask.buttons, Platform::Buttons::YesNo);
        QCOMPARE(ask.defaultButton, Platform::Answer::No);

        if (row == 1 && yes) {
            // Leg 1: 1394 / 514 = 2.71 h, burn 5420, arrival 8 + 6 + 2.71 - 4 + 0.1666 -> 1253.
            // Leg 2: 2991 / 475 = 6.29 h, burn 12580, 20.5 + 4 + 6.29 + 1 + 0.1666 -> 0757+D.
            // Leg 3: 187 / 500 = 0.37 h, burn 740, takeoff 14 + 1 - 0.37 - 2 - 0.1666 -> 1228.
            QCOMPARE(
                listLines(),
                QStringList({" 1  04Jul Denver(KDEN)         0800   Teterboro(KTEB)      1253 "
                             "   02+43   1394   5420",
                             " 2  04Jul Teterboro(KTEB)      2030   London(EGLL)         0757+D"
                             "  06+17   2991  12580",
                             " 3  05Jul London(EGLL)         1228   Paris(LFPB)          1400 "
                             "   00+22    187    740"}));
            QCOMPARE(legValues(&Leg::ReserveText), QStringList(3, "    900"));
            QCOMPARE(legValues(&Leg::TotalReqText), QStringList({"   6320", "  13480", "   1640"}));
            QCOMPARE(w->lblTXTime->text(), QString(" 9+22"));  // 2+43 + 6+17 + 0+22
            QCOMPARE(readFile(file("TXDefAC.DAT")), QByteArray("fast.ac\r\n"));
            QCOMPARE(w->lblACType[2]->text(), QString("Fast Jet"));
        } else {
            QCOMPARE(listLines(), before);
            QCOMPARE(readFile(file("TXDefAC.DAT")), QByteArray("TEST.AC\r\n"));
            QCOMPARE(prog->s.ACFileName, QString("TEST.AC"));
            QCOMPARE(w->lblACType[2]->text(), TestProgram::kAircraftType);
            if (row == 0) {
                QCOMPARE(prog->platform.messages[1].title, QString("Aircraft"));
                QVERIFY2(
                    prog->platform.messages[1].text.startsWith(
                        QDir::toNativeSeparators(file("BAD.AC")) + ": the file ends too early"),
                    qPrintable(prog->platform.messages[1].text));
            }
        }
        QCOMPARE(legValues(&Leg::DistText), dists);
        QCOMPARE(legValues(&Leg::WindText), winds);
        QCOMPARE(w->lblTXDist->text(), QString("4572"));
    }

    // Without an aircraft at start, choosing one asks nothing, remembers it, and the next leg is
    // computed with it without the warning: Denver - Aspen, 109 n.mi. at 500 - 18 kt = 0.22 h,
    // burn 440, reserve 900.
    void firstAircraftOnAnEmptyPlan() {
        start(false);
        prog->platform.messages.clear();
        w->mnuSetChange->trigger();
        w->flbTXAircraft->setCurrentRow(1);
        QTest::mouseClick(w->cmdACSelect, Qt::LeftButton);
        verifyPageBack();
        QCOMPARE(readFile(file("TXDefAC.DAT")), QByteArray("fast.ac\r\n"));
        enterLeg({"", "", "0704", "0800", "kden"});
        okServices();
        typeAndReturn("kase");
        typeAndReturn({});
        typeAndReturn({});
        QCOMPARE(prog->platform.messages.size(), 1);  // only the comments question
        QCOMPARE(prog->platform.messages[0].title, QString("Leg Comments"));
        QCOMPARE(prog->s.leg(1).BurnText, QString("    440"));
        QCOMPARE(prog->s.leg(1).ReserveText, QString("    900"));
    }

    // A whole number of 0 or more is stored in memory and as the aircraft file's last line;
    // anything else is refused with the frame open and nothing written.
    void fuelReserve_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");  // -1: refused
        QTest::newRow("450.9 -> 450") << "450.9" << 450.0;
        QTest::newRow("zero") << " 0 " << 0.0;
        QTest::newRow("letters") << "abc" << -1.0;
        QTest::newRow("number and letters") << "12x" << -1.0;
        QTest::newRow("negative") << "-5" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
    }
    void fuelReserve() {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        start();
        const QByteArray before = readFile(file("TEST.AC"));
        w->mnuSetReserve->trigger();
        QCOMPARE(w->txtDefFRes->text(), QString("1200"));
        QCOMPARE(focusName(), QString("txtDefFRes"));
        QCOMPARE(w->txtDefFRes->selectedText(), QString("1200"));
        if (typed.isEmpty()) w->txtDefFRes->clear();
        typeAndReturn(typed);
        QCOMPARE(focusName(), QString("cmdChFResOK"));
        QTest::keyClick(w->cmdChFResOK, Qt::Key_Return);
        if (stored < 0) {
            QCOMPARE(prog->platform.messages.size(), 1);
            QCOMPARE(prog->platform.messages[0].title, QString("Fuel Reserve"));
            QVERIFY(w->frameChFRes->isVisible());
            QCOMPARE(focusName(), QString("txtDefFRes"));
            QCOMPARE(prog->s.ACReserve, 1200.0);
            QCOMPARE(readFile(file("TEST.AC")), before);
            return;
        }
        verifyPageBack();
        QCOMPARE(prog->s.ACReserve, stored);
        QByteArray expected = before;
        expected.replace(" 1200\r\n", " " + QByteArray::number(stored) + "\r\n");
        QCOMPARE(readFile(file("TEST.AC")), expected);
    }

    // The Up key and the bar's up arrow raise the value; Apply keeps it for the session, Save
    // writes TARVEX.DAT too. Denver - Aspen with 15 min: 8 + 6 + 0.33 - 6 + 0.25 = 8.58 -> 0835.
    void taxiDefault_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("Apply this Session") << false;
        QTest::newRow("Apply/Save") << true;
    }
    void taxiDefault() {
        QFETCH(bool, save);
        start();
        const QByteArray before = readFile(file("TARVEX.DAT"));
        w->mnuSetBlock->trigger();
        QCOMPARE(w->VScroll1->value(), -10);  // minutes negated: 60 at the top
        QCOMPARE(w->lblTaxiDefault->text(), QString(" 10"));
        for (int k = 0; k < 4; ++k) QTest::keyClick(w->VScroll1, Qt::Key_Up);
        QTest::mouseClick(w->VScroll1, Qt::LeftButton, {}, QPoint(w->VScroll1->width() / 2, 3));
        QCOMPARE(w->lblTaxiDefault->text(), QString(" 15"));
        QTest::mouseClick(save ? w->cmdOKDefault : w->cmdApplyDefault, Qt::LeftButton);
        verifyPageBack();
        QCOMPARE(prog->s.TaxiDefault, QString(" 15"));
        QByteArray expected = before;
        if (save) expected.replace("\"10\"", "\" 15\"");
        QCOMPARE(readFile(file("TARVEX.DAT")), expected);
        enterLeg({"", "", "0704", "0800", "kden"});
        okServices();
        typeAndReturn("kase");
        typeAndReturn({});
        typeAndReturn({});
        QCOMPARE(prog->s.leg(1).LocalArrText, QString("0835"));
    }

    // Cancel in each frame changes nothing, whatever was done in it, and gives the page back. A
    // stored taxi default of 75 shows as 60 and stays 75.
    void cancel_data() {
        QTest::addColumn<QString>("frame");
        QTest::newRow("aircraft") << "frameACChange";
        QTest::newRow("fuel reserve") << "frameChFRes";
        QTest::newRow("taxi default") << "frameTaxiDefault";
    }
    void cancel() {
        QFETCH(QString, frame);
        start();
        prog->s.TaxiDefault = "75";
        const QByteArray ac = readFile(file("TEST.AC")), settings = readFile(file("TARVEX.DAT"));
        if (frame == "frameACChange") {
            w->mnuSetChange->trigger();
            w->flbTXAircraft->setCurrentRow(1);
            QTest::mouseClick(w->cmdACCancel, Qt::LeftButton);
        } else if (frame == "frameChFRes") {
            w->mnuSetReserve->trigger();
            QTest::keyClicks(w->txtDefFRes, "5");
            QTest::mouseClick(w->cmdCancelFRes, Qt::LeftButton);
        } else {
            w->mnuSetBlock->trigger();
            QCOMPARE(w->VScroll1->value(), -60);
            QTest::keyClick(w->VScroll1, Qt::Key_Down);
            QTest::mouseClick(w->cmdExitTaxiDefault, Qt::LeftButton);
        }
        verifyPageBack();
        QCOMPARE(prog->s.ACFileName, QString("TEST.AC"));
        QCOMPARE(prog->s.ACReserve, 1200.0);
        QCOMPARE(prog->s.TaxiDefault, QString("75"));
        QCOMPARE(readFile(file("TEST.AC")), ac);
        QCOMPARE(readFile(file("TARVEX.DAT")), settings);
        QCOMPARE(readFile(file("TXDefAC.DAT")), QByteArray("TEST.AC\r\n"));
        QVERIFY(prog->platform.messages.isEmpty());
    }

    // Backup into a chosen folder, an airport added to the copy, restore: the next lookup finds
    // it, in this window and on the cursor the airport window shares; the replaced file is kept.
    void backupAndRestore() {
        start();
        QTemporaryDir disk;
        prog->platform.folders = {disk.path()};
        w->mnuFilBackup->trigger();
        QVERIFY(prog->platform.messages.isEmpty());
        {
            Db copy;
            copy.open(disk.filePath("data.mdb"));
            copy.execute(
                "INSERT INTO tblAirports (Ident, City, State) VALUES ('KZZZ', "
                "'Zedville', 'ZZ')");
        }
        prog->platform.folders = {disk.path()};
        w->mnuFilRestore->trigger();
        QVERIFY(prog->platform.messages.isEmpty());
        QVERIFY(QFile::exists(file("data.mdb.bak")));
        QVERIFY(prog->adb.AirportsRs && prog->adb.AirportsRs->findFirst(IdentIs("KZZZ")));
        enterLeg({"", "", "0704", "0800", "kzzz"});
        QCOMPARE(w->txtDepCity->text(), QString("Zedville, ZZ"));
    }

    // A failed copy: the message with the reason under it, and the live database still used.
    // A cancelled chooser does nothing.
    void backupAndRestoreRefused_data() {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("backup to a missing folder")
            << false << "missing"
            << "Insert a Formatted empty disk in drive <A>, then try again.";
        QTest::newRow("restore without data.mdb")
            << true << ""
            << "Insert 'Tarvex Backup' disk in drive <A>, then try again.";
        QTest::newRow("chooser cancelled") << true << "cancel"
                                           << "";
    }
    void backupAndRestoreRefused() {
        QFETCH(bool, restore);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        start();
        QTemporaryDir disk;
        if (folder != "cancel") prog->platform.folders = {disk.filePath(folder)};
        (restore ? w->mnuFilRestore : w->mnuFilBackup)->trigger();
        if (message.isEmpty()) {
            QVERIFY(prog->platform.messages.isEmpty());
        } else {
            QCOMPARE(prog->platform.messages.size(), 1);
            QCOMPARE(prog->platform.messages[0].title, QString("Tarvex"));
            QVERIFY2(prog->platform.messages[0].text.startsWith(message + "\n\n"),
                     qPrintable(prog->platform.messages[0].text));
        }
        QVERIFY(!QFile::exists(file("data.mdb.bak")));
        enterLeg({"", "", "0704", "0800", "kden"});
        QCOMPARE(w->txtDepCity->text(), QString("Denver, CO"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
