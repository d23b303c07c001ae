// Find and Go to, of the main window.
#include "window/mainwindow.h"

#include "ui_mainwindow.h"

#include <QAction>

using namespace Qt::StringLiterals;

// The keys act from every control of the window; the pages' context menus keep to the entry.
void MainWindow::addFindActions() {
    findBox = new FindBox(this);
    connect(findBox, &FindBox::findRequested, this, &MainWindow::findAgain);
    const auto make = [this](const QString& text, QKeyCombination key, auto handler) {
        auto* action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        addAction(action);
    };
    make(u"Find..."_s, Qt::CTRL | Qt::Key_F, [this] { openFind(); });
    make(u"Find Next"_s, QKeyCombination(Qt::Key_F3), [this] { findAgain(lastFind, false); });
    make(u"Find Previous"_s, Qt::SHIFT | Qt::Key_F3, [this] { findAgain(lastFind, true); });
    make(u"Go to..."_s, Qt::CTRL | Qt::Key_G, [this] { goToEntry(); });
}

void MainWindow::openFind() {
    const int tab = ui->pageTabs->currentIndex();
    findBox->open(tab == 0 ? u"bots"_s : tab == 1 ? u"maps"_s : u"the INI text"_s);
}

// The box says when nothing matches; the entry or the selection on view then stays.
void MainWindow::findAgain(const QString& text, bool backwards) {
    if (text.isEmpty())
        return;
    lastFind = text;
    const int tab = ui->pageTabs->currentIndex();
    bool found = true;
    if (tab == 0)
        found = botsPage->find(text, backwards) != BotsPage::Found::None;
    else if (tab == 1)
        found = mapsPage->find(text, backwards) != MapsPage::Found::None;
    else
        found = ui->iniTextView->find(text, backwards);
    findBox->setStatus(found ? QString() : u"\"%1\" not found"_s.arg(text));
}

void MainWindow::goToEntry() {
    const int tab = ui->pageTabs->currentIndex();
    if (tab == 0)
        botsPage->goTo();
    else if (tab == 1)
        mapsPage->goTo();
}
