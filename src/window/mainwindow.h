#pragma once

#include "app/rosterdocument.h"
#include "window/entrypage.h"
#include "window/findbox.h"
#include "window/historykeys.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

class NameMark;

namespace Ui {
class MainWindow;
}

// The program's one window: the Bots, Maps and INI pages over a tab bar. It coordinates the
// pages, which edit the open roster document one entry at a time; the INI page shows the file's
// text, the game path and the parameters, and saves. Closing, Save INI and Launch ask the
// document and the stored settings; the window only reads its controls in and shows the result.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static inline const QString ProgramName = QStringLiteral("Vantrel Zelvik");

    // addonFolder is where bots.ini is read and written (until the player opens another);
    // fileName, when given, is the name that file goes by there.
    explicit MainWindow(const QString& addonFolder, const QString& fileName = QString(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Reads the settings and bots.ini into the window; called once, before the first show.
    void load();

    const Roster& roster() const { return document.roster(); }
    // The folder the map and model lists come from, as the path box named it at load or save.
    QString gameFolder() const { return listsFolder; }
    // The raw text the INI page shows, line ends included.
    QString iniText() const;

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
    // Has the document keep its recovery copy of the roster and the entries on view.
    void keepRecoveryCopy();

    void onPageChanged();
    // Shows the page of the tab with this index.
    void showPage(int index);
    // Stores both pages' controls into the roster, as leaving a page does.
    void storeShownEntries();
    // False when nothing was written: the player kept another program's edit, or the write failed.
    bool saveIni();
    void launchGame();
    // Asks what becomes of unsaved edits before the roster is left (Save, Discard, Cancel);
    // false when they are kept: the player cancelled, or saving failed. leaving says how, for
    // the question: "closing", "opening another folder".
    bool settleUnsavedEdits(const QString& leaving);

    // Undo and Redo of the roster, their keys and context menu entries.
    void addHistoryActions();
    // Takes a step of the roster's history back (forward: again), from the page on view as its
    // rules say, and shows the entry it changed on its page.
    void stepHistory(bool forward);
    void refreshHistoryActions();

    // Find (Ctrl+F, then F3 and Shift+F3 from the window) on the page on view: an entry by name
    // on the Bots and Maps pages, the text on the INI page. Go to (Ctrl+G): an entry by number.
    void addFindActions();
    void openFind();
    void findAgain(const QString& text, bool backwards);
    void goToEntry();

    void fillModelList();
    void fillMapList();
    void setIniText(const QString& text);
    void showComposedFile(const QByteArray& fileBytes);

    std::unique_ptr<Ui::MainWindow> ui;
    RosterDocument document;
    QString startFolder;
    QString startFileName;
    QString listsFolder;
    std::unique_ptr<BotsPage> botsPage;
    std::unique_ptr<MapsPage> mapsPage;
    // The marks of a map and a model name the game folder's lists lack.
    std::unique_ptr<NameMark> mapMark;
    std::unique_ptr<NameMark> modelMark;
    HistoryKeys* historyKeys = nullptr;
    FindBox* findBox = nullptr;
    QString lastFind;
    // Started by the player's input: a recovery copy follows within its interval.
    QTimer recoveryTimer;
};
