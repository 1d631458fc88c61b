#include "ranking/ranking_table_model.h"

#include <algorithm>

namespace harmtally::ranking {

RankingTableModel::RankingTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RankingTableModel::setRows(Mode mode, std::vector<Row> rows)
{
    auto install = [&] {
        rows_ = std::move(rows);
        sortRows(rows_, sortColumn_, sortOrder_, locale_);
    };
    if (mode == mode_ && rows.size() == rows_.size())
        return relayout(install);
    beginResetModel();
    mode_ = mode;
    install();
    refilter();
    endResetModel();
}

void RankingTableModel::setLanguage(Language language)
{
    language_ = language;
    emit headerDataChanged(Qt::Horizontal, 0, int(kColumnCount) - 1);
}

void RankingTableModel::setFilter(const QString &search, std::optional<double> maxRequirement)
{
    relayout([&] {
        search_ = search;
        maxRequirement_ = maxRequirement;
    });
}

std::vector<Row> RankingTableModel::visibleRows() const
{
    std::vector<Row> rows;
    rows.reserve(visible_.size());
    for (std::size_t i : visible_)
        rows.push_back(rows_[i]);
    return rows;
}

int RankingTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(visible_.size());
}

int RankingTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(kColumnCount);
}

QVariant RankingTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return rowAt(index.row()).cells[std::size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter | (isText(Column(index.column())) ? Qt::AlignLeft : Qt::AlignRight));
    return {};
}

QVariant RankingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return caption(Column(section), language_);
    // A first click ranks damage and speed best first, names and requirements from the lowest.
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole)
        return int(isText(Column(section)) || section == int(Column::Requirement)
                       ? Qt::AscendingOrder
                       : Qt::DescendingOrder);
    // The vertical header numbers the rows: the rank in the current order.
    return QAbstractTableModel::headerData(section, orientation, role);
}

void RankingTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(kColumnCount))
        return;
    relayout([&] {
        sortColumn_ = Column(column);
        sortOrder_ = order;
        sortRows(rows_, sortColumn_, sortOrder_, locale_);
    });
}

// Moves the view's selection and current row with the rows they point at, so sorting, filtering
// and new figures never lose the player's place.
template <class Change> void RankingTableModel::relayout(Change change)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> orders;
    orders.reserve(std::size_t(before.size()));
    for (const QModelIndex &index : before)
        orders.push_back(rowAt(index.row()).order);

    change();
    refilter();

    std::vector<int> where;
    for (std::size_t r = 0; r < visible_.size(); ++r) {
        const std::size_t order = rows_[visible_[r]].order;
        if (order >= where.size())
            where.resize(order + 1, -1);
        where[order] = int(r);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const std::size_t order = orders[std::size_t(i)];
        const int row = order < where.size() ? where[order] : -1;
        after.append(row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void RankingTableModel::refilter()
{
    visible_.clear();
    hiddenBySearch_ = 0;
    hiddenByStrength_ = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto &cells = rows_[i].cells;
        if (!search_.isEmpty()
            && !cells[std::size_t(Column::Name)].contains(search_, Qt::CaseInsensitive)
            && !cells[std::size_t(Column::ArrowKind)].contains(search_, Qt::CaseInsensitive)) {
            ++hiddenBySearch_;
            continue;
        }
        if (maxRequirement_ && beyondStrength(rows_[i], *maxRequirement_, locale_)) {
            ++hiddenByStrength_;
            continue;
        }
        visible_.push_back(i);
    }
}

} // namespace harmtally::ranking
