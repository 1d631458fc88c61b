// The ranking as it leaves the window: Ctrl+C copies the selected rows, "Export CSV" writes
// every row on view, for a spreadsheet or for programs, whole or not at all.

#include "ranking_window/ranking_window.h"

#include "ranking/records.h"
#include "ranking_window/ranking_table_model.h"
#include "texts/ranking_window_words.h"
#include "toolkit/save_file.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QTableView>

#include <algorithm>
#include <span>
#include <vector>

namespace harmtally::ranking {

namespace {

// The model's columns as the table shows them, left to right: the ranking's (Arrows for bows
// only), then the goal's.
std::vector<int> shownColumns(const RankingProxyModel &proxy)
{
    std::vector<int> columns;
    for (int c = 0; c < proxy.columnCount(); ++c)
        if (c != int(Column::ArrowKind) || proxy.rows().mode() == Mode::Bow)
            columns.push_back(c);
    return columns;
}

// A row on view, each cell the text the table shows.
Record shownCells(const RankingProxyModel &proxy, int row, std::span<const int> columns)
{
    Record cells;
    for (int c : columns)
        cells.append(proxy.index(row, c).data().toString());
    return cells;
}

// A column of the file: keyed and written as `harmtally rank --format csv` writes it, so the
// file reads the same whatever the window's language and locale.
Field fileColumn(const RankingTableModel &model, int column)
{
    return field(model.columnInfo(column));
}

// Quoted wherever a usual separator would split it: a spreadsheet's import may split at a comma,
// a semicolon and a tab all at once (LibreOffice's does unless told otherwise), and a decimal
// comma is one of them.
QString spreadsheetField(const QString &field)
{
    static const QRegularExpression splits(QStringLiteral("[,;\t\"\r\n]"));
    if (!field.contains(splits))
        return field;
    return u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The table's captions and figures as the player's locale writes them, read as numbers by a
// spreadsheet in that locale: where the decimal mark is a comma, fields are separated by ';',
// as such a spreadsheet expects. The byte order mark tells it the text is UTF-8.
QString spreadsheetCsv(const QStringList &header, std::span<const Record> records,
                       const QLocale &locale)
{
    const QChar separator = locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
    const auto line = [&](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields.append(spreadsheetField(cell));
        return fields.join(separator) + QStringLiteral("\r\n");
    };
    QString out = QChar(0xfeff) + line(header);
    for (const Record &record : records)
        out += line(record);
    return out;
}

} // namespace

// Rows with their header, as the table shows them, for a spreadsheet: the selected rows, or
// every row on view.
void RankingWindow::copyRows(bool selectedOnly)
{
    QList<int> rows;
    if (selectedOnly) {
        for (const QModelIndex &index : c_.table->selectionModel()->selectedRows())
            rows.append(index.row());
        std::ranges::sort(rows); // as shown, not in the order clicked
    } else {
        for (int r = 0; r < proxy_->rowCount(); ++r)
            rows.append(r);
    }
    if (rows.isEmpty())
        return;
    const std::vector<int> columns = shownColumns(*proxy_);
    QStringList header;
    for (int c : columns)
        header.append(proxy_->headerData(c, Qt::Horizontal).toString());
    QString text = header.join(u'\t') + u'\n';
    for (int row : rows)
        text += shownCells(*proxy_, row, columns).join(u'\t') + u'\n';
    QGuiApplication::clipboard()->setText(text);
}

// What the table shows, in its order, with the goal's columns: the filters narrow the file as
// they narrow the screen.
// The old file stays as it was unless every byte of the new one reached the disk.
void RankingWindow::exportCsv()
{
    const ExportTarget target = askFileName_();
    if (target.fileName.isEmpty())
        return;
    const std::vector<int> columns = shownColumns(*proxy_);
    std::vector<Record> records;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        records.push_back(shownCells(*proxy_, r, columns));
    QString csv;
    if (target.format == CsvFormat::Program) {
        std::vector<Field> fields;
        for (int c : columns)
            fields.push_back(fileColumn(*source_, c));
        csv = recordsCsv(fields, records, locale_);
    } else {
        QStringList header;
        for (int c : columns)
            header.append(proxy_->headerData(c, Qt::Horizontal).toString());
        csv = spreadsheetCsv(header, records, locale_);
    }
    const QString reason = toolkit::saveWhole(target.fileName, csv.toUtf8());
    const QString path = QDir::toNativeSeparators(target.fileName);
    if (!reason.isEmpty()) {
        setNote(window_words::kFailed.in(language_).arg(path, reason));
        sink_(this, window_words::kFailed.both(u"/").arg(path, reason));
        return;
    }
    setNote(window_words::kExported.in(language_).arg(qsizetype(records.size())).arg(path));
}

// Qt's own dialog adds the default suffix before it asks whether to replace the file, so a name
// typed without ".csv" never replaces a file unasked.
ExportTarget RankingWindow::askExportTarget()
{
    QFileDialog dialog(this, window_words::kExportTitle.in(language_));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QStringList filters{
        window_words::kSpreadsheetFilter.in(language_).arg(locale_.toString(7.5)),
        window_words::kProgramFilter.in(language_)};
    dialog.setNameFilters(filters);
    dialog.selectFile(window_words::kExportName.in(language_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() == filters[1]
                                                     ? CsvFormat::Program
                                                     : CsvFormat::Spreadsheet};
}

} // namespace harmtally::ranking
