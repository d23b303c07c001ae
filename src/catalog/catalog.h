#pragma once

#include <QString>
#include <QStringList>

// The game folder of an executable path: a trailing "hl.exe" (any case) is cut, then one trailing
// path separator. Anything else is kept whole, so a path naming another file gives that path.
QString gameFolderFromPath(const QString& path);

// The stock player models and maps, in the order the combo boxes offer them.
QStringList stockModelNames();
QStringList stockMapNames();

// The model folders below <gameFolder>/valve/models/player; empty when there are none or the
// folder cannot be read.
QStringList foundModelNames(const QString& gameFolder);

// The .bsp files (extension in any case) in <gameFolder>/valve/maps, without their extension, at
// most MaxFoundMaps of them; empty when there are none or the folder cannot be read.
inline constexpr int MaxFoundMaps = 513;
QStringList foundMapNames(const QString& gameFolder);
