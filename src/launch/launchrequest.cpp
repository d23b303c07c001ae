#include "launch/launchrequest.h"

#include <QDir>

using namespace Qt::StringLiterals;

LaunchRequest makeLaunchRequest(const QString& gamePath, const QString& parameters) {
    LaunchRequest request;
    request.parameters = parameters;

    const QString server = u"hlds.exe"_s;
    if (gamePath.endsWith(server, Qt::CaseInsensitive)) {
        request.file = server;
        request.directory = gamePath.chopped(server.size());
    } else {
        // Whatever the path names, the client is started; its last six characters are taken to
        // be "hl.exe" and cut off.
        request.file = u"hl.exe"_s;
        request.directory = gamePath.chopped(std::min<qsizetype>(6, gamePath.size()));
    }
    return request;
}

QString launchProgramPath(const LaunchRequest& request) {
    const QString& directory = request.directory;
    if (directory.isEmpty() || directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + request.file;
    return directory + QDir::separator() + request.file;
}
