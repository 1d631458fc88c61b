#include "main_window/mode_table.h"

namespace harmtally {

using enum Form1Control;
using enum ModeState;

// clang-format off
const std::array<ModeRow, 13> kModeTable = std::to_array<ModeRow>({
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
});
// clang-format on

} // namespace harmtally
