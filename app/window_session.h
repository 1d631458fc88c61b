#pragma once

// The program as a window: the application on a display, the bundled fonts, the main window
// (and the ranking window, when asked for), until the main window closes.

namespace harmtally {

// Without a display the program prints one line saying so and ends with status 1, instead of
// letting Qt abort.
int runWindows(int &argc, char **argv, bool rankingWindow);

} // namespace harmtally
