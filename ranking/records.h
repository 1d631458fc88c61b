#pragma once

// Tables beyond the ranking's own columns (a comparison, the best at each strength, a goal's
// columns), written the ranking's ways: aligned text with English captions, CSV and JSON with
// fixed keys and figures written with a point. And the pieces the ranking's formats share.

#include "ranking/ranking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace harmtally::ranking {

// The name machines read for a column (CSV header, JSON key), whatever the interface language.
QString columnKey(Column column);

// A field quoted for CSV where it must be.
QString csvField(const QString &field);

// A JSON string, quotes and control characters escaped.
QString jsonString(const QString &s);

// A figure written in `locale` rewritten with a point, or nothing when the cell holds none.
std::optional<QString> cFigure(const QString &cell, const QLocale &locale);

struct Field {
    QString key;     // CSV header and JSON key
    QString caption; // the aligned text's header
    bool isText;     // names, left-aligned and quoted in JSON; otherwise a figure
};

// One row: a cell per field, figures as the main window writes them in the locale; an empty
// cell is unknown (JSON null, CSV and text empty).
using Record = QStringList;

QString recordsText(std::span<const Field> fields, std::span<const Record> records);
QString recordsCsv(std::span<const Field> fields, std::span<const Record> records,
                   const QLocale &locale);
// An array of objects, one per line.
QString recordsJson(std::span<const Field> fields, std::span<const Record> records,
                    const QLocale &locale);

// The ranking's own fields for one mode (ArrowKind for bows only), and a row's cells for them.
std::vector<Field> rankingFields(Mode mode);
Record rankingRecord(const Row &row, Mode mode);

} // namespace harmtally::ranking
