// Reading and writing bots.ini: the exact written layout, the reader's rules, the INI page's
// text, the code page, and files that cannot be read.
#include "game/gamefinder.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"
#include "roster/codepage.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The text "Save INI" writes, as characters, without the file's last line break.
QString composedText(const Roster& roster) {
    return decodeCodePage(composeBotsIniFile(roster)).chopped(2);
}

template <typename Entry> QStringList namesOf(const EntryList<Entry>& list) {
    QStringList names;
    for (const Entry& entry : list.entries().sliced(1))
        names += entry.name;
    return names;
}

} // namespace

class TestBotsIni : public QObject {
    Q_OBJECT

private slots:
    void composesTheWrittenLayoutByteForByte();
    void readsHeadersAndKeys_data();
    void readsHeadersAndKeys();
    void onlyLettersMatchingInAnyCaseMakeHeadersAndKeys();
    void keepsWhatTheFileSaysAboutTheDefaultMap();
    void showsEveryLineEndedByCrLf_data();
    void showsEveryLineEndedByCrLf();
    void noEntriesGiveOneDefaultEntryEach_data();
    void noEntriesGiveOneDefaultEntryEach();
    void writtenRosterReadsBackTheSame_data();
    void writtenRosterReadsBackTheSame();
    void codePageGivesEveryByteOneCharacter_data();
    void codePageGivesEveryByteOneCharacter();
    void unsavedMeansOtherTextWritten_data();
    void unsavedMeansOtherTextWritten();
    void pastesTheEntriesOfTheListsKind_data();
    void pastesTheEntriesOfTheListsKind();
};

void TestBotsIni::composesTheWrittenLayoutByteForByte() {
    // The spare slots in front hold entries that are never written.
    Roster roster;
    roster.maps = EntryList<MapEntry>(
        {MapEntry::numbered(9),
         MapEntry{u"boot_camp"_s, u"4"_s, u"Yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s},
         MapEntry{u"dEfAuLt"_s, u"2"_s, u"No"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s}});
    roster.bots = EntryList<BotEntry>(
        {BotEntry::numbered(9), BotEntry{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s}});

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
    QCOMPARE(composedText(roster), QString::fromLatin1(expected));
    QCOMPARE(composeBotsIniFile(roster), expected + "\r\n"); // one more line break at the end

    roster.maps = EntryList<MapEntry>({MapEntry::numbered(9)});
    roster.bots = EntryList<BotEntry>({BotEntry::numbered(9)});
    QCOMPARE(composedText(roster), QString());
    QCOMPARE(composeBotsIniFile(roster), "\r\n"_ba);
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
    QTest::newRow("last repeat wins, an empty value too")
        << QByteArray("[Bot]\r\nname=one\r\nname=two\r\n[Bot]\r\nname=x\r\nname=   \r\n")
        << QStringList{u"two"_s, QString()} << QStringList{u"Map1"_s};
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
    // "[Bot]\nname=lf" is one line that is no header, so it belongs to the first bot.
    QTest::newRow("lines end at CR LF and at a lone CR only")
        << QByteArray("[Bot]\rname=cr\r[Bot]\nname=lf\r\n[Bot]\r\nname=a\nb\r\n")
        << QStringList{u"cr"_s, u"a\nb"_s} << QStringList{u"Map1"_s};
}

void TestBotsIni::readsHeadersAndKeys() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, botNames);
    QFETCH(QStringList, mapNames);
    const BotsIniRead read = readBotsIni(file);
    QVERIFY(read.readToEnd);
    QCOMPARE(namesOf(read.roster.bots), botNames);
    QCOMPARE(namesOf(read.roster.maps), mapNames);
}

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
        const BotsIniRead read =
            readBotsIni("[B" + byte + "t]\r\nName = A\r\n[Map]\r\nNa" + byte + "e = x\r\n");
        QVERIFY2(read.roster.bots.at(1).name == (matchesO ? u"A"_s : u"Bot1"_s),
                 qPrintable(u"byte %1 in a header"_s.arg(b)));
        QVERIFY2(read.roster.maps.at(1).name == (matchesM ? u"x"_s : QString()),
                 qPrintable(u"byte %1 in a key"_s.arg(b)));
    }
}

void TestBotsIni::keepsWhatTheFileSaysAboutTheDefaultMap() {
    const BotsIniRead read =
        readBotsIni("[defaultMAP]\r\nquantity = 3\r\nRandom = 1\r\n"
                    "[DefaultMap]\r\nname = crossfire\r\n"
                    "[Map]\r\nname = DEFAULT\r\n"
                    "[Bot]\r\nname=A\r\nmodel=gina\r\ntopcolor=10\r\nbottomcolor=20\r\n");
    const Roster& r = read.roster;
    QCOMPARE(r.maps.count(), 3);
    QCOMPARE(r.maps.at(1), (MapEntry{u"Default"_s, u"3"_s, u"1"_s, {}, {}, {}, {}}));
    QCOMPARE(r.maps.at(2).name, u"crossfire"_s);
    QCOMPARE(r.maps.at(3).name, u"DEFAULT"_s);
    QCOMPARE(r.bots.count(), 1);
    QCOMPARE(r.bots.at(1), (BotEntry{u"A"_s, u"gina"_s, u"10"_s, u"20"_s}));
    // Lists the file filled, even with one entry, keep their paging; it reaches one past the end.
    QVERIFY(r.maps.canPage());
    QVERIFY(r.bots.canPage());
    QCOMPARE(r.maps.pagerMaximum(), 4);
    QCOMPARE(r.bots.pagerMaximum(), 2);

    const QString written = composedText(r);
    QVERIFY(written.startsWith(u"[DefaultMap]\r\nQuantity        = 3\r\n"_s));
    QVERIFY(written.contains(u"[Map]\r\nName            = crossfire\r\n"_s));
    QCOMPARE(written.count(u"[DefaultMap]"_s), 2);
    QVERIFY(!written.contains(u"DEFAULT"_s));
}

// The INI page shows each line as read (inside a section trimmed of spaces, unless it is a
// header) and ended by CR LF, whatever ended it in the file; a file already in that form is
// shown unchanged.
void TestBotsIni::showsEveryLineEndedByCrLf_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("shown");
    const QByteArray written =
        "[Map]\r\nName            = x\r\n\r\n[Bot]\r\nName            = B\r\n\r\n";
    QTest::newRow("as written") << written << written;
    QTest::newRow("mixed line ends")
        << QByteArray(
               "[Bot]\r\nname = A\r\nmodel=x\rtop=1\n2\r\n  [Map]  \r\n[Map]\r\n  name = m  ")
        << QByteArray("[Bot]\r\nname = A\r\nmodel=x\r\ntop=1\n2\r\n[Map]\r\n[Map]\r\nname = m\r\n");
    QTest::newRow("spaces kept before the first section, tabs everywhere")
        << QByteArray("  a  \r\n [Bot] \r\n[Bot]\r\n   name = A   \r\n  \r\n[Map]\r\n\tname=x")
        << QByteArray("  a  \r\n [Bot] \r\n[Bot]\r\nname = A\r\n\r\n[Map]\r\n\tname=x\r\n");
    QTest::newRow("lone CR after many lines as read")
        << QByteArray("[Bot]\r\nname=a\r\n").repeated(1000) + "x\r[Bot]"
        << QByteArray("[Bot]\r\nname=a\r\n").repeated(1000) + "x\r\n[Bot]\r\n";
    QTest::newRow("trimmed after many lines as read")
        << QByteArray("[Map]\r\nname=a\r\n").repeated(1000) + "  x  \r\n"
        << QByteArray("[Map]\r\nname=a\r\n").repeated(1000) + "x\r\n";
    QTest::newRow("CR CR LF") << QByteArray("[Bot]\r\r\n") << QByteArray("[Bot]\r\n\r\n");
}

void TestBotsIni::showsEveryLineEndedByCrLf() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, shown);
    const BotsIniRead read = readBotsIni(file);
    QVERIFY(read.readToEnd);
    QCOMPARE(read.text, shown);
}

// A list the file left empty gets the entry Add would make, with paging off and Remove on. When
// the file could not be read, the INI page is given no text (it keeps its notice).
void TestBotsIni::noEntriesGiveOneDefaultEntryEach_data() {
    QTest::addColumn<QString>("atPath"); // what stands where bots.ini belongs
    QTest::addColumn<bool>("readToEnd");
    QTest::newRow("an empty file") << u"file"_s << true;
    QTest::newRow("no file") << QString() << false;
    QTest::newRow("a folder") << u"folder"_s << false;
    QTest::newRow("a file that breaks off") << u"unreadable"_s << false;
}

void TestBotsIni::noEntriesGiveOneDefaultEntryEach() {
    QFETCH(QString, atPath);
    QFETCH(bool, readToEnd);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (atPath == u"file"_s)
        QVERIFY(writeBytes(botsIniPath(folder.path()), QByteArray()));
    if (atPath == u"folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(u"bots.ini"_s));
    if (atPath == u"unreadable"_s) {
        // This one opens, then fails on the first read.
        const QString memory = u"/proc/self/mem"_s;
        if (HostIsWindows || !QFile::exists(memory) ||
            !makeSymLink(memory, botsIniPath(folder.path())))
            QSKIP("this system has no file that opens but cannot be read");
    }

    const BotsIniRead read = readBotsIniFile(botsIniPath(folder.path()));
    QCOMPARE(read.readToEnd, readToEnd);
    QVERIFY(read.text.isEmpty());
    const Roster& r = read.roster;
    QCOMPARE(r.maps.count(), 1);
    QCOMPARE(r.bots.count(), 1);
    QCOMPARE(r.maps.at(1), (MapEntry{u"Map1"_s, u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s}));
    QCOMPARE(r.bots.at(1), (BotEntry{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s}));
    QVERIFY(!r.maps.canPage());
    QVERIFY(!r.bots.canPage());
    QVERIFY(r.maps.canRemove());
    QVERIFY(r.bots.canRemove());
}

// A roster written to bots.ini reads back into the same entries, which write the same text; the
// written file holds the given bytes.
void TestBotsIni::writtenRosterReadsBackTheSame_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("writtenPart");
    QTest::newRow("every key")
        << QByteArray("[Map]\r\nname=Default\r\nrandom=Yes\r\n[Map]\r\nname=crossfire\r\n"
                      "quantity=3\r\ninitialdelay=2\r\nspawndelay=4\r\nwaitforplayers=1\r\n"
                      "keepserverfull=1\r\nrandom=no\r\n[Bot]\r\nname=A B\r\nmodel=gina\r\n"
                      "topcolor=x\r\nbottomcolor=255\r\n")
        << QByteArray("[DefaultMap]\r\nQuantity        = \r\nRandom          = Yes\r\n");
    QTest::newRow("empty values") << QByteArray("[Bot]\r\nname=   \r\nmodel=\r\ntopcolor=5\r\n")
                                  << QByteArray(
                                         "[Bot]\r\nName            = \r\nModel           = \r\n"
                                         "TopColor        = 5\r\nBottomColor     = \r\n");
    QByteArray every; // every byte of the code page that a line can hold
    for (int b = 1; b < 256; ++b) {
        if (b != '\r')
            every += char(b);
    }
    QTest::newRow("every byte") << "[Bot]\r\nname=" + every + "\r\n"
                                << "Name            = " + every + "\r\n";
}

void TestBotsIni::writtenRosterReadsBackTheSame() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, writtenPart);
    const BotsIniRead first = readBotsIni(file);
    const QString text = composedText(first.roster);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString error;
    QVERIFY2(writeBotsIniFile(botsIniPath(folder.path()), composeBotsIniFile(first.roster), &error),
             qPrintable(error));
    QVERIFY(readBytes(botsIniPath(folder.path())).contains(writtenPart));

    const BotsIniRead second = readBotsIniFile(botsIniPath(folder.path()));
    QVERIFY(second.readToEnd);
    QCOMPARE(second.roster.maps.entries().sliced(1), first.roster.maps.entries().sliced(1));
    QCOMPARE(second.roster.bots.entries().sliced(1), first.roster.bots.entries().sliced(1));
    QCOMPARE(composedText(second.roster), text);
}

// Windows-1252, with its unassigned bytes kept as the C1 controls of the same value; a character
// it cannot hold is written as one "?", a surrogate pair too. NUL is a character like any other.
// Text the code page holds reads back from its bytes as it was.
void TestBotsIni::codePageGivesEveryByteOneCharacter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("holds");
    QTest::newRow("letters of 0x80..0x9f, unassigned bytes, Latin-1")
        << u"\u20ac\u0081\u0178\u00e9\0"_s << "\x80\x81\x9f\xe9\0"_ba << true;
    QTest::newRow("Chinese, and a pair of surrogates")
        << u"\u20ac\u00e9\u4e2d\U0001F600\0."_s << "\x80\xe9??\0."_ba << false;
    QTest::newRow("a C1 control where Windows-1252 has a letter")
        << u"a\u0080"_s << "a?"_ba << false;
}

void TestBotsIni::codePageGivesEveryByteOneCharacter() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, holds);
    QCOMPARE(encodeCodePage(text), bytes);
    QCOMPARE(codePageHolds(text), holds);
    QCOMPARE(decodeCodePage(bytes) == text, holds);
}

// composesSame, which the close question asks, agrees with comparing the written text: what is
// never written (the spare, a default map's name) makes no difference, anything written does,
// as the code page writes it.
void TestBotsIni::unsavedMeansOtherTextWritten_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("same");
    QTest::newRow("nothing") << 2 << 0 << true;
    QTest::newRow("the spare") << 2 << 1 << true;
    QTest::newRow("default map's name in other letters") << 2 << 2 << true;
    QTest::newRow("the current entry") << 2 << 3 << true;
    QTest::newRow("a map value") << 2 << 4 << false;
    QTest::newRow("a bot's colour") << 2 << 5 << false;
    QTest::newRow("one bot more") << 2 << 6 << false;
    QTest::newRow("map no longer the default") << 2 << 7 << false;
    QTest::newRow("letter case of a bot's name") << 2 << 8 << false;
    QTest::newRow("another character the code page lacks, both written ?") << 2 << 11 << true;
    // Both lists full: every entry is compared, to the last one of each.
    QTest::newRow("largest, nothing") << 32767 << 0 << true;
    QTest::newRow("largest, the last map") << 32767 << 9 << false;
    QTest::newRow("largest, the last bot") << 32767 << 10 << false;
}

void TestBotsIni::unsavedMeansOtherTextWritten() {
    QFETCH(int, entries);
    QFETCH(int, change);
    QFETCH(bool, same);
    const auto rosterWith = [entries](int step) {
        QList<MapEntry> maps{MapEntry::numbered(9), MapEntry::numbered(1)};
        maps.append({u"Default"_s, u"2"_s, u"No"_s, u"1"_s, u"1"_s, u"\u4e2d"_s, u"0"_s});
        QList<BotEntry> bots{BotEntry::numbered(9), BotEntry::numbered(1), BotEntry::numbered(2)};
        while (maps.size() <= entries)
            maps.append(MapEntry::numbered(int(maps.size())));
        while (bots.size() <= entries)
            bots.append(BotEntry::numbered(int(bots.size())));
        if (step == 1)
            maps[0].name = bots[0].name = u"Spare"_s;
        if (step == 2)
            maps[2].name = u"DEFAULT"_s;
        if (step == 4)
            maps[1].spawnDelay = u"7"_s;
        if (step == 5)
            bots[2].bottomColor = u"200"_s;
        if (step == 6)
            bots.append(BotEntry::numbered(3));
        if (step == 7)
            maps[2].name = u"Defaults"_s;
        if (step == 8)
            bots[1].name = u"BOT1"_s;
        if (step == 9)
            maps.last().quantity = u"4"_s;
        if (step == 10)
            bots.last().name = u"Last"_s;
        if (step == 11)
            maps[2].waitForPlayers = u"\U0001F600"_s;
        Roster roster;
        roster.maps = EntryList<MapEntry>(maps);
        roster.bots = EntryList<BotEntry>(bots);
        if (step == 3)
            roster.bots.pageTo(2, bots[1]);
        return roster;
    };
    const Roster before = rosterWith(0);
    const Roster after = rosterWith(change);
    QCOMPARE(composesSame(before, after), same);
    QCOMPARE(composesSame(after, before), same);
    QCOMPARE(composedText(before) == composedText(after), same);
}

QTEST_GUILESS_MAIN(TestBotsIni)
#include "tst_botsini.moc"

// Rows: the list pasted into ("bots" or "maps") and its count, the clipboard's text ("copy": a
// copied bot), and what is inserted (each entry's values joined by "/"), left out and too many.
void TestBotsIni::pastesTheEntriesOfTheListsKind_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char* name, const char* kind, int count, const QString& text,
                        const char* outcome) {
        QTest::newRow(name) << QString::fromLatin1(kind) << count << text
                            << QString::fromUtf8(outcome);
    };
    row("bots in any case and line end", "bots", 5,
        u"[bot]\nNAME=A\nmodel=gina\n[BOT]\rname=B\rtopcolor=9\r\n"_s,
        "A/gina//,B//9/ other:0 over:0");
    row("a copied bot comes back whole", "bots", 0, u"copy"_s, "Zé/x y/-3/200 other:0 over:0");
    row("maps are left out and counted", "bots", 0, u"[Map]\nName=m\n[Bot]\nName=A\n"_s,
        "A/// other:1 over:0");
    row("only maps: no made-up bot", "bots", 0, u"[Map]\r\nName=m\r\n"_s, " other:1 over:0");
    row("both map headers on the Maps page", "maps", 1,
        u"[defaultmap]\n[Bot]\n[Map]\nName=m\nRandom=Yes\n"_s,
        "Default//////,m//Yes//// other:1 over:0");
    row("only bots: no made-up map", "maps", 0, u"[Bot]\nName=A\n"_s, " other:1 over:0");
    row("no text", "bots", 0, QString(), " other:0 over:0");
    row("keys without a header", "bots", 0, u"Name=A\nModel=gina\n"_s, " other:0 over:0");
    row("as many as fit", "bots", 32766, u"[Bot]\nName=A\n[Bot]\nName=B\n[Bot]\n"_s,
        "A/// other:0 over:2");
    row("a full list takes none", "maps", 32767, u"[Map]\n"_s, " other:0 over:1");
    row("past what the reader takes", "bots", 2, u"[Bot]\n"_s.repeated(32769),
        "32765 other:0 over:4");
}

void TestBotsIni::pastesTheEntriesOfTheListsKind() {
    QFETCH(QString, kind);
    QFETCH(int, count);
    QFETCH(QString, text);
    QFETCH(QString, outcome);
    if (text == u"copy")
        text = composeBotsIniEntry(BotEntry{u"Zé"_s, u"x y"_s, u"-3"_s, u"200"_s});
    const auto describe = [](const auto& pasted, auto values) {
        QStringList entries;
        for (const auto& entry : pasted.entries)
            entries << values(entry).join(u'/');
        return (pasted.entries.size() > 100 ? QString::number(pasted.entries.size())
                                            : entries.join(u',')) +
               u" other:%1 over:%2"_s.arg(pasted.otherKind).arg(pasted.notFitting);
    };
    const QString seen =
        kind == u"bots"
            ? describe(pasteEntries<BotEntry>(text, count),
                       [](const BotEntry& b) {
                           return QStringList{b.name, b.model, b.topColor, b.bottomColor};
                       })
            : describe(pasteEntries<MapEntry>(text, count), [](const MapEntry& m) {
                  return QStringList{m.name,          m.quantity,   m.random,
                                     m.initialDelay,  m.spawnDelay, m.waitForPlayers,
                                     m.keepServerFull};
              });
    QCOMPARE(seen, outcome);
}
