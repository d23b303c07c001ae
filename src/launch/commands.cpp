#include "launch/commands.h"

#include "game/gamefinder.h"
#include "game/gamefolder.h"
#include "launch/launchrequest.h"
#include "platform/process.h"
#include "platform/settings.h"

using namespace Qt::StringLiterals;

QString readStoredSetting(const QString& key, const QString& defaultValue) {
    return readSetting(SettingsKeys::Application, SettingsKeys::Section, key, defaultValue);
}

void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues) {
    writeSettings(SettingsKeys::Application, SettingsKeys::Section, keysAndValues);
}

QString storedGamePath() {
    if (auto stored = readOptionalSetting(SettingsKeys::Application, SettingsKeys::Section,
                                          SettingsKeys::GamePath))
        return *stored;
    return defaultGamePath();
}

bool launchStoredGame(QString* error) {
    const QString parameters = readStoredSetting(SettingsKeys::Parameters, QString());
    LaunchRequest request = makeLaunchRequest(storedGamePath(), parameters);
    if (!HostIsWindows) {
        const QStringList names = launchCandidates(request.file == ServerProgram, false);
        const auto program = firstRunnable(request.directory, names);
        if (!program) {
            if (error)
                *error = nothingRunnableReason(request.directory, names);
            return false;
        }
        request.file = *program;
    }
    return startProgram(launchProgramPath(request), request.parameters, request.directory, error);
}
