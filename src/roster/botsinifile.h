#pragma once

#include "roster/botsini.h"

#include <QByteArray>
#include <QString>

class FileStamp;

// Reads bots.ini from the program folder; *stamp, when given, is what the file was.
BotsIniRead readBotsIniFile(const QString& programFolder, FileStamp* stamp = nullptr);
// The same for the file at filePath.
BotsIniRead readBotsIniFileAt(const QString& filePath, FileStamp* stamp = nullptr);

// Replaces bots.ini in the program folder with these bytes (composeBotsIniFile's). On failure
// the old file is left whole and *error says why; on success *stamp, when given, is the file
// written.
bool writeBotsIniFile(const QString& programFolder, const QByteArray& fileBytes, QString* error,
                      FileStamp* stamp = nullptr);
// The same for the file at filePath.
bool writeBotsIniFileAt(const QString& filePath, const QByteArray& fileBytes, QString* error,
                        FileStamp* stamp = nullptr);
