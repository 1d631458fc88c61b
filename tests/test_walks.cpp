#include "core/messages.h"
#include "support.h"
#include "texts/language_texts.h"

using namespace harmtally;
using namespace harmtally::testing;
using namespace harmtally::messages;

namespace {

// One thing the player does, then every change it makes to the windows, and nothing else.
struct Step {
    enum Act { Type, Press, SwitchMode } act;
    QString control;     // typed into or pressed ("Form4.Name": the language window's); or the
                         // mode switched to, "bow" or "melee", as the language window reports it
    QString text = {};   // Type: what is typed; Press: the one refusal it must give, if any
    QStringList changes; // as expect() reads them: "Text3?7.6", "Command1:hidden", "Form4:open"
    QString focus = {};  // where the focus must be after it, when that matters
};
using Walk = QList<Step>;

// clang-format off
QStringList changes(const QString &list) { return list.split(u';', Qt::SkipEmptyParts); }
Step typed(const QString &control, const QString &text) { return {Step::Type, control, text, {}}; }
Step press(const QString &button, const QString &list = {}, const QString &focus = {})
{
    return {Step::Press, button, {}, changes(list), focus};
}
Step refused(const QString &button, const QString &message, const QString &list = {}, const QString &focus = {})
{
    return {Step::Press, button, message, changes(list), focus};
}

// What the first computation of a run reveals besides its display button.
QString revealed(const QString &seconds)
{
    return "Label10?per " + seconds + " sec.;Label11?per " + seconds + " sec.;Label6:shown;Label7:shown;"
           "Label10:shown;Label11:shown;Label12:shown;Label13:shown;Text3:shown;Text4:shown;Text7:shown;Text8:shown;";
}
// The melee road from the start of a run to its display button, then that button.
Walk melee(const QString &weapon, const QString &figures, const QString &strength, const QString &seconds,
           const QString &focus = {})
{
    return {typed("Combo1", weapon), press("Command1", figures + ";Command1:hidden;Command2:shown;Combo1:disabled", focus),
            typed("Text2", strength), typed("Text6", seconds), press("Command2", "Command3:shown;" + revealed(seconds))};
}
Step display(const QString &results, const QString &focus = {})
{
    return press("Command3", "Command1:shown;Command2:hidden;Command3:hidden;Combo1:enabled;" + results, focus);
}

const QString kBow = "Combo1:hidden;Command1:hidden;combo2:shown;Command7:shown;";
const Step kBowMode{Step::SwitchMode, "bow", {}, changes(kBow)};
// The bow road from a bow to its compute button; then computed and displayed.
Walk bow(const QString &name, const QString &figures, const QString &arrows, const QString &raised,
         const QString &focusOnArrows = {}, const QString &focusOnCompute = {})
{
    return {kBowMode, typed("combo2", name),
            press("Command7", figures + ";combo2:disabled;Command7:disabled;combo3:shown;Command8:shown", focusOnArrows),
            typed("combo3", arrows), press("Command8", "combo3:disabled;Command8:disabled;" + raised, focusOnCompute)};
}
Walk bowResults(const QString &strength, const QString &seconds, const QString &results, const QString &focus = {})
{
    return {typed("Text2", strength), typed("Text6", seconds),
            press("Command2archi", "calcolaarchi:shown;" + revealed(seconds)),
            press("calcolaarchi", "combo2:enabled;combo3:enabled;combo3:hidden;Command8:hidden;Command8:enabled;"
                                  "Command7:enabled;calcolaarchi:hidden;Command2archi:hidden;" + results, focus)};
}
Walk level(const QString &text, const QString &raised)
{
    return {typed("Text9", text), press("Command9", "Command9:disabled;Command9:hidden;Label14:hidden;Text9:hidden;"
                                                    "Command2archi:shown;" + raised, "Text2")};
}
// clang-format on

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

Q_DECLARE_METATYPE(Walk)

// Both roads and the language and mode window walked through the real widgets, each action
// followed by every change it must make to the windows, and by nothing else.
class TestWalks : public QObject {
    Q_OBJECT
private slots:
    void walks_data();
    void walks();
    void cleanup() { QCOMPARE(windowsLeft(), QStringList()); }
};

void TestWalks::walks_data()
{
    QTest::addColumn<Walk>("walk");
    const QString dirk = "Mindmg?1;Maxdmg?4;Text1?0;Text5?66";
    const QString dirk30 = "Text3?7;Text4?10;Text7?77;Text8?110";
    const auto row = [](const char *name, const Walk &walk) { QTest::newRow(name) << walk; };
    // clang-format off
    row("Rusted Dirk, fractional", melee("Rusted Dirk", dirk, "33", "10")
        << display("Text3?7.6;Text4?10.6;Text7?83.6;Text8?116.6", "Combo1"));
    row("Ancient Broad Axe+3", melee("Ancient Broad Axe+3", "Mindmg?537;Maxdmg?813;Text1?590;Text5?31", "500", "60", "Text2")
        << display("Text3?519;Text4?795;Text7?16089;Text8?24645"));
    row("typed name without an item", melee("Skaven Knife", "Mindmg?1;Maxdmg?1;Text1?0;Text5?60", "5", " 07")
        << display("Text3?2;Text4?2;Text7?14;Text8?14"));
    row("trailing blank belongs to the name", {typed("Combo1", "Darkthorn"), refused("Command1", weaponNotFound()),
        typed("Combo1", "Darkthorn "), press("Command1", "Mindmg?14;Maxdmg?25;Text1?44;Text5?60;Command1:hidden;"
        "Command2:shown;Combo1:disabled")});
    // Without a requirement the road goes back to the choice of weapon, figures left on view.
    row("requirement unknown, no stale figure", melee("Rusted Dirk", dirk, "30", "10") << display(dirk30)
        << typed("Combo1", "Shadow Blade") << press("Command1", "Mindmg?31;Maxdmg?43;Text1?;Text5?60;Command1:hidden;"
        "Command2:shown;Combo1:disabled") << refused("Command2", unknownRequirement(),
        "Command2:hidden;Command1:shown;Combo1:enabled", "Combo1"));
    row("no stale hits per minute", melee("Goblin Slayer", "Mindmg?32;Maxdmg?62;Text1?97", "100", "10")
        << display("Text3?32.6;Text4?62.6"));
    row("results wait for Calcola", melee("Rusted Dirk", dirk, "30", "10") << typed("Text6", "20")
        << typed("Text2", "1") << display(dirk30));
    row("melee refusals", Walk{refused("Command1", weaponNotFound()), typed("Combo1", "bo"),
        refused("Command1", weaponNotFound()), typed("Combo1", " Bo"), refused("Command1", weaponNotFound()),
        typed("Combo1", ""), refused("Command1", weaponNotFound()), typed("Combo1", "Goblin Blade"),
        press("Command1", "Mindmg?22;Maxdmg?31;Text1?53;Text5?60;Command1:hidden;Command2:shown;Combo1:disabled"),
        refused("Command2", strengthOrSecondsMissing()), typed("Text2", "forte"), typed("Text6", "0"),
        refused("Command2", strengthOrSecondsMissing()), typed("Text6", "7"), refused("Command2", invalidValue()),
        typed("Text2", "1e308"), typed("Text6", "1e308"), refused("Command2", resultTooLarge()),
        typed("Text2", QString(40000, u'0') + "70"), typed("Text6", "7"),
        press("Command2", "Command3:shown;" + revealed("7")), display("Text3?25.4;Text4?34.4;Text7?177.8;Text8?240.8")});

    row("Ashwood Longbow", bow("Ashwood Longbow", "Mindmg?5;Maxdmg?11;Text1?13;Text5?60", "Wooden Arrows",
        "Mindmg?6;Maxdmg?12;Command2archi:shown", "combo3", "Text2")
        + bowResults("23", "10", "Text3?8;Text4?14;Text7?80;Text8?140", "combo2"));
    Walk elm = bow("Elm Flatbow", "Mindmg?18;Maxdmg?26;Text1?50;Text5?15", "Pinpoint Arrows",
                   "Mindmg?19;Maxdmg?28;Command2archi:shown") + bowResults("57", "7", "Text3?20.4;Text4?29.4;Text7?35.7;Text8?51.45");
    elm.insert(elm.size() - 1, press("Command2archi"));
    row("Elm Flatbow, computed twice, bonus added once", elm);
    const Walk oak = bow("Oak Longbow", "Mindmg?108;Maxdmg?145;Text1?36;Text5?60", "Trueshot Quiver",
        "Command9:shown;Label14:shown;Text9:shown", {}, "Text9");
    row("Trueshot level 25, then a mode switch and back", oak + level("25", "Mindmg?110.5;Maxdmg?147.5")
        << Step{Step::SwitchMode, "melee", {}, changes("Command2archi:hidden;Combo1:shown;Command1:shown;combo2:hidden;"
           "Command7:hidden;combo3:hidden;Command8:hidden")}
        << Step{Step::SwitchMode, "bow", {}, changes(kBow + "combo2:enabled;Command7:enabled;combo3:enabled;"
           "Command8:enabled;Command9:enabled")}
        << press("Command7", "Mindmg?108;Maxdmg?145;combo2:disabled;Command7:disabled;combo3:shown;Command8:shown"));
    row("Trueshot negative level", oak + level("-10", "Mindmg?107;Maxdmg?144")
        + bowResults("36", "1", "Text3?107;Text4?144;Text7?107;Text8?144;Command9:enabled"));
    row("bow refusals", Walk{kBowMode, refused("Command7", bowNotFound()), typed("combo2", "Ashwood Reflex Bow+3"),
        refused("Command7", bowNotFound()), typed("combo2", "elm flatbow"), refused("Command7", bowNotFound()),
        typed("combo2", "Elm  Flatbow"), refused("Command7", bowNotFound()), typed("combo2", "Elm Flatbow"),
        press("Command7", "Mindmg?18;Maxdmg?26;Text1?50;Text5?15;combo2:disabled;Command7:disabled;combo3:shown;"
        "Command8:shown"), refused("Command8", arrowKindNotFound()), typed("combo3", "Trueshot Quiver"),
        press("Command8", "combo3:disabled;Command8:disabled;Command9:shown;Label14:shown;Text9:shown"),
        refused("Command9", invalidValue()), typed("Text9", "dieci"), refused("Command9", invalidValue())});

    const Step open = press("lingua", "Form1:disabled;Form4:open");
    const Step close = press("Form4.Command2", "Form4:closed;Form1:enabled", "lingua");
    const auto change = [](Language language, const QString &list) {
        return Step{Step::Press, "Form4.Command1", {}, inLanguage(language) + changes(list)};
    };
    const Step italianMelee = change(Language::Italian, "Form4.Option2:disabled;Form4.armi:disabled");
    const Step toBows = press("Form4.archi", "Form4.archi:checked;Form4.armi:unchecked");
    row("options changed at once: Italian and melee weapons", {open, italianMelee, close});
    row("English and bows, again, then back at once", {typed("Combo1", "Rusted Dirk"), open,
        press("Form4.Option1", "Form4.Option1:checked;Form4.Option2:unchecked"), toBows,
        change(Language::English, "Form4.Option1:disabled;Form4.archi:disabled;" + kBow), press("Form4.Command1"),
        close, open, change(Language::Italian, "Form4.Option2:disabled;Form4.armi:disabled;Combo1:shown;"
        "Command1:shown;combo2:hidden;Command7:hidden"), close});
    row("mode switch after a calculation keeps the results", melee("Rusted Dirk", dirk, "30", "10")
        << display(dirk30) << open << toBows
        << change(Language::Italian, "Form4.Option2:disabled;Form4.archi:disabled;" + kBow) << close);
    // clang-format on
}

void TestWalks::walks()
{
    QFETCH(Walk, walk);
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const Step &step : walk) {
        State expected = stateOf(form);
        if (step.act == Step::SwitchMode) {
            form.applyMode(step.control == u"bow" ? Mode::Bow : Mode::Melee);
        } else {
            const QWidget *window
                = step.control.startsWith(u"Form4.") ? openWindow<QWidget>("Form4") : &form;
            QWidget *widget
                = window ? window->findChild<QWidget *>(step.control.section(u'.', -1)) : nullptr;
            QVERIFY2(widget, qPrintable(step.control));
            if (step.act == Step::Type) {
                type(widget, step.text);
                expect(expected, step.control + u'?' + step.text);
            } else {
                widget->setFocus();
                press(widget);
                QCOMPARE(std::exchange(recorder.messages, {}),
                         step.text.isEmpty() ? QStringList() : QStringList{step.text});
            }
        }
        for (const QString &change : step.changes)
            expect(expected, change);
        const QStringList wrong = unexpected(expected, stateOf(form));
        QVERIFY2(wrong.isEmpty(), qPrintable(step.control + ": " + wrong.join("; ")));
        if (!step.focus.isEmpty())
            QCOMPARE(form.focusWidget() ? form.focusWidget()->objectName() : "", step.focus);
    }
}

QTEST_MAIN(TestWalks)
#include "test_walks.moc"
