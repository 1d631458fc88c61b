#pragma once

// The planning command path, and the goal columns of rank, answered by the
// planning engine (ranking/planning.h) in the shell's words. Qt Core only.

#include "cli/parser.h"
#include "ranking/ranking.h"

#include <vector>

namespace harmtally::cli {

Outcome path(const Parsed &words, const Context &context);

// rank's goal: a usage error when more than one is given, or a value cannot be one (status 0
// when all is well); then the rows with the goal's columns, sorted by them as the ranking sorts.
bool hasGoal(const Parsed &words);
Outcome checkGoal(const Parsed &words, const Context &context);
Outcome rankWithGoal(const Parsed &words, std::vector<ranking::Row> rows, Mode mode,
                     const Context &context);

} // namespace harmtally::cli
