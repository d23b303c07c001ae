#pragma once

#include <QList>
#include <QString>

#include <utility>

class Module1;

// Settings store address and keys shared by start-up, close, "Save INI" and "Launch".
namespace SettingsKeys {
inline const QString Application = QStringLiteral("Zelvik");
inline const QString Section = QStringLiteral("Settings");
inline const QString HLPath = QStringLiteral("HLPath");
inline const QString HLParameters = QStringLiteral("HLParameters");
inline const QString MainLeft = QStringLiteral("MainLeft");
inline const QString MainTop = QStringLiteral("MainTop");
inline const QString MainWidth = QStringLiteral("MainWidth");
inline const QString MainHeight = QStringLiteral("MainHeight");
inline const QString DefaultHLPath = QStringLiteral("C:\\Half-Life\\HL.exe");
} // namespace SettingsKeys

QString ReadStoredSetting(const QString& key, const QString& defaultValue);
void WriteStoredSetting(const QString& key, const QString& value);
void WriteStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues);

// Replaces bots.ini in the program folder with the roster's text and one more line break,
// refreshing Text1. On failure the old file is left whole and *error says why.
bool WriteBotsIni(Module1& m, const QString& programFolder, QString* error);

// Starts the game named by the stored path with the stored parameters, after refreshing Text1.
// bots.ini is not written. On failure *error names the program and folder tried.
bool LaunchStoredGame(Module1& m, QString* error);
