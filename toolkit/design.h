#pragma once

// A window's design as data: one row per control, in the units of the design (twips, 15 to the
// pixel at 96 dots per inch), measured from the top-left corner of the parent's client area.

namespace harmtally::toolkit {

enum class Kind { Label, TextBox, FigureBox, ComboBox, Button, OptionButton, Frame };

// Shown and enabled, hidden (and enabled), or shown and selected (an option button).
// A figure box is always disabled: the player reads it, only the handlers write it.
enum class Start { Shown, Hidden, Selected };

enum class Font { Standard, Display, DisplayBold, Figure, Heading };

enum class Colour { System, Red };

enum class Border { Fixed, Sizable };

// Labels over the background picture let it show through; elsewhere they fill their background.
enum class LabelLook { Transparent, Opaque };

// Id is the window's enum of controls; its first enumerator, Window (value 0), is the window
// itself.
template <class Id> struct ControlDesign {
    Id id;
    const char *name;
    Kind kind;
    const char *caption; // UTF-8; a pick-list's field text
    int left;
    int top;
    int width;
    int height;
    int tab;
    Start start;
    Font font;
    Colour colour;
    Id parent; // the window, or the frame that holds the control
};

struct WindowDesign {
    const char *name;
    const char *title;
    int left; // client area, from the screen's top-left corner
    int top;
    int width;
    int height;
    Border border;
    bool picture; // the background picture behind every control
};

constexpr int pixels(int twips) { return twips / 15; }

// The words of a design table, for the files that write one:
// `using namespace toolkit::table_words;`.
namespace table_words {
using enum Kind;
using enum Start;
using enum Font;
using enum Colour;
using toolkit::Border;
using toolkit::ControlDesign;
using toolkit::WindowDesign;
} // namespace table_words

} // namespace harmtally::toolkit
