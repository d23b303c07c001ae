#pragma once

#include "roster/entrylist.h"

#include <QString>

// The entry a find shows: the next one after from (backwards: before it) whose name contains
// text, ignoring letter case, wrapping round past either end; the entry at from itself comes
// last. 0 when no name contains it, or text is empty.
template <typename Entry>
int findByName(const EntryList<Entry>& list, const QString& text, int from, bool backwards) {
    const int count = list.count();
    if (text.isEmpty() || count == 0)
        return 0;
    int index = qBound(0, from, count + 1);
    for (int step = 0; step < count; ++step) {
        index += backwards ? -1 : 1;
        if (index < 1)
            index = count;
        else if (index > count)
            index = 1;
        if (list.at(index).name.contains(text, Qt::CaseInsensitive))
            return index;
    }
    return 0;
}
