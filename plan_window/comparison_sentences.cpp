// The comparison written out: where each pair's totals cross within the chart's range, or by
// how much one stays ahead when they run level.

#include "plan_window/comparison_parts.h"

#include "core/numbers.h"
#include "texts/plan_words.h"

#include <cmath>

namespace harmtally::plan::parts {

using namespace captions;

namespace {

QString measureWord(Measure measure, Language language)
{
    return (measure == Measure::Max ? kMaximum : kMinimum).in(language);
}

// A pair with equal hits per minute: its per-hit damages stay the same distance apart.
QString levelSentence(const ChoiceColumn &a, const ChoiceColumn &b, Language language,
                      const QLocale &locale)
{
    const auto read
        = [&](const ChoiceColumn &c, Figure f) { return number(c.cells[std::size_t(f)], locale); };
    const auto reqA = read(a, Figure::Requirement), reqB = read(b, Figure::Requirement);
    const auto minA = read(a, Figure::BaseMin), minB = read(b, Figure::BaseMin);
    const auto maxA = read(a, Figure::BaseMax), maxB = read(b, Figure::BaseMax);
    if (!reqA || !reqB || !minA || !minB || !maxA || !maxB)
        return {};
    // Per hit: base + (strength - requirement) / 5; the strength cancels out.
    const double shift = (*reqA - *reqB) / 5;
    const double dMax = *maxA - *maxB - shift, dMin = *minA - *minB - shift;
    if (dMax == 0 && dMin == 0)
        return kSame.in(language).arg(a.name, b.name);
    // The sentence leads with the maximum unless it is level.
    const bool byMax = dMax != 0;
    const double lead = byMax ? dMax : dMin, other = byMax ? dMin : dMax;
    const ChoiceColumn &ahead = lead > 0 ? a : b, &behind = lead > 0 ? b : a;
    const bool split = other * lead < 0;
    const Measure first = byMax ? Measure::Max : Measure::Min;
    const Measure second = byMax ? Measure::Min : Measure::Max;
    return (split ? kStaysAheadSplit : kStaysAhead)
        .in(language)
        .arg(behind.name, ahead.name, text(std::abs(lead), locale), measureWord(first, language),
             text(std::abs(other), locale), measureWord(second, language));
}

// A pair crossing within the range, led by the maximum's crossing if that one is; only
// crossings within the range drawn are quoted.
QString crossingSentence(const PairCrossings &pair, const ChartData &chart, Language language,
                         const QLocale &locale)
{
    const bool maxIn = inside(pair.max, chart.from, chart.to);
    const auto &lead = maxIn ? pair.max : pair.min;
    const auto &other = maxIn ? pair.min : pair.max;
    const QString ahead = pickName(lead->ahead), behind = pickName(lead->behind);
    const QString leadWord = measureWord(lead->measure, language);
    const QString at = text(lead->strength, locale);
    if (inside(other, chart.from, chart.to))
        return kCrosses.in(language).arg(at, ahead, behind, leadWord, text(other->strength, locale),
                                         measureWord(other->measure, language));
    if (other)
        return kCrossesElsewhere.in(language).arg(at, ahead, behind, leadWord,
                                                  measureWord(other->measure, language));
    return kCrossesOnce.in(language).arg(at, ahead, behind, leadWord);
}

} // namespace

QStringList sentences(const std::vector<PairCrossings> &pairs,
                      const std::vector<ChoiceColumn> &columns, const ChartData &chart,
                      Language language, const QLocale &locale)
{
    QStringList out;
    for (const PairCrossings &pair : pairs) {
        const ChoiceColumn &a = columns[pair.a], &b = columns[pair.b];
        if (inside(pair.max, chart.from, chart.to) || inside(pair.min, chart.from, chart.to)) {
            out << crossingSentence(pair, chart, language, locale);
            continue;
        }
        const QString hitsA = a.cells[std::size_t(Figure::HitsPerMinute)];
        if (!hitsA.isEmpty() && hitsA == b.cells[std::size_t(Figure::HitsPerMinute)]) {
            const QString sentence = levelSentence(a, b, language, locale);
            if (!sentence.isEmpty())
                out << sentence;
        }
    }
    return out;
}

} // namespace harmtally::plan::parts
