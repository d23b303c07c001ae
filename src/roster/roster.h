#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"

#include <QString>

// The program's whole in-memory state: the bot and map lists with the entries their pages show,
// and the game folder the map and model lists come from.
struct Roster {
    EntryList<BotEntry> bots;
    EntryList<MapEntry> maps;
    QString gameFolder;
};
