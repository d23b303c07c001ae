#pragma once

#include <QString>

// What "Launch" starts: the game client or the dedicated server, chosen from the stored game
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
