#include "core/damage.h"

#include "core/numbers.h"
#include "texts/messages.h"

#include <cmath>
#include <utility>

namespace harmtally {

using Reason = Refusal::Reason;
using Input = Refusal::Input;

Refusal::Refusal(Reason why, Input input)
    : reason(why)
    , atFault(input)
{
    switch (why) {
    case Reason::StrengthOrSecondsMissing:
        message = messages::strengthOrSecondsMissing();
        break;
    case Reason::InvalidValue:
        message = messages::invalidValue();
        break;
    case Reason::RequirementUnknown:
        message = messages::unknownRequirement();
        break;
    case Reason::TooLarge:
        message = messages::resultTooLarge();
        break;
    }
}

std::optional<QString> finiteText(double x, const QLocale &locale)
{
    if (!std::isfinite(x))
        return std::nullopt;
    QString written = text(x, locale);
    if (!number(written, locale))
        return std::nullopt;
    return written;
}

std::variant<WorkingValues, Refusal> computeDamage(const DamageInputs &in, const QLocale &locale)
{
    const auto missing = [](const QString &t) { return t.isEmpty() || t == u"0"; };
    if (missing(in.castStrength) || missing(in.seconds))
        return Refusal(Reason::StrengthOrSecondsMissing,
                       missing(in.castStrength) ? Input::Strength : Input::Seconds);

    const std::optional<double> strength = number(in.castStrength, locale);
    const std::optional<double> seconds = number(in.seconds, locale);
    const std::optional<double> baseMin = number(in.baseMin, locale);
    const std::optional<double> baseMax = number(in.baseMax, locale);
    const bool totalsKnown = !in.hitsPerMinute.isEmpty();
    const std::optional<double> hitsPerMinute
        = totalsKnown ? number(in.hitsPerMinute, locale) : std::optional<double>(0.0);
    // The first unreadable one, in the order the player reads the boxes.
    const std::pair<bool, Input> read[] = {{strength.has_value(), Input::Strength},
                                           {seconds.has_value(), Input::Seconds},
                                           {baseMin && baseMax, Input::Base},
                                           {hitsPerMinute.has_value(), Input::HitsPerMinute}};
    for (const auto &[ok, input] : read)
        if (!ok)
            return Refusal(Reason::InvalidValue, input);

    if (in.weaponReq.isEmpty())
        return Refusal(Reason::RequirementUnknown, Input::Requirement);
    const std::optional<double> req = number(in.weaponReq, locale);
    if (!req)
        return Refusal(Reason::InvalidValue, Input::Requirement);

    WorkingValues out{in.weaponReq, in.castStrength, in.baseMin, in.baseMax, {}, {}, {}, {}};
    const std::optional<QString> hitMin = finiteText(*baseMin + (*strength - *req) / 5.0, locale);
    const std::optional<QString> hitMax = finiteText(*baseMax + (*strength - *req) / 5.0, locale);
    if (!hitMin || !hitMax)
        return Refusal(Reason::TooLarge, Input::None);
    out.hitMin = *hitMin;
    out.hitMax = *hitMax;

    if (totalsKnown) {
        // The per-hit damage enters as its stored text, so the totals use it rounded to 15 digits.
        const double perSecond = *hitsPerMinute / 60.0;
        const std::optional<QString> totalMin
            = finiteText(perSecond * *seconds * *number(*hitMin, locale), locale);
        const std::optional<QString> totalMax
            = finiteText(perSecond * *seconds * *number(*hitMax, locale), locale);
        if (!totalMin || !totalMax)
            return Refusal(Reason::TooLarge, Input::None);
        out.totalMin = *totalMin;
        out.totalMax = *totalMax;
    }
    return out;
}

std::variant<BaseFigures, Refusal> addToBase(const BaseFigures &base, double minBonus,
                                             double maxBonus, const QLocale &locale)
{
    const std::optional<double> baseMin = number(base.baseMin, locale);
    const std::optional<double> baseMax = number(base.baseMax, locale);
    if (!baseMin || !baseMax)
        return Refusal(Reason::InvalidValue, Input::Base);
    const std::optional<QString> raisedMin = finiteText(*baseMin + minBonus, locale);
    const std::optional<QString> raisedMax = finiteText(*baseMax + maxBonus, locale);
    if (!raisedMin || !raisedMax)
        return Refusal(Reason::TooLarge, Input::Base);
    return BaseFigures{*raisedMin, *raisedMax};
}

std::variant<BaseFigures, Refusal> applyTrueshotLevel(const BaseFigures &base, const QString &level,
                                                      const QLocale &locale)
{
    const std::optional<double> value = number(level, locale);
    if (!value)
        return Refusal(Reason::InvalidValue, Input::Level);
    const double bonus = *value * 0.1;
    return addToBase(base, bonus, bonus, locale);
}

} // namespace harmtally
