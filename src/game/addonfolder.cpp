#include "game/addonfolder.h"

#include "catalog/catalog.h"
#include "game/gamefolder.h"

using namespace Qt::StringLiterals;

QString gameAddonFolder(const QString& gamePath) {
    // The folder of either program: a server path names the game folder as well as a client's.
    const bool server = gamePath.endsWith(ServerProgram, Qt::CaseInsensitive);
    const QString gameFolder =
        gameFolderFromPath(server ? gameFolderFromPath(gamePath, FolderRule::Launch) : gamePath,
                           FolderRule::Catalogue);
    if (gameFolder.isEmpty())
        return QString();
    return findPathIgnoringCase(gameFolder, {u"vantrel"_s});
}
