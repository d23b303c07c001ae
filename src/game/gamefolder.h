#pragma once

#include <QString>
#include <QStringList>

// What the path box names: the game's program, and the folder the game is in.

// The dedicated server's program; a path ending in it (any case) starts the server.
inline const QString ServerProgram = QStringLiteral("hlds.exe");
// The client's program, started for any other path.
inline const QString ClientProgram = QStringLiteral("hl.exe");

// The programs of one role (the client, or the dedicated server) a game folder may hold, most
// usual first. On Windows only ClientProgram or ServerProgram. Elsewhere the same name first,
// then the native programs of the same role: "hl.sh", "hl_linux" for the client; "hlds_run",
// "hlds_linux" for the server.
QStringList gamePrograms(bool server, bool windows);

// The two readings of the path box as a folder. They differ on purpose: the map and model lists
// take a path that names no client as the folder itself, while Launch always cuts a program's
// name, and the game paths players have stored are written for that.
enum class FolderRule {
    // The folder the map and model lists come from: a trailing "hl.exe" (any case) is cut, then
    // one trailing path separator (either kind). Anything else is the folder as it stands, so a
    // path naming another file gives that path.
    Catalogue,
    // The folder Launch starts the game in: a trailing "hlds.exe" (any case) is cut; otherwise the
    // last six characters, whatever they are (fewer when the path is shorter). The separator in
    // front of the cut stays.
    Launch,
};

QString gameFolderFromPath(const QString& path, FolderRule rule);
