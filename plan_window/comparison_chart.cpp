// What the chart is given: its range, its words, a line for each choice and a dot at each
// crossing, every total the main window's text for that choice and strength.

#include "plan_window/comparison_parts.h"

#include "core/numbers.h"
#include "texts/plan_words.h"

#include <algorithm>
#include <cmath>

namespace harmtally::plan::parts {

using namespace captions;

QString takeRange(ChartData &chart, const std::vector<Pick> &picks, const PlanInputs &in,
                  Language language, const QLocale &locale)
{
    const auto [defaultFrom, defaultTo] = defaultRange(picks, locale);
    const auto typedOr = [&](const QString &typed, double fallback) {
        return typed.trimmed().isEmpty() ? std::optional(fallback) : number(typed, locale);
    };
    const auto from = typedOr(in.from, defaultFrom), to = typedOr(in.to, defaultTo);
    // Ticks a whole step apart and points that stay apart need a span that doubles (and the 15
    // digits the figures are written with) can tell from its ends.
    const bool ordered = from && to && *from < *to;
    const bool drawable = ordered && std::isfinite(*to - *from)
                          && *to - *from >= 1e-9 * std::max({1.0, std::abs(*from), std::abs(*to)});
    if (drawable) {
        chart.from = *from;
        chart.to = *to;
        return {};
    }
    chart.from = defaultFrom;
    chart.to = defaultTo;
    return (ordered ? kUndrawableRange : kBadRange)
        .in(language)
        .arg(text(defaultFrom, locale), text(defaultTo, locale));
}

void nameChart(ChartData &chart, const std::vector<Pick> &picks, const PlanInputs &in,
               Language language, const QLocale &locale)
{
    chart.cursor = number(in.strength, locale);
    chart.xTitle = kStrengthTitle.in(language);
    for (const Bilingual &word : kKey)
        chart.key << word.in(language);
    // What a saved picture is for, since it carries no boxes beside it.
    QStringList figures;
    if (!in.strength.trimmed().isEmpty())
        figures << kStrengthFigure.in(language).arg(in.strength.trimmed());
    if (!in.seconds.trimmed().isEmpty())
        figures << overSeconds(in.seconds, language);
    if (!in.level.trimmed().isEmpty() && std::ranges::any_of(picks, needsLevel))
        figures << kLevelFigure.in(language).arg(in.level.trimmed());
    chart.figures = figures.join(QStringLiteral(", "));
    chart.yTitle = number(in.seconds, locale) ? kTotalTitle.in(language).arg(in.seconds.trimmed())
                                              : kTotalTitleUntyped.in(language);
}

namespace {

// The column's line through the range's ends, its requirement and the cursor, if it has totals
// at each of them.
std::optional<Series> line(std::size_t slot, const ChoiceColumn &column, const ChartData &chart,
                           const PlanInputs &in, const QLocale &locale)
{
    std::vector<double> strengths{chart.from, chart.to};
    const auto req = number(column.cells[std::size_t(Figure::Requirement)], locale);
    const bool reqInside = req && *req > chart.from && *req < chart.to;
    if (reqInside)
        strengths.push_back(*req);
    if (chart.cursor && *chart.cursor > chart.from && *chart.cursor < chart.to)
        strengths.push_back(*chart.cursor);
    std::ranges::sort(strengths);
    Series series{slot, column.name, {}, {}, reqInside ? req : std::nullopt};
    for (double s : strengths) {
        // At the cursor, the strength exactly as typed: the figures the table shows.
        const auto totals = chart.cursor && s == *chart.cursor
                                ? totalsAt(column.pick, in.strength, in, locale)
                                : totalsAt(column.pick, s, in, locale);
        if (!totals)
            return std::nullopt;
        series.max.push_back({s, totals->max});
        series.min.push_back({s, totals->min});
    }
    return series;
}

} // namespace

void drawLines(ChartData &chart, const std::vector<ChoiceColumn> &columns, const PlanInputs &in,
               Language language, const QLocale &locale)
{
    for (std::size_t slot = 0; slot < columns.size(); ++slot)
        if (auto series = line(slot, columns[slot], chart, in, locale))
            chart.series.push_back(std::move(*series));
    if (columns.empty())
        chart.emptyNote = kNothingChosen.in(language);
    else if (chart.series.empty())
        chart.emptyNote = (number(in.seconds, locale) ? kNoTotals : kNoSeconds).in(language);
}

std::vector<PairCrossings> pairCrossings(const std::vector<Pick> &picks, const QString &level,
                                         const QLocale &locale)
{
    std::vector<PairCrossings> pairs;
    for (std::size_t i = 0; i < picks.size(); ++i)
        for (std::size_t j = i + 1; j < picks.size(); ++j)
            pairs.push_back({i, j, crossing(picks[i], picks[j], Measure::Max, level, locale),
                             crossing(picks[i], picks[j], Measure::Min, level, locale)});
    return pairs;
}

void markCrossings(ChartData &chart, const std::vector<PairCrossings> &pairs,
                   const std::vector<Pick> &picks, const PlanInputs &in, const QLocale &locale)
{
    const auto hasLine = [&](const Pick &pick) {
        return std::ranges::any_of(chart.series,
                                   [&](const Series &s) { return picks[s.slot] == pick; });
    };
    for (const PairCrossings &pair : pairs)
        for (const auto &c : {pair.max, pair.min}) {
            if (!inside(c, chart.from, chart.to) || !hasLine(c->ahead))
                continue;
            if (const auto totals = totalsAt(c->ahead, c->strength, in, locale))
                chart.crossings.push_back({c->measure, c->strength,
                                           c->measure == Measure::Max ? totals->max : totals->min,
                                           text(c->strength, locale)});
        }
}

} // namespace harmtally::plan::parts
