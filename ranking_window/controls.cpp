// The ranking window's controls: made, laid out in rows, put in Tab order and connected.

#include "ranking_window/ranking_window.h"

#include "ranking_window/goal_box.h"
#include "ranking_window/ranking_table_model.h"
#include "toolkit/inputs_row.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace harmtally::ranking {

namespace {

QTableView *makeTable(QAbstractItemModel *model)
{
    auto *table = new QTableView;
    table->setModel(model);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within it
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSortIndicator(int(kDefaultSortColumn), kDefaultSortOrder);
    table->setSortingEnabled(true);
    return table;
}

QLabel *makeStatus()
{
    auto *status = new QLabel;
    status->setWordWrap(true);
    // Room for a refusal's two languages, so the table does not jump as the message comes and goes.
    status->setMinimumHeight(2 * status->fontMetrics().lineSpacing());
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The messages are shown exactly as the error box shows them.
    status->setTextFormat(Qt::PlainText);
    return status;
}

QHBoxLayout *rowOf(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    return row;
}

} // namespace

void RankingWindow::buildControls()
{
    c_.melee = new QRadioButton;
    c_.bows = new QRadioButton;
    c_.melee->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(c_.melee);
    modes->addButton(c_.bows);
    c_.wieldable = new QCheckBox;
    c_.wieldable->setChecked(true); // the question asked first: what can I use?
    inputs_ = new toolkit::InputsRow(90);
    c_.strength = inputs_->strength();
    c_.seconds = inputs_->seconds();
    c_.level = inputs_->level();
    searchLabel_ = new QLabel;
    c_.search = new QLineEdit;
    c_.search->setClearButtonEnabled(true);
    c_.search->setMinimumWidth(12 * c_.search->fontMetrics().averageCharWidth());
    searchLabel_->setBuddy(c_.search);
    goalBox_ = new GoalBox;
    c_.goal = goalBox_->goals();
    c_.goalValue = goalBox_->valueBox();
    c_.exportCsv = new QPushButton;
    c_.exportCsv->setAutoDefault(true); // Enter presses it when it has the focus
    c_.status = makeStatus();
    c_.table = makeTable(proxy_);

    // Rows short enough for a window beside the main window on a common screen, in either mode:
    // which rows (the mode, only what I can wield), the figures, the search and the goal; the
    // button that writes the table under it.
    QHBoxLayout *which = rowOf({c_.melee, c_.bows});
    which->addSpacing(16);
    which->addWidget(c_.wieldable);
    which->addStretch();
    QHBoxLayout *figures = rowOf({inputs_});
    figures->addStretch();
    QHBoxLayout *filters = rowOf({searchLabel_});
    filters->addWidget(c_.search, 1);
    filters->addWidget(goalBox_);
    auto *under = new QHBoxLayout;
    under->addWidget(c_.status, 1);
    under->addWidget(c_.exportCsv, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(which);
    layout->addLayout(figures);
    layout->addLayout(filters);
    layout->addWidget(c_.table, 1);
    layout->addLayout(under);
    // Tab follows the layout, row by row.
    QWidget *const order[] = {c_.melee,  c_.bows, c_.wieldable, c_.strength, c_.seconds,  c_.level,
                              c_.search, c_.goal, c_.goalValue, c_.table,    c_.exportCsv};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connectControls();
}

void RankingWindow::connectControls()
{
    c_.table->installEventFilter(this);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.search, c_.goalValue})
        box->installEventFilter(this);
    connect(c_.bows, &QRadioButton::toggled, this, &RankingWindow::recompute);
    connect(inputs_, &toolkit::InputsRow::changed, this, &RankingWindow::recompute);
    connect(c_.search, &QLineEdit::textChanged, this, &RankingWindow::refilter);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::recomputeGoal);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::refilter);
    connect(goalBox_, &GoalBox::changed, this, &RankingWindow::recomputeGoal);
    connect(c_.exportCsv, &QPushButton::clicked, this, &RankingWindow::exportCsv);
    connect(c_.table, &QTableView::doubleClicked, this, &RankingWindow::offerCurrent);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &RankingWindow::escape);
    compareAction_ = new QAction(this);
    compareAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(compareAction_, &QAction::triggered, this, &RankingWindow::compareSelection);
    c_.table->addAction(compareAction_);
    c_.table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

Mode RankingWindow::mode() const { return c_.bows->isChecked() ? Mode::Bow : Mode::Melee; }

Inputs RankingWindow::inputs() const
{
    const toolkit::TypedInputs typed = inputs_->values();
    return {mode(), typed.strength, typed.seconds, typed.level};
}

} // namespace harmtally::ranking
