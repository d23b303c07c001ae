// The Bots and Maps pages: one entry shown at a time, stored back when the page is left.
#include "ui_frmmain.h"
#include "window/frmmain.h"

#include "launch/commands.h"
#include "platform/messages.h"
#include "roster/botsini.h"

#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

bool same(const QString& a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The entry index as the caption shows it: a blank in the place of the sign, or a minus.
QString signedNumber(int value) {
    return value < 0 ? QString::number(value) : u" "_s + QString::number(value);
}

QString pageCaption(const QString& word, int value, int count) {
    return frmMain::ProgramName + u"  ("_s + word + u" "_s + signedNumber(value) + u" of "_s +
           QString::number(count) + u")"_s;
}

// Left of the first entry is the last one, right of the last is the first. Setting the wrapped
// value runs the change handling anew, and that run does the paging; the run that wrapped must
// then do nothing more, or it would store the newly shown entry before it was ever left.
bool wrapPaging(QScrollBar* scrollBar, int count) {
    const int value = scrollBar->value();
    const int wrapped = value < 1 ? count : (value > count ? 1 : value);
    if (wrapped == value)
        return false;
    scrollBar->setValue(wrapped);
    return true;
}

void putBack(QScrollBar* scrollBar, int value) {
    const QSignalBlocker quiet(scrollBar);
    scrollBar->setValue(value);
}

} // namespace

void frmMain::ShowMap(qint16 index) {
    if (index < 0 || index >= m.Maps.size())
        return;
    const MapEntry& map = m.Maps.at(index);
    ui->cmbMaps->setEditText(map.Name);
    ui->txtQuantity->setText(map.Quantity);
    const bool ticked = same(map.Random, u"1") || same(map.Random, u"Yes");
    ui->chkRandom->setChecked(ticked);
    ui->txtInitialDelay->setText(map.InitialDelay);
    ui->txtSpawnDelay->setText(map.SpawnDelay);
    ui->txtWaitForPlayers->setText(map.WaitForPlayers);
    ui->txtKeepServerFull->setText(map.KeepServerFull);
}

void frmMain::ShowBot(qint16 index) {
    if (index < 0 || index >= m.Bots.size())
        return;
    const BotEntry& bot = m.Bots.at(index);
    ui->txtBotName->setText(bot.Name);
    ui->cmbModel->setEditText(bot.Model);
    ui->txtTopColor->setText(bot.TopColor);
    ui->txtBottomColor->setText(bot.BottomColor);
}

void frmMain::StoreMap(qint16 index) {
    if (index > m.MapCount)
        index = m.MapCount;
    if (!m.SkipMapStore && index >= 0) {
        MapEntry& map = m.Maps[index];
        map.Name = ui->cmbMaps->currentText();
        map.Quantity = ui->txtQuantity->text();
        map.Random = ui->chkRandom->isChecked() ? u"Yes"_s : u"No"_s;
        map.InitialDelay = ui->txtInitialDelay->text();
        map.SpawnDelay = ui->txtSpawnDelay->text();
        map.WaitForPlayers = ui->txtWaitForPlayers->text();
        map.KeepServerFull = ui->txtKeepServerFull->text();
    }
    m.SkipMapStore = false;
}

void frmMain::StoreBot(qint16 index) {
    if (index > m.BotCount)
        index = m.BotCount;
    if (!m.SkipBotStore && index >= 0) {
        BotEntry& bot = m.Bots[index];
        bot.Name = ui->txtBotName->text();
        bot.Model = ui->cmbModel->currentText();
        bot.TopColor = ui->txtTopColor->text();
        bot.BottomColor = ui->txtBottomColor->text();
    }
    m.SkipBotStore = false;
}

// Paging is refused while the entry on view has an empty name (or, for a bot, model): that entry
// stays on view and the scroll bar goes back to it, so the scroll bar, the current index and the
// entry shown always agree. An entry just removed, or the spare slot of an empty list, has
// nothing to keep, so it never holds up the paging.
void frmMain::HScroll1_Change() {
    const bool realEntryShown = !m.SkipMapStore && m.CurrentMap >= 1;
    if (realEntryShown && ui->cmbMaps->currentText().isEmpty()) {
        putBack(ui->HScroll1, m.CurrentMap);
        return;
    }
    if (wrapPaging(ui->HScroll1, m.MapCount))
        return;
    StoreMap(m.CurrentMap);
    m.CurrentMap = qint16(ui->HScroll1->value());
    ShowMap(m.CurrentMap);
    setMapsCaption();
}

void frmMain::HScroll2_Change() {
    const bool realEntryShown = !m.SkipBotStore && m.CurrentBot >= 1;
    if (realEntryShown &&
        (ui->txtBotName->text().isEmpty() || ui->cmbModel->currentText().isEmpty())) {
        putBack(ui->HScroll2, m.CurrentBot);
        return;
    }
    if (wrapPaging(ui->HScroll2, m.BotCount))
        return;
    StoreBot(m.CurrentBot);
    m.CurrentBot = qint16(ui->HScroll2->value());
    ShowBot(m.CurrentBot);
    setBotsCaption();
}

void frmMain::TabStrip1_Click() {
    StoreMap(qint16(ui->HScroll1->value()));
    StoreBot(qint16(ui->HScroll2->value()));
    const int selected = ui->TabStrip1->currentIndex() + 1;
    for (int k = 0; k < 3; ++k)
        Frame1[k]->setVisible(selected == k + 1);
    if (selected == 1)
        setBotsCaption();
    else if (selected == 2)
        setMapsCaption();
    else
        setIniCaption();
    if (selected == 3)
        refreshText1View();
}

void frmMain::TabStrip1_MouseDown() {
    TabStrip1_Click();
}

void frmMain::setBotsCaption() {
    setWindowTitle(pageCaption(u"Bot"_s, ui->HScroll2->value(), m.BotCount));
}

void frmMain::setMapsCaption() {
    setWindowTitle(pageCaption(u"Map"_s, ui->HScroll1->value(), m.MapCount));
}

void frmMain::setIniCaption() {
    setWindowTitle(ProgramName);
}

// When the paging set off by an Add was refused (the entry on view had an empty name), the new
// entry is on view all the same: make it the current one, so nothing shown lands elsewhere.
void frmMain::Command1_Click() {
    if (!m.AddMap()) {
        showMessage(
            this, u"Add map"_s,
            u"The map list is full: it already holds %1 entries, the most it can hold."_s.arg(
                Module1::MaxEntries));
        return;
    }
    if (m.CurrentMap != m.MapCount) {
        m.CurrentMap = m.MapCount;
        putBack(ui->HScroll1, m.MapCount);
        setMapsCaption();
    }
}

void frmMain::Command4_Click() {
    if (!m.AddBot()) {
        showMessage(this, u"Add bot"_s,
                    u"The bot list is full: it already holds %1 bots, the most it can hold."_s.arg(
                        Module1::MaxEntries));
        return;
    }
    if (m.CurrentBot != m.BotCount) {
        m.CurrentBot = m.BotCount;
        putBack(ui->HScroll2, m.BotCount);
        setBotsCaption();
    }
}

void frmMain::Command2_Click() {
    m.RemoveMap(qint16(ui->HScroll1->value()));
}

void frmMain::Command5_Click() {
    m.RemoveBot(qint16(ui->HScroll2->value()));
}

void frmMain::cmdSaveINI_Click() {
    WriteStoredSettings({{SettingsKeys::HLPath, ui->txtExecutable->text()},
                         {SettingsKeys::HLParameters, ui->txtParameters->text()}});
    ui->cmbModel->clear();
    ui->cmbModel->clearEditText();
    ui->cmbMaps->clear();
    ui->cmbMaps->clearEditText();
    FillModelList();
    FillMapList();
    const int bot = qBound(0, ui->HScroll2->value(), int(m.BotCount));
    const int map = qBound(0, ui->HScroll1->value(), int(m.MapCount));
    ui->cmbModel->setEditText(m.Bots.at(bot).Model);
    ui->cmbMaps->setEditText(m.Maps.at(map).Name);
    QString error;
    if (!WriteBotsIni(m, folder, &error)) {
        showMessage(this, u"Save INI"_s,
                    u"The roster was not saved, and bots.ini is unchanged.\n\n%1\n\nYour edits "
                    u"are still here: fix the cause and press \"Save INI\" again."_s.arg(error));
    }
}

void frmMain::Command3_Click() {
    launchGame();
}

void frmMain::Command6_Click() {
    launchGame();
}

void frmMain::launchGame() {
    QString error;
    if (!LaunchStoredGame(m, &error)) {
        showMessage(this, u"Launch"_s,
                    u"The game could not be started.\n\n%1\n\nCheck the \"HL.exe path\" on the INI "
                    u"page and press \"Save INI\" before launching."_s.arg(error));
    }
}
