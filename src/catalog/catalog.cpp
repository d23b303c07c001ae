#include "catalog/catalog.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The entry of folder named name without regard to letter case: the exact name when it is there
// (one look-up), else the first such entry in character-code order; empty when there is none.
QString entryIgnoringCase(const QString& folder, const QString& name) {
    const QString sep = QDir::separator();
    if (QFileInfo::exists(folder + sep + name))
        return name;
    // An empty folder is the root, as in "<gameFolder>/valve" with an empty game folder.
    const QDir dir(folder.isEmpty() ? sep : folder);
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

// The game's sub-folder "valve/<leaf...>" with the platform's own separator.
QString gameSubFolder(const QString& gameFolder, const QStringList& leaf) {
    return findPathIgnoringCase(gameFolder, QStringList{QStringLiteral("valve")} + leaf);
}

} // namespace

QString findPathIgnoringCase(const QString& base, const QStringList& components) {
    const QString sep = QDir::separator();
    QString path = base;
    for (const QString& component : components) {
        const QString entry = entryIgnoringCase(path, component);
        if (entry.isEmpty())
            return QString();
        path += sep + entry;
    }
    return path;
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
    const QString folder =
        gameSubFolder(gameFolder, {QStringLiteral("models"), QStringLiteral("player")});
    if (folder.isEmpty())
        return {};
    // An unreadable folder simply lists nothing. QDir::Name without LocaleAware sorts by plain
    // character codes, so the order does not depend on the user's locale.
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QString modelPicturePath(const QString& gameFolder, const QString& model) {
    // A name that is no single folder name would lead out of the player models' folder.
    if (model.isEmpty() || model == u"." || model == u".." || model.contains(u'/') ||
        model.contains(u'\\'))
        return QString();
    const QString path =
        gameSubFolder(gameFolder, {QStringLiteral("models"), QStringLiteral("player"), model,
                                   model + QStringLiteral(".bmp")});
    return QFileInfo(path).isFile() ? path : QString();
}

QStringList foundMapNames(const QString& gameFolder) {
    const QString folder = gameSubFolder(gameFolder, {QStringLiteral("maps")});
    if (folder.isEmpty())
        return {};
    QDir maps(folder);
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

OfferedNames::OfferedNames(const QStringList& names) {
    folded.reserve(names.size());
    for (const QString& name : names)
        folded.insert(name.toCaseFolded());
}

bool OfferedNames::lacks(const QString& name) const {
    return !folded.isEmpty() && !name.isEmpty() && !folded.contains(name.toCaseFolded());
}
