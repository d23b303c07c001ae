#pragma once

#include <QList>
#include <QString>

#include <utility>

// Where the program's settings live, and their keys: start-up, closing, "Save INI" and "Launch"
// share them.
namespace SettingsKeys {
inline const QString Application = QStringLiteral("Zelvik");
inline const QString Section = QStringLiteral("Settings");
inline const QString GamePath = QStringLiteral("HLPath");
inline const QString Parameters = QStringLiteral("HLParameters");
inline const QString WindowLeft = QStringLiteral("MainLeft");
inline const QString WindowTop = QStringLiteral("MainTop");
inline const QString WindowWidth = QStringLiteral("MainWidth");
inline const QString WindowHeight = QStringLiteral("MainHeight");
inline const QString AddonFolder = QStringLiteral("AddonFolder");
} // namespace SettingsKeys

QString readStoredSetting(const QString& key, const QString& defaultValue);
void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues);
// The stored game path; while none is stored (an empty one counts as stored), the installed game
// where it can be found, else FallbackGamePath.
QString storedGamePath();

// Starts the game named by the stored path with the stored parameters: the client, or the
// server when the path ends in "hlds.exe", from the path's folder. Elsewhere than on Windows,
// where that folder has no runnable hl.exe or hlds.exe, the game's native program of the same
// role. bots.ini is not written. On failure *error names every program tried and the folder.
bool launchStoredGame(QString* error);
