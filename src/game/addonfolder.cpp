#include "game/addonfolder.h"

#include "catalog/catalog.h"
#include "game/gamefolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

AddonFolderChoice chooseAddonFolder(const AddonFolderFacts& facts) {
    using Source = AddonFolderChoice::Source;
    const auto holds = [](const FolderCandidate& candidate) {
        return !candidate.path.isEmpty() && candidate.holdsBotsIni;
    };
    if (!facts.argument.isEmpty())
        return {Source::Argument, facts.argument};
    if (holds(facts.own))
        return {Source::Own, facts.own.path};
    if (holds(facts.stored))
        return {Source::Stored, facts.stored.path};
    if (holds(facts.found))
        return {Source::Found, facts.found.path};
    if (facts.installed)
        return {Source::Ask, QString()};
    return {Source::OwnFallback, facts.own.path};
}

QString gameAddonFolder(const QString& gamePath) {
    const QString gameFolder = gameFolderFromPath(gamePath, FolderRule::Catalogue);
    if (gameFolder.isEmpty())
        return QString();
    return findPathIgnoringCase(gameFolder, {u"vantrel"_s});
}

namespace {

CommandLine badInput(const QString& reason) {
    return {CommandLine::Action::BadInput, QString(), reason};
}

// The folder a named path stands for, or the reason it stands for none.
CommandLine namedFolder(const QString& named) {
    const QFileInfo info(named);
    const QString shown = QDir::toNativeSeparators(named);
    if (!info.exists())
        return badInput(u"%1 does not exist."_s.arg(shown));
    QString folder = info.absoluteFilePath();
    if (!info.isDir()) {
        if (info.fileName().compare(u"bots.ini"_s, Qt::CaseInsensitive) != 0)
            return badInput(
                u"%1 is not a bots.ini file: the add-on reads only bots.ini."_s.arg(shown));
        folder = info.absolutePath();
    }
    if (!QFileInfo(folder).isReadable() || !QDir(folder).isReadable())
        return badInput(u"The folder %1 cannot be read."_s.arg(QDir::toNativeSeparators(folder)));
    return {CommandLine::Action::Run, QDir::cleanPath(folder), QString()};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Edits the bot roster in bots.ini of a bot add-on for Half-Life, and starts the game."_s);
    // Not Qt's own help option: that one also offers --help-all, which would list Qt's options.
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Displays version information."_s);
    parser.addOptions({help, version});
    parser.addPositionalArgument(
        u"folder"_s,
        u"The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: "
        u"the program's own folder when it holds a bots.ini, else the folder of last time, else "
        u"the add-on folder of the installed game."_s,
        u"[FOLDER | FILE]"_s);
    if (!parser.parse(arguments))
        return badInput(parser.errorText());
    if (parser.isSet(help))
        return {CommandLine::Action::Help, QString(), parser.helpText()};
    if (parser.isSet(version)) {
        return {CommandLine::Action::Version, QString(),
                QCoreApplication::applicationName() + u' ' +
                    QCoreApplication::applicationVersion() + u'\n'};
    }
    const QStringList named = parser.positionalArguments();
    if (named.size() > 1)
        return badInput(u"Name one folder or file, not %1."_s.arg(named.size()));
    if (named.isEmpty())
        return {};
    return namedFolder(named.first());
}
