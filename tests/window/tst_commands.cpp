// "Save INI" and the two "Launch" buttons, driven through the window as a player would.
#include "app/settings.h"
#include "game/gamefinder.h"
#include "roster/botsini.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray SampleRoster =
    "; my roster\r\n[Map]\r\nname = crossfire\r\nquantity=3\r\nrandom=1\r\n"
    "[Bot]\r\nname=Al\r\nmodel=robo\r\ntopcolor=5\r\nbottomcolor=6\r\n";

// What "Save INI" writes for SampleRoster: the comment line is gone, the random flag was stored
// from the check box, and one more line break follows the composed text.
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

// Writes the fake game to game/file and stores game/storedName as the game's path (the two may
// differ in case), and the parameters unless they are null.
void storeFakeGame(const QTemporaryDir& game, const QString& file, const QString& storedName,
                   const QString& parameters = {}) {
    QVERIFY(writeFakeGame(game.filePath(file)));
    writeStoredSettings({{SettingsKeys::GamePath, game.filePath(storedName)}});
    if (!parameters.isNull())
        writeStoredSettings({{SettingsKeys::Parameters, parameters}});
}

QStringList items(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

} // namespace

class TestCommands : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        WindowTest::init();
        programFolderWith(folder, SampleRoster);
    }
    void saveWritesTheRosterAndTheSettings();
    void saveRebuildsBothListsFromAChangedPath();
    void saveFailureIsShownAndKeepsTheRoster();
    void saveAsksBeforeOverwritingAnOutsideEdit_data();
    void saveAsksBeforeOverwritingAnOutsideEdit();
    void launchUsesTheStoredPathNotTheBoxes();
    void launchStartsTheGamesProgram_data();
    void launchStartsTheGamesProgram();
    void failedLaunchIsShown();
};

void TestCommands::saveWritesTheRosterAndTheSettings() {
    ShownWindow window(folder.path());
    clickTab(window, 2);
    control<QLineEdit>(window, "parametersEdit")->setText(u"-dev +map x"_s);
    clickButton(window, "saveIniButton");
    QCOMPARE(readBytes(iniPath()), Saved);
    QCOMPARE(iniTextOf(window), QString::fromLatin1(Saved.chopped(2)));
    QCOMPARE(readStoredSetting(SettingsKeys::Parameters, {}), u"-dev +map x"_s);
    QCOMPARE(readStoredSetting(SettingsKeys::GamePath, {}), u"C:\\Half-Life\\HL.exe"_s);
}

void TestCommands::saveRebuildsBothListsFromAChangedPath() {
    QTemporaryDir game;
    QDir(game.path()).mkpath(u"valve/maps"_s);
    QDir(game.path()).mkpath(u"valve/models/player/zombie"_s);
    writeBytes(game.filePath(u"valve/maps/rapidcore.bsp"_s), "");
    writeBytes(game.filePath(u"valve/models/player/zombie/zombie.bmp"_s), "BM");
    ShownWindow window(folder.path());
    // A model and map name typed on the pages, then stored by the tab change.
    control<QComboBox>(window, "modelCombo")->setEditText(u"zombie"_s);
    clickTab(window, 2);
    control<QLineEdit>(window, "gamePathEdit")->setText(game.filePath(u"HL.EXE"_s));
    clickButton(window, "saveIniButton");

    const auto* models = control<QComboBox>(window, "modelCombo");
    const auto* maps = control<QComboBox>(window, "mapNameCombo");
    QCOMPARE(items(models), (QStringList{u"gina"_s, u"gordon"_s, u"helmet"_s, u"hgrunt"_s,
                                         u"scientist"_s, u"zombie"_s}));
    QCOMPARE(items(maps).size(), 10);
    QCOMPARE(items(maps).last(), u"rapidcore"_s);
    QCOMPARE(models->currentText(), u"zombie"_s);
    QVERIFY(models->toolTip().contains(u"zombie.bmp"_s)); // the new folder has its picture
    QCOMPARE(maps->currentText(), u"crossfire"_s);
    QVERIFY(readBytes(iniPath()).contains("Model           = zombie\r\n"));
}

// Why a write fails, and that it leaves the file and no temporary one behind, is the atomic
// write's to catch (tst_platform); here that the player is told and the roster is kept.
void TestCommands::saveFailureIsShownAndKeepsTheRoster() {
    ShownWindow window(folder.path());
    QFile::remove(iniPath());
    QVERIFY(QDir(folder.path()).mkdir(u"bots.ini"_s));
    QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"2"_s);
    clickTab(window, 2);
    MessageCapture messages;
    clickButton(window, "saveIniButton");

    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(iniPath())),
             qPrintable(messages.texts[0]));
    QCOMPARE(rosterOf(window).bots.at(1).name, u"Al2"_s);

    // Once the cause is gone, the same roster saves.
    QVERIFY(QDir(folder.path()).rmdir(u"bots.ini"_s));
    clickButton(window, "saveIniButton");
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(readBytes(iniPath()).contains("Name            = Al2\r\n"));
}

// When the file changed elsewhere is the document's to tell (tst_rosterdocument); here the
// question the player gets, and what each answer does.
void TestCommands::saveAsksBeforeOverwritingAnOutsideEdit_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("overwrite") << int(Answer::Overwrite);
    QTest::newRow("cancel") << int(Answer::Cancel);
}

void TestCommands::saveAsksBeforeOverwritingAnOutsideEdit() {
    QFETCH(int, answer);
    ShownWindow window(folder.path());
    QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"2"_s);
    clickTab(window, 2);
    const QByteArray outside = "; tuned by a server tool\r\n[Bot]\r\nname=Other\r\n";
    QVERIFY(writeBytes(iniPath(), outside));

    QuestionCapture questions({Answer(answer)});
    clickButton(window, "saveIniButton");
    QCOMPARE(questions.asked.size(), 1);
    QCOMPARE(questions.asked[0].text, u"bots.ini was changed by another program since Zelvik "
                                      u"read it. Overwrite it with the roster shown here?"_s);
    QCOMPARE(questions.asked[0].answers, (QList<Answer>{Answer::Overwrite, Answer::Cancel}));
    QCOMPARE(questions.asked[0].defaultAnswer, Answer::Cancel);
    QCOMPARE(questions.asked[0].escapeAnswer, Answer::Cancel);
    if (Answer(answer) == Answer::Overwrite)
        QVERIFY(readBytes(iniPath()).contains("Name            = Al2\r\n"));
    else
        QCOMPARE(readBytes(iniPath()), outside);
}

void TestCommands::launchUsesTheStoredPathNotTheBoxes() {
    QTemporaryDir game;
    storeFakeGame(game, u"hl.exe"_s, u"HL.exe"_s, u"-game valve +map \"boot camp\""_s);
    ShownWindow window(folder.path());
    // Typed but not saved: Launch does not see these.
    control<QLineEdit>(window, "gamePathEdit")->setText(u"/nowhere/hl.exe"_s);
    control<QLineEdit>(window, "parametersEdit")->setText(u"-typed"_s);
    QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"Z"_s);
    clickTab(window, 2);
    clickTab(window, 0);
    QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"Q"_s); // still on view

    clickButton(window, "launchFromBotsButton");
    const QStringList expected{u"hl.exe"_s, QDir(game.path()).canonicalPath(),
                               u"-game"_s,  u"valve"_s,
                               u"+map"_s,   u"boot camp"_s};
    QCOMPARE(fakeGameRecord(game.path()), expected);
    // iniTextView shows the roster as it stands now, the edit on view kept; the file is untouched.
    QVERIFY(iniTextOf(window).contains(u"Name            = AlZQ\r\n"_s));
    QCOMPARE(readBytes(iniPath()), SampleRoster);

    QFile::remove(game.filePath(u"record.txt"_s));
    clickTab(window, 1);
    clickButton(window, "launchFromMapsButton");
    QCOMPARE(fakeGameRecord(game.path()), expected);
}

void TestCommands::launchStartsTheGamesProgram_data() {
    QTest::addColumn<QString>("stored"); // the stored path's file name
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("started");
    QTest::newRow("client, any case") << u"HL.exe"_s << QStringList{u"hl.exe"_s} << u"hl.exe"_s;
    QTest::newRow("server by the path's end")
        << u"HLDS.EXE"_s << QStringList{u"hlds.exe"_s, u"hl.exe"_s} << u"hlds.exe"_s;
    if (HostIsWindows)
        return; // Windows starts hl.exe or hlds.exe only
    // The order among the programs is the game library's (tst_gamefinder's launchProgram); here
    // only that Launch asks it, for the client or the server as the stored path says.
    QTest::newRow("client, only hl_linux")
        << u"hl.exe"_s << QStringList{u"hl_linux"_s} << u"hl_linux"_s;
    QTest::newRow("server, only hlds_linux")
        << u"hlds.exe"_s << QStringList{u"hlds_linux"_s, u"hl.sh"_s} << u"hlds_linux"_s;
}

// No stored parameters: the game gets none, whatever the box shows.
void TestCommands::launchStartsTheGamesProgram() {
    QFETCH(QString, stored);
    QFETCH(QStringList, files);
    QFETCH(QString, started);
    QTemporaryDir game;
    for (const QString& file : files)
        QVERIFY(writeFakeGame(game.filePath(file)));
    writeStoredSettings({{SettingsKeys::GamePath, game.filePath(stored)}});
    ShownWindow window(folder.path());
    clickButton(window, "launchFromBotsButton");
    QCOMPARE(fakeGameRecord(game.path()),
             (QStringList{started, QDir(game.path()).canonicalPath()}));
}

void TestCommands::failedLaunchIsShown() {
    writeStoredSettings({{SettingsKeys::GamePath, folder.filePath(u"missing/hl.exe"_s)}});
    ShownWindow window(folder.path());
    MessageCapture messages;
    clickButton(window, "launchFromMapsButton");
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(QDir::toNativeSeparators(folder.filePath(u"missing"_s))),
             qPrintable(messages.texts[0]));
    QCOMPARE(readBytes(iniPath()), SampleRoster);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
