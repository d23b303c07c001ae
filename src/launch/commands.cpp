#include "launch/commands.h"

#include "launch/launchrequest.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "platform/textfile.h"
#include "roster/botsini.h"

#include <QIODevice>

QString readStoredSetting(const QString& key, const QString& defaultValue) {
    return readSetting(SettingsKeys::Application, SettingsKeys::Section, key, defaultValue);
}

void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues) {
    writeSettings(SettingsKeys::Application, SettingsKeys::Section, keysAndValues);
}

bool writeBotsIniFile(const QString& programFolder, const QString& text, QString* error) {
    return writeFileAtomically(
        botsIniPath(programFolder),
        [&](QIODevice& file) {
            return writeBotsIniText(file, text) && writeBotsIniText(file, BotsIniLineBreak);
        },
        error);
}

bool launchStoredGame(QString* error) {
    const QString path = readStoredSetting(SettingsKeys::GamePath, SettingsKeys::DefaultGamePath);
    const QString parameters = readStoredSetting(SettingsKeys::Parameters, QString());
    const LaunchRequest request = makeLaunchRequest(path, parameters);
    return startProgram(launchProgramPath(request), request.parameters, request.directory, error);
}
