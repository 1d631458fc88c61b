#include "cli/parser.h"

#include "cli/shell_text.h"

#include <QCommandLineParser>

#include <algorithm>

namespace harmtally::cli {
namespace {

// clang-format off
constexpr OptionSpec kOptions[] = {
    {Option::Help,       "help",        nullptr,  "show this help and end"},
    {Option::Version,    "version",     nullptr,  "show the version and end"},
    {Option::RankWindow, kRankWindowOption + 2, nullptr,  "open the window with the ranking beside it"},
    {Option::Strength,   "strength",    "S",      "your boosted strength"},
    {Option::Seconds,    "seconds",     "T",      "the seconds of fighting"},
    {Option::Arrows,     "arrows",      "KIND",   "calc: the bow's arrow kind"},
    {Option::Level,      "level",       "L",      "the Trueshot Quiver's level"},
    {Option::Bows,       "bows",        nullptr,  "bows (with every arrow kind) instead of melee weapons"},
    {Option::ArrowKinds, "arrows",      nullptr,  "list: the arrow kinds"},
    {Option::Wieldable,  "wieldable",   nullptr,  "rank: leave out what asks for more strength than S"},
    {Option::Format,     "format",      "FORMAT", "text (the default), csv or json"},
    {Option::From,       "from",        "A",      "compare, path: the least strength of the range"},
    {Option::To,         "to",          "B",      "compare, path: the greatest strength of the range"},
    {Option::By,         "by",          "MEASURE", "path: max (the default) or min, over the seconds"},
    {Option::GoalHit,    "goal-hit",    "D",      "rank: the strength at which every hit deals D"},
    {Option::GoalTotal,  "goal-total",  "X",      "rank: the strength at which the seconds deal X"},
    {Option::FoeHealth,  "foe-health",  "H",      "rank: the hits and seconds a foe with H health lasts"},
};
// clang-format on

const OptionSpec &optionRow(Option option)
{
    return *std::ranges::find(kOptions, option, &OptionSpec::id);
}

QString say(const Bilingual &text, Language language) { return text.in(language); }

// QCommandLineParser's own error texts are English only: the same problem in the shell's
// language, found again in the words.
QString problem(const QCommandLineParser &parser, const QStringList &words,
                std::span<const Option> options, Language language, const char *command)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        const QString written = QString(name.size() == 1 ? "-" : "--") + name;
        // An option of another command is no unknown option.
        if (command && std::ranges::any_of(kOptions, [&](const OptionSpec &o) {
                return name == QLatin1String(o.name);
            }))
            return say(text::kNotForCommand, language).arg(written, QLatin1String(command));
        return say(text::kUnknownOption, language).arg(written);
    }
    for (qsizetype i = 0; i < words.size() && words[i] != u"--"; ++i) {
        for (Option option : options) {
            const QString name = dashed(option);
            if (optionRow(option).valueName && words[i] == name && i + 1 == words.size())
                return say(text::kNeedsValue, language).arg(name);
            if (optionRow(option).valueName && words[i] == name)
                ++i; // its value, whatever it looks like
            else if (!optionRow(option).valueName && words[i].startsWith(name + u'='))
                return say(text::kTakesNoValue, language).arg(name);
        }
    }
    return parser.errorText();
}

} // namespace

std::span<const OptionSpec> optionTable() { return kOptions; }

QString dashed(Option option)
{
    return QStringLiteral("--") + QLatin1String(optionRow(option).name);
}

std::variant<Parsed, QString> parseWords(const QStringList &words, std::span<const Option> options,
                                         Language language, const char *command)
{
    QCommandLineParser parser;
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    for (Option option : options) {
        const OptionSpec &s = optionRow(option);
        parser.addOption(
            {QLatin1String(s.name), {}, s.valueName ? QLatin1String(s.valueName) : QString()});
    }
    // Its first word is the program's name.
    if (!parser.parse(QStringList{QStringLiteral("harmtally")} + words))
        return problem(parser, words, options, language, command);

    Parsed out;
    out.names = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("help")))
        out.values.insert(Option::Help, {});
    for (Option option : options) {
        const QString name = QLatin1String(optionRow(option).name);
        if (parser.optionNames().count(name) > 1)
            return say(text::kGivenTwice, language).arg(dashed(option));
        if (parser.isSet(name))
            out.values.insert(option, parser.value(name));
    }
    return out;
}

} // namespace harmtally::cli
