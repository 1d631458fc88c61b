#pragma once

// What the melee and the bow step of the language and mode window set on the main window: which
// controls of the two roads are shown, hidden and enabled, in table order.

#include "texts/control_names.h"

#include <array>

namespace harmtally {

// Hidden and Shown leave the enabled state alone; the Enabled forms also enable the control,
// so a road interrupted by a mode change can be walked again from its start.
enum class ModeState { Hidden, Shown, HiddenEnabled, ShownEnabled };

struct ModeRow {
    Form1Control control;
    ModeState melee;
    ModeState bow;
};

extern const std::array<ModeRow, 13> kModeTable;

} // namespace harmtally
