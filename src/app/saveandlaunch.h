#pragma once

#include "app/rosterdocument.h"

#include <QByteArray>
#include <QString>

// "Save INI" and "Launch" as decisions on the open document, without a window: each says what
// the window must show or ask, and the window turns that into boxes.

// What the player answered to the questions Save INI asked so far.
struct SaveAnswers {
    bool dropUnread = false; // save although the file holds entries that were not read
    bool overwrite = false;  // save over another program's change to the file
};

struct SaveOutcome {
    enum class Kind {
        Written,
        AskDropUnread, // the file holds entries past the most that can be read: save anyway?
        AskOverwrite,  // another program changed the file: overwrite it?
        Failed,
    };
    Kind kind = Kind::Failed;
    QByteArray bytes;              // Written, Failed: what was or would have been written
    QString reason;                // Failed: why, fit for the player
    RosterDocument::Unread unread; // AskDropUnread: what the file holds unread
};

// Save INI: stores the drafts, as leaving the pages does; asks before dropping what the file
// holds unread and before writing over another program's change; writes the file. Once it has
// written or failed, the game path and parameters shown are kept as the stored settings.
SaveOutcome saveIni(RosterDocument& document, const QString& gamePath, const QString& parameters,
                    SaveAnswers answers);

struct LaunchOutcome {
    bool started = false;
    QString reason;   // when not started: why, naming every program tried and the folder
    QByteArray shown; // the roster as Save INI would write it, for the INI page
};

// Launch: stores the drafts, as leaving the page does, and starts the game the stored settings
// name with the stored parameters. bots.ini is not written.
LaunchOutcome launchGame(RosterDocument& document);
