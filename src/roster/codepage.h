#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit code page of bots.ini: Windows-1252, with its five unassigned bytes kept as the C1
// control characters of the same value, so any byte read comes back unchanged when written.
QString decodeCodePage(QByteArrayView bytes);
// A character the code page cannot hold is written as "?", a surrogate pair as one.
QByteArray encodeCodePage(QStringView text);
// Whether the code page holds every character of text, so that it is written as it is.
bool codePageHolds(QStringView text);
// The same, written from out on, which has room for text.size() bytes; returns the end of what
// was written.
char* writeCodePage(char* out, QStringView text);

// c in lower case where it is one of the ASCII letters A to Z; any other byte as it is. No other
// character of the code page has an ASCII letter as its case-insensitive match.
constexpr char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
