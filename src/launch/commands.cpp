#include "launch/commands.h"

#include "launch/launchrequest.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "platform/textfile.h"
#include "roster/botsini.h"
#include "roster/codepage.h"
#include "roster/module1.h"

QString ReadStoredSetting(const QString& key, const QString& defaultValue) {
    return ReadSetting(SettingsKeys::Application, SettingsKeys::Section, key, defaultValue);
}

void WriteStoredSetting(const QString& key, const QString& value) {
    WriteSetting(SettingsKeys::Application, SettingsKeys::Section, key, value);
}

void WriteStoredSettings(const QList<std::pair<QString, QString>>& keysAndValues) {
    WriteSettings(SettingsKeys::Application, SettingsKeys::Section, keysAndValues);
}

bool WriteBotsIni(Module1& m, const QString& programFolder, QString* error) {
    const QString text = SaveBotsIni(m);
    // Encoded straight into one buffer: the roster's text, then one more line break.
    QByteArray bytes;
    bytes.reserve(text.size() + m.LineBreak.size());
    appendCodePage(bytes, text);
    appendCodePage(bytes, m.LineBreak);
    return writeFileAtomically(botsIniPath(programFolder), bytes, error);
}

bool LaunchStoredGame(Module1& m, QString* error) {
    const QString path = ReadStoredSetting(SettingsKeys::HLPath, SettingsKeys::DefaultHLPath);
    const QString parameters = ReadStoredSetting(SettingsKeys::HLParameters, QString());
    const LaunchRequest request = MakeLaunchRequest(path, parameters);
    SaveBotsIni(m);
    return startProgram(LaunchProgramPath(request), request.parameters, request.directory, error);
}
