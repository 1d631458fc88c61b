#include "cli/shell_replies.h"

#include "core/numbers.h"
#include "texts/shell_words.h"

namespace harmtally::cli {
namespace {

Outcome misused(const QString &problem, Language language)
{
    return {2, {}, QStringLiteral("harmtally: ") + problem + text::kSeeHelp.in(language) + u'\n'};
}

} // namespace

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

// --level as calc checks it: needed by the Trueshot Quiver, and a number when given.
Outcome checkLevel(const Parsed &words, bool trueshot, const Context &context)
{
    const QString level = words.value(Option::Level);
    if (trueshot && !words.has(Option::Level))
        return refused(say(text::kLevelNeeded, context).arg(QStringLiteral("Trueshot Quiver")));
    if (words.has(Option::Level) && !number(level, context.locale))
        return refused(notANumber(Option::Level, level, context));
    return {};
}

std::optional<Format> formatOf(const Parsed &words)
{
    const QString format = words.value(Option::Format);
    if (!words.has(Option::Format) || format == u"text")
        return Format::Text;
    if (format == u"csv")
        return Format::Csv;
    if (format == u"json")
        return Format::Json;
    return std::nullopt;
}

} // namespace harmtally::cli
