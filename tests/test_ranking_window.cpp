#include "core/messages.h"
#include "core/numbers.h"
#include "ranking/formats.h"
#include "ranking/ranking_table_model.h"
#include "ranking/ranking_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace harmtally;
using namespace harmtally::ranking;

class TestRankingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { window.reset(); }
    void sortsNumbersWithUnknownLast_data();
    void sortsNumbersWithUnknownLast();
    void statusLine_data();
    void statusLine();
    void offersTheCurrentRow_data();
    void offersTheCurrentRow();
    void copiesAndExports();
    void followsLanguageAndClosesOnEscape();

private:
    const Row &row(int r) const { return window->model().rowAt(r); }

    std::unique_ptr<RankingWindow> window;
    QList<Choice> offered;
    QString reason; // what the main window answers an offer
};

void TestRankingWindow::init()
{
    offered.clear();
    window = std::make_unique<RankingWindow>(Language::Italian, [this](const Choice &c) {
        offered << c;
        return reason;
    });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestRankingWindow::sortsNumbersWithUnknownLast_data()
{
    QTest::addColumn<bool>("bows");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Column>("column");
    QTest::addColumn<int>("clicks"); // on its header; 0: as opened
    QTest::addColumn<Qt::SortOrder>("order");
    // clang-format off
    QTest::newRow("melee opens by max total") << false << 269 << Column::TotalMax << 0 << Qt::DescendingOrder;
    QTest::newRow("bows open by max total") << true << 594 << Column::TotalMax << 0 << Qt::DescendingOrder;
    QTest::newRow("requirement, one click") << false << 269 << Column::Requirement << 1 << Qt::AscendingOrder;
    QTest::newRow("requirement, two clicks") << false << 269 << Column::Requirement << 2 << Qt::DescendingOrder;
    QTest::newRow("hits per minute, best first") << false << 269 << Column::HitsPerMinute << 1 << Qt::DescendingOrder;
    QTest::newRow("bow base min, two clicks") << true << 594 << Column::BaseMin << 2 << Qt::AscendingOrder;
    // clang-format on
}

void TestRankingWindow::sortsNumbersWithUnknownLast()
{
    QFETCH(bool, bows);
    QFETCH(int, rows);
    QFETCH(Column, column);
    QFETCH(int, clicks);
    QFETCH(Qt::SortOrder, order);
    const auto &c = window->controls();
    c.bows->setChecked(bows);
    c.strength->setText("40");
    c.seconds->setText("30");
    QCOMPARE(window->model().rowCount(), rows);
    QCOMPARE(c.table->isColumnHidden(int(Column::ArrowKind)), !bows);
    QHeaderView *header = c.table->horizontalHeader();
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(int(column)) + 5, header->height() / 2});
    QCOMPARE(header->sortIndicatorOrder(), order);

    std::vector<std::optional<double>> keys;
    for (int r = 0; r < rows; ++r)
        keys.push_back(number(row(r).cells[std::size_t(column)]));
    const auto known = [](const std::optional<double> &k) { return k.has_value(); };
    QVERIFY2(std::ranges::is_partitioned(keys, known), "a known figure after an unknown one");
    const auto unknown = std::ranges::partition_point(keys, known);
    QVERIFY(unknown != keys.begin());
    QVERIFY(std::is_sorted(keys.begin(), unknown, [&](const auto &a, const auto &b) {
        return order == Qt::AscendingOrder ? *a < *b : *a > *b;
    }));
}

void TestRankingWindow::statusLine_data()
{
    QTest::addColumn<QString>("strength");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("wieldable");
    QTest::addColumn<QString>("status"); // %1: the rows hidden
    const QString refused = "269 armi — " + messages::strengthOrSecondsMissing().simplified();
    // clang-format off
    QTest::newRow("not typed yet: a hint") << "" << "" << false << "269 armi — Inserire forza e secondi.";
    QTest::newRow("zero: the main window's refusal") << "0" << "" << false << refused;
    QTest::newRow("accepted") << "12" << "" << false << "269 armi";
    QTest::newRow("search, any case") << "12" << "dIRK" << false << "269 armi, %1 nascoste (%1 dalla ricerca)";
    QTest::newRow("wieldable") << "12" << "" << true << "269 armi, %1 nascoste (%1 oltre la tua forza)";
    // clang-format on
}

void TestRankingWindow::statusLine()
{
    QFETCH(QString, strength);
    QFETCH(QString, search);
    QFETCH(bool, wieldable);
    QFETCH(QString, status);
    const auto &c = window->controls();
    c.strength->setText(strength);
    c.seconds->setText("5");
    c.search->setText(search);
    c.wieldable->setChecked(wieldable);

    std::vector<Row> expected = compute({Mode::Melee, strength, "5", ""}).rows;
    if (wieldable)
        keepWieldable(expected, strength);
    std::erase_if(expected, [&](const Row &r) {
        return !r.cells[std::size_t(Column::Name)].contains(search, Qt::CaseInsensitive);
    });
    QVERIFY(!expected.empty());
    QCOMPARE(window->model().rowCount(), int(expected.size()));
    QCOMPARE(c.status->text(), status.contains("%1") ? status.arg(269 - expected.size()) : status);
    int empty = 0;
    for (int r = 0; r < window->model().rowCount(); ++r)
        empty += row(r).cells[std::size_t(Column::TotalMax)].isEmpty();
    QCOMPARE(empty == int(expected.size()), status.contains(" — ")); // refused: no results
}

void TestRankingWindow::offersTheCurrentRow_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("status");
    QTest::newRow("taken") << QString() << "Scelta: ";
    QTest::newRow("refused") << "Il calcolo è in corso"
                             << "Il calcolo è in corso";
}

void TestRankingWindow::offersTheCurrentRow()
{
    QFETCH(QString, reason);
    QFETCH(QString, status);
    this->reason = reason;
    const auto &c = window->controls();
    c.table->setCurrentIndex(c.table->model()->index(3, 2));
    QTest::keyClick(c.table, Qt::Key_Return);
    QCOMPARE(offered.size(), 1);
    QCOMPARE(offered[0].name, row(3).cells[0]);
    QCOMPARE(offered[0].mode, Mode::Melee);
    QVERIFY2(c.status->text().endsWith(reason.isEmpty() ? status + offered[0].name : status),
             qPrintable(c.status->text()));
}

void TestRankingWindow::copiesAndExports()
{
    const auto &c = window->controls();
    c.bows->setChecked(true);
    c.strength->setText("30");
    c.seconds->setText("2");
    const auto click = [&](int r, Qt::KeyboardModifiers keys) {
        QTest::mouseClick(c.table->viewport(), Qt::LeftButton, keys,
                          c.table->visualRect(c.table->model()->index(r, 0)).center());
    };
    click(4, {});
    click(1, Qt::ControlModifier);
    const std::set<std::size_t> orders{row(1).order, row(4).order};
    c.table->sortByColumn(int(Column::Name), Qt::AscendingOrder); // the selection follows its rows
    QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
    QModelIndexList selected = c.table->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 2);
    std::ranges::sort(selected, {}, &QModelIndex::row);
    const std::vector<Row> picked{row(selected[0].row()), row(selected[1].row())};
    QVERIFY((std::set{picked[0].order, picked[1].order} == orders));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             toTabSeparated(picked, Mode::Bow, Language::Italian));

    QTemporaryDir dir;
    c.search->setText("long");
    window->setFileNameAsker([&] { return dir.filePath("out.csv"); });
    c.exportCsv->click();
    QFile file(dir.filePath("out.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), toCsv(window->model().visibleRows(), Mode::Bow));
    window->setFileNameAsker([&] { return dir.filePath("missing/out.csv"); });
    c.exportCsv->click();
    QVERIFY2(c.status->text().contains("Esportazione non riuscita: "),
             qPrintable(c.status->text()));
}

void TestRankingWindow::followsLanguageAndClosesOnEscape()
{
    window->setLanguage(Language::English);
    QCOMPARE(window->windowTitle(), "Rank weapons");
    QCOMPARE(window->controls().table->model()->headerData(int(Column::TotalMax), Qt::Horizontal),
             caption(Column::TotalMax, Language::English));
    QVERIFY(window->controls().status->text().startsWith("269 weapons — Enter strength"));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->controls().search, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestRankingWindow)
#include "test_ranking_window.moc"
