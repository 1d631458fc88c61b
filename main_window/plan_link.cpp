// The main window's side of the compare and plan window: opening it beside this one with the
// weapon (or the bow and its arrows) and the figures typed here, or with the rows the player
// chose in the ranking window and the figures typed there.

#include "main_window/main_window.h"
#include "plan_window/plan_window.h"
#include "ranking_window/placement.h"
#include "toolkit/designed_window.h"
#include "toolkit/inputs_row.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace harmtally {

using enum Form1Control;

namespace {

// Beside the other window by the ranking window's rule, at least at the size its contents need
// while the screen has it; its frame is taken to be the other's until the window manager has
// framed it (the screen fit corrects what is left).
void placeBeside(QWidget &window, const QWidget &other, QSize least)
{
    const QRect otherFrame = toolkit::frameGeometry(other);
    const QRect available = toolkit::availableAreaAt(otherFrame.center(), window);
    const QMargins frame
        = toolkit::frameMargins(toolkit::frameMargins(window).isNull() ? other : window);
    const QSize edges(frame.left() + frame.right(), frame.top() + frame.bottom());
    window.setGeometry(
        ranking::besideWindow(otherFrame, window.size() + edges, least + edges, available)
            .marginsRemoved(frame));
}

} // namespace

void MainWindow::openPlan()
{
    if (!isEnabled())
        return;
    plan::PlanWindow &plan = planWindow();
    const bool opening = !plan.isVisible();
    const bool bows = mode_ == Mode::Bow;
    if (plan.picks().empty())
        plan.setCatalogue(bows ? Mode::Bow : Mode::Melee);
    const QString chosen = bows ? list(combo2)->currentText() + u'/' + list(combo3)->currentText()
                                : list(Combo1)->currentText();
    const std::optional<ranking::Pick> pick = ranking::findPick(chosen);
    if (pick && (pick->mode == Mode::Bow) == bows
        && std::ranges::find(plan.picks(), *pick) == plan.picks().end())
        plan.addPick(*pick);
    plan.takeInputs({box(Text2)->text(), box(Text6)->text(), box(Text9)->text()});
    if (opening)
        placeBeside(plan, *this, plan.leastSize());
    bringToFront(plan);
}

QString MainWindow::compareRankingRows(const std::vector<ranking::Pick> &picks,
                                       const ranking::Inputs &figures)
{
    if (!isEnabled())
        return waitingForAnotherWindow();
    plan::PlanWindow &plan = planWindow();
    const bool opening = !plan.isVisible();
    plan.setPicks(picks);
    plan.setCatalogue(picks.front().mode);
    plan.takeInputs({figures.strength, figures.seconds, figures.level});
    if (opening)
        placeBeside(plan, *this, plan.leastSize());
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
