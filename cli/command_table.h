#pragma once

// The commands, one row each (its name, synopsis, help, options and function), and the help
// written from them and from the option table. A new command is one more row.

#include "cli/parser.h"

#include <QString>

#include <span>

namespace harmtally::cli {

std::span<const Command> commandTable();
// What -h and --help print, whatever the command.
QString help();

} // namespace harmtally::cli
