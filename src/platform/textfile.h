#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces the file with the bytes put out by write, in as many pieces as it likes, so that on
// any failure the old file stays whole; write returns false when a piece could not be written.
// A path that is a symbolic link writes the link's target and keeps the link. On failure returns
// false and puts a reason fit for the player into *error.
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error);
