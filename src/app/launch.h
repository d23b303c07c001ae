#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// "Launch": which program it starts, from which folder, with which parameters, and starting it.

// What Launch starts: the game client or the dedicated server, chosen from the stored game
// path, started from the path's folder with the stored parameters.
struct LaunchRequest {
    QString file;       // "hl.exe" or "hlds.exe"
    QString parameters; // passed unchanged
    QString directory;  // the path with the executable's name cut off

    bool operator==(const LaunchRequest&) const = default;
};

// "hlds.exe" when the path's last 8 characters are "hlds.exe" (any case), which are cut off;
// otherwise "hl.exe", and the path loses its last 6 characters (fewer if it is shorter).
LaunchRequest makeLaunchRequest(const QString& gamePath, const QString& parameters);

// The full path of the program to start: the directory joined with the file.
QString launchProgramPath(const LaunchRequest& request);

// The first of names that is, in folder, a file that may be run (by its execute permission; on
// Windows by its extension), or nothing. An empty folder name never holds anything.
std::optional<QString> firstRunnable(const QString& folder, const QStringList& names);

// Why none of names could be started from folder, for the player: it names every file tried and
// the folder.
QString nothingRunnableReason(const QString& folder, const QStringList& names);

// Starts the game named by the stored path with the stored parameters: the client, or the
// server when the path ends in "hlds.exe", from the path's folder. Elsewhere than on Windows,
// where that folder has no runnable hl.exe or hlds.exe, the game's native program of the same
// role (gamePrograms). bots.ini is not written. On failure *error names every program tried and
// the folder.
bool launchStoredGame(QString* error);
