#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <tuple>
#include <utility>

using namespace harmtally;

namespace {

QString nameOf(const auto &row) { return latin1(row.name); }

// "Bo+2" -> "Bo"; names without a +n suffix are their own base.
QString baseOf(const QString &name)
{
    static const QRegularExpression suffix(QStringLiteral("\\+[1-3]$"));
    return QString(name).remove(suffix);
}

qsizetype longest(const QStringList &items)
{
    return std::ranges::max(items, {}, &QString::size).size();
}

struct HitsRule {
    const char *pattern;
    int hits; // 0: the catalogue gives no figure
};

// Tried in order against the base name, ignoring case; the first that fits wins, so a kind
// comes before the shorter kinds inside it. Names with no kind word are matched whole, as "bo"
// would fit every "Bow" and "Bone".
// clang-format off
constexpr HitsRule hitsRules[] = {
    {"^High-Metal Bastard Sword$", 56}, {"two-handed sword", 42}, {"bastard sword", 51},
    {"sword", 56}, {"broad axe", 31}, {"axe", 50}, {"scimitar", 55}, {"dirk", 66},
    {"dagger|knife|blade", 60}, {"club|mace|flail|hammer", 50}, {"staff|stick", 40},
    {"morningstar", 0}, {"^(Bo|Rang-kwan|Tetsubo)$", 40},
    {"^(Darkthorn|Blood Drinker|Bloodthirst)$", 60},
    {"^(Lightbringer|Quickstrike|Wizard's Bane)$", 56}, {"^(Backbreaker|Colossus)$", 50},
    {"^Defender$", 42},
    {"^(Goblin Slayer|Holy Cutlass|Druss's Briber of Souls|Crusher|Sapphire-Hilted Rapier"
     "|Runed Halberd)$", 0}};
// clang-format on

// -1 when no rule covers the name, so a misspelt kind cannot pass unnoticed.
int expectedMeleeHits(const QString &name)
{
    if (name == u"Fine Steel Dagger+2")
        return 0;
    for (const HitsRule &rule : hitsRules) {
        const QRegularExpression kind(rule.pattern, QRegularExpression::CaseInsensitiveOption);
        if (kind.match(baseOf(name).trimmed()).hasMatch())
            return rule.hits;
    }
    return -1;
}

// Rows that have at least one +n row.
QStringList meleeFamilyBases()
{
    QStringList bases;
    for (const MeleeWeaponRecord &row : meleeWeapons())
        for (const char *suffix : {"+1", "+2", "+3"})
            if (findMeleeWeapon(nameOf(row) + suffix)) {
                bases.append(nameOf(row));
                break;
            }
    return bases;
}

const QRegularExpression bowFamilyName(
    QStringLiteral("^(Ashwood|Elm|Hickory|Oak|Cedar|Lancewood|Black Locust) "
                   "(Flatbow|Longbow|Reflex Bow|Recurve Bow|Compound Bow|Composite Bow)"
                   "(\\+[1-3])?$"));
const QStringList standaloneBows{"Bow of Centaur Slaying", "Crude Skraug Bow",
                                 "Bow of the Spiders"};

int expectedBowHits(const QString &name)
{
    if (name.startsWith(u"Elm Flatbow"))
        return 15;
    if (name == u"Hickory Compound Bow+2" || name == u"Hickory Compound Bow+3")
        return 62;
    if (name.contains(u"Flatbow"))
        return 50;
    return name.contains(u"Composite Bow") ? 70 : 60;
}

auto figures(const BowRecord *bow)
{
    return std::tuple(bow->minDamage, bow->maxDamage, bow->strengthReq, bow->hitsPerMinute);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void meleeRow_data();
    void meleeRow();
    void meleeTableAsAWhole();
    void meleeVariantsFollowTheirBase_data();
    void meleeVariantsFollowTheirBase();
    void meleeLookup_data();
    void meleeLookup();
    void bowTableAsAWhole();
    void bowFamily_data();
    void bowFamily();
    void arrowKind_data();
    void arrowKind();
    void unknownNamesFindNothing_data();
    void unknownNamesFindNothing();
};

void TestCatalogue::meleeRow_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(meleeWeapons().size()); ++i)
        QTest::newRow(meleeWeapons()[i].name.data()) << i;
}

void TestCatalogue::meleeRow()
{
    QFETCH(int, index);
    const MeleeWeaponRecord &row = meleeWeapons()[index];
    const QString name = nameOf(row);
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z][A-Za-z' -]*(\\+[1-3])?$"));
    QVERIFY(shape.match(name).hasMatch());
    QVERIFY(name.size() >= 2 && name.size() <= 29);
    // Darkthorn's trailing blank is the game's own; any other stray blank is a typo.
    QCOMPARE(name == name.simplified(), index != 64);
    QVERIFY(1 <= row.minDamage && row.minDamage <= row.maxDamage);
    QVERIFY(row.minDamage <= 537 && row.maxDamage <= 813);
    QVERIFY(!row.strengthReq || (*row.strengthReq >= 0 && *row.strengthReq <= 590));
    QCOMPARE(row.hitsPerMinute.value_or(0), expectedMeleeHits(name));
}

void TestCatalogue::meleeTableAsAWhole()
{
    const auto rows = meleeWeapons();
    QCOMPARE(rows.size(), 269u);
    QCOMPARE(rows[64].name, "Darkthorn ");
    QSet<QString> withoutStrength;
    QStringList names, orphans, strengthFalls;
    int withoutHits = 0, lastStrength = 0;
    for (const MeleeWeaponRecord &row : rows) {
        const QString name = nameOf(row);
        names.append(name);
        withoutHits += row.hitsPerMinute ? 0 : 1;
        if (baseOf(name) != name && !findMeleeWeapon(baseOf(name)))
            orphans.append(name);
        if (!row.strengthReq) {
            withoutStrength.insert(name);
            QVERIFY(figureText(row.strengthReq).isEmpty());
        } else if (*row.strengthReq < std::exchange(lastStrength, *row.strengthReq)) {
            strengthFalls.append(name);
        }
    }
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    QCOMPARE(withoutStrength, (QSet<QString>{"Chaotic Sword", "Shadow Blade"}));
    QCOMPARE(withoutHits, 16);
    QCOMPARE(orphans, QStringList{"Crowned Staff of Cleverness+1"});
    QCOMPARE(strengthFalls, QStringList{"Staff of Hope"});
    for (int i = 0; i < 16; ++i)
        QCOMPARE(rows[i].strengthReq.value_or(-1), 0);
    QCOMPARE(meleeFamilyBases().size(), 63);

    // The pick-list leaves three rows out and offers the Skull Dagger twice.
    for (const char *missing : {"Skaven Knife", "Rusted Dagger", "Fine Steel Warhammer+1"})
        QVERIFY(names.removeOne(missing));
    QCOMPARE(names.mid(34, 2), (QStringList{"Gnarled Walking Stick", "Cat-Claw Ornated Staff"}));
    names.insert(35, "Skull Dagger");
    const QStringList items = meleePickListItems();
    QCOMPARE(items, names);
    QCOMPARE(items.indexOf("Skull Dagger"), 18);
    for (const QString &item : items)
        QVERIFY2(findMeleeWeapon(item), qPrintable(item));
    QCOMPARE(longest(items), 29);
}

void TestCatalogue::meleeVariantsFollowTheirBase_data()
{
    QTest::addColumn<QString>("base");
    for (const QString &base : meleeFamilyBases())
        QTest::newRow(qPrintable(base)) << base;
}

void TestCatalogue::meleeVariantsFollowTheirBase()
{
    QFETCH(QString, base);
    const MeleeWeaponRecord *first = findMeleeWeapon(base);
    const MeleeWeaponRecord *previous = first;
    for (const char *suffix : {"+1", "+2", "+3"}) {
        const QString name = base + suffix;
        const MeleeWeaponRecord *row = findMeleeWeapon(name);
        if (!row)
            continue;
        QCOMPARE(row->strengthReq.value_or(-1), first->strengthReq.value_or(-1));
        if (name != u"Fine Steel Dagger+2")
            QCOMPARE(row->hitsPerMinute.value_or(0), first->hitsPerMinute.value_or(0));
        // The only steps where a figure drops; any other drop is a mistyped figure.
        const bool minDrops
            = name == u"High-Metal Hand Axe+1" || name == u"Adamantite Two-Handed Sword+1";
        QVERIFY2((row->minDamage < previous->minDamage) == minDrops, qPrintable(name));
        QVERIFY2((row->maxDamage < previous->maxDamage) == (name == u"High-Metal Hand Axe+1"),
                 qPrintable(name));
        previous = row;
    }
}

void TestCatalogue::meleeLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // min/max/strength/hits as the boxes show them
    // clang-format off
    QTest::newRow("short name")     << "Bo"                     << "14/22/15/40";
    QTest::newRow("trailing blank") << "Darkthorn "             << "14/25/44/60";
    QTest::newRow("not listed 1")   << "Skaven Knife"           << "1/1/0/60";
    QTest::newRow("not listed 2")   << "Rusted Dagger"          << "6/10/24/60";
    QTest::newRow("not listed 3")   << "Fine Steel Warhammer+1" << "40/59/60/50";
    QTest::newRow("largest")        << "Ancient Broad Axe+3"    << "537/813/590/31";
    QTest::newRow("zero shown")     << "Rusted Dirk"            << "1/4/0/66";
    // clang-format on
}

void TestCatalogue::meleeLookup()
{
    QFETCH(QString, name);
    const MeleeWeaponRecord *row = findMeleeWeapon(name);
    QVERIFY(row);
    const QStringList shown{QString::number(row->minDamage), QString::number(row->maxDamage),
                            figureText(row->strengthReq), figureText(row->hitsPerMinute)};
    QTEST(shown.join(u'/'), "shown");
}

void TestCatalogue::bowTableAsAWhole()
{
    const auto rows = bows();
    QCOMPARE(rows.size(), 99u);
    QStringList names;
    for (const BowRecord &row : rows) {
        const QString name = nameOf(row);
        names.append(name);
        QVERIFY2(bowFamilyName.match(name).hasMatch() || standaloneBows.contains(name),
                 qPrintable(name));
        QVERIFY(name.size() >= 11 && name.size() <= 28);
        QVERIFY(1 <= row.minDamage && row.minDamage <= row.maxDamage);
        QVERIFY(row.minDamage <= 331 && row.maxDamage >= 3 && row.maxDamage <= 466);
        QVERIFY(row.strengthReq >= 0 && row.strengthReq <= 138);
        QVERIFY(QList<int>({15, 50, 60, 62, 70}).contains(row.hitsPerMinute));
    }
    QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), names.size());
    // A row of its own that happens to share every figure with the Hickory Longbow.
    const BowRecord *centaur = findBow("Bow of Centaur Slaying");
    const BowRecord *hickory = findBow("Hickory Longbow");
    QVERIFY(centaur && hickory && centaur != hickory);
    QCOMPARE(figures(centaur), figures(hickory));
    const BowRecord *spiders = findBow("Bow of the Spiders");
    QVERIFY(spiders);
    QCOMPARE(figures(spiders), std::tuple(86, 115, 32, 60));

    // The pick-list offers one bow the catalogue lacks.
    const qsizetype reflex = names.indexOf("Ashwood Reflex Bow+2");
    QCOMPARE(names.at(reflex + 1), "Elm Flatbow");
    names.insert(reflex + 1, "Ashwood Reflex Bow+3");
    const QStringList items = bowPickListItems();
    QCOMPARE(items, names);
    for (const QString &item : items)
        QCOMPARE(findBow(item) != nullptr, item != u"Ashwood Reflex Bow+3");
    QCOMPARE(longest(items), 28);
}

void TestCatalogue::bowFamily_data()
{
    QTest::addColumn<QString>("base");
    for (const BowRecord &row : bows()) {
        const auto m = bowFamilyName.match(nameOf(row));
        if (m.hasMatch() && !m.hasCaptured(3))
            QTest::newRow(row.name.data()) << nameOf(row);
    }
}

void TestCatalogue::bowFamily()
{
    QFETCH(QString, base);
    static const QStringList withPlus3{"Elm Recurve Bow",         "Hickory Compound Bow",
                                       "Oak Composite Bow",       "Cedar Composite Bow",
                                       "Lancewood Composite Bow", "Black Locust Composite Bow"};
    const auto rows = bows();
    const BowRecord *first = findBow(base);
    QCOMPARE(first->hitsPerMinute, expectedBowHits(base));
    if (base == u"Elm Flatbow")
        QCOMPARE(first->strengthReq, 50);
    // The variants follow their base row directly, in order.
    const int last = withPlus3.contains(base) ? 3 : 2;
    for (qsizetype at = first - rows.data() + 1, n = 1; n <= last; ++at, ++n) {
        const QString name = base + u'+' + QString::number(n);
        QVERIFY2(at < qsizetype(rows.size()) && nameOf(rows[at]) == name, qPrintable(name));
        const BowRecord &row = rows[at];
        const BowRecord &previous = rows[at - 1];
        QCOMPARE(row.strengthReq, first->strengthReq);
        QCOMPARE(row.hitsPerMinute, expectedBowHits(name));
        QVERIFY2(row.minDamage >= previous.minDamage, qPrintable(name));
        // Oak Composite Bow+1's max is the one figure above its successor's.
        QVERIFY2((row.maxDamage < previous.maxDamage) == (name == u"Oak Composite Bow+2"),
                 qPrintable(name));
        const bool repeats
            = row.minDamage == previous.minDamage && row.maxDamage == previous.maxDamage;
        QCOMPARE(repeats, name == u"Ashwood Flatbow+1" || name == u"Ashwood Longbow+1");
    }
    QVERIFY(!findBow(base + u'+' + QString::number(last + 1)));
}

void TestCatalogue::arrowKind_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bonus");
    // clang-format off
    QTest::newRow("wooden")      << 0 << "Wooden Arrows"       << "1-1";
    QTest::newRow("pinpoint")    << 1 << "Pinpoint Arrows"     << "1-2";
    QTest::newRow("bone-tipped") << 2 << "Bone-Tipped Arrows"  << "1-3";
    QTest::newRow("flight")      << 3 << "Flight Arrows"       << "2-4";
    QTest::newRow("trueshot")    << 4 << "Trueshot Quiver"     << "level";
    QTest::newRow("stability")   << 5 << "Quiver of Stability" << "10-10";
    // clang-format on
}

void TestCatalogue::arrowKind()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(arrowKinds().size(), 6u);
    QCOMPARE(arrowPickListItems().size(), 6);
    QCOMPARE(longest(arrowPickListItems()), 19);
    QCOMPARE(arrowPickListItems().value(index), name);
    const ArrowKind *kind = findArrowKind(name);
    QCOMPARE(kind, &arrowKinds()[index]);
    QTEST(kind->levelRule ? QStringLiteral("level")
                          : QStringLiteral("%1-%2").arg(kind->minBonus).arg(kind->maxBonus),
          "bonus");
}

// Lookup is exact: case, blanks and partial names all miss, in every catalogue.
void TestCatalogue::unknownNamesFindNothing_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"", "bo", "BO", " Bo", "Bo ", "Darkthorn", "Armi", "Weapons", "bow of the spiders",
          "Bow of the Spiders ", "Bow of  the Spiders", "Archi", "Bows", "Ashwood Reflex Bow+3",
          "Frecce", "Quivers", "trueshot quiver"})
        QTest::newRow(qPrintable(QStringLiteral("'%1'").arg(name))) << QString(name);
}

void TestCatalogue::unknownNamesFindNothing()
{
    QFETCH(QString, name);
    QVERIFY(!findMeleeWeapon(name));
    QVERIFY(!findBow(name));
    QVERIFY(!findArrowKind(name));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
