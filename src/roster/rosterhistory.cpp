#include "roster/rosterhistory.h"

using namespace Qt::StringLiterals;

namespace {

using Action = RosterHistory::Action;
using Step = RosterHistory::Step;

// Does the step again on list (forward) or takes it back, then makes the step's entry current
// with the switches as they were after it, or before it.
template <typename Entry> void apply(const Step& step, EntryList<Entry>& list, bool forward) {
    const QList<Entry>& held = entriesOf<Entry>(step);
    const int index = step.index;
    switch (step.action) {
    case Action::Edit:
        list.replaceAt(index, forward ? held.at(1) : held.at(0));
        break;
    case Action::Add:
        if (forward)
            list.insertAt(index, {Entry::numbered(index)});
        else
            list.takeAt(index, 1);
        break;
    case Action::Remove:
        if (forward)
            list.takeAt(index, 1);
        else
            list.insertAt(index, held);
        break;
    case Action::MoveEarlier:
    case Action::MoveLater: {
        const int target = index + (step.action == Action::MoveEarlier ? -1 : 1);
        if (forward)
            list.moveEntry(index, target);
        else
            list.moveEntry(target, index);
        break;
    }
    case Action::Duplicate:
        if (forward)
            list.insertAt(index + 1, {list.at(index)});
        else
            list.takeAt(index + 1, 1);
        break;
    case Action::Insert:
        if (forward)
            list.insertAt(index, held);
        else
            list.takeAt(index, int(held.size()));
        break;
    }
    if (forward)
        list.restore(step.after, step.currentAfter);
    else
        list.restore(step.before, step.currentBefore);
}

RosterListKind apply(const Step& step, Roster& roster, bool forward) {
    if (step.list == RosterListKind::Bots)
        apply(step, roster.bots, forward);
    else
        apply(step, roster.maps, forward);
    return step.list;
}

} // namespace

std::optional<RosterListKind> RosterHistory::undo() {
    if (!canUndo())
        return std::nullopt;
    --done;
    ++changes;
    return apply(steps[size_t(done)], roster, false);
}

std::optional<RosterListKind> RosterHistory::redo() {
    if (!canRedo())
        return std::nullopt;
    ++done;
    ++changes;
    return apply(steps[size_t(done - 1)], roster, true);
}

void RosterHistory::push(Step step) {
    steps.resize(size_t(done));
    steps.push_back(std::move(step));
    done = int(steps.size());
    ++changes;
}

QString RosterHistory::textOf(RosterListKind list, Action action, qsizetype count) {
    const QString what = list == RosterListKind::Bots ? u"Bot"_s : u"Map"_s;
    switch (action) {
    case Action::Edit:
        return u"Edit "_s + what;
    case Action::Add:
        return u"Add "_s + what;
    case Action::Remove:
        return u"Remove "_s + what;
    case Action::MoveEarlier:
        return u"Move "_s + what + u" Earlier"_s;
    case Action::MoveLater:
        return u"Move "_s + what + u" Later"_s;
    case Action::Duplicate:
        return u"Duplicate "_s + what;
    case Action::Insert:
        return u"Paste "_s + what + (count == 1 ? u""_s : u"s"_s);
    }
    return {};
}
