#pragma once

// The replies every command builds its answer from, in the shell's words (texts/shell_words.h).

#include "cli/parser.h"
#include "core/damage.h"
#include "core/numbers.h"
#include "ranking/records.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace harmtally::cli {

QString say(const Bilingual &text, const Context &context);
Outcome printed(const QString &out);
// "harmtally: problem", exit status 1.
Outcome refused(const QString &problem);
// "harmtally: problem" and where to find help, exit status 2.
Outcome misused(const QString &problem, const Context &context);
QString quoted(const QString &name);
// That the value given to the option is not a number.
QString notANumber(Option option, const QString &value, const Context &context);
// "; did you mean 'A', 'B' or 'C'?", or where to find the names when none is close.
QString suggestions(const QStringList &closest, const Context &context);

// The computation's refusal said in the shell's words, naming the option at fault; name: the
// choice refused, for a requirement nobody knows.
QString shellRefusal(const Refusal &refusal, const Parsed &words, const QString &name,
                     const Context &context);
// A usage error when --strength or --seconds is missing, status 0 otherwise.
Outcome needsFigures(const Parsed &words, const char *command, const Context &context);
// --level as calc checks it: needed by the Trueshot Quiver, and a number when given.
Outcome checkLevel(const Parsed &words, bool trueshot, const Context &context);
// Each of these options that is given, read as a number and handed to `take`, which may refuse
// it; the first that is not a number is refused. Status 0 when every one is taken.
inline Outcome takeNumbers(const Parsed &words, std::span<const Option> options,
                           const Context &context, const auto &take)
{
    for (Option option : options) {
        if (!words.has(option))
            continue;
        const std::optional<double> x = number(words.value(option), context.locale);
        if (!x)
            return refused(notANumber(option, words.value(option), context));
        if (const Outcome bad = take(option, *x); bad.status)
            return bad;
    }
    return {};
}

// --format: text when not given; nothing when it names no format.
using ranking::Format;
std::optional<Format> formatOf(const Parsed &words);

} // namespace harmtally::cli
