// Reading and writing bots.ini: the exact written layout, the reader's rules, and files that
// cannot be read.
#include "roster/botsini.h"
#include "roster/codepage.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Loaded {
    FakeRosterView view;
    Module1 roster{&view};
};

void readText(Loaded& loaded, const QByteArray& bytes) {
    loaded.view.roster = &loaded.roster;
    readBotsIni(loaded.roster, bytes);
}

MapEntry map(const QString& name, const QString& quantity, const QString& random,
             const QString& initial, const QString& spawn, const QString& wait,
             const QString& full) {
    return {name, quantity, random, initial, spawn, wait, full};
}

} // namespace

class TestBotsIni : public QObject {
    Q_OBJECT

private slots:
    void composesTheWrittenLayoutByteForByte();
    void composesNothingForEmptyLists();
    void splitSetting_data();
    void splitSetting();
    void readsHeadersAndKeys_data();
    void readsHeadersAndKeys();
    void keepsWhatTheFileSaysAboutTheDefaultMap();
    void endsLinesAtCrLfAndLoneCrOnly();
    void showsTheFileInText1WithSectionLinesTrimmed();
    void emptyFileGetsOneDefaultEntryEach();
    void missingOrUnreadableFileKeepsTheNotice();
    void stopsAtTheEntryLimit();
    void writtenRosterReadsBackTheSame();
    void emptyValuesSurviveARoundTrip();
    void codePageBytesComeBackUnchanged();
    void onlyLettersMatchingInAnyCaseMakeHeadersAndKeys();
};

void TestBotsIni::composesTheWrittenLayoutByteForByte() {
    Module1 roster;
    roster.resizeMaps(2);
    roster.MapCount = 2;
    roster.Maps[1] = map(u"boot_camp"_s, u"4"_s, u"Yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s);
    roster.Maps[2] = map(u"dEfAuLt"_s, u"2"_s, u"No"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s);
    roster.resizeBots(1);
    roster.BotCount = 1;
    roster.Bots[1] = {u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s};

    const QByteArray expected = "[Map]\r\n"
                                "Name            = boot_camp\r\n"
                                "Quantity        = 4\r\n"
                                "Random          = Yes\r\n"
                                "InitialDelay    = 10\r\n"
                                "SpawnDelay      = 5\r\n"
                                "WaitForPlayers  = 1\r\n"
                                "KeepServerFull  = 0\r\n"
                                "\r\n"
                                "[DefaultMap]\r\n"
                                "Quantity        = 2\r\n"
                                "Random          = No\r\n"
                                "InitialDelay    = 1\r\n"
                                "SpawnDelay      = 1\r\n"
                                "WaitForPlayers  = 0\r\n"
                                "KeepServerFull  = 0\r\n"
                                "\r\n"
                                "[Bot]\r\n"
                                "Name            = Bot1\r\n"
                                "Model           = Barney\r\n"
                                "TopColor        = 1\r\n"
                                "BottomColor     = 1\r\n"
                                "\r\n";
    QCOMPARE(encodeCodePage(composeBotsIni(roster)), expected);

    FakeRosterView view;
    roster.view = &view;
    QCOMPARE(SaveBotsIni(roster), composeBotsIni(roster));
    QCOMPARE(view.text1, composeBotsIni(roster));
    QCOMPARE(roster.LineBreak, u"\r\n"_s);
}

void TestBotsIni::composesNothingForEmptyLists() {
    Module1 roster;
    roster.resizeMaps(0);
    roster.resizeBots(0);
    roster.Maps[0].Name = u"spare"_s; // the spare slot is never written
    QCOMPARE(composeBotsIni(roster), QString());
}

void TestBotsIni::splitSetting_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("expected");
    QTest::newRow("front") << u"name=Bob"_s << u"="_s << u"F"_s << u"name"_s;
    QTest::newRow("back") << u"name=Bob"_s << u"="_s << u"b"_s << u"Bob"_s;
    QTest::newRow("first separator") << u"a=b=c"_s << u"="_s << u"B"_s << u"b=c"_s;
    QTest::newRow("untrimmed") << u" a = b "_s << u"="_s << u"f"_s << u" a "_s;
    QTest::newRow("separator any case") << u"keyXvalue"_s << u"x"_s << u"B"_s << u"value"_s;
    QTest::newRow("longer separator") << u"k::v"_s << u"::"_s << u"B"_s << u"v"_s;
    QTest::newRow("unknown part") << u"a=b"_s << u"="_s << u"Q"_s << u"Err1"_s;
    QTest::newRow("no separator") << u"ab"_s << u"="_s << u"F"_s << u"Err2"_s;
    QTest::newRow("empty separator") << u"a=b"_s << QString() << u"F"_s << u"Err2"_s;
    QTest::newRow("empty front") << u"=b"_s << u"="_s << u"F"_s << u"Err3"_s;
    QTest::newRow("empty back") << u"a="_s << u"="_s << u"B"_s << u"Err4"_s;
    QTest::newRow("empty line") << QString() << u"="_s << u"F"_s << u"Err5"_s;
}

void TestBotsIni::splitSetting() {
    QFETCH(QString, line);
    QFETCH(QString, separator);
    QFETCH(QString, part);
    QFETCH(QString, expected);
    QCOMPARE(SplitSetting(line, separator, part), expected);
}

void TestBotsIni::readsHeadersAndKeys_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("botNames");
    QTest::addColumn<QStringList>("mapNames");

    QTest::newRow("headers in any case") << QByteArray("[bOT]\r\nname=A\r\n[MAP]\r\nName=m1\r\n")
                                         << QStringList{u"A"_s} << QStringList{u"m1"_s};
    QTest::newRow("keys in any case, spaces trimmed")
        << QByteArray("[Bot]\r\n   NAME   =   Big Al   \r\n") << QStringList{u"Big Al"_s}
        << QStringList{u"Map1"_s};
    QTest::newRow("tab before = breaks the key")
        << QByteArray("[Bot]\r\nname\t= Tab\r\n") << QStringList{QString()}
        << QStringList{u"Map1"_s};
    QTest::newRow("tab inside the value stays")
        << QByteArray("[Bot]\r\nname = \tTab\t\r\n") << QStringList{u"\tTab\t"_s}
        << QStringList{u"Map1"_s};
    QTest::newRow("value keeps its =") << QByteArray("[Bot]\r\nname = a=b = c \r\n")
                                       << QStringList{u"a=b = c"_s} << QStringList{u"Map1"_s};
    QTest::newRow("last repeat wins") << QByteArray("[Bot]\r\nname=one\r\nname=two\r\n")
                                      << QStringList{u"two"_s} << QStringList{u"Map1"_s};
    QTest::newRow("lines before the first header ignored")
        << QByteArray("name=stray\r\n; comment\r\n[Bot]\r\nname=B\r\n") << QStringList{u"B"_s}
        << QStringList{u"Map1"_s};
    QTest::newRow("look-alike headers are not headers")
        << QByteArray("[Bot]\r\nname=A\r\n [Bot]\r\n[Bot] \r\n[Bots]\r\nname=B\r\n")
        << QStringList{u"B"_s} << QStringList{u"Map1"_s};
    QTest::newRow("other keys and comments ignored")
        << QByteArray("[Bot]\r\nskill=5\r\n#name=x\r\nname=C\r\nnoequals\r\n\r\n")
        << QStringList{u"C"_s} << QStringList{u"Map1"_s};
    QTest::newRow("map keys do not fill bots")
        << QByteArray("[Bot]\r\nname=A\r\nquantity=9\r\n[Map]\r\nmodel=x\r\nname=m\r\n")
        << QStringList{u"A"_s} << QStringList{u"m"_s};
    QTest::newRow("sections in any order keep list order")
        << QByteArray("[Bot]\r\nname=1\r\n[Map]\r\nname=a\r\n[Bot]\r\nname=2\r\n[Map]\r\nname=b")
        << QStringList{u"1"_s, u"2"_s} << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("only bots get a default map")
        << QByteArray("[Bot]\r\nname=A\r\n") << QStringList{u"A"_s} << QStringList{u"Map1"_s};
}

void TestBotsIni::readsHeadersAndKeys() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, botNames);
    QFETCH(QStringList, mapNames);
    Loaded loaded;
    readText(loaded, file);
    const Module1& r = loaded.roster;
    QCOMPARE(r.BotCount, botNames.size());
    QCOMPARE(r.MapCount, mapNames.size());
    QCOMPARE(r.Bots.size(), botNames.size() + 1);
    for (qsizetype i = 0; i < botNames.size(); ++i)
        QCOMPARE(r.Bots[i + 1].Name, botNames[i]);
    for (qsizetype i = 0; i < mapNames.size(); ++i)
        QCOMPARE(r.Maps[i + 1].Name, mapNames[i]);
}

void TestBotsIni::keepsWhatTheFileSaysAboutTheDefaultMap() {
    Loaded loaded;
    readText(loaded, "[defaultMAP]\r\nquantity = 3\r\nRandom = 1\r\n"
                     "[DefaultMap]\r\nname = crossfire\r\n"
                     "[Map]\r\nname = DEFAULT\r\n"
                     "[Bot]\r\nname=A\r\nmodel=gina\r\ntopcolor=10\r\nbottomcolor=20\r\n");
    const Module1& r = loaded.roster;
    QCOMPARE(r.MapCount, 3);
    QCOMPARE(r.Maps[1], map(u"Default"_s, u"3"_s, u"1"_s, {}, {}, {}, {}));
    QCOMPARE(r.Maps[2].Name, u"crossfire"_s);
    QCOMPARE(r.Maps[3].Name, u"DEFAULT"_s);
    QCOMPARE(r.Bots[1], (BotEntry{u"A"_s, u"gina"_s, u"10"_s, u"20"_s}));
    // Scroll bars of lists the file filled are left as they were, and reach one past the end.
    QVERIFY(!loaded.view.enabled.contains(RosterControl::HScroll1));
    QCOMPARE(loaded.view.maximum.value(RosterControl::HScroll1), 4);
    QCOMPARE(loaded.view.maximum.value(RosterControl::HScroll2), 2);

    const QString written = composeBotsIni(r);
    QVERIFY(written.startsWith(u"[DefaultMap]\r\nQuantity        = 3\r\n"_s));
    QVERIFY(written.contains(u"[Map]\r\nName            = crossfire\r\n"_s));
    QCOMPARE(written.count(u"[DefaultMap]"_s), 2);
    QVERIFY(!written.contains(u"DEFAULT"_s));
}

void TestBotsIni::endsLinesAtCrLfAndLoneCrOnly() {
    Loaded loaded;
    readText(loaded, "[Bot]\rname=cr\r[Bot]\nname=lf\r\n[Bot]\r\nname=a\nb\r\n");
    const Module1& r = loaded.roster;
    // "[Bot]\nname=lf" is one line that is no header, so it belongs to the first bot.
    QCOMPARE(r.BotCount, 2);
    QCOMPARE(r.Bots[1].Name, u"cr"_s);
    QCOMPARE(r.Bots[2].Name, u"a\nb"_s);
}

void TestBotsIni::showsTheFileInText1WithSectionLinesTrimmed() {
    Loaded loaded;
    readText(loaded, "  before  \r\n[Bot]\r\n   name = A   \r\n  \r\n[Map]\r\n\tname=x");
    QCOMPARE(loaded.view.text1, u"  before  \r\n[Bot]\r\nname = A\r\n\r\n[Map]\r\n\tname=x\r\n"_s);
}

void TestBotsIni::emptyFileGetsOneDefaultEntryEach() {
    Loaded loaded;
    readText(loaded, QByteArray(""));
    const Module1& r = loaded.roster;
    QCOMPARE(loaded.view.text1Sets, 1);
    QCOMPARE(loaded.view.text1, QString());
    QCOMPARE(r.MapCount, 1);
    QCOMPARE(r.BotCount, 1);
    QCOMPARE(r.Maps[1], map(u"Map1"_s, u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s));
    QCOMPARE(r.Bots[1], (BotEntry{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s}));
    QCOMPARE(loaded.view.enabled.value(RosterControl::HScroll1, true), false);
    QCOMPARE(loaded.view.enabled.value(RosterControl::HScroll2, true), false);
    QCOMPARE(loaded.view.enabled.value(RosterControl::Command2), true);
    QCOMPARE(loaded.view.enabled.value(RosterControl::Command5), true);
}

void TestBotsIni::missingOrUnreadableFileKeepsTheNotice() {
    QTemporaryDir folder;
    for (const bool isDirectory : {false, true}) {
        if (isDirectory)
            QVERIFY(QDir(folder.path()).mkdir(u"bots.ini"_s));
        FakeRosterView view;
        Module1 roster(&view);
        view.roster = &roster;
        LoadBotsIni(roster, folder.path());
        QCOMPARE(view.text1Sets, 0);
        QCOMPARE(roster.MapCount, 1);
        QCOMPARE(roster.BotCount, 1);
        QCOMPARE(roster.Bots[1].Name, u"Bot1"_s);
    }
}

void TestBotsIni::stopsAtTheEntryLimit() {
    QByteArray file;
    file.reserve(2'000'000);
    for (int i = 0; i < 32768; ++i)
        file += "[Bot]\r\n[DefaultMap]\r\n";
    file += "[Bot]\r\nname=late\r\n";
    Loaded loaded;
    readText(loaded, file);
    QCOMPARE(loaded.roster.BotCount, 32767);
    QCOMPARE(loaded.roster.MapCount, 32767);
    QCOMPARE(loaded.roster.Maps[32767].Name, u"Default"_s);
    QCOMPARE(loaded.view.text1Sets, 0); // the reading failed part-way: Text1 keeps its text
    QCOMPARE(loaded.view.maximum.value(RosterControl::HScroll2), 32768);
}

void TestBotsIni::writtenRosterReadsBackTheSame() {
    Loaded first;
    readText(first, "[Map]\r\nname=Default\r\nrandom=1\r\n[Map]\r\nname=crossfire\r\nquantity=3\r\n"
                    "initialdelay=2\r\nspawndelay=4\r\nwaitforplayers=1\r\nkeepserverfull=1\r\n"
                    "random=no\r\n[Bot]\r\nname=A B\r\nmodel=gina\r\ntopcolor=x\r\n"
                    "bottomcolor=255\r\n");
    first.roster.Maps[1].Random = u"Yes"_s;
    const QString text = composeBotsIni(first.roster);
    Loaded second;
    readText(second, encodeCodePage(text + u"\r\n"_s));
    QCOMPARE(second.roster.MapCount, first.roster.MapCount);
    QCOMPARE(second.roster.BotCount, first.roster.BotCount);
    for (qint16 i = 1; i <= first.roster.MapCount; ++i)
        QCOMPARE(second.roster.Maps[i], first.roster.Maps[i]);
    QCOMPARE(second.roster.Bots[1], first.roster.Bots[1]);
    QCOMPARE(composeBotsIni(second.roster), text);
}

void TestBotsIni::emptyValuesSurviveARoundTrip() {
    Loaded loaded;
    readText(loaded, "[Bot]\r\nname=   \r\nmodel=\r\ntopcolor=Err4\r\n=5\r\n");
    const BotEntry& bot = loaded.roster.Bots[1];
    QCOMPARE(bot.Name, QString());
    QCOMPARE(bot.Model, QString());
    QCOMPARE(bot.TopColor, u"Err4"_s); // a real value that happens to read like an error
    QCOMPARE(bot.BottomColor, QString());

    Loaded again;
    readText(again, encodeCodePage(composeBotsIni(loaded.roster)));
    QCOMPARE(again.roster.Bots[1], bot);
}

void TestBotsIni::codePageBytesComeBackUnchanged() {
    QByteArray every;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r')
            every += char(b);
    }
    Loaded loaded;
    readText(loaded, QByteArray("[Bot]\r\nname=") + every + "\r\n");
    const QByteArray written = encodeCodePage(composeBotsIni(loaded.roster));
    QVERIFY(written.contains(every));
    QCOMPARE(decodeCodePage("\x80\x81\x9f\xe9"), u"\u20ac\u0081\u0178\u00e9"_s);
    QCOMPARE(encodeCodePage(u"\u20ac\u00e9\u4e2d\U0001F600."_s), QByteArray("\x80\xe9??."));
}

QTEST_GUILESS_MAIN(TestBotsIni)
#include "tst_botsini.moc"

// Every byte in place of one letter of a header and of a key: it counts only where the text it
// stands for matches that letter with case ignored (by Qt's own case folding of the decoded text).
void TestBotsIni::onlyLettersMatchingInAnyCaseMakeHeadersAndKeys() {
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n' || b == '=' || b == ' ')
            continue;
        const QByteArray byte(1, char(b));
        const bool matchesO =
            QString::compare(decodeCodePage(byte), u"o"_s, Qt::CaseInsensitive) == 0;
        const bool matchesM =
            QString::compare(decodeCodePage(byte), u"m"_s, Qt::CaseInsensitive) == 0;
        Loaded loaded;
        readText(loaded, "[B" + byte + "t]\r\nName = A\r\n[Map]\r\nNa" + byte + "e = x\r\n");
        QVERIFY2(loaded.roster.Bots[1].Name == (matchesO ? u"A"_s : u"Bot1"_s),
                 qPrintable(u"byte %1 in a header"_s.arg(b)));
        QVERIFY2(loaded.roster.Maps[1].Name == (matchesM ? u"x"_s : QString()),
                 qPrintable(u"byte %1 in a key"_s.arg(b)));
    }
}
