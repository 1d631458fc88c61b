// The best at each strength over the whole range a chart shows, as after one keystroke.

#include "ranking/planning.h"

#include <QTest>

using namespace harmtally;
using namespace harmtally::ranking;

Q_DECLARE_METATYPE(harmtally::Mode)

class BenchPlanning : public QObject {
    Q_OBJECT
private slots:
    void bands_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::newRow("bows, 594 rows, 0 to 1000") << Mode::Bow;
        QTest::newRow("melee, 269 rows, 0 to 1000") << Mode::Melee;
    }

    void bands()
    {
        QFETCH(Mode, mode);
        const QLocale locale(QLocale::English, QLocale::UnitedStates);
        int keystroke = 0;
        QBENCHMARK
        {
            const QString level = QString::number(keystroke++ % 7);
            QVERIFY(!bestBands(mode, level, 0, 1000, Measure::Max, locale).empty());
        }
    }
};

QTEST_APPLESS_MAIN(BenchPlanning)
#include "bench_planning.moc"
