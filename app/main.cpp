// harmtally with a command answers in the terminal with no display; without one it is the window.

#include "app/launch.h"
#include "cli/command_line.h"

#include <cstring>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = harmtally::cli::run(argc, argv))
        return *status;
    const bool rankingWindow = argc > 1 && std::strcmp(argv[1], "--rank-window") == 0;
    return harmtally::launchWindows(argc, argv, rankingWindow);
}
