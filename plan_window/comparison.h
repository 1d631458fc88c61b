#pragma once

// Everything the compare and plan window shows for up to four choices, computed from the texts
// typed: the side-by-side table, the chart's lines, crossings and cursor, and the crossings
// written out. Every figure is a text the main window would show for that choice and strength
// (pickRow), so the chart, the table and the sentences never disagree with it. Qt Core only.

#include "ranking/planning.h"
#include "texts/language.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace harmtally::plan {

using ranking::Measure;
using ranking::Pick;

// What the player typed, as typed. An empty range box takes its default.
struct PlanInputs {
    QString strength;
    QString seconds;
    QString level; // the Trueshot Quiver's
    QString from;
    QString to;
};

// The rows of the side-by-side table, in order.
enum class Figure {
    Requirement,
    HitsPerMinute,
    BaseMin,
    BaseMax,
    HitMin,
    HitMax,
    TotalMin,
    TotalMax,
    TotalMaxDifference, // from the first choice
    TotalMaxPercent,
    TotalMinDifference,
    TotalMinPercent,
    PointPerHit, // what one more strength point adds
    PointTotal,
};
inline constexpr std::size_t kFigureCount = std::size_t(Figure::PointTotal) + 1;

// Whether the pick's figures need the Trueshot level.
bool needsLevel(const Pick &pick);

// The row caption; `seconds` as typed goes into the captions of the totals.
QString caption(Figure figure, const QString &seconds, Language language);
// "over 10 s" for the seconds typed, or "over the seconds" while the box is empty.
QString overSeconds(const QString &seconds, Language language);

struct ChoiceColumn {
    Pick pick;
    QString name;                            // pickName()
    std::array<QString, kFigureCount> cells; // empty where unknown or refused
    QString refusal;                         // the main window's message, if it refuses
    ranking::Row row;                        // as the main window fills it
};

// One point of a chart line: damage over the seconds at a boosted strength.
struct Point {
    double strength;
    double total;
};

struct Series {
    std::size_t slot;       // the choice's place: its colour and marker
    QString name;           // pickName(), for the key of a saved picture
    std::vector<Point> max; // in strength order, the range's ends included
    std::vector<Point> min;
    std::optional<double> requirement; // marked when within the range
};

struct Dot {
    Measure measure;
    double strength;
    double total;
    QString label; // the strength as the main window writes figures
};

struct ChartData {
    double from = 0;
    double to = 100;
    std::vector<Series> series; // choices without totals have none
    std::vector<Dot> crossings;
    std::optional<double> cursor; // the typed strength, when readable
    QString xTitle;
    QString yTitle;
    QStringList key;   // the words of the key: maximum, minimum, requirement, crossing
    QString emptyNote; // said in the chart when there is no line to draw
    QString figures;   // the strength, seconds and level typed, for a saved picture
};

struct Comparison {
    std::vector<ChoiceColumn> columns;
    ChartData chart;
    QStringList sentences; // one per pair whose totals cross in the range, or run level
    QString rangeNote;     // why a typed range was set aside (unreadable, or too narrow to draw)
};

// The range the chart takes when its boxes are empty: 0 to the highest requirement among the
// choices plus 100.
std::pair<double, double> defaultRange(const std::vector<Pick> &picks, const QLocale &locale);

Comparison compare(const std::vector<Pick> &picks, const PlanInputs &in, Language language,
                   const QLocale &locale);

// The table as tab-separated text: a header of the choices' names, then one line per figure.
QString toTabSeparated(const Comparison &comparison, const QString &seconds, Language language);

} // namespace harmtally::plan
