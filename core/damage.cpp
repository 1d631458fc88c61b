#include "core/damage.h"

#include "core/numbers.h"
#include "texts/messages.h"

#include <cmath>

namespace harmtally {

Refusal::Refusal(Reason why)
    : reason(why)
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
        return Refusal(Refusal::Reason::StrengthOrSecondsMissing);

    const std::optional<double> strength = number(in.castStrength, locale);
    const std::optional<double> seconds = number(in.seconds, locale);
    const std::optional<double> baseMin = number(in.baseMin, locale);
    const std::optional<double> baseMax = number(in.baseMax, locale);
    const bool totalsKnown = !in.hitsPerMinute.isEmpty();
    const std::optional<double> hitsPerMinute
        = totalsKnown ? number(in.hitsPerMinute, locale) : std::optional<double>(0.0);
    if (!strength || !seconds || !baseMin || !baseMax || !hitsPerMinute)
        return Refusal(Refusal::Reason::InvalidValue);

    if (in.weaponReq.isEmpty())
        return Refusal(Refusal::Reason::RequirementUnknown);
    const std::optional<double> req = number(in.weaponReq, locale);
    if (!req)
        return Refusal(Refusal::Reason::InvalidValue);

    WorkingValues out{in.weaponReq, in.castStrength, in.baseMin, in.baseMax, {}, {}, {}, {}};
    const std::optional<QString> hitMin = finiteText(*baseMin + (*strength - *req) / 5.0, locale);
    const std::optional<QString> hitMax = finiteText(*baseMax + (*strength - *req) / 5.0, locale);
    if (!hitMin || !hitMax)
        return Refusal(Refusal::Reason::TooLarge);
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
            return Refusal(Refusal::Reason::TooLarge);
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
        return Refusal(Refusal::Reason::InvalidValue);
    const std::optional<QString> raisedMin = finiteText(*baseMin + minBonus, locale);
    const std::optional<QString> raisedMax = finiteText(*baseMax + maxBonus, locale);
    if (!raisedMin || !raisedMax)
        return Refusal(Refusal::Reason::TooLarge);
    return BaseFigures{*raisedMin, *raisedMax};
}

std::variant<BaseFigures, Refusal> applyTrueshotLevel(const BaseFigures &base, const QString &level,
                                                      const QLocale &locale)
{
    const std::optional<double> value = number(level, locale);
    if (!value)
        return Refusal(Refusal::Reason::InvalidValue);
    const double bonus = *value * 0.1;
    return addToBase(base, bonus, bonus, locale);
}

} // namespace harmtally
