// Where two picks' totals cross (planning.h): the lines' crossing, its whole strength settled
// by the program's own figures.

#include "ranking/planning.h"

#include "ranking/planning_model.h"

namespace harmtally::ranking {

using namespace model;

namespace {

template <class N>
std::optional<Crossing> crossingOf(const Line<N> &a, const Line<N> &b, Measure measure, N scale)
{
    if (a.slope == b.slope)
        return std::nullopt;
    const Line<N> &ahead = a.slope > b.slope ? a : b;
    const Line<N> &behind = a.slope > b.slope ? b : a;
    const N numerator = behind.slope * behind.intercept - ahead.slope * ahead.intercept;
    const N denominator = (ahead.slope - behind.slope) * scale;
    const long double from = overtakes(ahead, behind, scale, false);
    // Every crossing within the ranges the commands take (to the limit) is kept; int holds
    // twice the limit.
    if (std::fabs(from) > 2 * kStrengthLimit)
        return std::nullopt;
    return Crossing{ahead.pick, behind.pick, measure,
                    double((long double)numerator / (long double)denominator), int(from)};
}

} // namespace

std::optional<Crossing> crossing(const Pick &a, const Pick &b, Measure measure,
                                 const QString &level, const QLocale &locale)
{
    const std::optional<Figures> fa = figuresOf(a, measure, level, locale);
    const std::optional<Figures> fb = figuresOf(b, measure, level, locale);
    if (!fa || !fb)
        return std::nullopt;
    std::optional<Crossing> found;
    if (const std::optional<int> digits = exactDigits({*fa, *fb})) {
        const Wide scale = powerOfTen(*digits);
        const auto lines = linesOf<Wide>({a, b}, {*fa, *fb}, scale);
        found = crossingOf(lines[0], lines[1], measure, scale);
    } else {
        const auto lines = linesOf<long double>({a, b}, {*fa, *fb}, 1);
        found = crossingOf(lines[0], lines[1], measure, (long double)1);
    }
    if (found) {
        found->fromStrength = programFlip(found->fromStrength, [&](int strength) {
            return programBeats(found->ahead, found->behind, strength, measure, level, locale,
                                false);
        });
    }
    return found;
}

std::vector<Crossing> crossings(std::span<const Pick> picks, const QString &level, double from,
                                double to, const QLocale &locale)
{
    std::vector<Crossing> found;
    for (std::size_t i = 0; i < picks.size(); ++i)
        for (std::size_t j = i + 1; j < picks.size(); ++j)
            for (Measure measure : {Measure::Max, Measure::Min})
                if (auto c = crossing(picks[i], picks[j], measure, level, locale);
                    c && c->strength >= from && c->strength <= to)
                    found.push_back(*c);
    return found;
}

} // namespace harmtally::ranking
