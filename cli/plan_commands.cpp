#include "cli/plan_commands.h"

#include "catalogue/bows.h"
#include "cli/names.h"
#include "cli/shell_replies.h"
#include "core/numbers.h"
#include "ranking/goals.h"
#include "ranking/planning.h"
#include "ranking/records.h"
#include "texts/shell_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <variant>

namespace harmtally::cli {
namespace {

using namespace ranking;

QString written(const std::vector<Field> &fields, const std::vector<Record> &records, Format format,
                const QLocale &locale)
{
    switch (format) {
    case Format::Csv:
        return recordsCsv(fields, records, locale);
    case Format::Json:
        return recordsJson(fields, records, locale);
    case Format::Text:
        break;
    }
    return recordsText(fields, records);
}

QString measureKey(Measure measure)
{
    return measure == Measure::Min ? QStringLiteral("totalMin") : QStringLiteral("totalMax");
}

// A CHOICE as typed: a melee weapon's name, or a bow's and an arrow kind's joined by '/', each
// matched as calc matches names.
std::variant<Pick, Outcome> choiceOf(const QString &typed, const Context &context)
{
    const auto notFound = [&](const Bilingual &message, const QString &name, const NameMatch &m) {
        return refused(say(message, context).arg(name) + suggestions(m.closest, context));
    };
    const qsizetype slash = typed.indexOf(u'/');
    if (slash < 0) {
        const QStringList melee = meleeNames();
        const NameMatch match = matchName(melee + bowNames(), typed);
        if (!match.found)
            return notFound(text::kNoSuchName, typed, match);
        if (*match.found >= melee.size())
            return misused(
                say(text::kBowNeedsSlash, context).arg(bowNames()[*match.found - melee.size()]),
                context);
        return Pick{Mode::Melee, std::size_t(*match.found), 0};
    }
    const QString bowName = typed.first(slash), kindName = typed.sliced(slash + 1);
    const NameMatch bow = matchName(bowNames(), bowName);
    if (const NameMatch melee = matchName(meleeNames(), bowName); !bow.found && melee.found)
        return misused(say(text::kNotABow, context).arg(meleeNames()[*melee.found], kindName),
                       context);
    if (!bow.found)
        return notFound(text::kNoSuchName, bowName, bow);
    const NameMatch kind = matchName(arrowKindNames(), kindName);
    if (!kind.found)
        return notFound(text::kNoSuchArrows, kindName, kind);
    return Pick{Mode::Bow, std::size_t(*bow.found), std::size_t(*kind.found)};
}

// Each of these options that is given, read as a number and handed to `take`, which may refuse
// it; the first that is not a number is refused. Status 0 when every one is taken.
Outcome takeNumbers(const Parsed &words, std::span<const Option> options, const Context &context,
                    const auto &take)
{
    for (Option option : options) {
        if (!words.has(option))
            continue;
        const std::optional<double> x = number(words.value(option), context.locale);
        if (!x)
            return refused(notANumber(option, words.value(option), context));
        if (const Outcome bad = take(option, *x); bad.status)
            return bad;
    }
    return {};
}

} // namespace

Outcome compare(const Parsed &words, const Context &context)
{
    if (words.names.size() < 2 || words.names.size() > 4)
        return misused(say(text::kChoices, context), context);
    if (const Outcome missing = needsFigures(words, "compare", context); missing.status)
        return missing;
    const std::optional<Format> format = formatOf(words);
    if (!format)
        return misused(say(text::kFormats, context), context);
    double range[2] = {0, 1000};
    const Outcome unread = takeNumbers(
        words, std::array{Option::From, Option::To}, context, [&](Option option, double x) {
            range[option == Option::To] = x;
            // Beyond, a crossing's whole strength is no longer one the program can check.
            return std::abs(x) > 1e9
                       ? refused(say(text::kStrengthRange, context).arg(dashed(option)))
                       : Outcome{};
        });
    if (unread.status)
        return unread;
    if (range[0] > range[1] && !words.has(Option::To))
        return misused(say(text::kFromAboveDefault, context), context);
    if (range[0] > range[1] && !words.has(Option::From))
        return misused(say(text::kToBelowDefault, context), context);
    if (range[0] > range[1])
        return misused(say(text::kRange, context), context);

    std::vector<Pick> picks;
    for (const QString &typed : words.names) {
        auto choice = choiceOf(typed, context);
        if (const Outcome *problem = std::get_if<Outcome>(&choice))
            return *problem;
        if (std::ranges::find(picks, std::get<Pick>(choice)) != picks.end())
            return misused(say(text::kSameChoice, context).arg(pickName(std::get<Pick>(choice))),
                           context);
        picks.push_back(std::get<Pick>(choice));
    }
    const bool trueshot = std::ranges::any_of(picks, [](const Pick &p) {
        return p.mode == Mode::Bow && arrowKinds()[p.arrowKind].levelRule;
    });
    if (!trueshot && words.has(Option::Level))
        return refused(say(text::kLevelNoChoice, context));
    if (const Outcome bad = checkLevel(words, trueshot, context); bad.status)
        return bad;

    const Inputs in{Mode::Melee, words.value(Option::Strength), words.value(Option::Seconds),
                    words.value(Option::Level)};
    std::vector<Row> rows;
    for (const Pick &pick : picks) {
        RowOutcome outcome = pickRow(pick, in, context.locale);
        if (outcome.refusal)
            return refused(shellRefusal(outcome.refusal->reason, words, pickName(pick), context));
        rows.push_back(std::move(outcome.row));
    }

    std::vector<Field> fields = rankingFields(Mode::Bow);
    fields.push_back(
        {QStringLiteral("totalMaxDifference"), QStringLiteral("Max total diff."), false});
    fields.push_back(
        {QStringLiteral("totalMaxDifferencePercent"), QStringLiteral("Diff. %"), false});
    fields.push_back({QStringLiteral("perStrengthPointTotal"),
                      QStringLiteral("Max total per str. point"), false});
    std::vector<Record> choiceRecords;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Difference d = difference(rows[i], rows.front(), Column::TotalMax, context.locale);
        // Read by a person, the per cent to a tenth; machines take every digit.
        const std::optional<double> percent = number(d.percent, context.locale);
        choiceRecords.push_back(
            rankingRecord(rows[i], Mode::Bow)
            << d.amount
            << (*format == Format::Text && percent
                    ? harmtally::text(std::round(*percent * 10) / 10, context.locale)
                    : d.percent)
            << perStrengthPoint(rows[i], Column::TotalMax, in.seconds, context.locale));
    }

    const std::vector<Field> crossingFields{
        {QStringLiteral("ahead"), QStringLiteral("Ahead"), true},
        {QStringLiteral("behind"), QStringLiteral("Behind"), true},
        {QStringLiteral("measure"), QStringLiteral("Measure"), true},
        {QStringLiteral("strength"), QStringLiteral("Crossing"), false},
        {QStringLiteral("fromStrength"), QStringLiteral("Ahead from"), false}};
    std::vector<Record> crossingRecords;
    for (const Crossing &c : crossings(picks, in.level, range[0], range[1], context.locale))
        crossingRecords.push_back({pickName(c.ahead), pickName(c.behind), measureKey(c.measure),
                                   harmtally::text(c.strength, context.locale),
                                   harmtally::text(c.fromStrength, context.locale)});

    if (*format == Format::Json)
        return printed(QStringLiteral("{\"choices\": ")
                       + recordsJson(fields, choiceRecords, context.locale).trimmed()
                       + QStringLiteral(",\n\"crossovers\": ")
                       + recordsJson(crossingFields, crossingRecords, context.locale).trimmed()
                       + QStringLiteral("}\n"));
    // The choices, a blank line, the crossings.
    return printed(written(fields, choiceRecords, *format, context.locale)
                   + (*format == Format::Csv ? QStringLiteral("\r\n") : QStringLiteral("\n"))
                   + written(crossingFields, crossingRecords, *format, context.locale));
}

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

    const std::vector<Field> fields{{QStringLiteral("from"), QStringLiteral("From"), false},
                                    {QStringLiteral("to"), QStringLiteral("To"), false},
                                    {QStringLiteral("name"), QStringLiteral("Weapon"), true},
                                    {QStringLiteral("arrows"), QStringLiteral("Arrows"), true}};
    std::vector<Record> records;
    for (const Band &band :
         bestBands(mode, words.value(Option::Level), range[0], range[1], measure, context.locale)) {
        const QString name = pickName(band.pick);
        const qsizetype slash = name.indexOf(u'/');
        records.push_back(
            {harmtally::text(band.from, context.locale), harmtally::text(band.to, context.locale),
             slash < 0 ? name : name.first(slash), slash < 0 ? QString() : name.sliced(slash + 1)});
    }
    return printed(written(fields, records, *format, context.locale));
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
    for (const GoalColumn &column : goalColumns(kind))
        fields.push_back({QLatin1String(column.key), column.caption.in(Language::English), false});
    std::vector<Record> records;
    std::vector<SortKey> keys; // what the rows are sorted by
    for (const Row &row : rows) {
        const QStringList cells
            = goalCells(kind, goal, row, in, words.has(Option::Wieldable), locale);
        records.push_back(rankingRecord(row, mode) + cells);
        keys.push_back(goalKey(kind, cells, row, locale));
    }
    // The ranking's one comparison: least first, the unknown last, equals in catalogue order.
    std::vector<std::size_t> order(records.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
        return rankedBefore(keys[a], keys[b], Qt::AscendingOrder);
    });
    std::vector<Record> sorted;
    for (std::size_t i : order)
        sorted.push_back(std::move(records[i]));
    return printed(written(fields, sorted, *formatOf(words), locale));
}

} // namespace harmtally::cli
