#pragma once

#include "platform/messages.h"
#include "roster/module1.h"
#include "roster/rosterview.h"
#include "window/frmmain.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

class QAbstractButton;
class QLineEdit;

// Points the per-user settings store at a private temporary folder for the whole test run.
// Call from initTestCase(), before anything reads a setting.
void isolateSettings();
// Empties the settings store of the program.
void clearSettings();
// The raw contents of the settings file, for checks that need to see what was written.
QString settingsFile();

// The whole file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Replaces the file with bytes; false when it could not be written whole.
bool writeBytes(const QString& path, const QByteArray& bytes);

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
// The current test function with its data row, as rerunAsNobody takes it.
QString currentTestRow();

// For a test of file modes: when root runs it, runs the current row again as user nobody and ends
// the test with that outcome (skipped when it cannot be run that way). Otherwise the test goes on
// to make its own checks.
#define RERUN_AS_NOBODY_IF_ROOT()                                                                  \
    do {                                                                                           \
        if (runningAsRoot()) {                                                                     \
            QString nobodyCannotRun;                                                               \
            const QString nobodyFailure = rerunAsNobody(currentTestRow(), &nobodyCannotRun);       \
            if (!nobodyCannotRun.isEmpty())                                                        \
                QSKIP(qPrintable(nobodyCannotRun));                                                \
            QVERIFY2(nobodyFailure.isEmpty(), qPrintable(nobodyFailure));                          \
            return;                                                                                \
        }                                                                                          \
    } while (false)

// A stand-in for the game: a script at path that writes its working folder and then its
// arguments, one a line, to "record.txt" beside itself. The record appears in one step, so a
// half-written one is never read. False when the script could not be written.
bool writeFakeGame(const QString& path);
// The lines the fake game recorded in folder, once they are there (waits up to ten seconds).
QStringList fakeGameRecord(const QString& folder);

// Empties folder and writes bots.ini there with these bytes; returns the folder's path, for a
// window to be opened on it.
QString programFolderWith(const QTemporaryDir& folder, const QByteArray& botsIni);

// The main window on a program folder, shown: its first show loads bots.ini from there.
class ShownWindow : public frmMain {
public:
    explicit ShownWindow(const QString& folderPath);
};

// Stops the whole test program: a control the test needs is not in the window.
[[noreturn]] void missingControl(QAnyStringView name);

// The control of window with this object name; the test program stops when there is none.
template <typename T = QWidget> T* control(const QWidget& window, QAnyStringView name) {
    T* found = window.findChild<T*>(name.toString());
    if (!found)
        missingControl(name);
    return found;
}

// A left click on the button, or on the button of window with this object name.
void clickButton(QAbstractButton* button);
void clickButton(const QWidget& window, QAnyStringView name);
// A left click on tab index of the window's tab strip.
void clickTab(const frmMain& window, int index);
// Selects all of edit's text and types text over it, as the player does.
void retype(QLineEdit* edit, const QString& text);
