#include "launch/gamefinder.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

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

// UTF-8 text as it is, a leading byte order mark included: in a name it is a character.
QString decodedPath(const QByteArray& word) {
    // Stateless: a sequence cut short at the end becomes a replacement character, not nothing.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder.decode(word);
}

} // namespace

QStringList launchCandidates(bool server, bool windows) {
    if (server) {
        if (windows)
            return {u"hlds.exe"_s};
        return {u"hlds.exe"_s, u"hlds_run"_s, u"hlds_linux"_s};
    }
    if (windows)
        return {u"hl.exe"_s};
    return {u"hl.exe"_s, u"hl.sh"_s, u"hl_linux"_s};
}

std::optional<QString> firstRunnable(const QString& folder, const QStringList& names) {
    if (folder.isEmpty())
        return std::nullopt;
    const QDir dir(folder);
    for (const QString& name : names) {
        const QFileInfo program(dir.filePath(name));
        if (program.isFile() && program.isExecutable())
            return name;
    }
    return std::nullopt;
}

QString nothingRunnableReason(const QString& folder, const QStringList& names) {
    QString tried = names.value(0);
    if (names.size() > 1)
        tried = names.first(names.size() - 1).join(u", "_s) + u" or "_s + names.last();
    QString why = names.size() == 1 ? u"it is not there as a program that can be run."_s
                                    : u"none of them is there as a program that can be run."_s;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        why = u"the folder does not exist."_s;
    return u"Could not start %1 in the folder %2: %3"_s.arg(tried, QDir::toNativeSeparators(folder),
                                                            why);
}

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
            if (inLibraries && depth >= 2 && key->compare("path", Qt::CaseInsensitive) == 0 &&
                !token.word.isEmpty())
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
