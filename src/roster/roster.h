#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"

#include <type_traits>

// The roster: the bot and map lists, each with the entry its page shows.
struct Roster {
    EntryList<BotEntry> bots;
    EntryList<MapEntry> maps;
};

enum class RosterListKind { Bots, Maps };

template <typename Entry> constexpr RosterListKind listKindOf() {
    return std::is_same_v<Entry, BotEntry> ? RosterListKind::Bots : RosterListKind::Maps;
}

// The roster's list of Entry.
template <typename Entry> EntryList<Entry>& listOf(Roster& roster) {
    if constexpr (std::is_same_v<Entry, BotEntry>)
        return roster.bots;
    else
        return roster.maps;
}
template <typename Entry> const EntryList<Entry>& listOf(const Roster& roster) {
    if constexpr (std::is_same_v<Entry, BotEntry>)
        return roster.bots;
    else
        return roster.maps;
}
