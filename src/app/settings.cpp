#include "app/settings.h"

#include "game/gamefinder.h"
#include "platform/settings.h"

#include <QDir>

QString readStoredSetting(const QString& key, const QString& defaultValue) {
    return readOptionalStoredSetting(key).value_or(defaultValue);
}

std::optional<QString> readOptionalStoredSetting(const QString& key) {
    return readOptionalSetting(SettingsKeys::Application, SettingsKeys::Section, key);
}

void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues) {
    writeSettings(SettingsKeys::Application, SettingsKeys::Section, keysAndValues);
}

QString storedGamePath() {
    if (auto stored = readOptionalStoredSetting(SettingsKeys::GamePath))
        return *stored;
    return defaultGamePath();
}

void storeGamePathAndParameters(const QString& gamePath, const QString& parameters) {
    writeStoredSettings(
        {{SettingsKeys::GamePath, gamePath}, {SettingsKeys::Parameters, parameters}});
}

QString storedParametersToShow() {
    return readStoredSetting(SettingsKeys::Parameters, QStringLiteral("-nointro"));
}

QString storedParametersToLaunch() {
    return readStoredSetting(SettingsKeys::Parameters, QString());
}

std::pair<QString, QString> storedWindowPlace(const QString& fallback) {
    return {readStoredSetting(SettingsKeys::WindowLeft, fallback),
            readStoredSetting(SettingsKeys::WindowTop, fallback)};
}

void storeWindowPlacement(int left, int top, int width, int height) {
    writeStoredSettings({{SettingsKeys::WindowLeft, QString::number(left)},
                         {SettingsKeys::WindowTop, QString::number(top)},
                         {SettingsKeys::WindowWidth, QString::number(width)},
                         {SettingsKeys::WindowHeight, QString::number(height)}});
}

std::optional<QString> storedAddonFolder() {
    return readOptionalStoredSetting(SettingsKeys::AddonFolder);
}

void rememberAddonFolder(const QString& folder) {
    writeStoredSettings({{SettingsKeys::AddonFolder, QDir::toNativeSeparators(folder)}});
}

std::optional<QRect> storedRosterPlacement() {
    int values[4] = {};
    const QString keys[4] = {SettingsKeys::RosterLeft, SettingsKeys::RosterTop,
                             SettingsKeys::RosterWidth, SettingsKeys::RosterHeight};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = readStoredSetting(keys[i], QString()).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return QRect(values[0], values[1], values[2], values[3]);
}

void storeRosterPlacement(const QRect& twips) {
    writeStoredSettings({{SettingsKeys::RosterLeft, QString::number(twips.x())},
                         {SettingsKeys::RosterTop, QString::number(twips.y())},
                         {SettingsKeys::RosterWidth, QString::number(twips.width())},
                         {SettingsKeys::RosterHeight, QString::number(twips.height())}});
}
