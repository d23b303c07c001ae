#pragma once

#include <QString>

// One bot of the roster. Every value is kept as the text the file or the window gave it.
struct BotEntry {
    QString name;
    QString model;
    QString topColor;
    QString bottomColor;

    // A bot can be left on paging only with a name and a model.
    bool isComplete() const { return !name.isEmpty() && !model.isEmpty(); }
    // What "Add" puts in as the n-th bot.
    static BotEntry numbered(int n) {
        return {QStringLiteral("Bot") + QString::number(n), QStringLiteral("Barney"),
                QStringLiteral("1"), QStringLiteral("1")};
    }

    bool operator==(const BotEntry&) const = default;
};

// One map-rotation entry. A name of "Default" (any case) marks the default-map entry.
struct MapEntry {
    QString name;
    QString quantity;
    QString random;
    QString initialDelay;
    QString spawnDelay;
    QString waitForPlayers;
    QString keepServerFull;

    // A map can be left on paging only with a name.
    bool isComplete() const { return !name.isEmpty(); }
    // Random is on when it reads "1" or "Yes" (any case); the page's Random box writes "Yes" or
    // "No".
    bool isRandom() const {
        return random == u"1" || random.compare(u"Yes", Qt::CaseInsensitive) == 0;
    }
    // What "Add" puts in as the n-th map.
    static MapEntry numbered(int n) {
        return {QStringLiteral("Map") + QString::number(n),
                QStringLiteral("1"),
                QStringLiteral("0"),
                QStringLiteral("1"),
                QStringLiteral("1"),
                QStringLiteral("0"),
                QStringLiteral("0")};
    }

    bool operator==(const MapEntry&) const = default;
};
