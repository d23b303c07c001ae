#include "window/addonfolder.h"
#include "window/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zelvik"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELVIK_VERSION));
    // --help and --version are answered before the window system starts, so a terminal without
    // a display can ask for them.
    {
        const QCoreApplication commandLine(argc, argv);
        if (const auto answered = answerWithoutWindow(QCoreApplication::arguments()))
            return *answered;
    }
    QApplication app(argc, argv);
    const Startup startup =
        prepareStartup(QApplication::arguments(), QApplication::applicationDirPath());
    if (startup.exitCode)
        return *startup.exitCode;
    MainWindow window(startup.folder);
    window.load();
    window.show();
    return QApplication::exec();
}
