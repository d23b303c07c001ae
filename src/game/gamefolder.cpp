#include "game/gamefolder.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QStringList gamePrograms(bool server, bool windows) {
    if (server) {
        if (windows)
            return {ServerProgram};
        return {ServerProgram, u"hlds_run"_s, u"hlds_linux"_s};
    }
    if (windows)
        return {ClientProgram};
    return {ClientProgram, u"hl.sh"_s, u"hl_linux"_s};
}

QString gameFolderFromPath(const QString& path, FolderRule rule) {
    if (rule == FolderRule::Launch) {
        if (path.endsWith(ServerProgram, Qt::CaseInsensitive))
            return path.chopped(ServerProgram.size());
        return path.chopped(std::min(ClientProgram.size(), path.size()));
    }
    QString folder = path;
    if (folder.endsWith(ClientProgram, Qt::CaseInsensitive))
        folder.chop(ClientProgram.size());
    // Both separators are cut everywhere: a path typed on one system may be used on the other.
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}
