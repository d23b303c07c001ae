#include "window/inipage.h"

#include "roster/botsini.h"
#include "ui_mainwindow.h"
#include "window/mainwindow.h"

#include <QAction>
#include <QDir>

// The keys live on the page's holder, which shows no menu of its own: the view's menu has its
// own Copy and Select All, and the page's menu is the window's.
IniPage::IniPage(Ui::MainWindow& controls, RosterDocument& owner) : ui(controls), document(owner) {
    const auto make = [this](const QString& text, QKeySequence::StandardKey key, auto act) {
        auto* action = new QAction(text, ui.iniPageHolder);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, ui.iniTextView, act);
        ui.iniPageHolder->addAction(action);
    };
    make(tr("Select All"), QKeySequence::SelectAll, [this] { ui.iniTextView->selectAll(); });
    make(tr("Copy"), QKeySequence::Copy, [this] { ui.iniTextView->copy(); });
}

void IniPage::showFile(const RosterDocument::Loaded& loaded) {
    if (loaded.readToEnd)
        ui.iniTextView->setFileBytes(loaded.text);
    else
        ui.iniTextView->setText(tr("Bots.ini file not found.\r\nMake sure this program is in the "
                                   "vantrel folder along with the Bots.ini file.\r\n"));
    ui.iniTextView->setToolTip(QDir::toNativeSeparators(document.filePath()));
}

void IniPage::showComposed(const QByteArray& fileBytes) {
    ui.iniTextView->setFileBytes(fileBytes, fileBytes.size() - BotsIniLineBreak.size());
}

QString IniPage::caption() const {
    return MainWindow::programName();
}

bool IniPage::find(const QString& text, bool backwards) {
    return ui.iniTextView->find(text, backwards);
}

QString IniPage::historyText(bool forward) const {
    const QUndoStack& history = document.history();
    return forward ? history.redoText() : history.undoText();
}
