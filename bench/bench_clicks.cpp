// The time of each click of the melee and the bow road (its button's signal and handler), and of
// a walk down each road.

#include "support.h"

#include <QPushButton>

#include <vector>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {

struct Input {
    Form1Control box;
    const char *text;
};

struct Step {
    const char *name;
    std::vector<Input> inputs;
    Form1Control button;
};

const std::vector<Step> kMeleeRoad{
    {"Command1", {{Combo1, "Rusted Dirk"}}, Command1},
    {"Command2", {{Text2, "100"}, {Text6, "10"}}, Command2},
    {"Command3", {}, Command3},
};

const std::vector<Step> kBowRoad{
    {"Command7", {{combo2, "Oak Longbow"}}, Command7},
    {"Command8", {{combo3, "Trueshot Quiver"}}, Command8},
    {"Command9", {{Text9, "25"}}, Command9},
    {"Command2archi", {{Text2, "100"}, {Text6, "10"}}, Command2archi},
    {"calcolaarchi", {}, calcolaarchi},
};

void typeInputs(MainWindow &form, const Step &step)
{
    for (const Input &input : step.inputs)
        type(form, input.box, QString::fromLatin1(input.text));
}

void clickOn(const MainWindow &form, const Step &step)
{
    static_cast<QPushButton *>(form.control(step.button))->click();
}

// Every control's shown and enabled state and every box's, label's and pick-list's text, put back
// after each click so that every iteration does the click's whole work again.
class Saved {
public:
    explicit Saved(const MainWindow &form)
    {
        for (const auto &row : kForm1Controls) {
            QWidget *widget = form.control(row.id);
            rows_.push_back({widget, widget->isHidden(), widget->isEnabled(), captionOf(widget)});
        }
    }

    void restore() const
    {
        for (const Row &row : rows_) {
            row.widget->setHidden(row.hidden);
            row.widget->setEnabled(row.enabled);
            if (captionOf(row.widget) == row.text)
                continue;
            if (auto *box = qobject_cast<QLineEdit *>(row.widget))
                box->setText(row.text);
            else if (auto *label = qobject_cast<QLabel *>(row.widget))
                label->setText(row.text);
            else if (auto *combo = qobject_cast<QComboBox *>(row.widget))
                combo->setEditText(row.text);
        }
    }

private:
    struct Row {
        QWidget *widget;
        bool hidden;
        bool enabled;
        QString text;
    };
    std::vector<Row> rows_;
};

} // namespace

class BenchClicks : public QObject {
    Q_OBJECT
private slots:
    void click_data();
    void click();
};

void BenchClicks::click_data()
{
    QTest::addColumn<bool>("bow");
    QTest::addColumn<int>("step"); // the one handler timed; -1 walks the whole road
    QTest::addColumn<bool>("repaint");
    for (bool bow : {false, true}) {
        const std::vector<Step> &road = bow ? kBowRoad : kMeleeRoad;
        for (int i = 0; i < int(road.size()); ++i)
            QTest::addRow("%s", road[i].name) << bow << i << false;
        const char *name = bow ? "bow" : "melee";
        QTest::addRow("%s road", name) << bow << -1 << false;
        QTest::addRow("%s road + repaint", name) << bow << -1 << true;
    }
}

void BenchClicks::click()
{
    QFETCH(bool, bow);
    QFETCH(int, step);
    QFETCH(bool, repaint);
    const std::vector<Step> &road = bow ? kBowRoad : kMeleeRoad;
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    if (bow)
        form.applyMode(Mode::Bow);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Walk to the timed step and type its boxes, outside the timing.
    for (int i = 0; i < step; ++i) {
        typeInputs(form, road[i]);
        clickOn(form, road[i]);
    }
    if (step >= 0)
        typeInputs(form, road[step]);
    const Saved saved(form);
    const auto run = [&] {
        if (step >= 0)
            return clickOn(form, road[step]);
        for (const Step &s : road) {
            typeInputs(form, s);
            clickOn(form, s);
        }
    };

    // The window and its controls; the working values may keep the click's result.
    const auto controls = [&] { return stateOf(form); };
    const State before = controls();
    run();
    QVERIFY(controls() != before);
    saved.restore();
    QCOMPARE(controls(), before);
    QBENCHMARK
    {
        run();
        saved.restore();
        if (repaint)
            QCoreApplication::processEvents();
    }
    QCOMPARE(controls(), before);
    QCOMPARE(recorder.messages, QStringList());
}

QTEST_MAIN(BenchClicks)
#include "bench_clicks.moc"
