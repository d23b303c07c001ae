// The editing rules of a roster list, without a window: paging with its store on leave, wrap
// round and refusal, Add, Remove, Move and Duplicate with their limits, and what the page's
// controls may do, and when a map is random.
#include "roster/entrylist.h"
#include "roster/entrysearch.h"
#include "roster/records.h"
#include "roster/rosterhistory.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Plays a script against a fresh list the way the window drives it, and sums up the outcome.
// onView stands for the page's controls: after every step the page shows the current entry
// again, except after a refused paging, move or duplicate, which leaves the controls as they are.
// Steps:
//   +      Add            -N   Remove entry N      >N   page to N
//   [      Move Earlier   ]    Move Later          *    Duplicate
//   =text  type text as the name ("=" alone empties it)
//   ~      empty the model (bots only)
//   ?      note which of Move Earlier, Move Later and Duplicate may act now: "menu:ELD", with a
//          "-" for each that may not, added to the outcome
//   u      Undo           r    Redo           s    store the entry on view, as a change of tab
//   !      note what Undo and Redo would do: "undo:<what>/redo:<what>", added to the outcome
// Every step goes through the history, as the page's do.
template <typename Entry> QString play(const QString& script) {
    Roster roster;
    RosterHistory history(roster);
    EntryList<Entry>& list = [&roster]() -> EntryList<Entry>& {
        if constexpr (std::is_same_v<Entry, BotEntry>)
            return roster.bots;
        else
            return roster.maps;
    }();
    RecordedList<Entry> edits(list, history);
    Entry onView = *list.shown();
    QString menus;
    const auto steps = script.split(u' ', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        const QString arg = step.mid(1);
        bool reshow = true;
        switch (step.at(0).unicode()) {
        case u'+':
            edits.add(onView);
            break;
        case u'-':
            edits.remove(arg.toInt());
            break;
        case u'>':
            reshow = edits.pageTo(arg.toInt(), onView);
            break;
        case u'[':
            reshow = edits.move(-1, onView);
            break;
        case u']':
            reshow = edits.move(1, onView);
            break;
        case u'*':
            reshow = edits.duplicate(onView) == EntryList<Entry>::Copy::Made;
            break;
        case u'?':
            menus += u" menu:"_s + (list.canMove(-1) ? u'E' : u'-') +
                     (list.canMove(1) ? u'L' : u'-') + (list.canDuplicate() ? u'D' : u'-');
            reshow = false;
            break;
        case u'u':
        case u'r':
            reshow = edits.step(step.at(0) == u'r', onView).has_value();
            break;
        case u's':
            edits.storeCurrent(onView);
            break;
        case u'!':
            menus += u" undo:"_s + edits.stepText(false, onView) + u"/redo:"_s +
                     edits.stepText(true, onView);
            reshow = false;
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
    for (int i = 1; i <= list.count(); ++i)
        names << list.at(i).name;
    return u"%1 @%2 pager:%3 remove:%4"_s.arg(names.join(u','), QString::number(list.current()),
                                              list.canPage() ? u"on"_s : u"off"_s,
                                              list.canRemove() ? u"on"_s : u"off"_s) +
           menus;
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
        // A move takes the entry on view along, edits and all; the entries between shift by one.
        QTest::newRow("bots, move the middle earlier")
            << true << u"+ + + >2 ["_s << u"Bot2,Bot1,Bot3 @1 pager:on remove:on"_s;
        QTest::newRow("maps, move the middle earlier")
            << false << u"+ + + >2 ["_s << u"Map2,Map1,Map3 @1 pager:on remove:on"_s;
        QTest::newRow("bots, move the middle later")
            << true << u"+ + + >2 ]"_s << u"Bot1,Bot3,Bot2 @3 pager:on remove:on"_s;
        QTest::newRow("maps, move the middle later")
            << false << u"+ + + >2 ]"_s << u"Map1,Map3,Map2 @3 pager:on remove:on"_s;
        QTest::newRow("bots, move the first earlier does nothing")
            << true << u"+ + + >1 =Top [ >2"_s << u"Top,Bot2,Bot3 @2 pager:on remove:on"_s;
        QTest::newRow("maps, move the first earlier does nothing")
            << false << u"+ + + >1 ["_s << u"Map1,Map2,Map3 @1 pager:on remove:on"_s;
        QTest::newRow("bots, move the last later does nothing")
            << true << u"+ + + ]"_s << u"Bot1,Bot2,Bot3 @3 pager:on remove:on"_s;
        QTest::newRow("maps, move the last later does nothing")
            << false << u"+ + + =End ] >1"_s << u"Map1,Map2,End @1 pager:on remove:on"_s;
        QTest::newRow("bots, an edit on view moves along")
            << true << u"+ + + >1 =Zed ] ]"_s << u"Bot2,Bot3,Zed @3 pager:on remove:on"_s;
        QTest::newRow("maps, an edit on view moves along")
            << false << u"+ + + =Zed [ [ >3"_s << u"Zed,Map1,Map2 @3 pager:on remove:on"_s;
        QTest::newRow("bots, empty name refuses a move")
            << true << u"+ + + >2 = [ ]"_s << u"Bot1,Bot2,Bot3 @2 pager:on remove:on"_s;
        QTest::newRow("bots, empty model refuses a move")
            << true << u"+ + >1 ~ ]"_s << u"Bot1,Bot2 @1 pager:on remove:on"_s;
        QTest::newRow("maps, name typed again lets a move on")
            << false << u"+ + + >2 = [ =Back ["_s << u"Back,Map1,Map3 @1 pager:on remove:on"_s;
        QTest::newRow("bots, what the menu may do at each place")
            << true << u"+ + + >1 ? >2 ? >3 ?"_s
            << u"Bot1,Bot2,Bot3 @3 pager:on remove:on menu:-LD menu:ELD menu:E-D"_s;
        QTest::newRow("maps, one entry neither moves")
            << false << u"+ + -2 ? [ ]"_s << u"Map1 @1 pager:off remove:on menu:--D"_s;
        // The copy comes right after the entry on view, which keeps the edits on view.
        QTest::newRow("bots, duplicate the middle")
            << true << u"+ + + >2 =Twin * =Other >2"_s
            << u"Bot1,Twin,Other,Bot3 @2 pager:on remove:on"_s;
        QTest::newRow("maps, duplicate the middle")
            << false << u"+ + + >2 *"_s << u"Map1,Map2,Map2,Map3 @3 pager:on remove:on"_s;
        QTest::newRow("bots, duplicate the last")
            << true << u"+ + =Last * ?"_s << u"Bot1,Last,Last @3 pager:on remove:on menu:E-D"_s;
        QTest::newRow("maps, duplicate the last")
            << false << u"+ + + *"_s << u"Map1,Map2,Map3,Map3 @4 pager:on remove:on"_s;
        QTest::newRow("maps, duplicate of the only entry lets paging on")
            << false << u"+ + -2 * ?"_s << u"Map1,Map1 @2 pager:on remove:on menu:E-D"_s;
        QTest::newRow("bots, empty name refuses a duplicate")
            << true << u"+ + = *"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("maps, empty name refuses a duplicate")
            << false << u"+ + >1 = *"_s << u"Map1,Map2 @1 pager:on remove:on"_s;
        // The spare on view while the list is empty is never moved or copied.
        QTest::newRow("bots, an empty list neither moves nor duplicates")
            << true << u"+ -1 =Spare * [ ] ?"_s << u" @0 pager:off remove:off menu:---"_s;
        QTest::newRow("maps, an empty list neither moves nor duplicates")
            << false << u"+ -1 * ] +"_s << u"Map1 @1 pager:off remove:on"_s;
        // Undo and redo show the entry they change; an edit stored on leaving is a step.
        QTest::newRow("undo an edit stored on leaving")
            << true << u"+ + =Zed >1 u"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("redo the edit")
            << true << u"+ + =Zed >1 u r"_s << u"Bot1,Zed @2 pager:on remove:on"_s;
        QTest::newRow("undo takes back the edits on view first")
            << true << u"+ + =Zed u !"_s
            << u"Bot1,Bot2 @2 pager:on remove:on undo:Add Bot/redo:Edit Bot"_s;
        QTest::newRow("an entry without a name refuses undo")
            << true << u"+ + = u >1 !"_s << u"Bot1,Bot2 @2 pager:on remove:on undo:/redo:"_s;
        QTest::newRow("redo with edits on view does nothing")
            << true << u"+ + =A >1 u =B r !"_s
            << u"Bot1,Bot2 @2 pager:on remove:on undo:Edit Bot/redo:"_s;
        QTest::newRow("a store that changes nothing is no step")
            << true << u"+ s ! =Zed s !"_s
            << u"Zed @1 pager:on remove:on undo:Add Bot/redo: undo:Edit Bot/redo:"_s;
        QTest::newRow("undo a remove puts the entry back in its place")
            << false << u"+ + + >2 -2 u"_s << u"Map1,Map2,Map3 @2 pager:on remove:on"_s;
        QTest::newRow("undo removing the only entry")
            << true << u"+ -1 u"_s << u"Bot1 @1 pager:on remove:on"_s;
        QTest::newRow("redo removing the only entry")
            << true << u"+ -1 u r"_s << u" @0 pager:off remove:off"_s;
        QTest::newRow("undo an add shows the entry current before")
            << false << u"+ + >1 + u"_s << u"Map1,Map2 @1 pager:on remove:on"_s;
        QTest::newRow("undo a move, then the edit it took along")
            << true << u"+ + + >1 =Zed ] u !"_s
            << u"Zed,Bot2,Bot3 @1 pager:on remove:on undo:Edit Bot/redo:Move Bot Later"_s;
        QTest::newRow("undo and redo a duplicate")
            << false << u"+ + >1 * u ! r"_s
            << u"Map1,Map1,Map2 @2 pager:on remove:on undo:Add Map/redo:Duplicate Map"_s;
        QTest::newRow("a new step drops what was undone")
            << true << u"+ + -2 u + r !"_s
            << u"Bot1,Bot2,Bot3 @3 pager:on remove:on undo:Add Bot/redo:"_s;
        QTest::newRow("steps undone and redone in turn")
            << true << u"+ + + -3 -2 u u r r"_s << u"Bot1 @1 pager:off remove:on"_s;
    }

    void editingRules() {
        QFETCH(bool, bots);
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        QCOMPARE(bots ? play<BotEntry>(script) : play<MapEntry>(script), outcome);
    }

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
