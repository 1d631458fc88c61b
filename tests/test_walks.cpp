#include "support.h"
#include "texts/language_texts.h"
#include "texts/messages.h"

using namespace harmtally;
using namespace harmtally::testing;
using namespace harmtally::messages;
using enum Form1Control;
using Form4 = Form4Control;

namespace {

// A control of the main window or of the language window (Window: the window itself).
using Control = std::variant<Form1Control, Form4Control>;

// Its name in a State: "Form1", "Text3", "Form4", "Form4.Option1".
QString nameOf(Control control)
{
    const auto id = std::size_t(std::visit([](auto id) { return int(id); }, control));
    if (control.index() == 0)
        return id ? kForm1Controls[id - 1].name : "Form1";
    return id ? QString("Form4.") + kOptionsControls[id - 1].name : "Form4";
}

// clang-format off
// One change an action makes to what the player sees: one field of a control's state, in the
// order seen() lists them; its window opening or closing; or the focus moving to it.
enum Field { Caption, Option, Visibility, Availability, Opens, Closes, Focus };
struct Change { Control control; Field field; QString value = {}; };
using Changes = QList<Change>;

// One thing the player does, then every change it makes to the windows, and nothing else.
struct Step {
    enum Act { Type, Press, ToMelee, ToBow } act;
    Control control = {}; // typed into or pressed
    QString text = {};    // Type: what is typed; Press: the one refusal it must give, if any
    Changes changes = {};
};
using Walk = QList<Step>;

// Each sets one field of every control it names: hidden(Command1, Combo1).
template <Field field> struct Setter {
    const char *value = "";
    Changes operator()(auto... ids) const { return {Change{Control(ids), field, value}...}; }
};
constexpr Setter<Visibility> shown{"shown"}, hidden{"hidden"};
constexpr Setter<Availability> enabled{"enabled"}, disabled{"disabled"};
constexpr Setter<Option> checked{"checked"}, unchecked{"unchecked"};
constexpr Setter<Opens> opened; constexpr Setter<Closes> closed; constexpr Setter<Focus> focused;
Changes text(Control control, QString text) { return {{control, Caption, text}}; }
// The texts of a weapon's figure boxes, or of the results', in reading order, as many as change.
Changes figures(auto boxes, auto... texts) { Changes c; ((c += text(boxes[c.size()], texts)), ...); return c; }
Changes base(auto... texts) { return figures(std::array{Mindmg, Maxdmg, Text1, Text5}, texts...); }
Changes results(auto... texts) { return figures(std::array{Text3, Text4, Text7, Text8}, texts...); }

Step typed(Control box, QString typed) { return {Step::Type, box, typed, text(box, typed)}; }
Step press(Control button, Changes changes = {}) { return {Step::Press, button, {}, changes}; }
Step refused(Control button, QString message, Changes changes = {}) { return {Step::Press, button, message, changes}; }
// A weapon, a bow or an arrow kind looked up: its figures, and the road's next control.
Step weaponFound(Changes figures) { return press(Command1, figures + hidden(Command1) + shown(Command2) + disabled(Combo1)); }
Step bowFound(Changes figures) { return press(Command7, figures + disabled(combo2, Command7) + shown(combo3, Command8)); }
Step arrowsFound(Changes raised) { return press(Command8, disabled(combo3, Command8) + raised); }

// What the first computation of a run reveals besides its display button.
Changes revealed(QString seconds)
{
    return text(Label10, "per " + seconds + " sec.") + text(Label11, "per " + seconds + " sec.")
           + shown(Label6, Label7, Label10, Label11, Label12, Label13, Text3, Text4, Text7, Text8);
}
// The melee road from the start of a run to its display button, then that button.
Walk melee(QString weapon, Changes figures, QString strength, QString seconds)
{
    return {typed(Combo1, weapon), weaponFound(figures), typed(Text2, strength), typed(Text6, seconds),
            press(Command2, shown(Command3) + revealed(seconds))};
}
Step display(Changes results) { return press(Command3, shown(Command1) + hidden(Command2, Command3) + enabled(Combo1) + results); }

const Changes kBow = hidden(Combo1, Command1) + shown(combo2, Command7);
const Step kBowMode{Step::ToBow, {}, {}, kBow};
// The bow road from a bow to its compute button; then computed and displayed.
Walk bow(QString name, Changes figures, QString arrows, Changes raised)
{
    return {kBowMode, typed(combo2, name), bowFound(figures), typed(combo3, arrows), arrowsFound(raised)};
}
Walk bowResults(QString strength, QString seconds, Changes results)
{
    return {typed(Text2, strength), typed(Text6, seconds), press(Command2archi, shown(calcolaarchi) + revealed(seconds)),
            press(calcolaarchi, enabled(combo2, combo3, Command8, Command7)
                                + hidden(combo3, Command8, calcolaarchi, Command2archi) + results)};
}
Walk level(QString text, Changes raised)
{
    return {typed(Text9, text), press(Command9, disabled(Command9) + hidden(Command9, Label14, Text9)
                                                + shown(Command2archi) + raised + focused(Text2))};
}
// The rows of the text table that the main window and the language window write.
Changes inLanguage(Language language)
{
    Changes changes;
    for (const TextRow &row : kTextTable)
        std::visit([&](auto id) {
            if constexpr (std::is_constructible_v<Control, decltype(id)>)
                changes += text(id, row.text.in(language));
        }, row.target);
    return changes;
}
// clang-format on

// The state expected once the change is made: a window opened is taken as it was built, and the
// focus as it went unless a change says where it must be.
void expect(State &state, const State &actual, const Change &change)
{
    const QString name = nameOf(change.control);
    if (change.field == Closes) {
        std::erase_if(state, [&](auto &entry) { return entry.first.section(u'.', 0, 0) == name; });
    } else if (change.field == Opens) {
        state[name] = {}; // "is gone" if it did not open
        for (const auto &[key, fields] : actual)
            if (key.section(u'.', 0, 0) == name)
                state[key] = fields;
    } else if (change.field == Focus) {
        state["focus"] = {name};
    } else {
        state[name].resize(4);
        state[name][change.field] = change.value;
    }
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
    const Changes dirk = base("1", "4", "0", "66"), dirk30 = results("7", "10", "77", "110");
    const auto row = [](const char *name, const Walk &walk) { QTest::newRow(name) << walk; };
    // clang-format off
    row("Rusted Dirk, fractional", melee("Rusted Dirk", dirk, "33", "10")
        << display(results("7.6", "10.6", "83.6", "116.6") + focused(Combo1)));
    row("Ancient Broad Axe+3", melee("Ancient Broad Axe+3", base("537", "813", "590", "31") + focused(Text2), "500",
        "60") << display(results("519", "795", "16089", "24645")));
    row("typed name without an item", melee("Skaven Knife", base("1", "1", "0", "60"), "5", " 07")
        << display(results("2", "2", "14", "14")));
    row("trailing blank belongs to the name", {typed(Combo1, "Darkthorn"), refused(Command1, weaponNotFound()),
        typed(Combo1, "Darkthorn "), weaponFound(base("14", "25", "44", "60"))});
    // Without a requirement the road goes back to the choice of weapon, figures left on view.
    row("requirement unknown, no stale figure", melee("Rusted Dirk", dirk, "30", "10") << display(dirk30)
        << typed(Combo1, "Shadow Blade") << weaponFound(base("31", "43", "", "60"))
        << refused(Command2, unknownRequirement(), hidden(Command2) + shown(Command1) + enabled(Combo1) + focused(Combo1)));
    row("no stale hits per minute", melee("Goblin Slayer", base("32", "62", "97"), "100", "10")
        << display(results("32.6", "62.6")));
    row("results wait for Calcola", melee("Rusted Dirk", dirk, "30", "10") << typed(Text6, "20")
        << typed(Text2, "1") << display(dirk30));
    row("melee refusals", Walk{refused(Command1, weaponNotFound()), typed(Combo1, "bo"),
        refused(Command1, weaponNotFound()), typed(Combo1, " Bo"), refused(Command1, weaponNotFound()),
        typed(Combo1, ""), refused(Command1, weaponNotFound()), typed(Combo1, "Goblin Blade"),
        weaponFound(base("22", "31", "53", "60")), refused(Command2, strengthOrSecondsMissing()),
        typed(Text2, "forte"), typed(Text6, "0"), refused(Command2, strengthOrSecondsMissing()), typed(Text6, "7"),
        refused(Command2, invalidValue()), typed(Text2, "1e308"), typed(Text6, "1e308"),
        refused(Command2, resultTooLarge()), typed(Text2, QString(40000, u'0') + "70"), typed(Text6, "7"),
        press(Command2, shown(Command3) + revealed("7")), display(results("25.4", "34.4", "177.8", "240.8"))});

    row("Ashwood Longbow", bow("Ashwood Longbow", base("5", "11", "13", "60") + focused(combo3), "Wooden Arrows",
        base("6", "12") + shown(Command2archi) + focused(Text2))
        + bowResults("23", "10", results("8", "14", "80", "140") + focused(combo2)));
    Walk elm = bow("Elm Flatbow", base("18", "26", "50", "15"), "Pinpoint Arrows", base("19", "28") + shown(Command2archi))
               + bowResults("57", "7", results("20.4", "29.4", "35.7", "51.45"));
    elm.insert(elm.size() - 1, press(Command2archi));
    row("Elm Flatbow, computed twice, bonus added once", elm);
    const Walk oak = bow("Oak Longbow", base("108", "145", "36", "60"), "Trueshot Quiver",
                         shown(Command9, Label14, Text9) + focused(Text9));
    row("Trueshot level 25, then a mode switch and back", oak + level("25", base("110.5", "147.5"))
        << Step{Step::ToMelee, {}, {}, hidden(Command2archi, combo2, Command7, combo3, Command8) + shown(Combo1, Command1)}
        << Step{Step::ToBow, {}, {}, kBow + enabled(combo2, Command7, combo3, Command8, Command9)}
        << bowFound(base("108", "145")));
    row("Trueshot negative level", oak + level("-10", base("107", "144"))
        + bowResults("36", "1", results("107", "144", "107", "144") + enabled(Command9)));
    row("bow refusals", Walk{kBowMode, refused(Command7, bowNotFound()), typed(combo2, "Ashwood Reflex Bow+3"),
        refused(Command7, bowNotFound()), typed(combo2, "elm flatbow"), refused(Command7, bowNotFound()),
        typed(combo2, "Elm  Flatbow"), refused(Command7, bowNotFound()), typed(combo2, "Elm Flatbow"),
        bowFound(base("18", "26", "50", "15")), refused(Command8, arrowKindNotFound()),
        typed(combo3, "Trueshot Quiver"), arrowsFound(shown(Command9, Label14, Text9)),
        refused(Command9, invalidValue()), typed(Text9, "dieci"), refused(Command9, invalidValue())});

    const Step open = press(lingua, disabled(Window) + opened(Form4::Window));
    const Step close = press(Form4::Command2, closed(Form4::Window) + enabled(Window) + focused(lingua));
    const auto change = [](Language language, const Changes &changes) {
        return press(Form4::Command1, inLanguage(language) + changes);
    };
    const Step italianMelee = change(Language::Italian, disabled(Form4::Option2, Form4::armi));
    const Step toBows = press(Form4::archi, checked(Form4::archi) + unchecked(Form4::armi));
    row("options changed at once: Italian and melee weapons", {open, italianMelee, close});
    row("English and bows, again, then back at once", {typed(Combo1, "Rusted Dirk"), open,
        press(Form4::Option1, checked(Form4::Option1) + unchecked(Form4::Option2)), toBows,
        change(Language::English, disabled(Form4::Option1, Form4::archi) + kBow), press(Form4::Command1), close,
        open, change(Language::Italian, disabled(Form4::Option2, Form4::armi) + shown(Combo1, Command1)
        + hidden(combo2, Command7)), close});
    row("mode switch after a calculation keeps the results", melee("Rusted Dirk", dirk, "30", "10")
        << display(dirk30) << open << toBows
        << change(Language::Italian, disabled(Form4::Option2, Form4::archi) + kBow) << close);
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
        State expected = stateOf(form), actual;
        const QString name = step.act >= Step::ToMelee ? "mode switch" : nameOf(step.control);
        const QString said = QString::number(&step - walk.data() + 1) + ". " + name;
        if (step.act >= Step::ToMelee) {
            form.applyMode(step.act == Step::ToBow ? Mode::Bow : Mode::Melee);
        } else {
            const QWidget *window = step.control.index() ? openWindow<QWidget>("Form4") : &form;
            QWidget *widget
                = window ? window->findChild<QWidget *>(name.section(u'.', -1)) : nullptr;
            QVERIFY2(widget, qPrintable(said));
            if (step.act == Step::Type) {
                type(widget, step.text);
            } else {
                widget->setFocus();
                press(widget);
                QCOMPARE(std::exchange(recorder.messages, {}),
                         step.text.isEmpty() ? QStringList() : QStringList{step.text});
            }
        }
        actual = stateOf(form);
        expected["focus"] = actual["focus"]
            = {form.focusWidget() ? form.focusWidget()->objectName() : ""};
        for (const Change &change : step.changes)
            expect(expected, actual, change);
        const QStringList wrong = unexpected(expected, actual);
        QVERIFY2(wrong.isEmpty(), qPrintable(said + ": " + wrong.join("; ")));
    }
}

QTEST_MAIN(TestWalks)
#include "test_walks.moc"
