#pragma once

// What the main window says beyond its design: its right-click menu, and why it cannot take a
// choice offered by the ranking window. Both languages at once, as beside the designed captions.

#include "texts/shared_words.h"

namespace harmtally::main_window_words {

inline constexpr Bilingual kWaiting{
    .italian = "La finestra principale attende che si chiuda un'altra finestra.",
    .english = "The main window waits for another window to close."};
inline constexpr Bilingual kNotAtWeapon{
    .italian = "La finestra principale non è alla scelta di un'arma.",
    .english = "The main window is not at the choice of a weapon."};
inline constexpr Bilingual kNotAtBow{
    .italian = "La finestra principale non è alla scelta di un arco (o delle sue frecce).",
    .english = "The main window is not at the choice of a bow (or of its arrows)."};

} // namespace harmtally::main_window_words
