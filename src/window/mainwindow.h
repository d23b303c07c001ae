#pragma once

#include "platform/filestamp.h"
#include "roster/roster.h"

#include <QString>
#include <QWidget>

class QAbstractButton;
class QAction;
class QComboBox;
class QLineEdit;
class QScrollBar;
class QSlider;

namespace Ui {
class MainWindow;
}

// The program's one window: the Bots, Maps and INI pages over a tab bar. The pages' controls are
// the editing buffer of one bot and one map entry; edits reach the roster when a page is left.
// The window reads the controls into the roster's editing rules and shows the roster's state.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static inline const QString ProgramName = QStringLiteral("Vantrel Zelvik");

    // programFolder is where bots.ini is read and written (until the player opens another);
    // empty means the program's own folder.
    explicit MainWindow(const QString& programFolder = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings and bots.ini into the window; called once, before the first show.
    void load();

    const Roster& roster() const { return rosterState; }
    // The folder the map and model lists come from, as the path box named it at load or save.
    QString gameFolder() const { return listsFolder; }
    // The raw text the INI page shows, line ends included.
    QString iniText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void connectColourPair(QSlider* slider, QLineEdit* edit);
    void applyFonts();

    void readSettings();
    void loadRoster();
    void addOpenFolderAction();
    void addEntryActions();
    void openAddonFolder();
    void writeSettings();
    void placeWindow();

    void onBotPagerChanged(int value);
    void onMapPagerChanged(int value);
    void onPageChanged();
    // Shows the page of the tab with this index.
    void showPage(int index);
    void addBot();
    void addMap();
    void removeBot();
    void removeMap();
    // False when nothing was written: the player kept another program's edit, or the write failed.
    bool saveIni();
    void launchGame();
    // Stores both pages' controls into the roster, as leaving a page does.
    void storeShownEntries();
    // The roster as it would be saved now: the entries on view stored as a page change stores them.
    Roster rosterToSave() const;
    // Whether Save INI would write a roster other than the one bots.ini was read or saved as.
    bool hasUnsavedEdits() const;
    // Asks what becomes of unsaved edits before the roster is left (Save, Discard, Cancel);
    // false when they are kept: the player cancelled, or saving failed. leaving says how, for
    // the question: "closing", "opening another folder".
    bool settleUnsavedEdits(const QString& leaving);
    // Whether bots.ini may be written: asks first when another program changed it since.
    bool mayOverwriteIniFile();

    // What the page's controls hold, as an entry.
    BotEntry botOnView() const;
    MapEntry mapOnView() const;
    void showEntry(const BotEntry& bot);
    void showEntry(const MapEntry& map);
    // A Bots or Maps page's Move Earlier, Move Later and Duplicate: its keys and context menu.
    struct EntryActions {
        QAction* moveEarlier = nullptr;
        QAction* moveLater = nullptr;
        QAction* duplicate = nullptr;
    };
    // The page's pager, Remove button, the controls that need an entry to edit, and its actions.
    struct PageControls {
        QScrollBar* pager;
        QAbstractButton* removeButton;
        QList<QWidget*> editors;
        EntryActions actions;
    };
    PageControls controlsOf(const EntryList<BotEntry>& list) const;
    PageControls controlsOf(const EntryList<MapEntry>& list) const;
    BotEntry onView(const EntryList<BotEntry>&) const { return botOnView(); }
    MapEntry onView(const EntryList<MapEntry>&) const { return mapOnView(); }
    template <typename Entry> void page(EntryList<Entry>& list, int value);
    template <typename Entry> void add(EntryList<Entry>& list);
    template <typename Entry> void remove(EntryList<Entry>& list);
    template <typename Entry> void moveEntry(EntryList<Entry>& list, int offset);
    template <typename Entry> void duplicateEntry(EntryList<Entry>& list);
    // Add's message for a full list; a copy into a full list gives it too.
    template <typename Entry> void showListFull(const EntryList<Entry>& list);
    // The page's actions, made and connected to list.
    template <typename Entry> EntryActions makeEntryActions(QWidget* page, EntryList<Entry>& list);
    // Shows the list's state: its pager, what may be pressed, the current entry and the caption.
    template <typename Entry> void render(const EntryList<Entry>& list);

    void fillModelList();
    void fillMapList();
    void setIniText(const QString& text);
    void showComposedFile(const QByteArray& fileBytes);
    // The model box's tool tip: the model's picture, where the game has one.
    void showModelPicture();

    void setBotsCaption();
    void setMapsCaption();
    void setIniCaption();
    void setCaption(const EntryList<BotEntry>&) { setBotsCaption(); }
    void setCaption(const EntryList<MapEntry>&) { setMapsCaption(); }

    Ui::MainWindow* ui;
    Roster rosterState;
    // The roster as bots.ini holds it: as last read or saved, with what was on view then.
    Roster savedRoster;
    // bots.ini as it was when last read or written here.
    FileStamp iniFileStamp;
    // Where bots.ini is read and written.
    QString folder;
    QString listsFolder;
    EntryActions botActions;
    EntryActions mapActions;
};
