#pragma once

#include "roster/roster.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

class QCryptographicHash;
class QIODevice;

// Every line of bots.ini ends with CR LF, and the written file has one more at its end.
inline const QString BotsIniLineBreak = QStringLiteral("\r\n");

// bots.ini in the given folder.
QString botsIniPath(const QString& programFolder);

// What reading bots.ini gives: the roster, with one default entry in a list the file left
// empty, and the text the INI page shows, still in the file's code page.
struct BotsIniRead {
    Roster roster;
    QByteArray text;
    // False when the file could not be opened or read to its end, or a list would have passed
    // its limit: text is then empty, and the roster holds what came before the stop.
    bool readToEnd = false;
};

// Reads the file's bytes; opened false stands for a file that could not be opened or read.
BotsIniRead readBotsIni(const QByteArray& bytes, bool opened = true);

// The complete file text for the roster: all map sections, then all bots.
QString composeBotsIni(const Roster& roster);

// Whether composeBotsIni gives both rosters the same text, found without composing it: entries 1
// to count() of each list are compared key by key as the writer puts them out, so a default map's
// name, which its header stands for, may differ in letter case.
bool composesSame(const Roster& a, const Roster& b);

// Writes text to the device in the file's code page, a piece at a time, so that a full roster
// never needs a second copy of its 9 MB text; each piece also goes into hash, when given. False
// when a piece could not be written.
bool writeBotsIniText(QIODevice& device, QStringView text, QCryptographicHash* hash = nullptr);
