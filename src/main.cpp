#include "window/mainroutine.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvik"));
    Main();
    return QApplication::exec();
}
