// harmtally with a command answers in the terminal with no display; without one it is the window.

#include "app/launch.h"
#include "cli/command_line.h"

int main(int argc, char *argv[])
{
    using namespace harmtally;
    if (const std::optional<int> status = cli::run(argc, argv))
        return *status;
    // Qt's own options (-platform, -style) reach the windows as they were given.
    return launchWindows(argc, argv, cli::asksForRankingWindow(argc, argv), cli::shellLanguage());
}
