#include "game/gamefinder.h"

#include "game/gamefolder.h"
#include "game/libraryfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

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
    for (const QString& name : gamePrograms(false, windows)) {
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
    return folder + (windows ? u'\\' : u'/') + ClientProgram;
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
