#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The stock player models and maps, in the order the combo boxes offer them.
QStringList stockModelNames();
QStringList stockMapNames();

// base followed by components, each one found without regard to letter case (as a game made for
// a system that ignores case names them), joined with the platform's separator; empty when one
// of them is not there. An empty base is the root.
QString findPathIgnoringCase(const QString& base, const QStringList& components);

// The model folders below <gameFolder>/valve/models/player (each folder name in any case);
// empty when there are none or the folder cannot be read.
QStringList foundModelNames(const QString& gameFolder);

// The model's picture, <gameFolder>/valve/models/player/<model>/<model>.bmp with each name in any
// case; empty when there is none or model is not a plain folder name.
QString modelPicturePath(const QString& gameFolder, const QString& model);

// The .bsp files (extension in any case) in <gameFolder>/valve/maps (folder names in any case),
// without their extension, at most MaxFoundMaps of them; empty when there are none or the folder
// cannot be read.
inline constexpr int MaxFoundMaps = 513;
QStringList foundMapNames(const QString& gameFolder);

// The names a list offers, to tell a name it lacks. A list's names match in any letter case, as
// the game's own folder names are found. Made from no names it lacks none: without a list, no
// name is marked.
class OfferedNames {
public:
    OfferedNames() = default;
    explicit OfferedNames(const QStringList& names);
    // Whether name is one the list does not hold; an empty name is no name, and lacks nothing.
    bool lacks(const QString& name) const;

private:
    QSet<QString> folded;
};
