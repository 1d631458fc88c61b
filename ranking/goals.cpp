#include "ranking/goals.h"

#include "core/numbers.h"
#include "ranking/planning.h"

namespace harmtally::ranking {
namespace {

// clang-format off
constexpr GoalColumn kStrengthColumns[] = {
    {"strengthNeeded",      {.italian = "Forza necessaria", .english = "Str needed"}},
    {"strengthMoreThanNow", {.italian = "Più di ora",       .english = "More than now"}},
};
constexpr GoalColumn kFoeColumns[] = {
    {"hitsToDefeatBest",     {.italian = "Colpi, al meglio",   .english = "Hits, best"}},
    {"hitsToDefeatWorst",    {.italian = "Colpi, al peggio",   .english = "Hits, worst"}},
    {"secondsToDefeatBest",  {.italian = "Secondi, al meglio", .english = "Seconds, best"}},
    {"secondsToDefeatWorst", {.italian = "Secondi, al peggio", .english = "Seconds, worst"}},
};
// clang-format on

} // namespace

std::span<const GoalColumn> goalColumns(GoalKind kind)
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
