#include "ranking/planning.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace harmtally::ranking {
namespace {

// Wide enough for hits per minute x (5 x base - requirement + strength) scaled by 10^18.
__extension__ using Wide = __int128;

// Strengths beyond this are no answer a player can use, and keep every product in range.
constexpr long long kStrengthLimit = 1'000'000'000;

// The seconds at which the order of two totals is checked. Ranking by the total does not depend
// on the seconds; a minute keeps every total a whole multiple of the per-hit figure.
const QString kMinute = QStringLiteral("60");

Column totalColumn(Measure measure)
{
    return measure == Measure::Min ? Column::TotalMin : Column::TotalMax;
}

// A whole strength as the main window reads it. "0" in its box is the empty box, which it
// refuses; the strength 0 is still a strength the questions reach, so it is written signed.
QString strengthText(double strength, const QLocale &locale)
{
    return strength == 0 ? QStringLiteral("+0") : text(strength, locale);
}

std::optional<double> cellNumber(const Row &row, Column column, const QLocale &locale)
{
    return number(row.cells[std::size_t(column)], locale);
}

// The total the program writes for the pick at this strength, as a number; nothing on refusal.
std::optional<double> programTotal(const Pick &pick, long long strength, Measure measure,
                                   const QString &level, const QLocale &locale)
{
    const RowOutcome outcome
        = pickRow(pick, {pick.mode, strengthText(strength, locale), kMinute, level}, locale);
    if (outcome.refusal)
        return std::nullopt;
    return cellNumber(outcome.row, totalColumn(measure), locale);
}

// Whether a deals more than b at this strength by the program's figures, ties to the earlier
// catalogue row when `earlierWins`.
bool programBeats(const Pick &a, const Pick &b, long long strength, Measure measure,
                  const QString &level, const QLocale &locale, bool earlierWins)
{
    const std::optional<double> x = programTotal(a, strength, measure, level, locale);
    const std::optional<double> y = programTotal(b, strength, measure, level, locale);
    if (!x || !y)
        return false;
    return *x > *y || (earlierWins && *x == *y && pickOrder(a) < pickOrder(b));
}

// A figure written with at most 15 significant digits, as mantissa x 10^exponent.
struct Decimal {
    long long mantissa = 0;
    int exponent = 0;
};

std::optional<Decimal> decimalOf(double x)
{
    const QString written = text(x, QLocale::c());
    Decimal d;
    bool negative = false;
    int fraction = 0;
    bool inFraction = false;
    qsizetype i = 0;
    if (written.startsWith(u'-')) {
        negative = true;
        i = 1;
    }
    for (; i < written.size() && written[i] != u'E'; ++i) {
        if (written[i] == u'.') {
            inFraction = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (written[i].unicode() - u'0');
        fraction += inFraction ? 1 : 0;
    }
    if (i < written.size()) {
        bool ok = false;
        d.exponent = written.sliced(i + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    d.exponent -= fraction;
    d.mantissa = negative ? -d.mantissa : d.mantissa;
    return d;
}

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
                                 const QLocale &locale)
{
    const RowOutcome outcome
        = pickRow(pick, {pick.mode, QStringLiteral("1"), kMinute, level}, locale);
    const Row &row = outcome.row;
    const auto req = cellNumber(row, Column::Requirement, locale);
    const auto hpm = cellNumber(row, Column::HitsPerMinute, locale);
    const auto base
        = cellNumber(row, measure == Measure::Min ? Column::BaseMin : Column::BaseMax, locale);
    if (!req || !hpm || !base)
        return std::nullopt;
    return Figures{(long long)*req, int(*hpm), *base};
}

// The power of ten that makes every base whole, if the exact model can hold them all.
std::optional<int> exactDigits(const std::vector<Figures> &figures)
{
    int digits = 0;
    int up = 0;
    for (const Figures &f : figures) {
        const std::optional<Decimal> d = decimalOf(f.base);
        if (!d)
            return std::nullopt;
        digits = std::max(digits, -d->exponent);
        up = std::max(up, d->exponent);
    }
    if (digits + up > 18) // 15 digits x 10^18 x 5 x hits per minute stays within Wide
        return std::nullopt;
    return digits;
}

Wide powerOfTen(int digits)
{
    Wide power = 1;
    for (int i = 0; i < digits; ++i)
        power *= 10;
    return power;
}

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
    if (std::fabs(from) > kStrengthLimit)
        return std::nullopt;
    return Crossing{ahead.pick, behind.pick, measure,
                    double((long double)numerator / (long double)denominator), int(from)};
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

} // namespace

QString pickName(const Pick &pick)
{
    if (pick.mode == Mode::Melee)
        return latin1(meleeWeapons()[pick.item].name);
    return latin1(bows()[pick.item].name) + u'/' + latin1(arrowKinds()[pick.arrowKind].name);
}

std::optional<Pick> findPick(const QString &name)
{
    const qsizetype slash = name.indexOf(u'/');
    if (slash < 0) {
        const MeleeWeaponRecord *weapon = findMeleeWeapon(name);
        if (!weapon)
            return std::nullopt;
        return Pick{Mode::Melee, std::size_t(weapon - meleeWeapons().data()), 0};
    }
    const BowRecord *bow = findBow(name.first(slash));
    const ArrowKind *kind = findArrowKind(name.sliced(slash + 1));
    if (!bow || !kind)
        return std::nullopt;
    return Pick{Mode::Bow, std::size_t(bow - bows().data()),
                std::size_t(kind - arrowKinds().data())};
}

std::size_t pickOrder(const Pick &pick)
{
    return pick.mode == Mode::Melee ? pick.item : pick.item * arrowKinds().size() + pick.arrowKind;
}

Pick pickAt(Mode mode, std::size_t order)
{
    if (mode == Mode::Melee)
        return {mode, order, 0};
    return {mode, order / arrowKinds().size(), order % arrowKinds().size()};
}

RowOutcome pickRow(const Pick &pick, const Inputs &in, const QLocale &locale)
{
    return pick.mode == Mode::Melee ? meleeRow(pick.item, in, locale)
                                    : bowRow(pick.item, pick.arrowKind, in, locale);
}

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

std::vector<Band> bestBands(Mode mode, const QString &level, int from, int to, Measure measure,
                            const QLocale &locale)
{
    const std::size_t count
        = mode == Mode::Melee ? meleeWeapons().size() : bows().size() * arrowKinds().size();
    std::vector<Pick> picks;
    std::vector<Figures> figures;
    std::vector<long long> requirement(count);
    for (std::size_t order = 0; order < count; ++order) {
        const Pick pick = pickAt(mode, order);
        if (const std::optional<Figures> f = figuresOf(pick, measure, level, locale)) {
            picks.push_back(pick);
            figures.push_back(*f);
            requirement[order] = f->requirement;
        }
    }
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

namespace {

// The difference of two figures as they are written: the doubles' difference rounded to the
// texts' decimals, so 46.6666666666667 - 46.2 is 0.4666666666667, not 0.466666666666697. Texts
// in exponent form keep the doubles' difference.
double writtenDifference(const QString &a, const QString &b, double x, double y,
                         const QLocale &locale)
{
    const auto decimals = [&](const QString &t) -> std::optional<int> {
        if (t.contains(u'E'))
            return std::nullopt;
        const qsizetype point = t.indexOf(locale.decimalPoint());
        return point < 0 ? 0 : int(t.size() - point - 1);
    };
    const std::optional<int> da = decimals(a), db = decimals(b);
    if (!da || !db)
        return x - y;
    const double scale = std::pow(10.0, std::max(*da, *db));
    return std::round((x - y) * scale) / scale;
}

} // namespace

Difference difference(const Row &row, const Row &first, Column column, const QLocale &locale)
{
    const std::optional<double> x = cellNumber(row, column, locale);
    const std::optional<double> y = cellNumber(first, column, locale);
    if (!x || !y)
        return {};
    const std::size_t c = std::size_t(column);
    const double d = writtenDifference(row.cells[c], first.cells[c], *x, *y, locale);
    return {finiteText(d, locale).value_or(QString()),
            *y == 0 ? QString() : finiteText(d / *y * 100, locale).value_or(QString())};
}

// From the model, not as the difference of the results at two strengths: that would carry their
// rounding to 15 digits (0.200000000000003).
QString perStrengthPoint(const Row &row, Column column, const QString &seconds,
                         const QLocale &locale)
{
    if (row.cells[std::size_t(column)].isEmpty())
        return {};
    if (column == Column::HitMin || column == Column::HitMax)
        return text(1.0 / 5.0, locale);
    const std::optional<double> hits
        = number(row.cells[std::size_t(Column::HitsPerMinute)], locale);
    const std::optional<double> time = number(seconds, locale);
    return hits && time ? finiteText(*hits * *time / 300, locale).value_or(QString()) : QString();
}

} // namespace harmtally::ranking
