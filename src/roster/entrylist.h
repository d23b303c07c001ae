#pragma once

#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <numeric>
#include <utility>

// Whether a list's Remove and its pager are on.
struct ListSwitches {
    bool removable = true;
    bool pageable = true;
};

// One list of the roster with its editing rules, the same for bots and maps. Entries are at 1 to
// count(); slot 0 is a spare that a page shows and stores into while the list is empty, and that
// is never saved. One entry is current: the one its page shows. The page's controls are the
// editing buffer: what they hold reaches the list only when the page is left, passed in as
// "onView".
template <typename Entry> class EntryList {
public:
    static constexpr qint16 MaxEntries = 32767;

    EntryList() : items(1) {}
    // The entries with the spare in front; entry 1 becomes current.
    explicit EntryList(QList<Entry> withSpare) : items(std::move(withSpare)), currentIndex(1) {
        Q_ASSERT(!items.isEmpty() && items.size() - 1 <= MaxEntries);
    }
    // The entries a file gave, with the spare in front. A list the file left empty gets the entry
    // "Add" would have made, and no paging.
    static EntryList fromFile(QList<Entry> withSpare) {
        const bool empty = withSpare.size() == 1;
        if (empty)
            withSpare.append(Entry::numbered(1));
        EntryList list(std::move(withSpare));
        list.pageable = !empty;
        return list;
    }

    // Counts and indices are handed out as int: a loop or sum over them never wraps at the limit,
    // and a loop variable narrower than its bound is caught by the linter.
    int count() const { return int(items.size() - 1); }
    int current() const { return currentIndex; }
    const QList<Entry>& entries() const { return items; }
    const Entry& at(int index) const { return items.at(index); }
    // The entry current shows, or nothing when current lies past the list.
    const Entry* shown() const {
        return currentIndex >= 0 && currentIndex < items.size() ? &items.at(currentIndex) : nullptr;
    }

    // What the page's controls may do. Both start enabled; Add and Remove turn them on and off.
    bool canRemove() const { return removable; }
    bool canPage() const { return pageable; }
    // The pager reaches one step past either end, so paging can wrap round.
    int pagerMaximum() const { return count() + 1; }

    // Leaves the current entry for target: stores onView into it, then makes target current.
    // Below 1 wraps to the last entry, past the last to the first. Refused, changing nothing,
    // while a real entry is on view without what it needs (a name; for a bot also a model).
    bool pageTo(int target, const Entry& onView) {
        if (currentIndex >= 1 && !onView.isComplete())
            return false;
        leaveFor(target, &onView);
        return true;
    }

    // Appends entry count()+1 with its numbered defaults and pages to it. When that paging is
    // refused, the entry on view keeps what it had stored and the new one is current all the
    // same. False, changing nothing, when the list is full.
    bool add(const Entry& onView) {
        if (count() >= MaxEntries)
            return false;
        items.append(Entry::numbered(count() + 1));
        if (count() == 1)
            removable = true;
        if (count() >= 2)
            pageable = true;
        if (currentIndex != count() && !pageTo(count(), onView))
            currentIndex = qint16(count());
        return true;
    }

    // Removes entry index (1 to count(); anything else is ignored and gives false) and pages to
    // the one before it, wrapping round; the controls, which still show the removed entry, are
    // stored nowhere.
    bool remove(int index) {
        if (index < 1 || index > count())
            return false;
        items.remove(index);
        if (count() == 0)
            removable = false;
        leaveFor(index - 1, nullptr);
        if (count() <= 1)
            pageable = false;
        return true;
    }

    // Stores onView into the current entry (current past the list: into the last slot), as
    // leaving the page does, without leaving it.
    void storeCurrent(const Entry& onView) { storeAt(currentIndex, &onView); }

    // Whether move(offset, ...) has a place to move the entry on view to. The spare, on view
    // while the list is empty, is never moved.
    bool canMove(int offset) const {
        const int target = currentIndex + offset;
        return hasEntryOnView() && offset != 0 && target >= 1 && target <= count();
    }
    // Whether there is an entry on view to duplicate. A full list still refuses the copy, with
    // Add's message, as Add itself stays on when the list is full.
    bool canDuplicate() const { return hasEntryOnView(); }

    // Moves the current entry offset places (-1: one earlier, +1: one later); the entries between
    // shift up by one, and the moved entry stays current. onView is stored into it first, as
    // leaving it stores it, so the entry moves with the edits on view. Refused, changing nothing,
    // where leaving it would be refused (the entry on view lacks what it needs), and where the
    // move has no place to go (past either end, or the spare of an empty list).
    bool move(int offset, const Entry& onView) {
        if (!canMove(offset) || !onView.isComplete())
            return false;
        storeAt(currentIndex, &onView);
        const int target = currentIndex + offset;
        items.move(currentIndex, target);
        currentIndex = qint16(target);
        return true;
    }

    // Stores onView, as leaving the entry on view stores it, then inserts entries right after it
    // (at 1 in an empty list) and makes the first of them current. Refused, changing nothing,
    // where leaving is refused, or with nothing to insert or no room for all of it.
    bool insertAfterView(const QList<Entry>& entries, const Entry& onView) {
        if ((currentIndex >= 1 && !onView.isComplete()) || entries.isEmpty() ||
            count() + entries.size() > MaxEntries)
            return false;
        storeAt(currentIndex, &onView);
        const int index = storeIndex() + 1;
        insertAt(index, entries);
        restore({true, count() >= 2 || pageable}, index);
        return true;
    }

    enum class Copy { Made, Refused, ListFull };
    // Stores onView into the current entry, as leaving it stores it, then inserts a copy of it
    // right after it and makes the copy current. ListFull, changing nothing, when the list
    // already holds MaxEntries, as Add; Refused, changing nothing, where leaving the entry on
    // view would be refused, or with no entry on view (the spare of an empty list).
    Copy duplicate(const Entry& onView) {
        if (!canDuplicate())
            return Copy::Refused;
        if (count() >= MaxEntries)
            return Copy::ListFull;
        if (!onView.isComplete())
            return Copy::Refused;
        storeAt(currentIndex, &onView);
        items.insert(currentIndex + 1, onView);
        ++currentIndex;
        removable = true;
        pageable = true;
        return Copy::Made;
    }

    // What the history needs to take a step back or forward. Each changes exactly what it names;
    // the pager's and Remove's switches are handed back and forth whole, since they depend on the
    // list's past as well as on its count.
    using Switches = ListSwitches;
    Switches switches() const { return {removable, pageable}; }
    // Sets the switches and makes index current (clamped to the list, 0 when it is empty).
    void restore(Switches to, int index) {
        removable = to.removable;
        pageable = to.pageable;
        currentIndex = qint16(qBound(count() == 0 ? 0 : 1, index, count()));
    }
    void replaceAt(int index, const Entry& entry) { items[index] = entry; }
    // Inserts entries so that the first lands at index (1 to count()+1).
    void insertAt(int index, const QList<Entry>& entries) {
        Q_ASSERT(index >= 1 && index <= count() + 1 && count() + entries.size() <= MaxEntries);
        items.insert(index, entries.size(), Entry());
        std::copy(entries.cbegin(), entries.cend(), items.begin() + index);
    }
    // Takes n entries out from index on and hands them back.
    QList<Entry> takeAt(int index, int n) {
        QList<Entry> taken = items.mid(index, n);
        items.remove(index, n);
        return taken;
    }
    void moveEntry(int from, int to) { items.move(from, to); }

    // The same for many entries at once, each in one pass over the list, however many there are
    // and wherever they lie. Indices are 1 to count(), ascending, each once.
    // Takes out the entries at indices and hands them back in their order.
    QList<Entry> takeEntries(const QList<int>& indices) {
        if (isRun(indices)) { // shifted in place: no new list of the whole roster
            QList<Entry> taken = items.mid(indices.first(), indices.size());
            items.remove(indices.first(), indices.size());
            return taken;
        }
        QList<Entry> taken;
        taken.reserve(indices.size());
        QList<Entry> kept;
        kept.reserve(items.size() - indices.size());
        qsizetype next = 0;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (next < indices.size() && indices.at(next) == i) {
                taken.append(std::move(items[i]));
                ++next;
            } else {
                kept.append(std::move(items[i]));
            }
        }
        items = std::move(kept);
        return taken;
    }
    // Puts entries in so that each lands at its index of the list that results.
    void putEntries(const QList<int>& indices, const QList<Entry>& entries) {
        Q_ASSERT(indices.size() == entries.size() && count() + entries.size() <= MaxEntries);
        if (isRun(indices)) {
            items.insert(indices.first(), entries.size(), Entry());
            std::copy(entries.begin(), entries.end(), items.begin() + indices.first());
            return;
        }
        QList<Entry> merged;
        merged.reserve(items.size() + entries.size());
        qsizetype next = 0;
        qsizetype old = 0;
        while (old < items.size() || next < entries.size()) {
            if (next < entries.size() && indices.at(next) == merged.size())
                merged.append(entries.at(next++));
            else
                merged.append(std::move(items[old++]));
        }
        items = std::move(merged);
    }
    // Moves the entries at indices one place earlier (offset -1) or later (+1) together; the
    // entry each run of them passes over takes the place the run left. The move must have room:
    // not before entry 1 nor past the last.
    void moveEntries(const QList<int>& indices, int offset) {
        reorder(movedOrder(indices, offset));
    }
    // The order moveEntries gives: entry i becomes what entry order[i] was.
    QList<int> movedOrder(const QList<int>& indices, int offset) const {
        Q_ASSERT(offset == -1 || offset == 1);
        QList<int> order = identity();
        for (qsizetype i = 0; i < indices.size();) {
            qsizetype end = i + 1; // the run is indices[i] to indices[end - 1]
            while (end < indices.size() && indices.at(end) == indices.at(end - 1) + 1)
                ++end;
            const int first = indices.at(i);
            const int last = indices.at(end - 1);
            if (offset < 0) {
                std::rotate(order.begin() + first - 1, order.begin() + first,
                            order.begin() + last + 1);
            } else {
                std::rotate(order.begin() + first, order.begin() + last + 1,
                            order.begin() + last + 2);
            }
            i = end;
        }
        return order;
    }
    // Puts the entries in a new order: entry i becomes what entry order[i] was (order[0] is 0).
    // The current entry stays current at its new place.
    void reorder(const QList<int>& order) {
        QList<Entry> placed;
        placed.reserve(items.size());
        qsizetype current = currentIndex;
        for (qsizetype i = 0; i < order.size(); ++i) {
            placed.append(std::move(items[order.at(i)]));
            if (order.at(i) == currentIndex)
                current = i;
        }
        items = std::move(placed);
        currentIndex = qint16(current);
    }

    // Removes the entries at indices at once, as Remove removes one: the current entry stays
    // current where it stays; where it goes, the one before it that stays is current, or the
    // last when none is before it.
    void removeEntries(const QList<int>& indices) {
        int before = 0;
        bool goes = false;
        for (const int index : indices) {
            before += index < currentIndex ? 1 : 0;
            goes = goes || index == currentIndex;
        }
        takeEntries(indices);
        const int stays = currentIndex - before - (goes ? 1 : 0);
        currentIndex = qint16(stays < 1 ? count() : stays);
        if (count() == 0)
            removable = false;
        if (count() <= 1)
            pageable = false;
    }
    // Inserts entries so that each lands at its index of the list that results; the current entry
    // stays current at its new place (in an empty list the first inserted becomes current).
    void insertEntries(const QList<int>& indices, const QList<Entry>& entries) {
        int current = currentIndex;
        for (const int index : indices)
            current += index <= current ? 1 : 0;
        putEntries(indices, entries);
        restore({true, count() >= 2 || pageable}, currentIndex == 0 ? indices.first() : current);
    }
    // 0 to count(), each at its own place: the order that changes nothing.
    QList<int> identity() const {
        QList<int> order(items.size());
        std::iota(order.begin(), order.end(), 0);
        return order;
    }

    // The entry a store of the entry on view goes into: the current one, or the last slot when
    // current lies past the list.
    int storeIndex() const { return qMin(int(currentIndex), count()); }

private:
    bool hasEntryOnView() const { return currentIndex >= 1 && currentIndex <= count(); }
    // Whether ascending indices, each once, lie side by side.
    static bool isRun(const QList<int>& indices) {
        return !indices.isEmpty() && indices.last() - indices.first() == indices.size() - 1;
    }

    // Storing what the entry already holds writes nothing: the list stays shared with the
    // rosters that hold it too (the one last saved, the recovery copy's), not copied whole.
    void storeAt(int index, const Entry* onView) {
        index = qMin(index, count());
        if (onView && index >= 0 && !(items.at(index) == *onView))
            items[index] = *onView;
    }

    void leaveFor(int target, const Entry* onView) {
        const int last = count();
        const int wrapped = target < 1 ? last : (target > last ? 1 : target);
        storeAt(currentIndex, onView);
        currentIndex = qint16(wrapped);
    }

    QList<Entry> items;
    qint16 currentIndex = 0;
    bool removable = true;
    bool pageable = true;
};
