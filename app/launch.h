#pragma once

// The windows live in a library of their own (libharmtally-windows.so), opened only when the
// program is to show them, so that a command answered in the terminal never loads Qt Widgets.

namespace harmtally {

// Opens the windows' library and runs the windows until the main window closes; its exit status.
int launchWindows(int &argc, char **argv, bool rankingWindow);

} // namespace harmtally
