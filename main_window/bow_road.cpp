// The bow road: choose a bow, choose an arrow kind (and, for the Trueshot Quiver, apply a
// level), check and compute, display.

#include "catalogue/bows.h"
#include "main_window/main_window.h"
#include "texts/messages.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void MainWindow::chooseBow()
{
    const BowRecord *row = findBow(list(combo2)->currentText());
    if (!row)
        return refuse(messages::bowNotFound());

    box(Mindmg)->setText(QString::number(row->minDamage));
    box(Maxdmg)->setText(QString::number(row->maxDamage));
    setEnabledOf(combo2, false);
    setEnabledOf(Command7, false);
    showControl(combo3);
    showControl(Command8);
    box(Text1)->setText(QString::number(row->strengthReq));
    box(Text5)->setText(QString::number(row->hitsPerMinute));
    values_.baseMin = box(Mindmg)->text();
    values_.baseMax = box(Maxdmg)->text();
}

void MainWindow::chooseArrows()
{
    const ArrowKind *kind = findArrowKind(list(combo3)->currentText());
    if (!kind)
        return refuse(messages::arrowKindNotFound());

    if (kind->levelRule) {
        showControl(Command9);
        showControl(Label14);
        showControl(Text9);
        setEnabledOf(combo3, false);
        setEnabledOf(Command8, false);
        return;
    }
    const auto raised
        = addToBase({values_.baseMin, values_.baseMax}, kind->minBonus, kind->maxBonus, locale_);
    if (const auto *refusal = std::get_if<Refusal>(&raised))
        return refuse(refusal->message);

    setEnabledOf(combo3, false);
    setEnabledOf(Command8, false);
    showControl(Command2archi);
    values_.baseMin = std::get<BaseFigures>(raised).baseMin;
    values_.baseMax = std::get<BaseFigures>(raised).baseMax;
    box(Mindmg)->setText(values_.baseMin);
    box(Maxdmg)->setText(values_.baseMax);
}

// The arrow step adds to the working values, this step to what the boxes show, as the road's
// steps are defined. The two always agree here: the bow step writes both, and nothing writes
// either until this button is pressed (a mode switch hides it, and the road starts again at the
// bow).
void MainWindow::applyLevel()
{
    const QString level = box(Text9)->text();
    const auto raised
        = applyTrueshotLevel({box(Mindmg)->text(), box(Maxdmg)->text()}, level, locale_);
    if (const auto *refusal = std::get_if<Refusal>(&raised))
        return refuse(refusal->message);

    trueshotLevel_ = level;
    values_.baseMin = std::get<BaseFigures>(raised).baseMin;
    values_.baseMax = std::get<BaseFigures>(raised).baseMax;
    box(Mindmg)->setText(values_.baseMin);
    box(Maxdmg)->setText(values_.baseMax);
    setEnabledOf(Command9, false);
    showControl(Command2archi);
    hideControl(Label14);
    hideControl(Text9);
    hideControl(Command9);
}

void MainWindow::computeBow() { computeAndReveal(calcolaarchi); }

void MainWindow::showBowResults()
{
    writeResults();
    setEnabledOf(combo2, true);
    setEnabledOf(combo3, true);
    hideControl(combo3);
    hideControl(Command8);
    setEnabledOf(Command8, true);
    setEnabledOf(Command7, true);
    hideControl(calcolaarchi);
    hideControl(Command2archi);
    setEnabledOf(Command9, true);
}

} // namespace harmtally
