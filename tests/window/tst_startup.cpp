// Opening and closing the window: what it takes from and gives back to the settings store, and
// that closing never touches bots.ini.
#include "launch/commands.h"
#include "testsupport.h"
#include "window/frmmain.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Roster = "[Map]\r\nname=crossfire\r\n[Bot]\r\nname=A\r\nmodel=Barney\r\n"
                          "[Bot]\r\nname=B\r\nmodel=gina\r\n[Bot]\r\nname=C\r\nmodel=gordon\r\n";

QString stored(const QString& key) {
    return ReadStoredSetting(key, u"<absent>"_s);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QString iniPath() const { return folder.filePath(u"bots.ini"_s); }

private slots:
    void initTestCase() { isolateSettings(); }
    void init() {
        clearSettings();
        programFolderWith(folder, Roster);
    }
    void firstStartWithAnEmptyStore();
    void storedValuesComeBack();
    void unusablePlaceGivesTheDefault_data();
    void unusablePlaceGivesTheDefault();
    void closeStoresPathParametersAndPlacement();
    void closeWhileMinimisedKeepsTheStoredPlacement();
    void closeWhileMaximisedStoresThatPlacement();
    void closeNeverWritesTheRoster();
};

void TestStartup::firstStartWithAnEmptyStore() {
    ShownWindow window(folder.path());
    // 1000 twips at 15 twips a pixel.
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(66, 66));
    QCOMPARE(window.size(), QSize(250, 178));
    QCOMPARE(control<QLineEdit>(window, "txtExecutable")->text(), u"C:\\Half-Life\\HL.exe"_s);
    QCOMPARE(control<QLineEdit>(window, "txtParameters")->text(), u"-nointro"_s);
    QVERIFY(control<QFrame>(window, "Frame1_0")->isVisible());
    QVERIFY(!control<QFrame>(window, "Frame1_1")->isVisible());
    QVERIFY(!control<QFrame>(window, "Frame1_2")->isVisible());
    QCOMPARE(control<QTabBar>(window, "TabStrip1")->currentIndex(), 0);
    QCOMPARE(window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 3)"_s);
    QCOMPARE(window.module().CurrentBot, 1);
    QCOMPARE(window.module().CurrentMap, 1);
    QCOMPARE(control<QLineEdit>(window, "txtBotName")->text(), u"A"_s);
    // The lists hold the stock names (there is no game folder); the boxes show entry 1.
    const auto* models = control<QComboBox>(window, "cmbModel");
    const auto* maps = control<QComboBox>(window, "cmbMaps");
    QCOMPARE(models->count(), 5);
    QCOMPARE(maps->count(), 9);
    QCOMPARE(models->currentText(), u"Barney"_s);
    QCOMPARE(maps->currentText(), u"crossfire"_s);
    QCOMPARE(window.module().GameFolder, u"C:\\Half-Life"_s);
    // Start-up writes nothing.
    QCOMPARE(stored(SettingsKeys::HLPath), u"<absent>"_s);
}

void TestStartup::storedValuesComeBack() {
    WriteStoredSetting(SettingsKeys::HLPath, QString());
    WriteStoredSetting(SettingsKeys::HLParameters, u"+map crossfire"_s);
    WriteStoredSetting(SettingsKeys::MainLeft, u"1500"_s);
    WriteStoredSetting(SettingsKeys::MainTop, u"3000"_s);
    WriteStoredSetting(SettingsKeys::MainWidth, u"99990"_s);
    WriteStoredSetting(SettingsKeys::MainHeight, u"99990"_s);
    ShownWindow window(folder.path());
    QCOMPARE(control<QLineEdit>(window, "txtExecutable")->text(), QString());
    QCOMPARE(control<QLineEdit>(window, "txtParameters")->text(), u"+map crossfire"_s);
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
    WriteStoredSetting(SettingsKeys::MainLeft, left);
    WriteStoredSetting(SettingsKeys::MainTop, top);
    ShownWindow window(folder.path());
    QCOMPARE(window.frameGeometry().topLeft(), expected);
}

void TestStartup::closeStoresPathParametersAndPlacement() {
    ShownWindow window(folder.path());
    window.move(40, 50);
    control<QLineEdit>(window, "txtExecutable")->setText(QString());
    control<QLineEdit>(window, "txtParameters")->setText(u"-dev"_s);
    QVERIFY(window.close());
    QCOMPARE(stored(SettingsKeys::HLPath), QString());
    QCOMPARE(stored(SettingsKeys::HLParameters), u"-dev"_s);
    const QRect outer = window.frameGeometry();
    QCOMPARE(stored(SettingsKeys::MainLeft), QString::number(outer.x() * 15));
    QCOMPARE(stored(SettingsKeys::MainTop), QString::number(outer.y() * 15));
    QCOMPARE(stored(SettingsKeys::MainWidth), QString::number(outer.width() * 15));
    QCOMPARE(stored(SettingsKeys::MainHeight), QString::number(outer.height() * 15));
    QCOMPARE(stored(SettingsKeys::MainLeft), u"600"_s);

    // The next start opens at the stored place, with the stored (empty) path.
    ShownWindow again(folder.path());
    QCOMPARE(again.frameGeometry().topLeft(), QPoint(40, 50));
    QCOMPARE(control<QLineEdit>(again, "txtExecutable")->text(), QString());
}

void TestStartup::closeWhileMinimisedKeepsTheStoredPlacement() {
    WriteStoredSetting(SettingsKeys::MainLeft, u"1200"_s);
    ShownWindow window(folder.path());
    window.move(10, 10);
    window.setWindowState(Qt::WindowMinimized);
    control<QLineEdit>(window, "txtParameters")->setText(u"-console"_s);
    QVERIFY(window.close());
    QCOMPARE(stored(SettingsKeys::HLParameters), u"-console"_s);
    QCOMPARE(stored(SettingsKeys::HLPath), u"C:\\Half-Life\\HL.exe"_s);
    QCOMPARE(stored(SettingsKeys::MainLeft), u"1200"_s);
    QCOMPARE(stored(SettingsKeys::MainTop), u"<absent>"_s);
    QCOMPARE(stored(SettingsKeys::MainWidth), u"<absent>"_s);
}

void TestStartup::closeWhileMaximisedStoresThatPlacement() {
    ShownWindow window(folder.path());
    window.setWindowState(Qt::WindowMaximized);
    QVERIFY(window.close());
    const QRect outer = window.frameGeometry();
    QCOMPARE(stored(SettingsKeys::MainLeft), QString::number(outer.x() * 15));
    QCOMPARE(stored(SettingsKeys::MainHeight), QString::number(outer.height() * 15));

    ShownWindow again(folder.path());
    QVERIFY(!again.isMaximized());
    QCOMPARE(again.size(), QSize(250, 178));
}

void TestStartup::closeNeverWritesTheRoster() {
    ShownWindow window(folder.path());
    QTest::keyClicks(control<QLineEdit>(window, "txtBotName"), u"xyz"_s);
    clickTab(window, 2);
    QCOMPARE(window.module().Bots[1].Name, u"Axyz"_s);
    QVERIFY(window.close());
    QCOMPARE(readBytes(iniPath()), Roster);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
