#pragma once

#include "roster/botsini.h"

#include <QByteArray>
#include <QString>

class FileStamp;

// Reads the bots.ini at filePath; *stamp, when given, is what the file was.
BotsIniRead readBotsIniFile(const QString& filePath, FileStamp* stamp = nullptr);

// Replaces the bots.ini at filePath with these bytes (composeBotsIniFile's). On failure the old
// file is left whole and *error says why; on success *stamp, when given, is the file written.
bool writeBotsIniFile(const QString& filePath, const QByteArray& fileBytes, QString* error,
                      FileStamp* stamp = nullptr);
