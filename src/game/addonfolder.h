#pragma once

#include <QString>
#include <QStringList>

// The folder the program works on: where bots.ini is read at start-up and written by "Save INI".

// A folder the choice may take, and whether a bots.ini lies in it. An empty path is no folder.
struct FolderCandidate {
    QString path;
    bool holdsBotsIni = false;
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
// then the player is asked.
AddonFolderChoice chooseAddonFolder(const AddonFolderFacts& facts);

// The add-on folder of the game at gamePath (the path box's text): the folder "vantrel", in any
// letter case, of the game folder that path names; empty when there is none.
QString gameAddonFolder(const QString& gamePath);

// What the command line asks for: zelvik [--help | --version | FOLDER | FILE].
struct CommandLine {
    enum class Action { Run, Help, Version, BadInput };
    Action action = Action::Run;
    QString folder; // for Run: the folder named, made absolute; empty when none was named
    QString text;   // the usage for Help, the version for Version, the reason for BadInput
};

// Reads the arguments (the program's name first). A named path must exist; a file stands for its
// folder and must be named bots.ini (any letter case); a folder must be readable. An unknown
// option or more than one path is bad input too.
CommandLine parseCommandLine(const QStringList& arguments);
