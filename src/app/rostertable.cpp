#include "app/rostertable.h"

#include "app/gamelists.h"
#include "roster/botsini.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The file's keys, which the columns are named after.
const char* const BotColumns[] = {QT_TRANSLATE_NOOP("RosterTableModel", "Name"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "Model"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "TopColor"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "BottomColor")};
const char* const MapColumns[] = {QT_TRANSLATE_NOOP("RosterTableModel", "Name"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "Quantity"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "Random"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "InitialDelay"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "SpawnDelay"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "WaitForPlayers"),
                                  QT_TRANSLATE_NOOP("RosterTableModel", "KeepServerFull")};

bool isWholeNumber(const QString& value) {
    static const QRegularExpression whole(u"^[+-]?[0-9]+$"_s);
    return whole.match(value).hasMatch();
}

// Rows counted from 0 as entries counted from 1.
QList<int> entriesOf(const QList<int>& rows) {
    QList<int> entries;
    entries.reserve(rows.size());
    for (const int row : rows)
        entries.append(row + 1);
    return entries;
}

// The runs of consecutive indices, ascending: first and last of each.
QList<std::pair<int, int>> runsOf(const QList<int>& indices) {
    QList<std::pair<int, int>> runs;
    for (const int index : indices) {
        if (!runs.isEmpty() && runs.last().second + 1 == index)
            runs.last().second = index;
        else
            runs.append({index, index});
    }
    return runs;
}

// More runs than this are told as a reset: a view takes each run apart in a time of its own.
constexpr qsizetype MostRunsTold = 64;

} // namespace

// The list behind the model, whichever it is.
class RosterTableModel::Access {
public:
    virtual ~Access() = default;
    virtual int count() const = 0;
    virtual int current() const = 0;
    virtual int fields() const = 0;
    // Of entry row + 1; the entry on view shows its draft.
    virtual QString value(int row, int column) const = 0;
    virtual QString composed(int row) const = 0;
    virtual QList<int> movedOrder(const QList<int>& indices, int offset) const = 0;
    virtual bool setField(const QList<int>& indices, int column, const QString& value) = 0;
    virtual bool remove(const QList<int>& indices) = 0;
    virtual Copied duplicate(const QList<int>& indices) = 0;
    virtual bool move(const QList<int>& indices, int offset) = 0;
    virtual Pasted paste(int index, const QString& text) = 0;
    virtual bool sort(int column, Qt::SortOrder order) = 0;
};

namespace {

template <typename Entry> class ListAccess : public RosterTableModel::Access {
public:
    explicit ListAccess(ListEditor<Entry>& list) : editor(list) {}

    int count() const override { return editor.list().count(); }
    int current() const override { return editor.list().current(); }
    int fields() const override { return fieldCount<Entry>(); }
    QString value(int row, int column) const override {
        const int index = row + 1;
        const Entry& entry =
            index == editor.list().current() ? editor.draft() : editor.list().at(index);
        return fieldOf(entry, column);
    }
    QString composed(int row) const override {
        return composeBotsIniEntry(editor.list().at(row + 1));
    }
    QList<int> movedOrder(const QList<int>& indices, int offset) const override {
        return editor.list().movedOrder(indices, offset);
    }
    bool setField(const QList<int>& indices, int column, const QString& value) override {
        return editor.setField(indices, column, value);
    }
    bool remove(const QList<int>& indices) override { return editor.removeEntries(indices); }
    RosterTableModel::Copied duplicate(const QList<int>& indices) override {
        using Copied = RosterTableModel::Copied;
        switch (editor.duplicateEntries(indices)) {
        case ListEditor<Entry>::Copy::Made:
            return Copied::Made;
        case ListEditor<Entry>::Copy::ListFull:
            return Copied::ListFull;
        case ListEditor<Entry>::Copy::Refused:
            break;
        }
        return Copied::Refused;
    }
    bool move(const QList<int>& indices, int offset) override {
        return editor.moveEntries(indices, offset);
    }
    RosterTableModel::Pasted paste(int index, const QString& text) override {
        const PastedEntries<Entry> read = pasteEntries<Entry>(text, editor.list().count());
        const bool pasted = editor.insertEntries(index, read.entries);
        return {pasted ? read.entries.size() : 0, read.otherKind,
                read.notFitting + (pasted ? 0 : read.entries.size())};
    }
    bool sort(int column, Qt::SortOrder order) override { return editor.sortBy(column, order); }

private:
    ListEditor<Entry>& editor;
};

} // namespace

RosterTableModel::RosterTableModel(RosterDocument& owner, RosterListKind list, QObject* parent)
    : QAbstractTableModel(parent), document(owner), kind(list) {
    if (list == RosterListKind::Bots)
        access = std::make_unique<ListAccess<BotEntry>>(owner.bots());
    else
        access = std::make_unique<ListAccess<MapEntry>>(owner.maps());
    shownRows = access->count();
    shownCurrent = access->current();
    connect(&document, &RosterDocument::listChanged, this,
            [this](RosterListKind changed, const ListChange& change) {
                if (changed == kind)
                    follow(change);
            });
    connect(&document, &RosterDocument::draftChanged, this, [this](RosterListKind changed) {
        if (changed == kind)
            showRow(access->current() - 1);
    });
}

RosterTableModel::~RosterTableModel() = default;

void RosterTableModel::setOffered(OfferedNames names) {
    offered = std::move(names);
    if (shownRows > 0)
        emit dataChanged(index(0, 0), index(shownRows - 1, columnCount() - 1), {MarkRole});
}

int RosterTableModel::currentRow() const {
    return access->current() - 1;
}

bool RosterTableModel::rowContains(int row, const QString& text) const {
    for (int column = 0; column < access->fields(); ++column) {
        if (access->value(row, column).contains(text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString RosterTableModel::entriesText(const QList<int>& rows) const {
    QString text;
    for (const int row : rows)
        text += access->composed(row);
    return text;
}

int RosterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows;
}

int RosterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : access->fields();
}

bool RosterTableModel::isRandomColumn(int column) const {
    return kind == RosterListKind::Maps && column == RandomField;
}

QString RosterTableModel::markOf(int row, int column) const {
    const QString value = access->value(row, column);
    const bool named = kind == RosterListKind::Bots ? column == 1 : column == 0;
    if (named) {
        return offered.lacks(value) ? lackedNameText(kind) : QString();
    }
    const bool colour = kind == RosterListKind::Bots && column >= 2;
    const bool number = colour || (kind == RosterListKind::Maps && column != RandomField);
    if (!number)
        return {};
    if (!isWholeNumber(value))
        return tr("The add-on reads this as a number, and \"%1\" is not a whole number.")
            .arg(value);
    if (colour && (value.toLongLong() < 0 || value.toLongLong() > 255))
        return tr("A colour is a number from 0 to 255.");
    return {};
}

QVariant RosterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= access->count())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return isRandomColumn(column) ? QVariant() : QVariant(access->value(row, column));
    case Qt::EditRole:
        return access->value(row, column);
    case Qt::CheckStateRole:
        if (!isRandomColumn(column))
            return {};
        return MapEntry::randomOn(access->value(row, column)) ? Qt::Checked : Qt::Unchecked;
    case Qt::ToolTipRole:
    case MarkRole: {
        const QString mark = markOf(row, column);
        return mark.isEmpty() ? QVariant() : QVariant(mark);
    }
    default:
        return {};
    }
}

QVariant RosterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= access->fields())
        return {};
    return tr(kind == RosterListKind::Bots ? BotColumns[section] : MapColumns[section]);
}

Qt::ItemFlags RosterTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return base;
    return isRandomColumn(index.column()) ? base | Qt::ItemIsUserCheckable
                                          : base | Qt::ItemIsEditable;
}

bool RosterTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid())
        return false;
    if (role == Qt::CheckStateRole && isRandomColumn(index.column())) {
        const bool on = value.value<Qt::CheckState>() == Qt::Checked;
        return setField({index.row()}, index.column(), on ? u"Yes"_s : u"No"_s);
    }
    if (role != Qt::EditRole || isRandomColumn(index.column()))
        return false;
    return setField({index.row()}, index.column(), value.toString());
}

bool RosterTableModel::sortBy(int column, Qt::SortOrder order) {
    return access->sort(column, order);
}

bool RosterTableModel::setField(const QList<int>& rows, int column, const QString& value) {
    return access->setField(entriesOf(rows), column, value);
}

bool RosterTableModel::removeEntries(const QList<int>& rows) {
    return access->remove(entriesOf(rows));
}

RosterTableModel::Copied RosterTableModel::duplicateEntries(const QList<int>& rows) {
    return access->duplicate(entriesOf(rows));
}

bool RosterTableModel::moveEntries(const QList<int>& rows, int offset) {
    return access->move(entriesOf(rows), offset);
}

RosterTableModel::Pasted RosterTableModel::pasteAfter(int row, const QString& text) {
    return access->paste(row + 1, text);
}

void RosterTableModel::showRow(int row) {
    if (row >= 0 && row < shownRows)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

// The list has changed already: the views are told in the order that gives them each row as it
// now is.
void RosterTableModel::follow(const ListChange& change) {
    using Kind = ListChange::Kind;
    const QList<std::pair<int, int>> runs = runsOf(change.indices);
    const bool many = runs.size() > MostRunsTold;
    switch (change.kind) {
    case Kind::Current:
        break;
    case Kind::Replaced:
        if (!runs.isEmpty())
            emit dataChanged(index(runs.first().first - 1, 0),
                             index(runs.last().second - 1, columnCount() - 1));
        break;
    case Kind::Inserted:
        if (many)
            break;
        for (const auto& [first, last] : runs) {
            beginInsertRows({}, first - 1, last - 1);
            shownRows += last - first + 1;
            endInsertRows();
        }
        break;
    case Kind::Removed:
        if (many)
            break;
        for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
            beginRemoveRows({}, run->first - 1, run->second - 1);
            shownRows -= run->second - run->first + 1;
            endRemoveRows();
        }
        break;
    case Kind::Moved:
        relayout(access->movedOrder(change.indices, change.offset));
        break;
    case Kind::Reordered:
        relayout(change.indices);
        break;
    case Kind::Reset:
        break;
    }
    if (change.kind == Kind::Reset || shownRows != access->count()) {
        beginResetModel();
        shownRows = access->count();
        endResetModel();
    }
    showRow(shownCurrent - 1);
    shownCurrent = access->current();
    showRow(shownCurrent - 1);
}

void RosterTableModel::relayout(const QList<int>& newToOld) {
    emit layoutAboutToBeChanged();
    QList<int> oldToNew(newToOld.size());
    for (qsizetype i = 0; i < newToOld.size(); ++i)
        oldToNew[newToOld.at(i)] = int(i);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& was : before)
        after.append(index(oldToNew.at(was.row() + 1) - 1, was.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void RosterFilter::setText(const QString& text) {
    if (text == filter)
        return;
    filter = text;
    // One relayout, not a removal signal for each run of rows the text hides: at the largest
    // roster those runs are thousands, each a pass of the view over its rows.
    invalidate();
}

void RosterFilter::sort(int column, Qt::SortOrder order) {
    sourceModel()->sort(column, order);
}

bool RosterFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return filter.isEmpty() ||
           static_cast<const RosterTableModel*>(sourceModel())->rowContains(sourceRow, filter);
}
