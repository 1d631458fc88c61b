#pragma once

// The two conversions through which every figure passes: figures travel between boxes and
// working values as texts, and only the arithmetic turns them into doubles and back.

#include <QLocale>
#include <QString>

#include <optional>

namespace harmtally {

// Reads t by the locale's rules: blanks around it, an optional sign, digits with at most one
// decimal separator of the locale, an optional exponent. Digit grouping, any other separator,
// inf, nan, hex and values beyond the range of a double give nothing.
std::optional<double> number(const QString &t, const QLocale &locale);

// Writes x as the general format does with 15 significant digits (%.15G): trailing zeros
// dropped, exponent form (1E+16, 1E-05) outside 1E-04 up to below 1E+15, the locale's decimal
// separator, no grouping, and negative zero written 0. x must be finite.
QString text(double x, const QLocale &locale);

} // namespace harmtally
