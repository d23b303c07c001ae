#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Asks the player for the add-on folder with a folder dialog; empty when they cancel. Tests
// install their own picker, so no dialog ever blocks them.
using FolderPicker = std::function<QString(QWidget* parent, const QString& startFolder)>;
QString pickAddonFolder(QWidget* parent, const QString& startFolder);
// Installs a picker (an empty one restores the dialog) and returns the previous one.
FolderPicker setFolderPicker(FolderPicker picker);

// Keeps folder in the settings store as the one worked on last time.
void rememberAddonFolder(const QString& folder);

// Whether a program in ownFolder runs from where a package installed it: the installed program
// folder, or a folder it may not write.
bool runsInstalled(const QString& ownFolder);

// --help and --version: prints their text and gives the exit status; nothing for anything else.
// They need no window, nor a display.
std::optional<int> answerWithoutWindow(const QStringList& arguments);

// What start-up does before the window opens: the command line, then the folder to work on.
struct Startup {
    std::optional<int> exitCode; // when set, the program ends with it and opens no window
    QString folder;
};
// --help and --version print their text; bad input is printed on standard error and shown to
// the player, and writes nothing. Otherwise the folder is chosen (the player may be asked) and,
// where the choice says so, remembered.
Startup prepareStartup(const QStringList& arguments, const QString& ownFolder);
