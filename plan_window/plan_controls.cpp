// The compare and plan window's parts: made, laid out in rows, put in Tab order and connected.

#include "plan_window/plan_window.h"

#include "plan_window/bands_panel.h"
#include "plan_window/chart.h"
#include "plan_window/choices.h"
#include "toolkit/inputs_row.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace harmtally::plan {

namespace {

QTableWidget *makeTable()
{
    auto *table = new QTableWidget(int(kFigureCount), 0);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setTextElideMode(Qt::ElideMiddle);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 2);
    return table;
}

QLabel *makeReadout()
{
    auto *readout = new QLabel;
    readout->setTextFormat(Qt::RichText);
    readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    readout->setWordWrap(true);
    readout->setFixedWidth(250);
    readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return readout;
}

QLabel *makeSentences()
{
    auto *sentences = new QLabel;
    sentences->setWordWrap(true);
    sentences->setTextFormat(Qt::PlainText);
    sentences->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sentences->setFocusPolicy(Qt::StrongFocus);
    return sentences;
}

QLabel *makeStatus()
{
    auto *status = new QLabel;
    status->setWordWrap(true);
    status->setTextFormat(Qt::PlainText);
    status->setMinimumHeight(2 * status->fontMetrics().lineSpacing());
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return status;
}

// A range box with its label, as the inputs row has them.
QLineEdit *rangeBox(QLabel *label)
{
    auto *box = new QLineEdit;
    box->setMaximumWidth(80);
    label->setBuddy(box);
    return box;
}

} // namespace

void PlanWindow::buildControls()
{
    field_ = new ChoiceField;
    c_.name = field_->name();
    c_.add = field_->add();
    chips_ = new ChoiceChips;
    inputs_ = new toolkit::InputsRow(80);
    c_.strength = inputs_->strength();
    c_.seconds = inputs_->seconds();
    c_.level = inputs_->level();
    fromLabel_ = new QLabel;
    toLabel_ = new QLabel;
    c_.from = rangeBox(fromLabel_);
    c_.to = rangeBox(toLabel_);
    c_.copy = new QPushButton;
    c_.saveImage = new QPushButton;
    c_.chart = new Chart(locale_);
    c_.readout = makeReadout();
    c_.sentences = makeSentences();
    c_.table = makeTable();
    bandsPanel_ = new BandsPanel(locale_);
    c_.melee = bandsPanel_->melee();
    c_.bows = bandsPanel_->bows();
    c_.byMinimum = bandsPanel_->byMinimum();
    c_.bands = bandsPanel_->list();
    c_.takeBand = bandsPanel_->take();
    c_.status = makeStatus();

    // On a screen smaller than what the contents need, the window still fits it, as every
    // window does, and its contents scroll.
    content_ = new QWidget;
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    content_->setLayout(layOut());
    scroll->setWidget(content_);
    content_->installEventFilter(this);
    connectControls();

    // Top to bottom, each row from left to right (the chips' buttons join as they come).
    QWidget *order[] = {c_.name,  c_.add,  c_.copy,      c_.saveImage, c_.strength,  c_.seconds,
                        c_.level, c_.from, c_.to,        c_.chart,     c_.sentences, c_.table,
                        c_.melee, c_.bows, c_.byMinimum, c_.bands,     c_.takeBand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The rows, top to bottom: the choices with copy and save, the chips, the figures and the
// chart's range, the chart with its readout, the sentences, the table beside the best at each
// strength, the status line.
QLayout *PlanWindow::layOut()
{
    auto *choices = new QHBoxLayout;
    choices->addWidget(field_, 1);
    choices->addSpacing(24);
    choices->addWidget(c_.copy);
    choices->addWidget(c_.saveImage);

    auto *figures = new QHBoxLayout;
    figures->addWidget(inputs_);
    figures->addSpacing(20);
    for (QWidget *widget : {static_cast<QWidget *>(fromLabel_), static_cast<QWidget *>(c_.from),
                            static_cast<QWidget *>(toLabel_), static_cast<QWidget *>(c_.to)})
        figures->addWidget(widget);
    figures->addStretch();

    auto *drawing = new QHBoxLayout;
    drawing->addWidget(c_.chart, 1);
    drawing->addWidget(c_.readout);

    lower_ = new QBoxLayout(QBoxLayout::LeftToRight);
    lower_->addWidget(c_.table, 5);
    lower_->addWidget(bandsPanel_, 3);

    auto *layout = new QVBoxLayout;
    layout->addLayout(choices);
    layout->addWidget(chips_);
    layout->addLayout(figures);
    layout->addLayout(drawing, 3);
    layout->addWidget(c_.sentences);
    layout->addLayout(lower_, 3);
    layout->addWidget(c_.status);
    return layout;
}

void PlanWindow::connectControls()
{
    const auto changed = [this] {
        note_.clear();
        recompute();
    };
    connect(field_, &ChoiceField::addAsked, this, &PlanWindow::addTyped);
    connect(chips_, &ChoiceChips::removeAsked, this, &PlanWindow::removePick);
    connect(inputs_, &toolkit::InputsRow::changed, this, changed);
    for (QLineEdit *box : {c_.from, c_.to})
        connect(box, &QLineEdit::textChanged, this, changed);
    connect(c_.chart, &Chart::cursorAsked, this, &PlanWindow::moveCursor);
    connect(c_.copy, &QPushButton::clicked, this, &PlanWindow::copyTable);
    connect(c_.saveImage, &QPushButton::clicked, this, &PlanWindow::saveImage);
    connect(c_.name, &QLineEdit::textEdited, this, [this] {
        note_.clear();
        showStatus();
    });
    connect(bandsPanel_, &BandsPanel::catalogueChanged, this, changed);
    connect(bandsPanel_, &BandsPanel::measureChanged, this, [this] {
        note_.clear();
        recomputeBands();
        showStatus();
    });
    connect(bandsPanel_, &BandsPanel::taken, this, &PlanWindow::addPick);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &PlanWindow::copyTable);
    // A box with nothing selected has nothing of its own to copy: Ctrl+C copies the table.
    for (QWidget *box : {static_cast<QWidget *>(c_.name), static_cast<QWidget *>(c_.strength),
                         static_cast<QWidget *>(c_.seconds), static_cast<QWidget *>(c_.level),
                         static_cast<QWidget *>(c_.from), static_cast<QWidget *>(c_.to),
                         static_cast<QWidget *>(c_.sentences)})
        box->installEventFilter(this);
}

} // namespace harmtally::plan
