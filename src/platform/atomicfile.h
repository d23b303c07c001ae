#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Replaces the file with the bytes put out by write, in as many pieces as it likes, so that on
// any failure the old file stays whole; write returns false when a piece could not be written.
// Each piece goes to the system as it comes (there is no buffer in between), so pieces of some
// kilobytes do best. A path that is a symbolic link writes the link's target and keeps the link.
// On failure returns false and puts a reason fit for the player into *error, naming the
// system's reason, such as "No space left on device".
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         QString* error);
