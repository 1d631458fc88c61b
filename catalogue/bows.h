#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace harmtally {

struct BowRecord {
    std::string_view name;
    int minDamage;
    int maxDamage;
    int strengthReq;
    int hitsPerMinute;
};

// An arrow kind adds a fixed pair to the bow's base damage, or (the Trueshot Quiver) asks the
// player for a level instead.
struct ArrowKind {
    std::string_view name;
    bool levelRule;
    int minBonus;
    int maxBonus;
};

std::span<const BowRecord> bows();
std::span<const ArrowKind> arrowKinds();

// The bow pick-list holds one item more than the catalogue, which finds no row.
QStringList bowPickListItems();
QStringList arrowPickListItems();

// Exact, case-sensitive whole-text match; the first row in catalogue order.
const BowRecord *findBow(const QString &name);
const ArrowKind *findArrowKind(const QString &name);

} // namespace harmtally
