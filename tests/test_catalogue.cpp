#include "catalogue/bows.h"
#include "catalogue/melee.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace harmtally;

namespace {

QString str(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// "Bo+2" -> ("Bo", 2); a name without a +n suffix is its own base, variant 0.
std::pair<QString, int> splitVariant(const QString &name)
{
    static const QRegularExpression suffix(QStringLiteral("\\+([1-3])$"));
    const auto m = suffix.match(name);
    if (!m.hasMatch())
        return {name, 0};
    return {name.left(m.capturedStart()), m.captured(1).toInt()};
}

qsizetype longest(const QStringList &items)
{
    qsizetype n = 0;
    for (const QString &item : items)
        n = std::max(n, item.size());
    return n;
}

struct Rule {
    const char *text;
    int hits; // 0: the catalogue gives no figure
};

// Tried in order against the name, ignoring case; the first that fits wins, so the longer
// kinds ("Two-Handed Sword", "Broad Axe") come before the words they contain.
constexpr Rule kindWords[] = {
    {"Two-Handed Sword", 42},
    {"Bastard Sword", 51},
    {"Sword", 56},
    {"Broad Axe", 31},
    {"Axe", 50},
    {"Scimitar", 55},
    {"Dirk", 66},
    {"Dagger", 60},
    {"Knife", 60},
    {"Blade", 60},
    {"Club", 50},
    {"Mace", 50},
    {"Flail", 50},
    {"Hammer", 50},
    {"Staff", 40},
    {"Stick", 40},
    {"Morningstar", 0},
};

// Names without a kind word, matched whole once the +n suffix is dropped ("Bo" would otherwise
// fit every "Bow" and "Bone").
constexpr Rule wholeNames[] = {
    {"Bo", 40},
    {"Rang-kwan", 40},
    {"Tetsubo", 40},
    {"Darkthorn", 60},
    {"Blood Drinker", 60},
    {"Bloodthirst", 60},
    {"Lightbringer", 56},
    {"Quickstrike", 56},
    {"Wizard's Bane", 56},
    {"Backbreaker", 50},
    {"Colossus", 50},
    {"Defender", 42},
    {"Goblin Slayer", 0},
    {"Holy Cutlass", 0},
    {"Druss's Briber of Souls", 0},
    {"Crusher", 0},
    {"Sapphire-Hilted Rapier", 0},
    {"Runed Halberd", 0},
};

// -1 when no rule covers the name, so a misspelt kind cannot pass unnoticed.
int expectedMeleeHits(const QString &name)
{
    if (name == u"Fine Steel Dagger+2")
        return 0;
    const QString base = splitVariant(name).first.trimmed();
    if (base == u"High-Metal Bastard Sword")
        return 56;
    for (const Rule &rule : kindWords)
        if (base.contains(QLatin1String(rule.text), Qt::CaseInsensitive))
            return rule.hits;
    for (const Rule &rule : wholeNames)
        if (base == QLatin1String(rule.text))
            return rule.hits;
    return -1;
}

// Base names that have at least one +n row.
QStringList meleeFamilyBases()
{
    QStringList bases;
    for (const MeleeWeaponRecord &row : meleeWeapons()) {
        const QString name = str(row.name);
        for (int n = 1; n <= 3; ++n)
            if (findMeleeWeapon(name + u'+' + QString::number(n))) {
                bases.append(name);
                break;
            }
    }
    return bases;
}

const QRegularExpression bowFamilyName(
    QStringLiteral("^((?:Ashwood|Elm|Hickory|Oak|Cedar|Lancewood|Black Locust) "
                   "(?:Flatbow|Longbow|Reflex Bow|Recurve Bow|Compound Bow|Composite Bow))"
                   "(?:\\+([1-3]))?$"));
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

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void meleeRow_data();
    void meleeRow();
    void meleeTableAsAWhole();
    void meleeVariantsFollowTheirBase_data();
    void meleeVariantsFollowTheirBase();
    void meleePickList();
    void meleeLookup_data();
    void meleeLookup();
    void bowTableAsAWhole();
    void bowFamily_data();
    void bowFamily();
    void bowPickList();
    void bowLookup_data();
    void bowLookup();
    void arrowKind_data();
    void arrowKind();
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
    const QString name = str(row.name);
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z][A-Za-z' -]*(\\+[1-3])?$"));
    QVERIFY(shape.match(name).hasMatch());
    QVERIFY(name.size() >= 2 && name.size() <= 29);
    // Darkthorn's trailing blank is the game's own; any other stray blank is a typo.
    QCOMPARE(name == name.simplified(), index != 64);
    QVERIFY(row.minDamage >= 1 && row.minDamage <= 537);
    QVERIFY(row.maxDamage >= 1 && row.maxDamage <= 813);
    QVERIFY(row.minDamage <= row.maxDamage);
    QVERIFY(!row.strengthReq || (*row.strengthReq >= 0 && *row.strengthReq <= 590));
    QCOMPARE(row.hitsPerMinute.value_or(0), expectedMeleeHits(name));
}

void TestCatalogue::meleeTableAsAWhole()
{
    const auto rows = meleeWeapons();
    QCOMPARE(rows.size(), 269u);
    QCOMPARE(rows[64].name, "Darkthorn ");
    QSet<QString> names, withoutStrength;
    QStringList orphans, strengthFalls;
    int absentHits = 0;
    int lastStrength = 0;
    for (const MeleeWeaponRecord &row : rows) {
        const QString name = str(row.name);
        names.insert(name);
        absentHits += row.hitsPerMinute ? 0 : 1;
        const auto [base, n] = splitVariant(name);
        if (n > 0 && !findMeleeWeapon(base))
            orphans.append(name);
        if (!row.strengthReq) {
            withoutStrength.insert(name);
            continue;
        }
        if (*row.strengthReq < lastStrength)
            strengthFalls.append(name);
        lastStrength = *row.strengthReq;
    }
    QCOMPARE(names.size(), rows.size());
    QCOMPARE(withoutStrength, (QSet<QString>{"Chaotic Sword", "Shadow Blade"}));
    QCOMPARE(absentHits, 16);
    QCOMPARE(orphans, QStringList{"Crowned Staff of Cleverness+1"});
    QCOMPARE(strengthFalls, QStringList{"Staff of Hope"});
    for (int i = 0; i < 16; ++i)
        QCOMPARE(rows[i].strengthReq.value_or(-1), 0);
    QCOMPARE(meleeFamilyBases().size(), 63);
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
    for (int n = 1; n <= 3; ++n) {
        const QString name = base + u'+' + QString::number(n);
        const MeleeWeaponRecord *row = findMeleeWeapon(name);
        if (!row)
            continue;
        QCOMPARE(row->strengthReq.value_or(-1), first->strengthReq.value_or(-1));
        if (name != u"Fine Steel Dagger+2")
            QCOMPARE(row->hitsPerMinute.value_or(0), first->hitsPerMinute.value_or(0));
        // The only two steps where a figure drops; anything else is a mistyped figure.
        const bool minDrops
            = name == u"High-Metal Hand Axe+1" || name == u"Adamantite Two-Handed Sword+1";
        QVERIFY2((row->minDamage < previous->minDamage) == minDrops, qPrintable(name));
        QVERIFY2((row->maxDamage < previous->maxDamage) == (name == u"High-Metal Hand Axe+1"),
                 qPrintable(name));
        previous = row;
    }
}

void TestCatalogue::meleePickList()
{
    QStringList expected;
    for (const MeleeWeaponRecord &row : meleeWeapons())
        expected.append(str(row.name));
    for (const char *missing : {"Skaven Knife", "Rusted Dagger", "Fine Steel Warhammer+1"})
        QVERIFY(expected.removeOne(missing));
    QCOMPARE(expected.at(18), "Skull Dagger");
    QCOMPARE(expected.at(34), "Gnarled Walking Stick");
    QCOMPARE(expected.at(35), "Cat-Claw Ornated Staff");
    expected.insert(35, "Skull Dagger");
    const QStringList items = meleePickListItems();
    QCOMPARE(items, expected);
    for (const QString &item : items)
        QVERIFY2(findMeleeWeapon(item), qPrintable(item));
    QCOMPARE(longest(items), 29);
}

void TestCatalogue::meleeLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("minDamage");
    QTest::addColumn<int>("maxDamage");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("hits");
    QTest::newRow("Bo") << "Bo" << true << 14 << 22 << "15"
                        << "40";
    for (const char *miss : {"bo", "BO", " Bo", "Bo ", "Darkthorn", "Armi", "Weapons", ""})
        QTest::newRow(qPrintable(QStringLiteral("miss '%1'").arg(miss)))
            << miss << false << 0 << 0 << ""
            << "";
    QTest::newRow("trailing blank") << "Darkthorn " << true << 14 << 25 << "44"
                                    << "60";
    QTest::newRow("not listed 1") << "Skaven Knife" << true << 1 << 1 << "0"
                                  << "60";
    QTest::newRow("not listed 2") << "Rusted Dagger" << true << 6 << 10 << "24"
                                  << "60";
    QTest::newRow("not listed 3") << "Fine Steel Warhammer+1" << true << 40 << 59 << "60"
                                  << "50";
    QTest::newRow("largest") << "Ancient Broad Axe+3" << true << 537 << 813 << "590"
                             << "31";
    QTest::newRow("zero shown") << "Rusted Dirk" << true << 1 << 4 << "0"
                                << "66";
    QTest::newRow("no strength") << "Chaotic Sword" << true << 0 << 0 << ""
                                 << "56";
}

void TestCatalogue::meleeLookup()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const MeleeWeaponRecord *row = findMeleeWeapon(name);
    QCOMPARE(row != nullptr, found);
    if (!row)
        return;
    QFETCH(int, minDamage);
    QFETCH(int, maxDamage);
    if (minDamage > 0) { // 0: the case is about the other figures
        QCOMPARE(row->minDamage, minDamage);
        QCOMPARE(row->maxDamage, maxDamage);
    }
    QTEST(figureText(row->strengthReq), "strength");
    QTEST(figureText(row->hitsPerMinute), "hits");
}

void TestCatalogue::bowTableAsAWhole()
{
    const auto rows = bows();
    QCOMPARE(rows.size(), 99u);
    QSet<QString> names;
    for (const BowRecord &row : rows) {
        const QString name = str(row.name);
        names.insert(name);
        QVERIFY2(bowFamilyName.match(name).hasMatch() || standaloneBows.contains(name),
                 qPrintable(name));
        QVERIFY(name.size() >= 11 && name.size() <= 28);
        QVERIFY(row.minDamage >= 1 && row.minDamage <= 331);
        QVERIFY(row.maxDamage >= 3 && row.maxDamage <= 466);
        QVERIFY(row.minDamage <= row.maxDamage);
        QVERIFY(row.strengthReq >= 0 && row.strengthReq <= 138);
        QVERIFY(QList<int>({15, 50, 60, 62, 70}).contains(row.hitsPerMinute));
    }
    QCOMPARE(names.size(), rows.size());
    // A separate row that happens to share every figure with the Hickory Longbow.
    const BowRecord *centaur = findBow("Bow of Centaur Slaying");
    const BowRecord *hickory = findBow("Hickory Longbow");
    QVERIFY(centaur && hickory && centaur != hickory);
    QCOMPARE(std::tuple(centaur->minDamage, centaur->maxDamage, centaur->strengthReq,
                        centaur->hitsPerMinute),
             std::tuple(hickory->minDamage, hickory->maxDamage, hickory->strengthReq,
                        hickory->hitsPerMinute));
}

void TestCatalogue::bowFamily_data()
{
    QTest::addColumn<QString>("base");
    for (const BowRecord &row : bows())
        if (bowFamilyName.match(str(row.name)).captured(2).isEmpty()
            && !standaloneBows.contains(str(row.name)))
            QTest::newRow(row.name.data()) << str(row.name);
}

void TestCatalogue::bowFamily()
{
    QFETCH(QString, base);
    static const QStringList withPlus3{"Elm Recurve Bow",         "Hickory Compound Bow",
                                       "Oak Composite Bow",       "Cedar Composite Bow",
                                       "Lancewood Composite Bow", "Black Locust Composite Bow"};
    const auto rows = bows();
    const BowRecord *first = findBow(base);
    QVERIFY(first);
    // Variants follow their base row directly, in order, and no further variant exists.
    qsizetype at = first - rows.data();
    const int last = withPlus3.contains(base) ? 3 : 2;
    for (int n = 1; n <= last; ++n) {
        const QString name = base + u'+' + QString::number(n);
        QVERIFY2(at + 1 < qsizetype(rows.size()), qPrintable(name));
        const BowRecord &previous = rows[at];
        const BowRecord &row = rows[++at];
        QCOMPARE(str(row.name), name);
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
    QCOMPARE(first->hitsPerMinute, expectedBowHits(base));
    if (base == u"Elm Flatbow")
        QCOMPARE(first->strengthReq, 50);
}

void TestCatalogue::bowPickList()
{
    QStringList expected;
    for (const BowRecord &row : bows())
        expected.append(str(row.name));
    const qsizetype reflex = expected.indexOf("Ashwood Reflex Bow+2");
    QCOMPARE(expected.at(reflex + 1), "Elm Flatbow");
    expected.insert(reflex + 1, "Ashwood Reflex Bow+3");
    const QStringList items = bowPickListItems();
    QCOMPARE(items, expected);
    for (const QString &item : items)
        QCOMPARE(findBow(item) != nullptr, item != u"Ashwood Reflex Bow+3");
    QCOMPARE(longest(items), 28);
}

void TestCatalogue::bowLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("exact") << "Bow of the Spiders" << true;
    QTest::newRow("lower case") << "bow of the spiders" << false;
    QTest::newRow("trailing blank") << "Bow of the Spiders " << false;
    QTest::newRow("double blank") << "Bow of  the Spiders" << false;
    QTest::newRow("prefix") << "Archi" << false;
    QTest::newRow("heading") << "Bows" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCatalogue::bowLookup()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    const BowRecord *row = findBow(name);
    QCOMPARE(row != nullptr, found);
    if (row)
        QCOMPARE(std::tuple(row->minDamage, row->maxDamage, row->strengthReq, row->hitsPerMinute),
                 std::tuple(86, 115, 32, 60));
}

void TestCatalogue::arrowKind_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("levelRule");
    QTest::addColumn<int>("minBonus");
    QTest::addColumn<int>("maxBonus");
    QTest::newRow("wooden") << 0 << "Wooden Arrows" << false << 1 << 1;
    QTest::newRow("pinpoint") << 1 << "Pinpoint Arrows" << false << 1 << 2;
    QTest::newRow("bone-tipped") << 2 << "Bone-Tipped Arrows" << false << 1 << 3;
    QTest::newRow("flight") << 3 << "Flight Arrows" << false << 2 << 4;
    QTest::newRow("trueshot") << 4 << "Trueshot Quiver" << true << 0 << 0;
    QTest::newRow("stability") << 5 << "Quiver of Stability" << false << 10 << 10;
}

void TestCatalogue::arrowKind()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(bool, levelRule);
    QCOMPARE(arrowKinds().size(), 6u);
    QCOMPARE(arrowPickListItems().size(), 6);
    QCOMPARE(longest(arrowPickListItems()), 19);
    QCOMPARE(arrowPickListItems().at(index), name);
    const ArrowKind *kind = findArrowKind(name);
    QCOMPARE(kind, &arrowKinds()[index]);
    QCOMPARE(kind->levelRule, levelRule);
    if (!levelRule) {
        QTEST(kind->minBonus, "minBonus");
        QTEST(kind->maxBonus, "maxBonus");
    }
    for (const char *miss : {"Frecce", "Quivers", ""})
        QVERIFY(!findArrowKind(miss));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
