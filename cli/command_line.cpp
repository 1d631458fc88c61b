#include "cli/command_line.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "cli/arguments.h"
#include "core/messages.h"
#include "ranking/formats.h"
#include "ranking/ranking.h"

#include <cstdio>

namespace harmtally::cli {
namespace {

using namespace ranking;

const char kHelp[] = R"(Usage: harmtally [COMMAND]
Without a command, opens the window.

  --rank-window                 open the window with the ranking
  list [--bows | --arrows]      the names the pick-lists offer, one per line
  calc WEAPON --strength S --seconds T
  calc BOW --arrows KIND [--level L] --strength S --seconds T
                                min and max damage per hit, then over the seconds,
                                tab-separated (--level: the Trueshot Quiver's)
  rank --strength S --seconds T [--bows [--level L]] [--wieldable] [--format text|csv|json]
                                every weapon (--bows: every bow with every arrow kind),
                                most damage over the seconds first; --wieldable leaves out
                                what asks for more strength than S
  --help, --version

Numbers are read and written as the locale says (LC_ALL, LC_NUMERIC, LANG); csv and json
write them with a point. Exit status: 0 done, 1 refused (with the window's message), 2 misused.
)";

Outcome printed(const QString &out) { return {0, out, {}}; }

Outcome refused(const QString &message) { return {1, {}, message + u'\n'}; }

Outcome misused(const QString &problem)
{
    return {
        2,
        {},
        QStringLiteral("harmtally: %1\nTry 'harmtally --help' for the commands.\n").arg(problem)};
}

// The options shared by calc and rank: both are missing checks of the window, not of input.
QString missingStrengthOrSeconds(const Arguments &a, const char *command)
{
    if (a.has(QStringLiteral("--strength")) && a.has(QStringLiteral("--seconds")))
        return {};
    return QStringLiteral("%1 needs --strength and --seconds").arg(QLatin1String(command));
}

Outcome list(const QStringList &words)
{
    const Arguments a = parseArguments(words, {{"--bows", false}, {"--arrows", false}});
    if (!a.error.isEmpty())
        return misused(a.error);
    if (!a.positional.isEmpty())
        return misused(QStringLiteral("list takes no name"));
    if (a.has(QStringLiteral("--bows")) && a.has(QStringLiteral("--arrows")))
        return misused(QStringLiteral("list --bows or list --arrows, not both"));
    const QStringList items = a.has(QStringLiteral("--bows"))     ? bowPickListItems()
                              : a.has(QStringLiteral("--arrows")) ? arrowPickListItems()
                                                                  : meleePickListItems();
    return printed(items.join(u'\n') + u'\n');
}

// The road the window walks for one choice, to the same refusals: the weapon (or the bow, then
// the arrow kind, then the level), then the computation.
Outcome calc(const QStringList &words, const QLocale &locale)
{
    const Arguments a = parseArguments(
        words, {{"--strength", true}, {"--seconds", true}, {"--arrows", true}, {"--level", true}});
    if (!a.error.isEmpty())
        return misused(a.error);
    if (a.positional.size() != 1)
        return misused(QStringLiteral("calc takes one weapon or bow name"));
    if (const QString missing = missingStrengthOrSeconds(a, "calc"); !missing.isEmpty())
        return misused(missing);
    const bool bow = a.has(QStringLiteral("--arrows"));
    if (a.has(QStringLiteral("--level")) && !bow)
        return misused(QStringLiteral("--level goes with a bow and --arrows"));

    const Inputs in{bow ? Mode::Bow : Mode::Melee, a.value(QStringLiteral("--strength")),
                    a.value(QStringLiteral("--seconds")), a.value(QStringLiteral("--level"))};
    const QString &name = a.positional.first();
    RowOutcome outcome;
    if (!bow) {
        const MeleeWeaponRecord *weapon = findMeleeWeapon(name);
        if (!weapon)
            return refused(messages::weaponNotFound());
        outcome = meleeRow(std::size_t(weapon - meleeWeapons().data()), in, locale);
    } else {
        const BowRecord *record = findBow(name);
        if (!record)
            return refused(messages::bowNotFound());
        const ArrowKind *kind = findArrowKind(a.value(QStringLiteral("--arrows")));
        if (!kind)
            return refused(messages::arrowKindNotFound());
        outcome = bowRow(std::size_t(record - bows().data()),
                         std::size_t(kind - arrowKinds().data()), in, locale);
    }
    if (outcome.refusal)
        return refused(outcome.refusal->message);
    QStringList results;
    for (Column c : {Column::HitMin, Column::HitMax, Column::TotalMin, Column::TotalMax})
        results.append(outcome.row.cells[std::size_t(c)]);
    return printed(results.join(u'\t') + u'\n');
}

Outcome rank(const QStringList &words, const QLocale &locale)
{
    const Arguments a = parseArguments(words, {{"--strength", true},
                                               {"--seconds", true},
                                               {"--bows", false},
                                               {"--level", true},
                                               {"--wieldable", false},
                                               {"--format", true}});
    if (!a.error.isEmpty())
        return misused(a.error);
    if (!a.positional.isEmpty())
        return misused(QStringLiteral("rank takes no name"));
    if (const QString missing = missingStrengthOrSeconds(a, "rank"); !missing.isEmpty())
        return misused(missing);
    const bool bows = a.has(QStringLiteral("--bows"));
    if (a.has(QStringLiteral("--level")) && !bows)
        return misused(QStringLiteral("--level goes with --bows"));
    const QString format = a.has(QStringLiteral("--format")) ? a.value(QStringLiteral("--format"))
                                                             : QStringLiteral("text");
    if (format != u"text" && format != u"csv" && format != u"json")
        return misused(QStringLiteral("--format is text, csv or json"));

    const Mode mode = bows ? Mode::Bow : Mode::Melee;
    Table table
        = compute({mode, a.value(QStringLiteral("--strength")),
                   a.value(QStringLiteral("--seconds")), a.value(QStringLiteral("--level"))},
                  locale);
    if (!table.refusal.isEmpty())
        return refused(table.refusal);
    if (a.has(QStringLiteral("--wieldable")))
        keepWieldable(table.rows, a.value(QStringLiteral("--strength")), locale);
    sortByDefault(table.rows, locale);
    if (format == u"csv")
        return printed(toCsv(table.rows, mode, locale));
    if (format == u"json")
        return printed(toJson(table.rows, mode, locale));
    return printed(toAlignedText(table.rows, mode));
}

void write(std::FILE *stream, const QString &text)
{
    if (text.isEmpty())
        return;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

Outcome execute(const QStringList &arguments, const QLocale &locale)
{
    if (arguments.contains(u"--help") || arguments.contains(u"-h"))
        return printed(QString::fromUtf8(kHelp));
    if (arguments.isEmpty())
        return misused(QStringLiteral("no command"));
    const QString &command = arguments.first();
    const QStringList words = arguments.mid(1);
    if (command == u"--version" && words.isEmpty())
        return printed(QStringLiteral("harmtally " HARMTALLY_VERSION "\n"));
    if (command == u"list")
        return list(words);
    if (command == u"calc")
        return calc(words, locale);
    if (command == u"rank")
        return rank(words, locale);
    if (command.startsWith(u'-'))
        return misused(QStringLiteral("'%1' cannot be used here").arg(command));
    return misused(QStringLiteral("unknown command '%1'").arg(command));
}

std::optional<int> run(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty() || arguments == QStringList{QStringLiteral("--rank-window")})
        return std::nullopt;

    const Outcome outcome = execute(arguments, QLocale::system());
    write(stdout, outcome.out);
    write(stderr, outcome.err);
    return outcome.status;
}

} // namespace harmtally::cli
