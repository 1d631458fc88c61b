#pragma once

// harmtally with a command: prints its answer and ends, with no window and no display. Qt Core
// only.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace harmtally::cli {

// The exit status of the command in argv, its output written to stdout and stderr; nothing when
// argv asks for the window instead (no arguments, or only --rank-window). Creates no
// application object.
std::optional<int> run(int argc, char **argv);

// What a command prints, and its exit status: 0 done, 1 refused with the window's message,
// 2 a usage error.
struct Outcome {
    int status = 0;
    QString out;
    QString err;
};

// The command in arguments (argv without the program), figures read and written in locale.
Outcome execute(const QStringList &arguments, const QLocale &locale);

} // namespace harmtally::cli
