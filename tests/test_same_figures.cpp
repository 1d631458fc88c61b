#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "cli/command_line.h"
#include "ranking/ranking.h"
#include "support.h"

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

// Every melee weapon and every bow with every arrow kind, three ways: the ranking row, calc, and
// the main window walked as a player walks it. All give the same four results or the same refusal.
class TestSameFigures : public QObject {
    Q_OBJECT
private slots:
    void agree_data()
    {
        QTest::addColumn<QStringList>("inputs"); // locale, strength, seconds[, Trueshot level]
        QTest::newRow("melee") << QStringList{"en_US", "33", "10"};
        QTest::newRow("melee, Italian") << QStringList{"it_IT", "250,5", "7"};
        QTest::newRow("melee, too large") << QStringList{"en_US", "1e308", "60"};
        QTest::newRow("bows, Trueshot 25") << QStringList{"en_US", "57", "7", "25"};
        QTest::newRow("bows, Italian") << QStringList{"it_IT", "120", "60", "2,5"};
        QTest::newRow("bows, no level") << QStringList{"en_US", "23", "10", ""};
    }

    void agree()
    {
        QFETCH(QStringList, inputs);
        QLocale::setDefault(QLocale(inputs[0])); // the main window reads and writes figures in it
        const bool bow = inputs.size() == 4;
        const ranking::Inputs in{bow ? Mode::Bow : Mode::Melee, inputs[1], inputs[2],
                                 inputs.value(3)};
        Recorder recorder;
        Form1 form(recorder.sink());
        type(form, Text2, in.strength); // the boxes keep what was typed, walk after walk
        type(form, Text6, in.seconds);
        type(form, Text9, in.level);
        const std::size_t kinds = arrowKinds().size();
        const QStringList listed
            = cli::execute(bow ? QStringList{"list", "--bows"} : QStringList{"list"},
                           {QLocale(), Language::English})
                  .out.split(u'\n');
        QCOMPARE(listed.size(), qsizetype(bow ? bows().size() : meleeWeapons().size()) + 1);
        for (std::size_t i = 0; i < (bow ? bows().size() * kinds : meleeWeapons().size()); ++i) {
            const ranking::RowOutcome ranked
                = bow ? ranking::bowRow(i / kinds, i % kinds, in) : ranking::meleeRow(i, in);
            const QString &name = ranked.row.cells[0], &arrows = ranked.row.cells[1];
            QStringList words{"calc", name, "--strength", in.strength, "--seconds", in.seconds};
            if (bow)
                words += {"--arrows", arrows};
            if (bow && arrowKinds()[i % kinds].levelRule)
                words += {"--level", in.level};
            // calc takes every name list gives, in the same order.
            QCOMPARE(name, listed[bow ? i / kinds : i]);
            form.applyMode(in.mode); // as a mode switch does: back to the start of the road
            type(form, bow ? combo2 : Combo1, name);
            type(form, combo3, arrows); // the bows' second field, shown by Command7
            for (Form1Control box : {Text3, Text4, Text7, Text8})
                type(form, box, "-"); // to see what a refusal leaves
            // Each button the road offers, in its order, until a refusal ends the walk.
            for (Form1Control button :
                 bow ? QList{Command7, Command8, Command9, Command2archi, calcolaarchi}
                     : QList{Command1, Command2, Command3})
                if (!form.control(button)->isHidden() && recorder.messages.isEmpty())
                    press(form, button);
            const cli::Outcome calc = cli::execute(words, {QLocale(), Language::English});
            const QString refusal = ranked.refusal ? ranked.refusal->message : QString();
            const QStringList figures(ranked.row.cells.end() - 4, ranked.row.cells.end());
            const QStringList shown{textOf(form, Text3), textOf(form, Text4), textOf(form, Text7),
                                    textOf(form, Text8)};
            QCOMPARE(shown + std::exchange(recorder.messages, {}),
                     refusal.isEmpty() ? figures : QStringList(4, "-") << refusal);
            // A refusal in the shell's own words, on one line.
            QCOMPARE(QStringList({QString::number(calc.status), calc.out,
                                  calc.err.startsWith("harmtally: ") ? "" : calc.err}),
                     (refusal.isEmpty() ? QStringList{"0", figures.join(u'\t') + u'\n', ""}
                                        : QStringList{"1", figures.join(""), ""}));
            if (QTest::currentTestFailed())
                return void(qInfo() << words);
        }
    }
};

QTEST_MAIN(TestSameFigures)
#include "test_same_figures.moc"
