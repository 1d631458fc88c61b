#pragma once

// The parts compare() is made of, shared by the comparison's own files only: the table's
// columns (comparison_columns.cpp), the chart's range, words, lines and dots
// (comparison_chart.cpp) and the sentences (comparison_sentences.cpp).

#include "plan_window/comparison.h"

#include <optional>
#include <vector>

namespace harmtally::plan::parts {

// The main window refuses exactly "0" as an entry not made yet, and computes a zero written any
// other way: a cursor at 0 is a strength of the chart like any other.
ranking::Inputs inputsAt(const Pick &pick, const QString &strength, const PlanInputs &in);

inline const QString &cell(const ranking::Row &row, ranking::Column column)
{
    return row.cells[std::size_t(column)];
}

struct Totals {
    double min;
    double max;
};

// The totals the main window shows for the pick at that strength, if it shows both.
std::optional<Totals> totalsAt(const Pick &pick, const QString &strength, const PlanInputs &in,
                               const QLocale &locale);
std::optional<Totals> totalsAt(const Pick &pick, double strength, const PlanInputs &in,
                               const QLocale &locale);

// The column's cells at the typed strength, its differences from the first column if given.
void fillColumn(ChoiceColumn &column, const ChoiceColumn *first, const PlanInputs &in,
                const QLocale &locale);

// Where two choices' maxima and minima cross, wherever that is.
struct PairCrossings {
    std::size_t a;
    std::size_t b;
    std::optional<ranking::Crossing> max;
    std::optional<ranking::Crossing> min;
};
std::vector<PairCrossings> pairCrossings(const std::vector<Pick> &picks, const QString &level,
                                         const QLocale &locale);

inline bool inside(const std::optional<ranking::Crossing> &c, double from, double to)
{
    return c && c->strength >= from && c->strength <= to;
}

// The typed range if it can be drawn, else the default and the note that says why.
QString takeRange(ChartData &chart, const std::vector<Pick> &picks, const PlanInputs &in,
                  Language language, const QLocale &locale);
// The cursor, the titles, the key and the figures a saved picture names.
void nameChart(ChartData &chart, const std::vector<Pick> &picks, const PlanInputs &in,
               Language language, const QLocale &locale);
// A line for each choice with totals over the whole range; else a note in the chart.
void drawLines(ChartData &chart, const std::vector<ChoiceColumn> &columns, const PlanInputs &in,
               Language language, const QLocale &locale);
// A dot at each crossing within the range, on the lines drawn.
void markCrossings(ChartData &chart, const std::vector<PairCrossings> &pairs,
                   const std::vector<Pick> &picks, const PlanInputs &in, const QLocale &locale);

// One sentence per pair whose totals cross within the range, or that run level.
QStringList sentences(const std::vector<PairCrossings> &pairs,
                      const std::vector<ChoiceColumn> &columns, const ChartData &chart,
                      Language language, const QLocale &locale);

} // namespace harmtally::plan::parts
