#include "window/rosterwindow.h"

#include "app/rostertable.h"
#include "app/settings.h"
#include "window/fonts.h"
#include "window/guidewindow.h"
#include "window/layoutunits.h"
#include "window/mainwindow.h"
#include "window/messages.h"
#include "window/pagewords.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// How a cell is edited: a name the game folder lists is chosen or typed in a box that offers the
// list, any other value typed; Ctrl+Enter sets the value in every selected row. A mark is drawn
// as the pages draw it.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(const GameLists& lists, std::function<void(int column, const QString&)> apply,
                 QObject* parent)
        : QStyledItemDelegate(parent), offered(lists), applyToSelection(std::move(apply)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const auto* model = static_cast<const RosterTableModel*>(
            static_cast<const QAbstractProxyModel*>(index.model())->sourceModel());
        const bool bots = model->list() == RosterListKind::Bots;
        QWidget* editor = nullptr;
        if ((bots && index.column() == 1) || (!bots && index.column() == 0)) {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            box->addItems(bots ? offered.models : offered.maps);
            editor = box;
        } else {
            editor = QStyledItemDelegate::createEditor(parent, option, index);
        }
        editor->installEventFilter(const_cast<CellDelegate*>(this));
        editor->setProperty("column", index.column());
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        // Typing on a cell replaces its value, as in any other cell.
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            box->setEditText(index.data(Qt::EditRole).toString());
            box->lineEdit()->selectAll();
        } else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* box = qobject_cast<QComboBox*>(editor))
            model->setData(index, box->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(RosterTableModel::MarkRole).isValid()) {
            option->icon = option->widget->style()->standardIcon(QStyle::SP_MessageBoxWarning);
            option->features |= QStyleOptionViewItem::HasDecoration;
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(watched);
        if (editor && event->type() == QEvent::KeyPress) {
            const QKeyCombination pressed = static_cast<QKeyEvent*>(event)->keyCombination();
            if (pressed == (Qt::CTRL | Qt::Key_Enter) || pressed == (Qt::CTRL | Qt::Key_Return)) {
                const auto* box = qobject_cast<QComboBox*>(editor);
                const auto* line = qobject_cast<QLineEdit*>(editor);
                const QString value = box ? box->currentText() : line ? line->text() : QString();
                const int column = editor->property("column").toInt();
                emit const_cast<CellDelegate*>(this)->closeEditor(editor, NoHint);
                applyToSelection(column, value);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    const GameLists& offered;
    std::function<void(int, const QString&)> applyToSelection;
};

// Whether a cell of view is being edited: its editor, inside the view, has the focus.
bool isEditing(const QTableView& view) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != &view && view.isAncestorOf(focus);
}

int tabOf(RosterListKind list) {
    return list == RosterListKind::Bots ? 0 : 1;
}

} // namespace

RosterWindow::RosterWindow(RosterDocument& owner, Hooks given, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), document(owner), hooks(std::move(given)) {
    setObjectName(u"rosterWindow"_s);
    setWindowTitle(tr("Roster - %1").arg(MainWindow::programName()));
    // A window of its own inherits no font from the window it belongs to.
    setFont(dialogFont());
    //: Page: Roster
    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    filterEdit = new QLineEdit(this);
    filterEdit->setObjectName(u"rosterFilterEdit"_s);
    filterEdit->setClearButtonEnabled(true);
    filterLabel->setBuddy(filterEdit);
    countLabel = new QLabel(this);
    countLabel->setObjectName(u"rosterCountLabel"_s);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filterEdit, 1);
    filterRow->addWidget(countLabel);
    tabs = new QTabWidget(this);
    tabs->setObjectName(u"rosterTabs"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(tabs);

    for (const RosterListKind list : {RosterListKind::Bots, RosterListKind::Maps}) {
        Table& table = tables.at(size_t(tabOf(list)));
        table.model = new RosterTableModel(document, list, this);
        table.filter = new RosterFilter(this);
        table.filter->setSourceModel(table.model);
        table.view = new QTableView(this);
        const bool bots = list == RosterListKind::Bots;
        table.view->setObjectName(bots ? u"botsTable"_s : u"mapsTable"_s);
        table.view->setAccessibleName(bots ? tr("All bots") : tr("All map entries"));
        table.view->setModel(table.filter);
        table.view->setItemDelegate(new CellDelegate(
            offered, [this](int column, const QString& value) { setColumn(column, value); },
            table.view));
        table.view->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                    QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::EditKeyPressed);
        table.view->setTabKeyNavigation(false);
        table.view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table.view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        QHeaderView* header = table.view->horizontalHeader();
        header->setSectionsClickable(true);
        header->setSortIndicatorShown(false);
        header->setStretchLastSection(true);
        connect(header, &QHeaderView::sectionClicked, this, &RosterWindow::sortBy);
        connect(table.view, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
            goTo(shown().filter->mapToSource(index).row());
        });
        connect(table.view->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
                [this](int section) {
                    goTo(shown().filter->mapToSource(shown().filter->index(section, 0)).row());
                });
        tabs->addTab(table.view, bots ? tr("Bots") : tr("Maps"));
    }
    // The tables have followed the change by now: they were told first.
    connect(&document, &RosterDocument::listChanged, this, &RosterWindow::followChange);
    connect(tabs, &QTabWidget::currentChanged, this, &RosterWindow::showCount);
    connect(filterEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        for (Table& table : tables)
            table.filter->setText(text);
        showCount();
    });
    addActions();
    // Beside the main window, where it hides nothing of it, until the player places it.
    resize(640, 400);
    move(mainWindow->frameGeometry().topRight() + QPoint(8, 0));
    if (const auto stored = storedRosterPlacement()) {
        const QRect place(stored->x() / TwipsPerPixel, stored->y() / TwipsPerPixel,
                          stored->width() / TwipsPerPixel, stored->height() / TwipsPerPixel);
        resize(place.size());
        move(place.topLeft());
    }
}

// An editor still open when the window goes is dropped: closing the main window has asked for
// it already, and the roster it would write to may be gone.
RosterWindow::~RosterWindow() {
    for (Table& table : tables)
        table.view->itemDelegate()->blockSignals(true);
}

void RosterWindow::finishEditing() {
    for (Table& table : tables) {
        // The table holds no editors but the one a cell is typed in.
        QWidget* editor = table.view->indexWidget(table.view->currentIndex());
        if (!editor)
            continue;
        QAbstractItemDelegate* delegate = table.view->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RosterWindow::addActions() {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys, auto act) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        // While a cell is being edited its keys are the editor's.
        connect(action, &QAction::triggered, this, [this, act] {
            if (!isEditing(*shown().view))
                act();
        });
        QWidget::addAction(action);
        // The tables' right-click menu lists them with their keys.
        for (const Table& table : tables)
            table.view->addAction(action);
    };
    for (const Table& table : tables)
        table.view->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto key = [](QKeyCombination combination) { return QKeySequence(combination); };
    make(tr("Delete"), {QKeySequence(QKeySequence::Delete)}, [this] { removeRows(); });
    make(tr("Duplicate"), {key(Qt::CTRL | Qt::Key_D)}, [this] { duplicateRows(); });
    make(tr("Move Earlier"), {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)}, [this] { moveRows(-1); });
    make(tr("Move Later"), {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)}, [this] { moveRows(1); });
    make(tr("Copy Entries"), {key(Qt::CTRL | Qt::Key_C), key(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
         [this] { copyRows(); });
    make(tr("Paste Entries"), {key(Qt::CTRL | Qt::Key_V), key(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
         [this] { pasteRows(); });
    make(tr("Select All"), {key(Qt::CTRL | Qt::Key_A)}, [this] { shown().view->selectAll(); });
    make(tr("Undo"), {key(Qt::CTRL | Qt::Key_Z)}, [this] { hooks.stepHistory(false); });
    make(tr("Redo"), {key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         [this] { hooks.stepHistory(true); });
    make(tr("Find"), {key(Qt::CTRL | Qt::Key_F)}, [this] {
        filterEdit->setFocus();
        filterEdit->selectAll();
    });
    make(tr("Main Window"), {key(Qt::CTRL | Qt::Key_L)}, [this] { hooks.raiseMain(); });
    make(GuideWindow::tr("Player's Guide"), {QKeySequence(Qt::Key_F1)},
         [this] { showGuide(parentWidget(), u"the-roster-window"_s); });
}

void RosterWindow::open(RosterListKind list) {
    tabs->setCurrentIndex(tabOf(list));
    Table& table = shown();
    show();
    raise();
    activateWindow();
    const QModelIndex current =
        table.filter->mapFromSource(table.model->index(table.model->currentRow(), 0));
    table.view->setFocus();
    if (current.isValid()) {
        table.view->setCurrentIndex(current);
        table.view->scrollTo(current);
    }
    showCount();
}

void RosterWindow::setLists(const GameLists& lists) {
    offered = lists;
    tables.at(0).model->setOffered(lists.offeredModels);
    tables.at(1).model->setOffered(lists.offeredMaps);
}

void RosterWindow::closeEvent(QCloseEvent* event) {
    const QRect outer = frameGeometry();
    storeRosterPlacement(QRect(outer.x() * TwipsPerPixel, outer.y() * TwipsPerPixel,
                               width() * TwipsPerPixel, height() * TwipsPerPixel));
    event->accept();
}

RosterWindow::Table& RosterWindow::shown() {
    return tables.at(size_t(qBound(0, tabs->currentIndex(), 1)));
}

QList<int> RosterWindow::selectedRows() {
    Table& table = shown();
    QList<int> rows;
    const QModelIndexList cells = table.view->selectionModel()->selectedIndexes();
    for (const QModelIndex& cell : cells)
        rows.append(table.filter->mapToSource(cell).row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A table that lost its current cell (its rows all went, or came back) gets it again on the
// entry on view, so the keys go on acting there.
void RosterWindow::followChange() {
    for (Table& table : tables) {
        if (table.view->currentIndex().isValid() || table.model->rowCount() == 0)
            continue;
        const QModelIndex entry =
            table.filter->mapFromSource(table.model->index(qMax(0, table.model->currentRow()), 0));
        table.view->selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
    }
    showCount();
}

void RosterWindow::showCount() {
    const Table& table = tables.at(size_t(qBound(0, tabs->currentIndex(), 1)));
    countLabel->setText(
        tr("%1 of %2 shown").arg(table.filter->rowCount()).arg(table.model->rowCount()));
}

// A second click on the same column sorts the other way round.
void RosterWindow::sortBy(int column) {
    Table& table = shown();
    table.order = table.sortedColumn == column && table.order == Qt::AscendingOrder
                      ? Qt::DescendingOrder
                      : Qt::AscendingOrder;
    table.sortedColumn = column;
    if (!table.model->sortBy(column, table.order))
        return;
    table.view->horizontalHeader()->setSortIndicatorShown(true);
    table.view->horizontalHeader()->setSortIndicator(column, table.order);
}

void RosterWindow::setColumn(int column, const QString& value) {
    QList<int> rows = selectedRows();
    const QModelIndex current = shown().filter->mapToSource(shown().view->currentIndex());
    if (current.isValid() && !rows.contains(current.row())) {
        rows.append(current.row());
        std::sort(rows.begin(), rows.end());
    }
    shown().model->setField(rows, column, value);
}

void RosterWindow::removeRows() {
    shown().model->removeEntries(selectedRows());
}

void RosterWindow::duplicateRows() {
    const RosterListKind list = shown().model->list();
    if (shown().model->duplicateEntries(selectedRows()) == RosterTableModel::Copied::ListFull)
        showMessage(this, PageWords::fullTitle(list), PageWords::fullText(list));
}

void RosterWindow::moveRows(int offset) {
    shown().model->moveEntries(selectedRows(), offset);
}

void RosterWindow::copyRows() {
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        QGuiApplication::clipboard()->setText(shown().model->entriesText(rows));
}

void RosterWindow::pasteRows() {
    Table& table = shown();
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    const QString text = held && held->hasText() ? held->text() : QString();
    const QModelIndex current = table.filter->mapToSource(table.view->currentIndex());
    const int after = current.isValid() ? current.row() : table.model->rowCount() - 1;
    const RosterTableModel::Pasted pasted = table.model->pasteAfter(after, text);
    const QString said = PageWords::pasteReport(table.model->list(), pasted.pasted,
                                                pasted.otherKind, pasted.notFitting);
    if (!said.isEmpty())
        showMessage(this, PageWords::pasteTitle(), said);
    QList<int> rows(pasted.pasted);
    std::iota(rows.begin(), rows.end(), after + 1);
    selectRows(rows, 0);
}

void RosterWindow::goTo(int row) {
    if (row >= 0)
        hooks.showEntry(shown().model->list(), row + 1);
}

void RosterWindow::selectRows(const QList<int>& rows, int column) {
    Table& table = shown();
    QItemSelection selection;
    for (const int row : rows) {
        const QModelIndex first = table.filter->mapFromSource(table.model->index(row, 0));
        if (first.isValid())
            selection.select(first, first.siblingAtColumn(table.model->columnCount() - 1));
    }
    if (selection.isEmpty())
        return;
    const QModelIndex current =
        table.filter->mapFromSource(table.model->index(rows.first(), column));
    table.view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    table.view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
