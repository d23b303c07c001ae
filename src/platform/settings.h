#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The per-user settings store, addressed by application, section and key. Values are text.
// An absent key reads as the default; a key holding empty text reads as empty text.
QString readSetting(const QString& application, const QString& section, const QString& key,
                    const QString& defaultValue);
// The same, with nothing for an absent key.
std::optional<QString> readOptionalSetting(const QString& application, const QString& section,
                                           const QString& key);
// Several keys of one section at once: the store is written out once, not once a key.
void writeSettings(const QString& application, const QString& section,
                   const QList<std::pair<QString, QString>>& keysAndValues);
// Where the store lives (a file path, or a registry key on Windows), for messages and the guide.
QString settingsLocation(const QString& application);
