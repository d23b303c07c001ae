#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Which program Launch starts, and where the game is looked for on the first start. Everything
// here takes the platform as a flag, so both platforms' rules can be checked on either.

#ifdef Q_OS_WIN
inline constexpr bool hostIsWindows = true;
#else
inline constexpr bool hostIsWindows = false;
#endif

// The programs Launch may start from the game folder, in the order they are tried. On Windows
// only "hl.exe" (client) or "hlds.exe" (server). Elsewhere the same name first, then the native
// programs of the same role: "hl.sh", "hl_linux" for the client; "hlds_run", "hlds_linux" for the
// server.
QStringList launchCandidates(bool server, bool windows);

// The first of names that is, in folder, a file that may be run (by its execute permission; on
// Windows by its extension), or nothing. An empty folder name never holds anything.
std::optional<QString> firstRunnable(const QString& folder, const QStringList& names);

// Why none of names could be started from folder, for the player: it names every file tried and
// the folder.
QString nothingRunnableReason(const QString& folder, const QStringList& names);

// The "path" values inside the library blocks of a store client's libraryfolders.vdf: quoted
// keys and values, blocks in braces, "//" comments to the end of the line, and backslash escapes
// in quoted text. A "path" counts at any depth below the top-level "libraryfolders" block's
// entries (key names in any case); everything else is ignored. Input that is cut short, badly
// formed or not text at all gives the paths read before the damage, and never fails. Blocks
// nested deeper than MaxVdfDepth end the reading.
inline constexpr int MaxVdfDepth = 32;
QStringList libraryFolderPaths(QByteArrayView vdfText);
