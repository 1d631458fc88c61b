#include "cli/ranking_commands.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "catalogue/typed_names.h"
#include "cli/plan_commands.h"
#include "cli/shell_replies.h"
#include "ranking/ranking.h"
#include "ranking/records.h"
#include "texts/shell_words.h"

namespace harmtally::cli {

using namespace ranking;

Outcome list(const Parsed &words, const Context &context)
{
    if (!words.names.isEmpty())
        return misused(say(text::kTakesNoName, context).arg(u"list"), context);
    if (words.has(Option::Bows) && words.has(Option::ArrowKinds))
        return misused(say(text::kBowsOrArrows, context), context);
    // The names calc takes, each once, in catalogue order (not the pick-lists' items).
    const QStringList names = words.has(Option::Bows)         ? bowNames()
                              : words.has(Option::ArrowKinds) ? arrowKindNames()
                                                              : meleeNames();
    return printed(names.join(u'\n') + u'\n');
}

// The road the window walks for one choice, to the same refusals: the weapon (or the bow, then
// the arrow kind, then the level), then the computation.
Outcome calc(const Parsed &words, const Context &context)
{
    if (words.names.size() != 1)
        return misused(say(text::kOneName, context), context);
    if (const Outcome missing = needsFigures(words, "calc", context); missing.status)
        return missing;
    const QStringList melee = meleeNames();
    const NameMatch match = matchName(melee + bowNames(), words.names.first());
    if (!match.found)
        return refused(say(text::kNoSuchName, context).arg(words.names.first())
                       + suggestions(match.closest, context));
    const bool bow = *match.found >= melee.size();
    const std::size_t row = std::size_t(bow ? *match.found - melee.size() : *match.found);
    const QString name = bow ? latin1(bows()[row].name) : melee[*match.found];

    const Inputs in{bow ? Mode::Bow : Mode::Melee, words.value(Option::Strength),
                    words.value(Option::Seconds), words.value(Option::Level)};
    RowOutcome outcome;
    if (!bow) {
        for (Option option : {Option::Arrows, Option::Level})
            if (words.has(option))
                return misused(say(text::kMeleeTakesNo, context).arg(name, dashed(option)),
                               context);
        outcome = meleeRow(row, in, context.locale);
    } else {
        if (!words.has(Option::Arrows))
            return misused(say(text::kBowNeedsArrows, context).arg(name), context);
        const NameMatch kind = matchName(arrowKindNames(), words.value(Option::Arrows));
        if (!kind.found)
            return refused(say(text::kNoSuchArrows, context).arg(words.value(Option::Arrows))
                           + suggestions(kind.closest, context));
        const ArrowKind &arrows = arrowKinds()[std::size_t(*kind.found)];
        if (arrows.levelRule && !words.has(Option::Level))
            return refused(say(text::kLevelNeeded, context).arg(latin1(arrows.name)));
        if (!arrows.levelRule && words.has(Option::Level))
            return refused(say(text::kLevelUnused, context).arg(latin1(arrows.name)));
        outcome = bowRow(row, std::size_t(*kind.found), in, context.locale);
    }
    if (outcome.refusal)
        return refused(shellRefusal(*outcome.refusal, words, name, context));
    QStringList results;
    for (Column c : {Column::HitMin, Column::HitMax, Column::TotalMin, Column::TotalMax})
        results.append(outcome.row.cells[std::size_t(c)]);
    return printed(results.join(u'\t') + u'\n');
}

Outcome rank(const Parsed &words, const Context &context)
{
    if (!words.names.isEmpty())
        return misused(say(text::kTakesNoName, context).arg(u"rank"), context);
    if (const Outcome missing = needsFigures(words, "rank", context); missing.status)
        return missing;
    const bool bows = words.has(Option::Bows);
    if (words.has(Option::Level) && !bows)
        return misused(say(text::kLevelWithBows, context), context);
    const std::optional<Format> format = formatOf(words);
    if (!format)
        return misused(say(text::kFormats, context), context);
    if (const Outcome bad = checkLevel(words, false, context); bad.status)
        return bad;
    if (const Outcome bad = checkGoal(words, context); bad.status)
        return bad;

    const Mode mode = bows ? Mode::Bow : Mode::Melee;
    Table table = compute({mode, words.value(Option::Strength), words.value(Option::Seconds),
                           words.value(Option::Level)},
                          context.locale);
    if (table.refusal)
        return refused(shellRefusal(*table.refusal, words, {}, context));
    if (words.has(Option::Wieldable))
        keepWieldable(table.rows, words.value(Option::Strength), context.locale);
    sortByDefault(table.rows, context.locale);
    if (hasGoal(words))
        return rankWithGoal(words, std::move(table.rows), mode, context);
    return printed(rankingTable(table.rows, mode, *format, context.locale));
}

} // namespace harmtally::cli
