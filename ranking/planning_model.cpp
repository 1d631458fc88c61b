#include "ranking/planning_model.h"

#include "core/numbers.h"

namespace harmtally::ranking::model {
namespace {

// The seconds at which the order of two totals is checked. Ranking by the total does not depend
// on the seconds; a minute keeps every total a whole multiple of the per-hit figure.
const QString kMinute = QStringLiteral("60");

Column totalColumn(Measure measure)
{
    return measure == Measure::Min ? Column::TotalMin : Column::TotalMax;
}

// The total the program writes for the pick at this strength, as a number; nothing on refusal.
std::optional<double> programTotal(const Pick &pick, long long strength, Measure measure,
                                   const QString &level, const QLocale &locale)
{
    const RowOutcome outcome
        = pickRow(pick, {pick.mode, strengthText(strength, locale), kMinute, level}, locale);
    if (outcome.refusal)
        return std::nullopt;
    return cellNumber(outcome.row, totalColumn(measure), locale);
}

} // namespace

QString strengthText(double strength, const QLocale &locale)
{
    return computedStrength(text(strength, locale));
}

std::optional<double> cellNumber(const Row &row, Column column, const QLocale &locale)
{
    return number(row.cells[std::size_t(column)], locale);
}

bool programBeats(const Pick &a, const Pick &b, long long strength, Measure measure,
                  const QString &level, const QLocale &locale, bool earlierWins)
{
    const std::optional<double> x = programTotal(a, strength, measure, level, locale);
    const std::optional<double> y = programTotal(b, strength, measure, level, locale);
    if (!x || !y)
        return false;
    return *x > *y || (earlierWins && *x == *y && pickOrder(a) < pickOrder(b));
}

std::optional<Decimal> decimalOf(double x)
{
    const QString written = text(x, QLocale::c());
    Decimal d;
    bool negative = false;
    int fraction = 0;
    bool inFraction = false;
    qsizetype i = 0;
    if (written.startsWith(u'-')) {
        negative = true;
        i = 1;
    }
    for (; i < written.size() && written[i] != u'E'; ++i) {
        if (written[i] == u'.') {
            inFraction = true;
            continue;
        }
        d.mantissa = d.mantissa * 10 + (written[i].unicode() - u'0');
        fraction += inFraction ? 1 : 0;
    }
    if (i < written.size()) {
        bool ok = false;
        d.exponent = written.sliced(i + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    d.exponent -= fraction;
    d.mantissa = negative ? -d.mantissa : d.mantissa;
    return d;
}

std::optional<Figures> figuresOf(const Pick &pick, Measure measure, const QString &level,
                                 const QLocale &locale)
{
    const RowOutcome outcome
        = pickRow(pick, {pick.mode, QStringLiteral("1"), kMinute, level}, locale);
    const Row &row = outcome.row;
    const auto req = cellNumber(row, Column::Requirement, locale);
    const auto hpm = cellNumber(row, Column::HitsPerMinute, locale);
    const auto base
        = cellNumber(row, measure == Measure::Min ? Column::BaseMin : Column::BaseMax, locale);
    if (!req || !hpm || !base)
        return std::nullopt;
    return Figures{(long long)*req, int(*hpm), *base};
}

std::optional<int> exactDigits(const std::vector<Figures> &figures)
{
    int digits = 0;
    int up = 0;
    for (const Figures &f : figures) {
        const std::optional<Decimal> d = decimalOf(f.base);
        if (!d)
            return std::nullopt;
        digits = std::max(digits, -d->exponent);
        up = std::max(up, d->exponent);
    }
    if (digits + up > 18) // 15 digits x 10^18 x 5 x hits per minute stays within Wide
        return std::nullopt;
    return digits;
}

Wide powerOfTen(int digits)
{
    Wide power = 1;
    for (int i = 0; i < digits; ++i)
        power *= 10;
    return power;
}

} // namespace harmtally::ranking::model
