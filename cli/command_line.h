#pragma once

// harmtally with a command: prints its answer and ends, with no window and no display. Qt Core
// only.

#include "cli/parser.h"

#include <optional>

namespace harmtally::cli {

// Whether argv asks for the windows: nothing but Qt's own options (-platform xcb, -style=...)
// and --rank-window. Then argv goes to them untouched.
bool asksForWindows(int argc, char **argv);
bool asksForRankingWindow(int argc, char **argv);

// The exit status of the command in argv, its output written to stdout and stderr; nothing when
// argv asks for the windows. Creates no application object.
std::optional<int> run(int argc, char **argv);

// The command in arguments (argv without the program).
Outcome execute(const QStringList &arguments, const Context &context);

// The language of the shell's messages: Italian when the first of LC_ALL, LC_MESSAGES and LANG
// that is set names Italian; with none set, the desktop's (Windows' display language); English
// otherwise.
Language shellLanguage();

} // namespace harmtally::cli
