#pragma once

#include "app/rosterdocument.h"
#include "catalog/catalog.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <memory>

// One list of the open roster as a table: a row per entry in the file's order, a column per
// field in the file's order. It is live: the entry on view shows its draft as the player types
// it, and every change of the list shows at once. An edit goes to the list's editor, so it is
// an undo step with the page's rules, and an edit of the entry on view goes into its draft.
class RosterTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Why a value is marked (a name the game folder lacks, a number that is not a whole
    // number); empty when it is not. Marks never change a value.
    static constexpr int MarkRole = Qt::UserRole + 1;

    RosterTableModel(RosterDocument& document, RosterListKind list, QObject* parent = nullptr);
    ~RosterTableModel() override;

    RosterListKind list() const { return kind; }
    // The names the game folder offers for the list's names (models for bots, maps for maps).
    void setOffered(OfferedNames names);
    // The row of the entry on view.
    int currentRow() const;
    // Whether some field of the row holds text, ignoring letter case.
    bool rowContains(int row, const QString& text) const;
    // The rows' entries as Save INI writes them, for the clipboard.
    QString entriesText(const QList<int>& rows) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Sorts the whole list by the column: one undo step, since the file's order is the
    // rotation's. False where refused (the entry on view may not be left).
    bool sortBy(int column, Qt::SortOrder order);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override {
        sortBy(column, order);
    }

    // The commands on many rows at once (rows counted from 0), each one undo step with the
    // list's rules (ListEditor's); false, changing nothing, where refused.
    bool setField(const QList<int>& rows, int column, const QString& value);
    bool removeEntries(const QList<int>& rows);
    enum class Copied { Made, Refused, ListFull };
    Copied duplicateEntries(const QList<int>& rows);
    bool moveEntries(const QList<int>& rows, int offset);
    // What a paste of text after row (-1: before the first) did: the entries pasted, those that
    // belong to the other list, left out, and those that did not fit.
    struct Pasted {
        qsizetype pasted = 0;
        qsizetype otherKind = 0;
        qsizetype notFitting = 0;
    };
    Pasted pasteAfter(int row, const QString& text);

    class Access;

private:
    bool isRandomColumn(int column) const;
    QString markOf(int row, int column) const;
    void showRow(int row);
    void follow(const ListChange& change);
    // Tells the views what the layout change did to each row: row i of old is row order[i].
    void relayout(const QList<int>& newToOld);

    RosterDocument& document;
    RosterListKind kind;
    std::unique_ptr<Access> access;
    OfferedNames offered;
    // The rows the views know of: the list's count once a change has been told; and the entry
    // on view as they know it.
    int shownRows = 0;
    int shownCurrent = 0;
};

// The rows where some field holds the filter's text, ignoring letter case; sorting is the
// list's own (RosterTableModel::sort), so this proxy never sorts.
class RosterFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setText(const QString& text);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString filter;
};
