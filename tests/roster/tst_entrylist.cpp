// The rules of a roster list, without a window: finding by name, the defaults of an added entry,
// when a map is random, and the limit of a full list.
#include "roster/entrylist.h"
#include "roster/entrysearch.h"
#include "roster/records.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestEntryList : public QObject {
    Q_OBJECT

private slots:
    // A find starts after the entry on view, ignores letter case and wraps round; the entry on
    // view comes last. Names: Alpha, beta, ALPHA TWO, Gamma.
    void findByName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<int>("found");
        QTest::newRow("next after the one on view") << u"alpha"_s << 1 << false << 3;
        QTest::newRow("round past the end") << u"alpha"_s << 3 << false << 1;
        QTest::newRow("backwards") << u"ALPHA"_s << 3 << true << 1;
        QTest::newRow("backwards round past the start") << u"a"_s << 1 << true << 4;
        QTest::newRow("only the one on view") << u"bet"_s << 2 << false << 2;
        QTest::newRow("in the middle of a name") << u"mm"_s << 2 << false << 4;
        QTest::newRow("nowhere") << u"delta"_s << 2 << false << 0;
        QTest::newRow("an empty text finds nothing") << QString() << 2 << false << 0;
        QTest::newRow("from the spare") << u"gamma"_s << 0 << false << 4;
    }
    void findByName() {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(bool, backwards);
        QFETCH(int, found);
        QList<BotEntry> bots(1);
        for (const char* name : {"Alpha", "beta", "ALPHA TWO", "Gamma"})
            bots.append({QString::fromLatin1(name), u"gina"_s, u"1"_s, u"1"_s});
        const EntryList<BotEntry> list(bots);
        QCOMPARE(::findByName(list, text, from, backwards), found);
    }

    void defaultsOfAnAddedEntry() {
        EntryList<BotEntry> bots;
        EntryList<MapEntry> maps;
        bots.add({});
        maps.add({});
        QCOMPARE(bots.at(1), (BotEntry{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s}));
        QCOMPARE(maps.at(1), (MapEntry{u"Map1"_s, u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s}));
        QCOMPARE(bots.pagerMaximum(), 2);
    }

    // Random is on for "1" or "Yes" in any case, and for nothing else a file may hold.
    void randomIsOneOrYes_data() {
        QTest::addColumn<QString>("random");
        QTest::addColumn<bool>("on");
        for (const char* yes : {"1", "Yes", "yes", "YES"})
            QTest::newRow(yes) << QString::fromLatin1(yes) << true;
        for (const char* no : {"No", "0", "", "true", "2", "Yes "})
            QTest::newRow(*no ? no : "empty") << QString::fromLatin1(no) << false;
    }
    void randomIsOneOrYes() {
        QFETCH(QString, random);
        QFETCH(bool, on);
        MapEntry map = MapEntry::numbered(1);
        map.random = random;
        QCOMPARE(map.isRandom(), on);
    }

    // Entry 5 is current, with its name edited on view; a refused Add or copy stores nothing.
    void fullListRefusesAnAddOrACopy_data() {
        QTest::addColumn<bool>("bots");
        QTest::addColumn<bool>("copy");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("currentName");
        QTest::newRow("maps, add") << false << false << 32767 << 5 << u"Map5"_s;
        QTest::newRow("bots, add") << true << false << 32767 << 5 << u"Bot5"_s;
        QTest::newRow("maps, duplicate") << false << true << 32767 << 5 << u"Map5"_s;
        QTest::newRow("bots, duplicate") << true << true << 32767 << 5 << u"Bot5"_s;
        // One place left: a first copy takes it, after entry 5, and a second one is refused.
        QTest::newRow("maps, duplicate into the last place")
            << false << true << 32766 << 6 << u"edited"_s;
        QTest::newRow("bots, duplicate into the last place")
            << true << true << 32766 << 6 << u"edited"_s;
    }

    void fullListRefusesAnAddOrACopy() {
        QFETCH(bool, bots);
        if (bots)
            fullListRefuses<BotEntry>();
        else
            fullListRefuses<MapEntry>();
    }

private:
    template <typename Entry> void fullListRefuses() {
        QFETCH(bool, copy);
        QFETCH(int, entries);
        QFETCH(int, current);
        QFETCH(QString, currentName);
        QList<Entry> full(entries + 1);
        for (qsizetype i = 1; i < full.size(); ++i)
            full[i] = Entry::numbered(int(i));
        full.last().name = u"last"_s;
        EntryList<Entry> list(full);
        QVERIFY(list.pageTo(5, Entry::numbered(1)));
        Entry onView = Entry::numbered(5);
        onView.name = u"edited"_s;
        using Copy = typename EntryList<Entry>::Copy;
        if (entries < EntryList<Entry>::MaxEntries) {
            QCOMPARE(list.duplicate(onView), Copy::Made);
            QCOMPARE(list.at(5).name, u"edited"_s);
            QCOMPARE(list.at(7), Entry::numbered(6));
            onView.name = u"again"_s;
        }
        if (copy)
            QCOMPARE(list.duplicate(onView), Copy::ListFull);
        else
            QVERIFY(!list.add(onView));
        QCOMPARE(list.count(), 32767);
        QCOMPARE(list.current(), current);
        QCOMPARE(list.at(current).name, currentName);
        QCOMPARE(list.at(list.count()).name, u"last"_s);
        QCOMPARE(list.pagerMaximum(), 32768);
    }
};

QTEST_GUILESS_MAIN(TestEntryList)
#include "tst_entrylist.moc"
