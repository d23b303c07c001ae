#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>
#include <utility>

// The program's stored settings: where they live, every key, and how each is read and written.
// Start-up, closing, "Save INI" and "Launch" share them.
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
inline const QString RosterLeft = QStringLiteral("RosterLeft");
inline const QString RosterTop = QStringLiteral("RosterTop");
inline const QString RosterWidth = QStringLiteral("RosterWidth");
inline const QString RosterHeight = QStringLiteral("RosterHeight");
} // namespace SettingsKeys

// A key of the program's section; an absent key reads as the default, or as nothing.
QString readStoredSetting(const QString& key, const QString& defaultValue);
std::optional<QString> readOptionalStoredSetting(const QString& key);
void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues);

// The stored game path; while none is stored (an empty one counts as stored), the installed game
// where it can be found, else FallbackGamePath.
QString storedGamePath();
// The path box and the parameters box, as "Save INI" and closing keep them.
void storeGamePathAndParameters(const QString& gamePath, const QString& parameters);
// The stored parameters: what the box shows at start-up ("-nointro" while none are stored), and
// what Launch passes (nothing while none are stored).
QString storedParametersToShow();
QString storedParametersToLaunch();

// The window's place as stored: left and top in twips, as the text kept (which may be anything);
// fallback for a key not kept.
std::pair<QString, QString> storedWindowPlace(const QString& fallback);
// The window's outer place and size, in twips.
void storeWindowPlacement(int left, int top, int width, int height);

// The Roster window's outer place and size, in twips, as kept; nothing while none is kept whole.
std::optional<QRect> storedRosterPlacement();
void storeRosterPlacement(const QRect& twips);

// The add-on folder worked on last time, as kept; nothing while none is kept.
std::optional<QString> storedAddonFolder();
// Keeps folder as the one worked on last time.
void rememberAddonFolder(const QString& folder);
