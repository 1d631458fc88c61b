#pragma once

// The ranking rows behind the window's table: sorted by ranking::sortRows (numbers as numbers,
// unknown figures last) and filtered by name and by strength without copying a row.

#include "ranking/ranking.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <optional>
#include <vector>

namespace harmtally::ranking {

class RankingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RankingTableModel(QObject *parent = nullptr);

    // New figures for the same mode keep the view's selection; another mode starts afresh.
    void setRows(Mode mode, std::vector<Row> rows);
    void setLanguage(Language language);
    // search: part of a name or arrow kind, any case; maxRequirement: hide rows needing more.
    void setFilter(const QString &search, std::optional<double> maxRequirement);

    Mode mode() const { return mode_; }
    const Row &rowAt(int row) const { return rows_[visible_[std::size_t(row)]]; }
    std::vector<Row> visibleRows() const;
    int totalCount() const { return int(rows_.size()); }
    int hiddenBySearch() const { return hiddenBySearch_; }
    int hiddenByStrength() const { return hiddenByStrength_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    template <class Change> void relayout(Change change);
    void refilter();

    QLocale locale_;
    Mode mode_ = Mode::Melee;
    Language language_ = Language::Italian;
    std::vector<Row> rows_; // in the current sort order
    std::vector<std::size_t> visible_;
    Column sortColumn_ = Column::TotalMax;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
    QString search_;
    std::optional<double> maxRequirement_;
    int hiddenBySearch_ = 0;
    int hiddenByStrength_ = 0;
};

} // namespace harmtally::ranking
