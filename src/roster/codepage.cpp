#include "roster/codepage.h"

#include <algorithm>
#include <array>

namespace {

// 0x80..0x9F; the bytes Windows-1252 leaves unassigned map to themselves.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A character the code page does not hold at its own value: one of the 32 above, or "?".
char encodeOne(char16_t c) {
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString decodeCodePage(QByteArrayView bytes) {
    // Latin-1 gives every byte but 0x80..0x9F its Windows-1252 character, and Qt widens it fast;
    // those 32 then get theirs.
    QString text = QString::fromLatin1(bytes);
    char16_t* c = reinterpret_cast<char16_t*>(text.data());
    char16_t* const end = c + text.size();
    for (; c != end; ++c) {
        if (*c >= 0x80 && *c <= 0x9F)
            *c = HighControls[*c - 0x80];
    }
    return text;
}

char* writeCodePage(char* out, QStringView text) {
    const char16_t* in = text.utf16();
    const char16_t* const end = in + text.size();
    while (in != end) {
        const char16_t c = *in++;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) { // the same value in both: nearly every one
            *out++ = char(c);
            continue;
        }
        // A pair of surrogates is one character the code page cannot hold: one "?".
        if (QChar::isHighSurrogate(c) && in != end && QChar::isLowSurrogate(*in))
            ++in;
        *out++ = encodeOne(c);
    }
    return out;
}

bool codePageHolds(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF) ||
               encodeOne(c.unicode()) != '?';
    });
}

QByteArray encodeCodePage(QStringView text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(writeCodePage(bytes.data(), text) - bytes.constData());
    return bytes;
}
