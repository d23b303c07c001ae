#include "launch/commands.h"

#include "launch/launchrequest.h"
#include "platform/process.h"
#include "platform/settings.h"
#include "platform/textfile.h"
#include "roster/botsini.h"
#include "roster/codepage.h"
#include "roster/module1.h"

#include <QIODevice>

#include <algorithm>

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
    // Encoded a piece at a time into one small buffer: a full roster's text would otherwise take
    // another 9 MB, all of it new memory to the system.
    return writeFileAtomically(
        botsIniPath(programFolder),
        [&](QIODevice& file) {
            constexpr qsizetype Piece = 64 * 1024;
            QByteArray bytes;
            const auto put = [&](QStringView part) {
                for (qsizetype at = 0; at < part.size();) {
                    qsizetype length = std::min(Piece, part.size() - at);
                    // A surrogate pair cut in two would be written as two "?" instead of one.
                    if (at + length < part.size() && part.at(at + length - 1).isHighSurrogate())
                        ++length;
                    bytes.clear();
                    appendCodePage(bytes, part.sliced(at, length));
                    if (file.write(bytes) != bytes.size())
                        return false;
                    at += length;
                }
                return true;
            };
            // The roster's text, then one more line break.
            return put(text) && put(m.LineBreak);
        },
        error);
}

bool LaunchStoredGame(Module1& m, QString* error) {
    const QString path = ReadStoredSetting(SettingsKeys::HLPath, SettingsKeys::DefaultHLPath);
    const QString parameters = ReadStoredSetting(SettingsKeys::HLParameters, QString());
    const LaunchRequest request = MakeLaunchRequest(path, parameters);
    SaveBotsIni(m);
    return startProgram(LaunchProgramPath(request), request.parameters, request.directory, error);
}
