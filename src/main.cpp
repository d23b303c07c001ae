#include "app/startup.h"
#include "window/folderpicker.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zelvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELVIK_VERSION));
    // The command line is read before the window system starts, so a terminal without a display
    // can ask for --help and --version.
    CommandLine line;
    {
        const QCoreApplication commandLine(argc, argv);
        line = parseCommandLine(QCoreApplication::arguments());
    }
    const bool answeredInText =
        line.action == CommandLine::Action::Help || line.action == CommandLine::Action::Version;
    if (answeredInText)
        return *prepareStartup(line, QString(), {}).exitCode;
    QApplication app(argc, argv);
    const Startup startup =
        prepareStartup(line, QApplication::applicationDirPath(), startupDialogs());
    if (startup.exitCode)
        return *startup.exitCode;
    MainWindow window(startup.folder);
    window.load();
    window.show();
    return QApplication::exec();
}
