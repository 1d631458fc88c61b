#pragma once

// The windows live in a library of their own (libharmtally-windows.so, harmtally-windows.dll),
// opened only when the program is to show them, so that a command answered in the terminal never
// loads Qt Widgets.

#include "texts/language.h"

namespace harmtally {

// Opens the windows' library and runs the windows until the main window closes; its exit status.
// Without the library, one line in language says where it was looked for, and the status is 1.
int launchWindows(int &argc, char **argv, bool rankingWindow, Language language);

} // namespace harmtally
