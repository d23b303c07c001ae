#include "app/rosterdocument.h"

#include "roster/botsini.h"
#include "roster/botsinifile.h"

RosterDocument::Loaded RosterDocument::load(const QString& folder) {
    addonFolder = folder;
    BotsIniRead read = readBotsIniFile(folder, &stamp);
    editing = std::move(read.roster);
    saved = editing;
    steps.clear();
    return {std::move(read.text), read.readToEnd};
}

QString RosterDocument::filePath() const {
    return botsIniPath(addonFolder);
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
    if (!writeBotsIniFile(addonFolder, result.bytes, &result.error, &stamp)) {
        result.outcome = Outcome::Failed;
        return result;
    }
    saved = editing;
    return result;
}
