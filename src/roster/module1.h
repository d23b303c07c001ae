#pragma once

#include "roster/records.h"

#include <QList>
#include <QString>

class RosterView;

// The program's whole in-memory state: the bot and map lists (slot 0 of each is a spare that is
// never saved), the entries the two pages show, the one-shot store skips, and the game folder.
class Module1 {
public:
    static constexpr qint16 MaxEntries = 32767;

    // Without a view (reading a file alone, in a test or a benchmark) control changes go nowhere.
    explicit Module1(RosterView* window = nullptr);

    QList<BotEntry> Bots;
    QList<MapEntry> Maps;
    qint16 BotCount = 0;
    qint16 MapCount = 0;
    qint16 CurrentBot = 0;
    qint16 CurrentMap = 0;
    bool SkipBotStore = false;
    bool SkipMapStore = false;
    QString LineBreak;
    QString GameFolder;

    RosterView* view; // never null

    // Both return false, and change nothing, when the list already holds MaxEntries entries.
    bool AddMap();
    bool AddBot();
    // index: 1 to the count. Anything else is ignored.
    void RemoveMap(qint16 index);
    void RemoveBot(qint16 index);

    // Grows or shrinks a list to slots 0..count, keeping what survives; new slots are empty.
    void resizeMaps(qint16 count);
    void resizeBots(qint16 count);
};
