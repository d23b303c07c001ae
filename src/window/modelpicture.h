#pragma once

#include <QString>

// A tool tip that shows the picture at path (as modelPicturePath finds it); empty for an empty
// path, so that a model without a picture has no tool tip.
QString modelPictureToolTip(const QString& path);
