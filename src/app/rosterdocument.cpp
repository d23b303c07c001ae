#include "app/rosterdocument.h"

#include "roster/botsini.h"
#include "roster/botsinifile.h"

#include <QDir>

namespace {

// The roster with the entries on view stored, as leaving the pages would store them.
Roster withView(Roster roster, const MapEntry& mapOnView, const BotEntry& botOnView) {
    roster.maps.storeCurrent(mapOnView);
    roster.bots.storeCurrent(botOnView);
    return roster;
}

} // namespace

RosterDocument::Loaded RosterDocument::load(const QString& folder, const QString& fileName) {
    addonFolder = folder;
    file = fileName.isEmpty() ? botsIniPath(folder) : QDir(folder).filePath(fileName);
    BotsIniRead read = readBotsIniFileAt(file, &stamp);
    editing = std::move(read.roster);
    saved = editing;
    leftUnread = {read.unreadMaps, read.unreadBots};
    steps.clear();
    copied.reset();
    offered.reset();

    using State = Recovery::State;
    const RecoveryCopy::Found found = recovery.open(folder, file);
    Recovery offer{State::None, found.keptAt, found.reason, recovery.path(), found.fileModified};
    if (found.state == RecoveryCopy::Found::State::Damaged) {
        offer.state = State::Damaged;
    } else if (found.state == RecoveryCopy::Found::State::Kept) {
        Roster kept = readBotsIni(found.bytes).roster;
        if (composesSame(kept, saved)) {
            recovery.remove();
        } else {
            offered = std::move(kept);
            offeredFrom = found.keptFrom;
            offer.state = State::Offered;
        }
    }
    return {std::move(read.text), read.readToEnd, leftUnread, offer};
}

void RosterDocument::takeViewAsSaved(const MapEntry& mapOnView, const BotEntry& botOnView) {
    saved = withView(editing, mapOnView, botOnView);
}

bool RosterDocument::isModified(const MapEntry& mapOnView, const BotEntry& botOnView) const {
    return !composesSame(withView(editing, mapOnView, botOnView), saved);
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
    recovery.remove();
    return result;
}

void RosterDocument::restoreRecovery() {
    if (!offered)
        return;
    editing = std::move(*offered);
    offered.reset();
    if (offeredFrom)
        stamp = *offeredFrom;
    steps.clear();
}

void RosterDocument::discardRecovery() {
    if (!offered)
        return;
    offered.reset();
    recovery.remove();
}

void RosterDocument::keepRecoveryCopy(const MapEntry& mapOnView, const BotEntry& botOnView) {
    const CopiedState now{steps.revision(), mapOnView, botOnView};
    if (copied == now)
        return;
    copied = now;
    // The lists are shared with the roster until it changes: handing them over copies nothing.
    recovery.keep(
        [roster = editing, file = saved, mapOnView, botOnView]() -> std::optional<QByteArray> {
            const Roster kept = withView(roster, mapOnView, botOnView);
            if (composesSame(kept, file))
                return std::nullopt;
            return composeBotsIniFile(kept);
        },
        stamp);
}
