#pragma once

// Where a window goes beside another, as a pure rule over rectangles, so it is tried without a
// screen.

#include <QRect>
#include <QSize>

namespace harmtally::ranking {

// Where a window of the wanted size goes beside another (frames, in screen pixels): to its
// right, else to its left, else below it, wherever at least the least size fits, narrowed or
// shortened to the room there; over it only when no side has room. Never larger than the
// available area, and always within it.
QRect besideWindow(const QRect &other, QSize wanted, QSize least, const QRect &available);

} // namespace harmtally::ranking
