#include "window/mainwindow.h"

#include "catalog/catalog.h"
#include "game/gamefolder.h"
#include "launch/commands.h"
#include "roster/botsinifile.h"
#include "ui_mainwindow.h"
#include "window/fonts.h"
#include "window/layoutunits.h"
#include "window/messages.h"
#include "window/modelpicture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString NotFoundNotice =
    u"Bots.ini file not found.\r\nMake sure this program is in the vantrel folder along with the "
    u"Bots.ini file.\r\n"_s;

constexpr int DefaultPlacementTwips = 1000;

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

MainWindow::MainWindow(const QString& programFolder, QWidget* parent)
    : QWidget(parent), ui(new Ui::MainWindow),
      folder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder) {
    ui->setupUi(this);
    ui->pageTabs->addTab(u"Bots"_s);
    ui->pageTabs->addTab(u"Maps"_s);
    ui->pageTabs->addTab(u"INI"_s);
    ui->pageTabs->setDrawBase(false);
    ui->pageTabs->raise();
    ui->modelCombo->setCompleter(nullptr);
    ui->mapNameCombo->setCompleter(nullptr);
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
    connectHandlers();
    addOpenFolderAction();
    addEntryActions();
}

MainWindow::~MainWindow() {
    delete ui;
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

void MainWindow::connectHandlers() {
    connect(ui->mapPager, &QScrollBar::valueChanged, this, &MainWindow::onMapPagerChanged);
    connect(ui->botPager, &QScrollBar::valueChanged, this, &MainWindow::onBotPagerChanged);
    connect(ui->pageTabs, &QTabBar::currentChanged, this, &MainWindow::onPageChanged);
    ui->pageTabs->installEventFilter(this);
    connect(ui->addMapButton, &QPushButton::clicked, this, &MainWindow::addMap);
    connect(ui->removeMapButton, &QPushButton::clicked, this, &MainWindow::removeMap);
    connect(ui->launchFromMapsButton, &QPushButton::clicked, this, &MainWindow::launchGame);
    connect(ui->addBotButton, &QPushButton::clicked, this, &MainWindow::addBot);
    connect(ui->removeBotButton, &QPushButton::clicked, this, &MainWindow::removeBot);
    connect(ui->launchFromBotsButton, &QPushButton::clicked, this, &MainWindow::launchGame);
    connect(ui->saveIniButton, &QPushButton::clicked, this, &MainWindow::saveIni);
    connect(ui->modelCombo, &QComboBox::editTextChanged, this, &MainWindow::showModelPicture);
    connectColourPair(ui->topColorSlider, ui->topColorEdit);
    connectColourPair(ui->bottomColorSlider, ui->bottomColorEdit);
}

// Any press on the tab bar stores both pages and shows the selected one, even when the
// selection does not change.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->pageTabs && event->type() == QEvent::MouseButtonPress)
        onPageChanged();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::load() {
    readSettings();
    loadRoster();
    fillModelList();
    fillMapList();
    setBotsCaption();
    savedRoster = rosterToSave();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settleUnsavedEdits(u"closing"_s)) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

// Edits not yet in bots.ini are never dropped without the player's word.
bool MainWindow::settleUnsavedEdits(const QString& leaving) {
    if (!hasUnsavedEdits())
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

Roster MainWindow::rosterToSave() const {
    Roster roster = rosterState;
    roster.maps.storeCurrent(mapOnView());
    roster.bots.storeCurrent(botOnView());
    return roster;
}

// Compared as the text "Save INI" would write, so a file with its own spacing, or a missing file
// with its default entries, is unchanged until the player changes something.
bool MainWindow::hasUnsavedEdits() const {
    return !composesSame(rosterToSave(), savedRoster);
}

bool MainWindow::mayOverwriteIniFile() {
    if (iniFileStamp.matches(botsIniPath(folder)))
        return true;
    return ask(this, {u"Save INI"_s,
                      u"bots.ini was changed by another program since Zelvik read it. Overwrite "
                      u"it with the roster shown here?"_s,
                      {Answer::Overwrite, Answer::Cancel},
                      Answer::Cancel,
                      Answer::Cancel}) == Answer::Overwrite;
}

// The window's place, the game path and the launch parameters.
void MainWindow::readSettings() {
    placeWindow();
    ui->gamePathEdit->setText(storedGamePath());
    ui->parametersEdit->setText(readStoredSetting(SettingsKeys::Parameters, u"-nointro"_s));
}

// Reads bots.ini and shows its first bot and map on the Bots page; the INI view names the file.
void MainWindow::loadRoster() {
    BotsIniRead read = readBotsIniFile(folder, &iniFileStamp);
    rosterState.maps = std::move(read.roster.maps);
    rosterState.bots = std::move(read.roster.bots);
    if (read.readToEnd)
        ui->iniTextView->setFileBytes(read.text);
    else
        setIniText(NotFoundNotice);
    ui->iniTextView->setToolTip(QDir::toNativeSeparators(botsIniPath(folder)));
    {
        const QSignalBlocker quiet(ui->pageTabs);
        ui->pageTabs->setCurrentIndex(0);
    }
    showPage(0);
    render(rosterState.maps);
    render(rosterState.bots);
}

// The stored left and top, in twips. A value that is not a number, or a place where no part of
// the window would be on any screen, gives the default place.
void MainWindow::placeWindow() {
    const QString fallback = QString::number(DefaultPlacementTwips);
    const auto left = twipsFrom(readStoredSetting(SettingsKeys::WindowLeft, fallback));
    const auto top = twipsFrom(readStoredSetting(SettingsKeys::WindowTop, fallback));
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
    QList<std::pair<QString, QString>> settings{
        {SettingsKeys::GamePath, ui->gamePathEdit->text()},
        {SettingsKeys::Parameters, ui->parametersEdit->text()}};
    if (!isMinimized()) {
        const QRect outer = frameGeometry();
        const auto twips = [](int pixels) { return QString::number(pixels * TwipsPerPixel); };
        settings.append({{SettingsKeys::WindowLeft, twips(outer.x())},
                         {SettingsKeys::WindowTop, twips(outer.y())},
                         {SettingsKeys::WindowWidth, twips(outer.width())},
                         {SettingsKeys::WindowHeight, twips(outer.height())}});
    }
    writeStoredSettings(settings);
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

void MainWindow::showModelPicture() {
    ui->modelCombo->setToolTip(
        modelPictureToolTip(modelPicturePath(listsFolder, ui->modelCombo->currentText())));
}

void MainWindow::fillModelList() {
    // Adding to an empty box would put its first item into the text: keep the text shown.
    const QString shown = ui->modelCombo->currentText();
    ui->modelCombo->addItems(stockModelNames());
    listsFolder = gameFolderFromPath(ui->gamePathEdit->text(), FolderRule::Catalogue);
    ui->modelCombo->addItems(foundModelNames(listsFolder));
    ui->modelCombo->setCurrentIndex(-1);
    ui->modelCombo->setEditText(shown);
    showModelPicture();
}

void MainWindow::fillMapList() {
    const QString shown = ui->mapNameCombo->currentText();
    ui->mapNameCombo->addItems(stockMapNames());
    ui->mapNameCombo->addItems(foundMapNames(listsFolder));
    ui->mapNameCombo->setCurrentIndex(-1);
    ui->mapNameCombo->setEditText(shown);
}
