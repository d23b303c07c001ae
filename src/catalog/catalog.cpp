#include "catalog/catalog.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "<gameFolder><sep>valve<sep><leaf>" with the platform's own separator. An empty game folder
// deliberately yields a path from the root.
QString gameSubFolder(const QString& gameFolder, const QString& leaf) {
    const QString sep = QDir::separator();
    return gameFolder + sep + QStringLiteral("valve") + sep + leaf;
}

} // namespace

QString gameFolderFromPath(const QString& path) {
    QString folder = path;
    if (folder.endsWith(QStringLiteral("hl.exe"), Qt::CaseInsensitive))
        folder.chop(6);
    // Both separators are cut everywhere: a path typed on one system may be used on the other.
    if (folder.endsWith(QLatin1Char('\\')) || folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QStringList stockModelNames() {
    return {QStringLiteral("gina"), QStringLiteral("gordon"), QStringLiteral("helmet"),
            QStringLiteral("hgrunt"), QStringLiteral("scientist")};
}

QStringList stockMapNames() {
    return {
        QStringLiteral("boot_camp"),     QStringLiteral("bounce"),    QStringLiteral("datacore"),
        QStringLiteral("lambda_bunker"), QStringLiteral("snark_pit"), QStringLiteral("stalkyard"),
        QStringLiteral("subtransit"),    QStringLiteral("undertow"),  QStringLiteral("Default")};
}

QStringList foundModelNames(const QString& gameFolder) {
    const QString sep = QDir::separator();
    const QDir player(
        gameSubFolder(gameFolder, QStringLiteral("models") + sep + QStringLiteral("player")));
    // A missing or unreadable folder simply lists nothing. QDir::Name without LocaleAware sorts
    // by plain character codes, so the order does not depend on the user's locale.
    return player.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList foundMapNames(const QString& gameFolder) {
    QDir maps(gameSubFolder(gameFolder, QStringLiteral("maps")));
    maps.setNameFilters({QStringLiteral("*.bsp")}); // name filters ignore case by default
    // Hidden entries are asked for only so that a file called just ".bsp" (a dotfile on Unix)
    // is not lost; every other hidden file is dropped below.
    const QFileInfoList files =
        maps.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);

    QStringList names;
    for (const QFileInfo& file : files) {
        if (names.size() >= MaxFoundMaps)
            break;
        const QString fileName = file.fileName();
        const bool bareExtension = fileName.size() == 4;
        if (file.isHidden() && !bareExtension)
            continue;
        names.append(fileName.chopped(4));
    }
    return names;
}
