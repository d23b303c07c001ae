// Opening and closing the window: what it takes from and gives back to the settings store, and
// that closing writes bots.ini only when the player asks for it.
#include "app/rosterdocument.h"
#include "app/settings.h"
#include "game/gamefinder.h"
#include "window/initextview.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray SampleRoster =
    "[Map]\r\nname=crossfire\r\n[Bot]\r\nname=A\r\nmodel=Barney\r\n"
    "[Bot]\r\nname=B\r\nmodel=gina\r\n[Bot]\r\nname=C\r\nmodel=gordon\r\n";

QString stored(const QString& key) {
    return readStoredSetting(key, u"<absent>"_s);
}

// The store client's folder in the user's data folder, where it installs itself on Linux.
QString gameStoreFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Steam"_s;
}

// Where a copy launcher keeps its add-on folder, which start-up takes over once.
QString launcherFolderFile() {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::home().filePath(u".config"_s);
    return configHome + u"/zelvik-launcher/addon-dir"_s;
}

// The game as its store client installs it under this (test) home; returns its folder. On
// Windows the store client's folder is a registry value, in the test's own Wine prefix.
QString installGame() {
    const QString steam = gameStoreFolder();
    if (HostIsWindows)
        QSettings(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat)
            .setValue(u"SteamPath"_s, steam);
    QString game = steam + u"/steamapps/common/Half-Life"_s;
    QDir().mkpath(game);
    writeFakeGame(game + (HostIsWindows ? u"/hl.exe"_s : u"/hl_linux"_s));
    return game;
}

// The player's answers as a data column holds them, and back.
QList<int> answers(std::initializer_list<Answer> list) {
    QList<int> ints;
    for (const Answer a : list)
        ints << int(a);
    return ints;
}
QList<Answer> replies(const QList<int>& ints) {
    QList<Answer> list;
    for (const int a : ints)
        list << Answer(a);
    return list;
}

// How many recovery copies lie in the data folder.
qsizetype recoveryCopies() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(data + u"/recovery"_s).entryList({u"*.recovery"_s}, QDir::Files).size();
}

// Types more onto the shown bot's name and presses "Save INI" on the INI page.
void editAndSave(const MainWindow& window, const QString& more) {
    clickTab(window, 0);
    QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), more);
    clickTab(window, 2);
    clickButton(window, "saveIniButton");
}

} // namespace

class TestStartup : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        WindowTest::init();
        programFolderWith(folder, SampleRoster);
    }
    void firstStartWithAnEmptyStore();
    void startupOpensTheChosenFolder_data();
    void startupOpensTheChosenFolder();
    void installedProgramAsksOnce_data();
    void installedProgramAsksOnce();
    void firstStartFindsTheInstalledGame();
    void storedValuesComeBack();
    void unusablePlaceGivesTheDefault_data();
    void unusablePlaceGivesTheDefault();
    void closeStoresPathParametersAndPlacement();
    void closeWhileMinimisedKeepsTheStoredPlacement();
    void closeWhileMaximisedStoresThatPlacement();
    void closeAsksBeforeDroppingEdits_data();
    void closeAsksBeforeDroppingEdits();
    void crashCopyIsOfferedAtStart_data();
    void crashCopyIsOfferedAtStart();
};

void TestStartup::firstStartWithAnEmptyStore() {
    ShownWindow window(folder.path());
    // 1000 twips at 15 twips a pixel. The window's size and its first tab are the layout's
    // (tst_mainwindow's everyControlSitsInItsPlace), whatever the store holds.
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(66, 66));
    QCOMPARE(control<QLineEdit>(window, "gamePathEdit")->text(), u"C:\\Half-Life\\HL.exe"_s);
    QCOMPARE(control<QLineEdit>(window, "parametersEdit")->text(), u"-nointro"_s);
    QVERIFY(control<QFrame>(window, "botsPage")->isVisible());
    QVERIFY(!control<QFrame>(window, "mapsPage")->isVisible());
    QVERIFY(!control<QFrame>(window, "iniPage")->isVisible());
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 3)"_s);
    QCOMPARE(rosterOf(window).bots.current(), 1);
    QCOMPARE(rosterOf(window).maps.current(), 1);
    QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), u"A"_s);
    // The lists hold the stock names (there is no game folder); the boxes show entry 1.
    const auto* models = control<QComboBox>(window, "modelCombo");
    const auto* maps = control<QComboBox>(window, "mapNameCombo");
    QCOMPARE(models->count(), 5);
    QCOMPARE(maps->count(), 9);
    QCOMPARE(models->currentText(), u"Barney"_s);
    QCOMPARE(maps->currentText(), u"crossfire"_s);
    // Start-up writes nothing.
    QCOMPARE(stored(SettingsKeys::GamePath), u"<absent>"_s);
}

void TestStartup::startupOpensTheChosenFolder_data() {
    QTest::addColumn<QStringList>("arguments"); // after the program's name; "~" is the places
    // The places holding a bots.ini, which names its one bot after the place: own, arg, found
    // (the installed game's add-on folder), stored (kept as the folder of last time), launcher
    // (kept by a copy launcher). "stored-empty": kept, but no bots.ini.
    QTest::addColumn<QString>("holding");
    QTest::addColumn<QString>("opened");     // the place opened; empty: no window
    QTest::addColumn<int>("exitCode");       // when there is no window
    QTest::addColumn<QString>("remembered"); // the place kept for the next start, or <absent>
    const QString none = u"<absent>"_s;
    // Which arguments name a folder (a bots.ini names its own) and which are bad input is the
    // command line's rule, and the order of the places the choice's (tst_startupfolder); here
    // that start-up finds each place on disk, opens what it names, and stops on bad input with
    // the message and nothing written.
    QTest::newRow("folder argument") << QStringList{u"~/arg"_s} << "own arg stored found"
                                     << "arg" << 0 << "arg";
    // The file named in another letter case is the one read and written, on Linux too.
    QTest::newRow("Bots.ini argument") << QStringList{u"~/arg/Bots.INI"_s} << "own arg stored"
                                       << "arg" << 0 << "arg";
    QTest::newRow("remembered folder") << QStringList() << "stored found"
                                       << "stored" << 0 << "stored";
    QTest::newRow("found add-on folder") << QStringList() << "found"
                                         << "found" << 0 << "found";
    QTest::newRow("launcher's folder taken over") << QStringList() << "launcher found"
                                                  << "launcher" << 0 << "launcher";
    QTest::newRow("nothing anywhere: own folder") << QStringList() << ""
                                                  << "own" << 0 << none;
    QTest::newRow("unknown option")
        << QStringList{u"--set-addon-folder"_s, u"~/arg"_s} << "arg stored"
        << "" << 2 << "stored";
    QTest::newRow("help") << QStringList{u"--help"_s} << "own"
                          << "" << 0 << none;
}

// The folder start-up picks is the one "Save INI" writes; the others stay as they were.
void TestStartup::startupOpensTheChosenFolder() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, holding);
    QFETCH(QString, opened);
    QFETCH(int, exitCode);
    QFETCH(QString, remembered);
    if (holding.contains(u"launcher") && HostIsWindows)
        QSKIP("The copy launcher was never on Windows.");
    QTemporaryDir places;
    const QString launcherFile = launcherFolderFile();
    // Whatever a row leaves behind would be found by the next one.
    const auto cleanUp = qScopeGuard([&] {
        QFile::remove(launcherFile);
        QDir(gameStoreFolder()).removeRecursively();
    });
    const auto placePath = [&](const QString& place) {
        if (place == u"found")
            return gameStoreFolder() + u"/steamapps/common/Half-Life/VANTREL"_s;
        return places.filePath(place);
    };
    // The roster file of a place: bots.ini, or the file named on the command line.
    const QString named = arguments.value(0);
    const auto rosterFile = [&](const QString& place) {
        const bool namedHere = place == u"arg" && named.endsWith(u".ini"_s, Qt::CaseInsensitive);
        return placePath(place) + u'/' + (namedHere ? QFileInfo(named).fileName() : u"bots.ini"_s);
    };
    const QStringList allPlaces{u"own"_s, u"arg"_s, u"found"_s, u"stored"_s, u"launcher"_s};
    for (const QString& place : allPlaces) {
        QVERIFY(QDir().mkpath(placePath(place)));
        if (holding.split(u' ').contains(place))
            QVERIFY(writeBytes(rosterFile(place), "[Bot]\r\nname=" + place.toLatin1() + "\r\n"));
    }
    if (holding.contains(u"found"))
        installGame();
    if (holding.contains(u"stored"))
        writeStoredSettings({{SettingsKeys::AddonFolder, placePath(u"stored"_s)}});
    if (holding.contains(u"launcher")) {
        QVERIFY(QDir().mkpath(QFileInfo(launcherFile).path()));
        QVERIFY(writeBytes(launcherFile, QFile::encodeName(placePath(u"launcher"_s)) + '\n'));
    }
    QMap<QString, QByteArray> before;
    for (const QString& place : allPlaces)
        before[place] = readBytes(rosterFile(place));
    const QByteArray settingsBefore = readBytes(settingsFile());

    QStringList commandLine{u"zelvik"_s};
    for (const QString& argument : arguments)
        commandLine << QString(argument).replace(u'~', places.path());
    MessageCapture messages;
    const Startup startup =
        prepareStartup(parseCommandLine(commandLine), placePath(u"own"_s), startupDialogs());
    if (opened.isEmpty()) {
        QCOMPARE(startup.exitCode, std::optional<int>(exitCode));
        QCOMPARE(messages.texts.size(), exitCode == 2 ? 1 : 0);
        QCOMPARE(readBytes(settingsFile()), settingsBefore); // bad input writes nothing
    } else {
        QVERIFY(!startup.exitCode);
        QVERIFY(messages.texts.isEmpty());
        ShownWindow window(startup.folder, startup.fileName);
        QCOMPARE(QFileInfo(control<IniTextView>(window, "iniTextView")->toolTip()),
                 QFileInfo(rosterFile(opened)));
        editAndSave(window, u"xyz"_s);
    }
    for (const QString& place : allPlaces) {
        const QByteArray after = readBytes(rosterFile(place));
        if (place != opened)
            QCOMPARE(after, before[place]);
        else if (holding.contains(place))
            QVERIFY2(after.contains("Name            = " + place.toLatin1() + "xyz\r\n"), after);
        else
            QVERIFY2(after.contains("xyz\r\n"), after); // created with the default roster
    }
    const QString none = u"<absent>"_s;
    const QString kept = stored(SettingsKeys::AddonFolder);
    if (remembered == none)
        QCOMPARE(kept, none);
    else
        QCOMPARE(QFileInfo(kept), QFileInfo(placePath(remembered)));
}

void TestStartup::installedProgramAsksOnce_data() {
    QTest::addColumn<bool>("picks"); // a folder without bots.ini; else the player cancels
    QTest::newRow("cancel") << false;
    QTest::newRow("a folder without bots.ini") << true;
}

// A copy an install put in place (here under a prefix of its own) asks for the add-on folder once:
// the next start opens what the answer opened, before "Save INI" has put a bots.ini there.
void TestStartup::installedProgramAsksOnce() {
    QFETCH(bool, picks);
    if (HostIsWindows)
        QSKIP("On Windows the program goes into one folder, without a desktop entry.");
    QTemporaryDir places;
    const QString entry = u"/share/applications/io.github.zelvik.zelvik.desktop"_s;
    QVERIFY(QDir().mkpath(places.filePath(u"bin"_s)) &&
            QDir().mkpath(places.filePath(u"picked"_s)));
    QVERIFY(QDir().mkpath(QFileInfo(places.path() + entry).path()));
    QVERIFY(writeBytes(places.path() + entry, "[Desktop Entry]\n"));
    FolderPickerCapture picker(picks ? places.filePath(u"picked"_s) : QString());
    const auto start = [&] {
        return prepareStartup({}, places.filePath(u"bin"_s), startupDialogs()).folder;
    };
    const QString first = start();
    QCOMPARE(start(), first);
    QCOMPARE(picker.asked, 1);
    QCOMPARE(QFileInfo(first) == QFileInfo(places.filePath(u"picked"_s)), picks);
}

// The game installed by its store client under this (test) home is offered, not stored; a stored
// path, even an empty one, wins.
void TestStartup::firstStartFindsTheInstalledGame() {
    const QString game = installGame();
    QVERIFY(QFileInfo(game).isDir());
    const QString separator = HostIsWindows ? u"\\"_s : u"/"_s;
    const QString found = QDir::toNativeSeparators(game) + separator + u"hl.exe"_s;
    {
        ShownWindow window(folder.path());
        QCOMPARE(control<QLineEdit>(window, "gamePathEdit")->text(), found);
        QCOMPARE(stored(SettingsKeys::GamePath), u"<absent>"_s);
    }
    writeStoredSettings({{SettingsKeys::GamePath, QString()}});
    ShownWindow window(folder.path());
    QCOMPARE(control<QLineEdit>(window, "gamePathEdit")->text(), QString());
    QVERIFY(QDir(gameStoreFolder()).removeRecursively());
}

void TestStartup::storedValuesComeBack() {
    writeStoredSettings({{SettingsKeys::GamePath, QString()}});
    writeStoredSettings({{SettingsKeys::Parameters, u"+map crossfire"_s}});
    writeStoredSettings({{SettingsKeys::WindowLeft, u"1500"_s}});
    writeStoredSettings({{SettingsKeys::WindowTop, u"3000"_s}});
    writeStoredSettings({{SettingsKeys::WindowWidth, u"99990"_s}});
    writeStoredSettings({{SettingsKeys::WindowHeight, u"99990"_s}});
    ShownWindow window(folder.path());
    QCOMPARE(control<QLineEdit>(window, "gamePathEdit")->text(), QString());
    QCOMPARE(control<QLineEdit>(window, "parametersEdit")->text(), u"+map crossfire"_s);
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(100, 200));
    QCOMPARE(window.size(), QSize(250, 178));
}

void TestStartup::unusablePlaceGivesTheDefault_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("not a number") << u"abc"_s << u"1500"_s << QPoint(66, 66);
    QTest::newRow("empty") << u"1500"_s << QString() << QPoint(66, 66);
    QTest::newRow("far left of every screen") << u"-300000"_s << u"1500"_s << QPoint(66, 66);
    QTest::newRow("far below every screen") << u"1500"_s << u"9000000"_s << QPoint(66, 66);
    QTest::newRow("partly visible stays") << u"-1500"_s << u"-600"_s << QPoint(-100, -40);
}

void TestStartup::unusablePlaceGivesTheDefault() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, expected);
    writeStoredSettings({{SettingsKeys::WindowLeft, left}});
    writeStoredSettings({{SettingsKeys::WindowTop, top}});
    ShownWindow window(folder.path());
    QCOMPARE(window.frameGeometry().topLeft(), expected);
}

void TestStartup::closeStoresPathParametersAndPlacement() {
    ShownWindow window(folder.path());
    window.move(40, 50);
    control<QLineEdit>(window, "gamePathEdit")->setText(QString());
    control<QLineEdit>(window, "parametersEdit")->setText(u"-dev"_s);
    QVERIFY(window.close());
    QCOMPARE(stored(SettingsKeys::GamePath), QString());
    QCOMPARE(stored(SettingsKeys::Parameters), u"-dev"_s);
    const QRect outer = window.frameGeometry();
    QCOMPARE(stored(SettingsKeys::WindowLeft), QString::number(outer.x() * 15));
    QCOMPARE(stored(SettingsKeys::WindowTop), QString::number(outer.y() * 15));
    QCOMPARE(stored(SettingsKeys::WindowWidth), QString::number(outer.width() * 15));
    QCOMPARE(stored(SettingsKeys::WindowHeight), QString::number(outer.height() * 15));
    QCOMPARE(stored(SettingsKeys::WindowLeft), u"600"_s);

    // The next start opens at the stored place, with the stored (empty) path.
    ShownWindow again(folder.path());
    QCOMPARE(again.frameGeometry().topLeft(), QPoint(40, 50));
    QCOMPARE(control<QLineEdit>(again, "gamePathEdit")->text(), QString());
}

void TestStartup::closeWhileMinimisedKeepsTheStoredPlacement() {
    writeStoredSettings({{SettingsKeys::WindowLeft, u"1200"_s}});
    ShownWindow window(folder.path());
    window.move(10, 10);
    window.setWindowState(Qt::WindowMinimized);
    control<QLineEdit>(window, "parametersEdit")->setText(u"-console"_s);
    QVERIFY(window.close());
    QCOMPARE(stored(SettingsKeys::Parameters), u"-console"_s);
    QCOMPARE(stored(SettingsKeys::GamePath), u"C:\\Half-Life\\HL.exe"_s);
    QCOMPARE(stored(SettingsKeys::WindowLeft), u"1200"_s);
    QCOMPARE(stored(SettingsKeys::WindowTop), u"<absent>"_s);
    QCOMPARE(stored(SettingsKeys::WindowWidth), u"<absent>"_s);
}

void TestStartup::closeWhileMaximisedStoresThatPlacement() {
    ShownWindow window(folder.path());
    window.setWindowState(Qt::WindowMaximized);
    QVERIFY(window.close());
    const QRect outer = window.frameGeometry();
    QCOMPARE(stored(SettingsKeys::WindowLeft), QString::number(outer.x() * 15));
    QCOMPARE(stored(SettingsKeys::WindowHeight), QString::number(outer.height() * 15));

    ShownWindow again(folder.path());
    QVERIFY(!again.isMaximized());
    QCOMPARE(again.size(), QSize(250, 178));
}

void TestStartup::closeAsksBeforeDroppingEdits_data() {
    QTest::addColumn<QString>("before");     // what happens before the close
    QTest::addColumn<QList<int>>("answers"); // the player's answers, in turn
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    // A file with its own spacing, or none with its default entries, is unchanged until edited.
    QTest::newRow("nothing edited") << u""_s << answers({}) << true << false;
    QTest::newRow("no file, nothing edited") << u"no file"_s << answers({}) << true << false;
    QTest::newRow("settings edited only") << u"parameters"_s << answers({}) << true << false;
    QTest::newRow("edit, save") << u"edit"_s << answers({Answer::Save}) << true << true;
    QTest::newRow("edit, discard") << u"edit"_s << answers({Answer::Discard}) << true << false;
    QTest::newRow("edit, cancel") << u"edit"_s << answers({Answer::Cancel}) << false << false;
    QTest::newRow("edit stored, save") << u"edit, tab"_s << answers({Answer::Save}) << true << true;
    QTest::newRow("edit, save fails")
        << u"edit, blocked"_s << answers({Answer::Save}) << false << false;
    QTest::newRow("edit, outside edit kept")
        << u"edit, outside"_s << answers({Answer::Save, Answer::Cancel}) << false << false;
    // Ctrl+O asks the same before it opens another folder; "closed" is then "opened". What each
    // answer does is the close rows' to show; here that opening goes on, or not, after it.
    QTest::newRow("open, nothing edited") << u"open"_s << answers({}) << true << false;
    QTest::newRow("open from the INI page's menu, edit, save")
        << u"open menu, edit"_s << answers({Answer::Save}) << true << true;
    QTest::newRow("open, edit, cancel")
        << u"open, edit"_s << answers({Answer::Cancel}) << false << false;
    QTest::newRow("open, no folder picked") << u"open, no pick"_s << answers({}) << false << false;
    // Both lists full: every entry is compared before the question, or its absence.
    QTest::newRow("largest, nothing edited") << u"largest"_s << answers({}) << true << false;
    QTest::newRow("largest, edit, save")
        << u"largest, edit"_s << answers({Answer::Save}) << true << true;
    QTest::newRow("largest, edit, discard")
        << u"largest, edit"_s << answers({Answer::Discard}) << true << false;
    QTest::newRow("largest, open, edit, discard")
        << u"largest, open, edit"_s << answers({Answer::Discard}) << true << false;
    // A file past the limit: what was left unread is told at load, and saving asks before it
    // drops it; closing without saving drops nothing from the file.
    QTest::newRow("past the limit, nothing edited") << u"past"_s << answers({}) << true << false;
    QTest::newRow("past the limit, edit, save, keep the rest")
        << u"past, edit"_s << answers({Answer::Save, Answer::Cancel}) << false << false;
    QTest::newRow("past the limit, edit, save, drop the rest")
        << u"past, edit"_s << answers({Answer::Save, Answer::Save}) << true << true;
}

void TestStartup::closeAsksBeforeDroppingEdits() {
    QFETCH(QString, before);
    QFETCH(QList<int>, answers);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    if (before == u"no file")
        QFile::remove(iniPath());
    if (before.contains(u"largest")) {
        QVERIFY(writeBytes(iniPath(), "[Map]\r\nname=m\r\n"_ba.repeated(32767) +
                                          "[Bot]\r\nname=A\r\nmodel=Barney\r\n"_ba +
                                          "[Bot]\r\nname=B\r\nmodel=gina\r\n"_ba.repeated(32766)));
    }
    if (before.contains(u"past")) {
        QVERIFY(writeBytes(iniPath(), "[Bot]\r\nname=A\r\nmodel=Barney\r\n"_ba +
                                          "[Map]\r\nname=m\r\n"_ba.repeated(32768) +
                                          "[Bot]\r\nname=late\r\n"_ba));
    }
    const QByteArray onDisk =
        before.contains(u"outside") ? "; edited elsewhere\r\n"_ba : readBytes(iniPath());
    MessageCapture loadMessages;
    ShownWindow window(folder.path());
    QCOMPARE(loadMessages.texts.size(), before.contains(u"past") ? 1 : 0);
    if (before.contains(u"past"))
        QVERIFY2(loadMessages.texts.first().contains(u"Left unread: 1 map entry and 1 bot."_s),
                 qPrintable(loadMessages.texts.first()));
    if (before == u"parameters")
        control<QLineEdit>(window, "parametersEdit")->setText(u"-dev"_s);
    if (before.contains(u"edit"))
        QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"xyz"_s);
    // A copy of the typing is kept within two seconds; it is gone once the roster is left.
    if (before.contains(u"edit"))
        QTRY_COMPARE_WITH_TIMEOUT(recoveryCopies(), 1, 2000);
    if (before.contains(u"tab"))
        clickTab(window, 2);
    if (before.contains(u"blocked"))
        QVERIFY(QFile::remove(iniPath()) && QDir(folder.path()).mkdir(u"bots.ini"_s));
    if (before.contains(u"outside"))
        QVERIFY(writeBytes(iniPath(), onDisk));

    QuestionCapture questions(replies(answers));
    MessageCapture messages;
    const bool opening = before.contains(u"open");
    QTemporaryDir other;
    programFolderWith(other, "[Bot]\r\nname=Other\r\n");
    FolderPickerCapture picker(before.contains(u"no pick") ? QString() : other.path());
    if (opening) {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (before.contains(u"menu")) {
            // The INI view's own menu (Copy, Select All, a line), and the page's around it, go
            // on with the window's action.
            auto* view = control<IniTextView>(window, "iniTextView");
            const std::unique_ptr<QMenu> menu(view->createContextMenu());
            QAction* open = menu->actions().value(3);
            QCOMPARE(open->text(), u"Open add-on folder..."_s);
            QCOMPARE(open->shortcut(), QKeySequence(u"Ctrl+O"_s));
            const auto* page = control<QWidget>(window, "iniPage");
            QCOMPARE(page->contextMenuPolicy(), Qt::ActionsContextMenu);
            QCOMPARE(page->actions().constFirst(), open);
            open->trigger();
        } else {
            QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        }
        const QString shownFile = control<IniTextView>(window, "iniTextView")->toolTip();
        QCOMPARE(QFileInfo(shownFile) == QFileInfo(other.filePath(u"bots.ini"_s)), closed);
        QCOMPARE(picker.asked, closed || before.contains(u"no pick") ? 1 : 0);
    } else {
        QCOMPARE(window.close(), closed);
    }

    QCOMPARE(questions.asked.size(), answers.size());
    if (!answers.isEmpty()) {
        const Question& asked = questions.asked.first();
        QCOMPARE(asked.answers, (QList<Answer>{Answer::Save, Answer::Discard, Answer::Cancel}));
        QCOMPARE(asked.defaultAnswer, Answer::Save);
        QCOMPARE(asked.escapeAnswer, Answer::Cancel);
        QVERIFY2(asked.text.endsWith(opening ? u"before opening another folder?"_s
                                             : u"before closing?"_s),
                 qPrintable(asked.text));
    }
    if (before.contains(u"past") && answers.size() > 1)
        QCOMPARE(questions.asked.at(1).defaultAnswer, Answer::Cancel);
    QCOMPARE(messages.texts.size(), before.contains(u"blocked") ? 1 : 0);
    if (saved)
        QVERIFY(readBytes(iniPath()).contains("Name            = Axyz\r\n"));
    else if (!before.contains(u"blocked"))
        QCOMPARE(readBytes(iniPath()), onDisk);
    QCOMPARE(recoveryCopies(), before.contains(u"edit") && !closed ? 1 : 0);
    // The window's place is stored by every close, and by none that was called off.
    QCOMPARE(stored(SettingsKeys::WindowLeft) != u"<absent>"_s, closed && !opening);
    if (opening && closed) {
        // The other folder's roster, as start-up shows it, is the one "Save INI" now writes.
        QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 1)"_s);
        QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), u"Other"_s);
        QCOMPARE(iniTextOf(window), u"[Bot]\r\nname=Other\r\n"_s);
        QCOMPARE(control<QWidget>(window, "iniTextView")->toolTip(),
                 QDir::toNativeSeparators(other.filePath(u"bots.ini"_s)));
        QCOMPARE(stored(SettingsKeys::AddonFolder), QDir::toNativeSeparators(other.path()));
        const QByteArray first = readBytes(iniPath());
        editAndSave(window, u"abc"_s);
        QVERIFY(
            readBytes(other.filePath(u"bots.ini"_s)).contains("Name            = Otherabc\r\n"));
        QCOMPARE(readBytes(iniPath()), first);
    }
}

// What a crash left is offered at the next start; "unwritable" is a data folder where no copy can
// be kept, which the player hears once however often the copy is tried.
void TestStartup::crashCopyIsOfferedAtStart_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("shown"); // the first bot's name on view after start-up
    QTest::newRow("restore, then save at closing")
        << u"copy"_s << answers({Answer::Restore, Answer::Save}) << u"Kelly"_s;
    QTest::newRow("discard") << u"copy"_s << answers({Answer::Discard}) << u"A"_s;
    QTest::newRow("restored over another program's change, saving at closing asks")
        << u"copy, changed elsewhere"_s
        << answers({Answer::Restore, Answer::Save, Answer::Overwrite}) << u"Kelly"_s;
    QTest::newRow("damaged") << u"damaged"_s << answers({}) << u"A"_s;
    QTest::newRow("unwritable, typing discarded at closing")
        << u"unwritable"_s << answers({Answer::Discard}) << u"A"_s;
}

void TestStartup::crashCopyIsOfferedAtStart() {
    QFETCH(QString, left);
    QFETCH(QList<int>, answers);
    QFETCH(QString, shown);
    QString copyPath;
    {
        RosterDocument crashed;
        crashed.load(folder.path());
        crashed.bots().editDraft(0, u"Kelly"_s);
        crashed.keepRecoveryCopy();
        crashed.recoveryCopy().wait();
        copyPath = crashed.recoveryCopy().path();
    }
    if (left == u"damaged")
        QVERIFY(writeBytes(copyPath, readBytes(copyPath).replace("Kelly", "Kelli")));
    if (left == u"unwritable")
        QVERIFY(QDir(QFileInfo(copyPath).path()).removeRecursively() &&
                writeBytes(QFileInfo(copyPath).path(), "a file"));
    if (left.endsWith(u"changed elsewhere"))
        QVERIFY(writeBytes(iniPath(), QByteArray(SampleRoster).replace("name=B", "name=Bee")));
    const QByteArray onDisk = readBytes(iniPath());
    QuestionCapture questions(replies(answers));
    MessageCapture messages;
    {
        ShownWindow window(folder.path());
        QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), shown);
        QCOMPARE(readBytes(iniPath()), onDisk);
        if (left == u"unwritable") {
            for (const QString& typed : {u"x"_s, u"y"_s}) {
                QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), typed);
                QTest::qWait(1500);
            }
        }
        window.close();
    }
    QCOMPARE(questions.asked.size(), answers.size());
    if (left.startsWith(u"copy")) {
        const Question& offer = questions.asked.first();
        QCOMPARE(offer.text.contains(u"changed by another program"_s), left != u"copy"_s);
        QCOMPARE(offer.answers, (QList<Answer>{Answer::Restore, Answer::Discard}));
        QCOMPARE(offer.defaultAnswer, Answer::Restore);
        QVERIFY2(offer.text.contains(QDir::toNativeSeparators(folder.path())),
                 qPrintable(offer.text));
    }
    // Restore then Save at closing writes the kept roster; nothing else writes the file.
    QCOMPARE(readBytes(iniPath()).contains("Name            = Kelly\r\n"), shown == u"Kelly"_s);
    QCOMPARE(messages.titles,
             left.startsWith(u"copy") ? QStringList() : QStringList{u"Recovery copy"_s});
    if (left == u"damaged")
        QVERIFY2(messages.texts.first().contains(QDir::toNativeSeparators(copyPath)),
                 qPrintable(messages.texts.first()));
    QCOMPARE(QFile::exists(copyPath), left == u"damaged");
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
