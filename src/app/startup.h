#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Start-up without the window: what the command line asks for, and the add-on folder the program
// works on, where bots.ini is read at start-up and written by "Save INI".

// What the command line asks for: zelvik [--language CODE] [--help | --version | FOLDER | FILE].
struct CommandLine {
    enum class Action { Run, Help, Version, BadInput };
    Action action = Action::Run;
    QString folder; // for Run: the folder named, made absolute; empty when none was named
    // For Run: the name of the bots.ini file named, in its own letter case; empty when a folder
    // was named. That file is the one read and written.
    QString fileName;
    QString text; // the usage for Help, the version for Version, the reason for BadInput
    // The translation --language asks for (one of availableLanguages()); empty when not asked.
    QString language;
};

// Reads the arguments (the program's name first). A named path must exist; a file stands for its
// folder and must be named bots.ini (any letter case); a folder must be readable. An unknown
// option, more than one path, or a language the program has no translation into is bad input
// too.
CommandLine parseCommandLine(const QStringList& arguments);

// A folder the choice may take, whether it is there, and whether a bots.ini lies in it. An empty
// path is no folder.
struct FolderCandidate {
    QString path;
    bool holdsBotsIni = false;
    bool exists = false;
};

// What start-up knows when it chooses the folder; the caller looks at the disk for it.
struct AddonFolderFacts {
    QString argument;       // the folder named on the command line; empty when none was
    FolderCandidate own;    // the program's own folder
    FolderCandidate stored; // the folder worked on last time
    FolderCandidate found;  // the add-on folder of the game the path box names
    bool installed = false; // the program runs from where a package put it, or cannot write there
};

struct AddonFolderChoice {
    enum class Source { Argument, Own, Stored, Found, OwnFallback, Ask };
    Source source = Source::Ask;
    QString folder; // empty for Ask
    // Whether the folder is kept as the one worked on last time.
    bool remembered() const {
        return source == Source::Argument || source == Source::Stored || source == Source::Found;
    }
};

// The named folder; else the own folder when it holds bots.ini; else the stored one, then the
// found one, each when it holds bots.ini; else the own folder, unless the program is installed:
// then the stored folder while it is there, with or without bots.ini (the player chose it, by
// naming it, in the dialog or by cancelling it), and only without one is the player asked.
AddonFolderChoice chooseAddonFolder(const AddonFolderFacts& facts);

// Whether a program in ownFolder runs from where an install put it, or from a folder it cannot
// write to. Installed is the layout an install leaves, whatever its prefix: the program's folder
// with the desktop entry at its place relative to it (<prefix>/bin and
// <prefix>/share/applications/<id>.desktop). Writing is tried, not asked: a file is created in
// the folder and removed again, since a system's permissions may say more than its attributes.
bool runsInstalled(const QString& ownFolder);

// Asks the player for the add-on folder; empty when they cancel.
using FolderQuestion = std::function<QString()>;

// The folder to work on: chooseAddonFolder over what the disk and the stored settings hold
// (argument is the command line's folder, or empty). Where the choice is to ask, askPlayer is
// asked; when the player cancels, the per-user data folder, where "Save INI" may create the file.
// A folder the choice or the player named, and the data folder of a cancel, is remembered as the
// one of last time, so an installed program asks once.
QString startupFolder(const QString& argument, const QString& ownFolder,
                      const FolderQuestion& askPlayer);

// The player's side of start-up: how bad input is shown, and how the folder is asked for.
struct StartupPlayer {
    std::function<void(const QString& reason)> tell;
    FolderQuestion askFolder;
};

// What start-up does before the window opens, for the parsed command line.
struct Startup {
    std::optional<int> exitCode; // when set, the program ends with it and opens no window
    QString folder;
    QString fileName; // the bots.ini named on the command line, or empty for bots.ini
};
// --help and --version print their text on standard output; bad input is printed on standard
// error and told to the player, and writes nothing. Otherwise the folder is the startupFolder.
Startup prepareStartup(const CommandLine& line, const QString& ownFolder,
                       const StartupPlayer& player);
