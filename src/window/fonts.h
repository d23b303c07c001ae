#pragma once

#include <QFont>

// The window's fonts. Where the Windows dialog fonts the layout was sized for are missing,
// metric-compatible or narrower faces stand in, so every caption still fits the box it was laid out
// for.
QFont dialogFont();
QFont rawTextFont();
QFont versionFont();
