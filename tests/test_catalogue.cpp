#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

using namespace harmtally;

namespace {

QString nameOf(const auto &row) { return latin1(row.name); }

// Tried in order, ignoring case; the first that fits wins, so a kind comes before the shorter kinds
// inside it. Names with no kind word are matched whole, as "bo" would fit every "Bow" and "Bone".
// 0: the catalogue gives no figure.
using HitsRule = std::pair<const char *, int>;
// clang-format off
constexpr HitsRule meleeRules[] = {
    {"^Fine Steel Dagger\\+2$", 0}, {"^High-Metal Bastard Sword\\b", 56},
    {"two-handed sword", 42}, {"bastard sword", 51}, {"sword", 56}, {"broad axe", 31}, {"axe", 50},
    {"scimitar", 55}, {"dirk", 66}, {"dagger|knife|blade", 60}, {"club|mace|flail|hammer", 50},
    {"staff|stick|^(Bo|Rang-kwan|Tetsubo)\\b", 40}, {"morningstar", 0},
    {"^(Darkthorn|Blood Drinker|Bloodthirst)\\b", 60},
    {"^(Lightbringer|Quickstrike|Wizard's Bane)\\b", 56}, {"^(Backbreaker|Colossus)\\b", 50},
    {"^Defender\\b", 42},
    {"^(Goblin Slayer|Holy Cutlass|Druss's Briber of Souls|Crusher|Sapphire-Hilted Rapier"
     "|Runed Halberd)$", 0}};
constexpr HitsRule bowRules[] = {
    {"^Elm Flatbow\\b", 15}, {"^Hickory Compound Bow\\+[23]$", 62}, {"Flatbow", 50},
    {"Composite Bow", 70}, {"Longbow|Reflex Bow|Recurve Bow|Compound Bow"
                            "|^(Bow of Centaur Slaying|Crude Skraug Bow|Bow of the Spiders)$", 60}};
// clang-format on

// Rows breaking the regularities: hits off the rules (no rule fitting is a misspelt kind), or an
// X+n row that does not directly follow X+(n-1) (or X) with its requirement and no less damage.
QString oddities(const auto &rows, std::span<const HitsRule> rules)
{
    QStringList odd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto &row = rows[i];
        const QString name = nameOf(row);
        const auto note = [&](bool fault, const char *what) {
            if (fault)
                odd << name + what;
        };
        const auto rule = std::ranges::find_if(rules, [&](const HitsRule &r) {
            return name.contains(
                QRegularExpression(r.first, QRegularExpression::CaseInsensitiveOption));
        });
        note(std::optional<int>(row.hitsPerMinute).value_or(0)
                 != (rule == rules.end() ? -1 : rule->second),
             " hits");
        const qsizetype plus = name.lastIndexOf(u'+');
        if (plus < 0 || i == 0)
            continue;
        const int n = name.sliced(plus + 1).toInt();
        const auto &prev = rows[i - 1];
        note(nameOf(prev) != name.left(plus) + (n > 1 ? u'+' + QString::number(n - 1) : QString()),
             " out of place");
        note(row.strengthReq != prev.strengthReq, " strength");
        note(row.minDamage < prev.minDamage, " min falls");
        note(row.maxDamage < prev.maxDamage, " max falls");
    }
    return odd.join(u"; ");
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void melee();
    void bowsAndArrows();
    void lookup_data();
    void lookup();
};

void TestCatalogue::melee()
{
    QCOMPARE(oddities(meleeWeapons(), meleeRules),
             QString("Crowned Staff of Cleverness+1 out of place; High-Metal Hand Axe+1 min falls; "
                     "High-Metal Hand Axe+1 max falls; Adamantite Two-Handed Sword+1 min falls"));
    QStringList names, withoutStrength, strengthFalls;
    int withoutHits = 0, lastStrength = 0;
    for (const MeleeWeaponRecord &row : meleeWeapons()) {
        names << nameOf(row);
        withoutHits += row.hitsPerMinute ? 0 : 1;
        if (names.size() <= 16)
            QCOMPARE(row.strengthReq.value_or(-1), 0);
        if (!row.strengthReq)
            withoutStrength << names.last();
        else if (*row.strengthReq < std::exchange(lastStrength, *row.strengthReq))
            strengthFalls << names.last();
    }
    QCOMPARE(withoutStrength, (QStringList{"Chaotic Sword", "Shadow Blade"}));
    QCOMPARE(strengthFalls, QStringList{"Staff of Hope"});
    QCOMPARE(withoutHits, 16);

    // The pick-list leaves three rows out and offers the Skull Dagger twice.
    for (const char *missing : {"Skaven Knife", "Rusted Dagger", "Fine Steel Warhammer+1"})
        QVERIFY(names.removeOne(missing));
    names.insert(35, "Skull Dagger");
    QCOMPARE(meleePickListItems(), names);
    for (const QString &item : names)
        QVERIFY2(findMeleeWeapon(item), qPrintable(item));
}

void TestCatalogue::bowsAndArrows()
{
    QCOMPARE(oddities(bows(), bowRules), QString("Oak Composite Bow+2 max falls"));
    // The pick-list offers one bow the catalogue lacks.
    QStringList names;
    for (const BowRecord &row : bows())
        names << nameOf(row);
    names.insert(names.indexOf("Ashwood Reflex Bow+2") + 1, "Ashwood Reflex Bow+3");
    QCOMPARE(bowPickListItems(), names);
    for (const QString &item : names)
        QCOMPARE(findBow(item) != nullptr, item != u"Ashwood Reflex Bow+3");
    QCOMPARE(arrowPickListItems(),
             (QStringList{"Wooden Arrows", "Pinpoint Arrows", "Bone-Tipped Arrows", "Flight Arrows",
                          "Trueshot Quiver", "Quiver of Stability"}));
}

// Lookup is exact: case, blanks and partial names all miss, in every catalogue.
void TestCatalogue::lookup_data()
{
    QTest::addColumn<QString>("name");
    // A weapon's min/max/strength/hits as the boxes show them, or an arrow kind's bonus.
    QTest::addColumn<QString>("found");
    // clang-format off
    const std::pair<const char *, const char *> cases[]{
        {"Bo", "14/22/15/40"}, {"bo", ""}, {" Bo", ""}, {"Darkthorn", ""},
        {"Darkthorn ", "14/25/44/60"}, {"Skaven Knife", "1/1/0/60"}, {"Armi", ""},
        {"Ancient Broad Axe+3", "537/813/590/31"},
        {"Bow of the Spiders", "86/115/32/60"}, {"Bow of Centaur Slaying", "64/87/27/60"},
        {"Elm Flatbow", "18/26/50/15"}, {"elm flatbow", ""}, {"Archi", ""}, {"Frecce", ""},
        {"Wooden Arrows", "1-1"}, {"Pinpoint Arrows", "1-2"}, {"Bone-Tipped Arrows", "1-3"},
        {"Flight Arrows", "2-4"}, {"Trueshot Quiver", "level"}, {"Quiver of Stability", "10-10"}};
    // clang-format on
    for (const auto &[name, found] : cases)
        QTest::addRow("'%s'", name) << QString(name) << QString(found);
}

void TestCatalogue::lookup()
{
    QFETCH(QString, name);
    const auto shown = [](const auto *row) {
        return !row ? QString()
                    : QStringList{QString::number(row->minDamage), QString::number(row->maxDamage),
                                  figureText(row->strengthReq), figureText(row->hitsPerMinute)}
                          .join(u'/');
    };
    const ArrowKind *kind = findArrowKind(name);
    const QString bonus = !kind ? QString()
                          : kind->levelRule
                              ? QStringLiteral("level")
                              : QStringLiteral("%1-%2").arg(kind->minBonus).arg(kind->maxBonus);
    QTEST(shown(findMeleeWeapon(name)) + shown(findBow(name)) + bonus, "found");
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
