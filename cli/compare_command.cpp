#include "cli/compare_command.h"

#include "catalogue/bows.h"
#include "catalogue/typed_names.h"
#include "cli/shell_replies.h"
#include "core/numbers.h"
#include "ranking/planning.h"
#include "ranking/records.h"
#include "texts/column_words.h"
#include "texts/shell_words.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <variant>

namespace harmtally::cli {
namespace {

using namespace ranking;

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

// --from and --to as compare reads them: any strength within 10^9 either way, 0 to 1000 when
// not given. Status 0 when both can be used.
Outcome readRange(const Parsed &words, const Context &context, double (&range)[2])
{
    const Outcome unread = takeNumbers(
        words, std::array{Option::From, Option::To}, context, [&](Option option, double x) {
            range[option == Option::To] = x;
            // Beyond, a crossing's whole strength is no longer one the program can check.
            return std::abs(x) > 1e9
                       ? refused(say(text::kStrengthRange, context).arg(dashed(option)))
                       : Outcome{};
        });
    if (unread.status || range[0] <= range[1])
        return unread;
    if (!words.has(Option::To))
        return misused(say(text::kFromAboveDefault, context), context);
    if (!words.has(Option::From))
        return misused(say(text::kToBelowDefault, context), context);
    return misused(say(text::kRange, context), context);
}

// The CHOICEs, each at most once, and --level as they need it.
std::variant<std::vector<Pick>, Outcome> readChoices(const Parsed &words, const Context &context)
{
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
    return picks;
}

// The choices side by side, with the difference from the first and a strength point's worth.
std::vector<Record> choiceRecords(std::span<const Row> rows, const QString &seconds, Format format,
                                  const QLocale &locale)
{
    std::vector<Record> records;
    for (const Row &row : rows) {
        const Difference d = difference(row, rows.front(), Column::TotalMax, locale);
        // Read by a person, the per cent to a tenth; machines take every digit.
        const std::optional<double> percent = number(d.percent, locale);
        records.push_back(rankingRecord(row, Mode::Bow)
                          << d.amount
                          << (format == Format::Text && percent
                                  ? harmtally::text(std::round(*percent * 10) / 10, locale)
                                  : d.percent)
                          << perStrengthPoint(row, Column::TotalMax, seconds, locale));
    }
    return records;
}

// The two tables: in JSON one object, otherwise the choices, a blank line, the crossings.
QString comparisonText(std::span<const Record> choices, std::span<const Record> crossings,
                       Format format, const QLocale &locale)
{
    std::vector<Field> fields = rankingFields(Mode::Bow);
    fields.push_back({QStringLiteral("totalMaxDifference"),
                      QString::fromUtf8(column_words::kMaxTotalDifference), false});
    fields.push_back({QStringLiteral("totalMaxDifferencePercent"),
                      QString::fromUtf8(column_words::kDifferencePercent), false});
    fields.push_back({QStringLiteral("perStrengthPointTotal"),
                      QString::fromUtf8(column_words::kPerStrengthPoint), false});
    const Field crossingFields[]{
        {QStringLiteral("ahead"), QString::fromUtf8(column_words::kAhead), true},
        {QStringLiteral("behind"), QString::fromUtf8(column_words::kBehind), true},
        {QStringLiteral("measure"), QString::fromUtf8(column_words::kMeasure), true},
        {QStringLiteral("strength"), QString::fromUtf8(column_words::kCrossing), false},
        {QStringLiteral("fromStrength"), QString::fromUtf8(column_words::kAheadFrom), false}};
    if (format == Format::Json)
        return QStringLiteral("{\"choices\": ") + recordsJson(fields, choices, locale).trimmed()
               + QStringLiteral(",\n\"crossovers\": ")
               + recordsJson(crossingFields, crossings, locale).trimmed() + QStringLiteral("}\n");
    return written(format, fields, choices, locale)
           + (format == Format::Csv ? QStringLiteral("\r\n") : QStringLiteral("\n"))
           + written(format, crossingFields, crossings, locale);
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
    if (const Outcome bad = readRange(words, context, range); bad.status)
        return bad;
    auto choices = readChoices(words, context);
    if (const Outcome *problem = std::get_if<Outcome>(&choices))
        return *problem;
    const std::vector<Pick> &picks = std::get<std::vector<Pick>>(choices);

    const QLocale &locale = context.locale;
    const Inputs in{Mode::Melee, words.value(Option::Strength), words.value(Option::Seconds),
                    words.value(Option::Level)};
    std::vector<Row> rows;
    for (const Pick &pick : picks) {
        RowOutcome outcome = pickRow(pick, in, locale);
        if (outcome.refusal)
            return refused(shellRefusal(*outcome.refusal, words, pickName(pick), context));
        rows.push_back(std::move(outcome.row));
    }
    std::vector<Record> crossingRecords;
    for (const Crossing &c : crossings(picks, in.level, range[0], range[1], locale))
        crossingRecords.push_back({pickName(c.ahead), pickName(c.behind), measureKey(c.measure),
                                   harmtally::text(c.strength, locale),
                                   harmtally::text(c.fromStrength, locale)});
    return printed(comparisonText(choiceRecords(rows, in.seconds, *format, locale), crossingRecords,
                                  *format, locale));
}

} // namespace harmtally::cli
