#pragma once

#include "roster/entrylist.h"
#include "roster/records.h"
#include "roster/rosterhistory.h"

#include <QList>
#include <QString>

#include <optional>

class QAction;
class QAbstractButton;
class QLineEdit;
class QScrollBar;
class QSlider;
class QWidget;

namespace Ui {
class MainWindow;
}

// The Bots or the Maps page: one entry of its list on view at a time in the page's controls,
// which are the editing buffer; what they hold reaches the list when the page is left. The page
// reads its controls into the list's editing rules and shows the list's state: the pager, what
// may be pressed, the entry, and the window's caption. Its actions (Move Earlier, Move Later,
// Duplicate, Copy Entry, Paste Entries) are its keys and its context menu.
template <typename Entry> class EntryPage {
public:
    struct Actions {
        QAction* moveEarlier = nullptr;
        QAction* moveLater = nullptr;
        QAction* duplicate = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
    };

    // The page's controls are window's, made by ui; list is the one the page edits, each change
    // recorded in history.
    EntryPage(QWidget& window, Ui::MainWindow& ui, EntryList<Entry>& list, RosterHistory& history);
    virtual ~EntryPage() = default;
    EntryPage(const EntryPage&) = delete;
    EntryPage& operator=(const EntryPage&) = delete;

    QScrollBar* pager() const { return parts.pager; }
    QAbstractButton* addButton() const { return parts.addButton; }
    QAbstractButton* removeButton() const { return parts.removeButton; }
    QAbstractButton* launchButton() const { return parts.launchButton; }
    const Actions& actions() const { return entryActions; }

    // What the page's controls hold, as an entry.
    Entry onView() const;
    // Stores the controls into the current entry, as leaving the page does.
    void storeOnView() { edits.storeCurrent(onView()); }
    // Whether the entry on view may be left (it has what it needs), and whether leaving it would
    // store a change.
    bool canLeave() const { return edits.canLeave(onView()); }
    // Undoes the roster's last step (forward: redoes the next) from this page, the edits on view
    // stored first; the list it changed. What it would do, as the menu names it.
    std::optional<RosterListKind> stepHistory(bool forward) {
        return edits.step(forward, onView());
    }
    QString historyText(bool forward) const { return edits.stepText(forward, onView()); }
    // Shows the list's state and sets the caption.
    void render();
    // The window's caption while the page is on view.
    QString caption() const;

    // What the pager, the buttons and the actions do. A refused paging, move or copy leaves the
    // entry on view as it is.
    void page(int value);
    void add();
    void remove();
    void move(int offset);
    void duplicate();
    // Copy puts the entry on view, its edits stored first, on the clipboard as the section Save
    // INI writes for it. Paste inserts the clipboard's entries of the page's kind after it, read
    // as bots.ini is read, as one step, and shows the first; the player is told what was left out.
    void copy();
    void paste();
    // Shows the next entry (backwards: the one before) whose name contains text, as paging shows
    // it; false when none does. Where paging is refused nothing happens, and that is no miss.
    enum class Found { Shown, None, Refused };
    Found find(const QString& text, bool backwards);
    // Asks for an entry number and shows that entry, as paging does.
    void goTo();

protected:
    Ui::MainWindow& ui;

private:
    // The page's own controls.
    struct Controls {
        QWidget* page;
        QScrollBar* pager;
        QAbstractButton* addButton;
        QAbstractButton* removeButton;
        QAbstractButton* launchButton;
        // The controls that need an entry to edit: on only while the list may lose one.
        QList<QWidget*> editors;
    };
    static Controls controlsOf(Ui::MainWindow& ui);
    void show(const Entry& entry);
    void showListFull();

    QWidget& window;
    EntryList<Entry>& list;
    Controls parts;
    RecordedList<Entry> edits;
    Actions entryActions;
};

using MapsPage = EntryPage<MapEntry>;

// The Bots page also has the model's picture and the colour sliders.
class BotsPage : public EntryPage<BotEntry> {
public:
    using EntryPage::EntryPage;

    // The model box's tool tip: the model's picture in gameFolder, where the game has one.
    void showModelPicture(const QString& gameFolder);
    // Each colour slider and the text box beside it keep each other in step; the colour reaches
    // the bot only as the text box's text. The slider's position, not its value, is shown: on a
    // click, key or wheel step the value follows only after the action has been reported.
    static void showSliderInText(const QSlider* slider, QLineEdit* text);
    // A text that reads as 0 leaves the slider alone; the slider keeps a number outside its range
    // at its nearest end, while the text stays as typed.
    static void showTextOnSlider(const QLineEdit* text, QSlider* slider);
};
