#pragma once

// Long random sessions on the open roster: every operation the player has, played on a
// RosterDocument and on a plain model of the roster side by side, and the two compared after
// each step. The seeded test, the fuzz target and the window's session share what is here.
#include "roster/roster.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <optional>

class RosterDocument;

// The bytes a session's choices come from: given (a fuzzer's input, a row of a test), or drawn
// from a seeded generator and recorded, so that any session can be played again from what it
// took.
class Choices {
public:
    explicit Choices(QByteArray given) : bytes(std::move(given)) {}
    explicit Choices(quint32 seed) : generator(seed) {}

    // A byte; 0 once the given bytes run out.
    int byte();
    // 0 to n - 1.
    int below(int n);
    bool exhausted() const { return !generator && read >= bytes.size(); }
    // The last byte becomes code, what it chose, so that what was taken names it.
    void name(char code) { bytes[read - 1] = code; }
    // What the session took, to play it again.
    QByteArray taken() const { return bytes.first(read); }

private:
    QByteArray bytes;
    qsizetype read = 0;
    std::optional<QRandomGenerator> generator;
};

// A bots.ini of some size for each list, 0 to one past the limit, most often at the ends, at
// most most; nothing for a folder without one. The first entries have values of any kind, the
// rest plain ones.
std::optional<QByteArray> randomBotsIni(Choices& choices, int most = 32768);
// A value of a few characters: letters, spaces, line breaks, "=" and "[", and characters the
// file's code page lacks.
QString randomValue(Choices& choices);

// The document's roster with both drafts stored, and what Save INI would write for it.
Roster rosterWithDrafts(const RosterDocument& document);
QByteArray composedWithDrafts(const RosterDocument& document);
// What a session knows of the file and the recovery copy, and what the document must hold
// whatever was done: counts within the limit, and anything to save exactly while the roster
// with its drafts composes otherwise than the file as last read or saved (composed with the
// drafts of its load). It composes again only where the roster or a draft changed since its last
// look. Each check gives the fault, or empty.
class DocumentCheck {
public:
    // The document holds the file as it read it; or Save INI wrote bytes.
    void read(const RosterDocument& document) { saved(composedWithDrafts(document)); }
    void saved(const QByteArray& bytes) {
        reference = bytes;
        kept.reset();
    }
    QString fault(const RosterDocument& document);
    // Keeps a recovery copy, as the timer would: one lies there exactly while the roster
    // differs from the file.
    QString keep(RosterDocument& document);
    const std::optional<QByteArray>& copy() const { return kept; }
    // After a new start on the folder, where copy was kept before: a copy is offered exactly
    // where it differs from the file, and restored gives the roster kept.
    QString started(const RosterDocument& document, const std::optional<QByteArray>& copy,
                    bool offered, bool restored);

private:
    QByteArray reference;
    std::optional<QByteArray> kept;
    bool keptWhole = false; // every value of the copy comes back from the file as it was
    Roster seen;            // shares the lists it saw: a list changed since is another one
    BotEntry bot;
    MapEntry map;
    QByteArray composed;
};
// Whether composing what the file's bytes read into gives the bytes again; where a value cannot
// come back whole (spaces at its ends, a CR, a character the code page lacks, an empty list),
// whether the second reading does. Empty, or the fault.
QString roundTripFault(const QByteArray& fileBytes, bool whole);
// Whether the roster holds the expected entries, a map's Random compared by whether it is on.
// Empty, or the first that differs.
QString entriesFault(const Roster& roster, const Roster& expected);
// Whether every value of the roster comes back whole from the file, and no list is empty.
bool comesBackWhole(const Roster& roster);

// Where a session keeps its files: a template for QTemporaryDir.
QString sessionFolderTemplate();
// Plays a session in a folder of its own (two add-on folders and the recovery copies) until its
// choices run out or its budget is spent: each step costs 1 and more with the roster's size, a
// load, a save or a copy more again. Ends with both lists stored, the history redone to its end,
// undone to its start and redone again. The fault found, with the last steps and the input that
// plays the session again, or empty; *steps: how many steps it took.
// The session an input gives: its first byte chooses files up to the limit and past it
// (ToTheLimit) or of a few entries (any other), the bytes after it every choice it makes.
QString playSession(const QByteArray& input, int* steps = nullptr);
inline constexpr char ToTheLimit = 'L';
// A session of a seed's choices, on files of a few entries or up to the limit and past it.
QString playSession(quint32 seed, bool toTheLimit, int* steps = nullptr);
// The most entries a list of the files holds in a session of a few.
inline constexpr int SmallLists = 40;
inline constexpr int SessionBudget = 1500;
