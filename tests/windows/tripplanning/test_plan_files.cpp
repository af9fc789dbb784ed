// Plan files from the main window: saving from the menu and from the view frames, the file-name
// box, the save questions before a new plan, a retrieve and the exit, retrieving and deleting,
// saves that fail, and the aircraft a retrieved plan brings.
//
// The plan is the typed one of ThreeLegPlan.h (327 n.mi., 1+00, aircraft "Test Jet 35" from
// TEST.AC); the fake clock says 1/15/2027 2:05:09 PM.
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <csignal>

#include "ThreeLegPlan.h"
#include "core/SeqFile.h"

using namespace tx;
using namespace tx::test;
using Answer = Platform::Answer;
using Buttons = Platform::Buttons;

namespace {

QString blanks(int n) {
    return QString(n, u' ');
}

const QString kTitle = "Tarvex (for planning ONLY) - ";
const QString kTotals = "Total TX Dist.(n.mi.):  327 - Total TX Time:  1+00";
const QString kSaveQuestion = "  Do you wish to Save the present Tarvex Plan now  ?";
const QString kExitQuestion = "        Do you wish to Save present Tarvex Plan ?        ";
const QString kEarlierVersion =
    "The file you have selected is for an earlier version of Tarvex. \n"
    "You may erase this file by selecting <File>, then <Delete>.";

// Leg 4 flies back to Denver like leg 2; leg 5, typed after a retrieve, to Aspen like leg 3.
const QStringList kLeg4Line{
    " 4  05Jul Aspen(KASE)          1200   Denver(KDEN)         1230    00+20    109    561"};
const QString kLeg5Line =
    " 5  05Jul Denver(KDEN)         1600   Aspen(KASE)          1630    00+20    109    561";

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QStringList rows(const QListWidget* list) {
    QStringList out;
    for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
    return out;
}

}  // namespace

class TestPlanFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> prog;
    std::unique_ptr<QTemporaryDir> plans;
    TripPlanning* w = nullptr;

    QString planFile(const QString& name) const { return plans->filePath(name); }
    QStringList planFiles() const {
        return QDir(plans->path())
            .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The lines of a file the program wrote: Windows-1252, each line ended by CR LF.
    QStringList fileLines(const QString& name) const {
        const QByteArray bytes = readFile(planFile(name));
        if (!bytes.endsWith("\r\n") || bytes.count("\r\n") != bytes.count('\n')) return {"(bad)"};
        QStringList lines = DecodeCp1252(bytes).split("\r\n");
        lines.removeLast();
        return lines;
    }
    bool enterPlan(bool fourLegs = false) {
        if (!enterThreeLegPlan(w)) return false;
        if (fourLegs) {
            QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
            for (const char* entry : {"", "", "", "1200", "", "kden", "", "-18", ""})
                typeAndReturn(entry);
        }
        prog->platform.messages.clear();  // the comment questions of the typed legs
        return w->lboTX->count() == (fourLegs ? 4 : 3);
    }
    // Types the name over the offered one, Return, and presses "&O. K." (or "&Cancel").
    void typeName(const QString& name, bool ok = true) {
        QCOMPARE(focusName(), QString("txtTXFileName"));
        if (name.isEmpty())
            QTest::keyClick(w->txtTXFileName, Qt::Key_Delete);
        else
            QTest::keyClicks(w->txtTXFileName, name);
        QTest::keyClick(w->txtTXFileName, Qt::Key_Return);
        QCOMPARE(focusName(), QString("cmdFilNamOK"));
        QTest::mouseClick(ok ? w->cmdFilNamOK : w->cmdFilNamCancel, Qt::LeftButton);
    }
    void savePlan(const QString& name, int format = 0) {
        w->mnuSaveArray[size_t(format)]->trigger();
        typeName(name);
    }
    // File, Retrieve (answering No when the plan is offered for saving) and the named file.
    void retrieve(const QString& file) {
        prog->platform.answers = {Answer::No};
        w->mnuFilRetDel[0]->trigger();
        const QList<QListWidgetItem*> found = w->flbTXRetrieve->findItems(file, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        clickRow(w->flbTXRetrieve, w->flbTXRetrieve->row(found[0]));
        QTest::mouseClick(w->cmdRetDelTX, Qt::LeftButton);
    }
    bool pageOpen() const {
        return w->frameTXName->isHidden() && w->mnufil->menuAction()->isEnabled() &&
               w->lboTX->isEnabled() && w->cmdContinuePlanning->isEnabled() &&
               w->cmdExitTX->isEnabled();
    }

  private slots:
    void init() {
        prog = std::make_unique<TestProgram>();
        plans = std::make_unique<QTemporaryDir>();
        QVERIFY(prog->started() && plans->isValid());
        w = prog->showPlanning();
        QVERIFY(w);
        w->PlanDir = plans->path();
    }
    void cleanup() {
        w = nullptr;
        prog.reset();
        plans.reset();
    }

    // File, Save in either format: the page locked under the file-name frame, the plan file of
    // 1 + 18 * 3 + 2 lines and the text report of that format, the page given back, and the
    // name offered at the next save.
    void saveFromMenu_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("heading");  // lines 3 to 6 of the text report
        QTest::newRow("pilot") << 0
                               << QStringList{
                                      blanks(15) + kTitle + "1/15/2027", blanks(14) + kTotals,
                                      "trip" + blanks(54 + 9) + "Test Jet 35", QString(78, u'-')};
        QTest::newRow("summary") << 1
                                 << QStringList{
                                        blanks(11) + kTitle + "1/15/2027", blanks(10) + kTotals,
                                        "trip" + blanks(45 + 9) + "Test Jet 35", QString(69, u'-')};
    }
    void saveFromMenu() {
        QFETCH(int, format);
        QFETCH(QStringList, heading);
        QVERIFY(enterPlan());
        w->mnuSaveArray[size_t(format)]->trigger();
        QVERIFY(w->frameTXName->isVisible());
        QVERIFY(!w->mnufil->menuAction()->isEnabled() && !w->mnuView->menuAction()->isEnabled());
        QVERIFY(!w->lboTX->isEnabled() && !w->cmdContinuePlanning->isEnabled() &&
                !w->cmdExitTX->isEnabled() && !w->txtLeg->isEnabled());
        const bool pilot = format == 0;
        for (QAction* a : {w->mnuViePilot, w->mnuFilPriPilot, w->mnuSaveArray[0]})
            QCOMPARE(a->isChecked(), pilot);
        for (QAction* a : {w->mnuVieSummary, w->mnuFilPriSum, w->mnuSaveArray[1]})
            QCOMPARE(a->isChecked(), !pilot);
        typeName("trip");

        QCOMPARE(planFiles(), QStringList({"trip.tx", "trip.txt"}));
        QCOMPARE(fileLines("trip.tx").size(), 57);
        QCOMPARE(fileLines("trip.txt").mid(2, 4), heading);
        QVERIFY(pageOpen());
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
        QCOMPARE(w->PlanFileName, QString("trip"));
        QVERIFY(prog->platform.messages.isEmpty());
        w->mnuSaveArray[1 - size_t(format)]->trigger();
        QCOMPARE(w->txtTXFileName->text(), QString("trip"));
    }

    // "&Save" in a view frame locks that frame's six controls under the file-name frame; O. K.
    // saves in the frame's format, and O. K. or Cancel gives the controls back in the view.
    void saveFromView_data() {
        QTest::addColumn<bool>("pilot");
        QTest::addColumn<bool>("ok");
        QTest::newRow("pilot, O. K.") << true << true;
        QTest::newRow("pilot, Cancel") << true << false;
        QTest::newRow("summary, O. K.") << false << true;
        QTest::newRow("summary, Cancel") << false << false;
    }
    void saveFromView() {
        QFETCH(bool, pilot);
        QFETCH(bool, ok);
        QVERIFY(enterPlan());
        (pilot ? w->mnuViePilot : w->mnuVieSummary)->trigger();
        const QList<QWidget*> own =
            pilot ? QList<QWidget*>{w->cmdPExitToPlanPage, w->cmdSummaryFormat, w->cmdPSave,
                                    w->cmdPilPrint,        w->cmdPilotComments, w->lboPilot}
                  : QList<QWidget*>{w->cmdSExitToPlanPage, w->cmdPilotFormat, w->cmdSSave,
                                    w->cmdSumPrint,        w->cmdSumComments, w->lboSummary};
        auto enabled = [&] {
            return std::count_if(own.begin(), own.end(), [](QWidget* c) { return c->isEnabled(); });
        };
        QTest::mouseClick(pilot ? w->cmdPSave : w->cmdSSave, Qt::LeftButton);
        QVERIFY(w->frameTXName->isVisible());
        QCOMPARE(enabled(), 0);
        typeName("trip", ok);
        QCOMPARE(enabled(), 6);
        QVERIFY(w->frameTXName->isHidden() &&
                (pilot ? w->framePilot : w->frameSummary)->isVisible());
        QVERIFY(w->SaveOrigin.isEmpty());
        if (!ok) {
            QVERIFY(planFiles().isEmpty());
            return;
        }
        QCOMPARE(planFiles(), QStringList({"trip.tx", "trip.txt"}));
        QCOMPARE(fileLines("trip.txt").value(2), blanks(pilot ? 15 : 11) + kTitle + "1/15/2027");
    }

    // The file-name box drops the characters that would change a file's name or place, with a
    // beep; Return moves to "&O. K." without saving.
    void fileNameKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        for (const char* refused : {",", ".", "'", "\\", "/", "\""})
            QTest::addRow("%s", refused) << refused << "ab"
                                         << "txtTXFileName";
        QTest::newRow("letter") << "c"
                                << "abc"
                                << "txtTXFileName";
        QTest::newRow("digit") << "7"
                               << "ab7"
                               << "txtTXFileName";
        QTest::newRow("Return") << "\r"
                                << "ab"
                                << "cmdFilNamOK";
    }
    void fileNameKeys() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        QVERIFY(enterPlan());
        w->mnuSaveArray[0]->trigger();
        QTest::keyClicks(w->txtTXFileName, "ab");
        if (key == "\r")
            QTest::keyClick(w->txtTXFileName, Qt::Key_Return);
        else
            QTest::keyClicks(w->txtTXFileName, key);
        QCOMPARE(w->txtTXFileName->text(), text);
        QCOMPARE(prog->platform.beeps, text == "ab" && key != "\r" ? 1 : 0);
        QCOMPARE(focusName(), focus);
        QVERIFY(w->frameTXName->isVisible() && planFiles().isEmpty());
    }

    // The question before a new plan, a retrieve and the exit, with its answers; an empty plan
    // is not offered for saving.
    void saveQuestions_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("legs");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("title");  // "" when no question is asked
        QTest::addColumn<QString>("after");  // "new plan", "retrieve frame", "ended", "kept"
        QTest::newRow("new, Yes") << "new" << true << Answer::Yes << "Begin New Tarvex Plan ?"
                                  << "new plan";
        QTest::newRow("new, No") << "new" << true << Answer::No << "Begin New Tarvex Plan ?"
                                 << "new plan";
        QTest::newRow("new, empty plan") << "new" << false << Answer::Yes << ""
                                         << "new plan";
        QTest::newRow("retrieve, Yes") << "retrieve" << true << Answer::Yes << "Save Tarvex Plan ?"
                                       << "retrieve frame";
        QTest::newRow("retrieve, No") << "retrieve" << true << Answer::No << "Save Tarvex Plan ?"
                                      << "retrieve frame";
        QTest::newRow("retrieve, empty plan") << "retrieve" << false << Answer::Yes << ""
                                              << "retrieve frame";
        QTest::newRow("exit, Yes") << "exit" << true << Answer::Yes << "TX Save ??"
                                   << "ended";
        QTest::newRow("exit, No") << "exit" << true << Answer::No << "TX Save ??"
                                  << "ended";
        QTest::newRow("exit, Cancel") << "exit" << true << Answer::Cancel << "TX Save ??"
                                      << "kept";
        QTest::newRow("exit, empty plan") << "exit" << false << Answer::Yes << ""
                                          << "ended";
    }
    void saveQuestions() {
        QFETCH(QString, command);
        QFETCH(bool, legs);
        QFETCH(Answer, answer);
        QFETCH(QString, title);
        QFETCH(QString, after);
        if (legs) QVERIFY(enterPlan());
        FakePlatform& p = prog->platform;
        p.answers = {answer};
        if (command == "new")
            w->mnuFilNew->trigger();
        else if (command == "retrieve")
            w->mnuFilRetDel[0]->trigger();
        else
            QTest::mouseClick(w->cmdExitTX, Qt::LeftButton);

        if (title.isEmpty()) {
            QVERIFY(p.messages.isEmpty());
        } else {
            QCOMPARE(p.messages.size(), 1);
            const FakePlatform::Message& m = p.messages[0];
            const bool exit = command == "exit";
            QCOMPARE(m.text, exit ? kExitQuestion : kSaveQuestion);
            QCOMPARE(m.title, title);
            QCOMPARE(m.buttons, exit ? Buttons::YesNoCancel : Buttons::YesNo);
            if (exit) QCOMPARE(m.defaultButton, Answer::No);
        }
        const bool saving = !title.isEmpty() && answer == Answer::Yes;
        QCOMPARE(w->frameTXName->isVisible(), saving);
        if (saving) {
            QCOMPARE(prog->quitCalls, 0);
            QCOMPARE(w->lboTX->count(), 3);
            typeName("trip");
            QCOMPARE(planFiles(), QStringList({"trip.tx", "trip.txt"}));
        } else {
            QVERIFY(planFiles().isEmpty());
        }
        QCOMPARE(prog->quitCalls, after == "ended" ? 1 : 0);
        if (after == "new plan") {
            QCOMPARE(w->lboTX->count(), 0);
            QCOMPARE(w->txtLeg->text(), QString("1"));
            QCOMPARE(w->cmdContinuePlanning->text(), QString("&Begin Planning"));
            QCOMPARE(focusName(), QString("cmdContinuePlanning"));
            QVERIFY(!w->mnuFilNew->isEnabled() && !w->mnuViePilot->isEnabled());
            QVERIFY(w->mnuFilRetDel[1]->isEnabled() && w->PlanFileName.isEmpty());
            QVERIFY(w->PendingAction.isEmpty());
        } else if (after == "retrieve frame") {
            QVERIFY(w->frameTXRetDel->isVisible());
            QCOMPARE(w->frameTXRetDel->title(), QString(" Retrieve Tarvex Plan "));
            QCOMPARE(w->cmdRetDelTX->text(), QString("&Retrieve"));
            QCOMPARE(rows(w->flbTXRetrieve), saving ? QStringList{"trip.tx"} : QStringList{});
            QCOMPARE(w->lboTX->count(), 0);
            QVERIFY(w->PendingAction.isEmpty());
            // The plan is empty from here on: Cancel leaves nothing to save, print or view.
            QTest::mouseClick(w->cmdCanRetrieve, Qt::LeftButton);
            QVERIFY(pageOpen() && w->frameTXRetDel->isHidden());
            for (QAction* a : {w->mnuFilNew, w->mnuFilSave->menuAction(),
                               w->mnuFilPrint->menuAction(), w->mnuViePilot, w->mnuVieSummary})
                QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        } else if (after == "kept") {
            QVERIFY(pageOpen() && w->ExitMode.isEmpty());
            QCOMPARE(w->lboTX->count(), 3);
        }
    }

    // Exit, Yes, then Cancel in the file-name frame: the program goes on, and the next save
    // that completes ends it.
    void exitCancelledThenSaved() {
        QVERIFY(enterPlan());
        prog->platform.answers = {Answer::Yes};
        w->mnuFilExit->trigger();
        typeName("trip", false);
        QVERIFY(pageOpen() && planFiles().isEmpty());
        QCOMPARE(prog->quitCalls, 0);
        savePlan("trip", 1);
        QCOMPARE(planFiles(), QStringList({"trip.tx", "trip.txt"}));
        QCOMPARE(prog->quitCalls, 1);
    }

    // A saved plan of four legs, retrieved into an empty one: all three lists as they were, the
    // entry ready for leg 5 from leg 4's destination, and leg 5 typed on from there.
    void retrieveFourLegPlan() {
        QVERIFY(enterPlan(true));
        const QStringList planning = rows(w->lboTX), pilot = rows(w->lboPilot),
                          summary = rows(w->lboSummary);
        QCOMPARE(planning, kThreeLegLines + kLeg4Line);
        savePlan("four");
        prog->platform.answers = {Answer::No};
        w->mnuFilNew->trigger();
        QVERIFY(writeFile(planFile("Zulu.TX"), readFile(planFile("four.tx"))));

        w->mnuFilRetDel[0]->trigger();
        QCOMPARE(rows(w->flbTXRetrieve), QStringList({"four.tx", "Zulu.TX"}));
        QCOMPARE(w->flbTXRetrieve->currentRow(), 0);
        QCOMPARE(focusName(), QString("flbTXRetrieve"));
        typeAndReturn({});  // Return in the list goes to the button, which takes the next one
        QCOMPARE(focusName(), QString("cmdRetDelTX"));
        typeAndReturn({});

        QVERIFY(w->frameTXRetDel->isHidden());
        QCOMPARE(rows(w->lboTX), planning);
        QCOMPARE(rows(w->lboPilot), pilot);
        QCOMPARE(rows(w->lboSummary), summary);
        QCOMPARE(w->lblTXDist->text() + '|' + w->lblTXTime->text(), QString("436| 1+20"));
        const QStringList entry{
            w->txtLeg->text(),    w->txtTorL->text(),  w->txtDate->text(),
            w->txtTime->text(),   w->txtDepID->text(), w->txtDepCity->text(),
            w->txtDestID->text(), w->txtWind->text(),  w->txtFuelReserve->text()};
        QCOMPARE(entry, QStringList({"5", "T", prog->s.leg(4).DateEntry, "", "KDEN", "Denver, CO",
                                     "", "", "1200"}));
        QCOMPARE(w->cmdContinuePlanning->text(), QString("&Continue Planning"));
        QCOMPARE(focusName(), QString("cmdContinuePlanning"));
        QVERIFY(w->mnuFilNew->isEnabled() && w->mnuViePilot->isEnabled());
        QVERIFY(!w->mnuEdit->menuAction()->isEnabled());
        QCOMPARE(w->PlanFileName, QString("four"));

        QTest::mouseClick(w->cmdContinuePlanning, Qt::LeftButton);
        for (const char* entry : {"", "", "", "1600", "", "kase", "", ""}) typeAndReturn(entry);
        QCOMPARE(rows(w->lboTX), planning + QStringList{kLeg5Line});
    }

    // A file that does not read as a plan: the earlier-version message, an empty plan, the file
    // as it was.
    void retrieveDamaged_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("text for the count") << "text";
        QTest::newRow("count 3, two leg records") << "cut";
    }
    void retrieveDamaged() {
        QFETCH(QString, damage);
        QVERIFY(enterPlan());
        savePlan("trip");
        QByteArray bytes = readFile(planFile("trip.tx"));
        if (damage == "text") {
            bytes = "\"Trip\"\r\n" + bytes;
        } else {  // without leg 3's 18 lines
            QList<QByteArray> lines = bytes.split('\n');
            lines.remove(1 + 2 * 18, 18);
            bytes = lines.join('\n');
        }
        QVERIFY(writeFile(planFile("trip.tx"), bytes));
        retrieve("trip.tx");

        const FakePlatform::Message& m = prog->platform.messages.last();
        QCOMPARE(m.text + '|' + m.title, kEarlierVersion + "|Sorry!");
        QCOMPARE(m.buttons, Buttons::OK);
        QCOMPARE(w->lboTX->count() + w->lboPilot->count() + prog->s.NumLegs, 0);
        QCOMPARE(w->txtLeg->text() + w->txtDepID->text() + w->lblTXDist->text(), QString("1"));
        QVERIFY(!w->mnuFilNew->isEnabled() && !w->mnuFilSave->menuAction()->isEnabled());
        QVERIFY(w->cmdContinuePlanning->isEnabled() && w->cmdExitTX->isEnabled());
        QCOMPARE(readFile(planFile("trip.tx")), bytes);
    }

    // Delete takes the plan file and its text report, in any letter case, and nothing else.
    void deleteRemovesPlanAndReport() {
        QVERIFY(enterPlan());
        savePlan("trip");
        for (const char* other : {"Trip.TXT", "trip.pdf", "trip.doc", "other.tx"})
            QVERIFY(writeFile(planFile(other), "kept"));
        w->mnuFilRetDel[1]->trigger();
        QCOMPARE(w->frameTXRetDel->title(), QString(" Delete Tarvex Plan "));
        QCOMPARE(w->cmdRetDelTX->text(), QString("&Delete"));
        QCOMPARE(rows(w->flbTXRetrieve), QStringList({"other.tx", "trip.tx"}));
        clickRow(w->flbTXRetrieve, 1);
        QTest::mouseClick(w->cmdRetDelTX, Qt::LeftButton);
        QCOMPARE(planFiles(), QStringList({"other.tx", "trip.doc", "trip.pdf"}));
        QVERIFY(prog->platform.messages.isEmpty());
        QVERIFY(pageOpen() && w->frameTXRetDel->isHidden());
        QCOMPARE(w->lboTX->count(), 3);
    }

    // A save that fails says which file and why; the frame stays open, the plan stays in memory,
    // an older plan file stays whole and what waited for the save does not happen.
    void failedSave_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("then");    // what waits for the save: "exit", "new", "retrieve"
        QTest::addColumn<QString>("file");    // named in the message, "" for the name itself
        QTest::addColumn<QString>("reason");  // part of the message
        QTest::newRow("empty name") << "empty"
                                    << "exit"
                                    << ""
                                    << "name";
        QTest::newRow("blank name") << "blank"
                                    << "new"
                                    << ""
                                    << "name";
        QTest::newRow("folder named trip.tx") << "folder trip.tx"
                                              << "exit"
                                              << "trip.tx"
                                              << "directory";
        QTest::newRow("folder named trip.txt") << "folder trip.txt"
                                               << "retrieve"
                                               << "trip.txt"
                                               << "directory";
        QTest::newRow("plan folder gone") << "no folder"
                                          << "new"
                                          << "trip.tx"
                                          << "No such file";
        QTest::newRow("disk full") << "full"
                                   << "exit"
                                   << "trip.tx"
                                   << "File too large";
    }
    void failedSave() {
        QFETCH(QString, cause);
        QFETCH(QString, then);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QVERIFY(enterPlan());
        const QByteArray older = "older plan\r\n";
        if (cause.startsWith("folder")) QVERIFY(QDir(plans->path()).mkdir(cause.mid(7)));
        if (cause == "no folder") w->PlanDir = plans->filePath("gone");
        if (cause == "full") QVERIFY(writeFile(planFile("trip.tx"), older));
        const QStringList before = planFiles();

        FakePlatform& p = prog->platform;
        p.answers = {Answer::Yes};
        if (then == "exit")
            w->mnuFilExit->trigger();
        else
            (then == "new" ? w->mnuFilNew : w->mnuFilRetDel[0])->trigger();
        p.messages.clear();
        const QString name = cause == "empty" ? "" : cause == "blank" ? "   " : "trip";
        if (cause == "full") {
            // Files may not grow beyond 100 bytes: every write past that fails.
            rlimit saved{};
            QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
            rlimit small = saved;
            small.rlim_cur = 100;
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
            typeName(name);
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            typeName(name);
        }

        QCOMPARE(p.messages.size(), 1);
        const QString text = p.messages[0].text;
        if (!file.isEmpty())
            QVERIFY2(text.contains(QDir::toNativeSeparators(QDir(w->PlanDir).filePath(file))),
                     qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QCOMPARE(p.messages[0].buttons, Buttons::OK);
        QVERIFY(w->frameTXName->isVisible() && w->frameTXRetDel->isHidden());
        QCOMPARE(focusName(), QString("txtTXFileName"));
        QCOMPARE(prog->quitCalls, 0);
        QCOMPARE(w->lboTX->count(), 3);
        QCOMPARE(prog->s.NumLegs, 3);
        if (cause == "full") QCOMPARE(readFile(planFile("trip.tx")), older);
        if (cause == "folder trip.txt") QCOMPARE(fileLines("trip.tx").size(), 57);

        // Cancel closes the frame; the plan is still there.
        QTest::mouseClick(w->cmdFilNamCancel, Qt::LeftButton);
        QVERIFY(w->frameTXName->isHidden());
        QCOMPARE(prog->quitCalls, 0);
        QCOMPARE(rows(w->lboTX), kThreeLegLines);
        if (cause != "folder trip.txt") QCOMPARE(planFiles(), before);
    }

    // The aircraft a retrieved plan names: loaded when it reads, else the aircraft in use stays
    // and a message names the file; the plan's stored texts are kept either way.
    void retrievedAircraft_data() {
        QTest::addColumn<QString>("aircraft");  // written in the plan file
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("type");  // in use afterwards
        QTest::newRow("present") << "OTHER.AC" << QByteArray("other") << "Other Jet 50";
        QTest::newRow("missing") << "GONE.AC" << QByteArray() << TestProgram::kAircraftType;
        QTest::newRow("damaged") << "BAD.AC" << QByteArray("junk\r\n")
                                 << TestProgram::kAircraftType;
    }
    void retrievedAircraft() {
        QFETCH(QString, aircraft);
        QFETCH(QByteArray, content);
        QFETCH(QString, type);
        const QDir program(prog->dir());
        QByteArray ac = readFile(program.filePath("TEST.AC"));
        if (content == "other") ac.replace("Test Jet 35", "Other Jet 50");
        if (!content.isEmpty())
            QVERIFY(writeFile(program.filePath(aircraft), content == "other" ? ac : content));
        QVERIFY(enterPlan());
        savePlan("trip");
        QByteArray plan = readFile(planFile("trip.tx"));
        QVERIFY(plan.contains(",\"TEST.AC\"\r\n"));
        plan.replace(",\"TEST.AC\"\r\n", ",\"" + aircraft.toLatin1() + "\"\r\n");
        QVERIFY(writeFile(planFile("trip.tx"), plan));
        retrieve("trip.tx");

        QCOMPARE(rows(w->lboTX), kThreeLegLines);
        QCOMPARE(prog->s.ACType, type);
        for (int i : {1, 2, 3}) QCOMPARE(w->lblACType[size_t(i)]->text(), type);
        const bool loads = content == "other";
        QCOMPARE(prog->s.ACFileName, loads ? aircraft : QString("TEST.AC"));
        const QList<FakePlatform::Message>& m = prog->platform.messages;
        QCOMPARE(m.size(), loads ? 1 : 2);  // the save question, and the aircraft's message
        if (!loads) QVERIFY2(m.last().text.contains(aircraft), qPrintable(m.last().text));
    }
};

QTEST_MAIN(TestPlanFiles)
#include "test_plan_files.moc"
