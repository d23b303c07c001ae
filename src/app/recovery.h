#pragma once

#include "platform/filestamp.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The recovery copy of one add-on folder's unsaved roster: the bytes "Save INI" would write, kept
// in the per-user data folder (never beside bots.ini) so that a crash, a kill or a power cut loses
// at most the last moment of editing. There is one file per add-on folder, named from a hash of
// the folder's path, which it records with a checksum of what it holds and the stamp of the
// bots.ini the roster was read from or saved to; a lock file beside it, held while a window has
// the folder open, tells a live window's copy from one a crash left.
//
// Copies are composed and written on a thread of their own, one at a time and in the order asked
// for; a copy asked for while another is being written replaces any still waiting, since only the
// newest counts. The thread that asks only hands over a function and what it holds.
class RecoveryCopy {
public:
    // What opening a folder found.
    struct Found {
        enum class State { None, Kept, Damaged };
        State state = State::None;
        QByteArray bytes; // Kept: what "Save INI" would have written
        QDateTime keptAt; // Kept: when, in UTC
        QString reason;   // Damaged: why it cannot be used, fit for the player
        // Kept: bots.ini as the roster kept was read or saved; none from a copy that does not
        // record it.
        std::optional<FileStamp> keptFrom;
        // Kept: whether bots.ini is no longer that file, and then when it was last modified.
        bool fileChanged = false;
        QDateTime fileModified;
    };

    // Keeps its copies in recoveryFolder; empty: the "recovery" folder in the per-user data
    // folder.
    explicit RecoveryCopy(QString recoveryFolder = QString());
    // Waits for a copy being written, gives up the lock and leaves the copy.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // Ends keeping copies for the folder open before, as close() does, and starts for folder,
    // whose bots.ini is at filePath: takes the lock and gives the copy a crash left there. Where
    // another window holds the lock nothing is offered, and the copy is kept only once that
    // window has ended cleanly: its lock is free and no copy of its lies there. A damaged copy is
    // left in place and no new copy replaces it while it lies there.
    Found open(const QString& folder, const QString& filePath);
    // Where the open folder's copy is kept.
    QString path() const;

    // The copy becomes what compose gives, made from the roster bots.ini held as keptFrom
    // stamps it, or is removed where it gives nothing. compose runs on the copies' thread, so it
    // must own what it reads.
    void keep(std::function<std::optional<QByteArray>()> compose, FileStamp keptFrom);
    void remove() {
        keep([] { return std::optional<QByteArray>(); }, FileStamp());
    }
    // Waits until what was last asked for is done.
    void wait();
    // Removes the copy, unless a damaged one lies there, once what was asked for is done, and
    // gives up the lock.
    void close();

    // Called on the thread that made this object, once per folder opened, when a copy could not
    // be kept, with the reason fit for the player.
    void setFailureHandler(std::function<void(const QString& reason)> handler);

private:
    struct Worker;
    std::unique_ptr<Worker> worker;
};
