#include "catalog/catalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void makeFile(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private slots:
    void gameFolderOfPath_data();
    void gameFolderOfPath();
    void stockNames();
    void foundMaps();
    void foundMapsStopAtLimit();
    void foundModels();
    void nothingFound();
    void pathToOtherExecutable();
};

void TestCatalog::gameFolderOfPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("HL.exe") << R"(C:\Half-Life\HL.exe)"
                            << R"(C:\Half-Life)";
    QTest::newRow("hl.exe") << R"(C:\Half-Life\hl.exe)"
                            << R"(C:\Half-Life)";
    QTest::newRow("trailing backslash") << R"(C:\Half-Life\)"
                                        << R"(C:\Half-Life)";
    QTest::newRow("trailing slash") << "/home/p/Half-Life/"
                                    << "/home/p/Half-Life";
    QTest::newRow("bare folder") << R"(C:\Half-Life)"
                                 << R"(C:\Half-Life)";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only six chars cut") << R"(C:\Games\myhl.exe)"
                                        << R"(C:\Games\my)";
    QTest::newRow("other executable") << R"(C:\Half-Life\hlds.exe)"
                                      << R"(C:\Half-Life\hlds.exe)";
    QTest::newRow("unix path") << "/home/p/Half-Life/hl.exe"
                               << "/home/p/Half-Life";
}

void TestCatalog::gameFolderOfPath() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(gameFolderFromPath(path), folder);
}

void TestCatalog::stockNames() {
    QCOMPARE(stockModelNames(), QStringList({"gina", "gordon", "helmet", "hgrunt", "scientist"}));
    QCOMPARE(stockMapNames(),
             QStringList({"boot_camp", "bounce", "datacore", "lambda_bunker", "snark_pit",
                          "stalkyard", "subtransit", "undertow", "Default"}));
}

void TestCatalog::foundMaps() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    const QString maps = game.path() + "/valve/maps/";
    for (const char* name : {"crossfire.bsp", "boot_camp.bsp", "Frenzy.BSP", ".bsp", "notes.txt"})
        makeFile(maps + name);
    QVERIFY(QDir().mkpath(maps + "x.bsp"));
#ifndef Q_OS_WIN
    makeFile(maps + ".hidden.bsp"); // a dotfile is hidden; only the bare ".bsp" is kept
#endif
    // Ordered by character code: '.' < 'F' < 'b' < 'c'.
    QCOMPARE(foundMapNames(game.path()), QStringList({"", "Frenzy", "boot_camp", "crossfire"}));
}

void TestCatalog::foundMapsStopAtLimit() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    QStringList expected;
    for (int i = 519; i >= 0; --i) {
        const QString name = QStringLiteral("m%1").arg(i, 3, 10, QLatin1Char('0'));
        makeFile(game.path() + "/valve/maps/" + name + ".bsp");
        if (i < MaxFoundMaps)
            expected.prepend(name);
    }
    QCOMPARE(expected.size(), 513);
    QCOMPARE(foundMapNames(game.path()), expected);
}

void TestCatalog::foundModels() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    const QString player = game.path() + "/valve/models/player/";
    for (const char* name : {"zombie", "gordon", "barney"})
        QVERIFY(QDir().mkpath(player + name));
    makeFile(player + "loose.mdl");
    QCOMPARE(foundModelNames(game.path()), QStringList({"barney", "gordon", "zombie"}));
}

void TestCatalog::nothingFound() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    QVERIFY(foundMapNames(game.path()).isEmpty());
    QVERIFY(foundModelNames(game.path()).isEmpty());
    QVERIFY(foundMapNames(game.path() + "/missing").isEmpty());
    QVERIFY(foundModelNames(game.path() + "/missing").isEmpty());
}

void TestCatalog::pathToOtherExecutable() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    makeFile(game.path() + "/valve/maps/crossfire.bsp");
    QVERIFY(QDir().mkpath(game.path() + "/valve/models/player/barney"));
    const QString path = game.path() + "/hlds.exe";
    makeFile(path);

    const QString folder = gameFolderFromPath(path);
    QCOMPARE(folder, path);
    QVERIFY(foundMapNames(folder).isEmpty());
    QVERIFY(foundModelNames(folder).isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"
