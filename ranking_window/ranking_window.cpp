// The ranking window itself: made, ranked anew as the inputs change, and the keys of its table.
// Its parts live beside it: controls, texts, the goal box widget, placement, copy and export.

#include "ranking_window/ranking_window.h"

#include "core/numbers.h"
#include "ranking_window/goal_box.h"
#include "ranking_window/ranking_table_model.h"
#include "texts/ranking_window_words.h"
#include "toolkit/designed_window.h"
#include "toolkit/inputs_row.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace harmtally::ranking {

RankingWindow::RankingWindow(Language language, const QLocale &locale, toolkit::MessageSink sink,
                             Offer offer)
    : QWidget(nullptr, Qt::Window)
    , language_(language)
    , locale_(locale)
    , sink_(std::move(sink))
    , offer_(std::move(offer))
    , askFileName_([this] { return askExportTarget(); })
    , source_(new RankingTableModel(locale, this))
    , proxy_(new RankingProxyModel(source_, this))
{
    setObjectName(QStringLiteral("RankingWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(toolkit::programIcon());
    resize(900, 560);
    buildControls();
    setLanguage(language);
    recompute();
}

RankingWindow::~RankingWindow() = default;

void RankingWindow::startFrom(Mode mode, const QString &strength, const QString &seconds)
{
    (mode == Mode::Bow ? c_.bows : c_.melee)->setChecked(true);
    inputs_->take({strength, seconds, {}});
    if (inputs_->values().strength.isEmpty()) {
        c_.strength->setFocus();
        return;
    }
    c_.table->setFocus();
    if (proxy_->rowCount() > 0)
        c_.table->selectRow(0);
}

void RankingWindow::recompute()
{
    const Mode mode = this->mode();
    Table table = compute(inputs(), locale_);
    refusal_ = table.refusal ? table.refusal->message : QString();
    note_.clear();
    source_->setRows(mode, std::move(table.rows));
    inputs_->setLevelShown(mode == Mode::Bow);
    c_.table->setColumnHidden(int(Column::ArrowKind), mode == Mode::Melee);
    recomputeGoal();
    if (fittedFor_ != mode) {
        fittedFor_ = mode;
        fitColumns();
    }
    refilter();
}

// The goal's columns follow every change of figures, goal or filter: the strength each row needs,
// or how long the foe lasts.
void RankingWindow::recomputeGoal()
{
    note_.clear();
    const GoalKind kind = goalBox_->kind();
    const std::optional<double> goal = number(goalBox_->value(), locale_);
    const Inputs in = inputs();
    std::vector<QStringList> cells;
    for (int r = 0; kind != GoalKind::None && r < source_->rowCount(); ++r)
        cells.push_back(
            goal ? goalCells(kind, *goal, source_->row(r), in, c_.wieldable->isChecked(), locale_)
                 : QStringList(qsizetype(goalColumns(kind).size()), QString()));
    const bool newColumns = kind != source_->goal();
    source_->setGoal(kind, std::move(cells));
    c_.table->setColumnHidden(int(Column::ArrowKind), source_->mode() == Mode::Melee);
    if (newColumns)
        c_.table->resizeColumnsToContents();
    showStatus();
}

// Sized once per mode, not on every keystroke: columns that jump while typing are hard to read.
// Before it is shown, the window widens to show every column, the totals last, as far as the
// screen allows; once on screen it keeps its place and size beside the main window, and the
// table scrolls.
void RankingWindow::fitColumns()
{
    c_.table->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    wantedWidth_ = margins.left() + margins.right() + 2 * c_.table->frameWidth()
                   + c_.table->verticalHeader()->sizeHint().width()
                   + c_.table->horizontalHeader()->length()
                   + c_.table->verticalScrollBar()->sizeHint().width();
    if (isVisible())
        return;
    const QSize room = screen()->availableGeometry().size();
    resize(std::min(std::max(wantedWidth_, width()), room.width()),
           std::min(height(), room.height()));
}

void RankingWindow::refilter()
{
    note_.clear(); // what the last action did, no longer news
    proxy_->setFilter(c_.search->text(), number(inputs_->values().strength, locale_),
                      c_.wieldable->isChecked());
    showStatus();
}

// After Tab into the table the current row is selected too, so that Ctrl+C copies what Enter
// would take.
void RankingWindow::selectCurrentRow()
{
    const QModelIndex current = c_.table->currentIndex();
    if (!current.isValid())
        c_.table->selectRow(0);
    else if (!c_.table->selectionModel()->isRowSelected(current.row()))
        c_.table->selectRow(current.row());
}

void RankingWindow::offerCurrent()
{
    const QModelIndex current = c_.table->currentIndex();
    if (!current.isValid())
        return;
    const Row &row = proxy_->rowAt(current.row());
    const Choice choice{source_->mode(), row.cells[std::size_t(Column::Name)],
                        row.cells[std::size_t(Column::ArrowKind)]};
    const QString reason = offer_(choice);
    setNote(reason.isEmpty() ? window_words::kChosen.in(language_).arg(
                choice.arrowKind.isEmpty() ? choice.name
                                           : choice.name + QStringLiteral(" + ") + choice.arrowKind)
                             : reason);
}

// The selected rows, in the order shown, go to the compare and plan window.
void RankingWindow::compareSelection()
{
    QModelIndexList selected = c_.table->selectionModel()->selectedRows();
    if (selected.size() < 2 || selected.size() > 4 || !compare_) {
        setNote(window_words::kSelectToCompare.in(language_));
        return;
    }
    std::ranges::sort(selected, {}, &QModelIndex::row);
    std::vector<Pick> picks;
    for (const QModelIndex &index : selected)
        picks.push_back(pickAt(source_->mode(), proxy_->rowAt(index.row()).order));
    setNote(compare_(picks, inputs()));
}

void RankingWindow::escape()
{
    if (c_.search->hasFocus() && !c_.search->text().isEmpty())
        c_.search->clear();
    else
        close();
}

// The table takes Enter itself: a view ignores Enter (it would reach the focused window's
// buttons) and signals activation on a single click in some styles, so neither its key handling
// nor its activated() signal means "take this row".
bool RankingWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+C in a text box with nothing selected in it copies the table, as the player sees it.
    if (auto *box = qobject_cast<QLineEdit *>(watched);
        box && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)
        && !box->hasSelectedText()) {
        copyRows(false);
        return true;
    }
    if (watched != c_.table)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            && proxy_->rowCount() > 0)
            selectCurrentRow();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyRows(true);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            offerCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace harmtally::ranking
