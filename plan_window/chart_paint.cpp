// The chart's painting, step by step over the layout, and the picture "Save image" writes.

#include "plan_window/chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace harmtally::plan {
namespace {

// The total along a line at a strength, between its points (lines are straight).
double totalAlong(const std::vector<Point> &line, double strength)
{
    const auto next
        = std::ranges::find_if(line, [&](const Point &p) { return p.strength >= strength; });
    if (next == line.begin())
        return line.front().total;
    if (next == line.end())
        return line.back().total;
    const Point &a = *(next - 1), &b = *next;
    return a.total + (b.total - a.total) * (strength - a.strength) / (b.strength - a.strength);
}

} // namespace

void Chart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    Inks inks{palette().color(QPalette::Text), palette().color(QPalette::Base), {}};
    inks.faint = inks.ink;
    inks.faint.setAlpha(40);
    p.fillRect(rect(), inks.paper);
    paintAxes(p, inks);
    paintTitles(p, inks);
    paintKey(p, inks);

    p.setPen(QPen(inks.ink, 1));
    p.drawRect(plot_);
    p.setClipRect(plot_.adjusted(-6, -6, 6, 6));
    if (data_.series.empty())
        p.drawText(plot_, Qt::AlignCenter | Qt::TextWordWrap, data_.emptyNote);
    for (const Series &s : data_.series) {
        paintLines(p, s);
        paintRequirement(p, s);
        paintMarkers(p, s, inks);
    }
    paintCursor(p, inks);
    paintCrossings(p, inks);
    if (hasFocus() && !forImage_)
        paintFocus(p);
}

// The grid, the ticks and their values.
void Chart::paintAxes(QPainter &p, const Inks &inks) const
{
    const qreal line = QFontMetricsF(font()).lineSpacing();
    p.setPen(QPen(inks.faint, 1));
    for (const Tick &s : strengthLabels_) {
        const qreal x = at(s.value, low_).x();
        p.setPen(QPen(inks.faint, 1));
        p.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
        p.setPen(inks.ink);
        p.drawText(QRectF(x - 60, plot_.bottom() + 3, 120, line), Qt::AlignHCenter | Qt::AlignTop,
                   s.text);
    }
    for (const Tick &t : totalLabels_) {
        const qreal y = at(data_.from, t.value).y();
        p.setPen(QPen(t.value == 0 ? inks.ink : inks.faint, 1));
        p.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        p.setPen(inks.ink);
        p.drawText(QRectF(0, y - line / 2, plot_.left() - 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, t.text);
    }
}

void Chart::paintTitles(QPainter &p, const Inks &inks) const
{
    const qreal line = QFontMetricsF(font()).lineSpacing();
    p.setPen(inks.ink);
    p.drawText(QRectF(plot_.left(), height() - line - 2, plot_.width(), line), Qt::AlignHCenter,
               data_.xTitle);
    p.save();
    p.translate(2, plot_.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignHCenter,
               data_.yTitle);
    p.restore();
}

// The key to the drawing, above it; moved left as far as a narrow chart needs.
void Chart::paintKey(QPainter &p, const Inks &inks) const
{
    const QFontMetricsF fm(font());
    qreal keyWidth = 0;
    for (const QString &word : data_.key)
        keyWidth += 30 + fm.horizontalAdvance(word) + 18;
    qreal x = std::max(4.0, std::min(plot_.left(), width() - keyWidth));
    const qreal keyY = fm.lineSpacing() * 0.8;
    const auto key = [&](int i, auto draw) {
        draw(QPointF(x, keyY));
        x += 30;
        p.setPen(inks.ink);
        p.drawText(QPointF(x, keyY + fm.ascent() / 2 - 1), data_.key.value(i));
        x += fm.horizontalAdvance(data_.key.value(i)) + 18;
    };
    key(0, [&](QPointF o) {
        p.setPen(QPen(inks.ink, 2));
        p.drawLine(o, o + QPointF(24, 0));
    });
    key(1, [&](QPointF o) {
        p.setPen(QPen(inks.ink, 2, Qt::DashLine));
        p.drawLine(o, o + QPointF(24, 0));
    });
    key(2, [&](QPointF o) {
        p.setPen(QPen(inks.ink, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(o + QPointF(12, -6), o + QPointF(12, 6));
    });
    key(3, [&](QPointF o) {
        p.setPen(QPen(inks.paper, 1.5));
        p.setBrush(inks.ink);
        p.drawEllipse(o + QPointF(12, 0), 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
    });
}

// The maximum solid, the minimum dashed.
void Chart::paintLines(QPainter &p, const Series &s) const
{
    for (const auto *points : {&s.max, &s.min}) {
        QPolygonF path;
        for (const Point &pt : *points)
            path << at(pt.strength, pt.total);
        p.setPen(QPen(slotColour(s.slot), 2, points == &s.max ? Qt::SolidLine : Qt::DashLine,
                      Qt::RoundCap));
        p.drawPolyline(path);
    }
}

// A bar across both lines at the choice's requirement.
void Chart::paintRequirement(QPainter &p, const Series &s) const
{
    if (!s.requirement)
        return;
    const QPointF top = at(*s.requirement, totalAlong(s.max, *s.requirement));
    const QPointF bottom = at(*s.requirement, totalAlong(s.min, *s.requirement));
    p.setPen(QPen(slotColour(s.slot), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(top + QPointF(0, -7), bottom + QPointF(0, 7));
}

// Markers spread along the line, each choice at its own places so none hides another.
void Chart::paintMarkers(QPainter &p, const Series &s, const Inks &inks) const
{
    p.setPen(QPen(inks.paper, 1.2));
    p.setBrush(slotColour(s.slot));
    for (int k = 0; k < 4; ++k) {
        const double strength
            = data_.from + (data_.to - data_.from) * (0.06 + 0.25 * k + 0.045 * double(s.slot));
        for (const auto *points : {&s.max, &s.min})
            drawMarker(p, slotMarker(s.slot), at(strength, totalAlong(*points, strength)), 9);
    }
    p.setBrush(Qt::NoBrush);
}

void Chart::paintCursor(QPainter &p, const Inks &inks) const
{
    if (!data_.cursor || *data_.cursor < data_.from || *data_.cursor > data_.to)
        return;
    const qreal cx = at(*data_.cursor, low_).x();
    p.setPen(QPen(inks.ink, 1, Qt::DashDotLine));
    p.drawLine(QPointF(cx, plot_.top()), QPointF(cx, plot_.bottom()));
}

// A dot at each crossing, with its strength on a veil over the lines.
void Chart::paintCrossings(QPainter &p, const Inks &inks) const
{
    QColor veil = inks.paper;
    veil.setAlpha(210);
    for (const Dot &dot : data_.crossings) {
        p.setPen(QPen(inks.paper, 1.5));
        p.setBrush(inks.ink);
        p.drawEllipse(at(dot.strength, dot.total), 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
        const QRectF box = labelBox(dot);
        p.fillRect(box, veil);
        p.setPen(inks.ink);
        p.drawText(box, Qt::AlignCenter, dot.label);
    }
}

void Chart::paintFocus(QPainter &p) const
{
    p.setClipping(false);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = plot_.toAlignedRect().adjusted(-3, -3, 3, 3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

// A picture leaves the window's boxes behind: under the chart, which colour and marker is which
// choice, and the figures it is drawn for.
QImage Chart::image()
{
    forImage_ = true;
    const QImage drawn = grab().toImage();
    forImage_ = false;
    const QFontMetricsF fm(font());
    const qreal line = fm.lineSpacing() * 1.4;
    const qreal ratio = drawn.devicePixelRatio();
    const int extra = int(std::ceil(line * qreal(data_.series.size() + 1) + line / 2));
    QImage out(drawn.width(), drawn.height() + int(extra * ratio), QImage::Format_ARGB32);
    out.setDevicePixelRatio(ratio);
    const QColor ink = palette().color(QPalette::Text), paper = palette().color(QPalette::Base);
    out.fill(paper);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, drawn);
    p.setFont(font());
    qreal y = drawn.height() / ratio + line / 2;
    QStringList key;
    for (const Series &s : data_.series) {
        const QColor colour = slotColour(s.slot);
        const qreal x = plot_.left();
        p.setPen(QPen(colour, 2));
        p.drawLine(QPointF(x, y), QPointF(x + 36, y));
        p.setPen(QPen(paper, 1.2));
        p.setBrush(colour);
        drawMarker(p, slotMarker(s.slot), QPointF(x + 18, y), 9);
        p.setBrush(Qt::NoBrush);
        p.setPen(ink);
        p.drawText(QPointF(x + 46, y + fm.ascent() / 2 - 1), s.name);
        key << markerSign(s.slot) + u' ' + s.name;
        y += line;
    }
    p.setPen(ink);
    p.drawText(QPointF(plot_.left(), y + fm.ascent() / 2 - 1), data_.figures);
    p.end();
    // The same words for whoever reads the file rather than looks at it.
    out.setText(QStringLiteral("Title"), data_.yTitle);
    out.setText(QStringLiteral("Description"), (key << data_.figures).join(u'\n'));
    return out;
}

} // namespace harmtally::plan
