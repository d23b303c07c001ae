#include "roster/module1.h"

#include "roster/rosterview.h"

namespace {

class NoView final : public RosterView {
public:
    void setControlEnabled(RosterControl, bool) override {}
    void setScrollValue(RosterControl, int) override {}
    void setScrollMaximum(RosterControl, int) override {}
    void ShowMap(qint16) override {}
    void ShowBot(qint16) override {}
    void setText1(const QString&) override {}
};

template <typename Entry> void resizeList(QList<Entry>& list, qint16 count) {
    list.resize(qsizetype(count) + 1);
}

// Entries from index+1 on move down one place; the last slot is cut off.
template <typename Entry> void removeEntry(QList<Entry>& list, qint16 index) {
    list.remove(index);
}

} // namespace

Module1::Module1(RosterView* window) {
    static NoView noView;
    view = window ? window : &noView;
}

void Module1::resizeMaps(qint16 count) {
    resizeList(Maps, count);
}
void Module1::resizeBots(qint16 count) {
    resizeList(Bots, count);
}

bool Module1::AddMap() {
    if (MapCount >= MaxEntries)
        return false;
    ++MapCount;
    if (MapCount >= 2)
        view->setControlEnabled(RosterControl::HScroll1, true);
    resizeMaps(MapCount);
    Maps[MapCount] = MapEntry{QStringLiteral("Map") + QString::number(MapCount),
                              QStringLiteral("1"),
                              QStringLiteral("0"),
                              QStringLiteral("1"),
                              QStringLiteral("1"),
                              QStringLiteral("0"),
                              QStringLiteral("0")};
    if (MapCount == 1)
        view->setControlEnabled(RosterControl::Command2, true);
    view->setScrollMaximum(RosterControl::HScroll1, MapCount + 1);
    view->setScrollValue(RosterControl::HScroll1, MapCount);
    view->ShowMap(MapCount);
    return true;
}

bool Module1::AddBot() {
    if (BotCount >= MaxEntries)
        return false;
    ++BotCount;
    if (BotCount == 1) {
        view->setControlEnabled(RosterControl::txtBotName, true);
        view->setControlEnabled(RosterControl::cmbModel, true);
    }
    if (BotCount >= 2)
        view->setControlEnabled(RosterControl::HScroll2, true);
    resizeBots(BotCount);
    Bots[BotCount] = BotEntry{QStringLiteral("Bot") + QString::number(BotCount),
                              QStringLiteral("Barney"), QStringLiteral("1"), QStringLiteral("1")};
    if (BotCount == 1)
        view->setControlEnabled(RosterControl::Command5, true);
    view->setScrollMaximum(RosterControl::HScroll2, BotCount + 1);
    view->setScrollValue(RosterControl::HScroll2, BotCount);
    view->ShowBot(BotCount);
    return true;
}

void Module1::RemoveMap(qint16 index) {
    if (index < 1 || index > MapCount)
        return;
    --MapCount;
    if (MapCount == 0)
        view->setControlEnabled(RosterControl::Command2, false);
    removeEntry(Maps, index);
    SkipMapStore = true;
    // The paging set off here must not store the controls, which still show the removed entry.
    view->setScrollValue(RosterControl::HScroll1, index - 1);
    // Lowered only now: lowering it first could clamp the value and page without the skip.
    view->setScrollMaximum(RosterControl::HScroll1, MapCount + 1);
    if (MapCount <= 1)
        view->setControlEnabled(RosterControl::HScroll1, false);
}

void Module1::RemoveBot(qint16 index) {
    if (index < 1 || index > BotCount)
        return;
    --BotCount;
    if (BotCount == 0) {
        view->setControlEnabled(RosterControl::txtBotName, false);
        view->setControlEnabled(RosterControl::cmbModel, false);
        view->setControlEnabled(RosterControl::Command5, false);
    }
    removeEntry(Bots, index);
    SkipBotStore = true;
    view->setScrollValue(RosterControl::HScroll2, index - 1);
    view->setScrollMaximum(RosterControl::HScroll2, BotCount + 1);
    if (BotCount <= 1)
        view->setControlEnabled(RosterControl::HScroll2, false);
}
