#include "window/entrypage.h"

#include "roster/botsini.h"
#include "roster/leadingnumber.h"
#include "ui_mainwindow.h"
#include "window/mainwindow.h"
#include "window/messages.h"
#include "window/modelpicture.h"
#include "window/numberprompt.h"
#include "window/pagewords.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Moves a pager without raising its change: the list already knows where it stands.
void putPager(QScrollBar* pager, int value) {
    const QSignalBlocker quiet(pager);
    pager->setValue(value);
}

} // namespace

template <> EntryPage<BotEntry>::Controls EntryPage<BotEntry>::controlsOf(Ui::MainWindow& ui) {
    return {
        ui.botsPage,
        ui.botPager,
        ui.addBotButton,
        ui.removeBotButton,
        ui.launchFromBotsButton,
        {{ui.botNameEdit, 0}, {ui.modelCombo, 1}, {ui.topColorEdit, 2}, {ui.bottomColorEdit, 3}},
        {ui.botNameEdit, ui.modelCombo, ui.topColorEdit, ui.topColorSlider, ui.bottomColorEdit,
         ui.bottomColorSlider},
        ui.modelCombo};
}

template <> EntryPage<MapEntry>::Controls EntryPage<MapEntry>::controlsOf(Ui::MainWindow& ui) {
    return {ui.mapsPage,
            ui.mapPager,
            ui.addMapButton,
            ui.removeMapButton,
            ui.launchFromMapsButton,
            {{ui.mapNameCombo, 0},
             {ui.quantityEdit, 1},
             {ui.randomCheck, RandomField},
             {ui.initialDelayEdit, 3},
             {ui.spawnDelayEdit, 4},
             {ui.waitForPlayersEdit, 5},
             {ui.keepServerFullEdit, 6}},
            {},
            ui.mapNameCombo};
}

// The keys act on the page on view, whichever of its controls (or the tab strip) has the focus:
// a page's actions are its own, and a hidden page's shortcuts do not fire. Its context menu lists
// them with their keys.
template <typename Entry>
EntryPage<Entry>::EntryPage(QWidget& owner, Ui::MainWindow& controls, RosterDocument& document)
    : ui(controls), window(owner), editor(document.list<Entry>()), parts(controlsOf(controls)),
      nameMark(parts.listBox->lineEdit(), lackedNameText(listKindOf<Entry>())) {
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
    entryActions = {
        make(QCoreApplication::translate("EntryPage", "Move Earlier"),
             Qt::CTRL | Qt::SHIFT | Qt::Key_Up),
        make(QCoreApplication::translate("EntryPage", "Move Later"),
             Qt::CTRL | Qt::SHIFT | Qt::Key_Down),
        make(QCoreApplication::translate("EntryPage", "Duplicate"), Qt::CTRL | Qt::Key_D),
        make(QCoreApplication::translate("EntryPage", "Copy Entry"),
             Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        make(QCoreApplication::translate("EntryPage", "Paste Entries"),
             Qt::CTRL | Qt::SHIFT | Qt::Key_V),
        make(listKindOf<Entry>() == RosterListKind::Bots
                 ? QCoreApplication::translate("EntryPage", "Show All Bots")
                 : QCoreApplication::translate("EntryPage", "Show All Maps"),
             Qt::CTRL | Qt::Key_L)};
    connectControls();
    QObject::connect(&document, &RosterDocument::listChanged, &window, [this](RosterListKind list) {
        if (list == listKindOf<Entry>())
            render();
    });
    QObject::connect(&document, &RosterDocument::draftChanged, &window,
                     [this](RosterListKind list) {
                         if (list != listKindOf<Entry>())
                             return;
                         showDraft(false);
                         refreshActions();
                     });
}

template <typename Entry> void EntryPage<Entry>::connectControls() {
    for (const auto& [control, field] : parts.fields) {
        const auto edit = [this, field = field](const QString& value) {
            if (!showing)
                edited(field, value);
        };
        if (auto* line = qobject_cast<QLineEdit*>(control))
            QObject::connect(line, &QLineEdit::textChanged, &window, edit);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QObject::connect(combo, &QComboBox::editTextChanged, &window, edit);
        else if (auto* check = qobject_cast<QCheckBox*>(control))
            QObject::connect(check, &QCheckBox::toggled, &window,
                             [edit](bool on) { edit(on ? u"Yes"_s : u"No"_s); });
    }
    QObject::connect(parts.listBox, &QComboBox::editTextChanged, &window,
                     [this](const QString& text) { nameMark.follow(text); });
    QObject::connect(parts.pager, &QScrollBar::valueChanged, &window,
                     [this](int value) { page(value); });
    QObject::connect(parts.addButton, &QAbstractButton::clicked, &window, [this] { add(); });
    QObject::connect(parts.removeButton, &QAbstractButton::clicked, &window,
                     [this] { editor.remove(); });
    QObject::connect(entryActions.moveEarlier, &QAction::triggered, &window,
                     [this] { editor.move(-1); });
    QObject::connect(entryActions.moveLater, &QAction::triggered, &window,
                     [this] { editor.move(1); });
    QObject::connect(entryActions.duplicate, &QAction::triggered, &window, [this] { duplicate(); });
    QObject::connect(entryActions.copy, &QAction::triggered, &window, [this] { copy(); });
    QObject::connect(entryActions.paste, &QAction::triggered, &window, [this] { paste(); });
}

template <typename Entry> void EntryPage<Entry>::setLists(GameLists lists) {
    offered = std::move(lists);
    QComboBox* box = parts.listBox;
    {
        const QScopedValueRollback quiet(showing, true);
        box->clear();
        box->addItems(listKindOf<Entry>() == RosterListKind::Bots ? offered.models : offered.maps);
        box->setCurrentIndex(-1);
    }
    nameMark.setOffered(listKindOf<Entry>() == RosterListKind::Bots ? offered.offeredModels
                                                                    : offered.offeredMaps);
    showDraft(true);
}

template <typename Entry> QString EntryPage<Entry>::caption() const {
    const EntryList<Entry>& list = editor.list();
    return PageWords::caption(listKindOf<Entry>(), list.current(), list.count());
}

template <typename Entry> QString EntryPage<Entry>::findTitle() const {
    return PageWords::findTitle(listKindOf<Entry>());
}

template <typename Entry> void EntryPage<Entry>::render() {
    const EntryList<Entry>& list = editor.list();
    QScrollBar* bar = parts.pager;
    {
        const QSignalBlocker quiet(bar);
        bar->setMaximum(list.pagerMaximum());
        bar->setValue(list.current());
    }
    bar->setEnabled(list.canPage());
    parts.removeButton->setEnabled(list.canRemove());
    for (QWidget* control : parts.editors)
        control->setEnabled(list.canRemove());
    showDraft(true);
    refreshActions();
}

template <typename Entry> void EntryPage<Entry>::showDraft(bool all) {
    const QScopedValueRollback quiet(showing, true);
    const Entry& draft = editor.draft();
    for (const auto& [control, field] : parts.fields) {
        const QString& value = fieldOf(draft, field);
        if (auto* line = qobject_cast<QLineEdit*>(control)) {
            if (all || line->text() != value)
                line->setText(value);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            if (all || combo->currentText() != value)
                combo->setEditText(value);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->setChecked(MapEntry::randomOn(value));
        }
    }
}

// Each action is on while it would act.
template <typename Entry> void EntryPage<Entry>::refreshActions() {
    entryActions.moveEarlier->setEnabled(editor.canMove(-1));
    entryActions.moveLater->setEnabled(editor.canMove(1));
    entryActions.duplicate->setEnabled(editor.canDuplicate());
    entryActions.copy->setEnabled(editor.list().canDuplicate());
}

// A refused paging leaves the draft on view, and the pager where it was.
template <typename Entry> void EntryPage<Entry>::page(int value) {
    if (!editor.pageTo(value))
        putPager(parts.pager, editor.list().current());
}

template <typename Entry> void EntryPage<Entry>::showListFull() {
    showMessage(&window, PageWords::fullTitle(listKindOf<Entry>()),
                PageWords::fullText(listKindOf<Entry>()));
}

template <typename Entry> void EntryPage<Entry>::add() {
    if (!editor.add())
        showListFull();
}

template <typename Entry> void EntryPage<Entry>::duplicate() {
    if (editor.duplicate() == ListEditor<Entry>::Copy::ListFull)
        showListFull();
}

template <typename Entry> void EntryPage<Entry>::copy() {
    if (!editor.list().canDuplicate())
        return;
    editor.storeDraft();
    const EntryList<Entry>& list = editor.list();
    QGuiApplication::clipboard()->setText(composeBotsIniEntry(list.at(list.current())));
}

template <typename Entry> void EntryPage<Entry>::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && data->hasText() ? data->text() : QString();
    const PastedEntries<Entry> read = pasteEntries<Entry>(text, editor.list().count());
    if (!read.entries.isEmpty() && !editor.insertAfterView(read.entries))
        return;
    const QString said = PageWords::pasteReport(listKindOf<Entry>(), read.entries.size(),
                                                read.otherKind, read.notFitting);
    if (!said.isEmpty())
        showMessage(&window, PageWords::pasteTitle(), said);
}

template <typename Entry> bool EntryPage<Entry>::find(const QString& text, bool backwards) {
    return editor.find(text, backwards) != ListEditor<Entry>::Found::None;
}

template <typename Entry> void EntryPage<Entry>::goTo() {
    const EntryList<Entry>& list = editor.list();
    if (list.count() == 0 || !editor.canLeave())
        return;
    const auto number = askNumber(
        &window, {PageWords::goToTitle(listKindOf<Entry>()),
                  QCoreApplication::translate("EntryPage", "Number, 1 to %1:").arg(list.count()),
                  qBound(1, list.current(), list.count()), 1, list.count()});
    if (number)
        editor.pageTo(*number);
}

template class EntryPage<BotEntry>;
template class EntryPage<MapEntry>;

BotsPage::BotsPage(QWidget& owner, Ui::MainWindow& controls, RosterDocument& document)
    : EntryPage(owner, controls, document) {
    // A slider moved by click, keyboard or wheel updates its text at once; a drag does so when
    // the button is released. Setting a slider from code raises neither. The slider shows the
    // text's colour where it reads as one: a text shown that reads as none leaves it without a
    // colour, and typing such a text leaves it where it was.
    const std::pair<HueSlider*, QLineEdit*> colourPairs[] = {
        {ui.topColorSlider, ui.topColorEdit}, {ui.bottomColorSlider, ui.bottomColorEdit}};
    for (const auto& pair : colourPairs) {
        HueSlider* slider = pair.first;
        QLineEdit* text = pair.second;
        const auto showSlider = [slider, text] {
            text->setText(QString::number(slider->sliderPosition()));
        };
        QObject::connect(slider, &QSlider::actionTriggered, &window, [slider, showSlider] {
            if (!slider->isSliderDown())
                showSlider();
        });
        QObject::connect(slider, &QSlider::sliderReleased, &window, showSlider);
        QObject::connect(text, &QLineEdit::textChanged, &window,
                         [this, slider](const QString& typed) {
                             const auto colour = colourFromText(typed);
                             if (colour)
                                 slider->setValue(*colour);
                             if (colour || showing)
                                 slider->setValueShown(colour.has_value());
                         });
    }
    QObject::connect(ui.modelCombo, &QComboBox::editTextChanged, &window,
                     [this] { showModelPicture(); });
}

void BotsPage::showModelPicture() {
    ui.modelCombo->setToolTip(
        modelPictureToolTip(offered.modelPicture(ui.modelCombo->currentText())));
}
