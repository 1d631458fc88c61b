// The compare and plan window's choices: adding one (typed, from the ranking or from a band),
// removing one, and showing them in the chips; the figures taken from another window.

#include "plan_window/plan_window.h"

#include "catalogue/typed_names.h"
#include "plan_window/bands_panel.h"
#include "plan_window/choices.h"
#include "plan_window/slot_marks.h"
#include "texts/plan_words.h"
#include "toolkit/inputs_row.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace harmtally::plan {

using namespace captions;

namespace {

using ranking::Pick;

// A name as the shell takes it: as written, or else the one name that differs from it only in
// letter case and runs of blanks (a bow and its arrows each so).
std::optional<Pick> pickTyped(const QString &typed)
{
    if (const auto exact = ranking::findPick(typed))
        return exact;
    const qsizetype slash = typed.indexOf(u'/');
    if (slash < 0) {
        const auto weapon = matchName(meleeNames(), typed).found;
        return weapon ? std::optional(Pick{Mode::Melee, std::size_t(*weapon), 0}) : std::nullopt;
    }
    const auto bow = matchName(bowNames(), typed.first(slash)).found;
    const auto kind = matchName(arrowKindNames(), typed.sliced(slash + 1)).found;
    return bow && kind ? std::optional(Pick{Mode::Bow, std::size_t(*bow), std::size_t(*kind)})
                       : std::nullopt;
}

} // namespace

bool PlanWindow::addPick(const Pick &pick)
{
    const QString name = pickName(pick);
    if (std::ranges::find(picks_, pick) != picks_.end()) {
        note_ = kTwice.in(language_).arg(name);
    } else if (picks_.size() >= kMaxChoices) {
        note_ = kFull.in(language_);
    } else {
        picks_.push_back(pick);
        note_ = kAdded.in(language_).arg(name);
        showChoices();
        recompute();
        return true;
    }
    showStatus();
    return false;
}

void PlanWindow::setPicks(const std::vector<Pick> &picks)
{
    picks_.clear();
    for (const Pick &pick : picks)
        if (picks_.size() < kMaxChoices && std::ranges::find(picks_, pick) == picks_.end())
            picks_.push_back(pick);
    note_.clear();
    showChoices();
    recompute();
}

void PlanWindow::setCatalogue(Mode mode) { bandsPanel_->setCatalogue(mode); }

void PlanWindow::takeInputs(const toolkit::TypedInputs &typed) { inputs_->take(typed); }

void PlanWindow::addTyped(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return;
    const std::optional<Pick> pick = pickTyped(typed);
    if (!pick) {
        const QStringList bows = bowNames();
        const auto bow = matchName(bows, typed).found;
        note_ = bow ? kBowAlone.in(language_).arg(bows[*bow])
                    : kUnknown.in(language_).arg(typed.trimmed());
        showStatus();
        return;
    }
    if (addPick(*pick))
        c_.name->clear();
}

void PlanWindow::removePick(std::size_t slot)
{
    if (slot >= picks_.size())
        return;
    picks_.erase(picks_.begin() + std::ptrdiff_t(slot));
    note_.clear();
    showChoices();
    recompute();
    c_.name->setFocus();
}

// One chip per choice, in the colour and shape of its line, with its remove button, in Tab order
// after the buttons of the choices' row.
void PlanWindow::showChoices()
{
    QStringList names;
    for (const Pick &pick : picks_)
        names << pickName(pick);
    chips_->setChoices(names, kRemove.in(language_));
    QWidget *previous = c_.saveImage;
    for (QToolButton *remove : chips_->removeButtons()) {
        setTabOrder(previous, remove);
        previous = remove;
    }
    setTabOrder(previous, c_.strength);
    c_.add->setEnabled(picks_.size() < kMaxChoices);
}

} // namespace harmtally::plan
