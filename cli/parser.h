#pragma once

// The command line's grammar: every option declared once in one table, each command a row of a
// table naming its options, read by QCommandLineParser. A new command is one more row.

#include "texts/language.h"

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>
#include <variant>

namespace harmtally::cli {

// The one option that opens the windows with the ranking beside the main window.
inline constexpr char kRankWindowOption[] = "--rank-window";

// What a command prints, and its exit status: 0 done, 1 refused (or the output could not be
// written), 2 a usage error.
struct Outcome {
    int status = 0;
    QString out;
    QString err;
};

enum class Option {
    Help,
    Version,
    RankWindow,
    Strength,
    Seconds,
    Arrows, // calc: the bow's arrow kind
    Level,
    Bows,
    ArrowKinds, // list: the arrow kinds (spelt --arrows too)
    Wieldable,
    Format,
    From, // compare and path: the strength range
    To,
    By,
    GoalHit,
    GoalTotal,
    FoeHealth,
};

struct OptionSpec {
    Option id;
    const char *name;      // without the dashes
    const char *valueName; // nullptr for a flag
    const char *help;
};
std::span<const OptionSpec> optionTable();
QString dashed(Option option); // "--strength"

// The words of one command once read: its names (the words that are not options) and each
// option given, once; a flag maps to an empty text.
struct Parsed {
    QStringList names;
    QHash<Option, QString> values;

    bool has(Option option) const { return values.contains(option); }
    QString value(Option option) const { return values.value(option); }
};

// Where a command runs: the locale its figures are read and written in, the language it speaks.
struct Context {
    QLocale locale;
    Language language;
};

struct Command {
    const char *name;
    const char *synopsis; // after "harmtally "
    const char *help;
    std::span<const Option> options; // besides -h/--help
    Outcome (*run)(const Parsed &words, const Context &context);
};

// The words after a command against its options ("--name value" or "--name=value"; "--" ends
// the options; a valued option takes the next word whatever it is, a negative number or "-h"),
// or the one-line problem when they do not fit. command: its name, or nullptr before any.
std::variant<Parsed, QString> parseWords(const QStringList &words, std::span<const Option> options,
                                         Language language, const char *command = nullptr);

} // namespace harmtally::cli
