#include "ranking/goals.h"

#include "core/numbers.h"
#include "ranking/planning.h"

namespace harmtally::ranking {
namespace {

// clang-format off
constexpr ColumnInfo kStrengthColumns[] = {
    {"strengthNeeded",       column_words::kStrengthNeeded, Content::Figure, kLowFirst},
    {"strengthMoreThanNow",  column_words::kMoreThanNow,    Content::Figure, kLowFirst},
};
constexpr ColumnInfo kFoeColumns[] = {
    {"hitsToDefeatBest",     column_words::kHitsBest,       Content::Figure, kLowFirst},
    {"hitsToDefeatWorst",    column_words::kHitsWorst,      Content::Figure, kLowFirst},
    {"secondsToDefeatBest",  column_words::kSecondsBest,    Content::Figure, kLowFirst},
    {"secondsToDefeatWorst", column_words::kSecondsWorst,   Content::Figure, kLowFirst},
};
// clang-format on

} // namespace

std::span<const ColumnInfo> goalColumns(GoalKind kind)
{
    switch (kind) {
    case GoalKind::None:
        break;
    case GoalKind::HitAtLeast:
    case GoalKind::TotalAtLeast:
        return kStrengthColumns;
    case GoalKind::FoeHealth:
        return kFoeColumns;
    }
    return {};
}

QStringList goalCells(GoalKind kind, double goal, const Row &row, const Inputs &in, bool wieldable,
                      const QLocale &locale)
{
    const Pick pick = pickAt(in.mode, row.order);
    const auto figure = [&](std::optional<double> x) { return x ? text(*x, locale) : QString(); };
    if (kind == GoalKind::FoeHealth) {
        const Defeat d = timeToDefeat(pick, goal, in, locale);
        return {figure(d.hitsBest), figure(d.hitsWorst), d.secondsBest, d.secondsWorst};
    }
    if (kind == GoalKind::None)
        return {};
    const std::optional<int> needed
        = strengthNeeded(pick, kind == GoalKind::HitAtLeast ? Goal::HitAtLeast : Goal::TotalAtLeast,
                         goal, in, wieldable, locale);
    const std::optional<double> now = number(in.strength, locale);
    const bool more = needed && now && *needed > *now;
    return {figure(needed), more ? text(*needed - *now, locale) : QString()};
}

SortKey goalKey(GoalKind kind, const QStringList &cells, const Row &row, const QLocale &locale)
{
    const qsizetype column = kind == GoalKind::FoeHealth ? 2 : 0;
    const std::optional<double> x
        = cells.size() > column ? number(cells[column], locale) : std::nullopt;
    return {x.has_value(), x.value_or(0), {}, row.order};
}

} // namespace harmtally::ranking
