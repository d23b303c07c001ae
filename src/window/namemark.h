#pragma once

#include "catalog/catalog.h"

#include <QString>

class QAction;
class QLineEdit;

// A warning icon at the right end of a name box, shown while the box holds a name the game
// folder's list lacks; its tool tip says so. It takes room inside the box only: the box's size
// and text stay as they are.
class NameMark {
public:
    NameMark(QLineEdit* box, const QString& toolTip);

    // The names the list now offers; the mark follows them at once.
    void setOffered(OfferedNames names);
    // Marks text, the box's text after a change, or unmarks it.
    void follow(const QString& text);

private:
    QLineEdit* box;
    QAction* mark;
    OfferedNames offered;
};

// Gives box a warning icon of the same kind, shown while its text holds letters bots.ini cannot
// hold, which "Save INI" writes as "?"; its tool tip says so. The icon follows every change of the
// text, and lives as long as the box.
void markLettersTheFileCannotHold(QLineEdit* box);
