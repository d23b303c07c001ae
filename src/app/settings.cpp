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

std::optional<QString> storedAddonFolder() {
    return readOptionalStoredSetting(SettingsKeys::AddonFolder);
}

void rememberAddonFolder(const QString& folder) {
    writeStoredSettings({{SettingsKeys::AddonFolder, QDir::toNativeSeparators(folder)}});
}
