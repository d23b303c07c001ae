#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Which program Launch starts, and where the game is looked for on the first start. Everything
// here takes the platform as a flag, so both platforms' rules can be checked on either.

#ifdef Q_OS_WIN
inline constexpr bool HostIsWindows = true;
#else
inline constexpr bool HostIsWindows = false;
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

// The library paths of a store client's libraryfolders.vdf, in the order written: quoted keys
// and values, blocks in braces, "//" comments to the end of the line, and backslash escapes in
// quoted text. Inside the top-level "libraryfolders" block (key names in any case) a library is
// either a block holding a "path", which counts at any depth below the entry, or a numbered key
// (decimal digits: "1", "2") whose value is the path itself; everything else, such as
// "TimeNextStatsReport" or a number inside a library's block, is ignored. Input that is cut
// short, badly formed or not text at all gives the paths read before the damage, and never
// fails. Blocks nested deeper than MaxVdfDepth end the reading.
inline constexpr int MaxVdfDepth = 32;
QStringList libraryFolderPaths(QByteArrayView vdfText);

// The installed game's folder, or empty when there is none. The store client's folders are
// searched in this order: steamPath (when not empty), then, except on Windows, Steam in the
// user's data folder dataHome (when not empty), and below home: .steam/steam, .steam/root and
// .var/app/com.valvesoftware.Steam/.local/share/Steam. Each client folder is searched itself first,
// then every library listed in its steamapps/libraryfolders.vdf, and a folder already searched
// (under another name, through a symbolic link) is not searched again. The game is
// steamapps/common/Half-Life in one of them, counted only when it holds a client program of
// launchCandidates(false, windows). On Windows the folder is given with backslashes, and steamPath
// may use either separator. At most MaxVdfBytes of each list are read; a real one is a few
// kilobytes.
inline constexpr qsizetype MaxVdfBytes = qsizetype(1024) * 1024;
QString findGameFolder(const QString& home, const QString& dataHome, const QString& steamPath,
                       bool windows);

// The game path shown when none is stored and no game is found.
inline const QString FallbackGamePath = QStringLiteral("C:\\Half-Life\\HL.exe");

// The game path the path box shows when none is stored: the found game folder, the platform's
// separator and "hl.exe", so that cutting the last six characters leaves the folder and its
// separator; FallbackGamePath when nothing is found.
QString defaultGamePath(const QString& home, const QString& dataHome, const QString& steamPath,
                        bool windows);

// defaultGamePath for this user on this computer: the home folder, the data folder
// QStandardPaths names (XDG_DATA_HOME when it is set, else .local/share below home), and on
// Windows the store client's folder from the per-user registry. It reads the disk every time and
// writes nothing.
QString defaultGamePath();
