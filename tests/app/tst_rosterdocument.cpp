// The open document without a window: the editing rules of its lists with the draft of the entry
// on view, as its history records them (paging with its store on leave, wrap round and refusal,
// Add, Remove, Move and Duplicate with their limits, undo and redo, what the page's actions may
// do, and when there is anything to save), and what Save INI decides.
#include "app/rosterdocument.h"
#include "app/saveandlaunch.h"
#include "roster/botsini.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Plays a script against a fresh document's list the way a page drives it, and sums up the
// outcome; the document starts with no file, or with file's bytes as its bots.ini. Steps:
//   +      Add            -    Remove the entry on view   >N   page to N
//   [      Move Earlier   ]    Move Later          *    Duplicate
//   =text  type text as the name ("=" alone empties it)
//   ~      empty the model (bots only)
//   ?      note which of Move Earlier, Move Later and Duplicate may act now: "menu:ELD", with a
//          "-" for each that may not, added to the outcome
//   u      Undo           r    Redo           s    store the draft, as a change of tab
//   !      note what Undo and Redo would do: "undo:<what>/redo:<what>", added to the outcome
//   m      note whether there is anything to save: "mod:yes" or "mod:no"
//   w      Save INI
template <typename Entry> QString play(const QString& script, const QByteArray& file = {}) {
    RosterDocument document;
    QTemporaryDir folder;
    if (!file.isEmpty()) {
        if (!writeBytes(botsIniPath(folder.path()), file))
            return u"bots.ini not written"_s;
        document.load(folder.path());
        document.recoveryCopy().close();
    }
    ListEditor<Entry>& edits = document.list<Entry>();
    const EntryList<Entry>& list = edits.list();
    QString menus;
    const auto steps = script.split(u' ', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        const QString arg = step.mid(1);
        switch (step.at(0).unicode()) {
        case u'+':
            edits.add();
            break;
        case u'-':
            edits.remove();
            break;
        case u'>':
            edits.pageTo(arg.toInt());
            break;
        case u'[':
        case u']':
            edits.move(step == u"[" ? -1 : 1);
            break;
        case u'*':
            edits.duplicate();
            break;
        case u'?':
            menus += u" menu:"_s + (edits.canMove(-1) ? u'E' : u'-') +
                     (edits.canMove(1) ? u'L' : u'-') + (edits.canDuplicate() ? u'D' : u'-');
            break;
        case u'u':
        case u'r':
            edits.step(step.at(0) == u'r');
            break;
        case u's':
            edits.storeDraft();
            break;
        case u'!':
            menus += u" undo:"_s + edits.stepText(false) + u"/redo:"_s + edits.stepText(true);
            break;
        case u'=':
            edits.editDraft(0, arg);
            break;
        case u'~':
            edits.editDraft(1, QString());
            break;
        case u'm':
            menus += document.isModified() ? u" mod:yes"_s : u" mod:no"_s;
            break;
        case u'w':
            document.save();
            break;
        default:
            qFatal("unknown step %s", qPrintable(step));
        }
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

class TestRosterDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { isolateSettings(); }
    void init() { clearSettings(); }
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
            << true << u"+ + + >2 =Gone -"_s << u"Bot1,Bot3 @1 pager:on remove:on"_s;
        QTest::newRow("remove the first wraps to the last")
            << false << u"+ + + >1 -"_s << u"Map2,Map3 @2 pager:on remove:on"_s;
        QTest::newRow("remove the last")
            << true << u"+ + + -"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("one left stops paging")
            << false << u"+ + -"_s << u"Map1 @1 pager:off remove:on"_s;
        QTest::newRow("second add pages again")
            << true << u"+ + - +"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        QTest::newRow("remove the only entry") << true << u"+ -"_s << u" @0 pager:off remove:off"_s;
        QTest::newRow("add after emptying")
            << false << u"+ - +"_s << u"Map1 @1 pager:off remove:on"_s;
        QTest::newRow("names follow the count")
            << false << u"+ + >1 - +"_s << u"Map2,Map2 @2 pager:on remove:on"_s;
        QTest::newRow("remove in an empty list is ignored")
            << true << u"+ - - =Spare +"_s << u"Bot1 @1 pager:off remove:on"_s;
        // A move takes the entry on view along, edits and all; the entries between shift by one.
        // Both lists share these rules: the maps' rows are where a map differs.
        QTest::newRow("bots, move the middle earlier")
            << true << u"+ + + >2 ["_s << u"Bot2,Bot1,Bot3 @1 pager:on remove:on"_s;
        QTest::newRow("bots, move the middle later")
            << true << u"+ + + >2 ]"_s << u"Bot1,Bot3,Bot2 @3 pager:on remove:on"_s;
        QTest::newRow("bots, move the first earlier does nothing")
            << true << u"+ + + >1 =Top [ >2"_s << u"Top,Bot2,Bot3 @2 pager:on remove:on"_s;
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
        QTest::newRow("bots, without a model nothing moves or copies")
            << true << u"+ + + >2 ~ ?"_s << u"Bot1,Bot2,Bot3 @2 pager:on remove:on menu:---"_s;
        QTest::newRow("maps, one entry neither moves")
            << false << u"+ + - ? [ ]"_s << u"Map1 @1 pager:off remove:on menu:--D"_s;
        // The copy comes right after the entry on view, which keeps the edits on view.
        QTest::newRow("bots, duplicate the middle")
            << true << u"+ + + >2 =Twin * =Other >2"_s
            << u"Bot1,Twin,Other,Bot3 @2 pager:on remove:on"_s;
        QTest::newRow("bots, duplicate the last")
            << true << u"+ + =Last * ?"_s << u"Bot1,Last,Last @3 pager:on remove:on menu:E-D"_s;
        QTest::newRow("maps, duplicate of the only entry lets paging on")
            << false << u"+ + - * ?"_s << u"Map1,Map1 @2 pager:on remove:on menu:E-D"_s;
        QTest::newRow("bots, empty name refuses a duplicate")
            << true << u"+ + = *"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
        // The spare on view while the list is empty is never moved or copied.
        QTest::newRow("bots, an empty list neither moves nor duplicates")
            << true << u"+ - =Spare * [ ] ?"_s << u" @0 pager:off remove:off menu:---"_s;
        QTest::newRow("maps, an empty list neither moves nor duplicates")
            << false << u"+ - * ] +"_s << u"Map1 @1 pager:off remove:on"_s;
        // Undo and redo show the entry they change; an edit stored on leaving is a step. How
        // each step is undone and redone the random sessions check (tst_rostersessions); these
        // rows are the drafts' rules and the steps' names, which they do not model.
        QTest::newRow("undo an edit stored on leaving")
            << true << u"+ + =Zed >1 u"_s << u"Bot1,Bot2 @2 pager:on remove:on"_s;
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
        QTest::newRow("undo a move, then the edit it took along")
            << true << u"+ + + >1 =Zed ] u !"_s
            << u"Zed,Bot2,Bot3 @1 pager:on remove:on undo:Edit Bot/redo:Move Bot Later"_s;
        QTest::newRow("undo and redo a duplicate")
            << false << u"+ + >1 * u ! r"_s
            << u"Map1,Map1,Map2 @2 pager:on remove:on undo:Add Map/redo:Duplicate Map"_s;
        QTest::newRow("a new step drops what was undone")
            << true << u"+ + - u + r !"_s
            << u"Bot1,Bot2,Bot3 @3 pager:on remove:on undo:Add Bot/redo:"_s;
    }

    void editingRules() {
        QFETCH(bool, bots);
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        QCOMPARE(bots ? play<BotEntry>(script) : play<MapEntry>(script), outcome);
    }

    // There is something to save exactly when the roster with its drafts would be written
    // otherwise than the file was read, which the random sessions check after every step
    // (tst_rostersessions); these rows pin what is written for a random "1", as both maps of
    // the file have it.
    void anythingToSave_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("a random 1 paged past becomes Yes: a change")
            << u">2 m"_s << u"m1,m2 @2 pager:on remove:on mod:yes"_s;
        QTest::newRow("which undo does not take back")
            << u"=x >2 u m"_s << u"m1,m2 @1 pager:on remove:on mod:yes"_s;
        QTest::newRow("saved, then a name typed and typed back")
            << u"s w =x m =m1 m"_s << u"m1,m2 @1 pager:on remove:on mod:yes mod:no"_s;
    }
    void anythingToSave() {
        QFETCH(QString, script);
        QFETCH(QString, outcome);
        const QByteArray file =
            "[Map]\r\nname=m1\r\nrandom=1\r\n[Map]\r\nname=m2\r\nrandom=1\r\n"
            "[Bot]\r\nname=A\r\nmodel=gina\r\n[Bot]\r\nname=B\r\nmodel=gina\r\n";
        QCOMPARE(play<MapEntry>(script, file), outcome);
    }

    // What Save INI asks, in turn, as another program changed bots.ini after it was read (or
    // saved), or the file holds what was not read; the player's answers let it go on.
    void saveIniDecides_data() {
        QTest::addColumn<QString>("change");  // what happens to bots.ini after the load
        QTest::addColumn<QString>("answers"); // what the player answers: overwrite, drop
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing in the way") << QString() << QString() << u"written"_s << true;
        QTest::newRow("rewritten, overwrite")
            << u"rewrite"_s << u"overwrite"_s << u"ask-overwrite written"_s << true;
        QTest::newRow("rewritten, kept")
            << u"rewrite"_s << QString() << u"ask-overwrite"_s << false;
        QTest::newRow("same size, new bytes")
            << u"same size"_s << QString() << u"ask-overwrite"_s << false;
        QTest::newRow("same bytes, new time") << u"touch"_s << QString() << u"written"_s << true;
        QTest::newRow("deleted") << u"delete"_s << QString() << u"written"_s << true;
        QTest::newRow("absent, still absent") << u"absent"_s << QString() << u"written"_s << true;
        QTest::newRow("absent, then created")
            << u"absent, create"_s << QString() << u"ask-overwrite"_s << false;
        QTest::newRow("saved twice") << u"save first"_s << QString() << u"written"_s << true;
        QTest::newRow("changed after a save")
            << u"save first, rewrite"_s << QString() << u"ask-overwrite"_s << false;
        QTest::newRow("entries past the limit, kept")
            << u"past"_s << QString() << u"ask-drop"_s << false;
        QTest::newRow("entries past the limit, dropped")
            << u"past"_s << u"drop"_s << u"ask-drop written"_s << true;
        QTest::newRow("a folder in the way fails, naming the file")
            << u"folder"_s << QString() << u"failed"_s << false;
    }
    void saveIniDecides() {
        QFETCH(QString, change);
        QFETCH(QString, answers);
        QFETCH(QString, outcomes);
        QFETCH(bool, written);
        QTemporaryDir folder;
        const QString path = botsIniPath(folder.path());
        QByteArray onDisk = "[Bot]\r\nname=Al\r\nmodel=robo\r\n";
        if (change == u"past")
            onDisk += "[Map]\r\nname=m\r\n"_ba.repeated(32768);
        if (!change.startsWith(u"absent"))
            QVERIFY(writeBytes(path, onDisk));
        RosterDocument document;
        document.load(folder.path());
        document.bots().editDraft(0, u"Al2"_s);
        if (change.startsWith(u"save first"))
            saveIni(document, {}, {}, {});
        onDisk = change.endsWith(u"rewrite") || change.endsWith(u"create")
                     ? "; tuned by a server tool\r\n[Bot]\r\nname=Other\r\n"_ba
                     : readBytes(path);
        if (change == u"same size")
            onDisk.replace("Al", "Bo");
        if (change == u"delete" || change == u"folder")
            QVERIFY(QFile::remove(path));
        if (change == u"folder")
            QVERIFY(QDir(folder.path()).mkdir(u"bots.ini"_s));
        const QStringList unwritten{QString(), u"past"_s, u"absent"_s, u"delete"_s, u"folder"_s};
        if (!unwritten.contains(change))
            QVERIFY(writeBytes(path, onDisk));
        // A new modification time, as any later write gives, however quick the test runs.
        QFile file(path);
        if (file.exists() && file.open(QIODevice::ReadWrite))
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
        file.close();
        const QByteArray before = readBytes(path);

        using Kind = SaveOutcome::Kind;
        QStringList seen;
        SaveAnswers given;
        for (;;) {
            const SaveOutcome outcome = saveIni(document, u"C:\\HL\\hl.exe"_s, u"-dev"_s, given);
            seen << QStringList{u"written"_s, u"ask-drop"_s, u"ask-overwrite"_s, u"failed"_s}.at(
                int(outcome.kind));
            if (outcome.kind == Kind::Failed)
                QVERIFY2(outcome.reason.contains(QDir::toNativeSeparators(path)),
                         qPrintable(outcome.reason));
            if (outcome.kind == Kind::AskOverwrite && answers == u"overwrite" && !given.overwrite)
                given.overwrite = true;
            else if (outcome.kind == Kind::AskDropUnread && answers == u"drop")
                given.dropUnread = true;
            else
                break;
        }
        QCOMPARE(seen.join(u' '), outcomes);
        if (written)
            QVERIFY(readBytes(path).contains("Name            = Al2\r\n"));
        else if (change != u"folder")
            QCOMPARE(readBytes(path), before);
    }
};

QTEST_GUILESS_MAIN(TestRosterDocument)
#include "tst_rosterdocument.moc"
