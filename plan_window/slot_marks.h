#pragma once

// Each choice's colour and marker shape, by its slot in the comparison: drawn on its line in the
// chart, as a small picture on its chip and its table column, and as a character in the words at
// the cursor.

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QString>

#include <cstddef>

namespace harmtally::plan {

// The choice in that slot: a colour told apart by colour-blind eyes (Okabe and Ito's palette)
// and a shape told apart in greyscale.
QColor slotColour(std::size_t slot);
enum class Marker { Circle, Square, Triangle, Diamond };
Marker slotMarker(std::size_t slot);
void drawMarker(QPainter &painter, Marker marker, QPointF centre, qreal size);

// The marker's shape as a character, for the words beside the chart.
QString markerSign(std::size_t slot);
// The marker drawn 16 pixels wide, edged in `edge` (the background it stands on).
QPixmap markerPixmap(std::size_t slot, const QColor &edge);

} // namespace harmtally::plan
