#pragma once

// The goal columns the ranking adds, in the window and on the command line alike: the strength
// a goal needs, or how long a foe lasts, for each row (planning.h answers them).

#include "ranking/ranking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>

namespace harmtally::ranking {

enum class GoalKind {
    None,
    HitAtLeast,   // every hit at least D: strength needed, more than now
    TotalAtLeast, // over the seconds at least X: the same two
    FoeHealth,    // a foe with H health: hits to defeat and seconds, best and worst
};

// The goal's columns, after the ranking's: figures, ranked from the lowest on a first click.
std::span<const ColumnInfo> goalColumns(GoalKind kind);

// One row's goal cells, one per goal column, figures as the main window writes them in the
// locale, empty where unknown. in: the ranking's inputs; wieldable: no answer below the row's
// requirement.
QStringList goalCells(GoalKind kind, double goal, const Row &row, const Inputs &in, bool wieldable,
                      const QLocale &locale);

// What the goal's rows are ranked by: the strength needed, or the seconds a foe lasts at best.
SortKey goalKey(GoalKind kind, const QStringList &cells, const Row &row, const QLocale &locale);

} // namespace harmtally::ranking
