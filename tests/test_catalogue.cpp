#include "catalogue/bows.h"
#include "catalogue/melee.h"

#include <QTest>

using namespace harmtally;

// The rows and items themselves carry fingerprints (test_fingerprints), and every row is found
// by its name (test_same_figures); here, that the lists offer what the catalogues hold.
class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyItemFindsItsRow();
};

// Save the one bow the list offers without a row, which the bow road refuses.
void TestCatalogue::everyItemFindsItsRow()
{
    for (const QString &item : meleePickListItems())
        QVERIFY2(findMeleeWeapon(item), qPrintable(item));
    for (const QString &item : bowPickListItems())
        QCOMPARE(findBow(item) != nullptr, item != u"Ashwood Reflex Bow+3");
    for (const QString &item : arrowPickListItems())
        QVERIFY2(findArrowKind(item), qPrintable(item));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
