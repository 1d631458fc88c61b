#pragma once

// The main window as designed: the window, its forty controls and, for screen readers, the
// heading of each box.

#include "texts/control_names.h"
#include "toolkit/design.h"

#include <array>

namespace harmtally {

// Each heading and the box under it: a screen reader names the box after its heading.
struct BoxHeading {
    Form1Control label;
    Form1Control box;
};

extern const toolkit::WindowDesign kForm1Window;
extern const std::array<BoxHeading, 11> kForm1Headings;
extern const std::array<toolkit::ControlDesign<Form1Control>, 40> kForm1Controls;

} // namespace harmtally
