#pragma once

#include "catalog/catalog.h"
#include "roster/roster.h"

#include <QString>
#include <QStringList>

// The map and player-model names the Maps and Bots pages offer: the stock names, then what the
// game folder a game path names holds, and what each list lacks, to mark a name the game does
// not have.
struct GameLists {
    QString folder; // the game folder the names were found in
    QStringList models;
    QStringList maps;
    // A name is marked only against the names the game folder offers, never against the stock
    // ones alone: without a game folder nothing is marked.
    OfferedNames offeredModels;
    OfferedNames offeredMaps;

    // The model's picture in the game folder; empty when it has none.
    QString modelPicture(const QString& model) const { return modelPicturePath(folder, model); }
};

// The lists for the game the path (the INI page's "HL.exe path") names.
GameLists gameListsFor(const QString& gamePath);

// What the mark of a name the game folder lacks says: a player model for bots, a map for maps.
QString lackedNameText(RosterListKind list);
