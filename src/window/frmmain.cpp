#include "window/frmmain.h"

#include "catalog/catalog.h"
#include "launch/commands.h"
#include "roster/botsini.h"
#include "roster/codepage.h"
#include "ui_frmmain.h"
#include "window/fonts.h"
#include "window/rawtextview.h"

#include <QApplication>
#include <QCloseEvent>
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

frmMain::frmMain(const QString& programFolder, QWidget* parent)
    : QWidget(parent), ui(new Ui::frmMain), m(this),
      folder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder) {
    ui->setupUi(this);
    Frame1 = {ui->Frame1_0, ui->Frame1_1, ui->Frame1_2};
    ui->TabStrip1->addTab(u"Bots"_s);
    ui->TabStrip1->addTab(u"Maps"_s);
    ui->TabStrip1->addTab(u"INI"_s);
    ui->TabStrip1->setDrawBase(false);
    ui->TabStrip1->raise();
    ui->cmbModel->setCompleter(nullptr);
    ui->cmbMaps->setCompleter(nullptr);
    ui->Text1->setTabChangesFocus(true);
    setFixedSize(size());
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(u":/icons/zelvik-%1.png"_s.arg(size), QSize(size, size));
    setWindowIcon(icon);
    applyFonts();
    setText1(NotFoundNotice);
    connectHandlers();
}

frmMain::~frmMain() {
    delete ui;
}

void frmMain::applyFonts() {
    setFont(dialogFont());
    ui->Text1->setFont(rawTextFont());
    ui->Label4->setFont(versionFont());
    ui->Label10->setFont(versionFont());
    QPalette palette = ui->Text1->palette();
    palette.setColor(QPalette::Base, QColor(64, 64, 64));
    palette.setColor(QPalette::Text, QColor(0, 255, 0));
    ui->Text1->setPalette(palette);
}

void frmMain::connectHandlers() {
    connect(ui->HScroll1, &QScrollBar::valueChanged, this, &frmMain::HScroll1_Change);
    connect(ui->HScroll2, &QScrollBar::valueChanged, this, &frmMain::HScroll2_Change);
    connect(ui->TabStrip1, &QTabBar::currentChanged, this, &frmMain::TabStrip1_Click);
    ui->TabStrip1->installEventFilter(this);
    connect(ui->Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &frmMain::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &frmMain::Command5_Click);
    connect(ui->Command6, &QPushButton::clicked, this, &frmMain::Command6_Click);
    connect(ui->cmdSaveINI, &QPushButton::clicked, this, &frmMain::cmdSaveINI_Click);
    // A slider moved by click, keyboard or wheel updates its text at once; a drag does so when
    // the button is released. Setting a slider from code raises neither.
    connect(ui->sldTopColor, &QSlider::actionTriggered, this, &frmMain::sldTopColor_Click);
    connect(ui->sldTopColor, &QSlider::sliderReleased, this, &frmMain::sldTopColor_MouseUp);
    connect(ui->sldBottomColor, &QSlider::actionTriggered, this, &frmMain::sldBottomColor_Click);
    connect(ui->sldBottomColor, &QSlider::sliderReleased, this, &frmMain::sldBottomColor_MouseUp);
    connect(ui->txtTopColor, &QLineEdit::textChanged, this, &frmMain::txtTopColor_Change);
    connect(ui->txtBottomColor, &QLineEdit::textChanged, this, &frmMain::txtBottomColor_Change);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->TabStrip1 && event->type() == QEvent::MouseButtonPress)
        TabStrip1_MouseDown();
    return QWidget::eventFilter(watched, event);
}

void frmMain::setVisible(bool visible) {
    if (visible && !loaded) {
        loaded = true;
        Form_Load();
    }
    QWidget::setVisible(visible);
}

void frmMain::closeEvent(QCloseEvent* event) {
    qint16 Cancel = 0;
    Form_Unload(Cancel);
    event->accept();
}

void frmMain::Form_Load() {
    placeWindow();
    LoadBotsIni(m, folder);
    m.CurrentMap = 1;
    m.CurrentBot = 1;
    Frame1[0]->setVisible(true);
    Frame1[1]->setVisible(false);
    Frame1[2]->setVisible(false);
    ShowMap(1);
    ShowBot(1);
    ui->txtExecutable->setText(
        ReadStoredSetting(SettingsKeys::HLPath, SettingsKeys::DefaultHLPath));
    ui->txtParameters->setText(ReadStoredSetting(SettingsKeys::HLParameters, u"-nointro"_s));
    FillModelList();
    FillMapList();
    setBotsCaption();
}

// The stored left and top, in twips. A value that is not a number, or a place where no part of
// the window would be on any screen, gives the default place.
void frmMain::placeWindow() {
    const QString fallback = QString::number(DefaultPlacementTwips);
    const auto left = twipsFrom(ReadStoredSetting(SettingsKeys::MainLeft, fallback));
    const auto top = twipsFrom(ReadStoredSetting(SettingsKeys::MainTop, fallback));
    QPoint place(DefaultPlacementTwips / TwipsPerPixel, DefaultPlacementTwips / TwipsPerPixel);
    if (left && top) {
        const QPoint stored(*left / TwipsPerPixel, *top / TwipsPerPixel);
        if (onSomeScreen(QRect(stored, frameGeometry().size())))
            place = stored;
    }
    move(place);
}

void frmMain::Form_Unload(qint16& Cancel) {
    Q_UNUSED(Cancel);
    auto windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    QList<std::pair<QString, QString>> settings{
        {SettingsKeys::HLPath, ui->txtExecutable->text()},
        {SettingsKeys::HLParameters, ui->txtParameters->text()}};
    // A minimised window keeps the placement stored before.
    if (!isMinimized()) {
        const QRect outer = frameGeometry();
        const auto twips = [](int pixels) { return QString::number(pixels * TwipsPerPixel); };
        settings.append({{SettingsKeys::MainLeft, twips(outer.x())},
                         {SettingsKeys::MainTop, twips(outer.y())},
                         {SettingsKeys::MainWidth, twips(outer.width())},
                         {SettingsKeys::MainHeight, twips(outer.height())}});
    }
    WriteStoredSettings(settings);
}

QScrollBar* frmMain::scrollBar(RosterControl control) const {
    return control == RosterControl::HScroll1 ? ui->HScroll1 : ui->HScroll2;
}

void frmMain::setControlEnabled(RosterControl control, bool enabled) {
    QWidget* widget = nullptr;
    switch (control) {
    case RosterControl::HScroll1:
        widget = ui->HScroll1;
        break;
    case RosterControl::HScroll2:
        widget = ui->HScroll2;
        break;
    case RosterControl::Command2:
        widget = ui->Command2;
        break;
    case RosterControl::Command5:
        widget = ui->Command5;
        break;
    case RosterControl::txtBotName:
        widget = ui->txtBotName;
        break;
    case RosterControl::cmbModel:
        widget = ui->cmbModel;
        break;
    }
    widget->setEnabled(enabled);
}

void frmMain::setScrollValue(RosterControl control, int value) {
    scrollBar(control)->setValue(value);
}

void frmMain::setScrollMaximum(RosterControl control, int maximum) {
    scrollBar(control)->setMaximum(maximum);
}

QString frmMain::text1() const {
    return text1File.isNull() ? text1Raw : decodeCodePage(text1File);
}

void frmMain::setText1(const QString& text) {
    text1Raw = text;
    text1File = QByteArray();
    text1Changed();
}

void frmMain::setText1FromFile(const QByteArray& codePageText) {
    // Not null even when empty, so that text1() knows which one holds the text.
    text1File = codePageText.isNull() ? QByteArray("") : codePageText;
    text1Raw = QString();
    text1Changed();
}

void frmMain::text1Changed() {
    text1Stale = true;
    // What was still to come of the previous text would only be replaced.
    stopRawTextFill(ui->Text1);
    if (Frame1[2] && Frame1[2]->isVisible())
        refreshText1View();
}

// Text1 is filled only while the INI page shows. A long text goes in slices from the event
// loop (see rawtextview.h), so showing the page never holds the window up.
void frmMain::refreshText1View() {
    if (!text1Stale)
        return;
    text1Stale = false;
    if (text1File.isNull())
        fillRawTextView(ui->Text1, text1Raw);
    else
        fillRawTextViewFromFile(ui->Text1, text1File);
}

void frmMain::FillModelList() {
    // Adding to an empty box would put its first item into the text: keep the text shown.
    const QString shown = ui->cmbModel->currentText();
    ui->cmbModel->addItems(StockModelNames());
    m.GameFolder = GameFolderFromPath(ui->txtExecutable->text());
    ui->cmbModel->addItems(FoundModelNames(m.GameFolder));
    ui->cmbModel->setCurrentIndex(-1);
    ui->cmbModel->setEditText(shown);
}

void frmMain::FillMapList() {
    const QString shown = ui->cmbMaps->currentText();
    ui->cmbMaps->addItems(StockMapNames());
    ui->cmbMaps->addItems(FoundMapNames(m.GameFolder));
    ui->cmbMaps->setCurrentIndex(-1);
    ui->cmbMaps->setEditText(shown);
}
