#include "cli/plan_commands.h"

#include "cli/shell_replies.h"
#include "core/numbers.h"
#include "ranking/goals.h"
#include "ranking/planning.h"
#include "ranking/records.h"
#include "texts/column_words.h"
#include "texts/shell_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace harmtally::cli {

using namespace ranking;

Outcome path(const Parsed &words, const Context &context)
{
    if (!words.names.isEmpty())
        return misused(say(text::kTakesNoName, context).arg(u"path"), context);
    if (!words.has(Option::From) || !words.has(Option::To))
        return misused(say(text::kNeedsRange, context), context);
    const bool bows = words.has(Option::Bows);
    if (words.has(Option::Level) && !bows)
        return misused(say(text::kLevelWithBows, context), context);
    const std::optional<Format> format = formatOf(words);
    if (!format)
        return misused(say(text::kFormats, context), context);
    const QString by = words.has(Option::By) ? words.value(Option::By) : QStringLiteral("max");
    if (by != u"max" && by != u"min")
        return misused(say(text::kBy, context), context);
    int range[2] = {0, 0};
    const Outcome unread = takeNumbers(
        words, std::array{Option::From, Option::To}, context, [&](Option option, double x) {
            if (x < 0 || x > 1'000'000 || x != std::floor(x))
                return refused(say(text::kWholeRange, context).arg(dashed(option)));
            range[option == Option::To] = int(x);
            return Outcome{};
        });
    if (unread.status)
        return unread;
    if (range[0] > range[1])
        return misused(say(text::kRange, context), context);
    if (const Outcome bad = checkLevel(words, false, context); bad.status)
        return bad;
    const Measure measure = by == u"min" ? Measure::Min : Measure::Max;
    const Mode mode = bows ? Mode::Bow : Mode::Melee;
    if (!figuresSeparate(mode, words.value(Option::Level), range[0], range[1], measure,
                         context.locale))
        return refused(say(text::kTooFine, context).arg(words.value(Option::Level)));

    const std::vector<Field> fields{
        {QStringLiteral("from"), QString::fromUtf8(column_words::kFrom), false},
        {QStringLiteral("to"), QString::fromUtf8(column_words::kTo), false},
        {QStringLiteral("name"), column_words::kWeapon.in(Language::English), true},
        {QStringLiteral("arrows"), column_words::kArrows.in(Language::English), true}};
    std::vector<Record> records;
    for (const Band &band :
         bestBands(mode, words.value(Option::Level), range[0], range[1], measure, context.locale)) {
        const QString name = pickName(band.pick);
        const qsizetype slash = name.indexOf(u'/');
        records.push_back(
            {harmtally::text(band.from, context.locale), harmtally::text(band.to, context.locale),
             slash < 0 ? name : name.first(slash), slash < 0 ? QString() : name.sliced(slash + 1)});
    }
    return printed(written(*format, fields, records, context.locale));
}

bool hasGoal(const Parsed &words)
{
    return words.has(Option::GoalHit) || words.has(Option::GoalTotal)
           || words.has(Option::FoeHealth);
}

Outcome checkGoal(const Parsed &words, const Context &context)
{
    const Option goals[] = {Option::GoalHit, Option::GoalTotal, Option::FoeHealth};
    if (std::ranges::count_if(goals, [&](Option o) { return words.has(o); }) > 1)
        return misused(say(text::kOneGoal, context), context);
    return takeNumbers(words, goals, context, [&](Option option, double x) {
        return option == Option::FoeHealth && x <= 0
                   ? refused(say(text::kAboveZero, context).arg(dashed(option)))
                   : Outcome{};
    });
}

Outcome rankWithGoal(const Parsed &words, std::vector<Row> rows, Mode mode, const Context &context)
{
    const QLocale &locale = context.locale;
    const Inputs in{mode, words.value(Option::Strength), words.value(Option::Seconds),
                    words.value(Option::Level)};
    const bool foe = words.has(Option::FoeHealth);
    const Option option = foe                            ? Option::FoeHealth
                          : words.has(Option::GoalTotal) ? Option::GoalTotal
                                                         : Option::GoalHit;
    const double goal = *number(words.value(option), locale);
    const GoalKind kind = foe                         ? GoalKind::FoeHealth
                          : option == Option::GoalHit ? GoalKind::HitAtLeast
                                                      : GoalKind::TotalAtLeast;
    std::vector<Field> fields = rankingFields(mode);
    for (const ColumnInfo &column : goalColumns(kind))
        fields.push_back(field(column));
    std::vector<Record> records;
    std::vector<SortKey> keys; // what the rows are sorted by
    for (const Row &row : rows) {
        const QStringList cells
            = goalCells(kind, goal, row, in, words.has(Option::Wieldable), locale);
        records.push_back(rankingRecord(row, mode) + cells);
        keys.push_back(goalKey(kind, cells, row, locale));
    }
    std::vector<Record> sorted;
    for (std::size_t i : rankedOrder(keys, Qt::AscendingOrder))
        sorted.push_back(std::move(records[i]));
    return printed(written(*formatOf(words), fields, sorted, locale));
}

} // namespace harmtally::cli
