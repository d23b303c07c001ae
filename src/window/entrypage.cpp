#include "window/entrypage.h"

#include "catalog/catalog.h"
#include "roster/botsini.h"
#include "roster/entrysearch.h"
#include "ui_mainwindow.h"
#include "window/leadingnumber.h"
#include "window/mainwindow.h"
#include "window/messages.h"
#include "window/modelpicture.h"
#include "window/numberprompt.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The entry index as the caption shows it: a blank in the place of the sign, or a minus.
QString signedNumber(int value) {
    return value < 0 ? QString::number(value) : u" "_s + QString::number(value);
}

// Moves a pager without raising its change: the list already knows where it stands.
void putPager(QScrollBar* pager, int value) {
    const QSignalBlocker quiet(pager);
    pager->setValue(value);
}

// What differs between the two pages besides their controls: the caption's word and the message
// of a full list.
template <typename Entry> struct PageWords;
template <> struct PageWords<BotEntry> {
    static inline const QString Caption = u"Bot"_s;
    static inline const QString GoToTitle = u"Go to bot"_s;
    static inline const QString FullTitle = u"Add bot"_s;
    static inline const QString FullText =
        u"The bot list is full: it already holds %1 bots, the most it can hold."_s;
    static inline const QString Own = u"bot"_s;
    static inline const QString Owns = u"bots"_s;
    static inline const QString Sections = u"[Bot]"_s;
    static inline const QString Other = u"map entry"_s;
    static inline const QString Others = u"map entries"_s;
    static inline const QString OtherPage = u"Maps"_s;
};
template <> struct PageWords<MapEntry> {
    static inline const QString Caption = u"Map"_s;
    static inline const QString GoToTitle = u"Go to map"_s;
    static inline const QString FullTitle = u"Add map"_s;
    static inline const QString FullText =
        u"The map list is full: it already holds %1 entries, the most it can hold."_s;
    static inline const QString Own = u"map entry"_s;
    static inline const QString Owns = u"map entries"_s;
    static inline const QString Sections = u"[Map] or [DefaultMap]"_s;
    static inline const QString Other = u"bot"_s;
    static inline const QString Others = u"bots"_s;
    static inline const QString OtherPage = u"Bots"_s;
};

// "1 bot", "3 bots".
QString counted(qsizetype n, const QString& one, const QString& many) {
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

const QString PasteTitle = u"Paste Entries"_s;

} // namespace

template <> EntryPage<BotEntry>::Controls EntryPage<BotEntry>::controlsOf(Ui::MainWindow& ui) {
    return {ui.botsPage,
            ui.botPager,
            ui.addBotButton,
            ui.removeBotButton,
            ui.launchFromBotsButton,
            {ui.botNameEdit, ui.modelCombo}};
}

template <> EntryPage<MapEntry>::Controls EntryPage<MapEntry>::controlsOf(Ui::MainWindow& ui) {
    return {ui.mapsPage, ui.mapPager, ui.addMapButton, ui.removeMapButton, ui.launchFromMapsButton,
            {}};
}

template <> BotEntry EntryPage<BotEntry>::onView() const {
    return {ui.botNameEdit->text(), ui.modelCombo->currentText(), ui.topColorEdit->text(),
            ui.bottomColorEdit->text()};
}

template <> MapEntry EntryPage<MapEntry>::onView() const {
    return {ui.mapNameCombo->currentText(),
            ui.quantityEdit->text(),
            ui.randomCheck->isChecked() ? u"Yes"_s : u"No"_s,
            ui.initialDelayEdit->text(),
            ui.spawnDelayEdit->text(),
            ui.waitForPlayersEdit->text(),
            ui.keepServerFullEdit->text()};
}

template <> void EntryPage<BotEntry>::show(const BotEntry& bot) {
    ui.botNameEdit->setText(bot.name);
    ui.modelCombo->setEditText(bot.model);
    ui.topColorEdit->setText(bot.topColor);
    ui.bottomColorEdit->setText(bot.bottomColor);
}

template <> void EntryPage<MapEntry>::show(const MapEntry& map) {
    ui.mapNameCombo->setEditText(map.name);
    ui.quantityEdit->setText(map.quantity);
    ui.randomCheck->setChecked(map.isRandom());
    ui.initialDelayEdit->setText(map.initialDelay);
    ui.spawnDelayEdit->setText(map.spawnDelay);
    ui.waitForPlayersEdit->setText(map.waitForPlayers);
    ui.keepServerFullEdit->setText(map.keepServerFull);
}

// The keys act on the page on view, whichever of its controls (or the tab strip) has the focus:
// a page's actions are its own, and a hidden page's shortcuts do not fire. Its context menu lists
// them with their keys.
template <typename Entry>
EntryPage<Entry>::EntryPage(QWidget& owner, Ui::MainWindow& controls, EntryList<Entry>& edited,
                            RosterHistory& history)
    : ui(controls), window(owner), list(edited), parts(controlsOf(controls)),
      edits(edited, history) {
    QWidget* page = parts.page;
    const auto make = [page](const QString& text, QKeyCombination key) {
        auto* action = new QAction(text, page);
        action->setShortcut(key);
        // Live in the whole window while the page is on view, not only while one of its
        // controls has the focus: the keys also act from the tab strip.
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        page->addAction(action);
        return action;
    };
    page->setContextMenuPolicy(Qt::ActionsContextMenu);
    entryActions = {make(u"Move Earlier"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_Up),
                    make(u"Move Later"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_Down),
                    make(u"Duplicate"_s, Qt::CTRL | Qt::Key_D),
                    make(u"Copy Entry"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                    make(u"Paste Entries"_s, Qt::CTRL | Qt::SHIFT | Qt::Key_V)};
}

template <typename Entry> QString EntryPage<Entry>::caption() const {
    return MainWindow::ProgramName + u"  ("_s + PageWords<Entry>::Caption + u" "_s +
           signedNumber(list.current()) + u" of "_s + QString::number(list.count()) + u")"_s;
}

template <typename Entry> void EntryPage<Entry>::render() {
    QScrollBar* bar = parts.pager;
    {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(list.pagerMaximum());
        bar->setValue(list.current());
    }
    bar->setEnabled(list.canPage());
    parts.removeButton->setEnabled(list.canRemove());
    for (QWidget* editor : parts.editors)
        editor->setEnabled(list.canRemove());
    entryActions.moveEarlier->setEnabled(list.canMove(-1));
    entryActions.moveLater->setEnabled(list.canMove(1));
    entryActions.duplicate->setEnabled(list.canDuplicate());
    entryActions.copy->setEnabled(list.canDuplicate());
    if (const Entry* shown = list.shown())
        show(*shown);
    window.setWindowTitle(caption());
}

template <typename Entry> void EntryPage<Entry>::page(int value) {
    if (edits.pageTo(value, onView()))
        render();
    else
        putPager(parts.pager, list.current());
}

template <typename Entry> void EntryPage<Entry>::showListFull() {
    showMessage(&window, PageWords<Entry>::FullTitle,
                PageWords<Entry>::FullText.arg(EntryList<Entry>::MaxEntries));
}

template <typename Entry> void EntryPage<Entry>::add() {
    if (!edits.add(onView())) {
        showListFull();
        return;
    }
    render();
}

template <typename Entry> void EntryPage<Entry>::remove() {
    if (edits.remove(list.current()))
        render();
}

template <typename Entry> void EntryPage<Entry>::move(int offset) {
    if (edits.move(offset, onView()))
        render();
}

template <typename Entry> void EntryPage<Entry>::duplicate() {
    switch (edits.duplicate(onView())) {
    case EntryList<Entry>::Copy::Made:
        render();
        break;
    case EntryList<Entry>::Copy::ListFull:
        showListFull();
        break;
    case EntryList<Entry>::Copy::Refused:
        break;
    }
}

template <typename Entry> void EntryPage<Entry>::copy() {
    if (!list.canDuplicate())
        return;
    storeOnView();
    QGuiApplication::clipboard()->setText(composeBotsIniEntry(list.at(list.current())));
}

template <typename Entry> void EntryPage<Entry>::paste() {
    using Words = PageWords<Entry>;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && data->hasText() ? data->text() : QString();
    const PastedEntries<Entry> pasted = pasteEntries<Entry>(text, list.count());
    if (pasted.entries.isEmpty() && pasted.notFitting == 0) {
        showMessage(
            &window, PasteTitle,
            u"The clipboard holds no %1 to paste: no bots.ini text with a %2 section."_s.arg(
                Words::Owns, Words::Sections));
        return;
    }
    if (pasted.entries.isEmpty()) {
        showListFull();
        return;
    }
    if (!edits.insertAfterView(pasted.entries, onView()))
        return;
    render();
    QStringList notes;
    if (pasted.otherKind > 0)
        notes << u"Left out: %1, which belong on the %2 page."_s.arg(
            counted(pasted.otherKind, Words::Other, Words::Others), Words::OtherPage);
    if (pasted.notFitting > 0)
        notes << u"%1 did not fit: the list holds at most %2."_s.arg(
            counted(pasted.notFitting, Words::Own, Words::Owns),
            QString::number(EntryList<Entry>::MaxEntries));
    if (!notes.isEmpty())
        showMessage(
            &window, PasteTitle,
            u"Pasted %1.\n\n"_s.arg(counted(pasted.entries.size(), Words::Own, Words::Owns)) +
                notes.join(u"\n"_s));
}

template <typename Entry>
typename EntryPage<Entry>::Found EntryPage<Entry>::find(const QString& text, bool backwards) {
    if (!edits.canLeave(onView()))
        return Found::Refused;
    const int index = findByName(list, text, list.current(), backwards);
    if (index == 0)
        return Found::None;
    page(index);
    return Found::Shown;
}

template <typename Entry> void EntryPage<Entry>::goTo() {
    if (list.count() == 0 || !edits.canLeave(onView()))
        return;
    const auto number =
        askNumber(&window, {PageWords<Entry>::GoToTitle, u"Number, 1 to %1:"_s.arg(list.count()),
                            qBound(1, list.current(), list.count()), 1, list.count()});
    if (number)
        page(*number);
}

template class EntryPage<BotEntry>;
template class EntryPage<MapEntry>;

void BotsPage::showModelPicture(const QString& gameFolder) {
    ui.modelCombo->setToolTip(
        modelPictureToolTip(modelPicturePath(gameFolder, ui.modelCombo->currentText())));
}

void BotsPage::showSliderInText(const QSlider* slider, QLineEdit* text) {
    text->setText(QString::number(slider->sliderPosition()));
}

void BotsPage::showTextOnSlider(const QLineEdit* text, QSlider* slider) {
    if (const auto colour = colourFromText(text->text()))
        slider->setValue(*colour);
}
