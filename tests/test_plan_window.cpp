#include "core/numbers.h"
#include "plan_window/chart.h"
#include "plan_window/plan_window.h"
#include "ranking/ranking.h"
#include "ranking_window/ranking_table_model.h"
#include "ranking_window/ranking_window.h"
#include "support.h"

#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace harmtally;
using namespace harmtally::plan;
using namespace harmtally::testing;
using ranking::Column;
using ranking::Pick;

namespace {

// The main window's texts for the pick, through the ranking rows test_same_figures ties to it.
ranking::Row mainWindowRow(const Pick &pick, const QString &strength, const QString &seconds,
                           const QString &level, const QLocale &locale)
{
    const ranking::Inputs in{pick.mode, strength, seconds, level};
    return (pick.mode == Mode::Melee ? ranking::meleeRow(pick.item, in, locale)
                                     : ranking::bowRow(pick.item, pick.arrowKind, in, locale))
        .row;
}

std::vector<Pick> picksNamed(const QStringList &names)
{
    std::vector<Pick> picks;
    for (const QString &name : names)
        picks.push_back(*ranking::findPick(name));
    return picks;
}

} // namespace

// The compare and plan window: its figures against the main window's, the chart's crossings
// and cursor, the sentences, the bands, the clipboard and the image file, and how it is opened.
class TestPlanWindow : public QObject {
    Q_OBJECT
private slots:
    void figuresAreTheMainWindows_data();
    void figuresAreTheMainWindows();
    void sentences_data();
    void sentences();
    void cursorByKeysAndMouse_data();
    void cursorByKeysAndMouse();
    void choicesByName();
    void bandsAndTable();
    void saveImage_data();
    void saveImage();
    void openedByCtrlG();
    void comparedFromTheRanking();
    void cleanup() { QCOMPARE(windowsLeft(), QStringList()); }
};

void TestPlanWindow::figuresAreTheMainWindows_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("typed"); // strength, seconds, level, from, to
    QTest::addColumn<QLocale>("locale");
    const QLocale en(QLocale::English, QLocale::UnitedStates), it(QLocale::Italian, QLocale::Italy);
    // clang-format off
    QTest::newRow("two speeds crossing") << QStringList{"Fine Steel Dagger+3", "Polished Hand Axe+3"} << QStringList{"100", "60", "", "", ""} << en;
    QTest::newRow("Italian decimals, typed range") << QStringList{"Rusted Dirk", "Fine Steel Dagger+3", "Iron Staff"} << QStringList{"33,5", "7,5", "", "10", "250,5"} << it;
    QTest::newRow("bows, Trueshot level") << QStringList{"Elm Flatbow/Trueshot Quiver", "Elm Longbow/Pinpoint Arrows", "Black Locust Composite Bow+3/Quiver of Stability"} << QStringList{"57", "7", "13", "", ""} << en;
    QTest::newRow("unknown figures among four") << QStringList{"Goblin Slayer", "Shadow Blade", "Rusted Dirk+2", "Elm Flatbow/Wooden Arrows"} << QStringList{"45", "10", "", "", ""} << en;
    QTest::newRow("strength refused, cursor at 0") << QStringList{"Wooden Club", "Holy Cutlass"} << QStringList{"0", "3", "", "", ""} << en;
    // clang-format on
}

// Every cell of the table, every point of the chart and every value at the cursor is the text
// the main window shows for that choice and strength; a dot sits at every crossing the engine
// finds in the range, on both lines, and nowhere else.
void TestPlanWindow::figuresAreTheMainWindows()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, typed);
    QFETCH(QLocale, locale);
    PlanWindow window(Language::English, locale, Recorder().sink());
    window.setPicks(picksNamed(names));
    const auto &c = window.controls();
    for (auto [box, t] : {std::pair{c.strength, typed[0]},
                          {c.seconds, typed[1]},
                          {c.level, typed[2]},
                          {c.from, typed[3]},
                          {c.to, typed[4]}})
        type(box, t);
    const Comparison &shown = window.comparison();
    QCOMPARE(c.table->columnCount(), names.size());
    for (std::size_t col = 0; col < window.picks().size(); ++col) {
        const Pick pick = window.picks()[col];
        const ranking::Row row = mainWindowRow(pick, typed[0], typed[1], typed[2], locale);
        for (std::size_t f = 0; f <= std::size_t(Figure::TotalMax); ++f)
            QCOMPARE(c.table->item(int(f), int(col))->text(),
                     row.cells[f + std::size_t(Column::Requirement)]);
        QVERIFY(c.readout->text().contains(row.cells[std::size_t(Column::TotalMax)]));
        // The derived rows mean what they say, near enough for the rounding of their texts.
        const auto figure = [&](const ranking::Row &r, Column k) {
            return number(r.cells[std::size_t(k)], locale);
        };
        const auto cell = [&](Figure f) {
            return number(c.table->item(int(f), int(col))->text().remove('%'), locale);
        };
        const auto near = [](std::optional<double> a, std::optional<double> b) {
            return a.has_value() == b.has_value()
                   && (!a || std::abs(*a - *b) < 1e-9 * (1 + std::abs(*a)));
        };
        const ranking::Row first
            = mainWindowRow(window.picks()[0], typed[0], typed[1], typed[2], locale);
        const auto total = figure(row, Column::TotalMax),
                   firstTotal = figure(first, Column::TotalMax);
        QVERIFY(near(cell(Figure::TotalMaxDifference), col && total && firstTotal
                                                           ? std::optional(*total - *firstTotal)
                                                           : std::nullopt));
        const ranking::Row next = mainWindowRow(pick, text(*number(typed[0], locale) + 1, locale),
                                                typed[1], typed[2], locale);
        for (auto [f, k] : {std::pair{Figure::PointTotal, Column::TotalMax},
                            {Figure::PointPerHit, Column::HitMax}}) {
            const auto now = figure(row, k), then = figure(next, k);
            QVERIFY(near(cell(f), now && then ? std::optional(*then - *now) : std::nullopt));
        }
    }
    for (const Series &s : shown.chart.series) {
        QVERIFY(s.max.front().strength == shown.chart.from
                && s.max.back().strength == shown.chart.to);
        for (const auto *line : {&s.max, &s.min}) // straight, the point at 0 included
            for (const Point &p : *line) {
                const Point &a = line->front(), &b = line->back();
                const double on
                    = a.total
                      + (b.total - a.total) * (p.strength - a.strength) / (b.strength - a.strength);
                QVERIFY(std::abs(p.total - on) < 1e-9 * (1 + std::abs(on)));
            }
        for (std::size_t i = 0; i < s.max.size(); ++i) {
            const QString strength = shown.chart.cursor == s.max[i].strength
                                         ? typed[0]
                                         : text(s.max[i].strength, locale);
            if (strength == u"0")
                continue; // refused by the main window: the line goes on straight
            const ranking::Row row
                = mainWindowRow(window.picks()[s.slot], strength, typed[1], typed[2], locale);
            QCOMPARE(text(s.max[i].total, locale), row.cells[std::size_t(Column::TotalMax)]);
            QCOMPARE(text(s.min[i].total, locale), row.cells[std::size_t(Column::TotalMin)]);
        }
    }
    int crossings = 0;
    for (std::size_t i = 0; i < window.picks().size(); ++i)
        for (std::size_t j = i + 1; j < window.picks().size(); ++j)
            for (Measure m : {Measure::Max, Measure::Min}) {
                const auto x = crossing(window.picks()[i], window.picks()[j], m, typed[2], locale);
                if (!x || x->strength < shown.chart.from || x->strength > shown.chart.to)
                    continue;
                ++crossings;
                QVERIFY(std::ranges::any_of(shown.chart.crossings, [&](const Dot &d) {
                    return d.measure == m && d.strength == x->strength
                           && d.label == text(x->strength, locale);
                }));
            }
    QCOMPARE(qsizetype(shown.chart.crossings.size()), crossings);
}

void TestPlanWindow::sentences_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("sentences");
    const QStringList pair{"Fine Steel Dagger+3", "Polished Hand Axe+3"};
    // clang-format off
    QTest::newRow("both cross in the range") << pair << "" << "" << Language::English << QStringList{"Above strength 112, Fine Steel Dagger+3 deals more over any number of seconds than Polished Hand Axe+3 (maximum; above 92 for the minimum); below it, less."};
    QTest::newRow("in Italian") << pair << "" << "" << Language::Italian << QStringList{"Sopra la forza 112, Fine Steel Dagger+3 infligge più di Polished Hand Axe+3 in qualunque numero di secondi (massimo; sopra 92 per il minimo); sotto, meno."};
    QTest::newRow("only the minimum in the range") << pair << "0" << "100" << Language::English << QStringList{"Above strength 92, Fine Steel Dagger+3 deals more over any number of seconds than Polished Hand Axe+3 (minimum; above 112 for the maximum); below it, less."};
    QTest::newRow("crossings at the range's ends") << pair << "92" << "112" << Language::English << QStringList{"Above strength 112, Fine Steel Dagger+3 deals more over any number of seconds than Polished Hand Axe+3 (maximum; above 92 for the minimum); below it, less."};
    QTest::newRow("neither in the range") << pair << "120" << "300" << Language::English << QStringList{};
    QTest::newRow("equal speeds") << QStringList{"Rusted Dirk", "Rusted Dirk+1"} << "" << "" << Language::English << QStringList{"Against Rusted Dirk, Rusted Dirk+1 stays 1 ahead per hit at every strength (minimum; 0 for the maximum)."};
    QTest::newRow("equal speeds, requirements apart") << QStringList{"Iron Staff", "Drachenstaff"} << "" << "" << Language::Italian << QStringList{"Rispetto a Iron Staff, Drachenstaff resta avanti di 15.4 per colpo a ogni forza (massimo; 11.4 per il minimo)."};
    QTest::newRow("equal speeds, level") << QStringList{"Wooden Club+1", "Wooden Club+2"} << "" << "" << Language::Italian << QStringList{"Wooden Club+1 e Wooden Club+2 infliggono lo stesso danno a ogni forza."};
    // clang-format on
}

void TestPlanWindow::sentences()
{
    QFETCH(QStringList, names);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(Language, language);
    PlanWindow window(language, QLocale(QLocale::English, QLocale::UnitedStates),
                      Recorder().sink());
    window.setPicks(picksNamed(names));
    type(window.controls().seconds, "60");
    type(window.controls().from, from);
    type(window.controls().to, to);
    QTEST(window.comparison().sentences, "sentences");
}

void TestPlanWindow::cursorByKeysAndMouse_data()
{
    QTest::addColumn<QString>("strength");
    QTest::addColumn<int>("key"); // 0: a click at strength 50
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("right from a fraction") << "33.5" << int(Qt::Key_Right) << "34";
    QTest::newRow("left from a fraction") << "33.5" << int(Qt::Key_Left) << "33";
    QTest::newRow("page up") << "33.5" << int(Qt::Key_PageUp) << "43";
    QTest::newRow("right stops at the range's end") << "197" << int(Qt::Key_Right) << "197";
    QTest::newRow("end: the range's end") << "5" << int(Qt::Key_End) << "197";
    QTest::newRow("unreadable: the range's start") << "x" << int(Qt::Key_Left) << "0";
    QTest::newRow("mouse") << "120" << 0 << "50";
    // clang-format on
}

// The cursor is the typed strength: keys and the mouse type the strength they land on.
void TestPlanWindow::cursorByKeysAndMouse()
{
    QFETCH(QString, strength);
    QFETCH(int, key);
    PlanWindow window(Language::English, QLocale(QLocale::English, QLocale::UnitedStates),
                      Recorder().sink());
    window.setPicks(picksNamed({"Fine Steel Dagger+3", "Polished Hand Axe+3"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto &c = window.controls();
    type(c.seconds, "10");
    type(c.strength, strength);
    if (key)
        QTest::keyClick(c.chart, Qt::Key(key));
    else
        QTest::mouseClick(c.chart, Qt::LeftButton, {}, c.chart->at(50, 0).toPoint());
    QTEST(c.strength->text(), "after");
    QCOMPARE(c.chart->data().cursor, number(c.strength->text(), QLocale::c()));
}

// Added by the exact name or another case of it; refused, and said why, when unknown, already
// compared or beyond four; removed one by one.
void TestPlanWindow::choicesByName()
{
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    const auto &c = window.controls();
    for (const char *name : {"Rusted Dirk", "elm flatbow/wooden arrows", "Elm Flatbow",
                             "Rusted Dirk", "Skaven Club", "Iron Staff", "Wooden Club"}) {
        type(c.name, name);
        QTest::keyClick(c.name, Qt::Key_Return);
    }
    QCOMPARE(window.picks(),
             picksNamed({"Rusted Dirk", "Elm Flatbow/Wooden Arrows", "Skaven Club", "Iron Staff"}));
    QVERIFY(!c.add->isEnabled());
    window.findChild<QAbstractButton *>("remove1")->click();
    QCOMPARE(window.picks(), picksNamed({"Rusted Dirk", "Skaven Club", "Iron Staff"}));
    type(c.name, "Elm Flatbow");
    press(c.add);
    QVERIFY(c.status->text().startsWith("Name its arrows too: “Elm Flatbow/…”."));
}

// A band taken joins the comparison; Ctrl+C copies the table as it is shown.
void TestPlanWindow::bandsAndTable()
{
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto &c = window.controls();
    type(c.to, "60");
    QVERIFY(window.bands().size() > 1);
    QCOMPARE(window.bands().front().from, 0);
    QCOMPARE(window.bands().back().to, 60);
    c.bands->setCurrentRow(1);
    QTest::keyClick(c.bands, Qt::Key_Return);
    QCOMPARE(window.picks(), std::vector{window.bands()[1].pick});
    type(c.to, "1e12"); // walked point by point, it would hold the window for hours
    QVERIFY(window.bands().empty());
    type(c.to, "");

    type(c.strength, "40");
    type(c.seconds, "30");
    QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), int(kFigureCount) + 2);
    for (int f = 0; f < int(kFigureCount); ++f)
        QCOMPARE(lines[f + 1],
                 c.table->verticalHeaderItem(f)->text() + u'\t' + c.table->item(f, 0)->text());
}

void TestPlanWindow::saveImage_data()
{
    QTest::addColumn<QString>("target"); // under a fresh folder
    QTest::addColumn<bool>("saved");
    QTest::newRow("written") << "chart.png" << true;
    QTest::newRow("spaces and accents") << "città e più.png" << true;
    QTest::newRow("no such folder") << "missing/chart.png" << false;
    QTest::newRow("a folder") << "old" << false;
}

// Written whole or not at all: a failure says path and reason in the error box, claims nothing,
// and leaves what was there.
void TestPlanWindow::saveImage()
{
    QFETCH(QString, target);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("old"));
    const QString path = dir.filePath(target);
    const QString shown = QDir::toNativeSeparators(path);
    Recorder recorder;
    PlanWindow window(Language::English, QLocale::c(), recorder.sink());
    window.setPicks(picksNamed({"Rusted Dirk", "Iron Staff"}));
    type(window.controls().seconds, "10");
    window.setFileNameAsker([&] { return path; });
    press(window.controls().saveImage);
    QCOMPARE(QImage(path).size(), saved ? window.controls().chart->size() : QImage().size());
    QCOMPARE(window.controls().status->text().startsWith("Image saved to " + shown), saved);
    QCOMPARE(recorder.messages.size(), saved ? 0 : 1);
    if (!saved) // the path, then Qt's reason
        QVERIFY2(recorder.messages[0].contains(QRegularExpression(
                     "^Immagine non salvata in " + QRegularExpression::escape(shown) + ": \\S")),
                 qPrintable(recorder.messages[0]));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             saved ? QStringList({target, "old"}) : QStringList{"old"});
}

// Ctrl+G opens the window with the weapon chosen in the main window, only while that one is
// available.
void TestPlanWindow::openedByCtrlG()
{
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    press(form, Form1Control::Command5);
    QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
    form.openPlan(); // as the right-click menu would
    QVERIFY(!openWindow<QWidget>("PlanWindow"));
    openWindow<QWidget>("Form2")->close();
    type(form, Form1Control::Combo1, "Polished Hand Axe+3");
    type(form, Form1Control::Text6, "12");
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
    auto *plan = openWindow<PlanWindow>("PlanWindow");
    QVERIFY(plan && form.isEnabled());
    QCOMPARE(plan->picks(), picksNamed({"Polished Hand Axe+3"}));
    QCOMPARE(plan->controls().seconds->text(), QString("12"));
    form.applyLanguage(Language::English);
    QCOMPARE(plan->windowTitle(), QString("Compare and plan"));
    QCOMPARE(recorder.messages, QStringList());
}

QTEST_MAIN(TestPlanWindow)
// Ctrl+G in the ranking window compares the 2 to 4 rows selected there, in the order shown, and
// says why not otherwise.
void TestPlanWindow::comparedFromTheRanking()
{
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    form.applyMode(Mode::Bow);
    type(form, Form1Control::Text2, "100");
    form.openRanking();
    auto *ranking = openWindow<ranking::RankingWindow>("RankingWindow");
    QTableView *table = ranking->controls().table;
    QApplication::setActiveWindow(ranking);
    QVERIFY(QTest::qWaitForWindowActive(ranking));
    const auto compareRows = [&](int first, int last) {
        table->clearSelection();
        for (int row = first; row <= last; ++row)
            table->selectionModel()->select(ranking->model().index(row, 0),
                                            QItemSelectionModel::Select
                                                | QItemSelectionModel::Rows);
        QTest::keyClick(table, Qt::Key_G, Qt::ControlModifier);
        return openWindow<PlanWindow>("PlanWindow");
    };
    for (const auto &[first, last] : {std::pair(0, 0), std::pair(0, 4)}) {
        QVERIFY(!compareRows(first, last));
        QCOMPARE(ranking->controls().status->text().right(42),
                 "Selezionare da 2 a 4 righe da confrontare.");
    }
    PlanWindow *plan = compareRows(1, 3);
    QVERIFY(plan);
    std::vector<Pick> shown;
    for (int row = 1; row <= 3; ++row)
        shown.push_back(ranking::pickAt(Mode::Bow, ranking->model().rowAt(row).order));
    QCOMPARE(plan->picks(), shown);
    QCOMPARE(plan->controls().strength->text(), QString("100"));
}

#include "test_plan_window.moc"
