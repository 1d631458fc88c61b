// The ranking as it leaves the window: Ctrl+C copies the selected rows, "Export CSV" writes
// every row on view, whole or not at all.

#include "ranking_window/ranking_window.h"

#include "ranking/formats.h"
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

namespace harmtally::ranking {

void RankingWindow::copySelection()
{
    QModelIndexList selected = c_.table->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::ranges::sort(selected, {}, &QModelIndex::row); // as shown, not in the order clicked
    std::vector<Row> rows;
    rows.reserve(std::size_t(selected.size()));
    for (const QModelIndex &index : selected)
        rows.push_back(proxy_->rowAt(index.row()));
    QGuiApplication::clipboard()->setText(toTabSeparated(rows, source_->mode(), language_));
}

// What the table shows, in its order: the filters narrow the file as they narrow the screen.
// The old file stays as it was unless every byte of the new one reached the disk.
void RankingWindow::exportCsv()
{
    QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".csv");
    const std::vector<Row> rows = proxy_->visibleRows();
    const QByteArray bytes = toCsv(rows, source_->mode(), locale_).toUtf8();
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
                .arg(qsizetype(rows.size()))
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
