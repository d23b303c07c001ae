#include "launch/launchrequest.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestLaunchRequest : public QObject {
    Q_OBJECT

private slots:
    void makeRequest_data();
    void makeRequest();
};

void TestLaunchRequest::makeRequest_data() {
    QTest::addColumn<QString>("hlPath");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("programPath");

#ifdef Q_OS_WIN
    const QString sep = u"\\"_s;
#else
    const QString sep = u"/"_s;
#endif
    const QString map = u"-game valve +map \"boot camp\""_s;

    QTest::newRow("client, mixed case") << u"C:\\Half-Life\\HL.exe"_s << map << u"hl.exe"_s
                                        << u"C:\\Half-Life\\"_s << u"C:\\Half-Life\\hl.exe"_s;
    QTest::newRow("server, upper case") << u"C:\\HLDS\\HLDS.EXE"_s << u""_s << u"hlds.exe"_s
                                        << u"C:\\HLDS\\"_s << u"C:\\HLDS\\hlds.exe"_s;
    QTest::newRow("other name loses six characters")
        << u"C:\\Games\\game.exe"_s << map << u"hl.exe"_s << u"C:\\Games\\ga"_s
        << u"C:\\Games\\ga"_s + sep + u"hl.exe"_s;
    QTest::newRow("name ending in hlds.exe")
        << u"C:\\HL\\myhlds.exe"_s << map << u"hlds.exe"_s << u"C:\\HL\\my"_s
        << u"C:\\HL\\my"_s + sep + u"hlds.exe"_s;
    QTest::newRow("server name only in the folder")
        << u"C:\\hlds.exe\\hl.exe"_s << map << u"hl.exe"_s << u"C:\\hlds.exe\\"_s
        << u"C:\\hlds.exe\\hl.exe"_s;
    QTest::newRow("slashes") << u"/opt/hl/hl.exe"_s << map << u"hl.exe"_s << u"/opt/hl/"_s
                             << u"/opt/hl/hl.exe"_s;
    QTest::newRow("server with slashes") << u"/srv/hlds/Hlds.Exe"_s << map << u"hlds.exe"_s
                                         << u"/srv/hlds/"_s << u"/srv/hlds/hlds.exe"_s;
    QTest::newRow("empty") << u""_s << u""_s << u"hl.exe"_s << u""_s << u"hl.exe"_s;
    QTest::newRow("shorter than six") << u"hl"_s << map << u"hl.exe"_s << u""_s << u"hl.exe"_s;
    QTest::newRow("just the client") << u"HL.EXE"_s << map << u"hl.exe"_s << u""_s << u"hl.exe"_s;
    QTest::newRow("just the server")
        << u"hlds.exe"_s << map << u"hlds.exe"_s << u""_s << u"hlds.exe"_s;
    QTest::newRow("parameters kept as they are")
        << u"C:\\HL\\hl.exe"_s << u"  -dev ; +map \"a b\"  "_s << u"hl.exe"_s << u"C:\\HL\\"_s
        << u"C:\\HL\\hl.exe"_s;
}

void TestLaunchRequest::makeRequest() {
    QFETCH(QString, hlPath);
    QFETCH(QString, parameters);
    QFETCH(QString, file);
    QFETCH(QString, directory);
    QFETCH(QString, programPath);

    const LaunchRequest request = makeLaunchRequest(hlPath, parameters);
    QCOMPARE(request.file, file);
    QCOMPARE(request.parameters, parameters);
    QCOMPARE(request.directory, directory);
    QCOMPARE(launchProgramPath(request), programPath);
}

QTEST_GUILESS_MAIN(TestLaunchRequest)

#include "tst_launchrequest.moc"
