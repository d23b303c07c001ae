// The roster's four editing operations and what they ask of the window.
#include "testsupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    FakeRosterView view;
    Module1 roster{&view};
    Fixture() { view.roster = &roster; }

    QStringList botNames() const {
        QStringList names;
        for (qint16 i = 1; i <= roster.BotCount; ++i)
            names << roster.Bots[i].Name;
        return names;
    }
    QStringList mapNames() const {
        QStringList names;
        for (qint16 i = 1; i <= roster.MapCount; ++i)
            names << roster.Maps[i].Name;
        return names;
    }
};

} // namespace

class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    void addMapToAnEmptyList();
    void addBotToAnEmptyList();
    void secondAddEnablesPaging();
    void namesFollowTheCount();
    void removeMiddleShiftsAndSkipsTheStore();
    void removeLastAndFirst();
    void removeTheOnlyEntry();
    void removeLeavingOneKeepsRemoveEnabled();
    void removeIgnoresIndicesOutsideTheList();
    void fullListRefusesAnAdd();
};

void TestModule1::addMapToAnEmptyList() {
    Fixture f;
    QVERIFY(f.roster.AddMap());
    QCOMPARE(f.roster.MapCount, 1);
    QCOMPARE(f.roster.Maps.size(), 2);
    const MapEntry expected{u"Map1"_s, u"1"_s, u"0"_s, u"1"_s, u"1"_s, u"0"_s, u"0"_s};
    QCOMPARE(f.roster.Maps[1], expected);
    QCOMPARE(f.view.enabled.value(RosterControl::Command2), true);
    QVERIFY(!f.view.enabled.contains(RosterControl::HScroll1));
    QCOMPARE(f.view.shownMaps, QList<qint16>{1});
    QCOMPARE(f.view.maximum.value(RosterControl::HScroll1), 2);
    QVERIFY(f.view.changes.isEmpty()); // the scroll bar already stood at 1
}

void TestModule1::addBotToAnEmptyList() {
    Fixture f;
    f.view.value[RosterControl::HScroll2] = 0;
    QVERIFY(f.roster.AddBot());
    QCOMPARE(f.roster.BotCount, 1);
    QCOMPARE(f.roster.Bots[1], (BotEntry{u"Bot1"_s, u"Barney"_s, u"1"_s, u"1"_s}));
    QCOMPARE(f.view.enabled.value(RosterControl::txtBotName), true);
    QCOMPARE(f.view.enabled.value(RosterControl::cmbModel), true);
    QCOMPARE(f.view.enabled.value(RosterControl::Command5), true);
    QVERIFY(!f.view.enabled.contains(RosterControl::HScroll2));
    QCOMPARE(f.view.changes.size(), 1);
    QCOMPARE(f.view.changes[0].value, 1);
    QCOMPARE(f.view.shownBots, QList<qint16>{1});
}

void TestModule1::secondAddEnablesPaging() {
    Fixture f;
    f.roster.AddMap();
    f.roster.AddBot();
    f.roster.AddMap();
    f.roster.AddBot();
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll1), true);
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll2), true);
    f.view.enabled.clear();
    f.roster.AddMap();
    f.roster.AddBot();
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll1), true);
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll2), true);
    QCOMPARE(f.view.value.value(RosterControl::HScroll1), 3);
    QCOMPARE(f.view.value.value(RosterControl::HScroll2), 3);
    QCOMPARE(f.view.maximum.value(RosterControl::HScroll2), 4);
}

void TestModule1::namesFollowTheCount() {
    Fixture f;
    f.roster.AddMap();
    f.roster.AddMap();
    f.roster.RemoveMap(1);
    f.roster.AddMap();
    QCOMPARE(f.mapNames(), (QStringList{u"Map2"_s, u"Map2"_s}));
}

void TestModule1::removeMiddleShiftsAndSkipsTheStore() {
    Fixture f;
    for (int i = 0; i < 3; ++i)
        f.roster.AddBot();
    f.view.changes.clear();
    f.roster.RemoveBot(2);
    QCOMPARE(f.botNames(), (QStringList{u"Bot1"_s, u"Bot3"_s}));
    QCOMPARE(f.roster.Bots.size(), 3);
    QCOMPARE(f.view.changes.size(), 1);
    QCOMPARE(f.view.changes[0].value, 1);
    QVERIFY(f.view.changes[0].skipBotStore);
    QVERIFY(!f.view.changes[0].skipMapStore);
    QCOMPARE(f.view.maximum.value(RosterControl::HScroll2), 3);
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll2), true);
}

void TestModule1::removeLastAndFirst() {
    Fixture f;
    for (int i = 0; i < 3; ++i)
        f.roster.AddMap();
    f.roster.RemoveMap(3);
    QCOMPARE(f.mapNames(), (QStringList{u"Map1"_s, u"Map2"_s}));
    QCOMPARE(f.view.value.value(RosterControl::HScroll1), 2);
    f.roster.RemoveMap(1);
    QCOMPARE(f.mapNames(), QStringList{u"Map2"_s});
    QCOMPARE(f.view.value.value(RosterControl::HScroll1), 0);
    QVERIFY(f.roster.SkipMapStore); // nothing consumed it: the fake runs no paging
}

void TestModule1::removeTheOnlyEntry() {
    Fixture f;
    f.roster.AddBot();
    f.roster.AddMap();
    f.roster.RemoveBot(1);
    f.roster.RemoveMap(1);
    QCOMPARE(f.roster.BotCount, 0);
    QCOMPARE(f.roster.Bots.size(), 1);
    QCOMPARE(f.roster.MapCount, 0);
    for (const auto control :
         {RosterControl::txtBotName, RosterControl::cmbModel, RosterControl::Command5,
          RosterControl::HScroll2, RosterControl::Command2, RosterControl::HScroll1})
        QCOMPARE(f.view.enabled.value(control, true), false);
    QCOMPARE(f.view.value.value(RosterControl::HScroll2), 0);
    QCOMPARE(f.view.maximum.value(RosterControl::HScroll2), 1);

    f.roster.AddBot();
    QCOMPARE(f.roster.BotCount, 1);
    QCOMPARE(f.view.enabled.value(RosterControl::txtBotName), true);
    QCOMPARE(f.view.enabled.value(RosterControl::Command5), true);
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll2), false);
}

void TestModule1::removeLeavingOneKeepsRemoveEnabled() {
    Fixture f;
    f.roster.AddMap();
    f.roster.AddMap();
    f.roster.RemoveMap(2);
    QCOMPARE(f.view.enabled.value(RosterControl::HScroll1), false);
    QCOMPARE(f.view.enabled.value(RosterControl::Command2), true);
}

void TestModule1::removeIgnoresIndicesOutsideTheList() {
    Fixture f;
    f.roster.AddBot();
    f.roster.RemoveBot(0);
    f.roster.RemoveBot(2);
    QCOMPARE(f.botNames(), QStringList{u"Bot1"_s});
    QVERIFY(!f.roster.SkipBotStore);
}

void TestModule1::fullListRefusesAnAdd() {
    Fixture f;
    f.roster.resizeMaps(Module1::MaxEntries);
    f.roster.MapCount = Module1::MaxEntries;
    f.roster.Maps[Module1::MaxEntries].Name = u"last"_s;
    f.view.value[RosterControl::HScroll1] = 5;
    QVERIFY(!f.roster.AddMap());
    QCOMPARE(f.roster.MapCount, Module1::MaxEntries);
    QCOMPARE(f.roster.Maps.size(), Module1::MaxEntries + 1);
    QCOMPARE(f.roster.Maps.last().Name, u"last"_s);
    QVERIFY(f.view.changes.isEmpty());
    QVERIFY(f.view.enabled.isEmpty());
    QVERIFY(f.view.shownMaps.isEmpty());
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
