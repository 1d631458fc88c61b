#pragma once

// The two modes of the main window: which controls of the melee and the bow road the mode
// step shows, hides and enables.

#include "main_window/form1_design.h"

#include <array>

namespace harmtally {

class Form1;

enum class Mode { Melee, Bow };

// Hidden and Shown leave the enabled state alone; the Enabled forms also enable the control,
// so a road interrupted by a mode change can be walked again from its start.
enum class ModeState { Hidden, Shown, HiddenEnabled, ShownEnabled };

struct ModeRow {
    Form1Control control;
    ModeState melee;
    ModeState bow;
};

extern const std::array<ModeRow, 13> kModeTable;

void applyMode(Form1 &main, Mode mode);

} // namespace harmtally
