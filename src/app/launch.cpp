#include "app/launch.h"

#include "app/settings.h"
#include "game/gamefinder.h"
#include "game/gamefolder.h"
#include "platform/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

LaunchRequest makeLaunchRequest(const QString& gamePath, const QString& parameters) {
    LaunchRequest request;
    request.parameters = parameters;

    // Whatever else the path names, the client is started.
    const bool server = gamePath.endsWith(ServerProgram, Qt::CaseInsensitive);
    request.file = server ? ServerProgram : ClientProgram;
    request.directory = gameFolderFromPath(gamePath, FolderRule::Launch);
    return request;
}

QString launchProgramPath(const LaunchRequest& request) {
    const QString& directory = request.directory;
    if (directory.isEmpty() || directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + request.file;
    return directory + QDir::separator() + request.file;
}

std::optional<QString> firstRunnable(const QString& folder, const QStringList& names) {
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    for (const QString& name : names) {
        const QFileInfo program(dir.filePath(name));
        if (program.isFile() && program.isExecutable())
            return name;
    }
    return std::nullopt;
}

QString nothingRunnableReason(const QString& folder, const QStringList& names) {
    QString tried = names.value(0);
    if (names.size() > 1)
        tried = QCoreApplication::translate("Launch", "%1 or %2")
                    .arg(names.first(names.size() - 1).join(u", "_s), names.last());
    QString why =
        names.size() == 1
            ? QCoreApplication::translate("Launch", "it is not there as a program that can be run.")
            : QCoreApplication::translate("Launch",
                                          "none of them is there as a program that can be run.");
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        why = QCoreApplication::translate("Launch", "the folder does not exist.");
    return QCoreApplication::translate("Launch", "Could not start %1 in the folder %2: %3")
        .arg(tried, QDir::toNativeSeparators(folder), why);
}

bool launchStoredGame(QString* error) {
    LaunchRequest request = makeLaunchRequest(storedGamePath(), storedParametersToLaunch());
    if (!HostIsWindows) {
        const QStringList names = gamePrograms(request.file == ServerProgram, false);
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
