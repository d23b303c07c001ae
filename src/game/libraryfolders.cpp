#include "game/libraryfolders.h"

#include <QByteArray>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Splits libraryfolders.vdf text into quoted or bare words and braces, dropping white space,
// comments and platform conditions ("[$WIN32]"). A quoted word cut short by the end of the text
// is dropped, so a truncated file never yields half a path.
class VdfTokens {
public:
    enum class Kind { End, Word, Open, Close };
    struct Token {
        Kind kind = Kind::End;
        QByteArray word;
    };

    explicit VdfTokens(QByteArrayView vdfText) : text(vdfText) {
        if (text.startsWith("\xEF\xBB\xBF"))
            at = 3;
    }

    Token next() {
        for (;;) {
            skipSpace();
            if (at >= text.size())
                return {};
            const char c = text[at];
            if (c == '/' && at + 1 < text.size() && text[at + 1] == '/') {
                skipPast('\n');
            } else if (c == '[') {
                skipPast(']');
            } else if (c == '{' || c == '}') {
                ++at;
                return {c == '{' ? Kind::Open : Kind::Close, {}};
            } else if (c == '"') {
                return quoted();
            } else {
                return bare();
            }
        }
    }

private:
    static bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    void skipSpace() {
        while (at < text.size() && isSpace(text[at]))
            ++at;
    }

    void skipPast(char last) {
        const qsizetype found = text.indexOf(last, at);
        at = found < 0 ? text.size() : found + 1;
    }

    Token quoted() {
        QByteArray word;
        for (++at; at < text.size();) {
            const char c = text[at++];
            if (c == '"')
                return {Kind::Word, std::move(word)};
            if (c != '\\' || at >= text.size()) {
                word += c;
                continue;
            }
            // Only a backslash or a quote is escaped; before anything else, as in a Windows path
            // written without escapes, the backslash stands for itself.
            const char escaped = text[at];
            if (escaped == '\\' || escaped == '"')
                ++at;
            word += escaped == '"' ? '"' : '\\';
        }
        return {};
    }

    Token bare() {
        const qsizetype start = at;
        while (at < text.size() && !isSpace(text[at]) && text[at] != '"' && text[at] != '{' &&
               text[at] != '}')
            ++at;
        return {Kind::Word, text.sliced(start, at - start).toByteArray()};
    }

    QByteArrayView text;
    qsizetype at = 0;
};

// A library's key in the list: decimal digits only.
bool isNumber(const QByteArray& key) {
    return !key.isEmpty() &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// UTF-8 text as it is, a leading byte order mark included: in a name it is a character.
QString decodedPath(const QByteArray& word) {
    // Stateless: a sequence cut short at the end becomes a replacement character, not nothing.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder.decode(word);
}

} // namespace

QStringList libraryFolderPaths(QByteArrayView vdfText) {
    using Kind = VdfTokens::Kind;
    VdfTokens tokens(vdfText);
    QStringList paths;
    int depth = 0;
    bool inLibraries = false; // the top-level block open now is "libraryfolders"
    std::optional<QByteArray> key;
    for (;;) {
        VdfTokens::Token token = tokens.next();
        switch (token.kind) {
        case Kind::End:
            return paths;
        case Kind::Word:
            if (!key) {
                key = std::move(token.word);
                break;
            }
            if (inLibraries && !token.word.isEmpty() &&
                (depth >= 2 ? key->compare("path", Qt::CaseInsensitive) == 0
                            : depth == 1 && isNumber(*key)))
                paths << decodedPath(token.word);
            key.reset();
            break;
        case Kind::Open:
            if (depth == MaxVdfDepth)
                return paths;
            if (depth == 0)
                inLibraries = key && key->compare("libraryfolders", Qt::CaseInsensitive) == 0;
            ++depth;
            key.reset();
            break;
        case Kind::Close:
            if (depth > 0) // a stray closing brace at the top is ignored
                --depth;
            key.reset();
            break;
        }
    }
}
