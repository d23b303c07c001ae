#pragma once

#include "app/gamelists.h"
#include "app/rosterdocument.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class BotsPage;
class FindBox;
class HistoryKeys;
class IniPage;
class Page;
class RosterWindow;
template <typename Entry> class EntryPage;

namespace Ui {
class MainWindow;
}

// The program's one window: the Bots, Maps and INI pages over a tab bar. It coordinates the
// pages, which show the open roster document and hand the player's edits to it; closing, opening
// another folder, Save INI and Launch ask the document and turn its answers into messages and
// questions. The window never composes or writes bots.ini.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static QString programName() { return QStringLiteral("Vantrel Zelvik"); }

    // addonFolder is where bots.ini is read and written (until the player opens another);
    // fileName, when given, is the name that file goes by there.
    explicit MainWindow(const QString& addonFolder, const QString& fileName = QString(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings and bots.ini into the window; called once, before the first show.
    void load();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFonts();
    void connectHandlers();
    void addOpenFolderAction();

    void readSettings();
    void placeWindow();
    void writeSettings();
    // Opens bots.ini (or fileName) in folder and shows its first bot and map on the Bots page.
    void loadRoster(const QString& folder, const QString& fileName = QString());
    void openAddonFolder();
    // Asks whether to restore the recovery copy a crash left, or says why it cannot be used.
    void offerRecovery(const RosterDocument::Recovery& recovery);

    Page& pageOnView() const;
    // A press on the tab strip stores both drafts, then shows the selected page.
    void onPageChanged();
    // Shows the page of the tab with this index, and its caption.
    void showPage(int index);
    void showCaption();
    // False when nothing was written: the player kept another program's edit or the entries
    // left unread, or the write failed.
    bool saveIni();
    void launchGame();
    // Asks what becomes of unsaved edits before the roster is left (Save, Discard, Cancel);
    // false when they are kept: the player cancelled, or saving failed. leaving says how, for
    // the question: "closing", "opening another folder".
    bool settleUnsavedEdits(const QString& question);
    // The map and model lists of the game the path box names.
    void fillLists();
    // The Roster window (Ctrl+L), made when first asked for, with list's table in front.
    void showRoster(RosterListKind list);
    // Shows entry of list on its page, as paging there shows it, and brings the window to the
    // front.
    void showEntry(RosterListKind list, int entry);

    // Undo and Redo of the roster, their keys and context menu entries.
    void addHistoryActions();
    // Takes a step of the roster's history back (forward: again), from the page on view as its
    // rules say, and shows the page of the list it changed.
    void stepHistory(bool forward);
    void refreshHistoryActions();

    // Find (Ctrl+F, then F3 and Shift+F3 from the window) on the page on view: an entry by name
    // on the Bots and Maps pages, the text on the INI page. Go to (Ctrl+G): an entry by number.
    void addFindActions();
    void findAgain(const QString& text, bool backwards);

    std::unique_ptr<Ui::MainWindow> ui;
    RosterDocument* document = nullptr;
    QString startFolder;
    QString startFileName;
    std::unique_ptr<BotsPage> botsPage;
    std::unique_ptr<EntryPage<MapEntry>> mapsPage;
    std::unique_ptr<IniPage> iniPage;
    // The pages in tab order.
    std::array<Page*, 3> pages{};
    GameLists lists;
    RosterWindow* rosterWindow = nullptr;
    HistoryKeys* historyKeys = nullptr;
    FindBox* findBox = nullptr;
    QString lastFind;
};
