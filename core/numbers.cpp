#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace harmtally {
namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Rewrites t in the C form that std::from_chars reads, or gives nothing when t breaks the rules.
std::optional<std::string> toCForm(const QString &t, const QLocale &locale)
{
    const QString s = t.trimmed();
    const QString point = locale.decimalPoint();
    std::string out;
    qsizetype i = 0;

    if (s.startsWith(u'-') || s.startsWith(locale.negativeSign())) {
        out += '-';
        i = s.startsWith(u'-') ? 1 : locale.negativeSign().size();
    } else if (s.startsWith(u'+') || s.startsWith(locale.positiveSign())) {
        i = s.startsWith(u'+') ? 1 : locale.positiveSign().size();
    }

    int digits = 0;
    bool seenPoint = false;
    while (i < s.size()) {
        if (isAsciiDigit(s[i])) {
            out += char(s[i].unicode());
            ++digits;
            ++i;
        } else if (!seenPoint && QStringView(s).sliced(i).startsWith(point)) {
            out += '.';
            seenPoint = true;
            i += point.size();
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;

    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            out += char(s[i++].unicode());
        int exponentDigits = 0;
        for (; i < s.size() && isAsciiDigit(s[i]); ++i, ++exponentDigits)
            out += char(s[i].unicode());
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    return out;
}

// Whether a number that from_chars could not hold is too small rather than too large: the sign
// of its decimal order of magnitude, taken from the position of its first significant digit.
bool isUnderflow(std::string_view c)
{
    const std::size_t e = std::min(c.find('e'), c.size());
    const std::string_view mantissa = c.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    long long order = first < point ? (long long)(point - first) : -(long long)(first - point);
    if (e < c.size()) {
        const bool negative = c[e + 1] == '-';
        long long exponent = 0;
        for (char d : c.substr(e + 1))
            if (d >= '0' && d <= '9')
                exponent = std::min(exponent * 10 + (d - '0'), 1'000'000'000LL);
        order += negative ? -exponent : exponent;
    }
    return order < 0;
}

} // namespace

// Not QLocale::toDouble: it reads inf and nan, digit grouping unless told not to, and the
// locale's native digits (Arabic-Indic, Devanagari, ...), and it refuses a value too small to
// hold (1e-400) instead of reading 0. The rules here are the program's own, the same in every
// Qt version: the locale gives only its signs and decimal separator.
std::optional<double> number(const QString &t, const QLocale &locale)
{
    const std::optional<std::string> c = toCForm(t, locale);
    if (!c)
        return std::nullopt;
    const char *begin = c->data() + (c->front() == '-' ? 1 : 0);
    const char *end = c->data() + c->size();
    double magnitude = 0;
    const auto [stop, error] = std::from_chars(begin, end, magnitude);
    if (error == std::errc::result_out_of_range && isUnderflow(std::string_view(begin, end)))
        magnitude = 0; // from_chars reports underflow like overflow; too small to hold reads 0
    else if (error != std::errc() || stop != end || !std::isfinite(magnitude))
        return std::nullopt;
    return c->front() == '-' ? -magnitude : magnitude;
}

// Not QLocale::toString: it writes native digits in some locales, groups digits unless told
// not to, and writes the exponent as e+16 or with the locale's own exponent sign; the figures
// here are %.15G's, with only the decimal separator taken from the locale.
QString text(double x, const QLocale &locale)
{
    if (x == 0)
        return QStringLiteral("0");
    char buffer[32];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    QString written = QString::fromLatin1(buffer, result.ptr - buffer);
    written.replace(u'e', u'E');
    written.replace(u'.', locale.decimalPoint());
    return written;
}

} // namespace harmtally
