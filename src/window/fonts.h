#pragma once

#include <QFont>

// The window's fonts. Where the classic Windows dialog fonts are missing, metric-compatible or
// narrower faces stand in, so every caption still fits the box it was laid out for.
QFont dialogFont();
QFont rawTextFont();
QFont versionFont();
