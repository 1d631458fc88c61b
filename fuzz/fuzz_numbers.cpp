// Fuzzes number() and text() in English and Italian against the C library: number() must read
// exactly what strtod reads whole once blanks are trimmed, and text() must write what %.15G writes
// and read back as the 15-digit rounding.
#include "core/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

using harmtally::number;
using harmtally::text;

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz_numbers: check failed at line %d: %s\n", __LINE__,          \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace {

using Read = std::optional<double>;

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);

// Same value including the sign of zero: "-0" must read as -0 like strtod reads it.
bool same(Read a, Read b)
{
    return a.has_value() == b.has_value()
           && (!a || (*a == *b && std::signbit(*a) == std::signbit(*b)));
}

// What number() must give in English: strtod's grammar restricted to digits, signs, point and
// exponent, since anything else (inf, nan, hex, grouping) is refused.
Read expected(const QString &t)
{
    const QString s = t.trimmed();
    for (QChar c : s)
        if (!QStringView(u"0123456789+-.eE").contains(c))
            return std::nullopt;
    const QByteArray c = s.toLatin1();
    char *end = nullptr;
    const double v = std::strtod(c.constData(), &end);
    if (c.isEmpty() || end != c.constData() + c.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// Italian reads as English does with the roles of point and comma exchanged.
QString swapPointAndComma(QString s)
{
    for (QChar &c : s)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return s;
}

void checkText(double x, const QLocale &locale)
{
    const QString t = text(x, locale);
    char c[40];
    std::snprintf(c, sizeof c, "%.15G", x);
    QString want = QString::fromLatin1(c).replace(u'.', locale.decimalPoint());
    if (want == u"-0")
        want = QStringLiteral("0");
    CHECK(t == want && !t.contains(locale.groupSeparator()));
    // Only a rounding beyond the largest double may fail to read back; zero is written unsigned.
    std::snprintf(c, sizeof c, "%.14e", x);
    const double rounded = x == 0 ? 0.0 : std::strtod(c, nullptr);
    CHECK(same(number(t, locale), std::isfinite(rounded) ? Read(rounded) : std::nullopt));
}

void checkNumber(const QString &s)
{
    const Read en = number(s, english);
    const Read it = number(s, italian);
    CHECK(same(en, expected(s)));
    CHECK(same(it, expected(swapPointAndComma(s))));
    for (Read v : {en, it})
        if (v) {
            checkText(*v, english);
            checkText(*v, italian);
        }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The references must use the C conventions whatever locale the process was given.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    uselocale(c);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    checkNumber(QString::fromUtf8(bytes, qsizetype(size)));
    checkNumber(QString::fromLatin1(bytes, qsizetype(size)));
    QString units(qsizetype(size / 2), Qt::Uninitialized); // any UTF-16, lone surrogates too
    std::memcpy(units.data(), data, size / 2 * 2);
    checkNumber(units);

    double x;
    if (size >= sizeof x) {
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) {
            checkText(x, english);
            checkText(x, italian);
        }
    }
    return 0;
}
