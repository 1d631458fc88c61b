#pragma once

// What the command line says, in the shell's words: one line each, after "harmtally: ", naming
// the options, and the help. The windows have their own messages; these never quote them.

#include "texts/language.h"

namespace harmtally::cli::text {

// Usage errors (exit status 2); the line ends with where to look for help.
inline constexpr Bilingual kSeeHelp{.italian = " ('harmtally --help' elenca i comandi)",
                                    .english = " ('harmtally --help' lists the commands)"};
inline constexpr Bilingual kNoCommand{.italian = "nessun comando", .english = "no command"};
inline constexpr Bilingual kUnknownCommand{.italian = "comando sconosciuto '%1'",
                                           .english = "unknown command '%1'"};
inline constexpr Bilingual kUnknownOption{.italian = "opzione sconosciuta '%1'",
                                          .english = "unknown option '%1'"};
inline constexpr Bilingual kNotForCommand{.italian = "%1 non è un'opzione di %2",
                                          .english = "%1 is not an option of %2"};
inline constexpr Bilingual kNeedsValue{.italian = "%1 vuole un valore",
                                       .english = "%1 needs a value"};
inline constexpr Bilingual kTakesNoValue{.italian = "%1 non vuole un valore",
                                         .english = "%1 takes no value"};
inline constexpr Bilingual kGivenTwice{.italian = "%1 dato due volte", .english = "%1 given twice"};
inline constexpr Bilingual kAlone{.italian = "%1 va usato da solo", .english = "%1 goes alone"};
inline constexpr Bilingual kTakesNoName{.italian = "%1 non vuole nomi",
                                        .english = "%1 takes no name"};
inline constexpr Bilingual kOneName{.italian = "calc vuole un nome di arma o di arco, uno solo",
                                    .english = "calc takes one weapon or bow name"};
inline constexpr Bilingual kNeedsFigures{.italian = "%1 vuole --strength e --seconds",
                                         .english = "%1 needs --strength and --seconds"};
inline constexpr Bilingual kBowNeedsArrows{
    .italian = "'%1' è un arco: calc vuole anche --arrows con il tipo di frecce",
    .english = "'%1' is a bow: calc needs --arrows with its arrow kind"};
inline constexpr Bilingual kMeleeTakesNo{.italian = "'%1' è un'arma corpo a corpo: niente %2",
                                         .english = "'%1' is a melee weapon: it takes no %2"};
inline constexpr Bilingual kLevelWithBows{.italian = "--level va con --bows",
                                          .english = "--level goes with --bows"};
inline constexpr Bilingual kFormats{.italian = "--format vuole text, csv o json",
                                    .english = "--format is text, csv or json"};
inline constexpr Bilingual kBowsOrArrows{.italian
                                         = "list --bows oppure list --arrows, non entrambi",
                                         .english = "list --bows or list --arrows, not both"};
inline constexpr Bilingual kChoices{.italian = "compare vuole da 2 a 4 scelte",
                                    .english = "compare takes 2 to 4 choices"};
inline constexpr Bilingual kNeedsRange{.italian = "path vuole --from e --to",
                                       .english = "path needs --from and --to"};
inline constexpr Bilingual kRange{.italian = "--from non può superare --to",
                                  .english = "--from cannot be above --to"};
inline constexpr Bilingual kBy{.italian = "--by vuole max o min", .english = "--by is max or min"};
inline constexpr Bilingual kOneGoal{.italian = "--goal-hit, --goal-total e --foe-health: uno solo",
                                    .english
                                    = "--goal-hit, --goal-total and --foe-health: one at most"};
inline constexpr Bilingual kBowNeedsSlash{
    .italian = "'%1' è un arco: scrivere ARCO/FRECCE, come '%1/Wooden Arrows'",
    .english = "'%1' is a bow: write BOW/ARROWS, as in '%1/Wooden Arrows'"};
inline constexpr Bilingual kNotABow{
    .italian = "'%1' è un'arma corpo a corpo, non un arco: scriverla senza '/%2'",
    .english = "'%1' is a melee weapon, not a bow: write it without '/%2'"};
inline constexpr Bilingual kSameChoice{.italian = "'%1' ripetuta: compare vuole scelte diverse",
                                       .english = "'%1' given twice: compare takes different "
                                                  "choices"};
inline constexpr Bilingual kFromAboveDefault{
    .italian = "--from supera 1000, dove finisce l'intervallo senza --to",
    .english = "--from is above 1000, where the range ends without --to"};
inline constexpr Bilingual kToBelowDefault{
    .italian = "--to è sotto 0, dove comincia l'intervallo senza --from",
    .english = "--to is below 0, where the range starts without --from"};

// Refusals (exit status 1).
inline constexpr Bilingual kNoSuchName{.italian = "nessuna arma né arco si chiama '%1'",
                                       .english = "no weapon or bow is named '%1'"};
inline constexpr Bilingual kNoSuchArrows{.italian = "nessun tipo di frecce si chiama '%1'",
                                         .english = "no arrow kind is named '%1'"};
inline constexpr Bilingual kDidYouMean{.italian = "; forse %1?", .english = "; did you mean %1?"};
inline constexpr Bilingual kOr{.italian = " o ", .english = " or "};
inline constexpr Bilingual kSeeList{.italian = "; 'harmtally list' elenca i nomi",
                                    .english = "; 'harmtally list' shows the names"};
inline constexpr Bilingual kZero{.italian = "%1 vuole un numero diverso da 0",
                                 .english = "%1 needs a number other than 0"};
inline constexpr Bilingual kNotANumber{.italian = "%1 non è un numero: '%2'",
                                       .english = "%1 is not a number: '%2'"};
inline constexpr Bilingual kLevelNeeded{.italian = "'%1' vuole --level, il livello",
                                        .english = "'%1' needs --level, its level"};
inline constexpr Bilingual kLevelUnused{.italian = "--level serve solo con 'Trueshot Quiver', non "
                                                   "con '%1'",
                                        .english = "--level is only for 'Trueshot Quiver', not "
                                                   "for '%1'"};
inline constexpr Bilingual kLevelNoChoice{
    .italian = "--level serve solo con 'Trueshot Quiver', che nessuna scelta ha",
    .english = "--level is only for 'Trueshot Quiver', which no choice has"};
inline constexpr Bilingual kWholeRange{.italian = "%1 vuole una forza intera da 0 a 1000000",
                                       .english = "%1 needs a whole strength from 0 to 1000000"};
inline constexpr Bilingual kStrengthRange{
    .italian = "%1 vuole una forza da -1000000000 a 1000000000",
    .english = "%1 needs a strength from -1000000000 to 1000000000"};
inline constexpr Bilingual kTooFine{
    .italian = "con --level %1 le 15 cifre dei valori non distinguono alcune scelte da --from a "
               "--to",
    .english = "with --level %1 the figures' 15 digits cannot tell some choices apart from "
               "--from to --to"};
inline constexpr Bilingual kRequirementUnknown{
    .italian = "il requisito di forza di '%1' è sconosciuto: niente danno da calcolare",
    .english = "the strength requirement of '%1' is unknown: no damage to compute"};
inline constexpr Bilingual kAboveZero{.italian = "%1 vuole un numero maggiore di 0",
                                      .english = "%1 needs a number above 0"};
inline constexpr Bilingual kTooLarge{.italian = "il risultato è troppo grande",
                                     .english = "the result is too large"};
inline constexpr Bilingual kCannotWrite{.italian = "impossibile scrivere l'uscita: %1",
                                        .english = "cannot write the output: %1"};

// What -h and --help print, in English whatever the locale: before the commands, each
// command's and each option's line, and what follows the options.
namespace help {

inline constexpr const char *kUsage
    = "Usage: harmtally [%1]\n"
      "       harmtally COMMAND [OPTIONS]\n"
      "Without a command, opens the window (%1: with the ranking).\n\n"
      "Commands:\n";
inline constexpr const char *kListCommand
    = "every melee weapon's name (--bows: every bow's, --arrows: every arrow\n"
      "      kind's), one a line, in catalogue order: the names calc takes";
inline constexpr const char *kCalcCommand
    = "the damage of one weapon, or of one bow with its arrow kind (and the\n"
      "      Trueshot Quiver's level): minimum and maximum per hit, then over the\n"
      "      seconds, tab-separated";
inline constexpr const char *kRankCommand
    = "every melee weapon (--bows: every bow with every arrow kind), the most\n"
      "      damage over the seconds first; with a goal, the strength it needs (or\n"
      "      the hits and seconds a foe lasts), least first";
inline constexpr const char *kCompareCommand
    = "two to four choices side by side (a CHOICE is a weapon, or BOW/ARROWS),\n"
      "      and the strengths from A to B (0 to 1000) at which their totals cross";
inline constexpr const char *kPathCommand
    = "the choice that deals the most over the seconds at each whole strength\n"
      "      from A to B, among those that strength can wield";
inline constexpr const char *kOptionsHeading = "\nOptions:\n";
inline constexpr const char *kHelp = "show this help and end";
inline constexpr const char *kVersion = "show the version and end";
inline constexpr const char *kRankWindow = "open the window with the ranking beside it";
inline constexpr const char *kStrength = "your boosted strength";
inline constexpr const char *kSeconds = "the seconds of fighting";
inline constexpr const char *kArrows = "calc: the bow's arrow kind";
inline constexpr const char *kLevel = "the Trueshot Quiver's level";
inline constexpr const char *kBows = "bows (with every arrow kind) instead of melee weapons";
inline constexpr const char *kArrowKinds = "list: the arrow kinds";
inline constexpr const char *kWieldable = "rank: leave out what asks for more strength than S";
inline constexpr const char *kFormat = "text (the default), csv or json";
inline constexpr const char *kFrom = "compare, path: the least strength of the range";
inline constexpr const char *kTo = "compare, path: the greatest strength of the range";
inline constexpr const char *kBy = "path: max (the default) or min, over the seconds";
inline constexpr const char *kGoalHit = "rank: the strength at which every hit deals D";
inline constexpr const char *kGoalTotal = "rank: the strength at which the seconds deal X";
inline constexpr const char *kFoeHealth = "rank: the hits and seconds a foe with H health lasts";
inline constexpr const char *kAfterOptions
    = "\nFigures are read and written as the locale says (LC_ALL, LC_NUMERIC, LANG); csv\n"
      "and json write them with a point. Messages are in Italian when LC_ALL, LC_MESSAGES\n"
      "or LANG (the first set) names Italian. Exit status: 0 done, 1 refused or the\n"
      "output could not be written, 2 misused.\n";

} // namespace help

} // namespace harmtally::cli::text
