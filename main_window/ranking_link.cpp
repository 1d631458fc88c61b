// The main window's side of the ranking window: opening it, and taking the row the player picks
// there into the pick-list fields, as if the player had typed it.

#include "main_window/main_window.h"
#include "ranking_window/ranking_window.h"
#include "texts/main_window_words.h"
#include "toolkit/designed_window.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void MainWindow::openRanking()
{
    if (!isEnabled())
        return;
    const bool opening = !ranking_ || !ranking_->isVisible();
    if (!ranking_) {
        ranking_ = new ranking::RankingWindow(
            appliedLanguage_.value_or(Language::Italian), locale_, sink_,
            [this](const ranking::Choice &choice) { return takeRankingChoice(choice); });
        ranking_->setCompare(
            [this](const std::vector<ranking::Pick> &picks, const ranking::Inputs &figures) {
                return compareRankingRows(picks, figures);
            });
    }
    ranking_->startFrom(mode_, box(Text2)->text(), box(Text6)->text());
    if (opening)
        ranking_->placeBeside(*this);
    bringToFront(*ranking_);
}

void MainWindow::bringToFront(QWidget &window)
{
    window.show();
    toolkit::fitOnScreen(window);
    window.raise();
    window.activateWindow();
}

QString MainWindow::waitingForAnotherWindow() { return main_window_words::kWaiting.both(u"/"); }

QString MainWindow::takeRankingChoice(const ranking::Choice &choice)
{
    const auto ready = [this](Form1Control list, Form1Control ok) {
        return !controls_[list]->isHidden() && controls_[list]->isEnabled()
               && !controls_[ok]->isHidden() && controls_[ok]->isEnabled();
    };
    if (!isEnabled())
        return waitingForAnotherWindow();
    if (choice.mode == Mode::Melee) {
        if (!ready(Combo1, Command1))
            return main_window_words::kNotAtWeapon.both(u"/");
        list(Combo1)->setEditText(choice.name);
        return {};
    }
    if (ready(combo2, Command7)) {
        list(combo2)->setEditText(choice.name);
        list(combo3)->setEditText(choice.arrowKind);
        return {};
    }
    if (ready(combo3, Command8) && list(combo2)->currentText() == choice.name) {
        list(combo3)->setEditText(choice.arrowKind);
        return {};
    }
    return main_window_words::kNotAtBow.both(u"/");
}

} // namespace harmtally
