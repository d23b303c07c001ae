#pragma once

#include "roster/roster.h"

#include <QString>

#include <optional>

class QWidget;

// One page behind the window's tab strip: the Bots page, the Maps page or the INI page. Whatever
// the window does that depends on the page on view goes through here.
class Page {
public:
    virtual ~Page() = default;

    // The window's caption while the page is on view.
    virtual QString caption() const = 0;
    // The Find box's title while it searches this page ("Find in bots").
    virtual QString findTitle() const = 0;
    // Shows the next place after the one on view (backwards: before it) that holds text; false
    // when there is none. Where the page may not leave its entry nothing happens, and that is no
    // miss.
    virtual bool find(const QString& text, bool backwards) = 0;
    // Asks for an entry number and shows that entry; nothing on a page without entries.
    virtual void goTo() = 0;
    // Undoes the roster's last step (forward: redoes the next) from this page, as its rules say;
    // the list the step changed. What it would do, as the menu names it; empty when nothing.
    virtual std::optional<RosterListKind> stepHistory(bool forward) = 0;
    virtual QString historyText(bool forward) const = 0;
    // The list the Roster window shows first from this page.
    virtual RosterListKind rosterList() const = 0;
    // The section of the player's guide about the page, as the guide's links name it.
    virtual QString guideSection() const = 0;
};
