#pragma once

// compare: two to four choices side by side and the strengths at which their totals cross,
// answered by the planning engine (ranking/planning.h) in the shell's words. Qt Core only.

#include "cli/parser.h"

namespace harmtally::cli {

Outcome compare(const Parsed &words, const Context &context);

} // namespace harmtally::cli
