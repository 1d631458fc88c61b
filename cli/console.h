#pragma once

// Where the shell meets its console, the one place in it where Debian and Windows differ: the
// words it was given, how its text reaches the terminal, and the user's language when no locale
// variable names one.

#include "texts/language.h"

#include <QStringList>

#include <cstdio>
#include <optional>

namespace harmtally::cli::console {

// argv without the program. On Windows, read from the wide command line: argv holds the words in
// the ANSI code page, which loses letters outside it (città in a Greek one).
QStringList arguments(int argc, char **argv);

// Every character of text reaches stream, or the errno saying why it did not. Lines end in "\n"
// on every system. A Windows console gets the characters themselves (its code page would garble
// UTF-8 bytes); a file or a pipe gets UTF-8.
std::optional<int> write(std::FILE *stream, const QString &text);

// The language of the user's desktop: Windows' display language; nothing on other systems,
// where the locale variables are all there is.
std::optional<Language> desktopLanguage();

} // namespace harmtally::cli::console
