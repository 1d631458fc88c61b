// The ranking window's controls: made, laid out in rows, put in Tab order and connected.

#include "ranking_window/ranking_window.h"

#include "ranking_window/ranking_table_model.h"

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

void RankingWindow::buildControls()
{
    c_.melee = new QRadioButton;
    c_.bows = new QRadioButton;
    c_.melee->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(c_.melee);
    modes->addButton(c_.bows);
    c_.strength = new QLineEdit;
    c_.seconds = new QLineEdit;
    c_.level = new QLineEdit;
    c_.search = new QLineEdit;
    c_.search->setClearButtonEnabled(true);
    c_.search->setMinimumWidth(12 * c_.search->fontMetrics().averageCharWidth());
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level})
        box->setMaximumWidth(90);
    c_.wieldable = new QCheckBox;
    c_.wieldable->setChecked(true); // the question asked first: what can I use?
    c_.goal = new QComboBox;
    c_.goal->addItems(QStringList(4, QString()));
    c_.goalValue = new QLineEdit;
    c_.goalValue->setMaximumWidth(90);
    c_.goalValue->setEnabled(false);
    c_.exportCsv = new QPushButton;
    c_.exportCsv->setAutoDefault(true); // Enter presses it when it has the focus
    c_.status = new QLabel;
    c_.status->setWordWrap(true);
    // Room for a refusal's two languages, so the table does not jump as the message comes and goes.
    c_.status->setMinimumHeight(2 * c_.status->fontMetrics().lineSpacing());
    c_.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c_.status->setTextFormat(
        Qt::PlainText); // the messages are shown exactly as the error box shows them

    c_.table = new QTableView;
    c_.table->setModel(proxy_);
    c_.table->setAlternatingRowColors(true);
    c_.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setWordWrap(false);
    c_.table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within it
    c_.table->verticalHeader()->setDefaultSectionSize(c_.table->fontMetrics().height() + 6);
    c_.table->horizontalHeader()->setSortIndicator(int(kDefaultSortColumn), kDefaultSortOrder);
    c_.table->setSortingEnabled(true);
    c_.table->installEventFilter(this);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.search, c_.goalValue})
        box->installEventFilter(this);

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setBuddy(boxes()[i]);
    }
    // Rows short enough for a window beside the main window on a common screen, in either mode:
    // which rows (the mode, only what I can wield), the figures, the search and the goal; the
    // button that writes the table under it.
    auto *which = new QHBoxLayout;
    which->addWidget(c_.melee);
    which->addWidget(c_.bows);
    which->addSpacing(16);
    which->addWidget(c_.wieldable);
    which->addStretch();

    auto *inputs = new QHBoxLayout;
    for (std::size_t i = 0; i < kSearch; ++i) {
        inputs->addWidget(labels_[i]);
        inputs->addWidget(boxes()[i]);
    }
    inputs->addStretch();

    auto *filters = new QHBoxLayout;
    filters->addWidget(labels_[kSearch]);
    filters->addWidget(c_.search, 1);
    filters->addWidget(c_.goal);
    filters->addWidget(c_.goalValue);

    auto *under = new QHBoxLayout;
    under->addWidget(c_.status, 1);
    under->addWidget(c_.exportCsv, 0, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(which);
    layout->addLayout(inputs);
    layout->addLayout(filters);
    layout->addWidget(c_.table, 1);
    layout->addLayout(under);
    // Tab follows the layout, row by row.
    QWidget *const order[] = {c_.melee,  c_.bows, c_.wieldable, c_.strength, c_.seconds,  c_.level,
                              c_.search, c_.goal, c_.goalValue, c_.table,    c_.exportCsv};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(c_.bows, &QRadioButton::toggled, this, &RankingWindow::recompute);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level})
        connect(box, &QLineEdit::textChanged, this, &RankingWindow::recompute);
    connect(c_.search, &QLineEdit::textChanged, this, &RankingWindow::refilter);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::recomputeGoal);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::refilter);
    connect(c_.goal, &QComboBox::currentIndexChanged, this, &RankingWindow::recomputeGoal);
    connect(c_.goalValue, &QLineEdit::textChanged, this, &RankingWindow::recomputeGoal);
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

} // namespace harmtally::ranking
