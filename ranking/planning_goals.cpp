// The strength a goal needs and how long a foe lasts (planning.h), from the program's own
// figures.

#include "ranking/planning.h"

#include "core/numbers.h"
#include "ranking/planning_model.h"

namespace harmtally::ranking {

using namespace model;

std::optional<int> strengthNeeded(const Pick &pick, Goal goal, double target, const Inputs &in,
                                  bool wieldable, const QLocale &locale)
{
    const Column column = goal == Goal::HitAtLeast ? Column::HitMin : Column::TotalMin;
    const auto figureAt = [&](long long strength) -> std::optional<double> {
        const RowOutcome outcome = pickRow(
            pick, {pick.mode, strengthText(strength, locale), in.seconds, in.level}, locale);
        if (outcome.refusal)
            return std::nullopt;
        return cellNumber(outcome.row, column, locale);
    };
    const RowOutcome start
        = pickRow(pick, {pick.mode, QStringLiteral("1"), in.seconds, in.level}, locale);
    const auto req = cellNumber(start.row, Column::Requirement, locale);
    const auto base = cellNumber(start.row, Column::BaseMin, locale);
    const auto hpm = cellNumber(start.row, Column::HitsPerMinute, locale);
    const auto seconds = number(in.seconds, locale);
    if (!req || !base || !seconds || !std::isfinite(target))
        return std::nullopt;
    const long long lowest = wieldable ? std::max(0LL, (long long)std::ceil(*req)) : 0;
    const std::optional<double> atLowest = figureAt(lowest);
    if (!atLowest)
        return std::nullopt;
    if (*atLowest >= target)
        return int(lowest);

    // The model's answer: per hit, base + (s - req) / 5; over T seconds, hpm x T / 300 x (5 x
    // base - req + s). A total that does not grow with strength never gets there.
    long double exact;
    if (goal == Goal::HitAtLeast) {
        exact = *req + 5.0L * ((long double)target - *base);
    } else {
        const long double growth = (long double)hpm.value_or(0) * *seconds;
        if (!hpm || growth <= 0)
            return std::nullopt;
        exact = 300.0L * target / growth - 5.0L * *base + *req;
    }
    if (!(exact < kStrengthLimit))
        return std::nullopt;
    const int candidate = int(std::max<long double>(lowest + 1, std::ceil(exact)));
    const int answer = programFlip(candidate, [&](int strength) {
        if (strength <= lowest)
            return false;
        const std::optional<double> figure = figureAt(strength);
        return figure && *figure >= target;
    });
    const std::optional<double> atAnswer = figureAt(answer);
    if (!atAnswer || *atAnswer < target)
        return std::nullopt;
    return answer;
}

Defeat timeToDefeat(const Pick &pick, double health, const Inputs &in, const QLocale &locale)
{
    Defeat defeat;
    const RowOutcome outcome = pickRow(pick, in, locale);
    if (outcome.refusal || !std::isfinite(health) || health <= 0)
        return defeat;
    const auto hpm = cellNumber(outcome.row, Column::HitsPerMinute, locale);
    const auto hits = [&](double perHit) -> std::optional<double> {
        // Exact where the figures allow: 0.9 health takes three hits of 0.3, not four.
        const std::optional<Decimal> h = decimalOf(health);
        const std::optional<Decimal> p = decimalOf(perHit);
        const int shift = h && p ? h->exponent - p->exponent : 99;
        if (shift < -18 || shift > 18)
            return std::ceil(health / perHit);
        Wide numerator = h->mantissa;
        Wide denominator = p->mantissa;
        for (int i = 0; i < std::abs(shift); ++i)
            (shift > 0 ? numerator : denominator) *= 10;
        return double((numerator + denominator - 1) / denominator);
    };
    const auto seconds = [&](double perHit) {
        if (!hpm || *hpm <= 0)
            return QString();
        return finiteText(60.0 * health / (*hpm * perHit), locale).value_or(QString());
    };
    if (const auto best = cellNumber(outcome.row, Column::HitMax, locale); best && *best > 0) {
        defeat.hitsBest = hits(*best);
        defeat.secondsBest = seconds(*best);
    }
    if (const auto worst = cellNumber(outcome.row, Column::HitMin, locale); worst && *worst > 0) {
        defeat.hitsWorst = hits(*worst);
        defeat.secondsWorst = seconds(*worst);
    }
    return defeat;
}

} // namespace harmtally::ranking
