#include "app/startup.h"

#include "app/language.h"
#include "app/settings.h"
#include "game/addonfolder.h"
#include "roster/botsini.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

CommandLine badInput(const QString& reason) {
    return {CommandLine::Action::BadInput, QString(), QString(), reason, QString()};
}

// The folder a named path stands for, or the reason it stands for none.
CommandLine namedFolder(const QString& named) {
    const QFileInfo info(named);
    const QString shown = QDir::toNativeSeparators(named);
    if (!info.exists())
        return badInput(
            QCoreApplication::translate("CommandLine", "%1 does not exist.").arg(shown));
    QString folder = info.absoluteFilePath();
    QString fileName;
    if (!info.isDir()) {
        if (info.fileName().compare(u"bots.ini"_s, Qt::CaseInsensitive) != 0)
            return badInput(QCoreApplication::translate(
                                "CommandLine", "%1 is not a bots.ini file: the add-on reads only "
                                               "bots.ini.")
                                .arg(shown));
        folder = info.absolutePath();
        fileName = info.fileName();
    }
    if (!QFileInfo(folder).isReadable() || !QDir(folder).isReadable())
        return badInput(QCoreApplication::translate("CommandLine", "The folder %1 cannot be read.")
                            .arg(QDir::toNativeSeparators(folder)));
    return {CommandLine::Action::Run, QDir::cleanPath(folder), fileName, QString(), QString()};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    const QStringList languages = availableLanguages();
    const QString languageList = languages.join(u", "_s);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Edits the bot roster in bots.ini of a bot "
                                                   "add-on for Half-Life, and starts the game."));
    // Not Qt's own help option: that one also offers --help-all, which would list Qt's options.
    const QCommandLineOption help(
        {u"h"_s, u"help"_s}, QCoreApplication::translate("CommandLine", "Displays this help."));
    const QCommandLineOption version(
        {u"v"_s, u"version"_s},
        QCoreApplication::translate("CommandLine", "Displays version information."));
    const QCommandLineOption language(
        u"language"_s,
        QCoreApplication::translate("CommandLine",
                                    "Shows Zelvik in this language for this run: %1.")
            .arg(languageList),
        QCoreApplication::translate("CommandLine", "code"));
    parser.addOptions({help, version, language});
    parser.addPositionalArgument(
        u"folder"_s,
        QCoreApplication::translate(
            "CommandLine",
            "The add-on folder whose bots.ini to edit, or that bots.ini file itself. Without it: "
            "the program's own folder when it holds a bots.ini, else the folder of last time, "
            "else the add-on folder of the installed game."),
        QCoreApplication::translate("CommandLine", "[FOLDER | FILE]"));
    if (!parser.parse(arguments))
        return badInput(parser.errorText());
    QString translation;
    if (parser.isSet(language)) {
        translation = translationFor(parser.value(language), languages);
        if (translation.isEmpty()) {
            return badInput(QCoreApplication::translate(
                                "CommandLine", "Zelvik has no translation into \"%1\". Its "
                                               "languages: %2.")
                                .arg(parser.value(language), languageList));
        }
    }
    CommandLine line;
    const QStringList named = parser.positionalArguments();
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::Help;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::Version;
        line.text = QCoreApplication::applicationName() + u' ' +
                    QCoreApplication::applicationVersion() + u'\n';
    } else if (named.size() > 1) {
        return badInput(
            QCoreApplication::translate("CommandLine", "Name one folder or file, not %1.")
                .arg(named.size()));
    } else if (!named.isEmpty()) {
        line = namedFolder(named.first());
    }
    line.language = translation;
    return line;
}

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
    if (facts.installed) {
        if (!facts.stored.path.isEmpty() && facts.stored.exists)
            return {Source::Stored, facts.stored.path};
        return {Source::Ask, QString()};
    }
    return {Source::OwnFallback, facts.own.path};
}

namespace {

FolderCandidate candidate(const QString& path) {
    if (path.isEmpty())
        return {};
    return {path, QFileInfo(botsIniPath(path)).isFile(), QFileInfo(path).isDir()};
}

// The folder a copy launcher kept in its own file, which this program takes over once.
QString launcherFolder() {
#ifdef Q_OS_WIN
    return QString();
#else
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + u"/.config"_s;
    QFile file(configHome + u"/zelvik-launcher/addon-dir"_s);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QFile::decodeName(file.readLine().trimmed());
#endif
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The folder of last time; while none is kept, the launcher's folder, taken over once.
QString lastAddonFolder() {
    if (auto stored = storedAddonFolder())
        return *stored;
    QString taken = launcherFolder();
    if (!taken.isEmpty())
        rememberAddonFolder(taken);
    return taken;
}

} // namespace

bool runsInstalled(const QString& ownFolder) {
#ifdef ZELVIK_INSTALLED_DESKTOP_ENTRY
    if (QFileInfo(QDir(ownFolder).filePath(QStringLiteral(ZELVIK_INSTALLED_DESKTOP_ENTRY)))
            .isFile())
        return true;
#endif
    QTemporaryFile probe(QDir(ownFolder).filePath(u".zelvik-XXXXXX"_s));
    return !probe.open();
}

QString startupFolder(const QString& argument, const QString& ownFolder,
                      const FolderQuestion& askPlayer) {
    const AddonFolderChoice choice =
        chooseAddonFolder({argument, candidate(ownFolder), candidate(lastAddonFolder()),
                           candidate(gameAddonFolder(storedGamePath())), runsInstalled(ownFolder)});
    if (choice.source != AddonFolderChoice::Source::Ask) {
        if (choice.remembered())
            rememberAddonFolder(choice.folder);
        return choice.folder;
    }
    QString picked = askPlayer();
    if (!picked.isEmpty()) {
        rememberAddonFolder(picked);
        return picked;
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    rememberAddonFolder(data);
    return data;
}

Startup prepareStartup(const CommandLine& line, const QString& ownFolder,
                       const StartupPlayer& player) {
    switch (line.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        print(stdout, line.text);
        return {0, QString(), QString()};
    case CommandLine::Action::BadInput:
        print(stderr, u"zelvik: "_s + line.text + u'\n');
        if (player.tell)
            player.tell(line.text);
        return {2, QString(), QString()};
    case CommandLine::Action::Run:
        break;
    }
    return {std::nullopt, startupFolder(line.folder, ownFolder, player.askFolder), line.fileName};
}
