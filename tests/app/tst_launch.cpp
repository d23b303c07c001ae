#include "app/launch.h"
#include "game/gamefinder.h"
#include "game/gamefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLaunch : public QObject {
    Q_OBJECT

private slots:
    void makeRequest_data();
    void makeRequest();
    void launchProgram_data();
    void launchProgram();
};

void TestLaunch::makeRequest_data() {
    QTest::addColumn<QString>("hlPath");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("programPath");

#ifdef Q_OS_WIN
    const QString sep = u"\\"_s;
#else
    const QString sep = u"/"_s;
#endif
    const QString map = u"-game valve +map \"boot camp\""_s;

    QTest::newRow("client, mixed case")
        << u"C:\\Half-Life\\HL.exe"_s << map << u"hl.exe"_s << u"C:\\Half-Life\\hl.exe"_s;
    QTest::newRow("server, upper case")
        << u"C:\\HLDS\\HLDS.EXE"_s << u""_s << u"hlds.exe"_s << u"C:\\HLDS\\hlds.exe"_s;
    QTest::newRow("other name loses six characters")
        << u"C:\\Games\\game.exe"_s << map << u"hl.exe"_s << u"C:\\Games\\ga"_s + sep + u"hl.exe"_s;
    QTest::newRow("name ending in hlds.exe")
        << u"C:\\HL\\myhlds.exe"_s << map << u"hlds.exe"_s << u"C:\\HL\\my"_s + sep + u"hlds.exe"_s;
    QTest::newRow("server name only in the folder")
        << u"C:\\hlds.exe\\hl.exe"_s << map << u"hl.exe"_s << u"C:\\hlds.exe\\hl.exe"_s;
    QTest::newRow("slashes") << u"/opt/hl/hl.exe"_s << map << u"hl.exe"_s << u"/opt/hl/hl.exe"_s;
    QTest::newRow("server with slashes")
        << u"/srv/hlds/Hlds.Exe"_s << map << u"hlds.exe"_s << u"/srv/hlds/hlds.exe"_s;
    QTest::newRow("empty") << u""_s << u""_s << u"hl.exe"_s << u"hl.exe"_s;
    QTest::newRow("shorter than six") << u"hl"_s << map << u"hl.exe"_s << u"hl.exe"_s;
    QTest::newRow("just the client") << u"HL.EXE"_s << map << u"hl.exe"_s << u"hl.exe"_s;
    QTest::newRow("just the server") << u"hlds.exe"_s << map << u"hlds.exe"_s << u"hlds.exe"_s;
    QTest::newRow("parameters kept as they are")
        << u"C:\\HL\\hl.exe"_s << u"  -dev ; +map \"a b\"  "_s << u"hl.exe"_s
        << u"C:\\HL\\hl.exe"_s;
}

void TestLaunch::makeRequest() {
    QFETCH(QString, hlPath);
    QFETCH(QString, parameters);
    QFETCH(QString, file);
    QFETCH(QString, programPath);

    const LaunchRequest request = makeLaunchRequest(hlPath, parameters);
    QCOMPARE(request.file, file);
    QCOMPARE(request.parameters, parameters);
    QCOMPARE(launchProgramPath(request), programPath);
}

void TestLaunch::launchProgram_data() {
    // Names are separated by spaces; a name ending in "/" is made as a folder.
    QTest::addColumn<bool>("server");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("runnable"); // made executable
    QTest::addColumn<QString>("plain");    // made, but not executable
    QTest::addColumn<QString>("chosen");   // empty: none can be started
    QTest::addColumn<QString>("tried");
    const char* client = "hl.exe hl.sh hl_linux";
    const char* server = "hlds.exe hlds_run hlds_linux";
    const auto row = [](const char* name, bool isServer, bool windows, const char* runnable,
                        const char* plain, const char* chosen, const char* tried) {
        QTest::newRow(name) << isServer << windows << QString::fromUtf8(runnable)
                            << QString::fromUtf8(plain) << QString::fromUtf8(chosen)
                            << QString::fromUtf8(tried);
    };
    row("only hl.sh", false, false, "hl.sh", "", "hl.sh", client);
    row("only hl_linux", false, false, "hl_linux", "", "hl_linux", client);
    row("hl.sh before hl_linux", false, false, "hl_linux hl.sh", "", "hl.sh", client);
    row("hl.exe wins", false, false, "hl.sh hl.exe", "", "hl.exe", client);
    row("hl.exe not executable", false, false, "hl.sh", "hl.exe", "hl.sh", client);
    row("only hlds_run", true, false, "hlds_run", "", "hlds_run", server);
    row("only hlds_linux", true, false, "hlds_linux", "", "hlds_linux", server);
    row("hlds.exe wins", true, false, "hlds_linux hlds.exe", "", "hlds.exe", server);
    row("none", false, false, "", "", "", client);
    row("none executable", false, false, "", client, "", client);
    row("a folder is no program", false, false, "hl.sh/", "", "", client);
    row("server ignores the client", true, false, "hl.exe hl.sh", "", "", server);
    row("client ignores the server", false, false, server, "", "", client);
    row("Windows client", false, true, "hl.exe", "", "hl.exe", "hl.exe");
    row("Windows server", true, true, "hlds.exe", "", "hlds.exe", "hlds.exe");
    row("Windows ignores the rest", false, true, "hl.sh hl_linux", "", "", "hl.exe");
}

void TestLaunch::launchProgram() {
    QFETCH(bool, server);
    QFETCH(bool, windows);
    QFETCH(QString, runnable);
    QFETCH(QString, plain);
    QFETCH(QString, chosen);
    QFETCH(QString, tried);
    if (HostIsWindows && !windows)
        QSKIP("Windows runs programs by their extension, not by a mode bit");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"Half-Life"_s);
    const QStringList runnableNames = runnable.split(u' ', Qt::SkipEmptyParts);
    for (const QString& name : runnableNames + plain.split(u' ', Qt::SkipEmptyParts)) {
        const QString path = folder + u'/' + (name.endsWith(u'/') ? name + u"x"_s : name);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && writeBytes(path, "#!/bin/sh\n"));
    }
    for (const QString& name : runnableNames)
        QVERIFY(QFile::setPermissions(folder + u'/' + name, QFile::ReadOwner | QFile::ExeOwner));

    const QStringList names = tried.split(u' ');
    QCOMPARE(gamePrograms(server, windows), names);
    QCOMPARE(firstRunnable(folder, names).value_or(QString()), chosen);
    QVERIFY(!firstRunnable(QString(), names));
    const QString reason = nothingRunnableReason(folder, names);
    for (const QString& name : names + QStringList{QDir::toNativeSeparators(folder)})
        QVERIFY2(reason.contains(name), qPrintable(reason));
    QVERIFY(nothingRunnableReason(folder + u"/gone"_s, names).contains(u"folder does not exist"_s));
}

QTEST_GUILESS_MAIN(TestLaunch)

#include "tst_launch.moc"
