#include "ranking_window/ranking_table_model.h"

#include "core/numbers.h"
#include "texts/ranking_window_words.h"

#include <QGuiApplication>
#include <QPalette>

namespace harmtally::ranking {

RankingTableModel::RankingTableModel(const QLocale &locale, QObject *parent)
    : QAbstractTableModel(parent)
    , locale_(locale)
{
}

void RankingTableModel::setRows(Mode mode, std::vector<Row> rows)
{
    const bool sameRows = mode == mode_ && rows.size() == rows_.size();
    if (!sameRows)
        beginResetModel();
    mode_ = mode;
    rows_ = std::move(rows);
    keys_.resize(rows_.size() * kColumnCount);
    // The goal's cells belong to the rows they were made for; setGoal() makes them anew.
    goalCells_.clear();
    goalKeys_.assign(rows_.size() * goalColumns(goal_).size(), SortKey{});
    for (std::size_t r = 0; r < rows_.size(); ++r)
        for (std::size_t c = 0; c < kColumnCount; ++c)
            keys_[r * kColumnCount + c] = sortKey(rows_[r], Column(c), locale_);
    if (!sameRows)
        endResetModel();
    else if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void RankingTableModel::setLanguage(Language language)
{
    language_ = language;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void RankingTableModel::setGoal(GoalKind kind, std::vector<QStringList> cells)
{
    const bool sameColumns = goalColumns(kind).size() == goalColumns(goal_).size();
    if (!sameColumns)
        beginResetModel();
    goal_ = kind;
    goalCells_ = std::move(cells);
    const std::size_t count = goalColumns(kind).size();
    goalKeys_.assign(rows_.size() * count, SortKey{});
    for (std::size_t r = 0; r < rows_.size() && r < goalCells_.size(); ++r)
        for (std::size_t c = 0; c < count; ++c) {
            const auto x = number(goalCells_[r].value(qsizetype(c)), locale_);
            goalKeys_[r * count + c] = {x.has_value(), x.value_or(0), {}, rows_[r].order};
        }
    if (!sameColumns)
        endResetModel();
    else if (count > 0 && !rows_.empty())
        emit dataChanged(index(0, int(kColumnCount)), index(rowCount() - 1, columnCount() - 1));
}

const ColumnInfo &RankingTableModel::columnInfo(int section) const
{
    const std::size_t c = std::size_t(section);
    return c < kColumnCount ? ranking::columnInfo(Column(c)) : goalColumns(goal_)[c - kColumnCount];
}

int RankingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int RankingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(kColumnCount + goalColumns(goal_).size());
}

QVariant RankingTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const std::size_t c = std::size_t(index.column()), r = std::size_t(index.row());
    if (role == Qt::DisplayRole && c >= kColumnCount)
        return r < goalCells_.size() ? goalCells_[r].value(qsizetype(c - kColumnCount)) : QString();
    if (role == Qt::DisplayRole)
        return row(index.row()).cells[c];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (columnInfo(index.column()).content == Content::Text
                                          ? Qt::AlignLeft
                                          : Qt::AlignRight));
    return {};
}

QVariant RankingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnInfo(section).caption.in(language_);
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return int(columnInfo(section).firstClick);
    return QAbstractTableModel::headerData(section, orientation, role);
}

RankingProxyModel::RankingProxyModel(RankingTableModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , source_(source)
{
    setSourceModel(source);
}

void RankingProxyModel::setFilter(const QString &search, std::optional<double> strength,
                                  bool wieldableOnly)
{
    search_ = search;
    strength_ = strength;
    wieldableOnly_ = wieldableOnly;
    invalidateFilter();
    // The greyed rows follow the strength even when none is hidden.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::ToolTipRole});
}

std::vector<Row> RankingProxyModel::visibleRows() const
{
    std::vector<Row> rows;
    rows.reserve(std::size_t(rowCount()));
    for (int r = 0; r < rowCount(); ++r)
        rows.push_back(rowAt(r));
    return rows;
}

int RankingProxyModel::hiddenBySearch() const
{
    int hidden = 0;
    for (int r = 0; r < source_->rowCount(); ++r)
        hidden += !found(r);
    return hidden;
}

int RankingProxyModel::hiddenByStrength() const
{
    int hidden = 0;
    for (int r = 0; wieldableOnly_ && r < source_->rowCount(); ++r)
        hidden += found(r) && beyond(r);
    return hidden;
}

QVariant RankingProxyModel::data(const QModelIndex &index, int role) const
{
    if ((role == Qt::ForegroundRole || role == Qt::ToolTipRole) && index.isValid()) {
        const int sourceRow = mapToSource(index).row();
        if (!beyond(sourceRow))
            return {};
        if (role == Qt::ForegroundRole)
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return window_words::kNeedsStrength.in(source_->language())
            .arg(source_->row(sourceRow).cells[std::size_t(Column::Requirement)]);
    }
    return QSortFilterProxyModel::data(index, role);
}

QVariant RankingProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The vertical header numbers the rows: the rank in the current order.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QSortFilterProxyModel::headerData(section, orientation, role);
}

// The view sorts descending by asking lessThan(right, left); unknown figures stay last only if
// the comparison knows which way it is asked.
bool RankingProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const Column column = Column(sortColumn());
    const SortKey &a = source_->key(left.row(), column);
    const SortKey &b = source_->key(right.row(), column);
    return sortOrder() == Qt::AscendingOrder ? rankedBefore(a, b, Qt::AscendingOrder)
                                             : rankedBefore(b, a, Qt::DescendingOrder);
}

bool RankingProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return found(sourceRow) && !(wieldableOnly_ && beyond(sourceRow));
}

bool RankingProxyModel::found(int sourceRow) const
{
    const auto &cells = source_->row(sourceRow).cells;
    return search_.isEmpty()
           || cells[std::size_t(Column::Name)].contains(search_, Qt::CaseInsensitive)
           || cells[std::size_t(Column::ArrowKind)].contains(search_, Qt::CaseInsensitive);
}

bool RankingProxyModel::beyond(int sourceRow) const
{
    return strength_ && beyondStrength(source_->row(sourceRow), *strength_, source_->locale());
}

} // namespace harmtally::ranking
