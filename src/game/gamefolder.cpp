#include "game/gamefolder.h"

#include <algorithm>

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
