#include "core/messages.h"
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

using namespace harmtally;
using namespace harmtally::ranking;

// The window over the ranking (test_ranking): its header, filters, status line, keys and files.
class TestRankingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        offered.clear();
        window = std::make_unique<RankingWindow>(Language::Italian, [this](const Choice &c) {
            offered << c;
            return reason;
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void sortsByTheHeader_data()
    {
        QTest::addColumn<bool>("bows");
        QTest::addColumn<Column>("column");
        QTest::addColumn<int>("clicks"); // on its header; 0: as opened
        QTest::addColumn<Qt::SortOrder>("order");
        // clang-format off
        QTest::newRow("opens by max total") << false << Column::TotalMax << 0 << Qt::DescendingOrder;
        QTest::newRow("requirement, lowest first") << false << Column::Requirement << 1 << Qt::AscendingOrder;
        QTest::newRow("hits per minute, best first") << false << Column::HitsPerMinute << 1 << Qt::DescendingOrder;
        QTest::newRow("bow base min, two clicks") << true << Column::BaseMin << 2 << Qt::AscendingOrder;
        // clang-format on
    }

    void sortsByTheHeader()
    {
        QFETCH(bool, bows);
        QFETCH(Column, column);
        QFETCH(int, clicks);
        QFETCH(Qt::SortOrder, order);
        const auto &c = window->controls();
        c.bows->setChecked(bows);
        c.strength->setText("40");
        c.seconds->setText("30");
        QCOMPARE(c.table->isColumnHidden(int(Column::ArrowKind)), !bows);
        QHeaderView *header = c.table->horizontalHeader();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                {header->sectionViewportPosition(int(column)) + 5, header->height() / 2});
        QCOMPARE(header->sortIndicatorOrder(), order);
        std::vector<Row> expected = compute({bows ? Mode::Bow : Mode::Melee, "40", "30", ""}).rows;
        sortRows(expected, column, order);
        QCOMPARE(window->model().rowCount(), int(expected.size()));
        for (std::size_t r = 0; r < expected.size(); ++r)
            QCOMPARE(row(int(r)).order, expected[r].order);
    }

    void statusLine_data()
    {
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("wieldable");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("rows"); // shown
        const QString refused = "269 armi — " + messages::strengthOrSecondsMissing();
        // clang-format off
        QTest::newRow("not typed yet: a hint") << "" << "" << false << "269 armi — Inserire forza e secondi." << 269;
        QTest::newRow("zero: the main window's refusal") << "0" << "" << false << refused << 269;
        QTest::newRow("accepted") << "12" << "" << false << "269 armi" << 269;
        QTest::newRow("search, any case") << "12" << "dIRK" << false << "269 armi, 263 nascoste (263 dalla ricerca)" << 6;
        QTest::newRow("wieldable, unknown kept") << "12" << "" << true << "269 armi, 247 nascoste (247 oltre la tua forza)" << 22;
        // clang-format on
    }

    void statusLine()
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
        QCOMPARE(c.status->text(), status);
        QTEST(window->model().rowCount(), "rows");
        // Refused: the names and figures stay, without results.
        QCOMPARE(row(0).cells[std::size_t(Column::TotalMax)].isEmpty(), status.contains(" — "));
    }

    void offersTheCurrentRow_data()
    {
        QTest::addColumn<QString>("reason"); // the main window's answer; none when it takes the row
        QTest::newRow("taken") << QString();
        QTest::newRow("refused") << "Il calcolo è in corso";
    }

    void offersTheCurrentRow()
    {
        QFETCH(QString, reason);
        this->reason = reason;
        const auto &c = window->controls();
        c.table->setCurrentIndex(c.table->model()->index(3, 2));
        QTest::keyClick(c.table, Qt::Key_Return);
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered[0].name, row(3).cells[0]);
        QCOMPARE(offered[0].mode, Mode::Melee);
        QVERIFY(
            c.status->text().endsWith(reason.isEmpty() ? "Scelta: " + row(3).cells[0] : reason));
    }

    void copiesAndExports()
    {
        const auto &c = window->controls();
        c.bows->setChecked(true);
        c.strength->setText("30");
        c.seconds->setText("2");
        const auto click = [&](int r, Qt::KeyboardModifiers keys) {
            QTest::mouseClick(c.table->viewport(), Qt::LeftButton, keys,
                              c.table->visualRect(c.table->model()->index(r, 0)).center());
        };
        click(1, {});
        click(4, Qt::ControlModifier); // the row clicked first ends up below once sorted by name
        const QList<std::size_t> orders{row(1).order, row(4).order};
        c.table->sortByColumn(int(Column::Name), Qt::AscendingOrder); // the selection follows
        QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
        std::vector<Row> picked = window->model().visibleRows(); // copied as shown
        std::erase_if(picked, [&](const Row &r) { return !orders.contains(r.order); });
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 toTabSeparated(picked, Mode::Bow, Language::Italian));

        QTemporaryDir dir;
        c.search->setText("long");
        window->setFileNameAsker([&] { return dir.filePath("out.csv"); });
        c.exportCsv->click();
        QFile file(dir.filePath("out.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 toCsv(window->model().visibleRows(), Mode::Bow, QLocale()));
        window->setFileNameAsker([&] { return dir.filePath("missing/out.csv"); });
        c.exportCsv->click();
        QVERIFY2(c.status->text().contains("Esportazione non riuscita: "),
                 qPrintable(c.status->text()));
    }

    void followsLanguageAndClosesOnEscape()
    {
        window->setLanguage(Language::English);
        QCOMPARE(window->windowTitle(), "Rank weapons");
        QCOMPARE(
            window->controls().table->model()->headerData(int(Column::TotalMax), Qt::Horizontal),
            caption(Column::TotalMax, Language::English));
        QVERIFY(window->controls().status->text().startsWith("269 weapons — Enter strength"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->controls().search, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

private:
    const Row &row(int r) const { return window->model().rowAt(r); }

    std::unique_ptr<RankingWindow> window;
    QList<Choice> offered;
    QString reason; // what the main window answers an offer
};

QTEST_MAIN(TestRankingWindow)
#include "test_ranking_window.moc"
