#include "cli/command_line.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "cli/names.h"
#include "cli/plan_commands.h"
#include "cli/shell_replies.h"
#include "cli/shell_text.h"
#include "core/numbers.h"
#include "ranking/formats.h"
#include "ranking/ranking.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace harmtally::cli {
namespace {

using namespace ranking;

} // namespace

// The replies every command is made of (shell_replies.h): the planning commands use them too.
QString say(const Bilingual &text, const Context &context) { return text.in(context.language); }

Outcome printed(const QString &out) { return {0, out, {}}; }

QString notANumber(Option option, const QString &value, const Context &context)
{
    return say(text::kNotANumber, context).arg(dashed(option), value);
}

Outcome refused(const QString &problem)
{
    return {1, {}, QStringLiteral("harmtally: ") + problem + u'\n'};
}

Outcome misused(const QString &problem, Language language)
{
    return {2, {}, QStringLiteral("harmtally: ") + problem + text::kSeeHelp.in(language) + u'\n'};
}

Outcome misused(const QString &problem, const Context &context)
{
    return misused(problem, context.language);
}

QString quoted(const QString &name) { return u'\'' + name + u'\''; }

// "did you mean 'A', 'B' or 'C'?", or where to find the names when none is close.
QString suggestions(const QStringList &closest, const Context &context)
{
    if (closest.isEmpty())
        return say(text::kSeeList, context);
    QStringList names;
    for (const QString &name : closest)
        names.append(quoted(name));
    const QString last = names.takeLast();
    const QString all = names.isEmpty()
                            ? last
                            : names.join(QStringLiteral(", ")) + say(text::kOr, context) + last;
    return say(text::kDidYouMean, context).arg(all);
}

QStringList meleeNames()
{
    QStringList names;
    for (const MeleeWeaponRecord &weapon : meleeWeapons())
        names.append(latin1(weapon.name));
    return names;
}

QStringList bowNames()
{
    QStringList names;
    for (const BowRecord &bow : bows())
        names.append(latin1(bow.name));
    return names;
}

QStringList arrowKindNames()
{
    QStringList names;
    for (const ArrowKind &kind : arrowKinds())
        names.append(latin1(kind.name));
    return names;
}

// The window's refusal said in the shell's words, naming the option at fault, which is found
// by the window's own order of checks: strength, then seconds.
QString shellRefusal(Refusal::Reason reason, const Parsed &words, const QString &name,
                     const Context &context)
{
    const auto atFault = [&](auto faulty) {
        return faulty(words.value(Option::Strength)) ? Option::Strength : Option::Seconds;
    };
    switch (reason) {
    case Refusal::Reason::StrengthOrSecondsMissing: {
        const Option option = atFault([](const QString &t) { return t.isEmpty() || t == u"0"; });
        return say(text::kZero, context).arg(dashed(option));
    }
    case Refusal::Reason::InvalidValue: {
        const Option option
            = atFault([&](const QString &t) { return !number(t, context.locale).has_value(); });
        return notANumber(option, words.value(option), context);
    }
    case Refusal::Reason::RequirementUnknown:
        return say(text::kRequirementUnknown, context).arg(name);
    case Refusal::Reason::TooLarge:
        break;
    }
    return say(text::kTooLarge, context);
}

Outcome needsFigures(const Parsed &words, const char *command, const Context &context)
{
    if (words.has(Option::Strength) && words.has(Option::Seconds))
        return {};
    return misused(say(text::kNeedsFigures, context).arg(QLatin1String(command)), context);
}

namespace {

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
        if (arrows.levelRule && !number(in.level, context.locale))
            return refused(notANumber(Option::Level, in.level, context));
        outcome = bowRow(row, std::size_t(*kind.found), in, context.locale);
    }
    if (outcome.refusal)
        return refused(shellRefusal(outcome.refusal->reason, words, name, context));
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
    const QString format
        = words.has(Option::Format) ? words.value(Option::Format) : QStringLiteral("text");
    if (format != u"text" && format != u"csv" && format != u"json")
        return misused(say(text::kFormats, context), context);
    if (words.has(Option::Level) && !number(words.value(Option::Level), context.locale))
        return refused(notANumber(Option::Level, words.value(Option::Level), context));
    if (const Outcome bad = checkGoal(words, context); bad.status)
        return bad;

    const Mode mode = bows ? Mode::Bow : Mode::Melee;
    Table table = compute({mode, words.value(Option::Strength), words.value(Option::Seconds),
                           words.value(Option::Level)},
                          context.locale);
    if (!table.refusal.isEmpty()) {
        for (auto reason : {Refusal::Reason::StrengthOrSecondsMissing,
                            Refusal::Reason::InvalidValue, Refusal::Reason::TooLarge})
            if (table.refusal == Refusal(reason).message)
                return refused(shellRefusal(reason, words, {}, context));
        return refused(say(text::kTooLarge, context));
    }
    if (words.has(Option::Wieldable))
        keepWieldable(table.rows, words.value(Option::Strength), context.locale);
    sortByDefault(table.rows, context.locale);
    if (hasGoal(words))
        return rankWithGoal(words, std::move(table.rows), mode, context);
    if (format == u"csv")
        return printed(toCsv(table.rows, mode, context.locale));
    if (format == u"json")
        return printed(toJson(table.rows, mode, context.locale));
    return printed(toAlignedText(table.rows, mode));
}

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

// Qt's own options, which the windows take: those that take a value, then the flags.
constexpr const char *kQtValued[]
    = {"platform",        "platformpluginpath", "platformtheme", "plugin",
       "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
       "display",         "geometry",           "name",          "title",
       "style",           "stylesheet",         "visual",        "qmljsdebugger"};
constexpr const char *kQtFlags[]
    = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool isWindowsWords(const QStringList &words)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString word = words[i];
        if (word == QLatin1String(kRankWindowOption))
            continue;
        if (!word.startsWith(u'-'))
            return false;
        word = word.mid(word.startsWith(u"--") ? 2 : 1);
        const bool inline_ = word.contains(u'=');
        word = word.section(u'=', 0, 0);
        const auto is = [&](const char *name) { return word == QLatin1String(name); };
        if (std::ranges::any_of(kQtValued, is))
            i += inline_ ? 0 : 1;
        else if (!std::ranges::any_of(kQtFlags, is))
            return false;
    }
    return true;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Every byte reaches the stream, or the reason it did not.
std::optional<int> write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream)
            == std::size_t(bytes.size())
        && std::fflush(stream) == 0)
        return std::nullopt;
    return errno;
}

} // namespace

Language shellLanguage()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return QLocale(value.section(u'.', 0, 0)).language() == QLocale::Italian
                       ? Language::Italian
                       : Language::English;
    }
    return Language::English;
}

bool asksForWindows(int argc, char **argv) { return isWindowsWords(argumentsOf(argc, argv)); }

bool asksForRankingWindow(int argc, char **argv)
{
    return asksForWindows(argc, argv)
           && argumentsOf(argc, argv).contains(QLatin1String(kRankWindowOption));
}

Outcome execute(const QStringList &arguments, const Context &context)
{
    if (arguments.isEmpty())
        return misused(say(text::kNoCommand, context), context);
    const QString &first = arguments.first();
    for (const Command &command : kCommands) {
        if (first != QLatin1String(command.name))
            continue;
        const auto parsed = parseWords(arguments.mid(1), command.options, context.language);
        if (const auto *problem = std::get_if<QString>(&parsed))
            return misused(*problem, context);
        const Parsed &words = std::get<Parsed>(parsed);
        return words.has(Option::Help) ? printed(help()) : command.run(words, context);
    }
    if (!first.startsWith(u'-'))
        return misused(say(text::kUnknownCommand, context).arg(first), context);

    // Options without a command: each goes alone.
    constexpr Option kAlone[] = {Option::Version, Option::RankWindow};
    const auto parsed = parseWords(arguments, kAlone, context.language);
    if (const auto *problem = std::get_if<QString>(&parsed))
        return misused(*problem, context);
    const Parsed &words = std::get<Parsed>(parsed);
    if (words.has(Option::Help))
        return printed(help());
    if (!words.names.isEmpty() || words.values.size() != 1)
        return misused(say(text::kAlone, context).arg(first), context);
    if (words.has(Option::Version))
        return printed(QStringLiteral("harmtally " HARMTALLY_VERSION "\n"));
    return misused(say(text::kAlone, context).arg(first), context); // --rank-window and more
}

std::optional<int> run(int argc, char **argv)
{
    if (asksForWindows(argc, argv))
        return std::nullopt;
    const Context context{QLocale::system(), shellLanguage()};
    const Outcome outcome = execute(argumentsOf(argc, argv), context);
    if (const std::optional<int> error = write(stdout, outcome.out)) {
        // A reader that went away (a closed pipe) wants no more, and no word about it.
        if (*error != EPIPE)
            write(stderr, QStringLiteral("harmtally: ")
                              + say(text::kCannotWrite, context)
                                    .arg(QString::fromLocal8Bit(std::strerror(*error)))
                              + u'\n');
        return 1;
    }
    write(stderr, outcome.err);
    return outcome.status;
}

} // namespace harmtally::cli
