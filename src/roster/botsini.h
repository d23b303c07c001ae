#pragma once

#include <QByteArray>
#include <QString>

class Module1;

// Cuts "key=value" at the first separator (letter case ignored). part "F" gives the front, "B"
// the back. Failures come back in place of the part: "Err1" unknown part, "Err2" no separator,
// "Err3" empty front, "Err4" empty back, "Err5" empty line.
QString SplitSetting(const QString& line, const QString& separator, const QString& part);

// bots.ini in the given folder.
QString botsIniPath(const QString& programFolder);

// Reads bots.ini from the program folder into the roster (which must still be empty) and its
// raw text into Text1. A missing or unreadable file, or a failure part-way, keeps what was read.
// Either list left empty gets one default entry.
void LoadBotsIni(Module1& m, const QString& programFolder);

// The same, from bytes already read; a null array stands for a file that could not be opened.
void readBotsIni(Module1& m, const QByteArray& bytes, bool opened = true);

// The complete file text for the roster: all map sections, then all bots.
QString composeBotsIni(const Module1& m);

// composeBotsIni, also shown in Text1.
QString SaveBotsIni(Module1& m);
