#include "main_window/messages.h"
#include "support.h"
#include "windows/mode.h"

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

class TestBowRoad : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void walksTheRoad_data();
    void walksTheRoad();
    void recomputingAddsTheBonusOnce();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();

private:
    // Bow, arrow kind and, for the Trueshot Quiver, the level: up to Ready to compute.
    void chooseBowAndArrows(const QString &bow, const QString &arrows, const QString &level = {});

    Recorder recorder_;
    std::unique_ptr<Form1> form_;
};

void TestBowRoad::init()
{
    recorder_.messages.clear();
    form_ = std::make_unique<Form1>(recorder_.sink());
    applyMode(*form_, Mode::Bow);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestBowRoad::cleanup() { form_.reset(); }

void TestBowRoad::chooseBowAndArrows(const QString &bow, const QString &arrows,
                                     const QString &level)
{
    type(*form_, combo2, bow);
    press(*form_, Command7);
    type(*form_, combo3, arrows);
    press(*form_, Command8);
    if (!level.isNull()) {
        type(*form_, Text9, level);
        press(*form_, Command9);
    }
}

void TestBowRoad::walksTheRoad_data()
{
    QTest::addColumn<QString>("bow");
    QTest::addColumn<QString>("arrows");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("base"); // Mindmg|Maxdmg|Text1|Text5 before Compute
    QTest::addColumn<QString>("results");
    QTest::newRow("Ashwood Longbow") << "Ashwood Longbow"
                                     << "Wooden Arrows" << QString() << "23"
                                     << "10"
                                     << "6|12|13|60"
                                     << "8|14|80|140";
    QTest::newRow("Elm Flatbow") << "Elm Flatbow"
                                 << "Pinpoint Arrows" << QString() << "57"
                                 << "7"
                                 << "19|28|50|15"
                                 << "20.4|29.4|35.7|51.45";
    QTest::newRow("below requirement") << "Elm Flatbow"
                                       << "Pinpoint Arrows" << QString() << "40"
                                       << "7"
                                       << "19|28|50|15"
                                       << "17|26|29.75|45.5";
    QTest::newRow("Ashwood Flatbow") << "Ashwood Flatbow"
                                     << "Wooden Arrows" << QString() << "1"
                                     << "1"
                                     << "2|4|0|50"
                                     << "2.2|4.2|1.83333333333333|3.5";
    QTest::newRow("negative per-hit") << "Ashwood Longbow"
                                      << "Wooden Arrows" << QString() << "-27"
                                      << "3"
                                      << "6|12|13|60"
                                      << "-2|4|-6|12";
    QTest::newRow("Trueshot level 25") << "Oak Longbow"
                                       << "Trueshot Quiver"
                                       << "25"
                                       << "36"
                                       << "60"
                                       << "110.5|147.5|36|60"
                                       << "110.5|147.5|6630|8850";
    QTest::newRow("Trueshot level 0") << "Oak Longbow"
                                      << "Trueshot Quiver"
                                      << "0"
                                      << "36"
                                      << "1"
                                      << "108|145|36|60"
                                      << "108|145|108|145";
    QTest::newRow("negative level") << "Oak Longbow"
                                    << "Trueshot Quiver"
                                    << "-10"
                                    << "36"
                                    << "1"
                                    << "107|144|36|60"
                                    << "107|144|107|144";
    QTest::newRow("Quiver of Stability") << "Bow of the Spiders"
                                         << "Quiver of Stability" << QString() << "32"
                                         << "07"
                                         << "96|125|32|60"
                                         << "96|125|672|875";
}

void TestBowRoad::walksTheRoad()
{
    QFETCH(QString, bow);
    QFETCH(QString, arrows);
    QFETCH(QString, level);
    QFETCH(QString, strength);
    QFETCH(QString, seconds);
    QFETCH(QString, base);
    QFETCH(QString, results);
    const Form1 &form = *form_;
    const auto joined = [&](std::initializer_list<Form1Control> ids) {
        QStringList texts;
        for (Form1Control id : ids)
            texts << textOf(form, id);
        return texts.join(u'|');
    };

    chooseBowAndArrows(bow, arrows, level);
    QCOMPARE(joined({Mindmg, Maxdmg, Text1, Text5}), base);
    QVERIFY(form.control(Text9)->isHidden());
    type(form, Text2, strength);
    type(form, Text6, seconds);
    press(form, Command2archi);
    QCOMPARE(textOf(form, Label11), "per " + seconds + " sec.");
    press(form, calcolaarchi);
    QCOMPARE(joined({Text3, Text4, Text7, Text8}), results);
    QVERIFY(recorder_.messages.isEmpty());

    // Back at Ready, with the results and base figures on view.
    for (Form1Control id : {combo3, Command8, calcolaarchi, Command2archi, Command9})
        QVERIFY2(form.control(id)->isHidden(), qPrintable(form.control(id)->objectName()));
    for (Form1Control id : {combo2, Command7, combo3, Command8, Command9})
        QVERIFY2(form.control(id)->isEnabled(), qPrintable(form.control(id)->objectName()));
    QCOMPARE(joined({Mindmg, Maxdmg}), base.section(u'|', 0, 1));
}

void TestBowRoad::recomputingAddsTheBonusOnce()
{
    const Form1 &form = *form_;
    chooseBowAndArrows("Ashwood Longbow", "Wooden Arrows");
    type(form, Text2, "23");
    type(form, Text6, "10");
    press(form, Command2archi);
    press(form, Command2archi);
    press(form, calcolaarchi);
    QCOMPARE(textOf(form, Text3), QString("8"));

    // The next bow starts again from the catalogue's figures.
    chooseBowAndArrows("Ashwood Longbow", "Wooden Arrows");
    QCOMPARE(textOf(form, Mindmg), QString("6"));
}

void TestBowRoad::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("bow");
    QTest::addColumn<QString>("arrows"); // null: stop before
    QTest::addColumn<QString>("level");  // null: stop before
    QTest::addColumn<Form1Control>("button");
    QTest::addColumn<QString>("message");
    const QString noBow = messages::bowNotFound();
    QTest::newRow("designed field text") << "Archi" << QString() << QString() << Command7 << noBow;
    QTest::newRow("item without a row")
        << "Ashwood Reflex Bow+3" << QString() << QString() << Command7 << noBow;
    QTest::newRow("lower case") << "elm flatbow" << QString() << QString() << Command7 << noBow;
    QTest::newRow("double blank") << "Elm  Flatbow" << QString() << QString() << Command7 << noBow;
    QTest::newRow("arrow field text")
        << "Elm Flatbow"
        << "Frecce" << QString() << Command8 << messages::arrowKindNotFound();
    QTest::newRow("empty level") << "Elm Flatbow"
                                 << "Trueshot Quiver"
                                 << "" << Command9 << messages::invalidValue();
    QTest::newRow("letters for level") << "Elm Flatbow"
                                       << "Trueshot Quiver"
                                       << "dieci" << Command9 << messages::invalidValue();
    QTest::newRow("strength 0") << "Elm Flatbow"
                                << "Wooden Arrows" << QString() << Command2archi
                                << messages::strengthOrSecondsMissing();
}

void TestBowRoad::refusalsChangeNothing()
{
    QFETCH(QString, bow);
    QFETCH(QString, arrows);
    QFETCH(QString, level);
    QFETCH(Form1Control, button);
    QFETCH(QString, message);
    const Form1 &form = *form_;
    type(form, combo2, bow);
    if (!arrows.isNull()) {
        press(form, Command7);
        type(form, combo3, arrows);
    }
    if (!level.isNull()) {
        press(form, Command8);
        type(form, Text9, level);
    }
    if (button == Command2archi) {
        press(form, Command8);
        type(form, Text2, "0");
        type(form, Text6, "5");
    }
    const QStringList before = snapshot(form);
    press(form, button);
    QCOMPARE(recorder_.messages, QStringList{message});
    QCOMPARE(snapshot(form), before);
}

QTEST_MAIN(TestBowRoad)
#include "test_bow_road.moc"
