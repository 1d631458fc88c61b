#include "cli/command_table.h"

#include "cli/compare_command.h"
#include "cli/plan_commands.h"
#include "cli/ranking_commands.h"

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
     "every melee weapon's name (--bows: every bow's, --arrows: every arrow\n"
     "      kind's), one a line, in catalogue order: the names calc takes", kListOptions, list},
    {"calc", "calc NAME --strength S --seconds T [--arrows KIND [--level L]]",
     "the damage of one weapon, or of one bow with its arrow kind (and the\n"
     "      Trueshot Quiver's level): minimum and maximum per hit, then over the\n"
     "      seconds, tab-separated", kCalcOptions, calc},
    {"rank", "rank --strength S --seconds T [--bows [--level L]] [--wieldable] [--format FORMAT]\n"
     "          [--goal-hit D | --goal-total X | --foe-health H]",
     "every melee weapon (--bows: every bow with every arrow kind), the most\n"
     "      damage over the seconds first; with a goal, the strength it needs (or\n"
     "      the hits and seconds a foe lasts), least first", kRankOptions, rank},
    {"compare", "compare CHOICE CHOICE [CHOICE [CHOICE]] --strength S --seconds T [--level L]\n"
     "          [--from A --to B] [--format FORMAT]",
     "two to four choices side by side (a CHOICE is a weapon, or BOW/ARROWS),\n"
     "      and the strengths from A to B (0 to 1000) at which their totals cross", kCompareOptions, compare},
    {"path", "path [--bows [--level L]] --from A --to B [--by max|min] [--format FORMAT]",
     "the choice that deals the most over the seconds at each whole strength\n"
     "      from A to B, among those that strength can wield", kPathOptions, path},
};
// clang-format on

} // namespace

std::span<const Command> commandTable() { return kCommands; }

QString help()
{
    QString out = QStringLiteral("Usage: harmtally [%1]\n"
                                 "       harmtally COMMAND [OPTIONS]\n"
                                 "Without a command, opens the window (%1: with the ranking).\n\n"
                                 "Commands:\n")
                      .arg(QLatin1String(kRankWindowOption));
    for (const Command &command : kCommands)
        out += QStringLiteral("  harmtally %1\n      %2.\n")
                   .arg(QLatin1String(command.synopsis), QLatin1String(command.help));
    out += QStringLiteral("\nOptions:\n");
    for (const OptionSpec &option : optionTable()) {
        QString name
            = QString(option.id == Option::Help ? "-h, --" : "--") + QLatin1String(option.name);
        if (option.valueName)
            name += u' ' + QLatin1String(option.valueName);
        out += QStringLiteral("  %1%2\n").arg(name.leftJustified(20), QLatin1String(option.help));
    }
    return out
           + QStringLiteral(
               "\nFigures are read and written as the locale says (LC_ALL, LC_NUMERIC, LANG); csv\n"
               "and json write them with a point. Messages are in Italian when LC_ALL, "
               "LC_MESSAGES\n"
               "or LANG (the first set) names Italian. Exit status: 0 done, 1 refused or the\n"
               "output could not be written, 2 misused.\n");
}

} // namespace harmtally::cli
