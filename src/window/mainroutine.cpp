#include "window/mainroutine.h"

#include "window/frmmain.h"

namespace {
frmMain* mainForm = nullptr;
}

void Main() {
    mainForm = new frmMain;
    mainForm->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(mainForm, &QObject::destroyed, [] { mainForm = nullptr; });
    mainForm->show();
}

frmMain* MainForm() {
    return mainForm;
}
