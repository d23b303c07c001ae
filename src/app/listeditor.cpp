#include "app/listeditor.h"

#include "app/rosterdocument.h"
#include "roster/entrysearch.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

#include <numeric>
#include <utility>

namespace {

using Kind = ListChange::Kind;

// Where a list stood: which entry was current, and whether Remove and the pager were on. A step
// hands these back and forth whole, since they depend on the list's past as well as its count.
struct ListState {
    ListSwitches switches;
    int current = 0;
};

template <typename Entry> ListState stateOf(const EntryList<Entry>& list) {
    return {list.switches(), list.current()};
}

QList<int> shifted(QList<int> indices, int offset) {
    for (int& index : indices)
        index += offset;
    return indices;
}

// A step of the history on one list, in the shape of Qt's undo framework: undo() takes it back
// and redo() does it again, each then putting back the list's state as it was before or after
// it. A step is made once its rule has run (the list's own rules decide what is done), so the
// first redo(), which QUndoStack::push() calls, finds it done already. It holds only what it
// changes: indices and the entries it put in, took out or replaced, never a copy of the list.
template <typename Entry> class ListStep : public QUndoCommand {
public:
    ListStep(ListEditor<Entry>& list, const QString& text, ListState was, ListState now)
        : QUndoCommand(text), editor(list), stateBefore(was), stateAfter(now) {}

    void undo() final { settle(takeBack(editor.edited()), stateBefore); }
    void redo() final {
        if (std::exchange(fresh, false))
            return;
        settle(doAgain(editor.edited()), stateAfter);
    }

protected:
    // Each changes the list and says how.
    virtual ListChange takeBack(EntryList<Entry>& list) = 0;
    virtual ListChange doAgain(EntryList<Entry>& list) = 0;

private:
    void settle(const ListChange& change, ListState state) {
        editor.edited().restore(state.switches, state.current);
        editor.changed(change);
    }

    ListEditor<Entry>& editor;
    ListState stateBefore;
    ListState stateAfter;
    bool fresh = true;
};

// Entries given new values: an edit stored.
template <typename Entry> class ReplaceStep : public ListStep<Entry> {
public:
    ReplaceStep(ListEditor<Entry>& list, const QString& text, ListState before, ListState after,
                QList<int> at, QList<Entry> oldValues, QList<Entry> newValues)
        : ListStep<Entry>(list, text, before, after), indices(std::move(at)),
          was(std::move(oldValues)), now(std::move(newValues)) {}

protected:
    ListChange takeBack(EntryList<Entry>& list) override { return put(list, was); }
    ListChange doAgain(EntryList<Entry>& list) override { return put(list, now); }

private:
    ListChange put(EntryList<Entry>& list, const QList<Entry>& values) const {
        for (qsizetype i = 0; i < indices.size(); ++i)
            list.replaceAt(indices.at(i), values.at(i));
        return {Kind::Replaced, indices, 0};
    }

    QList<int> indices;
    QList<Entry> was;
    QList<Entry> now;
};

// Entries put in, each at its index of the list that results: Add, Duplicate, a paste.
template <typename Entry> class InsertStep : public ListStep<Entry> {
public:
    InsertStep(ListEditor<Entry>& list, const QString& text, ListState before, ListState after,
               QList<int> at, QList<Entry> inserted)
        : ListStep<Entry>(list, text, before, after), indices(std::move(at)),
          entries(std::move(inserted)) {}

protected:
    ListChange takeBack(EntryList<Entry>& list) override {
        list.takeEntries(indices);
        return {Kind::Removed, indices, 0};
    }
    ListChange doAgain(EntryList<Entry>& list) override {
        list.putEntries(indices, entries);
        return {Kind::Inserted, indices, 0};
    }

private:
    QList<int> indices;
    QList<Entry> entries;
};

// Entries taken out from their indices: Remove.
template <typename Entry> class RemoveStep : public ListStep<Entry> {
public:
    RemoveStep(ListEditor<Entry>& list, const QString& text, ListState before, ListState after,
               QList<int> at, QList<Entry> removed)
        : ListStep<Entry>(list, text, before, after), indices(std::move(at)),
          entries(std::move(removed)) {}

protected:
    ListChange takeBack(EntryList<Entry>& list) override {
        list.putEntries(indices, entries);
        return {Kind::Inserted, indices, 0};
    }
    ListChange doAgain(EntryList<Entry>& list) override {
        list.takeEntries(indices);
        return {Kind::Removed, indices, 0};
    }

private:
    QList<int> indices;
    QList<Entry> entries;
};

// Entries moved one place earlier or later together: Move Earlier, Move Later.
template <typename Entry> class MoveStep : public ListStep<Entry> {
public:
    MoveStep(ListEditor<Entry>& list, const QString& text, ListState before, ListState after,
             QList<int> at, int by)
        : ListStep<Entry>(list, text, before, after), indices(std::move(at)), offset(by) {}

protected:
    ListChange takeBack(EntryList<Entry>& list) override {
        const QList<int> moved = shifted(indices, offset);
        list.moveEntries(moved, -offset);
        return {Kind::Moved, moved, -offset};
    }
    ListChange doAgain(EntryList<Entry>& list) override {
        list.moveEntries(indices, offset);
        return {Kind::Moved, indices, offset};
    }

private:
    QList<int> indices;
    int offset;
};

// The whole list put in another order: a sort.
template <typename Entry> class ReorderStep : public ListStep<Entry> {
public:
    ReorderStep(ListEditor<Entry>& list, const QString& text, ListState before, ListState after,
                QList<int> newOrder)
        : ListStep<Entry>(list, text, before, after), order(std::move(newOrder)) {}

protected:
    ListChange takeBack(EntryList<Entry>& list) override {
        QList<int> back(order.size());
        for (qsizetype i = 0; i < order.size(); ++i)
            back[order.at(i)] = int(i);
        list.reorder(back);
        return {Kind::Reordered, back, 0};
    }
    ListChange doAgain(EntryList<Entry>& list) override {
        list.reorder(order);
        return {Kind::Reordered, order, 0};
    }

private:
    QList<int> order;
};

// How sorting orders a value: whole numbers first, by their value, then the rest by their text
// ignoring letter case.
struct SortKey {
    bool number = false;
    qlonglong value = 0;
    QString text;
    bool operator<(const SortKey& other) const {
        if (number != other.number)
            return number;
        if (number)
            return value < other.value;
        return text < other.text;
    }
};

SortKey sortKeyOf(const QString& value) {
    SortKey key;
    key.value = value.toLongLong(&key.number);
    if (!key.number)
        key.text = value.toCaseFolded();
    return key;
}

template <typename Entry> QString stepName(StepAction action, qsizetype count = 1) {
    return stepName(listKindOf<Entry>(), action, count);
}

} // namespace

QString stepName(RosterListKind list, StepAction action, qsizetype count) {
    // Whole phrases, for each list one and many, so that each language words them its own way.
    static const char* const names[][2][2] = {
        {{QT_TRANSLATE_NOOP("RosterHistory", "Edit Bot"),
          QT_TRANSLATE_NOOP("RosterHistory", "Edit Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Edit Map"),
          QT_TRANSLATE_NOOP("RosterHistory", "Edit Maps")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Add Bot"),
          QT_TRANSLATE_NOOP("RosterHistory", "Add Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Add Map"),
          QT_TRANSLATE_NOOP("RosterHistory", "Add Maps")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Remove Bot"),
          QT_TRANSLATE_NOOP("RosterHistory", "Remove Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Remove Map"),
          QT_TRANSLATE_NOOP("RosterHistory", "Remove Maps")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Move Bot Earlier"),
          QT_TRANSLATE_NOOP("RosterHistory", "Move Bots Earlier")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Move Map Earlier"),
          QT_TRANSLATE_NOOP("RosterHistory", "Move Maps Earlier")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Move Bot Later"),
          QT_TRANSLATE_NOOP("RosterHistory", "Move Bots Later")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Move Map Later"),
          QT_TRANSLATE_NOOP("RosterHistory", "Move Maps Later")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Duplicate Bot"),
          QT_TRANSLATE_NOOP("RosterHistory", "Duplicate Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Duplicate Map"),
          QT_TRANSLATE_NOOP("RosterHistory", "Duplicate Maps")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Paste Bot"),
          QT_TRANSLATE_NOOP("RosterHistory", "Paste Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Paste Map"),
          QT_TRANSLATE_NOOP("RosterHistory", "Paste Maps")}},
        {{QT_TRANSLATE_NOOP("RosterHistory", "Sort Bots"),
          QT_TRANSLATE_NOOP("RosterHistory", "Sort Bots")},
         {QT_TRANSLATE_NOOP("RosterHistory", "Sort Maps"),
          QT_TRANSLATE_NOOP("RosterHistory", "Sort Maps")}},
    };
    const char* name = names[int(action)][list == RosterListKind::Bots ? 0 : 1][count == 1 ? 0 : 1];
    return QCoreApplication::translate("RosterHistory", name);
}

template <typename Entry>
ListEditor<Entry>::ListEditor(RosterDocument& owner, EntryList<Entry>& list)
    : document(owner), entries(list), onView(asShown(list.at(list.storeIndex()))) {}

template <typename Entry> void ListEditor<Entry>::editDraft(int field, const QString& value) {
    QString& held = fieldOf(onView, field);
    if (held == value)
        return;
    held = value;
    document.noteDraftEdited(listKindOf<Entry>());
}

template <typename Entry> bool ListEditor<Entry>::draftDiffers() const {
    const int index = entries.storeIndex();
    return index >= 1 && changes(entries.at(index), onView);
}

template <typename Entry> typename ListEditor<Entry>::Before ListEditor<Entry>::before() const {
    const int index = entries.storeIndex();
    return {index, entries.at(qMax(index, 0)), entries.switches(), entries.current()};
}

template <typename Entry> void ListEditor<Entry>::recordStore(const Before& was, int index) {
    if (was.index < 1 || was.entry == entries.at(index))
        return;
    // A map's Random spelled anew is no step of its own, but the roster now writes it so.
    if (changes(was.entry, entries.at(index))) {
        const ListState around{was.switches, was.current};
        document.history().push(new ReplaceStep<Entry>(*this, stepName<Entry>(StepAction::Edit),
                                                       around, around, {was.index}, {was.entry},
                                                       {entries.at(index)}));
    }
    changed({Kind::Replaced, {index}, 0});
}

template <typename Entry> bool ListEditor<Entry>::pageTo(int target) {
    const Before was = before();
    if (!entries.pageTo(target, onView))
        return false;
    recordStore(was, was.index);
    changed({Kind::Current, {}, 0});
    return true;
}

template <typename Entry> bool ListEditor<Entry>::add() {
    const Before was = before();
    if (!entries.add(onView))
        return false;
    recordStore(was, was.index);
    const int index = entries.count();
    document.history().push(new InsertStep<Entry>(*this, stepName<Entry>(StepAction::Add),
                                                  {was.switches, was.current}, stateOf(entries),
                                                  {index}, {entries.at(index)}));
    changed({Kind::Inserted, {index}, 0});
    return true;
}

template <typename Entry> bool ListEditor<Entry>::remove() {
    const ListState was = stateOf(entries);
    const int index = entries.current();
    const Entry removed = index >= 1 && index <= entries.count() ? entries.at(index) : Entry();
    if (!entries.remove(index))
        return false;
    document.history().push(new RemoveStep<Entry>(*this, stepName<Entry>(StepAction::Remove), was,
                                                  stateOf(entries), {index}, {removed}));
    changed({Kind::Removed, {index}, 0});
    return true;
}

template <typename Entry> bool ListEditor<Entry>::move(int offset) {
    const Before was = before();
    if ((offset != -1 && offset != 1) || !entries.move(offset, onView))
        return false;
    recordStore(was, was.index + offset);
    const StepAction action = offset < 0 ? StepAction::MoveEarlier : StepAction::MoveLater;
    document.history().push(new MoveStep<Entry>(*this, stepName<Entry>(action),
                                                {was.switches, was.current}, stateOf(entries),
                                                {was.index}, offset));
    changed({Kind::Moved, {was.index}, offset});
    return true;
}

template <typename Entry> typename ListEditor<Entry>::Copy ListEditor<Entry>::duplicate() {
    const Before was = before();
    const Copy made = entries.duplicate(onView);
    if (made != Copy::Made)
        return made;
    recordStore(was, was.index);
    const int index = entries.current();
    document.history().push(new InsertStep<Entry>(*this, stepName<Entry>(StepAction::Duplicate),
                                                  {was.switches, was.current}, stateOf(entries),
                                                  {index}, {entries.at(index)}));
    changed({Kind::Inserted, {index}, 0});
    return made;
}

template <typename Entry> bool ListEditor<Entry>::insertAfterView(const QList<Entry>& pasted) {
    const Before was = before();
    if (!entries.insertAfterView(pasted, onView))
        return false;
    recordStore(was, was.index);
    QList<int> indices(pasted.size());
    std::iota(indices.begin(), indices.end(), entries.current());
    const QString name = stepName<Entry>(StepAction::Paste, pasted.size());
    document.history().push(new InsertStep<Entry>(*this, name, {was.switches, was.current},
                                                  stateOf(entries), indices, pasted));
    changed({Kind::Inserted, indices, 0});
    return true;
}

template <typename Entry> void ListEditor<Entry>::storeDraft() {
    const Before was = before();
    entries.storeCurrent(onView);
    recordStore(was, was.index);
}

template <typename Entry>
typename ListEditor<Entry>::Found ListEditor<Entry>::find(const QString& text, bool backwards) {
    if (!canLeave())
        return Found::Refused;
    const int index = findByName(entries, text, entries.current(), backwards);
    if (index == 0)
        return Found::None;
    pageTo(index);
    return Found::Shown;
}

template <typename Entry> bool ListEditor<Entry>::leaveDraft() {
    if (!canLeave())
        return false;
    storeDraft();
    return true;
}

template <typename Entry>
bool ListEditor<Entry>::setField(const QList<int>& indices, int field, const QString& value) {
    const bool needed = field == 0 || (listKindOf<Entry>() == RosterListKind::Bots && field == 1);
    if (indices.isEmpty() || (needed && value.isEmpty()) || !leaveDraft())
        return false;
    QList<Entry> was;
    QList<Entry> now;
    for (const int index : indices) {
        was.append(entries.at(index));
        now.append(entries.at(index));
        fieldOf(now.last(), field) = value;
    }
    if (was == now)
        return true;
    const ListState around = stateOf(entries);
    for (qsizetype i = 0; i < indices.size(); ++i)
        entries.replaceAt(indices.at(i), now.at(i));
    document.history().push(
        new ReplaceStep<Entry>(*this, stepName<Entry>(StepAction::Edit, indices.size()), around,
                               around, indices, std::move(was), std::move(now)));
    changed({Kind::Replaced, indices, 0});
    return true;
}

template <typename Entry> bool ListEditor<Entry>::removeEntries(const QList<int>& indices) {
    if (indices.isEmpty() || !leaveDraft())
        return false;
    const ListState was = stateOf(entries);
    QList<Entry> removed;
    for (const int index : indices)
        removed.append(entries.at(index));
    entries.removeEntries(indices);
    document.history().push(
        new RemoveStep<Entry>(*this, stepName<Entry>(StepAction::Remove, indices.size()), was,
                              stateOf(entries), indices, removed));
    changed({Kind::Removed, indices, 0});
    return true;
}

template <typename Entry>
typename ListEditor<Entry>::Copy ListEditor<Entry>::duplicateEntries(const QList<int>& indices) {
    if (indices.isEmpty() || !canLeave())
        return Copy::Refused;
    if (entries.count() + indices.size() > EntryList<Entry>::MaxEntries)
        return Copy::ListFull;
    storeDraft();
    QList<int> at;
    QList<Entry> copies;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        at.append(indices.at(i) + int(i) + 1);
        copies.append(entries.at(indices.at(i)));
    }
    insertStep(StepAction::Duplicate, at, copies);
    return Copy::Made;
}

template <typename Entry>
bool ListEditor<Entry>::moveEntries(const QList<int>& indices, int offset) {
    if (indices.isEmpty() || (offset != -1 && offset != 1) ||
        (offset < 0 && indices.first() == 1) || (offset > 0 && indices.last() == entries.count()) ||
        !leaveDraft())
        return false;
    const ListState was = stateOf(entries);
    entries.moveEntries(indices, offset);
    const StepAction action = offset < 0 ? StepAction::MoveEarlier : StepAction::MoveLater;
    document.history().push(new MoveStep<Entry>(*this, stepName<Entry>(action, indices.size()), was,
                                                stateOf(entries), indices, offset));
    changed({Kind::Moved, indices, offset});
    return true;
}

template <typename Entry>
bool ListEditor<Entry>::insertEntries(int index, const QList<Entry>& pasted) {
    if (pasted.isEmpty() || index < 0 || index > entries.count() ||
        entries.count() + pasted.size() > EntryList<Entry>::MaxEntries || !leaveDraft())
        return false;
    QList<int> at(pasted.size());
    std::iota(at.begin(), at.end(), index + 1);
    insertStep(StepAction::Paste, at, pasted);
    return true;
}

template <typename Entry> bool ListEditor<Entry>::sortBy(int field, Qt::SortOrder order) {
    if (entries.count() < 2 || !leaveDraft())
        return false;
    // A map's Random sorts by its tick, as the table shows it, not by the file's spelling.
    const bool tick = listKindOf<Entry>() == RosterListKind::Maps && field == RandomField;
    QList<SortKey> keys(entries.count() + 1);
    for (int i = 1; i <= entries.count(); ++i) {
        const QString& value = fieldOf(entries.at(i), field);
        keys[i] = sortKeyOf(tick ? QString::number(MapEntry::randomOn(value)) : value);
    }
    QList<int> sorted = entries.identity();
    std::stable_sort(sorted.begin() + 1, sorted.end(), [&keys, order](int a, int b) {
        return order == Qt::AscendingOrder ? keys.at(a) < keys.at(b) : keys.at(b) < keys.at(a);
    });
    if (sorted == entries.identity())
        return true;
    const ListState was = stateOf(entries);
    entries.reorder(sorted);
    document.history().push(new ReorderStep<Entry>(*this, stepName<Entry>(StepAction::Sort), was,
                                                   stateOf(entries), sorted));
    changed({Kind::Reordered, sorted, 0});
    return true;
}

template <typename Entry>
void ListEditor<Entry>::insertStep(StepAction action, const QList<int>& at,
                                   const QList<Entry>& inserted) {
    const ListState was = stateOf(entries);
    entries.insertEntries(at, inserted);
    document.history().push(new InsertStep<Entry>(*this, stepName<Entry>(action, inserted.size()),
                                                  was, stateOf(entries), at, inserted));
    changed({Kind::Inserted, at, 0});
}

template <typename Entry> std::optional<RosterListKind> ListEditor<Entry>::step(bool forward) {
    if (!canLeave() || (forward && draftDiffers()))
        return std::nullopt;
    storeDraft();
    return document.stepHistory(forward);
}

template <typename Entry> QString ListEditor<Entry>::stepText(bool forward) const {
    if (!canLeave())
        return {};
    const QUndoStack& history = document.history();
    if (forward)
        return draftDiffers() ? QString() : history.redoText();
    return draftDiffers() ? stepName<Entry>(StepAction::Edit) : history.undoText();
}

template <typename Entry> void ListEditor<Entry>::changed(const ListChange& change) {
    onView = asShown(entries.at(entries.storeIndex()));
    document.noteListChanged(listKindOf<Entry>(), change);
}

template class ListEditor<BotEntry>;
template class ListEditor<MapEntry>;
