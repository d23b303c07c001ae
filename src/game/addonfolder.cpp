#include "game/addonfolder.h"

#include "catalog/catalog.h"
#include "game/gamefolder.h"

using namespace Qt::StringLiterals;

QString gameAddonFolder(const QString& gamePath) {
    const QString gameFolder = gameFolderFromPath(gamePath, FolderRule::Catalogue);
    if (gameFolder.isEmpty())
        return QString();
    return findPathIgnoringCase(gameFolder, {u"vantrel"_s});
}
