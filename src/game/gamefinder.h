#pragma once

#include <QString>

// Where the installed game is looked for on the first start. Everything here takes the platform
// as a flag, so both platforms' rules can be checked on either.

#ifdef Q_OS_WIN
inline constexpr bool HostIsWindows = true;
#else
inline constexpr bool HostIsWindows = false;
#endif

// The installed game's folder, or empty when there is none. The store client's folders are
// searched in this order: steamPath (when not empty), then, except on Windows, Steam in the
// user's data folder dataHome (when not empty), and below home: .steam/steam, .steam/root and
// .var/app/com.valvesoftware.Steam/.local/share/Steam. Each client folder is searched itself first,
// then every library listed in its steamapps/libraryfolders.vdf, and a folder already searched
// (under another name, through a symbolic link) is not searched again. The game is
// steamapps/common/Half-Life in one of them, counted only when it holds a client program of
// gamePrograms(false, windows). On Windows the folder is given with backslashes, and steamPath
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
