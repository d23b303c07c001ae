// Opening and closing the window: what it takes from and gives back to the settings store, and
// that closing writes bots.ini only when the player asks for it.
#include "game/gamefinder.h"
#include "launch/commands.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray SampleRoster =
    "[Map]\r\nname=crossfire\r\n[Bot]\r\nname=A\r\nmodel=Barney\r\n"
    "[Bot]\r\nname=B\r\nmodel=gina\r\n[Bot]\r\nname=C\r\nmodel=gordon\r\n";

QString stored(const QString& key) {
    return readStoredSetting(key, u"<absent>"_s);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString iniPath() const { return folder.filePath(u"bots.ini"_s); }

private slots:
    void initTestCase() { isolateWindowTest(); }
    void init() {
        clearSettings();
        programFolderWith(folder, SampleRoster);
    }
    void firstStartWithAnEmptyStore();
    void firstStartFindsTheInstalledGame();
    void storedValuesComeBack();
    void unusablePlaceGivesTheDefault_data();
    void unusablePlaceGivesTheDefault();
    void closeStoresPathParametersAndPlacement();
    void closeWhileMinimisedKeepsTheStoredPlacement();
    void closeWhileMaximisedStoresThatPlacement();
    void closeAsksBeforeDroppingEdits_data();
    void closeAsksBeforeDroppingEdits();
};

void TestStartup::firstStartWithAnEmptyStore() {
    ShownWindow window(folder.path());
    // 1000 twips at 15 twips a pixel.
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(66, 66));
    QCOMPARE(window.size(), QSize(250, 178));
    QCOMPARE(control<QLineEdit>(window, "gamePathEdit")->text(), u"C:\\Half-Life\\HL.exe"_s);
    QCOMPARE(control<QLineEdit>(window, "parametersEdit")->text(), u"-nointro"_s);
    QVERIFY(control<QFrame>(window, "botsPage")->isVisible());
    QVERIFY(!control<QFrame>(window, "mapsPage")->isVisible());
    QVERIFY(!control<QFrame>(window, "iniPage")->isVisible());
    QCOMPARE(control<QTabBar>(window, "pageTabs")->currentIndex(), 0);
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 3)"_s);
    QCOMPARE(window.roster().bots.current(), 1);
    QCOMPARE(window.roster().maps.current(), 1);
    QCOMPARE(control<QLineEdit>(window, "botNameEdit")->text(), u"A"_s);
    // The lists hold the stock names (there is no game folder); the boxes show entry 1.
    const auto* models = control<QComboBox>(window, "modelCombo");
    const auto* maps = control<QComboBox>(window, "mapNameCombo");
    QCOMPARE(models->count(), 5);
    QCOMPARE(maps->count(), 9);
    QCOMPARE(models->currentText(), u"Barney"_s);
    QCOMPARE(maps->currentText(), u"crossfire"_s);
    QCOMPARE(window.gameFolder(), u"C:\\Half-Life"_s);
    // Start-up writes nothing.
    QCOMPARE(stored(SettingsKeys::GamePath), u"<absent>"_s);
}

// The game installed by its store client under this (test) home is offered, not stored; a stored
// path, even an empty one, wins.
void TestStartup::firstStartFindsTheInstalledGame() {
    // On Windows the store client's folder is a registry value, in the test's own Wine prefix.
    const QString steam = QDir::home().filePath(u".local/share/Steam"_s);
    if (HostIsWindows)
        QSettings(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat)
            .setValue(u"SteamPath"_s, steam);
    const QString game = steam + u"/steamapps/common/Half-Life"_s;
    QVERIFY(QDir().mkpath(game));
    QVERIFY(writeFakeGame(game + (HostIsWindows ? u"/hl.exe"_s : u"/hl_linux"_s)));
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
    QVERIFY(QDir(QDir::home().filePath(u".local"_s)).removeRecursively());
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
    const auto answers = [](std::initializer_list<Answer> list) {
        QList<int> ints;
        for (const Answer a : list)
            ints << int(a);
        return ints;
    };
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
}

void TestStartup::closeAsksBeforeDroppingEdits() {
    QFETCH(QString, before);
    QFETCH(QList<int>, answers);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    if (before == u"no file")
        QFile::remove(iniPath());
    const QByteArray onDisk =
        before.contains(u"outside") ? "; edited elsewhere\r\n"_ba : readBytes(iniPath());
    ShownWindow window(folder.path());
    if (before == u"parameters")
        control<QLineEdit>(window, "parametersEdit")->setText(u"-dev"_s);
    if (before.startsWith(u"edit"))
        QTest::keyClicks(control<QLineEdit>(window, "botNameEdit"), u"xyz"_s);
    if (before.contains(u"tab"))
        clickTab(window, 2);
    if (before.contains(u"blocked"))
        QVERIFY(QFile::remove(iniPath()) && QDir(folder.path()).mkdir(u"bots.ini"_s));
    if (before.contains(u"outside"))
        QVERIFY(writeBytes(iniPath(), onDisk));

    QList<Answer> replies;
    for (const int a : answers)
        replies << Answer(a);
    QuestionCapture questions(replies);
    MessageCapture messages;
    QCOMPARE(window.close(), closed);

    QCOMPARE(questions.asked.size(), answers.size());
    if (!answers.isEmpty()) {
        const Question& asked = questions.asked.first();
        QCOMPARE(asked.answers, (QList<Answer>{Answer::Save, Answer::Discard, Answer::Cancel}));
        QCOMPARE(asked.defaultAnswer, Answer::Save);
        QCOMPARE(asked.escapeAnswer, Answer::Cancel);
    }
    QCOMPARE(messages.texts.size(), before.contains(u"blocked") ? 1 : 0);
    if (saved)
        QVERIFY(readBytes(iniPath()).contains("Name            = Axyz\r\n"));
    else if (!before.contains(u"blocked"))
        QCOMPARE(readBytes(iniPath()), onDisk);
    // The window's place is stored by every close, and by none that was called off.
    QCOMPARE(stored(SettingsKeys::WindowLeft) != u"<absent>"_s, closed);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
