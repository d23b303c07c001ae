#pragma once

#include <QString>

// The add-on folder of the game at gamePath (the path box's text): the folder "vantrel", in any
// letter case, of the game folder that path names, whether it names the client or the dedicated
// server (hlds.exe); empty when there is none.
QString gameAddonFolder(const QString& gamePath);
