#include "main_window/messages.h"
#include "support.h"
#include "windows/mode.h"

#include <QRegularExpression>

#include <map>

using namespace harmtally;
using namespace harmtally::testing;

namespace {

const std::map<QString, QString> kMessages
    = {{"weapon", messages::weaponNotFound()},   {"bow", messages::bowNotFound()},
       {"arrow", messages::arrowKindNotFound()}, {"check", messages::strengthOrSecondsMissing()},
       {"invalid", messages::invalidValue()},    {"requirement", messages::unknownRequirement()},
       {"large", messages::resultTooLarge()}};

// The melee road to its display button, for a weapon, strength and seconds.
QStringList melee(const QString &weapon, const QString &strength, const QString &seconds)
{
    return {"Combo1=" + weapon, "Command1", "Text2=" + strength, "Text6=" + seconds, "Command2"};
}

// The bow road up to its compute button.
QStringList bow(const QString &name, const QString &arrows, const QString &level = {})
{
    QStringList steps{"bow mode", "combo2=" + name, "Command7", "combo3=" + arrows, "Command8"};
    if (!level.isNull())
        steps << "Text9=" + level << "Command9";
    return steps;
}

} // namespace

// Both roads walked through the real widgets, as a list of steps a player takes:
//   "Name=text" types into a box or a pick-list's field; "Name" presses a button;
//   "Name?text" expects a text; "Name:hidden", ":shown", ":enabled", ":disabled" expect a state;
//   "Name!kind" presses a button that must refuse with that message and change nothing;
//   "bow mode" and "melee mode" switch modes as the language and mode window does.
class TestRoads : public QObject {
    Q_OBJECT
private slots:
    void walks_data();
    void walks();
};

void TestRoads::walks_data()
{
    QTest::addColumn<QStringList>("steps");
    const QStringList display{"Command3"};
    const QStringList bowDisplay{"Command2archi", "calcolaarchi"};

    QTest::newRow("Rusted Dirk, fractional")
        << QStringList{"Combo1=Rusted Dirk", "Command1",        "Mindmg?1",
                       "Maxdmg?4",           "Text1?0",         "Text5?66",
                       "Command1:hidden",    "Combo1:disabled", "Text2=33",
                       "Text6=10",           "Command2",        "Label10?per 10 sec.",
                       "Text3:shown",        "Text3?",          "Command3",
                       "Text3?7.6",          "Text4?10.6",      "Text7?83.6",
                       "Text8?116.6",        "Command1:shown",  "Combo1:enabled",
                       "Command2:hidden",    "Command3:hidden", "Combo1?Rusted Dirk"};
    QTest::newRow("Ancient Broad Axe+3") << melee("Ancient Broad Axe+3", "500", "60") + display
                                                + QStringList{"Text7?16089", "Text8?24645"};
    QTest::newRow("typed name without an item")
        << melee("Skaven Knife", "5", " 07") + display
               + QStringList{"Text5?60", "Label11?per  07 sec.", "Text7?14"};
    QTest::newRow("trailing blank belongs to the name") << QStringList{
        "Combo1=Darkthorn", "Command1!weapon", "Combo1=Darkthorn ", "Command1", "Text1?44"};
    QTest::newRow("no stale requirement")
        << melee("Rusted Dirk", "30", "10") + display
               + QStringList{"Combo1=Shadow Blade", "Command1", "Text1?", "Command2!requirement",
                             "Combo1:disabled"};
    QTest::newRow("no stale hits per minute")
        << melee("Rusted Dirk", "30", "10") + display + melee("Goblin Slayer", "100", "10")
               + display + QStringList{"Text5?", "Text3?32.6", "Text7?"};
    QTest::newRow("results wait for Calcola")
        << melee("Rusted Dirk", "30", "10")
               + QStringList{"Text6=20",  "Command3", "Text7?77", "Label10?per 10 sec.",
                             "Combo1=Bo", "Command1", "Text7?77"};
    QTest::newRow("melee refusals") << QStringList{
        "Command1!weapon", "Combo1=bo",      "Command1!weapon",  "Combo1= Bo",
        "Command1!weapon", "Combo1=",        "Command1!weapon",  "Combo1=Goblin Blade",
        "Command1",        "Command2!check", "Text2=forte",      "Text6=0",
        "Command2!check",  "Text6=7",        "Command2!invalid", "Text2=1e308",
        "Text6=1e308",     "Command2!large", "Text2=70",         "Text6=7",
        "Command2",        "Text2=",         "Command2!check",   "Command3",
        "Text7?177.8"};

    QTest::newRow("Ashwood Longbow")
        << bow("Ashwood Longbow", "Wooden Arrows")
               + QStringList{"Mindmg?6", "Maxdmg?12", "Text2=23", "Text6=10"} + bowDisplay
               + QStringList{"Text3?8", "Text8?140"};
    QTest::newRow("Elm Flatbow") << bow("Elm Flatbow", "Pinpoint Arrows")
                                        + QStringList{"Text1?50", "Text5?15", "Text2=57", "Text6=7"}
                                        + bowDisplay + QStringList{"Text7?35.7", "Text8?51.45"};
    QTest::newRow("Ashwood Flatbow, 15 digits")
        << bow("Ashwood Flatbow", "Wooden Arrows") + QStringList{"Text2=1", "Text6=1"} + bowDisplay
               + QStringList{"Text3?2.2", "Text7?1.83333333333333", "Text8?3.5"};
    QTest::newRow("Trueshot level 25")
        << bow("Oak Longbow", "Trueshot Quiver", "25")
               + QStringList{"Mindmg?110.5", "Maxdmg?147.5", "Text9:hidden", "Command9:disabled"};
    QTest::newRow("Trueshot level 0 and negative")
        << bow("Oak Longbow", "Trueshot Quiver", "0")
               + QStringList{"Mindmg?108", "Text2=36", "Text6=1"} + bowDisplay
               + bow("Oak Longbow", "Trueshot Quiver", "-10") + QStringList{"Maxdmg?144"};
    QTest::newRow("bonus added once")
        << bow("Ashwood Longbow", "Wooden Arrows")
               + QStringList{"Text2=23",        "Text6=10",         "Command2archi",
                             "Command2archi",   "calcolaarchi",     "Text3?8",
                             "combo3:hidden",   "Command8:enabled", "combo2:enabled",
                             "Command9:hidden", "Command9:enabled"}
               + bow("Ashwood Longbow", "Wooden Arrows") + QStringList{"Mindmg?6"};
    QTest::newRow("mode switch mid melee road")
        << melee("Rusted Dirk", "30", "10") + QStringList{"bow mode",        "Command2:hidden",
                                                          "Combo1:hidden",   "combo2:shown",
                                                          "Label6:shown",    "melee mode",
                                                          "Command1:shown",  "Combo1:enabled",
                                                          "Command2:hidden", "Mindmg?1"};
    QTest::newRow("bow road interrupted, walked again")
        << bow("Oak Longbow", "Trueshot Quiver")
               + QStringList{"melee mode", "Text9:hidden", "Combo1:enabled", "Mindmg?108"}
               + bow("Oak Longbow", "Wooden Arrows")
               + QStringList{"Text2=30", "Text6=10", "Command2archi", "calcolaarchi",
                             "Text3?107.8"};
    QTest::newRow("bow refusals") << QStringList{"bow mode",
                                                 "Command7!bow",
                                                 "combo2=Ashwood Reflex Bow+3",
                                                 "Command7!bow",
                                                 "combo2=elm flatbow",
                                                 "Command7!bow",
                                                 "combo2=Elm  Flatbow",
                                                 "Command7!bow",
                                                 "combo2=Elm Flatbow",
                                                 "Command7",
                                                 "Command8!arrow",
                                                 "combo3=Trueshot Quiver",
                                                 "Command8",
                                                 "Command9!invalid",
                                                 "Text9=dieci",
                                                 "Command9!invalid",
                                                 "Text9=10",
                                                 "Command9",
                                                 "Text2=0",
                                                 "Text6=5",
                                                 "Command2archi!check"};
}

void TestRoads::walks()
{
    QFETCH(QStringList, steps);
    Recorder recorder;
    Form1 form(recorder.sink());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (const QString &step : steps) {
        if (step.endsWith(u" mode")) {
            applyMode(form, step == u"bow mode" ? Mode::Bow : Mode::Melee);
            continue;
        }
        const qsizetype mark = step.indexOf(QRegularExpression("[=?:!]"));
        QWidget *widget = form.findChild<QWidget *>(step.left(mark));
        QVERIFY2(widget, qPrintable(step));
        const QChar op = mark < 0 ? QChar() : step[mark];
        const QString arg = step.mid(mark + 1);
        const QStringList before = snapshot(form);
        const qsizetype told = recorder.messages.size();
        if (op == u'=') {
            type(widget, arg);
        } else if (op == u'?') {
            QVERIFY2(captionOf(widget) == arg, qPrintable(step + ", reads " + captionOf(widget)));
        } else if (op == u':') {
            const bool holds = arg == u"hidden"    ? widget->isHidden()
                               : arg == u"shown"   ? !widget->isHidden()
                               : arg == u"enabled" ? widget->isEnabled()
                                                   : !widget->isEnabled();
            QVERIFY2(holds, qPrintable(step));
        } else {
            press(widget);
            const QStringList said = recorder.messages.mid(told);
            QVERIFY2(said == (op == u'!' ? QStringList{kMessages.at(arg)} : QStringList()),
                     qPrintable(step + ": " + said.join(u'|')));
            if (op == u'!')
                QVERIFY2(snapshot(form) == before, qPrintable(step + " changed the window"));
        }
    }
}

QTEST_MAIN(TestRoads)
#include "test_roads.moc"
