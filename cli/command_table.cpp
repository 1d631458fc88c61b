#include "cli/command_table.h"

#include "cli/compare_command.h"
#include "cli/plan_commands.h"
#include "cli/ranking_commands.h"
#include "texts/shell_words.h"

namespace harmtally::cli {
namespace {

// clang-format off
constexpr Option kListOptions[] = {Option::Bows, Option::ArrowKinds};
constexpr Option kCalcOptions[] = {Option::Strength, Option::Seconds, Option::Arrows, Option::Level};
constexpr Option kRankOptions[] = {Option::Strength, Option::Seconds, Option::Bows, Option::Level,
                                   Option::Wieldable, Option::Format, Option::GoalHit,
                                   Option::GoalTotal, Option::FoeHealth};
constexpr Option kCompareOptions[] = {Option::Strength, Option::Seconds, Option::Level,
                                      Option::From, Option::To, Option::Format};
constexpr Option kPathOptions[] = {Option::Bows, Option::Level, Option::From, Option::To,
                                   Option::By, Option::Format};
constexpr Command kCommands[] = {
    {"list", "list [--bows | --arrows]",
     text::help::kListCommand, kListOptions, list},
    {"calc", "calc NAME --strength S --seconds T [--arrows KIND [--level L]]",
     text::help::kCalcCommand, kCalcOptions, calc},
    {"rank", "rank --strength S --seconds T [--bows [--level L]] [--wieldable] [--format FORMAT]\n"
     "          [--goal-hit D | --goal-total X | --foe-health H]",
     text::help::kRankCommand, kRankOptions, rank},
    {"compare", "compare CHOICE CHOICE [CHOICE [CHOICE]] --strength S --seconds T [--level L]\n"
     "          [--from A --to B] [--format FORMAT]",
     text::help::kCompareCommand, kCompareOptions, compare},
    {"path", "path [--bows [--level L]] --from A --to B [--by max|min] [--format FORMAT]",
     text::help::kPathCommand, kPathOptions, path},
};
// clang-format on

} // namespace

std::span<const Command> commandTable() { return kCommands; }

QString help()
{
    QString out = QString::fromUtf8(text::help::kUsage).arg(QLatin1String(kRankWindowOption));
    for (const Command &command : kCommands)
        out += QStringLiteral("  harmtally %1\n      %2.\n")
                   .arg(QLatin1String(command.synopsis), QLatin1String(command.help));
    out += QString::fromUtf8(text::help::kOptionsHeading);
    for (const OptionSpec &option : optionTable()) {
        QString name
            = QString(option.id == Option::Help ? "-h, --" : "--") + QLatin1String(option.name);
        if (option.valueName)
            name += u' ' + QLatin1String(option.valueName);
        out += QStringLiteral("  %1%2\n").arg(name.leftJustified(20), QLatin1String(option.help));
    }
    return out + QString::fromUtf8(text::help::kAfterOptions);
}

} // namespace harmtally::cli
