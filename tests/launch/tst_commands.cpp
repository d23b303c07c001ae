// "Save INI" and the two "Launch" buttons, driven through the window as a player would.
#include "launch/commands.h"
#include "roster/botsini.h"
#include "testsupport.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Roster = "; my roster\r\n[Map]\r\nname = crossfire\r\nquantity=3\r\nrandom=1\r\n"
                          "[Bot]\r\nname=Al\r\nmodel=robo\r\ntopcolor=5\r\nbottomcolor=6\r\n";

// What "Save INI" writes for Roster: the comment line is gone, the random flag was stored from
// the check box, and one more line break follows the composed text.
const QByteArray Saved = "[Map]\r\n"
                         "Name            = crossfire\r\n"
                         "Quantity        = 3\r\n"
                         "Random          = Yes\r\n"
                         "InitialDelay    = \r\n"
                         "SpawnDelay      = \r\n"
                         "WaitForPlayers  = \r\n"
                         "KeepServerFull  = \r\n"
                         "\r\n"
                         "[Bot]\r\n"
                         "Name            = Al\r\n"
                         "Model           = robo\r\n"
                         "TopColor        = 5\r\n"
                         "BottomColor     = 6\r\n"
                         "\r\n"
                         "\r\n";

template <typename T> T* control(frmMain& window, const QString& name) {
    return window.findChild<T*>(name);
}

void click(frmMain& window, const QString& button) {
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

void showTab(frmMain& window, int index) {
    auto* tabs = control<QTabBar>(window, u"TabStrip1"_s);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

QStringList items(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString iniPath() const { return folder.filePath(u"bots.ini"_s); }

private slots:
    void initTestCase() { isolateSettings(); }
    void init() {
        clearSettings();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        writeBytes(iniPath(), Roster);
    }
    void saveWritesTheRosterAndTheSettings();
    void saveRebuildsBothListsFromAChangedPath();
    void saveFailureKeepsFileAndRoster_data();
    void saveFailureKeepsFileAndRoster();
    void launchUsesTheStoredPathNotTheBoxes();
    void launchChoosesTheServerByThePathsEnd();
    void launchRunsNoShell();
    void failedLaunchIsShown();
};

void TestCommands::saveWritesTheRosterAndTheSettings() {
    frmMain window(folder.path());
    window.show();
    showTab(window, 2);
    control<QLineEdit>(window, u"txtParameters"_s)->setText(u"-dev +map x"_s);
    click(window, u"cmdSaveINI"_s);
    QCOMPARE(readBytes(iniPath()), Saved);
    QCOMPARE(window.text1(), QString::fromLatin1(Saved.chopped(2)));
    QCOMPARE(ReadStoredSetting(SettingsKeys::HLParameters, {}), u"-dev +map x"_s);
    QCOMPARE(ReadStoredSetting(SettingsKeys::HLPath, {}), u"C:\\Half-Life\\HL.exe"_s);
}

void TestCommands::saveRebuildsBothListsFromAChangedPath() {
    QTemporaryDir game;
    QDir(game.path()).mkpath(u"valve/maps"_s);
    QDir(game.path()).mkpath(u"valve/models/player/zombie"_s);
    writeBytes(game.filePath(u"valve/maps/rapidcore.bsp"_s), "");
    frmMain window(folder.path());
    window.show();
    // A model and map name typed on the pages, then stored by the tab change.
    control<QComboBox>(window, u"cmbModel"_s)->setEditText(u"zombie"_s);
    showTab(window, 2);
    control<QLineEdit>(window, u"txtExecutable"_s)->setText(game.filePath(u"HL.EXE"_s));
    click(window, u"cmdSaveINI"_s);

    const auto* models = control<QComboBox>(window, u"cmbModel"_s);
    const auto* maps = control<QComboBox>(window, u"cmbMaps"_s);
    QCOMPARE(items(models), (QStringList{u"gina"_s, u"gordon"_s, u"helmet"_s, u"hgrunt"_s,
                                         u"scientist"_s, u"zombie"_s}));
    QCOMPARE(items(maps).size(), 10);
    QCOMPARE(items(maps).last(), u"rapidcore"_s);
    QCOMPARE(models->currentText(), u"zombie"_s);
    QCOMPARE(maps->currentText(), u"crossfire"_s);
    QCOMPARE(window.module().GameFolder, game.path());
    QVERIFY(readBytes(iniPath()).contains("Model           = zombie\r\n"));
}

void TestCommands::saveFailureKeepsFileAndRoster_data() {
    QTest::addColumn<QString>("blocker");
    QTest::newRow("bots.ini is a folder") << u"folder"_s;
    QTest::newRow("read-only bots.ini") << u"read-only file"_s;
    QTest::newRow("read-only program folder") << u"read-only folder"_s;
}

void TestCommands::saveFailureKeepsFileAndRoster() {
    QFETCH(QString, blocker);
    if (blocker != u"folder"_s && runningAsRoot()) {
        QString cannotRun;
        const QString failure = rerunAsNobody(u"saveFailureKeepsFileAndRoster:"_s +
                                                  QString::fromLatin1(QTest::currentDataTag()),
                                              &cannotRun);
        if (!cannotRun.isEmpty())
            QSKIP(qPrintable(cannotRun));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        return;
    }
    frmMain window(folder.path());
    window.show();
    if (blocker == u"folder"_s) {
        QFile::remove(iniPath());
        QVERIFY(QDir(folder.path()).mkdir(u"bots.ini"_s));
    } else if (blocker == u"read-only file"_s) {
        QVERIFY(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup));
    } else {
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray before = readBytes(iniPath());
    QTest::keyClicks(control<QLineEdit>(window, u"txtBotName"_s), u"2"_s);
    showTab(window, 2);
    MessageCapture messages;
    click(window, u"cmdSaveINI"_s);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(iniPath())),
             qPrintable(messages.texts[0]));
    QCOMPARE(readBytes(iniPath()), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
             blocker == u"folder"_s ? 0 : 1); // no temporary file left behind
    QCOMPARE(window.module().Bots[1].Name, u"Al2"_s);

    // Once the cause is gone, the same roster saves.
    if (blocker == u"folder"_s)
        QVERIFY(QDir(folder.path()).rmdir(u"bots.ini"_s));
    click(window, u"cmdSaveINI"_s);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(readBytes(iniPath()).contains("Name            = Al2\r\n"));
}

void TestCommands::launchUsesTheStoredPathNotTheBoxes() {
    QTemporaryDir game;
    writeFakeGame(game.filePath(u"hl.exe"_s));
    WriteStoredSetting(SettingsKeys::HLPath, game.filePath(u"HL.exe"_s));
    WriteStoredSetting(SettingsKeys::HLParameters, u"-game valve +map \"boot camp\""_s);
    frmMain window(folder.path());
    window.show();
    // Typed but not saved: Launch does not see these.
    control<QLineEdit>(window, u"txtExecutable"_s)->setText(u"/nowhere/hl.exe"_s);
    control<QLineEdit>(window, u"txtParameters"_s)->setText(u"-typed"_s);
    QTest::keyClicks(control<QLineEdit>(window, u"txtBotName"_s), u"Z"_s);
    showTab(window, 2);
    showTab(window, 0);

    click(window, u"Command6"_s);
    const QStringList expected{QDir(game.path()).canonicalPath(), u"-game"_s, u"valve"_s, u"+map"_s,
                               u"boot camp"_s};
    QCOMPARE(fakeGameRecord(game.path()), expected);
    // Text1 shows the roster as it stands now; the file is untouched.
    QVERIFY(window.text1().contains(u"Name            = AlZ\r\n"_s));
    QCOMPARE(readBytes(iniPath()), Roster);

    QFile::remove(game.filePath(u"record.txt"_s));
    showTab(window, 1);
    click(window, u"Command3"_s);
    QCOMPARE(fakeGameRecord(game.path()), expected);
}

void TestCommands::launchChoosesTheServerByThePathsEnd() {
    QTemporaryDir game;
    writeFakeGame(game.filePath(u"hlds.exe"_s));
    WriteStoredSetting(SettingsKeys::HLPath, game.filePath(u"HLDS.EXE"_s));
    frmMain window(folder.path());
    window.show();
    click(window, u"Command6"_s);
    // No stored parameters: the server gets none, whatever the box shows.
    QCOMPARE(fakeGameRecord(game.path()), QStringList{QDir(game.path()).canonicalPath()});
}

void TestCommands::launchRunsNoShell() {
    QTemporaryDir game;
    writeFakeGame(game.filePath(u"hl.exe"_s));
    WriteStoredSetting(SettingsKeys::HLPath, game.filePath(u"hl.exe"_s));
    WriteStoredSetting(SettingsKeys::HLParameters, u"-game valve; touch pwned $(touch pwned2)"_s);
    frmMain window(folder.path());
    window.show();
    click(window, u"Command6"_s);
    QCOMPARE(
        fakeGameRecord(game.path()).mid(1),
        (QStringList{u"-game"_s, u"valve;"_s, u"touch"_s, u"pwned"_s, u"$(touch"_s, u"pwned2)"_s}));
    QVERIFY(!QFile::exists(game.filePath(u"pwned"_s)));
    QVERIFY(!QFile::exists(game.filePath(u"pwned2"_s)));
}

void TestCommands::failedLaunchIsShown() {
    WriteStoredSetting(SettingsKeys::HLPath, folder.filePath(u"missing/hl.exe"_s));
    frmMain window(folder.path());
    window.show();
    MessageCapture messages;
    click(window, u"Command3"_s);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(folder.filePath(u"missing"_s))),
             qPrintable(messages.texts[0]));
    QCOMPARE(readBytes(iniPath()), Roster);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
