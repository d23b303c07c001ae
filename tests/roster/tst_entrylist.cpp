// The editing rules of a roster list, without a window: paging with its store on leave, wrap
// round and refusal, Add and Remove with their limits, and what the page's controls may do.
#include "roster/entrylist.h"
#include "roster/records.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Plays a script against a fresh list the way the window drives it, and sums up the outcome.
// onView stands for the page's controls: after every step the page shows the current entry
// again, except after a refused paging, which leaves the controls as they are. Steps:
//   +      Add            -N   Remove entry N      >N   page to N
//   =text  type text as the name ("=" alone empties it)
//   ~      empty the model (bots only)
template <typename Entry> QString play(const QString& script) {
    EntryList<Entry> list;
    Entry onView = *list.shown();
    const auto steps = script.split(u' ', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        const QString arg = step.mid(1);
        bool reshow = true;
        switch (step.at(0).unicode()) {
        case u'+':
            list.add(onView);
            break;
        case u'-':
            list.remove(qint16(arg.toInt()));
            break;
        case u'>':
            reshow = list.pageTo(arg.toInt(), onView);
            break;
        case u'=':
            onView.name = arg;
            reshow = false;
            break;
        case u'~':
            if constexpr (std::is_same_v<Entry, BotEntry>)
                onView.model.clear();
            reshow = false;
            break;
        default:
            qFatal("unknown step %s", qPrintable(step));
        }
        if (reshow && list.shown())
            onView = *list.shown();
    }
    QStringList names;
    for (qint16 i = 1; i <= list.count(); ++i)
        names << list.at(i).name;
    return u"%1 @%2 pager:%3 remove:%4"_s.arg(names.join(u','), QString::number(list.current()),
                                              list.canPage() ? u"on"_s : u"off"_s,
                                              list.canRemove() ? u"on"_s : u"off"_s);
}

} // namespace

class TestEntryList : public QObject {
    Q_OBJECT

private slots:
    void editingRules_data() {
        QTest::addColumn<bool>("bots");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        // Both controls start enabled; the first Add leaves the pager as it was.
        QTest::newRow("first add") << true << u"+"_s << u"Bot1 @1 pager:on remove:on"_s;
        QTest::newRow("map defaults") << false << u"+ +"_s << u"Map1,Map2 @2 pager:on remove:on"_s;
        QTest::newRow("edit stored on leaving")
            << true << u"+ + =Zed >1"_s << u"Bot1,Zed @1 pager:on remove:on"_s;
        QTest::newRow("left of the first wraps to the last")
            << true << u"+ + + >1 =X >0"_s << u"X,Bot2,Bot3 @3 pager:on remove:on"_s;
        QTest::newRow("right of the last wraps to the first")
            << false << u"+ + + =Y >4"_s << u"Map1,Map2,Y @1 pager:on remove:on"_s;
        QTest::newRow("empty name refuses paging")
            << true << u"+ + = >1"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("empty map name refuses paging")
            << false << u"+ + = >1 >0"_s << u"Map1,Map2 @2 pager:on remove:on"_s;
        QTest::newRow("empty model refuses paging")
            << true << u"+ + ~ >1"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("name typed again lets paging on")
            << true << u"+ + = >1 =Back >1"_s << u"Bot1,Back @1 pager:on remove:on"_s;
        // The new entry is current all the same; the refused one keeps what it had stored.
        QTest::newRow("add after a refused paging")
            << true << u"+ + = +"_s << u"Bot1,Bot2,Bot3 @3 pager:on remove:on"_s;
        QTest::newRow("add stores the entry left")
            << false << u"+ =Kept +"_s << u"Kept,Map2 @2 pager:on remove:on"_s;
        // The controls still show the removed entry: they are stored nowhere.
        QTest::newRow("remove the middle")
            << true << u"+ + + >2 =Gone -2"_s << u"Bot1,Bot3 @1 pager:on remove:on"_s;
        QTest::newRow("remove the first wraps to the last")
            << false << u"+ + + >1 -1"_s << u"Map2,Map3 @2 pager:on remove:on"_s;
        QTest::newRow("remove the last")
            << true << u"+ + + -3"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("one left stops paging")
            << false << u"+ + -2"_s << u"Map1 @1 pager:off remove:on"_s;
        QTest::newRow("second add pages again")
            << true << u"+ + -2 +"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("remove the only entry")
            << true << u"+ -1"_s << u" @0 pager:off remove:off"_s;
        QTest::newRow("add after emptying")
            << false << u"+ -1 +"_s << u"Map1 @1 pager:off remove:on"_s;
        QTest::newRow("names follow the count")
            << false << u"+ + -1 +"_s << u"Map2,Map2 @2 pager:on remove:on"_s;
        QTest::newRow("remove outside the list is ignored")
            << true << u"+ -0 -2 =Still >1"_s << u"Still @1 pager:on remove:on"_s;
    }

    void editingRules() {
        QFETCH(bool, bots);
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        QCOMPARE(bots ? play<BotEntry>(script) : play<MapEntry>(script), outcome);
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

    void fullListRefusesAnAdd() {
        QList<MapEntry> full(EntryList<MapEntry>::MaxEntries + 1);
        full.last().name = u"last"_s;
        EntryList<MapEntry> maps(full);
        QVERIFY(maps.pageTo(5, MapEntry::numbered(1)));
        QVERIFY(!maps.add(MapEntry::numbered(5)));
        QCOMPARE(maps.count(), EntryList<MapEntry>::MaxEntries);
        QCOMPARE(maps.current(), 5);
        QCOMPARE(maps.at(maps.count()).name, u"last"_s);
        QCOMPARE(maps.pagerMaximum(), 32768);
    }
};

QTEST_GUILESS_MAIN(TestEntryList)
#include "tst_entrylist.moc"
