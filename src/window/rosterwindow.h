#pragma once

#include "app/gamelists.h"
#include "app/rosterdocument.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class RosterFilter;
class RosterTableModel;

// The Roster window: every entry of both lists at a glance, a table for each, beside the main
// window. Its tables are live with the document; an edit in a cell is an undo step as the page's
// edits are, and its keys act on many rows at once: Ctrl+Enter sets a column in every selected
// row, Delete removes, Ctrl+D duplicates, Ctrl+Shift+Up/Down moves, Ctrl+C copies and Ctrl+V
// pastes, each one step. A click on a column's header sorts the whole list by it; the filter box
// (Ctrl+F) shows only the rows holding its text. Enter on a cell, or a double-click on a row's
// number, shows that entry in the main window.
class RosterWindow : public QWidget {
    Q_OBJECT

public:
    struct Hooks {
        // Shows entry (1 to count) of list in the main window and brings it to the front.
        std::function<void(RosterListKind list, int entry)> showEntry;
        // Undoes (forward false) or redoes a step, as the main window's keys do.
        std::function<void(bool forward)> stepHistory;
        // Brings the main window to the front.
        std::function<void()> raiseMain;
    };

    RosterWindow(RosterDocument& document, Hooks hooks, QWidget* mainWindow);
    ~RosterWindow() override;

    // Shows the window with the list's table, its current cell on the entry the main window
    // shows, in the Name column.
    void open(RosterListKind list);
    // Puts a cell's value being typed into the roster, as leaving the cell would.
    void finishEditing();
    // The names the name cells offer and mark.
    void setLists(const GameLists& lists);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Table {
        RosterTableModel* model = nullptr;
        RosterFilter* filter = nullptr;
        QTableView* view = nullptr;
        Qt::SortOrder order = Qt::AscendingOrder;
        int sortedColumn = -1;
    };
    Table& shown();
    // The rows (of the model) holding a selected cell, ascending.
    QList<int> selectedRows();
    void addActions();
    void followChange();
    void showCount();
    void sortBy(int column);
    void setColumn(int column, const QString& value);
    void removeRows();
    void duplicateRows();
    void moveRows(int offset);
    void copyRows();
    void pasteRows();
    void goTo(int row);
    // Selects the rows of the model, with the current cell on the first in column.
    void selectRows(const QList<int>& rows, int column);

    RosterDocument& document;
    Hooks hooks;
    std::array<Table, 2> tables;
    QTabWidget* tabs = nullptr;
    QLineEdit* filterEdit = nullptr;
    QLabel* countLabel = nullptr;
    GameLists offered;
};
