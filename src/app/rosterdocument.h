#pragma once

#include "app/recovery.h"
#include "platform/filestamp.h"
#include "roster/roster.h"
#include "roster/rosterhistory.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The open bots.ini: the add-on folder it lies in, the roster being edited, the roster as the
// file holds it (as last read or saved), and what the file was then, to tell another program's
// change. The window edits the roster, asks the document whether there is anything to save, and
// has it save; it never composes or writes the file itself. While the roster has unsaved changes
// the document keeps a recovery copy of it, which the next start offers back after a crash.
class RosterDocument {
public:
    // The map entries and bots a file holds past the most that can be read. Saving over such a
    // file drops them from it.
    struct Unread {
        qsizetype maps = 0;
        qsizetype bots = 0;
        bool any() const { return maps > 0 || bots > 0; }
    };
    // What load found of a recovery copy a crash left for the folder, when it differs from the
    // file.
    struct Recovery {
        enum class State { None, Offered, Damaged };
        State state = State::None;
        QDateTime keptAt; // Offered: when the copy was kept
        QString reason;   // Damaged: why it cannot be used
        QString path;     // where the copy lies
        // Offered: when bots.ini was last modified, if another program changed it since the
        // roster the copy holds was read; null when it did not.
        QDateTime fileChangedAt;
    };
    // What a load gives the window to show.
    struct Loaded {
        // The text the INI page shows, in the file's code page; empty when the file could not be
        // read to its end.
        QByteArray text;
        bool readToEnd = false;
        Unread unread;
        Recovery recovery;
    };
    // Reads bots.ini in folder (a missing or unreadable file gives the default entries) and makes
    // it the open one; the roster read is the saved one. fileName, when given, is the name the
    // file goes by instead (a bots.ini named in another letter case): it is read and saved.
    // The recovery copy of the folder open before is settled as closeRecovery() settles it.
    Loaded load(const QString& folder, const QString& fileName = QString());
    // The entries on view, as the pages read back what load gave them, count as saved too: a page
    // shows some values in its own way (a random "1" as a ticked box, kept as "Yes"), which is
    // no change of the player's.
    void takeViewAsSaved(const MapEntry& mapOnView, const BotEntry& botOnView);

    const QString& folder() const { return addonFolder; }
    // What the file holds that the roster lacks, as last read; nothing once a save wrote it.
    Unread unread() const { return leftUnread; }
    // The file read and saved: bots.ini in the folder, unless load was given another name.
    const QString& filePath() const { return file; }
    Roster& roster() { return editing; }
    const Roster& roster() const { return editing; }
    // The steps taken on the roster since it was read, to undo and redo; saving keeps them, and
    // whether there is anything to save follows the roster back and forth.
    RosterHistory& history() { return steps; }
    const RosterHistory& history() const { return steps; }

    // Whether "Save INI" would write other text than the file holds, were the entries on view
    // stored into their lists: a file with its own spacing, or a missing one with its default
    // entries, is unchanged until the player changes something.
    bool isModified(const MapEntry& mapOnView, const BotEntry& botOnView) const;

    // What "Save INI" writes for the roster as it is.
    QByteArray composedFile() const;

    enum class SaveMode { UnlessChangedElsewhere, Overwrite };
    struct Saved {
        enum class Outcome { Written, ChangedElsewhere, Failed };
        Outcome outcome = Outcome::Failed;
        QByteArray bytes; // what was, or would have been, written; empty for ChangedElsewhere
        QString error;    // for Failed: why, fit for the player
    };
    // Writes the roster to bots.ini. Refused, writing nothing, when another program changed the
    // file since it was read or saved here, unless mode is Overwrite. On success the roster is
    // the saved one; on failure the old file stays whole.
    Saved save(SaveMode mode = SaveMode::UnlessChangedElsewhere);

    // The roster of the recovery copy load offered becomes the one edited, with nothing to undo.
    // bots.ini is left as it is, so the roster is unsaved until "Save INI", which checks the file
    // for another program's change since the roster the copy holds was read.
    void restoreRecovery();
    // Removes the recovery copy load offered.
    void discardRecovery();
    // Makes the recovery copy what "Save INI" would write, were the entries on view stored, or
    // removes it when that is what the file holds. Composed and written on the copies' thread;
    // nothing is done when neither the roster nor the entries on view changed since the last
    // call.
    void keepRecoveryCopy(const MapEntry& mapOnView, const BotEntry& botOnView);
    // Removes the recovery copy and lets the folder go, as closing with nothing left unsaved
    // does.
    void closeRecovery() { recovery.close(); }
    // The copy, to wait for it and to hear when it cannot be kept.
    RecoveryCopy& recoveryCopy() { return recovery; }

private:
    // What the roster and the entries on view were at the last recovery copy.
    struct CopiedState {
        quint64 revision = 0;
        MapEntry mapOnView;
        BotEntry botOnView;
        bool operator==(const CopiedState&) const = default;
    };

    QString addonFolder;
    QString file;
    Roster editing;
    Roster saved;
    RosterHistory steps{editing};
    FileStamp stamp;
    Unread leftUnread;
    RecoveryCopy recovery;
    std::optional<Roster> offered;
    std::optional<FileStamp> offeredFrom;
    std::optional<CopiedState> copied;
};
