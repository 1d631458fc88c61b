// The compare and plan window itself: its captions in the current language, and working
// everything out again when an input changes. Its parts are widgets of their own (choices.h,
// bands_panel.h, the toolkit's inputs row, the chart), made and connected in plan_controls.cpp;
// what it shows is filled in by plan_choices.cpp and plan_figures.cpp; copy and save are in
// plan_export.cpp.

#include "plan_window/plan_window.h"

#include "core/numbers.h"
#include "plan_window/bands_panel.h"
#include "plan_window/chart.h"
#include "plan_window/choices.h"
#include "texts/plan_words.h"
#include "toolkit/designed_window.h"
#include "toolkit/inputs_row.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace harmtally::plan {

using namespace captions;

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
    field_->setCaptions(say(kNameLabel), say(kNameHint), say(kAdd));
    inputs_->setCaptions({say(kInputs[0]), say(kInputs[1]), say(kInputs[2])});
    fromLabel_->setText(say(kInputs[3]));
    c_.from->setAccessibleName(toolkit::spoken(say(kInputs[3])));
    toLabel_->setText(say(kInputs[4]));
    c_.to->setAccessibleName(toolkit::spoken(say(kInputs[4])));
    c_.copy->setText(say(kCopy));
    c_.saveImage->setText(say(kSave));
    c_.chart->setAccessibleName(say(kChartName));
    c_.table->setAccessibleName(say(kTableName));
    // Its name is the sentences themselves, which a screen reader reads out.
    c_.sentences->setAccessibleDescription(say(kSentencesName));
    bandsPanel_->setCaptions(say(kBandsTitle), say(kMelee), say(kBows), say(kByMinimum),
                             say(kTakeBand));
    showChoices();
    recompute();
}

void PlanWindow::recompute()
{
    const toolkit::TypedInputs typed = inputs_->values();
    comparison_ = compare(
        picks_, {typed.strength, typed.seconds, typed.level, c_.from->text(), c_.to->text()},
        language_, locale_);
    c_.chart->setData(comparison_.chart);
    const auto [from, to] = defaultRange(picks_, locale_);
    c_.from->setPlaceholderText(text(from, locale_));
    c_.to->setPlaceholderText(text(to, locale_));
    inputs_->setLevelShown(bandsPanel_->catalogue() == Mode::Bow
                           || std::ranges::any_of(picks_, needsLevel));
    QString sentences = comparison_.sentences.join(u'\n');
    if (sentences.isEmpty() && picks_.size() > 1)
        sentences = kNoCrossing.in(language_);
    c_.sentences->setText(sentences);
    c_.sentences->setVisible(!sentences.isEmpty());
    showTable();
    showReadout();
    showStatus();
    recomputeBands();
    if (const auto strength = comparison_.chart.cursor)
        bandsPanel_->selectAt(*strength);
}

void PlanWindow::recomputeBands()
{
    bandsPanel_->update(comparison_.chart.from, comparison_.chart.to, inputs_->values().level,
                        language_);
}

const std::vector<ranking::Band> &PlanWindow::bands() const { return bandsPanel_->bands(); }

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
