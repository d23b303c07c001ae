#pragma once

// Long random sessions on the open roster, with one driver (Session): the document's session
// plays every operation the player has on a RosterDocument and on a plain model of the roster side
// by side; the window's session (tests/window) plays keys, clicks and menu actions.
#include "roster/roster.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class RosterDocument;

// The bytes a session's choices come from, so that what it took plays it again.
class Choices {
public:
    explicit Choices(QByteArray given) : bytes(std::move(given)) {}
    int byte(); // 0 once the bytes run out
    int below(int n);
    bool exhausted() const { return read >= bytes.size(); }
    void name(char code) { bytes[read - 1] = code; } // the last byte names what it chose
    QByteArray taken() const { return bytes.first(read); }

private:
    QByteArray bytes;
    qsizetype read = 0;
};
// More choices than any session takes, drawn from seed.
QByteArray seededChoices(quint32 seed);

// A bots.ini with lists of 0 to most entries, most often a few or at the limit, the first ones
// with values of any kind; now and then none at all. Written into folder; false where that failed.
bool putRandomBotsIni(Choices& choices, const QString& folder, int most);

// One session in a folder of its own (work) that holds the add-on folders "a" and "b": steps until
// a fault, the budget or the choices end, then the history undone to the roster read and redone.
// After every step the counts stay within the limit, and there is anything to save exactly while
// the roster with its drafts composes otherwise than the file last read or saved.
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
    void read(const RosterDocument& read); // the document read its file
    void saved(const QByteArray& bytes) {  // or Save INI wrote bytes
        reference = bytes;
        kept.reset();
    }
    void keep();                // a recovery copy kept as the timer keeps it
    void restart(bool restore); // the program starts again, offered the copy kept
    void crash();               // the program ends leaving its copy, restored or not
    int size();                 // the entries of both lists

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
// it (ToTheLimit) or of a few entries, the bytes after it every choice. It ends when the choices
// run out or its budget is spent (a step costs more with the roster's size, a load, a save or a
// copy more again). The fault with the last steps and the input that plays it again, or empty.
QString playSession(const QByteArray& input, int* steps = nullptr);
inline constexpr char ToTheLimit = 'L';
inline constexpr int SmallLists = 40; // the most entries a list holds in a session of a few
