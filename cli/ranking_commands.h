#pragma once

// The commands that answer from the catalogues and the ranking: list (the names calc takes),
// calc (one choice's damage, by the main window's own road) and rank. Qt Core only.

#include "cli/parser.h"

namespace harmtally::cli {

Outcome list(const Parsed &words, const Context &context);
Outcome calc(const Parsed &words, const Context &context);
Outcome rank(const Parsed &words, const Context &context);

} // namespace harmtally::cli
