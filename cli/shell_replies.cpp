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

namespace {

std::optional<Option> optionOf(Refusal::Input input)
{
    switch (input) {
    case Refusal::Input::Strength:
        return Option::Strength;
    case Refusal::Input::Seconds:
        return Option::Seconds;
    case Refusal::Input::Level:
        return Option::Level;
    case Refusal::Input::None:
    case Refusal::Input::Requirement:
    case Refusal::Input::Base:
    case Refusal::Input::HitsPerMinute:
        break; // the catalogue's, not the player's
    }
    return std::nullopt;
}

} // namespace

QString shellRefusal(const Refusal &refusal, const Parsed &words, const QString &name,
                     const Context &context)
{
    const std::optional<Option> option = optionOf(refusal.atFault);
    switch (refusal.reason) {
    case Refusal::Reason::StrengthOrSecondsMissing:
        if (option)
            return say(text::kZero, context).arg(dashed(*option));
        break;
    case Refusal::Reason::InvalidValue:
        if (option)
            return notANumber(*option, words.value(*option), context);
        break;
    case Refusal::Reason::RequirementUnknown:
        return say(text::kRequirementUnknown, context).arg(name);
    case Refusal::Reason::TooLarge:
        return say(text::kTooLarge, context);
    }
    // A catalogue figure no option can mend: the window's own words.
    return refusal.message;
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
