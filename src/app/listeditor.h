#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"
#include "roster/roster.h"

#include <QList>
#include <QString>

#include <optional>

class RosterDocument;

// The name of a step in the history, as the Undo and Redo menu entries name it ("Remove Bot",
// "Remove Bots" for more than one).
enum class StepAction { Edit, Add, Remove, MoveEarlier, MoveLater, Duplicate, Paste, Sort };
QString stepName(RosterListKind list, StepAction action, qsizetype count = 1);

// What changed in one list of the roster, told to its views once it has changed.
struct ListChange {
    enum class Kind {
        Reset,     // anything may have changed: the roster was read or restored
        Current,   // another entry is current: the entries are as they were
        Replaced,  // the entries at indices hold other values
        Inserted,  // entries were put in; indices are where they are now
        Removed,   // entries were taken out; indices are where they were
        Moved,     // the entries at indices moved offset places together
        Reordered, // the entries stand in another order
    };
    Kind kind = Kind::Reset;
    QList<int> indices;
    int offset = 0;
};

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

// One list of the open roster as the player edits it: the list's own rules (EntryList decides
// what is refused), the draft of the entry on view, and each change that the rules make recorded
// as a step of the document's history.
//
// The draft is what the page's controls show of the current entry; the page hands it every
// change the player makes to a control, typing included. It reaches its entry only when the entry
// is left, as the page always stored it: on paging (Add, Move, Duplicate, a paste, a find and an
// undo page too), and when the document stores both drafts (a press on the tab strip, Save INI,
// Launch). A store that changes the entry is a step of its own ("Edit Bot"), so an undo takes back
// the rule and then the edits separately. Remove stores nothing: the draft of the removed entry
// is dropped. Whenever the list changes, the draft becomes its current entry as a page shows it
// (a map's Random as "Yes" or "No").
template <typename Entry> class ListEditor {
public:
    using Copy = typename EntryList<Entry>::Copy;

    ListEditor(RosterDocument& document, EntryList<Entry>& list);
    ListEditor(const ListEditor&) = delete;
    ListEditor& operator=(const ListEditor&) = delete;

    const EntryList<Entry>& list() const { return entries; }
    const Entry& draft() const { return onView; }
    // The player changed a control: field (EntryFields' order) now holds value.
    void editDraft(int field, const QString& value);

    // Whether the entry on view may be left: paging, a find and an undo are refused otherwise.
    bool canLeave() const { return entries.current() < 1 || onView.isComplete(); }
    // Whether storing the draft would change the entry it goes into.
    bool draftDiffers() const;
    // Whether Move (offset -1 or +1) and Duplicate would act: an entry on view that may be
    // left, and for Move a place to go. Duplicate into a full list acts by telling so.
    bool canMove(int offset) const { return entries.canMove(offset) && onView.isComplete(); }
    bool canDuplicate() const { return entries.canDuplicate() && onView.isComplete(); }

    // The rules of EntryList, with the draft as the entry on view; each gives what EntryList's
    // gives. Remove takes out the current entry.
    bool pageTo(int target);
    bool add();
    bool remove();
    bool move(int offset);
    Copy duplicate();
    bool insertAfterView(const QList<Entry>& pasted);
    // Stores the draft into the current entry without leaving it.
    void storeDraft();

    // Shows the next entry after the current one (backwards: before it) whose name contains text,
    // as paging shows it. Refused where the draft may not be left; None when no name holds it.
    enum class Found { Shown, None, Refused };
    Found find(const QString& text, bool backwards);

    // The Roster window's commands on many entries at once (indices: 1 to count(), ascending,
    // each once). Each stores the draft first, as leaving the entry on view does, is refused
    // where that is refused, and is one step; the entry on view stays on view where it goes, and
    // where it is removed the one Remove would show is. Each gives false, changing nothing, where
    // it is refused.
    // Sets field of the entries to value. A name (for a bot also a model) is never emptied.
    bool setField(const QList<int>& indices, int field, const QString& value);
    bool removeEntries(const QList<int>& indices);
    // Puts a copy of each entry right after it. ListFull when not all of them fit.
    Copy duplicateEntries(const QList<int>& indices);
    // One place earlier (-1) or later (+1), together; refused past either end.
    bool moveEntries(const QList<int>& indices, int offset);
    // Inserts entries right after entry index (0: before the first).
    bool insertEntries(int index, const QList<Entry>& pasted);
    // Puts the whole list in the order of field: whole numbers first in numeric order, then the
    // other values by their text ignoring letter case; a map's Random by whether it is on (off
    // first). Entries that tie keep their order.
    bool sortBy(int field, Qt::SortOrder order);

    // Undoes the roster's last step (forward: redoes the next) from this list's page: the draft
    // is stored first, a step of its own that the undo then takes back, so the page shows what
    // the entry held. Refused where the draft may not be left; a redo with a changed draft does
    // nothing, since its store would be a new step and leave nothing to redo. Gives the list the
    // step changed.
    std::optional<RosterListKind> step(bool forward);
    // What step() would undo or redo, as the menu names it; empty when it would do nothing.
    QString stepText(bool forward) const;

    // For the document and the steps of its history: the list was changed as change says, or
    // read anew (Reset); the draft becomes the current entry and the views are told.
    void changed(const ListChange& change);
    EntryList<Entry>& edited() { return entries; }

private:
    // The entry a store of the draft goes into, what it held and the list's state, before a
    // rule runs.
    struct Before {
        int index;
        Entry entry;
        ListSwitches switches;
        int current;
    };
    Before before() const;
    // Stores the draft where the entry on view may be left, as a table command does first.
    bool leaveDraft();
    // Inserts entries at their indices of the list that results, as one step named for action.
    void insertStep(StepAction action, const QList<int>& at, const QList<Entry>& inserted);
    // Records the store of the draft that the rule just made, a step when it changed the entry,
    // which now lies at index, and tells the views.
    void recordStore(const Before& was, int index);

    RosterDocument& document;
    EntryList<Entry>& entries;
    Entry onView;
};
