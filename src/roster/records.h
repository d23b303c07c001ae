#pragma once

#include <QString>

// One bot of the roster. Every value is kept as the text the file or the window gave it.
struct BotEntry {
    QString Name;
    QString Model;
    QString TopColor;
    QString BottomColor;

    bool operator==(const BotEntry&) const = default;
};

// One map-rotation entry. A Name of "Default" (any case) marks the default-map entry.
struct MapEntry {
    QString Name;
    QString Quantity;
    QString Random;
    QString InitialDelay;
    QString SpawnDelay;
    QString WaitForPlayers;
    QString KeepServerFull;

    bool operator==(const MapEntry&) const = default;
};
