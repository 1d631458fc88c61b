// The compare and plan window itself: its controls and their layout, its captions in the
// current language, and working everything out again when an input changes. What it shows is
// filled in by plan_choices.cpp, plan_figures.cpp and plan_bands.cpp; copy and save are in
// plan_export.cpp.

#include "plan_window/plan_window.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "core/numbers.h"
#include "plan_window/chart.h"
#include "texts/plan_words.h"
#include "toolkit/designed_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace harmtally::plan {

using namespace captions;

namespace {

using ranking::Pick;

QString spoken(const QString &caption) { return QString(caption).remove(u'&').remove(u':'); }

} // namespace

PlanWindow::PlanWindow(Language language, const QLocale &locale, toolkit::MessageSink sink)
    : QWidget(nullptr, Qt::Window)
    , language_(language)
    , locale_(locale)
    , sink_(std::move(sink))
    , askFileName_([this] { return askSaveFileName(); })
{
    setObjectName(QStringLiteral("PlanWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(toolkit::programIcon());
    // Room for the chart and the table, within the screen's room.
    resize(QSize(1040, 820).boundedTo(screen()->availableGeometry().size()));
    buildControls();
    setLanguage(language);
}

PlanWindow::~PlanWindow() = default;

void PlanWindow::buildControls()
{
    nameLabel_ = new QLabel;
    c_.name = new QLineEdit;
    c_.name->setClearButtonEnabled(true);
    QStringList names;
    for (std::size_t i = 0; i < meleeWeapons().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Melee, i));
    for (std::size_t i = 0; i < bows().size() * arrowKinds().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Bow, i));
    names.removeDuplicates();
    auto *completer = new QCompleter(names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    c_.name->setCompleter(completer);
    nameLabel_->setBuddy(c_.name);
    c_.add = new QPushButton;
    chips_ = new QHBoxLayout;

    auto *choices = new QHBoxLayout;
    choices->addWidget(nameLabel_);
    choices->addWidget(c_.name, 1);
    choices->addWidget(c_.add);
    choices->addSpacing(24);

    c_.strength = new QLineEdit;
    c_.seconds = new QLineEdit;
    c_.level = new QLineEdit;
    c_.from = new QLineEdit;
    c_.to = new QLineEdit;
    c_.copy = new QPushButton;
    c_.saveImage = new QPushButton;
    auto *inputs = new QHBoxLayout;
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.from, c_.to}) {
        box->setMaximumWidth(80);
        auto *label = new QLabel;
        label->setBuddy(box);
        inputLabels_.push_back(label);
        if (box == c_.from)
            inputs->addSpacing(20);
        inputs->addWidget(label);
        inputs->addWidget(box);
    }
    inputs->addStretch();
    choices->addWidget(c_.copy);
    choices->addWidget(c_.saveImage);

    c_.chart = new Chart(locale_);
    c_.readout = new QLabel;
    c_.readout->setTextFormat(Qt::RichText);
    c_.readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.readout->setWordWrap(true);
    c_.readout->setFixedWidth(250);
    c_.readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *drawing = new QHBoxLayout;
    drawing->addWidget(c_.chart, 1);
    drawing->addWidget(c_.readout);

    c_.sentences = new QLabel;
    c_.sentences->setWordWrap(true);
    c_.sentences->setTextFormat(Qt::PlainText);
    c_.sentences->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c_.sentences->setFocusPolicy(Qt::StrongFocus);

    c_.table = new QTableWidget(int(kFigureCount), 0);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setTabKeyNavigation(false);
    c_.table->setWordWrap(false);
    c_.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    c_.table->horizontalHeader()->setTextElideMode(Qt::ElideMiddle);
    c_.table->verticalHeader()->setDefaultSectionSize(c_.table->fontMetrics().height() + 2);

    auto *bandsBox = new QGroupBox;
    c_.melee = new QRadioButton;
    c_.bows = new QRadioButton;
    c_.melee->setChecked(true);
    auto *catalogues = new QButtonGroup(this);
    catalogues->addButton(c_.melee);
    catalogues->addButton(c_.bows);
    c_.byMinimum = new QCheckBox;
    c_.bands = new QListWidget;
    c_.takeBand = new QPushButton;
    auto *which = new QHBoxLayout;
    which->addWidget(c_.melee);
    which->addWidget(c_.bows);
    which->addStretch();
    which->addWidget(c_.byMinimum);
    auto *bandsLayout = new QVBoxLayout(bandsBox);
    bandsLayout->addLayout(which);
    bandsLayout->addWidget(c_.bands, 1);
    bandsLayout->addWidget(c_.takeBand, 0, Qt::AlignRight);
    bandsBox->setObjectName(QStringLiteral("bestAtEachStrength"));

    lower_ = new QBoxLayout(QBoxLayout::LeftToRight);
    lower_->addWidget(c_.table, 5);
    lower_->addWidget(bandsBox, 3);

    c_.status = new QLabel;
    c_.status->setWordWrap(true);
    c_.status->setTextFormat(Qt::PlainText);
    c_.status->setMinimumHeight(2 * c_.status->fontMetrics().lineSpacing());
    c_.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

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
    auto *layout = new QVBoxLayout(content_);
    layout->addLayout(choices);
    layout->addLayout(chips_);
    layout->addLayout(inputs);
    layout->addLayout(drawing, 3);
    layout->addWidget(c_.sentences);
    layout->addLayout(lower_, 3);
    layout->addWidget(c_.status);
    scroll->setWidget(content_);
    content_->installEventFilter(this);

    connect(c_.name, &QLineEdit::returnPressed, this, &PlanWindow::addTyped);
    connect(c_.add, &QPushButton::clicked, this, &PlanWindow::addTyped);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.from, c_.to})
        connect(box, &QLineEdit::textChanged, this, [this] {
            note_.clear();
            recompute();
        });
    connect(c_.chart, &Chart::cursorAsked, this, &PlanWindow::moveCursor);
    connect(c_.copy, &QPushButton::clicked, this, &PlanWindow::copyTable);
    connect(c_.saveImage, &QPushButton::clicked, this, &PlanWindow::saveImage);
    connect(c_.name, &QLineEdit::textEdited, this, [this] {
        note_.clear();
        showStatus();
    });
    connect(c_.bows, &QRadioButton::toggled, this, [this] {
        note_.clear();
        recompute();
    });
    connect(c_.byMinimum, &QCheckBox::toggled, this, [this] {
        note_.clear();
        recomputeBands();
        showStatus();
    });
    connect(c_.takeBand, &QPushButton::clicked, this, &PlanWindow::takeBand);
    connect(c_.bands, &QListWidget::itemActivated, this, &PlanWindow::takeBand);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &PlanWindow::copyTable);
    // A box with nothing selected has nothing of its own to copy: Ctrl+C copies the table.
    for (QWidget *box : {static_cast<QWidget *>(c_.name), static_cast<QWidget *>(c_.strength),
                         static_cast<QWidget *>(c_.seconds), static_cast<QWidget *>(c_.level),
                         static_cast<QWidget *>(c_.from), static_cast<QWidget *>(c_.to),
                         static_cast<QWidget *>(c_.sentences)})
        box->installEventFilter(this);

    // Top to bottom, each row from left to right (the chips' buttons join as they come).
    QWidget *order[] = {c_.name,  c_.add,  c_.copy,      c_.saveImage, c_.strength,  c_.seconds,
                        c_.level, c_.from, c_.to,        c_.chart,     c_.sentences, c_.table,
                        c_.melee, c_.bows, c_.byMinimum, c_.bands,     c_.takeBand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool PlanWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content_ && event->type() == QEvent::Resize)
        arrangeTable();
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        const auto *box = qobject_cast<QLineEdit *>(watched);
        const auto *label = qobject_cast<QLabel *>(watched);
        if ((box && !box->hasSelectedText()) || (label && !label->hasSelectedText())) {
            event->ignore(); // not the box's: the window's Ctrl+C takes it
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Escape closes the window once whatever it opened (the completion's list) has taken its own.
void PlanWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void PlanWindow::setLanguage(Language language)
{
    language_ = language;
    const auto say = [language](const Bilingual &words) { return words.in(language); };
    setWindowTitle(say(kTitle));
    nameLabel_->setText(say(kNameLabel));
    c_.name->setAccessibleName(spoken(say(kNameLabel)));
    c_.name->setPlaceholderText(say(kNameHint));
    c_.add->setText(say(kAdd));
    const std::array boxes{c_.strength, c_.seconds, c_.level, c_.from, c_.to};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        inputLabels_[i]->setText(say(kInputs[i]));
        boxes[i]->setAccessibleName(spoken(say(kInputs[i])));
    }
    c_.copy->setText(say(kCopy));
    c_.saveImage->setText(say(kSave));
    c_.chart->setAccessibleName(say(kChartName));
    c_.table->setAccessibleName(say(kTableName));
    // Its name is the sentences themselves, which a screen reader reads out.
    c_.sentences->setAccessibleDescription(say(kSentencesName));
    static_cast<QGroupBox *>(c_.bands->parentWidget())->setTitle(say(kBandsTitle));
    c_.bands->setAccessibleName(say(kBandsTitle));
    c_.melee->setText(say(kMelee));
    c_.bows->setText(say(kBows));
    c_.byMinimum->setText(say(kByMinimum));
    c_.takeBand->setText(say(kTakeBand));
    showChoices();
    recompute();
}

void PlanWindow::recompute()
{
    comparison_ = compare(
        picks_,
        {c_.strength->text(), c_.seconds->text(), c_.level->text(), c_.from->text(), c_.to->text()},
        language_, locale_);
    c_.chart->setData(comparison_.chart);
    const auto [from, to] = defaultRange(picks_, locale_);
    c_.from->setPlaceholderText(text(from, locale_));
    c_.to->setPlaceholderText(text(to, locale_));
    const bool level = c_.bows->isChecked() || std::ranges::any_of(picks_, needsLevel);
    inputLabels_[2]->setVisible(level);
    c_.level->setVisible(level);
    QString sentences = comparison_.sentences.join(u'\n');
    if (sentences.isEmpty() && picks_.size() > 1)
        sentences = kNoCrossing.in(language_);
    c_.sentences->setText(sentences);
    c_.sentences->setVisible(!sentences.isEmpty());
    showTable();
    showReadout();
    showStatus();
    recomputeBands();
    // The band the typed strength is in: where the player stands on the path.
    if (const auto strength = comparison_.chart.cursor) {
        const auto band = std::ranges::find_if(bands_, [&](const ranking::Band &b) {
            return b.from <= *strength && *strength < b.to + 1;
        });
        if (band != bands_.end())
            c_.bands->setCurrentRow(int(band - bands_.begin()));
    }
}

// The table beside the best at each strength while it has room there for every figure whole,
// else above it across the window.
void PlanWindow::arrangeTable()
{
    const int needed = c_.table->verticalHeader()->sizeHint().width()
                       + c_.table->columnCount() * 12 * c_.table->fontMetrics().averageCharWidth()
                       + 2 * c_.table->frameWidth() + 20;
    lower_->setDirection(content_->width() * 5 / 8 >= needed ? QBoxLayout::LeftToRight
                                                             : QBoxLayout::TopToBottom);
}

QSize PlanWindow::leastSize() const { return content_->minimumSizeHint(); }

void PlanWindow::moveCursor(double strength) { c_.strength->setText(text(strength, locale_)); }

} // namespace harmtally::plan
