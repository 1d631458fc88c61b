#include "main_window/main_window_design.h"

namespace harmtally {

using namespace toolkit::table_words;
using enum Form1Control;

// clang-format off
const WindowDesign kForm1Window{"Form1", "-.-.-.</[Harmtally]\\>.-.-.", 4575, 2775, 5085, 5520, Border::Fixed, true};

const std::array<ControlDesign<Form1Control>, 40> kForm1Controls = std::to_array<ControlDesign<Form1Control>>({
//   id             name             kind       caption                          left   top width height tab start   font         colour  parent
    {Label2,        "Label2",        Label,     "Req. Arma",                      840,  120, 1215, 255,  1, Shown,  Display,     Red,    Window},
    {Label3,        "Label3",        Label,     "Forza (castata)",               2160,  120, 1695, 255,  2, Shown,  Display,     Red,    Window},
    {Label14,       "Label14",       Label,     "LvL :",                         3720,  120,  375, 255, 35, Hidden, Standard,    Red,    Window},
    {Label1,        "Label1",        Label,     "Frz",                            120,  480,  375, 375,  0, Shown,  Display,     Red,    Window},
    {Text1,         "Text1",         FigureBox, "",                               600,  480, 1335, 285, 12, Shown,  Figure,      System, Window},
    {Text2,         "Text2",         TextBox,   "",                              2040,  480, 1335, 285, 13, Shown,  Standard,    System, Window},
    {Text9,         "Text9",         TextBox,   "",                              3600,  480,  495, 285, 36, Hidden, Standard,    System, Window},
    {Command9,      "Command9",      Button,    "ok",                            4200,  480,  375, 255, 37, Hidden, Standard,    System, Window},
    {Label4,        "Label4",        Label,     "  Danno MIN          (BASE)",    600,  840, 1455, 495,  6, Shown,  Display,     Red,    Window},
    {Label5,        "Label5",        Label,     "  Danno Max         (BASE)",    2040,  840, 1455, 615,  7, Shown,  Display,     Red,    Window},
    {Mindmg,        "Mindmg",        FigureBox, "",                               600, 1320, 1335, 285,  4, Shown,  Figure,      System, Window},
    {Maxdmg,        "Maxdmg",        FigureBox, "",                              2040, 1320, 1335, 285,  5, Shown,  Figure,      System, Window},
    {Label8,        "Label8",        Label,     "N. di colpi in 1 min.",          480, 1680, 1575, 255, 23, Shown,  Display,     Red,    Window},
    {Label9,        "Label9",        Label,     "    Secondi",                   2040, 1680, 1575, 255, 24, Shown,  Display,     Red,    Window},
    {Text5,         "Text5",         FigureBox, "",                               600, 1920, 1335, 285, 21, Shown,  Figure,      System, Window},
    {Text6,         "Text6",         TextBox,   "",                              2040, 1920, 1335, 285, 22, Shown,  Standard,    System, Window},
    {Command2,      "Command2",      Button,    "OK",                            3720, 1920,  735, 255, 11, Hidden, Standard,    System, Window},
    {Command2archi, "Command2archi", Button,    "OK",                            3720, 1920,  735, 255, 39, Hidden, Standard,    System, Window},
    {Label6,        "Label6",        Label,     "  Danno MIN",                    600, 2280, 1695, 375, 15, Hidden, Display,     Red,    Window},
    {Label7,        "Label7",        Label,     "Danno MAX",                     2040, 2280, 1335, 375, 16, Hidden, Display,     Red,    Window},
    {Text3,         "Text3",         FigureBox, "",                               600, 2520, 1335, 285,  9, Hidden, Figure,      System, Window},
    {Text4,         "Text4",         FigureBox, "",                              2040, 2520, 1335, 285, 10, Hidden, Figure,      System, Window},
    {Label12,       "Label12",       Label,     " Danno MIN",                     720, 2880, 1215, 255, 29, Hidden, Display,     Red,    Window},
    {Label13,       "Label13",       Label,     "Danno MAX",                     2160, 2880, 1695, 255, 30, Hidden, Display,     Red,    Window},
    {Label10,       "Label10",       Label,     "per 0 sec.",                     720, 3120, 2175, 495, 26, Hidden, DisplayBold, Red,    Window},
    {Label11,       "Label11",       Label,     "per 0 sec.",                    2160, 3120, 1935, 375, 27, Hidden, DisplayBold, Red,    Window},
    {Text7,         "Text7",         FigureBox, "",                               600, 3360, 1335, 285, 25, Hidden, Figure,      System, Window},
    {Text8,         "Text8",         FigureBox, "",                              2040, 3360, 1335, 285, 28, Hidden, Figure,      System, Window},
    {Command3,      "Command3",      Button,    "Calcola",                       3720, 3360,  855, 255, 14, Hidden, Standard,    System, Window},
    {calcolaarchi,  "calcolaarchi",  Button,    "Calcola",                       3720, 3360,  855, 255, 38, Hidden, Standard,    System, Window},
    {combo2,        "combo2",        ComboBox,  "Archi",                          360, 3840, 3375, 330, 31, Hidden, DisplayBold, Red,    Window},
    {Combo1,        "Combo1",        ComboBox,  "Armi",                           600, 3840, 3015, 330,  8, Shown,  DisplayBold, System, Window},
    {Command1,      "Command1",      Button,    "OK",                            3720, 3840,  615, 375,  3, Shown,  Standard,    System, Window},
    {Command7,      "Command7",      Button,    "OK",                            3840, 3840,  615, 375, 33, Hidden, Standard,    System, Window},
    {combo3,        "combo3",        ComboBox,  "Frecce",                         600, 4320, 3015, 330, 32, Hidden, DisplayBold, Red,    Window},
    {Command8,      "Command8",      Button,    "OK",                            3840, 4320,  615, 375, 34, Hidden, Standard,    System, Window},
    {lingua,        "lingua",        Button,    "Opzioni/Options",                240, 4920, 1455, 375, 20, Shown,  Standard,    System, Window},
    {Command6,      "Command6",      Button,    "Istruzioni",                    1800, 4920,  975, 375, 19, Shown,  Standard,    System, Window},
    {Command5,      "Command5",      Button,    "About",                         2880, 4920,  975, 375, 18, Shown,  Standard,    System, Window},
    {Command4,      "Command4",      Button,    "&Esci",                         3960, 4920,  975, 375, 17, Shown,  Standard,    System, Window},
});

const std::array<BoxHeading, 11> kForm1Headings = std::to_array<BoxHeading>({
    {Label2, Text1}, {Label3, Text2}, {Label14, Text9}, {Label4, Mindmg}, {Label5, Maxdmg},
    {Label8, Text5}, {Label9, Text6}, {Label6, Text3}, {Label7, Text4}, {Label12, Text7},
    {Label13, Text8},
});
// clang-format on

} // namespace harmtally
