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

// One session on the open roster, played from choices in a folder of its own (work) that holds
// the add-on folders "a" and "b": steps until a fault, the budget or the choices end, then the
// history. After every step the driver holds the document to what it knows of the file and the
// recovery copy: counts within the limit, and anything to save exactly while the roster with its
// drafts composes otherwise than the file last read or saved. Each kind of session says what a
// start and a step are, and what else a step must leave as it was.
class Session {
public:
    Session(Choices& source, QString sessionFolder, int largest)
        : choices(source), work(std::move(sessionFolder)), most(largest) {}
    virtual ~Session() = default;
    // The fault with the last steps, or empty.
    QString play();
    int taken() const { return int(steps.size()); }

protected:
    virtual RosterDocument& document() = 0;
    // The program starts on folder, where the copy kept that differs from the file is offered
    // (offered says so), and restored where restore says so.
    virtual void start(const std::optional<QByteArray>& copy, bool restore) = 0;
    // Chooses a step, names it in steps and takes it; then what else it must have left as it
    // should (the fault, or empty).
    virtual void step() = 0;
    virtual QString stepFault() = 0;
    // Before the history is checked: the drafts stored as a press on the tab strip stores them,
    // the history redone to its end.
    virtual void finish() = 0;

    void fail(const QString& found) {
        if (fault.isEmpty())
            fault = found;
    }
    void check() {
        fail(stepFault());
        fail(documentFault());
    }
    // The document read its file; or Save INI wrote bytes.
    void read(const RosterDocument& read);
    void saved(const QByteArray& bytes) {
        reference = bytes;
        kept.reset();
    }
    // Keeps a recovery copy as the timer does: one lies there exactly while the roster differs.
    void keep();
    // The program starts (again) with the copy kept: a copy is offered exactly where it differs
    // from the file, and restored it gives the roster kept.
    void restart(bool restore);
    // The program ends as a crash ends it, leaving its copy, and starts again; the player
    // restores the copy or not.
    void crash();
    int size(); // the entries of both lists

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
