// The melee road: confirm the weapon, check and compute, display; and the exit button.

#include "catalogue/melee.h"
#include "main_window/main_window.h"
#include "texts/messages.h"

#include <QComboBox>
#include <QLineEdit>

namespace harmtally {

using enum Form1Control;

void MainWindow::confirmWeapon()
{
    const MeleeWeaponRecord *row = findMeleeWeapon(list(Combo1)->currentText());
    if (!row)
        return refuse(messages::weaponNotFound());

    // A figure the catalogue lacks empties its box rather than leave an earlier weapon's there.
    box(Mindmg)->setText(QString::number(row->minDamage));
    box(Maxdmg)->setText(QString::number(row->maxDamage));
    box(Text1)->setText(figureText(row->strengthReq));
    box(Text5)->setText(figureText(row->hitsPerMinute));
    hideControl(Command1);
    showControl(Command2);
    setEnabledOf(Combo1, false);
}

void MainWindow::computeMelee()
{
    // Without a requirement nothing can be computed for this weapon: back to the choice of
    // weapon, so the player is never stuck with a locked pick-list.
    const std::optional<Refusal> refusal = computeAndReveal(Command3);
    if (refusal && refusal->reason == Refusal::Reason::RequirementUnknown) {
        hideControl(Command2);
        showControl(Command1);
        setEnabledOf(Combo1, true);
    }
}

void MainWindow::showMeleeResults()
{
    writeResults();
    hideControl(Command2);
    hideControl(Command3);
    showControl(Command1);
    setEnabledOf(Combo1, true);
}

void MainWindow::quit() { close(); }

} // namespace harmtally
