// The ranking after one keystroke: every row computed again and the table sorted again.

#include "ranking/ranking.h"

#include <QTest>

using namespace harmtally;
using namespace harmtally::ranking;

Q_DECLARE_METATYPE(harmtally::Mode)

class BenchRanking : public QObject {
    Q_OBJECT
private slots:
    void recomputeAndSort_data();
    void recomputeAndSort();
    void sortOnly();
};

void BenchRanking::recomputeAndSort_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("bows, 594 rows") << Mode::Bow;
    QTest::newRow("melee, 269 rows") << Mode::Melee;
}

void BenchRanking::recomputeAndSort()
{
    QFETCH(Mode, mode);
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    int keystroke = 0;
    QBENCHMARK
    {
        // A different strength each time, as the player types it.
        Table table = compute({mode, QString::number(100 + keystroke++ % 7), "60", "10"}, locale);
        sortByDefault(table.rows, locale);
    }
}

void BenchRanking::sortOnly()
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const std::vector<Row> rows = compute({Mode::Bow, "100", "60", "10"}, locale).rows;
    QBENCHMARK
    {
        std::vector<Row> sorted = rows;
        sortRows(sorted, Column::Name, Qt::AscendingOrder, locale);
    }
}

QTEST_APPLESS_MAIN(BenchRanking)
#include "bench_ranking.moc"
