#include "window/mainwindow.h"

#include "app/launch.h"
#include "app/settings.h"
#include "catalog/catalog.h"
#include "game/gamefolder.h"
#include "roster/botsini.h"
#include "roster/entrylist.h"
#include "roster/records.h"
#include "ui_mainwindow.h"
#include "window/folderpicker.h"
#include "window/fonts.h"
#include "window/guidewindow.h"
#include "window/layoutunits.h"
#include "window/messages.h"
#include "window/namemark.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString NotFoundNotice =
    u"Bots.ini file not found.\r\nMake sure this program is in the vantrel folder along with the "
    u"Bots.ini file.\r\n"_s;

constexpr int DefaultPlacementTwips = 1000;

// How soon after the player's input the recovery copy follows.
constexpr int RecoveryDelayMs = 1000;

// Input through which the player can change the roster or the entries on view.
bool isPlayerInput(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::Wheel || type == QEvent::InputMethod || type == QEvent::Drop;
}

// "1 map entry and 2 bots": what a file holds past the most that can be read.
QString unreadEntries(const RosterDocument::Unread& unread) {
    QStringList parts;
    if (unread.maps > 0)
        parts << (unread.maps == 1 ? u"1 map entry"_s : u"%1 map entries"_s.arg(unread.maps));
    if (unread.bots > 0)
        parts << (unread.bots == 1 ? u"1 bot"_s : u"%1 bots"_s.arg(unread.bots));
    return parts.join(u" and "_s);
}

// The tabs of the Bots and the Maps page.
constexpr int BotsTab = 0;
constexpr int MapsTab = 1;

// A stored position in twips, or nothing when the text is not a number.
std::optional<int> twipsFrom(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || value < -1e9 || value > 1e9)
        return std::nullopt;
    return int(std::lround(value));
}

bool onSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        if (screen->geometry().intersects(rect))
            return true;
    }
    return screens.isEmpty();
}

} // namespace

MainWindow::MainWindow(const QString& addonFolder, const QString& fileName, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::MainWindow>()), startFolder(addonFolder),
      startFileName(fileName) {
    ui->setupUi(this);
    ui->pageTabs->addTab(u"Bots"_s);
    ui->pageTabs->addTab(u"Maps"_s);
    ui->pageTabs->addTab(u"INI"_s);
    ui->pageTabs->setDrawBase(false);
    ui->pageTabs->raise();
    ui->modelCombo->setCompleter(nullptr);
    ui->mapNameCombo->setCompleter(nullptr);
    mapMark = std::make_unique<NameMark>(ui->mapNameCombo->lineEdit(),
                                         u"The game folder has no map of this name."_s);
    modelMark = std::make_unique<NameMark>(ui->modelCombo->lineEdit(),
                                           u"The game folder has no player model of this name."_s);
    // The Maps page's label ends in one space more than the Bots page's.
    const QString version = ProgramName + u" v"_s + QStringLiteral(ZELVIK_VERSION);
    ui->botsVersionLabel->setText(version);
    ui->mapsVersionLabel->setText(version + u" "_s);
    setFixedSize(size());
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(u":/icons/zelvik-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
    applyFonts();
    setIniText(NotFoundNotice);
    botsPage = std::make_unique<BotsPage>(*this, *ui, document.roster().bots, document.history());
    mapsPage = std::make_unique<MapsPage>(*this, *ui, document.roster().maps, document.history());
    addOpenFolderAction();
    addHistoryActions();
    addFindActions();
    addGuideAction(
        this,
        [this] {
            return QStringList{u"the-bots-page"_s, u"the-maps-page"_s, u"the-ini-page"_s}.value(
                ui->pageTabs->currentIndex());
        },
        {ui->botsPage, ui->mapsPage, ui->iniPage, ui->iniTextView});
    connectHandlers();
    recoveryTimer.setSingleShot(true);
    recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&recoveryTimer, &QTimer::timeout, this, &MainWindow::keepRecoveryCopy);
    // Every control's input, menus included, passes through the application.
    qApp->installEventFilter(this);
    document.recoveryCopy().setFailureHandler([this](const QString& reason) {
        showMessage(this, u"Recovery copy"_s,
                    u"Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would "
                    u"lose them:\n\n%1\n\nYour edits are still here, and \"Save INI\" writes them "
                    u"to bots.ini as before."_s.arg(reason));
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::applyFonts() {
    setFont(dialogFont());
    // Context menus are windows of their own and take the application's menu font, not this
    // window's; without it Wine shows them in a serif stand-in.
    QApplication::setFont(font(), "QMenu");
    ui->iniTextView->setFont(rawTextFont());
    ui->mapsVersionLabel->setFont(versionFont());
    ui->botsVersionLabel->setFont(versionFont());
    QPalette palette = ui->iniTextView->palette();
    palette.setColor(QPalette::Base, QColor(64, 64, 64));
    palette.setColor(QPalette::Text, QColor(0, 255, 0));
    ui->iniTextView->setPalette(palette);
}

// Every signal the window and its pages act on.
void MainWindow::connectHandlers() {
    const auto connectPage = [this](auto& page) {
        connect(page.pager(), &QScrollBar::valueChanged, this, [&page](int v) { page.page(v); });
        connect(page.addButton(), &QAbstractButton::clicked, this, [&page] { page.add(); });
        connect(page.removeButton(), &QAbstractButton::clicked, this, [&page] { page.remove(); });
        connect(page.launchButton(), &QAbstractButton::clicked, this, &MainWindow::launchGame);
        const auto& actions = page.actions();
        connect(actions.moveEarlier, &QAction::triggered, this, [&page] { page.move(-1); });
        connect(actions.moveLater, &QAction::triggered, this, [&page] { page.move(1); });
        connect(actions.duplicate, &QAction::triggered, this, [&page] { page.duplicate(); });
        connect(actions.copy, &QAction::triggered, this, [&page] { page.copy(); });
        connect(actions.paste, &QAction::triggered, this, [&page] { page.paste(); });
    };
    connectPage(*botsPage);
    connectPage(*mapsPage);
    connect(ui->pageTabs, &QTabBar::currentChanged, this, &MainWindow::onPageChanged);
    ui->pageTabs->installEventFilter(this);
    connect(ui->saveIniButton, &QPushButton::clicked, this, &MainWindow::saveIni);
    connect(ui->modelCombo, &QComboBox::editTextChanged, this, [this](const QString& text) {
        botsPage->showModelPicture(listsFolder);
        modelMark->follow(text);
    });
    connect(ui->mapNameCombo, &QComboBox::editTextChanged, this,
            [this](const QString& text) { mapMark->follow(text); });
    // A slider moved by click, keyboard or wheel updates its text at once; a drag does so when
    // the button is released. Setting a slider from code raises neither.
    const std::pair<QSlider*, QLineEdit*> colourPairs[] = {
        {ui->topColorSlider, ui->topColorEdit}, {ui->bottomColorSlider, ui->bottomColorEdit}};
    for (const auto& pair : colourPairs) {
        QSlider* slider = pair.first;
        QLineEdit* edit = pair.second;
        connect(slider, &QSlider::actionTriggered, this, [slider, edit] {
            if (!slider->isSliderDown())
                BotsPage::showSliderInText(slider, edit);
        });
        connect(slider, &QSlider::sliderReleased, this,
                [slider, edit] { BotsPage::showSliderInText(slider, edit); });
        connect(edit, &QLineEdit::textChanged, this,
                [slider, edit] { BotsPage::showTextOnSlider(edit, slider); });
    }
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

// Any press on the tab bar stores both pages and shows the selected one, even when the
// selection does not change.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isPlayerInput(event->type()) && !recoveryTimer.isActive())
        recoveryTimer.start();
    if (watched == ui->pageTabs && event->type() == QEvent::MouseButtonPress)
        onPageChanged();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::load() {
    readSettings();
    loadRoster(startFolder, startFileName);
    fillModelList();
    fillMapList();
    setWindowTitle(botsPage->caption());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedEdits(u"closing"_s)) {
        event->ignore();
        return;
    }
    document.closeRecovery();
    writeSettings();
    event->accept();
}

// Edits not yet in bots.ini are never dropped without the player's word.
bool MainWindow::settleUnsavedEdits(const QString& leaving) {
    if (!document.isModified(mapsPage->onView(), botsPage->onView()))
        return true;
    const Answer answer =
        ask(this, {u"Unsaved changes"_s,
                   u"The roster has changes that are not saved in bots.ini.\n\nSave them "
                   u"before %1?"_s.arg(leaving),
                   {Answer::Save, Answer::Discard, Answer::Cancel},
                   Answer::Save,
                   Answer::Cancel});
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Save) {
        storeShownEntries();
        return saveIni();
    }
    return true;
}

// The window's place, the game path and the launch parameters.
void MainWindow::readSettings() {
    placeWindow();
    ui->gamePathEdit->setText(storedGamePath());
    ui->parametersEdit->setText(storedParametersToShow());
}

// The stored left and top, in twips. A value that is not a number, or a place where no part of
// the window would be on any screen, gives the default place.
void MainWindow::placeWindow() {
    const auto [storedLeft, storedTop] = storedWindowPlace(QString::number(DefaultPlacementTwips));
    const auto left = twipsFrom(storedLeft);
    const auto top = twipsFrom(storedTop);
    QPoint place(DefaultPlacementTwips / TwipsPerPixel, DefaultPlacementTwips / TwipsPerPixel);
    if (left && top) {
        const QPoint stored(*left / TwipsPerPixel, *top / TwipsPerPixel);
        if (onSomeScreen(QRect(stored, frameGeometry().size())))
            place = stored;
    }
    move(place);
}

// The game path, the parameters and, unless the window is minimised, its place and size.
void MainWindow::writeSettings() {
    storeGamePathAndParameters(ui->gamePathEdit->text(), ui->parametersEdit->text());
    if (isMinimized())
        return;
    const QRect outer = frameGeometry();
    storeWindowPlacement(outer.x() * TwipsPerPixel, outer.y() * TwipsPerPixel,
                         outer.width() * TwipsPerPixel, outer.height() * TwipsPerPixel);
}

// Opens bots.ini in folder and shows its first bot and map on the Bots page; the INI view names
// the file.
void MainWindow::loadRoster(const QString& folder, const QString& fileName) {
    const RosterDocument::Loaded loaded = document.load(folder, fileName);
    if (loaded.readToEnd)
        ui->iniTextView->setFileBytes(loaded.text);
    else
        setIniText(NotFoundNotice);
    ui->iniTextView->setToolTip(QDir::toNativeSeparators(document.filePath()));
    if (loaded.unread.any()) {
        showMessage(this, u"Too many entries"_s,
                    u"bots.ini holds more than Zelvik can show: it reads at most %1 map entries "
                    u"and %1 bots. Left unread: %2.\n\nThe pages show the entries read. \"Save "
                    u"INI\" would write bots.ini without the ones left unread."_s
                        .arg(EntryList<BotEntry>::MaxEntries)
                        .arg(unreadEntries(loaded.unread)));
    }
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(0);
    }
    showPage(0);
    mapsPage->render();
    botsPage->render();
    document.takeViewAsSaved(mapsPage->onView(), botsPage->onView());
    offerRecovery(loaded.recovery);
}

void MainWindow::offerRecovery(const RosterDocument::Recovery& recovery) {
    using State = RosterDocument::Recovery::State;
    const QString folder = QDir::toNativeSeparators(document.folder());
    if (recovery.state == State::Damaged) {
        showMessage(this, u"Recovery copy"_s,
                    u"A recovery copy of unsaved edits to the roster in\n%1\ncannot be used: %2\n\n"
                    u"It is left where it is, and no new copy is kept for this folder while it "
                    u"lies there:\n%3\n\nThe roster is shown as bots.ini holds it."_s.arg(
                        folder, recovery.reason, QDir::toNativeSeparators(recovery.path)));
        return;
    }
    if (recovery.state != State::Offered)
        return;
    const QString when = QLocale().toString(recovery.keptAt.toLocalTime(), QLocale::ShortFormat);
    const Answer answer =
        ask(this, {u"Recover unsaved edits"_s,
                   u"Zelvik was closed before the edits to the roster in\n%1\nwere saved. A "
                   u"recovery copy of them was kept at %2.\n\n\"Restore\" shows them as unsaved "
                   u"edits: bots.ini changes only when you press \"Save INI\". \"Discard\" "
                   u"deletes the copy."_s.arg(folder, when),
                   {Answer::Restore, Answer::Discard},
                   Answer::Restore,
                   Answer::Restore});
    if (answer != Answer::Restore) {
        document.discardRecovery();
        return;
    }
    document.restoreRecovery();
    mapsPage->render();
    botsPage->render();
    showComposedFile(document.composedFile());
}

void MainWindow::keepRecoveryCopy() {
    document.keepRecoveryCopy(mapsPage->onView(), botsPage->onView());
}

// Settles unsaved edits as closing does, then reads the chosen folder's roster as start-up does.
void MainWindow::openAddonFolder() {
    if (!settleUnsavedEdits(u"opening another folder"_s))
        return;
    const QString picked = pickAddonFolder(this, document.folder());
    if (picked.isEmpty())
        return;
    loadRoster(picked);
    setWindowTitle(botsPage->caption());
    rememberAddonFolder(picked);
}

void MainWindow::storeShownEntries() {
    mapsPage->storeOnView();
    botsPage->storeOnView();
}

// A change of tab stores both pages, then shows the selected one; its pages are stacked in tab
// order.
void MainWindow::onPageChanged() {
    storeShownEntries();
    const int selected = ui->pageTabs->currentIndex();
    showPage(selected);
    if (selected == 0)
        setWindowTitle(botsPage->caption());
    else if (selected == 1)
        setWindowTitle(mapsPage->caption());
    else
        setWindowTitle(ProgramName);
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

bool MainWindow::saveIni() {
    using Outcome = RosterDocument::Saved::Outcome;
    // Entries the file holds past the limit are never dropped without the player's word.
    if (document.unread().any()) {
        const Answer answer =
            ask(this, {u"Save INI"_s,
                       u"bots.ini holds %1 that Zelvik could not read. Saving writes only the "
                       u"roster shown here and drops them from the file. Save anyway?"_s.arg(
                           unreadEntries(document.unread())),
                       {Answer::Save, Answer::Cancel},
                       Answer::Cancel,
                       Answer::Cancel});
        if (answer != Answer::Save)
            return false;
    }
    RosterDocument::Saved saved = document.save();
    if (saved.outcome == Outcome::ChangedElsewhere) {
        const Answer answer =
            ask(this, {u"Save INI"_s,
                       u"bots.ini was changed by another program since Zelvik read it. "
                       u"Overwrite it with the roster shown here?"_s,
                       {Answer::Overwrite, Answer::Cancel},
                       Answer::Cancel,
                       Answer::Cancel});
        if (answer != Answer::Overwrite)
            return false;
        saved = document.save(RosterDocument::SaveMode::Overwrite);
    }
    storeGamePathAndParameters(ui->gamePathEdit->text(), ui->parametersEdit->text());
    ui->modelCombo->clear();
    ui->modelCombo->clearEditText();
    ui->mapNameCombo->clear();
    ui->mapNameCombo->clearEditText();
    fillModelList();
    fillMapList();
    // The boxes show the current entries' stored values again (current past the list: the last).
    const auto& bots = document.roster().bots;
    const auto& maps = document.roster().maps;
    ui->modelCombo->setEditText(bots.at(qMin(bots.current(), bots.count())).model);
    ui->mapNameCombo->setEditText(maps.at(qMin(maps.current(), maps.count())).name);
    showComposedFile(saved.bytes);
    if (saved.outcome == Outcome::Failed) {
        showMessage(
            this, u"Save INI"_s,
            u"The roster was not saved, and bots.ini is unchanged.\n\n%1\n\nYour edits "
            u"are still here: fix the cause and press \"Save INI\" again."_s.arg(saved.error));
        return false;
    }
    return true;
}

// The edits on view are stored, as leaving the page stores them, and the INI page shows the
// roster as it would be saved; the file itself is not written.
void MainWindow::launchGame() {
    storeShownEntries();
    showComposedFile(document.composedFile());
    QString error;
    if (!launchStoredGame(&error)) {
        showMessage(this, u"Launch"_s,
                    u"The game could not be started.\n\n%1\n\nCheck the \"HL.exe path\" on the INI "
                    u"page and press \"Save INI\" before launching."_s.arg(error));
    }
}

QString MainWindow::iniText() const {
    return ui->iniTextView->text();
}

void MainWindow::setIniText(const QString& text) {
    ui->iniTextView->setText(text);
}

// The INI page shows the composed file as its text, without the one more line break that ends the
// written file.
void MainWindow::showComposedFile(const QByteArray& fileBytes) {
    ui->iniTextView->setFileBytes(fileBytes, fileBytes.size() - BotsIniLineBreak.size());
}

void MainWindow::fillModelList() {
    // Adding to an empty box would put its first item into the text: keep the text shown.
    const QString shown = ui->modelCombo->currentText();
    ui->modelCombo->addItems(stockModelNames());
    listsFolder = gameFolderFromPath(ui->gamePathEdit->text(), FolderRule::Catalogue);
    const QStringList found = foundModelNames(listsFolder);
    ui->modelCombo->addItems(found);
    // A name is marked only against the models the game folder offers, never against the stock
    // ones alone.
    modelMark->setOffered(found.isEmpty() ? OfferedNames()
                                          : OfferedNames(stockModelNames() + found));
    ui->modelCombo->setCurrentIndex(-1);
    ui->modelCombo->setEditText(shown);
    botsPage->showModelPicture(listsFolder);
}

void MainWindow::fillMapList() {
    const QString shown = ui->mapNameCombo->currentText();
    ui->mapNameCombo->addItems(stockMapNames());
    const QStringList found = foundMapNames(listsFolder);
    ui->mapNameCombo->addItems(found);
    mapMark->setOffered(found.isEmpty() ? OfferedNames() : OfferedNames(stockMapNames() + found));
    ui->mapNameCombo->setCurrentIndex(-1);
    ui->mapNameCombo->setEditText(shown);
}

void MainWindow::addHistoryActions() {
    historyKeys = new HistoryKeys(
        *this, [this](bool forward) { stepHistory(forward); }, [this] { refreshHistoryActions(); });
    // The pages' context menus end with them, below their own actions.
    for (QWidget* page : {ui->botsPage, ui->mapsPage}) {
        auto* separator = new QAction(page);
        separator->setSeparator(true);
        page->addActions({separator, historyKeys->undoAction(), historyKeys->redoAction()});
    }
}

void MainWindow::stepHistory(bool forward) {
    const int tab = ui->pageTabs->currentIndex();
    RosterHistory& history = document.history();
    std::optional<RosterListKind> changed;
    if (tab == BotsTab)
        changed = botsPage->stepHistory(forward);
    else if (tab == MapsTab)
        changed = mapsPage->stepHistory(forward);
    else
        changed = forward ? history.redo() : history.undo();
    if (!changed)
        return;
    const int page = *changed == RosterListKind::Bots ? BotsTab : MapsTab;
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(page);
    }
    showPage(page);
    if (page == BotsTab)
        botsPage->render();
    else
        mapsPage->render();
}

// Each action names the step it would take and is on while it would act: on the typing of the
// text box with the focus, or on the roster.
void MainWindow::refreshHistoryActions() {
    const int tab = ui->pageTabs->currentIndex();
    const RosterHistory& history = document.history();
    const auto what = [&](bool forward) {
        if (tab == BotsTab)
            return botsPage->historyText(forward);
        if (tab == MapsTab)
            return mapsPage->historyText(forward);
        return forward ? history.redoText() : history.undoText();
    };
    for (const bool forward : {false, true}) {
        QAction* action = forward ? historyKeys->redoAction() : historyKeys->undoAction();
        const QString verb = forward ? u"Redo"_s : u"Undo"_s;
        const QString step = what(forward);
        action->setText(step.isEmpty() ? verb : verb + u' ' + step);
        action->setEnabled(!step.isEmpty() || HistoryKeys::textBoxCanStep(forward));
    }
}

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
