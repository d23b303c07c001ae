#include "launch/commands.h"

#include "launch/gamefinder.h"
#include "launch/launchrequest.h"
#include "platform/filestamp.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "platform/textfile.h"
#include "roster/botsini.h"

#include <QCryptographicHash>
#include <QFile>
#include <QIODevice>

using namespace Qt::StringLiterals;

QString readStoredSetting(const QString& key, const QString& defaultValue) {
    return readSetting(SettingsKeys::Application, SettingsKeys::Section, key, defaultValue);
}

void writeStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues) {
    writeSettings(SettingsKeys::Application, SettingsKeys::Section, keysAndValues);
}

BotsIniRead readBotsIniFile(const QString& programFolder, FileStamp* stamp) {
    const QString path = botsIniPath(programFolder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (stamp)
            *stamp = FileStamp();
        return readBotsIni({}, false);
    }
    const QByteArray bytes = file.readAll();
    const bool failed = file.error() != QFileDevice::NoError;
    file.close();
    if (stamp)
        *stamp = failed ? FileStamp() : FileStamp::of(path, bytes);
    return readBotsIni(bytes, !failed);
}

bool writeBotsIniFile(const QString& programFolder, const QString& text, QString* error,
                      FileStamp* stamp) {
    const QString path = botsIniPath(programFolder);
    QCryptographicHash hash(FileStamp::HashAlgorithm);
    qint64 size = 0;
    const bool written = writeFileAtomically(
        path,
        [&](QIODevice& file) {
            const bool whole = writeBotsIniText(file, text, &hash) &&
                               writeBotsIniText(file, BotsIniLineBreak, &hash);
            size = file.pos();
            return whole;
        },
        error);
    if (written && stamp)
        *stamp = FileStamp::of(path, size, hash.result());
    return written;
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
        const QStringList names = launchCandidates(request.file == u"hlds.exe"_s, false);
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
