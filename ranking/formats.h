#pragma once

// The ranking table written out: aligned text for a terminal, CSV and JSON for machines. Each
// starts with the column names (JSON: as the keys) and writes the columns in Column order, leaving
// out ArrowKind for melee weapons.

#include "ranking/ranking.h"

#include <QLocale>
#include <QString>

#include <span>

namespace harmtally::ranking {

// Columns padded to line up, figures as shown; the header in English.
QString toAlignedText(std::span<const Row> rows, Mode mode);

// RFC 4180: a header of the JSON keys, comma-separated fields quoted where needed, lines ending
// "\r\n", numbers written with a point whatever the locale (rows computed in `locale` are read
// back and rewritten), unknown figures empty.
QString toCsv(std::span<const Row> rows, Mode mode, const QLocale &locale);

// An array of objects, one per row, keyed name, arrows (bows), requirement, hitsPerMinute,
// baseMin, baseMax, hitMin, hitMax, totalMin, totalMax; numbers as JSON numbers written as
// text() writes them in the C locale, unknown figures null.
QString toJson(std::span<const Row> rows, Mode mode, const QLocale &locale);

} // namespace harmtally::ranking
