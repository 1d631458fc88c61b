#include "core/damage.h"
#include "texts/messages.h"

#include <QTest>

using namespace harmtally;

Q_DECLARE_METATYPE(harmtally::DamageInputs)

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);

// A refusal as its message and the input it blames: "message@strength".
QString refusalText(const Refusal &refusal)
{
    static const char *const inputs[]
        = {"none", "strength", "seconds", "level", "requirement", "base", "hits"};
    return refusal.message + u'@' + QLatin1String(inputs[int(refusal.atFault)]);
}

QString outcomeText(const std::variant<WorkingValues, Refusal> &outcome)
{
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refusalText(*refusal);
    const WorkingValues &v = std::get<WorkingValues>(outcome);
    return QStringList{v.hitMin, v.hitMax, v.totalMin, v.totalMax}.join(u'|');
}

QString outcomeText(const std::variant<BaseFigures, Refusal> &outcome)
{
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refusalText(*refusal);
    return std::get<BaseFigures>(outcome).baseMin + u'|' + std::get<BaseFigures>(outcome).baseMax;
}
} // namespace

class TestDamage : public QObject {
    Q_OBJECT
private slots:
    void computes_data();
    void computes();
    void raisesBase_data();
    void raisesBase();
};

void TestDamage::computes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<DamageInputs>("in");  // req, min, max, strength, hits per minute, seconds
    QTest::addColumn<QString>("expected"); // hitMin|hitMax|totalMin|totalMax, or a refusal

    const QString check = messages::strengthOrSecondsMissing();
    const QString invalid = messages::invalidValue();
    const QString tooLarge = messages::resultTooLarge();

    QTest::newRow("Rusted Dirk 33")
        << english << DamageInputs{"0", "1", "4", "33", "66", "10"} << "7.6|10.6|83.6|116.6";
    QTest::newRow("Elm Flatbow, below requirement")
        << english << DamageInputs{"50", "19", "28", "40", "15", "7"} << "17|26|29.75|45.5";
    QTest::newRow("totals use the rounded per-hit text")
        << english << DamageInputs{"13", "2", "2", "2", "60", "3"} << "-0.2|-0.2|-0.6|-0.6";
    QTest::newRow("Italian commas")
        << italian << DamageInputs{"0", "1", "4", "33", "66", "10"} << "7,6|10,6|83,6|116,6";
    QTest::newRow("Italian typed decimals")
        << italian << DamageInputs{"0", "1", "4", "30,5", "66", "0,5"} << "7,1|10,1|3,905|5,555";
    QTest::newRow("seconds 00") << english << DamageInputs{"0", "1", "4", "30", "66", "00"}
                                << "7|10|0|0";
    QTest::newRow("hits per minute unknown")
        << english << DamageInputs{"97", "32", "62", "100", "", "10"} << "32.6|62.6||";

    // clang-format off
    QTest::newRow("empty strength") << english << DamageInputs{"0", "1", "4", "", "66", "10"} << check + "@strength";
    QTest::newRow("strength 0") << english << DamageInputs{"0", "1", "4", "0", "66", "10"} << check + "@strength";
    QTest::newRow("seconds 0") << english << DamageInputs{"0", "1", "4", "5", "66", "0"} << check + "@seconds";
    QTest::newRow("check before requirement") << english << DamageInputs{"", "7", "48", "0", "56", "10"} << check + "@strength";
    QTest::newRow("unreadable before requirement") << english << DamageInputs{"", "7", "48", "x", "56", "10"} << invalid + "@strength";
    QTest::newRow("unreadable seconds") << english << DamageInputs{"0", "7", "48", "5", "56", "x"} << invalid + "@seconds";
    QTest::newRow("unreadable base") << english << DamageInputs{"0", "7", "4x", "5", "56", "3"} << invalid + "@base";
    QTest::newRow("unreadable speed") << english << DamageInputs{"0", "7", "48", "5", "x", "3"} << invalid + "@hits";
    QTest::newRow("unreadable requirement") << english << DamageInputs{"x", "7", "48", "5", "56", "3"} << invalid + "@requirement";
    QTest::newRow("requirement unknown") << english << DamageInputs{"", "7", "48", "60", "56", "10"} << messages::unknownRequirement() + "@requirement";
    QTest::newRow("totals overflow") << english << DamageInputs{"0", "1", "4", "1e308", "66", "10"} << tooLarge + "@none";
    QTest::newRow("per-hit text past the double range") << english << DamageInputs{"0", "1.7976931348623157E+308", "4", "00", "66", "1"} << tooLarge + "@none";
    // clang-format on
}

void TestDamage::computes()
{
    QFETCH(QLocale, locale);
    QFETCH(DamageInputs, in);
    QFETCH(QString, expected);
    QCOMPARE(outcomeText(computeDamage(in, locale)), expected);
}

// The fixed bonuses of the arrow kinds go through addToBase as the level does; the walks add them.
void TestDamage::raisesBase_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("level 25") << english << "25" << "110.5|147.5";
    QTest::newRow("level 0") << english << "0" << "108|145";
    QTest::newRow("negative level") << english << "-30" << "105|142";
    QTest::newRow("level 3, product first") << english << "3" << "108.3|145.3";
    QTest::newRow("Italian level") << italian << "2,5" << "108,25|145,25";
    QTest::newRow("empty level") << english << "" << messages::invalidValue() + "@level";
    QTest::newRow("unreadable level") << english << "x" << messages::invalidValue() + "@level";
    // clang-format on
}

void TestDamage::raisesBase()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, level);
    QFETCH(QString, expected);
    QCOMPARE(outcomeText(applyTrueshotLevel({"108", "145"}, level, locale)), expected);
}

QTEST_APPLESS_MAIN(TestDamage)
#include "test_damage.moc"
