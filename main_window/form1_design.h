#pragma once

#include "toolkit/design.h"

#include <array>

namespace harmtally {

// The main window's controls, in the order of its design table.
// clang-format off
enum class Form1Control {
    Window,
    Label2, Label3, Label14, Label1, Text1, Text2, Text9, Command9, Label4, Label5,
    Mindmg, Maxdmg, Label8, Label9, Text5, Text6, Command2, Command2archi, Label6, Label7,
    Text3, Text4, Label12, Label13, Label10, Label11, Text7, Text8, Command3, calcolaarchi,
    combo2, Combo1, Command1, Command7, combo3, Command8, lingua, Command6, Command5, Command4,
};
// clang-format on

// Each heading and the box under it: a screen reader names the box after its heading.
struct BoxHeading {
    Form1Control label;
    Form1Control box;
};

extern const toolkit::WindowDesign kForm1Window;
extern const std::array<BoxHeading, 11> kForm1Headings;
extern const std::array<toolkit::ControlDesign<Form1Control>, 40> kForm1Controls;

} // namespace harmtally
