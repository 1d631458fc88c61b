#include "ranking/records.h"

#include "core/numbers.h"

#include <QStringList>

#include <algorithm>

namespace harmtally::ranking {

Field field(const ColumnInfo &column)
{
    return {QLatin1String(column.key), column.caption.in(Language::English),
            column.content == Content::Text};
}

std::optional<QString> cFigure(const QString &cell, const QLocale &locale)
{
    const std::optional<double> x = number(cell, locale);
    return x ? std::optional(text(*x, QLocale::c())) : std::nullopt;
}

QString csvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\r')
        && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString jsonString(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (QChar ch : s) {
        if (ch == u'"' || ch == u'\\')
            out += u'\\' + QString(ch);
        else if (ch.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QChar(u'0'));
        else
            out += ch;
    }
    return out + u'"';
}

QString recordsText(std::span<const Field> fields, std::span<const Record> records)
{
    std::vector<qsizetype> widths;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        qsizetype width = fields[i].caption.size();
        for (const Record &record : records)
            width = std::max(width, record[i].size());
        widths.push_back(width);
    }
    // Names to the left, figures to the right so their digits line up.
    const auto line = [&](auto cellOf) {
        QString out;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += QStringLiteral("  ");
            out += fields[i].isText ? cellOf(i).leftJustified(widths[i])
                                    : cellOf(i).rightJustified(widths[i]);
        }
        while (out.endsWith(u' '))
            out.chop(1);
        return out + u'\n';
    };
    QString out = line([&](std::size_t i) { return fields[i].caption; });
    for (const Record &record : records)
        out += line([&](std::size_t i) { return record[i]; });
    return out;
}

QString recordsCsv(std::span<const Field> fields, std::span<const Record> records,
                   const QLocale &locale)
{
    QStringList line;
    for (const Field &field : fields)
        line.append(field.key);
    QString out = line.join(u',') + QStringLiteral("\r\n");
    for (const Record &record : records) {
        line.clear();
        for (std::size_t i = 0; i < fields.size(); ++i)
            line.append(csvField(
                fields[i].isText ? record[i] : cFigure(record[i], locale).value_or(record[i])));
        out += line.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

QString recordsJson(std::span<const Field> fields, std::span<const Record> records,
                    const QLocale &locale)
{
    // Written by hand: QJsonDocument would write doubles its own way, not as the window does.
    QString out = QStringLiteral("[");
    for (std::size_t r = 0; r < records.size(); ++r) {
        out += r == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const QString &cell = records[r][i];
            out += (i == 0 ? QString() : QStringLiteral(", ")) + jsonString(fields[i].key)
                   + QStringLiteral(": ");
            if (fields[i].isText)
                out += cell.isEmpty() ? QStringLiteral("null") : jsonString(cell);
            else
                out += cFigure(cell, locale).value_or(QStringLiteral("null"));
        }
        out += u'}';
    }
    return out + (records.empty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n"));
}

QString written(Format format, std::span<const Field> fields, std::span<const Record> records,
                const QLocale &locale)
{
    switch (format) {
    case Format::Csv:
        return recordsCsv(fields, records, locale);
    case Format::Json:
        return recordsJson(fields, records, locale);
    case Format::Text:
        break;
    }
    return recordsText(fields, records);
}

std::vector<Field> rankingFields(Mode mode)
{
    std::vector<Field> fields;
    for (Column c : shownColumns(mode))
        fields.push_back(field(columnInfo(c)));
    return fields;
}

Record rankingRecord(const Row &row, Mode mode)
{
    Record record;
    for (Column c : shownColumns(mode))
        record.push_back(row.cells[std::size_t(c)]);
    return record;
}

QString rankingTable(std::span<const Row> rows, Mode mode, Format format, const QLocale &locale)
{
    std::vector<Record> records;
    records.reserve(rows.size());
    for (const Row &row : rows)
        records.push_back(rankingRecord(row, mode));
    return written(format, rankingFields(mode), records, locale);
}

} // namespace harmtally::ranking
