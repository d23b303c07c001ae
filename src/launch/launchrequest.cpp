#include "launch/launchrequest.h"

#include <QDir>

using namespace Qt::StringLiterals;

LaunchRequest MakeLaunchRequest(const QString& hlPath, const QString& parameters) {
    LaunchRequest request;
    request.operation = u"Open"_s;
    request.parameters = parameters;
    request.showCommand = 1;

    const QString server = u"hlds.exe"_s;
    if (hlPath.endsWith(server, Qt::CaseInsensitive)) {
        request.file = server;
        request.directory = hlPath.chopped(server.size());
    } else {
        // Whatever the path names, the client is started; its last six characters are taken to
        // be "hl.exe" and cut off.
        request.file = u"hl.exe"_s;
        request.directory = hlPath.chopped(std::min<qsizetype>(6, hlPath.size()));
    }
    return request;
}

QString LaunchProgramPath(const LaunchRequest& request) {
    const QString& directory = request.directory;
    if (directory.isEmpty() || directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + request.file;
    return directory + QDir::separator() + request.file;
}
