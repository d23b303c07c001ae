// Files and places no player should have, but some will: huge, binary, endless lines, far too
// many entries, a linked bots.ini, and a settings store full of rubbish. None may crash the
// program, and each must leave a roster the window can show.
#include "launch/commands.h"
#include "roster/botsini.h"
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

struct Loaded {
    FakeRosterView view;
    Module1 roster{&view};
    Loaded() { view.roster = &roster; }
};

// The shape every roster must have after a read, whatever the file held.
void verifyShape(const Module1& m) {
    QVERIFY(m.MapCount >= 1 && m.MapCount <= Module1::MaxEntries);
    QVERIFY(m.BotCount >= 1 && m.BotCount <= Module1::MaxEntries);
    QCOMPARE(m.Maps.size(), qsizetype(m.MapCount) + 1);
    QCOMPARE(m.Bots.size(), qsizetype(m.BotCount) + 1);
}

// A file the program wrote reads back into a roster that writes the very same text.
void verifyWrittenTextIsStable(const Module1& m) {
    const QString first = composeBotsIni(m);
    Module1 again;
    readBotsIni(again, encodeCodePage(first));
    QCOMPARE(composeBotsIni(again), first);
}

// A byte string literal with its NUL bytes (all but the terminating one).
template <std::size_t N> QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, qsizetype(N - 1));
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
    void text1ShowsEveryLineEndedByCrLf_data();
    void text1ShowsEveryLineEndedByCrLf();
    void tenMegabyteSingleLine();
    void tooManyHeadersStopAtTheLimit_data();
    void tooManyHeadersStopAtTheLimit();
    void fullListsAreWrittenWhole();
    void codePageAppendsToWhatIsThere();
    void longValuesAreWrittenWhole();
    void linkedBotsIniKeepsTheLink();
    void danglingLinkCreatesItsTarget();
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

    Loaded loaded;
    LoadBotsIni(loaded.roster, folder.path());
    const Module1& r = loaded.roster;
    verifyShape(r);
    QCOMPARE(r.MapCount, 1);
    QCOMPARE(r.Maps[1].Name, u"Default"_s);
    QCOMPARE(r.Maps[1].Quantity, u"7"_s);
    QCOMPARE(r.BotCount, botCount);
    QCOMPARE(r.Bots[1].Name, u"bot1"_s);
    QCOMPARE(r.Bots[botCount].Name, u"bot%1"_s.arg(botCount));
    // Every line already had CR LF and no spaces at its ends: Text1 shows the file as it is.
    QCOMPARE(loaded.view.text1Sets, 1);
    QCOMPARE(qint64(loaded.view.text1.size()), size);
}

void TestBadInput::randomBytesGiveAUsableRoster() {
    for (const quint32 seed : {1u, 2u, 3u}) {
        const QByteArray bytes = randomBytes(seed, 1 << 20);
        Loaded loaded;
        readBotsIni(loaded.roster, bytes);
        verifyShape(loaded.roster);
        // Random bytes cannot hold 32768 headers, so the read ends normally and fills Text1.
        QCOMPARE(loaded.view.text1Sets, 1);
        verifyWrittenTextIsStable(loaded.roster);
    }
}

void TestBadInput::randomRosterPiecesGiveAUsableRoster() {
    for (quint32 seed = 100; seed < 140; ++seed) {
        const QByteArray bytes = randomRosterText(seed, 3000);
        Loaded loaded;
        readBotsIni(loaded.roster, bytes);
        verifyShape(loaded.roster);
        verifyWrittenTextIsStable(loaded.roster);
    }
}

void TestBadInput::nulBytesStayInsideLinesAndValues() {
    const QByteArray file =
        raw("[Bot]\r\nname=a\0b\r\nmo\0del=x\r\n\0[Bot]\r\n[Map]\0\r\n[Bot]\r\ntopcolor=\0\r\n");
    QCOMPARE(file.count('\0'), 5);
    Loaded loaded;
    readBotsIni(loaded.roster, file);
    const Module1& r = loaded.roster;
    verifyShape(r);
    // A line with a NUL is no header, and a NUL inside a key makes it an unknown key.
    QCOMPARE(r.BotCount, 2);
    QCOMPARE(r.MapCount, 1);
    QCOMPARE(r.Maps[1].Name, u"Map1"_s);
    QCOMPARE(r.Bots[1].Name, QString(u"a\0b"_s));
    QCOMPARE(r.Bots[1].Name.size(), 3);
    QCOMPARE(r.Bots[1].Model, QString());
    QCOMPARE(r.Bots[2].TopColor, QString(QChar(u'\0')));
    QCOMPARE(loaded.view.text1, decodeCodePage(file));

    // Written back byte for byte.
    const QByteArray written = encodeCodePage(composeBotsIni(r));
    QVERIFY(written.contains(raw("Name            = a\0b\r\n")));
    QVERIFY(written.contains(raw("TopColor        = \0\r\n")));
    verifyWrittenTextIsStable(r);
}

// Text1 shows each line as read (inside a section trimmed of spaces, unless it is a header) and
// ended by CR LF, whatever ended it in the file; a file already in that form is shown unchanged.
void TestBadInput::text1ShowsEveryLineEndedByCrLf_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("shown");
    const QByteArray written =
        "[Map]\r\nName            = x\r\n\r\n[Bot]\r\nName            = B\r\n\r\n";
    QTest::newRow("as written") << written << written;
    QTest::newRow("mixed line ends")
        << QByteArray(
               "[Bot]\r\nname = A\r\nmodel=x\rtop=1\n2\r\n  [Map]  \r\n[Map]\r\n  name = m  ")
        << QByteArray("[Bot]\r\nname = A\r\nmodel=x\r\ntop=1\n2\r\n[Map]\r\n[Map]\r\nname = m\r\n");
    QTest::newRow("spaces kept before the first section")
        << QByteArray("  a  \r\n [Bot] \r\n[Bot]\r\n")
        << QByteArray("  a  \r\n [Bot] \r\n[Bot]\r\n");
    QTest::newRow("lone CR after many lines as read")
        << QByteArray("[Bot]\r\nname=a\r\n").repeated(1000) + "x\r[Bot]"
        << QByteArray("[Bot]\r\nname=a\r\n").repeated(1000) + "x\r\n[Bot]\r\n";
    QTest::newRow("trimmed after many lines as read")
        << QByteArray("[Map]\r\nname=a\r\n").repeated(1000) + "  x  \r\n"
        << QByteArray("[Map]\r\nname=a\r\n").repeated(1000) + "x\r\n";
    QTest::newRow("CR CR LF") << QByteArray("[Bot]\r\r\n") << QByteArray("[Bot]\r\n\r\n");
}

void TestBadInput::text1ShowsEveryLineEndedByCrLf() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, shown);
    Loaded loaded;
    readBotsIni(loaded.roster, file);
    QCOMPARE(loaded.view.text1Sets, 1);
    QCOMPARE(loaded.view.text1, decodeCodePage(shown));
}

void TestBadInput::tenMegabyteSingleLine() {
    constexpr qsizetype length = 10 * 1024 * 1024;
    {
        // One endless value: kept whole.
        Loaded loaded;
        readBotsIni(loaded.roster, "[Bot]\r\nname=" + QByteArray(length, 'x'));
        QCOMPARE(loaded.roster.BotCount, 1);
        QCOMPARE(loaded.roster.Bots[1].Name.size(), length);
        QCOMPARE(loaded.roster.Bots[1].Model, QString());
    }
    {
        // Headers joined by lone LFs are one line, so no header at all.
        Loaded loaded;
        const QByteArray line = QByteArray("[Bot]\n").repeated(length / 6);
        readBotsIni(loaded.roster, line);
        verifyShape(loaded.roster);
        QCOMPARE(loaded.roster.BotCount, 1);
        QCOMPARE(loaded.roster.Bots[1].Name, u"Bot1"_s);
        QCOMPARE(loaded.view.text1.size(), line.size() + 2);
    }
}

void TestBadInput::tooManyHeadersStopAtTheLimit_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<bool>("isBot");
    QTest::addColumn<QString>("lastName");
    QTest::newRow("[Bot]") << QByteArray("[Bot]") << true << QString();
    QTest::newRow("[Map]") << QByteArray("[Map]") << false << QString();
    QTest::newRow("[DefaultMap]") << QByteArray("[DefaultMap]") << false << u"Default"_s;
}

void TestBadInput::tooManyHeadersStopAtTheLimit() {
    QFETCH(QByteArray, header);
    QFETCH(bool, isBot);
    QFETCH(QString, lastName);
    const QByteArray file = (header + "\r\n").repeated(40000);
    Loaded loaded;
    loaded.view.text1 = u"notice"_s;
    readBotsIni(loaded.roster, file);
    const Module1& r = loaded.roster;
    verifyShape(r);
    // The list that overflowed holds exactly the limit; the reading stopped at the first header
    // past it, so Text1 keeps what it showed and the other list gets its one default entry.
    QCOMPARE(loaded.view.text1Sets, 0);
    QCOMPARE(loaded.view.text1, u"notice"_s);
    if (isBot) {
        QCOMPARE(r.BotCount, 32767);
        QCOMPARE(r.Bots[32767].Name, lastName);
        QCOMPARE(loaded.view.maximum.value(RosterControl::HScroll2), 32768);
        QCOMPARE(r.MapCount, 1);
        QCOMPARE(r.Maps[1].Name, u"Map1"_s);
        QCOMPARE(loaded.view.enabled.value(RosterControl::HScroll1, true), false);
    } else {
        QCOMPARE(r.MapCount, 32767);
        QCOMPARE(r.Maps[32767].Name, lastName);
        QCOMPARE(loaded.view.maximum.value(RosterControl::HScroll1), 32768);
        QCOMPARE(r.BotCount, 1);
        QCOMPARE(r.Bots[1].Name, u"Bot1"_s);
        QCOMPARE(loaded.view.enabled.value(RosterControl::HScroll2, true), false);
    }
    // A full list refuses one more entry.
    Module1& roster = loaded.roster;
    QVERIFY(isBot ? !roster.AddBot() : !roster.AddMap());
    verifyShape(roster);
}

// Writing a roster whose lists are both full once ran past the end of the lists (the entry index
// wrapped around at 32767) instead of stopping at the last entry.
void TestBadInput::fullListsAreWrittenWhole() {
    const QByteArray file =
        QByteArray("[Map]\r").repeated(32767) + QByteArray("[Bot]\r").repeated(32768);
    QCOMPARE(file, readBytes(QStringLiteral(ZELVIK_TEST_DATA "/fuzz-seed/full-roster.ini")));
    Loaded loaded;
    readBotsIni(loaded.roster, file);
    const Module1& r = loaded.roster;
    QCOMPARE(r.MapCount, 32767);
    QCOMPARE(r.BotCount, 32767);

    const QString written = composeBotsIni(r);
    QCOMPARE(written.count(u"[Map]\r\nName            = \r\n"_s), 32767);
    QCOMPARE(written.count(u"[Bot]\r\nName            = \r\n"_s), 32767);
    QVERIFY(written.endsWith(u"BottomColor     = \r\n\r\n"_s));
    QCOMPARE(written.size(), 32767 * (7 + 7 * 20 + 2) + 32767 * (7 + 4 * 20 + 2));

    Loaded again;
    readBotsIni(again.roster, encodeCodePage(written + u"\r\n"_s));
    QCOMPARE(again.roster.MapCount, 32767);
    QCOMPARE(again.roster.BotCount, 32767);
    QCOMPARE(again.view.text1Sets, 1); // exactly full is no failure
    QCOMPARE(composeBotsIni(again.roster), written);
}

void TestBadInput::codePageAppendsToWhatIsThere() {
    QByteArray bytes = raw("a\0");
    bytes.reserve(64);
    appendCodePage(bytes, u"\u20ac\U0001F600\u00e9\0x"_s);
    QCOMPARE(bytes, raw("a\0\x80?\xe9\0x"));
    appendCodePage(bytes, QStringView());
    QCOMPARE(bytes.size(), 7);
    QCOMPARE(encodeCodePage(u"\r\n"_s), QByteArray("\r\n"));
}

// The file is written a piece at a time: values far longer than a piece, full of characters the
// code page cannot hold (each a surrogate pair, one "?"), come out as one encoding of the whole.
void TestBadInput::longValuesAreWrittenWhole() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Loaded loaded;
    LoadBotsIni(loaded.roster, dir.path());
    QString faces;
    for (int i = 0; i < 100'000; ++i)
        faces += u"\U0001F600"_s;
    loaded.roster.Bots[1].Name = faces;                         // pairs at even offsets
    loaded.roster.Bots[1].Model = u"x"_s + faces + u"\u00e9"_s; // and at odd ones
    QString error;
    QVERIFY2(WriteBotsIni(loaded.roster, dir.path(), &error), qPrintable(error));
    const QByteArray written = readBytes(dir.filePath(u"bots.ini"_s));
    QCOMPARE(written, encodeCodePage(composeBotsIni(loaded.roster) + u"\r\n"_s));
    QVERIFY(written.contains("Name            = " + QByteArray(100'000, '?') + "\r\n"));
    QVERIFY(written.contains("Model           = x" + QByteArray(100'000, '?') + "\xe9\r\n"));
    QVERIFY(written.endsWith("\r\n\r\n\r\n"));
}

void TestBadInput::linkedBotsIniKeepsTheLink() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(u"real"_s));
    QVERIFY(QDir(dir.path()).mkpath(u"game"_s));
    const QString real = dir.filePath(u"real/roster.ini"_s);
    const QString link = dir.filePath(u"game/bots.ini"_s);
    writeBytes(real, "[Bot]\r\nname=Old\r\n");
    if (!QFile::link(u"../real/roster.ini"_s, link))
        QSKIP("this system cannot make symbolic links");

    Loaded loaded;
    LoadBotsIni(loaded.roster, dir.filePath(u"game"_s));
    QCOMPARE(loaded.roster.Bots[1].Name, u"Old"_s); // read through the link
    loaded.roster.Bots[1].Name = u"New"_s;
    QString error;
    QVERIFY2(WriteBotsIni(loaded.roster, dir.filePath(u"game"_s), &error), qPrintable(error));

    const QFileInfo info(link);
    QVERIFY(info.isSymLink());
    QCOMPARE(info.symLinkTarget(), QFileInfo(real).absoluteFilePath());
    const QByteArray expected = encodeCodePage(composeBotsIni(loaded.roster) + u"\r\n"_s);
    QVERIFY(expected.contains("Name            = New\r\n"));
    QCOMPARE(readBytes(real), expected);
    QCOMPARE(loaded.view.text1, composeBotsIni(loaded.roster));
}

void TestBadInput::danglingLinkCreatesItsTarget() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString real = dir.filePath(u"later.ini"_s);
    const QString link = dir.filePath(u"bots.ini"_s);
    if (!QFile::link(real, link))
        QSKIP("this system cannot make symbolic links");

    Loaded loaded;
    LoadBotsIni(loaded.roster, dir.path()); // nothing to read: the defaults
    QCOMPARE(loaded.view.text1Sets, 0);
    QString error;
    QVERIFY2(WriteBotsIni(loaded.roster, dir.path(), &error), qPrintable(error));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(real), encodeCodePage(composeBotsIni(loaded.roster) + u"\r\n"_s));
}

void TestBadInput::garbageSettingsFileReadsDefaults() {
    const QString path = settingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    for (const quint32 seed : {7u, 8u}) {
        // Random bytes with no "[" can open no section, so no key of ours can be found.
        QByteArray garbage = randomBytes(seed, 256 * 1024);
        garbage.replace('[', '(');
        writeBytes(path, garbage);
        QCOMPARE(readBytes(path).size(), garbage.size());
        QCOMPARE(ReadStoredSetting(SettingsKeys::HLPath, SettingsKeys::DefaultHLPath),
                 SettingsKeys::DefaultHLPath);
        QCOMPARE(ReadStoredSetting(SettingsKeys::HLParameters, u"-nointro"_s), u"-nointro"_s);
        QCOMPARE(ReadStoredSetting(SettingsKeys::MainLeft, u"1000"_s), u"1000"_s);
    }
    QFile::remove(path);
}

void TestBadInput::garbageAroundAValidSettingDoesNotCrash() {
    const QString path = settingsFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QByteArray garbage = randomBytes(9, 64 * 1024);
    garbage.replace('[', '(');
    const QByteArray file = garbage + "\n[Settings]\nHLPath=C:\\\\Games\\\\hl.exe\n" +
                            randomBytes(10, 64 * 1024) + raw("\n[\xff\0]\n=\n==\n[");
    writeBytes(path, file);
    // QSettings may or may not take the key from a file it finds broken; either way the read
    // gives one of the two, and nothing else.
    const QString read = ReadStoredSetting(SettingsKeys::HLPath, SettingsKeys::DefaultHLPath);
    QVERIFY2(read == SettingsKeys::DefaultHLPath || read == u"C:\\Games\\hl.exe"_s,
             qPrintable(read));
    QCOMPARE(ReadStoredSetting(u"NoSuchKey"_s, u"fallback"_s), u"fallback"_s);
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
