// The Bots and Maps pages driven the way the player drives them: typing, the scroll bar arrows,
// the tab strip by mouse and keyboard, Add and Remove, the Move and Duplicate keys and the page's
// context menu.
#include "window/modelpicture.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace Qt::StringLiterals;

char* toString(const BotEntry& b) {
    return QTest::toString(QStringList{b.name, b.model, b.topColor, b.bottomColor}.join(u'|'));
}
char* toString(const MapEntry& e) {
    return QTest::toString(QStringList{e.name, e.quantity, e.random, e.initialDelay, e.spawnDelay,
                                       e.waitForPlayers, e.keepServerFull}
                               .join(u'|'));
}

namespace {

enum Tab { Bots, Maps };
const char* const PageNames[] = {"botsPage", "mapsPage", "iniPage"};

// Neither the model "Barney" nor the map "my_map" is in the stock lists.
const QList<BotEntry> ThreeBots{{u"Barney"_s, u"Barney"_s, u"160"_s, u"40"_s},
                                {u"Gordon"_s, u"gordon"_s, u"30"_s, u"200"_s},
                                {u"Gina"_s, u"gina"_s, u"10"_s, u"20"_s}};
// Random spelt as a file may spell it: a store nobody asked for shows up as "Yes" or "No".
const QList<MapEntry> ThreeMaps{{u"boot_camp"_s, u"4"_s, u"yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s},
                                {u"my_map"_s, u"6"_s, u"0"_s, u"5"_s, u"3"_s, u"0"_s, u"1"_s},
                                {u"crossfire"_s, u"2"_s, u"1"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s}};

QByteArray botsIni(const QList<MapEntry>& maps, const QList<BotEntry>& bots) {
    QString text;
    for (const MapEntry& e : maps)
        text += u"[Map]\r\nName = %1\r\nQuantity = %2\r\nRandom = %3\r\nInitialDelay = %4\r\n"
                u"SpawnDelay = %5\r\nWaitForPlayers = %6\r\nKeepServerFull = %7\r\n\r\n"_s.arg(
                    e.name, e.quantity, e.random, e.initialDelay, e.spawnDelay, e.waitForPlayers,
                    e.keepServerFull);
    for (const BotEntry& b : bots)
        text +=
            u"[Bot]\r\nName = %1\r\nModel = %2\r\nTopColor = %3\r\nBottomColor = %4\r\n\r\n"_s.arg(
                b.name, b.model, b.topColor, b.bottomColor);
    return text.toLatin1();
}

// Three maps with values of their own, Random already as a store writes it, and one bot.
const QList<MapEntry> Rotation{{u"alpha"_s, u"1"_s, u"Yes"_s, u"2"_s, u"3"_s, u"0"_s, u"1"_s},
                               {u"beta"_s, u"4"_s, u"No"_s, u"5"_s, u"6"_s, u"1"_s, u"0"_s},
                               {u"gamma"_s, u"7"_s, u"No"_s, u"8"_s, u"9"_s, u"0"_s, u"0"_s}};

// The map sections "Save INI" writes for Rotation's maps; delta is beta renamed, omega gamma.
QByteArray savedMap(const QString& name) {
    static const QHash<QString, QByteArray> sections{
        {u"alpha"_s, "[Map]\r\nName            = alpha\r\nQuantity        = 1\r\n"
                     "Random          = Yes\r\nInitialDelay    = 2\r\nSpawnDelay      = 3\r\n"
                     "WaitForPlayers  = 0\r\nKeepServerFull  = 1\r\n\r\n"},
        {u"beta"_s, "[Map]\r\nName            = beta\r\nQuantity        = 4\r\n"
                    "Random          = No\r\nInitialDelay    = 5\r\nSpawnDelay      = 6\r\n"
                    "WaitForPlayers  = 1\r\nKeepServerFull  = 0\r\n\r\n"},
        {u"delta"_s, "[Map]\r\nName            = delta\r\nQuantity        = 4\r\n"
                     "Random          = No\r\nInitialDelay    = 5\r\nSpawnDelay      = 6\r\n"
                     "WaitForPlayers  = 1\r\nKeepServerFull  = 0\r\n\r\n"},
        {u"gamma"_s, "[Map]\r\nName            = gamma\r\nQuantity        = 7\r\n"
                     "Random          = No\r\nInitialDelay    = 8\r\nSpawnDelay      = 9\r\n"
                     "WaitForPlayers  = 0\r\nKeepServerFull  = 0\r\n\r\n"},
        {u"omega"_s, "[Map]\r\nName            = omega\r\nQuantity        = 7\r\n"
                     "Random          = No\r\nInitialDelay    = 8\r\nSpawnDelay      = 9\r\n"
                     "WaitForPlayers  = 0\r\nKeepServerFull  = 0\r\n\r\n"}};
    return sections.value(name);
}
// The bot section after them, and the line break that ends the file.
const QByteArray SavedBotAndEnd =
    "[Bot]\r\nName            = Barney\r\nModel           = Barney\r\n"
    "TopColor        = 160\r\nBottomColor     = 40\r\n\r\n\r\n";

// The keys of Move Earlier, Move Later and Duplicate.
struct Keys {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const QHash<QString, Keys> EntryKeys{
    {u"Move Earlier"_s, {Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier}},
    {u"Move Later"_s, {Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier}},
    {u"Duplicate"_s, {Qt::Key_D, Qt::ControlModifier}},
    {u"Copy Entry"_s, {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier}},
    {u"Paste Entries"_s, {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier}},
    {u"Undo"_s, {Qt::Key_Z, Qt::ControlModifier}},
    {u"Redo"_s, {Qt::Key_Y, Qt::ControlModifier}}};

// Presses the key of Move Earlier, Move Later, Duplicate, Undo or Redo on the control that has the
// focus, as the keyboard sends it: through the shortcuts first.
void pressKeyOf(const QString& item) {
    const Keys keys = EntryKeys.value(item);
    QTest::keyClick(QApplication::focusWidget(), keys.key, keys.modifiers);
}

// Opens the page's context menu with a right click on an empty spot of the page, as the player
// does, and clicks the item with this text where it is enabled (else closes the menu). Gives the
// menu's items top to bottom as "text<tab>shortcut on|off", the shortcut where the menu shows it,
// and the menu's font where it is not the window's.
QStringList useContextMenu(QWidget* page, const QString& item) {
    QStringList seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        if (menu->font() != page->window()->font()) // a menu is a window: it inherits no font
            seen << u"font "_s + menu->font().toString();
        QAction* chosen = nullptr;
        const auto actions = menu->actions();
        for (QAction* action : actions) {
            QString shown = action->text();
            if (action->isShortcutVisibleInContextMenu())
                shown += u'\t' + action->shortcut().toString(QKeySequence::PortableText);
            seen << shown + (action->isEnabled() ? u" on"_s : u" off"_s);
            if (action->text() == item && action->isEnabled())
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
    poll.start();
    QWidget* window = page->window();
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      page->mapTo(window, QPoint(4, page->height() - 4)));
    // The offscreen platform leaves no window active when the menu closes; a window manager
    // gives the activation back to the window.
    window->windowHandle()->requestActivate();
    if (!QTest::qWaitForWindowActive(window))
        seen << u"window not active again"_s;
    return seen;
}

// A window on its own bots.ini, with the controls of one page.
struct Fixture : WindowOn {
    Tab p;
    const Roster& m = rosterOf(window);

    explicit Fixture(Tab page, const QList<MapEntry>& maps = ThreeMaps,
                     const QList<BotEntry>& bots = ThreeBots)
        : WindowOn(botsIni(maps, bots)), p(page) {
        if (p == Maps)
            clickTab(window, 1);
    }
    QTabBar* tabs() { return control<QTabBar>(window, "pageTabs"); }
    QScrollBar* scroll() {
        return control<QScrollBar>(window, p == Bots ? "botPager" : "mapPager");
    }
    QAbstractButton* add() {
        return control<QAbstractButton>(window, p == Bots ? "addBotButton" : "addMapButton");
    }
    QAbstractButton* remove() {
        return control<QAbstractButton>(window, p == Bots ? "removeBotButton" : "removeMapButton");
    }
    QLineEdit* name() {
        return p == Bots ? control<QLineEdit>(window, "botNameEdit")
                         : control<QComboBox>(window, "mapNameCombo")->lineEdit();
    }
    // A second field, to see that the whole entry moves together.
    QLineEdit* other() {
        return control<QLineEdit>(window, p == Bots ? "topColorEdit" : "quantityEdit");
    }

    int current() const { return p == Bots ? m.bots.current() : m.maps.current(); }
    int count() const { return p == Bots ? m.bots.count() : m.maps.count(); }
    QString recordName(int i) const {
        return p == Bots ? m.bots.entries().at(i).name : m.maps.entries().at(i).name;
    }
    QString recordOther(int i) const {
        return p == Bots ? m.bots.entries().at(i).topColor : m.maps.entries().at(i).quantity;
    }
    QString caption(int i) const {
        return u"Vantrel Zelvik  (%1  %2 of %3)"_s.arg(p == Bots ? u"Bot" : u"Map")
            .arg(i)
            .arg(count());
    }

    // Moves to the neighbouring tab the way a key on the focused tab strip does.
    void keyOnTabs(Qt::Key key) {
        tabs()->setFocus();
        QTest::keyClick(tabs(), key);
    }
    void arrow(int direction) {
        scroll()->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepAdd
                                              : QAbstractSlider::SliderSingleStepSub);
    }
    // Entry i is on view, current, under the scroll bar and named in the caption.
    void expectShown(int i) {
        QCOMPARE(current(), i);
        QCOMPARE(scroll()->value(), i);
        QCOMPARE(window.windowTitle(), caption(i));
        if (i > 0) {
            QCOMPARE(name()->text(), recordName(i));
            QCOMPARE(other()->text(), recordOther(i));
        }
    }
    QWidget* page() { return control(window, PageNames[p]); }
    // The window as the one the keyboard types into, so its shortcuts are live.
    bool activate() {
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    // The records as they stand: later checks see what changed since.
    std::pair<QList<BotEntry>, QList<MapEntry>> records() const {
        return {m.bots.entries(), m.maps.entries()};
    }
    void expectUnchanged(const std::pair<QList<BotEntry>, QList<MapEntry>>& was, int i, int wasAt) {
        if (p == Bots)
            QCOMPARE(m.bots.entries().at(i), was.first[wasAt]);
        else
            QCOMPARE(m.maps.entries().at(i), was.second[wasAt]);
    }
};

void addPageColumn() {
    QTest::addColumn<int>("page");
}
QByteArray rowName(Tab p, const QByteArray& what) {
    return (p == Bots ? "bots, " : "maps, ") + what;
}

} // namespace

class TestEditors : public WindowTest {
    Q_OBJECT

private slots:
    void editsReachTheRecordWhenThePageIsLeft_data() {
        addPageColumn();
        QTest::addColumn<QString>("leave");
        for (const Tab p : {Bots, Maps})
            // A click on another tab is a press and a tab change at once; each row takes one.
            for (const char* leave :
                 {"left arrow", "own tab pressed", "other tab right-pressed", "keyboard"})
                QTest::newRow(rowName(p, leave)) << int(p) << QString::fromLatin1(leave);
    }

    void editsReachTheRecordWhenThePageIsLeft() {
        QFETCH(int, page);
        QFETCH(QString, leave);
        Fixture f{Tab(page)};
        retype(f.name(), u"edited"_s);
        retype(f.other(), u"77"_s);
        QCOMPARE(f.recordName(1), f.p == Bots ? u"Barney"_s : u"boot_camp"_s);

        const int own = f.p == Bots ? 0 : 1;
        if (leave.endsWith(u"arrow")) {
            f.arrow(-1);
        } else if (leave == u"keyboard") {
            f.keyOnTabs(f.p == Bots ? Qt::Key_Right : Qt::Key_Left);
            QCOMPARE(f.tabs()->currentIndex(), 1 - own);
        } else {
            // A press on the tab already selected, or with a button that selects none, still
            // stores.
            const bool right = leave.contains(u"right");
            QTest::mousePress(f.tabs(), right ? Qt::RightButton : Qt::LeftButton, {},
                              f.tabs()->tabRect(right ? 2 : own).center());
            QCOMPARE(f.tabs()->currentIndex(), own);
        }

        if (f.p == Bots)
            QCOMPARE(f.m.bots.at(1), (BotEntry{u"edited"_s, u"Barney"_s, u"77"_s, u"40"_s}));
        else
            QCOMPARE(f.m.maps.at(1),
                     (MapEntry{u"edited"_s, u"77"_s, u"Yes"_s, u"10"_s, u"5"_s, u"1"_s, u"0"_s}));
        // A tab change also stores the map on view, even from the Bots page; paging does not.
        if (f.p == Bots)
            QCOMPARE(f.m.maps.at(1).random, leave.endsWith(u"arrow") ? u"yes"_s : u"Yes"_s);
    }

    void tabsShowOnePageAndItsCaption_data() {
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("keyboard") << true;
    }

    void tabsShowOnePageAndItsCaption() {
        QFETCH(bool, keyboard);
        Fixture f{Bots};
        QCOMPARE(f.window.windowTitle(), u"Vantrel Zelvik  (Bot  1 of 3)"_s);
        f.arrow(1);
        QCOMPARE(f.window.windowTitle(), u"Vantrel Zelvik  (Bot  2 of 3)"_s);

        const QList<std::pair<int, QString>> steps{{1, u"Vantrel Zelvik  (Map  1 of 3)"_s},
                                                   {2, u"Vantrel Zelvik"_s},
                                                   {1, u"Vantrel Zelvik  (Map  3 of 3)"_s},
                                                   {0, u"Vantrel Zelvik  (Bot  2 of 3)"_s}};
        for (const auto& [tab, caption] : steps) {
            if (keyboard) {
                f.keyOnTabs(tab > f.tabs()->currentIndex() ? Qt::Key_Right : Qt::Key_Left);
            } else {
                clickTab(f.window, tab);
            }
            QCOMPARE(f.tabs()->currentIndex(), tab);
            QCOMPARE(f.window.windowTitle(), caption);
            for (const int k : {0, 1, 2})
                QCOMPARE(control(f.window, PageNames[k])->isVisible(), k == tab);
            if (caption.endsWith(u"(Map  1 of 3)")) {
                f.p = Maps;
                f.arrow(-1); // to the last map, to be shown on the way back
            }
        }
    }

    // Which values read as on is the map record's rule (tst_entrylist's randomIsOneOrYes); here
    // that the box shows it and stores "Yes" or "No".
    void randomFlag_data() {
        QTest::addColumn<QString>("random");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("yes") << u"yes"_s << true;
        QTest::newRow("true") << u"true"_s << false;
    }

    void randomFlag() {
        QFETCH(QString, random);
        QFETCH(bool, ticked);
        QList<MapEntry> maps = ThreeMaps;
        maps[0].random = random;
        Fixture f(Maps, maps);
        QCOMPARE(control<QCheckBox>(f.window, "randomCheck")->isChecked(), ticked);
        f.arrow(1);
        QCOMPARE(f.m.maps.at(1).random, ticked ? u"Yes"_s : u"No"_s);
    }

    // Which entries the list refuses to leave is the list's rule (tst_entrylist); here that a
    // refused paging leaves the controls as typed and puts the scroll bar back.
    void refusedPagingKeepsTheControls_data() { pages(); }
    void refusedPagingKeepsTheControls() {
        QFETCH(int, page);
        Fixture f{Tab(page)};
        f.arrow(1);
        const auto was = f.records();
        retype(f.other(), u"77"_s);
        retype(f.name(), QString());

        for (const int direction : {1, -1, -1}) {
            f.arrow(direction);
            QCOMPARE(f.current(), 2);
            QCOMPARE(f.scroll()->value(), 2);
            QCOMPARE(f.window.windowTitle(), f.caption(2));
            QCOMPARE(f.other()->text(), u"77"_s);
        }

        // The refused entry is stored on a tab change like any other.
        clickTab(f.window, 2);
        QCOMPARE(f.recordOther(2), u"77"_s);
        f.expectUnchanged(was, 1, 1);
        f.expectUnchanged(was, 3, 3);
    }

    // Which entry Remove leaves current is the list's rule (tst_entrylist); here that the page
    // drops what was typed into the removed entry and shows the current one.
    void removeShowsTheCurrentEntry_data() { pages(); }
    void removeShowsTheCurrentEntry() {
        QFETCH(int, page);
        const int removed = 2;
        const int shown = 1;
        Fixture f{Tab(page)};
        f.arrow(1);
        auto was = f.records();
        was.first.remove(removed);
        was.second.remove(removed);
        retype(f.name(), u"doomed"_s);
        retype(f.other(), u"77"_s);
        clickButton(f.remove());

        QCOMPARE(f.count(), 2);
        f.expectShown(shown);
        for (const int i : {1, 2})
            f.expectUnchanged(was, i, i);
    }

    void emptyListDisablesTheControlsUntilAnAdd_data() { pages(); }
    void emptyListDisablesTheControlsUntilAnAdd() {
        QFETCH(int, page);
        Fixture f(Tab(page), ThreeMaps.mid(0, 1), ThreeBots.mid(0, 1));
        QList<QWidget*> disabled{f.remove(), f.scroll()};
        if (f.p == Bots) {
            for (const char* name : {"modelCombo", "topColorEdit", "topColorSlider",
                                     "bottomColorEdit", "bottomColorSlider"})
                disabled << control(f.window, name);
            disabled << f.name();
        }
        clickButton(f.remove());
        QCOMPARE(f.count(), 0);
        f.expectShown(0);
        for (QWidget* widget : disabled)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));

        clickButton(f.add());
        QCOMPARE(f.count(), 1);
        f.expectShown(1);
        for (QWidget* widget : disabled)
            QCOMPARE(widget->isEnabled(), widget != f.scroll());
        // What Add put in is on view whole: a tab change stores it back as it was, but for Random,
        // which the unticked box writes as "No". The values Add puts in are the list's
        // (tst_entrylist's defaultsOfAnAddedEntry).
        const BotEntry bot = f.m.bots.at(1);
        MapEntry map = f.m.maps.at(1);
        map.random = u"No"_s;
        clickTab(f.window, 2);
        if (f.p == Bots)
            QCOMPARE(f.m.bots.at(1), bot);
        else
            QCOMPARE(f.m.maps.at(1), map);
        clickTab(f.window, int(f.p));

        // An Add beside an entry stores it first; a second entry makes paging possible.
        retype(f.name(), u"kept"_s);
        clickButton(f.add());
        QCOMPARE(f.count(), 2);
        QCOMPARE(f.recordName(1), u"kept"_s);
        f.expectShown(2);
        QVERIFY(f.scroll()->isEnabled());
    }

    // Moving a map takes it, with the edits on view, to its new place in the rotation, and "Save
    // INI" writes that order; the keys and the context menu do the same. Where a move or copy may
    // act is the list's rule (tst_entrylist) and the menu's (contextMenuOffersWhatMayAct).
    void movedMapsAreSavedInTheirNewOrder_data() {
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("saved");
        for (const bool menu : {false, true}) {
            const auto row = [menu](const char* what) {
                return QByteArray(what) + (menu ? ", menu" : ", keys");
            };
            QTest::newRow(row("an edit on view moves along"))
                << menu << u"next|name=delta|Move Later"_s << 3
                << QStringList{u"alpha"_s, u"gamma"_s, u"delta"_s};
            QTest::newRow(row("the last to the front"))
                << menu << u"previous|name=omega|Move Earlier|Move Earlier"_s << 1
                << QStringList{u"omega"_s, u"alpha"_s, u"beta"_s};
            QTest::newRow(row("duplicate the middle"))
                << menu << u"next|name=delta|Duplicate"_s << 3
                << QStringList{u"alpha"_s, u"delta"_s, u"delta"_s, u"gamma"_s};
        }
    }

    void movedMapsAreSavedInTheirNewOrder() {
        QFETCH(bool, menu);
        QFETCH(QString, steps);
        QFETCH(int, shown);
        QFETCH(QStringList, saved);
        Fixture f(Maps, Rotation, ThreeBots.mid(0, 1));
        QVERIFY(f.activate());
        f.other()->setFocus();
        const auto stepList = steps.split(u'|');
        for (const QString& step : stepList) {
            if (step == u"next" || step == u"previous")
                f.arrow(step == u"next" ? 1 : -1);
            else if (step.startsWith(u"name="))
                retype(f.name(), step.mid(5));
            else if (menu)
                QVERIFY(!useContextMenu(f.page(), step).isEmpty());
            else
                pressKeyOf(step);
        }
        QCOMPARE(f.count(), saved.size());
        f.expectShown(shown);
        QCOMPARE(f.name()->text(), saved.at(shown - 1));

        clickTab(f.window, 2);
        clickButton(f.window, "saveIniButton");
        QByteArray expected;
        for (const QString& name : saved)
            expected += savedMap(name);
        QCOMPARE(readBytes(f.dir.filePath(u"bots.ini"_s)), expected + SavedBotAndEnd);
    }

    // The keys act whichever control of the page on view has the focus, one of each kind; on the
    // INI page they do nothing.
    void entryKeysActFromEveryControl_data() {
        addPageColumn();
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("acts");
        for (const char* name : {"botNameEdit", "modelCombo", "topColorSlider", "addBotButton",
                                 "botPager", "pageTabs"})
            QTest::newRow(rowName(Bots, name)) << int(Bots) << QString::fromLatin1(name) << true;
        for (const char* name :
             {"mapNameCombo", "quantityEdit", "randomCheck", "removeMapButton", "mapPager"})
            QTest::newRow(rowName(Maps, name)) << int(Maps) << QString::fromLatin1(name) << true;
        for (const Tab p : {Bots, Maps})
            for (const char* name : {"gamePathEdit", "iniTextView"})
                QTest::newRow(rowName(p, QByteArray("INI page, ") + name))
                    << int(p) << QString::fromLatin1(name) << false;
    }

    void entryKeysActFromEveryControl() {
        QFETCH(int, page);
        QFETCH(QString, focus);
        QFETCH(bool, acts);
        // Rotation's Random values are spelt as a store spells them: a moved entry, stored on its
        // way, stays as it was.
        Fixture f(Tab(page), Rotation);
        QVERIFY(f.activate());
        f.arrow(1);
        // A change of tab stores the entries on view: what the keys might change is what follows.
        if (!acts)
            clickTab(f.window, 2);
        const auto was = f.records();
        QWidget* focused = control(f.window, focus);
        focused->setFocus();
        QVERIFY(focused->hasFocus());

        pressKeyOf(u"Move Earlier"_s);
        if (acts) {
            f.expectShown(1);
            f.expectUnchanged(was, 1, 2);
            f.expectUnchanged(was, 2, 1);
        }
        pressKeyOf(u"Move Later"_s);
        pressKeyOf(u"Duplicate"_s);
        QVERIFY(focused->hasFocus());
        if (!acts) {
            QCOMPARE(f.window.windowTitle(), u"Vantrel Zelvik"_s);
            QCOMPARE(f.records(), was);
            clickTab(f.window, page);
            f.expectShown(2);
            return;
        }
        QCOMPARE(f.count(), 4);
        f.expectShown(3);
        for (const auto& [i, wasAt] : {std::pair{1, 1}, {2, 2}, {3, 2}, {4, 3}})
            f.expectUnchanged(was, i, wasAt);
    }

    // The menu offers what may act on the entry on view, with its key.
    void contextMenuOffersWhatMayAct_data() {
        addPageColumn();
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("items");
        // The items as the menu shows them, each on or off; paging is nothing to undo.
        for (const Tab p : {Bots, Maps}) {
            const auto items = [p](bool earlier, bool later, bool duplicate,
                                   const QString& undo = u"Undo\tCtrl+Z off"_s) {
                const auto state = [](bool on) { return on ? u" on"_s : u" off"_s; };
                return QStringList{u"Move Earlier\tCtrl+Shift+Up"_s + state(earlier),
                                   u"Move Later\tCtrl+Shift+Down"_s + state(later),
                                   u"Duplicate\tCtrl+D"_s + state(duplicate),
                                   u"Copy Entry\tCtrl+Shift+C"_s + state(duplicate),
                                   u"Paste Entries\tCtrl+Shift+V on"_s,
                                   (p == Bots ? u"Show All Bots"_s : u"Show All Maps"_s) +
                                       u"\tCtrl+L on"_s,
                                   u"\t on"_s, // the line above Undo and Redo
                                   undo,
                                   u"Redo\tCtrl+Y off"_s,
                                   u"\t on"_s,
                                   u"Player's Guide\tF1 on"_s};
            };
            QTest::newRow(rowName(p, "first")) << int(p) << 3 << 1 << items(false, true, true);
            QTest::newRow(rowName(p, "middle")) << int(p) << 3 << 2 << items(true, true, true);
            QTest::newRow(rowName(p, "last")) << int(p) << 3 << 3 << items(true, false, true);
            QTest::newRow(rowName(p, "only")) << int(p) << 1 << 1 << items(false, false, true);
            // Remove takes the only entry: the page shows the spare, which nothing moves or copies;
            // the removal may be undone.
            QTest::newRow(rowName(p, "empty"))
                << int(p) << 0 << 0
                << items(false, false, false,
                         p == Bots ? u"Undo Remove Bot\tCtrl+Z on"_s
                                   : u"Undo Remove Map\tCtrl+Z on"_s);
        }
    }

    void contextMenuOffersWhatMayAct() {
        QFETCH(int, page);
        QFETCH(int, entries);
        QFETCH(int, shown);
        QFETCH(QStringList, items);
        const int kept = qMax(entries, 1);
        Fixture f(Tab(page), ThreeMaps.mid(0, kept), ThreeBots.mid(0, kept));
        QVERIFY(f.activate());
        if (entries == 0)
            clickButton(f.remove());
        for (int i = 1; i < shown; ++i)
            f.arrow(1);
        const auto was = f.records();
        QCOMPARE(useContextMenu(f.page(), QString()), items);
        // The key of an item that is off does nothing either.
        f.other()->setFocus();
        for (const QString& item : std::as_const(items)) {
            if (item.endsWith(u" off"))
                pressKeyOf(item.section(u'\t', 0, 0));
        }
        QCOMPARE(f.records(), was);
        f.expectShown(shown);
    }

    // A copy into a full list gives Add's message and changes nothing. The key and the menu item
    // are one action (movedMapsAreSavedInTheirNewOrder shows both reach it): the key stands for
    // both.
    void fullListSaysWhatDidNotFit_data() {
        addPageColumn();
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shown"); // the entry on view afterwards
        for (const char* how : {"Add", "key"}) {
            QTest::newRow(rowName(Bots, how))
                << int(Bots) << QString::fromLatin1(how) << 32767 << u"Add bot"_s
                << u"The bot list is full: it already holds 32767 bots, the most it can hold."_s
                << 2;
            QTest::newRow(rowName(Maps, how))
                << int(Maps) << QString::fromLatin1(how) << 32767 << u"Add map"_s
                << u"The map list is full: it already holds 32767 entries, the most it can "
                   u"hold."_s
                << 2;
        }
        // The clipboard holds one map entry and two bots.
        QTest::newRow("bots, paste into a full list")
            << int(Bots) << u"paste"_s << 32767 << u"Paste Entries"_s
            << u"No bot was pasted.\n\n2 bots did not fit: the list holds at most 32767.\n\n"
               u"Left out: 1 map entry, which belongs on the Maps page."_s
            << 2;
        QTest::newRow("bots, paste into the last place")
            << int(Bots) << u"paste"_s << 32766 << u"Paste Entries"_s
            << u"Pasted 1 bot.\n\n1 bot did not fit: the list holds at most 32767.\n\n"
               u"Left out: 1 map entry, which belongs on the Maps page."_s
            << 3;
        QTest::newRow("maps, paste into a full list")
            << int(Maps) << u"paste"_s << 32767 << u"Paste Entries"_s
            << u"No map entry was pasted.\n\n1 map entry did not fit: the list holds at most "
               u"32767.\n\nLeft out: 2 bots, which belong on the Bots page."_s
            << 2;
    }

    // A copy into a full list gives Add's message and changes nothing; a paste says what it
    // pasted, what did not fit and what it left out.
    void fullListSaysWhatDidNotFit() {
        QFETCH(int, page);
        QFETCH(QString, how);
        QFETCH(int, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, shown);
        const QList<MapEntry> maps(entries, ThreeMaps.at(1));
        const QList<BotEntry> bots(entries, ThreeBots.at(1));
        Fixture f(Tab(page), page == Maps ? maps : ThreeMaps, page == Bots ? bots : ThreeBots);
        QVERIFY(f.activate());
        f.arrow(1);
        f.name()->setFocus();
        QApplication::clipboard()->setText(
            QString::fromLatin1(botsIni(ThreeMaps.mid(0, 1), ThreeBots.mid(0, 2))));
        MessageCapture messages;
        if (how == u"Add")
            clickButton(f.add());
        else
            pressKeyOf(how == u"key" ? u"Duplicate"_s : u"Paste Entries"_s);
        QCOMPARE(messages.titles, QStringList{title});
        QCOMPARE(messages.texts, QStringList{text});
        QCOMPARE(f.count(), 32767);
        f.expectShown(shown);
    }

    // The model's tool tip draws its picture, whatever characters the picture's path holds.
    void modelPictureToolTipShowsThePicture_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << u"gina.bmp"_s;
        QTest::newRow("space") << u"my gina.bmp"_s;
        QTest::newRow("URL characters") << u"g#i%20n;a.bmp"_s;
        QTest::newRow("HTML characters") << u"a&amp;'b'.bmp"_s;
#ifndef Q_OS_WIN // no Windows file name holds these
        QTest::newRow("URL query") << u"g#i%20n?a.bmp"_s;
        QTest::newRow("HTML tags") << u"a&amp;\"<b>'.bmp"_s;
#endif
        QTest::newRow("accented") << u"g\u00efn\u00e1.bmp"_s;
    }

    void modelPictureToolTipShowsThePicture() {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(fileName);
        QImage picture(6, 4, QImage::Format_RGB32);
        picture.fill(QColor(200, 30, 90));
        QVERIFY(picture.save(path, "BMP"));

        QTextDocument tip;
        tip.setDocumentMargin(0);
        tip.setHtml(modelPictureToolTip(path));
        QImage drawn(16, 16, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        tip.drawContents(&painter);
        painter.end();
        QCOMPARE(drawn.pixelColor(3, 2), QColor(200, 30, 90));
        QCOMPARE(drawn.pixelColor(3, 6), QColor(Qt::white)); // below the picture
    }

    void noPictureNoToolTip() {
        QCOMPARE(modelPictureToolTip(QString()), QString());
    }

private:
    void pages() {
        addPageColumn();
        QTest::newRow("bots") << int(Bots);
        QTest::newRow("maps") << int(Maps);
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
