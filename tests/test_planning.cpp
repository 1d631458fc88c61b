#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "core/numbers.h"
#include "ranking/planning.h"

#include <QTest>

#include <map>

using namespace harmtally;
using namespace harmtally::ranking;

Q_DECLARE_METATYPE(harmtally::ranking::Measure)
Q_DECLARE_METATYPE(harmtally::Mode)

namespace {
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);

// The figure the program writes, read back; "+0" because the box's "0" means an empty box.
std::optional<double> figure(const Pick &p, double strength, const QString &seconds,
                             const QString &level, Column column, const QLocale &locale)
{
    const QString typed = strength ? text(strength, locale) : QStringLiteral("+0");
    const RowOutcome o = pickRow(p, {p.mode, typed, seconds, level}, locale);
    return o.refusal ? std::nullopt : number(o.row.cells[std::size_t(column)], locale);
}

// The first rankable row of every hits-per-minute value in both catalogues, each bow with a
// different arrow kind in turn: every kind of pair the model meets, equal speeds included.
std::vector<Pick> sample()
{
    std::vector<Pick> picks;
    std::map<std::pair<int, int>, int> seen;
    for (std::size_t w = 0; w < meleeWeapons().size(); ++w) {
        const auto &r = meleeWeapons()[w];
        if (r.strengthReq && r.hitsPerMinute && seen[{0, *r.hitsPerMinute}]++ < 2)
            picks.push_back({Mode::Melee, w, 0});
    }
    for (std::size_t b = 0; b < bows().size(); ++b)
        if (seen[{1, bows()[b].hitsPerMinute}]++ < 2)
            picks.push_back({Mode::Bow, b, picks.size() % arrowKinds().size()});
    return picks;
}
} // namespace

class TestPlanning : public QObject {
    Q_OBJECT
private slots:
    void names()
    {
        for (std::size_t i = 0; i < 594; ++i) // the first row of a name for a name found twice
            QCOMPARE(pickOrder(*findPick(pickName(pickAt(Mode::Bow, i)))) <= i, true);
        QCOMPARE(pickOrder(*findPick("Elm Flatbow/Pinpoint Arrows")), 55u);
        QCOMPARE(pickOrder(*findPick("Rusted Dirk+2")), 2u);
        for (const char *name : {"Elm Flatbow", "Rusted Dirk/Wooden Arrows", "Elm Flatbow/x/y", ""})
            QVERIFY2(!findPick(name), name);
    }

    void crossings_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("level");
        QTest::newRow("English, level 3") << english << "3";
        QTest::newRow("Italian, level 2,75") << italian << "2,75";
    }

    // Every pair, both measures: the order flips between fromStrength - 1 and fromStrength at
    // 1, 10 and 60 seconds alike, and the totals meet at the strength written.
    void crossings()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, level);
        const std::vector<Pick> picks = sample();
        QCOMPARE(picks.size(), 28u);
        int found = 0;
        for (const Pick &a : picks)
            for (const Pick &b : picks)
                for (Measure m : {Measure::Min, Measure::Max}) {
                    const Column column = m == Measure::Min ? Column::TotalMin : Column::TotalMax;
                    const Column hpm = Column::HitsPerMinute;
                    const std::optional<Crossing> c = crossing(a, b, m, level, locale);
                    QCOMPARE(c.has_value(), figure(a, 1, "1", level, hpm, locale)
                                                != figure(b, 1, "1", level, hpm, locale));
                    if (!c)
                        continue;
                    ++found;
                    QVERIFY(c->fromStrength - 1 <= c->strength && c->strength < c->fromStrength);
                    for (const char *seconds : {"1", "10", "60"}) {
                        const auto at = [&](const Pick &p, int s) {
                            return *figure(p, s, seconds, level, column, locale);
                        };
                        QVERIFY(at(c->ahead, c->fromStrength) > at(c->behind, c->fromStrength));
                        QVERIFY(at(c->ahead, c->fromStrength - 1)
                                <= at(c->behind, c->fromStrength - 1));
                    }
                    const double p = *figure(c->ahead, c->strength, "60", level, column, locale);
                    const double q = *figure(c->behind, c->strength, "60", level, column, locale);
                    QVERIFY(std::abs(p - q) <= 1e-12 * std::abs(p) + 1e-12); // they meet there
                }
        QVERIFY(found > 1000);
    }

    void bands_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("level");
        QTest::addColumn<Measure>("measure");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("to");
        // clang-format off
        QTest::newRow("melee, maximum") << Mode::Melee << "" << Measure::Max << english << 1000;
        QTest::newRow("melee, minimum") << Mode::Melee << "" << Measure::Min << english << 1000;
        QTest::newRow("bows, level 7, maximum") << Mode::Bow << "7" << Measure::Max << english << 1000;
        QTest::newRow("bows, level 0,35, minimum") << Mode::Bow << "0,35" << Measure::Min << italian << 300;
        QTest::newRow("bows, level 100: ties") << Mode::Bow << "100" << Measure::Max << english << 300;
        QTest::newRow("bows, level -100: bases below 0") << Mode::Bow << "-100" << Measure::Min << english << 300;
        // clang-format on
    }

    // Strength by strength, the brute force: every row wieldable there, its total by the
    // program, the first of the largest.
    void bands()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, level);
        QFETCH(Measure, measure);
        QFETCH(QLocale, locale);
        QFETCH(int, to);
        const std::vector<Band> bands = bestBands(mode, level, 0, to, measure, locale);
        const Column total = measure == Measure::Min ? Column::TotalMin : Column::TotalMax;
        std::size_t band = 0;
        for (int s = 0; s <= to; ++s) {
            const Table table = compute({mode, s ? text(s, locale) : "+0", "60", level}, locale);
            const Row *best = nullptr;
            for (const Row &row : table.rows) {
                const auto req = number(row.cells[std::size_t(Column::Requirement)], locale);
                const auto t = number(row.cells[std::size_t(total)], locale);
                if (req && t && *req <= s
                    && (!best || *t > *number(best->cells[std::size_t(total)], locale)))
                    best = &row;
            }
            while (band < bands.size() && bands[band].to < s)
                ++band;
            if (!best) {
                QVERIFY(band == bands.size() || bands[band].from > s);
                continue;
            }
            QVERIFY2(band < bands.size() && bands[band].from <= s, qPrintable(QString::number(s)));
            QCOMPARE(pickOrder(bands[band].pick), best->order);
            if (band > 0 && bands[band - 1].to + 1 == bands[band].from)
                QVERIFY(!(bands[band - 1].pick == bands[band].pick));
        }
    }

    // Every answer holds by the program's figures and one point less does not.
    void goals()
    {
        int answered = 0;
        for (const Pick &p : sample())
            for (Goal goal : {Goal::HitAtLeast, Goal::TotalAtLeast})
                for (double target : {-3.0, 40.2, 61.3, 1234.5, 55555.0, qQNaN()})
                    for (bool wieldable : {false, true}) {
                        const Inputs in{p.mode, "", "7", "4,5"};
                        const Column c
                            = goal == Goal::HitAtLeast ? Column::HitMin : Column::TotalMin;
                        const auto req = figure(p, 1, "7", "4,5", Column::Requirement, italian);
                        const int lowest = wieldable ? int(*req) : 0;
                        if (qIsNaN(target)) // met exactly at the lowest strength
                            target = *figure(p, lowest, "7", "4,5", c, italian);
                        const auto s = strengthNeeded(p, goal, target, in, wieldable, italian);
                        QVERIFY(s.has_value());
                        QVERIFY(*s >= lowest);
                        QVERIFY(*figure(p, *s, "7", "4,5", c, italian) >= target);
                        if (*s > lowest)
                            QVERIFY(*figure(p, *s - 1, "7", "4,5", c, italian) < target);
                        answered += *s > lowest;
                    }
        QVERIFY(answered > 150);
        const auto noHpm = *findPick("Goblin Slayer"), noReq = *findPick("Chaotic Sword");
        const Inputs in{Mode::Melee, "", "7", ""};
        QVERIFY(!strengthNeeded(noHpm, Goal::TotalAtLeast, 10, in, false, english));
        QCOMPARE(strengthNeeded(noHpm, Goal::HitAtLeast, 33, in, false, english), 102);
        QVERIFY(!strengthNeeded(noReq, Goal::HitAtLeast, 10, in, false, english));
    }

    void defeat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<double>("health");
        QTest::addColumn<QString>("expected"); // hits best, worst; seconds best, worst
        QTest::newRow("Rusted Dirk") << "Rusted Dirk"
                                     << "5" << 100.0 << "20 50 18.1818181818182 45.4545454545455";
        QTest::newRow("exactly three hits")
            << "Rusted Dirk"
            << "-3.5" << 0.9 << "1 3 0.247933884297521 2.72727272727273";
        QTest::newRow("nothing at or below 0") << "Rusted Dirk"
                                               << "-20" << 10.0 << "- - - -";
        QTest::newRow("no hits per minute") << "Goblin Slayer"
                                            << "97" << 64.5 << "2 3 - -";
        QTest::newRow("no health") << "Rusted Dirk"
                                   << "5" << 0.0 << "- - - -";
    }

    void defeat()
    {
        QFETCH(QString, name);
        QFETCH(QString, strength);
        QFETCH(double, health);
        const Defeat d
            = timeToDefeat(*findPick(name), health, {Mode::Melee, strength, "60", ""}, english);
        const auto hits = [](std::optional<double> h) { return h ? text(*h, english) : "-"; };
        const auto secs = [](const QString &s) { return s.isEmpty() ? "-" : s; };
        QTEST(QStringList(
                  {hits(d.hitsBest), hits(d.hitsWorst), secs(d.secondsBest), secs(d.secondsWorst)})
                  .join(' '),
              "expected");
    }
};

QTEST_APPLESS_MAIN(TestPlanning)
#include "test_planning.moc"
