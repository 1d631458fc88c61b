#include "cli/command_line.h"

#include "cli/command_table.h"
#include "cli/console.h"
#include "cli/shell_replies.h"
#include "texts/shell_words.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace harmtally::cli {
namespace {

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

QStringList argumentsOf(int argc, char **argv) { return console::arguments(argc, argv); }

std::optional<int> write(std::FILE *stream, const QString &text)
{
    return console::write(stream, text);
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
    return console::desktopLanguage().value_or(Language::English);
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
    for (const Command &command : commandTable()) {
        if (first != QLatin1String(command.name))
            continue;
        const auto parsed
            = parseWords(arguments.mid(1), command.options, context.language, command.name);
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
