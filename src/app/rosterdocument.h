#pragma once

#include "app/listeditor.h"
#include "app/recovery.h"
#include "platform/filestamp.h"
#include "roster/roster.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <optional>

// The open bots.ini: the add-on folder it lies in, the roster being edited with the draft of the
// entry on view in each list, the history of the roster's steps, the roster as the file holds it
// (as last read or saved), and what the file was then, to tell another program's change. Views
// show the roster and the drafts and hand the player's edits in; the document says when anything
// changes. While the roster has unsaved changes it keeps a recovery copy of it, which the next
// start offers back after a crash.
class RosterDocument : public QObject {
    Q_OBJECT

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

    // recoveryFolder: where recovery copies are kept; empty for the per-user data folder.
    explicit RosterDocument(QObject* parent = nullptr, const QString& recoveryFolder = QString());
    ~RosterDocument() override;

    // Reads bots.ini in folder (a missing or unreadable file gives the default entries) and makes
    // it the open one, with entry 1 of each list current and nothing to undo; the roster read,
    // with its entries on view as a page shows them, is the saved one. fileName, when given, is
    // the name the file goes by instead (a bots.ini named in another letter case): it is read and
    // saved. The recovery copy of the folder open before is settled as closeRecovery() settles it.
    Loaded load(const QString& folder, const QString& fileName = QString());

    const QString& folder() const { return addonFolder; }
    // What the file holds that the roster lacks, as last read; nothing once a save wrote it.
    Unread unread() const { return leftUnread; }
    // The file read and saved: bots.ini in the folder, unless load was given another name.
    const QString& filePath() const { return file; }
    const Roster& roster() const { return editing; }

    // Each list as the player edits it.
    ListEditor<BotEntry>& bots() { return botEditor; }
    ListEditor<MapEntry>& maps() { return mapEditor; }
    const ListEditor<BotEntry>& bots() const { return botEditor; }
    const ListEditor<MapEntry>& maps() const { return mapEditor; }
    template <typename Entry> ListEditor<Entry>& list() {
        if constexpr (listKindOf<Entry>() == RosterListKind::Bots)
            return botEditor;
        else
            return mapEditor;
    }

    // The steps taken on the roster since it was read, to undo and redo; saving keeps them, and
    // whether there is anything to save follows the roster back and forth.
    const QUndoStack& history() const { return steps; }
    QUndoStack& history() { return steps; }
    // Undoes the last step (forward: redoes the next) as it stands, drafts and all: from no page.
    // The list the step changed, or nothing when there was no step to take.
    std::optional<RosterListKind> stepHistory(bool forward);
    // Stores both drafts into their entries, as a press on the tab strip, Save INI and Launch do.
    void storeDrafts();

    // Whether "Save INI" would write other text than the file holds, were the drafts stored: a
    // file with its own spacing, or a missing one with its default entries, is unchanged until
    // the player changes something.
    bool isModified() const;

    // What "Save INI" writes for the roster as it is (the drafts as they were last stored).
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
    // Makes the recovery copy what "Save INI" would write, were the drafts stored, or removes it
    // when that is what the file holds. Composed and written on the copies' thread; nothing is
    // done when neither the roster nor the drafts changed since the last call. A copy follows
    // on its own within RecoveryDelayMs of a change.
    void keepRecoveryCopy();
    static constexpr int RecoveryDelayMs = 1000;
    // Removes the recovery copy and lets the folder go, as closing with nothing left unsaved
    // does.
    void closeRecovery() { recovery.close(); }
    // The copy, to wait for it and to hear when it cannot be kept.
    RecoveryCopy& recoveryCopy() { return recovery; }

    // For the list editors: a list changed, or a draft was edited.
    void noteListChanged(RosterListKind list, const ListChange& change);
    void noteDraftEdited(RosterListKind list);

signals:
    void listChanged(RosterListKind list, const ListChange& change);
    void draftChanged(RosterListKind list);
    // Whether there is anything to save changed; told once the change that made it is done.
    void modifiedChanged(bool modified);

private:
    // What the roster and the drafts were at the last recovery copy.
    struct CopiedState {
        quint64 revision = 0;
        MapEntry mapDraft;
        BotEntry botDraft;
        bool operator==(const CopiedState&) const = default;
    };
    // Both lists read anew: the drafts follow, the views are told.
    void resetLists();
    // Something changed: edited when the player (or a step) changed the roster or a draft.
    void changed(bool edited);
    void checkModified();

    QString addonFolder;
    QString file;
    Roster editing;
    Roster saved;
    QUndoStack steps;
    ListEditor<BotEntry> botEditor{*this, editing.bots};
    ListEditor<MapEntry> mapEditor{*this, editing.maps};
    FileStamp stamp;
    Unread leftUnread;
    RecoveryCopy recovery;
    std::optional<Roster> offered;
    std::optional<FileStamp> offeredFrom;
    std::optional<CopiedState> copied;
    // A number that changes with every change of either list.
    quint64 revision = 0;
    // What composedFile() gave since the last change of either list.
    mutable std::optional<QByteArray> composed;
    // A child named "recoveryTimer", so that a test that drives the window can step it itself.
    QTimer recoveryTimer{this};
    QTimer modifiedCheck;
    bool lastModified = false;
};
