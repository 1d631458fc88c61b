// The main window's side of the compare and plan window: opening it with the weapon (or the bow
// and its arrows) and the figures typed here, the first time it has nothing to compare.

#include "main_window/main_window.h"
#include "plan_window/plan_window.h"
#include "toolkit/designed_window.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void MainWindow::openPlan()
{
    if (!isEnabled())
        return;
    if (!plan_)
        plan_ = new plan::PlanWindow(appliedLanguage_.value_or(Language::Italian), locale_, sink_);
    if (plan_->picks().empty()) {
        const bool bows = controls_[Combo1]->isHidden();
        const QString chosen
            = bows ? list(combo2)->currentText() + u'/' + list(combo3)->currentText()
                   : list(Combo1)->currentText();
        const std::optional<ranking::Pick> pick = ranking::findPick(chosen);
        if (pick && (pick->mode == Mode::Bow) == bows)
            plan_->addPick(*pick);
        plan_->setCatalogue(bows ? Mode::Bow : Mode::Melee);
        plan_->offerInputs(box(Text2)->text(), box(Text6)->text(), box(Text9)->text());
    }
    plan_->show();
    toolkit::fitOnScreen(*plan_);
    plan_->raise();
    plan_->activateWindow();
}

} // namespace harmtally
