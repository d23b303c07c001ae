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
    void stockNames();
    void foundMaps_data();
    void foundMaps();
    void foundMapsStopAtLimit();
    void foundModels_data();
    void foundModels();
    void modelPicture_data();
    void modelPicture();
    void nothingFound();
    void marksNamesTheListLacks_data();
    void marksNamesTheListLacks();
};

void TestCatalog::stockNames() {
    QCOMPARE(stockModelNames(), QStringList({"gina", "gordon", "helmet", "hgrunt", "scientist"}));
    QCOMPARE(stockMapNames(),
             QStringList({"boot_camp", "bounce", "datacore", "lambda_bunker", "snark_pit",
                          "stalkyard", "subtransit", "undertow", "Default"}));
}

// The game names its folders in whatever case; a case-sensitive file system must find them all.
void TestCatalog::foundMaps_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("as installed") << "valve/maps";
    QTest::newRow("other case") << "Valve/MAPS";
}

void TestCatalog::foundMaps() {
    QFETCH(QString, folder);
    QTemporaryDir game;
    QVERIFY(game.isValid());
    const QString maps = game.path() + "/" + folder + "/";
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

void TestCatalog::foundModels_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("as installed") << "valve/models/player";
    QTest::newRow("other case") << "VALVE/Models/PLAYER";
}

void TestCatalog::foundModels() {
    QFETCH(QString, folder);
    QTemporaryDir game;
    QVERIFY(game.isValid());
    const QString player = game.path() + "/" + folder + "/";
    for (const char* name : {"zombie", "gordon", "barney"})
        QVERIFY(QDir().mkpath(player + name));
    makeFile(player + "loose.mdl");
    QCOMPARE(foundModelNames(game.path()), QStringList({"barney", "gordon", "zombie"}));
}

void TestCatalog::modelPicture_data() {
    QTest::addColumn<QStringList>("files"); // below the game folder; a trailing "/" makes a folder
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("picture"); // below the game folder; empty: none

    const QString gina = "valve/models/player/gina/gina.bmp";
    QTest::newRow("as installed") << QStringList{gina} << "gina" << gina;
    QTest::newRow("every name in another case")
        << QStringList{"Valve/MODELS/Player/gina/GINA.BMP"} << "gina"
        << "Valve/MODELS/Player/gina/GINA.BMP";
    QTest::newRow("model named in another case")
        << QStringList{"valve/models/player/Barney/barney.bmp"} << "BARNEY"
        << "valve/models/player/Barney/barney.bmp";
    QTest::newRow("exact name first")
        << QStringList{"valve/models/player/gina/GINA.bmp", gina} << "gina" << gina;
    QTest::newRow("no picture") << QStringList{"valve/models/player/gina/gina.mdl"} << "gina"
                                << "";
    QTest::newRow("another model's picture")
        << QStringList{"valve/models/player/gina/gordon.bmp"} << "gina"
        << "";
    QTest::newRow("picture is a folder") << QStringList{gina + "/"} << "gina"
                                         << "";
    QTest::newRow("no model folder") << QStringList{"valve/models/player/gina.bmp"} << "gina"
                                     << "";
    QTest::newRow("empty model") << QStringList{"valve/models/player/.bmp"} << ""
                                 << "";
    QTest::newRow("model leads out") // ".../player/../x/../x.bmp" is there
        << QStringList{"valve/models/x.bmp", "valve/models/x/", "valve/models/player/"} << "../x"
        << "";
    QTest::newRow("dot model") << QStringList{"valve/models/player/..bmp"} << "."
                               << "";
}

void TestCatalog::modelPicture() {
    QFETCH(QStringList, files);
    QFETCH(QString, model);
    QFETCH(QString, picture);
    QTemporaryDir game;
    QVERIFY(game.isValid());
    for (const QString& file : files) {
        if (file.endsWith('/'))
            QVERIFY(QDir().mkpath(game.filePath(file)));
        else
            makeFile(game.filePath(file));
    }
    const QString found = QDir::fromNativeSeparators(modelPicturePath(game.path(), model));
    const QString expected = picture.isEmpty() ? QString() : game.filePath(picture);
#ifdef Q_OS_WIN
    // The file system ignores case there: the name asked for is found as it was asked.
    QVERIFY2(found.compare(expected, Qt::CaseInsensitive) == 0, qPrintable(found));
#else
    QCOMPARE(found, expected);
#endif
}

void TestCatalog::nothingFound() {
    QTemporaryDir game;
    QVERIFY(game.isValid());
    QVERIFY(foundMapNames(game.path()).isEmpty());
    QVERIFY(foundModelNames(game.path()).isEmpty());
    QVERIFY(foundMapNames(game.path() + "/missing").isEmpty());
    QVERIFY(foundModelNames(game.path() + "/missing").isEmpty());
    QVERIFY(modelPicturePath(game.path(), "gina").isEmpty());
    QVERIFY(modelPicturePath(game.path() + "/missing", "gina").isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalog)
#include "tst_catalog.moc"

void TestCatalog::marksNamesTheListLacks_data() {
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("marked");
    const QStringList list{"crossfire", "Frenzy"};
    QTest::newRow("a name the list holds") << list << "crossfire" << false;
    QTest::newRow("in another letter case") << list << "FRENZY" << false;
    QTest::newRow("a name it lacks") << list << "gasworks" << true;
    QTest::newRow("a name it holds with more") << list << "crossfire2" << true;
    QTest::newRow("a name with a space") << list << "crossfire " << true;
    QTest::newRow("no name") << list << "" << false;
    QTest::newRow("no list") << QStringList() << "gasworks" << false;
}

void TestCatalog::marksNamesTheListLacks() {
    QFETCH(QStringList, list);
    QFETCH(QString, name);
    QFETCH(bool, marked);
    QCOMPARE(OfferedNames(list).lacks(name), marked);
}
