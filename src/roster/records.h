#pragma once

#include <QString>

#include <array>

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
    bool isRandom() const { return randomOn(random); }
    static bool randomOn(const QString& random) {
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

// The fields of an entry, in the order the file writes them: a page's controls and a table's
// columns address them by their place in this list.
template <typename Entry> struct EntryFields;
template <> struct EntryFields<BotEntry> {
    static constexpr std::array<QString BotEntry::*, 4> Members{
        &BotEntry::name, &BotEntry::model, &BotEntry::topColor, &BotEntry::bottomColor};
};
template <> struct EntryFields<MapEntry> {
    static constexpr std::array<QString MapEntry::*, 7> Members{
        &MapEntry::name,          &MapEntry::quantity,   &MapEntry::random,
        &MapEntry::initialDelay,  &MapEntry::spawnDelay, &MapEntry::waitForPlayers,
        &MapEntry::keepServerFull};
};
template <typename Entry> constexpr int fieldCount() {
    return int(EntryFields<Entry>::Members.size());
}
template <typename Entry> QString& fieldOf(Entry& entry, int field) {
    return entry.*EntryFields<Entry>::Members[size_t(field)];
}
template <typename Entry> const QString& fieldOf(const Entry& entry, int field) {
    return entry.*EntryFields<Entry>::Members[size_t(field)];
}
// The map field of the Random flag, which a page shows as a tick.
inline constexpr int RandomField = 2;

// An entry as a page shows it and gives it back: a map's Random as "Yes" or "No", whatever text
// the file or Add wrote. A bot shows as it is.
inline BotEntry asShown(const BotEntry& bot) {
    return bot;
}
inline MapEntry asShown(MapEntry map) {
    map.random = map.isRandom() ? QStringLiteral("Yes") : QStringLiteral("No");
    return map;
}
