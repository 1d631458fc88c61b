#pragma once

namespace harmtally {

// What the main window offers: the melee road or the bow road.
enum class Mode { Melee, Bow };

} // namespace harmtally
