#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <string_view>

namespace harmtally {

// One melee weapon. Two rows lack a strength requirement and sixteen lack hits per minute.
struct MeleeWeaponRecord {
    std::string_view name;
    int minDamage;
    int maxDamage;
    std::optional<int> strengthReq;
    std::optional<int> hitsPerMinute;
};

// Every row, in catalogue order.
std::span<const MeleeWeaponRecord> meleeWeapons();

// The items of the melee pick-list: not the same as the rows (three rows are missing, one is
// listed twice).
QStringList meleePickListItems();

// Exact, case-sensitive whole-text match; the first row in catalogue order.
const MeleeWeaponRecord *findMeleeWeapon(const QString &name);

// A figure as the boxes show it: plain decimal digits, or empty when the catalogue lacks it.
QString figureText(std::optional<int> figure);

} // namespace harmtally
