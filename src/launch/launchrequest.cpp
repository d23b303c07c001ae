#include "launch/launchrequest.h"

#include "game/gamefolder.h"

#include <QDir>

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
