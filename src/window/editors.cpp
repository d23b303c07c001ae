// The Bots and Maps pages (one entry shown at a time, stored back when the page is left), their
// Move and Duplicate keys and context menu, the change of page with its caption, and the Save INI
// and Launch buttons.
#include "ui_mainwindow.h"
#include "window/mainwindow.h"

#include "launch/commands.h"
#include "roster/botsini.h"
#include "roster/botsinifile.h"
#include "window/messages.h"

#include <QAction>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

// The entry index as the caption shows it: a blank in the place of the sign, or a minus.
QString signedNumber(int value) {
    return value < 0 ? QString::number(value) : u" "_s + QString::number(value);
}

QString pageCaption(const QString& word, int value, int count) {
    return MainWindow::ProgramName + u"  ("_s + word + u" "_s + signedNumber(value) + u" of "_s +
           QString::number(count) + u")"_s;
}

struct FullListNotice {
    QString title;
    QString text;
};

FullListNotice fullListNotice(const EntryList<MapEntry>&) {
    return {u"Add map"_s,
            u"The map list is full: it already holds %1 entries, the most it can hold."_s};
}

FullListNotice fullListNotice(const EntryList<BotEntry>&) {
    return {u"Add bot"_s,
            u"The bot list is full: it already holds %1 bots, the most it can hold."_s};
}

// Moves a pager without raising its change: the roster already knows where it stands.
void putPager(QScrollBar* pager, int value) {
    const QSignalBlocker quiet(pager);
    pager->setValue(value);
}

} // namespace

MapEntry MainWindow::mapOnView() const {
    return {ui->mapNameCombo->currentText(),
            ui->quantityEdit->text(),
            ui->randomCheck->isChecked() ? u"Yes"_s : u"No"_s,
            ui->initialDelayEdit->text(),
            ui->spawnDelayEdit->text(),
            ui->waitForPlayersEdit->text(),
            ui->keepServerFullEdit->text()};
}

BotEntry MainWindow::botOnView() const {
    return {ui->botNameEdit->text(), ui->modelCombo->currentText(), ui->topColorEdit->text(),
            ui->bottomColorEdit->text()};
}

void MainWindow::showEntry(const MapEntry& map) {
    ui->mapNameCombo->setEditText(map.name);
    ui->quantityEdit->setText(map.quantity);
    ui->randomCheck->setChecked(map.isRandom());
    ui->initialDelayEdit->setText(map.initialDelay);
    ui->spawnDelayEdit->setText(map.spawnDelay);
    ui->waitForPlayersEdit->setText(map.waitForPlayers);
    ui->keepServerFullEdit->setText(map.keepServerFull);
}

void MainWindow::showEntry(const BotEntry& bot) {
    ui->botNameEdit->setText(bot.name);
    ui->modelCombo->setEditText(bot.model);
    ui->topColorEdit->setText(bot.topColor);
    ui->bottomColorEdit->setText(bot.bottomColor);
}

MainWindow::PageControls MainWindow::controlsOf(const EntryList<MapEntry>&) const {
    return {ui->mapPager, ui->removeMapButton, {}, mapActions};
}

MainWindow::PageControls MainWindow::controlsOf(const EntryList<BotEntry>&) const {
    return {ui->botPager, ui->removeBotButton, {ui->botNameEdit, ui->modelCombo}, botActions};
}

template <typename Entry> void MainWindow::render(const EntryList<Entry>& list) {
    const PageControls controls = controlsOf(list);
    {
        const QSignalBlocker quiet(controls.pager);
        controls.pager->setMaximum(list.pagerMaximum());
        controls.pager->setValue(list.current());
    }
    controls.pager->setEnabled(list.canPage());
    controls.removeButton->setEnabled(list.canRemove());
    for (QWidget* editor : controls.editors)
        editor->setEnabled(list.canRemove());
    controls.actions.moveEarlier->setEnabled(list.canMove(-1));
    controls.actions.moveLater->setEnabled(list.canMove(1));
    controls.actions.duplicate->setEnabled(list.canDuplicate());
    if (const Entry* shown = list.shown())
        showEntry(*shown);
    setCaption(list);
}

// A refused paging leaves the entry on view as it is and puts the pager back on it.
template <typename Entry> void MainWindow::page(EntryList<Entry>& list, int value) {
    if (list.pageTo(value, onView(list)))
        render(list);
    else
        putPager(controlsOf(list).pager, list.current());
}

template <typename Entry> void MainWindow::showListFull(const EntryList<Entry>& list) {
    const FullListNotice notice = fullListNotice(list);
    showMessage(this, notice.title, notice.text.arg(EntryList<Entry>::MaxEntries));
}

template <typename Entry> void MainWindow::add(EntryList<Entry>& list) {
    if (!list.add(onView(list))) {
        showListFull(list);
        return;
    }
    render(list);
}

template <typename Entry> void MainWindow::remove(EntryList<Entry>& list) {
    if (list.remove(list.current()))
        render(list);
}

void MainWindow::onMapPagerChanged(int value) {
    page(rosterState.maps, value);
}

void MainWindow::onBotPagerChanged(int value) {
    page(rosterState.bots, value);
}

void MainWindow::addMap() {
    add(rosterState.maps);
}

void MainWindow::addBot() {
    add(rosterState.bots);
}

void MainWindow::removeMap() {
    remove(rosterState.maps);
}

void MainWindow::removeBot() {
    remove(rosterState.bots);
}

// A refused move, like a refused paging, leaves the entry on view as it is.
template <typename Entry> void MainWindow::moveEntry(EntryList<Entry>& list, int offset) {
    if (list.move(offset, onView(list)))
        render(list);
}

template <typename Entry> void MainWindow::duplicateEntry(EntryList<Entry>& list) {
    switch (list.duplicate(onView(list))) {
    case EntryList<Entry>::Copy::Made:
        render(list);
        break;
    case EntryList<Entry>::Copy::ListFull:
        showListFull(list);
        break;
    case EntryList<Entry>::Copy::Refused:
        break;
    }
}

// The keys act on the page on view, whichever of its controls (or the tab strip) has the focus:
// a page's actions are its own, and a hidden page's shortcuts do not fire. Its context menu lists
// them with their keys.
template <typename Entry>
MainWindow::EntryActions MainWindow::makeEntryActions(QWidget* page, EntryList<Entry>& list) {
    const auto make = [&](const QString& text, QKeyCombination key, auto act) {
        auto* action = new QAction(text, page);
        action->setShortcut(key);
        // Live in the whole window while the page is on view, not only while one of its
        // controls has the focus: the keys also act from the tab strip.
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, act);
        page->addAction(action);
        return action;
    };
    page->setContextMenuPolicy(Qt::ActionsContextMenu);
    return {make(u"Move Earlier"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_Up,
                 [this, &list] { moveEntry(list, -1); }),
            make(u"Move Later"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_Down,
                 [this, &list] { moveEntry(list, 1); }),
            make(u"Duplicate"_s, Qt::CTRL | Qt::Key_D, [this, &list] { duplicateEntry(list); })};
}

// Ctrl+Shift+Up, Ctrl+Shift+Down and Ctrl+D, and the context menu of the Bots and Maps pages.
void MainWindow::addEntryActions() {
    botActions = makeEntryActions(ui->botsPage, rosterState.bots);
    mapActions = makeEntryActions(ui->mapsPage, rosterState.maps);
}

void MainWindow::storeShownEntries() {
    rosterState.maps.storeCurrent(mapOnView());
    rosterState.bots.storeCurrent(botOnView());
}

// A change of tab stores both pages, then shows the selected one; its pages are stacked in tab
// order.
void MainWindow::onPageChanged() {
    storeShownEntries();
    const int selected = ui->pageTabs->currentIndex();
    showPage(selected);
    if (selected == 0)
        setBotsCaption();
    else if (selected == 1)
        setMapsCaption();
    else
        setIniCaption();
}

// Hiding the page that is left first moves the focus on along the tab order to the next control
// on view: the tab bar or, when the page entered lies to the left, one of its controls. The stack
// on its own would put the focus on the entered page's first control.
void MainWindow::showPage(int index) {
    QWidget* entering = ui->pages->widget(index);
    QWidget* leaving = ui->pages->currentWidget();
    if (entering != leaving) {
        if (index < ui->pages->currentIndex())
            entering->show();
        leaving->hide();
    }
    ui->pages->setCurrentIndex(index);
}

void MainWindow::setBotsCaption() {
    setWindowTitle(pageCaption(u"Bot"_s, rosterState.bots.current(), rosterState.bots.count()));
}

void MainWindow::setMapsCaption() {
    setWindowTitle(pageCaption(u"Map"_s, rosterState.maps.current(), rosterState.maps.count()));
}

void MainWindow::setIniCaption() {
    setWindowTitle(ProgramName);
}

bool MainWindow::saveIni() {
    if (!mayOverwriteIniFile())
        return false;
    writeStoredSettings({{SettingsKeys::GamePath, ui->gamePathEdit->text()},
                         {SettingsKeys::Parameters, ui->parametersEdit->text()}});
    ui->modelCombo->clear();
    ui->modelCombo->clearEditText();
    ui->mapNameCombo->clear();
    ui->mapNameCombo->clearEditText();
    fillModelList();
    fillMapList();
    // The boxes show the current entries' stored values again (current past the list: the last).
    const auto& bots = rosterState.bots;
    const auto& maps = rosterState.maps;
    ui->modelCombo->setEditText(bots.at(qMin(bots.current(), bots.count())).model);
    ui->mapNameCombo->setEditText(maps.at(qMin(maps.current(), maps.count())).name);
    const QByteArray fileBytes = composeBotsIniFile(rosterState);
    showComposedFile(fileBytes);
    QString error;
    if (!writeBotsIniFile(folder, fileBytes, &error, &iniFileStamp)) {
        showMessage(this, u"Save INI"_s,
                    u"The roster was not saved, and bots.ini is unchanged.\n\n%1\n\nYour edits "
                    u"are still here: fix the cause and press \"Save INI\" again."_s.arg(error));
        return false;
    }
    savedRoster = rosterToSave();
    return true;
}

// The INI page shows the roster as it would be saved; the file itself is not written.
void MainWindow::launchGame() {
    showComposedFile(composeBotsIniFile(rosterState));
    QString error;
    if (!launchStoredGame(&error)) {
        showMessage(this, u"Launch"_s,
                    u"The game could not be started.\n\n%1\n\nCheck the \"HL.exe path\" on the INI "
                    u"page and press \"Save INI\" before launching."_s.arg(error));
    }
}
