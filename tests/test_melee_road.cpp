#include "main_window/messages.h"
#include "support.h"

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

class TestMeleeRoad : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void walksTheRoad_data();
    void walksTheRoad();
    void missingFiguresLeaveNothingStale_data();
    void missingFiguresLeaveNothingStale();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void resultsWaitForCalcola();
    void exitClosesTheWindow();

private:
    Recorder recorder_;
    std::unique_ptr<Form1> form_;
};

void TestMeleeRoad::init()
{
    recorder_.messages.clear();
    form_ = std::make_unique<Form1>(recorder_.sink());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestMeleeRoad::cleanup() { form_.reset(); }

void TestMeleeRoad::walksTheRoad_data()
{
    QTest::addColumn<QString>("weapon");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QStringList>("figures"); // Mindmg, Maxdmg, Text1, Text5
    QTest::addColumn<QStringList>("results"); // Text3, Text4, Text7, Text8

    QTest::newRow("Rusted Dirk") << "Rusted Dirk"
                                 << "30"
                                 << "10" << QStringList{"1", "4", "0", "66"}
                                 << QStringList{"7", "10", "77", "110"};
    QTest::newRow("Rusted Dirk 33")
        << "Rusted Dirk"
        << "33"
        << "10" << QStringList{"1", "4", "0", "66"} << QStringList{"7.6", "10.6", "83.6", "116.6"};
    QTest::newRow("Goblin Blade") << "Goblin Blade"
                                  << "70"
                                  << "7" << QStringList{"22", "31", "53", "60"}
                                  << QStringList{"25.4", "34.4", "177.8", "240.8"};
    QTest::newRow("Ancient Broad Axe+3") << "Ancient Broad Axe+3"
                                         << "500"
                                         << "60" << QStringList{"537", "813", "590", "31"}
                                         << QStringList{"519", "795", "16089", "24645"};
    QTest::newRow("typed name without an item")
        << "Skaven Knife"
        << "5"
        << "07" << QStringList{"1", "1", "0", "60"} << QStringList{"2", "2", "14", "14"};
    QTest::newRow("trailing blank belongs to the name")
        << "Darkthorn "
        << "44"
        << "1" << QStringList{"14", "25", "44", "60"} << QStringList{"14", "25", "14", "25"};
}

void TestMeleeRoad::walksTheRoad()
{
    QFETCH(QString, weapon);
    QFETCH(QString, strength);
    QFETCH(QString, seconds);
    QFETCH(QStringList, figures);
    QFETCH(QStringList, results);
    const Form1 &form = *form_;

    type(form, Combo1, weapon);
    press(form, Command1);
    QCOMPARE(QStringList({textOf(form, Mindmg), textOf(form, Maxdmg), textOf(form, Text1),
                          textOf(form, Text5)}),
             figures);
    QVERIFY(form.control(Command1)->isHidden());
    QVERIFY(!form.control(Combo1)->isEnabled());

    type(form, Text2, strength);
    type(form, Text6, seconds);
    press(form, Command2);
    QCOMPARE(textOf(form, Label10), "per " + seconds + " sec.");
    QCOMPARE(textOf(form, Label11), "per " + seconds + " sec.");
    QVERIFY(!form.control(Command3)->isHidden());
    QVERIFY(textOf(form, Text3).isEmpty()); // shown, but empty until Calcola

    press(form, Command3);
    QCOMPARE(QStringList({textOf(form, Text3), textOf(form, Text4), textOf(form, Text7),
                          textOf(form, Text8)}),
             results);
    QVERIFY(form.control(Command2)->isHidden());
    QVERIFY(form.control(Command3)->isHidden());
    QVERIFY(!form.control(Command1)->isHidden());
    QVERIFY(form.control(Combo1)->isEnabled());
    QCOMPARE(textOf(form, Combo1), weapon);
    QCOMPARE(textOf(form, Text2), strength);
    QVERIFY(recorder_.messages.isEmpty());
}

void TestMeleeRoad::missingFiguresLeaveNothingStale_data()
{
    QTest::addColumn<QString>("weapon");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("message"); // what Command2 then says, or empty
    QTest::addColumn<QString>("results"); // Text3|Text4|Text7|Text8 after Calcola
    QTest::newRow("Chaotic Sword") << "Chaotic Sword" << QStringList{"7", "48", "", "56"}
                                   << messages::unknownRequirement() << "";
    QTest::newRow("Shadow Blade") << "Shadow Blade" << QStringList{"31", "43", "", "60"}
                                  << messages::unknownRequirement() << "";
    QTest::newRow("Goblin Slayer")
        << "Goblin Slayer" << QStringList{"32", "62", "97", ""} << QString() << "32.6|62.6||";
}

// Each weapon follows Rusted Dirk, whose figures must not survive into the new weapon's boxes.
void TestMeleeRoad::missingFiguresLeaveNothingStale()
{
    QFETCH(QString, weapon);
    QFETCH(QStringList, figures);
    QFETCH(QString, message);
    QFETCH(QString, results);
    const Form1 &form = *form_;
    type(form, Combo1, "Rusted Dirk");
    press(form, Command1);
    type(form, Text2, "100");
    type(form, Text6, "10");
    press(form, Command2);
    press(form, Command3);

    type(form, Combo1, weapon);
    press(form, Command1);
    QCOMPARE(QStringList({textOf(form, Mindmg), textOf(form, Maxdmg), textOf(form, Text1),
                          textOf(form, Text5)}),
             figures);
    QVERIFY(!form.control(Combo1)->isEnabled());
    const QStringList before = snapshot(form);
    press(form, Command2);
    if (!message.isEmpty()) {
        QCOMPARE(recorder_.messages, QStringList{message});
        QCOMPARE(snapshot(form), before);
        return;
    }
    press(form, Command3);
    QCOMPARE(QStringList({textOf(form, Text3), textOf(form, Text4), textOf(form, Text7),
                          textOf(form, Text8)})
                 .join(u'|'),
             results);
}

void TestMeleeRoad::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("weapon"); // empty: stop after a passed Command2
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("message");
    const QString check = messages::strengthOrSecondsMissing();
    QTest::newRow("designed field text") << "Armi"
                                         << ""
                                         << "" << messages::weaponNotFound();
    QTest::newRow("letter case") << "bo"
                                 << ""
                                 << "" << messages::weaponNotFound();
    QTest::newRow("leading blank") << " Bo"
                                   << ""
                                   << "" << messages::weaponNotFound();
    QTest::newRow("missing trailing blank") << "Darkthorn"
                                            << ""
                                            << "" << messages::weaponNotFound();
    QTest::newRow("empty name") << ""
                                << ""
                                << "" << messages::weaponNotFound();
    QTest::newRow("empty strength") << QString() << ""
                                    << "10" << check;
    QTest::newRow("seconds 0") << QString() << "30"
                               << "0" << check;
    QTest::newRow("letters") << QString() << "forte"
                             << "10" << messages::invalidValue();
    QTest::newRow("too large") << QString() << "1e308"
                               << "1e308" << messages::resultTooLarge();
}

// A refusal after a passed computation keeps the stored results and Command3 on view.
void TestMeleeRoad::refusalsChangeNothing()
{
    QFETCH(QString, weapon);
    QFETCH(QString, strength);
    QFETCH(QString, seconds);
    QFETCH(QString, message);
    const Form1 &form = *form_;
    if (weapon.isNull()) {
        type(form, Combo1, "Goblin Blade");
        press(form, Command1);
        type(form, Text2, "70");
        type(form, Text6, "7");
        press(form, Command2);
        type(form, Text2, strength);
        type(form, Text6, seconds);
    } else {
        type(form, Combo1, weapon);
    }
    const QStringList before = snapshot(form);
    press(form, weapon.isNull() ? Command2 : Command1);
    QCOMPARE(recorder_.messages, QStringList{message});
    QCOMPARE(snapshot(form), before);
    if (weapon.isNull()) {
        press(form, Command3);
        QCOMPARE(textOf(form, Text7), QString("177.8"));
    }
}

void TestMeleeRoad::resultsWaitForCalcola()
{
    const Form1 &form = *form_;
    type(form, Combo1, "Rusted Dirk");
    press(form, Command1);
    type(form, Text2, "30");
    type(form, Text6, "10");
    press(form, Command2);
    type(form, Text6, "20");
    press(form, Command3);
    QCOMPARE(textOf(form, Text7), QString("77"));
    QCOMPARE(textOf(form, Label10), QString("per 10 sec."));

    // The next weapon leaves the old results on view until its own Calcola.
    type(form, Combo1, "Bo");
    press(form, Command1);
    QCOMPARE(textOf(form, Text7), QString("77"));
}

void TestMeleeRoad::exitClosesTheWindow()
{
    press(*form_, Command4);
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(TestMeleeRoad)
#include "test_melee_road.moc"
