#include "plan_window/comparison.h"

#include "catalogue/bows.h"
#include "core/numbers.h"
#include "plan_window/comparison_parts.h"
#include "texts/plan_words.h"

#include <algorithm>

namespace harmtally::plan {

using namespace captions;

using ranking::Column;

static_assert(std::size(kCaptions) == kFigureCount);

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
        const ranking::RowOutcome outcome = pickRow(pick, parts::inputsAt(pick, {}, {}), locale);
        if (const auto req = number(parts::cell(outcome.row, Column::Requirement), locale))
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
        parts::fillColumn(column, out.columns.empty() ? nullptr : &out.columns.front(), in, locale);
        out.columns.push_back(std::move(column));
    }
    out.rangeNote = parts::takeRange(out.chart, picks, in, language, locale);
    parts::nameChart(out.chart, picks, in, language, locale);
    parts::drawLines(out.chart, out.columns, in, language, locale);
    const auto pairs = parts::pairCrossings(picks, in.level, locale);
    parts::markCrossings(out.chart, pairs, picks, in, locale);
    out.sentences = parts::sentences(pairs, out.columns, out.chart, language, locale);
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
