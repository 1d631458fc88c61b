#include "plan_window/chart.h"

#include "core/numbers.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace harmtally::plan {
namespace {

constexpr double kMaxTicks = 200;

// 1, 2 or 5 times a power of ten, giving at most `count` steps over `span`.
double roundStep(double span, double count)
{
    const double raw = span / std::max(count, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

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

// The multiples of `step` from `first` on, `count` of them; none when there would be more than
// a chart has room for (a step lost in the size of its ends, or no step at all).
std::vector<double> steps(double first, double count, double step)
{
    std::vector<double> ticks;
    if (!(count >= 0 && count <= kMaxTicks))
        return ticks;
    // Counted apart from the multiple: past 2^53, adding one to a double leaves it unchanged.
    for (int k = 0; k <= int(count); ++k)
        ticks.push_back((first + k) * step);
    return ticks;
}

} // namespace

Chart::Chart(const QLocale &locale, QWidget *parent)
    : QWidget(parent)
    , locale_(locale)
{
    setObjectName(QStringLiteral("chart"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Chart::setData(ChartData data)
{
    data_ = std::move(data);
    layOut();
    update();
}

void Chart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

QString Chart::tickText(double value) const
{
    // k x step can come out as 0.30000000000000004; fifteen digits write it 0.3.
    return text(std::abs(value) < 1e-12 * (high_ - low_) ? 0.0 : value, locale_);
}

// The totals' span, rounded out to whole steps, and the plot's place; done once per change of
// data or size, so painting only draws.
void Chart::layOut()
{
    double low = 0, high = 0;
    for (const Series &s : data_.series)
        for (const auto *line : {&s.max, &s.min})
            for (const Point &p : *line) {
                low = std::min(low, p.total);
                high = std::max(high, p.total);
            }
    if (high <= low)
        high = low + 1;
    const QFontMetricsF fm(font());
    const qreal line = fm.lineSpacing();
    const qreal rows = std::max(2.0, (height() - 4 * line) / (2.5 * line));
    totalStep_ = roundStep(high - low, rows);
    low_ = std::floor(low / totalStep_) * totalStep_;
    high_ = std::ceil(high / totalStep_) * totalStep_;

    qreal labelWidth = 0;
    for (double tick : totalTicks())
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(tick)));
    const qreal left = line + 8 + labelWidth + 6;
    plot_ = QRectF(left, 2.2 * line, std::max(10.0, width() - left - 16),
                   std::max(10.0, height() - 2.2 * line - 2.4 * line - 4));
    const qreal widest = fm.horizontalAdvance(tickText(data_.to)) + 16;
    strengthStep_ = roundStep(data_.to - data_.from, plot_.width() / widest);
}

std::vector<double> Chart::strengthTicks() const
{
    const double first = std::ceil(data_.from / strengthStep_);
    return steps(first, std::floor(data_.to / strengthStep_) - first, strengthStep_);
}

std::vector<double> Chart::totalTicks() const
{
    const double first = std::round(low_ / totalStep_);
    return steps(first, std::round(high_ / totalStep_) - first, totalStep_);
}

QPointF Chart::at(double strength, double total) const
{
    return {plot_.left() + plot_.width() * (strength - data_.from) / (data_.to - data_.from),
            plot_.bottom() - plot_.height() * (total - low_) / (high_ - low_)};
}

void Chart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette &pal = palette();
    const QColor ink = pal.color(QPalette::Text), paper = pal.color(QPalette::Base);
    QColor faint = ink;
    faint.setAlpha(40);
    p.fillRect(rect(), paper);
    const QFontMetricsF fm(font());
    const qreal line = fm.lineSpacing();

    // Grid, ticks and their values.
    p.setPen(QPen(faint, 1));
    for (double s : strengthTicks()) {
        const qreal x = at(s, low_).x();
        p.setPen(QPen(faint, 1));
        p.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
        p.setPen(ink);
        p.drawText(QRectF(x - 60, plot_.bottom() + 3, 120, line), Qt::AlignHCenter | Qt::AlignTop,
                   tickText(s));
    }
    for (double t : totalTicks()) {
        const qreal y = at(data_.from, t).y();
        p.setPen(QPen(t == 0 ? ink : faint, 1));
        p.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(0, y - line / 2, plot_.left() - 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, tickText(t));
    }
    p.setPen(ink);
    p.drawText(QRectF(plot_.left(), height() - line - 2, plot_.width(), line), Qt::AlignHCenter,
               data_.xTitle);
    p.save();
    p.translate(2, plot_.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignHCenter,
               data_.yTitle);
    p.restore();

    // The key to the drawing, above it; moved left as far as a narrow chart needs.
    qreal keyWidth = 0;
    for (const QString &word : data_.key)
        keyWidth += 30 + fm.horizontalAdvance(word) + 18;
    qreal x = std::max(4.0, std::min(plot_.left(), width() - keyWidth));
    const qreal keyY = line * 0.8;
    const auto key = [&](const QString &words, auto draw) {
        draw(QPointF(x, keyY));
        x += 30;
        p.setPen(ink);
        p.drawText(QPointF(x, keyY + fm.ascent() / 2 - 1), words);
        x += fm.horizontalAdvance(words) + 18;
    };
    const auto word = [&](int i) { return data_.key.value(i); };
    key(word(0), [&](QPointF o) {
        p.setPen(QPen(ink, 2));
        p.drawLine(o, o + QPointF(24, 0));
    });
    key(word(1), [&](QPointF o) {
        p.setPen(QPen(ink, 2, Qt::DashLine));
        p.drawLine(o, o + QPointF(24, 0));
    });
    key(word(2), [&](QPointF o) {
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(o + QPointF(12, -6), o + QPointF(12, 6));
    });
    key(word(3), [&](QPointF o) {
        p.setPen(QPen(paper, 1.5));
        p.setBrush(ink);
        p.drawEllipse(o + QPointF(12, 0), 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
    });

    p.setPen(QPen(ink, 1));
    p.drawRect(plot_);
    p.setClipRect(plot_.adjusted(-6, -6, 6, 6));

    if (data_.series.empty()) {
        p.drawText(plot_, Qt::AlignCenter | Qt::TextWordWrap, data_.emptyNote);
    }
    for (const Series &s : data_.series) {
        const QColor colour = slotColour(s.slot);
        for (const auto *points : {&s.max, &s.min}) {
            QPolygonF path;
            for (const Point &pt : *points)
                path << at(pt.strength, pt.total);
            p.setPen(
                QPen(colour, 2, points == &s.max ? Qt::SolidLine : Qt::DashLine, Qt::RoundCap));
            p.drawPolyline(path);
        }
        if (s.requirement) {
            const QPointF top = at(*s.requirement, totalAlong(s.max, *s.requirement));
            const QPointF bottom = at(*s.requirement, totalAlong(s.min, *s.requirement));
            p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(top + QPointF(0, -7), bottom + QPointF(0, 7));
        }
        // Markers spread along the line, each choice at its own places so none hides another.
        p.setPen(QPen(paper, 1.2));
        p.setBrush(colour);
        for (int k = 0; k < 4; ++k) {
            const double strength
                = data_.from + (data_.to - data_.from) * (0.06 + 0.25 * k + 0.045 * double(s.slot));
            for (const auto *points : {&s.max, &s.min})
                drawMarker(p, slotMarker(s.slot), at(strength, totalAlong(*points, strength)), 9);
        }
        p.setBrush(Qt::NoBrush);
    }

    if (data_.cursor && *data_.cursor >= data_.from && *data_.cursor <= data_.to) {
        const qreal cx = at(*data_.cursor, low_).x();
        p.setPen(QPen(ink, 1, Qt::DashDotLine));
        p.drawLine(QPointF(cx, plot_.top()), QPointF(cx, plot_.bottom()));
    }

    for (const Dot &dot : data_.crossings) {
        const QPointF c = at(dot.strength, dot.total);
        p.setPen(QPen(paper, 1.5));
        p.setBrush(ink);
        p.drawEllipse(c, 4.5, 4.5);
        p.setBrush(Qt::NoBrush);
        const QRectF box = labelBox(dot);
        QColor veil = paper;
        veil.setAlpha(210);
        p.fillRect(box, veil);
        p.setPen(ink);
        p.drawText(box, Qt::AlignCenter, dot.label);
    }

    if (hasFocus() && !forImage_) {
        p.setClipping(false);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = plot_.toAlignedRect().adjusted(-3, -3, 3, 3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

QRectF Chart::labelBox(const Dot &dot) const
{
    const QFontMetricsF fm(font());
    const QPointF c = at(dot.strength, dot.total);
    const qreal width = fm.horizontalAdvance(dot.label) + 6, height = fm.lineSpacing();
    // Above the dot, else below it; slid along so that it stays whole within the plot.
    const qreal top = c.y() - 8 - height >= plot_.top() ? c.y() - 8 - height : c.y() + 8;
    return {
        std::clamp(c.x() - width / 2, plot_.left(), std::max(plot_.left(), plot_.right() - width)),
        std::clamp(top, plot_.top(), std::max(plot_.top(), plot_.bottom() - height)), width,
        height};
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

void Chart::keyPressEvent(QKeyEvent *event)
{
    const std::optional<double> c = data_.cursor;
    double wanted;
    switch (event->key()) {
    case Qt::Key_Right:
        wanted = c ? std::floor(*c) + 1 : data_.from;
        break;
    case Qt::Key_Left:
        wanted = c ? std::ceil(*c) - 1 : data_.from;
        break;
    case Qt::Key_PageUp:
        wanted = c ? std::floor(*c) + 10 : data_.from;
        break;
    case Qt::Key_PageDown:
        wanted = c ? std::ceil(*c) - 10 : data_.from;
        break;
    case Qt::Key_Home:
        wanted = data_.from;
        break;
    case Qt::Key_End:
        wanted = data_.to;
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    wanted = std::clamp(wanted, data_.from, data_.to);
    if (wanted != c)
        emit cursorAsked(wanted);
}

void Chart::askAt(qreal x)
{
    const double strength
        = data_.from + (x - plot_.left()) / plot_.width() * (data_.to - data_.from);
    const double wanted = std::clamp(std::round(strength), data_.from, data_.to);
    if (wanted != data_.cursor)
        emit cursorAsked(wanted);
}

void Chart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        askAt(event->position().x());
}

void Chart::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        askAt(event->position().x());
}

} // namespace harmtally::plan
