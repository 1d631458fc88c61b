#include "core/damage.h"
#include "core/messages.h"

#include <QTest>

using namespace harmtally;

Q_DECLARE_METATYPE(harmtally::DamageInputs)

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);

QString outcomeText(const std::variant<WorkingValues, Refusal> &outcome)
{
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refusal->message;
    const WorkingValues &v = std::get<WorkingValues>(outcome);
    return QStringList{v.hitMin, v.hitMax, v.totalMin, v.totalMax}.join(u'|');
}

QString outcomeText(const std::variant<BaseFigures, Refusal> &outcome)
{
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refusal->message;
    return std::get<BaseFigures>(outcome).baseMin + u'|' + std::get<BaseFigures>(outcome).baseMax;
}
} // namespace

class TestDamage : public QObject {
    Q_OBJECT
private slots:
    void computes_data();
    void computes();
    void copiesInputsIntoWorkingValues();
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

    QTest::newRow("Rusted Dirk 30")
        << english << DamageInputs{"0", "1", "4", "30", "66", "10"} << "7|10|77|110";
    QTest::newRow("Rusted Dirk 33")
        << english << DamageInputs{"0", "1", "4", "33", "66", "10"} << "7.6|10.6|83.6|116.6";
    QTest::newRow("Goblin Blade") << english << DamageInputs{"53", "22", "31", "70", "60", "7"}
                                  << "25.4|34.4|177.8|240.8";
    QTest::newRow("Ancient Broad Axe+3")
        << english << DamageInputs{"590", "537", "813", "500", "31", "60"} << "519|795|16089|24645";
    QTest::newRow("Ashwood Longbow, wooden")
        << english << DamageInputs{"13", "6", "12", "23", "60", "10"} << "8|14|80|140";
    QTest::newRow("Elm Flatbow, pinpoint")
        << english << DamageInputs{"50", "19", "28", "57", "15", "7"} << "20.4|29.4|35.7|51.45";
    QTest::newRow("Elm Flatbow, below requirement")
        << english << DamageInputs{"50", "19", "28", "40", "15", "7"} << "17|26|29.75|45.5";
    QTest::newRow("Ashwood Flatbow, 15 digits")
        << english << DamageInputs{"0", "2", "4", "1", "50", "1"} << "2.2|4.2|1.83333333333333|3.5";
    QTest::newRow("totals use the rounded per-hit text")
        << english << DamageInputs{"13", "2", "2", "2", "60", "3"} << "-0.2|-0.2|-0.6|-0.6";
    QTest::newRow("strength 31") << english << DamageInputs{"0", "1", "4", "31", "66", "10"}
                                 << "7.2|10.2|79.2|112.2";
    QTest::newRow("Italian commas")
        << italian << DamageInputs{"0", "1", "4", "33", "66", "10"} << "7,6|10,6|83,6|116,6";
    QTest::newRow("Italian typed decimals")
        << italian << DamageInputs{"0", "1", "4", "30,5", "66", "0,5"} << "7,1|10,1|3,905|5,555";
    QTest::newRow("seconds 00") << english << DamageInputs{"0", "1", "4", "30", "66", "00"}
                                << "7|10|0|0";
    QTest::newRow("seconds with a blank")
        << english << DamageInputs{"0", "1", "4", "30", "60", " 5"} << "7|10|35|50";
    QTest::newRow("far below requirement")
        << english << DamageInputs{"590", "537", "813", "1", "31", "-2"}
        << "419.2|695.2|-433.173333333333|-718.373333333333";
    QTest::newRow("hits per minute unknown")
        << english << DamageInputs{"97", "32", "62", "100", "", "10"} << "32.6|62.6||";

    QTest::newRow("empty strength")
        << english << DamageInputs{"0", "1", "4", "", "66", "10"} << check;
    QTest::newRow("strength 0") << english << DamageInputs{"0", "1", "4", "0", "66", "10"} << check;
    QTest::newRow("empty seconds")
        << english << DamageInputs{"0", "1", "4", "30", "66", ""} << check;
    QTest::newRow("seconds 0") << english << DamageInputs{"0", "1", "4", "30", "66", "0"} << check;
    QTest::newRow("check before requirement")
        << english << DamageInputs{"", "7", "48", "0", "56", "10"} << check;
    QTest::newRow("letters") << english << DamageInputs{"0", "1", "4", "abc", "66", "10"}
                             << invalid;
    QTest::newRow("grouped seconds")
        << english << DamageInputs{"0", "1", "4", "30", "66", "1,000"} << invalid;
    QTest::newRow("nan") << english << DamageInputs{"0", "1", "4", "nan", "66", "10"} << invalid;
    QTest::newRow("unreadable before requirement")
        << english << DamageInputs{"", "7", "48", "x", "56", "10"} << invalid;
    QTest::newRow("requirement unknown") << english << DamageInputs{"", "7", "48", "60", "56", "10"}
                                         << messages::unknownRequirement();
    QTest::newRow("totals overflow")
        << english << DamageInputs{"0", "1", "4", "1e308", "66", "10"} << tooLarge;
    QTest::newRow("per-hit text past the double range")
        << english << DamageInputs{"0", "1.7976931348623157E+308", "4", "00", "66", "1"}
        << tooLarge;
}

void TestDamage::computes()
{
    QFETCH(QLocale, locale);
    QFETCH(DamageInputs, in);
    QFETCH(QString, expected);
    QCOMPARE(outcomeText(computeDamage(in, locale)), expected);
}

void TestDamage::copiesInputsIntoWorkingValues()
{
    const auto outcome = computeDamage({"13", "6", "12", "023", "60", "10"}, english);
    const WorkingValues &v = std::get<WorkingValues>(outcome);
    QCOMPARE(QStringList({v.weaponReq, v.baseMin, v.baseMax, v.castStrength}),
             QStringList({"13", "6", "12", "023"}));
}

void TestDamage::raisesBase_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("level"); // empty tag: a fixed bonus of 1 and 2 instead
    QTest::addColumn<QString>("expected");
    QTest::newRow("fixed bonus") << english << QString() << "109|147";
    QTest::newRow("level 25") << english << "25"
                              << "110.5|147.5";
    QTest::newRow("level 0") << english << "0"
                             << "108|145";
    QTest::newRow("negative level") << english << "-30"
                                    << "105|142";
    QTest::newRow("level 3, product first") << english << "3"
                                            << "108.3|145.3";
    QTest::newRow("Italian level") << italian << "2,5"
                                   << "108,25|145,25";
    QTest::newRow("empty level") << english << "" << messages::invalidValue();
    QTest::newRow("unreadable level") << english << "x" << messages::invalidValue();
}

void TestDamage::raisesBase()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, level);
    QFETCH(QString, expected);
    const BaseFigures base{"108", "145"};
    if (QByteArray(QTest::currentDataTag()) == "fixed bonus")
        QCOMPARE(outcomeText(addToBase(base, 1, 2, locale)), expected);
    else
        QCOMPARE(outcomeText(applyTrueshotLevel(base, level, locale)), expected);
}

QTEST_APPLESS_MAIN(TestDamage)
#include "test_damage.moc"
