#pragma once

#include "app/gamelists.h"
#include "app/rosterdocument.h"
#include "window/namemark.h"
#include "window/page.h"

#include <QList>
#include <QString>

#include <memory>
#include <utility>

class QAction;
class QAbstractButton;
class QComboBox;
class QScrollBar;
class QWidget;

namespace Ui {
class MainWindow;
}

// The Bots or the Maps page: the draft of one entry of its list in the page's controls, the
// pager, Add, Remove, and the page's actions (Move Earlier, Move Later, Duplicate, Copy Entry,
// Paste Entries), which are its keys and its context menu. The page hands every change the player
// makes to a control to the document as an edit of the draft, asks the list's editor to page,
// add and so on, and shows what the document then holds: it never reads its controls back.
template <typename Entry> class EntryPage : public Page {
public:
    struct Actions {
        QAction* moveEarlier = nullptr;
        QAction* moveLater = nullptr;
        QAction* duplicate = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
        QAction* showAll = nullptr;
    };

    // The page's controls are window's, made by ui; it edits document's list of Entry.
    EntryPage(QWidget& window, Ui::MainWindow& ui, RosterDocument& document);
    EntryPage(const EntryPage&) = delete;
    EntryPage& operator=(const EntryPage&) = delete;

    const Actions& actions() const { return entryActions; }
    QAbstractButton* launchButton() const { return parts.launchButton; }
    // The names the page's list box offers (models or maps), and the mark of a name it lacks.
    void setLists(GameLists lists);

    QString caption() const override;
    QString findTitle() const override;
    bool find(const QString& text, bool backwards) override;
    void goTo() override;
    std::optional<RosterListKind> stepHistory(bool forward) override {
        return editor.step(forward);
    }
    QString historyText(bool forward) const override { return editor.stepText(forward); }
    RosterListKind rosterList() const override { return listKindOf<Entry>(); }
    QString guideSection() const override {
        return listKindOf<Entry>() == RosterListKind::Bots ? QStringLiteral("the-bots-page")
                                                           : QStringLiteral("the-maps-page");
    }

protected:
    // The page's controls, and the field of the entry each one shows.
    struct Controls {
        QWidget* page;
        QScrollBar* pager;
        QAbstractButton* addButton;
        QAbstractButton* removeButton;
        QAbstractButton* launchButton;
        QList<std::pair<QWidget*, int>> fields;
        // The controls that need an entry to edit: on only while the list may lose one.
        QList<QWidget*> editors;
        // The box whose names come from the game folder's list.
        QComboBox* listBox;
    };
    static Controls controlsOf(Ui::MainWindow& ui);

    // Shows the list's state and the draft.
    void render();
    // Shows the draft: in every control (all), or in those that show something else.
    void showDraft(bool all);
    // The player changed the control that shows field.
    void edited(int field, const QString& value) { editor.editDraft(field, value); }
    // While true, a control's change comes from showing the draft, not from the player.
    bool showing = false;

    Ui::MainWindow& ui;
    QWidget& window;
    ListEditor<Entry>& editor;
    Controls parts;
    GameLists offered;

private:
    void connectControls();
    void refreshActions();
    void page(int value);
    void add();
    void duplicate();
    // Copy puts the entry on view, its edits stored first, on the clipboard as the section Save
    // INI writes for it. Paste inserts the clipboard's entries of the page's kind after it, read
    // as bots.ini is read, as one step, and shows the first; the player is told what was left
    // out.
    void copy();
    void paste();
    void showListFull();

    Actions entryActions;
    NameMark nameMark;
};

using MapsPage = EntryPage<MapEntry>;

// The Bots page also has the model's picture and the colour sliders. Each colour slider and the
// text box beside it keep each other in step; the colour reaches the bot only as the text box's
// text, and the slider shows a colour only while the text reads as one.
class BotsPage : public EntryPage<BotEntry> {
public:
    BotsPage(QWidget& window, Ui::MainWindow& ui, RosterDocument& document);

private:
    // The model box's tool tip: the model's picture in the game folder, where the game has one.
    // It follows the box's text as it changes, whether typed or shown; new lists empty the box
    // and show the model again.
    void showModelPicture();
};
