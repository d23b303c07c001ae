#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// Points the per-user settings store at a private temporary folder for the whole test run.
// Call from initTestCase(), before anything reads a setting.
void isolateSettings();
// Empties the settings store of the program and its data folder, where recovery copies lie.
void clearSettings();
// Where the settings store lives: a file, or on Windows a registry key.
QString settingsFile();
// The value the store itself holds for key, read past the program's own code (the registry on
// Windows, the file elsewhere); nothing when the store has no such key.
std::optional<QString> valueInStore(const QString& section, const QString& key);

// A symbolic link at link to target; false where the system makes none.
bool makeSymLink(const QString& target, const QString& link);

// The whole file; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Replaces the file with bytes; false when it could not be written whole.
bool writeBytes(const QString& path, const QByteArray& bytes);

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

// A stand-in for the game: a program at path (a shell script; on Windows a copy of fakegame.exe)
// that writes its own file name, its working folder and then its arguments, one a line, to
// "record.txt" beside itself. The record appears in one
// step, so a half-written one is never read. False when the script could not be written.
bool writeFakeGame(const QString& path);
// The lines the fake game recorded in folder, once they are there (waits up to ten seconds).
QStringList fakeGameRecord(const QString& folder);

// Empties folder and writes bots.ini there with these bytes; returns the folder's path, for a
// window to be opened on it.
QString programFolderWith(const QTemporaryDir& folder, const QByteArray& botsIni);
