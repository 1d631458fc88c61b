#pragma once

// The ranking rows behind the window's table: a source model in catalogue order, and the proxy
// the view shows, which ranks them with the command line's comparison and narrows them by the
// search and the strength.

#include "ranking/goals.h"
#include "ranking/ranking.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QSortFilterProxyModel>

#include <optional>
#include <vector>

namespace harmtally::ranking {

class RankingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RankingTableModel(const QLocale &locale, QObject *parent);

    // New figures for the same mode change the data in place, so the view keeps its selection;
    // another mode starts afresh.
    void setRows(Mode mode, std::vector<Row> rows);
    void setLanguage(Language language);
    // The goal's columns after the ranking's (none for GoalKind::None): one list of cells per row,
    // in catalogue order, as goalCells() makes them.
    void setGoal(GoalKind kind, std::vector<QStringList> cells);
    GoalKind goal() const { return goal_; }
    // A column of the model: the ranking's (kColumns), then the goal's.
    const ColumnInfo &columnInfo(int section) const;

    Mode mode() const { return mode_; }
    Language language() const { return language_; }
    const QLocale &locale() const { return locale_; }
    const Row &row(int row) const { return rows_[std::size_t(row)]; }
    // Made once per change of figures, not once per comparison.
    // A goal column is numbered after the ranking's columns.
    const SortKey &key(int row, Column column) const
    {
        const std::size_t c = std::size_t(column);
        return c < kColumnCount
                   ? keys_[std::size_t(row) * kColumnCount + c]
                   : goalKeys_[std::size_t(row) * goalColumns(goal_).size() + c - kColumnCount];
    }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QLocale locale_;
    Mode mode_ = Mode::Melee;
    Language language_ = Language::Italian;
    std::vector<Row> rows_; // in catalogue order
    std::vector<SortKey> keys_;
    GoalKind goal_ = GoalKind::None;
    std::vector<QStringList> goalCells_; // empty until setGoal() follows setRows()
    std::vector<SortKey> goalKeys_;
};

// The table as the player sees it. Rows beyond the strength typed are hidden when only what the
// player can wield is asked for, and greyed otherwise, with the strength they need as a tooltip.
class RankingProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    RankingProxyModel(RankingTableModel *source, QObject *parent);

    // search: part of a name or an arrow kind, any case; strength: the player's, when readable.
    void setFilter(const QString &search, std::optional<double> strength, bool wieldableOnly);

    const RankingTableModel &rows() const { return *source_; }
    const Row &rowAt(int row) const { return source_->row(mapToSource(index(row, 0)).row()); }
    std::vector<Row> visibleRows() const;
    int hiddenBySearch() const;
    int hiddenByStrength() const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    bool found(int sourceRow) const;
    bool beyond(int sourceRow) const;

    RankingTableModel *source_;
    QString search_;
    std::optional<double> strength_;
    bool wieldableOnly_ = false;
};

} // namespace harmtally::ranking
