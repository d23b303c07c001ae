#pragma once

// Long random sessions on the open roster, with one driver (Session): the document's session
// plays every operation the player has on a RosterDocument and on a plain model of the roster side
// by side; the window's session (tests/window) plays keys, clicks and menu actions.
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

// One session on the open roster in a folder of its own (work) that holds the add-on folders "a"
// and "b": steps until a fault, the budget or the choices end, then the history (undone to the
// roster read and redone to its end). After every step the counts stay within the limit, and there
// is anything to save exactly while the roster with its drafts composes otherwise than the file
// last read or saved. A kind of session says what a start and a step are, and what else to check.
class Session {
public:
    Session(Choices& source, QString sessionFolder, int largest)
        : choices(source), work(std::move(sessionFolder)), most(largest) {}
    virtual ~Session() = default;
    QString play(); // the fault with the last steps, or empty
    int taken() const { return int(steps.size()); }

protected:
    virtual RosterDocument& document() = 0;
    // The program starts on folder; where it offers the copy kept (offered), restore says
    // whether it is restored.
    virtual void start(const std::optional<QByteArray>& copy, bool restore) = 0;
    virtual void step() = 0; // chooses a step, names it in steps and takes it
    virtual QString stepFault() = 0;
    virtual void finish() = 0; // the drafts stored, the history redone to its end

    void fail(const QString& found) {
        if (fault.isEmpty())
            fault = found;
    }
    void check() {
        fail(stepFault());
        fail(documentFault());
    }
    void read(const RosterDocument& read); // the document read its file
    void saved(const QByteArray& bytes) {  // or Save INI wrote bytes
        reference = bytes;
        kept.reset();
    }
    // A recovery copy kept as the timer keeps it: one lies there exactly while the roster differs.
    void keep();
    // The program starts again: a copy is offered exactly where the one kept differs from the
    // file, and restored it gives the roster kept.
    void restart(bool restore);
    void crash(); // as a crash ends the program, leaving its copy; restored or not
    int size();   // the entries of both lists

    Choices& choices;
    const QString work;
    const int most; // the most entries a list of the files holds
    QString folder;
    QStringList steps;
    QString fault;
    int spent = 0;
    bool offered = false;

private:
    QString documentFault();
    QString historyFault();

    QByteArray reference;
    std::optional<QByteArray> kept;
    bool keptWhole = false; // every value of the copy comes back from the file as it was
    Roster loaded;          // as read or restored
};

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
