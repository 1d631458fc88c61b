#include "catalogue/bows.h"
#include "catalogue/melee.h"

#include <QTest>

#include <utility>

using namespace harmtally;

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyItemFindsItsRow();
    void lookup_data();
    void lookup();
};

// The lists offer what the catalogues hold, save the one bow that has no row.
void TestCatalogue::everyItemFindsItsRow()
{
    for (const QString &item : meleePickListItems())
        QVERIFY2(findMeleeWeapon(item), qPrintable(item));
    for (const QString &item : bowPickListItems())
        QCOMPARE(findBow(item) != nullptr, item != u"Ashwood Reflex Bow+3");
    for (const QString &item : arrowPickListItems())
        QVERIFY2(findArrowKind(item), qPrintable(item));
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
