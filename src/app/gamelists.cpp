#include "app/gamelists.h"

#include "game/gamefolder.h"

#include <QCoreApplication>

GameLists gameListsFor(const QString& gamePath) {
    GameLists lists;
    lists.folder = gameFolderFromPath(gamePath, FolderRule::Catalogue);
    const QStringList foundModels = foundModelNames(lists.folder);
    const QStringList foundMaps = foundMapNames(lists.folder);
    lists.models = stockModelNames() + foundModels;
    lists.maps = stockMapNames() + foundMaps;
    if (!foundModels.isEmpty())
        lists.offeredModels = OfferedNames(lists.models);
    if (!foundMaps.isEmpty())
        lists.offeredMaps = OfferedNames(lists.maps);
    return lists;
}

QString lackedNameText(RosterListKind list) {
    return list == RosterListKind::Bots
               ? QCoreApplication::translate("GameLists",
                                             "The game folder has no player model of this name.")
               : QCoreApplication::translate("GameLists",
                                             "The game folder has no map of this name.");
}
