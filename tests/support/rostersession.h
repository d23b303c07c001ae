#pragma once

// Long random sessions on the open roster. The document's session plays every operation the
// player has on a RosterDocument and on a plain model of the roster side by side, and compares
// them after each step; the window's session (tests/window) plays keys, clicks and menu actions.
// Both hold the document to what they know of the file and the recovery copy (DocumentCheck).
#include "roster/roster.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <optional>

class RosterDocument;

// The bytes a session's choices come from: given (a fuzzer's input, a test's row), or drawn from
// a seeded generator and recorded, so that any session can be played again from what it took.
class Choices {
public:
    explicit Choices(QByteArray given) : bytes(std::move(given)) {}
    explicit Choices(quint32 seed) : generator(seed) {}
    // A byte, 0 once the given bytes run out; a number 0 to n - 1.
    int byte();
    int below(int n);
    bool exhausted() const { return !generator && read >= bytes.size(); }
    // The last byte becomes code, what it chose, so that what was taken names it.
    void name(char code) { bytes[read - 1] = code; }
    QByteArray taken() const { return bytes.first(read); }

private:
    QByteArray bytes;
    qsizetype read = 0;
    std::optional<QRandomGenerator> generator;
};

// A bots.ini with lists of 0 to most entries, most often a few or at the limit, the first ones
// with values of any kind; now and then none at all. Written into folder (none: removed there);
// false where that failed.
bool putRandomBotsIni(Choices& choices, const QString& folder, int most);

// What a session knows of the file, the roster read and the recovery copy, and what the document
// must hold whatever was done. Each check gives the fault, or empty.
class DocumentCheck {
public:
    // The document read its file; or Save INI wrote bytes.
    void read(const RosterDocument& document);
    void saved(const QByteArray& bytes) {
        reference = bytes;
        kept.reset();
    }
    // Counts within the limit, and anything to save exactly while the roster with its drafts
    // composes otherwise than the file last read or saved.
    QString fault(const RosterDocument& document);
    // Keeps a recovery copy as the timer does: one lies there exactly while the roster differs.
    QString keep(RosterDocument& document);
    const std::optional<QByteArray>& copy() const { return kept; }
    // After a start where copy was kept: a copy is offered exactly where it differs from the
    // file, and restored it gives the roster kept.
    QString started(const RosterDocument& document, const std::optional<QByteArray>& copy,
                    bool offered, bool restored);
    // The drafts stored, the history redone to its end, undone to the roster read and redone to
    // the end again.
    QString historyFault(RosterDocument& document) const;

private:
    QByteArray reference;
    std::optional<QByteArray> kept;
    bool keptWhole = false; // every value of the copy comes back from the file as it was
    Roster loaded;          // as read or restored
};

// The fault with the session's last steps.
QString faultReport(const QString& fault, const QStringList& steps);
// Where a session keeps its files: a template for QTemporaryDir.
QString sessionFolderTemplate();
// The document's session an input plays: its first byte chooses files up to the limit and past
// it (ToTheLimit) or of a few entries (any other), the bytes after it every choice. It ends when
// the choices run out or its budget is spent (each step costs more with the roster's size, a
// load, a save or a copy more again), with the history checked. The fault found, the last steps
// and the input that plays it again, or empty; *steps: how many steps it took.
QString playSession(const QByteArray& input, int* steps = nullptr);
inline constexpr char ToTheLimit = 'L';
QString playSession(quint32 seed, bool toTheLimit, int* steps = nullptr);
// The most entries a list of the files holds in a session of a few.
inline constexpr int SmallLists = 40;
inline constexpr int SessionBudget = 1500;
