#pragma once

// Every table the program writes out: the ranking, its goal columns, a comparison, the best at
// each strength. One family of writers: aligned text with English captions for a terminal, CSV
// and JSON with fixed keys and figures written with a point, for machines.

#include "ranking/ranking.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace harmtally::ranking {

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
// A column of the table written as the shell writes it: its key, its English caption.
Field field(const ColumnInfo &column);

// One row: a cell per field, figures as the main window writes them in the locale; an empty
// cell is unknown (JSON null, CSV and text empty).
using Record = QStringList;

// Aligned text: columns padded to line up, names to the left and figures to the right.
QString recordsText(std::span<const Field> fields, std::span<const Record> records);
// RFC 4180: a header of the keys, fields quoted where needed, lines ending "\r\n", figures read
// in `locale` and written with a point, unknown figures empty.
QString recordsCsv(std::span<const Field> fields, std::span<const Record> records,
                   const QLocale &locale);
// An array of objects, one per line; figures as JSON numbers written as text() writes them in
// the C locale, unknown cells null.
QString recordsJson(std::span<const Field> fields, std::span<const Record> records,
                    const QLocale &locale);

enum class Format { Text, Csv, Json };
QString written(Format format, std::span<const Field> fields, std::span<const Record> records,
                const QLocale &locale);

// The ranking's own fields for one mode (ArrowKind for bows only), and a row's cells for them.
std::vector<Field> rankingFields(Mode mode);
Record rankingRecord(const Row &row, Mode mode);

// The ranking's rows in one format, its columns as shownColumns(mode) says.
QString rankingTable(std::span<const Row> rows, Mode mode, Format format, const QLocale &locale);

} // namespace harmtally::ranking
