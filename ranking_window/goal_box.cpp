// The goal box: the columns a goal adds to the ranking, made anew for every change.

#include "ranking_window/ranking_window.h"

#include "core/numbers.h"
#include "ranking_window/ranking_table_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

namespace harmtally::ranking {

// The goal's columns follow every change of figures, goal or filter: the strength each row needs,
// or how long the foe lasts.
void RankingWindow::recomputeGoal()
{
    note_.clear();
    const auto kind = GoalKind(c_.goal->currentIndex());
    c_.goalValue->setEnabled(kind != GoalKind::None);
    const std::optional<double> goal = number(c_.goalValue->text(), locale_);
    const Inputs in{source_->mode(), c_.strength->text(), c_.seconds->text(), c_.level->text()};
    std::vector<QStringList> cells;
    for (int r = 0; kind != GoalKind::None && r < source_->rowCount(); ++r)
        cells.push_back(
            goal ? goalCells(kind, *goal, source_->row(r), in, c_.wieldable->isChecked(), locale_)
                 : QStringList(qsizetype(goalColumns(kind).size()), QString()));
    const bool newColumns = kind != source_->goal();
    source_->setGoal(kind, std::move(cells));
    c_.table->setColumnHidden(int(Column::ArrowKind), source_->mode() == Mode::Melee);
    if (newColumns)
        c_.table->resizeColumnsToContents();
    showStatus();
}

} // namespace harmtally::ranking
