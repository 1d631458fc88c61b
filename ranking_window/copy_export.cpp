// The ranking as it leaves the window: Ctrl+C copies the selected rows, "Export CSV" writes
// every row on view, whole or not at all.

#include "ranking_window/ranking_window.h"

#include "ranking/goals.h"
#include "ranking/records.h"
#include "ranking_window/ranking_table_model.h"
#include "toolkit/save_file.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
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
    if (column < int(kColumnCount))
        return {columnKey(Column(column)), {}, isText(Column(column))};
    const GoalColumn &goal = goalColumns(model.goal())[std::size_t(column) - kColumnCount];
    return {QLatin1String(goal.key), {}, false};
}

} // namespace

// The selected rows with their header, as the table shows them, for a spreadsheet.
void RankingWindow::copySelection()
{
    QModelIndexList selected = c_.table->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::ranges::sort(selected, {}, &QModelIndex::row); // as shown, not in the order clicked
    const std::vector<int> columns = shownColumns(*proxy_);
    QStringList header;
    for (int c : columns)
        header.append(proxy_->headerData(c, Qt::Horizontal).toString());
    QString text = header.join(u'\t') + u'\n';
    for (const QModelIndex &index : selected)
        text += shownCells(*proxy_, index.row(), columns).join(u'\t') + u'\n';
    QGuiApplication::clipboard()->setText(text);
}

// What the table shows, in its order, with the goal's columns: the filters narrow the file as
// they narrow the screen.
// The old file stays as it was unless every byte of the new one reached the disk.
void RankingWindow::exportCsv()
{
    QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".csv");
    const std::vector<int> columns = shownColumns(*proxy_);
    std::vector<Field> fields;
    for (int c : columns)
        fields.push_back(fileColumn(*source_, c));
    std::vector<Record> records;
    for (int r = 0; r < proxy_->rowCount(); ++r)
        records.push_back(shownCells(*proxy_, r, columns));
    const QByteArray bytes = recordsCsv(fields, records, locale_).toUtf8();
    const QString reason = toolkit::saveWhole(fileName, bytes);
    const QString path = QDir::toNativeSeparators(fileName);
    if (!reason.isEmpty()) {
        const QString failed = Bilingual{.italian = "Esportazione in %1 non riuscita: %2",
                                         .english = "Could not export to %1: %2"}
                                   .in(language_)
                                   .arg(path, reason);
        setNote(failed);
        sink_(this, failed);
        return;
    }
    setNote(Bilingual{.italian = "Esportate %1 righe in %2", .english = "Exported %1 rows to %2"}
                .in(language_)
                .arg(qsizetype(records.size()))
                .arg(path));
}

QString RankingWindow::askSaveFileName()
{
    return QFileDialog::getSaveFileName(
        this, Bilingual{.italian = "Esporta CSV", .english = "Export CSV"}.in(language_),
        Bilingual{.italian = "classifica.csv", .english = "ranking.csv"}.in(language_),
        QStringLiteral("CSV (*.csv)"));
}

} // namespace harmtally::ranking
