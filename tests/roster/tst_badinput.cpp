// Files and places no player should have, but some will: huge, binary, endless lines, far too
// many entries, and a settings store full of rubbish. None may crash the program, and each must
// leave a roster the window can show. A bots.ini that is a link is the atomic write's to keep
// (tst_platform's writeThroughLink).
#include "app/settings.h"
#include "game/gamefinder.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"
#include "roster/codepage.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The text "Save INI" writes, as characters, without the file's last line break.
QString composedText(const Roster& roster) {
    return decodeCodePage(composeBotsIniFile(roster)).chopped(2);
}

// What every read must give, whatever the file held: each list holds from one entry to its limit,
// and shows its first.
template <typename Entry> void verifyShape(const EntryList<Entry>& list) {
    QVERIFY(list.count() >= 1 && list.count() <= EntryList<Entry>::MaxEntries);
    QCOMPARE(list.current(), 1);
}

void verifyShape(const Roster& roster) {
    verifyShape(roster.maps);
    verifyShape(roster.bots);
}

// A file the program wrote reads back into a roster that writes the very same text.
void verifyWrittenTextIsStable(const Roster& roster) {
    const QByteArray first = composeBotsIniFile(roster);
    QCOMPARE(composeBotsIniFile(readBotsIni(first).roster), first);
}

// A list whose reading stopped early: either it reached its limit and pages (that a full list
// takes no more is tst_entrylist's), or the file left it empty and it holds the default entry,
// without paging.
template <typename Entry>
void verifyStoppedList(const EntryList<Entry>& list, int count, const QString& lastName) {
    QCOMPARE(list.count(), count);
    QCOMPARE(list.at(list.count()).name, lastName);
    QCOMPARE(list.canPage(), count == EntryList<Entry>::MaxEntries);
}

QByteArray randomBytes(quint32 seed, qsizetype size) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Random text made of the pieces a bots.ini is made of, so headers, keys and line ends meet in
// every order: far more of the reader is reached than by random bytes alone.
QByteArray randomRosterText(quint32 seed, int pieces) {
    static const char* const parts[] = {"[Bot]",
                                        "[Map]",
                                        "[DefaultMap]",
                                        "[bot]",
                                        "[DEFAULTMAP]",
                                        "\r\n",
                                        "\r",
                                        "\n",
                                        "=",
                                        " ",
                                        "\t",
                                        "\0",
                                        "name",
                                        "Name",
                                        "model",
                                        "Quantity",
                                        "random",
                                        "initialdelay",
                                        "default",
                                        "SpawnDelay ",
                                        "waitforplayers",
                                        "keepserverfull",
                                        "topcolor",
                                        "bottomcolor",
                                        "\x80",
                                        "\xff",
                                        "\x9d",
                                        "x",
                                        "[",
                                        "]"};
    constexpr int partCount = int(sizeof(parts) / sizeof(parts[0]));
    QRandomGenerator random(seed);
    QByteArray text;
    for (int i = 0; i < pieces; ++i) {
        const int k = random.bounded(partCount);
        // "\0" is one NUL byte, not an empty string.
        text += (parts[k][0] == '\0') ? QByteArray(1, '\0') : QByteArray(parts[k]);
    }
    return text;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hundredMegabyteFileLoads();
    void randomBytesGiveAUsableRoster();
    void randomRosterPiecesGiveAUsableRoster();
    void nulBytesStayInsideLinesAndValues();
    void tenMegabyteSingleLine();
    void tooManyHeadersStopAtTheLimit_data();
    void tooManyHeadersStopAtTheLimit();
    void fullListsAreWrittenWhole();
    void longValuesAreWrittenWhole();
    void garbageSettingsFileReadsDefaults();
    void garbageAroundAValidSettingDoesNotCrash();
};

void TestBadInput::initTestCase() {
    isolateSettings();
}

void TestBadInput::hundredMegabyteFileLoads() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    constexpr int botCount = 1000;
    // Each bot: its header, then the same key line repeated ~100 kB worth, then its own name.
    const QByteArray filler = QByteArray("Name = Barney\r\n").repeated(6700);
    qint64 size = 0;
    {
        QFile file(botsIniPath(folder.path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray head = "[DefaultMap]\r\nQuantity = 7\r\n";
        size += file.write(head);
        for (int i = 1; i <= botCount; ++i) {
            size += file.write("[Bot]\r\n");
            size += file.write(filler);
            size += file.write("Name = bot" + QByteArray::number(i) + "\r\n");
        }
    }
    QVERIFY(size > 100'000'000);

    const BotsIniRead read = readBotsIniFile(botsIniPath(folder.path()));
    const Roster& r = read.roster;
    verifyShape(r);
    QCOMPARE(r.maps.count(), 1);
    QCOMPARE(r.maps.at(1).name, u"Default"_s);
    QCOMPARE(r.maps.at(1).quantity, u"7"_s);
    QCOMPARE(r.bots.count(), botCount);
    QCOMPARE(r.bots.at(1).name, u"bot1"_s);
    QCOMPARE(r.bots.at(botCount).name, u"bot%1"_s.arg(botCount));
    // Every line already had CR LF and no spaces at its ends: the INI page shows the file as it is.
    QVERIFY(read.readToEnd);
    QCOMPARE(qint64(read.text.size()), size);
}

void TestBadInput::randomBytesGiveAUsableRoster() {
    for (const quint32 seed : {1u, 2u, 3u}) {
        const BotsIniRead read = readBotsIni(randomBytes(seed, 1 << 20));
        verifyShape(read.roster);
        // Random bytes cannot hold 32768 headers, so the read ends normally.
        QVERIFY(read.readToEnd);
        verifyWrittenTextIsStable(read.roster);
    }
}

void TestBadInput::randomRosterPiecesGiveAUsableRoster() {
    for (quint32 seed = 100; seed < 140; ++seed) {
        const BotsIniRead read = readBotsIni(randomRosterText(seed, 3000));
        verifyShape(read.roster);
        verifyWrittenTextIsStable(read.roster);
    }
}

void TestBadInput::nulBytesStayInsideLinesAndValues() {
    const QByteArray file =
        "[Bot]\r\nname=a\0b\r\nmo\0del=x\r\n\0[Bot]\r\n[Map]\0\r\n[Bot]\r\ntopcolor=\0\r\n"_ba;
    QCOMPARE(file.count('\0'), 5);
    const BotsIniRead read = readBotsIni(file);
    const Roster& r = read.roster;
    verifyShape(r);
    // A line with a NUL is no header, and a NUL inside a key makes it an unknown key.
    QCOMPARE(r.bots.count(), 2);
    QCOMPARE(r.maps.count(), 1);
    QCOMPARE(r.maps.at(1).name, u"Map1"_s);
    QCOMPARE(r.bots.at(1).name, u"a\0b"_s);
    QCOMPARE(r.bots.at(1).name.size(), 3);
    QCOMPARE(r.bots.at(1).model, QString());
    QCOMPARE(r.bots.at(2).topColor, QString(QChar(u'\0')));
    QCOMPARE(read.text, file);

    // Written back byte for byte.
    const QByteArray written = composeBotsIniFile(r);
    QVERIFY(written.contains("Name            = a\0b\r\n"_ba));
    QVERIFY(written.contains("TopColor        = \0\r\n"_ba));
    verifyWrittenTextIsStable(r);
}

void TestBadInput::tenMegabyteSingleLine() {
    constexpr qsizetype length = qsizetype(10) * 1024 * 1024;
    {
        // One endless value: kept whole.
        const BotsIniRead read = readBotsIni("[Bot]\r\nname=" + QByteArray(length, 'x'));
        QCOMPARE(read.roster.bots.count(), 1);
        QCOMPARE(read.roster.bots.at(1).name.size(), length);
        QCOMPARE(read.roster.bots.at(1).model, QString());
    }
    {
        // Headers joined by lone LFs are one line, so no header at all.
        const QByteArray line = QByteArray("[Bot]\n").repeated(length / 6);
        const BotsIniRead read = readBotsIni(line);
        verifyShape(read.roster);
        QCOMPARE(read.roster.bots.count(), 1);
        QCOMPARE(read.roster.bots.at(1).name, u"Bot1"_s);
        QCOMPARE(read.text.size(), line.size() + 2);
    }
}

void TestBadInput::tooManyHeadersStopAtTheLimit_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("bots");
    QTest::addColumn<QString>("lastBot");
    QTest::addColumn<int>("maps");
    QTest::addColumn<QString>("lastMap");
    QTest::addColumn<int>("unreadBots");
    QTest::addColumn<int>("unreadMaps");
    QTest::newRow("[Bot]") << QByteArray("[Bot]\r\n").repeated(40000) << 32767 << QString() << 1
                           << u"Map1"_s << 40000 - 32767 << 0;
    QTest::newRow("[Map]") << QByteArray("[Map]\r\n").repeated(40000) << 1 << u"Bot1"_s << 32767
                           << QString() << 0 << 40000 - 32767;
    QTest::newRow("[DefaultMap]") << QByteArray("[DefaultMap]\r\n").repeated(40000) << 1
                                  << u"Bot1"_s << 32767 << u"Default"_s << 0 << 40000 - 32767;
    // The bot after the maps is never reached: it is left unread, not made up.
    QTest::newRow("maps, then a bot")
        << QByteArray("[Map]\r\n").repeated(32768) + "[bOT]\r\nname=late\r\n[Bots]\r\n"
        << 1 << u"Bot1"_s << 32767 << QString() << 1 << 1;
    // Both lists fill together; the next bot stops the reading, and what follows is not read.
    QTest::newRow("both") << QByteArray("[Bot]\r\n[DefaultMap]\r\n").repeated(32768) +
                                 "[Bot]\r\nname=late\r\n"
                          << 32767 << QString() << 32767 << u"Default"_s << 2 << 1;
}

void TestBadInput::tooManyHeadersStopAtTheLimit() {
    QFETCH(QByteArray, file);
    QFETCH(int, bots);
    QFETCH(QString, lastBot);
    QFETCH(int, maps);
    QFETCH(QString, lastMap);
    QFETCH(int, unreadBots);
    QFETCH(int, unreadMaps);
    const BotsIniRead read = readBotsIni(file);
    verifyShape(read.roster);
    // The reading stopped at the first header past the limit, so the INI page is given no text.
    QVERIFY(!read.readToEnd);
    QVERIFY(read.text.isEmpty());
    verifyStoppedList(read.roster.bots, bots, lastBot);
    verifyStoppedList(read.roster.maps, maps, lastMap);
    QCOMPARE(read.unreadBots, unreadBots);
    QCOMPARE(read.unreadMaps, unreadMaps);
}

// Writing a roster whose lists are both full stops at the last entry of each: an index counted
// in 16 bits would wrap round at 32767 and run past the lists.
void TestBadInput::fullListsAreWrittenWhole() {
    const QByteArray file =
        QByteArray("[Map]\r").repeated(32767) + QByteArray("[Bot]\r").repeated(32768);
    QCOMPARE(file, readBytes(QStringLiteral(ZELVIK_TEST_DATA "/fuzz-seed/full-roster.ini")));
    const BotsIniRead read = readBotsIni(file);
    QCOMPARE(read.roster.maps.count(), 32767);
    QCOMPARE(read.roster.bots.count(), 32767);

    const QString written = composedText(read.roster);
    QCOMPARE(written.count(u"[Map]\r\nName            = \r\n"_s), 32767);
    QCOMPARE(written.count(u"[Bot]\r\nName            = \r\n"_s), 32767);
    QVERIFY(written.endsWith(u"BottomColor     = \r\n\r\n"_s));
    QCOMPARE(written.size(), 32767 * (7 + 7 * 20 + 2) + 32767 * (7 + 4 * 20 + 2));

    const BotsIniRead again = readBotsIni(composeBotsIniFile(read.roster));
    QVERIFY(again.readToEnd); // exactly full is no failure
    QCOMPARE(again.roster.maps.count(), 32767);
    QCOMPARE(again.roster.bots.count(), 32767);
    QCOMPARE(composedText(again.roster), written);
}

// Values full of characters the code page cannot hold (each a surrogate pair, one "?") are
// written as the text composed as characters and then encoded would be, one "?" to a pair.
void TestBadInput::longValuesAreWrittenWhole() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString faces;
    for (int i = 0; i < 100'000; ++i)
        faces += u"\U0001F600"_s;
    Roster roster;
    roster.bots = EntryList<BotEntry>(
        {BotEntry{}, BotEntry{faces, u"x"_s + faces + u"\u00e9"_s, u"1"_s, u"1"_s}});
    QString error;
    QVERIFY2(writeBotsIniFile(botsIniPath(dir.path()), composeBotsIniFile(roster), &error),
             qPrintable(error));
    const QByteArray written = readBytes(botsIniPath(dir.path()));
    QVERIFY(written.contains("Name            = " + QByteArray(100'000, '?') + "\r\n"));
    QVERIFY(written.contains("Model           = x" + QByteArray(100'000, '?') + "\xe9\r\n"));
    QVERIFY(written.endsWith("\r\n\r\n\r\n"));
}

void TestBadInput::garbageSettingsFileReadsDefaults() {
    if (HostIsWindows)
        QSKIP("the settings store is the registry there, which has no file to garble");
    const QString path = settingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    for (const quint32 seed : {7u, 8u}) {
        // Random bytes with no "[" can open no section, so no key of ours can be found.
        QByteArray garbage = randomBytes(seed, qsizetype(256) * 1024);
        garbage.replace('[', '(');
        writeBytes(path, garbage);
        QCOMPARE(readBytes(path).size(), garbage.size());
        QCOMPARE(readStoredSetting(SettingsKeys::GamePath, FallbackGamePath), FallbackGamePath);
        QCOMPARE(readStoredSetting(SettingsKeys::Parameters, u"-nointro"_s), u"-nointro"_s);
        QCOMPARE(readStoredSetting(SettingsKeys::WindowLeft, u"1000"_s), u"1000"_s);
    }
    QFile::remove(path);
}

void TestBadInput::garbageAroundAValidSettingDoesNotCrash() {
    if (HostIsWindows)
        QSKIP("the settings store is the registry there, which has no file to garble");
    const QString path = settingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QByteArray garbage = randomBytes(9, qsizetype(64) * 1024);
    garbage.replace('[', '(');
    const QByteArray file = garbage + "\n[Settings]\nHLPath=C:\\\\Games\\\\hl.exe\n" +
                            randomBytes(10, qsizetype(64) * 1024) + "\n[\xff\0]\n=\n==\n["_ba;
    writeBytes(path, file);
    // QSettings may or may not take the key from a file it finds broken; either way the read
    // gives one of the two, and nothing else.
    const QString read = readStoredSetting(SettingsKeys::GamePath, FallbackGamePath);
    QVERIFY2(read == FallbackGamePath || read == u"C:\\Games\\hl.exe"_s, qPrintable(read));
    QCOMPARE(readStoredSetting(u"NoSuchKey"_s, u"fallback"_s), u"fallback"_s);
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
