#pragma once

#include <QByteArrayView>
#include <QStringList>

// The library paths of a store client's libraryfolders.vdf, in the order written: quoted keys
// and values, blocks in braces, "//" comments to the end of the line, and backslash escapes in
// quoted text. Inside the top-level "libraryfolders" block (key names in any case) a library is
// either a block holding a "path", which counts at any depth below the entry, or a numbered key
// (decimal digits: "1", "2") whose value is the path itself; everything else, such as
// "TimeNextStatsReport" or a number inside a library's block, is ignored. Input that is cut
// short, badly formed or not text at all gives the paths read before the damage, and never
// fails. Blocks nested deeper than MaxVdfDepth end the reading.
inline constexpr int MaxVdfDepth = 32;
QStringList libraryFolderPaths(QByteArrayView vdfText);
