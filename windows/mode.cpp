#include "windows/mode.h"

#include "main_window/form1.h"

namespace harmtally {

using enum Form1Control;
using enum ModeState;

// clang-format off
const std::array<ModeRow, 13> kModeTable{{
//   control        melee         bow
    {combo2,        Hidden,       ShownEnabled},
    {combo3,        Hidden,       HiddenEnabled},
    {Text9,         Hidden,       Hidden},
    {Command3,      Hidden,       Hidden},
    {Command7,      Hidden,       ShownEnabled},
    {Command8,      Hidden,       HiddenEnabled},
    {Label14,       Hidden,       Hidden},
    {calcolaarchi,  Hidden,       Hidden},
    {Command2archi, Hidden,       Hidden},
    {Command9,      Hidden,       HiddenEnabled},
    {Combo1,        ShownEnabled, Hidden},
    {Command1,      Shown,        Hidden},
    {Command2,      Hidden,       Hidden},
}};
// clang-format on

void applyMode(Form1 &main, Mode mode)
{
    for (const ModeRow &row : kModeTable) {
        const ModeState state = mode == Mode::Melee ? row.melee : row.bow;
        QWidget *widget = main.control(row.control);
        widget->setHidden(state == Hidden || state == HiddenEnabled);
        if (state == HiddenEnabled || state == ShownEnabled)
            widget->setEnabled(true);
    }
}

} // namespace harmtally
