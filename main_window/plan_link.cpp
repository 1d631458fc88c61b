// The main window's side of the compare and plan window: opening it with the weapon (or the bow
// and its arrows) and the figures typed here, the first time it has nothing to compare; or with
// the rows the player chose in the ranking window.

#include "main_window/main_window.h"
#include "plan_window/plan_window.h"
#include "ranking_window/ranking_window.h"
#include "toolkit/designed_window.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void MainWindow::openPlan()
{
    if (!isEnabled())
        return;
    plan::PlanWindow &plan = planWindow();
    if (!plan.picks().empty()) {
        bringToFront(plan);
        return;
    }
    const bool bows = controls_[Combo1]->isHidden();
    const QString chosen = bows ? list(combo2)->currentText() + u'/' + list(combo3)->currentText()
                                : list(Combo1)->currentText();
    const std::optional<ranking::Pick> pick = ranking::findPick(chosen);
    if (pick && (pick->mode == Mode::Bow) == bows)
        plan.addPick(*pick);
    plan.setCatalogue(bows ? Mode::Bow : Mode::Melee);
    plan.offerInputs(box(Text2)->text(), box(Text6)->text(), box(Text9)->text());
    bringToFront(plan);
}

QString MainWindow::compareRankingRows(const std::vector<ranking::Pick> &picks)
{
    if (!isEnabled())
        return waitingForAnotherWindow();
    plan::PlanWindow &plan = planWindow();
    plan.setPicks(picks);
    plan.setCatalogue(picks.front().mode);
    const auto &typed = ranking_->controls();
    plan.offerInputs(typed.strength->text(), typed.seconds->text(), typed.level->text());
    bringToFront(plan);
    return {};
}

plan::PlanWindow &MainWindow::planWindow()
{
    if (!plan_)
        plan_ = new plan::PlanWindow(appliedLanguage_.value_or(Language::Italian), locale_, sink_);
    return *plan_;
}

} // namespace harmtally
