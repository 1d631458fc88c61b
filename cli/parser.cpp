#include "cli/parser.h"

#include "texts/shell_words.h"

#include <QCommandLineParser>

#include <algorithm>

namespace harmtally::cli {
namespace {

// clang-format off
constexpr OptionSpec kOptions[] = {
    {Option::Help,       "help",        nullptr,  text::help::kHelp},
    {Option::Version,    "version",     nullptr,  text::help::kVersion},
    {Option::RankWindow, kRankWindowOption + 2, nullptr,  text::help::kRankWindow},
    {Option::Strength,   "strength",    "S",      text::help::kStrength},
    {Option::Seconds,    "seconds",     "T",      text::help::kSeconds},
    {Option::Arrows,     "arrows",      "KIND",   text::help::kArrows},
    {Option::Level,      "level",       "L",      text::help::kLevel},
    {Option::Bows,       "bows",        nullptr,  text::help::kBows},
    {Option::ArrowKinds, "arrows",      nullptr,  text::help::kArrowKinds},
    {Option::Wieldable,  "wieldable",   nullptr,  text::help::kWieldable},
    {Option::Format,     "format",      "FORMAT", text::help::kFormat},
    {Option::From,       "from",        "A",      text::help::kFrom},
    {Option::To,         "to",          "B",      text::help::kTo},
    {Option::By,         "by",          "MEASURE", text::help::kBy},
    {Option::GoalHit,    "goal-hit",    "D",      text::help::kGoalHit},
    {Option::GoalTotal,  "goal-total",  "X",      text::help::kGoalTotal},
    {Option::FoeHealth,  "foe-health",  "H",      text::help::kFoeHealth},
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
