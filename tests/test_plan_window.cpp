#include "core/numbers.h"
#include "plan_window/chart.h"
#include "plan_window/plan_window.h"
#include "plan_window/slot_marks.h"
#include "ranking/ranking.h"
#include "ranking_window/ranking_table_model.h"
#include "ranking_window/ranking_window.h"
#include "support.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace harmtally;
using namespace harmtally::plan;
using namespace harmtally::testing;
using ranking::Column;
using ranking::Pick;

namespace {

// The main window's texts for the pick, through the ranking rows test_same_figures ties to it.
// It refuses exactly "0" as an entry not made yet, and computes a zero written otherwise.
ranking::Row mainWindowRow(const Pick &pick, const QString &strength, const QString &seconds,
                           const QString &level, const QLocale &locale)
{
    const ranking::Inputs in{pick.mode, strength == "0" ? "00" : strength, seconds, level};
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
    void statusWords_data();
    void statusWords();
    void rangesDrawn_data();
    void rangesDrawn();
    void relaidOut_data();
    void relaidOut();
    void keysAndPlaces();
    void saveImage_data();
    void saveImage();
    void saveDialog_data();
    void saveDialog();
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
    QTest::newRow("cursor at 0") << QStringList{"Wooden Club", "Holy Cutlass"} << QStringList{"0", "3", "", "", ""} << en;
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
        // Minimum to maximum, as the main window lists them.
        QVERIFY(c.readout->text().contains(row.cells[std::size_t(Column::TotalMin)] + " – "
                                           + row.cells[std::size_t(Column::TotalMax)]));
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
        if (const auto share = cell(Figure::TotalMaxPercent)) // to a tenth
            QVERIFY(std::abs(*share - 100 * (*total - *firstTotal) / *firstTotal) <= 0.05 + 1e-9);
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
                // On both lines of that measure, where they meet.
                const auto met
                    = mainWindowRow(x->ahead, text(x->strength, locale), typed[1], typed[2], locale)
                          .cells[std::size_t(m == Measure::Max ? Column::TotalMax
                                                               : Column::TotalMin)];
                QVERIFY(std::ranges::any_of(shown.chart.crossings, [&](const Dot &d) {
                    return d.measure == m && d.strength == x->strength
                           && d.label == text(x->strength, locale) && text(d.total, locale) == met;
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
    QTest::newRow("only the minimum in the range") << pair << "0" << "100" << Language::English << QStringList{"Above strength 92, Fine Steel Dagger+3 deals more over any number of seconds than Polished Hand Axe+3 (minimum; the maximum crosses outside the chart's range); below it, less."};
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
    // The key names the lines in the sentences' words, the maximum's first.
    const QStringList key = language == Language::Italian ? QStringList{"massimo", "minimo"}
                                                          : QStringList{"maximum", "minimum"};
    QCOMPARE(window.comparison().chart.key.mid(0, 2), key);
    // Read out to whoever cannot see the chart.
    const QStringList said = window.comparison().sentences;
    if (!said.isEmpty())
        QCOMPARE(QAccessible::queryAccessibleInterface(window.controls().sentences)
                     ->text(QAccessible::Name),
                 said.join('\n'));
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
    QTest::newRow("page down from a fraction") << "33.5" << int(Qt::Key_PageDown) << "24";
    QTest::newRow("page down to the range's start") << "5" << int(Qt::Key_PageDown) << "0";
    QTest::newRow("home: the range's start") << "33.5" << int(Qt::Key_Home) << "0";
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
    // Wherever it stands in the range, the lines, the table and the readout stay.
    QCOMPARE(c.chart->data().series.size(), std::size_t(2));
    QVERIFY(!c.table->item(int(Figure::TotalMax), 1)->text().isEmpty());
    QVERIFY(!c.readout->text().contains('?'));
}

// Added by the exact name, or one differing only in letter case and runs of blanks (as the
// shell takes it); refused, and said why, when unknown, already compared or beyond four;
// removed one by one.
void TestPlanWindow::choicesByName()
{
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    const auto &c = window.controls();
    window.setPicks(picksNamed({"Iron Staff", "Iron Staff", "Rusted Dirk"}));
    QCOMPARE(window.picks(), picksNamed({"Iron Staff", "Rusted Dirk"}));
    window.setPicks({});
    for (const char *name : {"Rusted Dirk", " elm  flatbow / wooden   ARROWS", "Elm Flatbow",
                             "rusted  dirk", "Skaven Club", "Iron Staff", "Wooden Club"}) {
        type(c.name, name);
        QTest::keyClick(c.name, Qt::Key_Return);
    }
    QCOMPARE(window.picks(),
             picksNamed({"Rusted Dirk", "Elm Flatbow/Wooden Arrows", "Skaven Club", "Iron Staff"}));
    QVERIFY(!c.add->isEnabled());
    window.findChild<QAbstractButton *>("remove1")->click();
    QCOMPARE(window.picks(), picksNamed({"Rusted Dirk", "Skaven Club", "Iron Staff"}));
    type(c.name, "elm   FLATBOW");
    press(c.add);
    QVERIFY(c.status->text().startsWith("Name its arrows too: “Elm Flatbow/…”."));
}

// A band taken joins the comparison; the band the typed strength is in is the one selected,
// found again for each Trueshot level. Ctrl+C copies the table as it is shown, in its language,
// also from a box with nothing selected in it; the note it leaves goes at the next change.
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
    type(c.strength, QString::number(window.bands()[0].to) + ".5");
    QCOMPARE(c.bands->currentRow(), 0);
    type(c.to, "1e12"); // walked point by point, it would hold the window for hours
    QVERIFY(window.bands().empty());
    type(c.to, "");
    const auto listed = [&] {
        QStringList items;
        for (int row = 0; row < c.bands->count(); ++row)
            items << c.bands->item(row)->text();
        return items;
    };
    press(c.bows);
    type(c.level, "1");
    const QStringList low = listed();
    type(c.level, "400");
    QVERIFY(listed() != low);

    type(c.strength, "40");
    type(c.seconds, "30");
    const auto copied = [&](QWidget *from) {
        QGuiApplication::clipboard()->clear();
        from->setFocus();
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    };
    for (Language language : {Language::Italian, Language::English}) {
        window.setLanguage(language);
        const QStringList lines = copied(c.table).split(u'\n');
        QCOMPARE(lines.size(), int(kFigureCount) + 2);
        for (int f = 0; f < int(kFigureCount); ++f)
            QCOMPARE(lines[f + 1],
                     c.table->verticalHeaderItem(f)->text() + u'\t' + c.table->item(f, 0)->text());
        QCOMPARE(copied(c.seconds), lines.join(u'\n'));
    }
    c.seconds->selectAll();
    QCOMPARE(copied(c.seconds), QString("30"));
    copied(c.strength);
    QCOMPARE(c.status->text(), QString("Table copied."));
    press(c.byMinimum);
    QCOMPARE(c.status->text(), QString());
}

void TestPlanWindow::statusWords_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("typed"); // strength, seconds, level
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("caption"); // of the table's maximum over the seconds
    const QString dirk = "Rusted Dirk", trueshot = "Elm Flatbow/Trueshot Quiver";
    // clang-format off
    QTest::newRow("nothing typed") << dirk << QStringList{"", "", ""} << "Enter the strength and the seconds." << "Maximum over the seconds";
    QTest::newRow("no seconds") << dirk << QStringList{"40", " ", ""} << "Enter the seconds." << "Maximum over the seconds";
    QTest::newRow("no strength") << dirk << QStringList{"", "10", ""} << "Enter the strength." << "Maximum over 10 s";
    QTest::newRow("no level") << trueshot << QStringList{"40", "10", ""} << "Enter the Trueshot level." << "Maximum over 10 s";
    QTest::newRow("all missing") << trueshot << QStringList{"", "", ""} << "Enter the strength, the seconds and the Trueshot level." << "Maximum over the seconds";
    QTest::newRow("level for a melee weapon") << dirk << QStringList{"40", "10", ""} << "" << "Maximum over 10 s";
    QTest::newRow("every box typed: the main window's refusal") << trueshot << QStringList{"40", "10", "x"} << "Elm Flatbow/Trueshot Quiver: Valore non valido: inserire un numero./Invalid value: please enter a number." << "Maximum over 10 s";
    QTest::newRow("strength 0: a strength like any other") << dirk << QStringList{"0", "10", ""} << "" << "Maximum over 10 s";
    // clang-format on
}

// The status line names what is still to be typed; the main window's refusal only once every
// box is filled.
void TestPlanWindow::statusWords()
{
    QFETCH(QString, name);
    QFETCH(QStringList, typed);
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    window.setPicks(picksNamed({name, "Iron Staff"}));
    const auto &c = window.controls();
    for (auto [box, t] :
         {std::pair{c.strength, typed[0]}, {c.seconds, typed[1]}, {c.level, typed[2]}})
        type(box, t);
    QTEST(c.status->text(), "status");
    QTEST(c.table->verticalHeaderItem(int(Figure::TotalMax))->text(), "caption");
    QVERIFY(!c.readout->text().contains(" s:") || c.readout->text().contains("over 10 s:"));
}

void TestPlanWindow::rangesDrawn_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("taken"); // else refused, and the default drawn
    // clang-format off
    QTest::newRow("the default") << "" << "" << true;
    QTest::newRow("crossings at both ends") << "92" << "112" << true;
    QTest::newRow("a thousandth") << "0" << "0.001" << true;
    QTest::newRow("a ten-millionth of its ends") << "1000" << "1000.0001" << true;
    QTest::newRow("huge") << "-1e300" << "1e300" << true;
    QTest::newRow("too wide for a double") << "-1e308" << "1e308" << false;
    QTest::newRow("too narrow at 1000") << "1000" << "1000.0000000000001" << false;
    QTest::newRow("too narrow at 1E+16") << "10000000000000000" << "10000000000000010" << false;
    QTest::newRow("backwards") << "50" << "10" << false;
    // clang-format on
}

// Any range the boxes accept draws at once, with a bounded number of ticks, or is refused with
// a word; crossing labels stay whole within the plot.
void TestPlanWindow::rangesDrawn()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, taken);
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    window.setPicks(picksNamed({"Fine Steel Dagger+3", "Polished Hand Axe+3"}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto &c = window.controls();
    type(c.seconds, "60");
    QElapsedTimer clock;
    clock.start();
    type(c.from, from);
    type(c.to, to);
    c.chart->image();
    QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
    const ChartData &drawn = c.chart->data();
    QCOMPARE(std::pair(drawn.from, drawn.to),
             taken ? std::pair(from.isEmpty() ? 0.0 : from.toDouble(),
                               to.isEmpty() ? 197.0 : to.toDouble())
                   : std::pair(0.0, 197.0));
    QCOMPARE(c.status->text().startsWith("Chart range"), !taken);
    for (const auto &ticks : {c.chart->strengthTicks(), c.chart->totalTicks()})
        QVERIFY(ticks.size() >= 2 && ticks.size() <= 40);
    for (const Dot &dot : drawn.crossings)
        QVERIFY(c.chart->plotArea().contains(c.chart->labelBox(dot)));
}

void TestPlanWindow::relaidOut_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("moved"); // the plot, for the room its tick labels take
    QFont big = QApplication::font();
    big.setPointSizeF(big.pointSizeF() * 2);
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    const QLocale it(QLocale::Italian, QLocale::Italy);
    // clang-format off
    QTest::newRow("a bigger font") << big << QLocale::c() << QApplication::palette() << true;
    QTest::newRow("Italian numbers") << QApplication::font() << it << QApplication::palette() << false;
    QTest::newRow("a dark palette") << QApplication::font() << QLocale::c() << dark << false;
    // clang-format on
}

// The chart lays itself out and paints again when its font, locale or palette changes.
void TestPlanWindow::relaidOut()
{
    QFETCH(QFont, font);
    QFETCH(QLocale, locale);
    QFETCH(QPalette, palette);
    QFETCH(bool, moved);
    Chart chart(QLocale::c());
    chart.resize(chart.sizeHint());
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    // Strengths in ten-thousandths: every tick label has a decimal separator.
    chart.setData(compare(picksNamed({"Fine Steel Dagger+3", "Polished Hand Axe+3"}),
                          {"0", "60", "", "0", "0.001"}, Language::English, QLocale::c())
                      .chart);
    const QRectF plot = chart.plotArea();
    const QImage before = chart.grab().toImage();
    // Each change alone, as a desktop sends it.
    if (font != chart.font())
        chart.setFont(font);
    if (locale != chart.locale())
        chart.setLocale(locale);
    if (palette != chart.palette())
        chart.setPalette(palette);
    QCOMPARE(chart.plotArea() != plot, moved);
    QVERIFY(chart.grab().toImage() != before);
}

// Escape closes the completion's list first, then the window; Tab goes through the window from
// top to bottom, each row from left to right; it fits a small screen with its frame, scrolling.
void TestPlanWindow::keysAndPlaces()
{
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    window.setPicks(picksNamed({"Rusted Dirk", "Elm Flatbow/Trueshot Quiver"}));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto &c = window.controls();
    QVERIFY(window.minimumSizeHint().width() <= 600 && window.minimumSizeHint().height() <= 400);

    QWidget *previous = c.name;
    c.name->setFocus();
    for (int step = 0; step < 18; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now == c.name)
            break;
        const QRect a(previous->mapTo(&window, QPoint()), previous->size()),
            b(now->mapTo(&window, QPoint()), now->size());
        const bool sameRow = b.top() < a.bottom() && b.bottom() > a.top();
        QVERIFY2(b.top() >= a.bottom() - 2 || (sameRow && b.left() > a.left()),
                 qPrintable(previous->objectName() + " " + previous->accessibleName() + " → "
                            + now->objectName() + " " + now->accessibleName()));
        previous = now;
    }

    QTest::keyClicks(c.name, "Rusted");
    QAbstractItemView *list = c.name->completer()->popup();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QVERIFY(window.isVisible());
    QTest::keyClick(c.name, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
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
    const QStringList names{"Rusted Dirk", "Iron Staff"};
    window.setPicks(picksNamed(names));
    type(window.controls().seconds, "10");
    type(window.controls().strength, "33");
    QString asked = dir.filePath("earlier.png");
    window.setFileNameAsker([&] { return asked; });
    press(window.controls().saveImage);
    asked = path;
    press(window.controls().saveImage);
    const QImage image(path);
    const QSize chart = window.controls().chart->size();
    QCOMPARE(image.isNull(), !saved);
    QCOMPARE(window.controls().status->text().startsWith("Image saved to " + shown), saved);
    QCOMPARE(window.controls().status->text().contains("saved"), saved);
    QCOMPARE(recorder.messages.size(), saved ? 0 : 1);
    if (saved) { // the chart, and under it which colour is which choice and what it is drawn for
        QCOMPARE(image.width(), chart.width());
        QCOMPARE(image.copy(0, 0, chart.width(), chart.height()).size(), chart);
        QSet<QRgb> under;
        for (int y = chart.height(); y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                under.insert(image.pixel(x, y) & 0xFFFFFF);
        for (std::size_t slot = 0; slot < 2; ++slot)
            QVERIFY(under.contains(slotColour(slot).rgb() & 0xFFFFFF));
        QCOMPARE(image.text("Description"),
                 "● Rusted Dirk\n■ Iron Staff\nboosted strength 33, over 10 s");
    }
    if (!saved) // the path, then Qt's reason
        QVERIFY2(recorder.messages[0].contains(QRegularExpression(
                     "^Immagine non salvata in " + QRegularExpression::escape(shown) + ": \\S")),
                 qPrintable(recorder.messages[0]));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             saved ? QStringList({target, "earlier.png", "old"})
                   : QStringList({"earlier.png", "old"}));
}

void TestPlanWindow::saveDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // to the question whether to replace the file, if asked
    QTest::addColumn<QString>("kept");
    QTest::newRow("a new name: .png added") << "fresh" << 0 << "";
    QTest::newRow("an old file: asked, kept") << "old" << int(QMessageBox::No) << "old.png";
    QTest::newRow("an old file: asked, replaced") << "old" << int(QMessageBox::Yes) << "";
}

// The save dialog adds ".png" itself, so the name it asks about is the name written: an old
// file is never replaced without asking.
void TestPlanWindow::saveDialog()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    const QString old = dir.filePath("old.png"), written = dir.filePath(typed + ".png");
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    PlanWindow window(Language::English, QLocale::c(), Recorder().sink());
    window.setPicks(picksNamed({"Rusted Dirk"}));
    QStringList asked;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(typed);
        QTimer::singleShot(0, dialog, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked << box->text();
                box->button(QMessageBox::StandardButton(answer))->click();
            }
            if (auto *still = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                still->reject();
        });
        static_cast<QDialog *>(dialog)->accept();
    });
    press(window.controls().saveImage);
    QCOMPARE(asked.size(), answer ? 1 : 0);
    if (answer)
        QVERIFY(asked[0].contains("old.png"));
    QCOMPARE(QImage(written).isNull(), !kept.isEmpty());
    if (!kept.isEmpty()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
    }
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
    // Again, with other figures and another weapon chosen: both join what is compared.
    type(form, Form1Control::Combo1, "Rusted Dirk");
    type(form, Form1Control::Text2, "55");
    type(form, Form1Control::Text6, "30");
    type(plan->controls().level, "9"); // none typed in the main window: kept
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(plan->picks(), picksNamed({"Polished Hand Axe+3", "Rusted Dirk"}));
    const auto &typed = plan->controls();
    QCOMPARE(typed.strength->text() + typed.seconds->text() + typed.level->text(), "55309");
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
    // Compared again while open, with other figures typed in the ranking: they come along.
    type(ranking->controls().strength, "150");
    type(ranking->controls().level, "7");
    QCOMPARE(compareRows(0, 1), plan);
    QCOMPARE(plan->controls().strength->text() + plan->controls().level->text(), "1507");
}

#include "test_plan_window.moc"
