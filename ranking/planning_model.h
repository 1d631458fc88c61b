#pragma once

// The straight lines behind the planning answers (planning.h): a choice's total over the
// seconds against boosted strength, read back from the program's own figures and exact (whole
// numbers, scaled) where those allow it; and the program's own figures at a strength, which
// settle every answer the lines give. Only the planning files include it.

#include "ranking/planning.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <vector>

namespace harmtally::ranking::model {

// Wide enough for hits per minute x (5 x base - requirement + strength) scaled by 10^18.
__extension__ using Wide = __int128;

// Strengths beyond this are no answer a player can use, and keep every product in range.
inline constexpr long long kStrengthLimit = 1'000'000'000;

// A whole strength as the main window reads it (computedStrength).
QString strengthText(double strength, const QLocale &locale);

std::optional<double> cellNumber(const Row &row, Column column, const QLocale &locale);

// Whether a deals more than b at this strength by the program's figures, ties to the earlier
// catalogue row when `earlierWins`.
bool programBeats(const Pick &a, const Pick &b, long long strength, Measure measure,
                  const QString &level, const QLocale &locale, bool earlierWins);

// A figure written with at most 15 significant digits, as mantissa x 10^exponent.
struct Decimal {
    long long mantissa = 0;
    int exponent = 0;
};
std::optional<Decimal> decimalOf(double x);

// One pick's total over the seconds as the model has it, for one measure: slope x (intercept +
// strength x scale), the slope its hits per minute, the intercept (5 x base - requirement) x
// scale, from the program's own figures (the base as the row writes it, after any arrow bonus or
// Trueshot level). N is exact (Wide, the figures scaled to whole numbers) where they allow it.
template <class N> struct Line {
    Pick pick;
    std::size_t order;
    long long requirement;
    N slope;
    N intercept;
};

// The figures of a pick that the model needs, read back from its row; nothing when the pick
// cannot be ranked (a figure unknown, or the level refused).
struct Figures {
    long long requirement;
    int hitsPerMinute;
    double base;
};

std::optional<Figures> figuresOf(const Pick &pick, Measure measure, const QString &level,
                                 const QLocale &locale);

// The power of ten that makes every base whole, if the exact model can hold them all.
std::optional<int> exactDigits(const std::vector<Figures> &figures);

Wide powerOfTen(int digits);

template <class N> Line<N> lineOf(const Pick &pick, const Figures &f, N scale, N base)
{
    return {pick, pickOrder(pick), f.requirement, N(f.hitsPerMinute),
            N(5) * base - N(f.requirement) * scale};
}

template <class N> N value(const Line<N> &line, long long strength, N scale)
{
    return line.slope * (line.intercept + N(strength) * scale);
}

template <class N> N floorDiv(N n, N d) // d > 0
{
    if constexpr (std::is_floating_point_v<N>) {
        return std::floor(n / d);
    } else {
        const N q = n / d;
        return q * d > n ? q - 1 : q;
    }
}

// The least whole strength at which `ahead` (the steeper line) deals more than `behind`; with
// `tieWins`, at least as much.
template <class N>
long double overtakes(const Line<N> &ahead, const Line<N> &behind, N scale, bool tieWins)
{
    // a (c_a + t K) > b (c_b + t K)  <=>  t (a - b) K > b c_b - a c_a
    const N numerator = behind.slope * behind.intercept - ahead.slope * ahead.intercept;
    const N denominator = (ahead.slope - behind.slope) * scale;
    const N below = floorDiv(numerator, denominator);
    const bool exactly = below * denominator == numerator;
    return (long double)(tieWins && exactly ? below : below + N(1));
}

// The whole strength at which the program's order between two picks flips, from the model's
// candidate: the model and the program agree up to the program's rounding to 15 digits, so the
// flip is found within a step or two.
int programFlip(int candidate, const auto &aheadAt)
{
    for (int step = 0; step < 8 && aheadAt(candidate - 1); ++step)
        --candidate;
    for (int step = 0; step < 8 && !aheadAt(candidate); ++step)
        ++candidate;
    return candidate;
}

template <class N>
std::vector<Line<N>> linesOf(const std::vector<Pick> &picks, const std::vector<Figures> &figures,
                             N scale)
{
    std::vector<Line<N>> lines;
    lines.reserve(picks.size());
    for (std::size_t i = 0; i < picks.size(); ++i) {
        N base = N(figures[i].base);
        if constexpr (!std::is_floating_point_v<N>) {
            const Decimal d = *decimalOf(figures[i].base);
            base = d.mantissa * scale / powerOfTen(-std::min(d.exponent, 0))
                   * powerOfTen(std::max(d.exponent, 0));
        }
        lines.push_back(lineOf(picks[i], figures[i], scale, base));
    }
    return lines;
}

} // namespace harmtally::ranking::model
