// Harmtally's start, exactly as the program makes it, up to the first paint of the main window.

#include "app/launch.h"
#include "first_paint.h"

namespace {
// Runs as soon as the application object exists, before the program builds its window.
void watchFirstPaint() { new harmtally::bench::FirstPaintReport; }
} // namespace
Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)

int main(int argc, char *argv[])
{
    return harmtally::launchWindows(argc, argv, false, harmtally::Language::English);
}
