#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"
#include "roster/roster.h"

#include <QList>
#include <QString>

#include <optional>
#include <type_traits>
#include <vector>

enum class RosterListKind { Bots, Maps };

// The steps taken on the open roster, both lists, to undo and redo. A step holds only what it
// changed (an edited entry's values before and after, a removed entry, an index and an offset),
// never a copy of a list, so that a long history at the largest roster stays small. Undoing or
// redoing a step makes the entry it changed current, or, for an undone Add, the entry that was
// current before it.
//
// Written here rather than on QUndoStack: the roster library stays Qt Core, and the lists' own
// rules decide what a step is, which a stack of Gui commands would add nothing to.
class RosterHistory {
public:
    enum class Action { Edit, Add, Remove, MoveEarlier, MoveLater, Duplicate, Insert };

    struct Step {
        RosterListKind list = RosterListKind::Bots;
        Action action = Action::Edit;
        qint16 index = 0;
        qint16 currentBefore = 0;
        qint16 currentAfter = 0;
        ListSwitches before;
        ListSwitches after;
        // Edit: the entry before and after; Remove: the removed entry; Insert: those inserted.
        QList<BotEntry> bots;
        QList<MapEntry> maps;
    };

    // The history of roster, which it changes on undo and redo.
    explicit RosterHistory(Roster& edited) : roster(edited) {}
    RosterHistory(const RosterHistory&) = delete;
    RosterHistory& operator=(const RosterHistory&) = delete;

    bool canUndo() const { return done > 0; }
    bool canRedo() const { return done < int(steps.size()); }
    // What undo or redo would take back or do again, as the menu names it ("Remove Bot"); empty
    // when there is nothing.
    QString undoText() const { return canUndo() ? textOf(steps[size_t(done - 1)]) : QString(); }
    QString redoText() const { return canRedo() ? textOf(steps[size_t(done)]) : QString(); }
    // The list the step changed, or nothing when there was no step to take.
    std::optional<RosterListKind> undo();
    std::optional<RosterListKind> redo();
    // Forgets every step, as opening another roster does.
    void clear() {
        steps.clear();
        done = 0;
        ++changes;
    }
    // A number that changes with each step taken, undone, redone or forgotten: the roster is as
    // it was while it stays the same.
    quint64 revision() const { return changes; }
    // A new step drops the steps undone before it.
    void push(Step step);

    // The step's name in the menu; count is how many entries an Insert holds.
    static QString textOf(RosterListKind list, Action action, qsizetype count = 1);
    static QString textOf(const Step& step) {
        return textOf(step.list, step.action,
                      step.list == RosterListKind::Bots ? step.bots.size() : step.maps.size());
    }

private:
    Roster& roster;
    std::vector<Step> steps;
    int done = 0;
    quint64 changes = 0;
};

template <typename Entry> constexpr RosterListKind listKindOf();
template <> constexpr RosterListKind listKindOf<BotEntry>() {
    return RosterListKind::Bots;
}
template <> constexpr RosterListKind listKindOf<MapEntry>() {
    return RosterListKind::Maps;
}

// The entries a step holds, of the list it belongs to.
template <typename Entry> QList<Entry>& entriesOf(RosterHistory::Step& step) {
    if constexpr (std::is_same_v<Entry, BotEntry>)
        return step.bots;
    else
        return step.maps;
}
template <typename Entry> const QList<Entry>& entriesOf(const RosterHistory::Step& step) {
    if constexpr (std::is_same_v<Entry, BotEntry>)
        return step.bots;
    else
        return step.maps;
}

// Whether storing onView over stored changes what the entry says. A map's Random counts by
// whether it is on: its box gives back only "Yes" or "No", whatever the file or Add wrote.
inline bool changes(const BotEntry& stored, const BotEntry& onView) {
    return !(stored == onView);
}
inline bool changes(const MapEntry& stored, const MapEntry& onView) {
    MapEntry same = stored;
    same.random = onView.random;
    return !(same == onView) || stored.isRandom() != onView.isRandom();
}

// One list's editing rules as the page uses them, each recorded in the history as a step. A
// rule that stores the entry on view first (paging, Add, Move, Duplicate, and the store at a
// change of tab, Save INI or Launch) records that store as a step of its own when it changes the
// entry, so that an undo takes back the rule and then the edits separately.
template <typename Entry> class RecordedList {
public:
    using Action = RosterHistory::Action;

    RecordedList(EntryList<Entry>& edited, RosterHistory& steps) : list(edited), history(steps) {}

    bool pageTo(int target, const Entry& onView) {
        if (!canLeave(onView))
            return false;
        recordStore(onView);
        return list.pageTo(target, onView);
    }
    bool add(const Entry& onView) {
        if (list.count() >= EntryList<Entry>::MaxEntries)
            return false;
        if (canLeave(onView))
            recordStore(onView);
        RosterHistory::Step step = begin(Action::Add, list.count() + 1);
        list.add(onView);
        finish(std::move(step));
        return true;
    }
    bool remove(int index) {
        if (index < 1 || index > list.count())
            return false;
        RosterHistory::Step step = begin(Action::Remove, index);
        entriesOf<Entry>(step) = {list.at(index)};
        list.remove(index);
        finish(std::move(step));
        return true;
    }
    bool move(int offset, const Entry& onView) {
        if (!list.canMove(offset) || !onView.isComplete() || (offset != -1 && offset != 1))
            return false;
        recordStore(onView);
        RosterHistory::Step step =
            begin(offset < 0 ? Action::MoveEarlier : Action::MoveLater, list.current());
        list.move(offset, onView);
        finish(std::move(step));
        return true;
    }
    typename EntryList<Entry>::Copy duplicate(const Entry& onView) {
        using Copy = typename EntryList<Entry>::Copy;
        if (!list.canDuplicate() || list.count() >= EntryList<Entry>::MaxEntries ||
            !onView.isComplete())
            return list.duplicate(onView);
        recordStore(onView);
        RosterHistory::Step step = begin(Action::Duplicate, list.current());
        list.duplicate(onView);
        finish(std::move(step));
        return Copy::Made;
    }
    // Inserts entries so that the first lands at index (1 to count()+1) and is current; one step
    // however many there are. False, changing nothing, when they would not fit.
    bool insert(int index, const QList<Entry>& entries) {
        if (entries.isEmpty() || index < 1 || index > list.count() + 1 ||
            list.count() + entries.size() > EntryList<Entry>::MaxEntries)
            return false;
        RosterHistory::Step step = begin(Action::Insert, index);
        entriesOf<Entry>(step) = entries;
        list.insertAt(index, entries);
        list.restore({true, list.count() >= 2 || list.canPage()}, index);
        finish(std::move(step));
        return true;
    }
    // Stores onView, as leaving the entry on view stores it, then inserts entries right after it
    // (at 1 in an empty list) and makes the first current: the store, where it changes the entry,
    // is a step, and the insert one more. Refused, changing nothing, where leaving is refused or
    // the entries would not fit.
    bool insertAfterView(const QList<Entry>& entries, const Entry& onView) {
        if (!canLeave(onView) || entries.isEmpty() ||
            list.count() + entries.size() > EntryList<Entry>::MaxEntries)
            return false;
        recordStore(onView);
        return insert(qMin(list.current(), list.count()) + 1, entries);
    }
    // Undoes the last step (forward: redoes the next), from this list's page: the edits on view
    // are stored first, as leaving stores them, a step of their own that the undo then takes
    // back, so the boxes return to what the entry held. Refused, changing nothing, where leaving
    // is refused; a redo with edits on view does nothing, since their store would be a new step
    // and leave nothing to redo. Gives the list the step changed.
    std::optional<RosterListKind> step(bool forward, const Entry& onView) {
        if (!canLeave(onView) || (forward && differs(onView)))
            return std::nullopt;
        recordStore(onView);
        return forward ? history.redo() : history.undo();
    }
    // What step() would undo or redo, as the menu names it; empty when it would do nothing.
    QString stepText(bool forward, const Entry& onView) const {
        if (!canLeave(onView))
            return {};
        if (forward)
            return differs(onView) ? QString() : history.redoText();
        return differs(onView) ? RosterHistory::textOf(listKindOf<Entry>(), Action::Edit)
                               : history.undoText();
    }
    void storeCurrent(const Entry& onView) {
        recordStore(onView);
        list.storeCurrent(onView);
    }
    // Whether the entry on view may be left: paging, a find and an undo are refused otherwise.
    bool canLeave(const Entry& onView) const { return list.current() < 1 || onView.isComplete(); }
    // Whether storing onView would change the entry it is stored into.
    bool differs(const Entry& onView) const {
        const int index = qMin(list.current(), list.count());
        return index >= 1 && changes(list.at(index), onView);
    }

private:
    RosterHistory::Step begin(Action action, int index) const {
        RosterHistory::Step step;
        step.list = listKindOf<Entry>();
        step.action = action;
        step.index = qint16(index);
        step.currentBefore = qint16(list.current());
        step.before = list.switches();
        return step;
    }
    void finish(RosterHistory::Step step) {
        step.currentAfter = qint16(list.current());
        step.after = list.switches();
        history.push(std::move(step));
    }
    // A store into a real entry that changes it is a step; one into the spare of an empty list,
    // which is never saved, or one that changes nothing, is none.
    void recordStore(const Entry& onView) {
        if (!differs(onView))
            return;
        const int index = qMin(list.current(), list.count());
        RosterHistory::Step step = begin(Action::Edit, index);
        entriesOf<Entry>(step) = {list.at(index), onView};
        step.currentBefore = step.index;
        step.currentAfter = step.index;
        step.after = step.before;
        list.replaceAt(index, onView);
        history.push(std::move(step));
    }

    EntryList<Entry>& list;
    RosterHistory& history;
};
