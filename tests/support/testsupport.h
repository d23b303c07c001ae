#pragma once

#include "platform/messages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Points the per-user settings store at a private temporary folder for the whole test run.
// Call from initTestCase(), before anything reads a setting.
void isolateSettings();
// Empties the settings store of the program.
void clearSettings();
// The raw contents of the settings file, for checks that need to see what was written.
QString settingsFile();

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Collects every message shown to the player while it lives, instead of opening a dialog.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    QStringList titles;
    QStringList texts;

private:
    MessageHandler previous;
};

#include "roster/module1.h"
#include "roster/rosterview.h"

#include <QList>
#include <QMap>

// Stands in for the main window under the roster: records what the roster asks of it, and
// behaves like a scroll bar in raising a change only when the value really changes.
class FakeRosterView : public RosterView {
public:
    struct ScrollChange {
        RosterControl scrollBar;
        int value;
        bool skipMapStore;
        bool skipBotStore;
    };

    Module1* roster = nullptr;
    QMap<RosterControl, bool> enabled;
    QMap<RosterControl, int> value{{RosterControl::HScroll1, 1}, {RosterControl::HScroll2, 1}};
    QMap<RosterControl, int> maximum;
    QList<ScrollChange> changes;
    QList<qint16> shownMaps;
    QList<qint16> shownBots;
    QString text1;
    int text1Sets = 0;

    void setControlEnabled(RosterControl control, bool on) override { enabled[control] = on; }
    void setScrollValue(RosterControl scrollBar, int v) override {
        if (value.value(scrollBar) == v)
            return;
        value[scrollBar] = v;
        changes.append(
            {scrollBar, v, roster && roster->SkipMapStore, roster && roster->SkipBotStore});
    }
    void setScrollMaximum(RosterControl scrollBar, int m) override { maximum[scrollBar] = m; }
    void ShowMap(qint16 index) override { shownMaps.append(index); }
    void ShowBot(qint16 index) override { shownBots.append(index); }
    void setText1(const QString& text) override {
        text1 = text;
        ++text1Sets;
    }
};

bool runningAsRoot();

// Root writes through file modes. Runs one test function of this test program again as the
// unprivileged user "nobody" (function or "function:tag"). Returns what the child printed when it
// failed and an empty text when it passed; *cannotRun says why it could not be run at all.
QString rerunAsNobody(const QString& testFunction, QString* cannotRun);

// A stand-in for the game: a script at path that writes its working folder and then its
// arguments, one a line, to "record.txt" beside itself.
void writeFakeGame(const QString& path);
// The lines the fake game recorded in folder, once they are there (waits up to five seconds).
QStringList fakeGameRecord(const QString& folder);
