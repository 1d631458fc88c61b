// The side-by-side table's columns: the main window's figures for each choice at the typed
// strength, and what follows from them.

#include "plan_window/comparison_parts.h"

#include "core/numbers.h"

#include <cmath>
#include <tuple>

namespace harmtally::plan::parts {
namespace {

using ranking::Column;

// The first result columns of a ranking row, in the order of the table's first figures.
constexpr std::size_t kFirstRankingColumn = std::size_t(Column::Requirement);
static_assert(std::size_t(Column::TotalMax) - kFirstRankingColumn == std::size_t(Figure::TotalMax));

} // namespace

ranking::Inputs inputsAt(const Pick &pick, const QString &strength, const PlanInputs &in)
{
    return {pick.mode, ranking::computedStrength(strength), in.seconds, in.level};
}

std::optional<Totals> totalsAt(const Pick &pick, const QString &strength, const PlanInputs &in,
                               const QLocale &locale)
{
    const ranking::RowOutcome outcome = pickRow(pick, inputsAt(pick, strength, in), locale);
    const auto min = number(cell(outcome.row, Column::TotalMin), locale);
    const auto max = number(cell(outcome.row, Column::TotalMax), locale);
    if (outcome.refusal || !min || !max)
        return std::nullopt;
    return Totals{*min, *max};
}

std::optional<Totals> totalsAt(const Pick &pick, double strength, const PlanInputs &in,
                               const QLocale &locale)
{
    return totalsAt(pick, text(strength, locale), in, locale);
}

void fillColumn(ChoiceColumn &column, const ChoiceColumn *first, const PlanInputs &in,
                const QLocale &locale)
{
    const ranking::Inputs at = inputsAt(column.pick, in.strength, in);
    ranking::RowOutcome outcome = pickRow(column.pick, at, locale);
    column.row = std::move(outcome.row);
    for (std::size_t f = 0; f <= std::size_t(Figure::TotalMax); ++f)
        column.cells[f] = column.row.cells[kFirstRankingColumn + f];
    if (outcome.refusal)
        column.refusal = outcome.refusal->message;
    const auto put = [&](Figure f, QString figure) { column.cells[std::size_t(f)] = figure; };
    if (first) {
        // The engine's difference, as the shell's compare gives it; the per cent to a tenth.
        const auto signedText = [](const QString &t) {
            return t.isEmpty() || t.startsWith(u'-') || t == u"0" ? t : u'+' + t;
        };
        const auto percent = [&](const QString &t) {
            const auto p = number(t, locale);
            return p ? signedText(text(std::round(*p * 10) / 10, locale)) + u'%' : QString();
        };
        for (auto [total, amount, share] :
             {std::tuple{Column::TotalMax, Figure::TotalMaxDifference, Figure::TotalMaxPercent},
              std::tuple{Column::TotalMin, Figure::TotalMinDifference, Figure::TotalMinPercent}}) {
            const auto d = ranking::difference(column.row, first->row, total, locale);
            put(amount, signedText(d.amount));
            put(share, percent(d.percent));
        }
    }
    put(Figure::PointPerHit,
        ranking::perStrengthPoint(column.row, Column::HitMax, in.seconds, locale));
    put(Figure::PointTotal,
        ranking::perStrengthPoint(column.row, Column::TotalMax, in.seconds, locale));
}

} // namespace harmtally::plan::parts
