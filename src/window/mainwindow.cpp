#include "window/mainwindow.h"

#include "app/gamelists.h"
#include "app/saveandlaunch.h"
#include "app/settings.h"
#include "ui_mainwindow.h"
#include "window/entrypage.h"
#include "window/findbox.h"
#include "window/folderpicker.h"
#include "window/fonts.h"
#include "window/guidewindow.h"
#include "window/historykeys.h"
#include "window/inipage.h"
#include "window/keyguard.h"
#include "window/layoutunits.h"
#include "window/messages.h"
#include "window/numberprompt.h"
#include "window/rosterwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSignalBlocker>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int DefaultPlacementTwips = 1000;

// "1 map entry and 2 bots": what a file holds past the most that can be read.
QString unreadEntries(const RosterDocument::Unread& unread) {
    const QString maps = MainWindow::tr("%n map entry(ies)", nullptr, int(unread.maps));
    const QString bots = MainWindow::tr("%n bot(s)", nullptr, int(unread.bots));
    if (unread.maps > 0 && unread.bots > 0)
        return MainWindow::tr("%1 and %2").arg(maps, bots);
    return unread.maps > 0 ? maps : bots;
}

// The tab of each list's page: the pages stand in the order of the lists.
int tabOf(RosterListKind list) {
    return list == RosterListKind::Bots ? 0 : 1;
}

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
    ui->pageTabs->addTab(tr("Bots"));
    ui->pageTabs->addTab(tr("Maps"));
    ui->pageTabs->addTab(tr("INI"));
    ui->pageTabs->setDrawBase(false);
    ui->pageTabs->raise();
    ui->modelCombo->setCompleter(nullptr);
    ui->mapNameCombo->setCompleter(nullptr);
    for (QLineEdit* box :
         {ui->botNameEdit, ui->modelCombo->lineEdit(), ui->mapNameCombo->lineEdit()})
        markLettersTheFileCannotHold(box);
    // The Maps page's label ends in one space more than the Bots page's.
    const QString version = tr("%1 v%2").arg(programName(), QStringLiteral(ZELVIK_VERSION));
    ui->botsVersionLabel->setText(version);
    ui->mapsVersionLabel->setText(version + u" "_s);
    setFixedSize(size());
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(u":/icons/zelvik-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
    applyFonts();
    document = new RosterDocument(this);
    document->setObjectName(u"rosterDocument"_s);
    botsPage = std::make_unique<BotsPage>(*this, *ui, *document);
    mapsPage = std::make_unique<EntryPage<MapEntry>>(*this, *ui, *document);
    iniPage = std::make_unique<IniPage>(*ui, *document);
    pages = {botsPage.get(), mapsPage.get(), iniPage.get()};
    addOpenFolderAction();
    addHistoryActions();
    addFindActions();
    addGuideAction(this, [this] { return pageOnView().guideSection(); },
                   {ui->botsPage, ui->mapsPage, ui->iniPage, ui->iniTextView});
    connectHandlers();
    new KeyGuard(*this);
    document->recoveryCopy().setFailureHandler([this](const QString& reason) {
        showMessage(this, tr("Recovery copy"),
                    tr("Zelvik cannot keep a recovery copy of your unsaved edits, so a crash would "
                       "lose them:\n\n%1\n\nYour edits are still here, and \"Save INI\" writes "
                       "them to bots.ini as before.")
                        .arg(reason));
    });
}

// The Roster window goes before the roster it shows.
MainWindow::~MainWindow() {
    delete rosterWindow;
}

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

// Every signal the window itself acts on; the pages connect their own controls.
void MainWindow::connectHandlers() {
    connect(botsPage->launchButton(), &QAbstractButton::clicked, this, &MainWindow::launchGame);
    connect(mapsPage->launchButton(), &QAbstractButton::clicked, this, &MainWindow::launchGame);
    connect(botsPage->actions().showAll, &QAction::triggered, this,
            [this] { showRoster(RosterListKind::Bots); });
    connect(mapsPage->actions().showAll, &QAction::triggered, this,
            [this] { showRoster(RosterListKind::Maps); });
    // From the INI page Ctrl+L shows the bots; the key lives on the page's holder, which shows no
    // menu.
    auto* showAll = new QAction(tr("Show All Bots"), ui->iniPageHolder);
    showAll->setShortcut(Qt::CTRL | Qt::Key_L);
    showAll->setShortcutContext(Qt::WindowShortcut);
    connect(showAll, &QAction::triggered, this, [this] { showRoster(pageOnView().rosterList()); });
    ui->iniPageHolder->addAction(showAll);
    connect(ui->pageTabs, &QTabBar::currentChanged, this, &MainWindow::onPageChanged);
    ui->pageTabs->installEventFilter(this);
    connect(ui->saveIniButton, &QPushButton::clicked, this, &MainWindow::saveIni);
    connect(document, &RosterDocument::listChanged, this, [this](RosterListKind list) {
        if (pages.at(size_t(tabOf(list))) == &pageOnView())
            showCaption();
        refreshHistoryActions();
    });
    connect(document, &RosterDocument::draftChanged, this, &MainWindow::refreshHistoryActions);
    connect(&document->history(), &QUndoStack::indexChanged, this,
            &MainWindow::refreshHistoryActions);
}

// Ctrl+O, and the INI page's context menu.
void MainWindow::addOpenFolderAction() {
    auto* action = new QAction(tr("Open add-on folder..."), this);
    action->setShortcut(QKeySequence::Open);
    connect(action, &QAction::triggered, this, &MainWindow::openAddonFolder);
    addAction(action);
    ui->iniTextView->addAction(action);
    ui->iniPage->addAction(action);
    ui->iniPage->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Any press on the tab bar stores both drafts and shows the selected page, even when the
// selection does not change.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->pageTabs && event->type() == QEvent::MouseButtonPress)
        onPageChanged();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::load() {
    readSettings();
    loadRoster(startFolder, startFileName);
    fillLists();
    showCaption();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const QString question = tr("The roster has changes that are not saved in bots.ini.\n\nSave "
                                "them before closing?");
    if (rosterWindow)
        rosterWindow->finishEditing();
    if (!settleUnsavedEdits(question)) {
        event->ignore();
        return;
    }
    document->closeRecovery();
    writeSettings();
    event->accept();
}

// Edits not yet in bots.ini are never dropped without the player's word.
bool MainWindow::settleUnsavedEdits(const QString& question) {
    if (!document->isModified())
        return true;
    const Answer answer = ask(this, {tr("Unsaved changes"),
                                     question,
                                     {Answer::Save, Answer::Discard, Answer::Cancel},
                                     Answer::Save,
                                     Answer::Cancel});
    if (answer == Answer::Cancel)
        return false;
    return answer != Answer::Save || saveIni();
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
    const RosterDocument::Loaded loaded = document->load(folder, fileName);
    iniPage->showFile(loaded);
    if (loaded.unread.any()) {
        showMessage(this, tr("Too many entries"),
                    tr("bots.ini holds more than Zelvik can show: it reads at most %1 map entries "
                       "and %1 bots. Left unread: %2.\n\nThe pages show the entries read. \"Save "
                       "INI\" would write bots.ini without the ones left unread.")
                        .arg(EntryList<BotEntry>::MaxEntries)
                        .arg(unreadEntries(loaded.unread)));
    }
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(0);
    }
    showPage(0);
    offerRecovery(loaded.recovery);
}

void MainWindow::offerRecovery(const RosterDocument::Recovery& recovery) {
    using State = RosterDocument::Recovery::State;
    const QString folder = QDir::toNativeSeparators(document->folder());
    if (recovery.state == State::Damaged) {
        showMessage(this, tr("Recovery copy"),
                    tr("A recovery copy of unsaved edits to the roster in\n%1\ncannot be used: "
                       "%2\n\nIt is left where it is, and no new copy is kept for this folder "
                       "while it lies there:\n%3\n\nThe roster is shown as bots.ini holds it.")
                        .arg(folder, recovery.reason, QDir::toNativeSeparators(recovery.path)));
        return;
    }
    if (recovery.state != State::Offered)
        return;
    const auto when = [](const QDateTime& time) {
        return QLocale().toString(time.toLocalTime(), QLocale::ShortFormat);
    };
    QString changed;
    if (recovery.fileChangedAt.isValid())
        changed =
            u"\n\n"_s + tr("bots.ini was changed by another program since Zelvik read it, "
                           "last at %1. \"Restore\" puts back the older roster with the edits, "
                           "and \"Save INI\" asks before it overwrites that change.")
                            .arg(when(recovery.fileChangedAt));
    const Answer answer =
        ask(this, {tr("Recover unsaved edits"),
                   tr("Zelvik was closed before the edits to the roster in\n%1\nwere saved. A "
                      "recovery copy of them was kept at %2.%3\n\n\"Restore\" shows them as "
                      "unsaved edits: bots.ini changes only when you press \"Save INI\". "
                      "\"Discard\" deletes the copy.")
                       .arg(folder, when(recovery.keptAt), changed),
                   {Answer::Restore, Answer::Discard},
                   Answer::Restore,
                   Answer::Restore});
    if (answer != Answer::Restore) {
        document->discardRecovery();
        return;
    }
    document->restoreRecovery();
    iniPage->showComposed(document->composedFile());
}

// Settles unsaved edits as closing does, then reads the chosen folder's roster as start-up does.
void MainWindow::openAddonFolder() {
    if (!settleUnsavedEdits(tr("The roster has changes that are not saved in bots.ini.\n\nSave "
                               "them before opening another folder?")))
        return;
    const QString picked = pickAddonFolder(this, document->folder());
    if (picked.isEmpty())
        return;
    loadRoster(picked);
    rememberAddonFolder(picked);
}

Page& MainWindow::pageOnView() const {
    return *pages.at(size_t(qBound(0, ui->pageTabs->currentIndex(), int(pages.size()) - 1)));
}

void MainWindow::onPageChanged() {
    document->storeDrafts();
    showPage(ui->pageTabs->currentIndex());
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
    findBox->setWindowTitle(pageOnView().findTitle());
    showCaption();
    refreshHistoryActions();
}

void MainWindow::showCaption() {
    setWindowTitle(pageOnView().caption());
}

bool MainWindow::saveIni() {
    using Kind = SaveOutcome::Kind;
    SaveAnswers answers;
    for (;;) {
        const SaveOutcome outcome =
            ::saveIni(*document, ui->gamePathEdit->text(), ui->parametersEdit->text(), answers);
        // Each question's answer lets Save INI go on, or Cancel (Enter and Escape) stops it.
        const auto agreed = [this](const QString& text, Answer goOn) {
            return ask(this, {tr("Save INI"),
                              text,
                              {goOn, Answer::Cancel},
                              Answer::Cancel,
                              Answer::Cancel}) == goOn;
        };
        if (outcome.kind == Kind::AskDropUnread) {
            if (!agreed(tr("bots.ini holds %1 that Zelvik could not read. Saving writes only the "
                           "roster shown here and drops them from the file. Save anyway?")
                            .arg(unreadEntries(outcome.unread)),
                        Answer::Save))
                return false;
            answers.dropUnread = true;
            continue;
        }
        if (outcome.kind == Kind::AskOverwrite) {
            if (!agreed(tr("bots.ini was changed by another program since Zelvik read it. "
                           "Overwrite it with the roster shown here?"),
                        Answer::Overwrite))
                return false;
            answers.overwrite = true;
            continue;
        }
        fillLists();
        iniPage->showComposed(outcome.bytes);
        if (outcome.kind == Kind::Written)
            return true;
        showMessage(this, tr("Save INI"),
                    tr("The roster was not saved, and bots.ini is unchanged.\n\n%1\n\nYour edits "
                       "are still here: fix the cause and press \"Save INI\" again.")
                        .arg(outcome.reason));
        return false;
    }
}

// The INI page shows the roster as it would be saved; the file itself is not written.
void MainWindow::launchGame() {
    const LaunchOutcome outcome = ::launchGame(*document);
    iniPage->showComposed(outcome.shown);
    if (!outcome.started) {
        showMessage(this, tr("Launch"),
                    tr("The game could not be started.\n\n%1\n\nCheck the \"HL.exe path\" on the "
                       "INI page and press \"Save INI\" before launching.")
                        .arg(outcome.reason));
    }
}

void MainWindow::fillLists() {
    lists = gameListsFor(ui->gamePathEdit->text());
    botsPage->setLists(lists);
    mapsPage->setLists(lists);
    if (rosterWindow)
        rosterWindow->setLists(lists);
}

void MainWindow::showRoster(RosterListKind list) {
    if (!rosterWindow) {
        RosterWindow::Hooks hooks{
            [this](RosterListKind shown, int entry) { showEntry(shown, entry); },
            [this](bool forward) { stepHistory(forward); },
            [this] {
                raise();
                activateWindow();
            }};
        rosterWindow = new RosterWindow(*document, std::move(hooks), this);
        rosterWindow->setLists(lists);
    }
    rosterWindow->open(list);
}

// As a press on the tab strip, then paging, does.
void MainWindow::showEntry(RosterListKind list, int entry) {
    const int tab = tabOf(list);
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(tab);
    }
    onPageChanged();
    if (list == RosterListKind::Bots)
        document->bots().pageTo(entry);
    else
        document->maps().pageTo(entry);
    raise();
    activateWindow();
}

void MainWindow::addHistoryActions() {
    historyKeys = new HistoryKeys(*this, [this](bool forward) { stepHistory(forward); });
    const auto boxes = findChildren<QLineEdit*>();
    for (QLineEdit* box : boxes)
        historyKeys->watch(box);
    // The pages' context menus end with them, below their own actions.
    for (QWidget* page : {ui->botsPage, ui->mapsPage}) {
        auto* separator = new QAction(page);
        separator->setSeparator(true);
        page->addActions({separator, historyKeys->undoAction(), historyKeys->redoAction()});
    }
}

void MainWindow::stepHistory(bool forward) {
    const std::optional<RosterListKind> changed = pageOnView().stepHistory(forward);
    if (!changed)
        return;
    const int tab = tabOf(*changed);
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(tab);
    }
    showPage(tab);
}

// Each action names the step it would take and is on while it would act.
void MainWindow::refreshHistoryActions() {
    const Page& page = pageOnView();
    historyKeys->setSteps(page.historyText(false), page.historyText(true));
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
    make(tr("Find..."), Qt::CTRL | Qt::Key_F, [this] { findBox->open(pageOnView().findTitle()); });
    make(tr("Find Next"), QKeyCombination(Qt::Key_F3), [this] { findAgain(lastFind, false); });
    make(tr("Find Previous"), Qt::SHIFT | Qt::Key_F3, [this] { findAgain(lastFind, true); });
    make(tr("Go to..."), Qt::CTRL | Qt::Key_G, [this] { pageOnView().goTo(); });
}

// The box says when nothing matches; the entry or the selection on view then stays.
void MainWindow::findAgain(const QString& text, bool backwards) {
    if (text.isEmpty())
        return;
    lastFind = text;
    const bool found = pageOnView().find(text, backwards);
    findBox->setStatus(found ? QString() : tr("\"%1\" not found").arg(text));
}
