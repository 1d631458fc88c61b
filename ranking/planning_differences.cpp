// The side-by-side figures written as the main window writes them (planning.h): one choice's
// difference from the first, and what one more strength point adds.

#include "ranking/planning.h"

#include "core/numbers.h"
#include "ranking/planning_model.h"

#include <cmath>

namespace harmtally::ranking {

using namespace model;

namespace {

// The difference of two figures as they are written: the doubles' difference rounded to the
// texts' decimals, so 46.6666666666667 - 46.2 is 0.4666666666667, not 0.466666666666697. Texts
// in exponent form keep the doubles' difference.
double writtenDifference(const QString &a, const QString &b, double x, double y,
                         const QLocale &locale)
{
    const auto decimals = [&](const QString &t) -> std::optional<int> {
        if (t.contains(u'E'))
            return std::nullopt;
        const qsizetype point = t.indexOf(locale.decimalPoint());
        return point < 0 ? 0 : int(t.size() - point - 1);
    };
    const std::optional<int> da = decimals(a), db = decimals(b);
    if (!da || !db)
        return x - y;
    const double scale = std::pow(10.0, std::max(*da, *db));
    return std::round((x - y) * scale) / scale;
}

} // namespace

Difference difference(const Row &row, const Row &first, Column column, const QLocale &locale)
{
    const std::optional<double> x = cellNumber(row, column, locale);
    const std::optional<double> y = cellNumber(first, column, locale);
    if (!x || !y)
        return {};
    const std::size_t c = std::size_t(column);
    const double d = writtenDifference(row.cells[c], first.cells[c], *x, *y, locale);
    return {finiteText(d, locale).value_or(QString()),
            *y == 0 ? QString() : finiteText(d / *y * 100, locale).value_or(QString())};
}

// From the model, not as the difference of the results at two strengths: that would carry their
// rounding to 15 digits (0.200000000000003).
QString perStrengthPoint(const Row &row, Column column, const QString &seconds,
                         const QLocale &locale)
{
    if (row.cells[std::size_t(column)].isEmpty())
        return {};
    if (column == Column::HitMin || column == Column::HitMax)
        return text(1.0 / 5.0, locale);
    const std::optional<double> hits
        = number(row.cells[std::size_t(Column::HitsPerMinute)], locale);
    const std::optional<double> time = number(seconds, locale);
    return hits && time ? finiteText(*hits * *time / 300, locale).value_or(QString()) : QString();
}

} // namespace harmtally::ranking
