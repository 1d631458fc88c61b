#pragma once

// The check and the computation shared by the melee and the bow road: texts in, either the
// eight working values or the text of a refusal out. Nothing is written until it succeeds.

#include <QLocale>
#include <QString>

#include <optional>
#include <variant>

namespace harmtally {

struct DamageInputs {
    QString weaponReq;     // Text1
    QString baseMin;       // Mindmg
    QString baseMax;       // Maxdmg
    QString castStrength;  // Text2
    QString hitsPerMinute; // Text5
    QString seconds;       // Text6
};

struct WorkingValues {
    QString weaponReq;
    QString castStrength;
    QString baseMin;
    QString baseMax;
    QString hitMin;
    QString hitMax;
    QString totalMin; // empty when the weapon's hits per minute are unknown
    QString totalMax;
};

// Why the check refused, in the order it checks, the input at fault and the bilingual text the
// player is shown. Callers act on the reason and the input, never on the text.
struct Refusal {
    enum class Reason { StrengthOrSecondsMissing, InvalidValue, RequirementUnknown, TooLarge };
    // What the player (or the catalogue) would have to change; None when no single input is to
    // blame (results too large for the inputs together).
    enum class Input { None, Strength, Seconds, Level, Requirement, Base, HitsPerMinute };
    Refusal(Reason why, Input atFault);

    Reason reason;
    Input atFault;
    QString message;
};

std::variant<WorkingValues, Refusal> computeDamage(const DamageInputs &in, const QLocale &locale);

struct BaseFigures {
    QString baseMin;
    QString baseMax;
};

// An arrow kind's fixed bonus added once to the base figures.
std::variant<BaseFigures, Refusal> addToBase(const BaseFigures &base, double minBonus,
                                             double maxBonus, const QLocale &locale);

// The Trueshot Quiver: level x 0.1, the product formed first, added to both base figures.
std::variant<BaseFigures, Refusal> applyTrueshotLevel(const BaseFigures &base, const QString &level,
                                                      const QLocale &locale);

// text(x) when x is finite and its text reads back as a number; nothing otherwise (a value
// near the top of the double range can round up past it when written with 15 digits).
std::optional<QString> finiteText(double x, const QLocale &locale);

} // namespace harmtally
