#include "plan_window/comparison.h"

#include "catalogue/bows.h"
#include "core/numbers.h"
#include "texts/plan_words.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace harmtally::plan {

using namespace captions;

namespace {

using ranking::Column;

// The first result columns of a ranking row, in the order of the table's first figures.
constexpr std::size_t kFirstRankingColumn = std::size_t(Column::Requirement);
static_assert(std::size_t(Column::TotalMax) - kFirstRankingColumn == std::size_t(Figure::TotalMax));

static_assert(std::size(kCaptions) == kFigureCount);

// The main window refuses exactly "0" as an entry not made yet, and computes a zero written any
// other way: a cursor at 0 is a strength of the chart like any other.
ranking::Inputs inputsAt(const Pick &pick, const QString &strength, const PlanInputs &in)
{
    return {pick.mode, strength == u"0" ? QStringLiteral("00") : strength, in.seconds, in.level};
}

const QString &cell(const ranking::Row &row, Column column)
{
    return row.cells[std::size_t(column)];
}

struct Totals {
    double min;
    double max;
};

// The totals the main window shows for the pick at that strength, if it shows both.
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

bool inside(const std::optional<ranking::Crossing> &c, double from, double to)
{
    return c && c->strength >= from && c->strength <= to;
}

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

} // namespace

bool needsLevel(const Pick &pick)
{
    return pick.mode == Mode::Bow && arrowKinds()[pick.arrowKind].levelRule;
}

QString caption(Figure figure, const QString &seconds, Language language)
{
    const QString words = kCaptions[std::size_t(figure)].in(language);
    return words.contains(u"%1") ? words.arg(overSeconds(seconds, language)) : words;
}

QString overSeconds(const QString &seconds, Language language)
{
    return seconds.trimmed().isEmpty() ? kOverTheSeconds.in(language)
                                       : kOverSeconds.in(language).arg(seconds.trimmed());
}

std::pair<double, double> defaultRange(const std::vector<Pick> &picks, const QLocale &locale)
{
    double highest = 0;
    for (const Pick &pick : picks) {
        const ranking::RowOutcome outcome = pickRow(pick, inputsAt(pick, {}, {}), locale);
        if (const auto req = number(cell(outcome.row, Column::Requirement), locale))
            highest = std::max(highest, *req);
    }
    return {0, highest + 100};
}

Comparison compare(const std::vector<Pick> &picks, const PlanInputs &in, Language language,
                   const QLocale &locale)
{
    Comparison out;
    for (const Pick &pick : picks) {
        ChoiceColumn column{pick, pickName(pick), {}, {}, {}};
        fillColumn(column, out.columns.empty() ? nullptr : &out.columns.front(), in, locale);
        out.columns.push_back(std::move(column));
    }

    ChartData &chart = out.chart;
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
    } else {
        chart.from = defaultFrom;
        chart.to = defaultTo;
        out.rangeNote = (ordered ? kUndrawableRange : kBadRange)
                            .in(language)
                            .arg(text(defaultFrom, locale), text(defaultTo, locale));
    }
    chart.cursor = number(in.strength, locale);
    chart.xTitle = kStrengthTitle.in(language);
    for (const Bilingual &word : kKey)
        chart.key << word.in(language);
    const auto seconds = number(in.seconds, locale);
    // What a saved picture is for, since it carries no boxes beside it.
    QStringList figures;
    if (!in.strength.trimmed().isEmpty())
        figures << kStrengthFigure.in(language).arg(in.strength.trimmed());
    if (!in.seconds.trimmed().isEmpty())
        figures << overSeconds(in.seconds, language);
    if (!in.level.trimmed().isEmpty() && std::ranges::any_of(picks, needsLevel))
        figures << kLevelFigure.in(language).arg(in.level.trimmed());
    chart.figures = figures.join(QStringLiteral(", "));
    chart.yTitle = seconds ? kTotalTitle.in(language).arg(in.seconds.trimmed())
                           : kTotalTitleUntyped.in(language);

    for (std::size_t slot = 0; slot < picks.size(); ++slot) {
        const Pick &pick = picks[slot];
        std::vector<double> strengths{chart.from, chart.to};
        const auto req = number(out.columns[slot].cells[std::size_t(Figure::Requirement)], locale);
        const bool reqInside = req && *req > chart.from && *req < chart.to;
        if (reqInside)
            strengths.push_back(*req);
        if (chart.cursor && *chart.cursor > chart.from && *chart.cursor < chart.to)
            strengths.push_back(*chart.cursor);
        std::ranges::sort(strengths);
        Series series{slot, out.columns[slot].name, {}, {}, reqInside ? req : std::nullopt};
        bool whole = true;
        for (double s : strengths) {
            // At the cursor, the strength exactly as typed: the figures the table shows.
            const auto totals = chart.cursor && s == *chart.cursor
                                    ? totalsAt(pick, in.strength, in, locale)
                                    : totalsAt(pick, s, in, locale);
            if (!totals) {
                whole = false;
                break;
            }
            series.max.push_back({s, totals->max});
            series.min.push_back({s, totals->min});
        }
        if (whole)
            chart.series.push_back(std::move(series));
    }
    if (picks.empty())
        chart.emptyNote = kNothingChosen.in(language);
    else if (chart.series.empty())
        chart.emptyNote = (seconds ? kNoTotals : kNoSeconds).in(language);

    const auto hasLine = [&](const Pick &pick) {
        return std::ranges::any_of(chart.series,
                                   [&](const Series &s) { return picks[s.slot] == pick; });
    };
    for (std::size_t i = 0; i < picks.size(); ++i) {
        for (std::size_t j = i + 1; j < picks.size(); ++j) {
            const auto max = crossing(picks[i], picks[j], Measure::Max, in.level, locale);
            const auto min = crossing(picks[i], picks[j], Measure::Min, in.level, locale);
            for (const auto &c : {max, min}) {
                if (!inside(c, chart.from, chart.to) || !hasLine(c->ahead))
                    continue;
                const auto totals = totalsAt(c->ahead, c->strength, in, locale);
                if (totals)
                    chart.crossings.push_back(
                        {c->measure, c->strength,
                         c->measure == Measure::Max ? totals->max : totals->min,
                         text(c->strength, locale)});
            }

            const ChoiceColumn &a = out.columns[i], &b = out.columns[j];
            const bool maxIn = inside(max, chart.from, chart.to);
            if (maxIn || inside(min, chart.from, chart.to)) {
                const auto &lead = maxIn ? max : min;
                const auto &other = maxIn ? min : max;
                const QString ahead = pickName(lead->ahead), behind = pickName(lead->behind);
                const QString leadWord = measureWord(lead->measure, language);
                const QString at = text(lead->strength, locale);
                // Only crossings within the range drawn are quoted.
                if (inside(other, chart.from, chart.to))
                    out.sentences << kCrosses.in(language).arg(
                        at, ahead, behind, leadWord, text(other->strength, locale),
                        measureWord(other->measure, language));
                else if (other)
                    out.sentences << kCrossesElsewhere.in(language).arg(
                        at, ahead, behind, leadWord, measureWord(other->measure, language));
                else
                    out.sentences << kCrossesOnce.in(language).arg(at, ahead, behind, leadWord);
                continue;
            }
            const QString hitsA = a.cells[std::size_t(Figure::HitsPerMinute)];
            if (!hitsA.isEmpty() && hitsA == b.cells[std::size_t(Figure::HitsPerMinute)]) {
                const QString sentence = levelSentence(a, b, language, locale);
                if (!sentence.isEmpty())
                    out.sentences << sentence;
            }
        }
    }
    return out;
}

QString toTabSeparated(const Comparison &comparison, const QString &seconds, Language language)
{
    QString out;
    for (const ChoiceColumn &column : comparison.columns)
        out += u'\t' + column.name;
    out += u'\n';
    for (std::size_t f = 0; f < kFigureCount; ++f) {
        out += caption(Figure(f), seconds, language);
        for (const ChoiceColumn &column : comparison.columns)
            out += u'\t' + column.cells[f];
        out += u'\n';
    }
    return out;
}

} // namespace harmtally::plan
