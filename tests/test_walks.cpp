#include "core/messages.h"
#include "support.h"
#include "texts/language_texts.h"

#include <QRegularExpression>

using namespace harmtally;
using namespace harmtally::testing;

namespace {

const std::map<QString, QString> kMessages
    = {{"weapon", messages::weaponNotFound()},   {"bow", messages::bowNotFound()},
       {"arrow", messages::arrowKindNotFound()}, {"check", messages::strengthOrSecondsMissing()},
       {"invalid", messages::invalidValue()},    {"requirement", messages::unknownRequirement()},
       {"large", messages::resultTooLarge()}};

// A walk written as the player's steps separated by ';' (see TestWalks); blanks are kept.
QStringList steps(const QString &walk) { return walk.split(u';', Qt::SkipEmptyParts); }

// What the first computation of a run reveals besides its display button.
QString revealed(const QString &seconds)
{
    return "Label10?per " + seconds + " sec.;Label11?per " + seconds
           + " sec.;Label6:shown;Label7:shown;Label10:shown;Label11:shown;Label12:shown;"
             "Label13:shown;Text3:shown;Text4:shown;Text7:shown;Text8:shown;";
}
// The melee road from the start of a run to its display button, every change declared.
QString melee(const QString &weapon, const QString &figures, const QString &strength,
              const QString &seconds)
{
    return "Combo1=" + weapon + ";Command1;" + figures
           + ";Command1:hidden;Command2:shown;Combo1:disabled;Text2=" + strength
           + ";Text6=" + seconds + ";Command2;Command3:shown;" + revealed(seconds);
}
const QString kDisplay = "Command3;Command1:shown;Command2:hidden;Command3:hidden;Combo1:enabled;";

const QString kBowMode = "bow mode;Combo1:hidden;Command1:hidden;combo2:shown;Command7:shown;";
// The bow road from a bow to its compute button (not pressed), every change declared.
QString bow(const QString &name, const QString &figures, const QString &arrows,
            const QString &raised)
{
    return "combo2=" + name + ";Command7;" + figures
           + ";combo2:disabled;Command7:disabled;combo3:shown;Command8:shown;combo3=" + arrows
           + ";Command8;combo3:disabled;Command8:disabled;" + raised + ";";
}
const QString kBowDisplay = "calcolaarchi;combo2:enabled;combo3:enabled;combo3:hidden;"
                            "Command8:hidden;Command8:enabled;Command7:enabled;"
                            "calcolaarchi:hidden;Command2archi:hidden;";

// The rows of the text table that the main window and the language window write, as changes.
QStringList inLanguage(Language language)
{
    QStringList changes;
    for (const TextRow &row : kTextTable) {
        if (const auto *id = std::get_if<Form1Control>(&row.target))
            changes << QString(kForm1Controls[std::size_t(*id) - 1].name) + u'?'
                           + row.text.in(language);
        else if (const auto *id = std::get_if<Form4Control>(&row.target))
            changes << QString("Form4.") + kOptionsControls[std::size_t(*id) - 1].name + u'?'
                           + row.text.in(language);
    }
    return changes;
}

} // namespace

// Both roads and the language and mode window walked through the real widgets, as a list of a
// player's actions, each followed by every change it must make to the windows, and by nothing
// else:
//   "Name=text" types into a box or a pick-list's field (declaring the new text itself);
//   "Name" presses a button of the main window, "Form4.Name" one of the language window;
//   "Name!kind" presses a button that must refuse with that message;
//   "bow mode" and "melee mode" switch modes as the language and mode window reports them;
//   "English" and "Italian", after an action, declare the language's rows of the text table;
//   any other change is declared as expect() reads it; "focus?Name" says where the focus goes.
class TestWalks : public QObject {
    Q_OBJECT
private slots:
    void walks_data();
    void walks();
    void cleanup() { QCOMPARE(windowsLeft(), QStringList()); }
};

void TestWalks::walks_data()
{
    QTest::addColumn<QStringList>("steps");
    const QString dirk = "Mindmg?1;Maxdmg?4;Text1?0;Text5?66";
    const auto row
        = [](const char *name, const QString &walk) { QTest::newRow(name) << steps(walk); };
    // clang-format off
    row("Rusted Dirk, fractional", melee("Rusted Dirk", dirk, "33", "10") + kDisplay
        + "Text3?7.6;Text4?10.6;Text7?83.6;Text8?116.6;focus?Combo1");
    row("Ancient Broad Axe+3", melee("Ancient Broad Axe+3", "Mindmg?537;Maxdmg?813;Text1?590;Text5?31;focus?Text2", "500", "60")
        + kDisplay + "Text3?519;Text4?795;Text7?16089;Text8?24645");
    row("typed name without an item", melee("Skaven Knife", "Mindmg?1;Maxdmg?1;Text1?0;Text5?60", "5", " 07")
        + kDisplay + "Text3?2;Text4?2;Text7?14;Text8?14");
    row("trailing blank belongs to the name", "Combo1=Darkthorn;Command1!weapon;Combo1=Darkthorn ;Command1;"
        "Mindmg?14;Maxdmg?25;Text1?44;Text5?60;Command1:hidden;Command2:shown;Combo1:disabled");
    // Without a requirement the road goes back to the choice of weapon, figures left on view.
    row("requirement unknown, no stale figure", melee("Rusted Dirk", dirk, "30", "10") + kDisplay
        + "Text3?7;Text4?10;Text7?77;Text8?110;Combo1=Shadow Blade;Command1;Mindmg?31;Maxdmg?43;Text1?;"
          "Text5?60;Command1:hidden;Command2:shown;Combo1:disabled;"
          "Command2!requirement;Command2:hidden;Command1:shown;Combo1:enabled;focus?Combo1");
    row("no stale hits per minute", melee("Goblin Slayer", "Mindmg?32;Maxdmg?62;Text1?97", "100", "10")
        + kDisplay + "Text3?32.6;Text4?62.6");
    row("results wait for Calcola", melee("Rusted Dirk", dirk, "30", "10") + "Text6=20;Text2=1;"
        + kDisplay + "Text3?7;Text4?10;Text7?77;Text8?110");
    row("melee refusals", "Command1!weapon;Combo1=bo;Command1!weapon;Combo1= Bo;Command1!weapon;Combo1=;"
        "Command1!weapon;Combo1=Goblin Blade;Command1;Mindmg?22;Maxdmg?31;Text1?53;Text5?60;"
        "Command1:hidden;Command2:shown;Combo1:disabled;Command2!check;Text2=forte;Text6=0;Command2!check;"
        "Text6=7;Command2!invalid;Text2=1e308;Text6=1e308;Command2!large;Text2=" + QString(40000, u'0')
        + "70;Text6=7;Command2;Command3:shown;" + revealed("7") + kDisplay
        + "Text3?25.4;Text4?34.4;Text7?177.8;Text8?240.8");

    const QString bowCompute = "Command2archi;calcolaarchi:shown;";
    row("Ashwood Longbow", kBowMode + bow("Ashwood Longbow", "Mindmg?5;Maxdmg?11;Text1?13;Text5?60;focus?combo3",
        "Wooden Arrows", "Mindmg?6;Maxdmg?12;Command2archi:shown;focus?Text2") + "Text2=23;Text6=10;"
        + bowCompute + revealed("10") + kBowDisplay + "Text3?8;Text4?14;Text7?80;Text8?140;focus?combo2");
    row("Elm Flatbow, computed twice, bonus added once", kBowMode + bow("Elm Flatbow", "Mindmg?18;Maxdmg?26;Text1?50;Text5?15",
        "Pinpoint Arrows", "Mindmg?19;Maxdmg?28;Command2archi:shown") + "Text2=57;Text6=7;" + bowCompute
        + revealed("7") + "Command2archi;" + kBowDisplay + "Text3?20.4;Text4?29.4;Text7?35.7;Text8?51.45");
    row("Ashwood Flatbow, 15 digits", kBowMode + bow("Ashwood Flatbow", "Mindmg?1;Maxdmg?3;Text1?0;Text5?50",
        "Wooden Arrows", "Mindmg?2;Maxdmg?4;Command2archi:shown") + "Text2=1;Text6=1;" + bowCompute
        + revealed("1") + kBowDisplay + "Text3?2.2;Text4?4.2;Text7?1.83333333333333;Text8?3.5");
    const QString oak = kBowMode + bow("Oak Longbow", "Mindmg?108;Maxdmg?145;Text1?36;Text5?60", "Trueshot Quiver",
        "Command9:shown;Label14:shown;Text9:shown;focus?Text9");
    const QString level = ";Command9;Command9:disabled;Command9:hidden;Label14:hidden;Text9:hidden;"
                          "Command2archi:shown;focus?Text2;";
    row("Trueshot level 25, then a mode switch and back", oak + "Text9=25" + level + "Mindmg?110.5;Maxdmg?147.5;"
        "melee mode;Command2archi:hidden;Combo1:shown;Command1:shown;combo2:hidden;Command7:hidden;"
        "combo3:hidden;Command8:hidden;" + kBowMode + "combo2:enabled;Command7:enabled;combo3:enabled;"
        "Command8:enabled;Command9:enabled;Command7;Mindmg?108;Maxdmg?145;combo2:disabled;Command7:disabled;"
        "combo3:shown;Command8:shown");
    row("Trueshot negative level", oak + "Text9=-10" + level + "Mindmg?107;Maxdmg?144;Text2=36;Text6=1;"
        + bowCompute + revealed("1") + kBowDisplay + "Text3?107;Text4?144;Text7?107;Text8?144;Command9:enabled");
    row("bow refusals", kBowMode + "Command7!bow;combo2=Ashwood Reflex Bow+3;Command7!bow;combo2=elm flatbow;"
        "Command7!bow;combo2=Elm  Flatbow;Command7!bow;combo2=Elm Flatbow;Command7;Mindmg?18;Maxdmg?26;"
        "Text1?50;Text5?15;combo2:disabled;Command7:disabled;combo3:shown;Command8:shown;Command8!arrow;"
        "combo3=Trueshot Quiver;Command8;combo3:disabled;Command8:disabled;Command9:shown;Label14:shown;"
        "Text9:shown;Command9!invalid;Text9=dieci;Command9!invalid");

    const QString open = "lingua;Form1:disabled;Form4:open;";
    const QString close = "Form4.Command2;Form4:closed;Form1:enabled;focus?lingua;";
    const QString italianMelee = "Form4.Command1;Italian;Form4.Option2:disabled;Form4.armi:disabled;";
    row("options changed at once: Italian and melee weapons", open + italianMelee + close);
    row("English and bows, again, then back at once", "Combo1=Rusted Dirk;" + open
        + "Form4.Option1;Form4.Option1:checked;Form4.Option2:unchecked;Form4.archi;Form4.archi:checked;"
          "Form4.armi:unchecked;Form4.Command1;English;Form4.Option1:disabled;Form4.archi:disabled;"
        + kBowMode.mid(9) + "Form4.Command1;" + close + open + italianMelee
        + "Combo1:shown;Command1:shown;combo2:hidden;Command7:hidden;" + close);
    row("mode switch after a calculation keeps the results", melee("Rusted Dirk", dirk, "30", "10") + kDisplay
        + "Text3?7;Text4?10;Text7?77;Text8?110;" + open + "Form4.archi;Form4.archi:checked;Form4.armi:unchecked;"
          "Form4.Command1;Italian;Form4.Option2:disabled;Form4.archi:disabled;" + kBowMode.mid(9) + close);
    // clang-format on
}

void TestWalks::walks()
{
    QFETCH(QStringList, steps);
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    State expected = stateOf(form);
    QString action = "the start";
    QString focus;
    for (const QString &step : steps + QStringList{"the end"}) {
        const qsizetype mark = step.indexOf(QRegularExpression("[=?:!]"));
        const QChar op = mark < 0 ? QChar() : step[mark];
        const QString name = step.left(mark);
        if (step == u"English" || step == u"Italian") {
            for (const QString &change :
                 inLanguage(step == u"English" ? Language::English : Language::Italian))
                expect(expected, change);
            continue;
        }
        if (op == u'?' && name == u"focus") {
            focus = step.mid(mark + 1);
            continue;
        }
        if (op == u'?' || op == u':') {
            expect(expected, step);
            continue;
        }
        // Everything since the last action changed exactly what its steps declared.
        const State actual = stateOf(form);
        QVERIFY2(unexpected(expected, actual).isEmpty(),
                 qPrintable(action + ": " + unexpected(expected, actual).join("; ")));
        const QString focused = form.focusWidget() ? form.focusWidget()->objectName() : "nothing";
        QVERIFY2(focus.isEmpty() || focused == focus, qPrintable(action + ": focus on " + focused));
        expected = actual;
        focus.clear();
        action = step.left(60);
        if (step == u"the end")
            break;
        if (step.endsWith(u" mode")) {
            form.applyMode(step == u"bow mode" ? Mode::Bow : Mode::Melee);
            continue;
        }
        const QWidget *window = name.startsWith(u"Form4.") ? openWindow<QWidget>("Form4") : &form;
        QVERIFY2(window, qPrintable(step));
        QWidget *widget = window->findChild<QWidget *>(name.section(u'.', -1));
        QVERIFY2(widget, qPrintable(step));
        if (op == u'=') {
            type(widget, step.mid(mark + 1));
            expect(expected, name + u'?' + step.mid(mark + 1));
            continue;
        }
        const qsizetype told = recorder.messages.size();
        widget->setFocus();
        press(widget);
        const QStringList said = recorder.messages.mid(told);
        QVERIFY2(
            said == (op == u'!' ? QStringList{kMessages.at(step.mid(mark + 1))} : QStringList()),
            qPrintable(step + ": " + said.join(u'|')));
    }
}

QTEST_MAIN(TestWalks)
#include "test_walks.moc"
