#include "ranking/formats.h"

#include "core/numbers.h"
#include "ranking/records.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace harmtally::ranking {
namespace {

std::vector<Column> columnsOf(Mode mode)
{
    std::vector<Column> columns;
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (mode == Mode::Bow || Column(c) != Column::ArrowKind)
            columns.push_back(Column(c));
    return columns;
}

} // namespace

QString toAlignedText(std::span<const Row> rows, Mode mode)
{
    const std::vector<Column> columns = columnsOf(mode);
    std::vector<qsizetype> widths;
    for (Column c : columns) {
        qsizetype width = caption(c, Language::English).size();
        for (const Row &row : rows)
            width = std::max(width, row.cells[std::size_t(c)].size());
        widths.push_back(width);
    }
    // Names to the left, figures to the right so their digits line up.
    const auto line = [&](auto cellOf) {
        QString out;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString cell = cellOf(columns[i]);
            if (i > 0)
                out += QStringLiteral("  ");
            out += isText(columns[i]) ? cell.leftJustified(widths[i])
                                      : cell.rightJustified(widths[i]);
        }
        while (out.endsWith(u' '))
            out.chop(1);
        return out + u'\n';
    };
    QString out = line([](Column c) { return caption(c, Language::English); });
    for (const Row &row : rows)
        out += line([&](Column c) { return row.cells[std::size_t(c)]; });
    return out;
}

QString toCsv(std::span<const Row> rows, Mode mode, const QLocale &locale)
{
    const std::vector<Column> columns = columnsOf(mode);
    QStringList line;
    for (Column c : columns)
        line.append(columnKey(c));
    QString out = line.join(u',') + QStringLiteral("\r\n");
    for (const Row &row : rows) {
        line.clear();
        for (Column c : columns) {
            const QString &cell = row.cells[std::size_t(c)];
            line.append(csvField(isText(c) ? cell : cFigure(cell, locale).value_or(cell)));
        }
        out += line.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

QString toJson(std::span<const Row> rows, Mode mode, const QLocale &locale)
{
    // Written by hand: QJsonDocument would write doubles its own way, not as the window does.
    const std::vector<Column> columns = columnsOf(mode);
    QString out = QStringLiteral("[");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString &cell = rows[r].cells[std::size_t(columns[i])];
            out += (i == 0 ? QString() : QStringLiteral(", ")) + jsonString(columnKey(columns[i]))
                   + QStringLiteral(": ");
            out += isText(columns[i]) ? jsonString(cell)
                                      : cFigure(cell, locale).value_or(QStringLiteral("null"));
        }
        out += u'}';
    }
    return out + (rows.empty() ? QStringLiteral("]\n") : QStringLiteral("\n]\n"));
}

} // namespace harmtally::ranking
