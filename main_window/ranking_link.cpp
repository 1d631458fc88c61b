// The main window's side of the ranking window: opening it, and taking the row the player picks
// there into the pick-list fields, as if the player had typed it.

#include "main_window/form1.h"
#include "ranking_window/ranking_window.h"
#include "toolkit/designed_window.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void Form1::openRanking()
{
    if (!isEnabled())
        return;
    const bool opening = !ranking_ || !ranking_->isVisible();
    if (!ranking_)
        ranking_ = new ranking::RankingWindow(
            appliedLanguage_.value_or(Language::Italian), locale(), sink_,
            [this](const ranking::Choice &choice) { return takeRankingChoice(choice); });
    ranking_->startFrom(controls_[combo2]->isHidden() ? Mode::Melee : Mode::Bow, box(Text2)->text(),
                        box(Text6)->text());
    if (opening)
        ranking_->placeBeside(frameGeometry());
    ranking_->show();
    toolkit::fitOnScreen(*ranking_);
    ranking_->raise();
    ranking_->activateWindow();
}

QString Form1::takeRankingChoice(const ranking::Choice &choice)
{
    const auto ready = [this](Form1Control list, Form1Control ok) {
        return !controls_[list]->isHidden() && controls_[list]->isEnabled()
               && !controls_[ok]->isHidden() && controls_[ok]->isEnabled();
    };
    if (!isEnabled())
        return QStringLiteral("La finestra principale attende che si chiuda un'altra finestra./"
                              "The main window waits for another window to close.");
    if (choice.mode == Mode::Melee) {
        if (!ready(Combo1, Command1))
            return QStringLiteral("La finestra principale non è alla scelta di un'arma./"
                                  "The main window is not at the choice of a weapon.");
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
    return QStringLiteral("La finestra principale non è alla scelta di un arco (o delle sue "
                          "frecce)./The main window is not at the choice of a bow (or of its "
                          "arrows).");
}

} // namespace harmtally
