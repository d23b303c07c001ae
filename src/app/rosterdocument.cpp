#include "app/rosterdocument.h"

#include "roster/botsini.h"
#include "roster/botsinifile.h"

#include <QDir>
#include <QMetaMethod>

namespace {

// The roster with the drafts stored, as leaving the pages would store them. A list is copied
// only where its draft differs from the entry.
Roster withDrafts(Roster roster, const MapEntry& mapDraft, const BotEntry& botDraft) {
    if (!(roster.maps.at(roster.maps.storeIndex()) == mapDraft))
        roster.maps.storeCurrent(mapDraft);
    if (!(roster.bots.at(roster.bots.storeIndex()) == botDraft))
        roster.bots.storeCurrent(botDraft);
    return roster;
}

} // namespace

RosterDocument::RosterDocument(QObject* parent, const QString& recoveryFolder)
    : QObject(parent), recovery(recoveryFolder) {
    recoveryTimer.setObjectName(QStringLiteral("recoveryTimer"));
    recoveryTimer.setSingleShot(true);
    recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&recoveryTimer, &QTimer::timeout, this, &RosterDocument::keepRecoveryCopy);
    modifiedCheck.setSingleShot(true);
    modifiedCheck.setInterval(0);
    connect(&modifiedCheck, &QTimer::timeout, this, &RosterDocument::checkModified);
}

// The history says nothing to anyone as it goes: its views may be gone already.
RosterDocument::~RosterDocument() {
    steps.blockSignals(true);
}

RosterDocument::Loaded RosterDocument::load(const QString& folder, const QString& fileName) {
    addonFolder = folder;
    file = fileName.isEmpty() ? botsIniPath(folder) : QDir(folder).filePath(fileName);
    BotsIniRead read = readBotsIniFile(file, &stamp);
    editing = std::move(read.roster);
    leftUnread = {read.unreadMaps, read.unreadBots};
    steps.clear();
    copied.reset();
    offered.reset();
    resetLists();
    // A page shows some values in its own way (a random "1" as a ticked box, kept as "Yes"),
    // which is no change of the player's.
    saved = withDrafts(editing, mapEditor.draft(), botEditor.draft());

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
    checkModified();
    return {std::move(read.text), read.readToEnd, leftUnread, offer};
}

std::optional<RosterListKind> RosterDocument::stepHistory(bool forward) {
    const int index = steps.index() - (forward ? 0 : 1);
    if (index < 0 || index >= steps.count())
        return std::nullopt;
    // The step tells its list when it runs.
    std::optional<RosterListKind> stepped;
    const QMetaObject::Connection heard =
        connect(this, &RosterDocument::listChanged, this,
                [&stepped](RosterListKind list) { stepped = stepped.value_or(list); });
    if (forward)
        steps.redo();
    else
        steps.undo();
    disconnect(heard);
    return stepped;
}

void RosterDocument::storeDrafts() {
    mapEditor.storeDraft();
    botEditor.storeDraft();
}

bool RosterDocument::isModified() const {
    return !composesSame(editing, saved, {&botEditor.draft(), &mapEditor.draft()});
}

QByteArray RosterDocument::composedFile() const {
    // The INI page, Save INI and Launch ask in turn for the same roster: it is composed once.
    if (!composed)
        composed = composeBotsIniFile(editing);
    return *composed;
}

RosterDocument::Saved RosterDocument::save(SaveMode mode) {
    using Outcome = Saved::Outcome;
    if (mode != SaveMode::Overwrite && !stamp.matches(filePath()))
        return {Outcome::ChangedElsewhere, {}, {}};
    Saved result{Outcome::Written, composedFile(), {}};
    if (!writeBotsIniFile(file, result.bytes, &result.error, &stamp)) {
        result.outcome = Outcome::Failed;
        return result;
    }
    saved = editing;
    leftUnread = {};
    // The copy goes with the save; where the drafts still differ from the file, the next one
    // is kept anew.
    recovery.remove();
    copied.reset();
    checkModified();
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
    resetLists();
}

void RosterDocument::discardRecovery() {
    if (!offered)
        return;
    offered.reset();
    recovery.remove();
}

void RosterDocument::keepRecoveryCopy() {
    recoveryTimer.stop();
    const CopiedState now{revision, mapEditor.draft(), botEditor.draft()};
    if (copied == now)
        return;
    copied = now;
    // The lists are shared with the roster until it changes: handing them over copies nothing.
    recovery.keep(
        [roster = editing, file = saved, now]() -> std::optional<QByteArray> {
            const Roster kept = withDrafts(roster, now.mapDraft, now.botDraft);
            if (composesSame(kept, file))
                return std::nullopt;
            return composeBotsIniFile(kept);
        },
        stamp);
}

void RosterDocument::noteListChanged(RosterListKind list, const ListChange& change) {
    ++revision;
    composed.reset();
    // A roster read or restored is no edit to keep a copy of: a copy a crash left is still on
    // offer while it is read.
    changed(change.kind != ListChange::Kind::Reset);
    emit listChanged(list, change);
}

void RosterDocument::noteDraftEdited(RosterListKind list) {
    changed(true);
    emit draftChanged(list);
}

void RosterDocument::resetLists() {
    const ListChange reset{ListChange::Kind::Reset, {}, 0};
    botEditor.changed(reset);
    mapEditor.changed(reset);
}

// A copy follows within its delay of the first change after the last one, however many follow.
void RosterDocument::changed(bool edited) {
    if (edited && !recoveryTimer.isActive())
        recoveryTimer.start();
    static const QMetaMethod told = QMetaMethod::fromSignal(&RosterDocument::modifiedChanged);
    if (isSignalConnected(told))
        modifiedCheck.start();
}

void RosterDocument::checkModified() {
    const bool modified = isModified();
    if (modified != std::exchange(lastModified, modified))
        emit modifiedChanged(modified);
}
