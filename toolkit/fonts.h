#pragma once

#include "toolkit/design.h"

#include <QFont>

namespace harmtally::toolkit {

// Adds the bundled fonts to the application, so the windows look the same on every machine.
void registerFonts();

QFont fontFor(Font font);

} // namespace harmtally::toolkit
