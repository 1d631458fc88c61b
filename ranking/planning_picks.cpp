// The things a player can wield, as the planning answers name them (planning.h): a pick's
// catalogue name, order and row.

#include "ranking/planning.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"

namespace harmtally::ranking {

QString pickName(const Pick &pick)
{
    if (pick.mode == Mode::Melee)
        return latin1(meleeWeapons()[pick.item].name);
    return latin1(bows()[pick.item].name) + u'/' + latin1(arrowKinds()[pick.arrowKind].name);
}

std::optional<Pick> findPick(const QString &name)
{
    const qsizetype slash = name.indexOf(u'/');
    if (slash < 0) {
        const MeleeWeaponRecord *weapon = findMeleeWeapon(name);
        if (!weapon)
            return std::nullopt;
        return Pick{Mode::Melee, std::size_t(weapon - meleeWeapons().data()), 0};
    }
    const BowRecord *bow = findBow(name.first(slash));
    const ArrowKind *kind = findArrowKind(name.sliced(slash + 1));
    if (!bow || !kind)
        return std::nullopt;
    return Pick{Mode::Bow, std::size_t(bow - bows().data()),
                std::size_t(kind - arrowKinds().data())};
}

std::size_t pickOrder(const Pick &pick)
{
    return pick.mode == Mode::Melee ? pick.item : pick.item * arrowKinds().size() + pick.arrowKind;
}

Pick pickAt(Mode mode, std::size_t order)
{
    if (mode == Mode::Melee)
        return {mode, order, 0};
    return {mode, order / arrowKinds().size(), order % arrowKinds().size()};
}

RowOutcome pickRow(const Pick &pick, const Inputs &in, const QLocale &locale)
{
    return pick.mode == Mode::Melee ? meleeRow(pick.item, in, locale)
                                    : bowRow(pick.item, pick.arrowKind, in, locale);
}

QString computedStrength(const QString &typed)
{
    return typed == u"0" ? QStringLiteral("+0") : typed;
}

} // namespace harmtally::ranking
