#pragma once

// The ranking of every melee weapon, or of every bow with every arrow kind, for the player's
// boosted strength, seconds and Trueshot level. Every figure is the text the main window would
// show for the same choice, computed by the same core functions (computeDamage, addToBase,
// applyTrueshotLevel), in the locale given. Qt Core only: the command line uses it too.

#include "core/damage.h"
#include "core/mode.h"
#include "ranking/columns.h"
#include "texts/language.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace harmtally::ranking {

struct Inputs {
    Mode mode = Mode::Melee;
    QString strength; // as typed; read by number() in the locale, as the main window reads them
    QString seconds;
    QString level; // the Trueshot Quiver's level (bows only)
};

struct Row {
    std::size_t order; // catalogue order: the melee row, or bow * arrow kinds + arrow kind
    std::array<QString, kColumnCount> cells; // empty where a figure is unknown
};

struct Table {
    std::vector<Row> rows; // in catalogue order
    // The refusal that the main window would give for these inputs, if any. When the inputs are
    // refused, the name and base columns stay and every result cell is empty.
    std::optional<Refusal> refusal;
};

Table compute(const Inputs &in, const QLocale &locale);

// One row as the main window fills it for that choice, and the refusal it would give, if any
// (checked in the window's order: level, then computeDamage's checks). compute() is made of
// these; the command line's calc uses them too, so the two always agree.
struct RowOutcome {
    Row row;
    std::optional<Refusal> refusal;
};
RowOutcome meleeRow(std::size_t weapon, const Inputs &in, const QLocale &locale);
RowOutcome bowRow(std::size_t bow, std::size_t arrowKind, const Inputs &in, const QLocale &locale);

// Whether the row asks for more strength than the player has. A requirement nobody knows may be
// within reach: no.
bool beyondStrength(const Row &row, double strength, const QLocale &locale);

// Drops the rows beyond the strength typed; keeps every row when it cannot be read.
void keepWieldable(std::vector<Row> &rows, const QString &strength, const QLocale &locale);

// What a row is ranked by in one column: words case-folded, so that "dirk" sits beside "Dirk";
// figures read in the rows' locale. Unknown where the catalogue lacks the figure.
struct SortKey {
    bool known = false;
    double figure = 0;
    QString words;
    std::size_t order = 0; // the row's catalogue order, which settles ties
};
SortKey sortKey(const Row &row, Column column, const QLocale &locale);

// Whether a row comes before another when ranked in that order: the unknown last in either
// order, equal keys in catalogue order. The one comparison of the window's table and the
// command line.
bool rankedBefore(const SortKey &a, const SortKey &b, Qt::SortOrder order);

// The positions of `keys` in ranked order, by rankedBefore: the one sort of the window's table
// and of every table the shell writes.
std::vector<std::size_t> rankedOrder(std::span<const SortKey> keys, Qt::SortOrder order);

// Sorts by one column with rankedBefore.
void sortRows(std::vector<Row> &rows, Column column, Qt::SortOrder order, const QLocale &locale);

// The rank everyone asks for first: maximum damage over the seconds, highest first.
inline constexpr Column kDefaultSortColumn = Column::TotalMax;
inline constexpr Qt::SortOrder kDefaultSortOrder = Qt::DescendingOrder;
inline void sortByDefault(std::vector<Row> &rows, const QLocale &locale)
{
    sortRows(rows, kDefaultSortColumn, kDefaultSortOrder, locale);
}

} // namespace harmtally::ranking
