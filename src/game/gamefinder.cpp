#include "game/gamefinder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

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

// Below home, after the one in the data folder.
const QString ClientSubfolders[] = {
    u".steam/steam"_s,
    u".steam/root"_s,
    u".var/app/com.valvesoftware.Steam/.local/share/Steam"_s,
};

// The store client's folders to search, most likely first.
QStringList clientFolders(const QString& home, const QString& dataHome, const QString& steamPath,
                          bool windows) {
    QStringList folders;
    if (!steamPath.isEmpty())
        folders << steamPath;
    if (!windows && !dataHome.isEmpty())
        folders << dataHome + u"/Steam"_s;
    if (!windows && !home.isEmpty()) {
        for (const QString& subfolder : ClientSubfolders)
            folders << home + u'/' + subfolder;
    }
    return folders;
}

// The libraries the client folder lists; none when its list is missing or unreadable. Only a
// regular file is opened, so a pipe or a device in its place cannot stall the search.
QStringList listedLibraries(const QString& clientFolder) {
    const QFileInfo info(clientFolder + u"/steamapps/libraryfolders.vdf"_s);
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return libraryFolderPaths(file.read(MaxVdfBytes));
}

// The game folder in a library, when it holds a client program this platform can start.
QString gameFolderIn(const QString& library, bool windows) {
    QString folder = library + u"/steamapps/common/Half-Life"_s;
    for (const QString& name : launchCandidates(false, windows)) {
        if (QFileInfo(folder + u'/' + name).isFile())
            return folder;
    }
    return {};
}

// True the first time a folder that exists is met, under whatever name.
bool firstVisit(QSet<QString>& visited, const QString& folder) {
    if (!QDir::isAbsolutePath(folder))
        return false;
    const QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty() || visited.contains(real))
        return false;
    visited.insert(real);
    return true;
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

QString findGameFolder(const QString& home, const QString& dataHome, const QString& steamPath,
                       bool windows) {
    const auto clean = [windows](QString path) {
        if (windows)
            path.replace(u'\\', u'/');
        return QDir::cleanPath(path);
    };
    QSet<QString> clientsSearched;
    QSet<QString> librariesSearched;
    for (const QString& client : clientFolders(home, dataHome, steamPath, windows)) {
        const QString clientFolder = clean(client);
        if (!firstVisit(clientsSearched, clientFolder))
            continue;
        QStringList libraries{clientFolder};
        for (const QString& listed : listedLibraries(clientFolder))
            libraries << clean(listed);
        for (const QString& library : libraries) {
            if (!firstVisit(librariesSearched, library))
                continue;
            QString game = gameFolderIn(library, windows);
            if (!game.isEmpty())
                return windows ? game.replace(u'/', u'\\') : game;
        }
    }
    return {};
}

QString defaultGamePath(const QString& home, const QString& dataHome, const QString& steamPath,
                        bool windows) {
    const QString folder = findGameFolder(home, dataHome, steamPath, windows);
    if (folder.isEmpty())
        return FallbackGamePath;
    return folder + (windows ? u'\\' : u'/') + u"hl.exe"_s;
}

QString defaultGamePath() {
    QString steamPath;
#ifdef Q_OS_WIN
    // The store client keeps its folder here, with forward slashes.
    const QSettings steam(u"HKEY_CURRENT_USER\\Software\\Valve\\Steam"_s, QSettings::NativeFormat);
    steamPath = steam.value(u"SteamPath"_s).toString();
#endif
    // The user's data folder: XDG_DATA_HOME when it is set, else .local/share below home.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return defaultGamePath(QDir::homePath(), dataHome, steamPath, HostIsWindows);
}
