#include "core/numbers.h"

#include <QTest>

using harmtally::number;
using harmtally::text;

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);
} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void readsAccepted_data();
    void readsAccepted();
    void refuses_data();
    void refuses();
    void writes_data();
    void writes();
};

void TestNumbers::readsAccepted_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("t");
    QTest::addColumn<double>("expected");
    QTest::newRow("en blanks around") << english << "  5 " << 5.0;
    QTest::newRow("en zero with decimals") << english << "0.0" << 0.0;
    QTest::newRow("en signs") << english << "-5" << -5.0;
    QTest::newRow("en bare point") << english << ".5" << 0.5;
    QTest::newRow("en trailing point") << english << "5." << 5.0;
    QTest::newRow("en exponent") << english << "1E+16" << 1e16;
    QTest::newRow("en underflow reads zero") << english << "1e-400" << 0.0;
    QTest::newRow("en underflow by digits")
        << english << "0." + QString(400, u'0') + "1e+10" << 0.0;
    QTest::newRow("it comma") << italian << "7,6" << 7.6;
    QTest::newRow("it negative exponent") << italian << "-2,5E-3" << -0.0025;
}

void TestNumbers::readsAccepted()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, t);
    QFETCH(double, expected);
    const auto value = number(t, locale);
    QVERIFY(value.has_value());
    QCOMPARE(*value, expected);
}

void TestNumbers::refuses_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("t");
    QTest::newRow("empty") << english << "";
    QTest::newRow("letters") << english << "abc";
    QTest::newRow("inf") << english << "inf";
    QTest::newRow("nan") << english << "nan";
    QTest::newRow("hex") << english << "0x10";
    QTest::newRow("en grouping") << english << "1,000";
    QTest::newRow("it grouping") << italian << "1.000";
    QTest::newRow("it point is not its separator") << italian << "7.6";
    QTest::newRow("two separators") << english << "1.2.3";
    QTest::newRow("sign only") << english << "-";
    QTest::newRow("point only") << english << ".";
    QTest::newRow("exponent without digits") << english << "1e";
    QTest::newRow("blank inside") << english << "1 000";
    QTest::newRow("overflow") << english << "1e309";
    QTest::newRow("long digit string") << english << QString(400, u'9');
    QTest::newRow("non-ASCII digits") << english << QString::fromUtf8("\u0661\u0662");
}

void TestNumbers::refuses()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, t);
    QVERIFY(!number(t, locale).has_value());
}

void TestNumbers::writes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer") << english << 16089.0 << "16089";
    QTest::newRow("no grouping in Italian") << italian << 16089.0 << "16089";
    QTest::newRow("comma in Italian") << italian << 7.6 << "7,6";
    QTest::newRow("15 digits") << english << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("negative rounding") << english << -0.6000000000000001 << "-0.6";
    QTest::newRow("negative zero") << english << -0.0 << "0";
    QTest::newRow("1E+15") << english << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent form") << english << 999999999999999.9 << "1E+15";
    QTest::newRow("1E-04 stays fixed") << english << 1e-4 << "0.0001";
    QTest::newRow("1E-05") << english << 1e-5 << "1E-05";
    QTest::newRow("exponent with comma") << italian << 1.5e-7 << "1,5E-07";
    QTest::newRow("three-digit exponent") << english << 1e300 << "1E+300";
}

void TestNumbers::writes()
{
    QFETCH(QLocale, locale);
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(text(x, locale), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
