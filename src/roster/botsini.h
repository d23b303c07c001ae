#pragma once

#include "roster/roster.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Every line of bots.ini ends with CR LF, and the written file has one more at its end.
inline constexpr QLatin1StringView BotsIniLineBreak("\r\n");

// bots.ini in the given folder.
QString botsIniPath(const QString& programFolder);

// What reading bots.ini gives: the roster, with one default entry in a list the file left
// empty, and the text the INI page shows, still in the file's code page.
struct BotsIniRead {
    Roster roster;
    QByteArray text;
    // False when the file could not be opened or read to its end, or a list would have passed
    // its limit: text is then empty, and the roster holds what came before the stop.
    bool readToEnd = false;
    // The map entries and bots the file holds past that stop, none when it was read to its end:
    // its headers from the one that stopped the reading on.
    qsizetype unreadMaps = 0;
    qsizetype unreadBots = 0;
};

// Reads the file's bytes.
BotsIniRead readBotsIni(const QByteArray& bytes);

// What "Save INI" writes for the roster: all map sections, then all bots, in the file's code
// page (a character it cannot hold becomes "?"), and one more line break. The text is composed
// straight into these bytes: a full roster never holds its 9 MB text as characters.
QByteArray composeBotsIniFile(const Roster& roster);

// Whether composeBotsIniFile gives both rosters the same bytes, found without composing it: entries
// 1 to count() of each list are compared key by key as the writer puts them out, so a default map's
// name, which its header stands for, may differ in letter case.
// aOnView, where given, stands in for a's entry on view in that list (the one a store would go
// into), as if it were stored there.
struct EntriesOnView {
    const BotEntry* bot = nullptr;
    const MapEntry* map = nullptr;
};
bool composesSame(const Roster& a, const Roster& b, EntriesOnView aOnView = {});

// One entry as "Save INI" writes it: its header, its key lines and the empty line that ends its
// section, as text.
QString composeBotsIniEntry(const BotEntry& bot);
QString composeBotsIniEntry(const MapEntry& map);

// What pasting text into a list of listCount entries inserts: the entries of the list's kind the
// text holds when read as bots.ini is read (in its code page, and with a lone LF, as a clipboard
// ends its lines, taken for a line end too), in their order, as many as fit beside the list; how
// many entries of the other kind it left out, and how many of its own kind did not fit.
template <typename Entry> struct PastedEntries {
    QList<Entry> entries;
    qsizetype otherKind = 0;
    qsizetype notFitting = 0;
};
template <typename Entry> PastedEntries<Entry> pasteEntries(const QString& text, int listCount);
