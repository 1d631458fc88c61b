#include "catalogue/typed_names.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace harmtally {
namespace {

QString loose(const QString &name) { return name.simplified().toCaseFolded(); }

qsizetype editDistance(const QString &a, const QString &b)
{
    std::vector<qsizetype> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = qsizetype(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j < row.size(); ++j) {
            const qsizetype substitution = diagonal + (a[i - 1] == b[qsizetype(j) - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row.back();
}

} // namespace

NameMatch matchName(const QStringList &names, const QString &typed)
{
    if (const qsizetype exact = names.indexOf(typed); exact >= 0)
        return {exact, {}};
    const QString wanted = loose(typed);
    std::vector<std::pair<qsizetype, qsizetype>> near; // distance, index
    std::optional<qsizetype> same;
    int sameCount = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = loose(names[i]);
        if (name == wanted) {
            same = i;
            ++sameCount;
        }
        const qsizetype distance = editDistance(wanted, name);
        if (distance <= std::max<qsizetype>(2, wanted.size() / 3)
            || (wanted.size() >= 3 && name.contains(wanted)))
            near.emplace_back(distance, i);
    }
    if (sameCount == 1)
        return {same, {}};
    std::ranges::stable_sort(near);
    NameMatch out;
    for (std::size_t i = 0; i < near.size() && i < 3; ++i)
        out.closest.append(names[near[i].second]);
    return out;
}

QStringList meleeNames()
{
    QStringList names;
    for (const MeleeWeaponRecord &weapon : meleeWeapons())
        names.append(latin1(weapon.name));
    return names;
}

QStringList bowNames()
{
    QStringList names;
    for (const BowRecord &bow : bows())
        names.append(latin1(bow.name));
    return names;
}

QStringList arrowKindNames()
{
    QStringList names;
    for (const ArrowKind &kind : arrowKinds())
        names.append(latin1(kind.name));
    return names;
}

} // namespace harmtally
