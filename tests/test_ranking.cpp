#include "core/numbers.h"
#include "ranking/ranking.h"
#include "ranking/records.h"
#include "texts/messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace harmtally;
using namespace harmtally::ranking;

Q_DECLARE_METATYPE(harmtally::ranking::Inputs)
Q_DECLARE_METATYPE(harmtally::ranking::Column)

namespace {
const QLocale italian(QLocale::Italian, QLocale::Italy);

const QString &at(const Row &row, Column c) { return row.cells[std::size_t(c)]; }
} // namespace

// Each row's figures are the main window's (test_same_figures); here, what the table adds.
class TestRanking : public QObject {
    Q_OBJECT
private slots:
    void speaksWithOneRefusal_data()
    {
        QTest::addColumn<Inputs>("in");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("computed"); // rows with their results
        // clang-format off
        const QString missing = messages::strengthOrSecondsMissing(), invalid = messages::invalidValue();
        QTest::newRow("melee") << Inputs{Mode::Melee, "30", "10", ""} << QString() << 267;
        QTest::newRow("no level yet: no refusal") << Inputs{Mode::Bow, "23", "10", " "} << QString() << 495;
        QTest::newRow("Trueshot level") << Inputs{Mode::Bow, "57", "7", "25"} << QString() << 594;
        QTest::newRow("no strength") << Inputs{Mode::Melee, "", "10", ""} << missing << 0;
        QTest::newRow("seconds 0") << Inputs{Mode::Bow, "50", "0", "3"} << missing << 0;
        QTest::newRow("unreadable seconds") << Inputs{Mode::Melee, "50", "1,5", ""} << invalid << 0;
        QTest::newRow("unreadable level") << Inputs{Mode::Bow, "50", "10", "x"} << invalid << 495;
        QTest::newRow("missing outweighs level") << Inputs{Mode::Bow, "", "10", "x"} << missing << 0;
        QTest::newRow("too large") << Inputs{Mode::Melee, "1e308", "60", ""} << messages::resultTooLarge() << 16;
        // clang-format on
    }

    void speaksWithOneRefusal()
    {
        QFETCH(Inputs, in);
        const Table table = compute(in, QLocale::c());
        QTEST(table.refusal ? table.refusal->message : QString(), "message");
        int computed = 0;
        for (const Row &r : table.rows) {
            QCOMPARE(r.order, std::size_t(&r - table.rows.data()));
            // Only the Trueshot Quiver without a readable level has no base.
            QCOMPARE(at(r, Column::BaseMin).isEmpty(),
                     at(r, Column::ArrowKind) == u"Trueshot Quiver"
                         && !number(in.level, QLocale::c()));
            computed += !at(r, Column::HitMin).isEmpty();
        }
        QTEST(computed, "computed");
    }

    void ranksOneWay_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QString>("orders"); // of the rows below, as ranked
        // Words any case, figures in the locale, unknown last both ways, ties in catalogue order.
        QTest::newRow("words up") << Column::Name << Qt::AscendingOrder << "1 3 0 4 2";
        QTest::newRow("words down") << Column::Name << Qt::DescendingOrder << "4 0 1 3 2";
        QTest::newRow("arrows up") << Column::ArrowKind << Qt::AscendingOrder << "4 0 1 3 2";
        QTest::newRow("figures up") << Column::Requirement << Qt::AscendingOrder << "4 0 1 3 2";
        QTest::newRow("figures down") << Column::Requirement << Qt::DescendingOrder << "1 3 0 4 2";
    }

    void ranksOneWay()
    {
        QFETCH(Column, column);
        QFETCH(Qt::SortOrder, order);
        std::vector<Row> rows{{4, {"Gamma", "ago", "1,5"}},
                              {3, {"alpha", "Dardo", "10"}},
                              {2, {"", "", ""}},
                              {1, {"Alpha", "Dardo", "10"}},
                              {0, {"beta", "Cuspide", "2"}}};
        sortRows(rows, column, order, italian);
        QStringList orders;
        for (const Row &row : rows)
            orders << QString::number(row.order);
        QTEST(orders.join(' '), "orders");
    }

    void formatsReadBack()
    {
        // Italian figures with commas, and a made-up row for quoting, exponents and unknowns.
        std::vector<Row> rows = compute({Mode::Bow, "57,5", "7", "2,5"}, italian).rows;
        rows.resize(1);
        rows.push_back({999, {"Troll's \"Bow\" \\big", "Arrows, blunt", "1E+16", "", "-0,2"}});
        rows.push_back({998, {"Line\nfeed", "Carriage\rreturn"}}); // quoted for these alone

        QCOMPARE(
            rankingTable(rows, Mode::Bow, Format::Csv, italian),
            "name,arrows,requirement,hitsPerMinute,baseMin,baseMax,hitMin,hitMax,totalMin,"
            "totalMax\r\nAshwood Flatbow,Wooden Arrows,0,50,2,4,13.5,15.5,78.75,90.4166666666667"
            "\r\n\"Troll's \"\"Bow\"\" \\big\",\"Arrows, blunt\",1E+16,,-0.2,,,,,\r\n"
            "\"Line\nfeed\",\"Carriage\rreturn\",,,,,,,,\r\n");
        const QJsonArray json
            = QJsonDocument::fromJson(rankingTable(rows, Mode::Bow, Format::Json, italian).toUtf8())
                  .array();
        QCOMPARE(json.size(), 3); // and none when it does not parse
        QCOMPARE(json[0].toObject().value("totalMax").toDouble(), 90.4166666666667);
        QCOMPARE(json[1].toObject().value("name").toString(), rows[1].cells[0]);
        QCOMPARE(json[1].toObject().value("requirement").toDouble(), 1e16);
        QCOMPARE(json[1].toObject().value("baseMin").toDouble(), -0.2);
        QVERIFY(json[1].toObject().value("hitsPerMinute").isNull());

        rows.pop_back();
        // clang-format off
        QCOMPARE(rankingTable(rows, Mode::Melee, Format::Text, italian),
                 "Weapon              Str req.  Hits/min  Min base  Max base  Min per hit  Max per hit  Min total         Max total\n"
                 "Ashwood Flatbow            0        50         2         4         13,5         15,5      78,75  90,4166666666667\n"
                 "Troll's \"Bow\" \\big     1E+16                -0,2\n");
        // clang-format on
    }
};

QTEST_APPLESS_MAIN(TestRanking)
#include "test_ranking.moc"
