// The best pick at each strength (planning.h): a sweep along the lines from one hand-over to
// the next, each hand-over settled by the program's own figures.

#include "ranking/planning.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "ranking/planning_model.h"

#include <utility>

namespace harmtally::ranking {

using namespace model;

namespace {

template <class N>
std::vector<Band> sweep(const std::vector<Line<N>> &lines, N scale, long long from, long long to)
{
    std::vector<Band> bands;
    long long s = from;
    while (s <= to) {
        // The best among those wieldable now; the next strength at which that may change: a
        // row comes within reach, or a steeper row overtakes the best.
        const Line<N> *best = nullptr;
        long long next = to + 1;
        for (const Line<N> &line : lines) {
            if (line.requirement > s) {
                next = std::min(next, line.requirement);
                continue;
            }
            if (!best) {
                best = &line;
                continue;
            }
            const N v = value(line, s, scale);
            const N w = value(*best, s, scale);
            if (v > w || (v == w && line.order < best->order))
                best = &line;
        }
        if (best) {
            for (const Line<N> &line : lines) {
                if (line.requirement <= s && line.slope > best->slope) {
                    const long double t = overtakes(line, *best, scale, line.order < best->order);
                    if (t <= (long double)next)
                        next = std::max(s + 1, (long long)t);
                }
            }
            if (!bands.empty() && bands.back().pick == best->pick && bands.back().to == s - 1)
                bands.back().to = int(next - 1);
            else
                bands.push_back({int(s), int(next - 1), best->pick});
        }
        s = next;
    }
    return bands;
}

// Every rankable pick of the mode, with its figures.
struct Catalogue {
    std::vector<Pick> picks;
    std::vector<Figures> figures;
    std::vector<long long> requirement; // by catalogue order
};

Catalogue catalogue(Mode mode, const QString &level, Measure measure, const QLocale &locale)
{
    const std::size_t count
        = mode == Mode::Melee ? meleeWeapons().size() : bows().size() * arrowKinds().size();
    Catalogue c;
    c.requirement.resize(count);
    for (std::size_t order = 0; order < count; ++order) {
        const Pick pick = pickAt(mode, order);
        if (const std::optional<Figures> f = figuresOf(pick, measure, level, locale)) {
            c.picks.push_back(pick);
            c.figures.push_back(*f);
            c.requirement[order] = f->requirement;
        }
    }
    return c;
}

// Whether every two lines of one speed wieldable by `to` are equal, or at least two units apart
// (beyond `tolerance`, they are not equal).
template <class N>
bool apart(const std::vector<Line<N>> &lines, N scale, long long to, long double unit,
           long double tolerance)
{
    std::vector<std::pair<N, N>> slopes; // slope, intercept
    for (const Line<N> &line : lines)
        if (line.requirement <= to)
            slopes.emplace_back(line.slope, line.intercept);
    std::sort(slopes.begin(), slopes.end());
    for (std::size_t i = 1; i < slopes.size(); ++i) {
        if (slopes[i].first != slopes[i - 1].first)
            continue;
        const long double difference
            = (long double)(slopes[i].first * (slopes[i].second - slopes[i - 1].second))
              / (long double)(N(5) * scale);
        if (difference > tolerance && difference < 2 * unit)
            return false;
    }
    return true;
}

} // namespace

bool figuresSeparate(Mode mode, const QString &level, int from, int to, Measure measure,
                     const QLocale &locale)
{
    const Catalogue c = catalogue(mode, level, measure, locale);
    // A minute's total: hits per minute x (base + (strength - requirement) / 5).
    long double largest = 0;
    for (const Figures &f : c.figures)
        for (int s : {from, to})
            if (f.requirement <= to)
                largest = std::max(
                    largest, std::fabs(f.hitsPerMinute * (f.base + (s - f.requirement) / 5.0L)));
    if (largest == 0)
        return true;
    // Two speeds part by at least a fifth of a point per strength; one speed keeps its
    // difference at every strength.
    const long double unit = std::pow(10.0L, std::floor(std::log10(largest)) - 14);
    if (unit >= 0.1L)
        return false;
    if (const std::optional<int> digits = exactDigits(c.figures))
        return apart(linesOf<Wide>(c.picks, c.figures, powerOfTen(*digits)), powerOfTen(*digits),
                     to, unit, 0);
    // Read from doubles, equal figures may differ in their last bits.
    return apart(linesOf<long double>(c.picks, c.figures, 1), 1.0L, to, unit, largest * 1e-15L);
}

std::vector<Band> bestBands(Mode mode, const QString &level, int from, int to, Measure measure,
                            const QLocale &locale)
{
    const Catalogue c = catalogue(mode, level, measure, locale);
    const std::vector<Pick> &picks = c.picks;
    const std::vector<Figures> &figures = c.figures;
    const std::vector<long long> &requirement = c.requirement;
    std::vector<Band> bands;
    if (const std::optional<int> digits = exactDigits(figures))
        bands = sweep(linesOf<Wide>(picks, figures, powerOfTen(*digits)), powerOfTen(*digits), from,
                      to);
    else
        bands = sweep(linesOf<long double>(picks, figures, 1), (long double)1, from, to);

    // The program's own figures settle each hand-over the model found: where a level has more
    // digits than a figure holds, its rounding may move it by a strength.
    for (std::size_t i = 1; i < bands.size(); ++i) {
        Band &before = bands[i - 1];
        Band &after = bands[i];
        if (before.to + 1 != after.from)
            continue;
        const auto afterAhead = [&](int strength) {
            return requirement[pickOrder(after.pick)] <= strength
                   && programBeats(after.pick, before.pick, strength, measure, level, locale,
                                   pickOrder(after.pick) < pickOrder(before.pick));
        };
        if (!afterAhead(after.from - 1) && afterAhead(after.from))
            continue;
        const int flip = std::clamp(programFlip(after.from, afterAhead), before.from + 1, after.to);
        before.to = flip - 1;
        after.from = flip;
    }
    return bands;
}

} // namespace harmtally::ranking
