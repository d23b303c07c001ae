#include "app/rosterdocument.h"

#include "roster/botsini.h"
#include "roster/botsinifile.h"

#include <QDir>

RosterDocument::Loaded RosterDocument::load(const QString& folder, const QString& fileName) {
    addonFolder = folder;
    file = fileName.isEmpty() ? botsIniPath(folder) : QDir(folder).filePath(fileName);
    BotsIniRead read = readBotsIniFileAt(file, &stamp);
    editing = std::move(read.roster);
    saved = editing;
    leftUnread = {read.unreadMaps, read.unreadBots};
    steps.clear();
    return {std::move(read.text), read.readToEnd, leftUnread};
}

Roster RosterDocument::withView(const MapEntry& mapOnView, const BotEntry& botOnView) const {
    Roster roster = editing;
    roster.maps.storeCurrent(mapOnView);
    roster.bots.storeCurrent(botOnView);
    return roster;
}

void RosterDocument::takeViewAsSaved(const MapEntry& mapOnView, const BotEntry& botOnView) {
    saved = withView(mapOnView, botOnView);
}

bool RosterDocument::isModified(const MapEntry& mapOnView, const BotEntry& botOnView) const {
    return !composesSame(withView(mapOnView, botOnView), saved);
}

QByteArray RosterDocument::composedFile() const {
    return composeBotsIniFile(editing);
}

RosterDocument::Saved RosterDocument::save(SaveMode mode) {
    using Outcome = Saved::Outcome;
    if (mode != SaveMode::Overwrite && !stamp.matches(filePath()))
        return {Outcome::ChangedElsewhere, {}, {}};
    Saved result{Outcome::Written, composedFile(), {}};
    if (!writeBotsIniFileAt(file, result.bytes, &result.error, &stamp)) {
        result.outcome = Outcome::Failed;
        return result;
    }
    saved = editing;
    leftUnread = {};
    return result;
}
