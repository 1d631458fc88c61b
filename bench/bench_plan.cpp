// The compare and plan window after one keystroke in the strength: the comparison computed
// again and the chart painted again, which should fit in one frame (16 ms).

#include "plan_window/chart.h"
#include "plan_window/plan_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace harmtally;
using namespace harmtally::plan;

class BenchPlan : public QObject {
    Q_OBJECT
private slots:
    void keystrokeToFrame_data();
    void keystrokeToFrame();
};

void BenchPlan::keystrokeToFrame_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("to");
    QTest::newRow("two melee, default range")
        << QStringList{"Fine Steel Dagger+3", "Polished Hand Axe+3"} << "";
    QTest::newRow("four, bows and melee, 0 to 1000")
        << QStringList{"Rusted Dirk", "Elm Flatbow/Trueshot Quiver", "Fine Steel Dagger+3",
                       "Black Locust Composite Bow+3/Quiver of Stability"}
        << "1000";
}

void BenchPlan::keystrokeToFrame()
{
    QFETCH(QStringList, names);
    QFETCH(QString, to);
    PlanWindow window(Language::English, QLocale(QLocale::English, QLocale::UnitedStates),
                      [](QWidget *, const QString &) {});
    std::vector<ranking::Pick> picks;
    for (const QString &name : names)
        picks.push_back(*ranking::findPick(name));
    window.setPicks(picks);
    const auto &c = window.controls();
    c.seconds->setText("60");
    c.level->setText("10");
    c.to->setText(to);
    c.strength->setText("1");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int keystroke = 0;
    QBENCHMARK
    {
        // A digit typed, then the chart painted before anything else happens.
        c.strength->end(false);
        QTest::keyClick(c.strength, keystroke++ % 2 ? Qt::Key_Backspace : Qt::Key_5);
        c.chart->repaint();
    }
}

QTEST_MAIN(BenchPlan)
#include "bench_plan.moc"
