#include "plan_window/slot_marks.h"

#include <iterator>

namespace harmtally::plan {
namespace {

// Blue, vermilion, bluish green, reddish purple: apart for every common colour blindness.
constexpr QRgb kColours[] = {0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7};
constexpr Marker kMarkers[] = {Marker::Circle, Marker::Square, Marker::Triangle, Marker::Diamond};

} // namespace

QColor slotColour(std::size_t slot) { return QColor(kColours[slot % std::size(kColours)]); }
Marker slotMarker(std::size_t slot) { return kMarkers[slot % std::size(kMarkers)]; }

void drawMarker(QPainter &painter, Marker marker, QPointF c, qreal size)
{
    const qreal h = size / 2;
    switch (marker) {
    case Marker::Circle:
        painter.drawEllipse(c, h, h);
        return;
    case Marker::Square:
        painter.drawRect(QRectF(c.x() - h * 0.9, c.y() - h * 0.9, size * 0.9, size * 0.9));
        return;
    case Marker::Triangle:
        painter.drawPolygon(QPolygonF({c + QPointF(0, -h * 1.15), c + QPointF(h * 1.1, h * 0.8),
                                       c + QPointF(-h * 1.1, h * 0.8)}));
        return;
    case Marker::Diamond:
        painter.drawPolygon(QPolygonF({c + QPointF(0, -h * 1.2), c + QPointF(h, 0),
                                       c + QPointF(0, h * 1.2), c + QPointF(-h, 0)}));
        return;
    }
}

QString markerSign(std::size_t slot)
{
    switch (slotMarker(slot)) {
    case Marker::Circle:
        return QStringLiteral("●");
    case Marker::Square:
        return QStringLiteral("■");
    case Marker::Triangle:
        return QStringLiteral("▲");
    case Marker::Diamond:
        break;
    }
    return QStringLiteral("◆");
}

QPixmap markerPixmap(std::size_t slot, const QColor &edge)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(slotColour(slot));
    drawMarker(p, slotMarker(slot), QPointF(8, 8), 11);
    return pixmap;
}

} // namespace harmtally::plan
