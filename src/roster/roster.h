#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"

// The roster: the bot and map lists, each with the entry its page shows.
struct Roster {
    EntryList<BotEntry> bots;
    EntryList<MapEntry> maps;
};
