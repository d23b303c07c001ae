#pragma once

#include "roster/roster.h"

#include <QCoreApplication>
#include <QString>

// What the window says about a list, the same from its page and from the Roster window. Each is
// a whole phrase for each list, so that each language words it its own way.
struct PageWords {
    Q_DECLARE_TR_FUNCTIONS(PageWords)

public:
    // The caption while the list's page is on view: "Vantrel Zelvik  (Bot  1 of 40)", the
    // number with a blank where a minus sign would stand.
    static QString caption(RosterListKind list, int current, int count);
    static QString findTitle(RosterListKind list);
    static QString goToTitle(RosterListKind list);
    // Add's message when the list is full.
    static QString fullTitle(RosterListKind list);
    static QString fullText(RosterListKind list);
    static QString pasteTitle();
    // What a paste tells the player: that the clipboard held nothing of the list's, or what it
    // pasted beside what did not fit and what it left out; empty when all of it was pasted.
    static QString pasteReport(RosterListKind list, qsizetype pasted, qsizetype otherKind,
                               qsizetype notFitting);
};
