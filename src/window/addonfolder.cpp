// The folder the program works on: chosen at start-up, and another one opened with Ctrl+O.
#include "window/addonfolder.h"

#include "game/addonfolder.h"
#include "launch/commands.h"
#include "platform/settings.h"
#include "roster/botsinifile.h"
#include "ui_mainwindow.h"
#include "window/mainwindow.h"
#include "window/messages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString PickerTitle =
    u"Open add-on folder: choose the bot add-on's folder (vantrel in the Half-Life folder), "
    u"where its bots.ini is"_s;

FolderPicker& installedPicker() {
    static FolderPicker picker;
    return picker;
}

FolderCandidate candidate(const QString& path) {
    return {path, !path.isEmpty() && QFileInfo(botsIniPath(path)).isFile()};
}

// The folder set with the copy launcher of earlier packages, kept in its own file.
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

// The folder of last time; while none is kept, the launcher's folder, taken over once.
QString storedAddonFolder() {
    if (auto stored = readOptionalSetting(SettingsKeys::Application, SettingsKeys::Section,
                                          SettingsKeys::AddonFolder))
        return *stored;
    QString taken = launcherFolder();
    if (!taken.isEmpty())
        rememberAddonFolder(taken);
    return taken;
}

QString startupFolder(const QString& argument, const QString& ownFolder) {
    const AddonFolderChoice choice =
        chooseAddonFolder({argument, candidate(ownFolder), candidate(storedAddonFolder()),
                           candidate(gameAddonFolder(storedGamePath())), runsInstalled(ownFolder)});
    if (choice.source != AddonFolderChoice::Source::Ask) {
        if (choice.remembered())
            rememberAddonFolder(choice.folder);
        return choice.folder;
    }
    QString picked = pickAddonFolder(nullptr, QDir::homePath());
    if (!picked.isEmpty()) {
        rememberAddonFolder(picked);
        return picked;
    }
    // Never a system folder: the player's own data folder, where "Save INI" may create the file.
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

QString pickAddonFolder(QWidget* parent, const QString& startFolder) {
    const FolderPicker picker = installedPicker();
    if (picker)
        return picker(parent, startFolder);
    return QFileDialog::getExistingDirectory(parent, PickerTitle, startFolder);
}

FolderPicker setFolderPicker(FolderPicker picker) {
    return std::exchange(installedPicker(), std::move(picker));
}

void rememberAddonFolder(const QString& folder) {
    writeStoredSettings({{SettingsKeys::AddonFolder, QDir::toNativeSeparators(folder)}});
}

bool runsInstalled(const QString& ownFolder) {
    const QFileInfo own(ownFolder);
#ifdef ZELVIK_INSTALL_BINDIR
    const QString installed = QFileInfo(QStringLiteral(ZELVIK_INSTALL_BINDIR)).canonicalFilePath();
    if (!installed.isEmpty() && own.canonicalFilePath() == installed)
        return true;
#endif
    return !own.isWritable();
}

std::optional<int> answerWithoutWindow(const QStringList& arguments) {
    const CommandLine line = parseCommandLine(arguments);
    if (line.action != CommandLine::Action::Help && line.action != CommandLine::Action::Version)
        return std::nullopt;
    print(stdout, line.text);
    return 0;
}

Startup prepareStartup(const QStringList& arguments, const QString& ownFolder) {
    const CommandLine line = parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        return {answerWithoutWindow(arguments), QString()};
    case CommandLine::Action::BadInput:
        print(stderr, u"zelvik: "_s + line.text + u'\n');
        showMessage(nullptr, MainWindow::ProgramName, line.text);
        return {2, QString()};
    case CommandLine::Action::Run:
        break;
    }
    return {std::nullopt, startupFolder(line.folder, ownFolder)};
}

// Ctrl+O, and the INI page's context menu.
void MainWindow::addOpenFolderAction() {
    auto* action = new QAction(u"Open add-on folder..."_s, this);
    action->setShortcut(QKeySequence::Open);
    connect(action, &QAction::triggered, this, &MainWindow::openAddonFolder);
    addAction(action);
    ui->iniTextView->addAction(action);
    ui->iniPage->addAction(action);
    ui->iniPage->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Settles unsaved edits as closing does, then reads the chosen folder's roster as start-up does.
void MainWindow::openAddonFolder() {
    if (!settleUnsavedEdits(u"opening another folder"_s))
        return;
    const QString picked = pickAddonFolder(this, folder);
    if (picked.isEmpty())
        return;
    folder = picked;
    loadRoster();
    setBotsCaption();
    savedRoster = rosterToSave();
    rememberAddonFolder(folder);
}
