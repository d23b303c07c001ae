#include "app/language.h"
#include "app/startup.h"
#include "window/folderpicker.h"
#include "window/mainwindow.h"
#include "window/messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <optional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#endif

using namespace Qt::StringLiterals;

namespace {

// Whether the window system can start. On X11 and Wayland it needs a display, unless Qt is told
// to use a platform that needs none (offscreen, say); elsewhere there always is one.
bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(u"xcb"_s) && !platform.startsWith(u"wayland"_s))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Whether what the program prints can be seen. A Windows program with a window has no console of
// its own: its output goes where it was redirected to, else to the console it was started from,
// else nowhere.
bool outputVisible() {
#ifdef Q_OS_WIN
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return true;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    FILE* stream = nullptr;
    freopen_s(&stream, "CONOUT$", "w", stdout);
    freopen_s(&stream, "CONOUT$", "w", stderr);
    return true;
#else
    return true;
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zelvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELVIK_VERSION));
    // The whole command line is checked before the window system starts, so a terminal without a
    // display gets the usage, the version and the reason for bad input.
    CommandLine line;
    std::optional<Translations> translations;
    {
        const QCoreApplication commandLine(argc, argv);
        line = parseCommandLine(QCoreApplication::arguments());
        // The language --language names, else the player's; installed before any text is made,
        // and the usage or the reason made again in it.
        const QString language = line.language.isEmpty()
                                     ? chooseLanguage(QLocale().uiLanguages(), availableLanguages())
                                     : line.language;
        if (QLocale(language).language() != QLocale().language())
            QLocale::setDefault(QLocale(language));
        translations.emplace(language);
        translations->install();
        if (line.action != CommandLine::Action::Run)
            line = parseCommandLine(QCoreApplication::arguments());
    }
    if (line.action != CommandLine::Action::Run) {
        const bool answeredInText =
            line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version;
        const bool printed = outputVisible();
        if ((answeredInText && printed) || !displayAvailable())
            return *prepareStartup(line, QString(), {}).exitCode;
        // Where printing is seen by nobody the box says it; bad input is always shown in one too.
        const QApplication app(argc, argv);
        translations->install();
        if (answeredInText) {
            showMessage(nullptr, MainWindow::programName(), line.text);
            return 0;
        }
        return *prepareStartup(line, QString(), startupDialogs()).exitCode;
    }
    const QApplication app(argc, argv);
    translations->install();
    const Startup startup =
        prepareStartup(line, QApplication::applicationDirPath(), startupDialogs());
    if (startup.exitCode)
        return *startup.exitCode;
    MainWindow window(startup.folder, startup.fileName);
    window.load();
    window.show();
    return QApplication::exec();
}
